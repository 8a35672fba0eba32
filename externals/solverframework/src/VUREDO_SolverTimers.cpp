#include "VUREDO_SolverTimers.h"

#include <chrono>

namespace VUREDO {

namespace {

typedef std::chrono::steady_clock Clock;

struct TimerSlot {
	Clock::time_point	m_start;
	Clock::time_point	m_stop;
	/*! 0 while running; a stopped slot always has a positive interval (see stop). */
	double				m_lastInterval = 1.0;
	double				m_accumulated = 0.0;
};

// Process-wide, unsynchronised: one integration at a time in one thread.
TimerSlot g_timers[SOLVER_TIMER_COUNT];

} // namespace


void solverTimerStart(unsigned int index) {
	if (index >= SOLVER_TIMER_COUNT)
		return;
	TimerSlot & s = g_timers[index];
	s.m_start = Clock::now();
	s.m_lastInterval = 0;
}


double solverTimerStop(unsigned int index) {
	if (index >= SOLVER_TIMER_COUNT)
		return 0;
	TimerSlot & s = g_timers[index];
	if (s.m_lastInterval == 0) {
		s.m_stop = Clock::now();
		double dt = std::chrono::duration<double>(s.m_stop - s.m_start).count();
		s.m_accumulated += dt;
		// an interval below the clock's resolution must still mark the slot as stopped
		s.m_lastInterval = dt > 0 ? dt : 1e-300;
	}
	return s.m_lastInterval;
}


double solverTimerValue(unsigned int index) {
	if (index >= SOLVER_TIMER_COUNT)
		return 0;
	return g_timers[index].m_accumulated;
}


void solverTimerReset(unsigned int index) {
	if (index >= SOLVER_TIMER_COUNT)
		return;
	g_timers[index].m_accumulated = 0;
}


void solverTimerResetAll() {
	for (unsigned int i = 0; i < SOLVER_TIMER_COUNT; ++i) {
		g_timers[i].m_accumulated = 0;
		g_timers[i].m_lastInterval = 1.0; // not running
	}
}

} // namespace VUREDO
