#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <stdexcept>

#include <RM_Mesh.h>

namespace {

double sum(const std::vector<double> & v) {
	return std::accumulate(v.begin(), v.end(), 0.0);
}

/*! First width of the symmetric two-sided grid of m elements with stretch 2, by hand:
	node 1 lies at (tanh((1/m - 1/2) * 2) / tanh(1) + 1) / 2. */
double twoSidedFirstFraction(unsigned int m) {
	return 0.5 * (1 - std::tanh(1 - 2.0 / m) / std::tanh(1.0));
}

} // namespace


TEST(RM_Mesh, SingleElementIsWholeIntervalForEveryType) {
	for (int type : { 0, 1, 2, 7, -1 }) {
		std::vector<double> w;
		RM::Mesh(type, 2, 1).normalizedWidths(1, w);
		ASSERT_EQ(1u, w.size()) << "type " << type;
		EXPECT_DOUBLE_EQ(1.0, w[0]) << "type " << type;
	}
}

TEST(RM_Mesh, InvalidTypeThrowsFromTwoElements) {
	std::vector<double> w;
	EXPECT_THROW(RM::Mesh(3, 2, 1).normalizedWidths(2, w), std::runtime_error);
	try {
		RM::Mesh(-1, 2, 1).normalizedWidths(5, w);
		FAIL() << "no exception";
	}
	catch (std::runtime_error & ex) {
		EXPECT_STREQ("Invalid mesh type", ex.what());
	}
}

TEST(RM_Mesh, WidthsSumToOneAndFollowTheGridShape) {
	for (unsigned int n : { 2u, 3u, 10u, 101u }) {
		std::vector<double> uni, one, two;
		RM::Mesh(0, 2, 1).normalizedWidths(n, uni);
		RM::Mesh(1, 2, 1).normalizedWidths(n, one);
		RM::Mesh(2, 2, 1).normalizedWidths(n, two);
		EXPECT_NEAR(1.0, sum(uni), 1e-12);
		EXPECT_NEAR(1.0, sum(one), 1e-12);
		EXPECT_NEAR(1.0, sum(two), 1e-12);
		for (unsigned int i = 0; i < n; ++i) {
			EXPECT_NEAR(1.0 / n, uni[i], 1e-12);
			// two-sided grid is symmetric with ratio 1
			EXPECT_NEAR(two[i], two[n - 1 - i], 1e-12);
			if (i > 0) { // one-sided grid coarsens away from the start
				EXPECT_GT(one[i], one[i - 1]);
			}
		}
	}
}

TEST(RM_Mesh, TwoSidedFirstWidthFractions) {
	// fractions of the layer thickness taken by the first element
	struct Case { unsigned int n; double fraction; } cases[] = {
		{ 3, 0.2889 }, { 4, 0.1966 }, { 10, 0.0640 }, { 100, 0.00560 }, { 101, 0.00554 }
	};
	for (const Case & c : cases) {
		std::vector<double> w;
		RM::Mesh(2, 2, 1).normalizedWidths(c.n, w);
		EXPECT_NEAR(c.fraction, w[0], c.fraction * 2e-3) << "n = " << c.n;
		EXPECT_NEAR(twoSidedFirstFraction(c.n), w[0], 1e-14) << "n = " << c.n;
	}
}

TEST(RM_Mesh, RatioSkewsTheTwoSidedGrid) {
	std::vector<double> w;
	RM::Mesh(2, 2, 2).normalizedWidths(6, w);
	EXPECT_NEAR(1.0, sum(w), 1e-12);
	// u / ((1 - r^2) u + r^2) with r = 2 pulls the nodes towards 0
	double u1 = 0.5 * (std::tanh((1.0 / 6 - 0.5) * 2) / std::tanh(1.0) + 1);
	EXPECT_NEAR(u1 / (-3 * u1 + 4), w[0], 1e-14);
	EXPECT_LT(w[0], w[5]);
}

TEST(RM_Mesh, GenerateGivesAbsoluteWidthsAndCentres) {
	std::vector<double> w, c;
	RM::Mesh(0, 2, 1).generate(4, 0.1, 0.5, w, c);
	ASSERT_EQ(4u, w.size());
	ASSERT_EQ(4u, c.size());
	for (unsigned int i = 0; i < 4; ++i) {
		EXPECT_NEAR(0.1, w[i], 1e-14);
		EXPECT_NEAR(0.15 + 0.1 * i, c[i], 1e-14);
	}

	RM::Mesh(2, 2, 1).generate(5, 0.2, 0.3, w, c);
	EXPECT_NEAR(0.1, sum(w), 1e-14);
	double left = 0.2;
	for (unsigned int i = 0; i < 5; ++i) {
		EXPECT_NEAR(left + 0.5 * w[i], c[i], 1e-14);
		left += w[i];
	}
}

TEST(RM_Mesh, GenerateReversedIntervalRunsAscending) {
	// one-sided grid: fine at x1 = 1, so after reversal the finest element is last
	std::vector<double> w, c, wf, cf;
	RM::Mesh(1, 2, 1).generate(5, 1.0, 0.0, w, c);
	RM::Mesh(1, 2, 1).generate(5, 0.0, 1.0, wf, cf);
	ASSERT_EQ(5u, w.size());
	for (unsigned int i = 0; i < 5; ++i) {
		EXPECT_GT(w[i], 0);
		if (i > 0) {
			EXPECT_GT(c[i], c[i - 1]);
		}
		EXPECT_NEAR(wf[4 - i], w[i], 1e-14);
		EXPECT_NEAR(1.0 - cf[4 - i], c[i], 1e-14);
	}
	double right = 1.0;
	for (int i = 4; i >= 0; --i) {
		EXPECT_NEAR(right - 0.5 * w[i], c[i], 1e-14);
		right -= w[i];
	}
}
