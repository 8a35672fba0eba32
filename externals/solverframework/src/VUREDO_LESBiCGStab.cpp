#include "VUREDO_LESBiCGStab.h"

#include <sunlinsol/sunlinsol_spbcgs.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include "VUREDO_IntegratorSundialsCVODE.h"

namespace VUREDO {

LESBiCGStab::LESBiCGStab() {
}


LESBiCGStab::~LESBiCGStab() {
}


void LESBiCGStab::init(ModelInterface * model, IntegratorInterface * integrator,
					   PrecondInterface * precond, JacobianInterface * jacobian)
{
	const char * const FUNC_ID = "[LESBiCGStab::init]";
	m_model = model;
	m_integrator = integrator;
	m_precond = precond;
	m_jacobian = jacobian;
	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(integrator);
	if (cvode == nullptr)
		throw BVX::Exception("Error initializing LESBiCGStab linear solver: Only 'IntegratorSundialsCVODE' is "
							 "currently supported.", FUNC_ID);
	if (model == nullptr)
		throw BVX::Exception("Missing model.", FUNC_ID);
	if (precond == nullptr)
		BVX::BVX_Message("No Preconditioner is set for LESBiCGStab linear equation solver.", BVX::MSG_WARNING, FUNC_ID, -1);

	int type = cvodePreconditioningType("LESBiCGStab", FUNC_ID);
	SUNLinearSolver LS = SUNLinSol_SPBCGS(cvode->stateVector(), type, static_cast<int>(m_maxKrylovDim), cvode->sunContext());
	int res = cvode->attachLinearSolver(nullptr, LS);
	if (res != 0)
		throwAttachError(res, "CVSpbcg", FUNC_ID);
	applyEpsLin(cvode->cvodeMem(), FUNC_ID);
}


int LESBiCGStab::setup(const double *, const double *, const double *, double) {
	return 0;
}


void LESBiCGStab::solve(double *) {
}

} // namespace VUREDO
