#include "VUREDO_BTridiagMatrix.h"

#include <algorithm>

#include "VUREDO_BTridiagBlockKernels.h"

namespace VUREDO {

BTridiagMatrix::BTridiagMatrix() :
	m_nBlocks(0),
	m_blockSize(0),
	m_blockValues(0)
{
}


BTridiagMatrix::BTridiagMatrix(unsigned int nBlocks, unsigned int blockSize) :
	m_nBlocks(0),
	m_blockSize(0),
	m_blockValues(0)
{
	resize(nBlocks, blockSize);
}


void BTridiagMatrix::resize(unsigned int nBlocks, unsigned int blockSize) {
	m_nBlocks = nBlocks;
	m_blockSize = blockSize;
	m_blockValues = blockSize*blockSize;
	m_data.assign(3*static_cast<std::size_t>(nBlocks)*m_blockValues, 0.0);
}


void BTridiagMatrix::setZero() {
	std::fill(m_data.begin(), m_data.end(), 0.0);
}


void BTridiagMatrix::addIdentity() {
	for (unsigned int i = 0; i < m_nBlocks; ++i) {
		double * b = B(i);
		for (unsigned int l = 0; l < m_blockSize; ++l)
			b[l + l*m_blockSize] += 1.0;
	}
}


void BTridiagMatrix::scale(double c) {
	for (double & v : m_data)
		v *= c;
}


bool BTridiagMatrix::copyValues(const BTridiagMatrix & other) {
	if (!sameShape(other))
		return false;
	std::copy(other.m_data.begin(), other.m_data.end(), m_data.begin());
	return true;
}


int BTridiagMatrix::blockIndex(unsigned int i, unsigned int j) const {
	const unsigned int n = m_nBlocks;
	if (i >= n || j >= n)
		return -1;
	if (j == i)
		return static_cast<int>(n + i);
	if (j + 1 == i)
		return static_cast<int>(i);
	if (j == i + 1)
		return static_cast<int>(2*n + i);
	// the two corner couplings
	if (i == 0 && j == 2)
		return 0;
	if (n >= 3 && i == n - 1 && j == n - 3)
		return static_cast<int>(3*n - 1);
	return -1;
}


double BTridiagMatrix::value(unsigned int row, unsigned int col) const {
	if (m_blockSize == 0)
		return 0.0;
	int k = blockIndex(row/m_blockSize, col/m_blockSize);
	if (k < 0)
		return 0.0;
	return block(static_cast<unsigned int>(k))[row % m_blockSize + (col % m_blockSize)*m_blockSize];
}


double * BTridiagMatrix::element(unsigned int row, unsigned int col) {
	if (m_blockSize == 0)
		return nullptr;
	int k = blockIndex(row/m_blockSize, col/m_blockSize);
	if (k < 0)
		return nullptr;
	return block(static_cast<unsigned int>(k)) + row % m_blockSize + (col % m_blockSize)*m_blockSize;
}


void BTridiagMatrix::multiply(const double * x, double * y) const {
	const unsigned int b = m_blockSize;
	const unsigned int n = m_nBlocks;
	std::fill(y, y + static_cast<std::size_t>(n)*b, 0.0);
	for (unsigned int i = 0; i < n; ++i) {
		double * yi = y + i*b;
		for (unsigned int j = (i > 0 ? i - 1 : 0); j <= i + 1 && j < n; ++j) {
			const double * M = block(static_cast<unsigned int>(blockIndex(i, j)));
			for (unsigned int c = 0; c < b; ++c)
				for (unsigned int l = 0; l < b; ++l)
					yi[l] += M[l + c*b]*x[j*b + c];
		}
		int corner = -1;
		unsigned int jc = 0;
		if (i == 0 && n > 2) {
			corner = 0;
			jc = 2;
		}
		else if (n > 2 && i == n - 1) {
			corner = static_cast<int>(3*n - 1);
			jc = n - 3;
		}
		if (corner >= 0) {
			const double * M = block(static_cast<unsigned int>(corner));
			for (unsigned int c = 0; c < b; ++c)
				for (unsigned int l = 0; l < b; ++l)
					yi[l] += M[l + c*b]*x[jc*b + c];
		}
	}
}


std::unique_ptr<BTridiagMatrix> NewBTridiagMat(int n, int b) {
	if (n <= 0 || b <= 0)
		return nullptr;
	return std::unique_ptr<BTridiagMatrix>(new BTridiagMatrix(static_cast<unsigned int>(n), static_cast<unsigned int>(b)));
}


int BTridiagGETRF(BTridiagMatrix & M, unsigned int * pivots) {
	const unsigned int n = M.nBlocks();
	const unsigned int b = M.blockSize();
	if (n < 4 || b == 0)
		return -1;
	const BTridiagBlockKernels k = BTridiagBlockKernels::select(b, pivots != nullptr);
	// pivots of diagonal block i
	auto piv = [pivots, b](unsigned int i) -> unsigned int * {
		return pivots == nullptr ? nullptr : pivots + i*b;
	};

	// first block row: B_0 and its two couplings to the right (C_0 and the corner A_0)
	if (k.factor(b, M.B(0), piv(0)) != 0)
		return 1;
	k.solveBlock(b, M.B(0), piv(0), M.C(0));
	k.solveBlock(b, M.B(0), piv(0), M.A(0));

	// second block row also eliminates the corner coupling into block column 2
	k.subtractProduct(b, M.B(1), M.A(1), M.C(0));
	if (k.factor(b, M.B(1), piv(1)) != 0)
		return 2;
	k.subtractProduct(b, M.C(1), M.A(1), M.A(0));
	k.solveBlock(b, M.B(1), piv(1), M.C(1));

	for (unsigned int i = 2; i + 1 < n; ++i) {
		k.subtractProduct(b, M.B(i), M.A(i), M.C(i - 1));
		if (k.factor(b, M.B(i), piv(i)) != 0)
			return static_cast<int>(i + 1);
		k.solveBlock(b, M.B(i), piv(i), M.C(i));
	}

	// last block row: eliminate the corner coupling to block column n-3 first
	const unsigned int last = n - 1;
	k.subtractProduct(b, M.A(last), M.C(last), M.C(last - 2));
	k.subtractProduct(b, M.B(last), M.A(last), M.C(last - 1));
	if (k.factor(b, M.B(last), piv(last)) != 0)
		return static_cast<int>(n);
	return 0;
}


void BTridiagGETRS(const BTridiagMatrix & M, const unsigned int * pivots, double * x) {
	const unsigned int n = M.nBlocks();
	const unsigned int b = M.blockSize();
	if (n < 4 || b == 0)
		return; // never factorised
	const BTridiagBlockKernels k = BTridiagBlockKernels::select(b, pivots != nullptr);
	auto piv = [pivots, b](unsigned int i) -> const unsigned int * {
		return pivots == nullptr ? nullptr : pivots + i*b;
	};
	auto xb = [x, b](unsigned int i) { return x + i*b; };

	// forward elimination
	k.solveVector(b, M.B(0), piv(0), xb(0));
	for (unsigned int i = 1; i + 1 < n; ++i) {
		k.subtractMatVec(b, xb(i), M.A(i), xb(i - 1));
		k.solveVector(b, M.B(i), piv(i), xb(i));
	}
	const unsigned int last = n - 1;
	k.subtractMatVec(b, xb(last), M.A(last), xb(last - 1));
	k.subtractMatVec(b, xb(last), M.C(last), xb(last - 2));
	k.solveVector(b, M.B(last), piv(last), xb(last));

	// back substitution
	for (unsigned int i = last - 1; i >= 1; --i)
		k.subtractMatVec(b, xb(i), M.C(i), xb(i + 1));
	k.subtractMatVec(b, xb(0), M.C(0), xb(1));
	k.subtractMatVec(b, xb(0), M.A(0), xb(2));
}

} // namespace VUREDO
