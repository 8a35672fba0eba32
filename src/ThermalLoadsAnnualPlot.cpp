#include "ThermalLoadsAnnualPlot.h"

ThermalLoadsAnnualPlot::ThermalLoadsAnnualPlot(QWidget * parent) :
	QwtPlot(parent)
{
	setMinimumHeight(200);
}


void ThermalLoadsAnnualPlot::updateResults(const RM::CaldoryneModel * /*model*/, const RM::OutputManager * /*outputs*/) {
}
