#ifndef RM_PhysicsH
#define RM_PhysicsH

#include <BVX_Time.h>

/*! Physical constants and moist-air relations shared by the load models and the
	room balance. Temperatures in K, pressures in Pa, densities in kg/m3.
*/
namespace RM {

/*! Density of air in kg/m3. */
const double RHO_AIR = 1.205;
/*! Specific heat capacity of dry air in J/kgK. */
const double C_AIR = 1006;
/*! Specific heat capacity of water vapour in J/kgK. */
const double C_VAPOUR = 2050;
/*! Enthalpy constant of water vapour in J/kg: h_v = C_VAPOUR*T + H_VAPOUR (T in K). */
const double H_VAPOUR = 3080000;
/*! Gas constant of water vapour in J/kgK. */
const double R_VAPOUR = 461.89;
/*! Gas constant of dry air in J/kgK. */
const double R_AIR = 287.1;
/*! Atmospheric pressure in Pa. */
const double P_ATM = 101325;
/*! Offset between Celsius and Kelvin. */
const double T_KELVIN = 273.15;
using BVX::SECONDS_PER_YEAR;

/*! Saturation vapour pressure of water in Pa at temperature T in K
	(sixth-order fits of Lowe 1977, over ice below the triple point).
	Inline and without branches: evaluated for every wall element in every model
	evaluation, in loops the compiler can vectorise. */
inline double saturationVapourPressure(double T) {
	// Clamps keep the fits inside their range: below 124.6 K the polynomial is evaluated at
	// 124.6 K (and replaced by a tiny constant below 130 K, where the fit turns negative);
	// above 373 K (boiling) the pressure is held at 109347 Pa.
	T = T < 124.6 ? 124.6 : T; // std::max(T, 124.6), NaN passes through
	const double theta = T - T_KELVIN;
	// over ice, result of the polynomial in hPa
	const double ice = 100*(6.109177956 + theta*(0.503469897 + theta*(0.01886013408 + theta*(4.176223716e-4
		+ theta*(5.82472028e-6 + theta*(4.838803174e-8 + theta*1.838826904e-10))))));
	// over water
	const double water = 100*(6.107799961 + theta*(0.4436518521 + theta*(0.01428945805 + theta*(2.650648471e-4
		+ theta*(3.031240396e-6 + theta*(2.034080948e-8 + theta*6.136820929e-11))))));
	double p = T < 273.1269 ? ice : water;
	p = T < 130 ? 1.35e-15 : p;
	return T > 373 ? 109347 : p;
}

/*! Enthalpy of water vapour in J/kg at T in K. */
inline double vapourEnthalpy(double T) { return C_VAPOUR * T + H_VAPOUR; }

/*! Composition of moist air at temperature T (K) with vapour density rhov (kg/m3). */
struct MoistAir {
	MoistAir(double T, double rhov);

	/*! Dry-air density in kg/m3. */
	double	m_rhoDry;
	/*! Total density (dry air + vapour) in kg/m3. */
	double	m_rho;
	/*! Vapour mass fraction. */
	double	m_xVapour;
	/*! Dry-air mass fraction. */
	double	m_xDry;
};

} // namespace RM

#endif // RM_PhysicsH
