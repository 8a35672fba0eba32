#include <gtest/gtest.h>

#include <cmath>

#include "BVX_Exception.h"
#include "BVX_Math.h"

TEST(GuardedMath, ValuesInRange) {
	EXPECT_DOUBLE_EQ(BVX::f_log10(1000), 3);
	EXPECT_DOUBLE_EQ(BVX::f_log10(1e-300), -300);
	EXPECT_DOUBLE_EQ(BVX::f_pow10(50), 1e50);
	EXPECT_DOUBLE_EQ(BVX::f_pow10(-3), 1e-3);
	EXPECT_DOUBLE_EQ(BVX::f_sqrt(0), 0);
	EXPECT_DOUBLE_EQ(BVX::f_sqrt(2.25), 1.5);
}

TEST(GuardedMath, GuardsThrowWithArgument) {
	struct Case {
		double (*fn)(double);
		double arg;
		const char * message;
		const char * functionID;
	};
	const Case cases[] = {
		{BVX::f_log10, 0, "Negative or zero value in log function, x = 0", "[BVX::f_log10]"},
		{BVX::f_log10, -2.5, "Negative or zero value in log function, x = -2.5", "[BVX::f_log10]"},
		{BVX::f_pow10, 50.5, "Exponent too large in power function, exponent = 50.5", "[BVX::f_pow10]"},
		{BVX::f_sqrt, -1e-9, "Negative value in sqrt function, x = -1e-09", "[BVX::f_sqrt]"},
	};
	for (const Case & c : cases) {
		try {
			c.fn(c.arg);
			FAIL() << c.message;
		}
		catch (BVX::Exception & ex) {
			EXPECT_EQ(std::string(ex.what()), c.message);
			EXPECT_EQ(ex.messages().back().m_functionID, c.functionID);
		}
	}
}

TEST(SmoothStep, ClampedCubic) {
	struct Case { double x, a, expected; };
	const Case cases[] = {
		{-1, 1, 0}, {0, 1, 0}, {0.5, 1, 0.5}, {1, 1, 1}, {2, 1, 1},
		// t = 1 - 1/4 = 0.75: 1 + (1.5 - 3)*0.5625 = 0.15625
		{1, 4, 0.15625},
		{3, 4, 0.84375},	// symmetric: 1 - scale(1, 4)
	};
	for (const Case & c : cases)
		EXPECT_DOUBLE_EQ(BVX::scale(c.x, c.a), c.expected) << c.x << " " << c.a;

	// zero slope at both ends, by central differences
	const double h = 1e-6;
	EXPECT_NEAR((BVX::scale(h) - BVX::scale(-h)) / (2*h), 0, 1e-5);
	EXPECT_NEAR((BVX::scale(1 + h) - BVX::scale(1 - h)) / (2*h), 0, 1e-5);
	// the unclamped form continues the cubic outside 0..1: t = 2 gives 1 + 1*4
	EXPECT_DOUBLE_EQ(BVX::scale(-1.0), 5);
}
