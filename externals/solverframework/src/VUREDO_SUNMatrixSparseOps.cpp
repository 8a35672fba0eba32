#include "VUREDO_SUNMatrixSparseOps.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>

#include <sunmatrix/sunmatrix_sparse.h>

namespace VUREDO {

namespace {

/*! Content of a matrix with the compiled operations: the library's content first (the
	library reaches it through its own macros and frees it with free()), then the fixed
	pattern's key and diagonal positions.
*/
struct FixedPatternContent {
	_SUNMatrixContent_Sparse	sparse;
	/*! Key of the fixed pattern, 0 while the pattern may change. */
	unsigned long long			key;
	/*! Position of each diagonal entry in the value array (min(M,N) of them), or nullptr. */
	sunindextype				*diagonal;
};

std::atomic<unsigned long long> lastPatternKey(0);

void destroyOwn(SUNMatrix A);

/*! The extended content of A, nullptr if A does not carry these operations. */
FixedPatternContent * own(SUNMatrix A) {
	if (A == nullptr || A->ops == nullptr || A->ops->destroy != destroyOwn)
		return nullptr;
	return static_cast<FixedPatternContent *>(A->content);
}

/*! Key of A's fixed pattern, 0 if none. */
unsigned long long fixedKey(SUNMatrix A) {
	const FixedPatternContent * c = own(A);
	return c == nullptr ? 0 : c->key;
}

/*! Forgets a fixed pattern of A (its structure is about to change or has changed). */
void release(SUNMatrix A) {
	FixedPatternContent * c = own(A);
	if (c != nullptr)
		c->key = 0;
}

void destroyOwn(SUNMatrix A) {
	if (A == nullptr)
		return;
	FixedPatternContent * c = static_cast<FixedPatternContent *>(A->content);
	if (c != nullptr) {
		std::free(c->diagonal);
		c->diagonal = nullptr;
	}
	SUNMatDestroy_Sparse(A);
}

/*! Position of the diagonal entry in every row (CSR) or column (CSC); false if one is missing. */
bool findDiagonal(SUNMatrix A, sunindextype * diagonal) {
	const sunindextype n = std::min(SM_ROWS_S(A), SM_COLUMNS_S(A));
	const sunindextype * ptr = SM_INDEXPTRS_S(A);
	const sunindextype * idx = SM_INDEXVALS_S(A);
	for (sunindextype j = 0; j < n; ++j) {
		const sunindextype * pos = std::find(idx + ptr[j], idx + ptr[j + 1], j);
		if (pos == idx + ptr[j + 1])
			return false;
		if (diagonal != nullptr)
			diagonal[j] = pos - idx;
	}
	return true;
}

int zero(SUNMatrix A) {
	const sunindextype nnz = SM_NNZ_S(A);
	std::fill(SM_DATA_S(A), SM_DATA_S(A) + nnz, 0.0);
	if (fixedKey(A) != 0)
		return SUNMAT_SUCCESS; // the pattern stays, its values are zero
	std::fill(SM_INDEXVALS_S(A), SM_INDEXVALS_S(A) + nnz, sunindextype(0));
	std::fill(SM_INDEXPTRS_S(A), SM_INDEXPTRS_S(A) + SM_NP_S(A) + 1, sunindextype(0));
	return SUNMAT_SUCCESS;
}

bool compatible(SUNMatrix A, SUNMatrix B) {
	return SUNMatGetID(B) == SUNMATRIX_SPARSE && SM_ROWS_S(A) == SM_ROWS_S(B)
		&& SM_COLUMNS_S(A) == SM_COLUMNS_S(B) && SM_SPARSETYPE_S(A) == SM_SPARSETYPE_S(B);
}

/*! B takes over A's fixed pattern key and diagonal positions (or none). */
void inheritPattern(SUNMatrix A, SUNMatrix B) {
	FixedPatternContent * target = own(B);
	if (target == nullptr)
		return;
	const FixedPatternContent * source = own(A);
	target->key = 0;
	if (source == nullptr || source->key == 0)
		return;
	if (source->diagonal != nullptr) {
		const sunindextype n = std::min(SM_ROWS_S(A), SM_COLUMNS_S(A));
		if (target->diagonal == nullptr)
			target->diagonal = static_cast<sunindextype *>(std::malloc(sizeof(sunindextype)*static_cast<std::size_t>(n)));
		if (target->diagonal == nullptr)
			return;
		std::copy(source->diagonal, source->diagonal + n, target->diagonal);
	}
	else {
		std::free(target->diagonal);
		target->diagonal = nullptr;
	}
	target->key = source->key;
}

/*! B = A. */
int copy(SUNMatrix A, SUNMatrix B) {
	const sunindextype np = SM_NP_S(A);
	const sunindextype nz = SM_INDEXPTRS_S(A)[np];
	if (!compatible(A, B) || SM_NNZ_S(B) < nz) {
		release(B);
		return SUNMatCopy_Sparse(A, B); // reallocates or reports the mismatch
	}
	const unsigned long long key = fixedKey(A);
	std::copy(SM_DATA_S(A), SM_DATA_S(A) + nz, SM_DATA_S(B));
	if (key != 0 && fixedKey(B) == key)
		return SUNMAT_SUCCESS; // same pattern, and storage beyond it was cleared before
	std::copy(SM_INDEXVALS_S(A), SM_INDEXVALS_S(A) + nz, SM_INDEXVALS_S(B));
	// storage beyond the copied entries is cleared as by the library
	std::fill(SM_DATA_S(B) + nz, SM_DATA_S(B) + SM_NNZ_S(B), 0.0);
	std::fill(SM_INDEXVALS_S(B) + nz, SM_INDEXVALS_S(B) + SM_NNZ_S(B), sunindextype(0));
	std::copy(SM_INDEXPTRS_S(A), SM_INDEXPTRS_S(A) + np + 1, SM_INDEXPTRS_S(B));
	inheritPattern(A, B);
	return SUNMAT_SUCCESS;
}

/*! A = c*A + I. */
int scaleAddI(realtype c, SUNMatrix A) {
	const sunindextype np = SM_NP_S(A);
	const sunindextype * ptr = SM_INDEXPTRS_S(A);
	realtype * data = SM_DATA_S(A);
	const FixedPatternContent * fixed = own(A);
	if (fixed != nullptr && fixed->key != 0 && fixed->diagonal != nullptr) {
		// product and sum rounded separately, as in the loop below
		for (sunindextype k = 0; k < ptr[np]; ++k)
			data[k] *= c;
		const sunindextype n = std::min(SM_ROWS_S(A), SM_COLUMNS_S(A));
		for (sunindextype j = 0; j < n; ++j)
			data[fixed->diagonal[j]] += 1;
		return SUNMAT_SUCCESS;
	}
	if (!findDiagonal(A, nullptr)) {
		release(A);
		return SUNMatScaleAddI_Sparse(c, A); // builds the new structure
	}
	const sunindextype * idx = SM_INDEXVALS_S(A);
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

/*! Moves A's content into the extended content; false if out of memory. */
bool extendContent(SUNMatrix A) {
	FixedPatternContent * c = static_cast<FixedPatternContent *>(std::malloc(sizeof(FixedPatternContent)));
	if (c == nullptr)
		return false;
	std::memcpy(&c->sparse, A->content, sizeof(_SUNMatrixContent_Sparse));
	c->key = 0;
	c->diagonal = nullptr;
	// the index accessors point into the content itself
	if (c->sparse.sparsetype == CSC_MAT) {
		c->sparse.rowvals = &c->sparse.indexvals;
		c->sparse.colptrs = &c->sparse.indexptrs;
		c->sparse.colvals = nullptr;
		c->sparse.rowptrs = nullptr;
	}
	else {
		c->sparse.colvals = &c->sparse.indexvals;
		c->sparse.rowptrs = &c->sparse.indexptrs;
		c->sparse.rowvals = nullptr;
		c->sparse.colptrs = nullptr;
	}
	std::free(A->content);
	A->content = c;
	return true;
}

} // namespace


void SUNMatrixSparseOps::install(SUNMatrix A) {
	if (A == nullptr || own(A) != nullptr)
		return;
	if (!extendContent(A))
		return; // the library's operations stay
	A->ops->destroy = destroyOwn;
	A->ops->clone = cloneWithOps;
	A->ops->zero = zero;
	A->ops->copy = copy;
	A->ops->scaleaddi = scaleAddI;
}


unsigned long long SUNMatrixSparseOps::fixPattern(SUNMatrix A) {
	FixedPatternContent * c = own(A);
	if (c == nullptr)
		return 0;
	const sunindextype n = std::min(SM_ROWS_S(A), SM_COLUMNS_S(A));
	if (c->diagonal == nullptr)
		c->diagonal = static_cast<sunindextype *>(std::malloc(sizeof(sunindextype)*static_cast<std::size_t>(n)));
	if (c->diagonal != nullptr && !findDiagonal(A, c->diagonal)) {
		std::free(c->diagonal); // scaleAddI() leaves the new structure to the library
		c->diagonal = nullptr;
	}
	c->key = ++lastPatternKey;
	return c->key;
}


bool SUNMatrixSparseOps::holdsPattern(SUNMatrix A, unsigned long long key) {
	return key != 0 && fixedKey(A) == key;
}

} // namespace VUREDO
