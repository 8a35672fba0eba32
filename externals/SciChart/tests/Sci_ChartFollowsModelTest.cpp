// A bound chart shows what its model holds after every kind of change: documents read,
// series records replaced, series moved between axes, zooming back, time axes switched,
// and prints its axis ticks as thin as the grid.
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <memory>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <qwt_plot_layout.h>
#include <qwt_scale_engine.h>

#include <BVX_UnitVector.h>

#include <Sci_Chart.h>
#include <Sci_DateScaleDraw.h>
#include <Sci_LineSeries.h>
#include <Sci_LineSeriesContentModel.h>
#include <Sci_PlotCurve.h>
#include <Sci_PlotScaleItem.h>
#include <Sci_PlotZoomer.h>
#include <Sci_ScaleDraw.h>
#include <Sci_SeriesProperties.h>

#include "Sci_TestHelpers.h"

using SCI::Chart;
using SCI::LineSeriesContentModel;
using SCI_Test::MessageCollector;
using SCI_Test::vec;
using SCI_Test::readFromText;
using SCI_Test::writeToText;
using C = SCI::AbstractChartModel;
using A = SCI::AbstractCartesianChartModel;
using S = SCI::AbstractLineSeriesModel;

namespace {

/*! Air temperature on the left axis, a heating load on the right, over hours. */
std::unique_ptr<LineSeriesContentModel> airAndLoad() {
	auto m = std::make_unique<LineSeriesContentModel>();
	m->addDataSet(vec("h", {0, 5, 10}), vec("C", {20, 21, 22}), "Air");
	m->addDataSet(vec("h", {0, 5, 10}), vec("W", {100, 200, 300}), "Load");
	return m;
}

SCI::PlotCurve * curve(const Chart & chart, int index) {
	const SCI::LineSeries * s = qobject_cast<const SCI::LineSeries *>(chart.seriesAt(index));
	return s != nullptr ? s->curve() : nullptr;
}

/*! Thickness in pixels of the dark run through (x, y0..y1) of the image. */
int darkRun(const QImage & img, int x, int y0, int y1) {
	int best = 0, run = 0;
	for (int y = y0; y < y1; ++y) {
		run = qGray(img.pixel(x, y)) < 128 ? run + 1 : 0;
		best = std::max(best, run);
	}
	return best;
}

/*! Sets TZ while it lives (a zone with daylight saving, rules given inline). */
class TimeZoneScope {
public:
	explicit TimeZoneScope(const char * tz) {
		const char * old = std::getenv("TZ");
		m_hadOld = old != nullptr;
		if (m_hadOld)
			m_old = old;
		setenv("TZ", tz, 1);
		tzset();
	}
	~TimeZoneScope() {
		if (m_hadOld)
			setenv("TZ", m_old.c_str(), 1);
		else
			unsetenv("TZ");
		tzset();
	}
private:
	bool		m_hadOld = false;
	std::string	m_old;
};

} // namespace


TEST(SciChartFollows, ChartPropertiesReadIntoABoundModelAreShown) {
	auto m = airAndLoad();
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(m.get());

	auto designed = airAndLoad();
	designed->setChartData(QString("Room  air"), C::TitleText);
	designed->setAxisData(QString("Time of year"), A::XAxis, A::TitleText);
	designed->setAxisData(false, A::LeftYAxis, A::Autoscale);
	designed->setAxisData(-5.0, A::LeftYAxis, A::Minimum);
	designed->setAxisData(40.0, A::LeftYAxis, A::Maximum);
	designed->setChartData(C::Left, C::LegendPosition);
	designed->setSeriesData(QString("Operative"), 0, S::TitleText);
	readFromText(*m, writeToText(*designed));

	EXPECT_EQ(chart.title().text(), QString("Room  air"));
	EXPECT_EQ(chart.axisTitle(QwtPlot::xBottom).text(), QString("Time of year"));
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yLeft).lowerBound(), -5.0);
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yLeft).upperBound(), 40.0);
	ASSERT_NE(chart.legendWidget(), nullptr);
	EXPECT_EQ(chart.plotLayout()->legendPosition(), QwtPlot::LeftLegend);
	EXPECT_EQ(curve(chart, 0)->title().text(), QString("Operative"));
}


TEST(SciChartFollows, ReplacedSeriesRecordIsShown) {
	auto m = airAndLoad();
	Chart chart;
	chart.setModel(m.get());
	SCI::SeriesProperties p;
	p.m_titleText = "Operative";
	p.m_pen = QPen(QBrush(Qt::red), 3, Qt::DashLine);
	p.m_inLegend = false;
	m->setSeriesProperties(0, p);
	const SCI::PlotCurve * c = curve(chart, 0);
	ASSERT_NE(c, nullptr);
	EXPECT_EQ(c->title().text(), QString("Operative"));
	EXPECT_EQ(c->pen().color(), QColor(Qt::red));
	EXPECT_EQ(c->pen().width(), 3);
	EXPECT_EQ(c->pen().style(), Qt::DashLine);
	EXPECT_FALSE(c->testItemAttribute(QwtPlotItem::Legend));

	// a record that moves the load to the temperature axis cannot be followed: it stays right
	MessageCollector messages;
	SCI::SeriesProperties load;
	load.m_titleText = "Load";
	load.m_leftAxis = true;
	m->setSeriesProperties(1, load);
	EXPECT_FALSE(m->seriesData(1, S::LeftAxis).toBool());
	EXPECT_EQ(curve(chart, 1)->yAxis(), QwtPlot::yRight);
}


TEST(SciChartFollows, SeriesMovedToTheOtherAxisTakesItsUnit) {
	// a load in W cannot join temperatures in C: refused with a message naming both units
	{
		auto m = airAndLoad();
		Chart chart;
		chart.setModel(m.get());
		MessageCollector messages;
		EXPECT_FALSE(m->setSeriesData(true, 1, S::LeftAxis));
		ASSERT_EQ(messages.count(BVX::MSG_ERROR), 1);
		EXPECT_NE(messages.m_messages[0].text.find("'W'"), std::string::npos);
		EXPECT_NE(messages.m_messages[0].text.find("'C'"), std::string::npos);
		EXPECT_FALSE(m->seriesData(1, S::LeftAxis).toBool());
		EXPECT_EQ(curve(chart, 1)->yAxis(), QwtPlot::yRight);
		EXPECT_EQ(m->yValues(1)[0], 100.0);
		// and the axes still take the units that fit their series
		EXPECT_TRUE(m->setAxisData(BVX::Unit("K").id(), A::LeftYAxis, A::AxisUnit));
		EXPECT_NEAR(m->yValues(0)[0], 293.15, 1e-9);
		EXPECT_TRUE(m->setAxisData(BVX::Unit("kW").id(), A::RightYAxis, A::AxisUnit));
		EXPECT_NEAR(m->yValues(1)[0], 0.1, 1e-12);
	}
	// W to an axis in kW: 100 W are drawn as 0.1 kW
	{
		LineSeriesContentModel m;
		m.addDataSet(vec("h", {0, 5}), vec("W", {100, 250}), "Load");
		ASSERT_TRUE(m.setAxisData(BVX::Unit("kW").id(), A::RightYAxis, A::AxisUnit));
		Chart chart;
		chart.setModel(&m);
		EXPECT_TRUE(m.setSeriesData(false, 0, S::LeftAxis));
		EXPECT_EQ(curve(chart, 0)->yAxis(), QwtPlot::yRight);
		EXPECT_NEAR(curve(chart, 0)->sample(1).y(), 0.25, 1e-12);
		EXPECT_TRUE(m.axisData(A::RightYAxis, A::Enabled).toBool());
	}
	// to an axis without unit, or one without series: the axis takes the series' unit
	{
		LineSeriesContentModel m;
		m.addDataSet(vec("h", {0, 5}), vec("C", {20, 25}), "Air");
		ASSERT_TRUE(m.setAxisData(BVX::Unit("W").id(), A::RightYAxis, A::AxisUnit));
		EXPECT_TRUE(m.setSeriesData(false, 0, S::LeftAxis));
		EXPECT_EQ(m.axisData(A::RightYAxis, A::AxisUnit).toUInt(), BVX::Unit("C").id());
		EXPECT_EQ(m.yValues(0)[1], 25.0);
	}
}


TEST(SciChartFollows, ZoomingBackRestoresTheDesignedRanges) {
	auto m = airAndLoad();
	m->setAxisData(false, A::LeftYAxis, A::Autoscale);
	m->setAxisData(-10.0, A::LeftYAxis, A::Minimum);
	m->setAxisData(50.0, A::LeftYAxis, A::Maximum);
	const std::string designed = writeToText(*m);
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(m.get());
	chart.replot();

	chart.zoomer()->zoom(QRectF(QPointF(1, 0), QPointF(9, 40)));
	chart.zoomer()->zoom(QRectF(QPointF(2, 10), QPointF(8, 30)));
	ASSERT_EQ(m->axisData(A::LeftYAxis, A::Maximum).toDouble(), 30.0);
	chart.zoomer()->zoom(0);

	EXPECT_FALSE(m->axisData(A::LeftYAxis, A::Autoscale).toBool());
	EXPECT_EQ(m->axisData(A::LeftYAxis, A::Minimum).toDouble(), -10.0);
	EXPECT_EQ(m->axisData(A::LeftYAxis, A::Maximum).toDouble(), 50.0);
	EXPECT_TRUE(m->axisData(A::XAxis, A::Autoscale).toBool());
	EXPECT_TRUE(m->axisData(A::RightYAxis, A::Autoscale).toBool());
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yLeft).lowerBound(), -10.0);
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yLeft).upperBound(), 50.0);
	EXPECT_EQ(writeToText(*m), designed);

	// a second round starts from the designed ranges again
	chart.zoomer()->zoom(QRectF(QPointF(2, 10), QPointF(8, 30)));
	chart.zoomer()->zoom(0);
	EXPECT_EQ(writeToText(*m), designed);
}


TEST(SciChartFollows, TimeAxisSwitchedOnALiveChartKeepsLimitsAndFormats) {
	auto m = airAndLoad();
	const QDateTime zero(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
	const double zeroMs = double(zero.toMSecsSinceEpoch());
	m->setAxisData(zero, A::XAxis, A::DateTimeZero);
	QStringList formats = m->axisData(A::XAxis, A::DateTimeFormats).toStringList();
	formats[6] = "MMM";
	formats[7] = "MMM";
	m->setAxisData(formats, A::XAxis, A::DateTimeFormats);
	m->setAxisData(false, A::XAxis, A::Autoscale);
	m->setAxisData(2.0, A::XAxis, A::Minimum);
	m->setAxisData(8.0, A::XAxis, A::Maximum);
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(m.get());

	m->setAxisData(true, A::XAxis, A::DateTimeEnabled);
	EXPECT_EQ(m->axisData(A::XAxis, A::Minimum).toDouble(), zeroMs + 2 * 3600e3);
	EXPECT_EQ(m->axisData(A::XAxis, A::Maximum).toDouble(), zeroMs + 8 * 3600e3);
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::xBottom).lowerBound(), zeroMs + 2 * 3600e3);
	EXPECT_EQ(m->xValues(0)[1], zeroMs + 5 * 3600e3);
	const SCI::DateScaleDraw * sd = dynamic_cast<const SCI::DateScaleDraw *>(chart.axisScaleDraw(QwtPlot::xBottom));
	ASSERT_NE(sd, nullptr);
	EXPECT_EQ(sd->dateFormats(), formats);

	// a new zero moves the limits with the data
	m->setAxisData(zero.addDays(1), A::XAxis, A::DateTimeZero);
	EXPECT_EQ(m->axisData(A::XAxis, A::Minimum).toDouble(), zeroMs + 24 * 3600e3 + 2 * 3600e3);

	m->setAxisData(false, A::XAxis, A::DateTimeEnabled);
	EXPECT_DOUBLE_EQ(m->axisData(A::XAxis, A::Minimum).toDouble(), 2.0);
	EXPECT_DOUBLE_EQ(m->axisData(A::XAxis, A::Maximum).toDouble(), 8.0);
	EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::xBottom).upperBound(), 8.0);
}


TEST(SciChartFollows, ScaleKindSwitchesKeepTheLabelSettings) {
	auto m = airAndLoad();
	m->setAxisData(20, A::XAxis, A::LabelSpacing);
	m->setAxisData(45.0, A::XAxis, A::LabelRotation);
	m->setAxisData(0, A::XAxis, A::LabelHAlignment);
	m->setAxisData(0, A::XAxis, A::LabelVAlignment);
	m->setAxisData(true, A::XAxis, A::DateTimeEnabled);	// applied after the label roles on binding
	m->setChartData(true, C::AxisScalesInside);
	Chart chart;
	chart.setModel(m.get());
	for (bool timeAxis : { true, false, true }) {
		SCOPED_TRACE(timeAxis ? "time axis" : "linear axis");
		m->setAxisData(timeAxis, A::XAxis, A::DateTimeEnabled);
		const QwtScaleDraw * sd = chart.axisScaleDraw(QwtPlot::xBottom);
		EXPECT_EQ(dynamic_cast<const SCI::DateScaleDraw *>(sd) != nullptr, timeAxis);
		EXPECT_EQ(sd->spacing(), 20);
		EXPECT_EQ(sd->labelRotation(), 45.0);
		EXPECT_EQ(sd->labelAlignment(), Qt::AlignLeft | Qt::AlignTop);
		EXPECT_EQ(sd->penWidth(), 1);
		EXPECT_EQ(sd->tickLength(QwtScaleDiv::MajorTick), 6);
		EXPECT_FALSE(sd->hasComponent(QwtAbstractScaleDraw::Ticks));	// drawn inside instead
	}
	// linear and logarithmic on the left axis: the scale draw stays, the engine keeps its attributes
	m->setAxisData(12, A::LeftYAxis, A::LabelSpacing);
	chart.axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Inverted, true);
	m->setAxisData(true, A::LeftYAxis, A::Logarithmic);
	EXPECT_NE(dynamic_cast<const QwtLogScaleEngine *>(chart.axisScaleEngine(QwtPlot::yLeft)), nullptr);
	EXPECT_TRUE(chart.axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
	m->setAxisData(false, A::LeftYAxis, A::Logarithmic);
	EXPECT_EQ(chart.axisScaleDraw(QwtPlot::yLeft)->spacing(), 12);
	EXPECT_TRUE(chart.axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
}


// Simulation hours have no daylight saving: in a zone with it, hour 4000 of a year that
// starts at local midnight of January 1 is still labelled 16:00 on 16 June, not 17:00.
TEST(SciChartFollows, DatesOfSimulationTimeHaveNoDaylightSaving) {
	TimeZoneScope tz("CET-1CEST,M3.5.0,M10.5.0/3");
	LineSeriesContentModel m;
	const QDateTime zero(QDate(2001, 1, 1), QTime(0, 0), Qt::LocalTime);
	ASSERT_EQ(zero.offsetFromUtc(), 3600);
	ASSERT_EQ(QDateTime(QDate(2001, 6, 16), QTime(16, 0), Qt::LocalTime).offsetFromUtc(), 7200);
	m.setAxisData(true, A::XAxis, A::DateTimeEnabled);
	m.setAxisData(zero, A::XAxis, A::DateTimeZero);
	m.setAxisData(QStringList(QVector<QString>(8, "dd.MM. hh:mm").toList()), A::XAxis, A::DateTimeFormats);
	m.addDataSet(vec("h", {0, 4000, 8759}), vec("C", {20, 25, 20}), "Air");
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(&m);
	chart.replot();
	struct Case { int index; const char * label; };
	const Case cases[] = { { 0, "01.01. 00:00" }, { 1, "16.06. 16:00" }, { 2, "31.12. 23:00" } };
	for (const Case & c : cases)
		EXPECT_EQ(chart.axis(A::XAxis).label(m.xValues(0)[c.index]).text(), QString(c.label)) << c.index;
	// the tracker reads the same, here over a day around that hour (minutes per pixel)
	m.setValues(0, vec("h", {3990, 4000, 4010}), vec("C", {20, 25, 20}));
	chart.replot();
	const double x = m.xValues(0)[1];
	const QPoint pixel(int(chart.canvasMap(QwtPlot::xBottom).transform(x) + 0.5), 10);
	const SCI::PlotPickerText & tracker = *chart.zoomer();
	const QString text = tracker.trackerText(&chart, QwtPicker::NoRubberBand, pixel).text();
	EXPECT_TRUE(text.startsWith("16.06. 16:0") || text.startsWith("16.06. 15:5")) << text.toStdString();
}


// Qwt takes whole pen widths for scales; printed at 1200 dpi a width of 0 is one dot and
// 1 is a quarter millimetre. The ticks print at half a pixel scaled like the grid.
TEST(SciChartPrintingTicks, HalfPixelTicksScaleWithTheDevice) {
	const int SCALE = 8;
	struct Case { const char * name; double penWidthF; int thinnest, thickest; };
	const Case cases[] = {
		{ "half pixel", 0.5, SCALE / 2 - 1, SCALE / 2 + 1 },
		{ "whole pixel", 0, SCALE - 1, SCALE + 1 },
	};
	for (bool dateDraw : { false, true }) {
		for (const Case & c : cases) {
			SCOPED_TRACE(std::string(c.name) + (dateDraw ? ", date scale" : ", number scale"));
			std::unique_ptr<QwtScaleDraw> sd;
			if (dateDraw)
				sd.reset(new SCI::DateScaleDraw);
			else
				sd.reset(new SCI::ScaleDraw);
			dynamic_cast<SCI::ScalePen &>(*sd).setPenWidthF(c.penWidthF);
			sd->setPenWidth(1);
			sd->setAlignment(QwtScaleDraw::LeftScale);
			sd->enableComponent(QwtAbstractScaleDraw::Labels, false);
			sd->enableComponent(QwtAbstractScaleDraw::Backbone, false);
			sd->setTickLength(QwtScaleDiv::MajorTick, 10);
			QList<double> ticks[QwtScaleDiv::NTickTypes];
			ticks[QwtScaleDiv::MajorTick] = { 5.0 };
			sd->setScaleDiv(QwtScaleDiv(0, 10, ticks));
			sd->move(40, 10);
			sd->setLength(80);
			QImage img(60 * SCALE, 100 * SCALE, QImage::Format_RGB32);
			img.fill(Qt::white);
			{
				QPainter p(&img);
				p.scale(SCALE, SCALE);
				QPalette pal;
				pal.setColor(QPalette::WindowText, Qt::black);
				sd->draw(&p, pal);
			}
			// the tick at 5 is a horizontal line left of x = 40, half way down the scale
			const int thickness = darkRun(img, 35 * SCALE, 30 * SCALE, 70 * SCALE);
			EXPECT_GE(thickness, c.thinnest);
			EXPECT_LE(thickness, c.thickest);
		}
	}
}


TEST(SciChartPrintingTicks, PrintingBracketSetsHalfPixelOnEveryScaleAlsoAfterATimeSwitch) {
	auto m = airAndLoad();
	Chart chart;
	chart.setModel(m.get());
	m->setAxisData(true, A::XAxis, A::DateTimeEnabled);
	auto widths = [&chart]() {
		std::vector<double> res;
		for (int id : { QwtPlot::yLeft, QwtPlot::yRight, QwtPlot::xBottom })
			res.push_back(dynamic_cast<const SCI::ScalePen &>(*chart.axisScaleDraw(id)).penWidthF());
		for (int id = 0; id < QwtPlot::axisCnt; ++id)
			res.push_back(dynamic_cast<const SCI::ScalePen &>(*chart.scaleItem(id)->scaleDraw()).penWidthF());
		return res;
	};
	chart.preparePrinting(true, false);
	for (double w : widths())
		EXPECT_EQ(w, 0.5);
	chart.finishPrinting();
	for (double w : widths())
		EXPECT_EQ(w, 0.0);
	EXPECT_EQ(chart.axisScaleDraw(QwtPlot::xBottom)->penWidth(), 1);
}
