#include "RM_ControllerSlope.h"

#include <algorithm>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

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


void reportControllerSlope(const char * name, double slope, const char * functionId) {
	BVX::MessageHandler * mh = BVX::MessageHandlerRegistry::instance().msgHandler();
	if (mh->consoleVerbosityLevel() >= 2)
		BVX::BVX_Message(BVX::FormatText("%1 = %2 W/K\n").arg(name).arg(slope), BVX::MSG_PROGRESS, functionId, 2);
}

} // namespace RM
