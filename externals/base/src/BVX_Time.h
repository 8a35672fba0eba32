#ifndef BVX_TimeH
#define BVX_TimeH

#include <string>

namespace BVX {

/*! Seconds of a 365-day year; simulated time runs in these years (no leap years). */
constexpr double SECONDS_PER_YEAR = 31536000;
/*! Hours of a 365-day year; hourly year data has this many values. */
constexpr unsigned int HOURS_PER_YEAR = 8760;

/*! Time of year in [0, SECONDS_PER_YEAR): whole years are removed, a negative time counts
	back from the end of the year. The start of a year belongs to that year (hour 0). */
double timeOfYear(double t);

/*! Time of year in [0, SECONDS_PER_YEAR] where the end of a year stays the end of that year:
	t = k years (k >= 1) gives SECONDS_PER_YEAR (hour 8760, the value that closes the year),
	0 gives 0; negative times wrap as in timeOfYear(). */
double timeOfYearEndInclusive(double t);

/*! A point in simulated time: a year and the seconds since the start of that year.
	The calendar has 365 days per year (no leap years); months and days of the month
	are counted from 0. The invalid time has year INVALID_YEAR and 0 seconds.
*/
class Time {
public:
	/*! Year that marks the invalid time. */
	static const int INVALID_YEAR;
	/*! Seconds of a 365-day year. */
	static const double SECONDS_PER_YEAR;

	/*! The invalid time. */
	Time();
	/*! Negative seconds borrow whole years; seconds beyond one year are kept as they are. */
	Time(int year, double secondsOfYear);
	/*! Calendar date; invalid arguments give the invalid time (nothing is thrown). */
	Time(int year, unsigned int month, unsigned int day, double secondsOfDay);

	/*! Sets a calendar date. The day is not checked against the length of the month.
		Throws for month > 11, day > 31 or secondsOfDay >= 86400; the year is stored first.
	*/
	void set(int year, unsigned int month, unsigned int day, double secondsOfDay);

	bool isValid() const { return m_year != INVALID_YEAR; }
	int year() const { return m_year; }
	double secondsOfYear() const { return m_sec; }

	/*! Adds seconds; a negative result borrows whole years. */
	Time & operator+=(double seconds);

	/*! Turns this time into the difference this - other, as (years, seconds) with
		seconds of at most one year. A negative difference, or one with an invalid time,
		gives the invalid time.
	*/
	Time & operator-=(const Time & other);

	/*! A duration in the largest fitting unit of s, min, h, d and a, e.g. " 1.500 min". */
	static std::string format_duration(double seconds);

	/*! A duration in the named unit of the unit table, e.g. " 2.000 ms  ".
		Throws for an unknown unit name. */
	static std::string format_time_difference(double seconds, const std::string & unitName);

	/*! A display unit that suits the duration: one of "a", "d", "h", "min", "s", "ms". */
	static std::string suitableTimeUnit(double seconds);

private:
	/*! Moves whole years from the year into the seconds until they are no longer negative. */
	void borrowYears();

	int		m_year;
	double	m_sec;
};

} // namespace BVX

#endif // BVX_TimeH
