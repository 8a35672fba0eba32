#include "Sci_LegendItemMover.h"

#include <qwt_plot.h>

namespace SCI {

LegendItemMover::LegendItemMover(QwtPlot * parent, PlotPicker * picker) :
	QObject(parent),
	m_picker(picker)
{
	parent->canvas()->installEventFilter(this);
}


bool LegendItemMover::eventFilter(QObject * object, QEvent * event) {
	return QObject::eventFilter(object, event);
}

} // namespace SCI
