#include "VUREDO_IntegratorInterface.h"

namespace VUREDO {

IntegratorInterface::~IntegratorInterface() {
}

void IntegratorInterface::writeStatisticsHeader(const std::string &, bool) {
}

void IntegratorInterface::writeStatistics() {
}

void IntegratorInterface::flushStatistics() {
}

void IntegratorInterface::writeMetrics(double, std::ostream *) {
}

std::size_t IntegratorInterface::serializationSize() const {
	return 0;
}

void IntegratorInterface::serialize(void *&) const {
}

void IntegratorInterface::deserialize(void *&) {
}

} // namespace VUREDO
