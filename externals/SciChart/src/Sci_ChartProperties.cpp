#include "Sci_ChartProperties.h"

#include <QCoreApplication>

namespace SCI {

ChartProperties::ChartProperties() :
	m_titleText(QCoreApplication::translate("SCI::ChartProperties", "Title"))
{
}

} // namespace SCI
