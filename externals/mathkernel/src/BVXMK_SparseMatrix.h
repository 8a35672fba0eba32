#ifndef BVXMK_SparseMatrixH
#define BVXMK_SparseMatrixH

#include <cstddef>
#include <vector>

namespace BVXMK {

/*! Abstract square sparse matrix: the dimension and one value per stored element.
	The storage scheme (pattern, look-up, kernels) is defined by the derived class.
*/
class SparseMatrix {
public:
	SparseMatrix() : m_n(0) {}
	virtual ~SparseMatrix();

	/*! Dimension. */
	virtual unsigned int n() const { return m_n; }
	/*! First stored value. */
	virtual const double * data() const { return m_data.data(); }
	virtual double * data() { return m_data.data(); }
	/*! Number of stored values. */
	virtual unsigned int nnz() const { return static_cast<unsigned int>(m_data.size()); }

	/*! Adds 1 to every stored diagonal element. */
	virtual void addIdentity() = 0;
	/*! Reference to stored element (i,j); throws when it is not in the pattern. */
	virtual double & operator()(unsigned int i, unsigned int j) = 0;
	/*! Element (i,j), 0 when not in the pattern. */
	virtual double value(unsigned int i, unsigned int j) const = 0;
	/*! Position of (i,j) in the values, nnz() when not in the pattern. */
	virtual unsigned int storageIndex(unsigned int i, unsigned int j) const = 0;
	/*! y = A*x */
	virtual void multiply(const double * x, double * y) const = 0;
	/*! Incomplete LU factorisation in place; the result carries no meaning. */
	virtual int ilu() = 0;
	/*! Solves with the incomplete factors, in place. */
	virtual void backsolveILU(double * b) const = 0;

	/*! Binary form: size in bytes, write/read at a pointer that is advanced past the data. */
	virtual std::size_t serializationSize() const = 0;
	virtual void serialize(void *& dataPtr) const = 0;
	/*! Reads into a matrix of the same shape. */
	virtual void deserialize(void *& dataPtr) = 0;
	/*! Reads into a matrix of any shape, taking the stored shape. */
	virtual void recreate(void *& dataPtr) = 0;

protected:
	unsigned int			m_n;
	std::vector<double>		m_data;
};

} // namespace BVXMK

#endif // BVXMK_SparseMatrixH
