#ifndef BVXMK_CSRKernelsH
#define BVXMK_CSRKernelsH

namespace BVXMK {

/*! Kernels on raw CSR arrays of a square n x n matrix: ia holds n+1 row pointers,
	ja the column indices (ascending within each row), values one value per entry.
	None allocates. Row walks never leave their row, so a missing diagonal acts like
	a zero one (division by zero) instead of reading into the next row.
*/

/*! y = A*x (y overwritten). */
void multiply_CSR(unsigned int n, const double * values, const unsigned int * ia, const unsigned int * ja,
	const double * x, double * y);

/*! ILU(0) in Crout form in place: lower factor with diagonal, unit upper factor, both
	over the matrix's own pattern. The rows below pivot i that take part are read from
	the transposed pattern (iaT, jaT: for column i the rows that hold an element in it).
*/
void ilu_CSR(unsigned int n, const unsigned int * ia, const unsigned int * ja,
	const unsigned int * iaT, const unsigned int * jaT, double * values);

/*! ILU(0) as ilu_CSR() for a structurally symmetric pattern, which serves as its own transpose. */
void ilu_CSR_symmetric(unsigned int n, const unsigned int * ia, const unsigned int * ja, double * values);

/*! Solves L*U*x = b in place with the factors of ilu_CSR() / ilu_CSR_symmetric(). */
void backsolve_CSR_LU(unsigned int n, const unsigned int * ia, const unsigned int * ja,
	const double * values, double * b);

} // namespace BVXMK

#endif // BVXMK_CSRKernelsH
