#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include <BVXMK_DenseMatrix.h>

#include <VUREDO_BTridiagDQ.h>
#include <VUREDO_BTridiagMatrix.h>

using namespace VUREDO;

namespace {

/*! Fills every stored block (corners included) with random values; the diagonal blocks
	get a dominant diagonal unless weak is set. */
void fillRandom(BTridiagMatrix & M, unsigned int seed, bool weak = false) {
	std::mt19937 gen(seed);
	std::uniform_real_distribution<double> dist(-1.0, 1.0);
	for (std::size_t i = 0; i < M.valueCount(); ++i)
		M.data()[i] = dist(gen);
	if (!weak) {
		const unsigned int b = M.blockSize();
		for (unsigned int i = 0; i < M.nBlocks(); ++i)
			for (unsigned int l = 0; l < b; ++l)
				M.B(i)[l + l*b] += 6.0*b;
	}
}

BVXMK::DenseMatrix toDense(const BTridiagMatrix & M) {
	BVXMK::DenseMatrix D(M.n());
	for (unsigned int i = 0; i < M.n(); ++i)
		for (unsigned int j = 0; j < M.n(); ++j)
			D(i, j) = M.value(i, j);
	return D;
}

std::vector<double> randomVector(unsigned int n, unsigned int seed) {
	std::mt19937 gen(seed);
	std::uniform_real_distribution<double> dist(-2.0, 2.0);
	std::vector<double> v(n);
	for (double & x : v)
		x = dist(gen);
	return v;
}

double maxDiff(const std::vector<double> & a, const std::vector<double> & b) {
	double d = 0;
	for (std::size_t i = 0; i < a.size(); ++i)
		d = std::max(d, std::fabs(a[i] - b[i]));
	return d;
}

} // namespace


TEST(BTridiagMatrix, CornerCouplingsAreStoredWhereTheMatrixSaysSo) {
	BTridiagMatrix M(5, 2);
	// row 0, column 2*2+1 lies in A_0; last block row to block column 2 lies in C_4
	*M.element(1, 5) = 3.0;
	*M.element(9, 4) = 7.0;
	EXPECT_EQ(3.0, M.A(0)[1 + 1*2]);
	EXPECT_EQ(7.0, M.C(4)[1 + 0*2]);
	EXPECT_EQ(nullptr, M.element(0, 6)); // block column 3 is not coupled to block row 0
	EXPECT_EQ(0.0, M.value(9, 2));
	EXPECT_EQ(nullptr, NewBTridiagMat(0, 2));
	EXPECT_EQ(nullptr, NewBTridiagMat(4, 0));
	ASSERT_NE(nullptr, NewBTridiagMat(4, 3));
	EXPECT_EQ(36u*3, NewBTridiagMat(4, 3)->valueCount());
}


// The block LU must solve exactly what a dense LU of the same matrix solves,
// corner couplings included, for every block size and with and without pivots.
TEST(BTridiagMatrix, FactorAndSolveMatchDenseSolve) {
	for (unsigned int nBlocks : {4u, 5u, 6u, 9u}) {
		for (unsigned int b = 1; b <= 5; ++b) {
			for (bool pivoting : {false, true}) {
				SCOPED_TRACE(testing::Message() << "nBlocks=" << nBlocks << " b=" << b << " pivots=" << pivoting);
				BTridiagMatrix M(nBlocks, b);
				fillRandom(M, 17*nBlocks + b);
				BVXMK::DenseMatrix D = toDense(M);
				std::vector<double> rhs = randomVector(M.n(), b);

				std::vector<double> xDense = rhs;
				ASSERT_EQ(0, D.lu());
				D.backsolve(xDense.data());

				std::vector<unsigned int> piv(M.n(), 99);
				std::vector<double> x = rhs;
				ASSERT_EQ(0, BTridiagGETRF(M, pivoting ? piv.data() : nullptr));
				BTridiagGETRS(M, pivoting ? piv.data() : nullptr, x.data());
				EXPECT_LT(maxDiff(x, xDense), 1e-11);
			}
		}
	}
}


// Only the pivoted factorisation survives diagonal blocks with a zero leading element.
TEST(BTridiagMatrix, PivotingSurvivesZeroLeadingElement) {
	for (unsigned int b = 2; b <= 5; ++b) {
		SCOPED_TRACE(b);
		BTridiagMatrix M(6, b);
		fillRandom(M, 3*b, true);
		// diagonal blocks: anti-diagonal dominant, leading element exactly zero
		for (unsigned int i = 0; i < M.nBlocks(); ++i) {
			for (unsigned int l = 0; l < b; ++l)
				M.B(i)[l + (b - 1 - l)*b] += 8.0*b;
			M.B(i)[0] = 0.0;
		}
		BTridiagMatrix unpivoted = M;
		EXPECT_EQ(1, BTridiagGETRF(unpivoted, nullptr));

		BVXMK::DenseMatrix D = toDense(M);
		std::vector<double> rhs = randomVector(M.n(), 5);
		std::vector<double> xDense = rhs;
		ASSERT_EQ(0, D.lu());
		D.backsolve(xDense.data());

		std::vector<unsigned int> piv(M.n());
		ASSERT_EQ(0, BTridiagGETRF(M, piv.data()));
		std::vector<double> x = rhs;
		BTridiagGETRS(M, piv.data(), x.data());
		EXPECT_LT(maxDiff(x, xDense), 1e-10);
	}
}


TEST(BTridiagMatrix, FactorisationFailures) {
	// fewer than four blocks: nothing is factorised
	BTridiagMatrix small(3, 2);
	fillRandom(small, 1);
	BTridiagMatrix untouched = small;
	EXPECT_EQ(-1, BTridiagGETRF(small, nullptr));
	EXPECT_EQ(untouched.value(0, 0), small.value(0, 0));
	EXPECT_EQ(untouched.value(5, 1), small.value(5, 1));

	// B_1 - A_1 * B_0^-1 C_0 = 0 with B_0 = C_0 = A_1 = B_1 = I: block row 1 fails (result 2)
	for (unsigned int b = 1; b <= 5; ++b) {
		for (bool pivoting : {false, true}) {
			SCOPED_TRACE(testing::Message() << "b=" << b << " pivots=" << pivoting);
			BTridiagMatrix M(5, b);
			M.addIdentity();
			for (unsigned int l = 0; l < b; ++l) {
				M.C(0)[l + l*b] = 1.0;
				M.A(1)[l + l*b] = 1.0;
			}
			std::vector<unsigned int> piv(M.n());
			EXPECT_EQ(2, BTridiagGETRF(M, pivoting ? piv.data() : nullptr));
		}
	}

	// singular last diagonal block: result n
	BTridiagMatrix M(4, 1);
	M.addIdentity();
	M.B(3)[0] = 0.0;
	EXPECT_EQ(4, BTridiagGETRF(M, nullptr));
}


TEST(BTridiagMatrix, MatrixOperations) {
	BTridiagMatrix M(4, 2);
	fillRandom(M, 11);
	BTridiagMatrix copy(4, 2);
	ASSERT_TRUE(copy.copyValues(M));
	BTridiagMatrix other(5, 2);
	EXPECT_FALSE(other.copyValues(M));

	copy.scale(-2.0);
	copy.addIdentity();
	for (unsigned int i = 0; i < 8; ++i)
		for (unsigned int j = 0; j < 8; ++j)
			EXPECT_DOUBLE_EQ(-2.0*M.value(i, j) + (i == j ? 1.0 : 0.0), copy.value(i, j));

	// multiply agrees with the dense product
	std::vector<double> x = randomVector(8, 2), y(8), yDense(8, 0.0);
	M.multiply(x.data(), y.data());
	for (unsigned int i = 0; i < 8; ++i)
		for (unsigned int j = 0; j < 8; ++j)
			yDense[i] += M.value(i, j)*x[j];
	EXPECT_LT(maxDiff(y, yDense), 1e-13);
}


// f(y) = K*y with K block-tridiagonal (corners included): the difference quotients
// reproduce K (linear f: only rounding errors) with exactly 3*b evaluations.
TEST(BTridiagMatrix, DifferenceQuotientsOfLinearRhs) {
	for (unsigned int nBlocks : {4u, 5u, 7u}) {
		for (unsigned int b = 1; b <= 3; ++b) {
			SCOPED_TRACE(testing::Message() << "nBlocks=" << nBlocks << " b=" << b);
			BTridiagMatrix K(nBlocks, b);
			fillRandom(K, nBlocks*10 + b);
			const unsigned int n = K.n();
			std::vector<double> y = randomVector(n, 3), f0(n), yTemp = y, fTemp(n), inc(n);
			for (unsigned int i = 0; i < n; ++i)
				inc[i] = std::fabs(y[i])*1e-7 + 1e-8;
			K.multiply(y.data(), f0.data());
			unsigned int evals = 0;
			auto rhs = [&K](const double * yy, double * ff) { K.multiply(yy, ff); return 0; };

			BTridiagMatrix J(nBlocks, b);
			fillRandom(J, 99); // every entry must be overwritten
			const double gamma = 0.25;
			ASSERT_EQ(0, BTridiagDQJacobian(J, y.data(), f0.data(), inc.data(), yTemp.data(), fTemp.data(),
											rhs, -gamma, 1.0, true, evals));
			EXPECT_EQ(3*b, evals);
			EXPECT_EQ(y, yTemp);
			for (unsigned int i = 0; i < n; ++i)
				for (unsigned int j = 0; j < n; ++j)
					EXPECT_NEAR((i == j ? 1.0 : 0.0) - gamma*K.value(i, j), J.value(i, j), 1e-6) << i << "," << j;
		}
	}
}


TEST(BTridiagMatrix, DifferenceQuotientsStopOnFailingRhs) {
	BTridiagMatrix J(4, 2);
	std::vector<double> y(8, 1.0), f0(8, 0.0), yTemp = y, fTemp(8), inc(8, 1e-3);
	unsigned int evals = 0;
	auto failing = [](const double *, double *) { return 1; };
	EXPECT_EQ(1, BTridiagDQJacobian(J, y.data(), f0.data(), inc.data(), yTemp.data(), fTemp.data(),
									failing, 1.0, 0.0, true, evals));
	EXPECT_EQ(1u, evals);
	EXPECT_EQ(y, yTemp);
}
