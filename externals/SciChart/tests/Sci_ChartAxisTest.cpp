// Chart axis: fixed ranges, scale kinds, title extent, label alignment.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>

#include <Sci_Chart.h>
#include <Sci_DateScaleDraw.h>

using SCI::Chart;

namespace {
const double NaN = std::numeric_limits<double>::quiet_NaN();
}


TEST(SciChartAxis, SetScaleWidensInvalidRangesKeepingOrder) {
	struct Case { double min, max, expMin, expMax; };
	const Case cases[] = {
		{ NaN, NaN, 0, 1 },
		{ 5, 5, 4.5, 5.5 },
		{ 0, 0, 0, 1 },
		{ NaN, 10, 9, 10 },
		{ 10, NaN, 10, 11 },
		{ -5, -5, -5.5, -4.5 },
		{ NaN, -10, -11, -10 },
		{ -10, NaN, -10, -9 },
		{ NaN, 0, 0, 1 },
		{ -3, 7, -3, 7 },
	};
	for (const Case & c : cases) {
		Chart chart;
		chart.axis(1).setScale(c.min, c.max);
		const QwtScaleDiv & d = chart.axisScaleDiv(QwtPlot::yLeft);
		EXPECT_DOUBLE_EQ(d.lowerBound(), c.expMin) << c.min << " " << c.max;
		EXPECT_DOUBLE_EQ(d.upperBound(), c.expMax) << c.min << " " << c.max;
		EXPECT_LT(d.lowerBound(), d.upperBound());
	}
}


TEST(SciChartAxis, SetScaleWithTheShownBoundsChangesNothing) {
	Chart chart;
	chart.axis(0).setScale(2, 8);
	const QwtScaleDiv before = chart.axisScaleDiv(QwtPlot::xBottom);
	chart.setAxisAutoScale(QwtPlot::xBottom, true);	// any real setScale would switch this off
	chart.axis(0).setScale(2 + 5e-11, 8 - 5e-11);
	EXPECT_TRUE(chart.axisAutoScale(QwtPlot::xBottom));
	chart.axis(0).setScale(2 + 1e-9, 8);
	EXPECT_FALSE(chart.axisAutoScale(QwtPlot::xBottom));
	EXPECT_EQ(before.upperBound(), 8);
}


TEST(SciChartAxis, ScaleKindsSwitchEnginesAndDraws) {
	Chart chart;
	SCI::ChartAxis & x = chart.axis(0);
	x.setLogarithmic();
	const QwtScaleEngine * log = chart.axisScaleEngine(QwtPlot::xBottom);
	EXPECT_NE(dynamic_cast<const QwtLogScaleEngine *>(log), nullptr);
	x.setLogarithmic();	// idempotent: the same engine
	EXPECT_EQ(chart.axisScaleEngine(QwtPlot::xBottom), log);

	x.setDateTime(true);
	EXPECT_TRUE(x.isDateTime());
	EXPECT_NE(dynamic_cast<const SCI::DateScaleDraw *>(chart.axisScaleDraw(QwtPlot::xBottom)), nullptr);
	x.setLinear();
	EXPECT_FALSE(x.isDateTime());
	EXPECT_EQ(dynamic_cast<const SCI::DateScaleDraw *>(chart.axisScaleDraw(QwtPlot::xBottom)), nullptr);
	EXPECT_EQ(dynamic_cast<const QwtLogScaleEngine *>(chart.axisScaleEngine(QwtPlot::xBottom)), nullptr);
	// formats only in date-time mode
	x.setDateTimeFormats(QStringList());
}


TEST(SciChartAxis, TitleSpacingFixesTheAxisExtent) {
	Chart chart;
	chart.resize(400, 300);
	chart.axis(1).setTitle("Temperature [C]");
	for (int extent : { 60, 90 }) {
		chart.axis(1).setTitleSpacing(extent);
		chart.updateLayout();
		EXPECT_EQ(chart.axisWidget(QwtPlot::yLeft)->width(), extent);
	}
	chart.axis(0).setTitle("Time");
	chart.axis(0).setTitleSpacing(50);
	chart.updateLayout();
	EXPECT_EQ(chart.axisWidget(QwtPlot::xBottom)->height(), 50);
}


TEST(SciChartAxis, LabelAlignmentTable) {
	struct Case { int h, v; Qt::Alignment a; };
	const Case cases[] = {
		{ 0, 0, Qt::AlignLeft | Qt::AlignTop },
		{ 1, 1, Qt::AlignRight | Qt::AlignBottom },
		{ 2, 2, Qt::AlignHCenter | Qt::AlignVCenter },
		{ 7, 1, Qt::AlignBottom },
		{ 0, -1, Qt::AlignLeft },
	};
	Chart chart;
	for (const Case & c : cases) {
		chart.axis(2).setLabelAlignment(c.h, c.v);
		EXPECT_EQ(chart.axisScaleDraw(QwtPlot::yRight)->labelAlignment(), c.a) << c.h << " " << c.v;
	}
}
