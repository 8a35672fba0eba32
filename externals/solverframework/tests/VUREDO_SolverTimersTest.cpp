#include <gtest/gtest.h>

#include <VUREDO_SolverTimers.h>

using namespace VUREDO;

TEST(SolverTimers, StopAccumulatesOnlyOncePerStart) {
	solverTimerResetAll();
	// a never-started slot reads 0 and a stop without start adds nothing
	EXPECT_EQ(solverTimerValue(11), 0.0);
	solverTimerStop(11);
	EXPECT_EQ(solverTimerValue(11), 0.0);

	solverTimerStart(11);
	double interval = solverTimerStop(11);
	EXPECT_GT(interval, 0.0);
	double value = solverTimerValue(11);
	EXPECT_EQ(solverTimerStop(11), interval);
	EXPECT_EQ(solverTimerValue(11), value);

	solverTimerStart(11);
	solverTimerStop(11);
	EXPECT_GT(solverTimerValue(11), value);

	solverTimerReset(11);
	EXPECT_EQ(solverTimerValue(11), 0.0);
}


TEST(SolverTimers, ResetAllClearsEverySlotAndIgnoresBadIndex) {
	for (unsigned int i = 0; i < SOLVER_TIMER_COUNT; ++i) {
		solverTimerStart(i);
		solverTimerStop(i);
	}
	solverTimerResetAll();
	for (unsigned int i = 0; i < SOLVER_TIMER_COUNT; ++i)
		EXPECT_EQ(solverTimerValue(i), 0.0) << i;
	solverTimerStart(SOLVER_TIMER_COUNT);
	EXPECT_EQ(solverTimerStop(SOLVER_TIMER_COUNT), 0.0);
	EXPECT_EQ(solverTimerValue(SOLVER_TIMER_COUNT), 0.0);
}
