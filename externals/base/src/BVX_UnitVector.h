#ifndef BVX_UnitVectorH
#define BVX_UnitVectorH

#include <iosfwd>
#include <string>
#include <vector>

#include "BVX_Unit.h"

namespace BVX {

/*! A named series of values that share one unit. */
class UnitVector {
public:
	UnitVector() = default;
	UnitVector(const std::string & name, const Unit & unit, const std::vector<double> & values = std::vector<double>()) :
		m_name(name), m_unit(unit), m_values(values)
	{}

	/*! Converts every value into the target unit, then makes it the vector's unit.
		Units of different base units throw before any value changes. */
	void convert(const Unit & target);

	/*! Converts one value from the vector's unit into the target through the base unit,
		handling the special units. Logarithms are floored at -50 (1e-50 in the base unit)
		rather than failing; square roots of negative values throw. */
	void convert_special(const Unit & target, double & value) const;

	/*! Writes indentation blanks and the values, each followed by a blank, and optionally
		the unit name; no line break. The stored values are taken as base-unit values and
		written converted into the vector's unit. */
	void write(std::ostream & out, unsigned int indentation, bool withUnit) const;

	/*! The text of write() with indentation 0. */
	std::string toString(bool withUnit) const;
	void toString(std::string & text, bool withUnit) const { text = toString(withUnit); }

	std::string			m_name;
	Unit				m_unit;
	/*! Values in the vector's unit. */
	std::vector<double>	m_values;
};

} // namespace BVX

#endif // BVX_UnitVectorH
