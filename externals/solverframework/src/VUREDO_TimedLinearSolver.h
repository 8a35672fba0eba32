#ifndef VUREDO_TimedLinearSolverH
#define VUREDO_TimedLinearSolverH

#include <sundials/sundials_linearsolver.h>

namespace VUREDO {

/*! A SUNDIALS linear solver that forwards every operation to an inner solver and
	measures setup and solve in the indexed solver timers: setup in slot 1 (and, for
	direct solvers, slot 4: the factorisation), solve in slot 2.

	CVODE treats the wrapper exactly like the inner solver: operations the inner solver
	lacks stay null in the wrapper, so CVODE's capability checks give the same answers.
*/
class TimedLinearSolver {
public:
	/*! Creates the wrapper, which owns the inner solver from then on (freeing the
		wrapper frees both). Returns null (and frees nothing) when inner is null or the
		wrapper cannot be allocated.
	*/
	static SUNLinearSolver wrap(SUNLinearSolver inner);
	/*! The inner solver of a wrapper created by wrap(). */
	static SUNLinearSolver inner(SUNLinearSolver wrapper);

private:
	TimedLinearSolver() = delete;
};

} // namespace VUREDO

#endif // VUREDO_TimedLinearSolverH
