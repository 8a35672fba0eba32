#include "ThermalLoadsMonthlyPlot.h"

ThermalLoadsMonthlyPlot::ThermalLoadsMonthlyPlot(QWidget * parent) :
	QwtPlot(parent)
{
	setMinimumHeight(200);
}


void ThermalLoadsMonthlyPlot::updateResults(const RM::CaldoryneModel * /*model*/, const RM::OutputManager * /*outputs*/) {
}
