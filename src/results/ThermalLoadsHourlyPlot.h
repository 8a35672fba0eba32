#ifndef ThermalLoadsHourlyPlotH
#define ThermalLoadsHourlyPlotH

#include <vector>

#include "HourlyLoadsPlot.h"

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Hourly heat flows into the room (gains positive, losses negative) in W or W/m2 of floor
	area: the two wall sums and the room fluxes, one curve each, switched in the legend. */
class ThermalLoadsHourlyPlot : public HourlyLoadsPlot {
	Q_OBJECT
public:
	/*! Curve indexes. */
	enum Curve {
		RoomSideWallSurfaces,
		OuterWallSurfaces,
		WindowConduction,
		WindowSolarGains,
		MechanicalVentilation,
		NaturalVentilation,
		Heating,
		Cooling,
		SupplyAirCooling,
		Occupancy,
		Equipment,
		Dehumidification,
		NUM_CURVES
	};

	explicit ThermalLoadsHourlyPlot(QWidget * parent);

	/*! Curves of a run; the dehumidification curve is attached only with the moisture balance. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
	/*! Axis title and units by the per-floor-area option. */
	void updateUnits();

	/*! The two wall sums of the last run, one value per output. */
	std::vector<double>	m_roomSideFlux;
	std::vector<double>	m_outerSurfaceFlux;
};

#endif // ThermalLoadsHourlyPlotH
