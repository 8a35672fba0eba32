#ifndef VUREDO_IntegratorInterfaceH
#define VUREDO_IntegratorInterfaceH

#include <cstddef>
#include <iosfwd>
#include <string>

namespace VUREDO {

class ModelInterface;
class LESInterface;
class PrecondInterface;
class JacobianInterface;

/*! A time integrator that the run driver steps from the start to the end time. */
class IntegratorInterface {
public:
	virtual ~IntegratorInterface();

	/*! Display name of the integrator. */
	virtual const char * identifier() const = 0;
	/*! Prepares a run from (t0, y0); throws BVX::Exception on failure. */
	virtual void init(ModelInterface * model, double t0, const double * y0,
					  LESInterface * lesSolver, PrecondInterface * precond,
					  JacobianInterface * jacobian) = 0;
	/*! One integration step: 1 = success, anything else = failure. */
	virtual int step() = 0;
	/*! Current integrator time. */
	virtual double t() const = 0;
	/*! Last step size. */
	virtual double dt() const = 0;
	/*! State at time t within the last step; valid until the next call. */
	virtual const double * y_out(double t) const = 0;

	/*! Opens the per-step statistics file (appends when restart is true). */
	virtual void writeStatisticsHeader(const std::string & logDirectory, bool restart);
	/*! Writes one line of per-step statistics. */
	virtual void writeStatistics();
	/*! Hands the buffered per-step statistics to the file (end of a run, failure). */
	virtual void flushStatistics();
	/*! Final statistics into the log and, when given, key-value lines into the summary. */
	virtual void writeMetrics(double wallClockSeconds, std::ostream * summary);

	virtual std::size_t serializationSize() const;
	virtual void serialize(void *& dataPtr) const;
	virtual void deserialize(void *& dataPtr);
};

} // namespace VUREDO

#endif // VUREDO_IntegratorInterfaceH
