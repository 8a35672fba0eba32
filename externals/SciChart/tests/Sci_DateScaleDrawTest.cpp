// Date labels: default formats, two-line hour labels, finer tracker labels.
#include <gtest/gtest.h>

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
