#include "GainLossScaleEngine.h"

QwtScaleDiv GainLossScaleEngine::divideScale(double /*x1*/, double /*x2*/, int /*maxMajorSteps*/,
											 int /*maxMinorSteps*/, double /*stepSize*/) const
{
	QwtScaleDiv div = QwtLinearScaleEngine::divideScale(-0.5, 1.51, 2, 0, 1);
	div.setTicks(QwtScaleDiv::MinorTick, QList<double>());
	div.setTicks(QwtScaleDiv::MediumTick, QList<double>());
	return div;
}
