#include "BVX_Math.h"

#include <cmath>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"

namespace BVX {

double f_log10(double x) {
	if (x <= 0)
		throw Exception(FormatText("Negative or zero value in log function, x = %1").arg(x), "[BVX::f_log10]");
	return std::log10(x);
}


double f_pow10(double exponent) {
	if (exponent > 50)
		throw Exception(FormatText("Exponent too large in power function, exponent = %1").arg(exponent), "[BVX::f_pow10]");
	return std::pow(10.0, exponent);
}


double f_sqrt(double x) {
	if (x < 0)
		throw Exception(FormatText("Negative value in sqrt function, x = %1").arg(x), "[BVX::f_sqrt]");
	return std::sqrt(x);
}


double scale(double x, double a) {
	if (x <= 0)
		return 0;
	if (x >= a)
		return 1;
	return scale(x/a);
}


double scale(double x) {
	const double t = 1 - x;
	return 1 + (2*t - 3)*t*t;
}

} // namespace BVX
