#ifndef Sci_ColorGridSeriesH
#define Sci_ColorGridSeriesH

#include <QPen>

#include <qwt_interval.h>

#include "Sci_ChartSeries.h"
#include "Sci_ColorGridCell.h"

class QwtColorMap;

namespace SCI {

class PlotSpectrogram;

/*! Series of a colour-grid chart: a spectrogram showing the model's grid in place (the
	arrays are not copied and must outlive the series), with contour lines at a fixed
	distance from the lower end of the z range. */
class ColorGridSeries : public ChartSeries {
	Q_OBJECT
public:
	/*! Most contour levels built from one line distance. */
	static constexpr int MAX_CONTOUR_LEVELS = 1000;

	ColorGridSeries(Chart * chart, const QString & title);

	int type() const override { return 4; }
	void lock() override {}
	void unlock() override {}

	/*! Hands a new grid to the spectrogram (the z range and interpolation are kept) and
		shows the image. Throws BVX::Exception for sizes that do not fit together; the
		data is then marked invalid and the spectrogram keeps its previous grid. */
	void setData(unsigned int xGridSize, const double * xGrid, unsigned int yGridSize, const double * yGrid,
				 unsigned int xValueCount, unsigned int yValueCount, const double * values,
				 const ColorGridCell * cells);
	/*! Takes ownership of map. */
	void setColorMap(QwtColorMap * map);
	/*! Contour levels min, min + d, ... strictly below the max of the z range. NaN is
		ignored; other non-finite or non-positive distances are refused with an error
		message, and at most MAX_CONTOUR_LEVELS levels are built. */
	void setContourLineDistance(double distance);
	double contourLineDistance() const { return m_contourLineDistance; }
	void setContourLinesColoredByLevel(bool byLevel);
	void setContourPen(const QPen & pen);
	/*! 1 image, 2 contour lines, 3 (or more) image and contour lines; others ignored. */
	void setDisplayType(int type);
	/*! Non-zero: bilinear interpolation. */
	void setInterpolationMode(int mode);
	void setZRange(const QwtInterval & range);

	PlotSpectrogram * spectrogram() const;

private:
	double		m_contourLineDistance;
	bool		m_contourLinesColoredByLevel = true;
	QPen		m_contourPen;
};

} // namespace SCI

#endif // Sci_ColorGridSeriesH
