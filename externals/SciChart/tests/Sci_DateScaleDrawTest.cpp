// Date labels: default formats, two-line hour labels, finer tracker labels.
#include <gtest/gtest.h>

#include <QLocale>

#include <qwt_date.h>
#include <qwt_scale_div.h>

#include <Sci_DateScaleDraw.h>

namespace {

double at(int day, int hour, int msec = 0) {
	return QwtDate::toDouble(QDateTime(QDate(2000, 1, day), QTime(hour, 0).addMSecs(msec)));
}

/*! A scale division with the given major ticks. */
QwtScaleDiv divisionOf(const QList<double> & ticks) {
	QList<double> none;
	return QwtScaleDiv(ticks.first(), ticks.last(), none, none, ticks);
}

} // namespace


TEST(SciDateScaleDraw, DefaultFormatsOnePerIntervalType) {
	const QStringList formats = SCI::DateScaleDraw::defaultDateFormats();
	EXPECT_EQ(formats, QStringList({ "hh:mm:ss:zzz", "dd hh:mm:ss", "dd.MM. hh:mm", "hh:mm;;dd.MM.",
									 "dd.MM.yyyy", "dd.MM.yyyy", "MMM yyyy", "yyyy" }));
	SCI::DateScaleDraw draw;
	EXPECT_EQ(draw.dateFormat(QwtDate::Hour), QString("hh:mm\ndd.MM."));
	EXPECT_EQ(draw.dateFormat(QwtDate::Year), QString("yyyy"));
}


TEST(SciDateScaleDraw, HourlyScaleShowsTimeOverDay) {
	SCI::DateScaleDraw draw;
	draw.setScaleDiv(divisionOf({ at(2, 0), at(2, 6), at(2, 12), at(2, 18) }));
	EXPECT_EQ(draw.label(at(2, 6)).text(), QString("06:00\n02.01."));

	// new formats replace the cached labels
	QStringList formats = SCI::DateScaleDraw::defaultDateFormats();
	formats[QwtDate::Hour] = "hh;;dd";
	draw.setDateFormats(formats);
	EXPECT_EQ(draw.label(at(2, 6)).text(), QString("06\n02"));
}


TEST(SciDateScaleDraw, TrackerLabelsAreOneIntervalTypeFiner) {
	SCI::DateScaleDraw draw;
	draw.setScaleDiv(divisionOf({ at(1, 0), at(2, 0), at(3, 0) }));
	EXPECT_EQ(draw.dateLabel(at(2, 13), 0).text(), QString("02.01.2000"));
	EXPECT_EQ(draw.dateLabel(at(2, 13), 1).text(), QString("13:00\n02.01."));

	// never finer than milliseconds
	draw.setScaleDiv(divisionOf({ at(1, 0, 1), at(1, 0, 3), at(1, 0, 5) }));
	EXPECT_EQ(draw.dateLabel(at(1, 0, 3), 1).text(), QString("00:00:00:003"));
}


/*! Month and day names follow the program's language (the default locale), not the system's. */
TEST(SciDateScaleDraw, NamesInTheDefaultLocale) {
	struct Case {
		QLocale::Language	m_language;
		const char *		m_march;		// axis label of 1 March 2001 on a monthly scale
		const char *		m_may;
		const char *		m_tracker;		// a day finer: Thursday, 1 March
	};
	const Case cases[] = {
		{ QLocale::English, "Mar 2001", "May 2001", "Thu 01.03." },
		{ QLocale::German, "M\xc3\xa4rz 2001", "Mai 2001", "Do. 01.03." },
	};
	const QLocale saved;
	auto month = [](int m) { return QwtDate::toDouble(QDateTime(QDate(2001, m, 1), QTime(0, 0))); };
	for (const Case & c : cases) {
		SCOPED_TRACE(QLocale::languageToString(c.m_language).toStdString());
		QLocale::setDefault(QLocale(c.m_language));
		SCI::DateScaleDraw draw;
		QStringList formats = SCI::DateScaleDraw::defaultDateFormats();
		formats[QwtDate::Day] = "ddd dd.MM.";
		draw.setDateFormats(formats);
		draw.setScaleDiv(divisionOf({ month(1), month(3), month(5), month(7) }));
		EXPECT_EQ(draw.label(month(3)).text(), QString::fromUtf8(c.m_march));
		EXPECT_EQ(draw.label(month(5)).text(), QString::fromUtf8(c.m_may));
		EXPECT_EQ(draw.dateLabel(month(3), 2).text(), QString::fromUtf8(c.m_tracker));
	}
	QLocale::setDefault(saved);
}


TEST(SciDateScaleDraw, WeekNumbersAsLiterals) {
	SCI::DateScaleDraw draw;
	// 8 January 2001 is a Monday of the second week of the year
	const QDateTime dt(QDate(2001, 1, 8), QTime(0, 0));
	EXPECT_EQ(draw.toText(dt, "ww/w dd.MM."), QString("02/2 08.01."));
}
