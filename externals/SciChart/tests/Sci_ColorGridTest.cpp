// Colour grids: the spectrogram's cells, interpolation, contour lines and construction
// lines against hand-computed values, the series' contour levels, and the chart with
// its colour bar, tracker value and model changes.
#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QThreadPool>

#include <qwt_color_map.h>
#include <qwt_picker.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>

#include <BVX_Exception.h>
#include <BVXMK_GridData.h>

#include <Sci_Chart.h>
#include <Sci_ColorGridSeries.h>
#include <Sci_ColorMapCreator.h>
#include <Sci_PlotPicker.h>
#include <Sci_PlotSpectrogram.h>

#include "Sci_TestHelpers.h"
#include "Sci_TestModels.h"

using SCI::Chart;
using SCI::ColorGridSeries;
using SCI::PlotSpectrogram;
using SCI_Test::BarModel;
using SCI_Test::GridModel;
using SCI_Test::MessageCollector;
using A = SCI::AbstractCartesianChartModel;
using G = SCI::AbstractColorGridSeriesModel;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

/*! Exposes the rendering of the spectrogram. */
class TestSpectrogram : public PlotSpectrogram {
public:
	using PlotSpectrogram::renderImage;
	using PlotSpectrogram::renderContourLines;
};

/*! A grid kept alive for the spectrogram: cells with value index = cell index, except those
	listed in noValue. */
struct Grid {
	Grid(std::vector<double> x, std::vector<double> y, unsigned int columns, std::vector<double> v,
		 std::set<unsigned int> noValue = {}) :
		m_model(x, y, columns, v, noValue) {}

	ColorGridSeries * series(Chart * chart = nullptr) {
		m_series.reset(new ColorGridSeries(chart, QString()));
		m_series->setData(m_model.xGridSize(), m_model.xGrid(), m_model.yGridSize(), m_model.yGrid(),
						  m_model.xValueCount(), m_model.yValueCount(), m_model.values(), m_model.cells());
		return m_series.get();
	}
	/*! Hands the grid to spectrogram with the z range. */
	void setTo(PlotSpectrogram & spectrogram, double zMin, double zMax, bool interpolate = false) {
		SCI::ColorGrid3DData * data = new SCI::ColorGrid3DData(
			m_model.xGridSize(), m_model.xGrid(), m_model.yGridSize(), m_model.yGrid(), m_model.xValueCount(),
			m_model.yValueCount(), m_model.values(), m_model.cells());
		data->setInterval(Qt::ZAxis, QwtInterval(zMin, zMax));
		spectrogram.setData(data, interpolate);
		spectrogram.setColorMap(SCI::ColorMapCreator::createColorMap(SCI::ColorMap(), false));
	}

	GridModel							m_model;
	std::unique_ptr<ColorGridSeries>	m_series;
};

/*! Maps of the plot area onto an image of width x height pixels, 0 at the top. */
struct Maps {
	Maps(const QRectF & area, const QSize & size) : m_area(area), m_size(size) {
		m_x.setScaleInterval(area.left(), area.right());
		m_x.setPaintInterval(0, size.width());
		m_y.setScaleInterval(area.top(), area.bottom());
		m_y.setPaintInterval(size.height(), 0);
	}
	QImage render(const TestSpectrogram & spectrogram) const { return spectrogram.renderImage(m_x, m_y, m_area, m_size); }

	QRectF		m_area;
	QSize		m_size;
	QwtScaleMap	m_x;
	QwtScaleMap	m_y;
};

/*! The default map (red to blue) over 0..10. */
QRgb expectedColor(double v, double zMin = 0, double zMax = 10) {
	std::unique_ptr<QwtColorMap> map(SCI::ColorMapCreator::createColorMap(SCI::ColorMap(), false));
	return map->rgb(QwtInterval(zMin, zMax), v);
}

bool isDark(QRgb c) {
	return qAlpha(c) == 255 && qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60;
}

} // namespace


TEST(SciPlotSpectrogram, CellAndPointLayoutsAreAcceptedOtherSizesRejected) {
	struct Case { unsigned int xGrid, yGrid, columns, rows; const char * error; };
	const Case cases[] = {
		{ 4, 3, 3, 2, nullptr },	// cells: boundaries in x
		{ 4, 3, 4, 2, nullptr },	// points: positions in x
		{ 5, 3, 3, 2, "Invalid x-grid and x-value sizes." },
		{ 2, 3, 3, 2, "Invalid x-grid and x-value sizes." },
		{ 4, 2, 3, 2, "Invalid y-grid and y-value sizes." },
		{ 4, 3, 3, 3, "Invalid y-grid and y-value sizes." },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(testing::Message() << c.xGrid << " " << c.yGrid << " " << c.columns << " " << c.rows);
		std::vector<double> x(c.xGrid), y(c.yGrid), v(c.columns * c.rows, 1.0);
		for (unsigned int i = 0; i < x.size(); ++i)
			x[i] = i;
		for (unsigned int i = 0; i < y.size(); ++i)
			y[i] = i;
		Grid g(x, y, c.columns, v);
		if (c.error == nullptr) {
			EXPECT_TRUE(g.series()->dataValid());
			continue;
		}
		try {
			g.series();
			ADD_FAILURE() << "accepted";
		}
		catch (BVX::Exception & ex) {
			EXPECT_STREQ(ex.what(), c.error);
			EXPECT_EQ(ex.messages().back().m_functionID, "[ColorGridSeries::setData]");
		}
		TestSpectrogram spectrogram;
		EXPECT_THROW(g.setTo(spectrogram, 0, 1), BVX::Exception);
		EXPECT_TRUE(spectrogram.gridData() == nullptr);
	}

	// a refused grid leaves the series with its previous one, marked invalid
	Grid good({ 0, 1, 2 }, { 0, 1 }, 2, { 3, 4 });
	ColorGridSeries * s = good.series();
	const SCI::ColorGrid3DData * before = s->spectrogram()->gridData();
	EXPECT_THROW(s->setData(3, good.m_model.xGrid(), 2, good.m_model.yGrid(), 1, 1, good.m_model.values(),
							good.m_model.cells()), BVX::Exception);
	EXPECT_FALSE(s->dataValid());
	EXPECT_EQ(s->spectrogram()->gridData(), before);
	EXPECT_EQ(s->spectrogram()->value(1.5, 0.5), 4.0);
}


TEST(SciPlotSpectrogram, CellsTakeTheMapColourNaNIsWhiteNoValueTransparent) {
	// x boundaries 0 1 3 4, y boundaries 0 2 3; upper row: NaN, no value, 2.5
	Grid g({ 0, 1, 3, 4 }, { 0, 2, 3 }, 3, { 0, 5, 10, NaN, 7, 2.5 }, { 4 });
	TestSpectrogram spectrogram;
	g.setTo(spectrogram, 0, 10);
	EXPECT_EQ(spectrogram.renderThreadCount(), 1u);
	// 10 pixels per metre
	const Maps maps(QRectF(0, 0, 4, 3), QSize(40, 30));
	const QImage img = maps.render(spectrogram);
	ASSERT_EQ(img.size(), QSize(40, 30));
	EXPECT_EQ(img.format(), QImage::Format_ARGB32);
	struct Probe { int px, py; QRgb expected; };
	const Probe probes[] = {
		{ 5, 20, expectedColor(0) }, { 20, 20, expectedColor(5) }, { 35, 20, expectedColor(10) },
		{ 0, 29, expectedColor(0) }, { 9, 10, expectedColor(0) }, { 10, 10, expectedColor(5) },
		{ 5, 5, 0xFFFFFFFFu }, { 35, 5, expectedColor(2.5) }, { 39, 0, expectedColor(2.5) },
	};
	for (const Probe & p : probes)
		EXPECT_EQ(img.pixel(p.px, p.py), p.expected) << p.px << "," << p.py;
	EXPECT_EQ(qAlpha(img.pixel(20, 5)), 0) << "cell without value";
	EXPECT_EQ(qAlpha(img.pixel(10, 9)), 0);
	EXPECT_EQ(qRed(expectedColor(0)), 255);
	EXPECT_EQ(qBlue(expectedColor(10)), 255);

	// outside the grid nothing is painted
	const Maps wide(QRectF(-1, 0, 6, 3), QSize(60, 30));
	const QImage wideImg = wide.render(spectrogram);
	EXPECT_EQ(qAlpha(wideImg.pixel(5, 20)), 0);
	EXPECT_EQ(wideImg.pixel(15, 20), expectedColor(0));
	EXPECT_EQ(qAlpha(wideImg.pixel(55, 20)), 0);

	// nothing to draw: a null image
	EXPECT_TRUE(spectrogram.renderImage(maps.m_x, maps.m_y, QRectF(), maps.m_size).isNull());
}


TEST(SciPlotSpectrogram, InvalidZRangeIsLoggedAndGivesATransparentImage) {
	Grid g({ 0, 1 }, { 0, 1 }, 1, { 5 });
	for (double zMax : { -1.0, NaN }) {
		TestSpectrogram spectrogram;
		g.setTo(spectrogram, 0, zMax);
		MessageCollector messages;
		const QImage img = Maps(QRectF(0, 0, 1, 1), QSize(10, 10)).render(spectrogram);
		ASSERT_EQ(messages.m_messages.size(), 1u);
		EXPECT_EQ(messages.m_messages[0].text, "Invalid data/z-value range.");
		EXPECT_EQ(messages.m_messages[0].type, BVX::MSG_ERROR);
		EXPECT_EQ(messages.m_messages[0].functionID, "[SciSpectrogramChart::renderImage]");
		ASSERT_FALSE(img.isNull());
		EXPECT_EQ(qAlpha(img.pixel(5, 5)), 0);
	}
}


TEST(SciPlotSpectrogram, BilinearInterpolationBetweenHandComputedCorners) {
	// cells x 0..1..3, y 0..1..2 with values 0 6 / 4 10. At the inner x boundary the value
	// runs linearly between the centres 0.5 and 2: 0 + 0.5/1.5 * 6 = 2 (4 + 6/3 = 6 above).
	// Corner rows: y=0: 0 2 6; y=1 (mean of the rows): 2 4 8; y=2: 4 6 10.
	Grid g({ 0, 1, 3 }, { 0, 1, 2 }, 2, { 0, 6, 4, 10 });
	TestSpectrogram spectrogram;
	g.setTo(spectrogram, 0, 10, true);
	struct Case { double x, y, z; };
	const Case cases[] = {
		{ 0, 0, 0 }, { 1, 0, 2 }, { 3, 0, 6 }, { 1, 1, 4 }, { 3, 2, 10 }, { 0, 2, 4 },
		{ 2, 0.5, 5 },			// centre of cell (1, 0): mean of 2 6 8 4
		{ 1.5, 0.25, 3.5 },		// a = b = 0.25
		{ 0.5, 1.5, 4 },		// centre of cell (0, 1): mean of 2 4 6 4
	};
	for (const Case & c : cases)
		EXPECT_NEAR(spectrogram.value(c.x, c.y), c.z, 1e-12) << c.x << "," << c.y;

	// the image samples pixel centres: pixel (14, 17) at x 1.45, y 0.25 gives
	// 0.75 * (0.775 * 2 + 0.225 * 6) + 0.25 * (0.775 * 4 + 0.225 * 8) = 3.4
	const QImage img = Maps(QRectF(0, 0, 3, 2), QSize(30, 20)).render(spectrogram);
	EXPECT_EQ(img.pixel(14, 17), expectedColor(3.4));

	// without interpolation each cell shows its own value
	spectrogram.setInterpolation(false);
	EXPECT_EQ(spectrogram.value(1.5, 0.25), 6.0);
	EXPECT_EQ(Maps(QRectF(0, 0, 3, 2), QSize(30, 20)).render(spectrogram).pixel(14, 17), expectedColor(6));
}


TEST(SciPlotSpectrogram, NeighbourWithoutValueLeavesTheCellItsOwnValueAtTheBoundary) {
	// the left cell has no value: the right cell's left boundary takes its own value 8
	Grid g({ 0, 1, 2 }, { 0, 1 }, 2, { 3, 8 }, { 0 });
	TestSpectrogram spectrogram;
	g.setTo(spectrogram, 0, 10, true);
	// x = 1 itself belongs to the left cell
	EXPECT_TRUE(std::isnan(spectrogram.value(1, 0.5)));
	EXPECT_EQ(spectrogram.value(1.01, 0.5), 8.0);
	EXPECT_EQ(spectrogram.value(1.5, 0.5), 8.0);
	EXPECT_TRUE(std::isnan(spectrogram.value(0.5, 0.5)));
}


TEST(SciPlotSpectrogram, InterpolatedNaNCellStaysInItsCell) {
	// the boundary between NaN and 8 is NaN: the right cell leaves it out
	Grid g({ 0, 1, 2 }, { 0, 1 }, 2, { NaN, 8 });
	TestSpectrogram spectrogram;
	g.setTo(spectrogram, 0, 10, true);
	EXPECT_TRUE(std::isnan(spectrogram.value(0.5, 0.5)));
	EXPECT_EQ(spectrogram.value(1.2, 0.5), 8.0);
	const QImage img = Maps(QRectF(0, 0, 2, 1), QSize(20, 10)).render(spectrogram);
	EXPECT_EQ(img.pixel(5, 5), 0xFFFFFFFFu);
	EXPECT_EQ(img.pixel(10, 5), expectedColor(8));
}


TEST(SciPlotSpectrogram, PointLayoutShowsTheNearerPointUpToTheLastColumn) {
	// value columns at x = 0, 2, 3
	Grid g({ 0, 2, 3 }, { 0, 1 }, 3, { 1, 5, 9 });
	TestSpectrogram spectrogram;
	g.setTo(spectrogram, 0, 10);
	struct Case { double x, z; };
	const Case cases[] = { { -1, 1 }, { 0, 1 }, { 0.9, 1 }, { 1.0, 1 }, { 1.2, 5 }, { 2.4, 5 }, { 2.6, 9 }, { 3, 9 },
						   { 3.01, NaN }, { 100, NaN } };
	for (const Case & c : cases) {
		const double z = spectrogram.value(c.x, 0.5);
		if (std::isnan(c.z))
			EXPECT_TRUE(std::isnan(z)) << c.x;
		else
			EXPECT_EQ(z, c.z) << c.x;
	}
	// the image ends at the last point; its column adds no cell of its own
	const QImage img = Maps(QRectF(0, 0, 4, 1), QSize(40, 10)).render(spectrogram);
	EXPECT_EQ(img.pixel(5, 5), expectedColor(1));
	EXPECT_EQ(img.pixel(15, 5), expectedColor(5));
	EXPECT_EQ(img.pixel(29, 5), expectedColor(9));
	EXPECT_EQ(qAlpha(img.pixel(30, 5)), 0);

	// interpolated: linear between the points, the last column too
	spectrogram.setInterpolation(true);
	EXPECT_NEAR(spectrogram.value(1, 0.5), 3, 1e-12);
	EXPECT_NEAR(spectrogram.value(2.9, 0.5), 8.6, 1e-12);
	EXPECT_NEAR(spectrogram.value(3, 0.5), 9, 1e-12);
}


TEST(SciPlotSpectrogram, ValueAtAndBeyondTheEdges) {
	// cells 0..1..3 in x, 0..1..2 in y: values 1 2 / 3 4
	Grid g({ 0, 1, 3 }, { 0, 1, 2 }, 2, { 1, 2, 3, 4 });
	TestSpectrogram spectrogram;
	EXPECT_TRUE(std::isnan(spectrogram.value(0.5, 0.5))) << "no grid";
	g.setTo(spectrogram, 0, 10);
	struct Case { double x, y, z; };
	const Case cases[] = {
		{ 0, 0, 1 }, { -5, -5, 1 },		// left of and below the grid: the first cell
		{ 1, 1, 1 }, { 1.01, 1, 2 }, { 3, 2, 4 }, { 0.5, 2, 3 },
		{ 3.5, 0.5, NaN }, { 0.5, 2.5, NaN }, { NaN, 0.5, NaN },
	};
	for (const Case & c : cases) {
		const double z = spectrogram.value(c.x, c.y);
		if (std::isnan(c.z))
			EXPECT_TRUE(std::isnan(z)) << c.x << "," << c.y;
		else
			EXPECT_EQ(z, c.z) << c.x << "," << c.y;
	}
	EXPECT_EQ(spectrogram.boundingRect(), QRectF(0, 0, 3, 2));
}


TEST(SciPlotSpectrogram, ContourSegmentsOnThePlaneZEqualsX) {
	// points at x = 0 1 2 3 in two rows of cells, z = x everywhere: each level is cut
	// where x equals it. A level inside a column cuts three of the four triangles of
	// each cell, two when it passes the cell centre, and a level through grid points
	// gives the edge of one triangle on each side.
	Grid g({ 0, 1, 2, 3 }, { 0, 1, 3 }, 4, { 0, 1, 2, 3, 0, 1, 2, 3 });
	TestSpectrogram spectrogram;
	g.setTo(spectrogram, 0, 3);
	spectrogram.setContourLevels({ 0.25, 1, 1.5, 2.75 });
	const QwtRasterData::ContourLines lines = spectrogram.renderContourLines(QRectF(0, 0, 3, 3), QSize(10, 10));
	struct Case { double level; int segments; };
	const Case cases[] = { { 0.25, 6 }, { 1, 4 }, { 1.5, 4 }, { 2.75, 6 } };
	for (const Case & c : cases) {
		ASSERT_TRUE(lines.contains(c.level)) << c.level;
		const QPolygonF & line = lines[c.level];
		EXPECT_EQ(line.size(), 2 * c.segments) << c.level;
		for (const QPointF & p : line)
			EXPECT_NEAR(p.x(), c.level, 1e-12) << c.level;
	}

	// out-of-range cells are skipped when asked: the last column reaches z = 3 > 2
	spectrogram.setConrecFlag(QwtRasterData::IgnoreOutOfRange, true);
	g.setTo(spectrogram, 0, 2);
	const QwtRasterData::ContourLines inRange = spectrogram.renderContourLines(QRectF(0, 0, 3, 3), QSize(10, 10));
	EXPECT_FALSE(inRange.contains(2.75));
	EXPECT_EQ(inRange.value(0.25).size(), 12);

	// no levels or an invalid raster: no lines
	EXPECT_TRUE(spectrogram.renderContourLines(QRectF(0, 0, 3, 3), QSize()).isEmpty());
	spectrogram.setContourLevels({});
	EXPECT_TRUE(spectrogram.renderContourLines(QRectF(0, 0, 3, 3), QSize(10, 10)).isEmpty());
}


TEST(SciPlotSpectrogram, ConstructionLinesAreDrawnIntoTheImage) {
	Grid g({ 0, 3 }, { 0, 3 }, 1, { 0 });
	TestSpectrogram spectrogram;
	g.setTo(spectrogram, 0, 10);
	BVX::GridData lines(BVX::Unit(1));
	lines.m_horizontalLines.push_back(BVX::GridLine{ 1, 0, 2 });	// y = 1 from x 0 to 2
	lines.m_verticalMajorLines.push_back(BVX::GridLine{ 2, 0, 3 });	// x = 2, twice as wide
	spectrogram.setConstructionLines(lines);
	const Maps maps(QRectF(0, 0, 3, 3), QSize(30, 30));

	// 10 pixels per metre: y = 1 is pixel row 20, x = 2 pixel column 20
	auto darkRows = [](const QImage & img, int px) {
		int n = 0;
		for (int py = 17; py <= 23; ++py)
			n += isDark(img.pixel(px, py)) ? 1 : 0;
		return n;
	};
	auto darkColumns = [](const QImage & img, int py) {
		int n = 0;
		for (int px = 16; px <= 24; ++px)
			n += isDark(img.pixel(px, py)) ? 1 : 0;
		return n;
	};
	QImage img = maps.render(spectrogram);
	EXPECT_EQ(darkRows(img, 5), 1) << "horizontal line one pixel wide";
	EXPECT_EQ(darkRows(img, 26), 0) << "the line ends at x = 2";
	EXPECT_EQ(darkColumns(img, 5), 2) << "major line twice as wide";
	EXPECT_EQ(img.pixel(5, 5), expectedColor(0));

	spectrogram.setConstructionLinePen(Qt::NoPen);
	img = maps.render(spectrogram);
	EXPECT_EQ(darkRows(img, 5), 0);
	EXPECT_EQ(darkColumns(img, 5), 0);
}


TEST(SciColorGridSeries, ContourLevelsStartAtTheMinimumAndStayBelowTheMaximum) {
	Grid g({ 0, 1 }, { 0, 1 }, 1, { 0.5 });
	ColorGridSeries * s = g.series();
	PlotSpectrogram * spectrogram = s->spectrogram();
	EXPECT_TRUE(spectrogram->testDisplayMode(QwtPlotSpectrogram::ImageMode));
	s->setContourLineDistance(0.25);
	EXPECT_TRUE(spectrogram->contourLevels().isEmpty()) << "no z range yet";
	struct Case { double zMin, zMax, d; QList<double> levels; };
	const Case cases[] = {
		{ 0, 1, 0.25, { 0, 0.25, 0.5, 0.75 } },
		{ 2, 3.1, 0.5, { 2, 2.5, 3 } },
		{ -1, 1, 1, { -1, 0 } },
		{ 1, 1, 0.5, {} },
	};
	for (const Case & c : cases) {
		s->setZRange(QwtInterval(c.zMin, c.zMax));
		s->setContourLineDistance(c.d);
		EXPECT_EQ(spectrogram->contourLevels(), c.levels) << c.zMin << ".." << c.zMax << " by " << c.d;
	}
	// the levels follow the z range; a new grid keeps the range and the levels
	s->setContourLineDistance(1);
	s->setZRange(QwtInterval(0, 3));
	EXPECT_EQ(spectrogram->contourLevels(), QList<double>({ 0, 1, 2 }));
	s->setData(g.m_model.xGridSize(), g.m_model.xGrid(), g.m_model.yGridSize(), g.m_model.yGrid(), 1, 1,
			   g.m_model.values(), g.m_model.cells());
	EXPECT_EQ(spectrogram->gridData()->interval(Qt::ZAxis), QwtInterval(0, 3));
	EXPECT_EQ(spectrogram->contourLevels(), QList<double>({ 0, 1, 2 }));
}


TEST(SciColorGridSeries, BadContourDistancesAreRefusedAndLevelsCapped) {
	Grid g({ 0, 1 }, { 0, 1 }, 1, { 0.5 });
	ColorGridSeries * s = g.series();
	s->setZRange(QwtInterval(0, 1));
	s->setContourLineDistance(0.5);
	const QList<double> levels = { 0, 0.5 };
	for (double d : { 0.0, -1.0, std::numeric_limits<double>::infinity(), NaN }) {
		MessageCollector messages;
		s->setContourLineDistance(d);
		EXPECT_EQ(s->spectrogram()->contourLevels(), levels) << d;
		EXPECT_EQ(s->contourLineDistance(), 0.5);
		// NaN means "no distance set" and passes silently
		EXPECT_EQ(messages.count(BVX::MSG_ERROR), std::isnan(d) ? 0 : 1) << d;
	}

	// a tiny distance: the first 1000 levels and an error
	MessageCollector messages;
	s->setContourLineDistance(1e-9);
	const QList<double> capped = s->spectrogram()->contourLevels();
	ASSERT_EQ(capped.size(), ColorGridSeries::MAX_CONTOUR_LEVELS);
	EXPECT_EQ(capped.back(), 999 * 1e-9);
	ASSERT_EQ(messages.count(BVX::MSG_ERROR), 1);
	EXPECT_NE(messages.m_messages[0].text.find("1000"), std::string::npos);
}


TEST(SciColorGridSeries, ContourPenDisplayTypeAndInterpolation) {
	Grid g({ 0, 1 }, { 0, 1 }, 1, { 0.5 });
	ColorGridSeries * s = g.series();
	PlotSpectrogram * spectrogram = s->spectrogram();
	const QPen pen(Qt::darkGreen, 2, Qt::DashLine);
	s->setContourPen(pen);
	// coloured by level: Qwt asks contourPen, which takes the colour of the level
	EXPECT_EQ(spectrogram->defaultContourPen().style(), Qt::NoPen);
	s->setZRange(QwtInterval(0, 10));
	s->setColorMap(SCI::ColorMapCreator::createColorMap(SCI::ColorMap(), false));
	const QPen levelPen = spectrogram->contourPen(5);
	EXPECT_EQ(levelPen.color().rgba(), expectedColor(5));
	EXPECT_EQ(levelPen.style(), Qt::DashLine);
	EXPECT_EQ(levelPen.widthF(), 2.0);
	s->setContourLinesColoredByLevel(false);
	EXPECT_EQ(spectrogram->defaultContourPen(), pen);

	struct Case { int type; bool image, contours; };
	const Case cases[] = { { 2, false, true }, { 3, true, true }, { 1, true, false }, { 0, true, false }, { 4, true, true } };
	for (const Case & c : cases) {
		s->setDisplayType(c.type);
		EXPECT_EQ(spectrogram->testDisplayMode(QwtPlotSpectrogram::ImageMode), c.image) << c.type;
		EXPECT_EQ(spectrogram->testDisplayMode(QwtPlotSpectrogram::ContourMode), c.contours) << c.type;
	}
	s->setInterpolationMode(2);
	EXPECT_TRUE(spectrogram->interpolation());
	s->setInterpolationMode(0);
	EXPECT_FALSE(spectrogram->interpolation());
}


TEST(SciColorGridSeriesModel, RolesFollowTheSetterPattern) {
	GridModel m({ 0, 1 }, { 0, 1 }, 1, { 0.5 });
	QSignalSpy spy(&m, &SCI::AbstractChartModel::seriesViewChanged);
	SCI::ColorMap greens;
	greens.setLinearMap(Qt::white, Qt::darkGreen, 4);
	struct Case { int role; QVariant value; QVariant bad; };
	const Case cases[] = {
		{ G::ColorMapDefinition, QVariant::fromValue(greens), 42 },
		{ G::TitleText, QString("Temperatures"), QVariant() },
		{ G::ColorMapMinColor, QColor(Qt::yellow), QSize(1, 1) },
		{ G::ColorMapMaxColor, QColor(Qt::black), QSize(1, 1) },
		{ G::ColorMapSteps, 4, 1 },
		{ G::ZRange, QVariant::fromValue(SCI::Range(-5, 5)), 42 },
		{ G::Interpolation, 2, QString("abc") },
		{ G::DisplayType, 3, QString("abc") },
		{ G::RightAxis, false, QVariant() },
		{ G::ContourLinesColoredByLevel, false, QVariant() },
		{ G::ContourLineDistance, 0.5, QString("abc") },
		{ G::ContourPen, QPen(Qt::red, 2), QColor(Qt::red) },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.role);
		EXPECT_TRUE(m.setSeriesData(m.seriesData(0, c.role), 0, c.role));
		EXPECT_EQ(spy.count(), 0);
		if (c.bad.isValid()) {
			EXPECT_FALSE(m.setSeriesData(c.bad, 0, c.role));
			EXPECT_EQ(spy.count(), 0);
		}
		EXPECT_TRUE(m.setSeriesData(c.value, 0, c.role));
		ASSERT_EQ(spy.count(), 1);
		EXPECT_EQ(spy.takeFirst(), QList<QVariant>({ 0, 0, c.role }));
	}
	EXPECT_TRUE(m.seriesData(0, G::ColorMapDefinition).value<SCI::ColorMap>() != greens);
	// the ramp roles rebuild the map: yellow to black in 4 steps
	const SCI::ColorMap ramp = m.seriesData(0, G::ColorMapDefinition).value<SCI::ColorMap>();
	ASSERT_EQ(ramp.m_colorStops.size(), 5u);
	EXPECT_EQ(ramp.m_colorStops.front().m_color, QColor(Qt::yellow));
	EXPECT_EQ(ramp.m_colorStops.back().m_color, QColor(Qt::black));
	EXPECT_EQ(m.seriesData(0, G::ZRange).value<SCI::Range>(), SCI::Range(-5, 5));
	// NaN distance (no contour lines) equals NaN
	m.setSeriesData(NaN, 0, G::ContourLineDistance);
	spy.clear();
	EXPECT_TRUE(m.setSeriesData(NaN, 0, G::ContourLineDistance));
	EXPECT_EQ(spy.count(), 0);
	// the grid and the unused numbers are read only
	for (int role : { 0, 1, 2, 3, 4, 5, 6, 7, int(G::Title), 14, 15, int(G::NUM_SDR) })
		EXPECT_FALSE(m.setSeriesData(1, 0, role)) << role;
	EXPECT_EQ(m.seriesData(0, G::XGrid).value<const double *>(), m.m_x.data());
	EXPECT_EQ(m.seriesData(0, G::Cells).value<const SCI::ColorGridCell *>(), m.m_cells.data());
	EXPECT_EQ(m.seriesData(0, G::YGridSize).toUInt(), 2u);
	EXPECT_EQ(QMetaType::type("SCI::Range"), qMetaTypeId<SCI::Range>());
}


namespace {

/*! 2 x 2 cells over 0..2 m by 0..1 m; values 10 20 / NaN 40, z range 0..40. */
class ChartGrid : public GridModel {
public:
	ChartGrid() : GridModel({ 0, 1, 2 }, { 0, 0.5, 1 }, 2, { 10, 20, NaN, 40 }), m_lines(BVX::Unit(1)) {
		setSeriesData(QVariant::fromValue(SCI::Range(0, 40)), 0, G::ZRange);
		m_lines.m_verticalLines.push_back(BVX::GridLine{ 1, 0, 1 });
		m_lines.m_horizontalLines.push_back(BVX::GridLine{ 0.5, 0, 2 });
	}
	const BVX::GridData * constructionLineData() const override { return &m_lines; }
	BVX::GridData m_lines;
};

ColorGridSeries * colorGrid(const Chart & chart) {
	return qobject_cast<ColorGridSeries *>(chart.seriesAt(0));
}

QPoint canvasPixel(const Chart & chart, double x, double y) {
	return QPoint(qRound(chart.canvasMap(QwtPlot::xBottom).transform(x)),
				  qRound(chart.canvasMap(QwtPlot::yLeft).transform(y)));
}

} // namespace


TEST(SciColorGridChart, ColourBarOnTheRightAxisShowsTheZRange) {
	ChartGrid m;
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(&m);
	ColorGridSeries * s = colorGrid(chart);
	ASSERT_TRUE(s != nullptr);
	EXPECT_EQ(s->type(), 4);
	EXPECT_TRUE(m.axisData(2, A::Enabled).toBool());
	EXPECT_TRUE(chart.axisEnabled(QwtPlot::yRight));
	const QwtScaleWidget * bar = chart.axisWidget(QwtPlot::yRight);
	EXPECT_TRUE(bar->isColorBarEnabled());
	EXPECT_EQ(bar->colorBarInterval(), QwtInterval(0, 40));
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yRight).lowerBound(), 0.0);
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yRight).upperBound(), 40.0);
	EXPECT_EQ(s->spectrogram()->gridData()->interval(Qt::ZAxis), QwtInterval(0, 40));
	// two maps: the bar's and the grid's
	ASSERT_TRUE(bar->colorMap() != nullptr);
	EXPECT_NE(static_cast<const QwtColorMap *>(bar->colorMap()), s->spectrogram()->colorMap());

	m.setSeriesData(QVariant::fromValue(SCI::Range(-10, 10)), 0, G::ZRange);
	EXPECT_EQ(bar->colorBarInterval(), QwtInterval(-10, 10));
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yRight).upperBound(), 10.0);
	EXPECT_EQ(s->spectrogram()->gridData()->interval(Qt::ZAxis), QwtInterval(-10, 10));
	// the right axis's own limits give way to the z range
	m.setAxisData(false, 2, A::Autoscale);
	m.setAxisData(100.0, 2, A::Maximum);
	EXPECT_EQ(chart.axisScaleDiv(QwtPlot::yRight).upperBound(), 10.0);

	// interpolation 1: bilinear with fixed colours on both maps
	m.setSeriesData(1, 0, G::Interpolation);
	EXPECT_TRUE(s->spectrogram()->interpolation());
	EXPECT_EQ(dynamic_cast<const QwtLinearColorMap *>(s->spectrogram()->colorMap())->mode(), QwtLinearColorMap::FixedColors);
	EXPECT_EQ(dynamic_cast<const QwtLinearColorMap *>(bar->colorMap())->mode(), QwtLinearColorMap::FixedColors);

	m.setSeriesData(false, 0, G::RightAxis);
	EXPECT_FALSE(chart.axisEnabled(QwtPlot::yRight));
}


TEST(SciColorGridChart, CanvasShowsTheCellsAndTheTrackerTheirValues) {
	ChartGrid m;
	Chart chart;
	chart.resize(600, 400);
	chart.setModel(&m);
	chart.replot();
	// grabbed: replot only schedules the paint
	const QImage canvas = chart.canvas()->grab().toImage();
	EXPECT_EQ(canvas.pixel(canvasPixel(chart, 0.5, 0.25)), expectedColor(10, 0, 40));
	EXPECT_EQ(canvas.pixel(canvasPixel(chart, 1.6, 0.8)), expectedColor(40, 0, 40));
	EXPECT_EQ(canvas.pixel(canvasPixel(chart, 0.4, 0.8)) & 0xFFFFFF, 0xFFFFFFu) << "NaN cell";

	EXPECT_EQ(chart.picker()->m_units.m_texts[SCI::TrackerUnits::ValueUnit], QString("C"));
	EXPECT_TRUE(chart.picker()->m_units.m_texts[SCI::TrackerUnits::RightYUnit].isEmpty());
	const SCI::PlotPickerText * text = chart.picker();
	auto parts = [&](double x, double y) {
		return text->trackerText(&chart, QwtPicker::RectRubberBand, canvasPixel(chart, x, y)).text().split(", ");
	};
	const QStringList inCell = parts(1.5, 0.25);
	ASSERT_EQ(inCell.size(), 3);
	EXPECT_TRUE(inCell[0].endsWith(" m"));
	EXPECT_TRUE(inCell[1].endsWith(" m"));
	EXPECT_EQ(inCell[2], QString("20 C"));
	EXPECT_EQ(parts(0.5, 0.75).size(), 2) << "NaN cell";
	EXPECT_EQ(parts(1.5, 0.75)[2], QString("40 C"));
	// the value unit follows the right axis
	m.setAxisData(BVX::Unit("K").id(), 2, A::AxisUnit);
	EXPECT_EQ(parts(1.5, 0.75)[2], QString("40 K"));
}


TEST(SciColorGridChart, ModelChangesReachTheSeries) {
	ChartGrid m;
	Chart chart;
	chart.setModel(&m);
	ColorGridSeries * s = colorGrid(chart);
	PlotSpectrogram * spectrogram = s->spectrogram();

	// contour settings
	m.setSeriesData(10.0, 0, G::ContourLineDistance);
	m.setSeriesData(3, 0, G::DisplayType);
	EXPECT_EQ(spectrogram->contourLevels(), QList<double>({ 0, 10, 20, 30 }));
	EXPECT_TRUE(spectrogram->testDisplayMode(QwtPlotSpectrogram::ContourMode));
	m.setSeriesData(false, 0, G::ContourLinesColoredByLevel);
	m.setSeriesData(QPen(Qt::magenta), 0, G::ContourPen);
	EXPECT_EQ(spectrogram->defaultContourPen().color(), QColor(Qt::magenta));

	// construction lines: the model's lines and pen, none when switched off
	m.setChartData(QPen(Qt::darkGray, 2), SCI::AbstractChartModel::ConstructionLinesPen);
	m.setChartData(true, SCI::AbstractChartModel::ConstructionLinesVisible);
	EXPECT_EQ(spectrogram->constructionLines().m_horizontalLines.size(), 1u);
	EXPECT_EQ(spectrogram->constructionLinePen(), QPen(Qt::darkGray, 2));
	EXPECT_TRUE(chart.constructionLines().isEmpty()) << "no markers: the spectrogram draws them";
	m.setChartData(false, SCI::AbstractChartModel::ConstructionLinesVisible);
	EXPECT_TRUE(spectrogram->constructionLines().empty());
	EXPECT_EQ(spectrogram->constructionLinePen().style(), Qt::NoPen);

	// a new grid announced by the model keeps the look
	m.beginChangeSeries(0, 0);
	m.setGrid({ 0, 2 }, { 0, 1 }, 1, { 30 });
	m.endChangeSeries();
	EXPECT_EQ(spectrogram->value(1, 0.5), 30.0);
	EXPECT_EQ(spectrogram->gridData()->interval(Qt::ZAxis), QwtInterval(0, 40));
	EXPECT_EQ(spectrogram->contourLevels(), QList<double>({ 0, 10, 20, 30 }));

	// a broken grid is logged; the chart keeps going
	MessageCollector messages;
	m.beginChangeSeries(0, 0);
	m.m_y = { 0, 1, 2 };
	m.endChangeSeries();
	EXPECT_GE(messages.count(BVX::MSG_ERROR), 1);
	EXPECT_FALSE(s->dataValid());
}


TEST(SciColorGridChart, ModelsThatCannotBeShown) {
	struct Case { unsigned int xUnit, valueUnit; const char * error; };
	const unsigned int m = BVX::Unit("m").id();
	const unsigned int c = BVX::Unit("C").id();
	const Case cases[] = {
		{ 0, c, "Invalid x-unit or y-unit returned from ColorGridSeriesModel." },
		{ m, 0, "Invalid value unit returned from ColorGridSeriesModel." },
	};
	for (const Case & cs : cases) {
		ChartGrid model;
		model.setAxisData(cs.xUnit, 0, A::AxisUnit);
		model.setAxisData(cs.valueUnit, 2, A::AxisUnit);
		MessageCollector messages;
		Chart chart;
		chart.setModel(&model);
		EXPECT_EQ(chart.seriesCount(), 0);
		ASSERT_EQ(messages.count(BVX::MSG_ERROR), 2);
		EXPECT_EQ(messages.m_messages[messages.m_messages.size() - 2].text, cs.error);
		EXPECT_EQ(messages.m_messages.back().text,
				  "Failed to add ColorGridSeries to chart, probably due to missing/inconsistent data in ColorGridSeriesModel.");
		model.setSeriesData(3, 0, G::DisplayType);	// no series: ignored
	}
}


TEST(SciColorGridChart, LogarithmicAxesAreRefusedForGridsAndBars) {
	ChartGrid grid;
	BarModel bars({ 1, 2 }, { { 1 }, { 2 } });
	SCI::AbstractCartesianChartModel * models[] = { &grid, &bars };
	for (SCI::AbstractCartesianChartModel * model : models) {
		Chart chart;
		chart.setModel(model);
		MessageCollector messages;
		model->setAxisData(true, 1, A::Logarithmic);
		ASSERT_EQ(messages.count(BVX::MSG_ERROR), 1);
		EXPECT_EQ(messages.m_messages[0].text, "Cannot set logarithmic axis for colormap plot.");
		EXPECT_EQ(messages.m_messages[0].functionID, "[Chart::onAxisChanged]");
		EXPECT_TRUE(dynamic_cast<const QwtLogScaleEngine *>(chart.axisScaleEngine(QwtPlot::yLeft)) == nullptr);
	}
}
