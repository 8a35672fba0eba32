#include "VUREDO_JacobianSparseCSR.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVXMK_BinaryIO.h>

#include "VUREDO_ModelInterface.h"
#include "VUREDO_SolverTimers.h"

namespace VUREDO {

JacobianSparseCSR::JacobianSparseCSR(unsigned int n, unsigned int nnz, const unsigned int * ia,
									 const unsigned int * ja, const unsigned int * iaT, const unsigned int * jaT) :
	BVXMK::SparseMatrixCSR(n, nnz, ia, ja, iaT, jaT),
	m_relToleranceDQ(1e-7),
	m_absToleranceDQ(1e-8),
	m_model(nullptr),
	m_nRHSEvals(0)
{
}


JacobianSparseCSR::~JacobianSparseCSR() {
}


void JacobianSparseCSR::init(ModelInterface * model) {
	const char * const FUNC_ID = "[JacobianSparseCSR::init]";
	m_model = model;
	if (model == nullptr || m_n != model->n())
		throw BVX::Exception("Mismatching dimensions in JacobianSparseCSR and model.", FUNC_ID);
	m_yMod.assign(m_n, 0.0);
	m_ydotMod.assign(m_n, 0.0);
	m_increments.assign(m_n, 0.0);
	m_colorGroups.clear();

	BVX::BVX_Message("SparseMatrix: generating color arrays\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	computeColumnStructure();
	computeColors();
	BVX::BVX_Message(BVX::FormatText("  %1 colors\n").arg(static_cast<unsigned int>(m_colorGroups.size())),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
}


void JacobianSparseCSR::computeColumnStructure() {
	// The column lists are taken from the row pattern itself (a CSR -> CSC transpose),
	// so they are right for symmetric and unsymmetric patterns alike.
	m_colStart.assign(m_n + 1, 0);
	for (unsigned int p = 0; p < m_nnz; ++p)
		++m_colStart[m_ja[p] + 1];
	for (unsigned int c = 0; c < m_n; ++c)
		m_colStart[c + 1] += m_colStart[c];
	m_colRows.assign(m_nnz, 0);
	m_colPos.assign(m_nnz, 0);
	std::vector<unsigned int> fill(m_colStart.begin(), m_colStart.end() - 1);
	for (unsigned int r = 0; r < m_n; ++r) {
		for (unsigned int p = m_ia[r]; p < m_ia[r + 1]; ++p) {
			unsigned int c = m_ja[p];
			m_colRows[fill[c]] = r;
			m_colPos[fill[c]] = p;
			++fill[c];
		}
	}
}


void JacobianSparseCSR::computeColors() {
	// Greedy colouring, columns in ascending order: a column gets the smallest colour
	// not used by any earlier column that shares a row with it.
	m_colorGroups.clear();
	std::vector<unsigned int> color(m_n, 0);
	// used[k] == c+1 marks colour k as taken while colouring column c (no clearing needed)
	std::vector<unsigned int> used(m_n + 1, 0);
	for (unsigned int c = 0; c < m_n; ++c) {
		const unsigned int mark = c + 1;
		for (unsigned int q = m_colStart[c]; q < m_colStart[c + 1]; ++q) {
			unsigned int r = m_colRows[q];
			for (unsigned int p = m_ia[r]; p < m_ia[r + 1] && m_ja[p] < c; ++p)
				used[color[m_ja[p]]] = mark;
		}
		unsigned int k = 1;
		while (k < m_n && used[k] == mark)
			++k;
		color[c] = k;
		if (m_colorGroups.size() < k)
			m_colorGroups.resize(k);
		m_colorGroups[k - 1].push_back(c);
	}
}


int JacobianSparseCSR::setup(double /*t*/, const double * y, const double * ydot,
							 const double * /*residuals*/, double /*gamma*/)
{
	std::copy(y, y + m_n, m_yMod.begin());
	double * values = m_data.data();
	for (const std::vector<unsigned int> & group : m_colorGroups) {
		for (unsigned int c : group) {
			m_yMod[c] += std::fabs(y[c]) * m_relToleranceDQ + m_absToleranceDQ;
			// the increment actually represented in floating point
			m_increments[c] = m_yMod[c] - y[c];
		}
		solverTimerStart(ST_JacobianModelEvaluations);
		// return codes are ignored during difference quotients
		m_model->setY(m_yMod.data());
		m_model->ydot(m_ydotMod.data());
		solverTimerStop(ST_JacobianModelEvaluations);
		++m_nRHSEvals;
		for (unsigned int c : group) {
			const double invD = 1.0 / m_increments[c];
			for (unsigned int q = m_colStart[c]; q < m_colStart[c + 1]; ++q) {
				unsigned int r = m_colRows[q];
				values[m_colPos[q]] = (m_ydotMod[r] - ydot[r]) * invD;
			}
			m_yMod[c] = y[c];
			m_increments[c] = 0;
		}
	}
	return 0;
}


int JacobianSparseCSR::jacTimesVec(const double * v, double * Jv) const {
	multiply(v, Jv);
	return 0;
}


std::unique_ptr<BVXMK::SparseMatrixCSR> JacobianSparseCSR::createMatrixWithPattern() const {
	return std::unique_ptr<BVXMK::SparseMatrixCSR>(
				new BVXMK::SparseMatrixCSR(m_n, m_nnz, m_ia.data(), m_ja.data()));
}


std::size_t JacobianSparseCSR::serializationSize() const {
	return BVXMK::SparseMatrixCSR::serializationSize() + sizeof(std::uint32_t);
}


void JacobianSparseCSR::serialize(void *& dataPtr) const {
	BVXMK::SparseMatrixCSR::serialize(dataPtr);
	char * p = static_cast<char *>(dataPtr);
	BVXMK::BinaryIO::write<std::uint32_t>(p, m_nRHSEvals);
	dataPtr = p;
}


void JacobianSparseCSR::deserialize(void *& dataPtr) {
	try {
		BVXMK::SparseMatrixCSR::deserialize(dataPtr);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, "Error in Sparse Jacobian CSR deserialization.", "[JacobianSparseCSR::deserialize]");
	}
	const char * p = static_cast<const char *>(dataPtr);
	m_nRHSEvals = BVXMK::BinaryIO::read<std::uint32_t>(p);
	dataPtr = const_cast<char *>(p);
}


void JacobianSparseCSR::recreate(void *& dataPtr) {
	try {
		BVXMK::SparseMatrixCSR::recreate(dataPtr);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, "Error in Sparse Jacobian CSR recreation.", "[JacobianSparseCSR::recreate]");
	}
	const char * p = static_cast<const char *>(dataPtr);
	m_nRHSEvals = BVXMK::BinaryIO::read<std::uint32_t>(p);
	dataPtr = const_cast<char *>(p);
	// a new pattern invalidates the column lists and colours of a bound Jacobian
	if (m_model != nullptr) {
		m_yMod.assign(m_n, 0.0);
		m_ydotMod.assign(m_n, 0.0);
		m_increments.assign(m_n, 0.0);
		computeColumnStructure();
		computeColors();
	}
}

} // namespace VUREDO
