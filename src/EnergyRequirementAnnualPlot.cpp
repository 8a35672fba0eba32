#include "EnergyRequirementAnnualPlot.h"

EnergyRequirementAnnualPlot::EnergyRequirementAnnualPlot(QWidget * parent) :
	QwtPlot(parent)
{
	setMinimumHeight(200);
}


void EnergyRequirementAnnualPlot::updateResults(const RM::CaldoryneModel * /*model*/, const RM::OutputManager * /*outputs*/) {
}
