#ifndef VUREDO_IntegratorSundialsCVODEH
#define VUREDO_IntegratorSundialsCVODEH

#include <memory>

#include <sundials/sundials_context.h>
#include <sundials/sundials_linearsolver.h>
#include <sundials/sundials_matrix.h>
#include <sundials/sundials_nvector.h>

#include "VUREDO_IntegratorErrorControlled.h"

namespace VUREDO {

class CVODERunRecord;

/*! BDF/Newton integrator on SUNDIALS CVODE (serial vectors).

	The linear solver is chosen and attached by the LES object passed to init(); it
	creates its SUNDIALS matrix and solver with sunContext() and stateVector() and hands
	them over with attachLinearSolver(). All SUNDIALS objects of a run belong to the
	run record and are freed by the next init() or the destructor.

	The state can be serialised (VUREDO_CVodeStateSerialization.h). Not part of it: the
	step-size adaptivity settings, the saved Jacobian and factorisation of matrix-based
	linear solvers and of the library's band preconditioner, and the fused-kernel scratch
	data; a restored integrator re-creates them on its next linear setup, which
	deserialize() makes due on the next step.
*/
class IntegratorSundialsCVODE : public IntegratorErrorControlled {
public:
	IntegratorSundialsCVODE();
	~IntegratorSundialsCVODE() override;

	const char * identifier() const override { return "CVODE"; }
	void init(ModelInterface * model, double t0, const double * y0, LESInterface * lesSolver,
			  PrecondInterface * precond, JacobianInterface * jacobian) override;
	int step() override;
	double t() const override;
	double dt() const override;
	const double * y_out(double t) const override;

	void writeStatisticsHeader(const std::string & logDirectory, bool restart) override;
	void writeStatistics() override;
	void flushStatistics() override;
	void writeMetrics(double wallClockSeconds, std::ostream * summary) override;

	/*! CVODE state, then the state vector (64-bit length and values), t and dt;
		0 before init and when the state serialisation is unavailable. */
	std::size_t serializationSize() const override;
	/*! Throws when not initialised or when the state serialisation is unavailable. */
	void serialize(void *& dataPtr) const override;
	/*! Reads a state written by serialize() of an integrator of the same problem into
		this initialised integrator. Data of another problem, or a wrong tag or version,
		throw before anything is changed. With a matrix-based linear solver or the
		library's band preconditioner the next step sets up the linear solver with a
		fresh Jacobian. */
	void deserialize(void *& dataPtr) override;

	/*! CVODE memory of the current run (null before init). */
	void * cvodeMem() const;
	/*! SUNDIALS context of the current run (null before init). */
	SUNContext sunContext() const;
	/*! CVODE's state vector of the current run (template for SUNDIALS solvers). */
	N_Vector stateVector() const;
	/*! Run record of the current run, the user data of all callbacks (null before init). */
	CVODERunRecord * runRecord() const { return m_runRecord.get(); }

	/*! Attaches a linear solver (and its matrix, null for matrix-free solvers) to the
		CVODE memory. The run record takes ownership of both, whatever the outcome.
		LS is wrapped into a TimedLinearSolver (timer slots 1, 2, 4): apply solver-specific
		settings (SUNLinSol_SPGMRSet... etc.) to LS before attaching it.
		Returns CVodeSetLinearSolver's result; -4 (memory failure) when LS is null.
	*/
	int attachLinearSolver(SUNMatrix A, SUNLinearSolver LS);

	/*! CVODE minimum step size. */
	double	m_minStep;
	/*! Maximum step size in s. */
	double	m_maxStep;
	/*! Maximum BDF order. */
	int		m_maxOrder;
	/*! Maximum number of internal steps per CVode() call. */
	int		m_maxSteps;
	/*! Maximum Newton iterations per step, 0 keeps CVODE's default. */
	int		m_maxNonLinIters;
	/*! Non-linear convergence coefficient, 0 keeps CVODE's default. */
	double	m_nonLinConvCoef;
	/*! BDF stability limit detection. */
	bool	m_stabLimDet;

private:
	void setupTolerances();
	void setupOptionalSettings();
	void initSolverComponents(LESInterface * lesSolver, PrecondInterface * precond, JacobianInterface * jacobian);
	void readCounters();

	std::unique_ptr<CVODERunRecord>	m_runRecord;
};

} // namespace VUREDO

#endif // VUREDO_IntegratorSundialsCVODEH
