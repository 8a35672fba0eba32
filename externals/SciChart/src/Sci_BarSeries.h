#ifndef Sci_BarSeriesH
#define Sci_BarSeriesH

#include <QPalette>
#include <QStringList>

#include "Sci_ChartSeries.h"

class QwtPlotMultiBarChart;

namespace SCI {

class AbstractBarSeriesModel;

/*! Series of a bar chart: the samples of a bar model as grouped or stacked bars. */
class BarSeries : public ChartSeries {
	Q_OBJECT
public:
	BarSeries(Chart * chart, const QString & title);

	int type() const override { return 5; }
	void lock() override {}
	void unlock() override {}

	/*! Copies the samples of the model; false for an incomplete model (no samples, no
		positions, no values per sample, a sample without values), which leaves the bars
		shown unchanged. */
	bool setData(const AbstractBarSeriesModel * model);

	/*! 0 grouped, 1 stacked. */
	void setStyle(int style);
	/*! A box symbol of the palette for one bar of every sample; keeps the frame style and
		line width of the symbol it replaces. */
	void setBarSymbol(int valueIndex, const QPalette & palette);
	void setBarTitles(const QStringList & titles);
	void setBaseline(double baseline);
	/*! Negative hints become 0. */
	void setLayoutHint(double hint);
	void setLayoutPolicy(int policy);
	/*! Negative margins become 0. */
	void setMargin(int margin);
	/*! Negative spacings become 0. */
	void setSpacing(int spacing);

	QwtPlotMultiBarChart * barChart() const;
	int sampleCount() const { return m_sampleCount; }
	unsigned int valuesPerSample() const { return m_valuesPerSample; }

private:
	int				m_sampleCount = 0;
	unsigned int	m_valuesPerSample = 0;
};

} // namespace SCI

#endif // Sci_BarSeriesH
