#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "BVX_Exception.h"
#include "BVX_LinearSpline.h"
#include "BVX_MessageHandler.h"

using BVX::LinearSpline;

namespace {

/*! Records every message while installed as the current handler. */
class SplineMessageRecorder : public BVX::MessageHandler {
public:
	struct Entry {
		std::string m_text;
		int			m_type;
		std::string m_functionID;
		int			m_verbosity;
	};

	SplineMessageRecorder() { BVX::MessageHandlerRegistry::instance().setMessageHandler(this); }
	~SplineMessageRecorder() override { BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr); }

	void msg(const std::string & text, int t, const char * functionID, int verbose_level) override {
		m_entries.push_back(Entry{text, t, functionID, verbose_level});
	}

	std::vector<Entry> m_entries;
};


LinearSpline makeSpline(const std::vector<double> & x, const std::vector<double> & y, int method = 0) {
	LinearSpline spl;
	spl.setValues(x, y);
	spl.m_extrapolationMethod = method;
	return spl;
}

} // namespace


TEST(LinearSpline, DefaultStateAndClear) {
	LinearSpline spl;
	EXPECT_EQ(spl.size(), 0u);
	EXPECT_FALSE(spl.valid());
	EXPECT_EQ(spl.m_extrapolationMethod, LinearSpline::EM_Constant);

	spl.setValues({0, 1}, {2, 3});
	spl.m_extrapolationMethod = LinearSpline::EM_Linear;
	spl.m_xStep = 1;
	spl.m_x0 = 0;
	spl.clear();
	EXPECT_EQ(spl.size(), 0u);
	EXPECT_FALSE(spl.valid());
	EXPECT_TRUE(spl.slopes().empty());
	EXPECT_EQ(spl.m_extrapolationMethod, LinearSpline::EM_Constant);
	EXPECT_EQ(spl.m_xStep, 0);
	EXPECT_EQ(spl.m_x0, 0);
}


TEST(LinearSpline, EmptySplineThrowsOnValue) {
	LinearSpline spl;
	EXPECT_THROW(spl.value(1.0), BVX::Exception);
	spl.m_xStep = 1; // the equidistant lookup must not read either
	EXPECT_THROW(spl.value(1.0), BVX::Exception);
}


TEST(LinearSpline, InterpolationAndBothExtrapolations) {
	struct Case { double x; double constant; double linear; };
	// x = 0,1,2 ; y = 0,10,20 : by hand y = 10 x inside
	const Case cases[] = {
		{ -1.0,  0.0, -10.0 },
		{  0.0,  0.0,   0.0 },
		{  0.5,  5.0,   5.0 },
		{  1.0, 10.0,  10.0 },
		{  1.25, 12.5, 12.5 },
		{  2.0, 20.0,  20.0 },
		{  3.0, 20.0,  30.0 },
	};
	LinearSpline c = makeSpline({0, 1, 2}, {0, 10, 20}, LinearSpline::EM_Constant);
	LinearSpline l = makeSpline({0, 1, 2}, {0, 10, 20}, LinearSpline::EM_Linear);
	ASSERT_TRUE(c.valid());
	for (const Case & k : cases) {
		EXPECT_DOUBLE_EQ(c.value(k.x), k.constant) << "x = " << k.x;
		EXPECT_DOUBLE_EQ(l.value(k.x), k.linear) << "x = " << k.x;
	}
}


TEST(LinearSpline, ExtrapolationUsesEndIntervalSlopes) {
	// different slopes in the first (2) and last (-3) interval
	LinearSpline spl = makeSpline({1, 2, 4, 5}, {3, 5, 6, 3}, LinearSpline::EM_Linear);
	EXPECT_DOUBLE_EQ(spl.value(0), 1);		// 3 - 1*2
	EXPECT_DOUBLE_EQ(spl.value(7), -3);		// 3 - 2*3
	EXPECT_DOUBLE_EQ(spl.value(3), 5.5);
	ASSERT_EQ(spl.slopes().size(), 3u);
	EXPECT_DOUBLE_EQ(spl.slopes()[1], 0.5);
}


TEST(LinearSpline, SinglePointIsConstant) {
	for (int method : {0, 1}) {
		LinearSpline spl = makeSpline({3}, {7}, method);
		EXPECT_TRUE(spl.valid());
		EXPECT_TRUE(spl.slopes().empty());
		for (double x : {-100.0, 3.0, 100.0})
			EXPECT_EQ(spl.value(x), 7);
		spl.m_xStep = 1;
		spl.m_x0 = 3;
		for (double x : {-100.0, 3.0, 3.5, 100.0})
			EXPECT_EQ(spl.value(x), 7);
	}
}


TEST(LinearSpline, SetValuesRejectsBadSizesAndKeepsOldPoints) {
	LinearSpline spl = makeSpline({0, 1}, {5, 6});
	try {
		spl.setValues({0, 1}, {1, 2, 3});
		FAIL() << "no exception";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "X and Y vector size mismatch.");
	}
	try {
		spl.setValues({}, {});
		FAIL() << "no exception";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Input vectors are empty.");
	}
	EXPECT_EQ(spl.size(), 2u);
	EXPECT_TRUE(spl.valid());
	EXPECT_DOUBLE_EQ(spl.value(0.5), 5.5);
}


TEST(LinearSpline, DuplicateInsideIsSkippedWithWarnings) {
	SplineMessageRecorder rec;
	LinearSpline spl = makeSpline({0, 1, 1, 2}, {0, 5, 6, 8});
	EXPECT_TRUE(spl.valid());
	EXPECT_EQ(spl.x(), (std::vector<double>{0, 1, 2}));
	EXPECT_EQ(spl.y(), (std::vector<double>{0, 5, 8}));
	ASSERT_EQ(rec.m_entries.size(), 2u);
	EXPECT_EQ(rec.m_entries[0].m_text, "Duplicate x-value 1 found (and skipped).");
	EXPECT_EQ(rec.m_entries[1].m_text, "Skipped a total of 1 values because of duplicate x-values.");
	for (const auto & e : rec.m_entries) {
		EXPECT_EQ(e.m_type, BVX::MSG_WARNING);
		EXPECT_EQ(e.m_verbosity, 3);
		EXPECT_EQ(e.m_functionID, "[LinearSpline::eliminateConsecutive]");
	}
}


TEST(LinearSpline, RunOfDuplicatesWarnsOnceAndCountsAll) {
	SplineMessageRecorder rec;
	LinearSpline spl = makeSpline({0, 0.5, 0.5, 0.5, 2, 2, 3}, {1, 2, 3, 4, 5, 6, 7});
	EXPECT_EQ(spl.x(), (std::vector<double>{0, 0.5, 2, 3}));
	EXPECT_EQ(spl.y(), (std::vector<double>{1, 2, 5, 7}));	// first y of each run inside the data
	ASSERT_EQ(rec.m_entries.size(), 3u);
	EXPECT_EQ(rec.m_entries[0].m_text, "Duplicate x-value 0.5 found (and skipped).");
	EXPECT_EQ(rec.m_entries[1].m_text, "Duplicate x-value 2 found (and skipped).");
	EXPECT_EQ(rec.m_entries[2].m_text, "Skipped a total of 3 values because of duplicate x-values.");
}


TEST(LinearSpline, DuplicateAtEndTakesLastY) {
	SplineMessageRecorder rec;
	LinearSpline spl = makeSpline({0, 1, 1}, {0, 5, 7});
	EXPECT_EQ(spl.x(), (std::vector<double>{0, 1}));
	EXPECT_EQ(spl.y(), (std::vector<double>{0, 7}));
	EXPECT_DOUBLE_EQ(spl.value(0.5), 3.5);
	ASSERT_EQ(rec.m_entries.size(), 3u);
	EXPECT_EQ(rec.m_entries[1].m_text,
			  "Duplicate x-value found at the end. End y value 7 copied to the new spline (old y value: 5.");
}


TEST(LinearSpline, NonIncreasingXLeavesSplineInvalidWithWarning) {
	struct Case { std::vector<double> x; unsigned int index; };
	const Case cases[] = {
		{ {0, 2, 1}, 1 },
		{ {0, 1, 0, 2}, 1 },	// equal values that are not adjacent stay
		{ {5, 4}, 0 },
	};
	for (const Case & k : cases) {
		SplineMessageRecorder rec;
		LinearSpline spl;
		spl.setValues(k.x, std::vector<double>(k.x.size(), 1.0));
		EXPECT_FALSE(spl.valid());
		EXPECT_EQ(spl.x(), k.x);		// cleaned points are kept
		EXPECT_TRUE(spl.slopes().empty());
		ASSERT_EQ(rec.m_entries.size(), 1u);
		EXPECT_EQ(rec.m_entries[0].m_text,
				  "Error while makeSpline in setValues. X values are not strictly monotonic increasing "
				  "(at position/index " + std::to_string(k.index) + ").");
		EXPECT_EQ(rec.m_entries[0].m_functionID, "[LinearSpline::setValues]");
		EXPECT_EQ(rec.m_entries[0].m_verbosity, 3);
	}
}


TEST(LinearSpline, InvalidSplineEvaluatesWithoutReadingMissingSlopes) {
	SplineMessageRecorder rec;
	LinearSpline spl = makeSpline({0, 2, 1}, {0, 4, 1}, LinearSpline::EM_Linear);
	ASSERT_FALSE(spl.valid());
	// extrapolation below uses the first two points: slope 2
	EXPECT_DOUBLE_EQ(spl.value(-1), -2);
	spl.m_xStep = 1;
	EXPECT_TRUE(std::isfinite(spl.value(0.5)));
}


TEST(LinearSpline, MakeSplineMessages) {
	LinearSpline spl;
	std::string err;
	EXPECT_FALSE(spl.makeSpline(err));
	EXPECT_EQ(err, "Invalid vector dimensions.");
}


TEST(LinearSpline, EquidistantLookupMatchesGenericLookup) {
	const std::vector<double> x = {10, 11, 12, 13};
	const std::vector<double> y = {0, 1, 4, 2};
	for (int method : {0, 1}) {
		LinearSpline generic = makeSpline(x, y, method);
		LinearSpline equi = generic;
		equi.m_xStep = 1;
		equi.m_x0 = 10;
		for (double v = 5; v <= 18; v += 0.25)
			EXPECT_NEAR(equi.value(v), generic.value(v), 1e-12) << "x = " << v << ", method " << method;
	}
	// hand values with the equidistant lookup
	LinearSpline spl = makeSpline({10, 11, 12}, {0, 1, 4});
	spl.m_xStep = 1;
	spl.m_x0 = 10;
	EXPECT_DOUBLE_EQ(spl.value(11.5), 2.5);
	EXPECT_DOUBLE_EQ(spl.value(20), 4);
	EXPECT_DOUBLE_EQ(spl.value(9), 0);		// below the origin: first value
	EXPECT_DOUBLE_EQ(spl.value(-1e300), 0);
	EXPECT_DOUBLE_EQ(spl.value(1e300), 4);
}


TEST(LinearSpline, CopiesAreIndependent) {
	LinearSpline a = makeSpline({0, 1}, {0, 1}, LinearSpline::EM_Linear);
	LinearSpline b(a);
	a.setValues({0, 1}, {0, 2});
	EXPECT_EQ(b.m_extrapolationMethod, LinearSpline::EM_Linear);
	EXPECT_DOUBLE_EQ(b.value(2), 2);
	EXPECT_DOUBLE_EQ(a.value(2), 2);	// setValues reset a to constant extrapolation
	EXPECT_TRUE(b.valid());
}
