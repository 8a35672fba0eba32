#ifndef BVXMK_SparseMatrixCSRH
#define BVXMK_SparseMatrixCSRH

#include <vector>

#include "BVXMK_SparseMatrix.h"
#include "BVXMK_CSRKernels.h"

namespace BVXMK {

/*! Sparse square matrix in compressed row storage.

	The elements of row i are at positions ia[i] .. ia[i+1]-1, ja holds their column
	indices, ascending within each row. The optional transposed pattern (iaT, jaT) lists
	for every column the rows holding an element in it; without it the pattern must be
	structurally symmetric for ilu(). Every row should hold its diagonal element.
	The pattern is fixed by resize() or recreate(); values are written in place.
*/
class SparseMatrixCSR : public SparseMatrix {
public:
	SparseMatrixCSR();
	/*! Same as resize(). */
	SparseMatrixCSR(unsigned int n, unsigned int nnz, const unsigned int * ia, const unsigned int * ja,
		const unsigned int * iaT = nullptr, const unsigned int * jaT = nullptr);

	/*! Copies the pattern (ia: n+1 entries, ja: nnz entries; iaT/jaT likewise, both or
		none) and sets nnz zero values. Throws for n == 0, nnz == 0 and for a pattern whose
		row pointers or column indices are out of range.
	*/
	void resize(unsigned int n, unsigned int nnz, const unsigned int * ia, const unsigned int * ja,
		const unsigned int * iaT = nullptr, const unsigned int * jaT = nullptr);

	void addIdentity() override;
	double & operator()(unsigned int i, unsigned int j) override;
	double value(unsigned int i, unsigned int j) const override;
	unsigned int storageIndex(unsigned int i, unsigned int j) const override;
	void multiply(const double * x, double * y) const override;
	/*! ILU(0) in place (with the transposed pattern when present); returns 0. */
	int ilu() override;
	void backsolveILU(double * b) const override;

	/*! 17 + 8*nnz + 4*(size(ia) + size(ja) + size(iaT) + size(jaT)) */
	std::size_t serializationSize() const override;
	void serialize(void *& dataPtr) const override;
	/*! Reads values and pattern of a matrix of the same shape. On error nothing changes
		and the pointer is not advanced.
	*/
	void deserialize(void *& dataPtr) override;
	/*! Reads values and pattern of any shape. On error nothing changes and the pointer
		is not advanced.
	*/
	void recreate(void *& dataPtr) override;

	const std::vector<unsigned int> & ia() const { return m_ia; }
	const std::vector<unsigned int> & ja() const { return m_ja; }
	/*! Transposed pattern, empty when not supplied. */
	const std::vector<unsigned int> & iaT() const { return m_iaT; }
	const std::vector<unsigned int> & jaT() const { return m_jaT; }
	/*! True when iaT/jaT are in use. */
	bool hasTransposedPattern() const { return m_hasTransposedPattern; }

protected:
	/*! Number of stored elements. */
	unsigned int				m_nnz;
	std::vector<unsigned int>	m_ia;
	std::vector<unsigned int>	m_ja;
	std::vector<unsigned int>	m_iaT;
	std::vector<unsigned int>	m_jaT;
	bool						m_hasTransposedPattern;
};

} // namespace BVXMK

#endif // BVXMK_SparseMatrixCSRH
