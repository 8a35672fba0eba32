#include "BVXMK_CSRKernels.h"

#include <limits>

namespace BVXMK {

void multiply_CSR(unsigned int n, const double * values, const unsigned int * ia, const unsigned int * ja,
	const double * x, double * y)
{
	for (unsigned int i = 0; i < n; ++i) {
		double sum = 0.0;
		const unsigned int rowEnd = ia[i + 1];
		for (unsigned int p = ia[i]; p < rowEnd; ++p)
			sum += values[p]*x[ja[p]];
		y[i] = sum;
	}
}


/*! Crout ILU(0) shared by both variants. colPtr/colRows list, for column i, the rows
	holding an element in column i (the transposed pattern, or the pattern itself when
	it is structurally symmetric).
*/
static void iluCrout(unsigned int n, const unsigned int * ia, const unsigned int * ja,
	const unsigned int * colPtr, const unsigned int * colRows, double * values)
{
	for (unsigned int i = 0; i + 1 < n; ++i) {
		// a missing diagonal counts as zero
		double r = std::numeric_limits<double>::infinity();
		const unsigned int rowEnd = ia[i + 1];
		for (unsigned int p = ia[i]; p < rowEnd; ++p) {
			const unsigned int c = ja[p];
			if (c < i)
				continue;
			if (c == i) {
				r = 1.0/values[p];
				continue;
			}
			values[p] *= r; // now u(i,c)
			const double u = values[p];
			if (u == 0.0)
				continue;
			// update (k,c) -= l(k,i)*u(i,c) for all rows k > i with an element in column i;
			// entries (k,c) outside the pattern are dropped
			const unsigned int colEnd = colPtr[i + 1];
			for (unsigned int q = colPtr[i]; q < colEnd; ++q) {
				const unsigned int k = colRows[q];
				if (k <= i)
					continue;
				double f = 0.0;
				const unsigned int rowKEnd = ia[k + 1];
				for (unsigned int s = ia[k]; s < rowKEnd; ++s) {
					const unsigned int ck = ja[s];
					if (ck == i)
						f = values[s];
					else if (ck == c) {
						values[s] -= f*u;
						break;
					}
					else if (ck > c)
						break;
				}
			}
		}
	}
}


void ilu_CSR(unsigned int n, const unsigned int * ia, const unsigned int * ja,
	const unsigned int * iaT, const unsigned int * jaT, double * values)
{
	iluCrout(n, ia, ja, iaT, jaT, values);
}


void ilu_CSR_symmetric(unsigned int n, const unsigned int * ia, const unsigned int * ja, double * values) {
	iluCrout(n, ia, ja, ia, ja, values);
}


void backsolve_CSR_LU(unsigned int n, const unsigned int * ia, const unsigned int * ja,
	const double * values, double * b)
{
	// forward with L (diagonal stored)
	for (unsigned int i = 0; i < n; ++i) {
		double bi = b[i];
		double diag = 0.0; // a missing diagonal counts as zero
		const unsigned int rowEnd = ia[i + 1];
		for (unsigned int p = ia[i]; p < rowEnd; ++p) {
			const unsigned int c = ja[p];
			if (c >= i) {
				if (c == i)
					diag = values[p];
				break;
			}
			bi -= values[p]*b[c];
		}
		b[i] = bi/diag;
	}
	// backward with the unit upper factor; walk each row from its end down to the diagonal
	for (unsigned int i = n; i-- > 0;) {
		double bi = b[i];
		const unsigned int rowStart = ia[i];
		for (unsigned int p = ia[i + 1]; p > rowStart; --p) {
			const unsigned int c = ja[p - 1];
			if (c <= i)
				break;
			bi -= values[p - 1]*b[c];
		}
		b[i] = bi;
	}
}

} // namespace BVXMK
