#ifndef RM_CaldoryneModelH
#define RM_CaldoryneModelH

#include <vector>

#include "RM_Climate.h"
#include "RM_ConstructionSolver.h"
#include "RM_Room.h"

namespace RM {

class Database;

/*! Balance model of the room: the heat (and, with the moisture balance, water vapour) balance
	of the room air as one well-mixed node, coupled to one finite-volume model per construction.

	State vector layout (y, ydot): the elements of construction 0 from the outside to the inside
	surface, then those of construction 1 and so on, then the room air node last. Each node has
	one unknown (energy) or, with the moisture balance, two adjacent ones (energy, moisture).
	Construction k's slice starts at m_offsets[k]*m_unknownsPerNode. Room air unknowns: energy
	in J and, with moisture, vapour mass in kg.

	Room air balance (W and kg/s; every flow positive into the room air, cooling <= 0):
	  dU/dt = gammaHC Q_heat + Q_cool + gammaRad Q_sol + Q_mechVent + Q_natVent + Q_persons
	          + Q_equipment + Q_windowTransmission + sum_i A_i (T_si,i - T_i) / R_ui,i
	          [+ H_dehum + H_moistureLoad + sum_i g_i h_v]                (moisture balance)
	  dm_v/dt = G_natVent + G_mechVent + G_dehum + G_moistureLoad
	          + sum_i beta_i A_i (p_v,si,i - p_v,i)                       (moisture balance)
	with U = (rho_air c_air V + C_add) T_i without moisture and
	U = ((rho_air c_air + c_v rho_v) V + C_add) T_i + h_v0 rho_v V with it (T in K,
	rho_v = m_v/V, h_v = c_v T + h_v0). The radiant shares (1 - gammaHC) Q_heat and
	gammaRad Q_sol go onto the inside surfaces by area; internal loads are convective in full.
	Each load and control model states its own formula (RM_HeatingModel.h, RM_CoolingModel.h,
	RM_*VentilationModel.h, RM_UserLoads.h, RM_MoistureLoads.h).

	Evaluation cycle (driven by the model interface): set m_t and m_hourOfYear, then
	updateBoundaryConditions(); copy the integrator's states into m_y, then updateStates(),
	updateLoads() and updateDivergences(); read m_ydot. None of these allocate.

	Deliberate simplifications (keep them):
	- One combined inside surface resistance R_ui per construction, no long-wave radiation
	  exchange between the inside surfaces; radiant gains are spread over the surfaces by area.
	- The enthalpy of vapour entering a wall is booked on the room air side only, not in the
	  wall's energy balance.
	- Windows have no thermal mass: their inside surface temperature follows from the U-value.

	All members are public for reading by the model interface, the output manager and the
	DIN 4108-2 assessment. m_constructions must not be reallocated after init(): the solvers
	point into it (Debug builds assert this at every evaluation).
*/
class CaldoryneModel {
public:
	CaldoryneModel();
	virtual ~CaldoryneModel();

	/*! Not copyable: the solvers point into m_constructions of their own model. */
	CaldoryneModel(const CaldoryneModel &) = delete;
	CaldoryneModel & operator=(const CaldoryneModel &) = delete;

	/*! Builds constructions, solvers, the state vector and the initial state from m_room,
		m_climate and the database. Throws BVX::Exception. */
	void init(const Database & db);

	/*! Takes a project without initialising: m_room and the wall list as a run sees it
		(surfaces with a construction type; a window of a wall not to the outside counted as
		wall). The model then describes the project, e.g. for a report without results. */
	void describe(const Room & room);
	/*! A surface as the model's wall list holds it: towards the inside or a zone, a
		window area counts as wall area. */
	static RoomConstruction modelWall(const RoomConstruction & rc);

	/*! Climate at m_t; outside temperature and humidity; zone temperatures of the hour.
		Depends on m_t only: a call at the time of the previous one returns at once (the
		Newton iterations of one step evaluate the model repeatedly at the same time). */
	void updateBoundaryConditions();

	/*! Forces the next updateBoundaryConditions() to recompute, e.g. after the climate data
		or the zone temperatures were changed. */
	void invalidateBoundaryConditions();

	/*! Room air state and construction states from m_y. */
	void updateStates();

	/*! Loads of the hour at the current state; returns the operative temperature in K. */
	double updateLoads();

	/*! Derivatives of all states into m_ydot. */
	void updateDivergences();
	/*! Only the surface fluxes of the walls, as updateDivergences() sets them (all that the
		outputs read after a step); m_ydot is left as it is. */
	void updateSurfaceFluxes();

	/*! Sparsity pattern of the Jacobian in CSR form (row pointers ia with n+1 entries, column
		indices ja ascending and unique per row): for every node its own block, the neighbour
		elements of each element, the room air node with the two innermost elements of every
		construction, and the outermost element of Inside constructions with the room air node. */
	void jacobianSparsityPattern(std::vector<unsigned int> & ia, std::vector<unsigned int> & ja) const;

	/*! Unknowns of construction k (its slice length). */
	unsigned int constructionUnknowns(unsigned int k) const { return m_solvers[k].unknowns(); }

	/*! Own copy of the project. */
	Room							m_room;
	/*! Own copy of the climate with its solar radiation model. */
	Climate							m_climate;
	/*! One solver per used construction, in construction order. */
	std::vector<ConstructionSolver>	m_solvers;
	/*! Index of the first element of each construction among all elements. */
	std::vector<unsigned int>		m_offsets;
	unsigned int					m_constructionCount;
	/*! Copies of the room constructions that have a construction type, with resolved types. */
	std::vector<RoomConstruction>	m_constructions;
	/*! Share of the heating load absorbed at each inside surface. */
	std::vector<double>				m_heatingRadiantFractions;
	/*! Share of the window solar gain absorbed at each inside surface. */
	std::vector<double>				m_solarRadiantFractions;
	/*! Sum of all construction areas in m2. */
	double							m_totalConstructionArea;
	/*! Number of unknowns. */
	unsigned int					m_n;
	/*! 1, or 2 with the moisture balance. */
	unsigned int					m_unknownsPerNode;

	/*! Simulation time in s (beyond one year in the second year of a two-year run). */
	double							m_t;
	/*! floor((t mod 31,536,000 s)/3600), 0..8759. */
	double							m_hourOfYear;
	/*! Time of the last updateBoundaryConditions(); NaN when none is valid. */
	double							m_boundaryConditionsTime;

	/*! Outside air temperature in K. */
	double							m_Te;
	/*! Outside relative humidity 0..1. */
	double							m_phie;
	/*! Outside vapour pressure in Pa (moisture only, else 0). */
	double							m_pve;
	/*! Outside vapour density in kg/m3 (moisture only, else 0). */
	double							m_rhove;

	std::vector<double>				m_y;
	std::vector<double>				m_ydot;

	/*! Room air temperature in K. */
	double							m_Ti;
	/*! Operative temperature in K. */
	double							m_operativeTemperature;
	/*! Area-weighted mean inside surface temperature (walls and windows) in K. */
	double							m_meanSurfaceTemperature;
	/*! Room relative humidity 0..1 (moisture only). */
	double							m_phii;
	/*! Room vapour pressure in Pa (moisture only). */
	double							m_pvi;
	/*! Room vapour density in kg/m3 (moisture only). */
	double							m_rhovi;
	/*! Dry-air density of the room in kg/m3 (moisture only). */
	double							m_rhoDryAir;

	// *** Loads of the hour (W for heat, kg/s for vapour) ***

	double							m_heatingLoad;
	/*! Sensible cooling load, <= 0. */
	double							m_coolingLoad;
	/*! Vapour flow of the dehumidification, <= 0. */
	double							m_dehumidificationVapourFlow;
	double							m_dehumidificationEnthalpyFlow;
	/*! Latent cooling load (reported only). */
	double							m_latentCoolingLoad;
	double							m_mechanicalVentilationHeatFlow;
	double							m_mechanicalVentilationVapourFlow;
	/*! Supply air flow in m3/s (reported only). */
	double							m_mechanicalVentilationSupplyAirFlow;
	/*! Power of the cooling coil (reported only). */
	double							m_mechanicalVentilationCoolingPower;
	double							m_personLoads;
	double							m_equipmentLoads;
	double							m_naturalVentilationHeatFlow;
	double							m_naturalVentilationVapourFlow;
	double							m_moistureLoad;
	double							m_moistureLoadEnthalpyFlow;
	/*! Air change rate of natural ventilation in 1/h. */
	double							m_airChangeRate;
	/*! Occupancy schedule value of the hour. */
	double							m_occupancy;

	// *** Per construction ***

	/*! Solar gain through the window in W. */
	std::vector<double>				m_windowSolarGain;
	/*! Angle of incidence in Deg; -180 for constructions that are not Outside. */
	std::vector<double>				m_incidenceAngle;
	/*! Effective SHGC of the window for direct radiation; -1 without window, 0 without radiation. */
	std::vector<double>				m_effectiveSHGC;
	/*! Transmission heat flow through the window into the room in W. */
	std::vector<double>				m_windowTransmission;
	/*! Radiant heat flow onto the inside surface in W. */
	std::vector<double>				m_insideRadiantHeatFlow;
	/*! Convective heat flow from the room air into the inside surface in W. */
	std::vector<double>				m_insideConvectiveHeatFlow;
	/*! Vapour flow from the room air into the inside surface in kg/s. */
	std::vector<double>				m_insideVapourFlow;
	/*! Enthalpy flow of m_insideVapourFlow in W. */
	std::vector<double>				m_insideVapourEnthalpyFlow;
	/*! Inside surface temperature of the window in K. */
	std::vector<double>				m_windowInsideSurfaceTemperature;
	/*! Direct, diffuse and total solar radiation on the outside surface in W/m2. */
	std::vector<double>				m_directRadiation;
	std::vector<double>				m_diffuseRadiation;
	std::vector<double>				m_globalRadiation;
	/*! Solar radiation absorbed by the outside surface in W/m2. */
	std::vector<double>				m_absorbedRadiation;

	// *** Sums over all constructions ***

	/*! Solar gain through all windows in W. */
	double							m_totalSolarGain;
	/*! Transmission heat flow through all windows in W. */
	double							m_totalWindowTransmission;
	/*! Heat flow from all inside surfaces into the room air in W. */
	double							m_insideSurfaceHeatFlow;
	/*! Vapour flow from all inside surfaces into the room air in kg/s. */
	double							m_insideSurfaceVapourFlow;
	/*! Enthalpy flow going with m_insideSurfaceVapourFlow in W. */
	double							m_insideSurfaceEnthalpyFlow;

private:
	/*! Appends the checked copy of room construction k; fails for invalid coefficients. */
	void addConstruction(unsigned int k, const RoomConstruction & rc);
	/*! Resolves the types of copy i, reads its zone temperatures and builds its solver. */
	void initConstruction(unsigned int i, const Database & db);
	/*! Zone temperature series of a FixedTemperature construction from its file. */
	void readZoneTemperatures(RoomConstruction & con) const;
	void resizeConstructionVectors();
	void setInitialStates();

	/*! Internal gains, heating, cooling, ventilation and moisture loads of the hour. */
	void updateRoomLoads(bool din, unsigned int h);
	/*! Radiation on the outside surfaces and solar gains through the windows. */
	void updateSolarLoads(bool din, unsigned int h);
	/*! Window transmission and the exchange between room air and inside surfaces. */
	void updateSurfaceExchange();
	/*! Mean surface and operative temperature. */
	void updateOperativeTemperature();

	/*! Heat capacity of the additional mass in J/K. */
	double additionalHeatCapacity() const;
};

} // namespace RM

#endif // RM_CaldoryneModelH
