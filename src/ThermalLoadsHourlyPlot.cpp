#include "ThermalLoadsHourlyPlot.h"

ThermalLoadsHourlyPlot::ThermalLoadsHourlyPlot(QWidget * parent) :
	QwtPlot(parent)
{
	setMinimumHeight(200);
}


void ThermalLoadsHourlyPlot::setDefaultAxes() {
	setAxisScale(xBottom, 0, 365);
	replot();
}


void ThermalLoadsHourlyPlot::updateResults(const RM::CaldoryneModel * /*model*/, const RM::OutputManager * /*outputs*/) {
}
