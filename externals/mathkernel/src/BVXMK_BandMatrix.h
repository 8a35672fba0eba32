#ifndef BVXMK_BandMatrixH
#define BVXMK_BandMatrixH

#include <cstddef>
#include <vector>

namespace BVXMK {

/*! Square band matrix, stored column by column like the ODE library's band matrices.

	Element (i,j) with j-mu <= i <= j+ml lies in column j at position i - j + smu.
	The smu - mu positions at the top of every column are the fill-in area that row
	interchanges in lu() need; a matrix that is to be factorised is resized with
	smu = mu + ml, a matrix that is only stored may use smu = mu.
*/
class BandMatrix {
public:
	BandMatrix();
	/*! Copies rebuild the column pointers into their own data. */
	BandMatrix(const BandMatrix & other);
	BandMatrix & operator=(const BandMatrix & other);
	BandMatrix(BandMatrix && other) noexcept = default;
	BandMatrix & operator=(BandMatrix && other) noexcept = default;

	/*! Sets the sizes; ldim = smu + ml + 1. Data grows with zeros, existing values
		are not cleared. Throws when smu < mu.
	*/
	void resize(unsigned int n, unsigned int mu, unsigned int ml, unsigned int smu);

	/*! LU factorisation in place with partial pivoting inside the band.
		Returns 0 on success, k+1 when the pivot of column k is zero (n when only the
		last diagonal element is zero). Throws on an empty matrix.
	*/
	int lu();

	/*! Solves A*x = b in place with the factors of the last lu(). */
	void backsolve(double * b) const;

	/*! Size in bytes of the binary form: 17 + 8*n*ldim + 4*n. */
	std::size_t serializationSize() const;
	/*! Writes the binary form and advances the pointer past it. */
	void serialize(void *& dataPtr) const;
	/*! Reads the binary form into this matrix, which must already have the stored sizes.
		On error nothing changes and the pointer is not advanced.
	*/
	void deserialize(void *& dataPtr);

	unsigned int n() const { return m_n; }
	unsigned int mu() const { return m_mu; }
	unsigned int ml() const { return m_ml; }
	unsigned int smu() const { return m_smu; }
	unsigned int ldim() const { return m_ldim; }

	/*! Element (i,j); only valid for j-smu <= i <= j+ml. */
	double & operator()(unsigned int i, unsigned int j) { return m_colPtr[j][i + m_smu - j]; }
	double operator()(unsigned int i, unsigned int j) const { return m_colPtr[j][i + m_smu - j]; }

	/*! Start of stored column j (its fill-in area first). */
	double * column(unsigned int j) { return m_colPtr[j]; }
	const double * column(unsigned int j) const { return m_colPtr[j]; }

	/*! Whole data block, n*ldim values, column after column. */
	double * data() { return m_data.data(); }
	const double * data() const { return m_data.data(); }

	const std::vector<unsigned int> & pivots() const { return m_pivots; }

private:
	void updateColumnPointers();

	unsigned int				m_n;
	unsigned int				m_mu;
	unsigned int				m_ml;
	unsigned int				m_smu;
	unsigned int				m_ldim;
	/*! m_colPtr[j] = m_data.data() + j*m_ldim */
	std::vector<double*>		m_colPtr;
	std::vector<double>			m_data;
	std::vector<unsigned int>	m_pivots;
};

} // namespace BVXMK

#endif // BVXMK_BandMatrixH
