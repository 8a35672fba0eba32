#ifndef ResultsWidgetH
#define ResultsWidgetH

#include <QWidget>

class QTabWidget;

class EN15251Plot;
class EnergyRequirementAnnualPlot;
class MoistureLoadsHourlyPlot;
class RadiationPlot;
class TemperaturePlot;
class ThermalLoadsAnnualPlot;
class ThermalLoadsHourlyPlot;
class ThermalLoadsMonthlyPlot;

namespace RM {
	class CaldoryneModel;
	class Climate;
	class OutputManager;
}

/*! The results page: one tab per result plot, tab bar at the bottom. Hands climate data and
	run results to the plots and shows the moisture tab only while the moisture balance is on.
	Keeps no pointer to the model or its outputs: the plots copy what they draw. */
class ResultsWidget : public QWidget {
	Q_OBJECT
public:
	explicit ResultsWidget(QWidget * parent);

	/*! Climate data of the project's location changed; reaches the temperature and radiation plots. */
	void updateLoads(const RM::Climate * climate);
	/*! Results of a run (also of a failed one, or of the empty model before any run). */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
	/*! Albedo kept by the radiation plot. */
	void setRadiationPlotValue(double albedo);

	QTabWidget *					m_tabWidget;
	TemperaturePlot *				m_temperaturePlot;
	EN15251Plot *					m_en15251Plot;
	RadiationPlot *					m_radiationPlot;
	ThermalLoadsHourlyPlot *		m_thermalLoadsHourlyPlot;
	MoistureLoadsHourlyPlot *		m_moistureLoadsHourlyPlot;
	ThermalLoadsMonthlyPlot *		m_thermalLoadsMonthlyPlot;
	ThermalLoadsAnnualPlot *		m_thermalLoadsAnnualPlot;
	EnergyRequirementAnnualPlot *	m_energyRequirementAnnualPlot;
	/*! Index of the moisture tab; the tabs in front of it never move. */
	int								m_moistureTabIndex;

private:
	/*! Shows the moisture tab exactly while the flag is set. */
	void showMoistureTab(bool show);
};

#endif // ResultsWidgetH
