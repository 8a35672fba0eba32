#ifndef BVX_UnitDataH
#define BVX_UnitDataH

#include <string>

namespace BVX {

/*! One entry of the unit table.

	A value expressed in this unit equals the value expressed in the base unit
	combined with the factor by the operation: "mm" is "m" * 1000, "min" is "s" / 60,
	"C" is "K" - 273.15. Special units (operation OP_SPECIAL, factor 0) are converted
	by their name.
*/
class UnitData {
public:
	/*! Operation codes, as stored in the table and returned by UnitList::relate_units(). */
	enum Operation {
		OP_NONE		= 0,	///< base unit (or: nothing to do)
		OP_ADD		= 1,	///< '+'
		OP_SUB		= 2,	///< '-'
		OP_MUL		= 3,	///< '*'
		OP_DIV		= 4,	///< '/'
		OP_SPECIAL	= 5		///< '%', non-linear conversion by name
	};

	UnitData() = default;
	UnitData(unsigned int index, const std::string & name, unsigned int baseIndex,
			 double factor, int operation) :
		m_index(index), m_name(name), m_baseIndex(baseIndex), m_factor(factor), m_operation(operation)
	{}

	/*! Operation code of an operation character; unknown characters give OP_NONE. */
	static int operationFromChar(char c);

	bool isBaseUnit() const { return m_operation == OP_NONE; }
	bool isSpecial() const { return m_operation == OP_SPECIAL; }

	/*! Position in the unit list. */
	unsigned int	m_index = 0;
	/*! Unit name, UTF-8, compared byte for byte. */
	std::string		m_name;
	/*! Index of the base unit of this unit's group. */
	unsigned int	m_baseIndex = 0;
	double			m_factor = 1;
	int				m_operation = OP_NONE;
};

} // namespace BVX

#endif // BVX_UnitDataH
