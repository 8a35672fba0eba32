#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <cvode/cvode.h>
#include <cvode/cvode_ls.h>
#include <nvector/nvector_serial.h>
#include <sunlinsol/sunlinsol_spgmr.h>

#include <BVX_Exception.h>

#include <VUREDO_CVodeStateSerialization.h>
#include <VUREDO_LESGMRES.h>

#include "VUREDO_TestModels.h"

using namespace VUREDO;
using VUREDOTest::CapturingMessageHandler;
using VUREDOTest::TestRod;

namespace {

typedef std::vector<char> Bytes;

/*! A bare CVODE memory for y' = -k_i y_i + y_(i-1) (k_i = 1, 10, 100, ...), matrix-free
	SPGMR, optionally Adams, vector tolerances or one root function. */
struct CVodeProblem {
	struct Options {
		sunindextype	m_n = 3;
		int				m_lmm = CV_BDF;
		bool			m_vectorTol = false;
		bool			m_root = false;
	};

	explicit CVodeProblem(const Options & o) {
		SUNContext_Create(nullptr, &m_ctx);
		m_y = N_VNew_Serial(o.m_n, m_ctx);
		m_atol = N_VNew_Serial(o.m_n, m_ctx);
		N_VConst(1.0, m_y);
		N_VConst(1e-8, m_atol);
		m_mem = CVodeCreate(o.m_lmm, m_ctx);
		CVodeInit(m_mem, rhs, 0.0, m_y);
		if (o.m_vectorTol)
			CVodeSVtolerances(m_mem, 1e-6, m_atol);
		else
			CVodeSStolerances(m_mem, 1e-6, 1e-8);
		if (o.m_root)
			CVodeRootInit(m_mem, 1, root);
		m_LS = SUNLinSol_SPGMR(m_y, SUN_PREC_NONE, 0, m_ctx);
		CVodeSetLinearSolver(m_mem, m_LS, nullptr);
	}
	~CVodeProblem() {
		CVodeFree(&m_mem);
		SUNLinSolFree(m_LS);
		N_VDestroy(m_atol);
		N_VDestroy(m_y);
		SUNContext_Free(&m_ctx);
	}
	CVodeProblem(const CVodeProblem &) = delete;
	CVodeProblem & operator=(const CVodeProblem &) = delete;

	void steps(int count) {
		for (int i = 0; i < count; ++i)
			ASSERT_GE(CVode(m_mem, 1000.0, m_y, &m_t, CV_ONE_STEP), 0);
	}
	/*! CVODE state plus Krylov state. */
	Bytes state() const {
		std::int64_t size = CVodeSerializationSize(m_mem);
		Bytes buf(static_cast<std::size_t>(size) + CVSpilsSerializationSize(m_mem));
		void * p = buf.data();
		EXPECT_EQ(CVodeSerialize(m_mem, &p), size);
		CVSpilsSerialize(m_mem, &p);
		EXPECT_EQ(static_cast<char *>(p), buf.data() + buf.size());
		return buf;
	}
	void restore(const Bytes & buf) {
		Bytes copy(buf);
		void * p = copy.data();
		CVodePrepareForDeserialize(m_mem);
		ASSERT_GT(CVodeDeserialize(m_mem, &p), 0);
		CVSpilsDeserialize(m_mem, &p);
		EXPECT_EQ(static_cast<char *>(p), copy.data() + copy.size());
	}

	static int rhs(realtype, N_Vector y, N_Vector ydot, void *) {
		const realtype * v = NV_DATA_S(y);
		realtype * d = NV_DATA_S(ydot);
		double k = 1;
		for (sunindextype i = 0; i < NV_LENGTH_S(y); ++i, k *= 10)
			d[i] = -k*v[i] + (i > 0 ? v[i - 1] : 0.0);
		return 0;
	}
	static int root(realtype t, N_Vector, realtype * g, void *) {
		g[0] = t - 1e6;
		return 0;
	}

	SUNContext		m_ctx = nullptr;
	N_Vector		m_y = nullptr;
	N_Vector		m_atol = nullptr;
	SUNLinearSolver	m_LS = nullptr;
	void			*m_mem = nullptr;
	realtype		m_t = 0;
};


// Fixed part of the record for BDF, scalar tolerances and no root functions, in bytes:
// tag, version, uround, 3 flags, reltol, abstol (44); tstop (12); 5 orders (20);
// 8 step data (64); tau 7, tq 6, l 6 (152); 7 coefficients (56); 7 limits (28);
// 3 step limits (24); 7 counters (28); 3 etas (24); 4 workspace sizes (16);
// qu, nstlp (8); h0u, hu, saved tq5 (24); jcur, tolsf (12); 4 flags (16);
// stability data 6x4 (192) and 2 counters (8); nrtfn (4); root data 52 + 60.
const std::int64_t BDF_FIXED_BYTES = 844;
const int BDF_VECTORS = 6 + 4;


std::int64_t vectorBytes(sunindextype n) {
	return 8 + 8*static_cast<std::int64_t>(n);
}

} // namespace


TEST(CVodeStateSerialization, SizeEqualsBytesWrittenAndHistoryFollowsMethod) {
	ASSERT_TRUE(CVodeSerializationAvailable());
	CVodeProblem::Options o;
	o.m_n = 4;
	CVodeProblem bdf(o);
	bdf.steps(12);
	const std::int64_t size = CVodeSerializationSize(bdf.m_mem);
	EXPECT_EQ(size, BDF_FIXED_BYTES + BDF_VECTORS*vectorBytes(4));

	Bytes buf(static_cast<std::size_t>(size) + 16, 'x');
	void * p = buf.data();
	EXPECT_EQ(CVodeSerialize(bdf.m_mem, &p), size);
	EXPECT_EQ(static_cast<char *>(p), buf.data() + size);
	EXPECT_EQ(buf[static_cast<std::size_t>(size)], 'x');
	EXPECT_EQ(std::string(buf.data(), 4), "2IMF");
	std::int32_t version;
	std::memcpy(&version, buf.data() + 4, 4);
	EXPECT_EQ(version, 1);
	// the first history vector is the solution at tn
	std::uint64_t length;
	std::memcpy(&length, buf.data() + 44, 8);
	EXPECT_EQ(length, 4u);
	double y0[4];
	std::memcpy(y0, buf.data() + 52, sizeof(y0));
	for (int i = 0; i < 4; ++i)
		EXPECT_EQ(y0[i], NV_Ith_S(bdf.m_y, i));

	// Adams: 13 history vectors, 14 tau values and 13 coefficients instead of 6, 7 and 6
	o.m_lmm = CV_ADAMS;
	CVodeProblem adams(o);
	EXPECT_EQ(CVodeSerializationSize(adams.m_mem) - size, 7*vectorBytes(4) + 7*8 + 7*8);
	// vector tolerances: one vector in place of a double
	o.m_lmm = CV_BDF;
	o.m_vectorTol = true;
	CVodeProblem sv(o);
	EXPECT_EQ(CVodeSerializationSize(sv.m_mem) - size, vectorBytes(4) - 8);

	EXPECT_EQ(CVSpilsSerializationSize(bdf.m_mem), 64u);
}


TEST(CVodeStateSerialization, RoundTripRestoresTheRunExactly) {
	CVodeProblem::Options o;
	CVodeProblem original(o);
	original.steps(25);
	const Bytes saved = original.state();

	CVodeProblem restored(o);
	restored.restore(saved);
	EXPECT_EQ(restored.state(), saved);

	// both continue along the same path
	original.steps(40);
	restored.steps(40);
	EXPECT_EQ(restored.m_t, original.m_t);
	for (int i = 0; i < 3; ++i)
		EXPECT_EQ(NV_Ith_S(restored.m_y, i), NV_Ith_S(original.m_y, i));
	long steps = 0;
	CVodeGetNumSteps(restored.m_mem, &steps);
	EXPECT_EQ(steps, 65);
}


TEST(CVodeStateSerialization, RefusedDataChangesNothing) {
	CVodeProblem::Options o;
	CVodeProblem source(o);
	source.steps(10);
	const Bytes saved = source.state();

	CVodeProblem target(o);
	target.steps(3);
	const Bytes before = target.state();

	// wrong tag and version: result codes
	Bytes wrongTag(saved);
	wrongTag[0] = '3';
	Bytes wrongVersion(saved);
	wrongVersion[4] = 2;
	void * p = wrongTag.data();
	EXPECT_EQ(CVodeDeserialize(target.m_mem, &p), -1);
	EXPECT_EQ(p, static_cast<void *>(wrongTag.data()));
	p = wrongVersion.data();
	EXPECT_EQ(CVodeDeserialize(target.m_mem, &p), -2);
	EXPECT_EQ(target.state(), before);

	// data of another problem: a message
	struct Case { const char * name; CVodeProblem::Options o; const char * message; };
	std::vector<Case> cases(4, Case{nullptr, o, nullptr});
	cases[0] = Case{"size", o, "stored vector length 3 differs from the integrator's (5)"};
	cases[0].o.m_n = 5;
	cases[1] = Case{"method", o, "stored method (2) differs from the integrator's (1)"};
	cases[1].o.m_lmm = CV_ADAMS;
	cases[2] = Case{"tolerance type", o, "stored tolerance type (1) differs from the integrator's (2)"};
	cases[2].o.m_vectorTol = true;
	cases[3] = Case{"root functions", o, "stored number of root functions (0) differs from the integrator's (1)"};
	cases[3].o.m_root = true;
	for (const Case & c : cases) {
		CVodeProblem other(c.o);
		other.steps(3);
		const Bytes otherBefore = other.state();
		Bytes data(saved);
		void * q = data.data();
		try {
			CVodeDeserialize(other.m_mem, &q);
			ADD_FAILURE() << c.name << ": accepted";
		}
		catch (BVX::Exception & ex) {
			EXPECT_NE(std::string(ex.what()).find(c.message), std::string::npos) << c.name << ": " << ex.what();
		}
		EXPECT_EQ(q, static_cast<void *>(data.data())) << c.name;
		EXPECT_EQ(other.state(), otherBefore) << c.name;
	}
}


TEST(CVodeStateSerialization, VectorLengthIsChecked) {
	SUNContext ctx;
	SUNContext_Create(nullptr, &ctx);
	N_Vector a = N_VNew_Serial(3, ctx), b = N_VNew_Serial(3, ctx), c = N_VNew_Serial(4, ctx);
	for (int i = 0; i < 3; ++i)
		NV_Ith_S(a, i) = i + 0.5;
	N_VConst(7.0, b);
	N_VConst(7.0, c);
	Bytes buf(8 + 3*8);
	void * p = buf.data();
	EXPECT_EQ(NVectorSerialize(&p, a), 24u);
	EXPECT_EQ(static_cast<char *>(p), buf.data() + buf.size());

	p = buf.data();
	try {
		NVectorDeserialize(&p, c);
		ADD_FAILURE() << "length 3 read into length 4";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Stored vector length 3 differs from the vector length 4.");
	}
	EXPECT_EQ(p, static_cast<void *>(buf.data()));
	for (int i = 0; i < 4; ++i)
		EXPECT_EQ(NV_Ith_S(c, i), 7.0);

	EXPECT_EQ(NVectorDeserialize(&p, b), 24u);
	EXPECT_EQ(static_cast<char *>(p), buf.data() + buf.size());
	for (int i = 0; i < 3; ++i)
		EXPECT_EQ(NV_Ith_S(b, i), i + 0.5);
	N_VDestroy(a);
	N_VDestroy(b);
	N_VDestroy(c);
	SUNContext_Free(&ctx);
}


TEST(CVodeStateSerialization, CounterBeyond32BitsThrows) {
	CVodeProblem::Options o;
	CVodeProblem p(o);
	CVodeSetMaxNumSteps(p.m_mem, 3000000000L);
	Bytes buf(static_cast<std::size_t>(CVodeSerializationSize(p.m_mem)));
	void * q = buf.data();
	try {
		CVodeSerialize(p.m_mem, &q);
		ADD_FAILURE() << "3e9 written into 32 bits";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Cannot write integrator state: the maximum number of steps (3000000000) exceeds "
					 "the 32-bit range of the state record.");
	}
}


namespace {

/*! Integrator state plus Jacobian, as the run driver would checkpoint them. */
Bytes checkpoint(TestRod & rod) {
	Bytes buf(rod.m_cvode.serializationSize() + (rod.m_jacobian ? rod.m_jacobian->serializationSize() : 0));
	void * p = buf.data();
	rod.m_cvode.serialize(p);
	if (rod.m_jacobian)
		rod.m_jacobian->serialize(p);
	EXPECT_EQ(static_cast<char *>(p), buf.data() + buf.size());
	return buf;
}

void stepTo(TestRod & rod, double t) {
	int steps = 0;
	while (rod.m_cvode.t() < t && steps++ < 100000)
		ASSERT_EQ(rod.m_cvode.step(), 1);
}

} // namespace


TEST(CVodeStateSerialization, IntegratorCheckpointWithDirectSolvers) {
	CapturingMessageHandler messages;
	for (const char * les : {"KLU", "Dense", "Band"}) {
		TestRod original(20, les, 86400);
		original.m_cvode.m_stopTime = 86400;
		original.m_cvode.init(&original, 0, original.y0(), original.lesInterface(), nullptr, original.jacobianInterface());
		stepTo(original, 3600);
		const Bytes saved = checkpoint(original);
		EXPECT_EQ(original.m_cvode.serializationSize(),
				  static_cast<std::size_t>(CVodeSerializationSize(original.m_cvode.cvodeMem())) + 8*20 + 24);

		TestRod restored(20, les, 86400);
		restored.m_cvode.m_stopTime = 86400;
		restored.m_cvode.init(&restored, 0, restored.y0(), restored.lesInterface(), nullptr, restored.jacobianInterface());
		Bytes data(saved);
		void * p = data.data();
		restored.m_cvode.deserialize(p);
		if (restored.m_jacobian)
			restored.m_jacobian->deserialize(p);
		EXPECT_EQ(static_cast<char *>(p), data.data() + data.size()) << les;
		EXPECT_EQ(restored.m_cvode.t(), original.m_cvode.t()) << les;
		EXPECT_EQ(checkpoint(restored), saved) << les;

		stepTo(original, 86400);
		stepTo(restored, 86400);
		ASSERT_EQ(restored.m_cvode.t(), 86400.0) << les;
		const double * a = original.m_cvode.y_out(86400);
		const double * b = restored.m_cvode.y_out(86400);
		for (unsigned int i = 0; i < 20; ++i)
			EXPECT_NEAR(a[i], b[i], 1e-5) << les << " node " << i;
	}
}


TEST(CVodeStateSerialization, GMRESCarriesTheKrylovCounters) {
	CapturingMessageHandler messages;
	TestRod original(20, "", 86400), restored(20, "", 86400);
	for (TestRod * rod : {&original, &restored}) {
		rod->m_les.reset(new LESGMRES);
		rod->m_cvode.init(rod, 0, rod->y0(), rod->lesInterface(), nullptr, nullptr);
	}
	stepTo(original, 3600);
	EXPECT_EQ(original.m_les->serializationSize(), 64u);
	Bytes saved(original.m_cvode.serializationSize() + 64);
	void * p = saved.data();
	original.m_cvode.serialize(p);
	original.m_les->serialize(p);
	ASSERT_EQ(static_cast<char *>(p), saved.data() + saved.size());

	Bytes data(saved);
	p = data.data();
	restored.m_cvode.deserialize(p);
	restored.m_les->deserialize(p);
	long a = 0, b = 0;
	CVodeGetNumLinIters(original.m_cvode.cvodeMem(), &a);
	CVodeGetNumLinIters(restored.m_cvode.cvodeMem(), &b);
	EXPECT_GT(a, 0);
	EXPECT_EQ(a, b);
	Bytes again(saved.size());
	p = again.data();
	restored.m_cvode.serialize(p);
	restored.m_les->serialize(p);
	EXPECT_EQ(again, saved);

	// the own GMRES of the implicit Euler integrator has no state to carry
	LESGMRES own;
	EXPECT_EQ(own.serializationSize(), 0u);
}


TEST(CVodeStateSerialization, IntegratorRefusesDataOfAnotherSizeAndBadHeader) {
	CapturingMessageHandler messages;
	TestRod small(10, "Dense", 86400);
	small.m_cvode.init(&small, 0, small.y0(), small.lesInterface(), nullptr, nullptr);
	stepTo(small, 600);
	Bytes saved = checkpoint(small);

	TestRod large(12, "Dense", 86400);
	large.m_cvode.init(&large, 0, large.y0(), large.lesInterface(), nullptr, nullptr);
	stepTo(large, 600);
	const double t = large.m_cvode.t();
	void * p = saved.data();
	EXPECT_THROW(large.m_cvode.deserialize(p), BVX::Exception);
	saved[0] = 'X';
	p = saved.data();
	try {
		small.m_cvode.deserialize(p);
		ADD_FAILURE() << "wrong tag accepted";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Cannot deserialize integrator state.");
	}
	EXPECT_EQ(p, static_cast<void *>(saved.data()));
	// both go on as before
	EXPECT_EQ(large.m_cvode.t(), t);
	stepTo(large, 7200);
	stepTo(small, 7200);
}


TEST(CVodeStateSerialization, FailedGuardLeavesIntegratorUsable) {
	CapturingMessageHandler messages;
	TestRod rod(10, "KLU", 86400);
	rod.m_cvode.init(&rod, 0, rod.y0(), rod.lesInterface(), nullptr, rod.jacobianInterface());
	stepTo(rod, 600);

	CVodeSerializationSimulateProbeFailure(true);
	EXPECT_EQ(rod.m_cvode.serializationSize(), 0u);
	std::string reason;
	EXPECT_FALSE(CVodeSerializationAvailable(&reason));
	Bytes buf(4096, 0);
	void * p = buf.data();
	std::vector<std::string> stack;
	try {
		rod.m_cvode.serialize(p);
		ADD_FAILURE() << "serialised without a passing guard";
	}
	catch (BVX::Exception & ex) {
		for (const BVX::Exception::MsgInfo & m : ex.messages())
			stack.push_back(m.m_what);
	}
	try {
		rod.m_cvode.deserialize(p);
		ADD_FAILURE() << "deserialised without a passing guard";
	}
	catch (BVX::Exception &) {
	}
	CVodeSerializationSimulateProbeFailure(false);
	ASSERT_EQ(stack.size(), 2u);
	EXPECT_EQ(stack[0], "Integrator state serialization is not available: " + reason);
	EXPECT_EQ(stack[1], "Cannot serialize integrator state.");
	EXPECT_EQ(p, static_cast<void *>(buf.data()));
	EXPECT_TRUE(std::all_of(buf.begin(), buf.end(), [](char c) { return c == 0; }));

	stepTo(rod, 86400);
	EXPECT_GE(rod.m_cvode.t(), 86400.0);
	EXPECT_TRUE(CVodeSerializationAvailable());
}
