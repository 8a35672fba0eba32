#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <BVX_MessageHandler.h>

#include <VUREDO_SolverStatistics.h>

#include "VUREDO_TestModels.h"

using VUREDOTest::CapturingMessageHandler;

namespace {

std::string fileContent(const std::filesystem::path & p) {
	std::ifstream in(p.string());
	std::ostringstream s;
	s << in.rdbuf();
	return s.str();
}

} // namespace


TEST(SolverStatistics, openStatisticsFileTruncatesOrAppends) {
	CapturingMessageHandler messages;
	const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vuredo_statistics_file";
	std::filesystem::create_directories(dir);
	const std::string fname = (dir / "stats.tsv").string();
	{
		std::ofstream old(fname);
		old << "old\n";
	}
	{
		std::unique_ptr<std::ofstream> f = VUREDO::openStatisticsFile(fname, false, "[Test]");
		ASSERT_TRUE(f);
		*f << "first\n";
	}
	EXPECT_EQ(fileContent(fname), "first\n");
	{
		std::unique_ptr<std::ofstream> f = VUREDO::openStatisticsFile(fname, true, "[Test]");
		ASSERT_TRUE(f);
		*f << "second\n";
	}
	EXPECT_EQ(fileContent(fname), "first\nsecond\n");
	EXPECT_TRUE(messages.m_messages.empty());
	std::filesystem::remove_all(dir);
}


TEST(SolverStatistics, openStatisticsFileWarnsAndReturnsNullOnFailure) {
	CapturingMessageHandler messages;
	const std::string fname = "/nonexistent-vuredo-dir/sub/stats.tsv";
	EXPECT_FALSE(VUREDO::openStatisticsFile(fname, false, "[Test::header]"));
	ASSERT_EQ(messages.m_messages.size(), 1u);
	EXPECT_EQ(messages.m_messages[0].m_text, "Cannot open statistics file '" + fname + "'.");
	EXPECT_EQ(messages.m_messages[0].m_type, BVX::MSG_WARNING);
	EXPECT_EQ(messages.m_messages[0].m_functionID, "[Test::header]");
}


TEST(SolverStatistics, stepSizeColumnSwitchesToScientificForTinySteps) {
	std::ostringstream out;
	VUREDO::writeStepSizeColumn(out, 120.5);
	VUREDO::writeStepSizeColumn(out, 1e-5);
	VUREDO::writeStepSizeColumn(out, 2.5e-6);
	EXPECT_EQ(out.str(), "    120.500000\n      0.000010\n2.50000000e-06\n");
}


TEST(SolverStatistics, percentageIsZeroWithoutWallClockTime) {
	EXPECT_DOUBLE_EQ(VUREDO::percentage(2, 8), 25);
	EXPECT_EQ(VUREDO::percentage(2, 0), 0.0);
	EXPECT_EQ(VUREDO::percentage(2, -1), 0.0);
}


TEST(SolverStatistics, integratorMetricsLogShowsCountersInFixedColumns) {
	CapturingMessageHandler messages;
	const VUREDO::IntegratorCounters c = { 12, 34, 5, 6, 78, 9 };
	VUREDO::writeIntegratorMetricsLog(c, 0, "[Test::metrics]");
	ASSERT_EQ(messages.m_messages.size(), 7u);
	EXPECT_EQ(messages.m_messages[0].m_text,
			  "Integrator: Steps                          =                                12\n");
	EXPECT_EQ(messages.m_messages[1].m_text,
			  "Integrator: Newton iterations              =                                34\n");
	EXPECT_EQ(messages.m_messages[2].m_text,
			  "Integrator: Newton convergence failures    =                                 5\n");
	EXPECT_EQ(messages.m_messages[3].m_text,
			  "Integrator: Error test failures            =                                 6\n");
	// timed lines end with the count in 8 characters; the LES solves are the Newton iterations
	const char * const ends[] = { "(Newton)   = ", "setup                      = ", "solve                      = " };
	const char * const counts[] = { "      78\n", "       9\n", "      34\n" };
	for (int i = 0; i < 3; ++i) {
		const std::string & t = messages.m_messages[4 + i].m_text;
		EXPECT_NE(t.find(ends[i]), std::string::npos) << t;
		EXPECT_NE(t.find("( 0.00 %)"), std::string::npos) << t;
		ASSERT_GE(t.size(), 9u);
		EXPECT_EQ(t.substr(t.size() - 9), counts[i]) << t;
	}
	for (const CapturingMessageHandler::Message & m : messages.m_messages) {
		EXPECT_EQ(m.m_type, BVX::MSG_PROGRESS);
		EXPECT_EQ(m.m_functionID, "[Test::metrics]");
	}
}
