#include "VUREDO_LESInterface.h"

#include <string>

#include <cvode/cvode_ls.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

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

void LESInterface::flushStatistics() {
	if (m_statsFileStream)
		m_statsFileStream->flush();
}

void LESInterface::writeMetrics(double, std::ostream *) {
}

void LESInterface::throwAttachError(int result, const char * moduleName, const char * functionID) {
	std::string msg;
	if (result == CVLS_MEM_FAIL)
		msg = std::string(moduleName) + " memory initialization error (problem too large?)";
	else if (result == CVLS_ILL_INPUT)
		msg = std::string(moduleName) + " init error (wrong input?)";
	else
		msg = std::string(moduleName) + " init error";
	BVX::BVX_Message(msg, BVX::MSG_ERROR, functionID, -1);
	throw BVX::Exception("Error initializing linear equation solver.", functionID);
}

std::size_t LESInterface::serializationSize() const {
	return 0;
}

void LESInterface::serialize(void *&) const {
}

void LESInterface::deserialize(void *&) {
}

} // namespace VUREDO
