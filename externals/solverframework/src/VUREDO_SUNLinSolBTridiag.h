#ifndef VUREDO_SUNLinSolBTridiagH
#define VUREDO_SUNLinSolBTridiagH

#include <sundials/sundials_context.h>
#include <sundials/sundials_linearsolver.h>

namespace VUREDO {

/*! Direct SUNDIALS linear solver for matrices of SUNMatrixBTridiag.

	Setup factorises the iteration matrix in place without pivoting (CVODE rebuilds it
	from the saved Jacobian before every setup); a singular diagonal block is reported
	as a recoverable failure (SUNLS_LUFACT_FAIL, the block row + 1 kept as last flag),
	fewer than four blocks as unrecoverable (SUNLS_ILL_INPUT). Solve applies the factors.
	Jacobian reuse, scaling by -gamma and the gamma-ratio correction are left to CVODE.
*/
class SUNLinSolBTridiag {
public:
	/*! A new solver; null when the allocation fails. */
	static SUNLinearSolver create(SUNContext ctx);

private:
	SUNLinSolBTridiag() = delete;
};

} // namespace VUREDO

#endif // VUREDO_SUNLinSolBTridiagH
