#include "VUREDO_LESGMRES.h"

#include <algorithm>
#include <cmath>

#include <cvode/cvode_ls.h>
#include <sunlinsol/sunlinsol_spgmr.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "VUREDO_CVodeStateSerialization.h"
#include "VUREDO_IntegratorImplicitEuler.h"
#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_JacobianInterface.h"
#include "VUREDO_ModelInterface.h"
#include "VUREDO_PrecondInterface.h"
#include "VUREDO_SolverTimers.h"

namespace VUREDO {

LESGMRES::LESGMRES() :
	m_ownSolver(false),
	m_n(0),
	m_K(0),
	m_leftPrec(false),
	m_rightPrec(false),
	m_gamma(0),
	m_delta(0)
{
}


LESGMRES::~LESGMRES() {
}


void LESGMRES::init(ModelInterface * model, IntegratorInterface * integrator,
					PrecondInterface * precond, JacobianInterface * jacobian)
{
	const char * const FUNC_ID = "[LESGMRES::init]";
	m_model = model;
	m_integrator = integrator;
	m_precond = precond;
	m_jacobian = jacobian;
	m_ownSolver = false;
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	if (precond == nullptr)
		BVX::BVX_Message("No Preconditioner is set for LESGMRES linear equation solver.", BVX::MSG_WARNING, FUNC_ID, -1);

	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(integrator);
	if (cvode != nullptr) {
		int type = cvodePreconditioningType("LESGMRES", FUNC_ID);
		SUNLinearSolver LS = SUNLinSol_SPGMR(cvode->stateVector(), type, static_cast<int>(m_maxKrylovDim), cvode->sunContext());
		int res = cvode->attachLinearSolver(nullptr, LS);
		if (res != 0)
			throwAttachError(res, "CVSpgmr", FUNC_ID);
		applyEpsLin(cvode->cvodeMem(), FUNC_ID);
		return;
	}

	IntegratorImplicitEuler * euler = dynamic_cast<IntegratorImplicitEuler *>(integrator);
	if (euler == nullptr)
		throw BVX::Exception("Error initializing Sundials GMRES linear solver: Only 'IntegratorSundialsIDA' or "
							 "'IntegratorSundialsCVODE' are suitable integrators.", FUNC_ID);

	m_n = model->n();
	m_K = m_maxKrylovDim;
	const int type = precond != nullptr ? precond->preconditionerType() : 0;
	m_leftPrec = type == 1 || type == 3;
	m_rightPrec = type == 2 || type == 3;

	m_H.resize(m_K + 1, m_K, 1, m_K + 1);
	std::fill(m_H.data(), m_H.data() + static_cast<std::size_t>(m_H.n())*m_H.ldim(), 0.0);
	m_V.assign(m_K + 1, std::vector<double>(m_n, 0.0));
	m_givens.assign(2*(m_K + 1), 0.0);
	for (std::vector<double> * v : {&m_y, &m_ydot, &m_weights, &m_x, &m_work1, &m_work2})
		v->assign(m_n, 0.0);
	m_g.assign(m_K + 1, 0.0);

	if (m_linIterConvCoeff == 0)
		m_linIterConvCoeff = 0.1;
	BVX::BVX_Message(BVX::FormatText("Setting LinIterConvCoeff to %1.\n").arg(m_linIterConvCoeff), BVX::MSG_PROGRESS, FUNC_ID, 1);
	m_delta = std::sqrt(static_cast<double>(m_n))*(euler->m_nonLinConvCoef*m_linIterConvCoeff);
	m_ownSolver = true;
}


int LESGMRES::setup(const double * y, const double * ydot, const double * residuals, double gamma) {
	if (!m_ownSolver)
		return 0;
	std::copy(y, y + m_n, m_y.begin());
	m_gamma = gamma;
	if (m_model->hasErrorWeightsFunction()) {
		m_model->calculateErrorWeights(y, m_weights.data());
	}
	else {
		const IntegratorErrorControlled * ec = dynamic_cast<const IntegratorErrorControlled *>(m_integrator);
		for (unsigned int i = 0; i < m_n; ++i) {
			const double absTol = ec->m_absTolVec.empty() ? ec->m_absTol : ec->m_absTolVec[i];
			m_weights[i] = 1.0/(std::fabs(y[i])*ec->m_relTol + absTol);
		}
	}
	std::copy(ydot, ydot + m_n, m_ydot.begin());
	const double t = m_integrator->t();
	int res = 0;
	if (m_jacobian != nullptr) {
		ScopedSolverTimer timer(ST_JacobianSetup);
		res = m_jacobian->setup(t, y, ydot, residuals, gamma);
	}
	if (m_precond != nullptr) {
		ScopedSolverTimer timer(ST_PreconditionerSetup);
		bool jacUpdated = false;
		res = m_precond->setupODE(t, y, ydot, residuals, false, jacUpdated, gamma);
		++m_statNumPrecSetups;
	}
	return res;
}


void * LESGMRES::cvodeMem() const {
	const IntegratorSundialsCVODE * cvode = dynamic_cast<const IntegratorSundialsCVODE *>(m_integrator);
	return cvode != nullptr ? cvode->cvodeMem() : nullptr;
}


std::size_t LESGMRES::serializationSize() const {
	void * mem = cvodeMem();
	return mem != nullptr ? CVSpilsSerializationSize(mem) : 0;
}


void LESGMRES::serialize(void *& dataPtr) const {
	void * mem = cvodeMem();
	if (mem != nullptr)
		CVSpilsSerialize(mem, &dataPtr);
}


void LESGMRES::deserialize(void *& dataPtr) {
	void * mem = cvodeMem();
	if (mem != nullptr)
		CVSpilsDeserialize(mem, &dataPtr);
}


double LESGMRES::dot(const double * a, const double * b) const {
	double s = 0;
	for (unsigned int i = 0; i < m_n; ++i)
		s += a[i]*b[i];
	return s;
}


void LESGMRES::applyPreconditioner(const double * r, double * z, int lr) {
	ScopedSolverTimer timer(ST_PreconditionerSolve);
	m_precond->solve(0, m_y.data(), m_ydot.data(), nullptr, r, z, m_gamma, m_delta, lr);
	++m_statNumPrecSolves;
}


void LESGMRES::multiplyIterationMatrix(const double * v, double * out) {
	ScopedSolverTimer timer(ST_MatrixVectorProducts);
	++m_statNumJacTimesEvals;
	if (m_jacobian != nullptr) {
		m_jacobian->jacTimesVec(v, out);
		for (unsigned int i = 0; i < m_n; ++i)
			out[i] = v[i] - m_gamma*out[i];
		return;
	}
	// one model evaluation with a single increment for the whole direction
	const double sigma = std::sqrt(dot(m_y.data(), m_y.data()))/m_n*m_relToleranceDQ + m_absToleranceDQ;
	double * yMod = m_work2.data();
	for (unsigned int i = 0; i < m_n; ++i)
		yMod[i] = m_y[i] + sigma*v[i];
	{
		ScopedSolverTimer rhsTimer(ST_JvModelEvaluations);
		m_model->setY(yMod);
		m_model->ydot(out);
	}
	++m_statNumRHSEvals;
	for (unsigned int i = 0; i < m_n; ++i)
		out[i] = v[i] - m_gamma*(out[i] - m_ydot[i])/sigma;
}


void LESGMRES::solve(double * rhs) {
	if (!m_ownSolver)
		return;
	const unsigned int n = m_n;
	const double * w = m_weights.data();
	double * z = m_work1.data();

	std::fill(m_x.begin(), m_x.end(), 0.0);
	for (std::vector<double> & v : m_V)
		std::fill(v.begin(), v.end(), 0.0);
	double * V0 = m_V[0].data();
	if (m_leftPrec)
		applyPreconditioner(rhs, V0, 1);
	else
		std::copy(rhs, rhs + n, V0);
	for (unsigned int k = 0; k < n; ++k)
		V0[k] *= w[k];
	const double rho = std::sqrt(dot(V0, V0));
	if (rho < m_delta)
		return; // zero correction is good enough

	for (unsigned int k = 0; k < n; ++k)
		V0[k] /= rho;
	std::fill(m_H.data(), m_H.data() + static_cast<std::size_t>(m_H.n())*m_H.ldim(), 0.0);
	double product = 1;
	bool converged = false;
	unsigned int i = 0;
	for (;;) {
		double * Vi = m_V[i].data();
		double * Vnext = m_V[i + 1].data();
		// z = w .* P_left^-1 * A * P_right^-1 * (V_i ./ w)
		for (unsigned int k = 0; k < n; ++k)
			Vnext[k] = Vi[k]/w[k];
		if (m_rightPrec) {
			applyPreconditioner(Vnext, z, 2);
			std::copy(z, z + n, Vnext);
		}
		multiplyIterationMatrix(Vnext, z);
		if (m_leftPrec) {
			applyPreconditioner(z, Vnext, 1);
			std::copy(Vnext, Vnext + n, z);
		}
		for (unsigned int k = 0; k < n; ++k)
			z[k] *= w[k];

		// Arnoldi step, classical Gram-Schmidt
		const double normBefore = std::sqrt(dot(z, z));
		std::copy(z, z + n, Vnext);
		for (unsigned int j = 0; j <= i; ++j) {
			const double h = dot(z, m_V[j].data());
			m_H(j, i) = h;
			const double * Vj = m_V[j].data();
			for (unsigned int k = 0; k < n; ++k)
				Vnext[k] -= h*Vj[k];
		}
		double normAfter = std::sqrt(dot(Vnext, Vnext));

		// the new direction has (almost) vanished in rounding: orthogonalise once more
		if (std::fabs((1000*normBefore + normAfter) - 1000*normBefore) < 1e-23) {
			double sumSquares = 0;
			for (unsigned int j = 0; j <= i; ++j) {
				const double p = dot(Vnext, m_V[j].data());
				if (std::fabs((1000*m_H(j, i) + p) - 1000*m_H(j, i)) < 1e-23)
					continue;
				m_H(j, i) += p;
				const double * Vj = m_V[j].data();
				for (unsigned int k = 0; k < n; ++k)
					Vnext[k] -= p*Vj[k];
				sumSquares += p*p;
			}
			if (sumSquares > 1e-23)
				normAfter = std::sqrt(std::max(normAfter*normAfter - sumSquares, 0.0));
		}
		m_H(i + 1, i) = normAfter;
		// normAfter = 0: the Krylov space is invariant, the rotation below ends the iteration
		if (normAfter > 0) {
			for (unsigned int k = 0; k < n; ++k)
				Vnext[k] /= normAfter;
		}

		// QR update of the Hessenberg column with Givens rotations
		for (unsigned int k = 0; k < i; ++k) {
			const double c = m_givens[2*k], s = m_givens[2*k + 1];
			const double h0 = m_H(k, i), h1 = m_H(k + 1, i);
			m_H(k, i) = c*h0 - s*h1;
			m_H(k + 1, i) = s*h0 + c*h1;
		}
		const double a = m_H(i, i), b = m_H(i + 1, i);
		double c, s;
		if (b == 0) {
			c = 1;
			s = 0;
		}
		else if (std::fabs(b) >= std::fabs(a)) {
			const double tau = a/b;
			s = -1.0/std::sqrt(1 + tau*tau);
			c = -tau*s;
		}
		else {
			const double tau = b/a;
			c = 1.0/std::sqrt(1 + tau*tau);
			s = -tau*c;
		}
		m_givens[2*i] = c;
		m_givens[2*i + 1] = s;
		m_H(i, i) = c*a - s*b;
		m_H(i + 1, i) = 0;

		++m_statNumLinIters;
		product *= s;
		++i;
		if (m_delta >= std::fabs(product)*rho) {
			converged = true;
			break;
		}
		if (i == n || i >= m_K)
			break;
	}

	// least-squares solution: rotate g = rho*e1 and solve with the upper triangle
	std::fill(m_g.begin(), m_g.end(), 0.0);
	m_g[0] = rho;
	for (unsigned int k = 0; k < i; ++k) {
		const double c = m_givens[2*k], s = m_givens[2*k + 1];
		const double g0 = m_g[k], g1 = m_g[k + 1];
		m_g[k] = c*g0 - s*g1;
		m_g[k + 1] = s*g0 + c*g1;
	}
	for (unsigned int k = i; k-- > 0;) {
		if (m_H(k, k) == 0) {
			// singular triangle: the remaining coefficients stay 0
			for (unsigned int j = 0; j <= k; ++j)
				m_g[j] = 0;
			break;
		}
		double sum = m_g[k];
		for (unsigned int j = k + 1; j < i; ++j)
			sum -= m_H(k, j)*m_g[j];
		m_g[k] = sum/m_H(k, k);
	}

	for (unsigned int k = 0; k < i; ++k) {
		const double gk = m_g[k];
		const double * Vk = m_V[k].data();
		for (unsigned int j = 0; j < n; ++j)
			m_x[j] += gk*Vk[j];
	}
	for (unsigned int j = 0; j < n; ++j)
		m_x[j] /= w[j];
	if (m_rightPrec) {
		applyPreconditioner(m_x.data(), rhs, 2);
	}
	else {
		std::copy(m_x.begin(), m_x.end(), rhs);
	}
	if (!converged)
		++m_statNumLinConvFails;
}

} // namespace VUREDO
