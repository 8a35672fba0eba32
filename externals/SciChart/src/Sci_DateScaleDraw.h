#ifndef Sci_DateScaleDrawH
#define Sci_DateScaleDrawH

#include <QStringList>

#include <qwt_date_scale_draw.h>
#include <qwt_text.h>

namespace SCI {

/*! Date scale draw in local time whose label formats come as a list of eight texts,
	one per QwtDate::IntervalType; ";;" in a format stands for a line break. */
class DateScaleDraw : public QwtDateScaleDraw {
public:
	DateScaleDraw();

	/*! The eight default formats, millisecond to year. */
	static QStringList defaultDateFormats();

	/*! Sets the formats (exactly 8) and drops the cached labels. */
	void setDateFormats(const QStringList & formats);

	/*! Label of a value with a format finer by offset interval types than the one of
		the current scale division (never finer than milliseconds). */
	QwtText dateLabel(double value, int offset) const;

	/*! Label of a value in the format of the current scale division, with month and day
		names in the default locale (the program's language) rather than the system's. */
	QwtText label(double value) const override;

	/*! A date and time as text: QwtDate's week number placeholders, all other fields
		through QLocale(). */
	QString toText(const QDateTime & dt, const QString & format) const;
};

} // namespace SCI

#endif // Sci_DateScaleDrawH
