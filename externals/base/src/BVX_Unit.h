#ifndef BVX_UnitH
#define BVX_UnitH

#include <string>

namespace BVX {

/*! A unit of the process-wide unit table, held by its index.
	Index 0 is the unit "undefined". Two units are the same unit when their indices are equal.
*/
class Unit {
public:
	/*! The unit "undefined". */
	Unit() = default;
	/*! The unit of that name; throws when the name is not in the unit table. */
	Unit(const std::string & name);
	Unit(const char * name);
	/*! The unit with that index; throws when the index is out of range. */
	explicit Unit(unsigned int index);

	void set(const std::string & name);
	void set(unsigned int index);

	/*! Index in the unit table. */
	unsigned int id() const { return m_id; }
	/*! The unit's name in the unit table. */
	const std::string & name() const;
	/*! Index of the unit's base unit. */
	unsigned int base_id() const;

	/*! Factor and operation that convert a value in this unit into the target unit
		(see UnitList::relate_units()). For the same unit: factor 1 and multiply. */
	void relate_to(const Unit & target, double & factor, unsigned int & operation) const;

	bool operator==(const Unit & other) const { return m_id == other.m_id; }
	bool operator!=(const Unit & other) const { return m_id != other.m_id; }

private:
	/*! Index of the named unit; throws with the given function ID when unknown. */
	static unsigned int indexOf(const std::string & name, const char * functionID);
	/*! Checks the index; throws with the given function ID when out of range. */
	static unsigned int checkedIndex(unsigned int index, const char * functionID);

	unsigned int	m_id = 0;
};

} // namespace BVX

#endif // BVX_UnitH
