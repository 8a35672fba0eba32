#include <gtest/gtest.h>

#include <string>

#include "BVX_Exception.h"
#include "BVX_Time.h"

using BVX::Time;

namespace {

const double YEAR = 31536000;

void expectTime(const Time & t, int year, double sec) {
	EXPECT_EQ(t.year(), year);
	EXPECT_DOUBLE_EQ(t.secondsOfYear(), sec);
}

} // namespace


TEST(Time, DefaultIsInvalid) {
	Time t;
	EXPECT_FALSE(t.isValid());
	expectTime(t, -1000000, 0);
}


TEST(Time, SetCalendarDates) {
	struct Case { unsigned int month; unsigned int day; double secOfDay; double expected; };
	const Case cases[] = {
		{ 0, 0, 0, 0 },
		{ 11, 30, 86399, 31535999 },
		{ 1, 0, 3600, 31 * 86400 + 3600 },
		{ 2, 0, 0, 59 * 86400 },
		{ 1, 30, 0, 61 * 86400 },		// the day is not checked against the month: 2nd of March
		{ 0, 31, 0, 31 * 86400 },
	};
	for (const Case & k : cases) {
		Time t;
		t.set(2010, k.month, k.day, k.secOfDay);
		expectTime(t, 2010, k.expected);
		expectTime(Time(2010, k.month, k.day, k.secOfDay), 2010, k.expected);
	}
}


TEST(Time, SetRejectsBadArgumentsInOrder) {
	struct Case { unsigned int month; unsigned int day; double secOfDay; const char * msg; };
	const Case cases[] = {
		{ 12, 0, 0, "Invalid month" },
		{ 12, 40, 90000, "Invalid month" },
		{ 0, 32, 90000, "Invalid day" },
		{ 0, 0, 86400, "Invalid seconds" },
	};
	for (const Case & k : cases) {
		Time t;
		try {
			t.set(2011, k.month, k.day, k.secOfDay);
			ADD_FAILURE() << "no exception for " << k.msg;
		}
		catch (BVX::Exception & ex) {
			EXPECT_STREQ(ex.what(), k.msg);
			EXPECT_EQ(ex.messages().back().m_functionID, "[Time::set]");
		}
		// the constructor swallows the error
		EXPECT_FALSE(Time(2011, k.month, k.day, k.secOfDay).isValid());
		expectTime(Time(2011, k.month, k.day, k.secOfDay), -1000000, 0);
	}
}


TEST(Time, NegativeSecondsBorrowYears) {
	expectTime(Time(2010, -1.0), 2009, 31535999);
	expectTime(Time(2010, -YEAR), 2009, 0);
	expectTime(Time(2010, -2.5 * YEAR), 2007, 0.5 * YEAR);
	expectTime(Time(2010, 1.5 * YEAR), 2010, 1.5 * YEAR);	// not carried upwards

	Time t(2010, 10);
	t += -20;
	expectTime(t, 2009, YEAR - 10);
	t += 20;
	expectTime(t, 2009, YEAR + 10);
}


TEST(Time, Difference) {
	Time a(2011, 10);
	a -= Time(2010, 20);
	expectTime(a, 0, 31535990);

	Time b(2010, 20);
	b -= Time(2011, 10);
	EXPECT_FALSE(b.isValid());

	Time c(2012, 0);
	c -= Time(2011, 0);
	expectTime(c, 0, YEAR);		// exactly one year stays in the seconds

	Time d(2013, 5);
	d -= Time(2010, 5);
	expectTime(d, 2, YEAR);

	Time e(2010, 7);
	e -= Time(2010, 7);
	expectTime(e, 0, 0);

	Time f(2010, 7);
	f -= Time();
	EXPECT_FALSE(f.isValid());
}


TEST(Time, FormatDurationThresholds) {
	struct Case { double seconds; const char * text; };
	const Case cases[] = {
		{ 0, " 0.000 s" },
		{ 59.9, "59.900 s" },
		{ 60, " 1.000 min" },
		{ 90, " 1.500 min" },
		{ 3599.94, "59.999 min" },
		{ 3600, " 1.000 h" },
		{ 86396.4, "23.999 h" },
		{ 86400, " 1.000 d" },
		{ 31535000, "364.988 d" },
		{ 31536000, " 1.000 a" },
		{ 63072000, " 2.000 a" },
	};
	for (const Case & k : cases)
		EXPECT_EQ(Time::format_duration(k.seconds), k.text) << k.seconds;
}


TEST(Time, SuitableTimeUnitThresholds) {
	struct Case { double seconds; const char * unit; };
	const Case cases[] = {
		{ 0, "ms" }, { 1, "ms" }, { 1.001, "s" }, { 180, "s" }, { 181, "min" },
		{ 1800, "min" }, { 1801, "h" }, { 43200, "h" }, { 43201, "d" },
		{ 15552000, "d" }, { 15552001, "a" },
	};
	for (const Case & k : cases)
		EXPECT_EQ(Time::suitableTimeUnit(k.seconds), k.unit) << k.seconds;
}


TEST(Time, FormatTimeDifferenceInUnit) {
	struct Case { double seconds; const char * unit; const char * text; };
	const Case cases[] = {
		{ 0.25, "ms", "250.000 ms  " },
		{ 12.5, "s", "12.500 s   " },
		{ 90, "min", " 1.500 min" },
		{ 5400, "h", " 1.500 h   " },
		{ 43200, "d", " 0.500 d   " },
		{ 63072000, "a", " 2.000 a   " },
	};
	for (const Case & k : cases)
		EXPECT_EQ(Time::format_time_difference(k.seconds, k.unit), k.text) << k.unit;
	EXPECT_THROW(Time::format_time_difference(1, "fortnight"), BVX::Exception);
	EXPECT_THROW(Time::format_time_difference(1, "m"), BVX::Exception);	// not a time unit
}

// The two year clocks differ only at whole years: the plain one starts the next year there,
// the end-inclusive one closes the current year (hour 8760).
TEST(Time, TimeOfYearWraps) {
	struct Case { double t; double plain; double endInclusive; };
	const Case cases[] = {
		{ 0,				0,			0 },
		{ 3600,				3600,		3600 },
		{ YEAR - 1,			YEAR - 1,	YEAR - 1 },
		{ YEAR,				0,			YEAR },
		{ YEAR + 1800,		1800,		1800 },
		{ 2*YEAR,			0,			YEAR },
		{ 5*YEAR + 7200,	7200,		7200 },
		{ -3600,			YEAR - 3600,	YEAR - 3600 },
		{ -YEAR,			0,			0 },
		{ -1e-30,			0,			0 },	// rounds to a whole year, stays in range
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.t);
		EXPECT_DOUBLE_EQ(BVX::timeOfYear(c.t), c.plain);
		EXPECT_DOUBLE_EQ(BVX::timeOfYearEndInclusive(c.t), c.endInclusive);
		EXPECT_GE(BVX::timeOfYear(c.t), 0);
		EXPECT_LT(BVX::timeOfYear(c.t), YEAR);
	}
	EXPECT_EQ(BVX::SECONDS_PER_YEAR, 3600.0*BVX::HOURS_PER_YEAR);
}
