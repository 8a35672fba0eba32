#ifndef ThermalLoadsMonthlyPlotH
#define ThermalLoadsMonthlyPlotH

#include <QVariant>

#include "EnergyBalancePlot.h"

/*! Monthly energy balance of the room: per month one group of bars, one per heat-flow
	category (gains positive, losses negative), in kWh or kWh/m2 of floor area. */
class ThermalLoadsMonthlyPlot : public EnergyBalancePlot {
	Q_OBJECT
public:
	enum CategoryIndex {
		RoomSideWallSurfaces,
		OuterWallSurfaces,
		WindowConduction,
		WindowSolarGains,
		MechanicalVentilation,
		NaturalVentilation,
		Heating,
		Cooling,
		Occupancy,
		Equipment,
		SupplyAirCooling,
		Dehumidification,
		NUM_CATEGORIES
	};

	explicit ThermalLoadsMonthlyPlot(QWidget * parent);

	/*! Month energies of a run; without outputs the bars hide. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
	/*! Axis title and picker unit by the per-floor-area option. */
	void updateUnits();

	/*! Extremes of months 1..11 of the last update. */
	double	m_minValue;
	double	m_maxValue;

public slots:
	/*! A legend entry was checked or unchecked: the category's bars show or hide. */
	void onLegendChecked(const QVariant & itemInfo, bool on, int index);
};

#endif // ThermalLoadsMonthlyPlotH
