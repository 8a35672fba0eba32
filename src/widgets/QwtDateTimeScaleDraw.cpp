#include "QwtDateTimeScaleDraw.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPalette>

#include "MonthOfDay.h"

namespace {

/*! Week number (1 for the first week) of a Monday tick. */
QString weekNumber(double t) {
	return QString("%1").arg(static_cast<unsigned int>(t) / 7. + 1, 0, 'g', -1);
}

} // namespace


void QwtDateTimeScaleDraw::drawLabel(QPainter * /*painter*/, double /*value*/) const {
}


bool QwtDateTimeScaleDraw::longMonthNamesFit(const QFontMetrics & fm, int monthWidth) const {
	return m_months.fitting(fm, monthWidth) == m_months.m_long;
}


void QwtDateTimeScaleDraw::draw(QPainter * painter, const QPalette & palette) const {
	QwtAbstractScaleDraw::draw(painter, palette);
	const QList<double> majorTicks = scaleDiv().ticks(QwtScaleDiv::MajorTick);
	if (majorTicks.isEmpty())
		return;
	painter->save();
	painter->setPen(palette.color(QPalette::Text));
	const double d1 = majorTicks.first();
	const double d2 = majorTicks.last();
	const unsigned int m1 = monthOfDay(static_cast<unsigned int>(qBound(0.0, d1, 365.0)));
	const unsigned int m2 = monthOfDay(static_cast<unsigned int>(qBound(0.0, d2, 365.0)));
	if (m2 - m1 >= 4) {
		drawMonthLabels(painter, m1, m2, d1);
		drawWeekNumbers(painter);
	}
	// weeks or days as the engine chose its ticks: by the visible range, not by the
	// distance of the first and last Monday (three Mondays of a 20-day range are 14 days apart)
	else if (scaleDiv().range() > 14)
		drawWeekLabels(painter, majorTicks);
	else
		drawDayLabels(painter, majorTicks);
	painter->restore();
}


void QwtDateTimeScaleDraw::drawWeekLabels(QPainter * painter, const QList<double> & majorTicks) const {
	// each label stands over the week that begins at its Monday tick, as far as it is visible
	const QFontMetrics fm(painter->font());
	const double end = labelPosition(scaleDiv().upperBound()).x();
	for (double t : majorTicks) {
		const QPointF p = labelPosition(t);
		const double q = qMin(labelPosition(t + 7).x(), end);
		const QString text = tr("Week %1").arg(static_cast<unsigned int>(t) / 7. + 1, 0, 'g', -1);
		if (fm.horizontalAdvance(text) > q - p.x())
			continue;
		painter->drawText(QRect(int(p.x()), int(p.y()) - 5, int(q - p.x()), 20), Qt::AlignHCenter | Qt::AlignTop, text);
	}
}


void QwtDateTimeScaleDraw::drawDayLabels(QPainter * painter, const QList<double> & majorTicks) const {
	// a label that would run past the end of the axis is left out
	const QFontMetrics fm(painter->font());
	const double end = labelPosition(scaleDiv().upperBound()).x();
	for (double t : majorTicks) {
		const QPointF q = labelPosition(t);
		const QString text = QLocale().toString(QDate(2001, 1, 1).addDays(static_cast<qint64>(t)), tr("ddd MMM/dd"));
		if (q.x() + fm.horizontalAdvance(text) > end + 1)
			continue;
		painter->drawText(QRect(int(q.x()), int(q.y()) - 5, 50, 20), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
	}
}


void QwtDateTimeScaleDraw::drawMonthLabels(QPainter * painter, unsigned int m1, unsigned int m2, double d1) const {
	const QFontMetrics fm(painter->font());
	// width of one month: the last month has no successor, measure the one before
	const unsigned int m = qMin(m1, 10u);
	const int monthWidth = int(labelPosition(MONTH_END_DAYS[m + 1]).x() - labelPosition(MONTH_END_DAYS[m]).x());
	const QString * names = m_months.fitting(fm, monthWidth);

	QPointF p = labelPosition(d1);
	for (unsigned int i = m1; i <= m2 && i < 12; ++i) {
		const QPointF q = labelPosition(MONTH_END_DAYS[i]);
		painter->drawText(QRect(int(p.x()), int(p.y()) - 5, int(q.x() - p.x()), 20),
						  Qt::AlignHCenter | Qt::AlignTop, names[i]);
		p = q;
	}
}


void QwtDateTimeScaleDraw::drawWeekNumbers(QPainter * painter) const {
	const QList<double> minorTicks = scaleDiv().ticks(QwtScaleDiv::MinorTick);
	if (minorTicks.isEmpty())
		return;
	const QFontMetrics fm(painter->font());
	const double s = minorTicks.size() > 1 ? labelPosition(minorTicks[1]).x() - labelPosition(minorTicks[0]).x() : 0;
	if (int(s) < fm.horizontalAdvance("5555"))
		return;
	for (double t : minorTicks) {
		if (!scaleDiv().contains(t))
			continue;
		const QPointF q = labelPosition(t);
		painter->drawText(QRect(int(q.x()) + 3, int(q.y()) - fm.lineSpacing() - 1, 50, 20),
						  Qt::AlignLeft | Qt::AlignTop, weekNumber(t));
	}
}
