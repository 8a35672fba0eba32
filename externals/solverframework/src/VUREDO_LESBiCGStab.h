#ifndef VUREDO_LESBiCGStabH
#define VUREDO_LESBiCGStabH

#include "VUREDO_LESInterfaceIterative.h"

namespace VUREDO {

/*! BiCGStab Krylov solver; works with the CVODE integrator only, where it attaches
	SUNDIALS' SPBCGS solver. setup() and solve() have nothing to do.
*/
class LESBiCGStab : public LESInterfaceIterative {
public:
	LESBiCGStab();
	~LESBiCGStab() override;

	void init(ModelInterface * model, IntegratorInterface * integrator,
			  PrecondInterface * precond, JacobianInterface * jacobian) override;
	int setup(const double * y, const double * ydot, const double * residuals, double gamma) override;
	void solve(double * rhs) override;
};

} // namespace VUREDO

#endif // VUREDO_LESBiCGStabH
