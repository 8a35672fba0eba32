#include "BVX_Parameter.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <sstream>

#include <tinyxml.h>

#include "BVX_Conversions.h"
#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_UnitList.h"

namespace BVX {

namespace {

/*! Shortest general-format text (at least 6 digits) that reads back as the same double. */
std::string roundTripText(double value) {
	if (std::isnan(value))
		return val2string(value);
	std::string text;
	for (int prec = 6; prec <= std::numeric_limits<double>::max_digits10; ++prec) {
		std::ostringstream strm;
		strm << std::setprecision(prec) << value;
		text = strm.str();
		if (string2val<double>(text) == value)
			break;
	}
	return text;
}

} // namespace


Parameter::Parameter(const std::string & name, double value, const Unit & unit) {
	set(name, value, unit);
}


void Parameter::set(const std::string & name, double value, const Unit & unit) {
	if (unit.id() != 0)
		UnitList::instance().convert(unit, Unit(unit.base_id()), value);
	m_name = name;
	m_value = value;
	m_ioUnit = unit;
}


double Parameter::get_value(const Unit & unit) const {
	double v = m_value;
	if (m_ioUnit.id() != 0)
		UnitList::instance().convert(Unit(m_ioUnit.base_id()), unit, v);
	return v;
}


void Parameter::readXML(const TiXmlElement * element) {
	const char * const FUNC_ID = "[Parameter::readXML]";
	if (element == nullptr)
		throw Exception("Missing parameter element.", FUNC_ID);
	const char * name = element->Attribute("name");
	if (name == nullptr)
		throw Exception(FormatText("Missing 'name' attribute in element '%1'.").arg(element->ValueStr()), FUNC_ID);
	try {
		Unit unit;
		if (const char * unitName = element->Attribute("unit"))
			unit = Unit(unitName);
		const char * text = element->GetText();
		double value = string2val<double>(text == nullptr ? std::string() : std::string(text));
		set(name, value, unit);
	}
	catch (Exception & ex) {
		throw Exception(ex, FormatText("Error reading parameter '%1'.").arg(name), FUNC_ID);
	}
}


TiXmlElement * Parameter::writeXML(TiXmlElement * parent, const std::string & elementName) const {
	TiXmlElement * e = new TiXmlElement(elementName);
	parent->LinkEndChild(e);
	e->SetAttribute("name", m_name);
	e->SetAttribute("unit", m_ioUnit.name());
	e->LinkEndChild(new TiXmlText(roundTripText(get_value())));
	return e;
}

} // namespace BVX
