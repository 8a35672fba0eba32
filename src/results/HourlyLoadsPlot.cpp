#include "HourlyLoadsPlot.h"

#include <algorithm>

#include <QLayout>

#include <qwt_dyngrid_layout.h>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_picker_machine.h>
#include <qwt_plot_panner.h>

#include "PlotCurveWithFramedLegendIcon.h"
#include "PlotStyle.h"
#include "PlotZoomer.h"
#include "TimePlotPicker.h"

HourlyLoadsPlot::HourlyLoadsPlot(QWidget * parent, const QString & title) :
	QwtPlot(parent),
	m_minValue(0),
	m_maxValue(0)
{
	setAutoReplot(false);
	setContentsMargins(5, 5, 5, 5);
	setAxisScale(xBottom, 0, 365);
	setTitle(PlotStyle::text(title, 10, true));
	setAxisTitle(xBottom, PlotStyle::axisTitle(QString(), 10));
	for (int axis : {int(xBottom), int(yLeft)})
		PlotStyle::setAxisFontSize(this, axis, 8);
	PlotStyle::setTimeAxis(this);
	setCanvasBackground(QColor(240, 240, 240));

	m_legend = PlotStyle::insertFramedLegend(this, true);
	m_legend->setDefaultItemMode(QwtLegendData::Checkable);
	if (m_legend->contentsWidget()->layout() != nullptr)
		m_legend->contentsWidget()->layout()->setSpacing(1);
	PlotStyle::attachGrid(this, Qt::gray, Qt::lightGray);

	m_zoomer = new PlotZoomer(xBottom, yLeft, canvas());
	m_zoomer->setTrackerPen(QPen(Qt::gray));
	m_panner = new QwtPlotPanner(canvas());
	m_panner->setMouseButton(Qt::MiddleButton, Qt::NoModifier);
	m_picker = new TimePlotPicker(xBottom, yLeft, canvas());
	m_picker->setTrackerPen(QColor(0, 0, 64));
	m_picker->setTrackerMode(QwtPicker::AlwaysOn);
	m_picker->setStateMachine(new QwtPickerDragRectMachine);
	setMinimumHeight(200);
}


HourlyLoadsPlot::~HourlyLoadsPlot() {
	// the plot deletes its attached items; a curve taken off it (dehumidification) is ours
	for (PlotCurveWithFramedLegendIcon * curve : m_curves)
		if (curve != nullptr && curve->plot() != this)
			delete curve;
}


void HourlyLoadsPlot::setDefaultAxes() {
	setAxisScale(xBottom, 0, 365);
	setAxisScale(yLeft, -300, 300);
	replot();
	m_zoomer->setZoomBase(QRectF(0, -300, 365, 600));
}


QwtLegendLabel * HourlyLoadsPlot::legendLabel(const PlotCurveWithFramedLegendIcon * curve) const {
	if (curve->plot() != this)
		return nullptr;
	return PlotStyle::legendLabel(this, m_legend, curve);
}


void HourlyLoadsPlot::setQwtCurveVisible(bool on) {
	QwtLegendLabel * label = qobject_cast<QwtLegendLabel *>(sender());
	if (label == nullptr)
		return;
	for (PlotCurveWithFramedLegendIcon * curve : m_curves) {
		if (legendLabel(curve) == label) {
			curve->setVisible(on);
			replot();
			return;
		}
	}
}


PlotCurveWithFramedLegendIcon * HourlyLoadsPlot::addCurve(unsigned int index, const QString & title, const QColor & color) {
	PlotCurveWithFramedLegendIcon * curve = new PlotCurveWithFramedLegendIcon(title);
	curve->setPen(QPen(color, 1));
	curve->setAxes(xBottom, yLeft);
	curve->setZ(1);
	curve->setVisible(false);
	curve->attach(this);
	if (m_curves.size() <= index)
		m_curves.resize(index + 1, nullptr);
	m_curves[index] = curve;
	return curve;
}


void HourlyLoadsPlot::connectLegendEntry(PlotCurveWithFramedLegendIcon * curve, bool checked) {
	QwtLegendLabel * label = legendLabel(curve);
	if (label == nullptr)
		return;
	label->setChecked(checked);
	curve->setVisible(checked);
	connect(label, &QwtLegendLabel::checked, this, &HourlyLoadsPlot::setQwtCurveVisible, Qt::UniqueConnection);
}


void HourlyLoadsPlot::setUnits(const QString & axisTitle, const QString & zoomerUnit, const QString & pickerUnit) {
	PlotStyle::setAxisTitleText(this, yLeft, axisTitle);
	m_zoomer->setUnit(zoomerUnit);
	m_picker->setUnit(pickerUnit);
}


void HourlyLoadsPlot::applyLegendChecks() {
	for (PlotCurveWithFramedLegendIcon * curve : m_curves) {
		const QwtLegendLabel * label = legendLabel(curve);
		if (label != nullptr)
			curve->setVisible(label->isChecked());
	}
}


QVector<QPointF> HourlyLoadsPlot::scaledSamples(const std::vector<double> & time, const std::vector<double> & y, double factor) {
	const std::size_t n = std::min(time.size(), y.size());
	QVector<QPointF> points(static_cast<int>(n));
	for (std::size_t i = 0; i < n; ++i)
		points[int(i)] = QPointF(time[i], y[i]*factor);
	return points;
}


void HourlyLoadsPlot::hideCurves() {
	for (PlotCurveWithFramedLegendIcon * curve : m_curves)
		curve->setVisible(false);
	// without a replot the canvas would keep showing the former run's curves
	replot();
}


void HourlyLoadsPlot::fitAxes(double margin, const char * functionId, const char * minText, const char * maxText) {
	PlotStyle::Extremes all;		// sample 0 left out
	PlotStyle::Extremes visible;	// sample 0 included
	size_t n = 0;
	for (const PlotCurveWithFramedLegendIcon * curve : m_curves)
		n = std::max(n, curve->dataSize());
	for (size_t i = 0; i < n; ++i) {
		for (unsigned int c = 0; c < m_curves.size(); ++c) {
			const PlotCurveWithFramedLegendIcon * curve = m_curves[c];
			// a detached curve is neither shown nor counted
			if (curve->plot() != this || curve->dataSize() <= i)
				continue;
			const double y = curve->sample(i).y();
			if (i > 0)
				all.add(y, i, c);
			if (curve->isVisible())
				visible.add(y, i, c);
		}
	}
	m_minValue = all.m_min;
	m_maxValue = all.m_max;
	all.log(functionId, minText, maxText);
	setAxisScale(yLeft, visible.m_min - margin, visible.m_max + margin);
	replot();
	m_zoomer->setZoomBase(QRectF(0, m_minValue - margin, 365, m_maxValue - m_minValue + 2*margin));
}
