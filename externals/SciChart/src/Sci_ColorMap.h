#ifndef Sci_ColorMapH
#define Sci_ColorMapH

#include <vector>

#include <QColor>
#include <QMetaType>

namespace SCI {

/*! Colour scale of a colour-grid series on the normalised interval 0..1; the data range
	it covers is set separately. A plain value type that travels in a QVariant. */
class ColorMap {
public:
	enum ColorMapType : int {
		Linear,		///< colours given by stops
		Alpha		///< one colour whose alpha runs over the range
	};

	/*! One colour at a position in 0..1. */
	struct ColorStop {
		ColorStop() = default;
		ColorStop(double pos, const QColor & color) : m_pos(pos), m_color(color) {}
		bool operator==(const ColorStop & other) const { return m_pos == other.m_pos && m_color == other.m_color; }

		double	m_pos = 0;
		QColor	m_color;
	};

	/*! Linear map of eleven stops from red to blue. */
	ColorMap();

	/*! Replaces the stops by n + 1 stops on a ramp in HSV space from minColor to maxColor;
		the end stops keep the given colours. Throws BVX::Exception for n < 2. */
	void setLinearMap(const QColor & minColor, const QColor & maxColor, unsigned int n);

	bool operator==(const ColorMap & other) const;
	bool operator!=(const ColorMap & other) const { return !operator==(other); }

	ColorMapType			m_type = Linear;
	QColor					m_alphaColor = Qt::black;
	/*! Ascending; the first at 0, the last at 1 (expected, not enforced). */
	std::vector<ColorStop>	m_colorStops;
};

} // namespace SCI

Q_DECLARE_METATYPE(SCI::ColorMap)

#endif // Sci_ColorMapH
