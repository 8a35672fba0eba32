#include "Sci_PlotCurve.h"

#include <cmath>
#include <limits>

#include "Sci_SeriesDataEmpty.h"

namespace SCI {

PlotCurve::PlotCurve(const QString & title) :
	QwtPlotCurve(title)
{
	setData(new SeriesDataEmpty);	// the store owns it
}


QRectF PlotCurve::boundingRect() const {
	if (isLocked())
		return QRectF(1, 1, -2, -2);
	// computed afresh: the model may change values in place, and Qwt's cached rect breaks on NaN
	double xmin = std::numeric_limits<double>::infinity();
	double xmax = -xmin;
	double ymin = xmin;
	double ymax = -xmin;
	const QwtSeriesData<QPointF> * d = data();
	const size_t n = d->size();
	for (size_t i = 0; i < n; ++i) {
		const QPointF p = d->sample(i);
		if (!std::isnan(p.x())) {
			xmin = std::min(xmin, p.x());
			xmax = std::max(xmax, p.x());
		}
		if (!std::isnan(p.y())) {
			ymin = std::min(ymin, p.y());
			ymax = std::max(ymax, p.y());
		}
	}
	if (xmin > xmax) {
		xmin = 1;
		xmax = -1;
	}
	if (ymin > ymax) {
		ymin = 1;
		ymax = -1;
	}
	return QRectF(QPointF(xmin, ymin), QPointF(xmax, ymax));
}


size_t PlotCurve::dataSize() const {
	return isLocked() ? 0 : QwtPlotCurve::dataSize();
}


int PlotCurve::unlock() {
	if (m_lockCounter > 0)
		--m_lockCounter;
	return m_lockCounter;
}


bool PlotCurve::setCurveData(const double * x, const double * y, int count, std::string & errmsg) {
	if (isLocked()) {
		errmsg = "curve is locked";
		return false;
	}
	setRawSamples(x, y, count);
	return true;
}


void PlotCurve::drawSeries(QPainter * painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
						   const QRectF & canvasRect, int from, int to) const
{
	if (isLocked())
		return;
	const int n = static_cast<int>(dataSize());
	if (n == 0)
		return;
	if (to < 0)
		to = n - 1;
	if (!m_splitAtNaN) {
		QwtPlotCurve::drawSeries(painter, xMap, yMap, canvasRect, from, to);
		return;
	}
	const QwtSeriesData<QPointF> * d = data();
	int runStart = -1;
	for (int i = from; i <= to; ++i) {
		const QPointF p = d->sample(static_cast<size_t>(i));
		const bool valid = !std::isnan(p.x()) && !std::isnan(p.y());
		if (valid && runStart < 0)
			runStart = i;
		if (!valid && runStart >= 0) {
			QwtPlotCurve::drawSeries(painter, xMap, yMap, canvasRect, runStart, i - 1);
			runStart = -1;
		}
	}
	if (runStart >= 0)
		QwtPlotCurve::drawSeries(painter, xMap, yMap, canvasRect, runStart, to);
}

} // namespace SCI
