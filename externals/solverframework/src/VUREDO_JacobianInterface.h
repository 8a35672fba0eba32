#ifndef VUREDO_JacobianInterfaceH
#define VUREDO_JacobianInterfaceH

#include <cstddef>

namespace VUREDO {

class ModelInterface;

/*! Jacobian J = df/dy of the model's derivative function. */
class JacobianInterface {
public:
	virtual ~JacobianInterface();

	/*! Binds the model; throws BVX::Exception on failure. */
	virtual void init(ModelInterface * model) = 0;
	/*! Recomputes J at (t, y) with the derivatives ydot at y. Returns 0 on success. */
	virtual int setup(double t, const double * y, const double * ydot, const double * residuals, double gamma) = 0;
	/*! Jv = J v. */
	virtual int jacTimesVec(const double * v, double * Jv) const = 0;
	/*! Model evaluations spent in setup(). */
	virtual unsigned int nRHSEvals() const = 0;

	virtual std::size_t serializationSize() const;
	virtual void serialize(void *& dataPtr) const;
	virtual void deserialize(void *& dataPtr);
};

} // namespace VUREDO

#endif // VUREDO_JacobianInterfaceH
