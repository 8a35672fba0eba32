#include "VUREDO_OutputScheduler.h"

namespace VUREDO {

OutputScheduler::~OutputScheduler() {
}


double OutputScheduler::nextOutputTime(double t) {
	// full hour next to t toward zero; for t >= 0 the result is the next full hour after t
	double b = static_cast<int>(t / 3600) * 3600.0;
	if (t + 3.6e-5 > b)
		return b + 3600;
	return b;
}

} // namespace VUREDO
