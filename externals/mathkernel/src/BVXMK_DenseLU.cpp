#include "BVXMK_DenseLU.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace BVXMK {

int lu_decomposition(unsigned int n, double * A, unsigned int * pivots) {
	for (unsigned int k = 0; k < n; ++k) {
		double * colK = A + static_cast<std::size_t>(k)*n;

		// pivot: the first of the largest absolute values in rows k..n-1
		unsigned int l = k;
		double maxAbs = std::fabs(colK[k]);
		for (unsigned int i = k + 1; i < n; ++i) {
			const double v = std::fabs(colK[i]);
			if (v > maxAbs) {
				maxAbs = v;
				l = i;
			}
		}
		pivots[k] = l;
		if (colK[l] == 0.0)
			return static_cast<int>(k + 1);

		if (l != k) {
			for (unsigned int j = 0; j < n; ++j) {
				double * col = A + static_cast<std::size_t>(j)*n;
				std::swap(col[l], col[k]);
			}
		}

		const double r = 1.0/colK[k];
		for (unsigned int i = k + 1; i < n; ++i)
			colK[i] *= r;

		// update the trailing sub-matrix, skipping columns with a zero in row k
		for (unsigned int j = k + 1; j < n; ++j) {
			double * colJ = A + static_cast<std::size_t>(j)*n;
			const double a = colJ[k];
			if (a == 0.0)
				continue;
			for (unsigned int i = k + 1; i < n; ++i)
				colJ[i] -= a*colK[i];
		}
	}
	return 0;
}


void lu_backsolve(unsigned int n, const double * LU, const unsigned int * pivots, double * b) {
	if (n == 0)
		return;
	// rows were swapped across the whole matrix, so all interchanges go first
	for (unsigned int k = 0; k < n; ++k) {
		const unsigned int l = pivots[k];
		if (l != k)
			std::swap(b[k], b[l]);
	}
	// forward with the unit lower factor
	for (unsigned int k = 0; k + 1 < n; ++k) {
		const double * colK = LU + static_cast<std::size_t>(k)*n;
		const double bk = b[k];
		for (unsigned int i = k + 1; i < n; ++i)
			b[i] -= colK[i]*bk;
	}
	// backward with the upper factor
	for (unsigned int k = n - 1; k > 0; --k) {
		const double * colK = LU + static_cast<std::size_t>(k)*n;
		b[k] /= colK[k];
		const double bk = b[k];
		for (unsigned int i = 0; i < k; ++i)
			b[i] -= colK[i]*bk;
	}
	b[0] /= LU[0];
}

} // namespace BVXMK
