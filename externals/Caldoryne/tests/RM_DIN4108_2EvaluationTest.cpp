// Over-temperature degree hours after DIN 4108-2 from the operative temperature series.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <RM_CaldoryneModel.h>
#include <RM_DIN4108_2Assessment.h>
#include <RM_OutputManager.h>

#include "RM_TestSupport.h"

using RM::DIN4108_2Assessment;
using RM::OutputManager;

namespace {

DIN4108_2Assessment settings(bool residential, int region) {
	DIN4108_2Assessment s;
	s.m_active = true;
	s.m_residential = residential;
	s.m_climateRegion = region;
	return s;
}

/*! Output manager holding the given (time in h, operative temperature in C) outputs. */
OutputManager withOperative(const std::vector<std::pair<double, double> > & outputs) {
	OutputManager om;
	om.initOutputs(0, false, false);
	for (const auto & o : outputs) {
		om.m_roomStateSeries[OutputManager::RS_Time].push_back(o.first/24);
		om.m_roomStateSeries[OutputManager::RS_OperativeTemperature].push_back(o.second);
	}
	return om;
}

/*! Hourly year at constant operative temperature. */
OutputManager constantYear(double theta) {
	std::vector<std::pair<double, double> > outputs;
	for (unsigned int h = 0; h <= 8760; ++h)
		outputs.push_back(std::make_pair(double(h), theta));
	return withOperative(outputs);
}

} // namespace


TEST(DIN4108_2EvaluationTest, ReferenceTemperatureByRegion) {
	struct Case {
		int		region;
		double	theta;		// operative temperature over one hour, C
		double	expected;	// Kh above the reference
	};
	// reference 25 C in region A (0), 26 C in B (1), 27 C in C (2)
	const Case cases[] = {
		{ 0, 28, 3 },
		{ 1, 28, 2 },
		{ 2, 28, 1 },
		{ 2, 26.5, 0 },
	};
	for (const Case & c : cases) {
		OutputManager om = withOperative({ { 0, c.theta }, { 1, c.theta } });
		om.computeDIN4108_2Results(settings(true, c.region));
		EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, c.expected) << "region " << c.region;
	}
}


TEST(DIN4108_2EvaluationTest, ConstantYearAboveReferenceFails) {
	// residential, region B: 27 C all year is 1 K above 26 C for 8760 h
	OutputManager om = constantYear(27);
	om.computeDIN4108_2Results(settings(true, 1));
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, 8760);
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHoursP2, 0);
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHoursP4, 0);
	EXPECT_FALSE(om.m_din4108_2VerificationPassed);
}


TEST(DIN4108_2EvaluationTest, MeanOfIntervalAndRaisedReferences) {
	// 26 -> 28 C in region A: mean 27 C, 2 Kh above 25 C, nothing above 27 or 29 C
	OutputManager om = withOperative({ { 0, 26 }, { 1, 28 } });
	om.computeDIN4108_2Results(settings(true, 0));
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, 2);
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHoursP2, 0);
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHoursP4, 0);

	// 32 C over two hours (one interval): 14, 10 and 6 Kh
	om = withOperative({ { 0, 32 }, { 2, 32 } });
	om.computeDIN4108_2Results(settings(true, 0));
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, 14);
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHoursP2, 10);
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHoursP4, 6);
	EXPECT_TRUE(om.m_din4108_2VerificationPassed);
}


TEST(DIN4108_2EvaluationTest, NonResidentialCountsUsageHoursOnly) {
	struct Case {
		double	endHour;	// hour of the year at the end of a one-hour interval
		bool	counted;
	};
	const Case cases[] = {
		{ 7, true },			// interval ending at 07:00 on day 0
		{ 18, true },
		{ 19, false },
		{ 6, false },
		{ 24*4 + 12, true },	// day 4 is a weekday
		{ 24*5 + 12, false },	// days 5 and 6 of every week are not
		{ 24*6 + 12, false },
		{ 24*7 + 12, true },
		{ 24*364 + 18, true },	// day 364 = 52*7 starts a week
		{ 24*362 + 18, false },	// day 362 = 51*7 + 5
	};
	for (const Case & c : cases) {
		OutputManager om = withOperative({ { c.endHour - 1, 30 }, { c.endHour, 30 } });
		om.computeDIN4108_2Results(settings(false, 0));
		EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, c.counted ? 5 : 0) << "end hour " << c.endHour;
	}

	// a whole year at 26 C in region A: 1 K over 5 weekdays x 12 hours x 52 weeks + day 364
	OutputManager om = constantYear(26);
	om.computeDIN4108_2Results(settings(false, 0));
	EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, 52*5*12 + 12);
	EXPECT_FALSE(om.m_din4108_2VerificationPassed);	// 3132 > 500
}


// Hourly outputs over runs of several lengths, 27 C on the hot days (whole days counted from the
// run's start), 20 C else, region A (25 C). A hot day adds 23 intervals x 2 K = 46 Kh for a
// residential building and 12 usage hours x 2 K = 24 Kh for another one when the model's day
// (day mod 365) is a weekday (day mod 7 < 5). A run longer than a year is judged on its last year.
TEST(DIN4108_2EvaluationTest, LongerRunJudgedOnItsLastYearWithTheModelsWeekdays) {
	struct Case {
		const char *		name;
		unsigned int		hours;
		std::vector<int>	hotDays;
		double				residentialKh;
		double				nonResidentialKh;
		double				assessedHours;
	};
	const Case cases[] = {
		// model day 4 is a weekday, 6 is not
		{ "one year", 8760, { 4, 6 }, 2*46, 24, 8760 },
		// the second year repeats the first year's weekdays: day 369 is model day 4
		{ "two years", 17520, { 4, 6, 369, 371 }, 2*46, 24, 8760 },
		{ "two years, hot in the first only", 17520, { 4, 6 }, 0, 0, 8760 },
		// last year from day 182.5: day 100 lies before it; 200 (model day 200, a weekday),
		// 371 (model day 6) and 372 (model day 7, a weekday) inside; the interval from the
		// last hour of 371 to the first of 372 adds 2 Kh for the residential building
		{ "a year and a half", 13140, { 100, 200, 371, 372 }, 3*46 + 2, 2*24, 8760 },
		{ "200 days", 4800, { 4, 6 }, 2*46, 24, 4800 },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.name);
		std::vector<std::pair<double, double> > outputs;
		for (unsigned int h = 0; h <= c.hours; ++h) {
			const int day = int(h/24);
			const bool hot = std::find(c.hotDays.begin(), c.hotDays.end(), day) != c.hotDays.end();
			outputs.push_back(std::make_pair(double(h), hot ? 27.0 : 20.0));
		}
		OutputManager om = withOperative(outputs);
		om.computeDIN4108_2Results(settings(true, 0));
		EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, c.residentialKh);
		EXPECT_DOUBLE_EQ(om.m_din4108_2AssessedHours, c.assessedHours);
		om.computeDIN4108_2Results(settings(false, 0));
		EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, c.nonResidentialKh);
		EXPECT_DOUBLE_EQ(om.m_din4108_2AssessedHours, c.assessedHours);
	}
}


TEST(DIN4108_2EvaluationTest, RoundingDownAndLimit) {
	struct Case {
		bool	residential;
		double	excess;		// K above 25 C over 10 usage hours
		double	expected;
		bool	passed;
	};
	const Case cases[] = {
		{ false, 50.006, 500, true },		// 500.06 rounds down to 500, equal to the limit
		{ false, 50.01, 500.1, false },
		{ true, 119.999, 1199.9, true },
		{ true, 120.0, 1200, true },
		{ true, 120.01, 1200.1, false },
	};
	for (const Case & c : cases) {
		// day 0, 00:00 -> 10:00 ends in a usage hour
		OutputManager om = withOperative({ { 0, 25 + c.excess }, { 10, 25 + c.excess } });
		om.computeDIN4108_2Results(settings(c.residential, 0));
		EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, c.expected) << c.excess;
		EXPECT_EQ(om.m_din4108_2VerificationPassed, c.passed) << c.excess;
	}
}


TEST(DIN4108_2EvaluationTest, SingleOrNoOutputPasses) {
	for (unsigned int n = 0; n < 2; ++n) {
		OutputManager om = n == 0 ? withOperative({}) : withOperative({ { 0, 40 } });
		om.m_overTemperatureHours = 99;
		om.m_din4108_2VerificationPassed = false;
		om.computeDIN4108_2Results(settings(true, 1));
		EXPECT_EQ(om.m_overTemperatureHours, 0);
		EXPECT_EQ(om.m_overTemperatureHoursP2, 0);
		EXPECT_EQ(om.m_overTemperatureHoursP4, 0);
		EXPECT_TRUE(om.m_din4108_2VerificationPassed);
	}
}


TEST(DIN4108_2EvaluationTest, ReportLines) {
	struct Case {
		bool		residential;
		int			region;
		double		theta;
		std::vector<std::string> lines;
	};
	const Case cases[] = {
		{ true, 1, 27, {
			"DIN 4108-2 Assessment\n",
			"---------------------\n",
			"Occupancy hours                      : 8760 h\n",
			"Reference operative room temperature : 26 \xC2\xB0" "C\n",
			"Region                               : B\n\n",
			"!!! Verification failed !!!\n",
			"Over-temperature hours               : 8760 >= 1200 Kh/a\n",
			"Over-temperature hours (+ 2K op. T.) : 0 Kh/a\n",
			"Over-temperature hours (+ 4K op. T.) : 0 Kh/a\n" } },
		{ false, 2, 27.5, {
			"DIN 4108-2 Assessment\n",
			"---------------------\n",
			"Occupancy hours                      : 3000 h\n",
			"Reference operative room temperature : 27 \xC2\xB0" "C\n",
			"Region                               : C\n\n",
			// ten hours prove nothing about a year
			"No verification: the run covers 10 h, the assessment needs the 8760 h of a year.\n",
			"Over-temperature hours               : 5 < 500 Kh/a\n",
			"Over-temperature hours (+ 2K op. T.) : 0 Kh/a\n",
			"Over-temperature hours (+ 4K op. T.) : 0 Kh/a\n" } },
		{ true, 0, 20, {
			"DIN 4108-2 Assessment\n",
			"---------------------\n",
			"Occupancy hours                      : 8760 h\n",
			"Reference operative room temperature : 25 \xC2\xB0" "C\n",
			"Region                               : A\n\n",
			"*** Verification fullfilled ***\n",
			"Over-temperature hours               : 0 < 1200 Kh/a\n",
			"Over-temperature hours (+ 2K op. T.) : 0 Kh/a\n",
			"Over-temperature hours (+ 4K op. T.) : 0 Kh/a\n" } },
	};
	for (const Case & c : cases) {
		OutputManager om = c.residential ? constantYear(c.theta)
										 : withOperative({ { 0, c.theta }, { 10, c.theta } });
		RMTest::MessageCapture capture;
		om.computeDIN4108_2Results(settings(c.residential, c.region));
		std::vector<std::string> texts;
		for (const RMTest::MessageCapture::Message & m : capture.m_messages) {
			EXPECT_EQ(m.m_type, BVX::MSG_PROGRESS);
			EXPECT_EQ(m.m_functionID, "[OutputManager::computeDIN4108_2Results]");
			texts.push_back(m.m_text);
		}
		EXPECT_EQ(texts, c.lines);
	}
}


TEST(DIN4108_2EvaluationTest, UnknownRegionHasNoLetter) {
	OutputManager om = withOperative({ { 0, 20 }, { 1, 20 } });
	RMTest::MessageCapture capture;
	om.computeDIN4108_2Results(settings(true, 5));
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Region                               : \n\n"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Reference operative room temperature : 25 "), 1u);
}


TEST(DIN4108_2EvaluationTest, AggregationEvaluatesOnlyActiveAssessment) {
	RM::CaldoryneModel model;
	model.m_room.m_din4108_2Assessment = settings(true, 0);
	for (bool active : { false, true }) {
		model.m_room.m_din4108_2Assessment.m_active = active;
		OutputManager om = withOperative({ { 0, 26 }, { 1, 28 } });
		om.setModel(&model);
		om.m_overTemperatureHours = -1;
		om.updateAggregatedOutputs();
		EXPECT_DOUBLE_EQ(om.m_overTemperatureHours, active ? 2 : -1);
	}
}
