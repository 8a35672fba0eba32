// The compiled sparse matrix operations give the library's results, leave structural
// changes to the library and are inherited by clones. A fixed pattern survives zero and
// copy, and a structural change by the library releases it.

#include <vector>

#include <gtest/gtest.h>

#include <sundials/sundials_context.h>
#include <sunmatrix/sunmatrix_sparse.h>

#include <VUREDO_SUNMatrixSparseOps.h>

namespace {

bool holds(SUNMatrix A, unsigned long long key) {
	return VUREDO::SUNMatrixSparseOps::holdsPattern(A, key);
}

class SUNMatrixSparseOpsTest : public ::testing::Test {
protected:
	void SetUp() override { ASSERT_EQ(SUNContext_Create(nullptr, &m_ctx), 0); }
	void TearDown() override {
		for (SUNMatrix A : m_matrices)
			SUNMatDestroy(A);
		SUNContext_Free(&m_ctx);
	}

	/*! 4x4 CSR matrix; with a diagonal: tridiagonal, else row 2 lacks its diagonal entry. */
	SUNMatrix create(bool fullDiagonal, bool compiledOps, sunindextype extraStorage = 0) {
		const std::vector<sunindextype> ptr = fullDiagonal ? std::vector<sunindextype>{ 0, 2, 5, 8, 10 }
														   : std::vector<sunindextype>{ 0, 2, 5, 7, 9 };
		const std::vector<sunindextype> idx = fullDiagonal ? std::vector<sunindextype>{ 0, 1, 0, 1, 2, 1, 2, 3, 2, 3 }
														   : std::vector<sunindextype>{ 0, 1, 0, 1, 2, 1, 3, 2, 3 };
		SUNMatrix A = SUNSparseMatrix(4, 4, ptr.back() + extraStorage, CSR_MAT, m_ctx);
		for (std::size_t i = 0; i < ptr.size(); ++i)
			SM_INDEXPTRS_S(A)[i] = ptr[i];
		for (std::size_t k = 0; k < idx.size(); ++k) {
			SM_INDEXVALS_S(A)[k] = idx[k];
			SM_DATA_S(A)[k] = 0.5 + 1.25*k - (k % 3);
		}
		if (compiledOps)
			VUREDO::SUNMatrixSparseOps::install(A);
		m_matrices.push_back(A);
		return A;
	}

	static void expectEqual(SUNMatrix A, SUNMatrix B) {
		ASSERT_EQ(SM_NNZ_S(A), SM_NNZ_S(B));
		for (sunindextype i = 0; i <= SM_NP_S(A); ++i)
			EXPECT_EQ(SM_INDEXPTRS_S(A)[i], SM_INDEXPTRS_S(B)[i]) << "pointer " << i;
		for (sunindextype k = 0; k < SM_NNZ_S(A); ++k) {
			EXPECT_EQ(SM_INDEXVALS_S(A)[k], SM_INDEXVALS_S(B)[k]) << "entry " << k;
			EXPECT_DOUBLE_EQ(SM_DATA_S(A)[k], SM_DATA_S(B)[k]) << "entry " << k;
		}
	}

	SUNContext				m_ctx = nullptr;
	std::vector<SUNMatrix>	m_matrices;
};


TEST_F(SUNMatrixSparseOpsTest, ScaleAddIdentityMatchesTheLibrary) {
	for (bool fullDiagonal : { true, false }) {
		SCOPED_TRACE(fullDiagonal);
		SUNMatrix lib = create(fullDiagonal, false);
		SUNMatrix own = create(fullDiagonal, true);
		ASSERT_EQ(SUNMatScaleAddI(-0.3, lib), SUNMAT_SUCCESS);
		ASSERT_EQ(SUNMatScaleAddI(-0.3, own), SUNMAT_SUCCESS);
		expectEqual(own, lib);
	}
}


TEST_F(SUNMatrixSparseOpsTest, CopyAndZeroMatchTheLibraryAndClonesInheritThem) {
	SUNMatrix source = create(true, false);
	// larger storage than needed: the rest is cleared
	SUNMatrix libTarget = create(false, false, 3);
	SUNMatrix ownTarget = create(false, true, 3);
	ASSERT_EQ(SUNMatCopy(source, libTarget), SUNMAT_SUCCESS);
	ASSERT_EQ(SUNMatCopy(source, ownTarget), SUNMAT_SUCCESS);
	expectEqual(ownTarget, libTarget);

	ASSERT_EQ(SUNMatZero(libTarget), SUNMAT_SUCCESS);
	ASSERT_EQ(SUNMatZero(ownTarget), SUNMAT_SUCCESS);
	expectEqual(ownTarget, libTarget);

	SUNMatrix clone = SUNMatClone(ownTarget);
	m_matrices.push_back(clone);
	EXPECT_EQ(clone->ops->scaleaddi, ownTarget->ops->scaleaddi);
	EXPECT_EQ(clone->ops->copy, ownTarget->ops->copy);
	EXPECT_NE(clone->ops->copy, source->ops->copy);
}


// CVODE's cycle at a new Jacobian: zero, fill the values, save a copy, form I - gamma*J;
// at a reused one: restore the saved copy, form I - gamma*J. Compared with the library's
// operations on the same sequence, over several cycles.
TEST_F(SUNMatrixSparseOpsTest, FixedPatternGivesTheLibrarysResultsOverSetupCycles) {
	SUNMatrix lib = create(true, false);
	SUNMatrix own = create(true, true);
	SUNMatrix libSaved = SUNMatClone(lib);
	SUNMatrix ownSaved = SUNMatClone(own);
	m_matrices.push_back(libSaved);
	m_matrices.push_back(ownSaved);
	const std::vector<sunindextype> ptr{ 0, 2, 5, 8, 10 };
	const std::vector<sunindextype> idx{ 0, 1, 0, 1, 2, 1, 2, 3, 2, 3 };
	unsigned long long key = 0;
	for (int cycle = 0; cycle < 4; ++cycle) {
		SCOPED_TRACE(cycle);
		const bool newJacobian = cycle % 2 == 0;
		const double gamma = 0.1 + 0.37*cycle;
		if (newJacobian) {
			ASSERT_EQ(SUNMatZero(lib), SUNMAT_SUCCESS);
			ASSERT_EQ(SUNMatZero(own), SUNMAT_SUCCESS);
			// the library's zero clears the pattern, the fixed one keeps it
			EXPECT_EQ(SM_INDEXPTRS_S(lib)[4], 0);
			EXPECT_EQ(holds(own, key), cycle > 0);
			for (sunindextype k = 0; k < SM_NNZ_S(own); ++k)
				EXPECT_EQ(SM_DATA_S(own)[k], 0.0);
			// the values always, the pattern only where it is not held (as the Jacobian fill)
			for (SUNMatrix A : { lib, own }) {
				const bool writePattern = !holds(A, key);
				if (writePattern) {
					for (std::size_t i = 0; i < ptr.size(); ++i)
						SM_INDEXPTRS_S(A)[i] = ptr[i];
				}
				for (std::size_t k = 0; k < idx.size(); ++k) {
					if (writePattern)
						SM_INDEXVALS_S(A)[k] = idx[k];
					SM_DATA_S(A)[k] = 1.5 - 0.75*static_cast<double>(k) + cycle;
				}
			}
			if (key == 0)
				key = VUREDO::SUNMatrixSparseOps::fixPattern(own);
			ASSERT_EQ(SUNMatCopy(lib, libSaved), SUNMAT_SUCCESS);
			ASSERT_EQ(SUNMatCopy(own, ownSaved), SUNMAT_SUCCESS);
			EXPECT_TRUE(holds(ownSaved, key));
		}
		else {
			ASSERT_EQ(SUNMatCopy(libSaved, lib), SUNMAT_SUCCESS);
			ASSERT_EQ(SUNMatCopy(ownSaved, own), SUNMAT_SUCCESS);
		}
		ASSERT_EQ(SUNMatScaleAddI(-gamma, lib), SUNMAT_SUCCESS);
		ASSERT_EQ(SUNMatScaleAddI(-gamma, own), SUNMAT_SUCCESS);
		expectEqual(own, lib);
		expectEqual(ownSaved, libSaved);
	}
}


TEST_F(SUNMatrixSparseOpsTest, StructuralChangeReleasesTheFixedPattern) {
	// a pattern without row 2's diagonal: the library adds it and the key no longer holds
	SUNMatrix lib = create(false, false);
	SUNMatrix own = create(false, true);
	const unsigned long long key = VUREDO::SUNMatrixSparseOps::fixPattern(own);
	ASSERT_NE(key, 0u);
	EXPECT_TRUE(holds(own, key));
	ASSERT_EQ(SUNMatScaleAddI(2.0, lib), SUNMAT_SUCCESS);
	ASSERT_EQ(SUNMatScaleAddI(2.0, own), SUNMAT_SUCCESS);
	expectEqual(own, lib);
	EXPECT_FALSE(holds(own, key));
	// a matrix without the compiled operations has no fixed pattern
	EXPECT_EQ(VUREDO::SUNMatrixSparseOps::fixPattern(lib), 0u);
	EXPECT_FALSE(holds(lib, 0));
}

} // namespace
