#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <BVX_Exception.h>

#include <VUREDO_LESBand.h>
#include <VUREDO_LESDense.h>
#include <VUREDO_LESKLU.h>
#include <VUREDO_PrecondInterface.h>
#include <VUREDO_SolverControlFramework.h>

#include "VUREDO_TestModels.h"

using namespace VUREDO;
using VUREDOTest::CapturingMessageHandler;
using VUREDOTest::TestRod;

namespace {

/*! An integrator of another kind than CVODE. */
class OtherIntegrator : public IntegratorInterface {
public:
	const char * identifier() const override { return "Other"; }
	void init(ModelInterface *, double, const double *, LESInterface *, PrecondInterface *, JacobianInterface *) override {}
	int step() override { return 1; }
	double t() const override { return 0; }
	double dt() const override { return 1; }
	const double * y_out(double) const override { return nullptr; }
};

/*! A Jacobian of another kind than JacobianSparseCSR. */
class OtherJacobian : public JacobianInterface {
public:
	void init(ModelInterface *) override {}
	int setup(double, const double *, const double *, const double *, double) override { return 0; }
	int jacTimesVec(const double *, double *) const override { return 0; }
	unsigned int nRHSEvals() const override { return 0; }
};

class DummyPrecond : public PrecondInterface {
public:
	DummyPrecond() : PrecondInterface(2) {}
	int preconditionerType() const override { return m_precondType; }
	void init(ModelInterface *, IntegratorInterface *, JacobianInterface *) override {}
	int setupODE(double, const double *, const double *, const double *, bool, bool &, double) override { return 0; }
	int solve(double, const double *, const double *, const double *, const double *, double *, double, double, int) override { return 0; }
	unsigned int nRHSEvals() const override { return 0; }
};

std::string initError(LESInterface & les, ModelInterface * model, IntegratorInterface * integrator,
					  JacobianInterface * jacobian)
{
	try {
		les.init(model, integrator, nullptr, jacobian);
	}
	catch (BVX::Exception & ex) {
		return ex.what();
	}
	return std::string();
}

} // namespace


TEST(LESDirect, InitRefusesUnsupportedSetups) {
	CapturingMessageHandler messages;
	TestRod model(5, "");
	OtherIntegrator other;
	OtherJacobian otherJac;
	// a CVODE integrator with a run record, as the LES finds it during the integrator's init
	TestRod cvodeModel(5, "");
	LESDense helper;
	cvodeModel.m_cvode.init(&cvodeModel, 0, cvodeModel.y0(), &helper, nullptr, nullptr);
	JacobianSparseCSR jac(5, static_cast<unsigned int>(model.m_ja.size()), model.m_ia.data(), model.m_ja.data());

	struct Case {
		const char *						name;
		std::function<std::string()>		init;
		const char *						message;
	};
	const std::vector<Case> cases = {
		{ "KLU without model", [&] { LESKLU les; return initError(les, nullptr, &cvodeModel.m_cvode, &jac); },
		  "Missing model." },
		{ "KLU without Jacobian", [&] { LESKLU les; return initError(les, &model, &cvodeModel.m_cvode, nullptr); },
		  "Error initializing LESKLU linear solver: missing Jacobian." },
		{ "KLU with other Jacobian", [&] { LESKLU les; return initError(les, &model, &cvodeModel.m_cvode, &otherJac); },
		  "Error initializing LESKLU linear solver: only JacobianSparseCSR  is allowed." },
		{ "KLU with other integrator", [&] { LESKLU les; return initError(les, &model, &other, &jac); },
		  "Error initializing KLU linear solver: solver is only defined for CVODE integrator" },
		{ "Dense with other integrator", [&] { LESDense les; return initError(les, &model, &other, nullptr); },
		  "Error initialising Dense linear solver: solver is only defined for CVODE, IDA or implicit Euler integrator" },
		{ "Band with other integrator", [&] { LESBand les(1, 1); return initError(les, &model, &other, nullptr); },
		  "Error initializing Band linear solver: solver is only defined for CVODE, IDA or implicit Euler integrator" },
		{ "Band without model", [&] { LESBand les(1, 1); return initError(les, nullptr, &cvodeModel.m_cvode, nullptr); },
		  "Missing model." },
		{ "Band wider than the matrix", [&] { LESBand les(5, 1); return initError(les, &cvodeModel, &cvodeModel.m_cvode, nullptr); },
		  "Error initializing linear equation solver." },
	};
	for (const Case & c : cases)
		EXPECT_EQ(c.init(), c.message) << c.name;
	EXPECT_TRUE(messages.contains("CVBand init error (wrong input?)", BVX::MSG_ERROR));
}


TEST(LESDirect, WarningsForIgnoredComponents) {
	CapturingMessageHandler messages;
	DummyPrecond precond;
	TestRod model(5, "Band");
	JacobianSparseCSR jac(5, static_cast<unsigned int>(model.m_ja.size()), model.m_ia.data(), model.m_ja.data());
	model.m_cvode.init(&model, 0, model.y0(), model.lesInterface(), &precond, &jac);
	EXPECT_TRUE(messages.contains("LESBand linear solver is chosen: Preconditioner will be ignored.", BVX::MSG_WARNING));
	EXPECT_TRUE(messages.contains("LESBand linear solver is chosen: Jacobian will be ignored.", BVX::MSG_WARNING));
	LESDense dense;
	model.m_cvode.init(&model, 0, model.y0(), &dense, &precond, nullptr);
	EXPECT_TRUE(messages.contains("LESDense solver is chosen: Preconditioner will be ignored.", BVX::MSG_WARNING));
}


TEST(LESDirect, KLUCountsColouredEvaluations) {
	CapturingMessageHandler messages;
	TestRod model(12, "KLU", 86400);
	SolverControlFramework fw(&model);
	fw.restart(0);
	LESKLU & klu = dynamic_cast<LESKLU &>(*model.m_les);
	klu.updateCounters();
	ASSERT_GT(klu.nJacEvals(), 0u);
	// tridiagonal pattern: 3 colours plus the evaluation of f(y) for each Jacobian
	EXPECT_EQ(klu.nRHSEvals(), 4 * klu.nJacEvals());
	EXPECT_EQ(model.m_jacobian->nRHSEvals(), 3 * klu.nJacEvals());
}


TEST(LESDirect, StatisticsFileAppendsOnRestart) {
	CapturingMessageHandler messages;
	std::filesystem::path dir = std::filesystem::temp_directory_path() / "vuredo_les_stats";
	std::filesystem::create_directories(dir);
	TestRod model(5, "Dense", 7200);
	model.m_cvode.init(&model, 0, model.y0(), model.lesInterface(), nullptr, nullptr);
	LESInterface & les = *model.m_les;
	les.writeStatisticsHeader(dir.string(), false);
	les.writeStatistics(1.5);
	les.writeStatisticsHeader(dir.string(), true);
	les.writeStatistics(2.5);
	les.flushStatistics(); // lines are buffered until then

	std::ifstream in((dir / "LES_direct_stats.tsv").string());
	std::vector<std::string> lines;
	for (std::string line; std::getline(in, line); )
		lines.push_back(line);
	ASSERT_EQ(lines.size(), 3u);
	EXPECT_EQ(lines[0], "                    Time\t   NJacEvals\t    NRhsEvals");
	EXPECT_EQ(lines[1], "             1.5000000000\t            0\t            0");
	EXPECT_EQ(lines[2].substr(0, 25), "             2.5000000000");
	std::filesystem::remove_all(dir);
}
