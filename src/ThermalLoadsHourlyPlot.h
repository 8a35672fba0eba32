#ifndef ThermalLoadsHourlyPlotH
#define ThermalLoadsHourlyPlotH

#include <qwt_plot.h>

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Result plot of the results page; shows nothing yet. */
class ThermalLoadsHourlyPlot : public QwtPlot {
	Q_OBJECT
public:
	explicit ThermalLoadsHourlyPlot(QWidget * parent);

	/*! Year on the x axis. */
	void setDefaultAxes();

	/*! Results of a run; nothing is drawn yet. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
};

#endif // ThermalLoadsHourlyPlotH
