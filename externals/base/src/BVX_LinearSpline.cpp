#include "BVX_LinearSpline.h"

#include <algorithm>
#include <limits>

#include "BVX_Exception.h"
#include "BVX_FormatText.h"
#include "BVX_MessageHandler.h"

namespace BVX {

namespace {

/*! Verbosity of the cleaning warnings: only shown on request. */
const int SPLINE_WARNING_VERBOSITY = 3;

} // namespace


LinearSpline::LinearSpline() :
	m_extrapolationMethod(EM_Constant),
	m_xStep(0),
	m_x0(0),
	m_valid(false)
{
}


LinearSpline::~LinearSpline() {
}


void LinearSpline::clear() {
	m_extrapolationMethod = EM_Constant;
	m_xStep = 0;
	m_x0 = 0;
	m_x.clear();
	m_y.clear();
	m_slope.clear();
	m_valid = false;
}


void LinearSpline::setValues(const std::vector<double> & x, const std::vector<double> & y) {
	const char * const FUNC_ID = "[LinearSpline::setValues]";
	if (x.size() != y.size())
		throw Exception("X and Y vector size mismatch.", FUNC_ID);
	if (x.empty())
		throw Exception("Input vectors are empty.", FUNC_ID);

	std::vector<double> xClean;
	std::vector<double> yClean;
	eliminateConsecutive(x, y, xClean, yClean);

	clear();
	m_x.swap(xClean);
	m_y.swap(yClean);

	std::string errMsg;
	m_valid = makeSpline(errMsg);
	if (!errMsg.empty())
		BVX_Message(FormatText("Error while makeSpline in setValues. %1").arg(errMsg),
					MSG_WARNING, FUNC_ID, SPLINE_WARNING_VERBOSITY);
}


bool LinearSpline::makeSpline(std::string & errMsg) {
	m_valid = false;
	m_slope.clear();
	if (m_x.empty() || m_x.size() != m_y.size()) {
		errMsg = "Invalid vector dimensions.";
		return false;
	}
	if (m_x.size() == 1) {
		m_valid = true;
		return true;
	}
	for (unsigned int i = 0; i + 1 < m_x.size(); ++i) {
		// negated test so that NaN values count as not increasing
		if (!(m_x[i] < m_x[i + 1])) {
			errMsg = FormatText("X values are not strictly monotonic increasing (at position/index %1).")
					.arg(i).str();
			return false;
		}
	}
	m_slope.resize(m_x.size() - 1);
	for (unsigned int i = 0; i < m_slope.size(); ++i)
		m_slope[i] = (m_y[i + 1] - m_y[i]) / (m_x[i + 1] - m_x[i]);
	m_valid = true;
	return true;
}


void LinearSpline::eliminateConsecutive(const std::vector<double> & x, const std::vector<double> & y,
										std::vector<double> & xOut, std::vector<double> & yOut)
{
	const char * const FUNC_ID = "[LinearSpline::eliminateConsecutive]";
	if (x.size() != y.size())
		throw Exception("X and Y vector size mismatch.", FUNC_ID);
	xOut.clear();
	yOut.clear();
	if (x.empty())
		return;

	xOut.push_back(x[0]);
	yOut.push_back(y[0]);
	unsigned int skipped = 0;
	// a run of equal x values is reported once
	double lastWarnedX = std::numeric_limits<double>::infinity();
	for (unsigned int j = 1; j < x.size(); ++j) {
		if (x[j] != xOut.back()) {
			xOut.push_back(x[j]);
			yOut.push_back(y[j]);
			continue;
		}
		++skipped;
		if (x[j] != lastWarnedX) {
			BVX_Message(FormatText("Duplicate x-value %1 found (and skipped).").arg(x[j]),
						MSG_WARNING, FUNC_ID, SPLINE_WARNING_VERBOSITY);
			lastWarnedX = x[j];
		}
	}

	// at the end of the data the last y value of a duplicate run wins
	if (x.back() == xOut.back() && y.back() != yOut.back()) {
		BVX_Message(FormatText("Duplicate x-value found at the end. End y value %1 copied to the new spline "
							   "(old y value: %2.").arg(y.back()).arg(yOut.back()),
					MSG_WARNING, FUNC_ID, SPLINE_WARNING_VERBOSITY);
		yOut.back() = y.back();
	}

	if (skipped > 0)
		BVX_Message(FormatText("Skipped a total of %1 values because of duplicate x-values.").arg(skipped),
					MSG_WARNING, FUNC_ID, SPLINE_WARNING_VERBOSITY);
}


double LinearSpline::value(double x) const {
	if (m_y.empty() || m_x.size() != m_y.size())
		throw Exception("Cannot evaluate a spline without values.", "[LinearSpline::value]");

	if (m_xStep != 0) {
		// position in steps from the origin, kept in double so that far away x values cannot overflow an index
		double pos = (x - m_x0) / m_xStep;
		if (!(pos >= 0))
			return extrapolateBelow(x);
		if (pos >= m_slope.size())
			return extrapolateAbove(x);
		unsigned int i = static_cast<unsigned int>(pos);
		return m_y[i] + (x - (m_x0 + i * m_xStep)) * m_slope[i];
	}

	const size_t n = m_x.size();
	if (n == 1)
		return m_y[0];
	if (x > m_x.back())
		return extrapolateAbove(x);

	size_t i = static_cast<size_t>(std::lower_bound(m_x.begin(), m_x.end(), x) - m_x.begin());
	if (i == 0)
		return extrapolateBelow(x);
	if (i == n) // only reachable for unsorted (not valid) points or NaN
		return m_y.back();
	double t = (x - m_x[i - 1]) / (m_x[i] - m_x[i - 1]);
	return (1 - t) * m_y[i - 1] + t * m_y[i];
}


// The extrapolation slopes are computed from the points rather than taken from the slope
// vector, because a not valid spline keeps its points but has no slopes.

double LinearSpline::extrapolateBelow(double x) const {
	if (m_extrapolationMethod != EM_Linear || m_y.size() == 1)
		return m_y.front();
	double slope = (m_y[1] - m_y[0]) / (m_x[1] - m_x[0]);
	return m_y[0] + (x - m_x[0]) * slope;
}


double LinearSpline::extrapolateAbove(double x) const {
	if (m_extrapolationMethod != EM_Linear || m_y.size() == 1)
		return m_y.back();
	const size_t n = m_y.size();
	double slope = (m_y[n - 1] - m_y[n - 2]) / (m_x[n - 1] - m_x[n - 2]);
	return m_y[n - 1] + (x - m_x[n - 1]) * slope;
}

} // namespace BVX
