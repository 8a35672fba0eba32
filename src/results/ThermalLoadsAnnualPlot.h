#ifndef ThermalLoadsAnnualPlotH
#define ThermalLoadsAnnualPlotH

#include "EnergyBalancePlot.h"

/*! Annual energy balance of the room: two stacked bars, the gains and the losses (drawn
	positive), split by heat-flow category, in kWh or kWh/m2 of floor area. */
class ThermalLoadsAnnualPlot : public EnergyBalancePlot {
	Q_OBJECT
public:
	enum CategoryIndex {
		RoomSideWallSurfaces,
		WindowConduction,
		WindowSolarGains,
		MechanicalVentilation,
		NaturalVentilation,
		Heating,
		Cooling,
		Occupancy,
		Equipment,
		MoistureSourceEnthalpy,
		DehumidificationEnthalpy,
		NUM_CATEGORIES
	};

	explicit ThermalLoadsAnnualPlot(QWidget * parent);

	/*! Annual energies of a run; without outputs the bars hide. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
	/*! Axis title and picker unit by the per-floor-area option. */
	void updateUnits();
};

#endif // ThermalLoadsAnnualPlotH
