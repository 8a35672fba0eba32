#include "VUREDO_SUNLinSolBTridiag.h"

#include <cstring>
#include <new>

#include <nvector/nvector_serial.h>

#include "VUREDO_BTridiagMatrix.h"
#include "VUREDO_SUNMatrixBTridiag.h"

namespace VUREDO {

namespace {

struct BTridiagSolverContent {
	sunindextype	m_lastFlag;
};

BTridiagSolverContent * contentOf(SUNLinearSolver S) {
	return static_cast<BTridiagSolverContent *>(S->content);
}

SUNLinearSolver_Type btridiagGetType(SUNLinearSolver) {
	return SUNLINEARSOLVER_DIRECT;
}

SUNLinearSolver_ID btridiagGetID(SUNLinearSolver) {
	return SUNLINEARSOLVER_CUSTOM;
}

int btridiagInitialize(SUNLinearSolver S) {
	contentOf(S)->m_lastFlag = SUNLS_SUCCESS;
	return SUNLS_SUCCESS;
}

int btridiagSetup(SUNLinearSolver S, SUNMatrix A) {
	if (!SUNMatrixBTridiag::isBTridiag(A)) {
		contentOf(S)->m_lastFlag = SUNLS_ILL_INPUT;
		return SUNLS_ILL_INPUT;
	}
	const int res = BTridiagGETRF(SUNMatrixBTridiag::matrix(A), nullptr);
	if (res < 0) {
		// too few blocks: nothing was factorised, the matrix must not be used
		contentOf(S)->m_lastFlag = SUNLS_ILL_INPUT;
		return SUNLS_ILL_INPUT;
	}
	contentOf(S)->m_lastFlag = res;
	// positive: recoverable, CVODE retries with a smaller step
	return res == 0 ? SUNLS_SUCCESS : SUNLS_LUFACT_FAIL;
}

int btridiagSolve(SUNLinearSolver S, SUNMatrix A, N_Vector x, N_Vector b, realtype) {
	if (!SUNMatrixBTridiag::isBTridiag(A)) {
		contentOf(S)->m_lastFlag = SUNLS_ILL_INPUT;
		return SUNLS_ILL_INPUT;
	}
	const BTridiagMatrix & M = SUNMatrixBTridiag::matrix(A);
	double * xd = N_VGetArrayPointer(x);
	const double * bd = N_VGetArrayPointer(b);
	if (xd != bd)
		std::memcpy(xd, bd, sizeof(double)*M.n());
	BTridiagGETRS(M, nullptr, xd);
	contentOf(S)->m_lastFlag = SUNLS_SUCCESS;
	return SUNLS_SUCCESS;
}

sunindextype btridiagLastFlag(SUNLinearSolver S) {
	return contentOf(S)->m_lastFlag;
}

int btridiagSpace(SUNLinearSolver, long int * lenrw, long int * leniw) {
	*lenrw = 0;
	*leniw = 1;
	return SUNLS_SUCCESS;
}

int btridiagFree(SUNLinearSolver S) {
	if (S == nullptr)
		return SUNLS_SUCCESS;
	delete contentOf(S);
	S->content = nullptr;
	SUNLinSolFreeEmpty(S);
	return SUNLS_SUCCESS;
}

} // namespace


SUNLinearSolver SUNLinSolBTridiag::create(SUNContext ctx) {
	SUNLinearSolver S = SUNLinSolNewEmpty(ctx);
	if (S == nullptr)
		return nullptr;
	BTridiagSolverContent * content = new (std::nothrow) BTridiagSolverContent;
	if (content == nullptr) {
		SUNLinSolFreeEmpty(S);
		return nullptr;
	}
	content->m_lastFlag = SUNLS_SUCCESS;
	S->content = content;
	S->ops->gettype = btridiagGetType;
	S->ops->getid = btridiagGetID;
	S->ops->initialize = btridiagInitialize;
	S->ops->setup = btridiagSetup;
	S->ops->solve = btridiagSolve;
	S->ops->lastflag = btridiagLastFlag;
	S->ops->space = btridiagSpace;
	S->ops->free = btridiagFree;
	return S;
}

} // namespace VUREDO
