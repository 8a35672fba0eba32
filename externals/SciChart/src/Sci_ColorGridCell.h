#ifndef Sci_ColorGridCellH
#define Sci_ColorGridCellH

#include <cstdint>

#include <QMetaType>

namespace SCI {

/*! One cell of a colour grid: where its value is and where the cell lies. The cells of a
	grid are stored row by row, cell (column, row) at column + row * x value count. */
struct ColorGridCell {
	/*! Value index of a cell without value. */
	static constexpr std::uint32_t NO_VALUE = 0xFFFFFFFFu;

	bool hasValue() const { return m_valueIndex != NO_VALUE; }

	/*! Index into the value array, NO_VALUE when the cell has none. */
	std::uint32_t	m_valueIndex = NO_VALUE;
	std::uint32_t	m_column = 0;
	std::uint32_t	m_row = 0;
};

} // namespace SCI

Q_DECLARE_METATYPE(const SCI::ColorGridCell *)

#endif // Sci_ColorGridCellH
