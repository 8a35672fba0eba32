// The compiled serial vector operations give the library's results, also for aliased
// arguments, and are inherited by cloned vectors.

#include <cmath>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <nvector/nvector_serial.h>
#include <sundials/sundials_context.h>

#include <VUREDO_NVectorSerialOps.h>

namespace {

/*! Two sets of serial vectors with equal contents: one with the library's operations,
	one with the installed ones. */
class NVectorSerialOpsTest : public ::testing::Test {
protected:
	static const sunindextype N = 37;

	void SetUp() override {
		ASSERT_EQ(SUNContext_Create(nullptr, &m_ctx), 0);
		for (int k = 0; k < 4; ++k) {
			m_lib[k] = N_VNew_Serial(N, m_ctx);
			m_own[k] = N_VNew_Serial(N, m_ctx);
			VUREDO::NVectorSerialOps::install(m_own[k]);
			for (sunindextype i = 0; i < N; ++i) {
				const double v = std::sin(1.7*i + k) * std::pow(10.0, (i % 5) - 2) + (k == 3 ? 2 : 0);
				NV_Ith_S(m_lib[k], i) = v;
				NV_Ith_S(m_own[k], i) = v;
			}
		}
	}
	void TearDown() override {
		for (int k = 0; k < 4; ++k) {
			N_VDestroy(m_lib[k]);
			N_VDestroy(m_own[k]);
		}
		SUNContext_Free(&m_ctx);
	}

	void expectSameVectors() {
		for (int k = 0; k < 4; ++k)
			for (sunindextype i = 0; i < N; ++i)
				EXPECT_NEAR(NV_Ith_S(m_own[k], i), NV_Ith_S(m_lib[k], i), 1e-14*(1 + std::fabs(NV_Ith_S(m_lib[k], i))))
					<< "vector " << k << " element " << i;
	}

	SUNContext	m_ctx = nullptr;
	N_Vector	m_lib[4];
	N_Vector	m_own[4];
};


TEST_F(NVectorSerialOpsTest, ElementwiseOperationsMatchTheLibrary) {
	typedef std::function<void(N_Vector *)> Op;
	const Op ops[] = {
		[](N_Vector * v) { N_VLinearSum(0.3, v[0], -2.5, v[1], v[2]); },
		[](N_Vector * v) { N_VLinearSum(1.0, v[0], 1.0, v[1], v[0]); },		// z = x
		[](N_Vector * v) { N_VLinearSum(-1.0, v[0], 4.0, v[1], v[1]); },		// z = y
		[](N_Vector * v) { N_VConst(3.25, v[2]); },
		[](N_Vector * v) { N_VProd(v[0], v[1], v[2]); },
		[](N_Vector * v) { N_VDiv(v[0], v[3], v[2]); },
		[](N_Vector * v) { N_VScale(-0.7, v[0], v[0]); },
		[](N_Vector * v) { N_VAbs(v[1], v[2]); },
		[](N_Vector * v) { N_VInv(v[3], v[2]); },
		[](N_Vector * v) { N_VAddConst(v[1], 1e-3, v[1]); },
		[](N_Vector * v) { double c[3] = { 1.0, -0.5, 2.0 }; N_VLinearCombination(3, c, v, v[0]); },
		[](N_Vector * v) { double c[3] = { 0.1, -0.5, 2.0 }; N_VLinearCombination(3, c, v, v[3]); },
		[](N_Vector * v) { double c[1] = { 1.5 }; N_VLinearCombination(1, c, v, v[2]); },
		[](N_Vector * v) { double a[2] = { 0.5, -2.0 }; N_Vector Y[2] = { v[1], v[2] }; N_VScaleAddMulti(2, a, v[0], Y, Y); },
		[](N_Vector * v) { double a[2] = { 0.5, -2.0 }; N_Vector Y[2] = { v[1], v[2] }; N_Vector Z[2] = { v[3], v[0] }; N_VScaleAddMulti(2, a, v[0], Y, Z); },
	};
	for (const Op & op : ops) {
		op(m_lib);
		op(m_own);
		expectSameVectors();
	}
}


TEST_F(NVectorSerialOpsTest, ReductionsMatchTheLibraryAndClonesInheritTheOperations) {
	EXPECT_NEAR(N_VWrmsNorm(m_own[0], m_own[1]), N_VWrmsNorm(m_lib[0], m_lib[1]), 1e-14);
	EXPECT_NEAR(N_VDotProd(m_own[0], m_own[2]), N_VDotProd(m_lib[0], m_lib[2]), 1e-12);
	EXPECT_DOUBLE_EQ(N_VMaxNorm(m_own[2]), N_VMaxNorm(m_lib[2]));

	N_Vector clone = N_VClone(m_own[0]);
	EXPECT_EQ(clone->ops->nvlinearsum, m_own[0]->ops->nvlinearsum);
	EXPECT_EQ(clone->ops->nvlinearcombination, m_own[0]->ops->nvlinearcombination);
	EXPECT_NE(clone->ops->nvlinearsum, m_lib[0]->ops->nvlinearsum);
	N_VDestroy(clone);
}

} // namespace
