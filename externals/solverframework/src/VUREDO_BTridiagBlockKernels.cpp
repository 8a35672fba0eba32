#include "VUREDO_BTridiagBlockKernels.h"

#include <utility>

#include <BVXMK_DenseLU.h>

namespace VUREDO {

namespace {

// Template parameter B: fixed block size (1..4), 0 = size given at run time.

template <unsigned int B>
inline unsigned int blockDim(unsigned int b) { return B == 0 ? b : B; }


/*! Doolittle LU in place without row interchanges. */
template <unsigned int B>
int factorNoPivot(unsigned int b, double * M, unsigned int * piv) {
	const unsigned int nb = blockDim<B>(b);
	// a caller that keeps pivots gets the identity interchange
	if (piv != nullptr) {
		for (unsigned int k = 0; k < nb; ++k)
			piv[k] = k;
	}
	for (unsigned int k = 0; k < nb; ++k) {
		const double pivot = M[k + k*nb];
		if (pivot == 0.0)
			return static_cast<int>(k + 1);
		const double r = 1.0/pivot;
		for (unsigned int i = k + 1; i < nb; ++i)
			M[i + k*nb] *= r;
		for (unsigned int j = k + 1; j < nb; ++j) {
			const double a = M[k + j*nb];
			for (unsigned int i = k + 1; i < nb; ++i)
				M[i + j*nb] -= M[i + k*nb]*a;
		}
	}
	return 0;
}


int factorPivot(unsigned int b, double * M, unsigned int * piv) {
	return BVXMK::lu_decomposition(b, M, piv);
}


/*! Forward and backward substitution with the in-place factors; piv may be null. */
template <unsigned int B>
void solveVec(unsigned int b, const double * LU, const unsigned int * piv, double * x) {
	const unsigned int nb = blockDim<B>(b);
	if (piv != nullptr) {
		for (unsigned int k = 0; k < nb; ++k) {
			if (piv[k] != k)
				std::swap(x[k], x[piv[k]]);
		}
	}
	for (unsigned int k = 0; k + 1 < nb; ++k) {
		const double xk = x[k];
		for (unsigned int i = k + 1; i < nb; ++i)
			x[i] -= LU[i + k*nb]*xk;
	}
	for (unsigned int k = nb; k-- > 0;) {
		x[k] /= LU[k + k*nb];
		const double xk = x[k];
		for (unsigned int i = 0; i < k; ++i)
			x[i] -= LU[i + k*nb]*xk;
	}
}


template <unsigned int B>
void solveBlk(unsigned int b, const double * LU, const unsigned int * piv, double * X) {
	const unsigned int nb = blockDim<B>(b);
	for (unsigned int j = 0; j < nb; ++j)
		solveVec<B>(nb, LU, piv, X + j*nb);
}


template <unsigned int B>
void subProduct(unsigned int b, double * C, const double * A, const double * Bm) {
	const unsigned int nb = blockDim<B>(b);
	for (unsigned int j = 0; j < nb; ++j) {
		for (unsigned int k = 0; k < nb; ++k) {
			const double bkj = Bm[k + j*nb];
			for (unsigned int i = 0; i < nb; ++i)
				C[i + j*nb] -= A[i + k*nb]*bkj;
		}
	}
}


template <unsigned int B>
void subMatVec(unsigned int b, double * y, const double * M, const double * x) {
	const unsigned int nb = blockDim<B>(b);
	for (unsigned int j = 0; j < nb; ++j) {
		const double xj = x[j];
		for (unsigned int i = 0; i < nb; ++i)
			y[i] -= M[i + j*nb]*xj;
	}
}


template <unsigned int B>
BTridiagBlockKernels kernelsFor(bool pivoting) {
	BTridiagBlockKernels k;
	// a 1x1 block has nothing to interchange: one scalar routine serves both cases
	k.factor = (pivoting && B != 1) ? &factorPivot : &factorNoPivot<B>;
	k.solveBlock = &solveBlk<B>;
	k.solveVector = &solveVec<B>;
	k.subtractProduct = &subProduct<B>;
	k.subtractMatVec = &subMatVec<B>;
	return k;
}

} // namespace


BTridiagBlockKernels BTridiagBlockKernels::select(unsigned int b, bool pivoting) {
	switch (b) {
		case 1 : return kernelsFor<1>(pivoting);
		case 2 : return kernelsFor<2>(pivoting);
		case 3 : return kernelsFor<3>(pivoting);
		case 4 : return kernelsFor<4>(pivoting);
		default : return kernelsFor<0>(pivoting);
	}
}

} // namespace VUREDO
