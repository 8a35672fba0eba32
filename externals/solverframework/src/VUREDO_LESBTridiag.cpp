#include "VUREDO_LESBTridiag.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include <cvode/cvode.h>
#include <cvode/cvode_ls.h>
#include <nvector/nvector_serial.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "VUREDO_BTridiagDQ.h"
#include "VUREDO_CVODERunRecord.h"
#include "VUREDO_IntegratorImplicitEuler.h"
#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_ModelInterface.h"
#include "VUREDO_SUNLinSolBTridiag.h"
#include "VUREDO_SUNMatrixBTridiag.h"
#include "VUREDO_SolverTimers.h"

namespace VUREDO {

namespace {

/*! CVODE's Jacobian callback; the user data is the integrator's run record. */
int LESBTridiag_jacobian(realtype t, N_Vector y, N_Vector fy, SUNMatrix J, void * user_data,
						 N_Vector tmp1, N_Vector tmp2, N_Vector tmp3)
{
	CVODERunRecord * rr = static_cast<CVODERunRecord *>(user_data);
	try {
		return static_cast<LESBTridiag *>(rr->m_les)->cvodeJacobian(t, y, fy, J, tmp1, tmp2, tmp3);
	}
	catch (BVX::Exception & ex) {
		rr->storeException(ex);
	}
	catch (std::exception & ex) {
		rr->storeException(ex, "[LESBTridiag_jacobian]");
	}
	return -1;
}

/*! Model result as CVODE callback result: 1 stays recoverable, anything else fails hard. */
int callbackResult(int modelResult) {
	return modelResult == MR_Success || modelResult == MR_RecoverableError ? modelResult : -1;
}

} // namespace


LESBTridiag::LESBTridiag(int nBlocks, int blockSize) :
	m_nBlocks(nBlocks),
	m_blockSize(blockSize),
	m_n(0),
	m_cvodeDQEvals(0)
{
}


LESBTridiag::~LESBTridiag() {
}


void LESBTridiag::init(ModelInterface * model, IntegratorInterface * integrator,
					   PrecondInterface * precond, JacobianInterface * /*jacobian*/)
{
	const char * const FUNC_ID = "[LESBTridiag::init]";
	m_model = model;
	m_integrator = integrator;
	m_matrix.reset();
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	if (precond != nullptr)
		BVX::BVX_Message("LESBTridiag solver is chosen: Preconditioner will be ignored.", BVX::MSG_WARNING, FUNC_ID, -1);

	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(integrator);
	IntegratorImplicitEuler * euler = dynamic_cast<IntegratorImplicitEuler *>(integrator);
	if (cvode == nullptr && euler == nullptr)
		throw BVX::Exception("Error initializing BlockTridiag linear solver: solver is only defined for CVODE, "
							 "IDA or implicit Euler integrator.", FUNC_ID);

	// the factorisation needs four blocks; a size mismatch would read beyond the state
	m_n = model->n();
	if (m_nBlocks < 4)
		throw BVX::Exception(BVX::FormatText("Error initializing BlockTridiag linear solver: at least 4 blocks "
											 "are required, got %1.").arg(m_nBlocks), FUNC_ID);
	if (m_blockSize < 1 || static_cast<unsigned long>(m_nBlocks)*static_cast<unsigned long>(m_blockSize) != m_n)
		throw BVX::Exception(BVX::FormatText("Error initializing BlockTridiag linear solver: %1 blocks of size %2 "
											 "do not match the model's %3 unknowns.")
							 .arg(m_nBlocks).arg(m_blockSize).arg(m_n), FUNC_ID);

	if (cvode != nullptr) {
		m_cvodeDQEvals = 0;
		// the callback reaches this object through the run record
		if (cvode->runRecord() != nullptr)
			cvode->runRecord()->m_les = this;
		SUNMatrix A = SUNMatrixBTridiag::create(static_cast<unsigned int>(m_nBlocks),
												static_cast<unsigned int>(m_blockSize), cvode->sunContext());
		SUNLinearSolver LS = A != nullptr ? SUNLinSolBTridiag::create(cvode->sunContext()) : nullptr;
		int res = cvode->attachLinearSolver(A, LS);
		if (res != 0)
			throwAttachError(res, "CVBTridiag", FUNC_ID);
		res = CVodeSetJacFn(cvode->cvodeMem(), LESBTridiag_jacobian);
		if (res != 0)
			throwAttachError(res, "CVBTridiag", FUNC_ID);
		return;
	}

	m_matrix = NewBTridiagMat(m_nBlocks, m_blockSize);
	m_pivots.assign(m_n, 0);
	m_yMod.assign(m_n, 0.0);
	m_ydotMod.assign(m_n, 0.0);
	m_increments.assign(m_n, 0.0);
}


int LESBTridiag::setup(const double * y, const double * ydot, const double * /*residuals*/, double gamma) {
	if (!m_matrix)
		return 0;
	std::copy(y, y + m_n, m_yMod.begin());
	for (unsigned int i = 0; i < m_n; ++i)
		m_increments[i] = std::fabs(y[i])*m_relToleranceDQ + m_absToleranceDQ;
	// return codes are ignored during difference quotients
	auto rhs = [this](const double * yy, double * f) {
		ScopedSolverTimer timer(ST_JacobianModelEvaluations);
		m_model->setY(yy);
		m_model->ydot(f);
		return 0;
	};
	BTridiagDQJacobian(*m_matrix, y, ydot, m_increments.data(), m_yMod.data(), m_ydotMod.data(),
					   rhs, -gamma, 1.0, false, m_statNumRHSEvals);
	++m_statNumJacEvals;
	ScopedSolverTimer timer(ST_Factorisation);
	return BTridiagGETRF(*m_matrix, m_pivots.data());
}


void LESBTridiag::solve(double * rhs) {
	if (!m_matrix)
		return;
	BTridiagGETRS(*m_matrix, m_pivots.data(), rhs);
}


int LESBTridiag::cvodeJacobian(double t, N_Vector y, N_Vector fy, SUNMatrix J,
							   N_Vector tmp1, N_Vector tmp2, N_Vector tmp3)
{
	// the Jacobian evaluation is part of the linear-solver setup
	ScopedSolverTimer setupTimer(ST_LinearSetup);
	ScopedSolverTimer jacTimer(ST_JacobianSetup);
	IntegratorSundialsCVODE * cvode = static_cast<IntegratorSundialsCVODE *>(m_integrator);
	void * mem = cvode->cvodeMem();

	// increments as CVODE's own difference-quotient Jacobians choose them
	N_Vector ewt = tmp1;
	CVodeGetErrWeights(mem, ewt);
	realtype h = 0;
	CVodeGetCurrentStep(mem, &h);
	const double uround = DBL_EPSILON;
	const double srur = std::sqrt(uround);
	const double fnorm = N_VWrmsNorm(fy, ewt);
	const double minInc = fnorm != 0 ? 1000*std::fabs(h)*uround*m_n*fnorm : 1.0;
	const double * yd = NV_DATA_S(y);
	double * inc = NV_DATA_S(tmp1);
	for (unsigned int i = 0; i < m_n; ++i)
		inc[i] = std::max(srur*std::fabs(yd[i]), minInc/inc[i]);

	double * yTemp = NV_DATA_S(tmp2);
	std::copy(yd, yd + m_n, yTemp);
	int res = callbackResult(m_model->setTime(t));
	if (res != 0)
		return res;
	auto rhs = [this](const double * yy, double * f) {
		ScopedSolverTimer timer(ST_JacobianModelEvaluations);
		int r = m_model->setY(yy);
		if (r == 0)
			r = m_model->ydot(f);
		return callbackResult(r);
	};
	return BTridiagDQJacobian(SUNMatrixBTridiag::matrix(J), yd, NV_DATA_S(fy), inc, yTemp, NV_DATA_S(tmp3),
							  rhs, 1.0, 0.0, true, m_cvodeDQEvals);
}


void LESBTridiag::updateCounters() {
	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(m_integrator);
	if (cvode == nullptr || cvode->cvodeMem() == nullptr)
		return;
	long jacEvals = 0;
	CVodeGetNumJacEvals(cvode->cvodeMem(), &jacEvals);
	m_statNumJacEvals = static_cast<unsigned int>(jacEvals);
	// CVODE does not count the evaluations of our own difference quotients
	m_statNumRHSEvals = m_cvodeDQEvals;
}

} // namespace VUREDO
