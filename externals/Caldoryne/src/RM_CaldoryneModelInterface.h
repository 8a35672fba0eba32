#ifndef RM_CaldoryneModelInterfaceH
#define RM_CaldoryneModelInterfaceH

#include <memory>
#include <string>
#include <vector>

#include <VUREDO_IntegratorImplicitEuler.h>
#include <VUREDO_IntegratorSundialsCVODE.h>
#include <VUREDO_ModelInterface.h>
#include <VUREDO_OutputScheduler.h>

#include "RM_CaldoryneModel.h"
#include "RM_OutputManager.h"

namespace BVX {
	class NotificationHandler;
}

namespace VUREDO {
	class LESInterface;
	class PrecondInterface;
	class JacobianSparseCSR;
}

namespace RM {

class Database;

/*! The room balance model as seen by the solver framework: answers the model callbacks,
	schedules its own outputs, chooses and owns the integrator, the linear equation solver,
	the preconditioner and the sparse Jacobian, and owns the output manager.

	Usage: RM::prepareRun() (RM_RunPreparation.h) creates and initialises it from a project;
	then hand it to VUREDO::SolverControlFramework (setModel(this), setOutputScheduler(this)).

	Solver names (case-sensitive): integrator "ImplicitEuler" or CVODE (anything else);
	LES "Dense", "BTridiag", "Band", "GMRES", "BiCGStab" or KLU (anything else);
	preconditioner for the iterative solvers "ILU" (also the empty name), "band" or
	"band(<half-bandwidth>)".
*/
class CaldoryneModelInterface : public VUREDO::ModelInterface, public VUREDO::OutputScheduler, public CaldoryneModel {
public:
	CaldoryneModelInterface();
	~CaldoryneModelInterface() override;

	CaldoryneModelInterface(const CaldoryneModelInterface &) = delete;
	CaldoryneModelInterface & operator=(const CaldoryneModelInterface &) = delete;

	/*! Initialises the balance model, binds the output manager, sets the integrator
		parameters and clears the abort flag. Throws BVX::Exception. */
	void init(const Database & db);

	// *** VUREDO::ModelInterface ***

	unsigned int n() const override { return m_n; }
	const double * y0() const override { return m_y.data(); }
	double t0() const override { return 0; }
	double dt0() const override { return 1; }
	double tEnd() const override;

	int setTime(double t) override;
	int setY(const double * y) override;
	int ydot(double * ydot) override;

	void writeOutputs(double t, const double * y) override;
	void stepCompleted(double t, const double * y) override;

	VUREDO::LESInterface * lesInterface() override;
	VUREDO::IntegratorInterface * integratorInterface() override;
	VUREDO::PrecondInterface * preconditionerInterface() override;
	VUREDO::JacobianInterface * jacobianInterface() override;

	// *** VUREDO::OutputScheduler ***

	/*! The next point of the output grid (m_room.m_outputTimeSteps) after t. */
	double nextOutputTime(double t) override;

	/*! Sparsity pattern of the Jacobian (valid once lesInterface() chose a sparse or an
		iterative solver). */
	const std::vector<unsigned int> & ia() const { return m_ia; }
	const std::vector<unsigned int> & ja() const { return m_ja; }

	/*! Progress callback, called after every output step (not owned, may be null). */
	BVX::NotificationHandler					*m_notificationHandler;
	/*! When set, the next ydot() asks the integrator to abort the run. */
	bool										m_abortFlag;

	std::unique_ptr<VUREDO::LESInterface>		m_lesSolver;
	std::unique_ptr<VUREDO::JacobianSparseCSR>	m_jacobian;
	std::unique_ptr<VUREDO::PrecondInterface>	m_preconditioner;

	/*! Solver choices; empty selects CVODE with KLU. */
	std::string									m_lesSolverName;
	std::string									m_integratorName;
	std::string									m_preconditionerName;

	OutputManager								m_outputManager;

	VUREDO::IntegratorSundialsCVODE				m_integratorCVODE;
	VUREDO::IntegratorImplicitEuler				m_integratorImplicitEuler;

private:
	/*! Creates the sparse Jacobian from the model's sparsity pattern. */
	void createSparseJacobian();
	/*! Creates the preconditioner of an iterative solver from m_preconditionerName. */
	void createPreconditioner();
	/*! Creates the LES for m_lesSolverName. */
	void createLES();
	/*! Sets the tolerances and step limits of the chosen integrator. */
	void setIntegratorParameters();
	/*! Logs the unknowns per construction and the total. */
	void logUnknowns() const;
	/*! DIN 4108-2 ventilation rule at the current state; records tRecord as its time. */
	void evaluateVentilationRule(double tRecord);
	/*! Copies y and updates the states and loads (setY() without the divergences). */
	void takeStates(const double * y);
	/*! Minimum and maximum room air temperature and air change rate of the run. */
	void updateExtremes(double t);

	std::vector<unsigned int>					m_ia;
	std::vector<unsigned int>					m_ja;
};

} // namespace RM

#endif // RM_CaldoryneModelInterfaceH
