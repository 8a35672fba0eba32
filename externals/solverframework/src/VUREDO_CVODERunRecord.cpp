#include "VUREDO_CVODERunRecord.h"

#include <cvode/cvode.h>
#include <nvector/nvector_serial.h>
#include <sundials/sundials_version.h>

#include "VUREDO_NVectorSerialOps.h"

#if SUNDIALS_VERSION_MAJOR != 6
#error "The CVODE layer is written against the SUNDIALS 6 API."
#endif

namespace VUREDO {

CVODERunRecord::CVODERunRecord(unsigned int n) :
	m_n(n),
	m_model(nullptr),
	m_precond(nullptr),
	m_jacobian(nullptr),
	m_les(nullptr),
	m_ctx(nullptr),
	m_cvodeMem(nullptr),
	m_y(nullptr),
	m_yOut(nullptr),
	m_absTolVec(nullptr),
	m_A(nullptr),
	m_LS(nullptr),
	m_t(0),
	m_dt(0),
	m_numSteps(0),
	m_numRhsEvals(0),
	m_numLinSetups(0),
	m_numNIters(0),
	m_numNConvFails(0),
	m_numErrFails(0),
	m_lastOrder(0),
	m_lastStep(0),
	m_linearSetupRequested(false),
	m_work(n, 0.0)
{
	const char * const FUNC_ID = "[CVODERunRecord::CVODERunRecord]";
	if (SUNContext_Create(nullptr, &m_ctx) != 0 || m_ctx == nullptr)
		throw BVX::Exception("Cannot create SUNDIALS context.", FUNC_ID);
	m_y = N_VNew_Serial(static_cast<sunindextype>(n), m_ctx);
	m_yOut = N_VNew_Serial(static_cast<sunindextype>(n), m_ctx);
	if (m_y == nullptr || m_yOut == nullptr) {
		// the destructor does not run for a throwing constructor
		if (m_y != nullptr) N_VDestroy(m_y);
		if (m_yOut != nullptr) N_VDestroy(m_yOut);
		SUNContext_Free(&m_ctx);
		throw BVX::Exception("Cannot create state vectors.", FUNC_ID);
	}
	// CVODE clones its work vectors from m_y: they inherit the compiled operations
	NVectorSerialOps::install(m_y);
	NVectorSerialOps::install(m_yOut);
	N_VConst(0.0, m_y);
	N_VConst(0.0, m_yOut);
}


CVODERunRecord::~CVODERunRecord() {
	if (m_cvodeMem != nullptr)
		CVodeFree(&m_cvodeMem);
	if (m_LS != nullptr)
		SUNLinSolFree(m_LS);
	if (m_A != nullptr)
		SUNMatDestroy(m_A);
	if (m_absTolVec != nullptr)
		N_VDestroy(m_absTolVec);
	if (m_yOut != nullptr)
		N_VDestroy(m_yOut);
	if (m_y != nullptr)
		N_VDestroy(m_y);
	if (m_ctx != nullptr)
		SUNContext_Free(&m_ctx);
}


void CVODERunRecord::storeException(const BVX::Exception & ex) {
	if (!m_callbackError)
		m_callbackError.reset(new BVX::Exception(ex));
}


void CVODERunRecord::storeException(const std::exception & ex, const char * functionID) {
	if (!m_callbackError)
		m_callbackError.reset(new BVX::Exception(ex.what(), functionID));
}


void CVODERunRecord::adopt(SUNMatrix A, SUNLinearSolver LS) {
	if (m_LS != nullptr && m_LS != LS)
		SUNLinSolFree(m_LS);
	if (m_A != nullptr && m_A != A)
		SUNMatDestroy(m_A);
	m_A = A;
	m_LS = LS;
}

} // namespace VUREDO
