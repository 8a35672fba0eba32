#ifndef ThermalLoadsAnnualPlotH
#define ThermalLoadsAnnualPlotH

#include <qwt_plot.h>

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Result plot of the results page; shows nothing yet. */
class ThermalLoadsAnnualPlot : public QwtPlot {
	Q_OBJECT
public:
	explicit ThermalLoadsAnnualPlot(QWidget * parent);

	/*! Results of a run; nothing is drawn yet. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
};

#endif // ThermalLoadsAnnualPlotH
