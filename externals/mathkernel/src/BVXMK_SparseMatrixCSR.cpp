#include "BVXMK_SparseMatrixCSR.h"

#include <cstdint>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"

#include "BVXMK_BinaryIO.h"

namespace BVXMK {

/*! Type byte of the CSR matrix's binary form. */
static const char CSR_MATRIX_TYPE = 5;
/*! Type byte plus the four 32-bit counts. */
static const std::size_t BINARY_HEADER_SIZE = 1 + 4*4;

static_assert(sizeof(unsigned int) == 4, "pattern arrays are stored as 32-bit integers");


/*! True when ptr (n+1 entries) starts at 0, never decreases and ends at nnz, and all nnz
	indices in idx are below n. Reads through byte pointers, so that arrays inside a binary
	buffer can be checked before they are copied.
*/
static bool validPattern(unsigned int n, unsigned int nnz, const char * ptr, const char * idx) {
	if (BinaryIO::peek<std::uint32_t>(ptr, 0) != 0)
		return false;
	for (std::size_t i = 0; i < n; ++i) {
		if (BinaryIO::peek<std::uint32_t>(ptr, i + 1) < BinaryIO::peek<std::uint32_t>(ptr, i))
			return false;
	}
	if (BinaryIO::peek<std::uint32_t>(ptr, n) != nnz)
		return false;
	for (std::size_t k = 0; k < nnz; ++k) {
		if (BinaryIO::peek<std::uint32_t>(idx, k) >= n)
			return false;
	}
	return true;
}


static const char * bytes(const unsigned int * p) {
	return reinterpret_cast<const char *>(p);
}


SparseMatrixCSR::SparseMatrixCSR() :
	m_nnz(0),
	m_hasTransposedPattern(false)
{
}


SparseMatrixCSR::SparseMatrixCSR(unsigned int n, unsigned int nnz, const unsigned int * ia, const unsigned int * ja,
	const unsigned int * iaT, const unsigned int * jaT) :
	m_nnz(0),
	m_hasTransposedPattern(false)
{
	resize(n, nnz, ia, ja, iaT, jaT);
}


void SparseMatrixCSR::resize(unsigned int n, unsigned int nnz, const unsigned int * ia, const unsigned int * ja,
	const unsigned int * iaT, const unsigned int * jaT)
{
	const char * const FUNC_ID = "[SparseMatrixCSR::resize]";
	if (n == 0 || nnz == 0)
		throw BVX::Exception("Invalid input in n or nnz.", FUNC_ID);
	const bool transposed = (iaT != nullptr && jaT != nullptr);
	// the kernels index with these arrays unchecked: refuse anything out of range here
	if (ia == nullptr || ja == nullptr || !validPattern(n, nnz, bytes(ia), bytes(ja))
		|| (transposed && !validPattern(n, nnz, bytes(iaT), bytes(jaT))))
	{
		throw BVX::Exception("Invalid sparsity pattern (row pointers or column indices out of range).", FUNC_ID);
	}

	m_n = n;
	m_nnz = nnz;
	m_data.assign(nnz, 0.0);
	m_ia.assign(ia, ia + n + 1);
	m_ja.assign(ja, ja + nnz);
	if (transposed) {
		m_iaT.assign(iaT, iaT + n + 1);
		m_jaT.assign(jaT, jaT + nnz);
	}
	else {
		m_iaT.clear();
		m_jaT.clear();
	}
	m_hasTransposedPattern = transposed;
}


void SparseMatrixCSR::addIdentity() {
	for (unsigned int i = 0; i < m_n; ++i) {
		for (unsigned int p = m_ia[i]; p < m_ia[i + 1]; ++p) {
			if (m_ja[p] == i) {
				m_data[p] += 1.0;
				break;
			}
		}
	}
}


double & SparseMatrixCSR::operator()(unsigned int i, unsigned int j) {
	const unsigned int idx = storageIndex(i, j);
	if (idx == m_nnz)
		throw BVX::Exception(BVX::FormatText("Index out of range. No element at (%1,%2) in sparsity pattern.")
			.arg(i).arg(j), "[SparseMatrixCSR::operator()]");
	return m_data[idx];
}


double SparseMatrixCSR::value(unsigned int i, unsigned int j) const {
	const unsigned int idx = storageIndex(i, j);
	if (idx == m_nnz)
		return 0.0;
	return m_data[idx];
}


unsigned int SparseMatrixCSR::storageIndex(unsigned int i, unsigned int j) const {
	if (i >= m_n)
		return m_nnz;
	for (unsigned int p = m_ia[i]; p < m_ia[i + 1]; ++p) {
		if (m_ja[p] == j)
			return p;
	}
	return m_nnz;
}


void SparseMatrixCSR::multiply(const double * x, double * y) const {
	if (m_n == 0)
		return;
	multiply_CSR(m_n, m_data.data(), m_ia.data(), m_ja.data(), x, y);
}


int SparseMatrixCSR::ilu() {
	if (m_n == 0)
		return 0;
	if (m_hasTransposedPattern)
		ilu_CSR(m_n, m_ia.data(), m_ja.data(), m_iaT.data(), m_jaT.data(), m_data.data());
	else
		ilu_CSR_symmetric(m_n, m_ia.data(), m_ja.data(), m_data.data());
	return 0;
}


void SparseMatrixCSR::backsolveILU(double * b) const {
	if (m_n == 0)
		return;
	backsolve_CSR_LU(m_n, m_ia.data(), m_ja.data(), m_data.data(), b);
}


std::size_t SparseMatrixCSR::serializationSize() const {
	return BINARY_HEADER_SIZE + 8*m_data.size()
		+ 4*(m_ia.size() + m_ja.size() + m_iaT.size() + m_jaT.size());
}


void SparseMatrixCSR::serialize(void *& dataPtr) const {
	char * p = static_cast<char*>(dataPtr);
	BinaryIO::write(p, CSR_MATRIX_TYPE);
	BinaryIO::write<std::uint32_t>(p, m_n);
	BinaryIO::write<std::uint32_t>(p, m_nnz);
	BinaryIO::write<std::uint32_t>(p, static_cast<std::uint32_t>(m_iaT.size()));
	BinaryIO::write<std::uint32_t>(p, static_cast<std::uint32_t>(m_jaT.size()));
	BinaryIO::writeArray(p, m_data.data(), m_data.size());
	BinaryIO::writeArray(p, m_ia.data(), m_ia.size());
	BinaryIO::writeArray(p, m_ja.data(), m_ja.size());
	BinaryIO::writeArray(p, m_iaT.data(), m_iaT.size());
	BinaryIO::writeArray(p, m_jaT.data(), m_jaT.size());
	dataPtr = p;
}


namespace {

/*! Header and array positions of a CSR binary form inside a buffer. */
struct CSRBinaryLayout {
	std::uint32_t	n;
	std::uint32_t	nnz;
	std::uint32_t	sizeIaT;
	std::uint32_t	sizeJaT;
	const char *	values;
	const char *	ia;
	const char *	ja;
	const char *	iaT;
	const char *	jaT;
	const char *	end;
};

/*! Reads the header (type byte already checked by the caller) and locates the arrays. */
CSRBinaryLayout readLayout(const char * p) {
	CSRBinaryLayout l;
	++p; // type byte
	l.n = BinaryIO::read<std::uint32_t>(p);
	l.nnz = BinaryIO::read<std::uint32_t>(p);
	l.sizeIaT = BinaryIO::read<std::uint32_t>(p);
	l.sizeJaT = BinaryIO::read<std::uint32_t>(p);
	l.values = p;
	l.ia = l.values + 8*static_cast<std::size_t>(l.nnz);
	l.ja = l.ia + 4*(static_cast<std::size_t>(l.n) + 1);
	l.iaT = l.ja + 4*static_cast<std::size_t>(l.nnz);
	l.jaT = l.iaT + 4*static_cast<std::size_t>(l.sizeIaT);
	l.end = l.jaT + 4*static_cast<std::size_t>(l.sizeJaT);
	return l;
}

/*! Checks the stored pattern before anything is copied. */
bool validStoredPattern(const CSRBinaryLayout & l) {
	if (l.n == 0 || l.nnz == 0)
		return false;
	if (!validPattern(l.n, l.nnz, l.ia, l.ja))
		return false;
	if (l.sizeIaT == 0 && l.sizeJaT == 0)
		return true;
	if (l.sizeIaT != l.n + 1 || l.sizeJaT != l.nnz)
		return false;
	return validPattern(l.n, l.nnz, l.iaT, l.jaT);
}

} // namespace


void SparseMatrixCSR::deserialize(void *& dataPtr) {
	const char * const FUNC_ID = "[SparseMatrixCSR::deserialize]";
	const char * p = static_cast<const char*>(dataPtr);
	if (*p != CSR_MATRIX_TYPE)
		throw BVX::Exception("Invalid matrix type in binary data storage.", FUNC_ID);
	CSRBinaryLayout l = readLayout(p);
	if (l.n != m_n || l.nnz != m_nnz || l.sizeIaT != m_iaT.size() || l.sizeJaT != m_jaT.size()
		|| m_ia.size() != static_cast<std::size_t>(l.n) + 1)
	{
		throw BVX::Exception("Invalid matrix dimensions in binary data storage (target matrix not properly resized?).", FUNC_ID);
	}
	if (!validStoredPattern(l))
		throw BVX::Exception("Invalid sparsity pattern in binary data storage.", FUNC_ID);

	BinaryIO::readArray(l.values, m_data.data(), m_data.size());
	BinaryIO::readArray(l.ia, m_ia.data(), m_ia.size());
	BinaryIO::readArray(l.ja, m_ja.data(), m_ja.size());
	BinaryIO::readArray(l.iaT, m_iaT.data(), m_iaT.size());
	BinaryIO::readArray(l.jaT, m_jaT.data(), m_jaT.size());
	dataPtr = const_cast<char*>(l.end);
}


void SparseMatrixCSR::recreate(void *& dataPtr) {
	const char * const FUNC_ID = "[SparseMatrixCSR::recreate]";
	const char * p = static_cast<const char*>(dataPtr);
	if (*p != CSR_MATRIX_TYPE)
		throw BVX::Exception("Invalid matrix type in binary data storage.", FUNC_ID);
	CSRBinaryLayout l = readLayout(p);
	if (!validStoredPattern(l))
		throw BVX::Exception("Invalid sparsity pattern in binary data storage.", FUNC_ID);

	m_n = l.n;
	m_nnz = l.nnz;
	m_data.resize(l.nnz);
	m_ia.resize(static_cast<std::size_t>(l.n) + 1);
	m_ja.resize(l.nnz);
	m_iaT.resize(l.sizeIaT);
	m_jaT.resize(l.sizeJaT);
	BinaryIO::readArray(l.values, m_data.data(), m_data.size());
	BinaryIO::readArray(l.ia, m_ia.data(), m_ia.size());
	BinaryIO::readArray(l.ja, m_ja.data(), m_ja.size());
	BinaryIO::readArray(l.iaT, m_iaT.data(), m_iaT.size());
	BinaryIO::readArray(l.jaT, m_jaT.data(), m_jaT.size());
	// the transposed pattern is used exactly when the stored form brings one
	m_hasTransposedPattern = !m_iaT.empty();
	dataPtr = const_cast<char*>(l.end);
}

} // namespace BVXMK
