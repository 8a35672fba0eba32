#ifndef Sci_RangeH
#define Sci_RangeH

#include <QMetaType>

namespace SCI {

/*! Value range of a colour-grid series (the z range); travels in a QVariant. */
struct Range {
	Range() = default;
	Range(double minimum, double maximum) : m_min(minimum), m_max(maximum) {}
	bool operator==(const Range & other) const { return m_min == other.m_min && m_max == other.m_max; }
	bool operator!=(const Range & other) const { return !operator==(other); }

	double	m_min = 0;
	double	m_max = 0;
};

} // namespace SCI

Q_DECLARE_METATYPE(SCI::Range)

#endif // Sci_RangeH
