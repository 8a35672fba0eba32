#ifndef VUREDO_SolverTimersH
#define VUREDO_SolverTimersH

namespace VUREDO {

/*! Number of indexed solver timer slots (0..24). Slots in use:
	0 right-hand-side evaluations, 1 linear-solver setup, 2 linear-solver solve,
	3 Jacobian setup, 4 matrix factorisation, 5 model evaluations for Jacobians,
	6 matrix-vector products, 7 model evaluations of DQ J*v, 8 preconditioner setup,
	9 model evaluations in preconditioner setup, 10 preconditioner solves,
	19 model output writing, 20 step-completed calculations.
*/
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
