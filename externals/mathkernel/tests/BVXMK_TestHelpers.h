#ifndef BVXMK_TestHelpersH
#define BVXMK_TestHelpersH

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "BVX_Exception.h"

namespace BVXMKTest {

/*! Full matrix, row by row, as the tests' independent reference. */
typedef std::vector<std::vector<double> > FullMatrix;

/*! b = A*x by the textbook loop. */
inline std::vector<double> multiply(const FullMatrix & A, const std::vector<double> & x) {
	std::vector<double> b(A.size(), 0.0);
	for (std::size_t i = 0; i < A.size(); ++i)
		for (std::size_t j = 0; j < x.size(); ++j)
			b[i] += A[i][j]*x[j];
	return b;
}

/*! Deterministic, well scaled values without pattern: 0.5 .. 1.5 */
inline double pseudoValue(unsigned int i, unsigned int j) {
	return 0.5 + std::fmod(0.37*i + 0.61*j + 0.013*i*j, 1.0);
}

inline void expectVectorNear(const std::vector<double> & expected, const std::vector<double> & actual, double tol) {
	ASSERT_EQ(expected.size(), actual.size());
	for (std::size_t i = 0; i < expected.size(); ++i)
		EXPECT_NEAR(expected[i], actual[i], tol*(1.0 + std::fabs(expected[i]))) << "index " << i;
}

/*! Runs f, expects a BVX::Exception whose newest entry has the given text and function ID. */
template <typename F>
void expectException(F f, const std::string & msg, const std::string & functionID) {
	try {
		f();
		ADD_FAILURE() << "no exception, expected '" << msg << "'";
	}
	catch (BVX::Exception & ex) {
		ASSERT_FALSE(ex.messages().empty());
		EXPECT_EQ(msg, ex.messages().back().m_what);
		EXPECT_EQ(functionID, ex.messages().back().m_functionID);
	}
}

} // namespace BVXMKTest

#endif // BVXMK_TestHelpersH
