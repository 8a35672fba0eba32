#include "BVXMK_BandMatrix.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"

#include "BVXMK_BinaryIO.h"

namespace BVXMK {

/*! Type byte of the band matrix's binary form. */
static const char BAND_MATRIX_TYPE = 2;
/*! Type byte plus the four 32-bit sizes. */
static const std::size_t BINARY_HEADER_SIZE = 1 + 4*4;


BandMatrix::BandMatrix() :
	m_n(0), m_mu(0), m_ml(0), m_smu(0), m_ldim(0)
{
}


BandMatrix::BandMatrix(const BandMatrix & other) :
	m_n(other.m_n), m_mu(other.m_mu), m_ml(other.m_ml), m_smu(other.m_smu), m_ldim(other.m_ldim),
	m_data(other.m_data), m_pivots(other.m_pivots)
{
	updateColumnPointers();
}


BandMatrix & BandMatrix::operator=(const BandMatrix & other) {
	if (this != &other) {
		m_n = other.m_n;
		m_mu = other.m_mu;
		m_ml = other.m_ml;
		m_smu = other.m_smu;
		m_ldim = other.m_ldim;
		m_data = other.m_data;
		m_pivots = other.m_pivots;
		updateColumnPointers();
	}
	return *this;
}


void BandMatrix::resize(unsigned int n, unsigned int mu, unsigned int ml, unsigned int smu) {
	// element (j-mu, j) lies at position smu - mu: smu below mu would address memory before the column
	if (smu < mu)
		throw BVX::Exception(BVX::FormatText("Invalid band widths: stored upper band width (smu = %1) "
			"is less than the upper band width (mu = %2).").arg(smu).arg(mu), "[BandMatrix::resize]");
	m_n = n;
	m_mu = mu;
	m_ml = ml;
	m_smu = smu;
	m_ldim = smu + ml + 1;
	m_data.resize(static_cast<std::size_t>(n)*m_ldim, 0.0);
	m_pivots.resize(n);
	updateColumnPointers();
}


void BandMatrix::updateColumnPointers() {
	m_colPtr.resize(m_n);
	for (unsigned int j = 0; j < m_n; ++j)
		m_colPtr[j] = m_data.data() + static_cast<std::size_t>(j)*m_ldim;
}


int BandMatrix::lu() {
	const char * const FUNC_ID = "[BandMatrix::lu]";
	if (m_n == 0)
		throw BVX::Exception("Matrix is empty.", FUNC_ID);
	if (m_pivots.size() != m_n)
		throw BVX::Exception(BVX::FormatText("Mismatching sizes of matrix (n = %1) and pivots vector (size = %2).")
			.arg(m_n).arg(static_cast<unsigned long>(m_pivots.size())), FUNC_ID);

	// clear the fill-in area above the matrix's own upper band
	const unsigned int fillIn = m_smu - m_mu;
	if (fillIn > 0) {
		for (unsigned int j = 0; j < m_n; ++j)
			std::fill(m_colPtr[j], m_colPtr[j] + fillIn, 0.0);
	}

	const unsigned int n = m_n;
	for (unsigned int k = 0; k + 1 < n; ++k) {
		double * diagK = m_colPtr[k] + m_smu; // diagK[r] = element (k+r, k)
		const unsigned int rows = std::min(n - 1, k + m_ml) - k; // sub-diagonal rows in the band

		// pivot: the first of the largest absolute values
		unsigned int lOff = 0;
		double maxAbs = std::fabs(diagK[0]);
		for (unsigned int r = 1; r <= rows; ++r) {
			const double v = std::fabs(diagK[r]);
			if (v > maxAbs) {
				maxAbs = v;
				lOff = r;
			}
		}
		m_pivots[k] = k + lOff;
		if (diagK[lOff] == 0.0)
			return static_cast<int>(k + 1);

		if (lOff != 0)
			std::swap(diagK[lOff], diagK[0]);

		// multipliers, stored negative
		const double mult = -1.0/diagK[0];
		for (unsigned int r = 1; r <= rows; ++r) {
			if (diagK[r] != 0.0)
				diagK[r] *= mult;
		}

		// row operations on the columns right of k, fill-in area included
		const unsigned int lastCol = std::min(n - 1, k + m_smu);
		for (unsigned int j = k + 1; j <= lastCol; ++j) {
			double * kj = m_colPtr[j] + (m_smu + k - j); // kj[r] = element (k+r, j)
			if (lOff != 0)
				std::swap(kj[lOff], kj[0]);
			const double a = kj[0];
			if (a != 0.0) {
				for (unsigned int r = 1; r <= rows; ++r)
					kj[r] += a*diagK[r];
			}
		}
	}
	m_pivots[n - 1] = n - 1;
	if (m_colPtr[n - 1][m_smu] == 0.0)
		return static_cast<int>(n);
	return 0;
}


void BandMatrix::backsolve(double * b) const {
	const unsigned int n = m_n;
	if (n == 0)
		return;
	// forward: apply interchanges and multipliers, L^-1 b
	for (unsigned int k = 0; k + 1 < n; ++k) {
		const unsigned int l = m_pivots[k];
		const double m = b[l];
		if (l != k) {
			b[l] = b[k];
			b[k] = m;
		}
		const double * diagK = m_colPtr[k] + m_smu;
		const unsigned int rows = std::min(n - 1, k + m_ml) - k;
		for (unsigned int r = 1; r <= rows; ++r)
			b[k + r] += m*diagK[r];
	}
	// backward with the upper factor, which spans smu bands
	for (unsigned int k = n; k-- > 0;) {
		const double * colK = m_colPtr[k];
		b[k] /= colK[m_smu];
		const double bk = b[k];
		const unsigned int first = (k > m_smu) ? k - m_smu : 0;
		for (unsigned int i = first; i < k; ++i)
			b[i] -= bk*colK[i + m_smu - k];
	}
}


std::size_t BandMatrix::serializationSize() const {
	return BINARY_HEADER_SIZE + 8*m_data.size() + 4*static_cast<std::size_t>(m_n);
}


void BandMatrix::serialize(void *& dataPtr) const {
	char * p = static_cast<char*>(dataPtr);
	BinaryIO::write(p, BAND_MATRIX_TYPE);
	BinaryIO::write<std::uint32_t>(p, m_n);
	BinaryIO::write<std::uint32_t>(p, m_mu);
	BinaryIO::write<std::uint32_t>(p, m_ml);
	BinaryIO::write<std::uint32_t>(p, m_smu);
	BinaryIO::writeArray(p, m_data.data(), m_data.size());
	static_assert(sizeof(unsigned int) == 4, "pivots are stored as 32-bit integers");
	BinaryIO::writeArray(p, m_pivots.data(), m_pivots.size());
	dataPtr = p;
}


void BandMatrix::deserialize(void *& dataPtr) {
	const char * const FUNC_ID = "[BandMatrix::deserialize]";
	const char * p = static_cast<const char*>(dataPtr);
	if (BinaryIO::read<char>(p) != BAND_MATRIX_TYPE)
		throw BVX::Exception("Invalid matrix type in binary data storage.", FUNC_ID);
	const std::uint32_t n = BinaryIO::read<std::uint32_t>(p);
	const std::uint32_t mu = BinaryIO::read<std::uint32_t>(p);
	const std::uint32_t ml = BinaryIO::read<std::uint32_t>(p);
	const std::uint32_t smu = BinaryIO::read<std::uint32_t>(p);
	if (n != m_n || mu != m_mu || ml != m_ml || smu != m_smu)
		throw BVX::Exception("Invalid matrix dimensions in binary data storage (target matrix not properly resized?).", FUNC_ID);
	// a stored pivot outside 0..n-1 would send backsolve out of the vector: check before copying
	const char * pivotData = p + 8*m_data.size();
	for (std::size_t k = 0; k < m_n; ++k) {
		if (BinaryIO::peek<std::uint32_t>(pivotData, k) >= m_n)
			throw BVX::Exception("Invalid pivot index in binary data storage.", FUNC_ID);
	}
	BinaryIO::readArray(p, m_data.data(), m_data.size());
	BinaryIO::readArray(p, m_pivots.data(), m_pivots.size());
	dataPtr = const_cast<char*>(p);
}

} // namespace BVXMK
