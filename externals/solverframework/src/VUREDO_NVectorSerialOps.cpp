#include "VUREDO_NVectorSerialOps.h"

#include <algorithm>
#include <cmath>

#include <nvector/nvector_serial.h>

// This file is compiled with -ffp-contract=off: a*x + b*y must round like the plain loop in
// every instruction-set variant, without fused multiply-add.

#if defined(__GNUC__) && defined(__x86_64__)
#define VUREDO_X86_VARIANTS
#define VUREDO_INLINE inline __attribute__((always_inline))
#else
#define VUREDO_INLINE inline
#endif

namespace VUREDO {

namespace {

inline sunindextype len(N_Vector v) { return NV_LENGTH_S(v); }
inline realtype * data(N_Vector v) { return NV_DATA_S(v); }

/*! The loops, inlined into one function per instruction set and vectorised there. */
namespace kernel {

VUREDO_INLINE void linearSum(realtype a, N_Vector x, realtype b, N_Vector y, N_Vector z) {
	const realtype * xd = data(x);
	const realtype * yd = data(y);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = a*xd[i] + b*yd[i];
}

VUREDO_INLINE void constant(realtype c, N_Vector z) {
	std::fill(data(z), data(z) + len(z), c);
}

VUREDO_INLINE void prod(N_Vector x, N_Vector y, N_Vector z) {
	const realtype * xd = data(x);
	const realtype * yd = data(y);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = xd[i]*yd[i];
}

VUREDO_INLINE void div(N_Vector x, N_Vector y, N_Vector z) {
	const realtype * xd = data(x);
	const realtype * yd = data(y);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = xd[i]/yd[i];
}

VUREDO_INLINE void scale(realtype c, N_Vector x, N_Vector z) {
	const realtype * xd = data(x);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = c*xd[i];
}

VUREDO_INLINE void absolute(N_Vector x, N_Vector z) {
	const realtype * xd = data(x);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = std::fabs(xd[i]);
}

VUREDO_INLINE void inverse(N_Vector x, N_Vector z) {
	const realtype * xd = data(x);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = 1.0/xd[i];
}

VUREDO_INLINE void addConst(N_Vector x, realtype b, N_Vector z) {
	const realtype * xd = data(x);
	realtype * zd = data(z);
	const sunindextype n = len(x);
	for (sunindextype i = 0; i < n; ++i)
		zd[i] = xd[i] + b;
}

/*! Sum of (x_i w_i)^2 in the library's sequential order. Partial sums would be faster
	(the loop waits for each addition), but the error test of the integrator compares this
	norm with 1, so rounding differences here move the step sequence and with it every
	result; the sequential sum keeps the library's results to the bit. */
VUREDO_INLINE realtype wSqrSum(N_Vector x, N_Vector w) {
	const realtype * xd = data(x);
	const realtype * wd = data(w);
	const sunindextype n = len(x);
	realtype s = 0;
	for (sunindextype i = 0; i < n; ++i) {
		const realtype p = xd[i]*wd[i];
		s += p*p;
	}
	return s;
}

VUREDO_INLINE realtype wrmsNorm(N_Vector x, N_Vector w) {
	return std::sqrt(wSqrSum(x, w)/static_cast<realtype>(len(x)));
}

VUREDO_INLINE int linearCombination(int nvec, realtype * c, N_Vector * X, N_Vector z) {
	if (nvec == 1) {
		scale(c[0], X[0], z);
		return 0;
	}
	if (nvec == 2) {
		linearSum(c[0], X[0], c[1], X[1], z);
		return 0;
	}
	realtype * zd = data(z);
	const sunindextype n = len(z);
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

VUREDO_INLINE int scaleAddMulti(int nvec, realtype * a, N_Vector x, N_Vector * Y, N_Vector * Z) {
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

} // namespace kernel


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


/*! The operations of one instruction-set variant. */
struct OpSet {
	void (*linearSum)(realtype, N_Vector, realtype, N_Vector, N_Vector);
	void (*constant)(realtype, N_Vector);
	void (*prod)(N_Vector, N_Vector, N_Vector);
	void (*div)(N_Vector, N_Vector, N_Vector);
	void (*scale)(realtype, N_Vector, N_Vector);
	void (*absolute)(N_Vector, N_Vector);
	void (*inverse)(N_Vector, N_Vector);
	void (*addConst)(N_Vector, realtype, N_Vector);
	realtype (*wSqrSum)(N_Vector, N_Vector);
	realtype (*wrmsNorm)(N_Vector, N_Vector);
	int (*linearCombination)(int, realtype *, N_Vector *, N_Vector);
	int (*scaleAddMulti)(int, realtype *, N_Vector, N_Vector *, N_Vector *);
};

// One function per operation and variant; TARGET selects the instruction set the inlined
// loops are vectorised for.
#define VUREDO_NVECTOR_OPSET(NAME, TARGET) \
namespace NAME { \
TARGET void linearSum(realtype a, N_Vector x, realtype b, N_Vector y, N_Vector z) { kernel::linearSum(a, x, b, y, z); } \
TARGET void constant(realtype c, N_Vector z) { kernel::constant(c, z); } \
TARGET void prod(N_Vector x, N_Vector y, N_Vector z) { kernel::prod(x, y, z); } \
TARGET void div(N_Vector x, N_Vector y, N_Vector z) { kernel::div(x, y, z); } \
TARGET void scale(realtype c, N_Vector x, N_Vector z) { kernel::scale(c, x, z); } \
TARGET void absolute(N_Vector x, N_Vector z) { kernel::absolute(x, z); } \
TARGET void inverse(N_Vector x, N_Vector z) { kernel::inverse(x, z); } \
TARGET void addConst(N_Vector x, realtype b, N_Vector z) { kernel::addConst(x, b, z); } \
TARGET realtype wSqrSum(N_Vector x, N_Vector w) { return kernel::wSqrSum(x, w); } \
TARGET realtype wrmsNorm(N_Vector x, N_Vector w) { return kernel::wrmsNorm(x, w); } \
TARGET int linearCombination(int nvec, realtype * c, N_Vector * X, N_Vector z) { \
	return kernel::linearCombination(nvec, c, X, z); } \
TARGET int scaleAddMulti(int nvec, realtype * a, N_Vector x, N_Vector * Y, N_Vector * Z) { \
	return kernel::scaleAddMulti(nvec, a, x, Y, Z); } \
const OpSet ops = { linearSum, constant, prod, div, scale, absolute, inverse, addConst, \
	wSqrSum, wrmsNorm, linearCombination, scaleAddMulti }; \
}

VUREDO_NVECTOR_OPSET(baseline, )
#ifdef VUREDO_X86_VARIANTS
VUREDO_NVECTOR_OPSET(avx2, __attribute__((target("avx2"))))
// 512-bit registers: without the preference GCC keeps 256-bit vectors (clang takes no
// preference in the attribute)
#ifdef __clang__
VUREDO_NVECTOR_OPSET(avx512, __attribute__((target("avx512f"))))
#else
VUREDO_NVECTOR_OPSET(avx512, __attribute__((target("avx512f,prefer-vector-width=512"))))
#endif
#endif

const OpSet & opSet(NVectorSerialOps::InstructionSet isa) {
#ifdef VUREDO_X86_VARIANTS
	switch (isa) {
		case NVectorSerialOps::AVX512: return avx512::ops;
		case NVectorSerialOps::AVX2: return avx2::ops;
		case NVectorSerialOps::Baseline: break;
	}
#else
	(void)isa;
#endif
	return baseline::ops;
}

} // namespace


bool NVectorSerialOps::supported(InstructionSet isa) {
	switch (isa) {
		case Baseline: return true;
#ifdef VUREDO_X86_VARIANTS
		case AVX2: return __builtin_cpu_supports("avx2");
		case AVX512: return __builtin_cpu_supports("avx512f");
#else
		case AVX2:
		case AVX512: return false;
#endif
	}
	return false;
}


NVectorSerialOps::InstructionSet NVectorSerialOps::best() {
	if (supported(AVX512))
		return AVX512;
	if (supported(AVX2))
		return AVX2;
	return Baseline;
}


void NVectorSerialOps::install(N_Vector v) {
	static const InstructionSet isa = best();
	install(v, isa);
}


void NVectorSerialOps::install(N_Vector v, InstructionSet isa) {
	const OpSet & s = opSet(isa);
	N_Vector_Ops ops = v->ops;
	ops->nvlinearsum = s.linearSum;
	ops->nvconst = s.constant;
	ops->nvprod = s.prod;
	ops->nvdiv = s.div;
	ops->nvscale = s.scale;
	ops->nvabs = s.absolute;
	ops->nvinv = s.inverse;
	ops->nvaddconst = s.addConst;
	ops->nvwrmsnorm = s.wrmsNorm;
	ops->nvwsqrsumlocal = s.wSqrSum;
	ops->nvlinearcombination = s.linearCombination;
	ops->nvscaleaddmulti = s.scaleAddMulti;
	// dot product (iterative solvers only) and maximum norm keep one plain loop
	ops->nvdotprod = dotProd;
	ops->nvdotprodlocal = dotProd;
	ops->nvmaxnorm = maxNorm;
	ops->nvmaxnormlocal = maxNorm;
}

} // namespace VUREDO
