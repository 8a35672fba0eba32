// The compiled serial vector operations give the library's results, also for aliased
// arguments; every instruction-set variant gives the same bits as the baseline loops, for
// lengths that are and are not multiples of the vector width; clones inherit the operations.

#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <nvector/nvector_serial.h>
#include <sundials/sundials_context.h>

#include <VUREDO_NVectorSerialOps.h>

namespace {

using VUREDO::NVectorSerialOps;

/*! An operation on four vectors; returns the result of a reduction, else 0. */
typedef std::function<double(N_Vector *)> Op;

/*! Every installed operation, with the aliasings CVODE uses (z = x, z = y, Z = Y). */
const std::vector<Op> & operations() {
	static const std::vector<Op> ops = {
		[](N_Vector * v) { N_VLinearSum(0.3, v[0], -2.5, v[1], v[2]); return 0.0; },
		[](N_Vector * v) { N_VLinearSum(1.0, v[0], 1.0, v[1], v[0]); return 0.0; },		// z = x
		[](N_Vector * v) { N_VLinearSum(-1.0, v[0], 4.0, v[1], v[1]); return 0.0; },	// z = y
		[](N_Vector * v) { N_VConst(3.25, v[2]); return 0.0; },
		[](N_Vector * v) { N_VProd(v[0], v[1], v[2]); return 0.0; },
		[](N_Vector * v) { N_VDiv(v[0], v[3], v[2]); return 0.0; },
		[](N_Vector * v) { N_VScale(-0.7, v[0], v[0]); return 0.0; },
		[](N_Vector * v) { N_VAbs(v[1], v[2]); return 0.0; },
		[](N_Vector * v) { N_VInv(v[3], v[2]); return 0.0; },
		[](N_Vector * v) { N_VAddConst(v[1], 1e-3, v[1]); return 0.0; },
		[](N_Vector * v) { double c[3] = { 1.0, -0.5, 2.0 }; N_VLinearCombination(3, c, v, v[0]); return 0.0; },
		[](N_Vector * v) { double c[3] = { 0.1, -0.5, 2.0 }; N_VLinearCombination(3, c, v, v[3]); return 0.0; },
		[](N_Vector * v) { double c[1] = { 1.5 }; N_VLinearCombination(1, c, v, v[2]); return 0.0; },
		[](N_Vector * v) { double c[2] = { 0.25, -3.0 }; N_VLinearCombination(2, c, v, v[3]); return 0.0; },
		[](N_Vector * v) { double a[2] = { 0.5, -2.0 }; N_Vector Y[2] = { v[1], v[2] }; N_VScaleAddMulti(2, a, v[0], Y, Y); return 0.0; },
		[](N_Vector * v) { double a[2] = { 0.5, -2.0 }; N_Vector Y[2] = { v[1], v[2] }; N_Vector Z[2] = { v[3], v[0] }; N_VScaleAddMulti(2, a, v[0], Y, Z); return 0.0; },
		[](N_Vector * v) { return N_VWrmsNorm(v[0], v[3]); },
		[](N_Vector * v) { return N_VWSqrSumLocal(v[2], v[1]); },
		[](N_Vector * v) { return N_VMaxNorm(v[1]); },
		[](N_Vector * v) { return N_VDotProd(v[0], v[2]); },
	};
	return ops;
}

/*! Four serial vectors of length n with reproducible contents spanning several decades;
	with the library's operations, or with the installed ones of one variant. */
class VectorSet {
public:
	VectorSet(SUNContext ctx, sunindextype n, bool library, NVectorSerialOps::InstructionSet isa) : m_n(n) {
		for (int k = 0; k < 4; ++k) {
			m_v[k] = N_VNew_Serial(n, ctx);
			if (!library)
				NVectorSerialOps::install(m_v[k], isa);
			for (sunindextype i = 0; i < n; ++i)
				NV_Ith_S(m_v[k], i) = std::sin(1.7*static_cast<double>(i) + k) * std::pow(10.0, (i % 5) - 2) + (k == 3 ? 2 : 0);
		}
	}
	~VectorSet() {
		for (N_Vector v : m_v)
			N_VDestroy(v);
	}
	VectorSet(const VectorSet &) = delete;
	VectorSet & operator=(const VectorSet &) = delete;

	double value(int k, sunindextype i) const { return NV_Ith_S(m_v[k], i); }
	bool sameBits(const VectorSet & other, int k) const {
		return std::memcmp(NV_DATA_S(m_v[k]), NV_DATA_S(other.m_v[k]), sizeof(double)*static_cast<size_t>(m_n)) == 0;
	}

	sunindextype	m_n;
	N_Vector		m_v[4];
};

class NVectorSerialOpsTest : public ::testing::Test {
protected:
	void SetUp() override { ASSERT_EQ(SUNContext_Create(nullptr, &m_ctx), 0); }
	void TearDown() override { SUNContext_Free(&m_ctx); }

	SUNContext	m_ctx = nullptr;
};


TEST_F(NVectorSerialOpsTest, OperationsMatchTheLibrary) {
	const sunindextype N = 37;
	VectorSet lib(m_ctx, N, true, NVectorSerialOps::Baseline);
	VectorSet own(m_ctx, N, false, NVectorSerialOps::best());
	for (size_t j = 0; j < operations().size(); ++j) {
		const double rLib = operations()[j](lib.m_v);
		const double rOwn = operations()[j](own.m_v);
		EXPECT_EQ(std::memcmp(&rOwn, &rLib, sizeof(double)), 0) << "operation " << j;
		for (int k = 0; k < 4; ++k)
			for (sunindextype i = 0; i < N; ++i)
				ASSERT_NEAR(own.value(k, i), lib.value(k, i), 1e-14*(1 + std::fabs(lib.value(k, i))))
					<< "operation " << j << " vector " << k << " element " << i;
	}
}


TEST_F(NVectorSerialOpsTest, EveryVariantGivesTheBaselineBits) {
	const NVectorSerialOps::InstructionSet variants[] = { NVectorSerialOps::AVX2, NVectorSerialOps::AVX512 };
	// shorter than, equal to, around and well above the widths of 2, 4 and 8 doubles
	const sunindextype lengths[] = { 1, 3, 4, 7, 8, 9, 15, 16, 17, 31, 33, 203, 1001 };
	for (NVectorSerialOps::InstructionSet isa : variants) {
		if (!NVectorSerialOps::supported(isa))
			continue;
		for (sunindextype n : lengths) {
			VectorSet base(m_ctx, n, false, NVectorSerialOps::Baseline);
			VectorSet other(m_ctx, n, false, isa);
			for (size_t j = 0; j < operations().size(); ++j) {
				const double rBase = operations()[j](base.m_v);
				const double rOther = operations()[j](other.m_v);
				EXPECT_EQ(std::memcmp(&rBase, &rOther, sizeof(double)), 0)
					<< "variant " << isa << " length " << n << " operation " << j;
				for (int k = 0; k < 4; ++k)
					ASSERT_TRUE(base.sameBits(other, k))
						<< "variant " << isa << " length " << n << " operation " << j << " vector " << k;
			}
		}
	}
}


TEST_F(NVectorSerialOpsTest, NormGivesTheLibrarysBits) {
	// magnitudes over eight decades, where the order of summation shows
	for (sunindextype n : { 1, 2, 7, 8, 9, 17, 64, 1000, 100003 }) {
		VectorSet lib(m_ctx, n, true, NVectorSerialOps::Baseline);
		VectorSet own(m_ctx, n, false, NVectorSerialOps::best());
		for (sunindextype i = 0; i < n; ++i) {
			const double x = std::cos(0.37*static_cast<double>(i))*std::pow(10.0, (i % 9) - 4);
			NV_Ith_S(lib.m_v[0], i) = NV_Ith_S(own.m_v[0], i) = x;
		}
		const double rOwn = N_VWrmsNorm(own.m_v[0], own.m_v[3]);
		const double rLib = N_VWrmsNorm(lib.m_v[0], lib.m_v[3]);
		EXPECT_EQ(std::memcmp(&rOwn, &rLib, sizeof(double)), 0) << n << ": " << rOwn << " vs " << rLib;
	}
}


TEST_F(NVectorSerialOpsTest, ClonesInheritTheOperations) {
	VectorSet lib(m_ctx, 5, true, NVectorSerialOps::Baseline);
	VectorSet own(m_ctx, 5, false, NVectorSerialOps::best());
	N_Vector clone = N_VClone(own.m_v[0]);
	EXPECT_EQ(clone->ops->nvlinearsum, own.m_v[0]->ops->nvlinearsum);
	EXPECT_EQ(clone->ops->nvlinearcombination, own.m_v[0]->ops->nvlinearcombination);
	EXPECT_EQ(clone->ops->nvwrmsnorm, own.m_v[0]->ops->nvwrmsnorm);
	EXPECT_NE(clone->ops->nvlinearsum, lib.m_v[0]->ops->nvlinearsum);
	N_VDestroy(clone);
}

} // namespace
