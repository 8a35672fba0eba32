// Tracker text, zooming through the model, proportional rescaling, legend dragging and
// the export format dialog of the chart widget.
#include <memory>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <qwt_picker.h>
#include <qwt_scale_div.h>

#include <BVX_UnitVector.h>

#include <Sci_Chart.h>
#include <Sci_ChartFormatSelectionDialog.h>
#include <Sci_LegendItem.h>
#include <Sci_LegendItemMover.h>
#include <Sci_LineSeriesContentModel.h>
#include <Sci_PlotPicker.h>
#include <Sci_PlotRescaler.h>
#include <Sci_PlotZoomer.h>

using SCI::Chart;
using SCI::LineSeriesContentModel;
using C = SCI::AbstractChartModel;
using A = SCI::AbstractCartesianChartModel;

namespace {

/*! Temperature on the left, a load on the right axis, over hours. */
std::unique_ptr<LineSeriesContentModel> tempAndLoad() {
	auto m = std::make_unique<LineSeriesContentModel>();
	const BVX::UnitVector x("", BVX::Unit("h"), {0, 5, 10});
	m->addDataSet(x, BVX::UnitVector("", BVX::Unit("C"), {0, 20, 40}), "Air");
	m->addDataSet(x, BVX::UnitVector("", BVX::Unit("W"), {0, 100, 200}), "Load");
	return m;
}

void sendMouse(QWidget * w, QEvent::Type type, const QPoint & pos, Qt::MouseButton button, Qt::MouseButtons held) {
	QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
	QApplication::sendEvent(w, &e);
}

} // namespace


TEST(SciChartZoom, ZoomWritesRangesIntoTheModelAndTheBaseSwitchesAutoscaleOn) {
	auto m = tempAndLoad();
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(m.get());
	chart.replot();
	const QwtScaleMap left = chart.canvasMap(QwtPlot::yLeft);
	const QwtScaleMap right = chart.canvasMap(QwtPlot::yRight);
	// given upside down: the model still gets minimum below maximum
	chart.zoomer()->zoom(QRectF(QPointF(8, 30), QPointF(2, 10)));
	EXPECT_DOUBLE_EQ(m->axisData(0, A::Minimum).toDouble(), 2);
	EXPECT_DOUBLE_EQ(m->axisData(0, A::Maximum).toDouble(), 8);
	EXPECT_DOUBLE_EQ(m->axisData(1, A::Minimum).toDouble(), 10);
	EXPECT_DOUBLE_EQ(m->axisData(1, A::Maximum).toDouble(), 30);
	EXPECT_NEAR(m->axisData(2, A::Minimum).toDouble(), right.invTransform(left.transform(10)), 1e-9);
	EXPECT_NEAR(m->axisData(2, A::Maximum).toDouble(), right.invTransform(left.transform(30)), 1e-9);
	for (int pos : { 0, 1, 2 })
		EXPECT_FALSE(m->axisData(pos, A::Autoscale).toBool()) << pos;
	EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::xBottom).lowerBound(), 2);
	EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::yLeft).upperBound(), 30);

	chart.zoomer()->zoom(0);
	for (int pos : { 0, 1, 2 })
		EXPECT_TRUE(m->axisData(pos, A::Autoscale).toBool()) << pos;
}


TEST(SciChartZoom, RebuildingWritesNothingIntoAutoscaledOrFixedModels) {
	for (bool fixed : { false, true }) {
		auto m = tempAndLoad();
		if (fixed) {
			m->setAxisData(false, 1, A::Autoscale);
			m->setAxisData(-5.0, 1, A::Minimum);
			m->setAxisData(50.0, 1, A::Maximum);
		}
		Chart chart;
		chart.resize(600, 400);
		chart.setModel(m.get());
		QSignalSpy spy(m.get(), SIGNAL(axisChanged(int,int)));
		chart.setModel(m.get());
		EXPECT_EQ(spy.count(), 0) << fixed;
		EXPECT_EQ(m->axisData(1, A::Autoscale).toBool(), !fixed);
	}
}


TEST(SciChartZoom, WithoutModelQwtZoomsTheScales) {
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(nullptr);
	chart.zoomer()->setZoomBase(QRectF(0, 0, 100, 100));
	chart.zoomer()->zoom(QRectF(10, 20, 30, 40));
	EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::xBottom).lowerBound(), 10);
	EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::xBottom).upperBound(), 40);
}


TEST(SciChartTracker, TextByRubberBandWithUnitsAndDisabled) {
	auto m = tempAndLoad();
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(m.get());
	chart.replot();
	SCI::PlotPicker * p = chart.picker();
	const SCI::PlotPickerText * text = p;
	const QPoint pos(100, 80);
	const double x = chart.canvasMap(QwtPlot::xBottom).invTransform(pos.x());
	const double y = chart.canvasMap(QwtPlot::yLeft).invTransform(pos.y());
	const double y2 = chart.canvasMap(QwtPlot::yRight).invTransform(pos.y());
	const QString xt = QString("%L1 h").arg(x), yt = QString("%L1 C").arg(y), y2t = QString("%L1 W").arg(y2);
	struct Case { int band; const char * y2Unit; QString expected; };
	const Case cases[] = {
		{ QwtPicker::HLineRubberBand, "W", xt },
		{ QwtPicker::VLineRubberBand, "W", yt + ", " + y2t },
		{ QwtPicker::VLineRubberBand, "undefined", yt },
		{ QwtPicker::RectRubberBand, "W", xt + ", " + yt + ", " + y2t },
		{ QwtPicker::RectRubberBand, "undefined", xt + ", " + yt },
		{ QwtPicker::RectRubberBand, "", xt + ", " + yt },
	};
	for (const Case & c : cases) {
		p->m_units.m_texts[SCI::TrackerUnits::RightYUnit] = c.y2Unit;
		EXPECT_EQ(text->trackerText(&chart, c.band, pos).text(), c.expected) << c.band << c.y2Unit;
	}
	p->m_enabled = false;
	EXPECT_TRUE(text->trackerText(&chart, QwtPicker::RectRubberBand, pos).text().isEmpty());
	p->m_enabled = true;
	// a time axis shows its date label
	m->setAxisData(true, 0, A::DateTimeEnabled);
	chart.replot();
	const double xd = chart.canvasMap(QwtPlot::xBottom).invTransform(pos.x());
	EXPECT_EQ(text->trackerText(&chart, QwtPicker::HLineRubberBand, pos).text(), chart.axis(0).label(xd).text());
}


TEST(SciChartRescaler, PlainFactorBetweenUnitsIsTheAspectRatio) {
	struct Case { const char * yUnit; double ratio; };
	const Case cases[] = { { "mm", 0.001 }, { "m", 1 }, { "C", 1 } };
	for (const Case & c : cases) {
		auto m = std::make_unique<LineSeriesContentModel>();
		m->addDataSet(BVX::UnitVector("", BVX::Unit("m"), {0, 1, 2}),
					  BVX::UnitVector("", BVX::Unit(c.yUnit), {0, 500, 1000}), "Profile");
		Chart chart;
		chart.resize(600, 400);
		chart.setModel(m.get());
		m->setChartData(true, C::Proportional);
		ASSERT_TRUE(chart.rescaler()->isEnabled());
		EXPECT_DOUBLE_EQ(chart.rescaler()->aspectRatio(QwtPlot::yLeft), c.ratio) << c.yUnit;
		m->setChartData(false, C::Proportional);
		EXPECT_FALSE(chart.rescaler()->isEnabled());
	}
}


TEST(SciChartLegendMover, DragSnapsToTheNearestCornerAndStoresIt) {
	auto m = tempAndLoad();
	m->setChartData(C::Inside, C::LegendPosition);
	m->setChartData(3, C::LegendAlignment);
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(m.get());
	chart.show();
	ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
	QWidget * canvas = chart.canvas();
	const QRect rect = canvas->contentsRect();
	struct Case { QPoint target; int alignment; };
	// release points near each corner (as the legend's top-left corner)
	const Case cases[] = {
		{ QPoint(5, 5), 1 }, { QPoint(rect.right(), 5), 3 },
		{ QPoint(rect.right(), rect.bottom()), 5 }, { QPoint(5, rect.bottom()), 7 } };
	for (const Case & c : cases) {
		const QRect g = chart.legendItem()->geometry(rect);
		const QPoint grab = g.topLeft() + QPoint(3, 3);
		sendMouse(canvas, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
		SCI::LegendItemMover * mover = canvas->findChild<SCI::LegendItemMover *>();
		if (mover == nullptr)
			mover = chart.findChild<SCI::LegendItemMover *>();
		ASSERT_NE(mover, nullptr);
		ASSERT_TRUE(mover->isDragging());
		EXPECT_FALSE(chart.picker()->m_enabled);
		EXPECT_NE(mover->overlay(), nullptr);
		sendMouse(canvas, QEvent::MouseMove, c.target + QPoint(3, 3), Qt::NoButton, Qt::LeftButton);
		// the limits hold
		EXPECT_GE(chart.legendItem()->horizontalOffset(), -1);
		EXPECT_LE(chart.legendItem()->horizontalOffset(), rect.right() - g.width());
		EXPECT_LE(chart.legendItem()->verticalOffset(), rect.bottom() - g.height());
		const QRect dropped = chart.legendItem()->geometry(rect);
		sendMouse(canvas, QEvent::MouseButtonRelease, c.target + QPoint(3, 3), Qt::LeftButton, Qt::NoButton);
		EXPECT_FALSE(mover->isDragging());
		EXPECT_TRUE(chart.picker()->m_enabled);
		EXPECT_EQ(m->chartData(C::LegendAlignment).toInt(), c.alignment);
		(void)dropped;	// the stored edge distances are still to be checked against the drop place
	}
	// a press outside the legend reaches the picker
	const QRect g = chart.legendItem()->geometry(rect);
	const QPoint outside = g.bottom() < rect.center().y() ? rect.bottomLeft() + QPoint(20, -20)
														  : rect.topLeft() + QPoint(20, 20);
	QSignalSpy appended(chart.picker(), SIGNAL(appended(QPointF)));
	sendMouse(canvas, QEvent::MouseButtonPress, outside, Qt::LeftButton, Qt::LeftButton);
	EXPECT_GE(appended.count(), 1);
	sendMouse(canvas, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);

	// without a model the legend is placed without writing
	chart.setModel(nullptr);
	if (chart.legendItem() != nullptr && chart.legendItem()->isVisible()) {
		const QPoint grab = chart.legendItem()->geometry(rect).topLeft() + QPoint(3, 3);
		sendMouse(canvas, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
		sendMouse(canvas, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
	}
}


TEST(SciChartFormatDialog, AllSetsTheEnabledBoxesAndAClearedBoxClearsAll) {
	using D = SCI::ChartFormatSelectionDialog;
	D dlg;
	dlg.setDataFormatsEnabled(false);
	dlg.checkBoxAll()->setChecked(true);
	for (int f = D::PNG; f <= D::PDF; ++f)
		EXPECT_TRUE(dlg.isSelected(f)) << f;
	EXPECT_FALSE(dlg.isSelected(D::Text));
	EXPECT_FALSE(dlg.isSelected(D::CSV));
	dlg.checkBox(D::SVG)->setChecked(false);
	EXPECT_FALSE(dlg.checkBoxAll()->isChecked());
	// clearing "all" this way did not clear the other boxes
	EXPECT_TRUE(dlg.isSelected(D::PNG));
	dlg.setDataFormatsEnabled(true);
	dlg.checkBoxAll()->setChecked(true);
	for (int f = 0; f < D::NUM_FORMATS; ++f)
		EXPECT_TRUE(dlg.isSelected(f)) << f;
}
