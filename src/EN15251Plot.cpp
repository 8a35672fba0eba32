#include "EN15251Plot.h"

EN15251Plot::EN15251Plot(QWidget * parent) :
	QwtPlot(parent)
{
	setMinimumHeight(200);
}


void EN15251Plot::updateResults(const RM::CaldoryneModel * /*model*/, const RM::OutputManager * /*outputs*/) {
}
