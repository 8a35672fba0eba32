#include "BVXMK_VectorOperations.h"

#include <cstring>

namespace BVXMK {

// All kernels: first the n mod 8 leading elements, then blocks of eight, unrolled so
// that the compiler can keep the block in registers without a loop-carried counter test.

void vector_add(unsigned int n, double a, const double * x, double * y) {
	const unsigned int rest = n % 8;
	unsigned int i = 0;
	if (a == 1.0) {
		for (; i < rest; ++i)
			y[i] += x[i];
		for (; i < n; i += 8) {
			y[i]   += x[i];
			y[i+1] += x[i+1];
			y[i+2] += x[i+2];
			y[i+3] += x[i+3];
			y[i+4] += x[i+4];
			y[i+5] += x[i+5];
			y[i+6] += x[i+6];
			y[i+7] += x[i+7];
		}
		return;
	}
	for (; i < rest; ++i)
		y[i] += a*x[i];
	for (; i < n; i += 8) {
		y[i]   += a*x[i];
		y[i+1] += a*x[i+1];
		y[i+2] += a*x[i+2];
		y[i+3] += a*x[i+3];
		y[i+4] += a*x[i+4];
		y[i+5] += a*x[i+5];
		y[i+6] += a*x[i+6];
		y[i+7] += a*x[i+7];
	}
}


void vector_copy(unsigned int n, const double * x, double * y) {
	if (n > 0)
		std::memcpy(y, x, n*sizeof(double));
}


void vector_linear_sum(unsigned int n, double a, const double * x, double b, const double * y, double * z) {
	const unsigned int rest = n % 8;
	unsigned int i = 0;
	for (; i < rest; ++i)
		z[i] = a*x[i] + b*y[i];
	for (; i < n; i += 8) {
		z[i]   = a*x[i]   + b*y[i];
		z[i+1] = a*x[i+1] + b*y[i+1];
		z[i+2] = a*x[i+2] + b*y[i+2];
		z[i+3] = a*x[i+3] + b*y[i+3];
		z[i+4] = a*x[i+4] + b*y[i+4];
		z[i+5] = a*x[i+5] + b*y[i+5];
		z[i+6] = a*x[i+6] + b*y[i+6];
		z[i+7] = a*x[i+7] + b*y[i+7];
	}
}


void vector_scale(unsigned int n, double a, const double * x, double * y) {
	const unsigned int rest = n % 8;
	unsigned int i = 0;
	for (; i < rest; ++i)
		y[i] = a*x[i];
	for (; i < n; i += 8) {
		y[i]   = a*x[i];
		y[i+1] = a*x[i+1];
		y[i+2] = a*x[i+2];
		y[i+3] = a*x[i+3];
		y[i+4] = a*x[i+4];
		y[i+5] = a*x[i+5];
		y[i+6] = a*x[i+6];
		y[i+7] = a*x[i+7];
	}
}


void vector_scale(unsigned int n, double a, double * x) {
	const unsigned int rest = n % 8;
	unsigned int i = 0;
	for (; i < rest; ++i)
		x[i] *= a;
	for (; i < n; i += 8) {
		x[i]   *= a;
		x[i+1] *= a;
		x[i+2] *= a;
		x[i+3] *= a;
		x[i+4] *= a;
		x[i+5] *= a;
		x[i+6] *= a;
		x[i+7] *= a;
	}
}


void vector_sub(unsigned int n, const double * x, double * y) {
	const unsigned int rest = n % 8;
	unsigned int i = 0;
	for (; i < rest; ++i)
		y[i] -= x[i];
	for (; i < n; i += 8) {
		y[i]   -= x[i];
		y[i+1] -= x[i+1];
		y[i+2] -= x[i+2];
		y[i+3] -= x[i+3];
		y[i+4] -= x[i+4];
		y[i+5] -= x[i+5];
		y[i+6] -= x[i+6];
		y[i+7] -= x[i+7];
	}
}

} // namespace BVXMK
