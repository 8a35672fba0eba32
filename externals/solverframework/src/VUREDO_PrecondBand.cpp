#include "VUREDO_PrecondBand.h"

#include <algorithm>

#include <cvode/cvode_bandpre.h>
#include <cvode/cvode_ls.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include <BVXMK_SparseMatrixCSR.h>

#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_JacobianSparse.h"
#include "VUREDO_ModelInterface.h"

namespace VUREDO {

PrecondBand::PrecondBand(int ml, int mu, int precondType) :
	PrecondInterface(precondType),
	m_n(0),
	m_ml(ml),
	m_mu(mu),
	m_jacobian(nullptr),
	m_ownPath(false)
{
}


PrecondBand::~PrecondBand() {
}


void PrecondBand::init(ModelInterface * model, IntegratorInterface * integrator, JacobianInterface * jacobian) {
	const char * const FUNC_ID = "[PrecondBand::init]";
	m_integrator = integrator;
	m_model = model;
	m_jacobian = jacobian;
	m_ownPath = false;
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	m_n = model->n();

	if (m_mu == m_ml && jacobian != nullptr && m_n > 0) {
		BVX::BVX_Message("PrecondBand uses provided JacobianInterface implementation to retrieve Jacobian data.\n",
						 BVX::MSG_PROGRESS, FUNC_ID, 2);
		// a band wider than the matrix is stored as the full matrix
		const unsigned int mu = static_cast<unsigned int>(std::min(std::max(m_mu, 0), static_cast<int>(m_n) - 1));
		const unsigned int ml = static_cast<unsigned int>(std::min(std::max(m_ml, 0), static_cast<int>(m_n) - 1));
		const unsigned int smu = std::min(mu + ml + 1, m_n);
		m_P.resize(m_n, mu, ml, smu);
		m_savedJ.resize(m_n, mu, ml, smu);
		m_ownPath = true;
		return;
	}

	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(integrator);
	if (cvode != nullptr && cvode->cvodeMem() != nullptr) {
		// replaces the integrator's preconditioner callbacks with SUNDIALS' own ones
		if (CVBandPrecInit(cvode->cvodeMem(), static_cast<sunindextype>(m_n), m_mu, m_ml) != CVLS_SUCCESS)
			throw BVX::Exception("Error initializing band pre-conditioner.", FUNC_ID);
		BVX::BVX_Message("Using Sundials::BandPrec implementation which generates Jacobian data itself.\n",
						 BVX::MSG_PROGRESS, FUNC_ID, 2);
		// Our Jacobian was refreshed by the preconditioner-setup callback that has just been
		// replaced: its J*v would use a Jacobian that is never set up. CVODE's difference
		// quotients take over J*v.
		if (jacobian != nullptr) {
			BVX::BVX_Message("Jacobian data is not refreshed with Sundials::BandPrec, using DQ-Approximation for J*v function.\n",
							 BVX::MSG_PROGRESS, FUNC_ID, 2);
			if (CVodeSetJacTimes(cvode->cvodeMem(), nullptr, nullptr) != CVLS_SUCCESS)
				throw BVX::Exception("Error initializing band pre-conditioner.", FUNC_ID);
		}
		return;
	}
	throw BVX::Exception("No band preconditioner implementation available for ml != mu or missig Jacobian interface.", FUNC_ID);
}


void PrecondBand::transferJacobian() {
	JacobianSparse * jac = dynamic_cast<JacobianSparse *>(m_jacobian);
	if (jac == nullptr)
		throw BVX::Exception("No transfer algorithm from selected Jacobian matrix implementation toBand "
							 "preconditioner implemented, currently supported are JacobianDense and JacobianSparse!",
							 "[PrecondBand::setupODE]");
	std::fill(m_P.data(), m_P.data() + static_cast<std::size_t>(m_P.n())*m_P.ldim(), 0.0);
	const int mu = static_cast<int>(m_P.mu());
	const int ml = static_cast<int>(m_P.ml());
	const BVXMK::SparseMatrix * J = jac->sparseMatrix();
	const BVXMK::SparseMatrixCSR * csr = dynamic_cast<const BVXMK::SparseMatrixCSR *>(J);
	if (csr != nullptr) {
		// walk the stored elements instead of looking every band position up
		const std::vector<unsigned int> & ia = csr->ia();
		const std::vector<unsigned int> & ja = csr->ja();
		const double * values = csr->data();
		for (unsigned int j = 0; j < m_n; ++j) {
			for (unsigned int p = ia[j]; p < ia[j + 1]; ++p) {
				const int i = static_cast<int>(ja[p]);
				if (i - static_cast<int>(j) <= mu && static_cast<int>(j) - i <= ml)
					m_P(j, ja[p]) = values[p];
			}
		}
		return;
	}
	for (int i = 0; i < static_cast<int>(m_n); ++i) {
		const int jLast = std::min(static_cast<int>(m_n) - 1, i + ml);
		for (int j = std::max(0, i - mu); j <= jLast; ++j)
			m_P(static_cast<unsigned int>(j), static_cast<unsigned int>(i)) = J->value(j, i);
	}
}


int PrecondBand::setupODE(double, const double *, const double *, const double *,
						  bool jacOk, bool & jacUpdated, double gamma)
{
	if (!m_ownPath)
		return 0;
	const std::size_t count = static_cast<std::size_t>(m_P.n())*m_P.ldim();
	if (jacOk) {
		std::copy(m_savedJ.data(), m_savedJ.data() + count, m_P.data());
		jacUpdated = false;
	}
	else {
		transferJacobian();
		std::copy(m_P.data(), m_P.data() + count, m_savedJ.data());
		jacUpdated = true;
	}
	double * d = m_P.data();
	for (std::size_t k = 0; k < count; ++k)
		d[k] *= -gamma;
	for (unsigned int i = 0; i < m_n; ++i)
		m_P(i, i) += 1.0;
	return m_P.lu();
}


int PrecondBand::solve(double, const double *, const double *, const double *,
					   const double * r, double * z, double, double, int)
{
	std::copy(r, r + m_n, z);
	if (m_ownPath)
		m_P.backsolve(z);
	return 0;
}


std::size_t PrecondBand::serializationSize() const {
	return m_ownPath ? 2*m_P.serializationSize() : 0;
}


void PrecondBand::serialize(void *& dataPtr) const {
	if (!m_ownPath)
		return;
	m_P.serialize(dataPtr);
	m_savedJ.serialize(dataPtr);
}


void PrecondBand::deserialize(void *& dataPtr) {
	if (!m_ownPath)
		return;
	m_P.deserialize(dataPtr);
	m_savedJ.deserialize(dataPtr);
}

} // namespace VUREDO
