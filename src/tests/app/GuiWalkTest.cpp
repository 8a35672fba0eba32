// The seeded random walk through the main window with the seeds of the CI run; with
// "--seed S" on the command line the walk of that seed is played instead (see GuiWalk).
#include <string>

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>

#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "GuiWalk.h"

namespace {

/*! Actions of each CI seed. */
const int CI_ACTIONS = 500;

/*! Plays one walk; odd seeds in the English, even seeds in the German number format. */
void playWalk(const GuiWalk::Options & options) {
	// the number format the program sets for its language: no group separators
	GuiTest::ScopedLocale locale(options.m_seed % 2 == 0 ? QLocale::German : QLocale::English);
	GuiWalk walk(options, GuiTest::homeDir() + QString("/walk-%1").arg(options.m_seed));
	walk.run();
	EXPECT_EQ(walk.failure(), QString());
	EXPECT_EQ(walk.actionsPlayed(), options.m_actions);
}

class GuiWalkTest : public ::testing::TestWithParam<unsigned int> {};

class GuiWalkReplay : public ::testing::Test {
public:
	void TestBody() override { playWalk(GuiWalk::commandLineOptions()); }
};

} // namespace


TEST_P(GuiWalkTest, NoActionBreaksAnInvariant) {
	GuiWalk::Options options;
	options.m_seed = GetParam();
	options.m_actions = CI_ACTIONS;
	playWalk(options);
}

// named by seed: "--seed S" replays the walk of CiSeeds/GuiWalkTest.*/seedS
INSTANTIATE_TEST_SUITE_P(CiSeeds, GuiWalkTest, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u),
						 [](const ::testing::TestParamInfo<unsigned int> & param) {
							 return "seed" + std::to_string(param.param);
						 });


// The same seed plays the same actions twice: a failure found once replays with its seed.
TEST(GuiWalkDeterminism, ASeedPlaysTheSameActionsTwice) {
	GuiWalk::Options options;
	options.m_seed = 3;
	options.m_actions = 150;
	GuiTest::ScopedLocale locale(QLocale::English);
	QStringList logs[2];
	for (int run = 0; run < 2; ++run) {
		GuiWalk walk(options, GuiTest::homeDir() + QString("/walk-twice-%1").arg(run));
		walk.run();
		ASSERT_EQ(walk.failure(), QString());
		logs[run] = walk.actionLog();
	}
	ASSERT_EQ(logs[0].size(), logs[1].size());
	for (int i = 0; i < logs[0].size(); ++i)
		ASSERT_EQ(logs[0][i], logs[1][i]) << "line " << i;
}


void GuiWalk::registerReplay() {
	::testing::RegisterTest("GuiWalkReplay", "CommandLineSeed", nullptr, nullptr, __FILE__, __LINE__,
							[]() -> ::testing::Test * { return new GuiWalkReplay; });
	::testing::GTEST_FLAG(filter) = "GuiWalkReplay.CommandLineSeed";
}
