/*	Speed of LinearSpline::value on an hourly series of one year, evaluated at
	random times: the binary search against the equidistant lookup.

	Usage: bench_spline_lookup [evaluations]
*/

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

#include <BVX_FormatText.h>
#include <BVX_LinearSpline.h>
#include <BVX_StopWatch.h>

namespace {

double run(const BVX::LinearSpline & spl, const std::vector<double> & at, double & checksum) {
	BVX::StopWatch w;
	double sum = 0;
	for (double t : at)
		sum += spl.value(t);
	double ms = w.stop();
	checksum = sum;
	return ms;
}

} // namespace


int main(int argc, char * argv[]) {
	const unsigned int n = argc > 1 ? static_cast<unsigned int>(std::atoi(argv[1])) : 10000000u;
	const unsigned int points = 8761;
	std::vector<double> x(points), y(points);
	for (unsigned int i = 0; i < points; ++i) {
		x[i] = i * 3600.0;
		y[i] = 10 + 8 * std::sin(i * 2 * 3.141592653589793 / 24);
	}
	std::mt19937 gen(42);
	std::uniform_real_distribution<double> dist(-3600.0, 31536000.0 + 3600);
	std::vector<double> at(n);
	for (double & t : at)
		t = dist(gen);

	BVX::LinearSpline generic;
	generic.setValues(x, y);
	BVX::LinearSpline equi = generic;
	equi.m_xStep = 3600;
	equi.m_x0 = 0;

	double sumGeneric = 0, sumEqui = 0;
	double msGeneric = run(generic, at, sumGeneric);
	double msEqui = run(equi, at, sumEqui);
	std::cout << BVX::FormatText("%1 evaluations over %2 points\n").arg(n).arg(points).str();
	std::cout << BVX::FormatText("binary search: %1 ms (%2 ns each)\n")
				 .arg(msGeneric, 10, 'f', 1).arg(msGeneric * 1e6 / n, 6, 'f', 1).str();
	std::cout << BVX::FormatText("equidistant:   %1 ms (%2 ns each)\n")
				 .arg(msEqui, 10, 'f', 1).arg(msEqui * 1e6 / n, 6, 'f', 1).str();
	std::cout << BVX::FormatText("checksums %1 / %2\n").arg(sumGeneric).arg(sumEqui).str();
	return 0;
}
