#ifndef VUREDO_SolverTimersH
#define VUREDO_SolverTimersH

namespace VUREDO {

/*! Indexed solver timer slots in use; the functions below take a slot or its index. */
enum SolverTimerSlot {
	ST_RightHandSide = 0,				///< model right-hand-side evaluations
	ST_LinearSetup = 1,					///< linear-solver setup
	ST_LinearSolve = 2,					///< linear-solver solve
	ST_JacobianSetup = 3,				///< Jacobian setup
	ST_Factorisation = 4,				///< matrix factorisation
	ST_JacobianModelEvaluations = 5,	///< model evaluations for Jacobians
	ST_MatrixVectorProducts = 6,		///< matrix-vector products
	ST_JvModelEvaluations = 7,			///< model evaluations of difference-quotient J*v
	ST_PreconditionerSetup = 8,			///< preconditioner setup
	ST_PreconditionerModelEvaluations = 9,	///< model evaluations in preconditioner setup
	ST_PreconditionerSolve = 10,		///< preconditioner solves
	ST_OutputWriting = 19,				///< model output writing
	ST_StepCompleted = 20				///< step-completed calculations
};

/*! Number of indexed solver timer slots (0..24). */
const unsigned int SOLVER_TIMER_COUNT = 25;

/*! Starts the slot; its last interval becomes 0, which marks it as running. */
void solverTimerStart(unsigned int index);
/*! Stops a running slot and adds the interval to the accumulated seconds; returns
	the last interval. Stopping a slot that is not running adds nothing. */
double solverTimerStop(unsigned int index);
/*! Accumulated seconds of the slot. */
double solverTimerValue(unsigned int index);
/*! Clears the accumulated seconds of the slot. */
void solverTimerReset(unsigned int index);
/*! Clears the accumulated seconds of all slots (start of a run). */
void solverTimerResetAll();

/*! Clock the slots count ("time-stamp counter" on x86, else "steady clock"). */
const char * solverTimerClockName();

/*! Starts a slot on construction and stops it on destruction, also when unwinding. */
class ScopedSolverTimer {
public:
	explicit ScopedSolverTimer(unsigned int index) : m_index(index) { solverTimerStart(index); }
	~ScopedSolverTimer() { solverTimerStop(m_index); }
	ScopedSolverTimer(const ScopedSolverTimer &) = delete;
	ScopedSolverTimer & operator=(const ScopedSolverTimer &) = delete;
private:
	unsigned int m_index;
};

} // namespace VUREDO

#endif // VUREDO_SolverTimersH
