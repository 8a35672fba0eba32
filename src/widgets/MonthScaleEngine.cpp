#include "MonthScaleEngine.h"

QwtScaleDiv MonthScaleEngine::divideScale(double /*x1*/, double /*x2*/, int /*maxMajorSteps*/,
										  int /*maxMinorSteps*/, double /*stepSize*/) const
{
	QList<double> ticks;
	for (int i = 0; i <= 12; ++i)
		ticks << i - 0.5;
	return QwtScaleDiv(-0.5, 11.51, QList<double>(), QList<double>(), ticks);
}
