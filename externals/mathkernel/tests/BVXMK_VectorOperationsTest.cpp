#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "BVXMK_VectorOperations.h"

namespace {

const double SENTINEL = -12345.0;

/*! x[i] = i+1, y[i] = 10*(i+1), z = 0; one sentinel behind each array. */
struct Vectors {
	explicit Vectors(unsigned int n) : x(n + 1, SENTINEL), y(n + 1, SENTINEL), z(n + 1, SENTINEL) {
		for (unsigned int i = 0; i < n; ++i) {
			x[i] = i + 1;
			y[i] = 10.0*(i + 1);
			z[i] = 0;
		}
	}
	std::vector<double> x, y, z;
};

// remainder only, one block, remainder + blocks
const unsigned int SIZES[] = {0, 1, 7, 8, 9, 16, 17, 23};

} // namespace


TEST(VectorOperations, ResultsAndBoundsForAllSizes) {
	for (unsigned int n : SIZES) {
		SCOPED_TRACE(n);
		Vectors add(n), add1(n), copy(n), lin(n), scaleOut(n), scaleIn(n), sub(n);
		BVXMK::vector_add(n, 2.0, add.x.data(), add.y.data());
		BVXMK::vector_add(n, 1.0, add1.x.data(), add1.y.data());
		BVXMK::vector_copy(n, copy.x.data(), copy.y.data());
		BVXMK::vector_linear_sum(n, 3.0, lin.x.data(), -0.5, lin.y.data(), lin.z.data());
		BVXMK::vector_scale(n, -2.0, scaleOut.x.data(), scaleOut.y.data());
		BVXMK::vector_scale(n, 0.25, scaleIn.x.data());
		BVXMK::vector_sub(n, sub.x.data(), sub.y.data());
		for (unsigned int i = 0; i < n; ++i) {
			const double v = i + 1;
			EXPECT_EQ(12*v, add.y[i]);
			EXPECT_EQ(11*v, add1.y[i]);
			EXPECT_EQ(v, copy.y[i]);
			EXPECT_EQ(3*v - 5*v, lin.z[i]);
			EXPECT_EQ(-2*v, scaleOut.y[i]);
			EXPECT_EQ(v, scaleOut.x[i]);
			EXPECT_EQ(0.25*v, scaleIn.x[i]);
			EXPECT_EQ(9*v, sub.y[i]);
		}
		// nothing beyond n is touched
		for (const Vectors * v : {&add, &add1, &copy, &lin, &scaleOut, &scaleIn, &sub}) {
			EXPECT_EQ(SENTINEL, v->x[n]);
			EXPECT_EQ(SENTINEL, v->y[n]);
			EXPECT_EQ(SENTINEL, v->z[n]);
		}
	}
}


TEST(VectorOperations, AddWithUnitFactorIsPlainSum) {
	// with a == 1.0 no product is formed: an infinite x entry stays a plain sum,
	// a NaN factor multiplies and poisons every element
	const unsigned int n = 9;
	std::vector<double> x(n, 0.1), y(n, 0.2);
	x[4] = std::numeric_limits<double>::infinity();
	BVXMK::vector_add(n, 1.0, x.data(), y.data());
	for (unsigned int i = 0; i < n; ++i) {
		if (i == 4)
			EXPECT_TRUE(std::isinf(y[i]));
		else
			EXPECT_EQ(0.1 + 0.2, y[i]);
	}

	std::vector<double> x2(n, 1.0), y2(n, 1.0);
	BVXMK::vector_add(n, std::numeric_limits<double>::quiet_NaN(), x2.data(), y2.data());
	for (double v : y2)
		EXPECT_TRUE(std::isnan(v));
}


TEST(VectorOperations, LinearSumMayWriteOverInput) {
	// z aliasing y is a common use: y = a*x + b*y
	const unsigned int n = 11;
	std::vector<double> x(n), y(n);
	for (unsigned int i = 0; i < n; ++i) {
		x[i] = i;
		y[i] = 2.0*i;
	}
	BVXMK::vector_linear_sum(n, 2.0, x.data(), 0.5, y.data(), y.data());
	for (unsigned int i = 0; i < n; ++i)
		EXPECT_EQ(3.0*i, y[i]);
}
