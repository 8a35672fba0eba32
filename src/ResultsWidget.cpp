#include "ResultsWidget.h"

ResultsWidget::ResultsWidget(QWidget * parent) :
	QWidget(parent)
{
}


void ResultsWidget::updateLoads(const RM::Climate * /*climate*/) {
}


void ResultsWidget::updateResults(const RM::CaldoryneModel * /*model*/, const RM::OutputManager * /*outputs*/) {
}


void ResultsWidget::setRadiationPlotValue(double /*albedo*/) {
}
