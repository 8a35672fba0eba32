#include "VUREDO_JacobianInterface.h"

namespace VUREDO {

JacobianInterface::~JacobianInterface() {
}

std::size_t JacobianInterface::serializationSize() const {
	return 0;
}

void JacobianInterface::serialize(void *&) const {
}

void JacobianInterface::deserialize(void *&) {
}

} // namespace VUREDO
