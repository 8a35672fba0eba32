#include "Sci_DataReductionCurveFitter.h"

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

namespace SCI {

QPolygonF DataReductionCurveFitter::fitCurve(const QPolygonF & points) const {
	// fitCurve is const while the tolerance setters are not: weed with a local fitter
	QwtWeedingCurveFitter fitter;
	fitter.setChunkSize(100);
	// tolerances grow tenfold; stated exactly so that no rounding adds a fifth pass
	const double tolerances[] = { 1e-4, 1e-3, 1e-2, 1e-1 };
	double tol = 0;
	QPolygonF result;
	for (double t : tolerances) {
		tol = t;
		fitter.setTolerance(tol);
		result = fitter.fitCurve(points);
		if (result.size() <= 500)
			break;
	}
	// a developer's note: above the thresholds of console and log the programs set (2)
	BVX::BVX_Message(BVX::FormatText("Data reduction (tol=%3): %1   -> %2\n")
		.arg(points.size()).arg(result.size()).arg(tol),
		BVX::MSG_PROGRESS, "[DataReductionCurveFitter::fitCurve]", 3);
	return result;
}

} // namespace SCI
