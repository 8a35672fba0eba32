#ifndef BVXMK_GridDataH
#define BVXMK_GridDataH

#include <vector>

#include "BVX_Unit.h"

namespace BVX {

/*! One line of a grid: its position on one axis and its extent along the other. */
struct GridLine {
	double	m_position;
	double	m_start;
	double	m_end;
};

/*! Construction lines of a chart: vertical and horizontal lines, minor and major, with
	the unit of each axis. Charts draw the positions of the vertical lines (minor and major).
*/
class GridData {
public:
	/*! No lines; both axes get the given unit. */
	explicit GridData(const Unit & unit = Unit());

	/*! True when there are no lines at all. */
	bool empty() const;
	/*! True when there are no vertical lines (minor or major). */
	bool hasNoPoints() const;

	std::vector<GridLine>	m_verticalLines;
	std::vector<GridLine>	m_horizontalLines;
	std::vector<GridLine>	m_verticalMajorLines;
	std::vector<GridLine>	m_horizontalMajorLines;
	Unit					m_xUnit;
	Unit					m_yUnit;
};

} // namespace BVX

#endif // BVXMK_GridDataH
