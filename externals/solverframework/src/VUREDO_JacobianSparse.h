#ifndef VUREDO_JacobianSparseH
#define VUREDO_JacobianSparseH

#include <memory>

#include "VUREDO_JacobianInterface.h"

namespace BVXMK {
	class SparseMatrix;
	class SparseMatrixCSR;
}

namespace VUREDO {

/*! A Jacobian held in a sparse matrix with a fixed pattern. */
class JacobianSparse : public JacobianInterface {
public:
	~JacobianSparse() override;
	/*! A new matrix with the same pattern, values 0. */
	virtual std::unique_ptr<BVXMK::SparseMatrixCSR> createMatrixWithPattern() const = 0;
	/*! The matrix that holds the Jacobian. */
	virtual BVXMK::SparseMatrix * sparseMatrix() = 0;
};

} // namespace VUREDO

#endif // VUREDO_JacobianSparseH
