#ifndef VUREDO_CVODERunRecordH
#define VUREDO_CVODERunRecordH

#include <exception>
#include <fstream>
#include <memory>
#include <vector>

#include <sundials/sundials_context.h>
#include <sundials/sundials_linearsolver.h>
#include <sundials/sundials_matrix.h>
#include <sundials/sundials_nvector.h>

#include <BVX_Exception.h>

namespace VUREDO {

class ModelInterface;
class LESInterface;
class PrecondInterface;
class JacobianInterface;

/*! Everything one CVODE run needs: the SUNDIALS context and every SUNDIALS object
	created for the run, the bound solver components and the step counters.
	It is the user data of all CVODE callbacks.

	The record owns the SUNDIALS objects and frees them in the order CVODE requires
	(CVODE memory, linear solver, matrix, vectors, context), so solver components that
	attach objects never own them and may be destroyed before or after the integrator.
*/
class CVODERunRecord {
public:
	/*! Creates the context and the serial vectors of length n; throws on failure. */
	explicit CVODERunRecord(unsigned int n);
	~CVODERunRecord();
	CVODERunRecord(const CVODERunRecord &) = delete;
	CVODERunRecord & operator=(const CVODERunRecord &) = delete;

	/*! Keeps the first exception thrown inside a callback, for rethrowing after CVode(). */
	void storeException(const BVX::Exception & ex);
	/*! Same for any other exception; converted into a BVX::Exception. */
	void storeException(const std::exception & ex, const char * functionID);
	/*! Takes the stored exception (null if none). */
	std::unique_ptr<BVX::Exception> takeException() { return std::move(m_callbackError); }
	bool hasException() const { return m_callbackError != nullptr; }

	/*! Takes ownership of a matrix/linear-solver pair attached to the CVODE memory;
		frees a previously adopted pair. */
	void adopt(SUNMatrix A, SUNLinearSolver LS);

	unsigned int			m_n;

	ModelInterface			*m_model;
	PrecondInterface		*m_precond;
	JacobianInterface		*m_jacobian;
	LESInterface			*m_les;

	SUNContext				m_ctx;
	void					*m_cvodeMem;
	N_Vector				m_y;
	N_Vector				m_yOut;
	N_Vector				m_absTolVec;
	SUNMatrix				m_A;
	SUNLinearSolver			m_LS;

	/*! Time CVODE returned after the last step. */
	double					m_t;
	/*! Last step size. */
	double					m_dt;

	std::unique_ptr<std::ofstream>	m_statsFile;

	long					m_numSteps;
	long					m_numRhsEvals;
	long					m_numLinSetups;
	long					m_numNIters;
	long					m_numNConvFails;
	long					m_numErrFails;
	int						m_lastOrder;
	double					m_lastStep;

	/*! Set by deserialisation: the next step sets up the linear solver afresh. */
	bool					m_linearSetupRequested;

	/*! Work vector of n values for callbacks (no allocation during the run). */
	std::vector<double>		m_work;

private:
	std::unique_ptr<BVX::Exception>	m_callbackError;
};

} // namespace VUREDO

#endif // VUREDO_CVODERunRecordH
