#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <BVX_Exception.h>

#include <VUREDO_OutputScheduler.h>
#include <VUREDO_SolverControlFramework.h>
#include <VUREDO_SolverTimers.h>

#include "VUREDO_TestModels.h"

using namespace VUREDO;
using VUREDOTest::CapturingMessageHandler;
using VUREDOTest::TestRod;

namespace {

/*! A fresh directory below the system's temporary directory, removed afterwards. */
class TempDir {
public:
	explicit TempDir(const std::string & name) : m_path(std::filesystem::temp_directory_path() / name) {
		std::filesystem::remove_all(m_path);
		std::filesystem::create_directories(m_path);
	}
	~TempDir() { std::filesystem::remove_all(m_path); }
	std::string file(const std::string & name) const { return (m_path / name).string(); }
	std::string str() const { return m_path.string(); }
	std::filesystem::path m_path;
};

std::vector<std::string> readLines(const std::string & fname) {
	std::ifstream in(fname);
	std::vector<std::string> lines;
	for (std::string line; std::getline(in, line); )
		lines.push_back(line);
	return lines;
}

struct RestartBlock {
	double				t;
	std::int32_t		n;
	std::vector<double>	y;
};

std::vector<RestartBlock> readRestartBlocks(const std::string & fname) {
	std::ifstream in(fname, std::ios_base::binary);
	std::vector<RestartBlock> blocks;
	RestartBlock b;
	while (in.read(reinterpret_cast<char *>(&b.t), 8) && in.read(reinterpret_cast<char *>(&b.n), 4)) {
		b.y.resize(static_cast<std::size_t>(b.n));
		in.read(reinterpret_cast<char *>(b.y.data()), 8 * b.n);
		blocks.push_back(b);
	}
	return blocks;
}

class RepeatingScheduler : public OutputScheduler {
public:
	double nextOutputTime(double t) override { return t < 3600 ? 3600 : t; }
};

} // namespace


TEST(OutputScheduler, HourlyDefault) {
	OutputScheduler s;
	const std::vector<std::pair<double, double> > cases = {
		{ 0, 3600 }, { 3599.99999, 3600 }, { 3600, 7200 }, { 7199.5, 7200 }, { 7200, 10800 }, { 31532400, 31536000 } };
	for (const auto & c : cases)
		EXPECT_EQ(s.nextOutputTime(c.first), c.second) << c.first;
}


TEST(SolverControlFramework, DefaultsAndHourlyOutputs) {
	CapturingMessageHandler messages;
	TestRod model(8, "", 36000);
	model.m_useOwnIntegrator = false;
	SolverControlFramework fw(&model);
	EXPECT_TRUE(messages.contains("Using generic Dense solver!\n", BVX::MSG_PROGRESS));
	fw.restart(0);
	// t0 and every full hour up to and including tEnd, each once
	ASSERT_EQ(model.m_outputs.size(), 11u);
	for (std::size_t k = 0; k < model.m_outputs.size(); ++k)
		EXPECT_EQ(model.m_outputs[k].first, 3600.0 * k);
	EXPECT_EQ(model.m_outputs[0].second, model.m_y0);
	// stepCompleted once at the start, then after every step
	EXPECT_EQ(model.m_stepTimes.front(), 0.0);
	EXPECT_GE(model.m_stepTimes.back(), 36000.0);
}


TEST(SolverControlFramework, SummaryAndStatisticsFiles) {
	CapturingMessageHandler messages;
	TempDir dir("vuredo_framework_stats");
	TestRod model(8, "KLU", 36000);
	SolverControlFramework fw(&model);
	fw.m_logDirectory = dir.str();
	fw.restart(0);
	fw.writeStatistics();

	std::vector<std::string> keys;
	for (const std::string & line : readLines(dir.file("summary.txt"))) {
		std::size_t pos = line.find('=');
		ASSERT_NE(pos, std::string::npos) << line;
		keys.push_back(line.substr(0, pos));
	}
	const std::vector<std::string> expected = {
		"WallClockTime", "FrameworkTimeWriteOutputs", "FrameworkTimeStepCompleted",
		"IntegratorSteps", "IntegratorErrorTestFails", "IntegratorNonLinearConvFails", "IntegratorFunctionEvals",
		"IntegratorTimeFunctionEvals", "IntegratorLESSetup", "IntegratorTimeLESSetup", "IntegratorLESSolve",
		"IntegratorTimeLESSolve",
		"LESSetups", "LESJacEvals", "LESTimeJacEvals", "LESRHSEvals", "LESTimeRHSEvals" };
	EXPECT_EQ(keys, expected);

	// statistics lines after every step with outputs: 10 hours
	EXPECT_EQ(readLines(dir.file("integrator_cvode_stats.tsv")).size(), 11u);
	EXPECT_EQ(readLines(dir.file("LES_direct_stats.tsv")).size(), 11u);
	EXPECT_TRUE(messages.contains("Integrator: Steps                          =", BVX::MSG_PROGRESS));
	EXPECT_TRUE(messages.contains("LES: Matrix factorization                  =", BVX::MSG_PROGRESS));

	// the measured shares belong to this run only and stay below the wall-clock time
	double wall = std::stod(readLines(dir.file("summary.txt"))[0].substr(14));
	EXPECT_GT(solverTimerValue(0), 0.0);
	EXPECT_LE(solverTimerValue(0) + solverTimerValue(1) + solverTimerValue(2), wall);
}


TEST(SolverControlFramework, TimersAreResetForEveryRun) {
	CapturingMessageHandler messages;
	// slot 7 is not used by a direct solver run: whatever it held must be gone
	solverTimerStart(7);
	solverTimerStop(7);
	ASSERT_GT(solverTimerValue(7), 0.0);
	TestRod model(5, "KLU", 7200);
	SolverControlFramework fw(&model);
	fw.restart(0);
	EXPECT_EQ(solverTimerValue(7), 0.0);
}


TEST(SolverControlFramework, RestartFileModes) {
	CapturingMessageHandler messages;
	TempDir dir("vuredo_framework_restart");
	const unsigned int n = 6;
	const std::uintmax_t blockSize = 8 * n + 12;

	// mode 0: exactly the final block
	{
		TestRod model(n, "KLU", 4 * 86400.0);
		SolverControlFramework fw(&model);
		fw.m_restartFilename = BVX::Path(dir.file("mode0.restart"));
		fw.restart(0);
		ASSERT_EQ(std::filesystem::file_size(dir.file("mode0.restart")), blockSize);
		std::vector<RestartBlock> blocks = readRestartBlocks(dir.file("mode0.restart"));
		EXPECT_EQ(blocks[0].t, 4 * 86400.0);
		EXPECT_EQ(blocks[0].y, model.m_outputs.back().second);
	}
	// mode 1: a block per simulated day and the final one, in time order
	TestRod model(n, "KLU", 4 * 86400.0);
	SolverControlFramework fw(&model);
	fw.m_restartFilename = BVX::Path(dir.file("mode1.restart"));
	fw.m_restartFileMode = 1;
	fw.restart(0);
	std::vector<RestartBlock> blocks = readRestartBlocks(dir.file("mode1.restart"));
	ASSERT_GE(blocks.size(), 4u);
	EXPECT_EQ(std::filesystem::file_size(dir.file("mode1.restart")), blocks.size() * blockSize);
	for (std::size_t i = 1; i < blocks.size(); ++i)
		EXPECT_GT(blocks[i].t, blocks[i - 1].t);
	EXPECT_EQ(blocks.back().t, 4 * 86400.0);
	EXPECT_EQ(blocks.back().y, model.m_outputs.back().second);

	// continuing from the last block runs on to the new end time and appends
	TestRod next(n, "KLU", 40 * 86400.0);
	SolverControlFramework fw2(&next);
	fw2.m_restartFilename = BVX::Path(dir.file("mode1.restart"));
	fw2.m_restartFileMode = 1;
	fw2.restart(-1);
	ASSERT_FALSE(next.m_outputs.empty());
	// no output at t0 on a continued run: the first is the next full hour
	EXPECT_EQ(next.m_outputs.front().first, 4 * 86400.0 + 3600);
	for (unsigned int i = 0; i < n; ++i)
		EXPECT_NEAR(next.m_outputs.back().second[i], next.steadyState(i), 1e-4);
	std::vector<RestartBlock> grown = readRestartBlocks(dir.file("mode1.restart"));
	EXPECT_GT(grown.size(), blocks.size());
	EXPECT_EQ(grown[blocks.size() - 1].t, blocks.back().t);
	EXPECT_EQ(grown.back().t, 40 * 86400.0);

	// continuing from block k keeps blocks 1 .. k-1 and starts at block k-1
	TestRod third(n, "KLU", 6 * 86400.0);
	SolverControlFramework fw3(&third);
	fw3.m_restartFilename = BVX::Path(dir.file("mode1.restart"));
	fw3.m_restartFileMode = 1;
	fw3.restart(3);
	std::vector<RestartBlock> cut = readRestartBlocks(dir.file("mode1.restart"));
	EXPECT_EQ(cut[1].t, grown[1].t);
	EXPECT_EQ(third.m_stepTimes.front(), grown[1].t);
	EXPECT_FALSE(std::filesystem::exists(dir.file("mode1.restart.tmp")));
}


TEST(SolverControlFramework, RestartFileErrors) {
	CapturingMessageHandler messages;
	TempDir dir("vuredo_framework_restart_errors");
	TestRod model(5, "KLU", 7200);
	SolverControlFramework fw(&model);
	std::vector<double> y(5);
	double t = 0;

	fw.m_restartFilename = BVX::Path(dir.file("missing.restart"));
	EXPECT_FALSE(fw.readRestartFile(-1, 0, t, y.data(), nullptr));
	EXPECT_TRUE(messages.contains("Cannot open restart file '", BVX::MSG_ERROR));
	try {
		fw.restart(-1);
		FAIL() << "missing restart file accepted";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Error reading restart data.");
	}

	// the stored size is checked before any value is read
	struct Case { std::int32_t n; std::size_t values; };
	for (const Case & c : { Case{3, 3}, Case{-1, 0}, Case{1000000, 2} }) {
		std::string fname = dir.file("bad.restart");
		{
			std::ofstream out(fname, std::ios_base::binary);
			double tb = 10;
			out.write(reinterpret_cast<const char *>(&tb), 8);
			out.write(reinterpret_cast<const char *>(&c.n), 4);
			std::vector<double> v(c.values, 1.0);
			out.write(reinterpret_cast<const char *>(v.data()), static_cast<std::streamsize>(8 * v.size()));
		}
		fw.m_restartFilename = BVX::Path(fname);
		messages.m_messages.clear();
		EXPECT_FALSE(fw.readRestartFile(-1, 0, t, y.data(), nullptr)) << c.n;
		EXPECT_TRUE(messages.contains(BVX::FormatText("Size mismatch between restart file (n = %1) and size "
													  "returned by model (n = 5)").arg(c.n).str(), BVX::MSG_ERROR)) << c.n;
	}
	// more blocks requested than stored
	{
		std::ofstream out(dir.file("one.restart"), std::ios_base::binary);
		double tb = 10;
		std::int32_t nb = 5;
		out.write(reinterpret_cast<const char *>(&tb), 8);
		out.write(reinterpret_cast<const char *>(&nb), 4);
		out.write(reinterpret_cast<const char *>(y.data()), 40);
	}
	fw.m_restartFilename = BVX::Path(dir.file("one.restart"));
	EXPECT_FALSE(fw.readRestartFile(4, 0, t, y.data(), nullptr));
	EXPECT_TRUE(messages.contains("Restart file has only 1 steps stored, so we cannot continue from step #4"));
	EXPECT_TRUE(fw.readRestartFile(2, 0, t, y.data(), nullptr));
	EXPECT_EQ(t, 10.0);
}


/*! Writes that fail after their file opened (a full disk, here /dev/full) and a restart file
	that cannot be started: each is reported, none taken for success. */
TEST(SolverControlFramework, FailedRestartAndSummaryWritesAreReported) {
	if (!std::filesystem::exists("/dev/full"))
		GTEST_SKIP() << "no /dev/full";
	CapturingMessageHandler messages;
	TempDir dir("vuredo_framework_full_disk");
	const unsigned int n = 6;

	// mode 1 appends its blocks: the first one fails on the full disk
	{
		TestRod model(n, "KLU", 4 * 86400.0);
		SolverControlFramework fw(&model);
		fw.m_restartFilename = BVX::Path("/dev/full");
		fw.m_restartFileMode = 1;
		try {
			fw.restart(0);
			FAIL() << "restart block on a full disk taken for written";
		}
		catch (BVX::Exception & ex) {
			EXPECT_NE(ex.msgStack().find("Cannot write restart file '/dev/full'."), std::string::npos) << ex.msgStack();
		}
		EXPECT_LT(model.m_outputs.size(), 4*24u);
	}
	// mode 0 replaces its file, in a directory that is not there: the run does not start
	for (int mode : { 0, 1 }) {
		TestRod model(n, "KLU", 4 * 86400.0);
		SolverControlFramework fw(&model);
		fw.m_restartFilename = BVX::Path(dir.file("missing/run.restart"));
		fw.m_restartFileMode = mode;
		EXPECT_THROW(fw.restart(0), BVX::Exception) << mode;
		EXPECT_TRUE(model.m_outputs.empty()) << mode;
	}

	// the summary opens (a link to the full disk) but its lines cannot be written
	TestRod model(n, "KLU", 7200);
	SolverControlFramework fw(&model);
	fw.m_logDirectory = dir.str();
	std::filesystem::create_symlink("/dev/full", dir.file("summary.txt"));
	fw.restart(0);
	messages.m_messages.clear();
	EXPECT_FALSE(fw.writeStatistics());
	EXPECT_TRUE(messages.contains("Cannot write summary file '" + dir.str() + "/summary.txt'.", BVX::MSG_ERROR));

	// a summary that is written
	std::filesystem::remove(dir.file("summary.txt"));
	EXPECT_TRUE(fw.writeStatistics());
	EXPECT_FALSE(readLines(dir.file("summary.txt")).empty());
}


TEST(SolverControlFramework, RunErrors) {
	CapturingMessageHandler messages;
	{
		SolverControlFramework fw;
		try {
			fw.restart(0);
			FAIL();
		}
		catch (BVX::Exception & ex) {
			EXPECT_STREQ(ex.what(), "Missing model, integrator or outputScheduler.");
		}
	}
	TestRod model(5, "KLU", 36000);
	RepeatingScheduler scheduler;
	model.m_scheduler = &scheduler;
	SolverControlFramework fw(&model);
	try {
		fw.restart(0);
		FAIL() << "repeated output time accepted";
	}
	catch (BVX::Exception & ex) {
		ASSERT_EQ(ex.messages().size(), 2u);
		EXPECT_EQ(ex.messages().front().m_what, "Output scheduler returned output time 3600, which is <= last output time 3600.");
		EXPECT_EQ(ex.messages().back().m_what, "Error during integration.");
	}
}


TEST(SolverControlFramework, StatisticsReachTheFileWhenTheRunFails) {
	CapturingMessageHandler messages;
	TempDir dir("vuredo_framework_stats_fail");
	TestRod model(8, "KLU", 36000);
	// the model fails for good after 5.5 h: five hourly statistics lines are written before
	model.m_ydotHook = [](double t) { return t > 5.5*3600 ? -1 : 0; };
	SolverControlFramework fw(&model);
	fw.m_logDirectory = dir.str();
	EXPECT_THROW(fw.restart(0), BVX::Exception);
	// framework and integrator still hold the open files: the lines must be there already
	EXPECT_EQ(readLines(dir.file("integrator_cvode_stats.tsv")).size(), 6u);
	EXPECT_EQ(readLines(dir.file("LES_direct_stats.tsv")).size(), 6u);
}


TEST(SolverControlFramework, StopAfterInitAndNoRestartFile) {
	CapturingMessageHandler messages;
	TempDir dir("vuredo_framework_stop");
	TestRod model(5, "KLU", 36000);
	SolverControlFramework fw(&model);
	fw.m_stopAfterInit = true;
	fw.m_restartFilename = BVX::Path(dir.file("never.restart"));
	fw.restart(0);
	EXPECT_TRUE(messages.contains("Stopping after successful initialization of integrator.\n", BVX::MSG_PROGRESS));
	EXPECT_TRUE(model.m_outputs.empty());
	EXPECT_TRUE(model.m_stepTimes.empty());
	EXPECT_FALSE(std::filesystem::exists(dir.file("never.restart")));

	// an empty restart file name: nothing is written, and an empty log directory: no summary
	TestRod run(5, "KLU", 7200);
	SolverControlFramework fw2(&run);
	fw2.restart(0);
	fw2.writeStatistics();
	EXPECT_TRUE(std::filesystem::is_empty(dir.m_path));
	EXPECT_EQ(run.m_outputs.size(), 3u);
}
