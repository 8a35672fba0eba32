#ifndef BVX_ColorH
#define BVX_ColorH

#include <string>

namespace BVX {

/*! An RGBA colour, each component 0..255. */
class Color {
public:
	Color() = default;
	Color(int red, int green, int blue, int alpha = 0) :
		m_red(red), m_green(green), m_blue(blue), m_alpha(alpha)
	{}

	/*! "#" and the lower-case hex text of alpha*2^24 + red*2^16 + green*2^8 + blue,
		at least six digits (so alpha 0 gives "#rrggbb", any other alpha "#aarrggbb").
		Components are clamped to 0..255 so that one cannot spill into its neighbour. */
	std::string htmlString() const;

	int m_red	= 0;
	int m_green	= 0;
	int m_blue	= 0;
	int m_alpha	= 0;
};

} // namespace BVX

#endif // BVX_ColorH
