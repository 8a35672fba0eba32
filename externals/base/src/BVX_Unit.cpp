#include "BVX_Unit.h"

#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_UnitList.h"

namespace BVX {

Unit::Unit(const std::string & name) :
	m_id(indexOf(name, "[Unit::Unit]"))
{
}


Unit::Unit(const char * name) :
	Unit(std::string(name))
{
}


Unit::Unit(unsigned int index) :
	m_id(checkedIndex(index, "[Unit::Unit]"))
{
}


void Unit::set(const std::string & name) {
	m_id = indexOf(name, "[Unit::set]");
}


void Unit::set(unsigned int index) {
	m_id = checkedIndex(index, "[Unit::set]");
}


const std::string & Unit::name() const {
	return UnitList::instance().retrieve(m_id)->m_name;
}


unsigned int Unit::base_id() const {
	return UnitList::instance().retrieve(m_id)->m_baseIndex;
}


void Unit::relate_to(const Unit & target, double & factor, unsigned int & operation) const {
	if (m_id == target.m_id) {
		factor = 1;
		operation = UnitData::OP_MUL;
		return;
	}
	const UnitList & ul = UnitList::instance();
	ul.relate_units(ul.retrieve(m_id), ul.retrieve(target.m_id), factor, operation);
}


unsigned int Unit::indexOf(const std::string & name, const char * functionID) {
	const UnitData * u = UnitList::instance().retrieve(name);
	if (u == nullptr)
		throw Exception(FormatText("Unit '%1' not found.").arg(name), functionID);
	return u->m_index;
}


unsigned int Unit::checkedIndex(unsigned int index, const char * functionID) {
	const UnitList & ul = UnitList::instance();
	if (index >= ul.size())
		throw Exception(FormatText("Unit index %1 out of range 0..%2.")
						.arg(index).arg(static_cast<int>(ul.size()) - 1), functionID);
	return index;
}

} // namespace BVX
