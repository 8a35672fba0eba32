#ifndef VUREDO_LESInterfaceH
#define VUREDO_LESInterfaceH

#include <cstddef>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <string>

namespace VUREDO {

class ModelInterface;
class IntegratorInterface;
class PrecondInterface;
class JacobianInterface;

/*! Linear equation solver for the Newton iteration matrix M = I - gamma*J.

	With the CVODE integrator init() attaches a SUNDIALS linear solver and CVODE performs
	setup and solve itself; integrators of this library that do their own Newton
	iteration call setup() and solve().
*/
class LESInterface {
public:
	LESInterface();
	virtual ~LESInterface();
	LESInterface(const LESInterface &) = delete;
	LESInterface & operator=(const LESInterface &) = delete;

	/*! Binds the solver to model and integrator; throws BVX::Exception on failure. */
	virtual void init(ModelInterface * model, IntegratorInterface * integrator,
					  PrecondInterface * precond, JacobianInterface * jacobian) = 0;
	/*! Builds and factorises M at state y with derivatives ydot; returns 0 on success. */
	virtual int setup(const double * y, const double * ydot, const double * residuals, double gamma) = 0;
	/*! Overwrites rhs with M^-1 rhs. */
	virtual void solve(double * rhs) = 0;

	virtual void writeStatisticsHeader(const std::string & logDirectory, bool restart);
	virtual void writeStatistics(double t);
	/*! Hands the buffered per-step statistics to the file (end of a run, failure). */
	virtual void flushStatistics();
	virtual void writeMetrics(double wallClockTime, std::ostream * metricsStream);
	/*! Refreshes the statistics counters from the integrator/solver objects. */
	virtual void updateCounters() = 0;

	virtual std::size_t serializationSize() const;
	virtual void serialize(void *& dataPtr) const;
	virtual void deserialize(void *& dataPtr);

	/*! Model evaluations (setY + ydot) spent by the solver. */
	unsigned int nRHSEvals() const { return m_statNumRHSEvals; }

protected:
	/*! Logs the attach error of the CVODE linear-solver module by its result code
		(-4 memory, -3 input, other) and throws "Error initializing linear equation solver.".
		moduleName is the name used in the messages, e.g. "CVDense". */
	[[noreturn]] static void throwAttachError(int result, const char * moduleName, const char * functionID);

	/*! Model evaluations (setY + ydot) spent by the solver. */
	unsigned int					m_statNumRHSEvals;
	/*! Integrator of the current run, not owned. */
	IntegratorInterface				*m_integrator;
	/*! Model of the current run, not owned. */
	ModelInterface					*m_model;
	/*! Per-step statistics file, null until writeStatisticsHeader(). */
	std::unique_ptr<std::ofstream>	m_statsFileStream;
	/*! Relative increment of difference quotients. */
	double							m_relToleranceDQ;
	/*! Absolute increment of difference quotients. */
	double							m_absToleranceDQ;
};

} // namespace VUREDO

#endif // VUREDO_LESInterfaceH
