#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <BVX_Exception.h>

#include <VUREDO_JacobianSparseCSR.h>
#include <VUREDO_ModelInterface.h>

#include "VUREDO_TestModels.h"

using namespace VUREDO;

namespace {

/*! A model given by a function f(y); counts its evaluations. */
class FunctionModel : public ModelInterface {
public:
	FunctionModel(unsigned int n, std::function<void(const std::vector<double> &, double *)> f) :
		m_n(n), m_f(f), m_y(n, 0.0) {}
	unsigned int n() const override { return m_n; }
	const double * y0() const override { return m_y.data(); }
	double t0() const override { return 0; }
	double dt0() const override { return 1; }
	double tEnd() const override { return 1; }
	int setTime(double) override { return 0; }
	int setY(const double * y) override { m_y.assign(y, y + m_n); return 0; }
	int ydot(double * ydot) override { ++m_evals; m_f(m_y, ydot); return 0; }
	unsigned int m_n;
	std::function<void(const std::vector<double> &, double *)> m_f;
	std::vector<double> m_y;
	unsigned int m_evals = 0;
};

struct Pattern {
	std::vector<unsigned int> ia;
	std::vector<unsigned int> ja;
};

/*! Pattern from a predicate "(i,j) is stored". */
Pattern makePattern(unsigned int n, std::function<bool(unsigned int, unsigned int)> stored) {
	Pattern p;
	p.ia.push_back(0);
	for (unsigned int i = 0; i < n; ++i) {
		for (unsigned int j = 0; j < n; ++j)
			if (stored(i, j))
				p.ja.push_back(j);
		p.ia.push_back(static_cast<unsigned int>(p.ja.size()));
	}
	return p;
}

bool tridiagonal(unsigned int i, unsigned int j) {
	return (i > j ? i - j : j - i) <= 1;
}

} // namespace


TEST(JacobianSparseCSR, GreedyColouring) {
	struct Case {
		const char *							name;
		unsigned int							n;
		std::function<bool(unsigned int, unsigned int)>	stored;
		unsigned int							colours;
		std::vector<unsigned int>				firstGroup;
	};
	const std::vector<Case> cases = {
		{ "diagonal", 6, [](unsigned int i, unsigned int j) { return i == j; }, 1, {0, 1, 2, 3, 4, 5} },
		{ "tridiagonal", 7, tridiagonal, 3, {0, 3, 6} },
		// unknown 0 coupled to all others (and all others to it): no two columns can share a colour
		{ "full row", 5, [](unsigned int i, unsigned int j) { return i == j || i == 0 || j == 0; }, 5, {0} },
	};
	VUREDOTest::CapturingMessageHandler messages;
	for (const Case & c : cases) {
		Pattern p = makePattern(c.n, c.stored);
		FunctionModel model(c.n, [](const std::vector<double> &, double * f) { f[0] = 0; });
		JacobianSparseCSR jac(c.n, static_cast<unsigned int>(p.ja.size()), p.ia.data(), p.ja.data());
		jac.init(&model);
		ASSERT_EQ(jac.colorGroups().size(), c.colours) << c.name;
		EXPECT_EQ(jac.colorGroups()[0], c.firstGroup) << c.name;
		// one model evaluation per colour
		std::vector<double> y(c.n, 1.0), f(c.n, 0.0);
		jac.setup(0, y.data(), f.data(), nullptr, 1.0);
		EXPECT_EQ(jac.nRHSEvals(), c.colours) << c.name;
		EXPECT_EQ(model.m_evals, c.colours) << c.name;
	}
	EXPECT_TRUE(messages.contains("SparseMatrix: generating color arrays\n"));
	EXPECT_TRUE(messages.contains("  3 colors\n"));
}


TEST(JacobianSparseCSR, DifferenceQuotientsMatchAnalyticJacobian) {
	// f_i = -y_i^3 + y_{i-1} y_{i+1} (missing neighbours count as 1)
	const unsigned int n = 8;
	auto f = [n](const std::vector<double> & y, double * ydot) {
		for (unsigned int i = 0; i < n; ++i) {
			double left = i > 0 ? y[i - 1] : 1.0;
			double right = i + 1 < n ? y[i + 1] : 1.0;
			ydot[i] = -y[i] * y[i] * y[i] + left * right;
		}
	};
	Pattern p = makePattern(n, tridiagonal);
	FunctionModel model(n, f);
	VUREDOTest::CapturingMessageHandler messages;
	JacobianSparseCSR jac(n, static_cast<unsigned int>(p.ja.size()), p.ia.data(), p.ja.data());
	jac.init(&model);

	std::vector<double> y = { 0.5, -1.2, 2.0, 3.5, 0.1, -0.7, 1.9, 2.5 };
	std::vector<double> ydot(n);
	f(y, ydot.data());
	ASSERT_EQ(jac.setup(0, y.data(), ydot.data(), nullptr, 0.3), 0);
	for (unsigned int i = 0; i < n; ++i) {
		double left = i > 0 ? y[i - 1] : 1.0;
		double right = i + 1 < n ? y[i + 1] : 1.0;
		double expected[3] = { right, -3 * y[i] * y[i], left }; // d/dy_{i-1}, d/dy_i, d/dy_{i+1}
		for (int d = -1; d <= 1; ++d) {
			int j = static_cast<int>(i) + d;
			if (j < 0 || j >= static_cast<int>(n))
				continue;
			double e = expected[d + 1];
			EXPECT_NEAR(jac.value(i, static_cast<unsigned int>(j)), e, 1e-5 * std::max(1.0, std::fabs(e)))
				<< "(" << i << "," << j << ")";
		}
	}
	// J*v uses the computed values
	std::vector<double> v(n, 1.0), Jv(n, 0.0);
	EXPECT_EQ(jac.jacTimesVec(v.data(), Jv.data()), 0);
	for (unsigned int i = 0; i < n; ++i) {
		double rowSum = 0;
		for (unsigned int j = 0; j < n; ++j)
			rowSum += jac.value(i, j);
		EXPECT_DOUBLE_EQ(Jv[i], rowSum);
	}
}


TEST(JacobianSparseCSR, UnsymmetricPatternWithoutTransposedArrays) {
	// f_i = y_{i-1}^2 - y_i: lower bidiagonal, the pattern is not symmetric
	const unsigned int n = 5;
	auto f = [n](const std::vector<double> & y, double * ydot) {
		for (unsigned int i = 0; i < n; ++i)
			ydot[i] = (i > 0 ? y[i - 1] * y[i - 1] : 0.0) - y[i];
	};
	Pattern p = makePattern(n, [](unsigned int i, unsigned int j) { return i == j || i == j + 1; });
	FunctionModel model(n, f);
	VUREDOTest::CapturingMessageHandler messages;
	JacobianSparseCSR jac(n, static_cast<unsigned int>(p.ja.size()), p.ia.data(), p.ja.data());
	jac.init(&model);
	EXPECT_EQ(jac.colorGroups().size(), 2u);
	std::vector<double> y = { 1, 2, 3, 4, 5 }, ydot(n);
	f(y, ydot.data());
	jac.setup(0, y.data(), ydot.data(), nullptr, 1);
	for (unsigned int i = 0; i < n; ++i) {
		EXPECT_NEAR(jac.value(i, i), -1.0, 1e-6);
		if (i > 0) {
			EXPECT_NEAR(jac.value(i, i - 1), 2 * y[i - 1], 1e-5);
		}
	}
}


TEST(JacobianSparseCSR, RefusesModelOfOtherSize) {
	Pattern p = makePattern(3, tridiagonal);
	FunctionModel model(4, [](const std::vector<double> &, double *) {});
	JacobianSparseCSR jac(3, static_cast<unsigned int>(p.ja.size()), p.ia.data(), p.ja.data());
	try {
		jac.init(&model);
		FAIL() << "size mismatch accepted";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Mismatching dimensions in JacobianSparseCSR and model.");
	}
}


TEST(JacobianSparseCSR, BinaryFormCarriesValuesAndEvaluationCount) {
	Pattern p = makePattern(3, tridiagonal); // nnz = 7
	FunctionModel model(3, [](const std::vector<double> & y, double * f) {
		f[0] = y[0] * y[1]; f[1] = y[0] + 2 * y[1] - y[2]; f[2] = y[1] * y[2];
	});
	VUREDOTest::CapturingMessageHandler messages;
	JacobianSparseCSR jac(3, 7, p.ia.data(), p.ja.data());
	jac.init(&model);
	std::vector<double> y = { 1, 2, 3 }, ydot(3);
	model.setY(y.data());
	model.ydot(ydot.data());
	jac.setup(0, y.data(), ydot.data(), nullptr, 1);

	// matrix part (17 + 8*7 + 4*(4 + 7)) plus the 32-bit evaluation counter
	ASSERT_EQ(jac.serializationSize(), 117u + 4u);
	std::vector<char> buf(jac.serializationSize());
	void * ptr = buf.data();
	jac.serialize(ptr);
	EXPECT_EQ(static_cast<char *>(ptr) - buf.data(), 121);

	JacobianSparseCSR copy(3, 7, p.ia.data(), p.ja.data());
	ptr = buf.data();
	copy.deserialize(ptr);
	EXPECT_EQ(static_cast<char *>(ptr) - buf.data(), 121);
	EXPECT_EQ(copy.nRHSEvals(), jac.nRHSEvals());
	for (unsigned int i = 0; i < 3; ++i)
		for (unsigned int j = 0; j < 3; ++j)
			EXPECT_EQ(copy.value(i, j), jac.value(i, j));

	// a matrix of another shape cannot take the data
	Pattern diag = makePattern(3, [](unsigned int i, unsigned int j) { return i == j; });
	JacobianSparseCSR other(3, 3, diag.ia.data(), diag.ja.data());
	ptr = buf.data();
	try {
		other.deserialize(ptr);
		FAIL() << "shape mismatch accepted";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Error in Sparse Jacobian CSR deserialization.");
	}
	// recreate takes the new shape
	ptr = buf.data();
	other.recreate(ptr);
	EXPECT_EQ(other.nnz(), 7u);
	EXPECT_EQ(other.value(1, 2), jac.value(1, 2));
}
