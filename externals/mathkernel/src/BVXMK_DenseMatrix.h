#ifndef BVXMK_DenseMatrixH
#define BVXMK_DenseMatrixH

#include <vector>

#include "BVXMK_DenseLU.h"

namespace BVXMK {

/*! Dense square matrix, stored column by column: element (i,j) at data()[j*n + i]. */
class DenseMatrix {
public:
	DenseMatrix() : m_n(0) {}
	explicit DenseMatrix(unsigned int n) : m_n(0) { resize(n); }

	/*! Sets the dimension; new elements are 0, existing values are not cleared. */
	void resize(unsigned int n);

	/*! LU factorisation in place; 0 on success, k+1 for a zero pivot in column k. */
	int lu();

	/*! Solves A*x = b in place with the factors of the last lu(). */
	void backsolve(double * b) const;

	unsigned int n() const { return m_n; }

	double & operator()(unsigned int i, unsigned int j) { return m_data[static_cast<std::size_t>(j)*m_n + i]; }
	double operator()(unsigned int i, unsigned int j) const { return m_data[static_cast<std::size_t>(j)*m_n + i]; }

	double * data() { return m_data.data(); }
	const double * data() const { return m_data.data(); }

	const std::vector<unsigned int> & pivots() const { return m_pivots; }

private:
	std::vector<double>			m_data;
	unsigned int				m_n;
	std::vector<unsigned int>	m_pivots;
};

} // namespace BVXMK

#endif // BVXMK_DenseMatrixH
