#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "BVXMK_SparseMatrixCSR.h"
#include "BVXMK_TestHelpers.h"

using namespace BVXMKTest;

namespace {

/*! Pattern and values of a full matrix's non-zeros, row by row. */
struct CSR {
	explicit CSR(const FullMatrix & A) : n(A.size()) {
		ia.push_back(0);
		for (unsigned int i = 0; i < n; ++i) {
			for (unsigned int j = 0; j < n; ++j) {
				if (A[i][j] != 0.0) {
					ja.push_back(j);
					values.push_back(A[i][j]);
				}
			}
			ia.push_back(ja.size());
		}
		// transposed pattern: rows of every column, ascending
		iaT.push_back(0);
		for (unsigned int j = 0; j < n; ++j) {
			for (unsigned int i = 0; i < n; ++i)
				if (A[i][j] != 0.0)
					jaT.push_back(i);
			iaT.push_back(jaT.size());
		}
	}
	unsigned int nnz() const { return ja.size(); }

	BVXMK::SparseMatrixCSR matrix(bool transposed) const {
		BVXMK::SparseMatrixCSR M(n, nnz(), ia.data(), ja.data(),
			transposed ? iaT.data() : nullptr, transposed ? jaT.data() : nullptr);
		std::copy(values.begin(), values.end(), M.data());
		return M;
	}

	unsigned int n;
	std::vector<unsigned int> ia, ja, iaT, jaT;
	std::vector<double> values;
};

/*! Tridiagonal with unequal off-diagonals: structurally symmetric, numerically not. */
FullMatrix tridiagonal(unsigned int n, double diag, double sub, double super) {
	FullMatrix A(n, std::vector<double>(n, 0.0));
	for (unsigned int i = 0; i < n; ++i) {
		A[i][i] = diag;
		if (i > 0)
			A[i][i - 1] = sub;
		if (i + 1 < n)
			A[i][i + 1] = super;
	}
	return A;
}

// row 3 has no diagonal element
const FullMatrix NON_SYMMETRIC = {
	{4, 0, 1, 0},
	{2, 5, 0, 0},
	{0, 3, 6, 1},
	{0, 8, 0, 0}
};

} // namespace


TEST(SparseMatrixCSR, MultiplyAndElementAccess) {
	const CSR c(NON_SYMMETRIC);
	BVXMK::SparseMatrixCSR M = c.matrix(false);
	EXPECT_EQ(4u, M.n());
	EXPECT_EQ(8u, M.nnz());

	const double x[4] = {1, 2, 3, 4};
	double y[4] = {-1, -1, -1, -1}; // overwritten, not accumulated
	M.multiply(x, y);
	const double expected[4] = {7, 12, 28, 16};
	for (int i = 0; i < 4; ++i)
		EXPECT_EQ(expected[i], y[i]);

	EXPECT_EQ(3.0, M.value(2, 1));
	EXPECT_EQ(5u, M.storageIndex(2, 2));
	M(2, 2) = 9.5;
	EXPECT_EQ(9.5, M.data()[5]);

	// outside the pattern (and outside the matrix)
	EXPECT_EQ(0.0, M.value(0, 1));
	EXPECT_EQ(0.0, M.value(7, 0));
	EXPECT_EQ(M.nnz(), M.storageIndex(0, 1));
	EXPECT_EQ(M.nnz(), M.storageIndex(4, 0));
	expectException([&]() { M(3, 2); },
		"Index out of range. No element at (3,2) in sparsity pattern.", "[SparseMatrixCSR::operator()]");
	expectException([&]() { M(4, 0); },
		"Index out of range. No element at (4,0) in sparsity pattern.", "[SparseMatrixCSR::operator()]");
}


TEST(SparseMatrixCSR, AddIdentitySkipsRowsWithoutDiagonal) {
	const CSR c(NON_SYMMETRIC);
	BVXMK::SparseMatrixCSR M = c.matrix(false);
	M.addIdentity();
	for (unsigned int i = 0; i < 4; ++i)
		for (unsigned int j = 0; j < 4; ++j)
			EXPECT_EQ(NON_SYMMETRIC[i][j] + ((i == j && i != 3) ? 1.0 : 0.0), M.value(i, j));
}


TEST(SparseMatrixCSR, ResizeRejectsInvalidInput) {
	const unsigned int ia[] = {0, 1, 2};
	const unsigned int ja[] = {0, 1};
	BVXMK::SparseMatrixCSR M;
	expectException([&]() { M.resize(0, 2, ia, ja); }, "Invalid input in n or nnz.", "[SparseMatrixCSR::resize]");
	expectException([&]() { M.resize(2, 0, ia, ja); }, "Invalid input in n or nnz.", "[SparseMatrixCSR::resize]");

	// patterns the kernels would follow out of their arrays
	struct Case { std::vector<unsigned int> ia, ja; unsigned int nnz; };
	const Case cases[] = {
		{{0, 1, 3}, {0, 1}, 2},		// last row pointer beyond nnz
		{{1, 1, 2}, {0, 1}, 2},		// first row pointer not 0
		{{0, 2, 1}, {0, 1}, 1},		// descending row pointers
		{{0, 1, 2}, {0, 2}, 2},		// column index beyond n
	};
	for (const Case & c : cases)
		EXPECT_THROW(M.resize(2, c.nnz, c.ia.data(), c.ja.data()), BVX::Exception);
	// a bad transposed pattern is refused as well
	const unsigned int badT[] = {0, 1, 5};
	EXPECT_THROW(M.resize(2, 2, ia, ja, badT, ja), BVX::Exception);
}


TEST(SparseMatrixCSR, IluOfTridiagonalIsExactLU) {
	// Crout factors of a tridiagonal matrix: d0 = a, d(i+1) = a - sub*super/d(i);
	// L keeps the sub-diagonal and d, U has super/d(i) above its unit diagonal
	const unsigned int n = 6;
	const double a = 4, sub = -1, super = -2;
	const FullMatrix A = tridiagonal(n, a, sub, super);
	const CSR c(A);
	std::vector<double> d(n);
	d[0] = a;
	for (unsigned int i = 1; i < n; ++i)
		d[i] = a - sub*super/d[i - 1];

	for (bool transposed : {false, true}) {
		SCOPED_TRACE(transposed);
		BVXMK::SparseMatrixCSR M = c.matrix(transposed);
		EXPECT_EQ(transposed, M.hasTransposedPattern());
		EXPECT_EQ(0, M.ilu());
		for (unsigned int i = 0; i < n; ++i) {
			EXPECT_NEAR(d[i], M.value(i, i), 1e-14);
			if (i > 0) {
				EXPECT_EQ(sub, M.value(i, i - 1));
			}
			if (i + 1 < n) {
				EXPECT_NEAR(super/d[i], M.value(i, i + 1), 1e-14);
			}
		}
		std::vector<double> x(n);
		for (unsigned int i = 0; i < n; ++i)
			x[i] = 1.0 + i*i;
		std::vector<double> b = multiply(A, x);
		M.backsolveILU(b.data());
		expectVectorNear(x, b, 1e-13);
	}
}


TEST(SparseMatrixCSR, IluWithTransposedPatternIsExactWithoutFillIn) {
	// non-symmetric pattern whose LU has no fill-in: ILU(0) through the transposed
	// pattern must reproduce A exactly
	const FullMatrix A = {
		{2, 1, 0},
		{0, 3, 0},
		{4, 5, 6}
	};
	const CSR c(A);
	BVXMK::SparseMatrixCSR M = c.matrix(true);
	M.ilu();
	// hand factors: L = [2; 0 3; 4 3 6], U = I + 0.5 e0 e1^T
	EXPECT_EQ(2.0, M.value(0, 0));
	EXPECT_EQ(0.5, M.value(0, 1));
	EXPECT_EQ(3.0, M.value(2, 1));
	EXPECT_EQ(6.0, M.value(2, 2));
	std::vector<double> b = multiply(A, {1, 2, 3});
	M.backsolveILU(b.data());
	expectVectorNear({1, 2, 3}, b, 1e-14);
}


TEST(SparseMatrixCSR, BinaryFormRoundTrip) {
	const CSR c(tridiagonal(3, 4, -1, -2));
	BVXMK::SparseMatrixCSR M = c.matrix(false);
	ASSERT_EQ(7u, M.nnz());
	ASSERT_EQ(117u, M.serializationSize());

	std::vector<char> buf(M.serializationSize());
	void * p = buf.data();
	M.serialize(p);
	EXPECT_EQ(buf.data() + buf.size(), static_cast<char*>(p));
	EXPECT_EQ(5, buf[0]);
	std::uint32_t header[4];
	std::memcpy(header, buf.data() + 1, sizeof(header));
	EXPECT_EQ(3u, header[0]);
	EXPECT_EQ(7u, header[1]);
	EXPECT_EQ(0u, header[2]);
	EXPECT_EQ(0u, header[3]);

	// same shape, values zero before reading
	BVXMK::SparseMatrixCSR D(c.n, c.nnz(), c.ia.data(), c.ja.data());
	void * q = buf.data();
	D.deserialize(q);
	EXPECT_EQ(static_cast<void*>(buf.data() + buf.size()), q);
	EXPECT_EQ(c.ia, D.ia());
	EXPECT_EQ(c.ja, D.ja());
	EXPECT_TRUE(std::equal(c.values.begin(), c.values.end(), D.data()));

	// any shape
	BVXMK::SparseMatrixCSR R;
	q = buf.data();
	R.recreate(q);
	EXPECT_EQ(static_cast<void*>(buf.data() + buf.size()), q);
	EXPECT_EQ(3u, R.n());
	EXPECT_EQ(7u, R.nnz());
	EXPECT_EQ(c.ia, R.ia());
	EXPECT_TRUE(std::equal(c.values.begin(), c.values.end(), R.data()));
}


TEST(SparseMatrixCSR, BinaryFormWithTransposedPattern) {
	const CSR c(NON_SYMMETRIC);
	BVXMK::SparseMatrixCSR M = c.matrix(true);
	const std::size_t size = 17 + 8*8 + 4*(5 + 8 + 5 + 8);
	ASSERT_EQ(size, M.serializationSize());
	std::vector<char> buf(size);
	void * p = buf.data();
	M.serialize(p);

	// a matrix that used a transposed pattern takes over one without, and back:
	// the flag follows the stored form, so ilu() never reads missing arrays
	const CSR tri(tridiagonal(3, 4, -1, -2));
	std::vector<char> triBuf(117);
	void * tp = triBuf.data();
	tri.matrix(false).serialize(tp);

	BVXMK::SparseMatrixCSR R = c.matrix(true);
	void * q = triBuf.data();
	R.recreate(q);
	EXPECT_FALSE(R.hasTransposedPattern());
	R.ilu();
	std::vector<double> b = multiply(tridiagonal(3, 4, -1, -2), {1, 1, 1});
	R.backsolveILU(b.data());
	expectVectorNear({1, 1, 1}, b, 1e-14);

	q = buf.data();
	R.recreate(q);
	EXPECT_TRUE(R.hasTransposedPattern());
	EXPECT_EQ(c.iaT, R.iaT());
	EXPECT_EQ(c.jaT, R.jaT());
}


TEST(SparseMatrixCSR, BinaryFormErrorsChangeNothing) {
	const CSR c(tridiagonal(3, 4, -1, -2));
	BVXMK::SparseMatrixCSR M = c.matrix(false);
	std::vector<char> buf(M.serializationSize());
	void * p = buf.data();
	M.serialize(p);

	// different nnz: deserialize refuses, recreate accepts
	const unsigned int ia[] = {0, 1, 2, 3};
	const unsigned int ja[] = {0, 1, 2};
	BVXMK::SparseMatrixCSR diag(3, 3, ia, ja);
	diag.data()[1] = 42;
	void * q = buf.data();
	expectException([&]() { diag.deserialize(q); },
		"Invalid matrix dimensions in binary data storage (target matrix not properly resized?).",
		"[SparseMatrixCSR::deserialize]");
	EXPECT_EQ(static_cast<void*>(buf.data()), q);
	EXPECT_EQ(42.0, diag.value(1, 1));
	diag.recreate(q);
	EXPECT_EQ(7u, diag.nnz());
	EXPECT_EQ(-2.0, diag.value(1, 2));

	std::vector<char> wrongType(buf);
	wrongType[0] = 2;
	q = wrongType.data();
	expectException([&]() { diag.deserialize(q); }, "Invalid matrix type in binary data storage.", "[SparseMatrixCSR::deserialize]");
	expectException([&]() { diag.recreate(q); }, "Invalid matrix type in binary data storage.", "[SparseMatrixCSR::recreate]");

	// a corrupted column index would send multiply() out of the vector
	std::vector<char> badIndex(buf);
	const std::uint32_t outside = 99;
	std::memcpy(badIndex.data() + 17 + 8*7 + 4*4, &outside, 4); // ja[0]
	BVXMK::SparseMatrixCSR target = c.matrix(false);
	q = badIndex.data();
	EXPECT_THROW(target.deserialize(q), BVX::Exception);
	EXPECT_THROW(target.recreate(q), BVX::Exception);
	EXPECT_EQ(static_cast<void*>(badIndex.data()), q);
	EXPECT_EQ(c.ja, target.ja());
}
