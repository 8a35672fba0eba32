// The scheduled transposed solve gives KLU's own klu_l_tsolve result to the bit, for
// matrices with one block, many blocks and singletons, with and without row scaling, and
// follows refactorisations (values only) and new factorisations (new structure).

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include <klu.h>

#include <VUREDO_KLUTransposedSolve.h>

namespace {

/*! A square matrix in compressed columns as KLU takes it. */
struct CscMatrix {
	SuiteSparse_long				n = 0;
	std::vector<SuiteSparse_long>	p;
	std::vector<SuiteSparse_long>	i;
	std::vector<double>				x;
};

/*! Chains of wall elements (tridiagonal) coupled to one room node, like the room model's
	Jacobian; couplings of some chains only one way make several blocks and singletons.
*/
CscMatrix roomLikeMatrix(unsigned int chains, unsigned int chainLength, unsigned int oneWayChains,
						 unsigned int seed)
{
	std::mt19937 rng(seed);
	std::uniform_real_distribution<double> value(0.1, 1.0);
	const SuiteSparse_long n = static_cast<SuiteSparse_long>(chains*chainLength + 1);
	const SuiteSparse_long room = n - 1;
	std::vector<std::vector<std::pair<SuiteSparse_long, double>>> columns(static_cast<std::size_t>(n));
	auto add = [&columns](SuiteSparse_long row, SuiteSparse_long col, double v) {
		columns[static_cast<std::size_t>(col)].emplace_back(row, v);
	};
	double roomDiag = 1.0;
	for (unsigned int c = 0; c < chains; ++c) {
		const SuiteSparse_long first = static_cast<SuiteSparse_long>(c*chainLength);
		for (unsigned int e = 0; e < chainLength; ++e) {
			const SuiteSparse_long k = first + e;
			add(k, k, 2.5 + value(rng));
			if (e > 0) {
				add(k, k - 1, -value(rng));
				add(k - 1, k, -value(rng));
			}
		}
		// the inside element exchanges heat with the room; one-way chains only feed it
		const SuiteSparse_long inside = first + chainLength - 1;
		add(room, inside, -value(rng));
		if (c >= oneWayChains)
			add(inside, room, -value(rng));
		roomDiag += 1.0;
	}
	add(room, room, roomDiag + value(rng));

	CscMatrix A;
	A.n = n;
	A.p.push_back(0);
	for (auto & col : columns) {
		std::sort(col.begin(), col.end());
		for (const auto & entry : col) {
			A.i.push_back(entry.first);
			A.x.push_back(entry.second);
		}
		A.p.push_back(static_cast<SuiteSparse_long>(A.i.size()));
	}
	return A;
}

class KLUTransposedSolveTest : public ::testing::Test {
protected:
	void SetUp() override { klu_l_defaults(&m_common); }
	void TearDown() override { release(); }

	void factor(CscMatrix & A) {
		release();
		m_symbolic = klu_l_analyze(A.n, A.p.data(), A.i.data(), &m_common);
		ASSERT_NE(m_symbolic, nullptr);
		m_numeric = klu_l_factor(A.p.data(), A.i.data(), A.x.data(), m_symbolic, &m_common);
		ASSERT_NE(m_numeric, nullptr);
	}

	/*! Both solves for a few right-hand sides; the results must agree in every bit. */
	void expectSameAsKLU(VUREDO::KLUTransposedSolve & fast, SuiteSparse_long n, unsigned int seed) {
		std::mt19937 rng(seed);
		std::uniform_real_distribution<double> value(-1e3, 1e3);
		for (int trial = 0; trial < 5; ++trial) {
			std::vector<double> b(static_cast<std::size_t>(n));
			for (double & v : b)
				v = value(rng);
			std::vector<double> expected = b;
			ASSERT_EQ(klu_l_tsolve(m_symbolic, m_numeric, n, 1, expected.data(), &m_common), 1);
			fast.solve(b.data());
			ASSERT_EQ(std::memcmp(b.data(), expected.data(), b.size()*sizeof(double)), 0)
				<< "trial " << trial << ": first value " << b[0] << " vs " << expected[0];
		}
	}

	void release() {
		if (m_numeric != nullptr)
			klu_l_free_numeric(&m_numeric, &m_common);
		if (m_symbolic != nullptr)
			klu_l_free_symbolic(&m_symbolic, &m_common);
	}

	klu_l_common	m_common;
	klu_l_symbolic	*m_symbolic = nullptr;
	klu_l_numeric	*m_numeric = nullptr;
};

} // namespace


TEST_F(KLUTransposedSolveTest, SameBitsAsKLUForEveryBlockStructureAndScaling) {
	struct Case { unsigned int chains, length, oneWay; int scale; };
	// one block; blocks and singletons; pure singletons (room only fed); no scaling, sum scaling
	const Case cases[] = { {8, 30, 0, 2}, {8, 30, 3, 2}, {5, 1, 5, 2}, {8, 30, 0, 0}, {4, 12, 2, 1}, {1, 2, 0, 2} };
	unsigned int seed = 1;
	for (const Case & c : cases) {
		SCOPED_TRACE(testing::Message() << c.chains << " chains of " << c.length << ", " << c.oneWay
					 << " one-way, scale " << c.scale);
		m_common.scale = c.scale;
		CscMatrix A = roomLikeMatrix(c.chains, c.length, c.oneWay, ++seed);
		factor(A);
		VUREDO::KLUTransposedSolve fast;
		fast.update(m_symbolic, m_numeric);
		ASSERT_TRUE(fast.ready());
		if (c.oneWay > 0) {
			EXPECT_GT(m_symbolic->nblocks, 1);
		}
		expectSameAsKLU(fast, A.n, seed);
		// the chains of one block overlap: a serial solve has two levels per column
		if (c.length >= 30 && c.oneWay == 0) {
			EXPECT_LT(fast.levels(), A.n);
		}
	}
}


TEST_F(KLUTransposedSolveTest, FollowsRefactorisationAndNewFactorisation) {
	CscMatrix A = roomLikeMatrix(6, 20, 0, 7);
	factor(A);
	VUREDO::KLUTransposedSolve fast;
	fast.update(m_symbolic, m_numeric);
	EXPECT_EQ(fast.rebuilds(), 1u);

	// new values, same structure: the schedule stays and reads the new factors
	for (double & v : A.x)
		v *= 1.5;
	A.x[0] += 0.25;
	ASSERT_EQ(klu_l_refactor(A.p.data(), A.i.data(), A.x.data(), m_symbolic, m_numeric, &m_common), 1);
	fast.update(m_symbolic, m_numeric);
	EXPECT_EQ(fast.rebuilds(), 1u);
	expectSameAsKLU(fast, A.n, 11);

	// a new factorisation of another structure: rebuilt
	CscMatrix B = roomLikeMatrix(3, 9, 1, 8);
	factor(B);
	fast.update(m_symbolic, m_numeric);
	EXPECT_EQ(fast.rebuilds(), 2u);
	expectSameAsKLU(fast, B.n, 12);

	fast.update(nullptr, nullptr);
	EXPECT_FALSE(fast.ready());
}
