#ifndef GainLossScaleEngineH
#define GainLossScaleEngineH

#include <qwt_scale_engine.h>

/*! Fixed division of the gains/losses axis: -0.5 .. 1.51 with ticks at 0 and 1. */
class GainLossScaleEngine : public QwtLinearScaleEngine {
public:
	GainLossScaleEngine() : QwtLinearScaleEngine(10) {}

	QwtScaleDiv divideScale(double x1, double x2, int maxMajorSteps, int maxMinorSteps,
							double stepSize = 0.0) const override;
};

#endif // GainLossScaleEngineH
