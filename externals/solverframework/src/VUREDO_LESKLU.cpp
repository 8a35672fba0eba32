#include "VUREDO_LESKLU.h"

#include <algorithm>

#include <cvode/cvode.h>
#include <cvode/cvode_ls.h>
#include <nvector/nvector_serial.h>
#include <sunlinsol/sunlinsol_klu.h>
#include <sunmatrix/sunmatrix_sparse.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include "VUREDO_CVODERunRecord.h"
#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_JacobianSparseCSR.h"
#include "VUREDO_KLUTransposedSolve.h"
#include "VUREDO_ModelInterface.h"
#include "VUREDO_SUNMatrixSparseOps.h"
#include "VUREDO_SolverTimers.h"

namespace VUREDO {

namespace {

/*! CVODE's Jacobian callback; the user data is the integrator's run record. */
int LESKLU_jacobian(realtype t, N_Vector y, N_Vector /*fy*/, SUNMatrix J, void * user_data,
					N_Vector /*tmp1*/, N_Vector /*tmp2*/, N_Vector /*tmp3*/)
{
	CVODERunRecord * rr = static_cast<CVODERunRecord *>(user_data);
	try {
		return static_cast<LESKLU *>(rr->m_les)->fillJacobian(t, NV_DATA_S(y), J);
	}
	catch (BVX::Exception & ex) {
		rr->storeException(ex);
	}
	catch (std::exception & ex) {
		rr->storeException(ex, "[LESKLU_jacobian]");
	}
	return -1;
}

/*! KLU's set-up, then the solve schedule brought up to date with the new factors. The
	schedule is reached through KLU's user pointer, which only a user-supplied ordering
	would use.
*/
int LESKLU_setup(SUNLinearSolver S, SUNMatrix A) {
	int res = SUNLinSolSetup_KLU(S, A);
	KLUTransposedSolve * fast = static_cast<KLUTransposedSolve *>(SUNLinSol_KLUGetCommon(S)->user_data);
	if (res == SUNLS_SUCCESS)
		fast->update(SUNLinSol_KLUGetSymbolic(S), SUNLinSol_KLUGetNumeric(S));
	else
		fast->update(nullptr, nullptr);
	return res;
}

/*! KLU's solve for the row-compressed matrix (A^T solved with the factors of A), with
	the columns visited in dependency order: the same result to the bit.
*/
int LESKLU_solve(SUNLinearSolver S, SUNMatrix A, N_Vector x, N_Vector b, realtype tol) {
	KLUTransposedSolve * fast = static_cast<KLUTransposedSolve *>(SUNLinSol_KLUGetCommon(S)->user_data);
	if (!fast->ready() || A == nullptr || x == nullptr || b == nullptr)
		return SUNLinSolSolve_KLU(S, A, x, b, tol);
	N_VScale(1.0, b, x);
	fast->solve(NV_DATA_S(x));
	static_cast<SUNLinearSolverContent_KLU>(S->content)->last_flag = SUNLS_SUCCESS;
	return SUNLS_SUCCESS;
}

} // namespace


LESKLU::LESKLU() :
	m_jacobian(nullptr),
	m_nBaseEvals(0),
	m_patternKey(0)
{
}


LESKLU::~LESKLU() {
}


void LESKLU::init(ModelInterface * model, IntegratorInterface * integrator,
				  PrecondInterface * precond, JacobianInterface * jacobian)
{
	const char * const FUNC_ID = "[LESKLU::init]";
	m_model = model;
	m_integrator = integrator;
	m_jacobian = nullptr;
	m_nBaseEvals = 0;
	m_patternKey = 0;
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	if (precond != nullptr)
		BVX::BVX_Message("LESKLU linear solver is chosen: Preconditioner will be ignored.", BVX::MSG_WARNING, FUNC_ID, -1);
	if (jacobian == nullptr)
		throw BVX::Exception("Error initializing LESKLU linear solver: missing Jacobian.", FUNC_ID);
	JacobianSparseCSR * jac = dynamic_cast<JacobianSparseCSR *>(jacobian);
	if (jac == nullptr)
		throw BVX::Exception("Error initializing LESKLU linear solver: only JacobianSparseCSR  is allowed.", FUNC_ID);
	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(integrator);
	if (cvode == nullptr || cvode->runRecord() == nullptr)
		throw BVX::Exception("Error initializing KLU linear solver: solver is only defined for CVODE integrator", FUNC_ID);
	m_jacobian = jac;

	unsigned int n = model->n();
	// the callback reaches this object through the run record
	cvode->runRecord()->m_les = this;
	m_ydot.assign(n, 0.0);

	sunindextype sn = static_cast<sunindextype>(n);
	SUNMatrix A = SUNSparseMatrix(sn, sn, static_cast<sunindextype>(jac->nnz()), CSR_MAT, cvode->sunContext());
	// CVODE's saved Jacobian is a clone of A and inherits the compiled operations
	if (A != nullptr)
		SUNMatrixSparseOps::install(A);
	SUNLinearSolver LS = A != nullptr ? SUNLinSol_KLU(cvode->stateVector(), A, cvode->sunContext()) : nullptr;
	if (LS != nullptr) {
		m_transposedSolve.update(nullptr, nullptr);
		SUNLinSol_KLUGetCommon(LS)->user_data = &m_transposedSolve;
		LS->ops->setup = LESKLU_setup;
		LS->ops->solve = LESKLU_solve;
	}
	int res = cvode->attachLinearSolver(A, LS);
	if (res != 0)
		throwAttachError(res, "CVKLU", FUNC_ID);
	res = CVodeSetJacFn(cvode->cvodeMem(), LESKLU_jacobian);
	if (res != 0)
		throwAttachError(res, "CVKLU", FUNC_ID);
}


int LESKLU::setup(const double *, const double *, const double *, double) {
	return 0;
}


void LESKLU::solve(double *) {
}


int LESKLU::fillJacobian(double t, const double * y, SUNMatrix J) {
	// the Jacobian evaluation is part of the linear-solver setup
	ScopedSolverTimer setupTimer(ST_LinearSetup);
	ScopedSolverTimer jacTimer(ST_JacobianSetup);
	{
		ScopedSolverTimer rhsTimer(ST_JacobianModelEvaluations);
		// f(y) at the time CVODE asks for; return codes are ignored as in all
		// difference quotients
		m_model->setTime(t);
		m_model->setY(y);
		m_model->ydot(m_ydot.data());
	}
	++m_nBaseEvals;
	m_jacobian->setup(t, y, m_ydot.data(), nullptr, m_integrator->dt());

	// the pattern is written once; CVODE's zero and copy keep it from then on
	const unsigned int n = m_jacobian->n();
	const unsigned int nnz = m_jacobian->nnz();
	if (!SUNMatrixSparseOps::holdsPattern(J, m_patternKey)) {
		const std::vector<unsigned int> & ia = m_jacobian->ia();
		const std::vector<unsigned int> & ja = m_jacobian->ja();
		sunindextype * rowPtr = SUNSparseMatrix_IndexPointers(J);
		sunindextype * colIdx = SUNSparseMatrix_IndexValues(J);
		for (unsigned int i = 0; i <= n; ++i)
			rowPtr[i] = static_cast<sunindextype>(ia[i]);
		for (unsigned int p = 0; p < nnz; ++p)
			colIdx[p] = static_cast<sunindextype>(ja[p]);
		m_patternKey = SUNMatrixSparseOps::fixPattern(J);
	}
	const double * jacValues = m_jacobian->data();
	std::copy(jacValues, jacValues + nnz, SUNSparseMatrix_Data(J));
	return 0;
}


void LESKLU::updateCounters() {
	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(m_integrator);
	if (cvode == nullptr || cvode->cvodeMem() == nullptr || m_jacobian == nullptr)
		return;
	long jacEvals = 0;
	CVodeGetNumJacEvals(cvode->cvodeMem(), &jacEvals);
	m_statNumJacEvals = static_cast<unsigned int>(jacEvals);
	// coloured difference quotients plus the evaluation of f(y) before each of them
	m_statNumRHSEvals = m_jacobian->nRHSEvals() + m_nBaseEvals;
}

} // namespace VUREDO
