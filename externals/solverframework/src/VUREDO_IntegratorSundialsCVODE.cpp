#include "VUREDO_IntegratorSundialsCVODE.h"

#include <cstdint>
#include <cstring>
#include <iomanip>
#include <ostream>

#include <cvode/cvode.h>
#include <cvode/cvode_ls.h>
#include <nvector/nvector_serial.h>
#include <sundials/sundials_version.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>

#include "VUREDO_CVODERunRecord.h"
#include "VUREDO_CVodeStateSerialization.h"
#include "VUREDO_JacobianInterface.h"
#include "VUREDO_LESInterface.h"
#include "VUREDO_LESInterfaceIterative.h"
#include "VUREDO_ModelInterface.h"
#include "VUREDO_PrecondInterface.h"
#include "VUREDO_SolverStatistics.h"
#include "VUREDO_SolverTimers.h"
#include "VUREDO_TimedLinearSolver.h"

#if SUNDIALS_VERSION_MAJOR != 6
#error "The CVODE layer is written against the SUNDIALS 6 API."
#endif

namespace VUREDO {

namespace {

// --- CVODE callbacks -------------------------------------------------------
//
// All callbacks are called from C frames of CVODE: no exception may leave them.
// An exception is kept in the run record, the callback reports an unrecoverable
// failure (-1) and step() rethrows the exception after CVode() returned.

int IntegratorSundialsCVODE_f(realtype t, N_Vector y, N_Vector ydot, void * user_data) {
	CVODERunRecord * rr = static_cast<CVODERunRecord *>(user_data);
	try {
		ScopedSolverTimer timer(ST_RightHandSide);
		ModelInterface * model = rr->m_model;
		const char * op = "setTime";
		int res = model->setTime(t);
		if (res == MR_Success) {
			op = "setY";
			res = model->setY(NV_DATA_S(y));
		}
		if (res == MR_Success) {
			op = "ydot";
			res = model->ydot(NV_DATA_S(ydot));
		}
		if (res == MR_Success)
			return 0;
		if (res == MR_RecoverableError) {
			BVX::BVX_Message(BVX::FormatText("%1() function (in physical model) returned with "
											  "'recoverable error' at time t=%2").arg(op).arg(t),
							 BVX::MSG_WARNING, "[IntegratorSundialsCVODE_f]", 2);
			return 1;
		}
		return -1;
	}
	catch (BVX::Exception & ex) {
		rr->storeException(ex);
	}
	catch (std::exception & ex) {
		rr->storeException(ex, "[IntegratorSundialsCVODE_f]");
	}
	return -1;
}


void CVErrHandlerFn_f(int error_code, const char * module, const char * function, char * msg, void * /*user_data*/) {
	try {
		if (error_code < 0) {
			BVX::BVX_Message(BVX::FormatText("Error in CVODE Integrator module '%1', function '%2':\n%3")
							 .arg(module).arg(function).arg(msg),
							 BVX::MSG_ERROR, "[CVErrHandlerFn_f]", -1);
		}
		else if (error_code > 0) {
			BVX::BVX_Message(BVX::FormatText("CVODE Integrator module '%1', function '%2': %3\n")
							 .arg(module).arg(function).arg(msg),
							 BVX::MSG_WARNING, "[CVErrHandlerFn_f]", -1);
		}
	}
	catch (...) {
		// logging must never disturb the integrator
	}
}


int CVEwtFn_f(N_Vector y, N_Vector ewt, void * user_data) {
	CVODERunRecord * rr = static_cast<CVODERunRecord *>(user_data);
	try {
		int res = rr->m_model->calculateErrorWeights(NV_DATA_S(y), NV_DATA_S(ewt));
		// CVODE treats any non-zero result of the weight function as failure
		return res == 0 ? 0 : -1;
	}
	catch (BVX::Exception & ex) {
		rr->storeException(ex);
	}
	catch (std::exception & ex) {
		rr->storeException(ex, "[CVEwtFn_f]");
	}
	return -1;
}


int CVJacTimesVecFn_f(N_Vector v, N_Vector Jv, realtype /*t*/, N_Vector /*y*/, N_Vector /*fy*/,
					  void * user_data, N_Vector /*tmp*/)
{
	CVODERunRecord * rr = static_cast<CVODERunRecord *>(user_data);
	try {
		ScopedSolverTimer timer(ST_MatrixVectorProducts);
		return rr->m_jacobian->jacTimesVec(NV_DATA_S(v), NV_DATA_S(Jv));
	}
	catch (BVX::Exception & ex) {
		rr->storeException(ex);
	}
	catch (std::exception & ex) {
		rr->storeException(ex, "[CVJacTimesVecFn_f]");
	}
	return -1;
}


int CVSpilsPrecSetupFn_f(realtype t, N_Vector y, N_Vector fy, booleantype jok, booleantype * jcurPtr,
						 realtype gamma, void * user_data)
{
	CVODERunRecord * rr = static_cast<CVODERunRecord *>(user_data);
	try {
		bool jacUpdated = false;
		int res = 0;
		if (rr->m_jacobian != nullptr && !jok) {
			ScopedSolverTimer timer(ST_JacobianSetup);
			res = rr->m_jacobian->setup(t, NV_DATA_S(y), NV_DATA_S(fy), nullptr, gamma);
			jacUpdated = true;
			// a failed Jacobian must not be hidden by a preconditioner built on it
			if (res != 0) {
				*jcurPtr = SUNFALSE;
				return res;
			}
		}
		if (rr->m_precond != nullptr) {
			ScopedSolverTimer timer(ST_PreconditionerSetup);
			bool precondJacUpdated = false;
			res = rr->m_precond->setupODE(t, NV_DATA_S(y), NV_DATA_S(fy), nullptr, jok != SUNFALSE,
										  precondJacUpdated, gamma);
			if (precondJacUpdated)
				jacUpdated = true;
		}
		*jcurPtr = jacUpdated ? SUNTRUE : SUNFALSE;
		return res;
	}
	catch (BVX::Exception & ex) {
		rr->storeException(ex);
	}
	catch (std::exception & ex) {
		rr->storeException(ex, "[CVSpilsPrecSetupFn_f]");
	}
	return -1;
}


int CVSpilsPrecSolveFn_f(realtype t, N_Vector y, N_Vector fy, N_Vector r, N_Vector z,
						 realtype gamma, realtype delta, int lr, void * user_data)
{
	CVODERunRecord * rr = static_cast<CVODERunRecord *>(user_data);
	try {
		ScopedSolverTimer timer(ST_PreconditionerSolve);
		if (rr->m_precond == nullptr) {
			std::memcpy(NV_DATA_S(z), NV_DATA_S(r), sizeof(double) * rr->m_n);
			return 0;
		}
		return rr->m_precond->solve(t, NV_DATA_S(y), NV_DATA_S(fy), nullptr, NV_DATA_S(r), NV_DATA_S(z),
									gamma, delta, lr);
	}
	catch (BVX::Exception & ex) {
		rr->storeException(ex);
	}
	catch (std::exception & ex) {
		rr->storeException(ex, "[CVSpilsPrecSolveFn_f]");
	}
	return -1;
}

} // namespace


// --- IntegratorSundialsCVODE -------------------------------------------------

IntegratorSundialsCVODE::IntegratorSundialsCVODE() :
	m_minStep(0),
	m_maxStep(3600),
	m_maxOrder(5),
	m_maxSteps(100000000),
	m_maxNonLinIters(0),
	m_nonLinConvCoef(0),
	m_stabLimDet(false)
{
}


IntegratorSundialsCVODE::~IntegratorSundialsCVODE() {
}


void IntegratorSundialsCVODE::init(ModelInterface * model, double t0, const double * y0,
								   LESInterface * lesSolver, PrecondInterface * precond,
								   JacobianInterface * jacobian)
{
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::init]";
	m_runRecord.reset();
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	if (lesSolver == nullptr)
		throw BVX::Exception("Missing linear equation solver.", FUNC_ID);

	BVX::BVX_Message("Initializing CVODE integrator\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::ScopedMessageIndent indent;

	// the timers measure this run only
	solverTimerResetAll();

	unsigned int n = model->n();
	m_runRecord.reset(new CVODERunRecord(n));
	CVODERunRecord & rr = *m_runRecord;
	rr.m_model = model;
	rr.m_precond = precond;
	rr.m_jacobian = jacobian;
	rr.m_les = lesSolver;

	rr.m_cvodeMem = CVodeCreate(CV_BDF, rr.m_ctx);
	if (rr.m_cvodeMem == nullptr)
		throw BVX::Exception("CVodeCreate init error.", FUNC_ID);
	// first thing after creation, so that nothing CVODE reports bypasses the log
	CVodeSetErrHandlerFn(rr.m_cvodeMem, CVErrHandlerFn_f, &rr);

	rr.m_t = t0;
	rr.m_dt = model->dt0();
	if (n > 0)
		std::memcpy(NV_DATA_S(rr.m_y), y0, sizeof(double) * n);

	if (CVodeInit(rr.m_cvodeMem, IntegratorSundialsCVODE_f, t0, rr.m_y) != CV_SUCCESS)
		throw BVX::Exception("CVodeInit init error.", FUNC_ID);

	CVodeSetUserData(rr.m_cvodeMem, &rr);
	CVodeSetMaxOrd(rr.m_cvodeMem, m_maxOrder);
	CVodeSetMaxNumSteps(rr.m_cvodeMem, m_maxSteps);
	CVodeSetInitStep(rr.m_cvodeMem, model->dt0());
	CVodeSetMaxStep(rr.m_cvodeMem, m_maxStep);
	CVodeSetMinStep(rr.m_cvodeMem, m_minStep);

	setupTolerances();
	setupOptionalSettings();
	initSolverComponents(lesSolver, precond, jacobian);
}


void IntegratorSundialsCVODE::setupTolerances() {
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::init]";
	CVODERunRecord & rr = *m_runRecord;
	if (rr.m_model->hasErrorWeightsFunction()) {
		CVodeWFtolerances(rr.m_cvodeMem, CVEwtFn_f);
	}
	else if (m_absTolVec.empty()) {
		CVodeSStolerances(rr.m_cvodeMem, m_relTol, m_absTol);
	}
	else {
		if (m_absTolVec.size() < rr.m_n)
			throw BVX::Exception("Invalid size of absTolVec.", FUNC_ID);
		rr.m_absTolVec = N_VNew_Serial(static_cast<sunindextype>(rr.m_n), rr.m_ctx);
		if (rr.m_absTolVec == nullptr)
			throw BVX::Exception("Invalid size of absTolVec.", FUNC_ID);
		// surplus entries are ignored
		std::memcpy(NV_DATA_S(rr.m_absTolVec), m_absTolVec.data(), sizeof(double) * rr.m_n);
		CVodeSVtolerances(rr.m_cvodeMem, m_relTol, rr.m_absTolVec);
	}
}


void IntegratorSundialsCVODE::setupOptionalSettings() {
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::init]";
	CVODERunRecord & rr = *m_runRecord;
	if (m_nonLinConvCoef != 0) {
		BVX::BVX_Message(BVX::FormatText("Setting NonlinConvCoef to %1.\n").arg(m_nonLinConvCoef),
						 BVX::MSG_PROGRESS, FUNC_ID, 1);
		CVodeSetNonlinConvCoef(rr.m_cvodeMem, m_nonLinConvCoef);
	}
	if (m_maxNonLinIters != 0) {
		BVX::BVX_Message(BVX::FormatText("Setting MaxNonLinIters (maxcor) to %1.\n").arg(m_maxNonLinIters),
						 BVX::MSG_PROGRESS, FUNC_ID, 1);
		CVodeSetMaxNonlinIters(rr.m_cvodeMem, m_maxNonLinIters);
	}
	if (m_stabLimDet)
		CVodeSetStabLimDet(rr.m_cvodeMem, SUNTRUE);
}


void IntegratorSundialsCVODE::initSolverComponents(LESInterface * lesSolver, PrecondInterface * precond,
												   JacobianInterface * jacobian)
{
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::init]";
	CVODERunRecord & rr = *m_runRecord;
	if (jacobian != nullptr) {
		BVX::BVX_Message("Initializing Jacobian implementation\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		jacobian->init(rr.m_model);
	}

	BVX::BVX_Message("Initializing LES solver implementation\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	lesSolver->init(rr.m_model, this, precond, jacobian);

	if (dynamic_cast<LESInterfaceIterative *>(lesSolver) == nullptr)
		return;
	if (precond != nullptr || jacobian != nullptr) {
		if (CVodeSetPreconditioner(rr.m_cvodeMem, CVSpilsPrecSetupFn_f, CVSpilsPrecSolveFn_f) != CVLS_SUCCESS)
			throw BVX::Exception("Error registering CVSpilsPrecSetupFn_f and/or CVSpilsPrecSolveFn_f.", FUNC_ID);
	}
	if (jacobian != nullptr) {
		BVX::BVX_Message("Registering own Jacobian implementation with J*v function.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		CVodeSetJacTimes(rr.m_cvodeMem, nullptr, CVJacTimesVecFn_f);
	}
	else {
		BVX::BVX_Message("Using DQ-Approximation for J*v function.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	}
	if (precond != nullptr) {
		BVX::BVX_Message("Initializing Preconditioner implementation\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		precond->init(rr.m_model, this, jacobian);
	}
}


int IntegratorSundialsCVODE::step() {
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::step]";
	if (!m_runRecord)
		throw BVX::Exception("Integrator is not initialized.", FUNC_ID);
	CVODERunRecord & rr = *m_runRecord;
	if (m_stopTime != 0)
		CVodeSetStopTime(rr.m_cvodeMem, m_stopTime);
	if (rr.m_linearSetupRequested) {
		CVodeRequestLinearSetup(rr.m_cvodeMem);
		rr.m_linearSetupRequested = false;
	}

	int res = CVode(rr.m_cvodeMem, rr.m_model->tEnd(), rr.m_y, &rr.m_t, CV_ONE_STEP);

	// an exception thrown inside a callback ends the run with its full message stack
	std::unique_ptr<BVX::Exception> callbackError = rr.takeException();
	if (callbackError)
		throw BVX::Exception(*callbackError, "Error during integrator step call.", FUNC_ID);

	if (res != CV_SUCCESS && res != CV_TSTOP_RETURN)
		return -1; // CVODE has reported the reason through the error handler
	readCounters();
	return 1;
}


void IntegratorSundialsCVODE::readCounters() {
	CVODERunRecord & rr = *m_runRecord;
	void * mem = rr.m_cvodeMem;
	CVodeGetNumSteps(mem, &rr.m_numSteps);
	CVodeGetNumRhsEvals(mem, &rr.m_numRhsEvals);
	CVodeGetNumLinSolvSetups(mem, &rr.m_numLinSetups);
	CVodeGetNonlinSolvStats(mem, &rr.m_numNIters, &rr.m_numNConvFails);
	CVodeGetNumErrTestFails(mem, &rr.m_numErrFails);
	CVodeGetLastOrder(mem, &rr.m_lastOrder);
	CVodeGetLastStep(mem, &rr.m_lastStep);
	rr.m_dt = rr.m_lastStep;
}


double IntegratorSundialsCVODE::t() const {
	return m_runRecord ? m_runRecord->m_t : 0.0;
}


double IntegratorSundialsCVODE::dt() const {
	return m_runRecord ? m_runRecord->m_dt : 0.0;
}


const double * IntegratorSundialsCVODE::y_out(double t) const {
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::y_out]";
	if (!m_runRecord)
		throw BVX::Exception("Cannot interpolate values.", FUNC_ID);
	CVODERunRecord & rr = *m_runRecord;
	// An output time up to 1e-8 s beyond the current time counts as the current time:
	// CVODE cannot interpolate beyond tn.
	if (t == rr.m_t || (t > rr.m_t && t - rr.m_t <= 1e-8))
		return NV_DATA_S(rr.m_y);
	if (CVodeGetDky(rr.m_cvodeMem, t, 0, rr.m_yOut) != CV_SUCCESS)
		throw BVX::Exception("Cannot interpolate values.", FUNC_ID);
	return NV_DATA_S(rr.m_yOut);
}


void * IntegratorSundialsCVODE::cvodeMem() const {
	return m_runRecord ? m_runRecord->m_cvodeMem : nullptr;
}


SUNContext IntegratorSundialsCVODE::sunContext() const {
	return m_runRecord ? m_runRecord->m_ctx : nullptr;
}


N_Vector IntegratorSundialsCVODE::stateVector() const {
	return m_runRecord ? m_runRecord->m_y : nullptr;
}


int IntegratorSundialsCVODE::attachLinearSolver(SUNMatrix A, SUNLinearSolver LS) {
	if (!m_runRecord) {
		if (LS != nullptr) SUNLinSolFree(LS);
		if (A != nullptr) SUNMatDestroy(A);
		return CVLS_MEM_NULL;
	}
	if (LS == nullptr) {
		if (A != nullptr) SUNMatDestroy(A);
		return CVLS_MEM_FAIL;
	}
	// the wrapper measures setup and solve in the solver timers and owns LS from now on
	SUNLinearSolver timedLS = TimedLinearSolver::wrap(LS);
	if (timedLS == nullptr) {
		SUNLinSolFree(LS);
		if (A != nullptr) SUNMatDestroy(A);
		return CVLS_MEM_FAIL;
	}
	m_runRecord->adopt(A, timedLS);
	return CVodeSetLinearSolver(m_runRecord->m_cvodeMem, timedLS, A);
}


// --- serialisation -----------------------------------------------------------

std::size_t IntegratorSundialsCVODE::serializationSize() const {
	if (!m_runRecord)
		return 0;
	std::int64_t cvodeSize = CVodeSerializationSize(m_runRecord->m_cvodeMem);
	if (cvodeSize <= 0)
		return 0;
	return static_cast<std::size_t>(cvodeSize) + 8*static_cast<std::size_t>(m_runRecord->m_n) + 24;
}


void IntegratorSundialsCVODE::serialize(void *& dataPtr) const {
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::serialize]";
	if (!m_runRecord)
		throw BVX::Exception("Integrator is not initialized.", FUNC_ID);
	const CVODERunRecord & rr = *m_runRecord;
	void * data = dataPtr;
	try {
		CVodeSerialize(rr.m_cvodeMem, &data);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, "Cannot serialize integrator state.", FUNC_ID);
	}
	NVectorSerialize(&data, rr.m_y);
	char * p = static_cast<char *>(data);
	std::memcpy(p, &rr.m_t, sizeof(double));
	std::memcpy(p + sizeof(double), &rr.m_dt, sizeof(double));
	dataPtr = p + 2*sizeof(double);
}


void IntegratorSundialsCVODE::deserialize(void *& dataPtr) {
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::deserialize]";
	if (!m_runRecord)
		throw BVX::Exception("Integrator is not initialized.", FUNC_ID);
	CVODERunRecord & rr = *m_runRecord;
	void * data = dataPtr;
	try {
		// everything is checked before the integrator is touched
		void * p = data;
		std::int64_t res = CVodeSerializeState(CVODE_STATE_CHECK, rr.m_cvodeMem, &p);
		if (res == -1)
			throw BVX::Exception("Invalid integrator state data (unknown tag).", FUNC_ID);
		if (res == -2)
			throw BVX::Exception("Invalid integrator state data (unsupported version).", FUNC_ID);
		std::uint64_t n;
		std::memcpy(&n, static_cast<char *>(data) + res, sizeof(n));
		if (n != rr.m_n)
			throw BVX::Exception(BVX::FormatText("Stored vector length %1 differs from the vector length %2.")
								 .arg(static_cast<unsigned long long>(n)).arg(rr.m_n), FUNC_ID);

		CVodePrepareForDeserialize(rr.m_cvodeMem);
		CVodeDeserialize(rr.m_cvodeMem, &data);
		rr.m_linearSetupRequested = CVodeLinearSolverHasUnsavedData(rr.m_cvodeMem);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, "Cannot deserialize integrator state.", FUNC_ID);
	}
	NVectorDeserialize(&data, rr.m_y);
	char * p = static_cast<char *>(data);
	std::memcpy(&rr.m_t, p, sizeof(double));
	readCounters();
	std::memcpy(&rr.m_dt, p + sizeof(double), sizeof(double));
	dataPtr = p + 2*sizeof(double);
}


// --- statistics --------------------------------------------------------------

void IntegratorSundialsCVODE::writeStatisticsHeader(const std::string & logDirectory, bool restart) {
	if (!m_runRecord)
		return;
	std::string fname = logDirectory + "/integrator_cvode_stats.tsv";
	std::unique_ptr<std::ofstream> strm = openStatisticsFile(fname, restart,
															 "[IntegratorSundialsCVODE::writeStatisticsHeader]");
	if (!strm) {
		m_runRecord->m_statsFile.reset();
		return;
	}
	if (!restart) {
		std::ostream & out = *strm;
		out << std::right
			<< std::setw(25) << "Time [s]" << '\t'
			<< std::setw(10) << "Steps" << '\t'
			<< std::setw(10) << "RhsEvals" << '\t'
			<< std::setw(10) << "LinSetups" << '\t'
			<< std::setw(8) << "NIters" << '\t'
			<< std::setw(11) << "NConvFails" << '\t'
			<< std::setw(11) << "NErrFails" << '\t'
			<< std::setw(6) << "Order" << '\t'
			<< std::setw(14) << "StepSize [s]" << std::endl;
	}
	m_runRecord->m_statsFile = std::move(strm);
}


void IntegratorSundialsCVODE::writeStatistics() {
	if (!m_runRecord || !m_runRecord->m_statsFile || m_runRecord->m_numSteps == 0)
		return;
	const CVODERunRecord & rr = *m_runRecord;
	std::ostream & out = *rr.m_statsFile;
	out << std::right << std::fixed << std::setprecision(10) << std::setw(25) << rr.m_t << '\t'
		<< std::setprecision(0)
		<< std::setw(10) << rr.m_numSteps << '\t'
		<< std::setw(10) << rr.m_numRhsEvals << '\t'
		<< std::setw(10) << rr.m_numLinSetups << '\t'
		<< std::setw(8) << rr.m_numNIters << '\t'
		<< std::setw(11) << rr.m_numNConvFails << '\t'
		<< std::setw(11) << rr.m_numErrFails << '\t'
		<< std::setw(6) << rr.m_lastOrder << '\t';
	writeStepSizeColumn(out, rr.m_lastStep);
}


void IntegratorSundialsCVODE::flushStatistics() {
	if (m_runRecord && m_runRecord->m_statsFile)
		m_runRecord->m_statsFile->flush();
}


void IntegratorSundialsCVODE::writeMetrics(double wallClockSeconds, std::ostream * summary) {
	const char * const FUNC_ID = "[IntegratorSundialsCVODE::writeMetrics]";
	long steps = 0, rhsEvals = 0, linSetups = 0, nIters = 0, nConvFails = 0, errFails = 0;
	if (m_runRecord) {
		const CVODERunRecord & rr = *m_runRecord;
		steps = rr.m_numSteps;
		rhsEvals = rr.m_numRhsEvals;
		linSetups = rr.m_numLinSetups;
		nIters = rr.m_numNIters;
		nConvFails = rr.m_numNConvFails;
		errFails = rr.m_numErrFails;
	}
	double tRhs = solverTimerValue(ST_RightHandSide);
	double tSetup = solverTimerValue(ST_LinearSetup);
	double tSolve = solverTimerValue(ST_LinearSolve);

	const IntegratorCounters counters = { steps, nIters, nConvFails, errFails, rhsEvals, linSetups };
	writeIntegratorMetricsLog(counters, wallClockSeconds, FUNC_ID);

	if (summary != nullptr) {
		std::ostream & out = *summary;
		out << "IntegratorSteps=" << steps << std::endl;
		out << "IntegratorErrorTestFails=" << errFails << std::endl;
		out << "IntegratorNonLinearConvFails=" << nConvFails << std::endl;
		out << "IntegratorFunctionEvals=" << rhsEvals << std::endl;
		out << "IntegratorTimeFunctionEvals=" << tRhs << std::endl;
		out << "IntegratorLESSetup=" << linSetups << std::endl;
		out << "IntegratorTimeLESSetup=" << tSetup << std::endl;
		out << "IntegratorLESSolve=" << nIters << std::endl;
		out << "IntegratorTimeLESSolve=" << tSolve << std::endl;
	}
}

} // namespace VUREDO
