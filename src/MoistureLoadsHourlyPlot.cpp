#include "MoistureLoadsHourlyPlot.h"

MoistureLoadsHourlyPlot::MoistureLoadsHourlyPlot(QWidget * parent) :
	QwtPlot(parent)
{
	setMinimumHeight(200);
}


void MoistureLoadsHourlyPlot::setDefaultAxes() {
	setAxisScale(xBottom, 0, 365);
	replot();
}


void MoistureLoadsHourlyPlot::updateResults(const RM::CaldoryneModel * /*model*/, const RM::OutputManager * /*outputs*/) {
}
