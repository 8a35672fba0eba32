#include "BVX_Time.h"

#include <cmath>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_Unit.h"
#include "BVX_UnitList.h"

namespace BVX {

const int Time::INVALID_YEAR = -1000000;
const double Time::SECONDS_PER_YEAR = BVX::SECONDS_PER_YEAR;


double timeOfYear(double t) {
	double r = std::fmod(t, SECONDS_PER_YEAR);
	if (r < 0)
		r += SECONDS_PER_YEAR;
	// a tiny negative remainder rounds up to a whole year
	return r < SECONDS_PER_YEAR ? r : 0.0;
}


double timeOfYearEndInclusive(double t) {
	if (t <= 0)
		return timeOfYear(t);
	const double r = std::fmod(t, SECONDS_PER_YEAR);
	return r == 0 ? SECONDS_PER_YEAR : r;
}

namespace {

const double SECONDS_PER_DAY = 86400;
const unsigned int DAYS_PER_MONTH[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };

} // namespace


Time::Time() :
	m_year(INVALID_YEAR),
	m_sec(0)
{
}


Time::Time(int year, double secondsOfYear) :
	m_year(year),
	m_sec(secondsOfYear)
{
	borrowYears();
}


Time::Time(int year, unsigned int month, unsigned int day, double secondsOfDay) :
	m_year(INVALID_YEAR),
	m_sec(0)
{
	try {
		set(year, month, day, secondsOfDay);
	}
	catch (Exception &) {
		*this = Time();
	}
}


void Time::set(int year, unsigned int month, unsigned int day, double secondsOfDay) {
	const char * const FUNC_ID = "[Time::set]";
	m_year = year;
	if (month > 11)
		throw Exception("Invalid month", FUNC_ID);
	if (day > 31)
		throw Exception("Invalid day", FUNC_ID);
	if (secondsOfDay >= SECONDS_PER_DAY)
		throw Exception("Invalid seconds", FUNC_ID);
	unsigned int daysBefore = day;
	for (unsigned int m = 0; m < month; ++m)
		daysBefore += DAYS_PER_MONTH[m];
	m_sec = secondsOfDay + daysBefore * SECONDS_PER_DAY;
}


Time & Time::operator+=(double seconds) {
	m_sec += seconds;
	borrowYears();
	return *this;
}


Time & Time::operator-=(const Time & other) {
	if (!isValid() || !other.isValid()) {
		*this = Time();
		return *this;
	}
	// bring both to the other's year, then subtract
	double diff = m_sec + (static_cast<double>(m_year) - other.m_year) * SECONDS_PER_YEAR - other.m_sec;
	if (diff < 0) {
		*this = Time();
		return *this;
	}
	// whole years out of the seconds; exactly one year stays in the seconds
	double years = std::ceil(diff / SECONDS_PER_YEAR) - 1;
	if (years < 0)
		years = 0;
	m_year = static_cast<int>(years);
	m_sec = diff - years * SECONDS_PER_YEAR;
	return *this;
}


void Time::borrowYears() {
	if (!(m_sec < 0))
		return;
	double years = std::ceil(-m_sec / SECONDS_PER_YEAR);
	m_year -= static_cast<int>(years);
	m_sec += years * SECONDS_PER_YEAR;
	if (m_sec < 0) { // rounding of very small negative values
		--m_year;
		m_sec += SECONDS_PER_YEAR;
	}
}


std::string Time::format_duration(double seconds) {
	struct Scale {
		double		m_limit;
		double		m_divisor;
		const char *m_unit;
	};
	static const Scale SCALES[] = {
		{ 60,				1,					"s" },
		{ 3600,				60,					"min" },
		{ SECONDS_PER_DAY,	3600,				"h" },
		{ SECONDS_PER_YEAR,	SECONDS_PER_DAY,	"d" }
	};
	for (const Scale & s : SCALES) {
		if (seconds < s.m_limit)
			return FormatText("%1 %2").arg(seconds / s.m_divisor, 6, 'f', 3).arg(s.m_unit).str();
	}
	return FormatText("%1 a").arg(seconds / SECONDS_PER_YEAR, 6, 'f', 3).str();
}


std::string Time::format_time_difference(double seconds, const std::string & unitName) {
	double value = seconds;
	UnitList::instance().convert(Unit("s"), Unit(unitName), value);
	std::string text = FormatText("%1 %2").arg(value, 6, 'f', 3).arg(unitName).str();
	// short unit names are padded so that columns of differences line up
	if (unitName.size() < 3)
		text.append(4 - unitName.size(), ' ');
	return text;
}


std::string Time::suitableTimeUnit(double seconds) {
	if (seconds > 15552000)
		return "a";
	if (seconds > 43200)
		return "d";
	if (seconds > 1800)
		return "h";
	if (seconds > 180)
		return "min";
	if (seconds > 1)
		return "s";
	return "ms";
}

} // namespace BVX
