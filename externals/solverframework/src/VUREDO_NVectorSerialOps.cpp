#include "VUREDO_NVectorSerialOps.h"

#include <algorithm>
#include <cmath>

#include <nvector/nvector_serial.h>

#include <BVX_Elementwise.h>

// the reductions keep their sequential summation order and are not cloned

namespace VUREDO {

namespace {

inline sunindextype len(N_Vector v) { return NV_LENGTH_S(v); }
inline realtype * data(N_Vector v) { return NV_DATA_S(v); }

BVX_ELEMENTWISE
void linearSum(realtype a, N_Vector x, realtype b, N_Vector y, N_Vector z) {
	const realtype * xd = data(x);
	const realtype * yd = data(y);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = a*xd[i] + b*yd[i];
}

BVX_ELEMENTWISE
void constant(realtype c, N_Vector z) {
	std::fill(data(z), data(z) + len(z), c);
}

BVX_ELEMENTWISE
void prod(N_Vector x, N_Vector y, N_Vector z) {
	const realtype * xd = data(x);
	const realtype * yd = data(y);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = xd[i]*yd[i];
}

BVX_ELEMENTWISE
void div(N_Vector x, N_Vector y, N_Vector z) {
	const realtype * xd = data(x);
	const realtype * yd = data(y);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = xd[i]/yd[i];
}

BVX_ELEMENTWISE
void scale(realtype c, N_Vector x, N_Vector z) {
	const realtype * xd = data(x);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = c*xd[i];
}

BVX_ELEMENTWISE
void absolute(N_Vector x, N_Vector z) {
	const realtype * xd = data(x);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = std::fabs(xd[i]);
}

BVX_ELEMENTWISE
void inverse(N_Vector x, N_Vector z) {
	const realtype * xd = data(x);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = 1.0/xd[i];
}

BVX_ELEMENTWISE
void addConst(N_Vector x, realtype b, N_Vector z) {
	const realtype * xd = data(x);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = xd[i] + b;
}

realtype dotProd(N_Vector x, N_Vector y) {
	const realtype * xd = data(x);
	const realtype * yd = data(y);
	const sunindextype n = len(x);
	realtype sum = 0;
	for (sunindextype i = 0; i < n; ++i)
		sum += xd[i]*yd[i];
	return sum;
}

realtype maxNorm(N_Vector x) {
	const realtype * xd = data(x);
	const sunindextype n = len(x);
	realtype m = 0;
	for (sunindextype i = 0; i < n; ++i)
		m = std::max(m, std::fabs(xd[i]));
	return m;
}

realtype wSqrSum(N_Vector x, N_Vector w) {
	const realtype * xd = data(x);
	const realtype * wd = data(w);
	const sunindextype n = len(x);
	realtype sum = 0;
	for (sunindextype i = 0; i < n; ++i) {
		const realtype p = xd[i]*wd[i];
		sum += p*p;
	}
	return sum;
}

realtype wrmsNorm(N_Vector x, N_Vector w) {
	return std::sqrt(wSqrSum(x, w)/static_cast<realtype>(len(x)));
}

BVX_ELEMENTWISE
int linearCombination(int nvec, realtype * c, N_Vector * X, N_Vector z) {
	realtype * zd = data(z);
	const sunindextype n = len(z);
	if (nvec == 1) {
		scale(c[0], X[0], z);
		return 0;
	}
	if (nvec == 2) {
		linearSum(c[0], X[0], c[1], X[1], z);
		return 0;
	}
	// z may be X[0]: the first term is written before the others are added
	const realtype * x0 = data(X[0]);
	for (sunindextype j = 0; j < n; ++j)
		zd[j] = c[0]*x0[j];
	for (int i = 1; i < nvec; ++i) {
		const realtype * xd = data(X[i]);
		const realtype ci = c[i];
		for (sunindextype j = 0; j < n; ++j)
			zd[j] += ci*xd[j];
	}
	return 0;
}

BVX_ELEMENTWISE
int scaleAddMulti(int nvec, realtype * a, N_Vector x, N_Vector * Y, N_Vector * Z) {
	const realtype * xd = data(x);
	const sunindextype n = len(x);
	for (int i = 0; i < nvec; ++i) {
		const realtype * yd = data(Y[i]);
		realtype * zd = data(Z[i]);
		const realtype ai = a[i];
		for (sunindextype j = 0; j < n; ++j)
			zd[j] = ai*xd[j] + yd[j];
	}
	return 0;
}

} // namespace


void NVectorSerialOps::install(N_Vector v) {
	N_Vector_Ops ops = v->ops;
	ops->nvlinearsum = linearSum;
	ops->nvconst = constant;
	ops->nvprod = prod;
	ops->nvdiv = div;
	ops->nvscale = scale;
	ops->nvabs = absolute;
	ops->nvinv = inverse;
	ops->nvaddconst = addConst;
	ops->nvdotprod = dotProd;
	ops->nvdotprodlocal = dotProd;
	ops->nvmaxnorm = maxNorm;
	ops->nvmaxnormlocal = maxNorm;
	ops->nvwrmsnorm = wrmsNorm;
	ops->nvwsqrsumlocal = wSqrSum;
	ops->nvlinearcombination = linearCombination;
	ops->nvscaleaddmulti = scaleAddMulti;
}

} // namespace VUREDO
