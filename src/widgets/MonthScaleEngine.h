#ifndef MonthScaleEngineH
#define MonthScaleEngineH

#include <qwt_scale_engine.h>

/*! Fixed division of the month axis: -0.5 .. 11.51 with a tick between each two months. */
class MonthScaleEngine : public QwtLinearScaleEngine {
public:
	MonthScaleEngine() : QwtLinearScaleEngine(10) {}

	QwtScaleDiv divideScale(double x1, double x2, int maxMajorSteps, int maxMinorSteps,
							double stepSize = 0.0) const override;
};

#endif // MonthScaleEngineH
