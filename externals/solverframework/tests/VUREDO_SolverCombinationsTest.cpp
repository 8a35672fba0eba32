#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <BVX_Exception.h>

#include <VUREDO_CVODERunRecord.h>
#include <VUREDO_IntegratorImplicitEuler.h>
#include <VUREDO_IntegratorSundialsCVODE.h>
#include <VUREDO_LESBTridiag.h>
#include <VUREDO_LESBand.h>
#include <VUREDO_LESBiCGStab.h>
#include <VUREDO_LESDense.h>
#include <VUREDO_LESGMRES.h>
#include <VUREDO_LESKLU.h>
#include <VUREDO_PrecondBand.h>
#include <VUREDO_PrecondILU.h>
#include <VUREDO_SolverControlFramework.h>

#include "VUREDO_ChainModel.h"
#include "VUREDO_TestModels.h"

using namespace VUREDO;
using VUREDOTest::CapturingMessageHandler;
using VUREDOTest::ChainModel;

namespace {

struct Combination {
	const char *	m_integrator;	// "IE" or "CVODE"
	const char *	m_les;			// "Dense", "Band", "BTridiag", "GMRES", "BiCGStab", "KLU"
	const char *	m_precond;		// "", "ILU", "Band", "BandSUNDIALS" (mu != ml)
	bool			m_jacobian;
};

std::ostream & operator<<(std::ostream & o, const Combination & c) {
	return o << c.m_integrator << "+" << c.m_les << "+" << (c.m_precond[0] ? c.m_precond : "none")
			 << (c.m_jacobian ? "+Jac" : "");
}

/*! Equips the model with the components of the combination. */
void equip(ChainModel & m, const Combination & c) {
	const int b = static_cast<int>(m.m_b);
	if (std::string(c.m_integrator) == "IE") {
		IntegratorImplicitEuler * ie = new IntegratorImplicitEuler;
		ie->m_relTol = 1e-6;
		ie->m_absTol = 1e-8;
		ie->m_stopTime = m.m_tEnd;
		m.m_integrator.reset(ie);
	}
	else {
		IntegratorSundialsCVODE * cv = new IntegratorSundialsCVODE;
		cv->m_relTol = 1e-7;
		cv->m_absTol = 1e-9;
		cv->m_stopTime = m.m_tEnd;
		m.m_integrator.reset(cv);
	}
	const std::string les = c.m_les;
	if (les == "Dense") m.m_les.reset(new LESDense);
	else if (les == "Band") m.m_les.reset(new LESBand(b, b));
	else if (les == "BTridiag") m.m_les.reset(new LESBTridiag(static_cast<int>(m.m_nodes), b));
	else if (les == "GMRES") m.m_les.reset(new LESGMRES);
	else if (les == "BiCGStab") m.m_les.reset(new LESBiCGStab);
	else if (les == "KLU") m.m_les.reset(new LESKLU);
	const std::string pre = c.m_precond;
	if (pre == "ILU") m.m_precond.reset(new PrecondILU(1));
	else if (pre == "Band") m.m_precond.reset(new PrecondBand(b, b, 1));
	else if (pre == "BandSUNDIALS") m.m_precond.reset(new PrecondBand(b, b + 1, 1));
	if (c.m_jacobian)
		m.m_jacobian = m.makeJacobian();
}

/*! Integrates to tEnd (the stop time) and returns the largest deviation from the exact solution. */
double runAndCompare(ChainModel & m) {
	m.initIntegrator();
	int steps = 0;
	while (m.m_integrator->t() < m.m_tEnd) {
		EXPECT_EQ(1, m.m_integrator->step());
		if (++steps > 200000)
			break;
	}
	EXPECT_DOUBLE_EQ(m.m_tEnd, m.m_integrator->t());
	const double * y = m.m_integrator->y_out(m.m_tEnd);
	double maxErr = 0;
	for (unsigned int i = 0; i < m.n(); ++i)
		maxErr = std::max(maxErr, std::fabs(y[i] - m.exact(i, m.m_tEnd)));
	return maxErr;
}

std::string initFailure(ChainModel & m) {
	try {
		m.initIntegrator();
	}
	catch (BVX::Exception & ex) {
		return ex.msgStack();
	}
	return std::string();
}

} // namespace


// Every supported combination follows the analytic decay of the chain, with one and
// with two unknowns per node. Implicit Euler is first order: its error is larger.
TEST(SolverCombinations, AgreeWithAnalyticSolution) {
	CapturingMessageHandler messages;
	const Combination combinations[] = {
		{"IE", "Dense", "", false},
		{"IE", "Band", "", false},
		{"IE", "BTridiag", "", false},
		{"IE", "GMRES", "", false},
		{"IE", "GMRES", "", true},
		{"IE", "GMRES", "ILU", true},
		{"IE", "GMRES", "Band", true},
		{"CVODE", "BTridiag", "", false},
		{"CVODE", "KLU", "", true},
		{"CVODE", "GMRES", "", false},
		{"CVODE", "GMRES", "ILU", true},
		{"CVODE", "GMRES", "Band", true},
		{"CVODE", "GMRES", "BandSUNDIALS", false},
		{"CVODE", "GMRES", "BandSUNDIALS", true},
		{"CVODE", "BiCGStab", "", false},
		{"CVODE", "BiCGStab", "ILU", true},
		{"CVODE", "BiCGStab", "Band", true},
		{"CVODE", "BiCGStab", "BandSUNDIALS", true},
	};
	for (unsigned int b : {1u, 2u}) {
		for (const Combination & c : combinations) {
			SCOPED_TRACE(testing::Message() << c << " b=" << b);
			ChainModel m(20, b);
			equip(m, c);
			const double tol = std::string(c.m_integrator) == "IE" ? 5e-4 : 5e-6;
			EXPECT_LT(runAndCompare(m), tol);
			// a linear problem: Newton converges whenever the linear solves are sound
			if (IntegratorSundialsCVODE * cv = dynamic_cast<IntegratorSundialsCVODE *>(m.m_integrator.get())) {
				EXPECT_EQ(0, cv->runRecord()->m_numNConvFails);
			}
		}
	}
}


// The block difference quotients cost 3*b model evaluations per Jacobian, whatever the
// number of blocks; CVODE's counters see the Jacobian evaluations.
TEST(SolverCombinations, BTridiagJacobianCostUnderCVODE) {
	CapturingMessageHandler messages;
	for (unsigned int b : {1u, 2u}) {
		ChainModel m(12, b);
		equip(m, Combination{"CVODE", "BTridiag", "", false});
		runAndCompare(m);
		LESBTridiag & les = dynamic_cast<LESBTridiag &>(*m.m_les);
		les.updateCounters();
		EXPECT_GT(les.nJacEvals(), 0u);
		EXPECT_EQ(3*b*les.nJacEvals(), les.nRHSEvals());
	}
}


TEST(SolverCombinations, RefusedCombinations) {
	CapturingMessageHandler messages;
	struct Case {
		Combination		m_combination;
		unsigned int	m_nodes;
		unsigned int	m_b;
		const char *	m_expected;
	};
	const Case cases[] = {
		{{"IE", "KLU", "", true}, 6, 1, "solver is only defined for CVODE integrator"},
		{{"IE", "BiCGStab", "", false}, 6, 1, "Only 'IntegratorSundialsCVODE' is currently supported."},
		{{"IE", "BTridiag", "", false}, 3, 1, "at least 4 blocks"},
		{{"CVODE", "BTridiag", "", false}, 3, 2, "at least 4 blocks"},
		{{"IE", "GMRES", "BandSUNDIALS", true}, 6, 1, "No band preconditioner implementation available for ml != mu"},
		{{"IE", "GMRES", "Band", false}, 6, 1, "missig Jacobian interface"},
		{{"IE", "GMRES", "ILU", false}, 6, 1, "JacobianSparse"},
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(testing::Message() << c.m_combination << " nodes=" << c.m_nodes);
		ChainModel m(c.m_nodes, c.m_b);
		equip(m, c.m_combination);
		EXPECT_NE(std::string::npos, initFailure(m).find(c.m_expected)) << initFailure(m);
	}

	// block structure that does not match the model size
	ChainModel m(6, 2);
	equip(m, Combination{"IE", "Dense", "", false});
	m.m_les.reset(new LESBTridiag(4, 2));
	EXPECT_NE(std::string::npos, initFailure(m).find("do not match the model's 12 unknowns"));

	// a preconditioner of no side is refused under CVODE
	class NoSidePrecond : public PrecondBand {
	public:
		NoSidePrecond() : PrecondBand(1, 1, 0) {}
	};
	ChainModel m2(6, 1);
	equip(m2, Combination{"CVODE", "GMRES", "", true});
	m2.m_precond.reset(new NoSidePrecond);
	EXPECT_NE(std::string::npos, initFailure(m2).find("Preconditioner attribute 'Left', 'Right' or 'Both is enforced."));
}


// A preconditioner that throws inside CVODE's callback ends the step with the
// exception's message stack instead of unwinding through CVODE.
TEST(SolverCombinations, ExceptionInPreconditionerCallback) {
	CapturingMessageHandler messages;
	class ThrowingPrecond : public PrecondILU {
	public:
		ThrowingPrecond() : PrecondILU(1) {}
		int setupODE(double, const double *, const double *, const double *, bool, bool &, double) override {
			throw BVX::Exception("precond broke", "[ThrowingPrecond::setupODE]");
		}
	};
	ChainModel m(8, 1);
	equip(m, Combination{"CVODE", "GMRES", "", true});
	m.m_precond.reset(new ThrowingPrecond);
	m.initIntegrator();
	try {
		m.m_integrator->step();
		FAIL() << "exception expected";
	}
	catch (BVX::Exception & ex) {
		EXPECT_NE(std::string::npos, ex.msgStack().find("precond broke"));
	}
}


namespace {

/*! f(y) = K*y with a non-symmetric K. */
class LinearModel : public ChainModel {
public:
	LinearModel() : ChainModel(6, 1) {
		for (unsigned int i = 0; i < 6; ++i)
			for (unsigned int j = 0; j < 6; ++j)
				K[i][j] = (i == j) ? -3.0 - i : 0.3*(static_cast<int>(j) - static_cast<int>(i)) + (j == i + 1 ? 1.5 : 0.0);
	}
	int ydot(double * f) override {
		++m_ydotCalls;
		multiply(m_y.data(), f);
		return 0;
	}
	void multiply(const double * v, double * f) const {
		for (unsigned int i = 0; i < 6; ++i) {
			f[i] = 0;
			for (unsigned int j = 0; j < 6; ++j)
				f[i] += K[i][j]*v[j];
		}
	}
	double K[6][6];
};

/*! The exact Jacobian K of the linear model. */
class ExactJacobian : public JacobianInterface {
public:
	explicit ExactJacobian(const LinearModel & m) : m_model(m) {}
	void init(ModelInterface *) override {}
	int setup(double, const double *, const double *, const double *, double) override { return 0; }
	int jacTimesVec(const double * v, double * Jv) const override { m_model.multiply(v, Jv); return 0; }
	unsigned int nRHSEvals() const override { return 0; }
	const LinearModel & m_model;
};

} // namespace


// The own GMRES solves (I - gamma K) x = r for a small non-symmetric K once the Krylov
// space is complete (n < maximum dimension): exactly with the Jacobian's J*v, up to
// the difference-quotient error with J*v from model evaluations.
TEST(LESGMRES, SolvesSmallNonSymmetricSystem) {
	CapturingMessageHandler messages;
	const unsigned int n = 6;
	LinearModel model;
	ExactJacobian exactJac(model);
	for (bool withJacobian : {true, false}) {
		SCOPED_TRACE(withJacobian);
		IntegratorImplicitEuler ie;
		LESGMRES gmres;
		gmres.m_linIterConvCoeff = 1e-12;
		gmres.init(&model, &ie, nullptr, withJacobian ? &exactJac : nullptr);

		std::vector<double> y(n, 1.0), ydot(n);
		model.setY(y.data());
		model.ydot(ydot.data());
		const double gamma = 0.7;
		ASSERT_EQ(0, gmres.setup(y.data(), ydot.data(), nullptr, gamma));

		const double r[n] = {1, -2, 0.5, 3, 0, -1};
		std::vector<double> x(r, r + n);
		gmres.solve(x.data());
		EXPECT_LE(gmres.m_statNumLinIters, n);
		EXPECT_EQ(gmres.m_statNumLinIters, gmres.m_statNumJacTimesEvals);
		EXPECT_EQ(withJacobian ? 0u : gmres.m_statNumLinIters, gmres.nRHSEvals());
		// residual of (I - gamma K) x = r
		std::vector<double> Kx(n);
		model.multiply(x.data(), Kx.data());
		for (unsigned int i = 0; i < n; ++i)
			EXPECT_NEAR(r[i], x[i] - gamma*Kx[i], withJacobian ? 1e-9 : 1e-2);

		// a right-hand side below the convergence bound is returned unchanged, without iterations
		const unsigned int iters = gmres.m_statNumLinIters;
		std::vector<double> tiny(n, 1e-20);
		gmres.solve(tiny.data());
		EXPECT_EQ(std::vector<double>(n, 1e-20), tiny);
		EXPECT_EQ(iters, gmres.m_statNumLinIters);
	}
}


// The last step ends exactly at the stop time, and the state is advanced over that
// shorter step only (not over the full proposed step).
TEST(IntegratorImplicitEuler, StopTimeClipsTheStep) {
	CapturingMessageHandler messages;
	ChainModel m(5, 1, 10);
	m.m_dt0 = 0.5;
	Combination c{"IE", "Dense", "", false};
	equip(m, c);
	IntegratorImplicitEuler & ie = dynamic_cast<IntegratorImplicitEuler &>(*m.m_integrator);
	ie.m_relTol = 1e-2; // large steps
	ie.m_stopTime = 0.1;
	m.initIntegrator();
	ASSERT_EQ(1, ie.step());
	EXPECT_DOUBLE_EQ(0.1, ie.t());
	EXPECT_DOUBLE_EQ(0.1, ie.dt());
	// one backward Euler step over 0.1 s of the sine mode: y = y0/(1 + 0.1 lambda)
	for (unsigned int i = 0; i < m.n(); ++i)
		EXPECT_NEAR(m.y0()[i]/(1 + 0.1*m.lambda()), ie.y_out(0.1)[i], 1e-6);
	// it cannot step beyond the stop time: an error, not an endless loop of zero steps
	EXPECT_THROW(ie.step(), BVX::Exception);
}


TEST(IntegratorImplicitEuler, InitChecksAndStatisticsFiles) {
	CapturingMessageHandler messages;
	{
		ChainModel m(5, 1);
		equip(m, Combination{"IE", "Dense", "", false});
		m.m_les.reset();
		EXPECT_NE(std::string::npos, initFailure(m).find("Expected valid pointer to LES-solver object."));
		dynamic_cast<IntegratorImplicitEuler &>(*m.m_integrator).m_absTolVec.assign(3, 1e-6);
		m.m_les.reset(new LESDense);
		EXPECT_NE(std::string::npos, initFailure(m).find("Invalid size of absTolVec."));
	}

	std::filesystem::path dir = std::filesystem::temp_directory_path() / "vuredo_ie_stats";
	std::filesystem::create_directories(dir);
	ChainModel m(8, 1, 2);
	equip(m, Combination{"IE", "GMRES", "ILU", true});
	m.initIntegrator();
	m.m_integrator->writeStatisticsHeader(dir.string(), false);
	m.m_les->writeStatisticsHeader(dir.string(), false);
	while (m.m_integrator->t() < m.m_tEnd) {
		m.m_integrator->step();
		m.m_integrator->writeStatistics();
		m.m_les->writeStatistics(m.m_integrator->t());
	}
	m.m_integrator.reset(); // closes the files
	m.m_les.reset();

	std::ifstream ieFile(dir / "integrator_ImplicitEuler_stats.tsv");
	std::string header, line;
	std::getline(ieFile, header);
	EXPECT_EQ("                 Time [s]\t     Steps\t  RhsEvals\t  NJacEvals\t  NIters\t  NDiverged\t"
			  " NConvFails\t  NErrFails\t  StepSize [s]", header);
	std::getline(ieFile, line);
	EXPECT_EQ(9u, static_cast<unsigned int>(std::count(line.begin(), line.end(), '\t') + 1));

	std::ifstream lesFile(dir / "LES_iterative_stats.tsv");
	std::getline(lesFile, header);
	EXPECT_EQ("                    Time\t  NLIters\t NLCFails\t  NPEvals\t  NPSolve\t    NJvEvals\t    NRhsEvals", header);
	std::getline(lesFile, line);
	EXPECT_EQ(7u, static_cast<unsigned int>(std::count(line.begin(), line.end(), '\t') + 1));
	std::filesystem::remove_all(dir);
}


// An integrator held at a stop time below the end time makes the run driver fail
// instead of stepping in place forever.
TEST(SolverCombinations, RunDriverStopsWhenIntegratorDoesNotAdvance) {
	CapturingMessageHandler messages;
	class StuckIntegrator : public IntegratorInterface {
	public:
		const char * identifier() const override { return "Stuck"; }
		void init(ModelInterface * m, double t0, const double * y0, LESInterface *, PrecondInterface *,
				  JacobianInterface *) override { m_t = t0; m_y.assign(y0, y0 + m->n()); }
		int step() override { m_t = std::min(m_t + 1.0, 5.0); return 1; }
		double t() const override { return m_t; }
		double dt() const override { return 1; }
		const double * y_out(double) const override { return m_y.data(); }
		double m_t = 0;
		std::vector<double> m_y;
	};
	ChainModel m(5, 1, 3600);
	m.m_integrator.reset(new StuckIntegrator);
	m.m_les.reset(new LESDense);
	SolverControlFramework fw;
	fw.setModel(&m);
	try {
		fw.restart(0);
		FAIL() << "exception expected";
	}
	catch (BVX::Exception & ex) {
		EXPECT_NE(std::string::npos, ex.msgStack().find("does not advance beyond t = 5 s")) << ex.msgStack();
	}
}


// For a tridiagonal iteration matrix both the band LU and the incomplete LU (no fill-in
// to drop) are exact: P^-1 r solves (I - gamma J) z = r. The band preconditioner reuses
// its saved Jacobian when told it is still current.
TEST(Preconditioners, ExactForTridiagonalIterationMatrix) {
	CapturingMessageHandler messages;
	ChainModel m(7, 1);
	std::unique_ptr<JacobianSparseCSR> jac = m.makeJacobian();
	jac->init(&m);
	std::vector<double> y(m.y0(), m.y0() + m.n()), f(m.n());
	m.setY(y.data());
	m.ydot(f.data());
	jac->setup(0, y.data(), f.data(), nullptr, 0.0);

	IntegratorImplicitEuler ie;
	PrecondBand band(1, 1, 1);
	PrecondILU ilu(1);
	band.init(&m, &ie, jac.get());
	ilu.init(&m, &ie, jac.get());
	ASSERT_TRUE(band.ownImplementation());

	const double gamma = 0.4;
	const std::vector<double> r = {1, -1, 2, 0.5, -3, 1, 4};
	// (I - gamma J) z with the exact J of the chain: k*(z[i-1] - 2 z[i] + z[i+1])
	auto applyM = [&](const std::vector<double> & z, unsigned int i) {
		const double left = i > 0 ? z[i - 1] : 0.0, right = i + 1 < z.size() ? z[i + 1] : 0.0;
		return z[i] - gamma*m.m_k*(left - 2*z[i] + right);
	};
	for (PrecondInterface * p : {static_cast<PrecondInterface *>(&band), static_cast<PrecondInterface *>(&ilu)}) {
		for (bool jacOk : {false, true}) {
			bool jacUpdated = jacOk;
			ASSERT_EQ(0, p->setupODE(0, y.data(), f.data(), nullptr, jacOk, jacUpdated, gamma));
			if (p == &band) {
				EXPECT_EQ(!jacOk, jacUpdated);
			}
			std::vector<double> z(r.size());
			ASSERT_EQ(0, p->solve(0, y.data(), f.data(), nullptr, r.data(), z.data(), gamma, 0, 1));
			for (unsigned int i = 0; i < r.size(); ++i)
				EXPECT_NEAR(r[i], applyM(z, i), 1e-6) << (p == &band ? "band" : "ILU") << " row " << i;
		}
	}
	EXPECT_GT(band.serializationSize(), 0u);
	EXPECT_EQ(8u*jac->nnz(), ilu.serializationSize());
}


// Step-size control of the implicit Euler integrator on y' = -lambda*y (stiff):
// a far-off predictor halves the step before any Newton iteration, the first step
// sets the LES up, and the result follows backward Euler with the accepted steps.
TEST(IntegratorImplicitEuler, StepControlOnStiffDecay) {
	CapturingMessageHandler messages;
	messages.setConsoleVerbosityLevel(3);
	class Decay : public ChainModel {
	public:
		Decay() : ChainModel(1, 1, 1) { m_y0[0] = m_y[0] = 1.0; m_dt0 = 1.0; }
		int ydot(double * f) override { f[0] = -1e4*m_y[0]; return 0; }
	};
	Decay m;
	m.m_integrator.reset(new IntegratorImplicitEuler);
	m.m_les.reset(new LESDense);
	IntegratorImplicitEuler & ie = dynamic_cast<IntegratorImplicitEuler &>(*m.m_integrator);
	ie.m_relTol = 1e-3;
	ie.m_absTol = 1e-3;
	m.initIntegrator();
	ASSERT_EQ(1, ie.step());
	EXPECT_TRUE(messages.contains("Reducing time step, residual of extrapolation was", BVX::MSG_WARNING));
	EXPECT_LE(ie.dt(), 0.5*m.dt0());
	EXPECT_GE(ie.m_statNumLESSetups, 1u);
	// one backward Euler step from 1 over the accepted dt (linear: Newton is exact)
	EXPECT_NEAR(1.0/(1 + 1e4*ie.dt()), ie.y_out(ie.t())[0], 1e-9);
	// the decay continues monotonically toward 0 and the step grows again
	double yPrev = ie.y_out(ie.t())[0];
	const double firstDt = ie.dt();
	for (int i = 0; i < 50; ++i) {
		ie.step();
		const double y = ie.y_out(ie.t())[0];
		EXPECT_LE(std::fabs(y), std::fabs(yPrev) + 1e-12);
		yPrev = y;
	}
	EXPECT_GT(ie.dt(), firstDt);
}
