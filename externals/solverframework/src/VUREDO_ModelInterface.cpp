#include "VUREDO_ModelInterface.h"

#include <cstddef>

namespace VUREDO {

ModelInterface::~ModelInterface() {
}

void ModelInterface::writeOutputs(double, const double *) {
}

void ModelInterface::stepCompleted(double, const double *) {
}

LESInterface * ModelInterface::lesInterface() {
	return nullptr;
}

IntegratorInterface * ModelInterface::integratorInterface() {
	return nullptr;
}

PrecondInterface * ModelInterface::preconditionerInterface() {
	return nullptr;
}

JacobianInterface * ModelInterface::jacobianInterface() {
	return nullptr;
}

OutputScheduler * ModelInterface::outputScheduler() {
	return nullptr;
}

void ModelInterface::reserved() {
}

int ModelInterface::calculateErrorWeights(const double *, double *) {
	return MR_Abort;
}

bool ModelInterface::hasErrorWeightsFunction() {
	return false;
}

std::size_t ModelInterface::serializationSize() const {
	return 0;
}

void ModelInterface::serialize(void *&) const {
}

void ModelInterface::deserialize(void *&) {
}

void ModelInterface::writeMetrics(double, std::ostream *) {
}

} // namespace VUREDO
