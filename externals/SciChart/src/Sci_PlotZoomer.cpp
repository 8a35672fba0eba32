#include "Sci_PlotZoomer.h"

#include <QPen>

#include "Sci_AbstractLineSeriesModel.h"
#include "Sci_Chart.h"

namespace SCI {

PlotZoomer::PlotZoomer(int xAxis, int yAxis, QWidget * canvas, ChartAxis * xChartAxis) :
	QwtPlotZoomer(xAxis, yAxis, canvas, false),
	PlotPickerText(xChartAxis)
{
	setTrackerMode(QwtPicker::AlwaysOn);
	setTrackerPen(QPen(Qt::white));
	setRubberBand(QwtPicker::NoRubberBand);
	setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton);
	setMousePattern(QwtEventPattern::MouseSelect2, Qt::LeftButton, Qt::ControlModifier);
}


void PlotZoomer::setZoomBase(bool doReplot) {
	m_haveBeforeZoom = false;
	QwtPlotZoomer::setZoomBase(doReplot);
}


void PlotZoomer::setZoomBase(const QRectF & base) {
	m_haveBeforeZoom = false;
	QwtPlotZoomer::setZoomBase(base);
}


PlotZoomer::AxisRange PlotZoomer::axisRange(const AbstractCartesianChartModel * model, int pos) {
	typedef AbstractCartesianChartModel AM;
	AxisRange r;
	r.m_autoscale = model->axisData(pos, AM::Autoscale).toBool();
	r.m_minimum = model->axisData(pos, AM::Minimum).toDouble();
	r.m_maximum = model->axisData(pos, AM::Maximum).toDouble();
	return r;
}


bool PlotZoomer::restoreDesign(AbstractCartesianChartModel * model) {
	if (!m_haveBeforeZoom || model == nullptr)
		return false;
	typedef AbstractCartesianChartModel AM;
	const int axisCount = dynamic_cast<AbstractLineSeriesModel *>(model) != nullptr ? 3 : 2;
	for (int pos = 0; pos < axisCount; ++pos) {
		const AxisRange & r = m_beforeZoom[pos];
		if (!(axisRange(model, pos) == m_zoomed[pos]))
			continue;
		model->setAxisData(false, pos, AM::Autoscale);
		model->setAxisData(r.m_minimum, pos, AM::Minimum);
		model->setAxisData(r.m_maximum, pos, AM::Maximum);
		model->setAxisData(r.m_autoscale, pos, AM::Autoscale);
	}
	m_haveBeforeZoom = false;
	return true;
}


void PlotZoomer::rescale() {
	Chart * chart = qobject_cast<Chart *>(plot());
	AbstractCartesianChartModel * model =
		chart != nullptr ? dynamic_cast<AbstractCartesianChartModel *>(chart->model()) : nullptr;
	// without a model there is nothing to write into: Qwt sets the scales
	if (model == nullptr) {
		QwtPlotZoomer::rescale();
		return;
	}
	const QRectF rect = zoomStack()[int(zoomRectIndex())];
	// a rebuild sets the zoom base to the current scales: nothing may be written then
	if (rect == scaleRect())
		return;

	typedef AbstractCartesianChartModel AM;
	const bool lineModel = dynamic_cast<AbstractLineSeriesModel *>(model) != nullptr;
	const int axisCount = lineModel ? 3 : 2;
	// the rectangle is in left-axis values: through pixels into right-axis values, before
	// any write changes the scales
	const QwtScaleMap left = chart->canvasMap(QwtPlot::yLeft);
	const QwtScaleMap right = chart->canvasMap(QwtPlot::yRight);
	const double top = right.invTransform(left.transform(rect.top()));
	const double bottom = right.invTransform(left.transform(rect.bottom()));
	chart->prohibitUpdate();
	const bool autoReplot = chart->autoReplot();
	chart->setAutoReplot(false);
	if (zoomRectIndex() != 0) {
		if (!m_haveBeforeZoom) {
			for (int pos = 0; pos < axisCount; ++pos)
				m_beforeZoom[pos] = axisRange(model, pos);
			m_haveBeforeZoom = true;
		}
		model->setAxisData(qMin(rect.left(), rect.right()), 0, AM::Minimum);
		model->setAxisData(qMax(rect.left(), rect.right()), 0, AM::Maximum);
		if (lineModel) {
			model->setAxisData(qMin(top, bottom), 2, AM::Minimum);
			model->setAxisData(qMax(top, bottom), 2, AM::Maximum);
		}
		model->setAxisData(qMin(rect.top(), rect.bottom()), 1, AM::Minimum);
		model->setAxisData(qMax(rect.top(), rect.bottom()), 1, AM::Maximum);
		for (int pos = 0; pos < axisCount; ++pos) {
			model->setAxisData(false, pos, AM::Autoscale);
			m_zoomed[pos] = axisRange(model, pos);
		}
	}
	else {
		// back at the base: the ranges as designed before zooming
		restoreDesign(model);
	}
	chart->setAutoReplot(autoReplot);
	chart->allowUpdateAndReplot();
}

} // namespace SCI
