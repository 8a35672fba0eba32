#include "VUREDO_PrecondInterface.h"

namespace VUREDO {

PrecondInterface::PrecondInterface(int precondType) :
	m_integrator(nullptr),
	m_model(nullptr),
	m_precondType(precondType)
{
}

PrecondInterface::~PrecondInterface() {
}

void PrecondInterface::writeStatisticsHeader(const std::string &, bool) {
}

void PrecondInterface::writeStatistics(double) {
}

void PrecondInterface::flushStatistics() {
	if (m_statsFileStream)
		m_statsFileStream->flush();
}

std::size_t PrecondInterface::serializationSize() const {
	return 0;
}

void PrecondInterface::serialize(void *&) const {
}

void PrecondInterface::deserialize(void *&) {
}

} // namespace VUREDO
