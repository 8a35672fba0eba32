#include "Sci_PlotSpectrogram.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include <QFontMetricsF>
#include <QPainter>

#include <qwt_color_map.h>
#include <qwt_scale_map.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

namespace SCI {

namespace {

const double NONE = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

double clamp01(double t) {
	return t < 0 ? 0 : (t > 1 ? 1 : t);
}

/*! Fraction of v between a and b, 0 for a degenerate interval. */
double fraction(double v, double a, double b) {
	return b > a ? (v - a) / (b - a) : 0;
}

/*! Index of the first of n ascending coordinates not below v, n when there is none. */
unsigned int firstNotBelow(const double * coords, unsigned int n, double v) {
	unsigned int i = 0;
	while (i < n && !(coords[i] >= v))
		++i;
	return i;
}

/*! Weighted mean of the corners that have a finite value, NONE without any. */
double weightedCorners(const double * z, const double * w, int n) {
	double sum = 0;
	double weights = 0;
	for (int i = 0; i < n; ++i) {
		if (!std::isfinite(z[i]) || w[i] == 0)
			continue;
		sum += w[i] * z[i];
		weights += w[i];
	}
	return weights > 0 ? sum / weights : NONE;
}

/*! The segment where the plane z = level cuts the triangle (p, z given relative to the
	level), appended as a point pair; triangles lying in the plane give their edges
	unless ignored. */
void appendTriangleSegment(QPolygonF & line, const QPointF * p[3], const double h[3], bool ignoreOnLevel) {
	const int s[3] = { (h[0] > 0) - (h[0] < 0), (h[1] > 0) - (h[1] < 0), (h[2] > 0) - (h[2] < 0) };
	if (s[0] == 0 && s[1] == 0 && s[2] == 0) {
		if (ignoreOnLevel)
			return;
		for (int e = 0; e < 3; ++e)
			line << *p[e] << *p[(e + 1) % 3];
		return;
	}
	QPointF cut[3];
	int n = 0;
	for (int v = 0; v < 3; ++v)
		if (s[v] == 0)
			cut[n++] = *p[v];
	for (int a = 0; a < 3; ++a) {
		const int b = (a + 1) % 3;
		if (s[a] * s[b] < 0) {
			const double t = h[a] / (h[a] - h[b]);
			cut[n++] = *p[a] + t * (*p[b] - *p[a]);
		}
	}
	if (n == 2)
		line << cut[0] << cut[1];
}

/*! The pixel rectangle spanned by two scale maps. */
QRectF mapRect(const QwtScaleMap & xMap, const QwtScaleMap & yMap) {
	return QRectF(QPointF(xMap.p1(), yMap.p1()), QPointF(xMap.p2(), yMap.p2())).normalized();
}

} // namespace


PlotSpectrogram::PlotSpectrogram(const QString & title) :
	QwtPlotSpectrogram(title),
	m_constructionLines(BVX::Unit(1)),
	m_constructionLinePen(Qt::black),
	m_labelFont("Helvetica", 8, QFont::Bold),
	m_labelBrush(QColor(0, 0, 0, 0), Qt::SolidPattern)
{
	// the base renders in tiles on the global thread pool for any other count; this
	// class renders in the calling thread and must stay so
	setRenderThreadCount(1);
}


PlotSpectrogram::~PlotSpectrogram() {
}


void PlotSpectrogram::checkSizes(unsigned int xGridSize, unsigned int yGridSize, unsigned int xValueCount,
								 unsigned int yValueCount, const char * functionID) {
	if (xGridSize == 0 || (xGridSize != xValueCount && xGridSize != xValueCount + 1))
		throw BVX::Exception("Invalid x-grid and x-value sizes.", functionID);
	if (yGridSize != yValueCount + 1)
		throw BVX::Exception("Invalid y-grid and y-value sizes.", functionID);
}


void PlotSpectrogram::setData(ColorGrid3DData * data, bool interpolate) {
	std::unique_ptr<ColorGrid3DData> owned(data);
	Q_ASSERT_X(data != nullptr, "PlotSpectrogram::setData", "data != nullptr");
	checkSizes(data->m_xGridSize, data->m_yGridSize, data->m_xValueCount, data->m_yValueCount,
			   "[PlotSpectrogram::setData]");
	const unsigned int cellCount = data->m_xValueCount * data->m_yValueCount;
	if (data->m_xGrid == nullptr || data->m_yGrid == nullptr || (cellCount > 0 && (data->m_values == nullptr || data->m_cells == nullptr)))
		throw BVX::Exception("Missing grid coordinates, values or cells.", "[PlotSpectrogram::setData]");
	m_xGridSize = data->m_xGridSize;
	m_xGrid = data->m_xGrid;
	m_yGridSize = data->m_yGridSize;
	m_yGrid = data->m_yGrid;
	m_xValueCount = data->m_xValueCount;
	m_yValueCount = data->m_yValueCount;
	m_values = data->m_values;
	m_cells = data->m_cells;
	m_cellCount = cellCount;
	m_interpolate = interpolate;
	QwtPlotSpectrogram::setData(owned.release());	// deletes the previous data
	buildPointTable();
	buildCornerTable();
}


const ColorGrid3DData * PlotSpectrogram::gridData() const {
	return static_cast<const ColorGrid3DData *>(data());
}


void PlotSpectrogram::buildPointTable() {
	m_points.assign(m_cellCount == 0 ? 0 : m_yValueCount * m_xGridSize, NONE);
	if (m_cellCount == 0)
		return;
	for (unsigned int r = 0; r < m_yValueCount; ++r) {
		for (unsigned int i = 0; i < m_xValueCount; ++i) {
			const unsigned int k = i + r * m_xValueCount;
			if (!m_cells[k].hasValue())
				continue;
			const double g = m_values[valueIndex(k)];
			if (pointLayout()) {
				point(r, i) = g;
				continue;
			}
			// cell boundaries: linear between the centres of two neighbouring cells
			if (i == 0 || !m_cells[k - 1].hasValue()) {
				point(r, i) = g;
			}
			else {
				const double wL = m_xGrid[i] - m_xGrid[i - 1];
				const double wR = m_xGrid[i + 1] - m_xGrid[i];
				const double h = wL + wR > 0 ? wL / (wL + wR) : 0.5;
				point(r, i) = (1 - h) * m_values[valueIndex(k - 1)] + h * g;
			}
			if (i + 1 == m_xValueCount || !m_cells[k + 1].hasValue())
				point(r, i + 1) = g;
		}
	}
}


void PlotSpectrogram::buildCornerTable() {
	m_corners.assign(m_cellCount == 0 ? 0 : m_yGridSize * m_xGridSize, NONE);
	if (m_cellCount == 0)
		return;
	const unsigned int last = m_yValueCount;
	for (unsigned int c = 0; c < m_xGridSize; ++c) {
		corner(0, c) = point(0, c);
		corner(last, c) = point(last - 1, c);
	}
	// inner rows: linear between the centres of the rows below and above
	for (unsigned int f = last - 1; f >= 1; --f) {
		const double hL = m_yGrid[f] - m_yGrid[f - 1];
		const double hU = m_yGrid[f + 1] - m_yGrid[f];
		const double t = hL + hU > 0 ? hU / (hL + hU) : 0.5;
		for (unsigned int c = 0; c < m_xGridSize; ++c) {
			const double lower = point(f - 1, c);
			const double upper = point(f, c);
			if (lower != NONE && upper != NONE)
				corner(f, c) = (1 - t) * upper + t * lower;
			else
				corner(f, c) = lower != NONE ? lower : upper;
		}
	}
}


QRectF PlotSpectrogram::boundingRect() const {
	if (m_xGrid == nullptr || m_yGrid == nullptr)
		return QwtPlotItem::boundingRect();
	const double x0 = m_xGrid[0];
	const double x1 = m_xGrid[m_xGridSize - 1];
	const double y0 = m_yGrid[0];
	const double y1 = m_yGrid[m_yGridSize - 1];
	return QRectF(QPointF(std::min(x0, x1), std::min(y0, y1)), QPointF(std::max(x0, x1), std::max(y0, y1)));
}


double PlotSpectrogram::ownValue(unsigned int k) const {
	if (!pointLayout())
		return m_values[valueIndex(k)];
	return point(k / m_xValueCount, k % m_xValueCount);
}


double PlotSpectrogram::interpolatedValue(unsigned int k, double x, double y) const {
	// a NaN cell stays white, and its NaN corners do not spread into the neighbours
	const double own = ownValue(k);
	if (std::isnan(own))
		return own;
	const unsigned int i = k % m_xValueCount;
	const unsigned int j = k / m_xValueCount;
	const double b = clamp01(fraction(y, m_yGrid[j], m_yGrid[j + 1]));
	double v;
	if (i + 1 >= m_xGridSize) {
		// last column of a point layout: no right neighbour, blend in y only
		const double z[2] = { corner(j, i), corner(j + 1, i) };
		const double w[2] = { 1 - b, b };
		v = weightedCorners(z, w, 2);
	}
	else {
		const double a = clamp01(fraction(x, m_xGrid[i], m_xGrid[i + 1]));
		const double z[4] = { corner(j, i), corner(j, i + 1), corner(j + 1, i + 1), corner(j + 1, i) };
		const double w[4] = { (1 - a) * (1 - b), a * (1 - b), a * b, (1 - a) * b };
		v = weightedCorners(z, w, 4);
	}
	// corners without value do not count; none at all: the cell's own value
	return v == NONE ? own : v;
}


double PlotSpectrogram::cellValue(unsigned int k, double x, double y) const {
	if (k >= m_cellCount)
		return NaN;
	if (m_interpolate)
		return interpolatedValue(k, x, y);
	if (!pointLayout())
		return m_values[valueIndex(k)];
	// points: the nearer of the two grid points of the cell's row
	const unsigned int i = k % m_xValueCount;
	const unsigned int j = k / m_xValueCount;
	if (i + 1 >= m_xGridSize || fraction(x, m_xGrid[i], m_xGrid[i + 1]) <= 0.5)
		return point(j, i);
	const double right = point(j, i + 1);
	return right == NONE ? point(j, i) : right;
}


double PlotSpectrogram::value(double x, double y) const {
	if (m_cellCount == 0)
		return NaN;
	const unsigned int i = firstNotBelow(m_xGrid, m_xGridSize, x);
	const unsigned int j = firstNotBelow(m_yGrid, m_yGridSize, y);
	// beyond the last coordinate (or NaN) lies outside the grid
	if (i == m_xGridSize || j == m_yGridSize)
		return NaN;
	const unsigned int column = i > 0 ? i - 1 : 0;
	const unsigned int row = j > 0 ? j - 1 : 0;
	if (column >= m_xValueCount || row >= m_yValueCount)
		return NaN;
	const unsigned int k = column + row * m_xValueCount;
	if (!m_cells[k].hasValue())
		return NaN;
	return cellValue(k, x, y);
}


QImage PlotSpectrogram::renderImage(const QwtScaleMap & xMap, const QwtScaleMap & yMap, const QRectF & area,
									const QSize & imageSize) const {
	if (m_corners.empty() || area.isEmpty() || imageSize.isEmpty())
		return QImage();
	const QwtColorMap * map = colorMap();
	const bool rgb = map != nullptr && map->format() == QwtColorMap::RGB;
	QImage image(imageSize, rgb ? QImage::Format_ARGB32 : QImage::Format_Indexed8);
	if (rgb) {
		image.fill(Qt::transparent);
	}
	else {
		image.setColorTable(QVector<QRgb>(1, qRgba(0, 0, 0, 0)));
		image.fill(0);
	}
	const QwtInterval zRange = data()->interval(Qt::ZAxis);
	if (!zRange.isValid()) {
		BVX::BVX_Message("Invalid data/z-value range.", BVX::MSG_ERROR, "[SciSpectrogramChart::renderImage]", -1);
		return image;
	}
	if (!rgb)
		return image;
	paintCells(image, xMap, yMap, zRange);
	QPainter painter(&image);
	drawConstructionLines(painter, xMap, yMap, QRectF(image.rect()));
	return image;
}


void PlotSpectrogram::paintCells(QImage & image, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
								 const QwtInterval & zRange) const {
	const QwtColorMap * map = colorMap();
	// a pixel belongs to the cell that holds its centre
	auto pixelRange = [](double p0, double p1, int size, int & first, int & end) {
		if (p0 > p1)
			std::swap(p0, p1);
		first = std::max(0, static_cast<int>(std::ceil(p0 - 0.5)));
		end = std::min(size, static_cast<int>(std::ceil(p1 - 0.5)));
	};
	for (unsigned int k = 0; k < m_cellCount; ++k) {
		if (!m_cells[k].hasValue())
			continue;
		const unsigned int i = k % m_xValueCount;
		const unsigned int j = k / m_xValueCount;
		// the last column of a point layout has no extent of its own
		if (i + 1 >= m_xGridSize)
			continue;
		int c0, c1, r0, r1;
		pixelRange(xMap.transform(m_xGrid[i]), xMap.transform(m_xGrid[i + 1]), image.width(), c0, c1);
		pixelRange(yMap.transform(m_yGrid[j]), yMap.transform(m_yGrid[j + 1]), image.height(), r0, r1);
		for (int r = r0; r < r1; ++r) {
			const double y = yMap.invTransform(r + 0.5);
			QRgb * line = reinterpret_cast<QRgb *>(image.scanLine(r));
			for (int c = c0; c < c1; ++c) {
				const double v = cellValue(k, xMap.invTransform(c + 0.5), y);
				line[c] = std::isnan(v) ? 0xFFFFFFFFu : map->rgb(zRange, v);
			}
		}
	}
}


void PlotSpectrogram::drawConstructionLines(QPainter & painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
											const QRectF & r) const {
	if (m_constructionLinePen.style() == Qt::NoPen)
		return;
	// position on one axis, start and end on the other, clipped to r
	auto draw = [&](const std::vector<BVX::GridLine> & lines, bool horizontal) {
		const QwtScaleMap & posMap = horizontal ? yMap : xMap;
		const QwtScaleMap & extMap = horizontal ? xMap : yMap;
		const double lo = horizontal ? r.left() : r.top();
		const double hi = horizontal ? r.right() : r.bottom();
		for (const BVX::GridLine & l : lines) {
			const double p = posMap.transform(l.m_position);
			if (p < (horizontal ? r.top() : r.left()) || p > (horizontal ? r.bottom() : r.right()))
				continue;
			double a = extMap.transform(l.m_start);
			double b = extMap.transform(l.m_end);
			if (a > b)
				std::swap(a, b);
			a = std::max(a, lo);
			b = std::min(b, hi);
			if (a > b)
				continue;
			painter.drawLine(horizontal ? QLineF(a, p, b, p) : QLineF(p, a, p, b));
		}
	};
	painter.setPen(m_constructionLinePen);
	draw(m_constructionLines.m_horizontalLines, true);
	draw(m_constructionLines.m_verticalLines, false);
	QPen major = m_constructionLinePen;
	major.setWidthF(2 * m_constructionLinePen.widthF());
	painter.setPen(major);
	draw(m_constructionLines.m_horizontalMajorLines, true);
	draw(m_constructionLines.m_verticalMajorLines, false);
}


QPen PlotSpectrogram::contourPen(double level) const {
	QPen pen = m_contourPen;
	if (colorMap() != nullptr && data() != nullptr)
		pen.setColor(QColor::fromRgba(colorMap()->rgb(data()->interval(Qt::ZAxis), level)));
	return pen;
}


QwtRasterData::ContourLines PlotSpectrogram::renderContourLines(const QRectF & rect, const QSize & raster) const {
	QwtRasterData::ContourLines lines;
	const QList<double> levels = contourLevels();
	if (levels.isEmpty() || !rect.isValid() || !raster.isValid() || m_corners.empty())
		return lines;
	const QwtInterval zRange = data()->interval(Qt::ZAxis);
	const bool ignoreOutOfRange = testConrecFlag(QwtRasterData::IgnoreOutOfRange) && zRange.isValid();
	const bool ignoreOnLevel = testConrecFlag(QwtRasterData::IgnoreAllVerticesOnLevel);
	for (unsigned int h = 0; h + 1 < m_yGridSize; ++h) {
		for (unsigned int i = 0; i + 1 < m_xGridSize; ++i) {
			// corners counter-clockwise from the lower left, then the centre as point 0
			QPointF p[5];
			double z[5];
			p[1] = QPointF(m_xGrid[i], m_yGrid[h]);			z[1] = corner(h, i);
			p[2] = QPointF(m_xGrid[i + 1], m_yGrid[h]);		z[2] = corner(h, i + 1);
			p[3] = QPointF(m_xGrid[i + 1], m_yGrid[h + 1]);	z[3] = corner(h + 1, i + 1);
			p[4] = QPointF(m_xGrid[i], m_yGrid[h + 1]);		z[4] = corner(h + 1, i);
			// no lines through corners without value
			if (!std::isfinite(z[1]) || !std::isfinite(z[2]) || !std::isfinite(z[3]) || !std::isfinite(z[4]))
				continue;
			const double zMin = std::min(std::min(z[1], z[2]), std::min(z[3], z[4]));
			const double zMax = std::max(std::max(z[1], z[2]), std::max(z[3], z[4]));
			if (ignoreOutOfRange && (zMin < zRange.minValue() || zMax > zRange.maxValue()))
				continue;
			if (zMax < levels.first() || zMin > levels.last())
				continue;
			p[0] = (p[1] + p[3]) / 2;
			z[0] = (z[1] + z[2] + z[3] + z[4]) / 4;
			for (double level : levels) {
				if (level < zMin || level > zMax)
					continue;
				QPolygonF & line = lines[level];
				for (int m = 1; m <= 4; ++m) {
					const int n = m == 4 ? 1 : m + 1;
					const QPointF * tri[3] = { &p[m], &p[0], &p[n] };
					const double rel[3] = { z[m] - level, z[0] - level, z[n] - level };
					appendTriangleSegment(line, tri, rel, ignoreOnLevel);
				}
			}
		}
	}
	return lines;
}


void PlotSpectrogram::drawContourLines(QPainter * painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
									   const QwtRasterData::ContourLines & lines) const {
	QwtPlotSpectrogram::drawContourLines(painter, xMap, yMap, lines);
	painter->save();
	if (!testDisplayMode(QwtPlotSpectrogram::ImageMode))
		drawConstructionLines(*painter, xMap, yMap, mapRect(xMap, yMap));
	if (m_labelPlacement != 0)
		drawContourLabels(*painter, xMap, yMap, lines);
	painter->restore();
}


std::vector<int> PlotSpectrogram::labelSegments(const QPolygonF & line, const QwtScaleMap & xMap,
												const QwtScaleMap & yMap, const QRectF & r) const {
	std::vector<int> segments;
	const int n = line.size();
	if ((m_labelPlacement & LabelsAlongLine) && m_labelsPerLine > 0) {
		const int d = (n / 2 / m_labelsPerLine) & ~1;
		const int b = std::max(100, d);
		for (int s = b; s < n - 1; s += 2 * b)
			segments.push_back(s);
	}
	// leftmost, rightmost, lowest, highest segment start inside r
	int best[4] = { -1, -1, -1, -1 };
	for (int s = 0; s + 1 < n; s += 2) {
		const QPointF & q = line[s];
		if (!r.contains(QPointF(xMap.transform(q.x()), yMap.transform(q.y()))))
			continue;
		if (best[0] < 0 || q.x() < line[best[0]].x())
			best[0] = s;
		if (best[1] < 0 || q.x() > line[best[1]].x())
			best[1] = s;
		if (best[2] < 0 || q.y() < line[best[2]].y())
			best[2] = s;
		if (best[3] < 0 || q.y() > line[best[3]].y())
			best[3] = s;
	}
	const int flags[4] = { LabelAtLeft, LabelAtRight, LabelAtBottom, LabelAtTop };
	for (int f = 0; f < 4; ++f)
		if ((m_labelPlacement & flags[f]) && best[f] >= 0
				&& std::find(segments.begin(), segments.end(), best[f]) == segments.end())
			segments.push_back(best[f]);
	return segments;
}


void PlotSpectrogram::drawContourLabels(QPainter & painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
										const QwtRasterData::ContourLines & lines) const {
	const QRectF r = mapRect(xMap, yMap).adjusted(m_labelMargin, m_labelMargin, -m_labelMargin, -m_labelMargin);
	const QFontMetricsF metrics(m_labelFont);
	// pixels per plot unit, for the angle of a segment on screen
	const double sx = xMap.sDist() > 0 ? xMap.pDist() / xMap.sDist() : 1;
	const double sy = yMap.sDist() > 0 ? yMap.pDist() / yMap.sDist() : 1;
	const QList<double> levels = contourLevels();
	for (int idx = 0; idx < levels.size(); idx += std::max(1, m_labelLevelStep)) {
		const double level = levels[idx];
		QPen pen = defaultContourPen();
		if (pen.style() == Qt::NoPen)
			pen = contourPen(level);
		if (pen.style() == Qt::NoPen)
			continue;
		const QPolygonF line = lines.value(level);
		const QString text = QString::number(level, 'g', 6);
		const QRectF textRect = metrics.boundingRect(text);
		for (int s : labelSegments(line, xMap, yMap, r)) {
			const double dx = line[s + 1].x() - line[s].x();
			const double dy = line[s + 1].y() - line[s].y();
			const double angle = std::atan2(dy * sy, dx * sx);
			painter.save();
			painter.translate(xMap.transform(line[s].x()), yMap.transform(line[s].y()));
			painter.rotate(-angle * 57.29577951308232);
			if (dx < 0)
				painter.rotate(-180);	// never upside down
			painter.translate(-textRect.width() / 2, 0.1 * textRect.top());
			painter.setPen(Qt::NoPen);
			painter.setBrush(m_labelBrush);
			painter.drawRect(textRect);
			painter.setPen(pen);
			painter.setFont(m_labelFont);
			painter.drawText(QPointF(0, 0), text);
			painter.restore();
		}
	}
}

} // namespace SCI
