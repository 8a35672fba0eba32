#ifndef VUREDO_LESDenseH
#define VUREDO_LESDenseH

#include <vector>

#include <BVXMK_DenseMatrix.h>

#include "VUREDO_LESInterfaceDirect.h"

namespace VUREDO {

/*! Dense direct solver. With CVODE it attaches SUNDIALS' dense matrix and solver
	(CVODE's own DQ Jacobian). With an integrator that runs its own Newton iteration
	it builds M = I - gamma*J by difference quotients and factorises it itself.
*/
class LESDense : public LESInterfaceDirect {
public:
	LESDense();
	~LESDense() override;

	void init(ModelInterface * model, IntegratorInterface * integrator,
			  PrecondInterface * precond, JacobianInterface * jacobian) override;
	int setup(const double * y, const double * ydot, const double * residuals, double gamma) override;
	void solve(double * rhs) override;

protected:
	/*! Sizes the own matrix and work vectors (integrators without a SUNDIALS solver). */
	void prepareOwnMatrix();

private:
	unsigned int			m_n;
	/*! Own iteration matrix, only when no SUNDIALS solver is attached. */
	BVXMK::DenseMatrix		m_matrix;
	bool					m_ownMatrix;
	std::vector<double>		m_yMod;
	std::vector<double>		m_ydotMod;
	std::vector<double>		m_increments;
};

} // namespace VUREDO

#endif // VUREDO_LESDenseH
