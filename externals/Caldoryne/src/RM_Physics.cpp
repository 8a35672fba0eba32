#include "RM_Physics.h"

namespace RM {

MoistAir::MoistAir(double T, double rhov) {
	m_rhoDry = (P_ATM - R_VAPOUR*rhov*T)/(R_AIR*T);
	m_rho = m_rhoDry + rhov;
	m_xVapour = rhov/m_rho;
	m_xDry = m_rhoDry/m_rho;
}

} // namespace RM
