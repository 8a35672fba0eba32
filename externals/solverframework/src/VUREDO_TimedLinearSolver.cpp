#include "VUREDO_TimedLinearSolver.h"

#include "VUREDO_SolverTimers.h"

namespace VUREDO {

namespace {

inline SUNLinearSolver innerOf(SUNLinearSolver S) {
	return static_cast<SUNLinearSolver>(S->content);
}

SUNLinearSolver_Type timedGetType(SUNLinearSolver S) {
	return SUNLinSolGetType(innerOf(S));
}

SUNLinearSolver_ID timedGetID(SUNLinearSolver S) {
	return SUNLinSolGetID(innerOf(S));
}

int timedSetATimes(SUNLinearSolver S, void * A_data, SUNATimesFn ATimes) {
	return innerOf(S)->ops->setatimes(innerOf(S), A_data, ATimes);
}

int timedSetPreconditioner(SUNLinearSolver S, void * P_data, SUNPSetupFn Pset, SUNPSolveFn Psol) {
	return innerOf(S)->ops->setpreconditioner(innerOf(S), P_data, Pset, Psol);
}

int timedSetScalingVectors(SUNLinearSolver S, N_Vector s1, N_Vector s2) {
	return innerOf(S)->ops->setscalingvectors(innerOf(S), s1, s2);
}

int timedSetZeroGuess(SUNLinearSolver S, booleantype onoff) {
	return innerOf(S)->ops->setzeroguess(innerOf(S), onoff);
}

int timedInitialize(SUNLinearSolver S) {
	return innerOf(S)->ops->initialize(innerOf(S));
}

int timedSetup(SUNLinearSolver S, SUNMatrix A) {
	SUNLinearSolver in = innerOf(S);
	bool direct = SUNLinSolGetType(in) == SUNLINEARSOLVER_DIRECT;
	solverTimerStart(ST_LinearSetup);
	if (direct)
		solverTimerStart(ST_Factorisation);
	int res = in->ops->setup(in, A);
	if (direct)
		solverTimerStop(ST_Factorisation);
	solverTimerStop(ST_LinearSetup);
	return res;
}

int timedSolve(SUNLinearSolver S, SUNMatrix A, N_Vector x, N_Vector b, realtype tol) {
	SUNLinearSolver in = innerOf(S);
	solverTimerStart(ST_LinearSolve);
	int res = in->ops->solve(in, A, x, b, tol);
	solverTimerStop(ST_LinearSolve);
	return res;
}

int timedNumIters(SUNLinearSolver S) {
	return innerOf(S)->ops->numiters(innerOf(S));
}

realtype timedResNorm(SUNLinearSolver S) {
	return innerOf(S)->ops->resnorm(innerOf(S));
}

sunindextype timedLastFlag(SUNLinearSolver S) {
	return innerOf(S)->ops->lastflag(innerOf(S));
}

int timedSpace(SUNLinearSolver S, long int * lenrwLS, long int * leniwLS) {
	return innerOf(S)->ops->space(innerOf(S), lenrwLS, leniwLS);
}

N_Vector timedResid(SUNLinearSolver S) {
	return innerOf(S)->ops->resid(innerOf(S));
}

int timedFree(SUNLinearSolver S) {
	if (S == nullptr)
		return 0;
	if (S->content != nullptr)
		SUNLinSolFree(innerOf(S));
	S->content = nullptr;
	SUNLinSolFreeEmpty(S);
	return 0;
}

} // namespace


SUNLinearSolver TimedLinearSolver::wrap(SUNLinearSolver inner) {
	if (inner == nullptr)
		return nullptr;
	SUNLinearSolver S = SUNLinSolNewEmpty(inner->sunctx);
	if (S == nullptr)
		return nullptr;
	S->content = inner;
	const _generic_SUNLinearSolver_Ops & in = *inner->ops;
	_generic_SUNLinearSolver_Ops & ops = *S->ops;
	ops.gettype				= in.gettype			? timedGetType : nullptr;
	ops.getid				= in.getid				? timedGetID : nullptr;
	ops.setatimes			= in.setatimes			? timedSetATimes : nullptr;
	ops.setpreconditioner	= in.setpreconditioner	? timedSetPreconditioner : nullptr;
	ops.setscalingvectors	= in.setscalingvectors	? timedSetScalingVectors : nullptr;
	ops.setzeroguess		= in.setzeroguess		? timedSetZeroGuess : nullptr;
	ops.initialize			= in.initialize			? timedInitialize : nullptr;
	ops.setup				= in.setup				? timedSetup : nullptr;
	ops.solve				= in.solve				? timedSolve : nullptr;
	ops.numiters			= in.numiters			? timedNumIters : nullptr;
	ops.resnorm				= in.resnorm			? timedResNorm : nullptr;
	ops.lastflag			= in.lastflag			? timedLastFlag : nullptr;
	ops.space				= in.space				? timedSpace : nullptr;
	ops.resid				= in.resid				? timedResid : nullptr;
	ops.free				= timedFree;
	return S;
}


SUNLinearSolver TimedLinearSolver::inner(SUNLinearSolver wrapper) {
	return wrapper == nullptr ? nullptr : innerOf(wrapper);
}

} // namespace VUREDO
