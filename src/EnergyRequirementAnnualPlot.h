#ifndef EnergyRequirementAnnualPlotH
#define EnergyRequirementAnnualPlotH

#include <qwt_plot.h>

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Result plot of the results page; shows nothing yet. */
class EnergyRequirementAnnualPlot : public QwtPlot {
	Q_OBJECT
public:
	explicit EnergyRequirementAnnualPlot(QWidget * parent);

	/*! Results of a run; nothing is drawn yet. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
};

#endif // EnergyRequirementAnnualPlotH
