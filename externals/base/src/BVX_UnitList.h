#ifndef BVX_UnitListH
#define BVX_UnitListH

#include <string>

#include "BVX_ptr_list.h"
#include "BVX_Unit.h"
#include "BVX_UnitData.h"

namespace BVX {

/*! The process-wide unit table and the conversions between units of the same base unit.

	Entry i has index i. The list is filled once from the built-in table on the first
	call of instance() and is read-only afterwards, so it may be read from any thread.
*/
class UnitList : public ptr_list<UnitData> {
public:
	/*! An empty list; instance() gives the one filled from the built-in table. */
	UnitList() = default;
	~UnitList() override;

	/*! The process-wide list, filled with the built-in table on first use. */
	static UnitList & instance();

	/*! The built-in unit table text. */
	static const char * const DEFAULT_UNITS;

	/*! Parses the built-in unit table into the (empty) list. */
	void read_default();

	/*! Parses a unit table text into the list.
		Groups are separated by ';', tokens by blanks/tabs: the base unit name followed
		by triples of operation character, factor and unit name.
	*/
	void read(const std::string & tableText);

	/*! Entry at the given index; throws when the index is out of range. */
	const UnitData * retrieve(unsigned int index) const;
	/*! First entry with exactly this name, or nullptr. */
	const UnitData * retrieve(const std::string & name) const;

	/*! Factor and operation that convert a value in the source unit into the target unit.
		Returned operations: OP_NONE, OP_ADD (add factor), OP_MUL (multiply by factor) and
		OP_SPECIAL (use convert_special(), factor 1). Throws for units of different base units
		and for offset/factor mixes.
	*/
	void relate_units(const UnitData * src, const UnitData * target, double & factor, unsigned int & operation) const;

	/*! Converts the value in place; the value is unchanged when an exception is thrown. */
	void convert(const UnitData * src, const UnitData * target, double & value) const;
	void convert(unsigned int srcIndex, unsigned int targetIndex, double & value) const;
	void convert(const Unit & src, const Unit & target, double & value) const;

	/*! Conversion through the base unit of src, handling the special (sqrt, log) units. */
	void convert_special(const UnitData * src, const UnitData * target, double & value) const;

	/*! Unit of the integral of a quantity in the given unit over space (area or volume),
		over time or both; with neither flag the unit itself. */
	Unit integralQuantity(const Unit & unit, bool spaceIntegral, bool timeIntegral) const;

	/*! Replaces the unit in square brackets of a caption by the unit of its time integral,
		e.g. "Heat flux [W/m2]" -> "Heat flux [J/m2]". */
	std::string replaceUnitWithIntegralUnit(const std::string & text) const;

	/*! Divisor of a log unit (log(kg/m3), log(g/m3), ...) relative to kg/m3, 0 for any other unit. */
	static double logUnitDivisor(const std::string & name);

private:
	/*! Adds an entry unless its name is already defined. */
	void addUnit(const std::string & name, unsigned int baseIndex, double factor, int operation);

	/*! Converts a value from a special unit into its base unit. */
	static double specialToBase(const UnitData * src, double value);
	/*! Converts a base unit value into a special unit. */
	static double baseToSpecial(const UnitData * target, double baseValue);
};

} // namespace BVX

#endif // BVX_UnitListH
