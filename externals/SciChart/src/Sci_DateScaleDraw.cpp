#include "Sci_DateScaleDraw.h"

#include <algorithm>

#include <qwt_date.h>

namespace SCI {

DateScaleDraw::DateScaleDraw() :
	QwtDateScaleDraw(Qt::LocalTime)
{
	setDateFormats(defaultDateFormats());
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
	return QwtText(QwtDate::toString(dt, format, week0Type()), QwtText::AutoText);
}

} // namespace SCI
