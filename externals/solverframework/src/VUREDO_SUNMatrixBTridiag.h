#ifndef VUREDO_SUNMatrixBTridiagH
#define VUREDO_SUNMatrixBTridiagH

#include <sundials/sundials_context.h>
#include <sundials/sundials_matrix.h>

namespace VUREDO {

class BTridiagMatrix;

/*! The block-tridiagonal matrix as a SUNDIALS matrix (SUNMATRIX_CUSTOM).

	The content is a BTridiagMatrix. The operations are those CVODE's linear-solver
	interface needs for a direct solver: clone (for the saved Jacobian), destroy, zero,
	copy, scaleaddi (A = c*A + I), matvec and space.
*/
class SUNMatrixBTridiag {
public:
	/*! A new zero matrix of nBlocks blocks of blockSize; null when a size is 0 or
		the allocation fails. */
	static SUNMatrix create(unsigned int nBlocks, unsigned int blockSize, SUNContext ctx);
	/*! The block storage of a matrix created by create(). */
	static BTridiagMatrix & matrix(SUNMatrix A);
	/*! True when A was created by create(). */
	static bool isBTridiag(SUNMatrix A);

private:
	SUNMatrixBTridiag() = delete;
};

} // namespace VUREDO

#endif // VUREDO_SUNMatrixBTridiagH
