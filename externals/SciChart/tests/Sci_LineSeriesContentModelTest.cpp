// Line data with units: axis sides, unit and time conversions, refused inputs.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <BVX_Exception.h>
#include <BVX_UnitVector.h>

#include <Sci_LineSeriesContentModel.h>

#include "Sci_TestHelpers.h"

using SCI::AbstractChartModel;
using SCI::AbstractCartesianChartModel;
using SCI::AbstractLineSeriesModel;
using SCI::LineSeriesContentModel;
using SCI_Test::MessageCollector;
using SCI_Test::vec;
using A = SCI::AbstractCartesianChartModel;
using S = SCI::AbstractLineSeriesModel;

namespace {

unsigned int unitId(const char * name) {
	return BVX::Unit(name).id();
}

unsigned int axisUnit(const LineSeriesContentModel & m, int axis) {
	return m.axisData(axis, A::AxisUnit).toUInt();
}

std::vector<double> yOf(const LineSeriesContentModel & m, int s) {
	const double * y = m.yValues(static_cast<unsigned int>(s));
	return std::vector<double>(y, y + m.seriesData(s, S::ValueCount).toInt());
}

std::vector<double> xOf(const LineSeriesContentModel & m, int s) {
	const double * x = m.xValues(static_cast<unsigned int>(s));
	return std::vector<double>(x, x + m.seriesData(s, S::ValueCount).toInt());
}

/*! Temperatures in C (left) and a load in W (right) over hours. */
void addTwo(LineSeriesContentModel & m) {
	m.addDataSet(vec("h", {0, 1, 2}), vec("C", {20, 21, 22}), "Air");
	m.addDataSet(vec("h", {0, 1, 2}), vec("W", {100, 200, 300}), "Load");
}

} // namespace


TEST(SciLineSeriesContent, FirstDataSetGivesTheAxesItsUnits) {
	LineSeriesContentModel m;
	QSignalSpy about(&m, &AbstractChartModel::seriesAboutToBeInserted);
	QSignalSpy inserted(&m, &AbstractChartModel::seriesInserted);
	QSignalSpy view(&m, &AbstractChartModel::seriesViewChanged);
	QSignalSpy axis(&m, &AbstractChartModel::axisChanged);
	m.addDataSet(vec("h", {0, 1}), vec("C", {20, 21}), "Air");
	EXPECT_EQ(axisUnit(m, 0), unitId("h"));
	EXPECT_EQ(axisUnit(m, 1), unitId("C"));
	EXPECT_EQ(axisUnit(m, 2), 0u);
	EXPECT_TRUE(m.seriesData(0, S::LeftAxis).toBool());
	EXPECT_EQ(m.seriesData(0, S::PenColor).value<QColor>(), QColor("#000000"));
	EXPECT_EQ(m.seriesData(0, S::LineStyle).toInt(), 0);
	EXPECT_EQ(m.seriesData(0, S::TitleText).toString(), QString("Air"));
	EXPECT_EQ(m.seriesData(0, S::ValueCount).toInt(), 2);
	// the chart hears of the units and the insert bracket only
	EXPECT_EQ(about.count(), 1);
	ASSERT_EQ(inserted.count(), 1);
	EXPECT_EQ(inserted[0], QList<QVariant>({0, 0}));
	EXPECT_EQ(view.count(), 0);
	EXPECT_EQ(axis.count(), 2);
}


TEST(SciLineSeriesContent, YUnitsChooseTheAxisSide) {
	LineSeriesContentModel m;
	addTwo(m);
	EXPECT_FALSE(m.seriesData(1, S::LeftAxis).toBool());
	EXPECT_EQ(axisUnit(m, 2), unitId("W"));
	EXPECT_TRUE(m.axisData(2, A::Enabled).toBool());
	EXPECT_EQ(m.seriesData(1, S::PenColor).value<QColor>(), QColor("#ff420e"));

	// K converts to the left axis's C
	m.addDataSet(vec("h", {0}), vec("K", {293.15}), "Wall");
	EXPECT_TRUE(m.seriesData(2, S::LeftAxis).toBool());
	EXPECT_NEAR(yOf(m, 2)[0], 20.0, 1e-12);

	try {
		m.addDataSet(vec("h", {0}), vec("kg", {1}), "Mass");
		FAIL() << "kg accepted";
	}
	catch (BVX::Exception & ex) {
		const std::string msg = ex.what();
		EXPECT_EQ(msg, "Incompatible y unit: y-value unit = kg cannot be converted to either of the left y axis "
					   "(unit = C) or right y axis (unit = W)");
	}
	EXPECT_EQ(m.seriesCount(), 3);
	EXPECT_EQ(axisUnit(m, 1), unitId("C"));
	EXPECT_EQ(axisUnit(m, 2), unitId("W"));
}


TEST(SciLineSeriesContent, RefusedDataSetsLeaveTheModelAsItWas) {
	struct Case {
		const char * name;
		BVX::UnitVector x;
		BVX::UnitVector y;
		const char * message;	///< start of the message
	};
	const Case cases[] = {
		{ "undefined x unit", BVX::UnitVector("", BVX::Unit(), {1}), vec("C", {1}), "Undefined x-unit" },
		{ "undefined y unit", vec("h", {1}), BVX::UnitVector("", BVX::Unit(), {1}), "Undefined y-unit" },
		{ "metres on a time axis", vec("m", {1}), vec("C", {1}), "Incompatible x units: x-value unit = m, x-axis unit = h" },
		{ "more x than y", vec("h", {1, 2, 3}), vec("C", {1, 2}), "Size mismatch" },
		{ "more y than x", vec("h", {1}), vec("C", {1, 2}), "Size mismatch" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.name);
		LineSeriesContentModel m;
		m.addDataSet(vec("h", {0}), vec("C", {5}), "First");
		QSignalSpy spy(&m, &AbstractChartModel::seriesAboutToBeInserted);
		try {
			m.addDataSet(c.x, c.y, "Bad");
			ADD_FAILURE() << "accepted";
		}
		catch (BVX::Exception & ex) {
			EXPECT_EQ(std::string(ex.what()).rfind(c.message, 0), 0u) << ex.what();
		}
		EXPECT_EQ(m.seriesCount(), 1);
		EXPECT_EQ(spy.count(), 0);
		EXPECT_EQ(axisUnit(m, 2), 0u);
	}

	LineSeriesContentModel m;
	m.addDataSet(vec("h", {0, 1}), vec("C", {5, 6}), "First");
	EXPECT_THROW(m.setValues(0, vec("h", {0, 1, 2}), vec("C", {1, 2})), BVX::Exception);
	EXPECT_EQ(m.seriesData(0, S::ValueCount).toInt(), 2);
	EXPECT_EQ(yOf(m, 0), std::vector<double>({5, 6}));
}


TEST(SciLineSeriesContent, AddingKeepsTheCallersSignalBlocking) {
	LineSeriesContentModel m;
	QSignalSpy spy(&m, &AbstractChartModel::seriesInserted);
	m.blockSignals(true);
	m.addDataSet(vec("h", {0}), vec("C", {5}), "Quiet");
	EXPECT_TRUE(m.signalsBlocked());
	m.blockSignals(false);
	m.addDataSet(vec("h", {0}), vec("C", {5}), "Loud");
	EXPECT_FALSE(m.signalsBlocked());
	EXPECT_EQ(spy.count(), 1);
}


TEST(SciLineSeriesContent, ArraysStayInPlaceWhenSeriesAreAdded) {
	LineSeriesContentModel m;
	m.addDataSet(vec("h", {0, 1, 2}), vec("C", {1, 2, 3}), "First");
	const double * x0 = m.xValues(0);
	const double * y0 = m.yValues(0);
	for (int i = 0; i < 40; ++i)
		m.addDataSet(vec("h", {0, 1, 2}), vec("C", {1, 2, 3}), "More");
	EXPECT_EQ(m.xValues(0), x0);
	EXPECT_EQ(m.yValues(0), y0);
}


TEST(SciLineSeriesContent, HoursOnATimeAxisBecomeEpochMilliseconds) {
	LineSeriesContentModel m;
	m.setAxisData(true, 0, A::DateTimeEnabled);
	m.setAxisData(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC), 0, A::DateTimeZero);
	m.addDataSet(vec("h", {0, 1}), vec("C", {20, 21}), "Air");
	EXPECT_EQ(xOf(m, 0), std::vector<double>({946684800000.0, 946688400000.0}));
	EXPECT_EQ(axisUnit(m, 0), 0u) << "a time axis keeps its unit";

	// a later zero moves the data; the axis change is announced once
	QSignalSpy spy(&m, &AbstractChartModel::axisChanged);
	EXPECT_TRUE(m.setAxisData(QDateTime(QDate(2000, 1, 2), QTime(0, 0), Qt::UTC), 0, A::DateTimeZero));
	EXPECT_EQ(xOf(m, 0)[0], 946684800000.0 + 86400000.0);
	EXPECT_EQ(spy.count(), 1);

	// switched off, x goes back to the axis unit: none set, hours taken as they are
	m.setAxisData(unitId("h"), 0, A::AxisUnit);
	m.setAxisData(false, 0, A::DateTimeEnabled);
	EXPECT_EQ(xOf(m, 0), std::vector<double>({0, 1}));
}


TEST(SciLineSeriesContent, AxisUnitWithoutSeriesIsStoredButNotAccepted) {
	LineSeriesContentModel m;
	QSignalSpy spy(&m, &AbstractChartModel::axisChanged);
	EXPECT_FALSE(m.setAxisData(unitId("C"), 1, A::AxisUnit));
	EXPECT_EQ(axisUnit(m, 1), unitId("C"));
	EXPECT_EQ(spy.count(), 0);

	m.addDataSet(vec("h", {0}), vec("C", {1}), "Air");
	spy.clear();
	EXPECT_TRUE(m.setAxisData(unitId("C"), 1, A::AxisUnit));
	EXPECT_EQ(spy.count(), 1) << "announced even when unchanged";
}


TEST(SciLineSeriesContent, UnitChangeConvertsDataAndFixedLimits) {
	LineSeriesContentModel m;
	addTwo(m);
	m.setAxisData(false, 1, A::Autoscale);
	m.setAxisData(-10.0, 1, A::Minimum);
	m.setAxisData(30.0, 1, A::Maximum);
	m.setAxisData(false, 0, A::Autoscale);
	m.setAxisData(0.0, 0, A::Minimum);
	m.setAxisData(48.0, 0, A::Maximum);
	QSignalSpy spy(&m, &AbstractChartModel::axisChanged);

	EXPECT_TRUE(m.setAxisData(unitId("K"), 1, A::AxisUnit));
	EXPECT_NEAR(m.axisData(1, A::Minimum).toDouble(), 263.15, 1e-9);
	EXPECT_NEAR(m.axisData(1, A::Maximum).toDouble(), 303.15, 1e-9);
	std::vector<double> y = yOf(m, 0);
	EXPECT_NEAR(y[0], 293.15, 1e-9);
	EXPECT_NEAR(y[2], 295.15, 1e-9);
	EXPECT_EQ(yOf(m, 1), std::vector<double>({100, 200, 300})) << "right axis untouched";
	EXPECT_EQ(spy.count(), 3);	// minimum, maximum, unit

	// hours to days and on to minutes: limits follow the axis's previous unit each time
	m.setAxisData(unitId("d"), 0, A::AxisUnit);
	EXPECT_NEAR(m.axisData(0, A::Maximum).toDouble(), 2.0, 1e-12);
	EXPECT_NEAR(xOf(m, 0)[2], 2.0 / 24, 1e-12);
	m.setAxisData(unitId("min"), 0, A::AxisUnit);
	EXPECT_NEAR(m.axisData(0, A::Maximum).toDouble(), 2880.0, 1e-9);
	EXPECT_NEAR(xOf(m, 1)[1], 60.0, 1e-9);
}


TEST(SciLineSeriesContent, UnitThatASeriesCannotTakeIsRefused) {
	struct Case { const char * name; int axis; const char * unit; };
	const Case cases[] = {
		{ "mass on the temperature axis", 1, "kg" },
		{ "temperature on the load axis", 2, "C" },
		{ "metres on the hour axis", 0, "m" },
		{ "undefined on a used axis", 1, "-" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.name);
		LineSeriesContentModel m;
		addTwo(m);
		const unsigned int before = axisUnit(m, c.axis);
		QSignalSpy spy(&m, &AbstractChartModel::axisChanged);
		MessageCollector messages;
		const unsigned int unit = std::string(c.unit) == "-" ? 0u : unitId(c.unit);
		EXPECT_FALSE(m.setAxisData(unit, c.axis, A::AxisUnit));
		EXPECT_EQ(axisUnit(m, c.axis), before);
		EXPECT_EQ(spy.count(), 0);
		EXPECT_EQ(messages.count(BVX::MSG_ERROR), 1);
		EXPECT_EQ(yOf(m, 0), std::vector<double>({20, 21, 22}));
		EXPECT_EQ(yOf(m, 1), std::vector<double>({100, 200, 300}));
		EXPECT_EQ(xOf(m, 0), std::vector<double>({0, 1, 2}));
	}
}


TEST(SciLineSeriesContent, SetValuesReplacesOnlyTheValues) {
	LineSeriesContentModel m;
	addTwo(m);
	m.setAxisData(unitId("K"), 1, A::AxisUnit);
	m.setAxisData(unitId("min"), 0, A::AxisUnit);
	QSignalSpy about(&m, &AbstractChartModel::seriesAboutToBeChanged);
	QSignalSpy changed(&m, &AbstractChartModel::seriesChanged);
	// x in the series' own unit (h), y in the axis unit (K)
	m.setValues(0, vec("h", {0, 2, 4, 6}), vec("C", {300, 301, 302, 303}));
	EXPECT_EQ(xOf(m, 0), std::vector<double>({0, 120, 240, 360}));
	EXPECT_EQ(yOf(m, 0), std::vector<double>({300, 301, 302, 303}));
	EXPECT_EQ(m.seriesData(0, S::TitleText).toString(), QString("Air"));
	EXPECT_EQ(m.seriesData(0, S::PenColor).value<QColor>(), QColor("#000000"));
	ASSERT_EQ(about.count(), 1);
	EXPECT_EQ(about[0], QList<QVariant>({0, 0}));
	ASSERT_EQ(changed.count(), 1);
	EXPECT_EQ(changed[0], QList<QVariant>({0, 0}));
}


TEST(SciLineSeriesContent, ClearingPropertiesKeepsEverySeriesAddressable) {
	LineSeriesContentModel m;
	addTwo(m);
	m.clearCachedData();
	ASSERT_EQ(m.seriesCount(), 2);
	EXPECT_EQ(m.seriesData(1, S::LineStyle).toInt(), 1);
	EXPECT_EQ(m.seriesData(1, S::ValueCount).toInt(), 3);
}
