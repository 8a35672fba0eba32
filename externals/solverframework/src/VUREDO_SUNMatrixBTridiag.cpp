#include "VUREDO_SUNMatrixBTridiag.h"

#include <new>

#include <nvector/nvector_serial.h>

#include "VUREDO_BTridiagMatrix.h"

namespace VUREDO {

namespace {

BTridiagMatrix * contentOf(SUNMatrix A) {
	return static_cast<BTridiagMatrix *>(A->content);
}

SUNMatrix_ID btridiagGetID(SUNMatrix) {
	return SUNMATRIX_CUSTOM;
}

SUNMatrix btridiagClone(SUNMatrix A) {
	const BTridiagMatrix * M = contentOf(A);
	return SUNMatrixBTridiag::create(M->nBlocks(), M->blockSize(), A->sunctx);
}

void btridiagDestroy(SUNMatrix A) {
	if (A == nullptr)
		return;
	delete contentOf(A);
	A->content = nullptr;
	SUNMatFreeEmpty(A);
}

int btridiagZero(SUNMatrix A) {
	contentOf(A)->setZero();
	return SUNMAT_SUCCESS;
}

int btridiagCopy(SUNMatrix A, SUNMatrix B) {
	if (!SUNMatrixBTridiag::isBTridiag(B))
		return SUNMAT_ILL_INPUT;
	return contentOf(B)->copyValues(*contentOf(A)) ? SUNMAT_SUCCESS : SUNMAT_ILL_INPUT;
}

int btridiagScaleAddI(realtype c, SUNMatrix A) {
	BTridiagMatrix * M = contentOf(A);
	M->scale(c);
	M->addIdentity();
	return SUNMAT_SUCCESS;
}

int btridiagMatvec(SUNMatrix A, N_Vector x, N_Vector y) {
	const BTridiagMatrix * M = contentOf(A);
	if (N_VGetLength(x) != static_cast<sunindextype>(M->n()) || N_VGetLength(y) != static_cast<sunindextype>(M->n()))
		return SUNMAT_ILL_INPUT;
	M->multiply(N_VGetArrayPointer(x), N_VGetArrayPointer(y));
	return SUNMAT_SUCCESS;
}

int btridiagSpace(SUNMatrix A, long int * lenrw, long int * leniw) {
	*lenrw = static_cast<long int>(contentOf(A)->valueCount());
	*leniw = 3;
	return SUNMAT_SUCCESS;
}

} // namespace


SUNMatrix SUNMatrixBTridiag::create(unsigned int nBlocks, unsigned int blockSize, SUNContext ctx) {
	if (nBlocks == 0 || blockSize == 0)
		return nullptr;
	SUNMatrix A = SUNMatNewEmpty(ctx);
	if (A == nullptr)
		return nullptr;
	A->content = new (std::nothrow) BTridiagMatrix();
	if (A->content == nullptr) {
		SUNMatFreeEmpty(A);
		return nullptr;
	}
	try {
		contentOf(A)->resize(nBlocks, blockSize);
	}
	catch (std::bad_alloc &) {
		btridiagDestroy(A);
		return nullptr;
	}
	A->ops->getid = btridiagGetID;
	A->ops->clone = btridiagClone;
	A->ops->destroy = btridiagDestroy;
	A->ops->zero = btridiagZero;
	A->ops->copy = btridiagCopy;
	A->ops->scaleaddi = btridiagScaleAddI;
	A->ops->matvec = btridiagMatvec;
	A->ops->space = btridiagSpace;
	return A;
}


BTridiagMatrix & SUNMatrixBTridiag::matrix(SUNMatrix A) {
	return *contentOf(A);
}


bool SUNMatrixBTridiag::isBTridiag(SUNMatrix A) {
	return A != nullptr && A->ops != nullptr && A->ops->destroy == btridiagDestroy && A->content != nullptr;
}

} // namespace VUREDO
