#include <gtest/gtest.h>

#include <vector>

#include "BVXMK_DenseMatrix.h"
#include "BVXMK_TestHelpers.h"

using namespace BVXMKTest;

namespace {

void fillDense(BVXMK::DenseMatrix & D, const FullMatrix & A) {
	D.resize(A.size());
	for (unsigned int i = 0; i < A.size(); ++i)
		for (unsigned int j = 0; j < A.size(); ++j)
			D(i, j) = A[i][j];
}

} // namespace


TEST(DenseMatrix, HandComputedSystem) {
	// 2x + y + z = 5, 4x - 6y = -2, -2x + 7y + 2z = 9  ->  x = 1, y = 1, z = 2
	BVXMK::DenseMatrix D;
	fillDense(D, {{2, 1, 1}, {4, -6, 0}, {-2, 7, 2}});
	ASSERT_EQ(0, D.lu());
	EXPECT_EQ(1u, D.pivots()[0]); // |4| is the largest in column 0
	std::vector<double> b = {5, -2, 9};
	D.backsolve(b.data());
	expectVectorNear({1, 1, 2}, b, 1e-14);
	// storage is column by column
	EXPECT_EQ(&D(1, 0), D.data() + 1);
	EXPECT_EQ(&D(0, 1), D.data() + 3);
}


TEST(DenseMatrix, SolvesKnownSystemsOfAllSizes) {
	for (unsigned int n = 1; n <= 10; ++n) {
		SCOPED_TRACE(n);
		FullMatrix A(n, std::vector<double>(n));
		for (unsigned int i = 0; i < n; ++i)
			for (unsigned int j = 0; j < n; ++j)
				A[i][j] = (i == j) ? 0.001*pseudoValue(i, j) : pseudoValue(i, j);
		std::vector<double> x(n);
		for (unsigned int i = 0; i < n; ++i)
			x[i] = 2.0 - 0.3*i;
		std::vector<double> b = multiply(A, x);
		BVXMK::DenseMatrix D;
		fillDense(D, A);
		ASSERT_EQ(0, D.lu());
		D.backsolve(b.data());
		expectVectorNear(x, b, 1e-9);
	}
}


TEST(DenseMatrix, IdentityAndSingularMatrices) {
	BVXMK::DenseMatrix I;
	fillDense(I, {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
	EXPECT_EQ(0, I.lu());
	for (unsigned int k = 0; k < 4; ++k)
		EXPECT_EQ(k, I.pivots()[k]);

	struct Case { FullMatrix A; int expected; };
	const Case cases[] = {
		{{{0}}, 1},
		{{{1, 0, 2}, {3, 0, 4}, {5, 0, 6}}, 2},		// zero column 1
		{{{1, 2}, {2, 4}}, 2},						// dependent rows, exact cancellation
		{{{0, 1}, {0, 3}}, 1},
	};
	for (const Case & c : cases) {
		BVXMK::DenseMatrix D;
		fillDense(D, c.A);
		EXPECT_EQ(c.expected, D.lu());
	}
}


TEST(DenseMatrix, KernelsOnRawArrays) {
	// the same kernels serve raw column-major blocks; an empty system is a no-op
	double A[4] = {0, 1, 2, 3}; // [[0, 2], [1, 3]]
	unsigned int piv[2];
	ASSERT_EQ(0, BVXMK::lu_decomposition(2, A, piv));
	double b[2] = {4, 7}; // x = (1, 2)
	BVXMK::lu_backsolve(2, A, piv, b);
	EXPECT_DOUBLE_EQ(1.0, b[0]);
	EXPECT_DOUBLE_EQ(2.0, b[1]);

	EXPECT_EQ(0, BVXMK::lu_decomposition(0, nullptr, nullptr));
	BVXMK::lu_backsolve(0, nullptr, nullptr, nullptr);
}
