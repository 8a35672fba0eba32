#ifndef Sci_ColorGrid3DDataH
#define Sci_ColorGrid3DDataH

#include <qwt_raster_data.h>

#include "Sci_ColorGridCell.h"

namespace SCI {

/*! Grid description of a colour grid and its z range, for the spectrogram. The arrays
	belong to the chart model and are not copied. Only the z interval is used: the x
	and y intervals stay invalid, and value() is 0: the spectrogram looks values up. */
class ColorGrid3DData : public QwtRasterData {
public:
	ColorGrid3DData(unsigned int xGridSize, const double * xGrid, unsigned int yGridSize, const double * yGrid,
					unsigned int xValueCount, unsigned int yValueCount, const double * values,
					const ColorGridCell * cells);

	/*! Z axis only. */
	void setInterval(Qt::Axis axis, const QwtInterval & interval) override;
	double value(double x, double y) const override;

	unsigned int				m_xGridSize;
	const double *				m_xGrid;
	unsigned int				m_yGridSize;
	const double *				m_yGrid;
	unsigned int				m_xValueCount;
	unsigned int				m_yValueCount;
	const double *				m_values;
	const ColorGridCell *		m_cells;
};

} // namespace SCI

#endif // Sci_ColorGrid3DDataH
