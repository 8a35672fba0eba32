#include "BVX_NotificationHandler.h"

namespace BVX {

NotificationHandler::~NotificationHandler() {
}


void NotificationHandler::notify(double /*t*/) {
	notify();
}

} // namespace BVX
