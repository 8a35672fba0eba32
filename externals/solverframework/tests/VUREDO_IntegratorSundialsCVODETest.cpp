#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include <nvector/nvector_serial.h>

#include <BVX_Exception.h>

#include <VUREDO_SolverControlFramework.h>

#include "VUREDO_TestModels.h"

using namespace VUREDO;
using VUREDOTest::CapturingMessageHandler;
using VUREDOTest::TestRod;

namespace {

std::vector<std::string> messageStack(const BVX::Exception & ex) {
	std::vector<std::string> msgs;
	for (const BVX::Exception::MsgInfo & m : ex.messages())
		msgs.push_back(m.m_what);
	return msgs;
}

/*! Runs the model through the framework; returns the exception's message stack (empty on success). */
std::vector<std::string> runModel(TestRod & model) {
	SolverControlFramework fw(&model);
	try {
		fw.restart(0);
	}
	catch (BVX::Exception & ex) {
		return messageStack(ex);
	}
	return std::vector<std::string>();
}

} // namespace


TEST(IntegratorSundialsCVODE, SingleNodeCoolsExponentially) {
	// one cell between equal end values: T' = -4a/dx^2 (T - Te), tau = dx^2/(4a) = 10000 s
	CapturingMessageHandler messages;
	for (const char * les : { "Dense", "Band", "KLU" }) {
		TestRod model(1, les, 36000);
		model.m_dx = 0.2;
		model.m_tLeft = model.m_tRight = 10;
		model.m_y0[0] = 30;
		if (std::string(les) == "Band")
			model.m_les.reset(new LESBand(0, 0));
		ASSERT_TRUE(runModel(model).empty()) << les;
		ASSERT_EQ(model.m_outputs.size(), 11u) << les;
		for (const auto & out : model.m_outputs) {
			double expected = 10 + 20 * std::exp(-out.first / 10000);
			EXPECT_NEAR(out.second[0], expected, 1e-5) << les << " t=" << out.first;
		}
	}
}


TEST(IntegratorSundialsCVODE, DirectSolversReachLinearSteadyStateAndAgree) {
	CapturingMessageHandler messages;
	std::vector<std::vector<std::pair<double, std::vector<double> > > > results;
	for (const char * les : { "Dense", "Band", "KLU" }) {
		TestRod model(20, les, 40 * 86400.0);
		ASSERT_TRUE(runModel(model).empty()) << les;
		const std::vector<double> & yEnd = model.m_outputs.back().second;
		EXPECT_EQ(model.m_outputs.back().first, 40 * 86400.0);
		for (unsigned int i = 0; i < 20; ++i)
			EXPECT_NEAR(yEnd[i], model.steadyState(i), 1e-5) << les << " node " << i;
		results.push_back(model.m_outputs);
	}
	for (std::size_t s = 1; s < results.size(); ++s) {
		ASSERT_EQ(results[s].size(), results[0].size());
		for (std::size_t k = 0; k < results[0].size(); ++k) {
			EXPECT_EQ(results[s][k].first, results[0][k].first);
			for (unsigned int i = 0; i < 20; ++i)
				ASSERT_NEAR(results[s][k].second[i], results[0][k].second[i], 1e-4) << "solver " << s << " output " << k;
		}
	}
}


TEST(IntegratorSundialsCVODE, InsulatedRodConservesHeat) {
	CapturingMessageHandler messages;
	TestRod model(15, "KLU", 5 * 86400.0);
	model.m_insulated = true;
	for (unsigned int i = 0; i < 15; ++i)
		model.m_y0[i] = 10.0 * i;
	double total0 = std::accumulate(model.m_y0.begin(), model.m_y0.end(), 0.0);
	ASSERT_TRUE(runModel(model).empty());
	for (const auto & out : model.m_outputs)
		EXPECT_NEAR(std::accumulate(out.second.begin(), out.second.end(), 0.0), total0, 1e-6 * total0) << out.first;
	// and the profile flattens to the mean
	for (double v : model.m_outputs.back().second)
		EXPECT_NEAR(v, total0 / 15, 1e-3);
}


TEST(IntegratorSundialsCVODE, RecoverableErrorIsRetried) {
	CapturingMessageHandler messages;
	TestRod model(10, "KLU", 36000);
	bool reported = false;
	model.m_ydotHook = [&reported](double t) {
		if (t >= 5000 && !reported) {
			reported = true;
			return 1;
		}
		return 0;
	};
	EXPECT_TRUE(runModel(model).empty());
	EXPECT_TRUE(reported);
	EXPECT_TRUE(messages.contains("ydot() function (in physical model) returned with 'recoverable error' at time t=",
								  BVX::MSG_WARNING));
	EXPECT_EQ(model.m_outputs.back().first, 36000);
}


TEST(IntegratorSundialsCVODE, FailuresInsideCallbacksEndTheRunWithMessageStack) {
	struct Case {
		const char *				name;
		const char *				les;
		std::function<int(double)>	hook;
		std::vector<std::string>	stack;
	};
	const std::vector<Case> cases = {
		{ "abort", "KLU", [](double t) { return t >= 7200 ? 2 : 0; },
		  { "Error during integrator step call.", "Error during integration." } },
		{ "other code", "Dense", [](double t) { return t >= 7200 ? 5 : 0; },
		  { "Error during integrator step call.", "Error during integration." } },
		{ "model exception", "KLU", [](double t) -> int {
			if (t >= 7200) throw BVX::Exception("Model broke.", "[TestRod::ydot]");
			return 0; },
		  { "Model broke.", "Error during integrator step call.", "Error during integration." } },
		{ "std exception", "Band", [](double t) -> int {
			if (t >= 7200) throw std::runtime_error("bad alloc");
			return 0; },
		  { "bad alloc", "Error during integrator step call.", "Error during integration." } },
	};
	for (const Case & c : cases) {
		CapturingMessageHandler messages;
		TestRod model(10, c.les, 36000);
		model.m_ydotHook = c.hook;
		EXPECT_EQ(runModel(model), c.stack) << c.name;
		EXPECT_TRUE(messages.contains("Error in CVODE Integrator module 'CVODE', function 'CVode':", BVX::MSG_ERROR)) << c.name;
		// no output beyond the failure
		EXPECT_LT(model.m_outputs.back().first, 7200 + 3600) << c.name;
	}
}


TEST(IntegratorSundialsCVODE, ModelErrorWeights) {
	CapturingMessageHandler messages;
	TestRod model(10, "KLU", 36000);
	model.m_errorWeights = true;
	EXPECT_TRUE(runModel(model).empty());

	// a failing weight function must fail the run, not pass unnoticed
	TestRod failing(10, "KLU", 36000);
	failing.m_errorWeights = true;
	failing.m_ewtResult = 2;
	std::vector<std::string> stack = runModel(failing);
	ASSERT_FALSE(stack.empty());
	EXPECT_EQ(stack.back(), "Error during integration.");
}


TEST(IntegratorSundialsCVODE, AbsTolVecSize) {
	CapturingMessageHandler messages;
	TestRod shortVec(10, "KLU", 3600);
	shortVec.m_cvode.m_absTolVec.assign(9, 1e-8);
	std::vector<std::string> stack = runModel(shortVec);
	std::vector<std::string> expected = { "Invalid size of absTolVec.", "Initialization of Integrator failed." };
	EXPECT_EQ(stack, expected);

	// surplus entries are ignored
	TestRod longVec(10, "KLU", 3600);
	longVec.m_cvode.m_absTolVec.assign(12, 1e-8);
	EXPECT_TRUE(runModel(longVec).empty());
}


TEST(IntegratorSundialsCVODE, StopTimeStateAndInterpolation) {
	CapturingMessageHandler messages;
	TestRod model(10, "KLU", 36000);
	IntegratorSundialsCVODE & cvode = model.m_cvode;
	cvode.m_stopTime = 5000;
	cvode.init(&model, 0, model.y0(), model.lesInterface(), nullptr, model.jacobianInterface());
	EXPECT_EQ(cvode.t(), 0.0);
	EXPECT_EQ(cvode.dt(), 1.0);
	// the state at the integrator time is the state vector itself
	EXPECT_EQ(cvode.y_out(0), NV_DATA_S(cvode.stateVector()));

	int steps = 0;
	while (cvode.t() < 5000 && steps < 10000) {
		ASSERT_EQ(cvode.step(), 1);
		++steps;
	}
	EXPECT_EQ(cvode.t(), 5000.0);
	EXPECT_GT(cvode.dt(), 0.0);

	// within the last step: interpolation; just beyond tn: the state at tn; far beyond: error
	double tMid = cvode.t() - 0.5 * cvode.dt();
	const double * yMid = cvode.y_out(tMid);
	EXPECT_NE(yMid, NV_DATA_S(cvode.stateVector()));
	EXPECT_EQ(cvode.y_out(cvode.t() + 5e-9), NV_DATA_S(cvode.stateVector()));
	try {
		cvode.y_out(cvode.t() + 100);
		FAIL() << "extrapolation accepted";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Cannot interpolate values.");
	}
}


TEST(IntegratorSundialsCVODE, StatisticsFile) {
	CapturingMessageHandler messages;
	std::filesystem::path dir = std::filesystem::temp_directory_path() / "vuredo_cvode_stats";
	std::filesystem::create_directories(dir);
	TestRod model(10, "KLU", 7200);
	IntegratorSundialsCVODE & cvode = model.m_cvode;
	cvode.init(&model, 0, model.y0(), model.lesInterface(), nullptr, model.jacobianInterface());
	cvode.writeStatisticsHeader(dir.string(), false);
	cvode.writeStatistics(); // before the first step: nothing
	ASSERT_EQ(cvode.step(), 1);
	cvode.writeStatistics();
	cvode.flushStatistics(); // lines are buffered until then

	std::ifstream in((dir / "integrator_cvode_stats.tsv").string());
	std::vector<std::string> lines;
	for (std::string line; std::getline(in, line); )
		lines.push_back(line);
	ASSERT_EQ(lines.size(), 2u);
	EXPECT_EQ(lines[0], "                 Time [s]\t     Steps\t  RhsEvals\t LinSetups\t  NIters\t NConvFails\t"
						"  NErrFails\t Order\t  StepSize [s]");
	// first step: time with 10 decimals in 25 characters, then the step count
	ASSERT_GT(lines[1].size(), 37u);
	EXPECT_EQ(lines[1][25], '\t');
	EXPECT_EQ(lines[1].substr(26, 11), "         1\t");
	EXPECT_NEAR(std::stod(lines[1].substr(0, 25)), cvode.t(), 1e-10);
	std::filesystem::remove_all(dir);
}
