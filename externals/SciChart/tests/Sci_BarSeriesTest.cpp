// Bar charts: the bar model's roles, samples through the chart (grouped and stacked bars
// where the positions say), bar symbols and incomplete models.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <qwt_column_symbol.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_multi_barchart.h>
#include <qwt_scale_widget.h>

#include <Sci_BarSeries.h>
#include <Sci_Chart.h>
#include <Sci_PlotPicker.h>

#include "Sci_TestHelpers.h"
#include "Sci_TestModels.h"

using SCI::BarSeries;
using SCI::Chart;
using SCI_Test::BarModel;
using SCI_Test::MessageCollector;
using A = SCI::AbstractCartesianChartModel;
using B = SCI::AbstractBarSeriesModel;

namespace {

/*! Heating (red) and cooling (blue) of three months. */
struct ThreeMonths : BarModel {
	ThreeMonths() : BarModel({ 1, 2, 3 }, { { 10, 20 }, { 30, 5 }, { 12, 12 } }) {
		setBarSymbolInformations({ { QPalette(Qt::red), "Heating" }, { QPalette(Qt::blue), "Cooling" } });
	}
};

const QwtColumnSymbol * symbolOf(const QwtPlotMultiBarChart * bars, int valueIndex) {
	return bars->symbol(valueIndex);
}

BarSeries * barSeries(const Chart & chart) {
	return qobject_cast<BarSeries *>(chart.seriesAt(0));
}

/*! Colour of the canvas at a plot position (pixel offset dx). */
QRgb canvasColor(Chart & chart, const QImage & canvas, double x, double y, int dx = 0) {
	const int px = qRound(chart.canvasMap(QwtPlot::xBottom).transform(x)) + dx;
	const int py = qRound(chart.canvasMap(QwtPlot::yLeft).transform(y));
	return canvas.pixel(px, py) & 0xFFFFFF;
}

QImage paintedCanvas(Chart & chart) {
	chart.replot();
	return chart.canvas()->grab().toImage();
}

} // namespace


TEST(SciBarSeriesModel, RolesFollowTheSetterPattern) {
	ThreeMonths m;
	QSignalSpy spy(&m, &SCI::AbstractChartModel::seriesViewChanged);
	struct Case { int role; QVariant value; };
	const Case cases[] = { { B::TitleText, QString("Energy") }, { B::Style, 1 }, { B::Baseline, -2.5 },
						   { B::LayoutPolicy, 3 }, { B::Margin, 7 }, { B::LayoutHint, 0.8 }, { B::Spacing, 4 } };
	for (const Case & c : cases) {
		SCOPED_TRACE(c.role);
		EXPECT_TRUE(m.setSeriesData(m.seriesData(0, c.role), 0, c.role));
		EXPECT_EQ(spy.count(), 0);
		if (c.role != B::TitleText) {
			EXPECT_FALSE(m.setSeriesData(QString("abc"), 0, c.role));
		}
		EXPECT_TRUE(m.setSeriesData(c.value, 0, c.role));
		EXPECT_EQ(m.seriesData(0, c.role), c.value);
		ASSERT_EQ(spy.count(), 1);
		EXPECT_EQ(spy.takeFirst(), QList<QVariant>({ 0, 0, c.role }));
	}
	EXPECT_EQ(m.seriesData(0, B::Title).toString(), QString("Energy"));
	// counts are read only
	for (int role : { int(B::SampleCount), int(B::Title), int(B::BarSymbols), int(B::NUM_SDR) })
		EXPECT_FALSE(m.setSeriesData(1, 0, role)) << role;
	EXPECT_EQ(m.seriesData(0, B::SampleCount).toInt(), 3);
	EXPECT_EQ(m.seriesData(0, B::BarSymbols).toInt(), 2);
	EXPECT_EQ(m.barSymbolPalette(1).color(QPalette::Window), QColor(Qt::blue));
	EXPECT_EQ(spy.count(), 0);
	m.clearCachedData();
	EXPECT_EQ(m.seriesData(0, B::Style).toInt(), 0);
	EXPECT_EQ(m.barCount(), 0u);
}


TEST(SciBarSeriesChart, GroupedAndStackedBarsStandAtTheirPositions) {
	ThreeMonths m;
	// fixed scales: x 0..4 around the positions 1 2 3, y 0..40 above the highest stack
	m.setAxisData(false, 0, A::Autoscale);
	m.setAxisData(0.0, 0, A::Minimum);
	m.setAxisData(4.0, 0, A::Maximum);
	m.setAxisData(false, 1, A::Autoscale);
	m.setAxisData(0.0, 1, A::Minimum);
	m.setAxisData(40.0, 1, A::Maximum);
	for (int pos : { 0, 1 }) {
		m.setAxisData(false, pos, A::GridVisible);
		m.setAxisData(false, pos, A::MinorGridVisible);
	}
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(&m);
	ASSERT_EQ(chart.seriesCount(), 1);
	BarSeries * s = barSeries(chart);
	ASSERT_TRUE(s != nullptr);
	EXPECT_EQ(s->type(), 5);
	const QwtPlotMultiBarChart * bars = s->barChart();
	ASSERT_EQ(bars->dataSize(), 3u);
	for (size_t i = 0; i < 3; ++i) {
		EXPECT_EQ(bars->sample(i).value, m.m_positions[i]);
		EXPECT_EQ(bars->sample(i).set, QVector<double>(m.m_values[i].begin(), m.m_values[i].end()));
	}
	EXPECT_EQ(bars->barTitles().size(), 2);
	EXPECT_EQ(bars->barTitles()[1].text(), QString("Cooling"));

	// grouped: heating left of the position, cooling right of it
	const QRgb red = 0xFF0000, blue = 0x0000FF, white = 0xFFFFFF;
	EXPECT_EQ(bars->style(), QwtPlotMultiBarChart::Grouped);
	QImage canvas = paintedCanvas(chart);
	EXPECT_EQ(canvasColor(chart, canvas, 1, 5, -4), red);
	EXPECT_EQ(canvasColor(chart, canvas, 1, 5, 4), blue);
	EXPECT_EQ(canvasColor(chart, canvas, 1, 15, -4), white) << "heating of 10 ends below 15";
	EXPECT_EQ(canvasColor(chart, canvas, 1, 15, 4), blue);
	EXPECT_EQ(canvasColor(chart, canvas, 2, 25, -4), red);

	// stacked: cooling on top of heating
	m.setSeriesData(1, 0, B::Style);
	EXPECT_EQ(bars->style(), QwtPlotMultiBarChart::Stacked);
	canvas = paintedCanvas(chart);
	EXPECT_EQ(canvasColor(chart, canvas, 1, 5), red);
	EXPECT_EQ(canvasColor(chart, canvas, 1, 25), blue);
	EXPECT_EQ(canvasColor(chart, canvas, 1, 32), white);
	EXPECT_EQ(canvasColor(chart, canvas, 2, 33), blue);
	EXPECT_EQ(canvasColor(chart, canvas, 2, 36), white);

	// bars have no right axis and no colour bar; the tracker shows x and y only
	EXPECT_FALSE(chart.axisEnabled(QwtPlot::yRight));
	EXPECT_FALSE(m.axisData(2, A::Enabled).toBool());
	EXPECT_FALSE(chart.axisWidget(QwtPlot::yRight)->isColorBarEnabled());
	EXPECT_EQ(chart.picker()->m_units.m_texts[SCI::TrackerUnits::LeftYUnit], QString("kWh"));
	EXPECT_TRUE(chart.picker()->m_units.m_texts[SCI::TrackerUnits::ValueUnit].isEmpty());
}


TEST(SciBarSeriesChart, LayoutRolesReachTheBarsWithNegativeSizesAsZero) {
	ThreeMonths m;
	Chart chart;
	chart.setModel(&m);
	const QwtPlotMultiBarChart * bars = barSeries(chart)->barChart();
	m.setSeriesData(-0.5, 0, B::LayoutHint);
	m.setSeriesData(-3, 0, B::Margin);
	m.setSeriesData(-3, 0, B::Spacing);
	m.setSeriesData(-2.0, 0, B::Baseline);
	m.setSeriesData(QwtPlotAbstractBarChart::FixedSampleSize, 0, B::LayoutPolicy);
	EXPECT_EQ(bars->layoutHint(), 0.0);
	EXPECT_EQ(bars->margin(), 0);
	EXPECT_EQ(bars->spacing(), 0);
	EXPECT_EQ(bars->baseline(), -2.0);
	EXPECT_EQ(bars->layoutPolicy(), QwtPlotAbstractBarChart::FixedSampleSize);
	m.setSeriesData(QString("Energy"), 0, B::TitleText);
	EXPECT_EQ(bars->title().text(), QString("Energy"));
}


TEST(SciBarSeries, NewSymbolsKeepFrameStyleAndLineWidth) {
	BarSeries s(nullptr, "Energy");
	QwtPlotMultiBarChart * bars = s.barChart();
	s.setBarSymbol(0, QPalette(Qt::red));
	ASSERT_TRUE(symbolOf(bars, 0) != nullptr);
	EXPECT_EQ(symbolOf(bars, 0)->style(), QwtColumnSymbol::Box);
	EXPECT_EQ(symbolOf(bars, 0)->frameStyle(), QwtColumnSymbol::Plain);
	EXPECT_EQ(symbolOf(bars, 0)->lineWidth(), 1);

	QwtColumnSymbol * raised = new QwtColumnSymbol(QwtColumnSymbol::Box);
	raised->setFrameStyle(QwtColumnSymbol::Raised);
	raised->setLineWidth(3);
	bars->setSymbol(1, raised);
	s.setBarSymbol(1, QPalette(Qt::green));
	const QwtColumnSymbol * replaced = symbolOf(bars, 1);
	EXPECT_EQ(replaced->frameStyle(), QwtColumnSymbol::Raised);
	EXPECT_EQ(replaced->lineWidth(), 3);
	EXPECT_EQ(replaced->palette().color(QPalette::Window), QColor(Qt::green));
}


TEST(SciBarSeries, IncompleteModelsKeepTheBarsShown) {
	BarModel good({ 0, 1 }, { { 1, 2 }, { 3, 4 } });
	BarSeries s(nullptr, "Energy");
	ASSERT_TRUE(s.setData(&good));
	EXPECT_TRUE(s.dataValid());
	EXPECT_EQ(s.valuesPerSample(), 2u);

	BarModel noSamples({}, {});
	BarModel thirdMissing({ 0, 1, 2, 3 }, { { 1, 2 }, { 3, 4 }, {}, { 5, 6 } });
	BarModel noPositions({ 0, 1 }, { { 1, 2 }, { 3, 4 } });
	noPositions.m_positions.clear();
	BarModel noValues({ 0, 1 }, { {}, {} });
	const BarModel * incomplete[] = { nullptr, &noSamples, &thirdMissing, &noPositions, &noValues };
	for (const BarModel * m : incomplete) {
		EXPECT_FALSE(s.setData(m));
		ASSERT_EQ(s.barChart()->dataSize(), 2u);
		EXPECT_EQ(s.barChart()->sample(1).set, QVector<double>({ 3, 4 }));
	}
}


TEST(SciBarSeriesChart, ModelChangesReplaceTheBarsUnlessIncomplete) {
	ThreeMonths m;
	Chart chart;
	chart.setModel(&m);
	const QwtPlotMultiBarChart * bars = barSeries(chart)->barChart();

	m.changeSamples({ 1, 2 }, { { 1, 1, 1 }, { 2, 2, 2 } });
	ASSERT_EQ(bars->dataSize(), 2u);
	EXPECT_EQ(bars->sample(1).set, QVector<double>({ 2, 2, 2 }));

	m.changeSamples({ 1, 2, 3 }, { { 1, 1, 1 }, { 2, 2, 2 }, {} });
	EXPECT_EQ(bars->dataSize(), 2u);
	m.changeSamples({}, {});
	EXPECT_EQ(bars->dataSize(), 2u);
	EXPECT_EQ(bars->sample(0).set, QVector<double>({ 1, 1, 1 }));

	// a new palette is handed over at once
	m.setBarSymbolInformations({ { QPalette(Qt::green), "Heating" }, { QPalette(Qt::blue), "Cooling" } });
	EXPECT_EQ(symbolOf(bars, 0)->palette().color(QPalette::Window), QColor(Qt::green));
}


TEST(SciBarSeriesChart, ModelWithoutYUnitOrSeriesShowsNoBars) {
	ThreeMonths noUnit;
	noUnit.setAxisData(0u, 1, A::AxisUnit);
	MessageCollector messages;
	Chart chart;
	chart.setModel(&noUnit);
	EXPECT_EQ(chart.seriesCount(), 0);
	ASSERT_EQ(messages.count(BVX::MSG_ERROR), 2);
	std::vector<std::string> errors;
	for (const auto & msg : messages.m_messages)
		if (msg.type == BVX::MSG_ERROR)
			errors.push_back(msg.text);
	EXPECT_EQ(errors[0], "Invalid y-unit returned from BarSeriesModel.");
	EXPECT_EQ(errors[1], "Error creating bar series from model, probably incomplete model implementation.");
	// a later property change finds no series and is ignored
	noUnit.setSeriesData(1, 0, B::Style);
	EXPECT_EQ(chart.seriesCount(), 0);
}
