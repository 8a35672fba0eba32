#ifndef VUREDO_CVodeStateSerializationH
#define VUREDO_CVodeStateSerializationH

#include <cstddef>
#include <cstdint>
#include <string>

#include <sundials/sundials_nvector.h>

namespace VUREDO {

/*! Byte form of the state of a CVODE integrator memory and of its Krylov linear-solver
	interface, for checkpoints held in memory.

	The routines read and write CVODE's internal memory records, whose layout is known for
	SUNDIALS 6.4 only. Before the first use a guard checks the loaded library's version and
	compares a probe integration's fields, read through the records, with the library's
	public getters. When a guard fails the serialisation is unavailable: the size routines
	return 0 and the write and read routines throw, without touching any memory.

	Record layout (tag "2IMF", version 1): fields of the older library series that 6.4 no
	longer has are written as constants or their 6.4 equivalents and ignored on reading:
	the iteration type (2, Newton), the Newton iterations of the current step (0), the
	maximum corrector iterations (the configured value), the setup-present flag (the
	linear-solver setup hook is set); in the Krylov part sqrt(N) (the norm factor),
	delta-r and delta (derived from the linear convergence factor and the test quantity).
	Counters that are long in 6.4 are stored in 32 bits; a value that does not fit throws.

	Not stored, because the layout has no place for it: the step-size adaptivity settings,
	the saved Jacobian and the factorisation of the matrix-based linear solvers and of the
	library's band preconditioner, and the scratch data of the fused vector kernels. A
	restored integrator with such data sets up its linear solver with a fresh Jacobian on
	its next step (CVodeLinearSolverHasUnsavedData(), CVodeRequestLinearSetup()). The
	nonlinear-solver failure count restarts at the number of step failures.

	A state is read only into a memory of the same problem (size, method, tolerance type,
	number of root functions), initialised the normal way; otherwise the routines throw
	before anything is changed. The routines do not check the buffer size: obtain it with
	mode 2.
*/

/*! Modes of CVodeSerializeState(). */
enum CVodeStateMode {
	CVODE_STATE_WRITE = 0,
	CVODE_STATE_READ = 1,
	CVODE_STATE_SIZE = 2,
	/*! Reads nothing into memory: only checks that the data fits the memory's problem. */
	CVODE_STATE_CHECK = 3
};

/*! Writes, reads or measures the CVODE state. Returns the bytes handled (mode 2: the size)
	and advances *dataPtr by the same amount (not in mode 2 or 3). On reading (and checking)
	data not starting with "2IMF" returns -1, a version other than 1 returns -2, both
	before anything is changed. Throws BVX::Exception for data of another problem and when
	the serialisation is unavailable (mode 2 returns 0 then).
*/
std::int64_t CVodeSerializeState(int mode, void * cvodeMem, void ** dataPtr);
std::int64_t CVodeSerialize(void * cvodeMem, void ** dataPtr);
std::int64_t CVodeDeserialize(void * cvodeMem, void ** dataPtr);
std::int64_t CVodeSerializationSize(void * cvodeMem);

/*! Writes the vector as unsigned 64-bit length and its values; returns 8 * length and
	advances the pointer past the data. */
std::size_t NVectorSerialize(void ** dataPtr, N_Vector v);
/*! Reads a vector written by NVectorSerialize(); a stored length other than the vector's
	throws before anything is changed. Returns 8 * length. */
std::size_t NVectorDeserialize(void ** dataPtr, N_Vector v);

/*! Krylov state of the linear-solver interface attached to the CVODE memory, 64 bytes. */
std::size_t CVSpilsSerialize(void * cvodeMem, void ** dataPtr);
std::size_t CVSpilsDeserialize(void * cvodeMem, void ** dataPtr);
/*! 64, or 0 when the serialisation is unavailable. */
std::size_t CVSpilsSerializationSize(void * cvodeMem);

/*! True when the linear-solver interface keeps data outside the state: the matrix
	of a matrix-based solver or a preconditioner module of the library. */
bool CVodeLinearSolverHasUnsavedData(void * cvodeMem);

/*! Makes the next step of a restored integrator set up its linear solver with a freshly
	evaluated Jacobian (CVODE would otherwise reuse a factorisation the restored memory
	does not have). */
void CVodeRequestLinearSetup(void * cvodeMem);

/*! Prepares a freshly initialised CVODE memory for reading a state: runs CVODE's initial
	set-up (error weights, linear and nonlinear solver initialisation) that a memory with
	steps already taken would otherwise never run. Calls the right-hand side once. */
void CVodePrepareForDeserialize(void * cvodeMem);

/*! True when the guards passed; otherwise false with the reason in *reason (if given). */
bool CVodeSerializationAvailable(std::string * reason = nullptr);

/*! Test hook: makes the guard report a failed probe (true) or run normally (false). */
void CVodeSerializationSimulateProbeFailure(bool fail);

} // namespace VUREDO

#endif // VUREDO_CVodeStateSerializationH
