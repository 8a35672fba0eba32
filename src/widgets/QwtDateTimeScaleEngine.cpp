#include "QwtDateTimeScaleEngine.h"

#include <QtGlobal>

#include "MonthOfDay.h"

namespace {

/*! Day 0 is a Monday (1 January 2001): Mondays are the multiples of 7. */
bool isMonday(unsigned int day) {
	return day % 7 == 0;
}

/*! Whole day of a scale value; values panned outside the year are clamped first. */
unsigned int dayOf(double x) {
	return static_cast<unsigned int>(qBound(0.0, x, 365.0));
}

} // namespace


QwtDateTimeScaleEngine::QwtDateTimeScaleEngine() :
	QwtLinearScaleEngine(10)
{
}


QwtScaleDiv QwtDateTimeScaleEngine::divideScale(double x1, double x2, int /*maxMajorSteps*/,
												int /*maxMinorSteps*/, double /*stepSize*/) const
{
	const QwtInterval interval = QwtInterval(x1, x2).normalized();
	const double lo = interval.minValue();
	const double hi = interval.maxValue();
	const unsigned int d1 = dayOf(lo);
	const unsigned int m1 = monthOfDay(d1);
	const unsigned int m2 = monthOfDay(dayOf(hi));

	QList<double> ticks[QwtScaleDiv::NTickTypes];
	QList<double> & minor = ticks[QwtScaleDiv::MinorTick];
	QList<double> & major = ticks[QwtScaleDiv::MajorTick];

	if (m2 - m1 >= 4) {
		if (lo == 0)
			major.append(0);
		for (unsigned int m = m1; m <= m2 && m < 12; ++m)
			major.append(MONTH_END_DAYS[m]);
		for (unsigned int d = d1; d <= hi && minor.size() < 52; ++d)
			if (isMonday(d))
				minor.append(d);
	}
	else if (hi - lo > 14) {
		for (unsigned int d = d1; d <= hi; ++d) {
			if (isMonday(d) && major.size() < 52)
				major.append(d);
			minor.append(d);
		}
	}
	else {
		for (unsigned int h = static_cast<unsigned int>(qMax(0.0, lo)*24); h <= hi*24; ++h) {
			minor.append(h/24.0);
			if (h % 24 == 0)
				major.append(h/24.0);
		}
	}
	return QwtScaleDiv(lo, hi, ticks);
}
