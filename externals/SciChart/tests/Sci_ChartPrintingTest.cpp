// The printing bracket as the report uses it: a year of three series rendered into an image.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <qwt_plot_grid.h>
#include <qwt_plot_renderer.h>

#include <BVX_UnitVector.h>

#include <Sci_Chart.h>
#include <Sci_LegendItem.h>
#include <Sci_LineSeriesContentModel.h>
#include <Sci_PlotCurve.h>

#include "Sci_TestHelpers.h"

using C = SCI::AbstractChartModel;
using A = SCI::AbstractCartesianChartModel;
using S = SCI::AbstractLineSeriesModel;

namespace {

const QColor COLORS[3] = { QColor(200, 0, 0), QColor(0, 150, 0), QColor(0, 0, 220) };

/*! Three hourly temperature series over a year on a time axis, fixed y range, legend inside. */
std::unique_ptr<SCI::LineSeriesContentModel> yearModel() {
	auto m = std::make_unique<SCI::LineSeriesContentModel>();
	m->setAxisData(true, A::XAxis, A::DateTimeEnabled);
	const int n = 8760;
	std::vector<double> t(n);
	for (int i = 0; i < n; ++i)
		t[i] = (i + 1) * 3600.0 * 1000;
	const BVX::UnitVector x("time", BVX::Unit("ms"), t);
	for (int s = 0; s < 3; ++s) {
		std::vector<double> y(n);
		for (int i = 0; i < n; ++i)
			y[i] = 10 * s + 8 * std::sin(2 * 3.14159265 * i / 8760.0) + 3 * std::sin(2 * 3.14159265 * i / 24.0);
		m->addDataSet(x, BVX::UnitVector("", BVX::Unit("C"), y), QString("Series %1").arg(s));
		m->setSeriesData(QPen(COLORS[s], 2), s, S::Pen);
	}
	m->setAxisData(false, A::LeftYAxis, A::Autoscale);
	m->setAxisData(-20.0, A::LeftYAxis, A::Minimum);
	m->setAxisData(50.0, A::LeftYAxis, A::Maximum);
	m->setChartData(C::Inside, C::LegendPosition);
	m->setChartData(6, C::LegendAlignment);
	m->setAxisData(QPen(Qt::gray, 1), A::XAxis, A::GridPen);
	return m;
}

bool hasColor(const QImage & img, const QColor & c) {
	for (int y = 0; y < img.height(); ++y)
		for (int x = 0; x < img.width(); ++x) {
			const QColor p = img.pixelColor(x, y);
			if (std::abs(p.red() - c.red()) < 30 && std::abs(p.green() - c.green()) < 30 && std::abs(p.blue() - c.blue()) < 30)
				return true;
		}
	return false;
}

} // namespace


TEST(SciChartPrinting, ReportChartRendersThreeColoursAndRestoresTheScreenLook) {
	auto m = yearModel();
	SCI::Chart chart;
	chart.resize(800, 400);
	chart.setModel(m.get());
	ASSERT_NE(chart.legendItem(), nullptr);
	EXPECT_EQ(chart.legendItem()->alignment(), Qt::AlignHCenter | Qt::AlignBottom);
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yLeft).lowerBound(), -20.0);
	const QPen majorBefore = chart.grid()->majorPen();
	const QPen minorBefore = chart.grid()->minorPen();
	const QPalette paletteBefore = chart.palette();

	SCI_Test::MessageCollector msgs;
	chart.preparePrinting(true, true);
	for (QwtPlotItem * it : chart.itemList(QwtPlotItem::Rtti_PlotCurve))
		EXPECT_TRUE(static_cast<SCI::PlotCurve *>(it)->testCurveAttribute(QwtPlotCurve::Fitted));
	EXPECT_EQ(chart.grid()->majorPen().widthF(), 0.5);
	EXPECT_EQ(chart.palette().color(QPalette::Window), QColor(Qt::white));
	EXPECT_TRUE(chart.legendItem()->isVisible());

	QImage img(1200, 600, QImage::Format_ARGB32);
	img.fill(Qt::white);
	{
		QPainter p(&img);
		QwtPlotRenderer renderer;
		renderer.render(&chart, &p, QRectF(0, 0, 1200, 600));
	}
	chart.finishPrinting();

	for (const QColor & c : COLORS)
		EXPECT_TRUE(hasColor(img, c)) << c.name().toStdString();
	// the curves were thinned while rendering
	int reductions = 0;
	for (const SCI_Test::MessageCollector::Message & msg : msgs.m_messages)
		reductions += msg.functionID == "[DataReductionCurveFitter::fitCurve]" ? 1 : 0;
	EXPECT_GE(reductions, 3);

	for (QwtPlotItem * it : chart.itemList(QwtPlotItem::Rtti_PlotCurve))
		EXPECT_FALSE(static_cast<SCI::PlotCurve *>(it)->testCurveAttribute(QwtPlotCurve::Fitted));
	EXPECT_EQ(chart.grid()->majorPen(), majorBefore);
	EXPECT_EQ(chart.grid()->minorPen(), minorBefore);
	EXPECT_EQ(chart.palette(), paletteBefore);
	EXPECT_TRUE(chart.legendItem()->isVisible());
}


TEST(SciChartPrinting, LegendItemHiddenOnRequestAndGridPenWidthRestoredFromTheModel) {
	auto m = yearModel();
	m->setAxisData(QPen(Qt::gray, 1), A::XAxis, A::GridPen);	// reported as width 2
	ASSERT_EQ(m->axisData(0, A::GridPenWidth).toDouble(), 2.0);
	SCI::Chart chart;
	chart.setModel(m.get());
	chart.preparePrinting(false, true);
	EXPECT_FALSE(chart.legendItem()->isVisible());
	chart.finishPrinting();
	EXPECT_TRUE(chart.legendItem()->isVisible());
	EXPECT_EQ(chart.grid()->majorPen().widthF(), 1.0);
	// a legend without frame stays without frame
	m->setChartData(false, C::LegendHasFrame);
	chart.preparePrinting(true, false);
	EXPECT_EQ(chart.legendItem()->borderPen().style(), Qt::NoPen);
	chart.finishPrinting();
	EXPECT_EQ(chart.legendItem()->borderPen().style(), Qt::NoPen);
}
