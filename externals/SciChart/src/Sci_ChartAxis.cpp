#include "Sci_ChartAxis.h"

#include <cmath>

#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>

#include "Sci_Chart.h"
#include "Sci_DateScaleDraw.h"
#include "Sci_DateScaleEngine.h"
#include "Sci_ScaleDraw.h"

namespace SCI {

ChartAxis::ChartAxis(Chart * chart, int axisId) :
	m_chart(chart),
	m_axisId(axisId),
	m_verticalAxis(axisId < 2)
{
	Q_ASSERT_X(m_chart != nullptr, "ChartAxis::ChartAxis", "m_chart != 0");
	Q_ASSERT_X(m_verticalAxis || m_axisId == QwtPlot::xTop || m_axisId == QwtPlot::xBottom,
			   "ChartAxis::ChartAxis", "m_verticalAxis || m_axisId == QwtPlot::xTop || m_axisId == QwtPlot::xBottom");
}


void ChartAxis::setEnabled(bool enabled) {
	m_chart->enableAxis(m_axisId, enabled);
}


void ChartAxis::setAutoScale(bool on) {
	if (on)
		m_chart->setAxisAutoScale(m_axisId, true);
	else
		m_chart->setAxisScaleDiv(m_axisId, m_chart->axisScaleDiv(m_axisId));
}


void ChartAxis::setScale(double minimum, double maximum) {
	// widen by a tenth of the magnitude, so that negative ranges keep their order
	if (std::isnan(minimum) && std::isnan(maximum)) {
		minimum = 0;
		maximum = 1;
	}
	else if (std::isnan(minimum))
		minimum = maximum - std::fabs(maximum) * 0.1;
	else if (std::isnan(maximum))
		maximum = minimum + std::fabs(minimum) * 0.1;
	if (minimum == maximum) {
		if (minimum == 0.0)
			maximum = 1;
		else {
			const double v = std::fabs(minimum);
			minimum -= v * 0.1;
			maximum += v * 0.1;
		}
	}
	// compared after widening, so that an empty range shown now is still widened
	const QwtScaleDiv & div = m_chart->axisScaleDiv(m_axisId);
	if (std::fabs(div.lowerBound() - minimum) <= 1e-10 && std::fabs(div.upperBound() - maximum) <= 1e-10)
		return;
	m_chart->setAxisScale(m_axisId, minimum, maximum, 0);
	m_chart->replot();
}


void ChartAxis::installScaleDraw(QwtScaleDraw * scaleDraw) {
	if (const QwtScaleDraw * old = m_chart->axisScaleDraw(m_axisId)) {
		scaleDraw->setSpacing(old->spacing());
		scaleDraw->setLabelRotation(old->labelRotation());
		scaleDraw->setLabelAlignment(old->labelAlignment());
		scaleDraw->setPenWidth(old->penWidth());
		for (int t = QwtScaleDiv::MinorTick; t < QwtScaleDiv::NTickTypes; ++t)
			scaleDraw->setTickLength(static_cast<QwtScaleDiv::TickType>(t), old->tickLength(static_cast<QwtScaleDiv::TickType>(t)));
		for (QwtAbstractScaleDraw::ScaleComponent c : { QwtAbstractScaleDraw::Backbone, QwtAbstractScaleDraw::Ticks, QwtAbstractScaleDraw::Labels })
			scaleDraw->enableComponent(c, old->hasComponent(c));
		const ScalePen * oldPen = dynamic_cast<const ScalePen *>(old);
		ScalePen * newPen = dynamic_cast<ScalePen *>(scaleDraw);
		if (oldPen != nullptr && newPen != nullptr)
			newPen->setPenWidthF(oldPen->penWidthF());
	}
	m_chart->setAxisScaleDraw(m_axisId, scaleDraw);
}


void ChartAxis::installScaleEngine(QwtScaleEngine * engine) {
	if (const QwtScaleEngine * old = m_chart->axisScaleEngine(m_axisId)) {
		engine->setAttributes(old->attributes());
		engine->setReference(old->reference());
		engine->setMargins(old->lowerMargin(), old->upperMargin());
	}
	m_chart->setAxisScaleEngine(m_axisId, engine);
}


void ChartAxis::leaveDateTime() {
	if (!m_dateTime)
		return;
	installScaleDraw(new ScaleDraw);
	installScaleEngine(new QwtLinearScaleEngine(10));
	m_dateTime = false;
}


void ChartAxis::setLinear() {
	leaveDateTime();
	installScaleEngine(new QwtLinearScaleEngine(10));
	m_chart->replot();
}


void ChartAxis::setLogarithmic() {
	if (dynamic_cast<QwtLogScaleEngine *>(m_chart->axisScaleEngine(m_axisId)) != nullptr)
		return;
	leaveDateTime();
	installScaleEngine(new QwtLogScaleEngine(10));
	m_chart->replot();
}


void ChartAxis::setDateTime(bool on) {
	if (on == m_dateTime)
		return;
	if (on) {
		installScaleDraw(new DateScaleDraw(m_timeOffset));
		installScaleEngine(new DateScaleEngine(m_timeOffset));
	}
	else {
		installScaleDraw(new ScaleDraw);
		installScaleEngine(new QwtLinearScaleEngine(10));
	}
	m_dateTime = on;
}


void ChartAxis::setTimeOffset(int seconds) {
	if (seconds == m_timeOffset)
		return;
	m_timeOffset = seconds;
	if (!m_dateTime)
		return;
	// new objects: the engine places its ticks and the draw its labels at the new offset
	DateScaleDraw * old = dynamic_cast<DateScaleDraw *>(m_chart->axisScaleDraw(m_axisId));
	const QStringList formats = old != nullptr ? old->dateFormats() : DateScaleDraw::defaultDateFormats();
	DateScaleDraw * scaleDraw = new DateScaleDraw(seconds);
	scaleDraw->setDateFormats(formats);
	installScaleDraw(scaleDraw);
	installScaleEngine(new DateScaleEngine(seconds));
}


void ChartAxis::setDateTimeFormats(const QStringList & formats) {
	if (!m_dateTime)
		return;
	DateScaleDraw * scaleDraw = dynamic_cast<DateScaleDraw *>(m_chart->axisScaleDraw(m_axisId));
	Q_ASSERT_X(scaleDraw != nullptr, "ChartAxis::setDateTimeFormats", "scaleDraw != nullptr");
	scaleDraw->setDateFormats(formats);
	m_chart->axisWidget(m_axisId)->update();
}


void ChartAxis::setTitle(const QString & title) {
	QwtText t(title, QwtText::RichText);
	t.setFont(titleFont());
	t.setPaintAttribute(QwtText::PaintUsingTextFont);
	m_chart->setAxisTitle(m_axisId, t);
}


void ChartAxis::setTitleFont(const QFont & font) {
	QwtText t = m_chart->axisTitle(m_axisId);
	t.setFont(font);
	t.setPaintAttribute(QwtText::PaintUsingTextFont);
	m_chart->setAxisTitle(m_axisId, t);
}


QFont ChartAxis::titleFont() const {
	return m_chart->axisTitle(m_axisId).font();
}


void ChartAxis::setLabelFont(const QFont & font) {
	m_chart->setAxisFont(m_axisId, font);
}


void ChartAxis::setLabelAlignment(int horizontal, int vertical) {
	Qt::Alignment a;
	switch (horizontal) {
		case 0: a |= Qt::AlignLeft; break;
		case 1: a |= Qt::AlignRight; break;
		case 2: a |= Qt::AlignHCenter; break;
		default: break;
	}
	switch (vertical) {
		case 0: a |= Qt::AlignTop; break;
		case 1: a |= Qt::AlignBottom; break;
		case 2: a |= Qt::AlignVCenter; break;
		default: break;
	}
	m_chart->axisWidget(m_axisId)->setLabelAlignment(a);
}


void ChartAxis::setLabelRotation(double rotation) {
	m_chart->setAxisLabelRotation(m_axisId, rotation);
}


void ChartAxis::setMaxMajor(int maxMajor) {
	m_maxMajor = maxMajor;
	m_chart->setAxisMaxMajor(m_axisId, maxMajor);
	m_chart->replot();
}


void ChartAxis::setMaxMinor(int maxMinor) {
	m_maxMinor = maxMinor;
	m_chart->setAxisMaxMinor(m_axisId, maxMinor);
	m_chart->replot();
}


void ChartAxis::setTitleSpacing(int extent) {
	QwtScaleWidget * w = m_chart->axisWidget(m_axisId);
	w->setSpacing(0);
	m_chart->updateLayout();
	const int size = m_axisId == QwtPlot::xBottom ? w->height() : w->width();
	w->setSpacing(extent - size);
}


void ChartAxis::setLabelSpacing(int spacing) {
	Q_ASSERT_X(m_chart->axisScaleDraw(m_axisId) != nullptr, "ChartAxis::setLabelSpacing",
			   "m_chart->axisScaleDraw(m_axisId) != NULL");
	m_chart->axisScaleDraw(m_axisId)->setSpacing(spacing);
	m_chart->axisWidget(m_axisId)->update();
}


void ChartAxis::setTitleInverted(bool inverted) {
	Q_ASSERT_X(m_chart->axisWidget(m_axisId) != nullptr, "ChartAxis::setTitleInverted",
			   "m_chart->axisWidget(m_axisId) != NULL");
	m_chart->axisWidget(m_axisId)->setLayoutFlag(QwtScaleWidget::TitleInverted, inverted);
}


double ChartAxis::minimum() const {
	return m_chart->axisScaleDiv(m_axisId).lowerBound();
}


double ChartAxis::maximum() const {
	return m_chart->axisScaleDiv(m_axisId).upperBound();
}


QwtText ChartAxis::label(double value) const {
	const QwtScaleDraw * sd = m_chart->axisScaleDraw(m_axisId);
	if (sd == nullptr)
		return QwtText(QString("%L1").arg(value, 0, 'g', -1));
	if (const DateScaleDraw * dsd = dynamic_cast<const DateScaleDraw *>(sd))
		return dsd->dateLabel(value, 0);
	return sd->label(value);
}

} // namespace SCI
