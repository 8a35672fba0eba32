#include "Sci_ColorMap.h"

#include <BVX_Exception.h>

namespace SCI {

namespace {

// registered by name, so that the type is known to QMetaType::type("SCI::ColorMap")
const int COLOR_MAP_TYPE_ID = qRegisterMetaType<ColorMap>("SCI::ColorMap");

double mix(double a, double b, double t) {
	return (1 - t) * a + t * b;
}

} // namespace


ColorMap::ColorMap() {
	(void)COLOR_MAP_TYPE_ID;
	setLinearMap(Qt::red, Qt::blue, 10);
}


void ColorMap::setLinearMap(const QColor & minColor, const QColor & maxColor, unsigned int n) {
	m_type = Linear;
	if (n < 2)
		throw BVX::Exception("Invalid number of steps, must be > 1.", "[ColorMap::setLinearMap]");
	double h1 = minColor.hueF();
	double h2 = maxColor.hueF();
	// an achromatic end (hue -1) takes the hue of the other end
	if (h2 == -1)
		h2 = h1;
	else if (h1 == -1)
		h1 = h2;
	m_colorStops.clear();
	m_colorStops.emplace_back(0.0, minColor);
	for (unsigned int i = 1; i < n; ++i) {
		const double t = double(i) / n;
		const QColor c = QColor::fromHsvF(mix(h1, h2, t), mix(minColor.saturationF(), maxColor.saturationF(), t),
										  mix(minColor.valueF(), maxColor.valueF(), t), 1.0);
		m_colorStops.emplace_back(t, c);
	}
	m_colorStops.emplace_back(1.0, maxColor);
}


bool ColorMap::operator==(const ColorMap & other) const {
	return m_type == other.m_type && m_alphaColor == other.m_alphaColor && m_colorStops == other.m_colorStops;
}

} // namespace SCI
