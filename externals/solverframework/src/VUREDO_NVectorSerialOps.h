#ifndef VUREDO_NVectorSerialOpsH
#define VUREDO_NVectorSerialOpsH

#include <sundials/sundials_nvector.h>

namespace VUREDO {

/*! Compiled replacements of the serial N_Vector operations that CVODE calls in every step
	(linear sums, scaling, norms and the fused multi-vector operations).

	The distribution's SUNDIALS build is not optimised, so these loops otherwise dominate
	the cost of a step for models of a few hundred unknowns. Installed on a serial vector,
	they are inherited by every vector cloned from it, so installing them on the state
	vector before CVodeInit() covers all of CVODE's work vectors.

	The element-wise operations use the library's formulas and come in one variant per
	instruction set, all compiled without contraction into fused multiply-add, so every
	variant gives the same bits. The weighted root-mean-square norm sums sequentially like
	the library: the integrator's error test compares it with 1, so a sum in another order
	would change the step sequence and every result at rounding level.
*/
class NVectorSerialOps {
public:
	/*! Instruction sets of the element-wise loops. */
	enum InstructionSet {
		Baseline,	///< x86-64 baseline (SSE2), or the plain loop on other machines
		AVX2,
		AVX512
	};

	/*! Replaces the operations of the serial vector v with the fastest variant the
		processor supports. */
	static void install(N_Vector v);
	/*! Replaces the operations of v with the given variant (must be supported). */
	static void install(N_Vector v, InstructionSet isa);

	/*! True when the processor (and this build) supports the variant. */
	static bool supported(InstructionSet isa);
	/*! The variant install(v) chooses on this processor. */
	static InstructionSet best();
};

} // namespace VUREDO

#endif // VUREDO_NVectorSerialOpsH
