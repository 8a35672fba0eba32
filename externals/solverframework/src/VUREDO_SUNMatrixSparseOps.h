#ifndef VUREDO_SUNMatrixSparseOpsH
#define VUREDO_SUNMatrixSparseOpsH

#include <sundials/sundials_matrix.h>

namespace VUREDO {

/*! Compiled replacements of the sparse matrix operations that CVODE calls at every
	linear-solver setup (zero, copy and M = c*A + I).

	The distribution's SUNDIALS build is not optimised, and these operations run over all
	stored entries at every setup. Installed on a sparse matrix, they are also installed on
	its clones (CVODE's saved Jacobian). Results are those of the library's operations; cases
	that need a new sparsity structure (a missing diagonal entry, too little storage) are
	left to the library.

	A matrix whose pattern is fixed (fixPattern()) keeps it: zero() clears only the values,
	copy() between matrices of the same fixed pattern copies only the values, and
	scaleAddI() adds the identity at the diagonal positions found once. An explicitly
	stored zero is a zero, so the results stay those of the library.
*/
class SUNMatrixSparseOps {
public:
	/*! Replaces the operations of the sparse matrix A. */
	static void install(SUNMatrix A);

	/*! Marks the pattern now stored in A (operations installed) as fixed and finds its
		diagonal positions. Returns the key of the pattern, 0 if A has no installed operations.
	*/
	static unsigned long long fixPattern(SUNMatrix A);

	/*! True when A still holds the fixed pattern with the given key (also true for the
		matrices that received it by copy()).
	*/
	static bool holdsPattern(SUNMatrix A, unsigned long long key);
};

} // namespace VUREDO

#endif // VUREDO_SUNMatrixSparseOpsH
