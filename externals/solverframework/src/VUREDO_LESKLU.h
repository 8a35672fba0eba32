#ifndef VUREDO_LESKLUH
#define VUREDO_LESKLUH

#include <vector>

#include <sundials/sundials_matrix.h>

#include "VUREDO_KLUTransposedSolve.h"
#include "VUREDO_LESInterfaceDirect.h"

namespace VUREDO {

class JacobianSparseCSR;

/*! Sparse direct solver: SUNDIALS' KLU solver on a CSR matrix whose values come from
	the model's JacobianSparseCSR (coloured difference quotients). CVODE only.
*/
class LESKLU : public LESInterfaceDirect {
public:
	LESKLU();
	~LESKLU() override;

	void init(ModelInterface * model, IntegratorInterface * integrator,
			  PrecondInterface * precond, JacobianInterface * jacobian) override;
	/*! Does nothing: CVODE sets up and solves through KLU. */
	int setup(const double * y, const double * ydot, const double * residuals, double gamma) override;
	/*! Does nothing: CVODE sets up and solves through KLU. */
	void solve(double * rhs) override;
	void updateCounters() override;

	/*! Fills the SUNDIALS sparse matrix J with the Jacobian at (t, y): the model is
		evaluated at y, the Jacobian recomputed and its values copied (the pattern
		only when J does not hold it yet).
		Called from CVODE's Jacobian callback; returns 0.
	*/
	int fillJacobian(double t, const double * y, SUNMatrix J);

private:
	JacobianSparseCSR	*m_jacobian;
	/*! Evaluations of f(y) that precede each Jacobian update. */
	unsigned int		m_nBaseEvals;
	/*! Key of the pattern written into CVODE's matrix (0: not yet written). */
	unsigned long long	m_patternKey;
	/*! f(y) of the last Jacobian update. */
	std::vector<double>	m_ydot;
	/*! Solves with KLU's factors, columns in dependency order. */
	KLUTransposedSolve	m_transposedSolve;
};

} // namespace VUREDO

#endif // VUREDO_LESKLUH
