#ifndef VUREDO_BTridiagBlockKernelsH
#define VUREDO_BTridiagBlockKernelsH

namespace VUREDO {

/*! The small dense block operations of the block-tridiagonal factorisation and solve.

	Blocks are b x b, column by column. A factorised diagonal block holds its LU factors
	in place (unit lower factor implied); with pivots the row interchanges of
	BVXMK::lu_decomposition are used, without pivots the factorisation is Doolittle LU
	that fails on an exactly zero pivot. Block sizes 1 to 4 use fixed-size instances
	of the routines (the loops unroll), larger sizes the general ones; all give the same
	values. No routine allocates.
*/
struct BTridiagBlockKernels {
	/*! Factorises block Bk in place; 0 or k+1 for a zero pivot in column k. */
	int (*factor)(unsigned int b, double * Bk, unsigned int * piv);
	/*! X := Bk^-1 * X for all b columns of block X. */
	void (*solveBlock)(unsigned int b, const double * LU, const unsigned int * piv, double * X);
	/*! x := Bk^-1 * x for one vector of b values. */
	void (*solveVector)(unsigned int b, const double * LU, const unsigned int * piv, double * x);
	/*! C := C - A*B on blocks. */
	void (*subtractProduct)(unsigned int b, double * C, const double * A, const double * B);
	/*! y := y - M*x with a block M and vectors of b values. */
	void (*subtractMatVec)(unsigned int b, double * y, const double * M, const double * x);

	/*! The kernels for block size b, with or without pivoting. */
	static BTridiagBlockKernels select(unsigned int b, bool pivoting);
};

} // namespace VUREDO

#endif // VUREDO_BTridiagBlockKernelsH
