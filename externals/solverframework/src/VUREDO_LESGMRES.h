#ifndef VUREDO_LESGMRESH
#define VUREDO_LESGMRESH

#include <vector>

#include <BVXMK_BandMatrix.h>

#include "VUREDO_LESInterfaceIterative.h"

namespace VUREDO {

/*! GMRES Krylov solver.

	With CVODE it attaches SUNDIALS' SPGMR solver; preconditioner and J*v are routed to
	the components by the integrator's callbacks. With an integrator of this library
	(implicit Euler) it runs its own scaled, preconditioned GMRES without restarts on
	M = I - gamma*J, where M*v comes from the Jacobian's J*v or, without a Jacobian,
	from one model evaluation per product.
*/
class LESGMRES : public LESInterfaceIterative {
public:
	LESGMRES();
	~LESGMRES() override;

	void init(ModelInterface * model, IntegratorInterface * integrator,
			  PrecondInterface * precond, JacobianInterface * jacobian) override;
	/*! Keeps y, ydot and gamma, computes the error weights and sets up Jacobian and
		preconditioner. Returns the preconditioner's (else the Jacobian's) result. */
	int setup(const double * y, const double * ydot, const double * residuals, double gamma) override;
	/*! rhs := M^-1 rhs approximately, starting from 0. */
	void solve(double * rhs) override;

	/*! With CVODE: the 64-byte Krylov state of CVODE's linear-solver interface (0 when
		the state serialisation is unavailable); otherwise 0 and nothing is written. */
	std::size_t serializationSize() const override;
	void serialize(void *& dataPtr) const override;
	void deserialize(void *& dataPtr) override;

	/*! Convergence bound of the weighted residual 2-norm. */
	double convergenceBound() const { return m_delta; }

private:
	/*! out = M*v (counted as one matrix-vector product). */
	void multiplyIterationMatrix(const double * v, double * out);
	/*! z = P^-1 r, lr = 1 left, 2 right. */
	void applyPreconditioner(const double * r, double * z, int lr);
	double dot(const double * a, const double * b) const;
	/*! CVODE memory when running under CVODE, else null. */
	void * cvodeMem() const;

	/*! True when running the own GMRES (no SUNDIALS solver attached). */
	bool								m_ownSolver;
	unsigned int						m_n;
	/*! Krylov dimension limit of the own GMRES. */
	unsigned int						m_K;
	bool								m_leftPrec;
	bool								m_rightPrec;

	/*! Hessenberg matrix (K+1 x K), rotated in place into the upper triangle R. */
	BVXMK::BandMatrix					m_H;
	/*! Krylov basis, K+1 vectors of n values. */
	std::vector<std::vector<double> >	m_V;
	/*! Givens rotations: cosine at 2k, sine at 2k+1. */
	std::vector<double>					m_givens;
	std::vector<double>					m_y;
	std::vector<double>					m_ydot;
	std::vector<double>					m_weights;
	std::vector<double>					m_x;
	std::vector<double>					m_work1;
	std::vector<double>					m_work2;
	/*! Least-squares right-hand side. */
	std::vector<double>					m_g;
	double								m_gamma;
	double								m_delta;
};

} // namespace VUREDO

#endif // VUREDO_LESGMRESH
