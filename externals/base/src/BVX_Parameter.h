#ifndef BVX_ParameterH
#define BVX_ParameterH

#include <string>

#include "BVX_Unit.h"

class TiXmlElement;

namespace BVX {

/*! A named scalar. The value is held in the base unit of the parameter's unit; the unit
	itself is remembered as input/output unit. The unit "undefined" (index 0) marks a
	value without unit, which is stored unchanged.
*/
class Parameter {
public:
	Parameter() = default;
	/*! Stores the value converted from unit into its base unit. Throws for units that
		cannot be converted (e.g. a negative value given in "sqrt(s)"). */
	Parameter(const std::string & name, double value, const Unit & unit);

	/*! Same as the constructor; the parameter is unchanged when it throws. */
	void set(const std::string & name, double value, const Unit & unit);

	/*! The value converted into the given unit; throws for a unit of another base unit.
		For a parameter without unit the stored value is returned for any unit. */
	double get_value(const Unit & unit) const;
	/*! The value in the input/output unit. */
	double get_value() const { return get_value(m_ioUnit); }

	/*! Reads an element with the attributes "name" and "unit" (optional) and the value
		in that unit as text. The parameter is unchanged when it throws. */
	void readXML(const TiXmlElement * element);
	/*! Appends an element (default "BVX:Parameter") with the attributes "name" and "unit"
		and the value in the input/output unit as text; returns the new element. */
	TiXmlElement * writeXML(TiXmlElement * parent, const std::string & elementName = "BVX:Parameter") const;

	std::string		m_name;
	/*! Value in the base unit of m_ioUnit. */
	double			m_value = 0;
	/*! Unit the value was given in and is shown in. */
	Unit			m_ioUnit;
};

} // namespace BVX

#endif // BVX_ParameterH
