#ifndef Sci_DateScaleDrawH
#define Sci_DateScaleDrawH

#include <QStringList>

#include <qwt_date_scale_draw.h>
#include <qwt_text.h>

#include "Sci_ScalePen.h"

namespace SCI {

/*! Date scale draw whose label formats come as a list of eight texts, one per
	QwtDate::IntervalType; ";;" in a format stands for a line break.

	Simulation time knows no daylight saving: dates are shown at a fixed offset from UTC
	(that of the time axis' zero), never in local time, which would label the summer
	hours one hour late.
*/
class DateScaleDraw : public QwtDateScaleDraw, public ScalePen {
public:
	/*! Dates at utcOffset seconds from UTC. */
	explicit DateScaleDraw(int utcOffset = 0);

	/*! The eight default formats, millisecond to year. */
	static QStringList defaultDateFormats();

	/*! Sets the formats (exactly 8) and drops the cached labels. */
	void setDateFormats(const QStringList & formats);
	/*! The eight formats as given to setDateFormats(). */
	const QStringList & dateFormats() const { return m_formats; }

	/*! Label of a value with a format finer by offset interval types than the one of
		the current scale division (never finer than milliseconds). */
	QwtText dateLabel(double value, int offset) const;

	/*! Label of a value in the format of the current scale division, with month and day
		names in the default locale (the program's language) rather than the system's. */
	QwtText label(double value) const override;

	/*! A date and time as text: QwtDate's week number placeholders, all other fields
		through QLocale(). */
	QString toText(const QDateTime & dt, const QString & format) const;

	/*! Extent of the scale; below a bottom scale it includes the descent of the label font:
		Qwt measures labels without it, and month names like "May" or "July" hang into it,
		which an axis widget without margin would cut. */
	double extent(const QFont & font) const override;

protected:
	void drawTick(QPainter * painter, double value, double len) const override;
	void drawBackbone(QPainter * painter) const override;

private:
	QStringList	m_formats;
};

} // namespace SCI

#endif // Sci_DateScaleDrawH
