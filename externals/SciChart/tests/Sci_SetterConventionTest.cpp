// The setters of chart, axis and series roles: false for an unconvertible value or a
// read-only role, true silently for the stored value, true with the matching signal
// for a new value.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFont>
#include <QPen>
#include <QSignalSpy>

#include <BVX_Unit.h>

#include "Sci_TestHelpers.h"

using SCI::AbstractChartModel;
using SCI::AbstractCartesianChartModel;
using SCI::AbstractLineSeriesModel;
using SCI_Test::PropertiesOnlyModel;

namespace {

enum Kind { Chart, Axis, Series };

struct RoleCase {
	Kind		kind;
	int			role;
	QVariant	newValue;
	QVariant	badValue;	///< invalid: the role converts everything
};

QVariant get(const AbstractChartModel & m, Kind kind, int pos, int role) {
	switch (kind) {
		case Chart:	return m.chartData(role);
		case Axis:	return m.axisData(pos, role);
		default:	return m.seriesData(pos, role);
	}
}

bool set(AbstractChartModel & m, Kind kind, int pos, int role, const QVariant & v) {
	switch (kind) {
		case Chart:	return m.setChartData(v, role);
		case Axis:	return m.setAxisData(v, pos, role);
		default:	return m.setSeriesData(v, pos, role);
	}
}

/*! Arguments the change signal must carry. */
QList<QVariant> expectedArgs(Kind kind, int pos, int role) {
	switch (kind) {
		case Chart:	return { role };
		case Axis:	return { pos, role };
		default:	return { pos, pos, role };
	}
}

const char * signalOf(Kind kind) {
	switch (kind) {
		case Chart:	return SIGNAL(chartChanged(int));
		case Axis:	return SIGNAL(axisChanged(int,int));
		default:	return SIGNAL(seriesViewChanged(int,int,int));
	}
}

QString describe(const RoleCase & c, int pos) {
	static const char * const KINDS[] = { "chart", "axis", "series" };
	return QString("%1 role %2 at %3").arg(KINDS[c.kind]).arg(c.role).arg(pos);
}

const QVariant NO_BAD;
const QVariant NOT_A_NUMBER = QString("abc");
const QVariant NOT_A_FONT = 42;
const QVariant NOT_A_COLOR = QSize(1, 1);
const QVariant NOT_A_PEN = 42;

std::vector<RoleCase> roleCases() {
	QFont font("Serif", 17);
	QPen pen(QColor("#123456"), 2.5, Qt::DashDotLine);
	return {
		{ Chart, AbstractChartModel::TitleText, QString("Temperatures"), NO_BAD },
		{ Chart, AbstractChartModel::TitleFont, font, NOT_A_FONT },
		{ Chart, AbstractChartModel::LegendVisible, false, NO_BAD },
		{ Chart, AbstractChartModel::LegendPosition, 4, NOT_A_NUMBER },
		{ Chart, AbstractChartModel::LegendAlignment, 7, NOT_A_NUMBER },
		{ Chart, AbstractChartModel::LegendHasFrame, false, NO_BAD },
		{ Chart, AbstractChartModel::LegendIconStyle, 2, NOT_A_NUMBER },
		{ Chart, AbstractChartModel::LegendIconWidth, 33, NOT_A_NUMBER },
		{ Chart, AbstractChartModel::LegendBackgroundColor, QColor(10, 20, 30, 128), NOT_A_COLOR },
		{ Chart, AbstractChartModel::LegendBackgroundTransparency, 0.25, NOT_A_NUMBER },
		{ Chart, AbstractChartModel::LegendOffset, QSize(3, 4), NO_BAD },
		{ Chart, AbstractChartModel::LegendMaxColumns, 3, NOT_A_NUMBER },
		{ Chart, AbstractChartModel::LegendSpacing, 12, NOT_A_NUMBER },
		{ Chart, AbstractChartModel::LegendFont, font, NOT_A_FONT },
		{ Chart, AbstractChartModel::Proportional, true, NO_BAD },
		{ Chart, AbstractChartModel::AxisY2TitleInverted, true, NO_BAD },
		{ Chart, AbstractChartModel::AxisScalesInside, true, NO_BAD },
		{ Chart, AbstractChartModel::ConstructionLinesVisible, true, NO_BAD },
		{ Chart, AbstractChartModel::ConstructionLinesPen, pen, NOT_A_PEN },

		{ Axis, AbstractCartesianChartModel::Enabled, false, NO_BAD },
		{ Axis, AbstractCartesianChartModel::TitleText, QString("Time [$unit]"), NO_BAD },
		{ Axis, AbstractCartesianChartModel::Maximum, 9.5e11, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::Minimum, -0.1, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::Logarithmic, true, NO_BAD },
		{ Axis, AbstractCartesianChartModel::Autoscale, false, NO_BAD },
		{ Axis, AbstractCartesianChartModel::TitleFont, font, NOT_A_FONT },
		{ Axis, AbstractCartesianChartModel::LabelFont, font, NOT_A_FONT },
		{ Axis, AbstractCartesianChartModel::LabelHAlignment, 4, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::LabelVAlignment, 4, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::LabelRotation, 45.5, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::MaxMinorScale, 3, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::MaxMajorScale, 11, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::AxisUnit, BVX::Unit("K").id(), NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::GridVisible, false, NO_BAD },
		{ Axis, AbstractCartesianChartModel::GridPen, pen, NOT_A_PEN },
		{ Axis, AbstractCartesianChartModel::GridPenWidth, 3.0, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::GridPenColor, QColor("#abcdef"), NOT_A_COLOR },
		{ Axis, AbstractCartesianChartModel::MinorGridVisible, false, NO_BAD },
		{ Axis, AbstractCartesianChartModel::MinorGridPen, pen, NOT_A_PEN },
		{ Axis, AbstractCartesianChartModel::MinorGridPenWidth, 5.0, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::MinorGridPenColor, QColor("#abcdef"), NOT_A_COLOR },
		{ Axis, AbstractCartesianChartModel::TitleSpacing, 20, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::LabelSpacing, 9, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::DateTimeEnabled, true, NO_BAD },
		{ Axis, AbstractCartesianChartModel::DateTimeZero, QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7, 890), Qt::UTC), NO_BAD },
		{ Axis, AbstractCartesianChartModel::DateTimeSpec, 2, NOT_A_NUMBER },
		{ Axis, AbstractCartesianChartModel::DateTimeFormats,
		  QStringList({"zzz", "ss", "mm", "hh", "dd", "dd", "MM", "yy"}), NO_BAD },

		{ Series, AbstractLineSeriesModel::Pen, pen, NOT_A_PEN },
		{ Series, AbstractLineSeriesModel::PenWidth, 4, NOT_A_NUMBER },
		{ Series, AbstractLineSeriesModel::PenColor, QColor("#ff420e"), NOT_A_COLOR },
		{ Series, AbstractLineSeriesModel::LineStyle, 3, NO_BAD },
		{ Series, AbstractLineSeriesModel::MarkerStyle, 2, NO_BAD },
		{ Series, AbstractLineSeriesModel::Inverted, true, NO_BAD },
		{ Series, AbstractLineSeriesModel::Fitted, true, NO_BAD },
		{ Series, AbstractLineSeriesModel::InLegend, false, NO_BAD },
	};
}

} // namespace


TEST(SciSetterConvention, EveryRoleFollowsThePattern) {
	for (const RoleCase & c : roleCases()) {
		// the series table runs on the second of two series, the axis table on every axis
		const int positions = c.kind == Axis ? 3 : 1;
		for (int p = 0; p < positions; ++p) {
			const int pos = c.kind == Series ? 1 : p;
			SCOPED_TRACE(describe(c, pos).toStdString());
			PropertiesOnlyModel m(2);
			// a fixed axis, so that limit changes are announced
			m.setAxisData(false, pos, AbstractCartesianChartModel::Autoscale);
			QSignalSpy spy(&m, signalOf(c.kind));

			const QVariant before = get(m, c.kind, pos, c.role);
			EXPECT_TRUE(set(m, c.kind, pos, c.role, before));
			EXPECT_EQ(spy.count(), 0) << "unchanged value announced";

			if (c.badValue.isValid()) {
				EXPECT_FALSE(set(m, c.kind, pos, c.role, c.badValue));
				EXPECT_EQ(get(m, c.kind, pos, c.role), before);
				EXPECT_EQ(spy.count(), 0);
			}

			// flags already at the table's value (the right axis is off) are flipped
			QVariant newValue = c.newValue;
			if (newValue == before && newValue.type() == QVariant::Bool)
				newValue = !before.toBool();
			EXPECT_TRUE(set(m, c.kind, pos, c.role, newValue));
			EXPECT_EQ(get(m, c.kind, pos, c.role), newValue);
			ASSERT_EQ(spy.count(), 1);
			EXPECT_EQ(spy.takeFirst(), expectedArgs(c.kind, pos, c.role));
		}
	}
}


TEST(SciSetterConvention, ReadOnlyUnknownAndOutOfRangeAreRefused) {
	PropertiesOnlyModel m(1);
	QSignalSpy chartSpy(&m, &AbstractChartModel::chartChanged);
	QSignalSpy axisSpy(&m, &AbstractChartModel::axisChanged);
	EXPECT_FALSE(m.setChartData("x", AbstractChartModel::Title));
	EXPECT_FALSE(m.setChartData(1, AbstractChartModel::NUM_CDR));
	EXPECT_FALSE(m.chartData(AbstractChartModel::NUM_CDR).isValid());
	EXPECT_EQ(m.chartData(AbstractChartModel::Title), m.chartData(AbstractChartModel::TitleText));
	// a legend position outside 0..4 would give the chart an invalid legend
	for (int pos : { -1, 5 }) {
		EXPECT_FALSE(m.setChartData(pos, AbstractChartModel::LegendPosition));
		EXPECT_EQ(m.chartData(AbstractChartModel::LegendPosition).toInt(), AbstractChartModel::Bottom);
	}
	for (int pos : { -1, 3 }) {
		EXPECT_FALSE(m.axisData(pos, AbstractCartesianChartModel::Enabled).isValid());
		EXPECT_FALSE(m.setAxisData(false, pos, AbstractCartesianChartModel::Enabled));
	}
	EXPECT_FALSE(m.setAxisData("x", 0, AbstractCartesianChartModel::Title));
	EXPECT_FALSE(m.axisData(0, AbstractCartesianChartModel::NUM_ADR).isValid());
	EXPECT_FALSE(m.setSeriesData("x", 0, AbstractLineSeriesModel::Title));
	EXPECT_FALSE(m.setSeriesData(5, 0, AbstractLineSeriesModel::ValueCount));
	EXPECT_FALSE(m.seriesData(0, AbstractLineSeriesModel::NUM_SDR).isValid());
	EXPECT_EQ(chartSpy.count() + axisSpy.count(), 0);
}


TEST(SciSetterConvention, LimitsOfAnAutoscaledAxisAreStoredSilently) {
	PropertiesOnlyModel m;
	QSignalSpy spy(&m, &AbstractChartModel::axisChanged);
	EXPECT_TRUE(m.setAxisData(12.5, 1, AbstractCartesianChartModel::Maximum));
	EXPECT_TRUE(m.setAxisData(-3.0, 1, AbstractCartesianChartModel::Minimum));
	EXPECT_EQ(spy.count(), 0);
	EXPECT_EQ(m.axisData(1, AbstractCartesianChartModel::Maximum).toDouble(), 12.5);
	EXPECT_EQ(m.axisData(1, AbstractCartesianChartModel::Minimum).toDouble(), -3.0);
}


TEST(SciSetterConvention, GridPensAreTheXAxisPensWithWidthsReportedTwice) {
	PropertiesOnlyModel m;
	QSignalSpy spy(&m, &AbstractChartModel::axisChanged);
	EXPECT_TRUE(m.setAxisData(3, 2, AbstractCartesianChartModel::GridPenWidth));
	EXPECT_EQ(m.axisProperties(0).m_gridPen.widthF(), 1.5);
	EXPECT_EQ(m.axisProperties(2).m_gridPen.widthF(), 1.0) << "the right axis's own pen is not used";
	for (int pos = 0; pos < 3; ++pos) {
		EXPECT_EQ(m.axisData(pos, AbstractCartesianChartModel::GridPenWidth).toDouble(), 3.0);
		EXPECT_EQ(m.axisData(pos, AbstractCartesianChartModel::MinorGridPenWidth).toDouble(), 2.0);
	}
	EXPECT_TRUE(m.setAxisData(QColor(Qt::red), 1, AbstractCartesianChartModel::MinorGridPenColor));
	EXPECT_EQ(m.axisData(2, AbstractCartesianChartModel::MinorGridPen).value<QPen>().color(), QColor(Qt::red));
	ASSERT_EQ(spy.count(), 2);
	EXPECT_EQ(spy[0], QList<QVariant>({2, int(AbstractCartesianChartModel::GridPenWidth)}));
}


TEST(SciSetterConvention, AxisTitleReplacesUnitPlaceholder) {
	PropertiesOnlyModel m;
	m.setAxisData("T [$unit] ($unit)", 1, AbstractCartesianChartModel::TitleText);
	// undefined unit: the name of unit 0 takes the place
	EXPECT_EQ(m.axisData(1, AbstractCartesianChartModel::Title).toString().toStdString(),
			  "T [" + BVX::Unit().name() + "] (" + BVX::Unit().name() + ")");
	m.setAxisData(BVX::Unit("C").id(), 1, AbstractCartesianChartModel::AxisUnit);
	EXPECT_EQ(m.axisData(1, AbstractCartesianChartModel::Title).toString(), QString("T [C] (C)"));
	EXPECT_EQ(m.axisData(1, AbstractCartesianChartModel::TitleText).toString(), QString("T [$unit] ($unit)"));
	EXPECT_EQ(m.axisData(1, AbstractCartesianChartModel::Title).toString(), m.axisData(1, 1).toString());
}


TEST(SciSetterConvention, DateTimeFormatsOfAnotherLengthAreRefused) {
	PropertiesOnlyModel m;
	QSignalSpy spy(&m, &AbstractChartModel::axisChanged);
	QStringList formats = m.axisData(0, AbstractCartesianChartModel::DateTimeFormats).toStringList();
	ASSERT_EQ(formats.size(), 8);
	for (int n : { 7, 9 }) {
		QStringList other = formats;
		if (n < 8)
			other.removeLast();
		else
			other.append("yyyy");
		EXPECT_FALSE(m.setAxisData(other, 0, AbstractCartesianChartModel::DateTimeFormats));
	}
	EXPECT_EQ(m.axisData(0, AbstractCartesianChartModel::DateTimeFormats).toStringList(), formats);
	EXPECT_EQ(spy.count(), 0);
}


TEST(SciSetterConvention, SeriesTitleIsAnnouncedEvenWhenUnchanged) {
	PropertiesOnlyModel m(1);
	QSignalSpy spy(&m, &AbstractChartModel::seriesViewChanged);
	EXPECT_TRUE(m.setSeriesData("Air", 0, AbstractLineSeriesModel::TitleText));
	EXPECT_TRUE(m.setSeriesData("Air", 0, AbstractLineSeriesModel::TitleText));
	EXPECT_EQ(spy.count(), 2);
	EXPECT_EQ(m.seriesData(0, AbstractLineSeriesModel::Title).toString(), QString("Air"));
}


TEST(SciSetterConvention, LeftAxisSwitchesTheRightAxisAndSharesTheUnit) {
	PropertiesOnlyModel m(2);
	const unsigned int celsius = BVX::Unit("C").id();
	m.setAxisData(celsius, 1, AbstractCartesianChartModel::AxisUnit);
	QSignalSpy axisSpy(&m, &AbstractChartModel::axisChanged);
	QSignalSpy seriesSpy(&m, &AbstractChartModel::seriesViewChanged);

	EXPECT_TRUE(m.setSeriesData(false, 0, AbstractLineSeriesModel::LeftAxis));
	EXPECT_TRUE(m.axisData(2, AbstractCartesianChartModel::Enabled).toBool());
	EXPECT_EQ(m.axisData(2, AbstractCartesianChartModel::AxisUnit).toUInt(), celsius);
	EXPECT_EQ(axisSpy.count(), 2);	// enabled, unit
	ASSERT_EQ(seriesSpy.count(), 1);
	EXPECT_EQ(seriesSpy[0], QList<QVariant>({0, 0, int(AbstractLineSeriesModel::LeftAxis)}));

	// a second series on the right keeps the axis on until both are back
	m.setSeriesData(false, 1, AbstractLineSeriesModel::LeftAxis);
	m.setSeriesData(true, 0, AbstractLineSeriesModel::LeftAxis);
	EXPECT_TRUE(m.axisData(2, AbstractCartesianChartModel::Enabled).toBool());
	m.setSeriesData(true, 1, AbstractLineSeriesModel::LeftAxis);
	EXPECT_FALSE(m.axisData(2, AbstractCartesianChartModel::Enabled).toBool());
}


TEST(SciSetterConvention, SeriesColorsRepeatAfterFourteen) {
	EXPECT_EQ(AbstractLineSeriesModel::seriesColor(0), QColor("#000000"));
	EXPECT_EQ(AbstractLineSeriesModel::seriesColor(13), QColor("#004586"));
	EXPECT_EQ(AbstractLineSeriesModel::seriesColor(14), QColor("#000000"));
	EXPECT_EQ(AbstractLineSeriesModel::seriesColor(16), AbstractLineSeriesModel::seriesColor(2));
}
