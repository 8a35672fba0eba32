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
	moveAxis(QwtPlot::yRight, QwtPlot::yLeft);
}


void ChartSeries::setRightAxis() {
	moveAxis(QwtPlot::yLeft, QwtPlot::yRight);
}


void ChartSeries::moveAxis(int from, int to) {
	if (m_ser == nullptr || m_ser->yAxis() != from)
		return;
	m_ser->setYAxis(to);
	if (m_chart != nullptr)
		m_chart->enableAxis(to, true);
}

} // namespace SCI
