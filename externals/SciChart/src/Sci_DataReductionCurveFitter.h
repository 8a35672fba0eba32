#ifndef Sci_DataReductionCurveFitterH
#define Sci_DataReductionCurveFitterH

#include <qwt_curve_fitter.h>

namespace SCI {

/*! Thins a curve for printing: weeds with growing tolerance until at most 500 points
	remain or the tolerance reaches 0.1. */
class DataReductionCurveFitter : public QwtWeedingCurveFitter {
public:
	DataReductionCurveFitter() : QwtWeedingCurveFitter(1) {}

	QPolygonF fitCurve(const QPolygonF & points) const override;
};

} // namespace SCI

#endif // Sci_DataReductionCurveFitterH
