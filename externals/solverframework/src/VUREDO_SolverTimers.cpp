#include "VUREDO_SolverTimers.h"

#include <chrono>
#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define VUREDO_TIMERS_USE_TSC
#endif

namespace VUREDO {

namespace {

typedef std::chrono::steady_clock Clock;

/*! Clock of the timer slots. The slots are read several times per integrator step, so on
	x86 they count the processor's time-stamp counter (a few ns per read instead of a
	system clock call); the counter's rate is measured once against the steady clock. */
inline std::uint64_t ticks() {
#ifdef VUREDO_TIMERS_USE_TSC
	return __rdtsc();
#else
	return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
										  Clock::now().time_since_epoch()).count());
#endif
}

/*! Seconds per tick; the first call measures the counter against the steady clock for 2 ms. */
double secondsPerTick() {
#ifdef VUREDO_TIMERS_USE_TSC
	static const double s = []() {
		const Clock::time_point t0 = Clock::now();
		const std::uint64_t c0 = __rdtsc();
		Clock::time_point t1 = t0;
		while (t1 - t0 < std::chrono::milliseconds(2))
			t1 = Clock::now();
		const std::uint64_t c1 = __rdtsc();
		const double seconds = std::chrono::duration<double>(t1 - t0).count();
		return c1 > c0 ? seconds/static_cast<double>(c1 - c0) : 1e-9;
	}();
	return s;
#else
	return 1e-9;
#endif
}

struct TimerSlot {
	std::uint64_t	m_start = 0;
	/*! 0 while running; a stopped slot always has a positive interval (see stop). */
	double			m_lastInterval = 1.0;
	std::uint64_t	m_accumulatedTicks = 0;
};

// Process-wide, unsynchronised: one integration at a time in one thread.
TimerSlot g_timers[SOLVER_TIMER_COUNT];
// set before the first start, so that start and stop stay free of the calibration
double g_secondsPerTick = secondsPerTick();

} // namespace


void solverTimerStart(unsigned int index) {
	if (index >= SOLVER_TIMER_COUNT)
		return;
	TimerSlot & s = g_timers[index];
	s.m_lastInterval = 0;
	s.m_start = ticks();
}


double solverTimerStop(unsigned int index) {
	if (index >= SOLVER_TIMER_COUNT)
		return 0;
	TimerSlot & s = g_timers[index];
	if (s.m_lastInterval == 0) {
		const std::uint64_t now = ticks();
		const std::uint64_t dt = now > s.m_start ? now - s.m_start : 0;
		s.m_accumulatedTicks += dt;
		// an interval below the clock's resolution must still mark the slot as stopped
		s.m_lastInterval = dt > 0 ? static_cast<double>(dt)*g_secondsPerTick : 1e-300;
	}
	return s.m_lastInterval;
}


double solverTimerValue(unsigned int index) {
	if (index >= SOLVER_TIMER_COUNT)
		return 0;
	return static_cast<double>(g_timers[index].m_accumulatedTicks)*g_secondsPerTick;
}


void solverTimerReset(unsigned int index) {
	if (index >= SOLVER_TIMER_COUNT)
		return;
	g_timers[index].m_accumulatedTicks = 0;
}


void solverTimerResetAll() {
	for (unsigned int i = 0; i < SOLVER_TIMER_COUNT; ++i) {
		g_timers[i].m_accumulatedTicks = 0;
		g_timers[i].m_lastInterval = 1.0; // not running
	}
}


const char * solverTimerClockName() {
#ifdef VUREDO_TIMERS_USE_TSC
	return "time-stamp counter";
#else
	return "steady clock";
#endif
}

} // namespace VUREDO
