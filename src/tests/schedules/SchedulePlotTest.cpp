#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include <qwt_plot_curve.h>
#include <qwt_plot_panner.h>
#include <qwt_scale_div.h>
#include <qwt_text.h>

#include "PlotZoomer.h"
#include "SchedulePlot.h"
#include "TimePlotPicker.h"

TEST(SchedulePlot, axesZoomBaseAndSeries) {
	SchedulePlot plot;
	plot.resize(800, 400);
	plot.setup("Set point", "C", 0, 30);
	plot.show();
	EXPECT_EQ(plot.axisTitle(QwtPlot::yLeft).text(), "Set point [C]");
	EXPECT_EQ(plot.zoomer()->zoomBase(), QRectF(QPointF(0, 0), QPointF(365, 30)));

	plot.setMaximumValue(50);
	EXPECT_DOUBLE_EQ(plot.axisScaleDiv(QwtPlot::yLeft).lowerBound(), 0);
	EXPECT_DOUBLE_EQ(plot.axisScaleDiv(QwtPlot::yLeft).upperBound(), 50);
	EXPECT_EQ(plot.zoomer()->zoomBase(), QRectF(QPointF(0, 0), QPointF(365, 50)));
	plot.zoomer()->zoom(QRectF(10, 5, 20, 10));
	plot.zoomer()->zoom(0);
	EXPECT_DOUBLE_EQ(plot.axisScaleDiv(QwtPlot::yLeft).upperBound(), 50);
	EXPECT_DOUBLE_EQ(plot.axisScaleDiv(QwtPlot::xBottom).upperBound(), 365);

	std::vector<double> x(8760), y(8760);
	for (size_t h = 0; h < x.size(); ++h) {
		x[h] = double(h)/24;
		y[h] = double(h % 24);
	}
	plot.setValues(x, y);
	ASSERT_EQ(plot.curve()->dataSize(), 8760u);
	EXPECT_NEAR(plot.curve()->sample(8759).x(), 364.958, 5e-4);
	plot.setValues({}, {});
	EXPECT_EQ(plot.curve()->dataSize(), 0u);
}


TEST(SchedulePlot, panningLeftOfTheYearWithTheTrackerOnStaysDefined) {
	SchedulePlot plot;
	plot.resize(800, 400);
	plot.setup("Set point", "C", 0, 30);
	plot.show();
	QCoreApplication::processEvents();
	QWidget * canvas = plot.canvas();
	const QPoint start(canvas->width()/4, canvas->height()/2);
	QTest::mouseMove(canvas, start);
	QTest::mousePress(canvas, Qt::RightButton, Qt::NoModifier, start);
	for (int dx = 20; dx <= 600; dx += 20) {
		QMouseEvent move(QEvent::MouseMove, start + QPoint(dx, 0), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
		QCoreApplication::sendEvent(canvas, &move);
	}
	QTest::mouseRelease(canvas, Qt::RightButton, Qt::NoModifier, start + QPoint(600, 0));
	QCoreApplication::processEvents();
	EXPECT_LT(plot.axisScaleDiv(QwtPlot::xBottom).lowerBound(), 0);
	// the tracker text of a point before January 1st
	const QString text = TimePlotPicker::trackerText(QPointF(-3.25, 12), "C", QwtPicker::RectRubberBand);
	EXPECT_TRUE(text.contains("28.") && text.contains("18:00")) << text.toStdString();
	QTest::mouseMove(canvas, QPoint(5, 5));
	QCoreApplication::processEvents();
}
