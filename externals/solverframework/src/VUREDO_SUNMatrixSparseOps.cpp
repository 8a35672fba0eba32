#include "VUREDO_SUNMatrixSparseOps.h"

#include <algorithm>

#include <sunmatrix/sunmatrix_sparse.h>

namespace VUREDO {

namespace {

int zero(SUNMatrix A) {
	const sunindextype nnz = SM_NNZ_S(A);
	std::fill(SM_DATA_S(A), SM_DATA_S(A) + nnz, 0.0);
	std::fill(SM_INDEXVALS_S(A), SM_INDEXVALS_S(A) + nnz, sunindextype(0));
	std::fill(SM_INDEXPTRS_S(A), SM_INDEXPTRS_S(A) + SM_NP_S(A) + 1, sunindextype(0));
	return SUNMAT_SUCCESS;
}

bool compatible(SUNMatrix A, SUNMatrix B) {
	return SUNMatGetID(B) == SUNMATRIX_SPARSE && SM_ROWS_S(A) == SM_ROWS_S(B)
		&& SM_COLUMNS_S(A) == SM_COLUMNS_S(B) && SM_SPARSETYPE_S(A) == SM_SPARSETYPE_S(B);
}

/*! B = A. */
int copy(SUNMatrix A, SUNMatrix B) {
	const sunindextype np = SM_NP_S(A);
	const sunindextype nz = SM_INDEXPTRS_S(A)[np];
	if (!compatible(A, B) || SM_NNZ_S(B) < nz)
		return SUNMatCopy_Sparse(A, B); // reallocates or reports the mismatch
	std::copy(SM_DATA_S(A), SM_DATA_S(A) + nz, SM_DATA_S(B));
	std::copy(SM_INDEXVALS_S(A), SM_INDEXVALS_S(A) + nz, SM_INDEXVALS_S(B));
	// storage beyond the copied entries is cleared as by the library
	std::fill(SM_DATA_S(B) + nz, SM_DATA_S(B) + SM_NNZ_S(B), 0.0);
	std::fill(SM_INDEXVALS_S(B) + nz, SM_INDEXVALS_S(B) + SM_NNZ_S(B), sunindextype(0));
	std::copy(SM_INDEXPTRS_S(A), SM_INDEXPTRS_S(A) + np + 1, SM_INDEXPTRS_S(B));
	return SUNMAT_SUCCESS;
}

/*! True when every diagonal entry is stored. */
bool hasDiagonal(SUNMatrix A) {
	const sunindextype n = std::min(SM_ROWS_S(A), SM_COLUMNS_S(A));
	const sunindextype * ptr = SM_INDEXPTRS_S(A);
	const sunindextype * idx = SM_INDEXVALS_S(A);
	for (sunindextype j = 0; j < n; ++j) {
		if (std::find(idx + ptr[j], idx + ptr[j + 1], j) == idx + ptr[j + 1])
			return false;
	}
	return true;
}

/*! A = c*A + I. */
int scaleAddI(realtype c, SUNMatrix A) {
	if (!hasDiagonal(A))
		return SUNMatScaleAddI_Sparse(c, A); // builds the new structure
	const sunindextype np = SM_NP_S(A);
	const sunindextype * ptr = SM_INDEXPTRS_S(A);
	const sunindextype * idx = SM_INDEXVALS_S(A);
	realtype * data = SM_DATA_S(A);
	for (sunindextype j = 0; j < np; ++j) {
		for (sunindextype k = ptr[j]; k < ptr[j + 1]; ++k) {
			data[k] *= c;
			if (idx[k] == j)
				data[k] += 1;
		}
	}
	return SUNMAT_SUCCESS;
}

/*! The library's clone carries the library's operations: the clone gets these ones. */
SUNMatrix cloneWithOps(SUNMatrix A) {
	SUNMatrix B = SUNMatClone_Sparse(A);
	if (B != nullptr)
		SUNMatrixSparseOps::install(B);
	return B;
}

} // namespace


void SUNMatrixSparseOps::install(SUNMatrix A) {
	A->ops->clone = cloneWithOps;
	A->ops->zero = zero;
	A->ops->copy = copy;
	A->ops->scaleaddi = scaleAddI;
}

} // namespace VUREDO
