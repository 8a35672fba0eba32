#include "Sci_ChartSeries.h"

#include <qwt_plot_item.h>

#include "Sci_Chart.h"

namespace SCI {

ChartSeries::ChartSeries(QwtPlotItem * ser, Chart * chart) :
	m_ser(ser)
{
	if (ser != nullptr && chart != nullptr) {
		ser->attach(chart);
		m_chart = chart;
	}
}


ChartSeries::~ChartSeries() {
	if (m_ser != nullptr && m_ser->plot() != nullptr)
		m_ser->detach();
	delete m_ser;
}


void ChartSeries::setTitle(const QString & title) {
	Q_ASSERT_X(m_ser, "ChartSeries::setTitle", "m_ser");
	Q_ASSERT_X(m_chart, "ChartSeries::setTitle", "m_chart");
	m_ser->setTitle(title);
}


void ChartSeries::setLeftAxis() {
	if (m_ser == nullptr || m_ser->yAxis() != QwtPlot::yRight)
		return;
	m_ser->setYAxis(QwtPlot::yLeft);
	if (m_chart != nullptr)
		m_chart->enableAxis(QwtPlot::yLeft, true);
}


void ChartSeries::setRightAxis() {
	if (m_ser == nullptr || m_ser->yAxis() != QwtPlot::yLeft)
		return;
	m_ser->setYAxis(QwtPlot::yRight);
	if (m_chart != nullptr)
		m_chart->enableAxis(QwtPlot::yRight, true);
}

} // namespace SCI
