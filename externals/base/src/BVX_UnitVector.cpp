#include "BVX_UnitVector.h"

#include <cmath>
#include <ostream>
#include <sstream>

#include "BVX_Exception.h"
#include "BVX_Math.h"
#include "BVX_MessageHandler.h"
#include "BVX_UnitData.h"
#include "BVX_UnitList.h"

namespace BVX {

namespace {

// Floor of the logarithmic units, so that zero or tiny concentrations stay representable.
const double LOG_FLOOR_EXPONENT = -50;
const double LOG_FLOOR_VALUE = 1e-50;

} // namespace


void UnitVector::convert(const Unit & target) {
	if (target == m_unit)
		return;
	double factor;
	unsigned int operation;
	m_unit.relate_to(target, factor, operation);
	switch (operation) {
		case UnitData::OP_ADD :
			for (double & v : m_values)
				v += factor;
			break;
		case UnitData::OP_MUL :
			for (double & v : m_values)
				v *= factor;
			break;
		case UnitData::OP_SPECIAL :
			for (double & v : m_values)
				convert_special(target, v);
			break;
		default : break;
	}
	m_unit = target;
}


void UnitVector::convert_special(const Unit & target, double & value) const {
	const UnitList & ul = UnitList::instance();
	const std::string & srcName = m_unit.name();
	unsigned int baseId = m_unit.base_id();

	// into the base unit
	double b = value;
	double div = UnitList::logUnitDivisor(srcName);
	if (div != 0)
		b = (b <= LOG_FLOOR_EXPONENT) ? LOG_FLOOR_VALUE : f_pow10(b)/div;
	else if (srcName == "sqrt(s)")
		b = b*b;
	else if (srcName == "sqrt(h)")
		b = b*b*3600;
	else
		ul.convert(m_unit.id(), baseId, b);

	// from the base unit into the target
	const std::string & targetName = target.name();
	div = UnitList::logUnitDivisor(targetName);
	if (div != 0)
		b = (b <= LOG_FLOOR_VALUE) ? LOG_FLOOR_EXPONENT : f_log10(b*div);
	else if (targetName == "sqrt(s)" || targetName == "sqrt(h)") {
		if (b < 0)
			throw Exception("Conversion error (square-root of negative number)!", "[UnitVector::convert_special]");
		b = (targetName == "sqrt(s)") ? std::sqrt(b) : std::sqrt(b/3600);
	}
	else
		ul.convert(baseId, target.id(), b);
	value = b;
}


void UnitVector::write(std::ostream & out, unsigned int indentation, bool withUnit) const {
	const char * const FUNC_ID = "[UnitVector::write]";
	try {
		// the stored values are taken as base-unit values
		UnitVector converted(*this);
		converted.m_unit = Unit(m_unit.base_id());
		converted.convert(m_unit);

		out << std::string(indentation, ' ');
		for (double v : converted.m_values)
			out << v << " ";
		if (withUnit)
			out << m_unit.name();
	}
	catch (std::exception & ex) {
		BVX_Message(ex.what(), MSG_ERROR, FUNC_ID, 1);
		throw Exception("Error writing unit vector!", FUNC_ID);
	}
}


std::string UnitVector::toString(bool withUnit) const {
	std::stringstream strm;
	write(strm, 0, withUnit);
	return strm.str();
}

} // namespace BVX
