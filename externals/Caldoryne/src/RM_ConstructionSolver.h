#ifndef RM_ConstructionSolverH
#define RM_ConstructionSolverH

#include <map>
#include <vector>

#include "RM_ConstructionMesh.h"

namespace BVX {
class LinearSpline;
}

namespace RM {

class Material;
class RoomConstruction;

/*! One-dimensional heat (and, with the moisture balance, vapour) transport through one
	construction of the room, discretised into finite volumes (outside surface first).

	States per element: energy density u in J/m3 (sensible heat counted from 0 K plus the
	latent heat of a phase change) and, with moisture, moisture content w in kg/m3. The two
	unknowns of an element are adjacent in the state vector: [u0, w0, u1, w1, ...];
	without moisture it is [u0, u1, ...].

	Fluxes are positive from the outside surface (face 0) towards the inside surface (face n),
	which faces the room. The inside boundary fluxes are handed in by the room balance.

	Deliberate simplifications (keep them, the room balance relies on them):
	- The enthalpy carried by vapour through the inside surface is not part of the element
	  energy balance; the room balance books it on the air side only.
	- Vapour diffusion uses a fixed reference temperature of 296.15 K.
	- An Inside construction sees a neighbour room in the same state as this room: room air
	  temperature with R_ui on its far side, but beta_e for the vapour transfer.

	The construction pointer refers into the room balance's own copy of the constructions,
	which must stay in place while the solver lives. Copyable plain value.
*/
class ConstructionSolver {
public:
	ConstructionSolver();

	/*! Stores the flag and the construction (whose construction type must be resolved),
		meshes it and checks the materials. Throws BVX::Exception. */
	void init(bool moisture, const RoomConstruction * construction,
			  const std::map<unsigned int, Material> & materials);

	/*! Builds the elements of the construction and sizes all state and flux vectors. */
	void mesh(const std::map<unsigned int, Material> & materials);

	/*! Writes the initial states for temperature T (K) and relative humidity phi (0..1)
		into the solver's slice of the state vector at y. */
	void setInitialStates(double T, double phi, double * y);

	/*! Temperatures (and humidities, vapour pressures) of all elements from the slice at y. */
	void updateStates(const double * y);

	/*! Flux divergences of all elements into the slice at ydot.
		Fluxes per m2 of construction area: convective heat flux from the room air into the
		inside surface (W/m2), radiant heat flux absorbed there (W/m2), vapour flux from the
		room into the inside surface (kg/m2s) and solar flux absorbed at the outside surface
		(W/m2). Temperatures in K, vapour pressures in Pa. Allocates nothing. */
	void computeDivergences(double insideConvectiveFlux, double insideRadiantFlux,
							double insideVapourFlux, double outsideSolarFlux,
							double Te, double Troom, double pvOutside, double pvRoom, double * ydot);
	/*! Only the fluxes through both surfaces (members m_outside.../m_inside...), as
		computeDivergences() sets them; arguments as there. */
	void computeSurfaceFluxes(double insideConvectiveFlux, double insideRadiantFlux,
							  double insideVapourFlux, double outsideSolarFlux,
							  double Te, double Troom, double pvOutside, double pvRoom);

	/*! Linear extrapolation of the two outermost element temperatures to the surface, K. */
	double outsideSurfaceTemperature() const;
	/*! Linear extrapolation of the two innermost element temperatures to the surface, K. */
	double insideSurfaceTemperature() const;
	/*! Relative humidity of the innermost element (moisture only). */
	double insideRelativeHumidity() const { return m_phi[m_n - 1]; }
	/*! Vapour pressure of the innermost element in Pa (moisture only). */
	double insideVapourPressure() const { return m_pv[m_n - 1]; }

	/*! Number of unknowns of the solver's slice. */
	unsigned int unknowns() const { return m_moisture ? 2*m_n : m_n; }

	/*! Energy density in J/m3 of a material at temperature T (K); the phase change spreads
		the latent heat linearly over the 3 K above TPCMLow. */
	static double energyDensity(const Material & mat, double T);
	/*! Inverse of energyDensity(): temperature in K at energy density u (J/m3). */
	static double temperature(const Material & mat, double u);

	/*! True when every element has two unknowns. */
	bool									m_moisture;
	/*! Number of elements. */
	unsigned int							m_n;
	/*! Sum of all layer thicknesses in m. */
	double									m_totalThickness;
	/*! Construction of the room balance (non-owning). */
	const RoomConstruction *				m_construction;
	/*! Finite volumes, outside surface first. */
	std::vector<ConstructionMesh::Element>	m_elements;
	/*! Element temperatures in K. */
	std::vector<double>						m_T;
	/*! Element relative humidities 0..1 (moisture only). */
	std::vector<double>						m_phi;
	/*! Element vapour pressures in Pa (moisture only). */
	std::vector<double>						m_pv;
	/*! Heat flux density at the n+1 element faces in W/m2. */
	std::vector<double>						m_q;
	/*! Vapour flux density at the n+1 element faces in kg/m2s (moisture only). */
	std::vector<double>						m_g;
	/*! Conductive heat flux from the outside air, zone or neighbour room into the outside surface, W/m2. */
	double									m_outsideHeatFlux;
	/*! Convective heat flux from the room air into the inside surface, W/m2 (as handed in). */
	double									m_insideConvectiveFlux;
	/*! Solar flux absorbed at the outside surface, W/m2. */
	double									m_outsideSolarFlux;
	/*! Radiant heat flux absorbed at the inside surface, W/m2 (as handed in). */
	double									m_insideRadiantFlux;
	/*! Vapour flux into the outside surface, kg/m2s. */
	double									m_outsideVapourFlux;
	/*! Vapour flux at the inside face with the sign of the face flux (minus the flux from the room into the wall), kg/m2s. */
	double									m_insideVapourFlux;
	/*! width[0] / (width[0] + width[1]). */
	double									m_outsideFactor;
	/*! width[n-1] / (width[n-2] + width[n-1]). */
	double									m_insideFactor;

private:
	/*! Conductances of the inner faces (index i = face between elements i-1 and i), set by mesh(). */
	void computeFaceConductances();
	void checkMaterials() const;

	/*! Relative humidity from the moisture content of element i through its reversed sorption
		isotherm; starts the search at the interval found last time for this element, as the
		contents move little between two evaluations. */
	double relativeHumidity(unsigned int i, double w);

	/*! Per element, set by mesh(): width in m and rho*cT in J/m3K, and their inverses that
		every evaluation multiplies with. */
	std::vector<double>						m_widths;
	std::vector<double>						m_rhoC;
	std::vector<double>						m_inverseWidths;
	std::vector<double>						m_inverseRhoC;
	/*! Reversed sorption isotherm of an element as plain arrays, with the index of the upper
		point of the interval used last; the element loop reads it without following the
		material and the spline. */
	struct IsothermTable {
		const BVX::LinearSpline *	m_spline;
		const double *				m_x;
		const double *				m_y;
		const double *				m_slopes;
		/*! Number of points; 0 where the spline's own rules apply (invalid, or no interval). */
		unsigned int				m_size;
		unsigned int				m_interval;
	};
	/*! Per element (moisture only), set by mesh(): the materials must outlive the solver. */
	std::vector<IsothermTable>				m_isotherms;
	/*! True when an element's material has a phase change (latent heat). */
	bool									m_hasPCM;

	/*! Heat conductance of each inner face in W/m2K (entry 0 and n unused). */
	std::vector<double>						m_heatConductance;
	/*! Vapour conductance of each inner face in kg/(m2 s Pa) (entry 0 and n unused). */
	std::vector<double>						m_vapourConductance;
};

} // namespace RM

#endif // RM_ConstructionSolverH
