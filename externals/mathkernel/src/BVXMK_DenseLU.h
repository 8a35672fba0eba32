#ifndef BVXMK_DenseLUH
#define BVXMK_DenseLUH

namespace BVXMK {

/*! LU factorisation with partial pivoting of the n x n matrix A, stored column by
	column (element (i,j) at A[j*n + i]), in place. Rows are interchanged across all
	columns; the multipliers below the diagonal are stored positive, the unit diagonal
	of L is implied. pivots receives n row indices.
	Returns 0 on success, k+1 when the pivot of column k is zero.
	Sizes are not checked: A holds n*n values, pivots n entries.
*/
int lu_decomposition(unsigned int n, double * A, unsigned int * pivots);

/*! Solves A*x = b in place with the factors and pivots of lu_decomposition(); b receives x. */
void lu_backsolve(unsigned int n, const double * LU, const unsigned int * pivots, double * b);

} // namespace BVXMK

#endif // BVXMK_DenseLUH
