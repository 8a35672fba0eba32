#ifndef QwtDateTimeScaleEngineH
#define QwtDateTimeScaleEngineH

#include <qwt_scale_engine.h>

/*! Scale engine of a time axis in days since 1 January: ticks on month ends and Mondays
	(four or more months visible), on Mondays and days (more than 14 days), or on
	midnights and hours. */
class QwtDateTimeScaleEngine : public QwtLinearScaleEngine {
public:
	QwtDateTimeScaleEngine();

	/*! The step arguments are ignored. */
	QwtScaleDiv divideScale(double x1, double x2, int maxMajorSteps, int maxMinorSteps,
							double stepSize = 0.0) const override;
};

#endif // QwtDateTimeScaleEngineH
