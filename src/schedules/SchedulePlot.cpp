#include "SchedulePlot.h"

#include <QPen>

#include <qwt_picker_machine.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_panner.h>
#include <qwt_scale_div.h>
#include <qwt_text.h>

#include "PlotZoomer.h"
#include "TimePlotPicker.h"

namespace {

void setAxisTitleText(QwtPlot * plot, int axis, const QString & text) {
	QwtText title(text);
	QFont f = title.font();
	f.setPointSize(10);
	title.setFont(f);
	plot->setAxisTitle(axis, title);
}

} // namespace


SchedulePlot::SchedulePlot(QWidget * parent) :
	QwtPlot(parent)
{
	setAutoReplot(false);
	setContentsMargins(5, 5, 5, 5);

	setAxisTitleText(this, QwtPlot::xBottom, tr("Time [d]"));
	setAxisScale(QwtPlot::xBottom, 0, 365);
	QFont scaleFont;
	scaleFont.setPointSize(9);
	setAxisFont(QwtPlot::xBottom, scaleFont);
	setAxisFont(QwtPlot::yLeft, scaleFont);

	setCanvasBackground(QColor(0, 0, 99));

	QwtPlotGrid * grid = new QwtPlotGrid;
	grid->enableXMin(true);
	grid->setMajorPen(QPen(Qt::white, 0, Qt::DotLine));
	grid->setMinorPen(QPen(Qt::gray, 0, Qt::DotLine));
	grid->attach(this);

	m_zoomer = new PlotZoomer(QwtPlot::xBottom, QwtPlot::yLeft, canvas());
	m_zoomer->setRubberBand(QwtPicker::RectRubberBand);
	m_zoomer->setRubberBandPen(QColor(181, 207, 255));
	m_zoomer->setTrackerMode(QwtPicker::ActiveOnly);
	m_zoomer->setTrackerPen(QColor(Qt::white));

	m_panner = new QwtPlotPanner(canvas());
	m_panner->setMouseButton(Qt::RightButton, Qt::NoModifier);

	m_picker = new TimePlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, canvas());
	m_picker->setTrackerPen(QColor(Qt::white));
	m_picker->setTrackerMode(QwtPicker::AlwaysOn);
	m_picker->setStateMachine(new QwtPickerDragRectMachine);

	m_curve = new QwtPlotCurve(tr("Schedule"));
	m_curve->setPen(QPen(Qt::white));
	m_curve->setYAxis(QwtPlot::yLeft);
	m_curve->setZ(1);
	m_curve->attach(this);
}


void SchedulePlot::setup(const QString & caption, const QString & unit, double minValue, double maxValue) {
	setAxisTitleText(this, QwtPlot::yLeft, tr("%1 [%2]").arg(caption, unit));
	m_zoomer->setUnit(unit);
	m_picker->setUnit(unit);
	setValueRange(minValue, maxValue);
}


void SchedulePlot::setValues(const std::vector<double> & x, const std::vector<double> & y) {
	const size_t n = std::min(x.size(), y.size());
	QVector<QPointF> samples;
	samples.reserve(int(n));
	for (size_t i = 0; i < n; ++i)
		samples.append(QPointF(x[i], y[i]));
	m_curve->setSamples(samples);
	replot();
}


void SchedulePlot::setMaximumValue(double maxValue) {
	setValueRange(axisScaleDiv(QwtPlot::yLeft).lowerBound(), maxValue);
}


void SchedulePlot::setValueRange(double minValue, double maxValue) {
	setAxisScale(QwtPlot::yLeft, minValue, maxValue);
	replot();
	m_zoomer->setZoomBase(QRectF(QPointF(0, minValue), QPointF(365, maxValue)));
}
