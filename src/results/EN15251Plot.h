#ifndef EN15251PlotH
#define EN15251PlotH

#include <vector>

#include <qwt_plot.h>

class QwtLegend;
class QwtPlotCurve;

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Hourly operative room temperature over the running mean outdoor temperature, drawn over
	the comfort bands of the three categories of the adaptive model of DIN EN 15251. The
	legend gives the share of hours outside each band and the comfort class reached; the
	counts come from the output manager. */
class EN15251Plot : public QwtPlot {
	Q_OBJECT
public:
	explicit EN15251Plot(QWidget * parent);

	/*! Points and verdict of a run (during occupancy, unless nobody is ever present or the
		option asks for all hours). Without outputs, or with 72 outputs or fewer, the plot
		returns to its state before any run. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);

	/*! Upper I, lower I, upper II, lower II, upper III, lower III. */
	std::vector<QwtPlotCurve *>	m_bandCurves;
	QwtPlotCurve *				m_samplesCurve;
	QwtLegend *					m_legend;

private:
	/*! No points, "not computed" legend and the title of the occupied hours. */
	void resetVerdict();
	/*! Plot title text; font and colour stay. */
	void setTitleText(const QString & text);
};

#endif // EN15251PlotH
