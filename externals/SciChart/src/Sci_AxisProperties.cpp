#include "Sci_AxisProperties.h"

#include "Sci_DateScaleDraw.h"

namespace SCI {

AxisProperties::AxisProperties() :
	m_gridPen(QBrush(Qt::gray), 1, Qt::DashLine),
	m_minorGridPen(QBrush(Qt::lightGray), 1, Qt::DotLine),
	m_dateTimeZero(QDate(2000, 1, 1).startOfDay()),
	m_dateTimeFormats(DateScaleDraw::defaultDateFormats())
{
}

} // namespace SCI
