#ifndef VUREDO_NVectorSerialOpsH
#define VUREDO_NVectorSerialOpsH

#include <sundials/sundials_nvector.h>

namespace VUREDO {

/*! Compiled replacements of the serial N_Vector operations that CVODE calls in every step
	(linear sums, scaling, norms and the fused multi-vector operations).

	The distribution's SUNDIALS build is not optimised, so these loops otherwise dominate
	the cost of a step for models of a few hundred unknowns. Installed on a serial vector,
	they are inherited by every vector cloned from it, so installing them on the state
	vector before CVodeInit() covers all of CVODE's work vectors. The results are those of
	the library's operations (element-wise, same formulas).
*/
class NVectorSerialOps {
public:
	/*! Replaces the operations of the serial vector v. */
	static void install(N_Vector v);
};

} // namespace VUREDO

#endif // VUREDO_NVectorSerialOpsH
