#ifndef RM_PhysicsH
#define RM_PhysicsH

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
/*! Seconds of a (non-leap) year. */
const double SECONDS_PER_YEAR = 31536000;

/*! Saturation vapour pressure of water in Pa at temperature T in K
	(sixth-order fits of Lowe 1977, over ice below the triple point). */
double saturationVapourPressure(double T);

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
