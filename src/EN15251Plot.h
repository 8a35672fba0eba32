#ifndef EN15251PlotH
#define EN15251PlotH

#include <qwt_plot.h>

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Result plot of the results page; shows nothing yet. */
class EN15251Plot : public QwtPlot {
	Q_OBJECT
public:
	explicit EN15251Plot(QWidget * parent);

	/*! Results of a run; nothing is drawn yet. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
};

#endif // EN15251PlotH
