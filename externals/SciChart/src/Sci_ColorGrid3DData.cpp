#include "Sci_ColorGrid3DData.h"

namespace SCI {

ColorGrid3DData::ColorGrid3DData(unsigned int xGridSize, const double * xGrid, unsigned int yGridSize,
								 const double * yGrid, unsigned int xValueCount, unsigned int yValueCount,
								 const double * values, const ColorGridCell * cells) :
	m_xGridSize(xGridSize),
	m_xGrid(xGrid),
	m_yGridSize(yGridSize),
	m_yGrid(yGrid),
	m_xValueCount(xValueCount),
	m_yValueCount(yValueCount),
	m_values(values),
	m_cells(cells)
{
	Q_ASSERT_X(m_xGridSize > 0, "ColorGrid3DData::ColorGrid3DData", "m_xGridSize>0");
	Q_ASSERT_X(m_yGridSize > 0, "ColorGrid3DData::ColorGrid3DData", "m_yGridSize>0");
}


void ColorGrid3DData::setInterval(Qt::Axis axis, const QwtInterval & interval) {
	Q_ASSERT_X(axis == Qt::ZAxis, "ColorGrid3DData::setInterval", "axis == Qt::ZAxis");
	if (axis == Qt::ZAxis)
		QwtRasterData::setInterval(axis, interval);
}


double ColorGrid3DData::value(double, double) const {
	return 0.0;
}

} // namespace SCI
