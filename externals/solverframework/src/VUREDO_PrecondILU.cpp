#include "VUREDO_PrecondILU.h"

#include <algorithm>
#include <cstring>

#include <BVX_Exception.h>

#include "VUREDO_JacobianSparse.h"

namespace VUREDO {

PrecondILU::PrecondILU(int precondType) :
	PrecondInterface(precondType),
	m_jacobian(nullptr)
{
}


PrecondILU::~PrecondILU() {
}


void PrecondILU::init(ModelInterface * model, IntegratorInterface * integrator, JacobianInterface * jacobian) {
	const char * const FUNC_ID = "[PrecondILU::init]";
	m_model = model;
	m_integrator = integrator;
	m_jacobian = dynamic_cast<JacobianSparse *>(jacobian);
	if (m_jacobian == nullptr)
		throw BVX::Exception("Error initializing ILU preconditioner: a sparse Jacobian (JacobianSparse) is required.", FUNC_ID);
	m_P = m_jacobian->createMatrixWithPattern();
	if (!m_P)
		throw BVX::Exception("Error initializing ILU preconditioner: cannot create the matrix.", FUNC_ID);
}


int PrecondILU::setupODE(double, const double *, const double *, const double *, bool, bool &, double gamma) {
	const BVXMK::SparseMatrix * J = m_jacobian->sparseMatrix();
	const unsigned int nnz = m_P->nnz();
	const double * src = J->data();
	double * dst = m_P->data();
	for (unsigned int k = 0; k < nnz; ++k)
		dst[k] = -gamma*src[k];
	m_P->addIdentity();
	m_P->ilu();
	return 0;
}


int PrecondILU::solve(double, const double *, const double *, const double *,
					  const double * r, double * z, double, double, int)
{
	std::copy(r, r + m_P->n(), z);
	m_P->backsolveILU(z);
	return 0;
}


std::size_t PrecondILU::serializationSize() const {
	return m_P ? 8*static_cast<std::size_t>(m_P->nnz()) : 0;
}


void PrecondILU::serialize(void *& dataPtr) const {
	if (!m_P)
		return;
	const std::size_t bytes = 8*static_cast<std::size_t>(m_P->nnz());
	std::memcpy(dataPtr, m_P->data(), bytes);
	dataPtr = static_cast<char *>(dataPtr) + bytes;
}


void PrecondILU::deserialize(void *& dataPtr) {
	if (!m_P)
		return;
	const std::size_t bytes = 8*static_cast<std::size_t>(m_P->nnz());
	std::memcpy(m_P->data(), dataPtr, bytes);
	dataPtr = static_cast<char *>(dataPtr) + bytes;
}

} // namespace VUREDO
