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
*/
class SUNMatrixSparseOps {
public:
	/*! Replaces the operations of the sparse matrix A. */
	static void install(SUNMatrix A);
};

} // namespace VUREDO

#endif // VUREDO_SUNMatrixSparseOpsH
