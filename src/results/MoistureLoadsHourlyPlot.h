#ifndef MoistureLoadsHourlyPlotH
#define MoistureLoadsHourlyPlotH

#include "HourlyLoadsPlot.h"

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Hourly moisture flows into the room (sources positive, losses negative) in g/h or
	g/(m2 h) of floor area, one curve per flow, switched in the legend. */
class MoistureLoadsHourlyPlot : public HourlyLoadsPlot {
	Q_OBJECT
public:
	enum Curve {
		WallSurfaces,
		MechanicalVentilation,
		NaturalVentilation,
		Occupancy,
		Dehumidification,
		NUM_CURVES
	};

	explicit MoistureLoadsHourlyPlot(QWidget * parent);

	/*! Curves of a run; without outputs all curves hide. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
	/*! Axis title and units by the per-floor-area option. */
	void updateUnits();
};

#endif // MoistureLoadsHourlyPlotH
