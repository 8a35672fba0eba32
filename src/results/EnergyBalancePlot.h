#ifndef EnergyBalancePlotH
#define EnergyBalancePlotH

#include <QColor>

#include <vector>

#include <qwt_plot.h>

#include "ThermalLoadSeries.h"

class QwtLegend;
class QwtColumnSymbol;
class QwtPlotMultiBarChart;

class TimePlotPicker;

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! Common part of the monthly and the annual energy balance: a bar chart with one bar per
	heat-flow category, the energies being changes of the cumulative flux integrals, in kWh
	or kWh/m2 of floor area. The categories after the dry ones show only with the moisture
	balance. */
class EnergyBalancePlot : public QwtPlot {
	Q_OBJECT
public:
	/*! A bar category: title (translated in the plot's context), fill colour, source. */
	struct Category {
		const char *				m_title;
		QColor						m_color;
		ThermalLoadSeries::Source	m_source;
	};

	/*! Sets the bar titles (the dry categories, all of them with moisture) and a column
		symbol for each. */
	void setCategories(bool withMoisture);
	/*! Filled box in the category's colour with a black frame; an invalid colour outside the table. */
	QwtColumnSymbol * makeColumnSymbol(int index) const;
	/*! Number of categories shown now. */
	int categoryCount() const;

	QwtPlotMultiBarChart *	m_chart;
	TimePlotPicker *		m_picker;
	QwtLegend *				m_legend;

protected:
	/*! categories: the table of all categories (the moisture ones last), valid for the plot's life. */
	EnergyBalancePlot(QWidget * parent, const char * context, const Category * categories,
					  int dryCount, int allCount);

	/*! Sets title, axes, legend (checkable or read-only), grid and picker, and attaches the chart. */
	void setupPlot(const QString & title, int axisTitleSize, bool checkableLegend, bool verticalGrid);
	/*! Axis title and picker unit. */
	void setUnits(const QString & axisTitle, const char * pickerUnit);
	/*! Follows the moisture balance of the model's room; shows the chart exactly when there
		are outputs and returns that. */
	bool prepareUpdate(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);

	/*! Whether the legend entry of each category is checked (true where there is no entry). */
	std::vector<bool> legendChecks() const;
	/*! Sets the check mark of a category's legend entry (no signal). */
	void setLegendChecked(int index, bool on);
	/*! Shows or hides the bars of a category, keeping their place. */
	void setCategoryVisible(int index, bool on);

	const char *		m_context;
	const Category *	m_categories;
	int					m_dryCount;
	int					m_allCount;
};

#endif // EnergyBalancePlotH
