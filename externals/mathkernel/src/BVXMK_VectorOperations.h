#ifndef BVXMK_VectorOperationsH
#define BVXMK_VectorOperationsH

namespace BVXMK {

/*! Kernels on plain arrays of n doubles. None allocates. Each kernel handles the
	leading n mod 8 elements one by one and the rest in unrolled blocks of eight.
*/

/*! y += a*x; for a == 1.0 exactly the plain sum y += x is taken. */
void vector_add(unsigned int n, double a, const double * x, double * y);

/*! y = x (one block copy; the arrays must not overlap). */
void vector_copy(unsigned int n, const double * x, double * y);

/*! z = a*x + b*y */
void vector_linear_sum(unsigned int n, double a, const double * x, double b, const double * y, double * z);

/*! y = a*x (out of place) */
void vector_scale(unsigned int n, double a, const double * x, double * y);

/*! x = a*x (in place) */
void vector_scale(unsigned int n, double a, double * x);

/*! y -= x */
void vector_sub(unsigned int n, const double * x, double * y);

} // namespace BVXMK

#endif // BVXMK_VectorOperationsH
