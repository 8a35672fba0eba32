#ifndef BVX_MathH
#define BVX_MathH

namespace BVX {

/*! Degrees to radians. The factor is the rounded one that project, climate and result files
	have always been computed with; kept on purpose so results stay comparable. */
constexpr double DEG_TO_RAD = 0.01745329252;
/*! Radians to degrees for the sun angles in the results. Kept on purpose: it is not 180/pi
	(pi/2 gives 90.0007 degrees), and stored results were written with it. */
constexpr double RAD_TO_DEG_SUN = 57.2962109060791;

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
