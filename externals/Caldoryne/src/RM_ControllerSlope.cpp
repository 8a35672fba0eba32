#include "RM_ControllerSlope.h"

#include <algorithm>

namespace RM {

namespace {

const double MAX_SLOPE = 500000;
const double SLOPE_FACTOR = 1.2;
const double SLOPE_DEVIATION = 0.2;

} // namespace


bool raiseControllerSlope(double & slope, double deviation) {
	if (deviation <= SLOPE_DEVIATION || slope >= MAX_SLOPE)
		return false;
	slope = std::min(slope*SLOPE_FACTOR, MAX_SLOPE);
	return true;
}

} // namespace RM
