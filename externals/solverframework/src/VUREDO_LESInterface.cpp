#include "VUREDO_LESInterface.h"

namespace VUREDO {

LESInterface::LESInterface() :
	m_statNumRHSEvals(0),
	m_integrator(nullptr),
	m_model(nullptr),
	m_relToleranceDQ(1e-7),
	m_absToleranceDQ(1e-8)
{
}

LESInterface::~LESInterface() {
}

void LESInterface::writeStatisticsHeader(const std::string &, bool) {
}

void LESInterface::writeStatistics(double) {
}

void LESInterface::writeMetrics(double, std::ostream *) {
}

std::size_t LESInterface::serializationSize() const {
	return 0;
}

void LESInterface::serialize(void *&) const {
}

void LESInterface::deserialize(void *&) {
}

} // namespace VUREDO
