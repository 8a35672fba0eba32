#ifndef VUREDO_ModelInterfaceH
#define VUREDO_ModelInterfaceH

#include <cstddef>
#include <iosfwd>

namespace VUREDO {

class LESInterface;
class IntegratorInterface;
class PrecondInterface;
class JacobianInterface;
class OutputScheduler;

/*! Result codes of the model callbacks setTime(), setY(), ydot() and calculateErrorWeights(). */
enum ModelResult {
	MR_Success = 0,
	/*! The integrator retries with a smaller step. */
	MR_RecoverableError = 1,
	/*! The run ends with an error. */
	MR_Abort = 2
};

/*! A physical model that the solver framework integrates in time.

	Its callbacks return a ModelResult.
	The solver components returned by lesInterface() ... outputScheduler() stay owned
	by the model; null selects the run driver's defaults.
*/
class ModelInterface {
public:
	virtual ~ModelInterface();

	/*! Number of unknowns. */
	virtual unsigned int n() const = 0;
	/*! Initial state (n values, owned by the model). */
	virtual const double * y0() const = 0;
	/*! Start time in s. */
	virtual double t0() const = 0;
	/*! Initial step size in s. */
	virtual double dt0() const = 0;
	/*! End time in s. */
	virtual double tEnd() const = 0;

	/*! Sets the time for the next evaluation. */
	virtual int setTime(double t) = 0;
	/*! Sets the state vector. */
	virtual int setY(const double * y) = 0;
	/*! Writes the time derivatives for the time and state last set. */
	virtual int ydot(double * ydot) = 0;

	/*! Called at every output time with the (interpolated) state. */
	virtual void writeOutputs(double t, const double * y);
	/*! Called after every accepted integrator step. */
	virtual void stepCompleted(double t, const double * y);

	virtual LESInterface * lesInterface();
	virtual IntegratorInterface * integratorInterface();
	virtual PrecondInterface * preconditionerInterface();
	virtual JacobianInterface * jacobianInterface();
	virtual OutputScheduler * outputScheduler();

	/*! Reserved hook; the framework never calls it. */
	virtual void reserved();

	/*! Computes the integrator's error weights; only called when hasErrorWeightsFunction()
		returns true. The default reports MR_Abort. */
	virtual int calculateErrorWeights(const double * y, double * weights);
	virtual bool hasErrorWeightsFunction();

	virtual std::size_t serializationSize() const;
	virtual void serialize(void *& dataPtr) const;
	virtual void deserialize(void *& dataPtr);

	/*! Final model statistics; metricsFile may be null. */
	virtual void writeMetrics(double wallClockSeconds, std::ostream * metricsFile);
};

} // namespace VUREDO

#endif // VUREDO_ModelInterfaceH
