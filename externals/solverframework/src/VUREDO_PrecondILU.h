#ifndef VUREDO_PrecondILUH
#define VUREDO_PrecondILUH

#include <memory>

#include <BVXMK_SparseMatrixCSR.h>

#include "VUREDO_PrecondInterface.h"

namespace VUREDO {

class JacobianSparse;

/*! Incomplete LU (ILU(0)) of M = I - gamma*J on the pattern of the sparse Jacobian.
	Every setup refactorises from the Jacobian's current values.
*/
class PrecondILU : public PrecondInterface {
public:
	/*! Side: 1 left, 2 right, 3 both. */
	explicit PrecondILU(int precondType);
	~PrecondILU() override;

	int preconditionerType() const override { return m_precondType; }
	/*! Requires a JacobianSparse; throws otherwise. */
	void init(ModelInterface * model, IntegratorInterface * integrator, JacobianInterface * jacobian) override;
	int setupODE(double t, const double * y, const double * ydot, const double * residuals,
				 bool jacOk, bool & jacUpdated, double gamma) override;
	int solve(double t, const double * y, const double * ydot, const double * residuals,
			  const double * r, double * z, double gamma, double delta, int lr) override;
	unsigned int nRHSEvals() const override { return 0; }

	/*! The values of P as raw doubles. */
	std::size_t serializationSize() const override;
	void serialize(void *& dataPtr) const override;
	void deserialize(void *& dataPtr) override;

private:
	JacobianSparse							*m_jacobian;
	std::unique_ptr<BVXMK::SparseMatrixCSR>	m_P;
};

} // namespace VUREDO

#endif // VUREDO_PrecondILUH
