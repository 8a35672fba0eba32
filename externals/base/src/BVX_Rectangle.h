#ifndef BVX_RectangleH
#define BVX_RectangleH

#include <ostream>

namespace BVX {

/*! An axis-aligned rectangle given by its four edges. */
template <typename T>
class rectangle {
public:
	rectangle() = default;
	rectangle(T left, T top, T right, T bottom) :
		m_left(left), m_top(top), m_right(right), m_bottom(bottom)
	{}
	virtual ~rectangle() = default;

	/*! Stores the four edges. */
	virtual void set(T left, T top, T right, T bottom) {
		m_left = left;
		m_top = top;
		m_right = right;
		m_bottom = bottom;
	}

	/*! Writes "left top right bottom" without line end. */
	virtual std::ostream & write(std::ostream & out) const {
		return out << m_left << ' ' << m_top << ' ' << m_right << ' ' << m_bottom;
	}

	T m_left	= T();
	T m_top		= T();
	T m_right	= T();
	T m_bottom	= T();
};

extern template class rectangle<unsigned int>;

} // namespace BVX

#endif // BVX_RectangleH
