#ifndef VUREDO_BTridiagMatrixH
#define VUREDO_BTridiagMatrixH

#include <cstddef>
#include <memory>
#include <vector>

namespace VUREDO {

/*! Block-tridiagonal matrix of nBlocks x nBlocks blocks of blockSize x blockSize values.

	Block row i couples to block columns i-1, i and i+1; the first block row couples to
	block columns 0, 1 and 2, the last to nBlocks-3, nBlocks-2 and nBlocks-1. The 3*nBlocks
	blocks are held in one allocation, in three groups of nBlocks:
	- A(i): coupling of block row i to block column i-1; A(0) holds block row 0 -> column 2;
	- B(i): diagonal block of block row i;
	- C(i): coupling of block row i to block column i+1; C(nBlocks-1) holds the last
	  block row -> column nBlocks-3.
	Each block is stored column by column (element (l, j) at offset l + j*blockSize).
	Vectors of the whole system hold block after block.
*/
class BTridiagMatrix {
public:
	BTridiagMatrix();
	BTridiagMatrix(unsigned int nBlocks, unsigned int blockSize);

	/*! Sets the shape; all values become 0. */
	void resize(unsigned int nBlocks, unsigned int blockSize);

	unsigned int nBlocks() const { return m_nBlocks; }
	unsigned int blockSize() const { return m_blockSize; }
	/*! Number of unknowns, nBlocks*blockSize. */
	unsigned int n() const { return m_nBlocks*m_blockSize; }

	/*! Block k of the 3*nBlocks blocks (A: 0..n-1, B: n..2n-1, C: 2n..3n-1). */
	double * block(unsigned int k) { return m_data.data() + static_cast<std::size_t>(k)*m_blockValues; }
	const double * block(unsigned int k) const { return m_data.data() + static_cast<std::size_t>(k)*m_blockValues; }
	double * A(unsigned int i) { return block(i); }
	const double * A(unsigned int i) const { return block(i); }
	double * B(unsigned int i) { return block(m_nBlocks + i); }
	const double * B(unsigned int i) const { return block(m_nBlocks + i); }
	double * C(unsigned int i) { return block(2*m_nBlocks + i); }
	const double * C(unsigned int i) const { return block(2*m_nBlocks + i); }

	/*! All 3*nBlocks*blockSize^2 values. */
	double * data() { return m_data.data(); }
	const double * data() const { return m_data.data(); }
	std::size_t valueCount() const { return m_data.size(); }

	/*! All values 0. */
	void setZero();
	/*! Adds 1 to the diagonal of every diagonal block. */
	void addIdentity();
	/*! Multiplies all values by c. */
	void scale(double c);
	/*! Copies all values of other, which must have the same shape; false otherwise. */
	bool copyValues(const BTridiagMatrix & other);
	/*! True when other has the same number of blocks and block size. */
	bool sameShape(const BTridiagMatrix & other) const {
		return m_nBlocks == other.m_nBlocks && m_blockSize == other.m_blockSize;
	}

	/*! Element (row, col) of the whole matrix; 0 outside the stored blocks. */
	double value(unsigned int row, unsigned int col) const;
	/*! Reference to stored element (row, col); null outside the stored blocks. */
	double * element(unsigned int row, unsigned int col);

	/*! y = M*x with the stored couplings (unfactorised matrix). */
	void multiply(const double * x, double * y) const;

private:
	/*! Index of the block holding block row i / block column j, -1 when none. */
	int blockIndex(unsigned int i, unsigned int j) const;

	unsigned int		m_nBlocks;
	unsigned int		m_blockSize;
	unsigned int		m_blockValues;
	std::vector<double>	m_data;
};

/*! A new matrix of n blocks of size b; null when n <= 0 or b <= 0. */
std::unique_ptr<BTridiagMatrix> NewBTridiagMat(int n, int b);

/*! Block LU factorisation in place. With pivots (nBlocks*blockSize entries, blockSize per
	diagonal block in block order) the diagonal blocks are factorised with partial
	pivoting, without (null) by Doolittle LU that fails on an exactly zero pivot.
	Returns 0 on success, -1 when there are fewer than 4 blocks (nothing is factorised),
	k+1 when the diagonal block of block row k is singular after elimination.
*/
int BTridiagGETRF(BTridiagMatrix & M, unsigned int * pivots);

/*! Solves M*x = b in place (x holds b) with the factors and the same pivots argument of
	the last BTridiagGETRF(). */
void BTridiagGETRS(const BTridiagMatrix & M, const unsigned int * pivots, double * x);

} // namespace VUREDO

#endif // VUREDO_BTridiagMatrixH
