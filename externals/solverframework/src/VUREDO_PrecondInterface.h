#ifndef VUREDO_PrecondInterfaceH
#define VUREDO_PrecondInterfaceH

#include <cstddef>
#include <fstream>
#include <memory>
#include <string>

namespace VUREDO {

class ModelInterface;
class IntegratorInterface;
class JacobianInterface;

/*! Preconditioner of a Krylov linear solver. */
class PrecondInterface {
public:
	/*! Sides: 1 left, 2 right, 3 both. */
	explicit PrecondInterface(int precondType);
	virtual ~PrecondInterface();
	PrecondInterface(const PrecondInterface &) = delete;
	PrecondInterface & operator=(const PrecondInterface &) = delete;

	/*! 1 left, 2 right, 3 both sides. */
	virtual int preconditionerType() const = 0;
	virtual void init(ModelInterface * model, IntegratorInterface * integrator, JacobianInterface * jacobian) = 0;
	/*! Prepares the preconditioner for the ODE iteration matrix; sets jcur when it
		evaluated a fresh Jacobian. Returns 0, > 0 recoverable, < 0 unrecoverable. */
	virtual int setupODE(double t, const double * y, const double * ydot, const double * residuals,
						 bool jacOk, bool & jacUpdated, double gamma) = 0;
	/*! Solves P z = r. */
	virtual int solve(double t, const double * y, const double * ydot, const double * residuals,
					  const double * r, double * z, double gamma, double delta, int lr) = 0;

	virtual void writeStatisticsHeader(const std::string & logDirectory, bool restart);
	virtual void writeStatistics(double t);
	/*! Hands the buffered per-step statistics to the file (end of a run, failure). */
	virtual void flushStatistics();
	/*! Model evaluations spent by the preconditioner. */
	virtual unsigned int nRHSEvals() const = 0;

	virtual std::size_t serializationSize() const;
	virtual void serialize(void *& dataPtr) const;
	virtual void deserialize(void *& dataPtr);

protected:
	std::unique_ptr<std::ofstream>	m_statsFileStream;
	IntegratorInterface				*m_integrator;
	ModelInterface					*m_model;
	int								m_precondType;
};

} // namespace VUREDO

#endif // VUREDO_PrecondInterfaceH
