#include "RM_CaldoryneModelInterface.h"

#include <algorithm>
#include <cmath>

#include <QtGlobal>

#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_NotificationHandler.h>
#include <BVX_Time.h>

#include <VUREDO_JacobianSparseCSR.h>
#include <VUREDO_LESBTridiag.h>
#include <VUREDO_LESBand.h>
#include <VUREDO_LESBiCGStab.h>
#include <VUREDO_LESDense.h>
#include <VUREDO_LESGMRES.h>
#include <VUREDO_LESKLU.h>
#include <VUREDO_PrecondBand.h>
#include <VUREDO_PrecondILU.h>

#include "RM_Physics.h"

namespace RM {

namespace {

/*! Right-side preconditioning for the Krylov solvers. */
const int PRECONDITION_RIGHT = 2;
/*! Krylov settings of both iterative solvers. */
const double LINEAR_CONVERGENCE_COEFFICIENT = 0.05;
const unsigned int MAX_KRYLOV_DIMENSION = 10;
/*! Minimum simulated time between two evaluations of the DIN 4108-2 ventilation rule. */
const double VENTILATION_RULE_INTERVAL = 300;

} // namespace


CaldoryneModelInterface::CaldoryneModelInterface() :
	m_notificationHandler(nullptr),
	m_abortFlag(false)
{
}


CaldoryneModelInterface::~CaldoryneModelInterface() {
	// the solver objects may refer to each other: LES first, then its companions
	m_lesSolver.reset();
	m_preconditioner.reset();
	m_jacobian.reset();
}


void CaldoryneModelInterface::init(const Database & db) {
	CaldoryneModel::init(db);

	m_outputManager.setModel(this);
	m_outputManager.initOutputs();

	setIntegratorParameters();
	logUnknowns();

	m_abortFlag = false;
}


// Tolerances suit states of very different size (wall energy densities of 1e8 J/m3, room air
// energy, vapour masses of grams): the relative tolerance governs. The step is limited to the
// output step (one hour) so that hourly climate and schedule changes are not stepped over;
// the implicit Euler needs the looser relative tolerance, being only first order.
void CaldoryneModelInterface::setIntegratorParameters() {
	if (integratorInterface() == &m_integratorImplicitEuler) {
		m_integratorImplicitEuler.m_relTol = 1e-5;
		m_integratorImplicitEuler.m_absTol = 1e-6;
		m_integratorImplicitEuler.m_maxStep = 3600;
		m_integratorImplicitEuler.m_nonLinConvCoef = 0.05;
	}
	else {
		m_integratorCVODE.m_relTol = 1e-6;
		m_integratorCVODE.m_absTol = 1e-6;
		m_integratorCVODE.m_maxStep = 3600;
		m_integratorCVODE.m_minStep = 1e-6;
		m_integratorCVODE.m_nonLinConvCoef = 0.01;
	}
}


void CaldoryneModelInterface::logUnknowns() const {
	const char * const FUNC_ID = "[CaldoryneModelInterface::init]";
	// unknowns of the constructions only, the room air node is not listed
	std::string list = "[";
	for (unsigned int k = 0; k < m_solvers.size(); ++k) {
		if (k > 0)
			list += ",";
		list += BVX::val2string(constructionUnknowns(k));
	}
	list += "]";
	BVX::BVX_Message(BVX::FormatText("Unknowns in walls = '%1'.\n").arg(list), BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Total number of unknowns = '%1'.\n").arg(m_n), BVX::MSG_PROGRESS, FUNC_ID, 1);
}


double CaldoryneModelInterface::tEnd() const {
	if (m_room.m_cyclicTwoYearSimulation)
		return 2*SECONDS_PER_YEAR;
	return m_room.m_simulationEndTime;
}


int CaldoryneModelInterface::setTime(double t) {
	m_t = t;
	const double tYear = BVX::timeOfYear(t);
	m_hourOfYear = std::floor(tYear/3600);
	Q_ASSERT(m_hourOfYear < BVX::HOURS_PER_YEAR);

	updateBoundaryConditions();

	const DIN4108_2Assessment & din = m_room.m_din4108_2Assessment;
	if (din.m_active && din.m_lastAirChangeEvaluation == -1)
		evaluateVentilationRule(tYear);
	return VUREDO::MR_Success;
}


int CaldoryneModelInterface::setY(const double * y) {
	takeStates(y);
	updateDivergences();
	return VUREDO::MR_Success;
}


int CaldoryneModelInterface::ydot(double * ydot) {
	if (m_abortFlag)
		return VUREDO::MR_Abort;
	std::copy(m_ydot.begin(), m_ydot.end(), ydot);
	return VUREDO::MR_Success;
}


void CaldoryneModelInterface::writeOutputs(double t, const double * y) {
	setTime(t);
	// as setY(), but of the walls only the surface fluxes: the outputs need no divergences
	takeStates(y);
	updateSurfaceFluxes();
	m_outputManager.appendOutputs();
	if (m_notificationHandler != nullptr)
		m_notificationHandler->notify(t);
}


void CaldoryneModelInterface::stepCompleted(double t, const double * y) {
	setTime(t);
	// the controllers and the flux integrals need no divergences either
	takeStates(y);
	updateSurfaceFluxes();
	m_outputManager.integrateFluxes(t);

	DIN4108_2Assessment & din = m_room.m_din4108_2Assessment;
	if (din.m_active) {
		din.adjustSlope(m_Ti, m_heatingLoad);
		// The rule is evaluated at the first accepted step after each interval, so the
		// switching times follow the step sequence: a change at rounding level (summation
		// order, another platform) can move single hourly room temperatures of a room that
		// switches often by several tenths of a kelvin. Compare annual figures and
		// percentiles of such runs, not single hours.
		if (din.m_lastAirChangeEvaluation == -1 || t - din.m_lastAirChangeEvaluation > VENTILATION_RULE_INTERVAL)
			evaluateVentilationRule(t);
	}
	else {
		const unsigned int h = static_cast<unsigned int>(m_hourOfYear);
		m_room.m_heatingModel.adjustSlope(h, t, m_Ti, m_heatingLoad);
		m_room.m_coolingModel.adjustSlope(h, t, m_Ti, m_coolingLoad);
	}

	updateExtremes(t);
}


void CaldoryneModelInterface::takeStates(const double * y) {
	// the framework hands y0() back at the start of a run
	if (y != m_y.data())
		std::copy(y, y + m_n, m_y.begin());
	updateStates();
	updateLoads();
}


void CaldoryneModelInterface::evaluateVentilationRule(double tRecord) {
	DIN4108_2Assessment & din = m_room.m_din4108_2Assessment;
	din.updateAirChangeRate(m_Ti - T_KELVIN, m_Te - T_KELVIN, static_cast<unsigned int>(m_hourOfYear), m_room);
	din.m_lastAirChangeEvaluation = tRecord;
}


void CaldoryneModelInterface::updateExtremes(double t) {
	const double Ti = m_Ti - T_KELVIN;
	if (t == 0) {
		m_outputManager.m_minRoomAirTemperature = Ti;
		m_outputManager.m_maxRoomAirTemperature = Ti;
		m_outputManager.m_minAirChangeRate = m_airChangeRate;
		m_outputManager.m_maxAirChangeRate = m_airChangeRate;
		return;
	}
	m_outputManager.m_minRoomAirTemperature = std::min(m_outputManager.m_minRoomAirTemperature, Ti);
	m_outputManager.m_maxRoomAirTemperature = std::max(m_outputManager.m_maxRoomAirTemperature, Ti);
	m_outputManager.m_minAirChangeRate = std::min(m_outputManager.m_minAirChangeRate, m_airChangeRate);
	m_outputManager.m_maxAirChangeRate = std::max(m_outputManager.m_maxAirChangeRate, m_airChangeRate);
}


double CaldoryneModelInterface::nextOutputTime(double t) {
	const double dt = m_room.m_outputTimeSteps;
	Q_ASSERT(dt > 0);
	const double k = std::trunc((t + 1e-10)/dt);
	return (k + 1)*dt;
}


VUREDO::IntegratorInterface * CaldoryneModelInterface::integratorInterface() {
	if (m_integratorName == "ImplicitEuler")
		return &m_integratorImplicitEuler;
	return &m_integratorCVODE;
}


VUREDO::PrecondInterface * CaldoryneModelInterface::preconditionerInterface() {
	lesInterface();
	return m_preconditioner.get();
}


VUREDO::JacobianInterface * CaldoryneModelInterface::jacobianInterface() {
	lesInterface();
	return m_jacobian.get();
}


VUREDO::LESInterface * CaldoryneModelInterface::lesInterface() {
	if (!m_lesSolver)
		createLES();
	return m_lesSolver.get();
}


void CaldoryneModelInterface::createLES() {
	const char * const FUNC_ID = "[CaldoryneModelInterface::lesInterface]";
	const bool moisture = m_room.m_moistureBalanceEnabled;

	if (m_lesSolverName == "Dense") {
		m_lesSolver.reset(new VUREDO::LESDense);
		BVX::BVX_Message("Using Dense LES solver.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	}
	else if (m_lesSolverName == "BTridiag") {
		if (moisture) {
			m_lesSolver.reset(new VUREDO::LESBTridiag(static_cast<int>(m_n/2), 2));
			BVX::BVX_Message("Using block-tridiagonal LES solver (block size 2).\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		}
		else {
			m_lesSolver.reset(new VUREDO::LESBTridiag(static_cast<int>(m_n), 1));
			BVX::BVX_Message("Using tridiagonal LES solver.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		}
	}
	else if (m_lesSolverName == "Band") {
		const int bw = moisture ? 3 : 1;
		m_lesSolver.reset(new VUREDO::LESBand(bw, bw));
		BVX::BVX_Message(BVX::FormatText("Using banded LES solver (half-bandwidth %1).\n").arg(bw),
						 BVX::MSG_PROGRESS, FUNC_ID, 1);
	}
	else if (m_lesSolverName == "GMRES" || m_lesSolverName == "BiCGStab") {
		createSparseJacobian();
		createPreconditioner();
		std::unique_ptr<VUREDO::LESInterfaceIterative> les;
		// "Krylow" is the log text as it has always read, kept on purpose (log readers search for it)
		if (m_lesSolverName == "BiCGStab") {
			les.reset(new VUREDO::LESBiCGStab);
			BVX::BVX_Message("Using iterative BiCGStab (Krylow subspace dimension = 10) LES solver.\n",
							 BVX::MSG_PROGRESS, FUNC_ID, 1);
		}
		else {
			les.reset(new VUREDO::LESGMRES);
			BVX::BVX_Message("Using iterative GMRES (Krylow subspace dimension = 10) LES solver.\n",
							 BVX::MSG_PROGRESS, FUNC_ID, 1);
		}
		les->m_linIterConvCoeff = LINEAR_CONVERGENCE_COEFFICIENT;
		les->m_maxKrylovDim = MAX_KRYLOV_DIMENSION;
		m_lesSolver = std::move(les);
	}
	else {
		createSparseJacobian();
		m_lesSolver.reset(new VUREDO::LESKLU);
		BVX::BVX_Message("Using KLU sparse LES solver.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	}
}


void CaldoryneModelInterface::createSparseJacobian() {
	jacobianSparsityPattern(m_ia, m_ja);
	m_jacobian.reset(new VUREDO::JacobianSparseCSR(m_n, static_cast<unsigned int>(m_ja.size()),
												   m_ia.data(), m_ja.data()));
}


void CaldoryneModelInterface::createPreconditioner() {
	const char * const FUNC_ID = "[CaldoryneModelInterface::lesInterface]";
	if (m_preconditionerName.empty() || m_preconditionerName == "ILU") {
		m_preconditioner.reset(new VUREDO::PrecondILU(PRECONDITION_RIGHT));
		BVX::BVX_Message("Using ILU preconditioner.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		return;
	}

	std::string name = m_preconditionerName;
	unsigned int bandwidth = m_room.m_moistureBalanceEnabled ? 3 : 1;
	const std::string::size_type open = name.find('(');
	if (open != std::string::npos) {
		const std::string::size_type close = name.find(')', open);
		if (close != std::string::npos) {
			bandwidth = BVX::string2val<unsigned int>(name.substr(open + 1, close - open - 1));
			name = name.substr(0, open);
		}
	}
	if (name != "band")
		throw BVX::Exception("Unknown or unsupported preconditioner selected.", FUNC_ID);

	const int bw = static_cast<int>(bandwidth);
	m_preconditioner.reset(new VUREDO::PrecondBand(bw, bw, PRECONDITION_RIGHT));
	BVX::BVX_Message(BVX::FormatText("Using Band preconditioner (half-bandwidth %1).\n").arg(bandwidth),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
}

} // namespace RM
