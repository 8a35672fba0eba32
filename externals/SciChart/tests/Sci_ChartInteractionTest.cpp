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
#include <Sci_Overlay.h>

#include "Sci_TestHelpers.h"

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

/*! Binds the model and shows the chart at 600 x 400; false when it is not exposed. */
bool showWithModel(Chart & chart, SCI::AbstractChartModel * model) {
	chart.resize(600, 400);
	chart.setModel(model);
	chart.show();
	return QTest::qWaitForWindowExposed(&chart);
}

/*! Binds the model to the chart at 600 x 400 and lays its scales out. */
void bindAndReplot(Chart & chart, SCI::AbstractChartModel * model) {
	chart.resize(600, 400);
	chart.setModel(model);
	chart.replot();
}

void sendMouse(QWidget * w, QEvent::Type type, const QPoint & pos, Qt::MouseButton button, Qt::MouseButtons held) {
	QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
	QApplication::sendEvent(w, &e);
}

} // namespace


TEST(SciChartZoom, ZoomWritesRangesIntoTheModelAndTheBaseSwitchesAutoscaleOn) {
	auto m = tempAndLoad();
	Chart chart;
	bindAndReplot(chart, m.get());
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
		// a rebuild of the bound chart replaces its series instead of adding to them
		chart.resetView();
		chart.resetView();
		EXPECT_EQ(spy.count(), 0) << fixed;
		EXPECT_EQ(m->axisData(1, A::Autoscale).toBool(), !fixed);
		EXPECT_EQ(chart.seriesCount(), 2);
		EXPECT_EQ(chart.itemList(QwtPlotItem::Rtti_PlotCurve).size(), 2);
	}
}


// A model reset or a rebinding while zoomed in: zooming back afterwards shows the ranges
// as designed (y autoscaled, x fixed 0..20), not the zoomed ones for good.
TEST(SciChartZoom, ResetOrRebindWhileZoomedKeepsTheDesignedRanges) {
	enum Rebuild { Reset, Rebind };
	for (Rebuild rebuild : { Reset, Rebind }) {
		SCOPED_TRACE(rebuild == Reset ? "model reset" : "unbound and bound again");
		auto m = tempAndLoad();
		m->setAxisData(false, 0, A::Autoscale);
		m->setAxisData(0.0, 0, A::Minimum);
		m->setAxisData(20.0, 0, A::Maximum);
		Chart chart;
		chart.resize(600, 400);
		chart.setModel(m.get());
		chart.replot();
		chart.zoomer()->zoom(QRectF(QPointF(2, 12), QPointF(7, 17)));
		ASSERT_DOUBLE_EQ(m->axisData(0, A::Maximum).toDouble(), 7);
		ASSERT_FALSE(m->axisData(1, A::Autoscale).toBool());
		if (rebuild == Reset) {
			m->beginResetModel();
			m->endResetModel();
		}
		else {
			chart.setModel(nullptr);
			chart.setModel(m.get());
		}
		chart.replot();
		chart.zoomer()->zoom(0);
		EXPECT_TRUE(m->axisData(1, A::Autoscale).toBool());
		EXPECT_FALSE(m->axisData(0, A::Autoscale).toBool());
		EXPECT_DOUBLE_EQ(m->axisData(0, A::Minimum).toDouble(), 0);
		EXPECT_DOUBLE_EQ(m->axisData(0, A::Maximum).toDouble(), 20);
		EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::xBottom).lowerBound(), 0);
		EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::xBottom).upperBound(), 20);
		// zooming in again writes the new ranges, zooming back restores the design
		chart.zoomer()->zoom(QRectF(QPointF(4, 12), QPointF(9, 17)));
		EXPECT_DOUBLE_EQ(m->axisData(0, A::Minimum).toDouble(), 4);
		chart.zoomer()->zoom(0);
		EXPECT_DOUBLE_EQ(m->axisData(0, A::Maximum).toDouble(), 20);
		EXPECT_TRUE(m->axisData(1, A::Autoscale).toBool());
	}
}


// An axis its model's owner sets anew while the chart is zoomed keeps that setting when the
// chart is rebuilt; the others return to their design.
TEST(SciChartZoom, AnAxisSetAnewWhileZoomedKeepsItsNewRange) {
	auto m = tempAndLoad();
	Chart chart;
	bindAndReplot(chart, m.get());
	chart.zoomer()->zoom(QRectF(QPointF(2, 12), QPointF(7, 17)));
	m->beginResetModel();
	m->setAxisData(100.0, 0, A::Maximum);
	m->endResetModel();
	EXPECT_DOUBLE_EQ(m->axisData(0, A::Maximum).toDouble(), 100);
	EXPECT_FALSE(m->axisData(0, A::Autoscale).toBool());
	EXPECT_TRUE(m->axisData(1, A::Autoscale).toBool());
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
	bindAndReplot(chart, m.get());
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
		chart.replot();
		const QwtScaleDiv before = chart.axisScaleDiv(QwtPlot::yLeft);
		m->setChartData(true, C::Proportional);
		ASSERT_TRUE(chart.rescaler()->isEnabled());
		EXPECT_DOUBLE_EQ(chart.rescaler()->aspectRatio(QwtPlot::yLeft), c.ratio) << c.yUnit;
		m->setChartData(false, C::Proportional);
		EXPECT_FALSE(chart.rescaler()->isEnabled());
		chart.replot();
		EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::yLeft).lowerBound(), before.lowerBound()) << c.yUnit;
		EXPECT_DOUBLE_EQ(chart.axisScaleDiv(QwtPlot::yLeft).upperBound(), before.upperBound()) << c.yUnit;
	}
}


namespace {

/*! Counts replot requests: a legend drag paints through the overlay only. */
class CountingChart : public Chart {
public:
	void replot() override {
		++m_replots;
		Chart::replot();
	}
	int m_replots = 0;
};

/*! A shown chart with the inside legend at the top right, resized until the free room
	beside and below the legend is odd, so that drop places with equal edge distances exist
	(the right and bottom distances count one pixel more, see below). */
class LegendDragTest : public ::testing::Test {
protected:
	void SetUp() override {
		m_model = tempAndLoad();
		m_model->setChartData(C::Inside, C::LegendPosition);
		m_model->setChartData(3, C::LegendAlignment);
		m_chart.setModel(m_model.get());
		m_chart.show();
		ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_chart));
		QSize size(600, 400);
		for (int i = 0; i < 4; ++i) {
			m_chart.resize(size);
			QApplication::processEvents();
			const QSize free = room();
			if (free.width() % 2 == 1 && free.height() % 2 == 1)
				break;
			size += QSize(1 - free.width() % 2, 1 - free.height() % 2);
		}
		ASSERT_EQ(room().width() % 2, 1);
		ASSERT_EQ(room().height() % 2, 1);
	}

	QWidget * canvas() { return m_chart.canvas(); }
	QRect rect() const { return m_chart.canvas()->contentsRect(); }
	QRect legend() const { return m_chart.legendItem()->geometry(rect()); }
	/*! Canvas size less legend size. */
	QSize room() const { return rect().size() - legend().size(); }

	SCI::LegendItemMover * mover() const { return m_chart.findChild<SCI::LegendItemMover *>(); }

	QString trackerText() const {
		const SCI::PlotPickerText * text = m_chart.picker();
		return text->trackerText(&m_chart, m_chart.picker()->rubberBand(), QPoint(50, 50)).text();
	}

	/*! Grabs the legend and moves it so that its top-left corner would reach target, given
		in pixels from the top-left corner of the canvas contents. */
	void grabAndMove(const QPoint & target) {
		const QPoint grab = legend().topLeft() + QPoint(3, 3);
		m_release = rect().topLeft() + target + QPoint(3, 3);
		sendMouse(canvas(), QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
		sendMouse(canvas(), QEvent::MouseMove, m_release, Qt::NoButton, Qt::LeftButton);
	}

	void release() {
		sendMouse(canvas(), QEvent::MouseButtonRelease, m_release, Qt::LeftButton, Qt::NoButton);
	}

	std::unique_ptr<LineSeriesContentModel>	m_model;
	CountingChart							m_chart;
	QPoint									m_release;
};

} // namespace


TEST_F(LegendDragTest, DropSnapsToTheNearestCornerAndStoresTheEdgeDistances) {
	const QRect r = rect();
	// a legend at x has room().width() - x free pixels on its right
	const int freeX = room().width();
	const int freeY = room().height();
	const int midX = (freeX + 1) / 2;
	const int midY = (freeY + 1) / 2;
	struct Case { QPoint target; int alignment; QSize offset; };
	// Qwt aligns right and bottom with the far side of the canvas rectangle, one pixel beyond
	// the contents: an item touching the right or bottom edge has the distance 1 there
	const Case cases[] = {
		{ QPoint(2, 3), 1, QSize(2, 3) },
		{ QPoint(freeX - 5, 4), 3, QSize(6, 4) },
		{ QPoint(freeX - 6, freeY - 7), 5, QSize(7, 8) },
		{ QPoint(8, freeY - 9), 7, QSize(8, 10) },
		// the drag stops one pixel beyond the left and top edges, and at the right and bottom ones
		{ QPoint(-40, -40), 1, QSize(-1, -1) },
		{ QPoint(r.width() + 50, r.height() + 50), 5, QSize(1, 1) },
		// ties go to the earlier corner: top-left, top-right, bottom-right, bottom-left
		{ QPoint(midX, 3), 1, QSize(midX, 3) },
		{ QPoint(freeX - 2, midY), 3, QSize(3, midY) },
		{ QPoint(midX, freeY - 2), 5, QSize(midX, 3) },
		{ QPoint(3, midY), 1, QSize(3, midY) },
		{ QPoint(midX, midY), 1, QSize(midX, midY) },
	};
	for (const Case & c : cases) {
		const QSize size = legend().size();
		grabAndMove(c.target);
		ASSERT_NE(mover(), nullptr);
		ASSERT_TRUE(mover()->isDragging());
		const QRect dropped = legend();
		EXPECT_EQ(dropped.size(), size);
		release();
		EXPECT_FALSE(mover()->isDragging());
		EXPECT_EQ(m_model->chartData(C::LegendAlignment).toInt(), c.alignment) << c.target.x() << "," << c.target.y();
		EXPECT_EQ(m_model->chartData(C::LegendOffset).toSize(), c.offset) << c.target.x() << "," << c.target.y();
		// the legend stays where it was dropped
		EXPECT_EQ(legend(), dropped) << c.target.x() << "," << c.target.y();
		const SCI::LegendItem * item = m_chart.legendItem();
		EXPECT_EQ(QSize(item->horizontalOffset(), item->verticalOffset()), c.offset);
	}
	// the stored place shows in a chart bound afresh
	const QRect last = legend();
	m_chart.setModel(m_model.get());
	EXPECT_EQ(legend(), last);
}


TEST_F(LegendDragTest, DragPaintsTheOverlayOnlyAndSwitchesTheTrackerOff) {
	grabAndMove(QPoint(10, 10));
	const int replots = m_chart.m_replots;
	for (int i = 0; i < 5; ++i) {
		m_release += QPoint(7, 5);
		sendMouse(canvas(), QEvent::MouseMove, m_release, Qt::NoButton, Qt::LeftButton);
	}
	EXPECT_EQ(m_chart.m_replots, replots);
	ASSERT_NE(mover()->overlay(), nullptr);
	EXPECT_TRUE(mover()->overlay()->isVisible());
	EXPECT_EQ(mover()->maskHint(), QRegion(legend().adjusted(0, 0, 1, 1)));
	// the plot's own legend is hidden while the overlay draws it
	EXPECT_FALSE(m_chart.legendItem()->isVisible());
	EXPECT_FALSE(m_chart.picker()->m_enabled);
	EXPECT_TRUE(trackerText().isEmpty());
	release();
	EXPECT_EQ(mover()->overlay(), nullptr);
	EXPECT_TRUE(mover()->maskHint().isEmpty());
	EXPECT_TRUE(m_chart.legendItem()->isVisible());
	EXPECT_TRUE(m_chart.picker()->m_enabled);
	EXPECT_FALSE(trackerText().isEmpty());
}


TEST_F(LegendDragTest, PressOutsideTheLegendReachesZoomerAndPicker) {
	const QRect g = legend();
	const QPoint outside = g.bottom() < rect().center().y() ? rect().bottomLeft() + QPoint(20, -20)
															: rect().topLeft() + QPoint(20, 20);
	QSignalSpy picked(m_chart.picker(), SIGNAL(appended(QPointF)));
	QSignalSpy zoomed(m_chart.zoomer(), SIGNAL(appended(QPointF)));
	sendMouse(canvas(), QEvent::MouseButtonPress, outside, Qt::LeftButton, Qt::LeftButton);
	EXPECT_FALSE(mover()->isDragging());
	EXPECT_GE(picked.count(), 1);
	EXPECT_GE(zoomed.count(), 1);
	// the picker's tracker text is hidden while its selection is being made
	EXPECT_EQ(m_chart.picker()->trackerMode(), QwtPicker::AlwaysOff);
	sendMouse(canvas(), QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
	EXPECT_EQ(m_chart.picker()->trackerMode(), QwtPicker::AlwaysOn);
	EXPECT_EQ(legend(), g);
}


TEST_F(LegendDragTest, WithoutModelTheLegendIsPlacedWithoutWriting) {
	// a chart keeps its legend item when the model goes: drop it without a model
	LineSeriesContentModel * model = m_model.release();
	QSignalSpy destroyed(model, SIGNAL(destroyed()));
	grabAndMove(QPoint(4, 6));
	delete model;
	ASSERT_EQ(destroyed.count(), 1);
	ASSERT_EQ(m_chart.model(), nullptr);
	const QRect dropped = legend();
	release();
	EXPECT_FALSE(mover()->isDragging());
	EXPECT_EQ(legend(), dropped);
}


TEST(SciChartRoundTrip, ZoomAndLegendCornerSurviveWritingAndReading) {
	auto m = tempAndLoad();
	m->setChartData(C::Inside, C::LegendPosition);
	m->setChartData(3, C::LegendAlignment);
	Chart chart;
	ASSERT_TRUE(showWithModel(chart, m.get()));
	chart.zoomer()->zoom(QRectF(QPointF(2, 10), QPointF(8, 30)));
	QWidget * canvas = chart.canvas();
	const QRect rect = canvas->contentsRect();
	const QPoint grab = chart.legendItem()->geometry(rect).topLeft() + QPoint(3, 3);
	sendMouse(canvas, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
	sendMouse(canvas, QEvent::MouseMove, QPoint(9, 7), Qt::NoButton, Qt::LeftButton);
	sendMouse(canvas, QEvent::MouseButtonRelease, QPoint(9, 7), Qt::LeftButton, Qt::NoButton);
	ASSERT_EQ(m->chartData(C::LegendAlignment).toInt(), 1);

	auto copy = tempAndLoad();
	SCI_Test::readFromText(*copy, SCI_Test::writeToText(*m));
	Chart other;
	ASSERT_TRUE(showWithModel(other, copy.get()));
	for (int axisId : { QwtPlot::xBottom, QwtPlot::yLeft, QwtPlot::yRight }) {
		EXPECT_DOUBLE_EQ(other.axisScaleDiv(axisId).lowerBound(), chart.axisScaleDiv(axisId).lowerBound()) << axisId;
		EXPECT_DOUBLE_EQ(other.axisScaleDiv(axisId).upperBound(), chart.axisScaleDiv(axisId).upperBound()) << axisId;
	}
	EXPECT_DOUBLE_EQ(other.axisScaleDiv(QwtPlot::xBottom).lowerBound(), 2);
	EXPECT_EQ(other.legendItem()->alignment(), Qt::AlignLeft | Qt::AlignTop);
	EXPECT_EQ(other.legendItem()->geometry(other.canvas()->contentsRect()), chart.legendItem()->geometry(rect));
}


TEST(SciChartZoom, RightClickStepsBackAndCtrlClickReturnsToTheBase) {
	auto m = tempAndLoad();
	Chart chart;
	ASSERT_TRUE(showWithModel(chart, m.get()));
	chart.zoomer()->zoom(QRectF(QPointF(1, 5), QPointF(9, 35)));
	chart.zoomer()->zoom(QRectF(QPointF(2, 10), QPointF(8, 30)));
	ASSERT_EQ(chart.zoomer()->zoomRectIndex(), 2u);
	const QPoint centre = chart.canvas()->contentsRect().center();
	QTest::mouseClick(chart.canvas(), Qt::RightButton, Qt::NoModifier, centre);
	EXPECT_EQ(chart.zoomer()->zoomRectIndex(), 1u);
	EXPECT_DOUBLE_EQ(m->axisData(0, A::Minimum).toDouble(), 1);
	EXPECT_DOUBLE_EQ(m->axisData(1, A::Maximum).toDouble(), 35);
	EXPECT_FALSE(m->axisData(0, A::Autoscale).toBool());
	chart.zoomer()->zoom(QRectF(QPointF(2, 10), QPointF(8, 30)));
	QTest::mouseClick(chart.canvas(), Qt::LeftButton, Qt::ControlModifier, centre);
	EXPECT_EQ(chart.zoomer()->zoomRectIndex(), 0u);
	for (int pos : { 0, 1, 2 })
		EXPECT_TRUE(m->axisData(pos, A::Autoscale).toBool()) << pos;
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
