#include "Sci_DateScaleDraw.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QLocale>

#include <qwt_date.h>

namespace SCI {

DateScaleDraw::DateScaleDraw(int utcOffset) :
	QwtDateScaleDraw(Qt::OffsetFromUTC)
{
	setUtcOffset(utcOffset);
	setDateFormats(defaultDateFormats());
}


void DateScaleDraw::drawTick(QPainter * painter, double value, double len) const {
	applyPenWidthF(painter);
	QwtDateScaleDraw::drawTick(painter, value, len);
}


void DateScaleDraw::drawBackbone(QPainter * painter) const {
	applyPenWidthF(painter);
	QwtDateScaleDraw::drawBackbone(painter);
}


double DateScaleDraw::extent(const QFont & font) const {
	double e = QwtDateScaleDraw::extent(font);
	if (alignment() == BottomScale && hasComponent(Labels))
		e += QFontMetricsF(font).descent();
	return e;
}


QStringList DateScaleDraw::defaultDateFormats() {
	return QStringList()
		<< "hh:mm:ss:zzz"	// millisecond
		<< "dd hh:mm:ss"	// second
		<< "dd.MM. hh:mm"	// minute
		<< "hh:mm;;dd.MM."	// hour: time over day and month
		<< "dd.MM.yyyy"		// day
		<< "dd.MM.yyyy"		// week
		<< "MMM yyyy"		// month
		<< "yyyy";			// year
}


void DateScaleDraw::setDateFormats(const QStringList & formats) {
	Q_ASSERT_X(formats.size() == 8, "DateScaleDraw::setDateFormats", "formats.size() == 8");
	m_formats = formats;
	for (int i = 0; i < formats.size() && i <= QwtDate::Year; ++i) {
		QString format = formats[i];
		format.replace(";;", "\n");
		setDateFormat(static_cast<QwtDate::IntervalType>(i), format);
	}
	// setting the division again discards the cached labels
	setScaleDiv(scaleDiv());
}


QwtText DateScaleDraw::dateLabel(double value, int offset) const {
	QDateTime dt = toDateTime(value);
	int type = intervalType(scaleDiv());
	if (offset > 0)
		type = std::max(type - offset, 0);
	QString format = dateFormatOfDate(dt, static_cast<QwtDate::IntervalType>(type));
	return QwtText(toText(dt, format), QwtText::AutoText);
}


QwtText DateScaleDraw::label(double value) const {
	const QDateTime dt = toDateTime(value);
	const QString format = dateFormatOfDate(dt, intervalType(scaleDiv()));
	return QwtText(toText(dt, format), QwtText::AutoText);
}


QString DateScaleDraw::toText(const QDateTime & dt, const QString & format) const {
	QString f = format;
	// week numbers are no QDateTime field: put them in as quoted literals
	if (f.contains('w')) {
		const int week = QwtDate::weekNumber(dt.date(), week0Type());
		f.replace("ww", "'" + QString("%1").arg(week, 2, 10, QChar('0')) + "'");
		f.replace("w", "'" + QString::number(week) + "'");
	}
	// QDateTime::toString() would take the month names of the system locale
	return QLocale().toString(dt, f);
}

} // namespace SCI
