#ifndef EnergyRequirementAnnualPlotH
#define EnergyRequirementAnnualPlotH

#include <qwt_plot.h>

class QwtLegend;
class QwtPlotMultiBarChart;

class TimePlotPicker;

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Annual net energy demand of the run for heating, cooling and supply air cooling as one
	stacked bar, in kWh or kWh/m2 of floor area. */
class EnergyRequirementAnnualPlot : public QwtPlot {
	Q_OBJECT
public:
	explicit EnergyRequirementAnnualPlot(QWidget * parent);

	/*! Annual demands of a run; without outputs the bar hides. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
	/*! Axis title and picker unit by the per-floor-area option. */
	void updateUnitLabels();

	QwtPlotMultiBarChart *	m_barChart;
	TimePlotPicker *		m_picker;
	QwtLegend *				m_legend;
};

#endif // EnergyRequirementAnnualPlotH
