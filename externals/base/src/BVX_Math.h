#ifndef BVX_MathH
#define BVX_MathH

namespace BVX {

/*! Decimal logarithm; throws BVX::Exception for x <= 0. */
double f_log10(double x);

/*! 10 to the given exponent; throws BVX::Exception for exponents above 50. */
double f_pow10(double exponent);

/*! Square root; throws BVX::Exception for x < 0. */
double f_sqrt(double x);

/*! Smooth step: 0 for x <= 0, 1 for x >= a, in between the cubic 1 + (2t - 3)t^2 with
	t = 1 - x/a, which has zero slope at both ends. */
double scale(double x, double a);

/*! The cubic 1 + (2t - 3)t^2 with t = 1 - x, without clamping (0 at x = 0, 1 at x = 1). */
double scale(double x);

} // namespace BVX

#endif // BVX_MathH
