// Model interface and solver binding: solver choice, sparsity pattern, output schedule,
// abort, and whole-run physics (adiabatic room, convergence to the outside temperature,
// heating control, energy and vapour mass balances).

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <BVX_Exception.h>
#include <BVX_NotificationHandler.h>

#include <VUREDO_JacobianSparseCSR.h>
#include <VUREDO_LESBTridiag.h>
#include <VUREDO_LESBand.h>
#include <VUREDO_LESBiCGStab.h>
#include <VUREDO_LESDense.h>
#include <VUREDO_LESGMRES.h>
#include <VUREDO_LESKLU.h>
#include <VUREDO_PrecondBand.h>
#include <VUREDO_PrecondILU.h>
#include <VUREDO_SolverControlFramework.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>
#include <RM_Physics.h>

#include "RM_TestSupport.h"

namespace {

const double YEAR = RM::SECONDS_PER_YEAR;
const double DAY = 86400;

/*! Built-in construction types of the default project. */
const unsigned int CT_OUTSIDE_WALL = 7;
const unsigned int CT_FLOOR = 11;
const unsigned int CT_INSIDE_WALL = 9;
const unsigned int WINDOW = 5;

/*! Writes an annual WAC file with constant relative humidity 50 % and the given hourly
	air temperature and horizontal direct/diffuse radiation. */
void writeWac(const QString & path, const std::function<double(unsigned int)> & temperature,
			  const std::function<double(unsigned int)> & radiation)
{
	QFile f(path);
	ASSERT_TRUE(f.open(QIODevice::WriteOnly));
	QTextStream s(&f);
	s << "WAC\n10\nTestCity\ncomment\n13.4\n52.5\n40\n1\n1\n8760\n4\n"
	  << "TA\tHREL\tISDH\tISD\n";
	for (unsigned int h = 0; h < 8760; ++h)
		s << temperature(h) << "\t0.5\t" << radiation(h) << "\t" << 0.5*radiation(h) << "\n";
}

/*! Records every output time and can set the abort flag from a notification. */
class RecordingHandler : public BVX::NotificationHandler {
public:
	explicit RecordingHandler(RM::CaldoryneModelInterface * model, double abortAt = -1) :
		m_model(model), m_abortAt(abortAt) {}
	void notify(double t) override {
		m_times.push_back(t);
		if (m_abortAt >= 0 && t >= m_abortAt)
			m_model->m_abortFlag = true;
	}
	void notify() override { notify(0); }

	RM::CaldoryneModelInterface *	m_model;
	double							m_abortAt;
	std::vector<double>				m_times;
};

/*! Test harness: the built-in database, a climate directory with synthetic files and a
	room without any loads, ventilation or heating. */
class ModelInterfaceTest : public ::testing::Test {
protected:
	void SetUp() override {
		ASSERT_TRUE(m_dir.isValid());
		m_db.setDirectories(QString(CALDORYNE_SOURCE_DIR) + "/resources", m_dir.path() + "/userdb");
		m_db.reload();
		const QString climateDir = m_dir.path() + "/climate";
		ASSERT_TRUE(QDir().mkpath(climateDir));
		writeWac(climateDir + "/cold.wac", [](unsigned int) { return -10.0; }, [](unsigned int) { return 0.0; });
		writeWac(climateDir + "/mild.wac", [](unsigned int) { return 5.0; }, [](unsigned int) { return 0.0; });
		// daily cycle of temperature and sun
		writeWac(climateDir + "/sunny.wac",
				 [](unsigned int h) { return 10 + 8*std::sin((h % 24 - 9)*M_PI/12); },
				 [](unsigned int h) { unsigned int hd = h % 24; return (hd > 6 && hd < 18) ? 400*std::sin((hd - 6)*M_PI/12) : 0.0; });
		m_climate.parseClimateDataDir(climateDir, QString());
		m_room = quietRoom();
	}

	/*! Default geometry, no loads, no heating, no ventilation, climate "mild.wac". */
	static RM::Room quietRoom() {
		RM::Room room;
		room.m_climateDataPath = "mild.wac";
		room.m_heatingModel.m_modelType = RM::HeatingModel::NONE;
		room.m_coolingModel.m_modelType = RM::CoolingModel::NONE;
		room.m_naturalVentilationModel.m_modelType = RM::NaturalVentilationModel::NONE;
		room.m_mechanicalVentilationModel.m_modelType = RM::MechanicalVentilationModel::NONE;
		setConstant(room.m_userLoads.m_occupancy, 0);
		setConstant(room.m_userLoads.m_equipmentLoad, 0);
		room.m_userLoads.m_personLoad = 0;
		setConstant(room.m_moistureLoads.m_moistureLoad, 0);
		room.m_din4108_2Assessment.m_active = false;
		return room;
	}

	static void setConstant(RM::Schedule & s, double value) {
		s.m_type = RM::Schedule::CONSTANT;
		s.m_constantValue = value;
	}

	/*! Every construction becomes an inside construction without window. */
	static void makeAdiabatic(RM::Room & room) {
		for (RM::RoomConstruction & rc : room.m_constructions) {
			rc.m_type = RM::RoomConstruction::Inside;
			rc.m_AW += rc.m_AF;
			rc.m_AF = 0;
			rc.m_windowId = 0;
			rc.m_shadingTypeId = 0;
		}
	}

	/*! A new, initialised model of m_room. */
	std::unique_ptr<RM::CaldoryneModelInterface> createModel(const std::string & les = std::string(),
															 const std::string & precond = std::string(),
															 const std::string & integrator = std::string())
	{
		std::unique_ptr<RM::CaldoryneModelInterface> model(new RM::CaldoryneModelInterface);
		model->m_room = m_room;
		model->m_climate = loadedClimate(m_room.m_climateDataPath);
		model->m_climate.m_moistureBalanceEnabled = m_room.m_moistureBalanceEnabled;
		model->m_lesSolverName = les;
		model->m_preconditionerName = precond;
		model->m_integratorName = integrator;
		model->init(m_db);
		model->m_room.m_outputTimeSteps = 3600;
		return model;
	}

	/*! The climate with the file loaded (each file is read once per test). */
	const RM::Climate & loadedClimate(const QString & file) {
		std::map<QString, RM::Climate>::iterator it = m_loadedClimates.find(file);
		if (it == m_loadedClimates.end()) {
			it = m_loadedClimates.insert(std::make_pair(file, m_climate)).first;
			EXPECT_TRUE(it->second.loadClimateData(file));
		}
		return it->second;
	}

	/*! Runs the model from 0 to its end time. */
	static void run(RM::CaldoryneModelInterface & model) {
		VUREDO::SolverControlFramework framework;
		framework.setModel(&model);
		framework.setOutputScheduler(&model);
		framework.restart(0);
	}

	/*! Heat stored in the walls (J) from the state vector. */
	static double wallEnergy(const RM::CaldoryneModelInterface & m, const double * y) {
		double e = 0;
		for (unsigned int c = 0; c < m.m_solvers.size(); ++c) {
			const RM::ConstructionSolver & s = m.m_solvers[c];
			const double * slice = y + m.m_offsets[c]*m.m_unknownsPerNode;
			for (unsigned int i = 0; i < s.m_n; ++i)
				e += slice[i*m.m_unknownsPerNode]*s.m_elements[i].m_width*m.m_constructions[c].m_AW;
		}
		return e;
	}

	/*! Moisture held in the walls (kg) from the state vector (moisture balance only). */
	static double wallMoisture(const RM::CaldoryneModelInterface & m, const double * y) {
		double w = 0;
		for (unsigned int c = 0; c < m.m_solvers.size(); ++c) {
			const RM::ConstructionSolver & s = m.m_solvers[c];
			const double * slice = y + m.m_offsets[c]*2;
			for (unsigned int i = 0; i < s.m_n; ++i)
				w += slice[2*i + 1]*s.m_elements[i].m_width*m.m_constructions[c].m_AW;
		}
		return w;
	}

	QTemporaryDir	m_dir;
	RM::Database	m_db;
	RM::Climate		m_climate;
	std::map<QString, RM::Climate>	m_loadedClimates;
	RM::Room		m_room;
};


// *** Binding and solver choice ***

TEST_F(ModelInterfaceTest, DefaultsAreCvodeWithKluAndTheLoggedUnknowns) {
	RMTest::MessageCapture messages;
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();

	EXPECT_EQ(m->integratorInterface(), &m->m_integratorCVODE);
	EXPECT_DOUBLE_EQ(m->m_integratorCVODE.m_relTol, 1e-6);
	EXPECT_DOUBLE_EQ(m->m_integratorCVODE.m_absTol, 1e-6);
	EXPECT_DOUBLE_EQ(m->m_integratorCVODE.m_maxStep, 3600);
	EXPECT_DOUBLE_EQ(m->m_integratorCVODE.m_minStep, 1e-6);
	EXPECT_DOUBLE_EQ(m->m_integratorCVODE.m_nonLinConvCoef, 0.01);

	EXPECT_EQ(m->preconditionerInterface(), nullptr);
	ASSERT_NE(dynamic_cast<VUREDO::LESKLU *>(m->lesInterface()), nullptr);
	EXPECT_EQ(m->jacobianInterface(), m->m_jacobian.get());
	EXPECT_NE(m->jacobianInterface(), nullptr);
	EXPECT_EQ(messages.count(BVX::MSG_PROGRESS, "Using KLU sparse LES solver."), 1u);

	// "[a,b,c,d]": the unknowns per construction, the room air excluded
	std::string list = "[";
	unsigned int sum = 0;
	for (unsigned int k = 0; k < m->m_solvers.size(); ++k) {
		list += (k ? "," : "") + std::to_string(m->m_solvers[k].unknowns());
		sum += m->m_solvers[k].unknowns();
	}
	list += "]";
	EXPECT_EQ(sum + 1, m->n());
	EXPECT_EQ(messages.count(BVX::MSG_PROGRESS, "Unknowns in walls = '" + list + "'."), 1u);
	EXPECT_EQ(messages.count(BVX::MSG_PROGRESS, "Total number of unknowns = '" + std::to_string(m->n()) + "'."), 1u);

	EXPECT_DOUBLE_EQ(m->t0(), 0);
	EXPECT_DOUBLE_EQ(m->dt0(), 1);
	EXPECT_DOUBLE_EQ(m->tEnd(), YEAR);
	EXPECT_FALSE(m->m_abortFlag);
}


TEST_F(ModelInterfaceTest, ImplicitEulerIsChosenOnlyByItsExactName) {
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel("Dense", "", "ImplicitEuler");
	EXPECT_EQ(m->integratorInterface(), &m->m_integratorImplicitEuler);
	EXPECT_DOUBLE_EQ(m->m_integratorImplicitEuler.m_relTol, 1e-5);
	EXPECT_DOUBLE_EQ(m->m_integratorImplicitEuler.m_absTol, 1e-6);
	EXPECT_DOUBLE_EQ(m->m_integratorImplicitEuler.m_maxStep, 3600);
	EXPECT_DOUBLE_EQ(m->m_integratorImplicitEuler.m_nonLinConvCoef, 0.05);

	for (const char * name : { "implicitEuler", "ImplicitEuler ", "CVODE" }) {
		m->m_integratorName = name;
		EXPECT_EQ(m->integratorInterface(), &m->m_integratorCVODE) << name;
	}
}


TEST_F(ModelInterfaceTest, EveryAcceptedSolverNameCreatesItsSolvers) {
	enum Kind { KLU, Dense, Band, BTridiag, GMRES, BiCGStab };
	enum Pre { NoPrecond, ILU, BandPrecond };
	struct Case {
		bool			moisture;
		const char *	les;
		const char *	precond;
		Kind			kind;
		Pre				pre;
		int				bandwidth;		// LES or preconditioner band, BTridiag block size
		const char *	message;
	};
	const Case cases[] = {
		{ false, "", "", KLU, NoPrecond, 0, "Using KLU sparse LES solver." },
		{ false, "klu", "", KLU, NoPrecond, 0, "Using KLU sparse LES solver." },
		{ false, "Dense", "", Dense, NoPrecond, 0, "Using Dense LES solver." },
		{ true, "Dense", "", Dense, NoPrecond, 0, "Using Dense LES solver." },
		{ false, "Band", "", Band, NoPrecond, 1, "Using banded LES solver (half-bandwidth 1)." },
		{ true, "Band", "", Band, NoPrecond, 3, "Using banded LES solver (half-bandwidth 3)." },
		{ false, "BTridiag", "", BTridiag, NoPrecond, 1, "Using tridiagonal LES solver." },
		{ true, "BTridiag", "", BTridiag, NoPrecond, 2, "Using block-tridiagonal LES solver (block size 2)." },
		{ false, "GMRES", "", GMRES, ILU, 0, "Using ILU preconditioner." },
		{ false, "GMRES", "ILU", GMRES, ILU, 0, "Using iterative GMRES (Krylow subspace dimension = 10) LES solver." },
		{ false, "BiCGStab", "ILU", BiCGStab, ILU, 0, "Using iterative BiCGStab (Krylow subspace dimension = 10) LES solver." },
		{ false, "GMRES", "band", GMRES, BandPrecond, 1, "Using Band preconditioner (half-bandwidth 1)." },
		{ true, "GMRES", "band", GMRES, BandPrecond, 3, "Using Band preconditioner (half-bandwidth 3)." },
		{ false, "BiCGStab", "band(5)", BiCGStab, BandPrecond, 5, "Using Band preconditioner (half-bandwidth 5)." },
		{ true, "BiCGStab", "band(5)", BiCGStab, BandPrecond, 5, "Using Band preconditioner (half-bandwidth 5)." },
		// the preconditioner name is not used by the direct solvers
		{ false, "Dense", "nonsense", Dense, NoPrecond, 0, "Using Dense LES solver." },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.les) + " / " + c.precond + (c.moisture ? " / moisture" : ""));
		m_room.m_moistureBalanceEnabled = c.moisture;
		RMTest::MessageCapture messages;
		std::unique_ptr<RM::CaldoryneModelInterface> m = createModel(c.les, c.precond);
		VUREDO::LESInterface * les = m->lesInterface();
		EXPECT_EQ(m->lesInterface(), les); // created once
		EXPECT_EQ(messages.count(BVX::MSG_PROGRESS, c.message), 1u);

		switch (c.kind) {
			case KLU		: EXPECT_NE(dynamic_cast<VUREDO::LESKLU *>(les), nullptr); break;
			case Dense		: EXPECT_NE(dynamic_cast<VUREDO::LESDense *>(les), nullptr); break;
			case Band		: {
				VUREDO::LESBand * band = dynamic_cast<VUREDO::LESBand *>(les);
				ASSERT_NE(band, nullptr);
				EXPECT_EQ(band->mu(), c.bandwidth);
				EXPECT_EQ(band->ml(), c.bandwidth);
			} break;
			case BTridiag	: {
				VUREDO::LESBTridiag * bt = dynamic_cast<VUREDO::LESBTridiag *>(les);
				ASSERT_NE(bt, nullptr);
				EXPECT_EQ(bt->blockSize(), c.bandwidth);
				EXPECT_EQ(static_cast<unsigned int>(bt->nBlocks()*bt->blockSize()), m->n());
			} break;
			case GMRES		: EXPECT_NE(dynamic_cast<VUREDO::LESGMRES *>(les), nullptr); break;
			case BiCGStab	: EXPECT_NE(dynamic_cast<VUREDO::LESBiCGStab *>(les), nullptr); break;
		}
		if (c.kind == GMRES || c.kind == BiCGStab) {
			VUREDO::LESInterfaceIterative * it = dynamic_cast<VUREDO::LESInterfaceIterative *>(les);
			ASSERT_NE(it, nullptr);
			EXPECT_DOUBLE_EQ(it->m_linIterConvCoeff, 0.05);
			EXPECT_EQ(it->m_maxKrylovDim, 10u);
		}
		const bool sparse = c.kind == KLU || c.kind == GMRES || c.kind == BiCGStab;
		EXPECT_EQ(m->jacobianInterface() != nullptr, sparse);
		switch (c.pre) {
			case NoPrecond	: EXPECT_EQ(m->preconditionerInterface(), nullptr); break;
			case ILU		: EXPECT_NE(dynamic_cast<VUREDO::PrecondILU *>(m->preconditionerInterface()), nullptr); break;
			case BandPrecond: EXPECT_NE(dynamic_cast<VUREDO::PrecondBand *>(m->preconditionerInterface()), nullptr); break;
		}
	}
}


/*! Every accepted solver combination integrates a sunny morning of the default room to the
	same room temperature as the default (CVODE with KLU). */
TEST_F(ModelInterfaceTest, EveryAcceptedSolverIntegratesTheSameMorning) {
	m_room = RM::Room();
	m_room.m_climateDataPath = "sunny.wac";
	m_room.m_simulationEndTime = 12*3600;
	std::unique_ptr<RM::CaldoryneModelInterface> reference = createModel();
	run(*reference);
	const double TRef = reference->m_Ti;
	ASSERT_GT(std::fabs(TRef - (m_room.m_TInitial + 273.15)), 0.05); // the morning did change it

	struct Case { const char * integrator; const char * les; const char * precond; double tolerance; } cases[] = {
		{ "", "Dense", "", 0.002 }, { "", "Band", "", 0.002 }, { "", "BTridiag", "", 0.002 },
		{ "", "GMRES", "ILU", 0.002 }, { "", "BiCGStab", "ILU", 0.002 }, { "", "GMRES", "band(3)", 0.002 },
		{ "ImplicitEuler", "Dense", "", 0.005 }, { "ImplicitEuler", "Band", "", 0.005 },
		{ "ImplicitEuler", "GMRES", "ILU", 0.005 }
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.integrator) + " / " + c.les + " / " + c.precond);
		std::unique_ptr<RM::CaldoryneModelInterface> m = createModel(c.les, c.precond, c.integrator);
		try {
			run(*m);
		}
		catch (BVX::Exception & ex) {
			ADD_FAILURE() << ex.what();
			continue;
		}
		EXPECT_NEAR(m->m_Ti, TRef, c.tolerance);
	}

	// the implicit Euler integrator has no KLU and no BiCGStab: the run fails with an exception
	for (const char * les : { "", "BiCGStab" }) {
		std::unique_ptr<RM::CaldoryneModelInterface> m = createModel(les, "", "ImplicitEuler");
		EXPECT_THROW(run(*m), BVX::Exception) << les;
	}
}


TEST_F(ModelInterfaceTest, UnknownPreconditionersAreRefused) {
	for (const char * name : { "ILU2", "Band", "band(", "bandx(2)", "ilu" }) {
		std::unique_ptr<RM::CaldoryneModelInterface> m = createModel("GMRES", name);
		try {
			m->lesInterface();
			ADD_FAILURE() << name << " was accepted";
		}
		catch (BVX::Exception & ex) {
			EXPECT_NE(std::string(ex.what()).find("Unknown or unsupported preconditioner selected."), std::string::npos) << name;
		}
		EXPECT_EQ(m->m_lesSolver, nullptr);
	}
	// a half-bandwidth that is not an unsigned number is a conversion error
	for (const char * name : { "band(x)", "band(-2)", "band()" }) {
		std::unique_ptr<RM::CaldoryneModelInterface> m = createModel("BiCGStab", name);
		EXPECT_THROW(m->lesInterface(), BVX::Exception) << name;
	}
}


/*! Every dependency of a derivative on a state, found by perturbing each state in turn,
	must be an entry of the Jacobian's pattern; the pattern is sorted, unique and
	structurally symmetric (the sparse Jacobian needs that without transposed indices). */
TEST_F(ModelInterfaceTest, SparsityPatternHoldsEveryCouplingOfTheModel) {
	m_room = RM::Room();
	m_room.m_climateDataPath = "sunny.wac";
	m_room.m_constructions.push_back(m_room.m_constructions.front()); // a second outside wall
	m_room.m_constructions.back().m_orientation = 90;
	for (bool moisture : { false, true }) {
		SCOPED_TRACE(moisture ? "moisture" : "dry");
		m_room.m_moistureBalanceEnabled = moisture;
		std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
		m->lesInterface();
		const std::vector<unsigned int> & ia = m->ia();
		const std::vector<unsigned int> & ja = m->ja();
		const unsigned int n = m->n();
		ASSERT_EQ(ia.size(), n + 1);
		ASSERT_EQ(ia.back(), ja.size());

		std::set<std::pair<unsigned int, unsigned int> > entries;
		for (unsigned int r = 0; r < n; ++r) {
			for (unsigned int k = ia[r]; k < ia[r + 1]; ++k) {
				if (k > ia[r]) {
					EXPECT_LT(ja[k - 1], ja[k]) << "row " << r;
				}
				entries.insert(std::make_pair(r, ja[k]));
			}
		}
		for (const std::pair<unsigned int, unsigned int> & e : entries)
			EXPECT_TRUE(entries.count(std::make_pair(e.second, e.first))) << e.first << "," << e.second;

		// noon of a summer day: sun on the walls, heating off
		std::vector<double> y(m->y0(), m->y0() + n);
		std::vector<double> f0(n), f1(n), yMod(y);
		m->setTime(180*DAY + 12*3600);
		m->setY(y.data());
		ASSERT_EQ(m->ydot(f0.data()), 0);
		unsigned int missing = 0;
		for (unsigned int j = 0; j < n; ++j) {
			yMod[j] = y[j]*(1 + 1e-6) + 1e-9;
			m->setY(yMod.data());
			m->ydot(f1.data());
			yMod[j] = y[j];
			for (unsigned int i = 0; i < n; ++i)
				if (f1[i] != f0[i] && !entries.count(std::make_pair(i, j)))
					++missing;
		}
		EXPECT_EQ(missing, 0u);
	}
}


TEST_F(ModelInterfaceTest, OutputGridAndHourOfYear) {
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
	struct { double step, t, next; } grid[] = {
		{ 3600, 0, 3600 }, { 3600, 3599.5, 3600 }, { 3600, 3600, 7200 }, { 3600, 3600 - 1e-11, 7200 },
		{ 3600, YEAR - 1, YEAR }, { 900, 0, 900 }, { 900, 1000, 1800 }
	};
	for (const auto & g : grid) {
		m->m_room.m_outputTimeSteps = g.step;
		EXPECT_DOUBLE_EQ(m->nextOutputTime(g.t), g.next) << g.step << " " << g.t;
	}

	struct { double t, hour; } hours[] = {
		{ 0, 0 }, { 3599.9, 0 }, { 3600, 1 }, { YEAR - 1, 8759 }, { YEAR, 0 }, { YEAR + 5*3600 + 1, 5 }, { 2*YEAR - 1, 8759 }
	};
	for (const auto & h : hours) {
		EXPECT_EQ(m->setTime(h.t), 0);
		EXPECT_DOUBLE_EQ(m->m_hourOfYear, h.hour) << h.t;
		EXPECT_DOUBLE_EQ(m->m_t, h.t);
	}

	m->m_room.m_simulationEndTime = 10*DAY;
	EXPECT_DOUBLE_EQ(m->tEnd(), 10*DAY);
	m->m_room.m_cyclicTwoYearSimulation = true;
	EXPECT_DOUBLE_EQ(m->tEnd(), 2*YEAR);
}


TEST_F(ModelInterfaceTest, AbortFlagMakesYdotAbortAndEndsTheRunWithAnException) {
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
	std::vector<double> ydot(m->n(), -7);
	m->setTime(0);
	m->setY(m->y0());
	EXPECT_EQ(m->ydot(ydot.data()), 0);
	m->m_abortFlag = true;
	std::vector<double> untouched(m->n(), -7);
	EXPECT_EQ(m->ydot(untouched.data()), 2);
	EXPECT_EQ(untouched, std::vector<double>(m->n(), -7));

	m = createModel();
	RecordingHandler handler(m.get(), 10*3600);
	m->m_notificationHandler = &handler;
	EXPECT_THROW(run(*m), BVX::Exception);
	ASSERT_FALSE(handler.m_times.empty());
	EXPECT_LE(handler.m_times.back(), 12*3600);
}


TEST_F(ModelInterfaceTest, OutputSchedulerStepsTheOutputsAndProgress) {
	m_room.m_simulationEndTime = 2*DAY;
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
	m->m_room.m_outputTimeSteps = 900;
	RecordingHandler handler(m.get());
	m->m_notificationHandler = &handler;
	run(*m);
	ASSERT_EQ(handler.m_times.size(), 2*96 + 1u);
	for (unsigned int k = 0; k < handler.m_times.size(); ++k)
		EXPECT_NEAR(handler.m_times[k], 900.0*k, 1e-6);
	EXPECT_EQ(m->m_outputManager.outputCount(), 2*96 + 1u);
}


// *** Physics of whole runs ***

TEST_F(ModelInterfaceTest, AdiabaticRoomKeepsItsInitialTemperature) {
	makeAdiabatic(m_room);
	m_room.m_TInitial = 17.5;
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
	const double E0 = m->y0()[m->n() - 1] + wallEnergy(*m, m->y0());
	run(*m);
	EXPECT_NEAR(m->m_outputManager.m_minRoomAirTemperature, 17.5, 1e-6);
	EXPECT_NEAR(m->m_outputManager.m_maxRoomAirTemperature, 17.5, 1e-6);
	for (const RM::ConstructionSolver & s : m->m_solvers) {
		EXPECT_NEAR(s.insideSurfaceTemperature(), 17.5 + 273.15, 1e-6);
		EXPECT_NEAR(s.outsideSurfaceTemperature(), 17.5 + 273.15, 1e-6);
	}
	EXPECT_NEAR(m->m_y[m->n() - 1] + wallEnergy(*m, m->m_y.data()), E0, 1e-9*E0);
}


TEST_F(ModelInterfaceTest, RoomConvergesToConstantOutsideTemperature) {
	m_room.m_climateDataPath = "mild.wac";
	for (RM::RoomConstruction & rc : m_room.m_constructions)
		rc.m_type = RM::RoomConstruction::Outside;
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
	run(*m);
	EXPECT_NEAR(m->m_Ti - 273.15, 5, 0.01);
	EXPECT_NEAR(m->m_outputManager.m_maxRoomAirTemperature, 20, 1e-6);
	for (const RM::ConstructionSolver & s : m->m_solvers)
		for (double T : s.m_T)
			EXPECT_NEAR(T - 273.15, 5, 0.01);
}


/*! Heating set point 20 C in a -10 C climate: the room stays at the set point while the
	heating runs below its maximum; a heater too small for the loss runs at full power. */
TEST_F(ModelInterfaceTest, SimpleHeatingHoldsTheSetPoint) {
	m_room.m_climateDataPath = "cold.wac";
	m_room.m_simulationEndTime = 60*DAY;
	m_room.m_heatingModel.m_modelType = RM::HeatingModel::SIMPLE;
	setConstant(m_room.m_heatingModel.m_setPoints, 20);
	for (double maxPower : { 5000.0, 50.0 }) {
		SCOPED_TRACE(maxPower);
		m_room.m_heatingModel.m_maxPower = maxPower;
		std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
		struct Probe : public BVX::NotificationHandler {
			RM::CaldoryneModelInterface * m_m;
			double m_minT = 1e9, m_maxT = -1e9, m_maxLoad = 0, m_minLoad = 1e9;
			void notify(double t) override {
				if (t < 2*DAY)
					return; // settling of the controller
				m_minT = std::min(m_minT, m_m->m_Ti - 273.15);
				m_maxT = std::max(m_maxT, m_m->m_Ti - 273.15);
				m_maxLoad = std::max(m_maxLoad, m_m->m_heatingLoad);
				m_minLoad = std::min(m_minLoad, m_m->m_heatingLoad);
			}
			void notify() override {}
		} probe;
		probe.m_m = m.get();
		m->m_notificationHandler = &probe;
		run(*m);
		if (maxPower > 1000) {
			EXPECT_GT(probe.m_minT, 19.7);
			EXPECT_LT(probe.m_maxT, 20.0);
			EXPECT_LT(probe.m_maxLoad, maxPower);
			EXPECT_GT(probe.m_minLoad, 0);
		}
		else {
			EXPECT_DOUBLE_EQ(probe.m_minLoad, maxPower);
			EXPECT_LT(probe.m_maxT, 19.7);
		}
	}
}


/*! The heat stored in room air and walls changes by the integral of all heat flows
	across the system boundary: outside surfaces, windows, heating, gains, ventilation. */
TEST_F(ModelInterfaceTest, EnergyBookkeepingCloses) {
	m_room = RM::Room();
	m_room.m_climateDataPath = "sunny.wac";
	m_room.m_simulationEndTime = 20*DAY;
	m_room.m_gammaHC = 0.6;
	m_room.m_gammaRad = 0.3;
	m_room.m_additionalMass = 200;
	setConstant(m_room.m_heatingModel.m_setPoints, 21);
	setConstant(m_room.m_userLoads.m_equipmentLoad, 4);
	m_room.m_naturalVentilationModel.m_modelType = RM::NaturalVentilationModel::NONE;

	// the integrator may step beyond the end time: the balance ends at its last step
	struct Balance : public RM::CaldoryneModelInterface {
		double m_tLast = -1, m_pLast = 0, m_integral = 0, m_energy = 0;
		double boundaryFlow() const {
			double p = m_heatingLoad + m_coolingLoad + m_mechanicalVentilationHeatFlow + m_naturalVentilationHeatFlow
					 + m_personLoads + m_equipmentLoads + m_totalSolarGain + m_totalWindowTransmission;
			for (unsigned int c = 0; c < m_solvers.size(); ++c)
				p += (m_solvers[c].m_outsideHeatFlux + m_solvers[c].m_outsideSolarFlux)*m_constructions[c].m_AW;
			return p;
		}
		void stepCompleted(double t, const double * y) override {
			RM::CaldoryneModelInterface::stepCompleted(t, y);
			const double p = boundaryFlow();
			if (m_tLast >= 0)
				m_integral += 0.5*(p + m_pLast)*(t - m_tLast);
			m_tLast = t;
			m_pLast = p;
			m_energy = y[m_n - 1] + wallEnergy(*this, y);
		}
	};
	Balance m;
	m.m_room = m_room;
	m.m_climate = loadedClimate(m_room.m_climateDataPath);
	m.init(m_db);
	m.m_room.m_outputTimeSteps = 3600;
	m.m_integratorCVODE.m_maxStep = 300; // resolves the flow for the trapezoid rule
	const double C_add = m_room.m_additionalMass*m_room.m_additionalMassHeatCapacity;
	const double E0 = m.y0()[m.n() - 1] + wallEnergy(m, m.y0());

	run(m);
	const double E1 = m.m_energy;
	ASSERT_GE(m.m_tLast, 20*DAY);
	ASSERT_GT(std::fabs(E1 - E0), 1e6); // something happened
	ASSERT_GT(C_add, 0);
	EXPECT_NEAR(E1 - E0, m.m_integral, 1e-3*std::fabs(E1 - E0));
}


/*! With the moisture balance, no ventilation, no moisture sources and no vapour exchange at
	the outside surfaces, the water in room air and walls together stays the same while
	vapour moves between them. */
TEST_F(ModelInterfaceTest, VapourMassIsConservedWithoutVapourFlowsAcrossTheBoundary) {
	m_room.m_climateDataPath = "sunny.wac";
	m_room.m_moistureBalanceEnabled = true;
	m_room.m_simulationEndTime = 10*DAY;
	for (RM::RoomConstruction & rc : m_room.m_constructions)
		rc.m_beta_e = 0;
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
	// a humid room: vapour goes into the walls
	const unsigned int n = m->n();
	m->m_y[n - 1] *= 1.5;
	const double roomVapour0 = m->m_y[n - 1];
	const double W0 = roomVapour0 + wallMoisture(*m, m->y0());
	run(*m);
	const double W1 = m->m_y[n - 1] + wallMoisture(*m, m->m_y.data());
	EXPECT_LT(m->m_y[n - 1], 0.9*roomVapour0); // vapour did move into the walls
	EXPECT_NEAR(W1, W0, 1e-6*W0);
}


TEST_F(ModelInterfaceTest, TwoYearRunEndsAfterTwoYearsWithHourlyOutputs) {
	// a steady climate keeps the two years cheap
	m_room.m_climateDataPath = "mild.wac";
	m_room.m_cyclicTwoYearSimulation = true;
	m_room.m_simulationEndTime = 10*DAY; // ignored
	std::unique_ptr<RM::CaldoryneModelInterface> m = createModel();
	RecordingHandler handler(m.get());
	m->m_notificationHandler = &handler;
	run(*m);
	ASSERT_EQ(handler.m_times.size(), 2*8760 + 1u);
	EXPECT_DOUBLE_EQ(handler.m_times.back(), 2*YEAR);
	EXPECT_DOUBLE_EQ(handler.m_times[8760], YEAR);
	// the second year keeps the hourly results of one year
	EXPECT_EQ(m->m_outputManager.outputCount(), 8761u);
}


// A run over two years is judged on its second year, with the weekdays the model's rules use
// there: the same integration as the cyclic two-year run, which keeps its second year only.
TEST_F(ModelInterfaceTest, RunOfTwoYearsIsJudgedOnItsSecondYearLikeTheCyclicRun) {
	const QString climateDir = m_dir.path() + "/climate";
	writeWac(climateDir + "/warm.wac", [](unsigned int h) { return 21 + 6*std::sin((h % 24 - 9)*M_PI/12); },
			 [](unsigned int h) { unsigned int hd = h % 24; return (hd > 6 && hd < 18) ? 500*std::sin((hd - 6)*M_PI/12) : 0.0; });
	m_climate.parseClimateDataDir(climateDir, QString());
	m_room.m_climateDataPath = "warm.wac";
	RM::DIN4108_2Assessment & din = m_room.m_din4108_2Assessment;
	din.m_active = true;
	din.m_residential = false;
	din.m_climateRegion = 0;
	din.m_shadingControlType = 1;

	m_room.m_cyclicTwoYearSimulation = true;
	m_room.m_simulationEndTime = YEAR;
	std::unique_ptr<RM::CaldoryneModelInterface> cyclic = createModel();
	run(*cyclic);
	cyclic->m_outputManager.computeDIN4108_2Results();

	m_room.m_cyclicTwoYearSimulation = false;
	m_room.m_simulationEndTime = 2*YEAR;
	std::unique_ptr<RM::CaldoryneModelInterface> twoYears = createModel();
	run(*twoYears);
	const RM::OutputManager & om = twoYears->m_outputManager;
	ASSERT_EQ(om.outputCount(), 2*8760 + 1u);
	twoYears->m_outputManager.computeDIN4108_2Results();

	const RM::OutputManager & ref = cyclic->m_outputManager;
	ASSERT_GT(ref.m_overTemperatureHours, 100);
	EXPECT_NEAR(om.m_overTemperatureHours, ref.m_overTemperatureHours, 0.1 + 1e-9);
	EXPECT_NEAR(om.m_overTemperatureHoursP2, ref.m_overTemperatureHoursP2, 0.1 + 1e-9);
	EXPECT_DOUBLE_EQ(om.m_din4108_2AssessedHours, 8760);
	EXPECT_EQ(om.m_din4108_2VerificationPassed, ref.m_din4108_2VerificationPassed);
}

} // namespace
