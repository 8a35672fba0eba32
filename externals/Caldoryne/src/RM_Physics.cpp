#include "RM_Physics.h"

#include <algorithm>

namespace RM {

double saturationVapourPressure(double T) {
	T = std::max(T, 124.6);
	const double theta = T - T_KELVIN;
	if (T < 273.1269) {
		if (T < 130)
			return 1.35e-15;
		// over ice, result of the polynomial in hPa
		return 100*(6.109177956 + theta*(0.503469897 + theta*(0.01886013408 + theta*(4.176223716e-4
			+ theta*(5.82472028e-6 + theta*(4.838803174e-8 + theta*1.838826904e-10))))));
	}
	if (T > 373)
		return 109347;
	// over water
	return 100*(6.107799961 + theta*(0.4436518521 + theta*(0.01428945805 + theta*(2.650648471e-4
		+ theta*(3.031240396e-6 + theta*(2.034080948e-8 + theta*6.136820929e-11))))));
}


MoistAir::MoistAir(double T, double rhov) {
	m_rhoDry = (P_ATM - R_VAPOUR*rhov*T)/(R_AIR*T);
	m_rho = m_rhoDry + rhov;
	m_xVapour = rhov/m_rho;
	m_xDry = m_rhoDry/m_rho;
}

} // namespace RM
