#include "BVXMK_GridData.h"

namespace BVX {

GridData::GridData(const Unit & unit) :
	m_xUnit(unit),
	m_yUnit(unit)
{
}


bool GridData::empty() const {
	return m_verticalLines.empty() && m_horizontalLines.empty()
		&& m_verticalMajorLines.empty() && m_horizontalMajorLines.empty();
}


bool GridData::hasNoPoints() const {
	return m_verticalLines.empty() && m_verticalMajorLines.empty();
}

} // namespace BVX
