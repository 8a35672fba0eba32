#ifndef ResultsWidgetH
#define ResultsWidgetH

#include <QWidget>

namespace RM {
	class CaldoryneModel;
	class Climate;
	class OutputManager;
}

/*! The result plots below the input pages (placeholder: shows nothing yet). */
class ResultsWidget : public QWidget {
	Q_OBJECT
public:
	explicit ResultsWidget(QWidget * parent);

	/*! Climate data of the project's location changed. */
	void updateLoads(const RM::Climate * climate);
	/*! Results of a run (or of the empty model before any run). */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);
	/*! Albedo used by the radiation plot. */
	void setRadiationPlotValue(double albedo);
};

#endif // ResultsWidgetH
