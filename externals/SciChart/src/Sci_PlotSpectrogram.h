#ifndef Sci_PlotSpectrogramH
#define Sci_PlotSpectrogramH

#include <vector>

#include <QBrush>
#include <QFont>
#include <QPen>

#include <qwt_plot_spectrogram.h>

#include <BVXMK_GridData.h>

#include "Sci_ColorGrid3DData.h"

namespace SCI {

/*! Plot item of a colour grid: paints the cells (optionally interpolated bilinearly),
	computes contour lines on the grid itself, labels them and draws construction lines.

	Renders in the calling thread: the base's tiled rendering on the global thread pool
	is never used.
*/
class PlotSpectrogram : public QwtPlotSpectrogram {
public:
	/*! Placement flags of the contour labels. */
	enum LabelPlacement {
		LabelsAlongLine		= 1,	///< at regular distances along the line
		LabelAtLeft			= 2,	///< at the leftmost point
		LabelAtRight		= 4,	///< at the rightmost point
		LabelAtBottom		= 8,	///< at the point with the smallest y value
		LabelAtTop			= 16	///< at the point with the largest y value
	};

	explicit PlotSpectrogram(const QString & title = QString());
	~PlotSpectrogram() override;

	QRectF boundingRect() const override;
	/*! The contour pen in the colour of the level. */
	QPen contourPen(double level) const override;

	/*! Takes ownership of data (also when it throws) and builds the point and corner tables.
		Throws BVX::Exception for grid and value sizes that do not fit together. */
	void setData(ColorGrid3DData * data, bool interpolate);
	/*! The grid, null before setData. */
	const ColorGrid3DData * gridData() const;

	/*! True: bilinear interpolation between the cell corners. */
	void setInterpolation(bool on) { m_interpolate = on; }
	bool interpolation() const { return m_interpolate; }

	void setConstructionLines(const BVX::GridData & lines) { m_constructionLines = lines; }
	const BVX::GridData & constructionLines() const { return m_constructionLines; }
	/*! Qt::NoPen hides the construction lines. */
	void setConstructionLinePen(const QPen & pen) { m_constructionLinePen = pen; }
	const QPen & constructionLinePen() const { return m_constructionLinePen; }
	/*! Pen of contour lines coloured by level (its colour is replaced) and of the labels. */
	void setContourPen(const QPen & pen) { m_contourPen = pen; }

	/*! Value shown at plot position x, y; NaN outside the grid and in cells without value. */
	double value(double x, double y) const;

	/*! Fit of the x grid size to the x value count (cells or points) and of the y grid
		size to the y value count (cells); throws BVX::Exception with functionID when
		they do not fit. */
	static void checkSizes(unsigned int xGridSize, unsigned int yGridSize, unsigned int xValueCount,
						   unsigned int yValueCount, const char * functionID);

protected:
	QImage renderImage(const QwtScaleMap & xMap, const QwtScaleMap & yMap, const QRectF & area,
					   const QSize & imageSize) const override;
	/*! Contour lines of the levels, each a polygon of point pairs (one pair a segment),
		computed on the grid cells split into four triangles around their centres. */
	QwtRasterData::ContourLines renderContourLines(const QRectF & rect, const QSize & raster) const override;
	/*! Lines, construction lines (when no image is shown) and labels. */
	void drawContourLines(QPainter * painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
						  const QwtRasterData::ContourLines & lines) const override;

private:
	bool pointLayout() const { return m_xGridSize == m_xValueCount; }
	/*! Value index of cell k, ColorGridCell::NO_VALUE without. */
	unsigned int valueIndex(unsigned int k) const { return m_cells[k].m_valueIndex; }
	double & point(unsigned int row, unsigned int column) { return m_points[row * m_xGridSize + column]; }
	double point(unsigned int row, unsigned int column) const { return m_points[row * m_xGridSize + column]; }
	double & corner(unsigned int row, unsigned int column) { return m_corners[row * m_xGridSize + column]; }
	double corner(unsigned int row, unsigned int column) const { return m_corners[row * m_xGridSize + column]; }
	void buildPointTable();
	void buildCornerTable();
	/*! Value of cell k at plot position x, y (inside the cell). */
	double cellValue(unsigned int k, double x, double y) const;
	/*! The cell's own value, as shown without interpolation next to its grid point. */
	double ownValue(unsigned int k) const;
	double interpolatedValue(unsigned int k, double x, double y) const;
	void paintCells(QImage & image, const QwtScaleMap & xMap, const QwtScaleMap & yMap, const QwtInterval & zRange) const;
	/*! Construction lines clipped to the pixel rectangle r. */
	void drawConstructionLines(QPainter & painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
							   const QRectF & r) const;
	void drawContourLabels(QPainter & painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
						   const QwtRasterData::ContourLines & lines) const;
	/*! Indexes of the segments of one level's polygon that carry a label. */
	std::vector<int> labelSegments(const QPolygonF & line, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
								   const QRectF & r) const;

	unsigned int			m_xGridSize = 0;
	const double *			m_xGrid = nullptr;
	unsigned int			m_yGridSize = 0;
	const double *			m_yGrid = nullptr;
	unsigned int			m_xValueCount = 0;
	unsigned int			m_yValueCount = 0;
	const double *			m_values = nullptr;
	const ColorGridCell *	m_cells = nullptr;
	unsigned int			m_cellCount = 0;
	bool					m_interpolate = false;
	/*! y value count rows of x grid size values at the grid x coordinates; +inf = none. */
	std::vector<double>		m_points;
	/*! y grid size rows of x grid size values at the grid corners; +inf = none. */
	std::vector<double>		m_corners;

	BVX::GridData			m_constructionLines;
	QPen					m_constructionLinePen;
	QPen					m_contourPen;

	QFont					m_labelFont;
	QBrush					m_labelBrush;
	int						m_labelsPerLine = 2;
	/*! Distance of the labels from the canvas border in pixels. */
	int						m_labelMargin = 15;
	/*! Every n-th level is labelled. */
	int						m_labelLevelStep = 1;
	/*! LabelPlacement flags. */
	int						m_labelPlacement = LabelAtTop;
};

} // namespace SCI

#endif // Sci_PlotSpectrogramH
