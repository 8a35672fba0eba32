#include "BVXMK_DenseMatrix.h"

namespace BVXMK {

void DenseMatrix::resize(unsigned int n) {
	m_n = n;
	m_data.resize(static_cast<std::size_t>(n)*n, 0.0);
	m_pivots.resize(n);
}


int DenseMatrix::lu() {
	return lu_decomposition(m_n, m_data.data(), m_pivots.data());
}


void DenseMatrix::backsolve(double * b) const {
	lu_backsolve(m_n, m_data.data(), m_pivots.data(), b);
}

} // namespace BVXMK
