#include "VUREDO_LESBand.h"

#include <algorithm>
#include <cmath>

#include <cvode/cvode_ls.h>
#include <sunlinsol/sunlinsol_band.h>
#include <sunmatrix/sunmatrix_band.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include "VUREDO_IntegratorImplicitEuler.h"
#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_ModelInterface.h"

namespace VUREDO {

LESBand::LESBand(int mu, int ml) :
	m_mu(mu),
	m_ml(ml),
	m_n(0),
	m_ownMatrix(false)
{
}


LESBand::~LESBand() {
}


void LESBand::init(ModelInterface * model, IntegratorInterface * integrator,
				   PrecondInterface * precond, JacobianInterface * jacobian)
{
	const char * const FUNC_ID = "[LESBand::init]";
	m_model = model;
	m_integrator = integrator;
	m_ownMatrix = false;
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	if (precond != nullptr)
		BVX::BVX_Message("LESBand linear solver is chosen: Preconditioner will be ignored.", BVX::MSG_WARNING, FUNC_ID, -1);
	if (jacobian != nullptr)
		BVX::BVX_Message("LESBand linear solver is chosen: Jacobian will be ignored.", BVX::MSG_WARNING, FUNC_ID, -1);

	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(integrator);
	if (cvode != nullptr) {
		m_n = model->n();
		int n = static_cast<int>(m_n);
		// half-bandwidths must lie within the matrix
		if (m_mu < 0 || m_ml < 0 || m_mu >= n || m_ml >= n)
			throwAttachError(CVLS_ILL_INPUT, "CVBand", FUNC_ID);
		SUNMatrix A = SUNBandMatrix(n, m_mu, m_ml, cvode->sunContext());
		SUNLinearSolver LS = A != nullptr ? SUNLinSol_Band(cvode->stateVector(), A, cvode->sunContext()) : nullptr;
		int res = cvode->attachLinearSolver(A, LS);
		if (res != 0)
			throwAttachError(res, "CVBand", FUNC_ID);
		return;
	}
	// own Newton iteration: the matrix is built here by difference quotients
	if (dynamic_cast<IntegratorImplicitEuler *>(integrator) != nullptr) {
		prepareOwnMatrix();
		return;
	}
	throw BVX::Exception("Error initializing Band linear solver: solver is only defined for CVODE, "
						 "IDA or implicit Euler integrator", FUNC_ID);
}


void LESBand::prepareOwnMatrix() {
	m_n = m_model->n();
	unsigned int mu = static_cast<unsigned int>(std::max(m_mu, 0));
	unsigned int ml = static_cast<unsigned int>(std::max(m_ml, 0));
	unsigned int smu = std::min(mu + ml, m_n > 0 ? m_n - 1 : 0);
	m_matrix.resize(m_n, mu, ml, smu);
	m_yMod.assign(m_n, 0.0);
	m_ydotMod.assign(m_n, 0.0);
	m_increments.assign(m_n, 0.0);
	m_ownMatrix = true;
}


int LESBand::setup(const double * y, const double * ydot, const double * /*residuals*/, double gamma) {
	if (!m_ownMatrix)
		return 0;
	const int n = static_cast<int>(m_n);
	std::fill(m_matrix.data(), m_matrix.data() + static_cast<std::size_t>(m_n) * m_matrix.ldim(), 0.0);
	std::copy(y, y + n, m_yMod.begin());
	for (int k = 0; k < n; ++k)
		m_increments[k] = std::fabs(y[k]) * m_relToleranceDQ + m_absToleranceDQ;

	// columns that are w apart never share a row of the band
	const int w = std::min(m_mu + m_ml + 1, n);
	for (int g = 0; g < w; ++g) {
		for (int k = g; k < n; k += w)
			m_yMod[k] += m_increments[k];
		// return codes are ignored during difference quotients
		m_model->setY(m_yMod.data());
		m_model->ydot(m_ydotMod.data());
		for (int k = g; k < n; k += w) {
			const double d = m_increments[k];
			const int jFirst = std::max(0, k - m_mu);
			const int jLast = std::min(n - 1, k + m_ml);
			for (int j = jFirst; j <= jLast; ++j)
				m_matrix(j, k) = -(m_ydotMod[j] - ydot[j]) * gamma / d;
			m_matrix(k, k) += 1;
			m_yMod[k] = y[k];
		}
		++m_statNumRHSEvals;
	}
	++m_statNumJacEvals;
	return m_matrix.lu();
}


void LESBand::solve(double * rhs) {
	if (!m_ownMatrix)
		return;
	m_matrix.backsolve(rhs);
}

} // namespace VUREDO
