#ifndef VUREDO_PrecondBandH
#define VUREDO_PrecondBandH

#include <BVXMK_BandMatrix.h>

#include "VUREDO_PrecondInterface.h"

namespace VUREDO {

/*! Band preconditioner: a band LU of M = I - gamma*J.

	With equal half-bandwidths and a sparse Jacobian it copies the band of the
	Jacobian's matrix (own path). Otherwise, under CVODE, SUNDIALS' band preconditioner
	takes over and builds its own difference-quotient Jacobian; setupODE() and solve()
	of this object are then not used.
*/
class PrecondBand : public PrecondInterface {
public:
	/*! Lower half-bandwidth, upper half-bandwidth, side (1 left, 2 right, 3 both). */
	PrecondBand(int ml, int mu, int precondType);
	~PrecondBand() override;

	int preconditionerType() const override { return m_precondType; }
	void init(ModelInterface * model, IntegratorInterface * integrator, JacobianInterface * jacobian) override;
	int setupODE(double t, const double * y, const double * ydot, const double * residuals,
				 bool jacOk, bool & jacUpdated, double gamma) override;
	int solve(double t, const double * y, const double * ydot, const double * residuals,
			  const double * r, double * z, double gamma, double delta, int lr) override;
	unsigned int nRHSEvals() const override { return 0; }

	/*! Own path: the binary forms of P and of the saved Jacobian band; otherwise 0. */
	std::size_t serializationSize() const override;
	void serialize(void *& dataPtr) const override;
	void deserialize(void *& dataPtr) override;

	/*! True when this object builds and applies the preconditioner itself. */
	bool ownImplementation() const { return m_ownPath; }

private:
	/*! Copies the band of the Jacobian's sparse matrix into m_P. */
	void transferJacobian();

	unsigned int		m_n;
	int					m_ml;
	int					m_mu;
	JacobianInterface	*m_jacobian;
	bool				m_ownPath;
	/*! Factorised preconditioner. */
	BVXMK::BandMatrix	m_P;
	/*! Band of J as last transferred from the Jacobian. */
	BVXMK::BandMatrix	m_savedJ;
};

} // namespace VUREDO

#endif // VUREDO_PrecondBandH
