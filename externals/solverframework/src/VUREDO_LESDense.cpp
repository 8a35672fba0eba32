#include "VUREDO_LESDense.h"

#include <cmath>

#include <sunlinsol/sunlinsol_dense.h>
#include <sunmatrix/sunmatrix_dense.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include "VUREDO_IntegratorImplicitEuler.h"
#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_ModelInterface.h"

namespace VUREDO {

LESDense::LESDense() :
	m_n(0),
	m_ownMatrix(false)
{
}


LESDense::~LESDense() {
}


void LESDense::init(ModelInterface * model, IntegratorInterface * integrator,
					PrecondInterface * precond, JacobianInterface * /*jacobian*/)
{
	const char * const FUNC_ID = "[LESDense::init]";
	m_model = model;
	m_integrator = integrator;
	m_ownMatrix = false;
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	if (precond != nullptr)
		BVX::BVX_Message("LESDense solver is chosen: Preconditioner will be ignored.", BVX::MSG_WARNING, FUNC_ID, -1);

	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(integrator);
	if (cvode != nullptr) {
		m_n = model->n();
		sunindextype n = static_cast<sunindextype>(m_n);
		SUNMatrix A = SUNDenseMatrix(n, n, cvode->sunContext());
		SUNLinearSolver LS = A != nullptr ? SUNLinSol_Dense(cvode->stateVector(), A, cvode->sunContext()) : nullptr;
		int res = cvode->attachLinearSolver(A, LS);
		if (res != 0)
			throwAttachError(res, "CVDense", FUNC_ID);
		return;
	}
	// own Newton iteration: the matrix is built here by difference quotients
	if (dynamic_cast<IntegratorImplicitEuler *>(integrator) != nullptr) {
		prepareOwnMatrix();
		return;
	}
	throw BVX::Exception("Error initialising Dense linear solver: solver is only defined for CVODE, "
						 "IDA or implicit Euler integrator", FUNC_ID);
}


void LESDense::prepareOwnMatrix() {
	m_n = m_model->n();
	m_matrix.resize(m_n);
	m_yMod.assign(m_n, 0.0);
	m_ydotMod.assign(m_n, 0.0);
	m_increments.assign(m_n, 0.0);
	m_ownMatrix = true;
}


int LESDense::setup(const double * y, const double * ydot, const double * /*residuals*/, double gamma) {
	if (!m_ownMatrix)
		return 0;
	std::fill(m_matrix.data(), m_matrix.data() + static_cast<std::size_t>(m_n) * m_n, 0.0);
	std::copy(y, y + m_n, m_yMod.begin());
	for (unsigned int i = 0; i < m_n; ++i) {
		double d = std::fabs(y[i]) * m_relToleranceDQ + m_absToleranceDQ;
		m_increments[i] = d;
		m_yMod[i] += d;
		// return codes are ignored during difference quotients
		m_model->setY(m_yMod.data());
		m_model->ydot(m_ydotMod.data());
		for (unsigned int j = 0; j < m_n; ++j)
			m_matrix(j, i) = -(m_ydotMod[j] - ydot[j]) * gamma / d;
		m_matrix(i, i) += 1;
		++m_statNumRHSEvals;
		m_yMod[i] = y[i];
	}
	++m_statNumJacEvals;
	return m_matrix.lu();
}


void LESDense::solve(double * rhs) {
	if (!m_ownMatrix)
		return;
	m_matrix.backsolve(rhs);
}

} // namespace VUREDO
