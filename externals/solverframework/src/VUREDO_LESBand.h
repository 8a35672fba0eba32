#ifndef VUREDO_LESBandH
#define VUREDO_LESBandH

#include <vector>

#include <BVXMK_BandMatrix.h>

#include "VUREDO_LESInterfaceDirect.h"

namespace VUREDO {

/*! Band direct solver with upper half-bandwidth mu and lower half-bandwidth ml.
	With CVODE it attaches SUNDIALS' band matrix and solver (CVODE's own DQ Jacobian).
	With an integrator that runs its own Newton iteration it builds M = I - gamma*J by
	grouped difference quotients (min(mu+ml+1, n) model evaluations) and factorises it.
*/
class LESBand : public LESInterfaceDirect {
public:
	LESBand(int mu, int ml);
	~LESBand() override;

	void init(ModelInterface * model, IntegratorInterface * integrator,
			  PrecondInterface * precond, JacobianInterface * jacobian) override;
	int setup(const double * y, const double * ydot, const double * residuals, double gamma) override;
	void solve(double * rhs) override;

	int mu() const { return m_mu; }
	int ml() const { return m_ml; }

protected:
	/*! Sizes the own matrix and work vectors (integrators without a SUNDIALS solver). */
	void prepareOwnMatrix();

private:
	int						m_mu;
	int						m_ml;
	unsigned int			m_n;
	BVXMK::BandMatrix		m_matrix;
	bool					m_ownMatrix;
	std::vector<double>		m_yMod;
	std::vector<double>		m_ydotMod;
	std::vector<double>		m_increments;
};

} // namespace VUREDO

#endif // VUREDO_LESBandH
