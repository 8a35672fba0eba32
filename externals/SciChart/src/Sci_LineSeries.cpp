#include "Sci_LineSeries.h"

#include <string>

#include <qwt_symbol.h>

#include "Sci_Chart.h"
#include "Sci_DataReductionCurveFitter.h"
#include "Sci_PlotCurve.h"

namespace SCI {

namespace {
// the point shown by a series without values
const double ZERO_POINT[1] = { 0.0 };
}


LineSeries::LineSeries(Chart * chart, int count, const double * x, const double * y, const QString & title,
					   bool splitAtNaN, const QColor & color) :
	ChartSeries(new PlotCurve(title), chart)
{
	setData(count, x, y);
	setColor(color);
	PlotCurve * c = curve();
	c->setBrush(Qt::NoBrush);
	c->setSplitAtNaN(splitAtNaN);
	c->setCurveFitter(new DataReductionCurveFitter);	// owned by the curve
}


PlotCurve * LineSeries::curve() const {
	return static_cast<PlotCurve *>(m_ser);
}


void LineSeries::lock() {
	if (m_ser != nullptr)
		curve()->lock();
}


void LineSeries::unlock() {
	if (m_ser != nullptr)
		curve()->unlock();
}


void LineSeries::setData(int count, const double * x, const double * y) {
	if (m_ser == nullptr)
		return;
	if (count == 0) {
		count = 1;
		x = ZERO_POINT;
		y = ZERO_POINT;
	}
	m_count = count;
	m_x = x;
	m_y = y;
	updateData();
}


void LineSeries::updateData() {
	std::string errmsg;
	m_dataValid = curve()->setCurveData(m_x, m_y, m_count, errmsg);
}


void LineSeries::replotChart() {
	if (m_chart != nullptr)
		m_chart->replot();
}


void LineSeries::replaceSymbol(QwtSymbol * symbol) {
	// Qwt resizes the legend icon to the symbol: the icon keeps the size the chart gave it
	PlotCurve * c = curve();
	const QSize iconSize = c->legendIconSize();
	c->setSymbol(symbol);
	c->setLegendIconSize(iconSize);
}


void LineSeries::setPen(const QPen & pen) {
	Q_ASSERT_X(m_ser != nullptr, "LineSeries::setPen", "m_ser != 0");
	curve()->setPen(pen);
	replotChart();
}


void LineSeries::setColor(const QColor & color) {
	Q_ASSERT_X(m_ser != nullptr, "LineSeries::setColor", "m_ser != 0");
	PlotCurve * c = curve();
	QPen pen = c->pen();
	pen.setColor(color);
	c->setPen(pen);
	if (const QwtSymbol * old = c->symbol())
		replaceSymbol(new QwtSymbol(old->style(), QBrush(color), QPen(color), old->size()));
	replotChart();
}


void LineSeries::setPenWidth(int width) {
	Q_ASSERT_X(m_ser != nullptr, "LineSeries::setPenWidth", "m_ser != 0");
	PlotCurve * c = curve();
	QPen pen = c->pen();
	pen.setWidth(width);
	c->setPen(pen);
	if (const QwtSymbol * old = c->symbol())
		replaceSymbol(new QwtSymbol(old->style(), old->brush(), old->pen(), QSize(width + 7, width + 7)));
	replotChart();
}


void LineSeries::setMarkerStyle(int style) {
	PlotCurve * c = curve();
	// -1 is "no marker", so that Rect (1) can be switched on
	const int current = c->symbol() != nullptr ? static_cast<int>(c->symbol()->style()) : -1;
	if (style == current)
		return;
	if (style < 0) {
		replaceSymbol(nullptr);
	}
	else {
		const int side = c->pen().width() + 3;
		replaceSymbol(new QwtSymbol(static_cast<QwtSymbol::Style>(style), Qt::NoBrush,
								   QPen(c->pen().color()), QSize(side, side)));
	}
	replotChart();
}


void LineSeries::setLineStyle(int style) {
	PlotCurve * c = curve();
	if (style == static_cast<int>(c->style()))
		return;
	c->setBrush(Qt::NoBrush);
	c->setStyle(static_cast<QwtPlotCurve::CurveStyle>(style));
	replotChart();
}


void LineSeries::setInverted(bool inverted) {
	curve()->setCurveAttribute(QwtPlotCurve::Inverted, inverted);
	replotChart();
}


void LineSeries::setInLegend(bool inLegend) {
	curve()->setItemAttribute(QwtPlotItem::Legend, inLegend);
}


void LineSeries::setLegendIconStyle(int style) {
	curve()->setLegendAttribute(QwtPlotCurve::LegendShowLine, style != 0);
	curve()->setLegendAttribute(QwtPlotCurve::LegendShowSymbol, style != 0);
}


void LineSeries::setLegendIconSize(const QSize & size) {
	QSize s = curve()->legendIconSize();
	if (size.height() > 0)
		s.setHeight(size.height());
	if (size.width() > 0)
		s.setWidth(size.width());
	curve()->setLegendIconSize(s);
}

} // namespace SCI
