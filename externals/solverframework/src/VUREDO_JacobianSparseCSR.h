#ifndef VUREDO_JacobianSparseCSRH
#define VUREDO_JacobianSparseCSRH

#include <vector>

#include <BVXMK_SparseMatrixCSR.h>

#include "VUREDO_JacobianSparse.h"

namespace VUREDO {

/*! Jacobian J = df/dy in CSR storage with a fixed pattern, computed by coloured
	difference quotients: columns that never share a row get the same colour and are
	perturbed by one model evaluation together.

	The object is both the Jacobian and the matrix that holds it. Values hold df/dy,
	not scaled by gamma. Without transposed arrays the pattern must be structurally
	symmetric; column indices ascend within each row.
*/
class JacobianSparseCSR : public JacobianSparse, public BVXMK::SparseMatrixCSR {
public:
	/*! n unknowns, nnz stored entries, ia (n+1 row pointers), ja (nnz column indices);
		iaT/jaT the transposed pattern or null for a symmetric pattern. Copied. */
	JacobianSparseCSR(unsigned int n, unsigned int nnz, const unsigned int * ia, const unsigned int * ja,
					  const unsigned int * iaT = nullptr, const unsigned int * jaT = nullptr);
	~JacobianSparseCSR() override;

	/*! Binds the model, sizes the work vectors and computes the colour groups. */
	void init(ModelInterface * model) override;
	/*! Recomputes all stored values at y (ydot = f(y)); the model's time must be set. Returns 0. */
	int setup(double t, const double * y, const double * ydot, const double * residuals, double gamma) override;
	/*! Jv = J v. */
	int jacTimesVec(const double * v, double * Jv) const override;
	unsigned int nRHSEvals() const override { return m_nRHSEvals; }

	std::unique_ptr<BVXMK::SparseMatrixCSR> createMatrixWithPattern() const override;
	BVXMK::SparseMatrix * sparseMatrix() override { return this; }

	/*! The matrix's binary form followed by the model-evaluation counter (u32). */
	std::size_t serializationSize() const override;
	void serialize(void *& dataPtr) const override;
	void deserialize(void *& dataPtr) override;
	void recreate(void *& dataPtr) override;

	/*! Colour groups: group k holds the columns of colour k+1, ascending. */
	const std::vector<std::vector<unsigned int> > & colorGroups() const { return m_colorGroups; }

private:
	void computeColumnStructure();
	void computeColors();

	/*! Relative increment of the difference quotients. */
	double								m_relToleranceDQ;
	/*! Absolute increment of the difference quotients. */
	double								m_absToleranceDQ;
	ModelInterface						*m_model;
	std::vector<std::vector<unsigned int> >	m_colorGroups;
	std::vector<double>					m_yMod;
	std::vector<double>					m_ydotMod;
	std::vector<double>					m_increments;
	unsigned int						m_nRHSEvals;

	/*! Column structure, built by init() from the row pattern: the entries of column c
		are m_colStart[c] .. m_colStart[c+1]-1 of m_colRows (row index, ascending) and
		m_colPos (position in the values vector). */
	std::vector<unsigned int>			m_colStart;
	std::vector<unsigned int>			m_colRows;
	std::vector<unsigned int>			m_colPos;
};

} // namespace VUREDO

#endif // VUREDO_JacobianSparseCSRH
