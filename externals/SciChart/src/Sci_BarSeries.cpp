#include "Sci_BarSeries.h"

#include <algorithm>

#include <qwt_column_symbol.h>
#include <qwt_plot_multi_barchart.h>

#include "Sci_AbstractBarSeriesModel.h"

namespace SCI {

BarSeries::BarSeries(Chart * chart, const QString & title) :
	ChartSeries(new QwtPlotMultiBarChart(title), chart)
{
}


QwtPlotMultiBarChart * BarSeries::barChart() const {
	return static_cast<QwtPlotMultiBarChart *>(m_ser);
}


bool BarSeries::setData(const AbstractBarSeriesModel * model) {
	if (model == nullptr)
		return false;
	const int count = model->seriesData(0, AbstractBarSeriesModel::SampleCount).toInt();
	if (count <= 0)
		return false;
	m_sampleCount = count;
	m_valuesPerSample = model->valuesPerSample();
	const double * positions = model->samplePositions();
	if (positions == nullptr || m_valuesPerSample == 0)
		return false;
	QVector<QwtSetSample> samples;
	samples.reserve(count);
	for (int i = 0; i < count; ++i) {
		const double * values = model->sampleValues(static_cast<unsigned int>(i));
		if (values == nullptr)
			return false;
		samples.append(QwtSetSample(positions[i], QVector<double>(values, values + m_valuesPerSample)));
	}
	barChart()->setSamples(samples);
	m_dataValid = true;
	return true;
}


void BarSeries::setStyle(int style) {
	barChart()->setStyle(static_cast<QwtPlotMultiBarChart::ChartStyle>(style));
}


void BarSeries::setBarSymbol(int valueIndex, const QPalette & palette) {
	QwtColumnSymbol * symbol = new QwtColumnSymbol(QwtColumnSymbol::Box);
	symbol->setPalette(palette);
	const QwtColumnSymbol * old = static_cast<const QwtPlotMultiBarChart *>(barChart())->symbol(valueIndex);
	symbol->setFrameStyle(old != nullptr ? old->frameStyle() : QwtColumnSymbol::Plain);
	symbol->setLineWidth(old != nullptr ? old->lineWidth() : 1);
	barChart()->setSymbol(valueIndex, symbol);	// deletes the old symbol
}


void BarSeries::setBarTitles(const QStringList & titles) {
	QList<QwtText> texts;
	for (const QString & t : titles)
		texts.append(QwtText(t));
	barChart()->setBarTitles(texts);
}


void BarSeries::setBaseline(double baseline) {
	barChart()->setBaseline(baseline);
}


void BarSeries::setLayoutHint(double hint) {
	barChart()->setLayoutHint(std::max(0.0, hint));
}


void BarSeries::setLayoutPolicy(int policy) {
	barChart()->setLayoutPolicy(static_cast<QwtPlotAbstractBarChart::LayoutPolicy>(policy));
}


void BarSeries::setMargin(int margin) {
	barChart()->setMargin(std::max(0, margin));
}


void BarSeries::setSpacing(int spacing) {
	barChart()->setSpacing(std::max(0, spacing));
}

} // namespace SCI
