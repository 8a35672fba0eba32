#include "VUREDO_IntegratorErrorControlled.h"

namespace VUREDO {

IntegratorErrorControlled::IntegratorErrorControlled() :
	m_unused(1),
	m_relTol(1e-5),
	m_absTol(1e-6),
	m_stopTime(0)
{
}

IntegratorErrorControlled::~IntegratorErrorControlled() {
}

} // namespace VUREDO
