#ifndef Sci_AbstractColorGridSeriesModelH
#define Sci_AbstractColorGridSeriesModelH

#include <QPen>

#include "Sci_AbstractCartesianChartModel.h"
#include "Sci_ColorGridCell.h"
#include "Sci_ColorMap.h"
#include "Sci_Range.h"

namespace SCI {

/*! Chart model of one colour grid: values over a rectangular, not necessarily equidistant
	grid, drawn as coloured cells with a colour bar on the right axis, optionally
	interpolated and with contour lines. The model keeps the look; subclasses supply
	the grid. The arrays stay owned by the subclass and must live as long as a chart shows
	them (announce a change with beginChangeSeries(0, 0)/endChangeSeries()).

	Grid layouts: in x either cells (x grid size = x value count + 1, the coordinates are
	cell boundaries) or points (x grid size = x value count, the coordinates are the
	positions of the value columns); in y always cells (y grid size = y value count + 1).
	The x axis (position 0) and left y axis (1) carry the grid units, the right axis (2)
	the value unit. The only series is series 0.
*/
class AbstractColorGridSeriesModel : public AbstractCartesianChartModel {
	Q_OBJECT
public:
	enum SeriesDataRole {
		XGridSize,			///< unsigned int, read only
		XGrid,				///< const double *, read only
		YGridSize,			///< unsigned int, read only
		YGrid,				///< const double *, read only
		XValueCount,		///< unsigned int, read only
		YValueCount,		///< unsigned int, read only
		Values,				///< const double *, read only
		Cells,				///< const SCI::ColorGridCell *, read only: x value count * y value count cells
		ColorMapDefinition,	///< SCI::ColorMap
		TitleText,			///< QString (the grid is not listed in a legend)
		Title,				///< QString, read only
		ColorMapMinColor,	///< QColor: setting it rebuilds the colour map as a ramp
		ColorMapMaxColor,	///< QColor: likewise
		ColorMapSteps,		///< int > 1: likewise
		// 14 and 15 are not used
		ZRange = 16,		///< SCI::Range: the values covered by the colour map
		Interpolation,		///< int: 0 none; 1 bilinear with fixed colours (bands); 2 bilinear, scaled colours
		DisplayType,		///< int: 1 image, 2 contour lines, 3 image and contour lines
		RightAxis,			///< bool: the colour bar on the right axis is shown
		ContourLinesColoredByLevel,	///< bool: contour lines take the colour of their level
		ContourLineDistance,	///< double: distance of the contour levels, NaN = none
		ContourPen,			///< QPen of the contour lines
		NUM_SDR
	};

	explicit AbstractColorGridSeriesModel(QObject * parent = nullptr);

	/*! One series, subclasses without data may answer 0. */
	int seriesCount() const override { return 1; }
	int seriesType() const override { return 4; }

	QVariant seriesData(int seriesIndex, int role) const override;
	bool setSeriesData(const QVariant & value, int seriesIndex, int role) override;

	void clearCachedData() override;

	virtual unsigned int xGridSize() const = 0;
	/*! xGridSize() ascending x coordinates. */
	virtual const double * xGrid() const = 0;
	virtual unsigned int yGridSize() const = 0;
	/*! yGridSize() ascending y coordinates. */
	virtual const double * yGrid() const = 0;
	virtual unsigned int xValueCount() const = 0;
	virtual unsigned int yValueCount() const = 0;
	/*! The values the cells index. */
	virtual const double * values() const = 0;
	/*! xValueCount() * yValueCount() cells, row by row. */
	virtual const ColorGridCell * cells() const = 0;

protected:
	/*! The look of the grid. */
	struct ColorGridProperties {
		ColorGridProperties();

		QString		m_titleText;
		ColorMap	m_colorMap;
		QColor		m_minColor = Qt::red;
		QColor		m_maxColor = Qt::blue;
		int			m_steps = 10;
		Range		m_zRange = Range(0, 1);
		int			m_interpolation = 0;
		int			m_displayType = 1;
		bool		m_rightAxis = true;
		bool		m_contourLinesColoredByLevel = true;
		double		m_contourLineDistance;
		QPen		m_contourPen = QPen(Qt::black, 1);
	};

	ColorGridProperties		m_colorGridProperties;

private:
	/*! Min colour, max colour or steps: rebuilds the colour map as a ramp; false for a bad value. */
	bool setRampRole(const QVariant & value, int role, bool & changed);
};

} // namespace SCI

Q_DECLARE_METATYPE(const double *)

#endif // Sci_AbstractColorGridSeriesModelH
