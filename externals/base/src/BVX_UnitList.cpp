#include "BVX_UnitList.h"

#include <cmath>
#include <memory>
#include <set>

#include "BVX_Conversions.h"
#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_Math.h"
#include "BVX_MessageHandler.h"

namespace BVX {

// The built-in unit table. Groups are separated by ';', the first token of a group is its
// base unit, followed by triples (operation, factor, name). The position of a unit in this
// text is its index, which is stored in files: append only, never reorder.
const char * const UnitList::DEFAULT_UNITS =
	"undefined;"
	"m\t* 1e+03 mm\t* 1e+02 cm\t* 1e+01 dm;"
	"m2\t* 1e+06 mm2\t* 1e+04 cm2\t* 1e+02 dm2;"
	"m3\t* 1e+09 mm3\t* 1e+06 cm3\t* 1e+03 dm3;"
	"s\t/ 60 min\t/ 3600 h\t/ 86400 d\t/ 3.1536e+07 a\t% 0 sqrt(s)\t% 0 sqrt(h)\t* 1000 ms;"
	"s/s\t/ 60 min/s\t/ 3600 h/s\t/ 86400 d/s\t/ 3.1536e+07 a/s;"
	"m/s\t* 100 cm/s\t* 360000 cm/h\t* 8.64e+06 cm/d;"
	"m2/s\t* 10000 cm2/s\t* 3600 m2/h\t* 3.6e+07 cm2/h;"
	"m/s2;"
	"s/m;"
	"s2/m2;"
	"kg\t* 1000 g\t* 1e+06 mg;"
	"kg/ms;"
	"kg/s\t* 3600 kg/h\t* 86400 kg/d\t* 8.64e+07 g/d\t* 31536e6 g/a\t* 1e6 mg/s\t* 1e9 µg/s;"
	"kg/m2\t/ 100 kg/dm2\t* 10 g/dm2\t/ 10 g/cm2\t* 1e6 mg/m2;"
	"kg/m2s\t* 1000 g/m2s\t* 3.6e+06 g/m2h\t* 3600 kg/m2h\t* 1e6 mg/m2s\t* 1e9 µg/m2s\t* 3.6e9 mg/m2h\t* 3.6e12 µg/m2h;"
	"kg/m3\t/ 1000 kg/dm3\t* 1 g/dm3\t/ 1000 g/cm3\t* 1000 g/m3\t* 1e6 mg/m3\t* 1e9 µg/m3\t% 0 log(kg/m3)\t% 0 log(g/m3)\t% 0 log(mg/m3)\t% 0 log(µg/m3);"
	"kg/m3s\t* 1000 g/m3s\t* 3.6e+06 g/m3h\t* 3600 kg/m3h\t* 1e6 mg/m3s\t* 1e9 µg/m3s\t* 3.6e9 mg/m3h\t* 3.6e12 µg/m3h;"
	"kg/m\t* 1000 g/m\t* 1 g/mm\t/ 1000 kg/mm;"
	"kg/kg\t* 1000 g/kg\t* 1e6 mg/kg;"
	"J\t/ 1000 kJ\t/ 1e+06 MJ\t/ 3.6e+09 MWh\t/ 3.6e+06 kWh\t/ 3600 Wh;"
	"J/m2\t/ 1000 kJ/m2\t/ 1e+06 MJ/m2\t/ 1e+09 GJ/m2\t/ 1e+02 J/dm2\t/ 1e+04 J/cm2\t/ 3.6e+06 kWh/m2;"
	"J/m3\t* 1 Ws/m3\t/ 1000 kJ/m3\t/ 1e+06 MJ/m3\t/ 1e+09 GJ/m3\t/ 1e+03 J/dm3\t/ 1e+06 J/cm3\t/ 3.6e+06 kWh/m3;"
	"J/m3s\t/ 1000 kJ/m3s\t/ 1e+06 MJ/m3s\t/ 1000 J/dm3s\t/ 1e+06 J/cm3s\t* 3600 J/m3h\t* 1 W/m3\t/ 1000 kW/m3\t/ 1e+06 MW/m3\t/ 1000 W/dm3\t/ 1e+06 W/cm3\t/ 1e+09 W/mm3;"
	"J/m3K\t/ 1000 kJ/m3K;"
	"J/s\t* 3600 J/h\t* 86400 J/d\t* 86.4 kJ/d\t* 1 W\t/ 1000 kW\t/ 1e+06 MW\t* 1 Nm/s;"
	"J/kg\t/ 1000 kJ/kg;"
	"J/kgK\t/ 1000 kJ/kgK\t* 1 Ws/kgK\t/ 1000 J/gK\t/ 1000 Ws/gK;"
	"J/K\t/ 1000 kJ/K;"
	"J/m2s\t* 1 W/m2\t/ 1000 kW/m2\t/ 1e+06 MW/m2\t/ 100 W/dm2\t/ 10000 W/cm2;"
	"W/mK\t/ 1000 kW/mK;"
	"W/m2K;"
	"W/m2K2;"
	"W/mK2;"
	"l/m2s\t* 3600 l/m2h\t* 86400 l/m2d\t* 86400 mm/d\t* 3600 mm/h;"
	"l/m3s\t* 3600 l/m3h;"
	"m3/m2s\t* 3600 m3/m2h\t* 1000 dm3/m2s\t* 3.6e+06 dm3/m2h;"
	"m3/s\t* 3600 m3/h\t* 1000 dm3/s\t* 3.6e+06 dm3/h;"
	"m3/m3\t* 100 Vol%;"
	"m3/m3d\t* 100 Vol%/d;"
	"---\t* 100 %\t* 1 1;"
	"---/d\t* 100 %/d;"
	"K\t- 273.15 C;"
	"1/K;"
	"K/m;"
	"m2s/kg;"
	"Pa\t/ 100 hPa\t/ 1000 kPa\t* 1e-05 Bar\t* 0.000145038 PSI\t* 0.00750062 Torr;"
	"1/Pa;"
	"Pa/m\t/ 1000 kPa/m;"
	"Lux\t/ 1000 kLux;"
	"Rad\t* 57.2958 Deg;"
	"m2/kg;"
	"m2K/W;"
	"1/m\t/ 100 1/cm;"
	"logcm;"
	"logm;"
	"logPa;"
	"K/Pa;"
	"mol/kg\t/ 1000 mol/g;"
	"kg/mol\t* 1000 g/mol;"
	"J/mol\t/ 1000 kJ/mol;"
	"kg/m2s05\t* 60 kg/m2h05;"
	"1/logcm;"
	"mol/m3\t/ 1000 mol/ltr\t/ 1000 mol/dm3\t/ 1e+06 mol/cm3;"
	"mol\t* 1e+03 mmol;"
	"-;"
	"mm/m;"
	"m3m/m3m\t* 1000 m3mm/m3m;"
	"kg/m3sK\t* 1000 g/m3sK\t* 3.6e+06 g/m3hK\t* 3600 kg/m3hK\t* 1e6 mg/m3sK\t* 1e9 µg/m3sK\t* 3.6e9 mg/m3hK\t* 3.6e12 µg/m3hK;"
	"1/s\t* 60 1/min\t* 3600 1/h;"
	"W/m2s\t* 3600.0000000 W/m2h\t/ 1000.0000000 kW/m2s\t/ 1.000000e+06 MW/m2s\t/ 100.0000000 W/dm2s\t/ 10000.0000000 W/cm2s;"
	"Person/m2;"
	"W/Person\t/ 1000 kW/Person;"
	"W/K;"
	"kWh/m2a;"
	"kWh/a;"
	"m2/m3;"
	;

namespace {

/*! Splits a text at blanks and tabs; runs of separators give no empty tokens. */
std::vector<std::string> tokenize(const std::string & text) {
	std::vector<std::string> tokens;
	std::string::size_type pos = 0;
	while (true) {
		pos = text.find_first_not_of(" \t", pos);
		if (pos == std::string::npos)
			break;
		std::string::size_type end = text.find_first_of(" \t", pos);
		tokens.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
		pos = end;
	}
	return tokens;
}

bool endsWith(const std::string & s, const std::string & suffix) {
	return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string conversionText(const UnitData * src, const UnitData * target) {
	return "(tried to convert [" + src->m_name + "] to [" + target->m_name + "] )!";
}

} // namespace


double UnitList::logUnitDivisor(const std::string & name) {
	if (name == "log(kg/m3)")	return 1;
	if (name == "log(g/m3)")	return 1e3;
	if (name == "log(mg/m3)")	return 1e6;
	if (name == "log(\xC2\xB5g/m3)")	return 1e9;
	return 0;
}


UnitList::~UnitList() {
}


UnitList & UnitList::instance() {
	// function-local static: thread-safe initialisation on first use
	static const std::unique_ptr<UnitList> list = [](){
		std::unique_ptr<UnitList> l(new UnitList);
		l->read_default();
		return l;
	}();
	return *list;
}


void UnitList::read_default() {
	read(DEFAULT_UNITS);
}


void UnitList::read(const std::string & tableText) {
	const char * const FUNC_ID = "[UnitList::read_default]";
	std::set<std::string> names;
	for (std::size_t i = 0; i < size(); ++i)
		names.insert((*this)[i]->m_name);

	std::string::size_type groupStart = 0;
	while (groupStart <= tableText.size()) {
		std::string::size_type groupEnd = tableText.find(';', groupStart);
		if (groupEnd == std::string::npos)
			groupEnd = tableText.size();
		std::vector<std::string> tokens = tokenize(tableText.substr(groupStart, groupEnd - groupStart));
		groupStart = groupEnd + 1;
		if (tokens.empty())
			continue;

		if (!names.insert(tokens[0]).second)
			throw Exception(FormatText("Duplicate unit '%1' defined.").arg(tokens[0]), FUNC_ID);
		unsigned int baseIndex = static_cast<unsigned int>(size());
		addUnit(tokens[0], baseIndex, 1, UnitData::OP_NONE);

		// triples of operation, factor and name; an incomplete trailing triple is ignored
		for (std::size_t i = 1; i + 2 < tokens.size(); i += 3) {
			double factor = string2val<double>(tokens[i+1]);
			const std::string & name = tokens[i+2];
			if (!names.insert(name).second)
				throw Exception(FormatText("Duplicate unit '%1' defined.").arg(name), FUNC_ID);
			int op = UnitData::operationFromChar(tokens[i][0]);
			if (factor == 0 && op != UnitData::OP_SPECIAL) {
				BVX_Message("Invalid unit definition: factor = 0, but not a special unit conversion!",
							MSG_WARNING, "UnitList::read_default", 3);
				continue;
			}
			addUnit(name, baseIndex, factor, op);
		}
	}
}


void UnitList::addUnit(const std::string & name, unsigned int baseIndex, double factor, int operation) {
	add(new UnitData(static_cast<unsigned int>(size()), name, baseIndex, factor, operation));
}


const UnitData * UnitList::retrieve(unsigned int index) const {
	if (index >= size())
		throw Exception("[UnitList::retrieve]  Unit index " + val2string(index) + " out of range 0.."
						+ val2string(static_cast<long long>(size()) - 1) + "!", "[UnitList::retrieve]");
	return (*this)[index];
}


const UnitData * UnitList::retrieve(const std::string & name) const {
	for (std::size_t i = 0; i < size(); ++i)
		if ((*this)[i]->m_name == name)
			return (*this)[i];
	return nullptr;
}


void UnitList::relate_units(const UnitData * src, const UnitData * target, double & factor, unsigned int & operation) const {
	const char * const FUNC_ID = "[UnitList::relate_units]";
	if (src->m_baseIndex != target->m_baseIndex)
		throw Exception("Can't relate unit [" + src->m_name + "] to [" + target->m_name + "]!", FUNC_ID);

	if (src->isSpecial() || target->isSpecial()) {
		factor = 1;
		operation = UnitData::OP_SPECIAL;
		return;
	}

	const std::string divByZero = "Div by zero! " + conversionText(src, target);

	// e: offset (base = source + e); g: factor (base = source * g)
	double e = 0;
	double g = 1;
	bool offsetSource = false;
	switch (src->m_operation) {
		case UnitData::OP_ADD : e = -src->m_factor; offsetSource = true; break;
		case UnitData::OP_SUB : e = src->m_factor; offsetSource = true; break;
		case UnitData::OP_MUL :
			if (src->m_factor == 0)
				throw Exception(divByZero, FUNC_ID);
			g = 1/src->m_factor;
			break;
		case UnitData::OP_DIV : g = src->m_factor; break;
		default : break; // base unit: e = 0, g = 1
	}
	bool baseSource = src->m_operation == UnitData::OP_NONE;

	switch (target->m_operation) {
		case UnitData::OP_ADD :
		case UnitData::OP_SUB : {
			if (!baseSource && !offsetSource)
				throw Exception("+ and - operations not allowed when using * and / operations! "
								+ conversionText(src, target), FUNC_ID);
			double t = target->m_operation == UnitData::OP_ADD ? target->m_factor : -target->m_factor;
			factor = e + t;
			operation = UnitData::OP_ADD;
			return;
		}
		case UnitData::OP_MUL :
		case UnitData::OP_DIV :
			if (offsetSource)
				throw Exception("* and / operations not allowed when using + and - operations! "
								+ conversionText(src, target), FUNC_ID);
			if (target->m_operation == UnitData::OP_MUL)
				factor = g*target->m_factor;
			else {
				if (target->m_factor == 0)
					throw Exception(divByZero, FUNC_ID);
				factor = g/target->m_factor;
			}
			operation = UnitData::OP_MUL;
			return;
		default : // target is a base unit
			if (offsetSource) {
				factor = e;
				operation = UnitData::OP_ADD;
			}
			else if (baseSource) {
				factor = 1;
				operation = UnitData::OP_NONE;
			}
			else {
				factor = g;
				operation = UnitData::OP_MUL;
			}
	}
}


void UnitList::convert(const UnitData * src, const UnitData * target, double & value) const {
	double factor;
	unsigned int operation;
	relate_units(src, target, factor, operation);
	switch (operation) {
		case UnitData::OP_ADD		: value += factor; break;
		case UnitData::OP_MUL		: value *= factor; break;
		case UnitData::OP_SPECIAL	: convert_special(src, target, value); break;
		default : break;
	}
}


void UnitList::convert(unsigned int srcIndex, unsigned int targetIndex, double & value) const {
	convert(retrieve(srcIndex), retrieve(targetIndex), value);
}


void UnitList::convert(const Unit & src, const Unit & target, double & value) const {
	convert(src.id(), target.id(), value);
}


void UnitList::convert_special(const UnitData * src, const UnitData * target, double & value) const {
	if (src->m_baseIndex != target->m_baseIndex)
		throw Exception("Can't relate unit [" + src->m_name + "] to [" + target->m_name + "]!",
						"[UnitList::convert_special]");
	const UnitData * base = retrieve(src->m_baseIndex);

	// always through the base unit; work on a copy so that value stays unchanged on errors
	double b = value;
	if (src->isSpecial())
		b = specialToBase(src, b);
	else
		convert(src, base, b);

	if (target->isSpecial())
		b = baseToSpecial(target, b);
	else
		convert(base, target, b);
	value = b;
}


double UnitList::specialToBase(const UnitData * src, double value) {
	if (src->m_name == "sqrt(s)")
		return value*value;
	if (src->m_name == "sqrt(h)")
		return value*value*3600;
	double div = logUnitDivisor(src->m_name);
	if (div != 0)
		return f_pow10(value)/div;
	throw Exception(FormatText("Unknown special unit '%1'.").arg(src->m_name), "[UnitList::convert_special]");
}


double UnitList::baseToSpecial(const UnitData * target, double b) {
	const char * const FUNC_ID = "[UnitList::convert_special]";
	if (target->m_name == "sqrt(s)" || target->m_name == "sqrt(h)") {
		if (b < 0)
			throw Exception("Trying to take square root of negative number!", FUNC_ID);
		return target->m_name == "sqrt(s)" ? std::sqrt(b) : std::sqrt(b/3600);
	}
	double div = logUnitDivisor(target->m_name);
	if (div != 0) {
		if (!(b > 0))
			throw Exception("Trying to take logarithm of zero or negative number!", FUNC_ID);
		return f_log10(b*div);
	}
	throw Exception(FormatText("Unknown special unit '%1'.").arg(target->m_name), FUNC_ID);
}


Unit UnitList::integralQuantity(const Unit & unit, bool spaceIntegral, bool timeIntegral) const {
	if (!spaceIntegral && !timeIntegral)
		return unit;
	const std::string & n = retrieve(unit.base_id())->m_name;
	std::string result;
	bool found = false;
	if (timeIntegral && !spaceIntegral) {
		if (endsWith(n, "/m2s") || endsWith(n, "/m3s") || endsWith(n, "/ms")) {
			result = n.substr(0, n.size() - 1);
			found = true;
		}
		else if (endsWith(n, "/s")) {
			result = n.substr(0, n.size() - 2);
			found = true;
		}
	}
	else if (timeIntegral && spaceIntegral) {
		if (endsWith(n, "/m3s") || endsWith(n, "/m2s")) {
			result = n.substr(0, n.size() - 4);
			found = true;
		}
		else if (endsWith(n, "/ms")) {
			result = n.substr(0, n.size() - 3);
			found = true;
		}
	}
	else {
		if (endsWith(n, "/m3s") || endsWith(n, "/m2s")) {
			result = n.substr(0, n.size() - 4) + "/s";
			found = true;
		}
		else if (endsWith(n, "/ms")) {
			result = n.substr(0, n.size() - 3) + "/s";
			found = true;
		}
		else if (endsWith(n, "/m3") || endsWith(n, "/m2")) {
			result = n.substr(0, n.size() - 3);
			found = true;
		}
	}
	if (!found)
		throw Exception(FormatText("Cannot obtain integral unit for base unit %1.").arg(n),
						"[UnitList::integralQuantity]");
	return Unit(result);
}


std::string UnitList::replaceUnitWithIntegralUnit(const std::string & text) const {
	const char * const FUNC_ID = "[UnitList::replaceUnitWithIntegralUnit]";
	std::string::size_type open = text.find('[');
	std::string::size_type close = text.find(']');
	if (open == std::string::npos || close == std::string::npos || close < open)
		throw Exception(FormatText("Malformed string '%1', expected [<unit>] within string.").arg(text), FUNC_ID);

	Unit integralUnit;
	try {
		integralUnit = integralQuantity(Unit(text.substr(open + 1, close - open - 1)), false, true);
	}
	catch (Exception & ex) {
		throw Exception(ex, FormatText("Unknown/invalid unit in string '%1', cannot determine time integral unit.")
						.arg(text), FUNC_ID);
	}
	return text.substr(0, open + 1) + integralUnit.name() + text.substr(close);
}

} // namespace BVX
