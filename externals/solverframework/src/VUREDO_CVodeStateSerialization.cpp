#include "VUREDO_CVodeStateSerialization.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <memory>
#include <type_traits>

#include <cvode/cvode.h>
#include <cvode/cvode_ls.h>
#include <nvector/nvector_serial.h>
#include <sundials/sundials_version.h>
#include <sunlinsol/sunlinsol_spgmr.h>
#include <sunnonlinsol/sunnonlinsol_newton.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>

namespace VUREDO {

namespace {

// --- CVODE's internal memory records as laid out by SUNDIALS 6.4 -------------------
//
// Own definitions of the records behind the opaque CVODE memory pointer and of the
// linear-solver interface memory. Field order and types must match the library
// exactly; the guard below checks the version and probes the layout before use.

constexpr bool BUILT_AGAINST_KNOWN_LAYOUT = SUNDIALS_VERSION_MAJOR == 6 && SUNDIALS_VERSION_MINOR == 4;

static_assert(sizeof(realtype) == 8, "the state record stores doubles");
static_assert(sizeof(booleantype) == 4 && sizeof(int) == 4, "the state record stores 32-bit flags");

const int ADAMS_HISTORY = 13;	// maximum Adams order 12, plus one
const int BDF_HISTORY = 6;		// maximum BDF order 5, plus one
const int HISTORY_MAX = ADAMS_HISTORY;
const int NUM_TESTS = 5;
const int TOLERANCES_SCALAR = 1;	// itol: scalar relative and absolute tolerance
const int TOLERANCES_VECTOR = 2;	// itol: vector absolute tolerance

typedef void (*AnyFunction)();

struct CVodeRecord {
	SUNContext		sunctx;
	realtype		uround;
	CVRhsFn			f;
	void			*user_data;
	int				lmm;
	int				itol;
	realtype		reltol;
	realtype		Sabstol;
	N_Vector		Vabstol;
	booleantype		atolmin0;
	booleantype		user_efun;
	CVEwtFn			efun;
	void			*e_data;
	booleantype		constraintsSet;
	N_Vector		zn[HISTORY_MAX];
	N_Vector		ewt;
	N_Vector		y;
	N_Vector		acor;
	N_Vector		tempv;
	N_Vector		ftemp;
	N_Vector		vtemp1;
	N_Vector		vtemp2;
	N_Vector		vtemp3;
	N_Vector		constraints;
	booleantype		tstopset;
	realtype		tstop;
	int				q;
	int				qprime;
	int				next_q;
	int				qwait;
	int				L;
	realtype		hin;
	realtype		h;
	realtype		hprime;
	realtype		next_h;
	realtype		eta;
	realtype		hscale;
	realtype		tn;
	realtype		tretlast;
	realtype		tau[HISTORY_MAX + 1];
	realtype		tq[NUM_TESTS + 1];
	realtype		l[HISTORY_MAX];
	realtype		rl1;
	realtype		gamma;
	realtype		gammap;
	realtype		gamrat;
	realtype		crate;
	realtype		delp;
	realtype		acnrm;
	booleantype		acnrmcur;
	realtype		nlscoef;
	int				qmax;
	long int		mxstep;
	int				mxhnil;
	int				maxnef;
	int				maxncf;
	realtype		hmin;
	realtype		hmax_inv;
	realtype		etamax;
	realtype		eta_adaptivity[9];	// fixed-step band and growth/shrink limits
	long int		small_nst;
	int				small_nef;
	long int		nst;
	long int		nfe;
	long int		ncfn;
	long int		nni;
	long int		nnf;
	long int		netf;
	long int		nsetups;
	int				nhnil;
	realtype		etaqm1;
	realtype		etaq;
	realtype		etaqp1;
	sunindextype	lrw1;
	sunindextype	liw1;
	long int		lrw;
	long int		liw;
	SUNNonlinearSolver	NLS;
	booleantype		ownNLS;
	CVRhsFn			nls_f;
	int				convfail;
	AnyFunction		linit;
	AnyFunction		lsetup;
	AnyFunction		lsolve;
	AnyFunction		lfree;
	void			*lmem;
	long int		msbp;
	realtype		dgmax_lsetup;
	int				qu;
	long int		nstlp;
	realtype		h0u;
	realtype		hu;
	realtype		saved_tq5;
	booleantype		jcur;
	realtype		tolsf;
	int				qmax_alloc;
	int				indx_acor;
	booleantype		VabstolMallocDone;
	booleantype		MallocDone;
	booleantype		constraintsMallocDone;
	CVErrHandlerFn	ehfun;
	void			*eh_data;
	FILE			*errfp;
	AnyFunction		monitorfun;
	long int		monitor_interval;
	booleantype		sldeton;
	realtype		ssdat[6][4];
	int				nscon;
	long int		nor;
	CVRootFn		gfun;
	int				nrtfn;
	int				*iroots;
	int				*rootdir;
	realtype		tlo;
	realtype		thi;
	realtype		trout;
	realtype		*glo;
	realtype		*ghi;
	realtype		*grout;
	realtype		toutc;
	realtype		ttol;
	int				taskc;
	int				irfnd;
	long int		nge;
	booleantype		*gactive;
	int				mxgnull;
	// projection and fused-kernel data follow; not used here
};

struct CVLsRecord {
	booleantype		iterative;
	booleantype		matrixbased;
	booleantype		jacDQ;
	AnyFunction		jac;
	void			*J_data;
	booleantype		jbad;
	realtype		dgmax_jbad;
	booleantype		scalesol;
	realtype		eplifac;
	realtype		nrmfac;
	SUNLinearSolver	LS;
	SUNMatrix		A;
	SUNMatrix		savedJ;
	N_Vector		ytemp;
	N_Vector		x;
	N_Vector		ycur;
	N_Vector		fcur;
	long int		msbj;
	long int		nje;
	long int		nfeDQ;
	long int		nstlj;
	long int		npe;
	long int		nli;
	long int		nps;
	long int		ncfl;
	long int		njtsetup;
	long int		njtimes;
	AnyFunction		pset;
	AnyFunction		psolve;
	AnyFunction		pfree;
	void			*P_data;
	booleantype		jtimesDQ;
	AnyFunction		jtsetup;
	AnyFunction		jtimes;
	AnyFunction		jt_f;
	void			*jt_data;
	booleantype		user_linsys;
	AnyFunction		linsys;
	void			*A_data;
	int				last_flag;
};

CVodeRecord & cvodeRecord(void * cvodeMem) {
	return *static_cast<CVodeRecord *>(cvodeMem);
}


// --- guard -----------------------------------------------------------------------

struct GuardState {
	bool		m_checked = false;
	bool		m_available = false;
	bool		m_simulateFailure = false;
	std::string	m_reason;
};

GuardState & guardState() {
	static GuardState state;
	return state;
}


std::string versionProblem() {
	if (!BUILT_AGAINST_KNOWN_LAYOUT)
		return BVX::FormatText("built against SUNDIALS %1, the memory records are known for 6.4 only.")
			.arg(SUNDIALS_VERSION).str();
	int major = 0, minor = 0, patch = 0;
	char label[32] = "";
	if (SUNDIALSGetVersionNumber(&major, &minor, &patch, label, sizeof(label)) != 0)
		return "cannot query the version of the loaded SUNDIALS library.";
	if (major != 6 || minor != 4)
		return BVX::FormatText("the loaded SUNDIALS library is version %1.%2.%3, the memory records are known for 6.4 only.")
			.arg(major).arg(minor).arg(patch).str();
	return std::string();
}


// Probe problem: three decoupled decay rates and a coupling, integrated with SPGMR and
// a trivial preconditioner so that the linear-solver counters move as well.
int probeRhs(realtype, N_Vector y, N_Vector ydot, void *) {
	const realtype * v = N_VGetArrayPointer(y);
	realtype * d = N_VGetArrayPointer(ydot);
	d[0] = -v[0];
	d[1] = -10*v[1] + v[0];
	d[2] = -100*v[2] + v[1];
	return 0;
}

int probePrecSetup(realtype, N_Vector, N_Vector, booleantype jok, booleantype * jcurPtr, realtype, void *) {
	*jcurPtr = jok ? SUNFALSE : SUNTRUE;
	return 0;
}

int probePrecSolve(realtype, N_Vector, N_Vector, N_Vector r, N_Vector z, realtype, realtype, int, void *) {
	N_VScale(1.0, r, z);
	return 0;
}

void silentErrorHandler(int, const char *, const char *, char *, void *) {
}

/*! Owns the SUNDIALS objects of the probe. */
struct ProbeObjects {
	~ProbeObjects() {
		if (m_mem != nullptr) CVodeFree(&m_mem);
		if (m_LS != nullptr) SUNLinSolFree(m_LS);
		if (m_y != nullptr) N_VDestroy(m_y);
		if (m_ctx != nullptr) SUNContext_Free(&m_ctx);
	}
	SUNContext		m_ctx = nullptr;
	N_Vector		m_y = nullptr;
	SUNLinearSolver	m_LS = nullptr;
	void			*m_mem = nullptr;
};


/*! Compares record fields with the public getters; the name of the first mismatch. */
class ProbeComparison {
public:
	template <typename T, typename U>
	void expect(const char * name, const T & recordValue, const U & getterValue) {
		if (m_mismatch.empty() && !(recordValue == static_cast<T>(getterValue)))
			m_mismatch = name;
	}
	std::string m_mismatch;
};


std::string compareProbe(ProbeObjects & p, void * marker) {
	void * mem = p.m_mem;
	const CVodeRecord & cv = cvodeRecord(mem);
	ProbeComparison c;
	c.expect("context", cv.sunctx, p.m_ctx);
	c.expect("user data", cv.user_data, marker);
	c.expect("method", cv.lmm, CV_BDF);
	c.expect("tolerance type", cv.itol, TOLERANCES_SCALAR);
	c.expect("relative tolerance", cv.reltol, 1e-6);
	c.expect("absolute tolerance", cv.Sabstol, 1e-8);
	c.expect("allocated maximum order", cv.qmax_alloc, 5);
	realtype rv = 0;
	long lv = 0, lv2 = 0;
	int iv = 0;
	CVodeGetCurrentTime(mem, &rv);		c.expect("current time", cv.tn, rv);
	CVodeGetLastStep(mem, &rv);			c.expect("last step", cv.hu, rv);
	CVodeGetCurrentStep(mem, &rv);		c.expect("current step", cv.next_h, rv);
	CVodeGetLastOrder(mem, &iv);		c.expect("last order", cv.qu, iv);
	CVodeGetCurrentOrder(mem, &iv);		c.expect("next order", cv.next_q, iv);
	CVodeGetNumSteps(mem, &lv);			c.expect("steps", cv.nst, lv);
	CVodeGetNumRhsEvals(mem, &lv);		c.expect("right-hand-side evaluations", cv.nfe, lv);
	CVodeGetNumErrTestFails(mem, &lv);	c.expect("error test failures", cv.netf, lv);
	CVodeGetNumLinSolvSetups(mem, &lv);	c.expect("linear setups", cv.nsetups, lv);
	CVodeGetNumStepSolveFails(mem, &lv);	c.expect("convergence failures", cv.ncfn, lv);
	CVodeGetNonlinSolvStats(mem, &lv, &lv2);
	c.expect("nonlinear iterations", cv.nni, lv);
	c.expect("nonlinear failures", cv.nnf, lv2);
	CVodeGetCurrentGamma(mem, &rv);		c.expect("current gamma", cv.gamma, rv);
	CVodeGetNumGEvals(mem, &lv);		c.expect("root-function evaluations", cv.nge, lv);
	c.expect("solution", N_VGetArrayPointer(cv.zn[0])[2], N_VGetArrayPointer(p.m_y)[2]);
	if (!c.m_mismatch.empty())
		return c.m_mismatch;
	if (cv.lmem == nullptr)
		return "linear solver memory";
	const CVLsRecord & ls = *static_cast<const CVLsRecord *>(cv.lmem);
	c.expect("linear solver", ls.LS, p.m_LS);
	c.expect("iterative flag", ls.iterative, SUNTRUE);
	c.expect("norm factor", ls.nrmfac, std::sqrt(3.0));
	CVodeGetNumPrecEvals(mem, &lv);		c.expect("preconditioner evaluations", ls.npe, lv);
	CVodeGetNumLinIters(mem, &lv);		c.expect("linear iterations", ls.nli, lv);
	CVodeGetNumPrecSolves(mem, &lv);	c.expect("preconditioner solves", ls.nps, lv);
	CVodeGetNumLinConvFails(mem, &lv);	c.expect("linear convergence failures", ls.ncfl, lv);
	CVodeGetNumJtimesEvals(mem, &lv);	c.expect("J*v evaluations", ls.njtimes, lv);
	CVodeGetNumLinRhsEvals(mem, &lv);	c.expect("J*v right-hand-side evaluations", ls.nfeDQ, lv);
	CVodeGetNumJacEvals(mem, &lv);		c.expect("Jacobian evaluations", ls.nje, lv);
	CVodeGetLastLinFlag(mem, &lv);		c.expect("last linear flag", static_cast<long>(ls.last_flag), lv);
	if (!c.m_mismatch.empty())
		return c.m_mismatch;
	// fields that still read 0 would prove nothing
	if (cv.nst < 5 || cv.nsetups < 1 || ls.npe < 1 || ls.nli < 1 || ls.njtimes < 1)
		return "probe integration";
	return std::string();
}


/*! Integrates the probe problem and compares; an empty result means the layout matches. */
std::string runProbe() {
	ProbeObjects p;
	if (SUNContext_Create(nullptr, &p.m_ctx) != 0)
		return "probe set-up";
	p.m_y = N_VNew_Serial(3, p.m_ctx);
	p.m_mem = CVodeCreate(CV_BDF, p.m_ctx);
	if (p.m_y == nullptr || p.m_mem == nullptr)
		return "probe set-up";
	N_VConst(1.0, p.m_y);
	CVodeSetErrHandlerFn(p.m_mem, silentErrorHandler, nullptr);
	int marker = 0;
	p.m_LS = SUNLinSol_SPGMR(p.m_y, SUN_PREC_LEFT, 0, p.m_ctx);
	if (CVodeInit(p.m_mem, probeRhs, 0.0, p.m_y) != CV_SUCCESS
		|| CVodeSStolerances(p.m_mem, 1e-6, 1e-8) != CV_SUCCESS
		|| CVodeSetUserData(p.m_mem, &marker) != CV_SUCCESS
		|| p.m_LS == nullptr
		|| CVodeSetLinearSolver(p.m_mem, p.m_LS, nullptr) != CVLS_SUCCESS
		|| CVodeSetPreconditioner(p.m_mem, probePrecSetup, probePrecSolve) != CVLS_SUCCESS)
	{
		return "probe set-up";
	}
	realtype t = 0;
	for (int i = 0; i < 30; ++i) {
		if (CVode(p.m_mem, 100.0, p.m_y, &t, CV_ONE_STEP) < 0)
			return "probe integration";
	}
	return compareProbe(p, &marker);
}


/*! Throws unless the guards passed. */
void requireAvailable(const char * functionID) {
	std::string reason;
	if (!CVodeSerializationAvailable(&reason))
		throw BVX::Exception(BVX::FormatText("Integrator state serialization is not available: %1").arg(reason),
							 functionID);
}


/*! Plausibility of a memory handed in by the caller, through record and getters. */
void checkMemory(void * cvodeMem, const char * functionID) {
	if (cvodeMem == nullptr)
		throw BVX::Exception("Missing CVODE memory.", functionID);
	const CVodeRecord & cv = cvodeRecord(cvodeMem);
	realtype tn = 0;
	long nst = 0;
	void * userData = nullptr;
	CVodeGetCurrentTime(cvodeMem, &tn);
	CVodeGetNumSteps(cvodeMem, &nst);
	CVodeGetUserData(cvodeMem, &userData);
	const int history = cv.lmm == CV_ADAMS ? ADAMS_HISTORY : BDF_HISTORY;
	if ((cv.lmm != CV_ADAMS && cv.lmm != CV_BDF) || cv.tn != tn || cv.nst != nst || cv.user_data != userData
		|| cv.MallocDone != SUNTRUE || cv.qmax_alloc + 1 < history || cv.nrtfn < 0)
	{
		throw BVX::Exception("CVODE memory does not match the expected record layout or is not initialized.", functionID);
	}
}


// --- walking the state record ----------------------------------------------------------

const char STATE_TAG[4] = {'2', 'I', 'M', 'F'};
const std::int32_t STATE_VERSION = 1;
const int ITERATION_NEWTON = 2;

/*! Visits the fields of the state record in order; writes, reads, counts or checks. */
class StateWalker {
public:
	StateWalker(int mode, char * data) : m_mode(mode), m_pos(data), m_bytes(0) {}

	std::int64_t bytes() const { return m_bytes; }
	bool writing() const { return m_mode == CVODE_STATE_WRITE; }
	bool reading() const { return m_mode == CVODE_STATE_READ; }
	bool inspecting() const { return m_mode == CVODE_STATE_READ || m_mode == CVODE_STATE_CHECK; }

	void raw(void * field, std::size_t n) {
		// arrays without entries (no root functions) may be null: memcpy must not see them
		if (n == 0)
			return;
		if (writing())
			std::memcpy(m_pos, field, n);
		else if (reading())
			std::memcpy(field, m_pos, n);
		advance(n);
	}
	void f64(realtype & v) { raw(&v, sizeof(realtype)); }
	void f64s(realtype * v, int count) { raw(v, sizeof(realtype)*static_cast<std::size_t>(count)); }
	void i32(int & v) { raw(&v, sizeof(int)); }
	void i32s(int * v, int count) { raw(v, sizeof(int)*static_cast<std::size_t>(count)); }

	/*! A wider integer stored in 32 bits. */
	template <typename T>
	void narrowed(T & v, const char * name) {
		std::int32_t stored = 0;
		if (writing()) {
			if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
				throw BVX::Exception(BVX::FormatText("Cannot write integrator state: %1 (%2) exceeds the 32-bit range "
													 "of the state record.").arg(name).arg(static_cast<long long>(v)),
									 "[CVodeSerializeState]");
			stored = static_cast<std::int32_t>(v);
		}
		raw(&stored, sizeof(stored));
		if (reading())
			v = static_cast<T>(stored);
	}
	void i64(long int & v) {
		std::int64_t stored = v;
		raw(&stored, sizeof(stored));
		if (reading())
			v = static_cast<long int>(stored);
	}
	/*! Written for the layout, ignored on reading. */
	template <typename T>
	void writeOnly(T v) {
		if (writing())
			std::memcpy(m_pos, &v, sizeof(T));
		advance(sizeof(T));
	}
	/*! A value that identifies the problem: data with another value is refused. */
	void same(int v, const char * name) {
		if (inspecting()) {
			std::int32_t stored;
			std::memcpy(&stored, m_pos, sizeof(stored));
			if (stored != v)
				throw BVX::Exception(BVX::FormatText("Cannot read integrator state of another problem: stored %1 (%2) "
													 "differs from the integrator's (%3).").arg(name).arg(stored).arg(v),
									 "[CVodeSerializeState]");
		}
		writeOnly(static_cast<std::int32_t>(v));
	}
	void vector(N_Vector v) {
		const std::uint64_t n = static_cast<std::uint64_t>(N_VGetLength(v));
		if (inspecting()) {
			std::uint64_t stored;
			std::memcpy(&stored, m_pos, sizeof(stored));
			if (stored != n)
				throw BVX::Exception(BVX::FormatText("Cannot read integrator state of another problem: stored vector "
													 "length %1 differs from the integrator's (%2).")
									 .arg(static_cast<unsigned long long>(stored)).arg(static_cast<unsigned long long>(n)),
									 "[CVodeSerializeState]");
		}
		writeOnly(n);
		raw(N_VGetArrayPointer(v), sizeof(realtype)*static_cast<std::size_t>(n));
	}

private:
	void advance(std::size_t n) {
		if (m_pos != nullptr)
			m_pos += n;
		m_bytes += static_cast<std::int64_t>(n);
	}

	int				m_mode;
	char			*m_pos;
	std::int64_t	m_bytes;
};


/*! Maximum Newton iterations configured in the nonlinear solver (3, CVODE's default,
	for another solver type). */
int configuredMaxCorrectorIterations(const CVodeRecord & cv) {
	if (cv.NLS != nullptr && cv.NLS->content != nullptr && cv.NLS->ops != nullptr
		&& cv.NLS->ops->solve == SUNNonlinSolSolve_Newton)
	{
		return static_cast<SUNNonlinearSolverContent_Newton>(cv.NLS->content)->maxiters;
	}
	return 3;
}


void walkRootData(StateWalker & w, CVodeRecord & cv, bool secondCopy) {
	const int r = cv.nrtfn;
	w.i32s(cv.iroots, r);
	if (secondCopy)
		w.i32s(cv.rootdir, r);
	w.f64(cv.tlo);
	w.f64(cv.thi);
	w.f64(cv.trout);
	w.f64s(cv.glo, r);
	w.f64s(cv.ghi, r);
	w.f64s(cv.grout, r);
	w.f64(cv.toutc);
	w.f64(cv.ttol);
	w.i32(cv.taskc);
	w.i32(cv.irfnd);
	if (secondCopy) {
		w.i64(cv.nge);
		w.i32(cv.mxgnull);
	}
	else {
		w.narrowed(cv.nge, "the number of root-function evaluations");
	}
}


/*! The record after tag and version. */
void walkState(StateWalker & w, CVodeRecord & cv) {
	w.f64(cv.uround);
	w.same(cv.lmm, "method");
	w.writeOnly(static_cast<std::int32_t>(ITERATION_NEWTON));
	w.same(cv.itol, "tolerance type");
	w.f64(cv.reltol);
	if (cv.itol == TOLERANCES_SCALAR)
		w.f64(cv.Sabstol);
	else if (cv.itol == TOLERANCES_VECTOR)
		w.vector(cv.Vabstol);

	const int m = cv.lmm == CV_ADAMS ? ADAMS_HISTORY : BDF_HISTORY;
	for (int j = 0; j < m; ++j)
		w.vector(cv.zn[j]);
	w.vector(cv.ewt);
	w.vector(cv.acor);
	w.vector(cv.tempv);
	w.vector(cv.ftemp);

	w.i32(cv.tstopset);
	w.f64(cv.tstop);
	for (int * v : {&cv.q, &cv.qprime, &cv.next_q, &cv.qwait, &cv.L})
		w.i32(*v);
	for (realtype * v : {&cv.hin, &cv.h, &cv.hprime, &cv.next_h, &cv.eta, &cv.hscale, &cv.tn, &cv.tretlast})
		w.f64(*v);
	w.f64s(cv.tau, m + 1);
	w.f64s(cv.tq, NUM_TESTS + 1);
	w.f64s(cv.l, m);
	for (realtype * v : {&cv.rl1, &cv.gamma, &cv.gammap, &cv.gamrat, &cv.crate, &cv.acnrm, &cv.nlscoef})
		w.f64(*v);

	w.writeOnly(static_cast<std::int32_t>(0)); // Newton iterations of the current step: not kept between steps
	w.i32(cv.qmax);
	w.narrowed(cv.mxstep, "the maximum number of steps");
	w.writeOnly(static_cast<std::int32_t>(configuredMaxCorrectorIterations(cv)));
	w.i32(cv.mxhnil);
	w.i32(cv.maxnef);
	w.i32(cv.maxncf);
	w.f64(cv.hmin);
	w.f64(cv.hmax_inv);
	w.f64(cv.etamax);

	w.narrowed(cv.nst, "the number of steps");
	w.narrowed(cv.nfe, "the number of right-hand-side evaluations");
	w.narrowed(cv.ncfn, "the number of convergence failures");
	w.narrowed(cv.netf, "the number of error test failures");
	w.narrowed(cv.nni, "the number of nonlinear iterations");
	w.narrowed(cv.nsetups, "the number of linear setups");
	w.i32(cv.nhnil);
	w.f64(cv.etaqm1);
	w.f64(cv.etaq);
	w.f64(cv.etaqp1);
	w.narrowed(cv.lrw1, "the real workspace size");
	w.narrowed(cv.liw1, "the integer workspace size");
	w.narrowed(cv.lrw, "the total real workspace size");
	w.narrowed(cv.liw, "the total integer workspace size");
	w.i32(cv.qu);
	w.narrowed(cv.nstlp, "the step of the last linear setup");
	w.f64(cv.h0u);
	w.f64(cv.hu);
	w.f64(cv.saved_tq5);
	w.i32(cv.jcur);
	w.f64(cv.tolsf);

	w.same(cv.qmax_alloc, "allocated maximum order");
	w.i32(cv.indx_acor);
	w.writeOnly(static_cast<std::int32_t>(cv.lsetup != nullptr ? 1 : 0));
	w.i32(cv.sldeton);
	w.f64s(&cv.ssdat[0][0], 24);
	w.i32(cv.nscon);
	w.narrowed(cv.nor, "the number of order reductions");

	w.same(cv.nrtfn, "number of root functions");
	walkRootData(w, cv, false);
	walkRootData(w, cv, true);
}


/*! -1 for a wrong tag, -2 for a wrong version, 0 when both fit. */
int checkHeader(const char * data) {
	if (std::memcmp(data, STATE_TAG, sizeof(STATE_TAG)) != 0)
		return -1;
	std::int32_t version;
	std::memcpy(&version, data + sizeof(STATE_TAG), sizeof(version));
	return version == STATE_VERSION ? 0 : -2;
}


std::int64_t walkWithHeader(int mode, CVodeRecord & cv, char * data) {
	StateWalker w(mode, data);
	char tag[4];
	std::memcpy(tag, STATE_TAG, sizeof(tag));
	w.raw(tag, sizeof(tag));
	w.writeOnly(STATE_VERSION);
	walkState(w, cv);
	return w.bytes();
}


void walkKrylov(StateWalker & w, const CVodeRecord & cv, CVLsRecord & ls) {
	const realtype deltar = ls.eplifac*cv.tq[4];
	w.writeOnly(ls.nrmfac);
	w.f64(ls.eplifac);
	w.writeOnly(deltar);
	w.writeOnly(deltar*ls.nrmfac);
	w.narrowed(ls.nstlj, "the step of the last preconditioner evaluation");
	w.narrowed(ls.npe, "the number of preconditioner evaluations");
	w.narrowed(ls.nli, "the number of linear iterations");
	w.narrowed(ls.nps, "the number of preconditioner solves");
	w.narrowed(ls.ncfl, "the number of linear convergence failures");
	w.narrowed(ls.njtimes, "the number of J*v evaluations");
	w.narrowed(ls.nfeDQ, "the number of right-hand-side evaluations for J*v");
	w.i32(ls.last_flag);
}


CVLsRecord & linearSolverRecord(void * cvodeMem, const char * functionID) {
	CVodeRecord & cv = cvodeRecord(cvodeMem);
	if (cv.lmem == nullptr)
		throw BVX::Exception("No linear solver attached to the CVODE memory.", functionID);
	return *static_cast<CVLsRecord *>(cv.lmem);
}

const std::size_t KRYLOV_STATE_SIZE = 64;


/*! The record of a memory handed in by the caller, after the guards. */
CVodeRecord & guardedRecord(void * cvodeMem, const char * functionID) {
	requireAvailable(functionID);
	checkMemory(cvodeMem, functionID);
	return cvodeRecord(cvodeMem);
}


std::size_t transferKrylovState(int mode, void * cvodeMem, void ** dataPtr, const char * functionID) {
	CVodeRecord & cv = guardedRecord(cvodeMem, functionID);
	StateWalker w(mode, static_cast<char *>(*dataPtr));
	walkKrylov(w, cv, linearSolverRecord(cvodeMem, functionID));
	*dataPtr = static_cast<char *>(*dataPtr) + w.bytes();
	return KRYLOV_STATE_SIZE;
}

} // namespace


// --- public routines -----------------------------------------------------------------

bool CVodeSerializationAvailable(std::string * reason) {
	GuardState & g = guardState();
	if (g.m_simulateFailure) {
		if (reason != nullptr)
			*reason = "the CVODE memory record failed its probe (field 'steps' differs from the library's value).";
		return false;
	}
	if (!g.m_checked) {
		g.m_reason = versionProblem();
		if (g.m_reason.empty()) {
			std::string mismatch = runProbe();
			if (!mismatch.empty())
				g.m_reason = BVX::FormatText("the CVODE memory record failed its probe (field '%1' differs from "
											 "the library's value).").arg(mismatch).str();
		}
		g.m_available = g.m_reason.empty();
		g.m_checked = true;
	}
	if (reason != nullptr)
		*reason = g.m_reason;
	return g.m_available;
}


void CVodeSerializationSimulateProbeFailure(bool fail) {
	guardState().m_simulateFailure = fail;
}


std::int64_t CVodeSerializeState(int mode, void * cvodeMem, void ** dataPtr) {
	const char * const FUNC_ID = "[CVodeSerializeState]";
	if (mode == CVODE_STATE_SIZE && !CVodeSerializationAvailable())
		return 0;
	CVodeRecord & cv = guardedRecord(cvodeMem, FUNC_ID);
	if (mode == CVODE_STATE_SIZE)
		return walkWithHeader(mode, cv, nullptr);
	if (dataPtr == nullptr || *dataPtr == nullptr)
		throw BVX::Exception("Missing data buffer.", FUNC_ID);
	char * data = static_cast<char *>(*dataPtr);
	switch (mode) {
		case CVODE_STATE_WRITE : {
			std::int64_t bytes = walkWithHeader(mode, cv, data);
			*dataPtr = data + bytes;
			return bytes;
		}
		case CVODE_STATE_READ :
		case CVODE_STATE_CHECK : {
			int header = checkHeader(data);
			if (header != 0)
				return header;
			// the whole record is checked before the first field is changed
			std::int64_t bytes = walkWithHeader(CVODE_STATE_CHECK, cv, data);
			if (mode == CVODE_STATE_CHECK)
				return bytes;
			walkWithHeader(mode, cv, data);
			// new in 6.4 and not in the record: the closest stored count
			cv.nnf = cv.ncfn;
			*dataPtr = data + bytes;
			return bytes;
		}
		default :
			throw BVX::Exception(BVX::FormatText("Invalid serialization mode %1.").arg(mode), FUNC_ID);
	}
}


std::int64_t CVodeSerialize(void * cvodeMem, void ** dataPtr) {
	return CVodeSerializeState(CVODE_STATE_WRITE, cvodeMem, dataPtr);
}


std::int64_t CVodeDeserialize(void * cvodeMem, void ** dataPtr) {
	return CVodeSerializeState(CVODE_STATE_READ, cvodeMem, dataPtr);
}


std::int64_t CVodeSerializationSize(void * cvodeMem) {
	return CVodeSerializeState(CVODE_STATE_SIZE, cvodeMem, nullptr);
}


std::size_t NVectorSerialize(void ** dataPtr, N_Vector v) {
	const std::uint64_t n = static_cast<std::uint64_t>(N_VGetLength(v));
	char * data = static_cast<char *>(*dataPtr);
	std::memcpy(data, &n, sizeof(n));
	const std::size_t valueBytes = sizeof(realtype)*static_cast<std::size_t>(n);
	std::memcpy(data + sizeof(n), N_VGetArrayPointer(v), valueBytes);
	*dataPtr = data + sizeof(n) + valueBytes;
	return valueBytes;
}


std::size_t NVectorDeserialize(void ** dataPtr, N_Vector v) {
	const std::uint64_t n = static_cast<std::uint64_t>(N_VGetLength(v));
	char * data = static_cast<char *>(*dataPtr);
	std::uint64_t stored;
	std::memcpy(&stored, data, sizeof(stored));
	if (stored != n)
		throw BVX::Exception(BVX::FormatText("Stored vector length %1 differs from the vector length %2.")
							 .arg(static_cast<unsigned long long>(stored)).arg(static_cast<unsigned long long>(n)),
							 "[NVectorDeserialize]");
	const std::size_t valueBytes = sizeof(realtype)*static_cast<std::size_t>(n);
	std::memcpy(N_VGetArrayPointer(v), data + sizeof(stored), valueBytes);
	*dataPtr = data + sizeof(stored) + valueBytes;
	return valueBytes;
}


std::size_t CVSpilsSerialize(void * cvodeMem, void ** dataPtr) {
	return transferKrylovState(CVODE_STATE_WRITE, cvodeMem, dataPtr, "[CVSpilsSerialize]");
}


std::size_t CVSpilsDeserialize(void * cvodeMem, void ** dataPtr) {
	return transferKrylovState(CVODE_STATE_READ, cvodeMem, dataPtr, "[CVSpilsDeserialize]");
}


std::size_t CVSpilsSerializationSize(void *) {
	return CVodeSerializationAvailable() ? KRYLOV_STATE_SIZE : 0;
}


bool CVodeLinearSolverHasUnsavedData(void * cvodeMem) {
	const char * const FUNC_ID = "[CVodeLinearSolverHasUnsavedData]";
	const CVodeRecord & cv = guardedRecord(cvodeMem, FUNC_ID);
	if (cv.lmem == nullptr)
		return false;
	const CVLsRecord & ls = *static_cast<const CVLsRecord *>(cv.lmem);
	// a preconditioner module of the library registers its own free function
	return ls.A != nullptr || ls.pfree != nullptr;
}


void CVodeRequestLinearSetup(void * cvodeMem) {
	const char * const FUNC_ID = "[CVodeRequestLinearSetup]";
	CVodeRecord & cv = guardedRecord(cvodeMem, FUNC_ID);
	// the next step finds the setup and the Jacobian overdue
	cv.nstlp = cv.nst - cv.msbp;
	if (cv.lmem != nullptr) {
		CVLsRecord & ls = *static_cast<CVLsRecord *>(cv.lmem);
		ls.nstlj = cv.nst - ls.msbj;
	}
}


void CVodePrepareForDeserialize(void * cvodeMem) {
	const char * const FUNC_ID = "[CVodePrepareForDeserialize]";
	CVodeRecord & cv = guardedRecord(cvodeMem, FUNC_ID);
	if (cv.nst != 0)
		return; // the first step has run the initial set-up
	// CVode() runs its initial set-up and one right-hand-side evaluation before it
	// checks the stop time: a stop time at the current time ends the call right there.
	const CVErrHandlerFn ehfun = cv.ehfun;
	void * const ehData = cv.eh_data;
	const booleantype tstopset = cv.tstopset;
	const realtype tstop = cv.tstop;
	N_Vector const y = cv.y;
	const long nfe = cv.nfe;
	std::unique_ptr<std::remove_pointer<N_Vector>::type, void (*)(N_Vector)> yout(N_VClone(cv.zn[0]), N_VDestroy);
	cv.ehfun = silentErrorHandler;
	cv.eh_data = nullptr;
	int res = CV_MEM_FAIL;
	if (yout && CVodeSetStopTime(cvodeMem, cv.tn) == CV_SUCCESS) {
		realtype t = cv.tn;
		res = CVode(cvodeMem, cv.tn + 1.0, yout.get(), &t, CV_ONE_STEP);
	}
	cv.ehfun = ehfun;
	cv.eh_data = ehData;
	cv.tstopset = tstopset;
	cv.tstop = tstop;
	cv.y = y;
	if (res != CV_ILL_INPUT || cv.nfe != nfe + 1)
		throw BVX::Exception("Cannot prepare the integrator for reading a state.", FUNC_ID);
}

} // namespace VUREDO
