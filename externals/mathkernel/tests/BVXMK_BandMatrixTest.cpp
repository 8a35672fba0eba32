#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "BVXMK_BandMatrix.h"
#include "BVXMK_TestHelpers.h"

using namespace BVXMKTest;

namespace {

/*! Full n x n matrix with bandwidths mu, ml; small diagonal so that pivoting is needed. */
FullMatrix bandTestMatrix(unsigned int n, unsigned int mu, unsigned int ml) {
	FullMatrix A(n, std::vector<double>(n, 0.0));
	for (unsigned int i = 0; i < n; ++i)
		for (unsigned int j = 0; j < n; ++j)
			if (j <= i + mu && i <= j + ml)
				A[i][j] = (i == j) ? 0.3*pseudoValue(i, j) : pseudoValue(i, j);
	return A;
}

/*! Resizes with room for fill-in and copies the band of A. */
void fillBand(BVXMK::BandMatrix & B, const FullMatrix & A, unsigned int mu, unsigned int ml) {
	const unsigned int n = A.size();
	B.resize(n, mu, ml, mu + ml);
	for (unsigned int j = 0; j < n; ++j)
		for (unsigned int i = (j > mu ? j - mu : 0); i <= std::min(n - 1, j + ml); ++i)
			B(i, j) = A[i][j];
}

std::vector<double> knownSolution(unsigned int n) {
	std::vector<double> x(n);
	for (unsigned int i = 0; i < n; ++i)
		x[i] = 1.0 + 0.5*i - 0.1*i*i;
	return x;
}

} // namespace


TEST(BandMatrix, HandComputedSystemNeedsInterchange) {
	// [0 1; 1 0] x = [2; 3]  ->  x = [3; 2], first pivot is row 1
	BVXMK::BandMatrix B;
	B.resize(2, 1, 1, 2);
	B(0, 1) = 1;
	B(1, 0) = 1;
	EXPECT_EQ(0, B.lu());
	EXPECT_EQ(1u, B.pivots()[0]);
	EXPECT_EQ(1u, B.pivots()[1]);
	double b[2] = {2, 3};
	B.backsolve(b);
	EXPECT_DOUBLE_EQ(3.0, b[0]);
	EXPECT_DOUBLE_EQ(2.0, b[1]);
}


TEST(BandMatrix, SolvesKnownSystemsWithPivoting) {
	struct Case { unsigned int n, mu, ml; };
	const Case cases[] = {
		{1, 0, 0}, {2, 1, 1}, {3, 1, 1}, {5, 1, 2}, {9, 2, 1}, {9, 0, 3}, {8, 3, 0}, {12, 4, 4}, {6, 5, 5}
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(testing::Message() << "n=" << c.n << " mu=" << c.mu << " ml=" << c.ml);
		const FullMatrix A = bandTestMatrix(c.n, c.mu, c.ml);
		const std::vector<double> x = knownSolution(c.n);
		std::vector<double> b = multiply(A, x);
		BVXMK::BandMatrix B;
		fillBand(B, A, c.mu, c.ml);
		ASSERT_EQ(0, B.lu());
		if (c.ml > 0 && c.n > 1) {
			// the small diagonal forces row interchanges
			bool interchanged = false;
			for (unsigned int k = 0; k < c.n; ++k)
				interchanged |= (B.pivots()[k] != k);
			EXPECT_TRUE(interchanged);
		}
		B.backsolve(b.data());
		expectVectorNear(x, b, 1e-10);
		// factors serve any number of right-hand sides
		std::vector<double> b2 = multiply(A, std::vector<double>(c.n, 1.0));
		B.backsolve(b2.data());
		expectVectorNear(std::vector<double>(c.n, 1.0), b2, 1e-10);
	}
}


TEST(BandMatrix, LuClearsFillInAreaAndRefactorises) {
	// stale values in the fill-in area from an earlier factorisation must not leak in
	const unsigned int n = 7, mu = 1, ml = 2;
	const FullMatrix A = bandTestMatrix(n, mu, ml);
	BVXMK::BandMatrix B;
	fillBand(B, A, mu, ml);
	ASSERT_EQ(0, B.lu());
	fillBand(B, A, mu, ml); // refill band only, fill-in area keeps factor values
	ASSERT_EQ(0, B.lu());
	const std::vector<double> x = knownSolution(n);
	std::vector<double> b = multiply(A, x);
	B.backsolve(b.data());
	expectVectorNear(x, b, 1e-10);
}


TEST(BandMatrix, SingularPivotGivesPositiveResult) {
	struct Case { std::vector<double> diag, sub, super; int expected; };
	const Case cases[] = {
		// column 1 entirely zero: first zero pivot in column 1 -> 2
		{{1, 0, 3, 4}, {0, 0, 6}, {0, 7, 8}, 2},
		// column 0 zero -> 1
		{{0, 2, 3, 4}, {0, 5, 6}, {1, 1, 1}, 1},
		// only the last diagonal element vanishes -> positive (n)
		{{1, 2, 3, 0}, {0, 0, 0}, {1, 1, 1}, 4},
	};
	for (const Case & c : cases) {
		BVXMK::BandMatrix B;
		B.resize(4, 1, 1, 2);
		for (unsigned int i = 0; i < 4; ++i)
			B(i, i) = c.diag[i];
		for (unsigned int i = 0; i < 3; ++i) {
			B(i + 1, i) = c.sub[i];
			B(i, i + 1) = c.super[i];
		}
		EXPECT_EQ(c.expected, B.lu());
	}
}


TEST(BandMatrix, SizeErrors) {
	BVXMK::BandMatrix empty;
	expectException([&]() { empty.lu(); }, "Matrix is empty.", "[BandMatrix::lu]");
	BVXMK::BandMatrix B;
	EXPECT_THROW(B.resize(3, 2, 1, 1), BVX::Exception); // no room for the upper band
}


TEST(BandMatrix, CopyOwnsItsColumns) {
	const unsigned int n = 6, mu = 2, ml = 1;
	const FullMatrix A = bandTestMatrix(n, mu, ml);
	const std::vector<double> x = knownSolution(n);
	std::vector<double> b = multiply(A, x);

	BVXMK::BandMatrix copy;
	{
		BVXMK::BandMatrix B;
		fillBand(B, A, mu, ml);
		BVXMK::BandMatrix copyConstructed(B);
		copy = copyConstructed;
		B(0, 0) = 1e6; // must not reach the copies
	}
	ASSERT_EQ(0, copy.lu());
	copy.backsolve(b.data());
	expectVectorNear(x, b, 1e-10);
}


TEST(BandMatrix, BinaryFormRoundTrip) {
	const unsigned int n = 3, mu = 1, ml = 1;
	const FullMatrix A = bandTestMatrix(n, mu, ml);
	BVXMK::BandMatrix B;
	fillBand(B, A, mu, ml);
	ASSERT_EQ(0, B.lu());
	ASSERT_EQ(125u, B.serializationSize());

	std::vector<char> buf(B.serializationSize() + 8, 0);
	void * p = buf.data();
	B.serialize(p);
	EXPECT_EQ(buf.data() + 125, static_cast<char*>(p));

	// header: type byte 2, then n, mu, ml, smu as 32-bit integers
	EXPECT_EQ(2, buf[0]);
	const std::uint32_t expectedHeader[4] = {3, 1, 1, 2};
	std::uint32_t header[4];
	std::memcpy(header, buf.data() + 1, sizeof(header));
	for (int k = 0; k < 4; ++k)
		EXPECT_EQ(expectedHeader[k], header[k]);

	BVXMK::BandMatrix R;
	R.resize(n, mu, ml, mu + ml);
	void * q = buf.data();
	R.deserialize(q);
	EXPECT_EQ(buf.data() + 125, static_cast<char*>(q));
	EXPECT_EQ(B.pivots(), R.pivots());
	EXPECT_TRUE(std::equal(B.data(), B.data() + n*B.ldim(), R.data()));

	const std::vector<double> x = knownSolution(n);
	std::vector<double> b = multiply(A, x);
	R.backsolve(b.data());
	expectVectorNear(x, b, 1e-12);
}


TEST(BandMatrix, BinaryFormRejectsMismatchWithoutChanges) {
	BVXMK::BandMatrix src;
	src.resize(3, 1, 3, 4);
	std::vector<char> buf(src.serializationSize());
	void * p = buf.data();
	src.serialize(p);

	const char * const ID = "[BandMatrix::deserialize]";
	const char * const DIM_MSG = "Invalid matrix dimensions in binary data storage (target matrix not properly resized?).";
	struct Case { unsigned int n, mu, ml, smu; };
	const Case cases[] = { {3, 1, 2, 4}, {4, 1, 3, 4}, {3, 0, 3, 4}, {3, 1, 3, 5} };
	for (const Case & c : cases) {
		BVXMK::BandMatrix target;
		target.resize(c.n, c.mu, c.ml, c.smu);
		std::fill(target.data(), target.data() + c.n*target.ldim(), 7.0);
		void * q = buf.data();
		expectException([&]() { target.deserialize(q); }, DIM_MSG, ID);
		EXPECT_EQ(static_cast<void*>(buf.data()), q);
		EXPECT_TRUE(std::all_of(target.data(), target.data() + c.n*target.ldim(), [](double v) { return v == 7.0; }));
	}

	BVXMK::BandMatrix target;
	target.resize(3, 1, 3, 4);
	std::vector<char> wrongType(buf);
	wrongType[0] = 5;
	void * q = wrongType.data();
	expectException([&]() { target.deserialize(q); }, "Invalid matrix type in binary data storage.", ID);

	// a pivot outside the matrix would make backsolve write out of bounds
	std::vector<char> badPivot(buf);
	const std::uint32_t outside = 3;
	std::memcpy(badPivot.data() + badPivot.size() - 4, &outside, 4);
	q = badPivot.data();
	EXPECT_THROW(target.deserialize(q), BVX::Exception);
	EXPECT_EQ(static_cast<void*>(badPivot.data()), q);
}
