#include "VUREDO_IntegratorImplicitEuler.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <ostream>
#include <sstream>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>

#include "VUREDO_JacobianInterface.h"
#include "VUREDO_LESInterface.h"
#include "VUREDO_ModelInterface.h"
#include "VUREDO_PrecondInterface.h"
#include "VUREDO_SolverStatistics.h"
#include "VUREDO_SolverTimers.h"

namespace VUREDO {

namespace {

std::string threeDigits(double v) {
	std::ostringstream s;
	s << std::setprecision(3) << v;
	return s.str();
}

} // namespace


IntegratorImplicitEuler::IntegratorImplicitEuler() :
	m_maxNonLinIters(3),
	m_unusedNonLinTol(1e-5),
	m_nonLinConvCoef(0.1),
	m_jacUpdateStrategy(0),
	m_maxStep(3600),
	m_statNumSteps(0),
	m_statNumRHSEvals(0),
	m_statNumNewtonIters(0),
	m_statNumConvFails(0),
	m_statNumErrFails(0),
	m_statNumDivergences(0),
	m_statNumLESSetups(0),
	m_model(nullptr),
	m_les(nullptr),
	m_precond(nullptr),
	m_n(0),
	m_t(0),
	m_tNew(0),
	m_dt(0),
	m_dtNext(0),
	m_dtJac(0),
	m_errNorm(0),
	m_maxGrowth(10),
	m_setupDecision(false),
	m_setupDuringAttempt(false),
	m_retry(false),
	m_convRate(1),
	m_itersThisAttempt(0),
	m_reservedCounter(0),
	m_stepsSinceSetup(0),
	m_residualNorm(0)
{
}


IntegratorImplicitEuler::~IntegratorImplicitEuler() {
}


void IntegratorImplicitEuler::init(ModelInterface * model, double t0, const double * y0,
								   LESInterface * lesSolver, PrecondInterface * precond,
								   JacobianInterface * jacobian)
{
	const char * const FUNC_ID = "[IntegratorImplicitEuler::init]";
	BVX::BVX_Message("Initializing Implicit Euler integrator\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	m_model = model;
	m_les = lesSolver;
	if (m_les == nullptr)
		throw BVX::Exception("Expected valid pointer to LES-solver object.", FUNC_ID);
	m_precond = precond;

	m_t = t0;
	m_dt = m_dtNext = m_dtJac = model->dt0();
	m_n = model->n();
	for (std::vector<double> * v : {&m_y, &m_ydot, &m_weights, &m_errors, &m_yPrev, &m_yPred,
									&m_ydotPrev, &m_residual, &m_delta, &m_yOut})
		v->assign(m_n, 0.0);
	std::copy(y0, y0 + m_n, m_y.begin());
	m_errNorm = 0;

	if (m_model->setTime(t0) != 0)
		throw BVX::Exception("Error initializing the model in setTime(): failed setting the start time.", FUNC_ID);
	if (m_model->setY(m_y.data()) != 0)
		throw BVX::Exception("Error initializing the model in setY(): failed setting the initial states.", FUNC_ID);
	++m_statNumRHSEvals;
	if (m_model->ydot(m_ydot.data()) != 0)
		throw BVX::Exception("Error initializing the model in ydot(): failed setting the initial states.", FUNC_ID);

	if (!m_absTolVec.empty() && m_absTolVec.size() != m_n)
		throw BVX::Exception("Invalid size of absTolVec.", FUNC_ID);

	BVX::BVX_Message(BVX::FormatText("Setting NonlinConvCoef to %1.\n").arg(m_nonLinConvCoef), BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Setting MaxNonLinIters to %1.\n").arg(m_maxNonLinIters), BVX::MSG_PROGRESS, FUNC_ID, 1);

	m_les->init(model, this, precond, jacobian);
	if (jacobian != nullptr)
		jacobian->init(model);
	if (precond != nullptr)
		precond->init(model, this, jacobian);

	m_reservedCounter = 0;
	m_stepsSinceSetup = 0;
	m_retry = false;
	solverTimerResetAll();
}


void IntegratorImplicitEuler::handleErrors(int modelResult) const {
	// recoverable errors are not treated specially: the Newton iteration judges the state
	if (modelResult == MR_Abort)
		throw BVX::Exception("Aborting simulation (signaled from within model).", "[IntegratorImplicitEuler::handleErrors]");
}


double IntegratorImplicitEuler::weightedNorm(const std::vector<double> & v) const {
	if (m_n == 0)
		return 0.0;
	double sum = 0;
	for (unsigned int i = 0; i < m_n; ++i) {
		const double wv = m_weights[i]*v[i];
		sum += wv*wv;
	}
	return std::sqrt(sum/m_n);
}


void IntegratorImplicitEuler::evaluateResidual() {
	ScopedSolverTimer timer(ST_RightHandSide);
	handleErrors(m_model->setY(m_y.data()));
	handleErrors(m_model->ydot(m_ydot.data()));
	++m_statNumRHSEvals;
	for (unsigned int i = 0; i < m_n; ++i)
		m_residual[i] = m_y[i] - m_yPrev[i] - m_dt*m_ydot[i];
	if (m_model->hasErrorWeightsFunction()) {
		handleErrors(m_model->calculateErrorWeights(m_y.data(), m_weights.data()));
	}
	else {
		const bool vec = !m_absTolVec.empty();
		for (unsigned int i = 0; i < m_n; ++i)
			m_weights[i] = 1.0/(std::fabs(m_y[i])*m_relTol + (vec ? m_absTolVec[i] : m_absTol));
	}
	m_residualNorm = weightedNorm(m_residual);
}


int IntegratorImplicitEuler::step() {
	const char * const FUNC_ID = "[IntegratorImplicitEuler::step]";
	if (m_model == nullptr)
		throw BVX::Exception("Integrator is not initialized.", FUNC_ID);
	// a step from the stop time could only end beyond it
	if (m_stopTime != 0 && m_t >= m_stopTime)
		throw BVX::Exception(BVX::FormatText("Integrator has reached the stop time %1 s and cannot step beyond it.")
							 .arg(m_stopTime), FUNC_ID);
	std::swap(m_y, m_yPrev);
	std::swap(m_ydot, m_ydotPrev);
	m_maxGrowth = 10;

	for (;;) {
		m_itersThisAttempt = 0;
		m_dt = m_dtNext;
		m_tNew = m_t + m_dt;
		// the step itself ends at the stop time, not only the reported time
		if (m_stopTime != 0 && m_tNew > m_stopTime) {
			m_tNew = m_stopTime;
			m_dt = m_stopTime - m_t;
		}
		handleErrors(m_model->setTime(m_tNew));

		// explicit Euler predictor
		for (unsigned int i = 0; i < m_n; ++i)
			m_y[i] = m_yPrev[i] + m_dt*m_ydotPrev[i];
		m_yPred = m_y;
		evaluateResidual();
		writeIterationStats(0, 0, 0);

		if (m_residualNorm > 300000) {
			BVX::BVX_Message(BVX::FormatText("Reducing time step, residual of extrapolation was  %1.").arg(m_residualNorm),
							 BVX::MSG_WARNING, FUNC_ID, 3);
			decreaseTimeStepNonLinearFailure();
			continue;
		}

		NewtonResult r = corrector();
		if (r == NR_Converged) {
			if (errorTest())
				break;
			continue; // dtNext already reduced
		}
		if (r == NR_RetryWithSetup) {
			m_retry = true;
			continue;
		}
		decreaseTimeStepNonLinearFailure();
	}

	proposeNextStep();
	m_t = m_tNew;
	++m_statNumSteps;
	return 1;
}


void IntegratorImplicitEuler::setupLES(bool timed) {
	if (timed) {
		ScopedSolverTimer timer(ST_LinearSetup);
		m_les->setup(m_y.data(), m_ydot.data(), nullptr, m_dt);
	}
	else {
		m_les->setup(m_y.data(), m_ydot.data(), nullptr, m_dt);
	}
	// a failed factorisation shows up in the Newton iteration that follows
	++m_statNumLESSetups;
	m_dtJac = m_dt;
	m_stepsSinceSetup = 0;
	m_setupDuringAttempt = true;
}


IntegratorImplicitEuler::NewtonResult IntegratorImplicitEuler::corrector() {
	m_setupDecision = m_statNumNewtonIters == 0
			|| m_jacUpdateStrategy > 0
			|| m_retry
			|| m_dt/m_dtJac > 1.3
			|| m_dtJac/m_dt > 1.3
			|| (m_stepsSinceSetup > 200 && m_dt != m_dtJac);
	m_setupDuringAttempt = false;
	m_retry = false;
	if (m_setupDecision) {
		setupLES(true);
		m_convRate = 1;
	}
	NewtonResult r = newtonIteration();
	if (r == NR_Converged) {
		for (unsigned int i = 0; i < m_n; ++i)
			m_ydot[i] = (m_y[i] - m_yPrev[i])/m_dt;
	}
	return r;
}


IntegratorImplicitEuler::NewtonResult IntegratorImplicitEuler::newtonIteration() {
	const char * const FUNC_ID = "[IntegratorImplicitEuler::newtonIteration]";
	double resPrev = m_residualNorm;
	double deltaPrev = 1;
	for (;;) {
		for (unsigned int i = 0; i < m_n; ++i)
			m_delta[i] = -m_residual[i];
		{
			ScopedSolverTimer timer(ST_LinearSolve);
			m_les->solve(m_delta.data());
		}
		++m_statNumNewtonIters;
		++m_itersThisAttempt;

		// the matrix was built for dtJac: rescale the correction to the current step
		if (m_dtJac != m_dt) {
			const double f = m_dtJac/m_dt;
			for (double & d : m_delta)
				d *= f;
		}
		const double deltaNorm = weightedNorm(m_delta);
		if (!(deltaNorm <= 10000)) {
			++m_statNumDivergences;
			BVX::BVX_Message(BVX::FormatText("Diverging (delta t ratio = %1), residual/delta norms have become too large!")
							 .arg(m_dt/m_dtJac), BVX::MSG_WARNING, FUNC_ID, 3);
			return m_setupDuringAttempt ? NR_DivergedAfterSetup : NR_RetryWithSetup;
		}

		for (unsigned int i = 0; i < m_n; ++i)
			m_y[i] += m_delta[i];
		const double rate = deltaNorm/deltaPrev;
		if (m_itersThisAttempt > 1)
			m_convRate = std::max(rate, 0.3*m_convRate);

		if (deltaNorm*std::min(1.0, m_convRate)*0.5/m_nonLinConvCoef <= 1) {
			writeIterationStats(0, deltaNorm, rate);
			++m_stepsSinceSetup;
			return NR_Converged;
		}

		if (static_cast<int>(m_itersThisAttempt) >= m_maxNonLinIters) {
			++m_statNumConvFails;
			m_itersThisAttempt = 0;
			if (m_setupDuringAttempt) {
				BVX::BVX_Message("Too many Newton iterations, reducing time step!", BVX::MSG_WARNING, FUNC_ID, 3);
				return NR_TooManyItersAfterSetup;
			}
			m_retry = true;
			BVX::BVX_Message(BVX::FormatText("Too many Newton iterations (delta t ratio = %1), but we retry with "
											 "Jacobian computed for predicted solution!").arg(m_dt/m_dtJac),
							 BVX::MSG_WARNING, FUNC_ID, 3);
			return NR_RetryWithSetup;
		}

		evaluateResidual();
		const double resRatio = m_residualNorm/resPrev;
		resPrev = m_residualNorm;
		deltaPrev = deltaNorm;
		writeIterationStats(resRatio, deltaNorm, rate);

		if (m_itersThisAttempt > 3 && resRatio > 1 && rate > 1) {
			BVX::BVX_Message(BVX::FormatText("Diverging (delta t ratio = %1)!").arg(m_dt/m_dtJac),
							 BVX::MSG_WARNING, FUNC_ID, 3);
			++m_statNumDivergences;
			return m_setupDuringAttempt ? NR_DivergedAfterSetup : NR_RetryWithSetup;
		}

		if (m_jacUpdateStrategy == 3 || (m_jacUpdateStrategy == 2 && m_residualNorm > 0.01))
			setupLES(false);
	}
}


bool IntegratorImplicitEuler::errorTest() {
	const char * const FUNC_ID = "[IntegratorImplicitEuler::errorTest()]";
	double maxErr = -1;
	unsigned int maxIdx = 0;
	for (unsigned int i = 0; i < m_n; ++i) {
		m_errors[i] = std::fabs((m_y[i] - m_yPred[i])*0.5);
		const double we = m_weights[i]*m_errors[i];
		if (we > maxErr) {
			maxErr = we;
			maxIdx = i;
		}
	}
	m_errNorm = weightedNorm(m_errors);
	if (m_errNorm < 1)
		return true;

	++m_statNumErrFails;
	BVX::BVX_Message(BVX::FormatText("Error test failed with |err| = %1 (max = %2 in element %3).")
					 .arg(m_errNorm).arg(maxErr).arg(maxIdx), BVX::MSG_WARNING, FUNC_ID, 3);
	m_dtNext = m_dt*std::min(0.2, 1.0/(std::sqrt(6*m_errNorm) + 1e-6));
	if (m_t + m_dtNext == m_t)
		throw BVX::Exception("Time step too small (rounding errors occur).", FUNC_ID);
	m_maxGrowth = 1;
	return false;
}


void IntegratorImplicitEuler::decreaseTimeStepNonLinearFailure() {
	m_dtNext = 0.5*m_dt;
	if (m_t + m_dt == m_t)
		throw BVX::Exception("Time step too small (rounding errors occur).",
							 "[IntegratorImplicitEuler::decreaseTimeStepNonLinearFailure]");
}


void IntegratorImplicitEuler::proposeNextStep() {
	double f = 1.0/(std::sqrt(6*m_errNorm) + 1e-6);
	f = std::min(f, m_maxGrowth);
	f = std::max(f, 1.0);
	// small growth is not worth a new LES setup shortly after the last one
	if (f < 1.5 && m_stepsSinceSetup < 20)
		f = 1;
	m_dtNext = std::min(f*m_dtNext, m_maxStep);
}


const double * IntegratorImplicitEuler::y_out(double tOut) const {
	if (tOut == m_t || m_dt <= 0)
		return m_y.data();
	const double s = (m_t - std::min(tOut, m_t))/m_dt;
	for (unsigned int i = 0; i < m_n; ++i)
		m_yOut[i] = s*m_yPrev[i] + (1 - s)*m_y[i];
	return m_yOut.data();
}


void IntegratorImplicitEuler::writeIterationStats(double resRatio, double deltaNorm, double deltaRate) {
	const char * const FUNC_ID = "[IntegratorImplicitEuler::writeIterationStats]";
	// formatting costs more than the iteration itself: skip it when nobody listens
	const BVX::MessageHandler * h = BVX::MessageHandlerRegistry::instance().msgHandler();
	if (h == nullptr || (h->consoleVerbosityLevel() < 3 && (!h->logFileOpen() || h->logfileVerbosityLevel() < 3)))
		return;
	std::ostringstream s;
	s << std::left;
	if (m_statNumSteps == 0 && m_statNumNewtonIters == 0) {
		s << std::setw(6) << "Steps " << std::setw(7) << "TIters " << std::setw(11) << "t_{n+1} "
		  << std::setw(11) << "dt " << std::setw(7) << "NIters " << std::setw(7) << "NItJac "
		  << std::setw(13) << "NStepsJac " << std::setw(13) << "JacCurrent " << std::setw(12) << "ResNorm "
		  << std::setw(12) << "CRateRes " << std::setw(12) << "DeltaNorm " << std::setw(14) << "CRateDelta " << "\n";
	}
	std::ostringstream dtStr;
	dtStr << m_dt;
	s << std::setw(6) << m_statNumSteps << std::setw(7) << m_statNumNewtonIters
	  << std::setw(11) << BVX::Time::format_duration(m_t + m_dt) << std::setw(11) << dtStr.str()
	  << std::setw(7) << m_itersThisAttempt << std::setw(7) << m_reservedCounter
	  << std::setw(13) << m_stepsSinceSetup << std::setw(13) << (m_setupDecision ? "true" : "false")
	  << std::setw(12) << threeDigits(m_residualNorm) << std::setw(12) << threeDigits(resRatio)
	  << std::setw(12) << threeDigits(deltaNorm) << std::setw(14) << threeDigits(deltaRate) << "\n";
	BVX::BVX_Message(s.str(), BVX::MSG_PROGRESS, FUNC_ID, 3);
}


void IntegratorImplicitEuler::writeStatisticsHeader(const std::string & logDirectory, bool restart) {
	std::string fname = logDirectory + "/integrator_ImplicitEuler_stats.tsv";
	std::unique_ptr<std::ofstream> strm = openStatisticsFile(fname, restart,
															 "[IntegratorImplicitEuler::writeStatisticsHeader]");
	if (!strm) {
		m_statsFile.reset();
		return;
	}
	if (!restart) {
		*strm << std::right
			  << std::setw(25) << "Time [s]" << '\t'
			  << std::setw(10) << "Steps" << '\t'
			  << std::setw(10) << "RhsEvals" << '\t'
			  << std::setw(11) << "NJacEvals" << '\t'
			  << std::setw(8) << "NIters" << '\t'
			  << std::setw(11) << "NDiverged" << '\t'
			  << std::setw(11) << "NConvFails" << '\t'
			  << std::setw(11) << "NErrFails" << '\t'
			  << std::setw(14) << "StepSize [s]" << '\n';
	}
	m_statsFile = std::move(strm);
}


void IntegratorImplicitEuler::writeStatistics() {
	if (!m_statsFile)
		return;
	std::ostream & out = *m_statsFile;
	out << std::right << std::fixed << std::setprecision(4) << std::setw(25) << m_t << '\t'
		<< std::setprecision(0)
		<< std::setw(10) << m_statNumSteps << '\t'
		<< std::setw(10) << m_statNumRHSEvals << '\t'
		<< std::setw(11) << m_statNumLESSetups << '\t'
		<< std::setw(8) << m_statNumNewtonIters << '\t'
		<< std::setw(11) << m_statNumDivergences << '\t'
		<< std::setw(11) << m_statNumConvFails << '\t'
		<< std::setw(11) << m_statNumErrFails << '\t';
	writeStepSizeColumn(out, m_dt);
}


void IntegratorImplicitEuler::flushStatistics() {
	if (m_statsFile)
		m_statsFile->flush();
}


void IntegratorImplicitEuler::writeMetrics(double wallClockSeconds, std::ostream * summary) {
	const char * const FUNC_ID = "[IntegratorImplicitEuler::writeMetrics]";
	const double tRhs = solverTimerValue(ST_RightHandSide);
	const double tSetup = solverTimerValue(ST_LinearSetup);
	const double tSolve = solverTimerValue(ST_LinearSolve);
	const unsigned int convFails = m_statNumConvFails + m_statNumDivergences;

	const IntegratorCounters counters = { m_statNumSteps, m_statNumNewtonIters, convFails, m_statNumErrFails,
										  m_statNumRHSEvals, m_statNumLESSetups };
	writeIntegratorMetricsLog(counters, wallClockSeconds, FUNC_ID);

	if (summary != nullptr) {
		std::ostream & out = *summary;
		out << "IntegratorSteps=" << m_statNumSteps << std::endl;
		out << "IntegratorNewtonConvFails=" << convFails << std::endl;
		out << "IntegratorErrorTestFails=" << m_statNumErrFails << std::endl;
		out << "IntegratorFunctionEvals=" << m_statNumRHSEvals << std::endl;
		out << "IntegratorTimeFunctionEvals=" << tRhs << std::endl;
		out << "IntegratorLESSetup=" << m_statNumLESSetups << std::endl;
		out << "IntegratorTimeLESSetup=" << tSetup << std::endl;
		out << "IntegratorLESSolve=" << m_statNumNewtonIters << std::endl;
		out << "IntegratorTimeLESSolve=" << tSolve << std::endl;
	}
}

} // namespace VUREDO
