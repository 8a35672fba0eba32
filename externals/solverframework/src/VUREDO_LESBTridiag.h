#ifndef VUREDO_LESBTridiagH
#define VUREDO_LESBTridiagH

#include <memory>
#include <vector>

#include <sundials/sundials_matrix.h>
#include <sundials/sundials_nvector.h>

#include "VUREDO_BTridiagMatrix.h"
#include "VUREDO_LESInterfaceDirect.h"

namespace VUREDO {

/*! Block-tridiagonal direct solver for chains of nBlocks blocks of blockSize unknowns
	(see BTridiagMatrix for the couplings, corner blocks included).

	With CVODE it attaches the block-tridiagonal SUNDIALS matrix and solver (factorised
	without pivoting) and a Jacobian routine of block difference quotients (3*blockSize
	model evaluations). With the implicit Euler integrator it builds M = I - gamma*J
	by the same difference quotients and factorises it with pivoting.
*/
class LESBTridiag : public LESInterfaceDirect {
public:
	LESBTridiag(int nBlocks, int blockSize);
	~LESBTridiag() override;

	/*! Refuses fewer than 4 blocks and nBlocks*blockSize != model n(). */
	void init(ModelInterface * model, IntegratorInterface * integrator,
			  PrecondInterface * precond, JacobianInterface * jacobian) override;
	int setup(const double * y, const double * ydot, const double * residuals, double gamma) override;
	void solve(double * rhs) override;
	void updateCounters() override;

	/*! CVODE's Jacobian routine (called through the run record): fills J = df/dy into
		the block matrix J by difference quotients. 0, > 0 recoverable, < 0 unrecoverable. */
	int cvodeJacobian(double t, N_Vector y, N_Vector fy, SUNMatrix J, N_Vector tmp1, N_Vector tmp2, N_Vector tmp3);

	int nBlocks() const { return m_nBlocks; }
	int blockSize() const { return m_blockSize; }

private:
	int							m_nBlocks;
	int							m_blockSize;
	unsigned int				m_n;
	/*! Own iteration matrix (implicit Euler path). */
	std::unique_ptr<BTridiagMatrix>	m_matrix;
	std::vector<unsigned int>	m_pivots;
	std::vector<double>			m_yMod;
	std::vector<double>			m_ydotMod;
	std::vector<double>			m_increments;
	/*! Model evaluations of the CVODE Jacobian routine in this run. */
	unsigned int				m_cvodeDQEvals;
};

} // namespace VUREDO

#endif // VUREDO_LESBTridiagH
