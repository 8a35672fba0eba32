// Chart-properties XML: minimal document, exact round trips, reading errors.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include <QDateTime>
#include <QFont>
#include <QPen>
#include <QSignalSpy>

#include <BVX_Exception.h>
#include <BVX_UnitVector.h>

#include <Sci_DateScaleDraw.h>
#include <Sci_LineSeriesContentModel.h>
#include <Sci_XMLUtils.h>

#include "Sci_TestHelpers.h"

using SCI::AbstractChartModel;
using SCI::AbstractCartesianChartModel;
using SCI::AbstractLineSeriesModel;
using SCI::LineSeriesContentModel;
using SCI_Test::MessageCollector;
using SCI_Test::PropertiesOnlyModel;
using SCI_Test::readFromText;
using SCI_Test::writeToText;

namespace {

/*! Two series over hours: temperatures in C (left) and a load in W (right). */
void addData(LineSeriesContentModel & m) {
	BVX::UnitVector x("time", BVX::Unit("h"), {0, 1, 2, 3});
	m.addDataSet(x, BVX::UnitVector("air", BVX::Unit("C"), {20, 21, 22.5, 21}), "Air");
	m.addDataSet(x, BVX::UnitVector("load", BVX::Unit("W"), {100, 0, 50, 75}), "Load");
}

/*! Every chart, axis and series property away from its default. */
void changeEverything(AbstractChartModel & m) {
	using A = AbstractCartesianChartModel;
	using S = AbstractLineSeriesModel;
	QFont font("Serif", 17);
	font.setItalic(true);
	m.setChartData(QString::fromUtf8("Raum – Temperaturen °C"), AbstractChartModel::TitleText);
	m.setChartData(font, AbstractChartModel::TitleFont);
	m.setChartData(false, AbstractChartModel::LegendVisible);
	m.setChartData(AbstractChartModel::Inside, AbstractChartModel::LegendPosition);
	m.setChartData(9, AbstractChartModel::LegendAlignment);
	m.setChartData(false, AbstractChartModel::LegendHasFrame);
	m.setChartData(2, AbstractChartModel::LegendIconStyle);
	m.setChartData(31, AbstractChartModel::LegendIconWidth);
	m.setChartData(QColor(10, 20, 30, 128), AbstractChartModel::LegendBackgroundColor);
	m.setChartData(0.1, AbstractChartModel::LegendBackgroundTransparency);
	m.setChartData(QSize(-4, 17), AbstractChartModel::LegendOffset);
	m.setChartData(3, AbstractChartModel::LegendMaxColumns);
	m.setChartData(11, AbstractChartModel::LegendSpacing);
	m.setChartData(font, AbstractChartModel::LegendFont);
	m.setChartData(true, AbstractChartModel::Proportional);
	m.setChartData(true, AbstractChartModel::AxisY2TitleInverted);
	m.setChartData(true, AbstractChartModel::AxisScalesInside);
	m.setChartData(true, AbstractChartModel::ConstructionLinesVisible);
	m.setChartData(QPen(QColor(200, 0, 0, 40), 1.25, Qt::DashDotDotLine), AbstractChartModel::ConstructionLinesPen);

	const QDateTime zero(QDate(2021, 6, 30), QTime(22, 15, 30, 123), Qt::UTC);
	for (int a = 0; a < 3; ++a) {
		m.setAxisData(a != 1, a, A::Enabled);	// left off, right on
		m.setAxisData(QString("Axis %1 [$unit]").arg(a), a, A::TitleText);
		m.setAxisData(false, a, A::Autoscale);
		m.setAxisData(9.5e11 + 0.1 * a + 123.456, a, A::Maximum);
		m.setAxisData(9.49999e11 - 7.25, a, A::Minimum);
		m.setAxisData(a == 2, a, A::Logarithmic);
		m.setAxisData(font, a, A::TitleFont);
		m.setAxisData(font, a, A::LabelFont);
		m.setAxisData(7, a, A::LabelHAlignment);
		m.setAxisData(8, a, A::LabelVAlignment);
		m.setAxisData(-33.3, a, A::LabelRotation);
		m.setAxisData(2, a, A::MaxMinorScale);
		m.setAxisData(13, a, A::MaxMajorScale);
		m.setAxisData(false, a, A::GridVisible);
		m.setAxisData(false, a, A::MinorGridVisible);
		m.setAxisData(21, a, A::TitleSpacing);
		m.setAxisData(2, a, A::LabelSpacing);
		m.setAxisData(a == 0, a, A::DateTimeEnabled);
		m.setAxisData(zero, a, A::DateTimeZero);
		m.setAxisData(0, a, A::DateTimeSpec);
		m.setAxisData(QStringList({"zzz", "", "mm;;hh", "hh", "dd", "dd", "MMMM", "yyyy"}), a, A::DateTimeFormats);
	}
	m.setAxisData(QPen(QColor(1, 2, 3, 200), 2.5, Qt::DotLine), 0, A::GridPen);
	m.setAxisData(1.5, 2, A::MinorGridPenWidth);	// 0.75 wide
	m.setAxisData(QColor("#fedcba"), 1, A::MinorGridPenColor);

	for (int s = 0; s < m.seriesCount(); ++s) {
		m.setSeriesData(QString("Series <%1> & co").arg(s), s, S::TitleText);
		m.setSeriesData(QPen(QColor(0, 128, 255, 99), 2.5, Qt::DashLine), s, S::Pen);
		m.setSeriesData(5, s, S::LineStyle);
		m.setSeriesData(3, s, S::MarkerStyle);
		m.setSeriesData(true, s, S::Inverted);
		m.setSeriesData(true, s, S::Fitted);
		m.setSeriesData(false, s, S::InLegend);
	}
}

void expectSameRoles(const AbstractChartModel & a, const AbstractChartModel & b) {
	for (int r = 0; r < AbstractChartModel::NUM_CDR; ++r)
		EXPECT_EQ(a.chartData(r), b.chartData(r)) << "chart role " << r;
	for (int pos = 0; pos < 3; ++pos)
		for (int r = 0; r < AbstractCartesianChartModel::NUM_ADR; ++r)
			EXPECT_EQ(a.axisData(pos, r), b.axisData(pos, r)) << "axis " << pos << " role " << r;
	ASSERT_EQ(a.seriesCount(), b.seriesCount());
	for (int s = 0; s < a.seriesCount(); ++s)
		for (int r = 0; r < AbstractLineSeriesModel::NUM_SDR; ++r)
			EXPECT_EQ(a.seriesData(s, r), b.seriesData(s, r)) << "series " << s << " role " << r;
}

} // namespace


TEST(SciChartXML, DefaultModelWritesTheMinimalDocument) {
	PropertiesOnlyModel m;
	EXPECT_EQ(writeToText(m),
		"<Chart>\n"
		"    <SeriesProperties />\n"
		"    <AxisProperties>\n"
		"        <Axis index=\"0\" />\n"
		"        <Axis index=\"1\" />\n"
		"        <Axis index=\"2\" enabled=\"0\" />\n"
		"    </AxisProperties>\n"
		"    <ChartProperties>\n"
		"        <Legend />\n"
		"    </ChartProperties>\n"
		"</Chart>\n");
	PropertiesOnlyModel oneSeries(1);
	EXPECT_NE(writeToText(oneSeries).find("<SeriesProperties>\n        <Series />\n    </SeriesProperties>"), std::string::npos);
}


TEST(SciChartXML, EveryPropertySurvivesARoundTripExactly) {
	for (bool writeAll : { false, true }) {
		SCOPED_TRACE(writeAll ? "all properties" : "changed properties");
		LineSeriesContentModel a;
		addData(a);
		changeEverything(a);
		a.m_writeAllProperties = writeAll;
		const std::string text = writeToText(a);

		LineSeriesContentModel b;
		addData(b);
		b.m_writeAllProperties = writeAll;
		MessageCollector messages;
		readFromText(b, text);
		EXPECT_EQ(messages.count(BVX::MSG_WARNING), 0);
		EXPECT_EQ(writeToText(b), text);
		expectSameRoles(a, b);
		// the x data follow the time axis read
		for (int i = 0; i < 4; ++i)
			EXPECT_EQ(b.xValues(0)[i], a.xValues(0)[i]);
	}
}


TEST(SciChartXML, ValuesAreWrittenInTheirExactForm) {
	struct { double value; const char * text; } numbers[] = {
		{ 0.1, "0.1" }, { 1.0, "1" }, { 2.5, "2.5" }, { 946684800123.0, "946684800123" }, { -1e-300, "-1e-300" }
	};
	for (const auto & n : numbers)
		EXPECT_EQ(SCI::xmlNumber(n.value), n.text);
	EXPECT_EQ(SCI::xmlColor(QColor(255, 0, 16)), "#ff0010");
	EXPECT_EQ(SCI::xmlColor(QColor(255, 0, 16, 128)), "#80ff0010");
	EXPECT_EQ(SCI::colorFromXml("#80ff0010"), QColor(255, 0, 16, 128));

	const QDateTime utc(QDate(2021, 6, 30), QTime(22, 15, 30, 123), Qt::UTC);
	EXPECT_EQ(SCI::xmlDateTime(utc), "2021-06-30T22:15:30.123Z");
	EXPECT_EQ(SCI::dateTimeFromXml("2021-06-30T22:15:30.123Z"), utc);
	EXPECT_EQ(SCI::dateTimeFromXml("2021-06-30T22:15:30.123Z").timeSpec(), Qt::UTC);
	// documents of older versions hold Qt's text form
	EXPECT_EQ(SCI::dateTimeFromXml("Sat Jan 1 00:00:00 2000"), QDate(2000, 1, 1).startOfDay());
}


TEST(SciChartXML, PenWidthsAreKeptAsWidths) {
	PropertiesOnlyModel a(1);
	a.setAxisData(5, 0, AbstractCartesianChartModel::GridPenWidth);
	a.setSeriesData(QPen(QBrush(Qt::red), 3), 0, AbstractLineSeriesModel::Pen);
	const std::string text = writeToText(a);
	EXPECT_NE(text.find("<GridPenWidth>2.5</GridPenWidth>"), std::string::npos);
	EXPECT_NE(text.find("<PenWidth>3</PenWidth>"), std::string::npos);
	PropertiesOnlyModel b(1);
	readFromText(b, text);
	EXPECT_EQ(b.axisData(0, AbstractCartesianChartModel::GridPenWidth).toDouble(), 5.0);
	EXPECT_EQ(b.seriesData(0, AbstractLineSeriesModel::PenWidth).toInt(), 3);
}


TEST(SciChartXML, UnknownLegendPositionGivesBottomAndOneWarning) {
	PropertiesOnlyModel m;
	m.setChartData(AbstractChartModel::Top, AbstractChartModel::LegendPosition);
	MessageCollector messages;
	readFromText(m, "<Chart><ChartProperties><Legend><Position>Center</Position></Legend></ChartProperties></Chart>");
	EXPECT_EQ(m.chartData(AbstractChartModel::LegendPosition).toInt(), AbstractChartModel::Bottom);
	ASSERT_EQ(messages.m_messages.size(), 1u);
	EXPECT_EQ(messages.m_messages[0].type, BVX::MSG_WARNING);
	EXPECT_NE(messages.m_messages[0].text.find("Center"), std::string::npos);
}


TEST(SciChartXML, MalformedDocumentsRaiseReadingErrorsAndCloseTheBracket) {
	struct Case {
		const char * name;
		const char * document;
		const char * message;
	};
	const Case cases[] = {
		{ "axis index 3", "<C><AxisProperties><Axis index=\"3\"><TitleText>x</TitleText></Axis></AxisProperties></C>",
		  "Error reading chart series." },
		{ "axis index -1", "<C><AxisProperties><Axis index=\"-1\" /></AxisProperties></C>", "Error reading chart series." },
		{ "axis without index", "<C><AxisProperties><Axis /></AxisProperties></C>", "Error reading chart series." },
		{ "seven date formats", "<C><AxisProperties><Axis index=\"0\"><DateTimeFormats>a&#x0A;b&#x0A;c&#x0A;d&#x0A;e&#x0A;f&#x0A;g"
		  "</DateTimeFormats></Axis></AxisProperties></C>", "Error reading chart series." },
		{ "unknown unit", "<C><AxisProperties><Axis index=\"1\"><BVX:Unit name=\"AxisUnit\">furlong</BVX:Unit></Axis>"
		  "</AxisProperties></C>", "Error reading chart series." },
		{ "series line style", "<C><SeriesProperties><Series><LineStyle>thick</LineStyle></Series></SeriesProperties></C>",
		  "Error reading chart series." },
		{ "legend alignment", "<C><ChartProperties><Legend><Alignment>left</Alignment></Legend></ChartProperties></C>",
		  "Error reading chart settings." },
		{ "proportional", "<C><ChartProperties><Proportional>yes</Proportional></ChartProperties></C>",
		  "Error reading chart settings." },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.name);
		PropertiesOnlyModel m(1);
		const std::string before = writeToText(m);
		QSignalSpy opened(&m, &AbstractChartModel::modelAboutToBeChanged);
		QSignalSpy closed(&m, &AbstractChartModel::modelChanged);
		try {
			readFromText(m, c.document);
			ADD_FAILURE() << "no error raised";
		}
		catch (BVX::Exception & ex) {
			EXPECT_EQ(std::string(ex.what()), c.message);
			EXPECT_GE(ex.messages().size(), 2u) << "the cause is kept";
		}
		EXPECT_EQ(opened.count(), closed.count());
		EXPECT_EQ(m.openBrackets(), 0);
		// axes and series read as a whole: nothing half-read
		if (std::string(c.message) == "Error reading chart series.") {
			EXPECT_EQ(writeToText(m), before);
		}
	}
}


TEST(SciChartXML, SeriesRecordsApplyToTheExistingSeries) {
	LineSeriesContentModel m;
	addData(m);
	QSignalSpy spy(&m, &AbstractChartModel::seriesViewChanged);
	MessageCollector messages;
	readFromText(m, "<C><SeriesProperties>"
		"<Series><TitleText>first</TitleText><PenColor>#ff0000</PenColor></Series>"
		"<Series leftAxis=\"0\"><TitleText>second</TitleText></Series>"
		"<Series><TitleText>surplus</TitleText></Series>"
		"</SeriesProperties></C>");
	ASSERT_EQ(m.seriesCount(), 2);
	EXPECT_EQ(m.seriesData(0, AbstractLineSeriesModel::TitleText).toString(), QString("first"));
	EXPECT_EQ(m.seriesData(0, AbstractLineSeriesModel::PenColor).value<QColor>(), QColor(Qt::red));
	EXPECT_EQ(m.seriesData(1, AbstractLineSeriesModel::TitleText).toString(), QString("second"));
	// what the record does not mention is the default: black, line style 1
	EXPECT_EQ(m.seriesData(1, AbstractLineSeriesModel::PenColor).value<QColor>(), QColor(Qt::black));
	EXPECT_EQ(m.seriesData(1, AbstractLineSeriesModel::LineStyle).toInt(), 1);
	EXPECT_GE(spy.count(), 4);	// a bound chart follows
	EXPECT_EQ(messages.count(BVX::MSG_WARNING), 1);
}


TEST(SciChartXML, ReadingKeepsWhatTheDocumentDoesNotMention) {
	PropertiesOnlyModel m;
	m.setChartData(QString("Kept"), AbstractChartModel::TitleText);
	m.setChartData(true, AbstractChartModel::ConstructionLinesVisible);
	// construction lines are read with the legend only
	readFromText(m, "<C><ChartProperties><ConstructionLinesVisible>0</ConstructionLinesVisible></ChartProperties></C>");
	EXPECT_TRUE(m.chartData(AbstractChartModel::ConstructionLinesVisible).toBool());
	EXPECT_EQ(m.chartData(AbstractChartModel::TitleText).toString(), QString("Kept"));
	readFromText(m, "<C><ChartProperties><Legend /><ConstructionLinesVisible>0</ConstructionLinesVisible></ChartProperties></C>");
	EXPECT_FALSE(m.chartData(AbstractChartModel::ConstructionLinesVisible).toBool());
}


// Everything the writer writes reads back to the same document: blanks that the reader
// would condense or drop, date formats that are empty or blank, infinite limits.
TEST(SciChartXML, WrittenDocumentsReadBackIdentical) {
	using Setup = std::function<void(AbstractChartModel &)>;
	const QStringList defaults = SCI::DateScaleDraw::defaultDateFormats();
	QStringList months = defaults;
	months[6] = "MMM";
	months[7] = "MMM";
	const double inf = std::numeric_limits<double>::infinity();
	struct Case { const char * name; Setup setup; };
	const Case cases[] = {
		{ "double blanks in titles", [](AbstractChartModel & m) {
			m.setChartData(QString("Room  air"), AbstractChartModel::TitleText);
			m.setAxisData(QString("Time  [h]"), 0, AbstractCartesianChartModel::TitleText);
			m.setSeriesData(QString("Air  temperature"), 0, AbstractLineSeriesModel::TitleText);
		} },
		{ "leading and trailing blanks", [](AbstractChartModel & m) {
			m.setChartData(QString(" Room air "), AbstractChartModel::TitleText);
			m.setAxisData(QString("  C"), 1, AbstractCartesianChartModel::TitleText);
			m.setSeriesData(QString("Air "), 0, AbstractLineSeriesModel::TitleText);
		} },
		{ "blank titles", [](AbstractChartModel & m) {
			m.setChartData(QString("   "), AbstractChartModel::TitleText);
			m.setAxisData(QString(" "), 2, AbstractCartesianChartModel::TitleText);
		} },
		{ "line feed and markup in a title", [](AbstractChartModel & m) {
			m.setChartData(QString("Air\n<b>& co</b> ]]> x"), AbstractChartModel::TitleText);
		} },
		{ "month formats", [months](AbstractChartModel & m) {
			m.setAxisData(true, 0, AbstractCartesianChartModel::DateTimeEnabled);
			m.setAxisData(months, 0, AbstractCartesianChartModel::DateTimeFormats);
		} },
		{ "eight empty formats", [](AbstractChartModel & m) {
			m.setAxisData(QStringList(QVector<QString>(8).toList()), 0, AbstractCartesianChartModel::DateTimeFormats);
		} },
		{ "blank and spaced formats", [](AbstractChartModel & m) {
			m.setAxisData(QStringList({ " ", "  ss", "mm  ", "hh ;;dd", "", "dd.MM.", "MMM  yyyy", "yyyy" }), 1,
						  AbstractCartesianChartModel::DateTimeFormats);
		} },
		{ "default formats written", [defaults](AbstractChartModel & m) {
			m.m_writeAllProperties = true;
			m.setAxisData(defaults, 0, AbstractCartesianChartModel::DateTimeFormats);
		} },
		{ "infinite limits", [inf](AbstractChartModel & m) {
			m.setAxisData(false, 1, AbstractCartesianChartModel::Autoscale);
			m.setAxisData(-inf, 1, AbstractCartesianChartModel::Minimum);
			m.setAxisData(inf, 1, AbstractCartesianChartModel::Maximum);
		} },
		{ "fixed limits", [](AbstractChartModel & m) {
			m.setAxisData(false, 0, AbstractCartesianChartModel::Autoscale);
			m.setAxisData(0.1, 0, AbstractCartesianChartModel::Minimum);
			m.setAxisData(8760.0, 0, AbstractCartesianChartModel::Maximum);
			m.setAxisData(-1e-300, 2, AbstractCartesianChartModel::Minimum);
		} },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.name);
		PropertiesOnlyModel a(1);
		c.setup(a);
		const std::string text = writeToText(a);
		PropertiesOnlyModel b(1);
		b.m_writeAllProperties = a.m_writeAllProperties;
		MessageCollector messages;
		ASSERT_NO_THROW(readFromText(b, text)) << text;
		EXPECT_EQ(writeToText(b), text);
		expectSameRoles(a, b);
	}
}
