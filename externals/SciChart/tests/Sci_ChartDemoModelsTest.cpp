// The chart demo models of the screenshots: their data in axis units, their XML files.
#include <cmath>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>

#include <tinyxml.h>

#include <BVX_Exception.h>
#include <BVX_Unit.h>

#include <BVXMK_GridData.h>

#include <Sci_AbstractBarSeriesModel.h>
#include <Sci_AbstractColorGridSeriesModel.h>
#include <Sci_Chart.h>
#include <Sci_LineSeriesContentModel.h>

#include "ChartDemoCharts.h"
#include "ChartDemoModels.h"
#include "Sci_TestHelpers.h"

using A = SCI::AbstractCartesianChartModel;
using S = SCI::AbstractLineSeriesModel;

TEST(SciChartDemoModels, YearOnATimeAxisAndWallOverMetres) {
	std::vector<ChartDemoModels::Demo> demos = ChartDemoModels::createDemos();
	ASSERT_EQ(demos.size(), 2u);
	const SCI::LineSeriesContentModel & year = *demos[0].m_model;
	ASSERT_EQ(year.seriesCount(), 2);
	EXPECT_EQ(year.seriesData(0, S::ValueCount).toInt(), 8760);
	EXPECT_TRUE(year.axisData(0, A::DateTimeEnabled).toBool());
	EXPECT_FALSE(year.seriesData(1, S::LeftAxis).toBool());
	EXPECT_EQ(year.axisData(1, A::AxisUnit).toUInt(), BVX::Unit("C").id());
	EXPECT_EQ(year.axisData(2, A::AxisUnit).toUInt(), BVX::Unit("W").id());
	// the last hour ends the year
	EXPECT_EQ(year.xValues(0)[8759], double(QDateTime(QDate(2022, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch()));
	// heating load: 80 W/K below 20 C
	for (unsigned int i : { 0u, 4000u, 8759u }) {
		double t = year.yValues(0)[i];
		EXPECT_NEAR(year.yValues(1)[i], std::max(0.0, 80 * (20 - t)), 1e-9);
	}

	// steady state through the wall: the surface resistances take their share of 25 K
	const SCI::LineSeriesContentModel & wall = *demos[1].m_model;
	ASSERT_EQ(wall.seriesData(0, S::ValueCount).toInt(), 4);
	EXPECT_EQ(wall.axisData(0, A::AxisUnit).toUInt(), BVX::Unit("m").id());
	EXPECT_NEAR(wall.xValues(0)[3], 0.31, 1e-12);
	const double r = 0.13 + 0.015 / 0.7 + 0.175 / 0.99 + 0.12 / 0.035 + 0.04;
	const double q = 25 / r;
	EXPECT_NEAR(wall.yValues(0)[0], 20 - q * 0.13, 1e-9);
	EXPECT_NEAR(wall.yValues(0)[3], -5 + q * 0.04, 1e-9);
	// the resistance series sums the layers from the room air on the right axis
	ASSERT_EQ(wall.seriesCount(), 2);
	EXPECT_FALSE(wall.seriesData(1, S::LeftAxis).toBool());
	EXPECT_NEAR(wall.yValues(1)[3], r - 0.04, 1e-12);
	EXPECT_TRUE(wall.axisData(2, A::Logarithmic).toBool());
}


TEST(SciChartDemoModels, PropertiesAreWrittenAsChartDemoFiles) {
	QTemporaryDir dir;
	const QStringList files = ChartDemoModels::writeDemoProperties(dir.path());
	ASSERT_EQ(files.size(), 2);
	EXPECT_EQ(QFileInfo(files[0]).fileName(), QString("chart-demo-year.xml"));
	EXPECT_EQ(QFileInfo(files[1]).fileName(), QString("chart-demo-wall.xml"));

	// the file restores the demo's properties on a model holding its data
	TiXmlDocument doc;
	ASSERT_TRUE(doc.LoadFile(files[0].toStdString()));
	std::vector<ChartDemoModels::Demo> demos = ChartDemoModels::createDemos();
	SCI::LineSeriesContentModel & year = *demos[0].m_model;
	const std::string written = SCI_Test::writeToText(year);
	year.clearCachedData();
	year.readXML(doc.RootElement());
	EXPECT_EQ(year.seriesData(1, S::TitleText).toString(), QString("Heating load"));
	EXPECT_TRUE(year.axisData(0, A::DateTimeEnabled).toBool());

	EXPECT_THROW(ChartDemoModels::writeDemoProperties(dir.path() + "/missing/folder"), BVX::Exception);
}


TEST(SciChartDemoModels, ChartsRenderOnScreenAndForPrint) {
	QTemporaryDir dir;
	const QStringList files = ChartDemoCharts::renderDemoCharts(dir.path(), QSize(400, 250));
	const char * names[] = { "chart-demo-line.png", "chart-demo-line-print.png", "chart-demo-line-inside.png",
							 "chart-demo-zoomed.png", "chart-demo-legend-moved.png",
							 "chart-demo-wall.png", "chart-demo-wall-print.png", "chart-demo-proportional.png",
							 "chart-demo-bars.png", "chart-demo-colorgrid.png" };
	const int count = int(sizeof(names) / sizeof(names[0]));
	ASSERT_EQ(files.size(), count);
	for (int i = 0; i < count; ++i) {
		EXPECT_EQ(QFileInfo(files[i]).fileName(), QString(names[i]));
		const QImage img(files[i]);
		ASSERT_FALSE(img.isNull()) << names[i];
		// print images at twice the widget's resolution
		EXPECT_EQ(img.width(), QString(names[i]).contains("print") ? 800 : 400) << names[i];
	}
	// grouped and stacked bars one above the other
	EXPECT_EQ(QImage(dir.filePath("chart-demo-bars.png")).height(), 500);
	EXPECT_THROW(ChartDemoCharts::renderDemoCharts(dir.filePath("missing/folder")), BVX::Exception);
}


TEST(SciChartDemoModels, BarAndColorGridDemos) {
	using B = SCI::AbstractBarSeriesModel;
	using G = SCI::AbstractColorGridSeriesModel;
	std::unique_ptr<B> bars = ChartDemoModels::createBarDemo();
	ASSERT_EQ(bars->sampleCount(), 12);
	ASSERT_EQ(bars->valuesPerSample(), 2u);
	EXPECT_EQ(bars->samplePositions()[0], 1.0);
	// January: mean air 9 - 10 cos(2 pi (365 - 480) / 8760) C, 80 W/K below 18 C over 730 h
	const double tJan = 9 - 10 * std::cos(2 * 3.14159265358979323846 * (365.0 - 480) / 8760);
	EXPECT_NEAR(bars->sampleValues(0)[0], 0.08 * (18 - tJan) * 730, 1e-9);
	EXPECT_EQ(bars->sampleValues(0)[1], 0.0);
	EXPECT_GT(bars->sampleValues(6)[1], 0.0) << "cooling in July";
	EXPECT_EQ(bars->barCount(), 2u);

	std::unique_ptr<G> grid = ChartDemoModels::createColorGridDemo();
	ASSERT_EQ(grid->xGridSize(), grid->xValueCount() + 1);
	ASSERT_EQ(grid->yGridSize(), grid->yValueCount() + 1);
	int noValue = 0, nan = 0;
	for (unsigned int k = 0; k < grid->xValueCount() * grid->yValueCount(); ++k) {
		const SCI::ColorGridCell & c = grid->cells()[k];
		if (!c.hasValue())
			++noValue;
		else if (std::isnan(grid->values()[c.m_valueIndex]))
			++nan;
	}
	EXPECT_EQ(noValue, 1);
	EXPECT_EQ(nan, 1);
	ASSERT_TRUE(grid->constructionLineData() != nullptr);
	EXPECT_FALSE(grid->constructionLineData()->hasNoPoints());
}


/*! The month labels of the year chart (no axis title below them) stand inside the bottom
	axis: Qwt measures a label without the descent of its font but draws "May" and "July"
	into it, and the axis widget has no margin. */
TEST(SciChartDemoModels, DateLabelsFitTheBottomAxis) {
	std::vector<ChartDemoModels::Demo> demos = ChartDemoModels::createDemos();
	SCI::Chart chart;
	chart.resize(800, 450);
	chart.setModel(demos[0].m_model.get());
	chart.show();
	QApplication::processEvents();
	chart.replot();
	const QwtScaleWidget * axis = chart.axisWidget(QwtPlot::xBottom);
	const QwtScaleDraw * draw = axis->scaleDraw();
	ASSERT_TRUE(axis->title().isEmpty());
	// label tops below the ticks, label bottoms at the descent below their measured height
	const double bottom = axis->margin() + draw->maxTickLength() + draw->spacing()
			+ draw->maxLabelHeight(axis->font()) + QFontMetricsF(axis->font()).descent();
	EXPECT_LE(bottom, axis->height());
	chart.setModel(nullptr);
}
