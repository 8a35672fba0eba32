// Chart widget bound to line models: structure of curves, axes, legends and markers
// after binding and after each kind of model change.
#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include <qwt_legend.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>
#include <qwt_point_data.h>
#include <qwt_legend_label.h>
#include <QScrollBar>
#include <qwt_symbol.h>

#include <BVX_UnitVector.h>
#include <BVXMK_GridData.h>

#include <Sci_Chart.h>
#include <Sci_DateScaleDraw.h>
#include <Sci_Legend.h>
#include <Sci_LegendItem.h>
#include <Sci_LineSeries.h>
#include <Sci_LineSeriesContentModel.h>
#include <Sci_PlotCurve.h>
#include <Sci_PlotPicker.h>
#include <Sci_PlotScaleItem.h>
#include <Sci_PlotZoomer.h>

#include "Sci_TestHelpers.h"

using SCI::Chart;
using SCI::LineSeriesContentModel;
using SCI_Test::MessageCollector;
using SCI_Test::vec;
using C = SCI::AbstractChartModel;
using A = SCI::AbstractCartesianChartModel;
using S = SCI::AbstractLineSeriesModel;

namespace {

/*! Air temperature and a surface temperature in C on the left, a load in W on the right. */
std::unique_ptr<LineSeriesContentModel> threeSeries() {
	auto m = std::make_unique<LineSeriesContentModel>();
	m->addDataSet(vec("h", {0, 1, 2}), vec("C", {20, 21, 22}), "Air");
	m->addDataSet(vec("h", {0, 1, 2}), vec("C", {18, 19, 18}), "Surface");
	m->addDataSet(vec("h", {0, 1, 2}), vec("W", {100, 200, 300}), "Load");
	m->setAxisData("Temperature [$unit]", A::LeftYAxis, A::TitleText);
	return m;
}

std::vector<SCI::PlotCurve *> curves(const Chart & chart) {
	std::vector<SCI::PlotCurve *> res;
	for (QwtPlotItem * it : chart.itemList(QwtPlotItem::Rtti_PlotCurve))
		res.push_back(dynamic_cast<SCI::PlotCurve *>(it));
	return res;
}

const QwtCPointerData * rawData(const SCI::PlotCurve * c) {
	return dynamic_cast<const QwtCPointerData *>(c->data());
}

/*! Counts the plot's axis updates, which every real replot runs once. */
class ReplotProbe : public QwtPlotItem {
public:
	ReplotProbe() { setItemInterest(QwtPlotItem::ScaleInterest, true); }
	void draw(QPainter *, const QwtScaleMap &, const QwtScaleMap &, const QRectF &) const override {}
	void updateScaleDiv(const QwtScaleDiv &, const QwtScaleDiv &) override { ++m_count; }
	int m_count = 0;
};

/*! Line model with construction lines. */
class GridLineModel : public LineSeriesContentModel {
public:
	const BVX::GridData * constructionLineData() const override { return &m_grid; }
	BVX::GridData m_grid;
};

} // namespace


TEST(SciChart, BindingShowsEachSeriesAsACurveOnTheModelArrays) {
	auto m = threeSeries();
	m->setSeriesData(QColor(Qt::red), 0, S::PenColor);
	m->setSeriesData(3, 1, S::PenWidth);
	m->setSeriesData(int(QwtSymbol::Rect), 1, S::MarkerStyle);
	m->setSeriesData(false, 2, S::InLegend);
	m->setChartData(1, C::LegendIconStyle);
	m->setChartData(30, C::LegendIconWidth);
	Chart chart;
	chart.setModel(m.get());
	chart.replot();

	const std::vector<SCI::PlotCurve *> cs = curves(chart);
	ASSERT_EQ(cs.size(), 3u);
	ASSERT_EQ(chart.seriesCount(), 3);
	const char * titles[] = { "Air", "Surface", "Load" };
	for (unsigned int i = 0; i < 3; ++i) {
		SCI::PlotCurve * c = cs[i];
		EXPECT_EQ(c->title().text(), titles[i]);
		// no copy: the curve reads the model's arrays
		ASSERT_NE(rawData(c), nullptr);
		EXPECT_EQ(rawData(c)->xData(), m->xValues(i));
		EXPECT_EQ(rawData(c)->yData(), m->yValues(i));
		EXPECT_EQ(c->dataSize(), 3u);
		EXPECT_FALSE(c->splitAtNaN());	// hours are no length
		EXPECT_TRUE(c->testLegendAttribute(QwtPlotCurve::LegendShowLine));
		EXPECT_EQ(c->legendIconSize().width(), 30) << i;
	}
	EXPECT_EQ(cs[0]->pen().color(), QColor(Qt::red));
	EXPECT_EQ(cs[0]->symbol(), nullptr);
	EXPECT_EQ(cs[1]->pen().width(), 3);
	ASSERT_NE(cs[1]->symbol(), nullptr);
	EXPECT_EQ(cs[1]->symbol()->style(), QwtSymbol::Rect);
	EXPECT_EQ(cs[1]->symbol()->size(), QSize(6, 6));	// pen width + 3
	EXPECT_EQ(cs[0]->yAxis(), QwtPlot::yLeft);
	EXPECT_EQ(cs[2]->yAxis(), QwtPlot::yRight);
	EXPECT_TRUE(chart.axisEnabled(QwtPlot::yRight));
	EXPECT_TRUE(cs[0]->testItemAttribute(QwtPlotItem::Legend));
	EXPECT_FALSE(cs[2]->testItemAttribute(QwtPlotItem::Legend));
	// tracker unit texts
	EXPECT_EQ(chart.picker()->m_units.m_texts[SCI::TrackerUnits::XUnit], "h");
	EXPECT_EQ(chart.zoomer()->m_units.m_texts[SCI::TrackerUnits::LeftYUnit], "C");
	EXPECT_EQ(chart.zoomer()->m_units.m_texts[SCI::TrackerUnits::RightYUnit], "W");
}


TEST(SciChart, AxesShowTitlesWithUnitsScaleKindsAndRanges) {
	auto m = threeSeries();
	m->setAxisData(false, A::LeftYAxis, A::Autoscale);
	m->setAxisData(-10.0, A::LeftYAxis, A::Minimum);
	m->setAxisData(40.0, A::LeftYAxis, A::Maximum);
	m->setAxisData(true, A::RightYAxis, A::Logarithmic);
	Chart chart;
	chart.setModel(m.get());
	chart.replot();
	EXPECT_EQ(chart.axisTitle(QwtPlot::yLeft).text(), "Temperature [C]");
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yLeft).lowerBound(), -10.0);
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yLeft).upperBound(), 40.0);
	EXPECT_NE(dynamic_cast<const QwtLogScaleEngine *>(chart.axisScaleEngine(QwtPlot::yRight)), nullptr);
	EXPECT_EQ(dynamic_cast<const QwtLogScaleEngine *>(chart.axisScaleEngine(QwtPlot::yLeft)), nullptr);
	// auto-scaled x covers the data
	EXPECT_LE(chart.axisScaleDiv(QwtPlot::xBottom).lowerBound(), 0.0);
	EXPECT_GE(chart.axisScaleDiv(QwtPlot::xBottom).upperBound(), 2.0);

	// unit change: the title follows, the curves keep reading the model
	m->setAxisData(BVX::Unit("K").id(), A::LeftYAxis, A::AxisUnit);
	chart.replot();
	EXPECT_EQ(chart.axisTitle(QwtPlot::yLeft).text(), "Temperature [K]");
	EXPECT_EQ(chart.picker()->m_units.m_texts[SCI::TrackerUnits::LeftYUnit], "K");
	const std::vector<SCI::PlotCurve *> cs = curves(chart);
	EXPECT_DOUBLE_EQ(cs[0]->sample(0).y(), 293.15);

	// a time axis gets the date scale draw
	m->setAxisData(true, A::XAxis, A::DateTimeEnabled);
	EXPECT_NE(dynamic_cast<const SCI::DateScaleDraw *>(chart.axisScaleDraw(QwtPlot::xBottom)), nullptr);
	m->setAxisData(false, A::XAxis, A::DateTimeEnabled);
	EXPECT_EQ(dynamic_cast<const SCI::DateScaleDraw *>(chart.axisScaleDraw(QwtPlot::xBottom)), nullptr);
}


TEST(SciChart, LegendWidgetBesideOrItemInsideTheCanvas) {
	auto m = threeSeries();
	Chart chart;
	chart.setModel(m.get());
	for (int pos : { 0, 1, 2, 3 }) {
		m->setChartData(pos, C::LegendPosition);
		ASSERT_NE(chart.legendWidget(), nullptr) << pos;
		EXPECT_EQ(chart.legend(), chart.legendWidget());
		EXPECT_EQ(chart.legendItem(), nullptr);
		EXPECT_EQ(int(chart.plotLayout()->legendPosition()), pos);
	}
	m->setChartData(C::Inside, C::LegendPosition);
	EXPECT_EQ(chart.legendWidget(), nullptr);
	EXPECT_EQ(chart.legend(), nullptr);
	ASSERT_NE(chart.legendItem(), nullptr);
	EXPECT_EQ(chart.itemList(QwtPlotItem::Rtti_PlotLegend).size(), 1);

	struct Case { int alignment; Qt::Alignment expected; };
	const Case cases[] = {
		{ 0, Qt::AlignLeft | Qt::AlignVCenter }, { 1, Qt::AlignLeft | Qt::AlignTop },
		{ 2, Qt::AlignHCenter | Qt::AlignTop }, { 3, Qt::AlignRight | Qt::AlignTop },
		{ 4, Qt::AlignRight | Qt::AlignVCenter }, { 5, Qt::AlignRight | Qt::AlignBottom },
		{ 6, Qt::AlignHCenter | Qt::AlignBottom }, { 7, Qt::AlignLeft | Qt::AlignBottom },
	};
	for (const Case & c : cases) {
		m->setChartData(c.alignment, C::LegendAlignment);
		EXPECT_EQ(chart.legendItem()->alignment(), c.expected) << c.alignment;
	}
	// offsets shift from the aligned sides towards the centre, not when centred
	m->setChartData(QSize(12, 7), C::LegendOffset);
	EXPECT_EQ(chart.legendItem()->horizontalOffset(), 12);
	EXPECT_EQ(chart.legendItem()->verticalOffset(), 7);
	const QRectF canvas(0, 0, 400, 300);
	struct Shift { int alignment; QPoint shift; };
	const Shift shifts[] = { { 1, QPoint(12, 7) }, { 5, QPoint(-12, -7) }, { 6, QPoint(0, -7) }, { 4, QPoint(-12, 0) } };
	for (const Shift & sh : shifts) {
		m->setChartData(sh.alignment, C::LegendAlignment);
		m->setChartData(QSize(0, 0), C::LegendOffset);
		const QRect base = chart.legendItem()->geometry(canvas);
		m->setChartData(QSize(12, 7), C::LegendOffset);
		EXPECT_EQ(chart.legendItem()->geometry(canvas), base.translated(sh.shift)) << sh.alignment;
	}
	// opacity, frame
	m->setChartData(QColor(Qt::yellow), C::LegendBackgroundColor);
	m->setChartData(0.5, C::LegendBackgroundTransparency);
	EXPECT_EQ(chart.legendItem()->backgroundBrush().color().alpha(), 127);
	m->setChartData(false, C::LegendHasFrame);
	EXPECT_EQ(chart.legendItem()->borderPen().style(), Qt::NoPen);

	// and back to a widget below the canvas; hidden removes both
	m->setChartData(C::Bottom, C::LegendPosition);
	EXPECT_EQ(chart.legendItem(), nullptr);
	EXPECT_TRUE(chart.itemList(QwtPlotItem::Rtti_PlotLegend).isEmpty());
	ASSERT_NE(chart.legendWidget(), nullptr);
	EXPECT_EQ(chart.plotLayout()->legendPosition(), QwtPlot::BottomLegend);
	m->setChartData(false, C::LegendVisible);
	EXPECT_EQ(chart.legendWidget(), nullptr);
	EXPECT_EQ(chart.legend(), nullptr);
	m->setChartData(C::Inside, C::LegendPosition);	// hidden: nothing appears
	EXPECT_EQ(chart.legendItem(), nullptr);
	m->setChartData(true, C::LegendVisible);
	EXPECT_NE(chart.legendItem(), nullptr);
}


TEST(SciChart, LegendLabelsTakeTheSpacing) {
	Chart chart;
	SCI::Legend * legend = new SCI::Legend(&chart, QwtPlot::LeftLegend);
	EXPECT_EQ(legend->spacing(), 5);
	EXPECT_FALSE(legend->horizontalScrollBar()->isVisible());
	EXPECT_EQ(chart.plotLayout()->legendPosition(), QwtPlot::LeftLegend);
	auto m = threeSeries();
	m->setChartData(C::Left, C::LegendPosition);
	m->setChartData(8, C::LegendSpacing);
	chart.setModel(m.get());
	ASSERT_NE(chart.legendWidget(), nullptr);
	const QList<QwtLegendLabel *> labels = chart.legendWidget()->findChildren<QwtLegendLabel *>();
	ASSERT_EQ(labels.size(), 3);
	for (QwtLegendLabel * l : labels)
		EXPECT_EQ(l->spacing(), 8);
	// a label made later gets it too
	m->addDataSet(vec("h", {0, 1}), vec("C", {1, 2}), "Late");
	chart.replot();
	const QList<QwtLegendLabel *> more = chart.legendWidget()->findChildren<QwtLegendLabel *>();
	ASSERT_EQ(more.size(), 4);
	for (QwtLegendLabel * l : more)
		EXPECT_EQ(l->spacing(), 8);
}


TEST(SciChart, FollowsAddedDataSetsNewValuesAndSeriesRemoval) {
	auto m = threeSeries();
	Chart chart;
	chart.setModel(m.get());
	m->addDataSet(vec("h", {0, 1, 2, 3}), vec("C", {5, 6, 7, 8}), "Fourth");
	ASSERT_EQ(curves(chart).size(), 4u);
	EXPECT_EQ(curves(chart)[3]->title().text(), "Fourth");
	EXPECT_EQ(rawData(curves(chart)[3])->yData(), m->yValues(3));

	m->setValues(1, vec("h", {0, 1, 2, 3, 4}), vec("C", {1, 2, 3, 4, 5}));
	SCI::PlotCurve * c = curves(chart)[1];
	EXPECT_FALSE(c->isLocked());
	EXPECT_EQ(c->dataSize(), 5u);
	EXPECT_EQ(rawData(c)->yData(), m->yValues(1));
	EXPECT_TRUE(chart.seriesAt(1)->dataValid());

	m->beginRemoveSeries(0, 1);
	m->endRemoveSeries();
	EXPECT_EQ(chart.seriesCount(), 2);
	EXPECT_EQ(chart.seriesAt(2), nullptr);
}


TEST(SciChart, ABurstOfChangesInOneModelBracketReplotsOnce) {
	auto m = threeSeries();
	Chart chart;
	chart.setModel(m.get());
	ReplotProbe * probe = new ReplotProbe;
	probe->attach(&chart);	// deleted by the plot
	chart.replot();
	EXPECT_EQ(probe->m_count, 1);
	probe->m_count = 0;
	m->beginChangeModel();
	m->setSeriesData(QColor(Qt::blue), 0, S::PenColor);
	m->setSeriesData(4, 1, S::PenWidth);
	m->setSeriesData("Renamed", 2, S::TitleText);
	m->setChartData("A title", C::TitleText);
	m->setChartData(C::Top, C::LegendPosition);
	EXPECT_EQ(probe->m_count, 0);
	m->endChangeModel();
	EXPECT_EQ(probe->m_count, 1);
	EXPECT_EQ(curves(chart)[2]->title().text(), "Renamed");
	EXPECT_EQ(chart.title().text(), "A title");
	// outside a bracket each change replots
	probe->m_count = 0;
	m->setSeriesData(QColor(Qt::green), 0, S::PenColor);
	EXPECT_EQ(probe->m_count, 1);
	// a series role outside 1..11 is ignored without a replot
	chart.onSeriesViewChanged(0, 2, S::ValueCount);
	EXPECT_EQ(probe->m_count, 1);
}


TEST(SciChart, NullOrDeletedModelLeavesAnEmptyChart) {
	Chart chart;
	chart.replot();	// works without a model
	{
		auto m = threeSeries();
		chart.setModel(m.get());
		ASSERT_EQ(curves(chart).size(), 3u);
		chart.setModel(nullptr);
		EXPECT_TRUE(curves(chart).empty());
		EXPECT_EQ(chart.model(), nullptr);
		// no connections left
		m->addDataSet(vec("h", {0}), vec("C", {1}), "x");
		EXPECT_TRUE(curves(chart).empty());
		chart.setModel(m.get());
		ASSERT_EQ(curves(chart).size(), 4u);
	}	// model deleted while bound
	EXPECT_EQ(chart.model(), nullptr);
	EXPECT_TRUE(curves(chart).empty());
	EXPECT_EQ(chart.seriesCount(), 0);
	chart.replot();	// nothing reads freed arrays
}


TEST(SciChart, ModelWithoutSeriesGetsAxesAndLegend) {
	LineSeriesContentModel m;
	m.setChartData("Empty", C::TitleText);
	m.setAxisData("Time", A::XAxis, A::TitleText);
	Chart chart;
	chart.setModel(&m);
	chart.replot();
	EXPECT_EQ(chart.seriesCount(), 0);
	EXPECT_EQ(chart.title().text(), "Empty");
	EXPECT_EQ(chart.axisTitle(QwtPlot::xBottom).text(), "Time");
	EXPECT_NE(chart.legendWidget(), nullptr);
	// slots addressing missing series do nothing
	chart.onSeriesViewChanged(0, -1, S::Pen);
	chart.onSeriesChanged(0, 0);
	chart.onSeriesAboutToBeChanged(0, 0);
}


TEST(SciChart, IncompleteSeriesStopsTheViewResetWithItsMessage) {
	// series 1 goes to the right axis, which has no unit
	SCI_Test::PropertiesOnlyModel m(3);
	m.setAxisData(BVX::Unit("h").id(), A::XAxis, A::AxisUnit);
	m.setAxisData(BVX::Unit("C").id(), A::LeftYAxis, A::AxisUnit);
	m.setSeriesData(false, 1, S::LeftAxis);
	m.setAxisData(0u, A::RightYAxis, A::AxisUnit);
	m.setChartData("Not applied", C::TitleText);
	MessageCollector msgs;
	Chart chart;
	chart.setModel(&m);
	EXPECT_EQ(chart.seriesCount(), 1);
	ASSERT_EQ(msgs.count(BVX::MSG_ERROR), 1);
	for (const MessageCollector::Message & msg : msgs.m_messages) {
		if (msg.type == BVX::MSG_ERROR) {
			EXPECT_EQ(msg.text, "Error creating line series from model, probably incomplete model implementation.");
		}
	}
	EXPECT_TRUE(chart.title().isEmpty());	// properties not applied
	// a count of 0 shows one point at (0, 0)
	SCI::PlotCurve * c = curves(chart)[0];
	ASSERT_EQ(c->dataSize(), 1u);
	EXPECT_EQ(c->sample(0), QPointF(0, 0));
	// the update counter is balanced: a later change replots normally
	ReplotProbe * probe = new ReplotProbe;
	probe->attach(&chart);
	chart.replot();
	EXPECT_EQ(probe->m_count, 1);
}


TEST(SciChart, AxisScalesInsideShowEachAxisAlongItsOwnBorder) {
	auto m = threeSeries();
	Chart chart;
	chart.resize(500, 300);
	chart.setModel(m.get());
	const int ids[] = { QwtPlot::yLeft, QwtPlot::yRight, QwtPlot::xBottom };
	for (bool inside : { true, false }) {
		m->setChartData(inside, C::AxisScalesInside);
		for (int id : ids)
			EXPECT_EQ(chart.scaleItem(id)->isVisible(), inside) << id;
		// the top axis is never shown: no scale of its own default 0..1000 inside either
		EXPECT_FALSE(chart.scaleItem(QwtPlot::xTop)->isVisible());
		for (int id : ids)
			EXPECT_EQ(chart.axisScaleDraw(id)->hasComponent(QwtAbstractScaleDraw::Ticks), !inside);
	}
	m->setChartData(true, C::AxisScalesInside);
	chart.replot();
	chart.grab();	// the items find their place while they are drawn
	// ticks point into the canvas from the border beside their labels, over their own scale
	struct Expect { int id; QwtScaleDraw::Alignment alignment; int positionAxis; bool atLower; };
	const Expect expects[] = {
		{ QwtPlot::yLeft, QwtScaleDraw::RightScale, QwtPlot::xBottom, true },
		{ QwtPlot::yRight, QwtScaleDraw::LeftScale, QwtPlot::xBottom, false },
		{ QwtPlot::xBottom, QwtScaleDraw::TopScale, QwtPlot::yRight, true },
	};
	for (const Expect & e : expects) {
		SCOPED_TRACE(e.id);
		const SCI::PlotScaleItem * item = chart.scaleItem(e.id);
		EXPECT_EQ(item->scaleDraw()->alignment(), e.alignment);
		// the axis' own ticks, as far as the canvas shows them
		const QwtScaleDiv & own = item->scaleDraw()->scaleDiv();
		int shared = 0;
		for (double t : chart.axisScaleDiv(e.id).ticks(QwtScaleDiv::MajorTick)) {
			if (t < own.lowerBound() || t > own.upperBound())
				continue;
			EXPECT_TRUE(own.ticks(QwtScaleDiv::MajorTick).contains(t)) << t;
			++shared;
		}
		EXPECT_GE(shared, 2);
		const QwtScaleDiv & across = chart.axisScaleDiv(e.positionAxis);
		const double border = e.atLower ? across.lowerBound() : across.upperBound();
		EXPECT_NEAR(item->position(), border, 0.02 * std::fabs(across.range()));
	}
	// the bottom item follows the left axis once the right one is off
	EXPECT_EQ(chart.scaleItem(QwtPlot::xBottom)->yAxis(), QwtPlot::yRight);
	m->setAxisData(false, A::RightYAxis, A::Enabled);
	EXPECT_EQ(chart.scaleItem(QwtPlot::xBottom)->yAxis(), QwtPlot::yLeft);
	EXPECT_FALSE(chart.scaleItem(QwtPlot::yRight)->isVisible());
}


TEST(SciChart, ConstructionLinesAreVerticalMarkersMajorOnesWider) {
	GridLineModel m;
	m.addDataSet(vec("m", {0, 0.1, 0.3}), vec("C", {20, 15, 0}), "Wall");
	m.m_grid.m_verticalLines = { {0.1, 0, 1}, {0.2, 0, 1} };
	m.m_grid.m_verticalMajorLines = { {0.3, 0, 1} };
	m.setChartData(QPen(Qt::darkGray, 1), C::ConstructionLinesPen);
	m.setChartData(true, C::ConstructionLinesVisible);
	Chart chart;
	chart.setModel(&m);
	EXPECT_TRUE(curves(chart)[0]->splitAtNaN());	// metres: NaN gaps
	const QVector<QwtPlotMarker *> & lines = chart.constructionLines();
	ASSERT_EQ(lines.size(), 3);
	const double xs[] = { 0.1, 0.2, 0.3 };
	const int widths[] = { 1, 1, 3 };
	for (int i = 0; i < 3; ++i) {
		EXPECT_EQ(lines[i]->lineStyle(), QwtPlotMarker::VLine);
		EXPECT_EQ(lines[i]->xValue(), xs[i]);
		EXPECT_EQ(lines[i]->linePen().width(), widths[i]);
		EXPECT_EQ(lines[i]->z(), 5.0);
		EXPECT_EQ(lines[i]->plot(), &chart);
	}
	m.setChartData(false, C::ConstructionLinesVisible);
	EXPECT_TRUE(chart.constructionLines().isEmpty());
	EXPECT_TRUE(chart.itemList(QwtPlotItem::Rtti_PlotMarker).isEmpty());
}


TEST(SciLineSeries, MarkerPenAndAxisSetters) {
	Chart chart;
	const double x[] = { 0, 1 }, y[] = { 1, 2 };
	SCI::LineSeries s(&chart, 2, x, y, "s", false, Qt::red);
	SCI::PlotCurve * c = s.curve();
	s.setPen(QPen(Qt::red, 1));
	EXPECT_EQ(c->symbol(), nullptr);
	s.setMarkerStyle(QwtSymbol::Rect);	// Rect can be switched on
	ASSERT_NE(c->symbol(), nullptr);
	EXPECT_EQ(c->symbol()->size(), QSize(4, 4));
	s.setPenWidth(2);
	EXPECT_EQ(c->symbol()->size(), QSize(9, 9));
	s.setColor(Qt::blue);
	EXPECT_EQ(c->symbol()->pen().color(), QColor(Qt::blue));
	EXPECT_EQ(c->symbol()->style(), QwtSymbol::Rect);
	s.setMarkerStyle(-1);
	EXPECT_EQ(c->symbol(), nullptr);

	s.setLeftAxis();	// already left: nothing
	EXPECT_EQ(c->yAxis(), QwtPlot::yLeft);
	chart.enableAxis(QwtPlot::yRight, false);
	s.setRightAxis();
	s.setRightAxis();
	EXPECT_EQ(c->yAxis(), QwtPlot::yRight);
	EXPECT_TRUE(chart.axisEnabled(QwtPlot::yRight));
	s.setLeftAxis();
	EXPECT_TRUE(chart.axisEnabled(QwtPlot::yRight));	// stays enabled

	c->setLegendIconSize(QSize(8, 8));
	s.setLegendIconSize(QSize(20, 0));
	EXPECT_EQ(c->legendIconSize(), QSize(20, 8));
}
