#ifndef RodModelH
#define RodModelH

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <VUREDO_IntegratorImplicitEuler.h>
#include <VUREDO_IntegratorSundialsCVODE.h>
#include <VUREDO_JacobianSparseCSR.h>
#include <VUREDO_LESInterface.h>
#include <VUREDO_ModelInterface.h>
#include <VUREDO_OutputScheduler.h>
#include <VUREDO_PrecondInterface.h>

/*! 1-D finite-volume heat conduction in a rod with fixed temperatures at both ends.

	N cells of equal width dx; the end temperatures act at the outer faces, half a cell
	from the first and last node. With two unknowns per node a second field (same end
	values, its own diffusivity) is coupled to the first by exchange with rate kappa;
	unknowns are stored node by node: [T0, C0, T1, C1, ...].
*/
class RodModel : public VUREDO::ModelInterface, public VUREDO::OutputScheduler {
public:
	struct Parameters {
		unsigned int	m_nodes = 50;
		unsigned int	m_unknownsPerNode = 1;
		double			m_length = 0.2;			// m
		double			m_conductivity = 1.0;	// W/mK
		double			m_heatCapacity = 1e6;	// J/m3K (rho*c)
		double			m_diffusivity2 = 5e-7;	// m2/s, second field
		double			m_kappa = 1e-4;			// 1/s, exchange between both fields
		double			m_tLeft = 0;
		double			m_tRight = 100;
		double			m_tInit = 20;
		double			m_tEnd = 10 * 86400.0;
		double			m_outputStep = 3600;
		/*! Scheduler that returns its argument after the first output (for the error path). */
		bool			m_badScheduler = false;
		/*! ydot returns 2 from this time on (negative: never). */
		double			m_abortAt = -1;
		/*! ydot returns 1 once, at the first evaluation at or after this time (negative: never). */
		double			m_recoverableAt = -1;
		/*! "KLU", "Dense", "Band", "BTridiag", "GMRES", "BiCGStab" or "" (framework default). */
		std::string		m_les = "KLU";
		/*! "CVODE" or "ImplicitEuler". */
		std::string		m_integrator = "CVODE";
		/*! Preconditioner of the Krylov solvers: "ILU", "Band" or "" (none). */
		std::string		m_precond;
		/*! Half-bandwidths of the band preconditioner; negative: the Jacobian's. */
		int				m_precondMu = -1;
		int				m_precondMl = -1;
		/*! Sparse Jacobian for the Krylov solvers (J*v; always with a preconditioner). */
		bool			m_krylovJacobian = false;
		/*! Output file of all states at every output time; empty: none. */
		std::string		m_outputFile;
		/*! After the first step at or beyond this time the integrator state goes through a
			serialisation round trip (negative: never). */
		double			m_checkpointAt = -1;
		/*! Log directory of the run (the statistics files are reopened after a checkpoint). */
		std::string		m_logDirectory;
	};

	explicit RodModel(const Parameters & p);
	~RodModel() override;

	unsigned int n() const override { return m_n; }
	const double * y0() const override { return m_y0.data(); }
	double t0() const override { return 0; }
	double dt0() const override { return 1; }
	double tEnd() const override { return m_p.m_tEnd; }
	int setTime(double t) override;
	int setY(const double * y) override;
	int ydot(double * ydot) override;
	void writeOutputs(double t, const double * y) override;
	void stepCompleted(double t, const double * y) override;

	VUREDO::LESInterface * lesInterface() override { return m_les.get(); }
	VUREDO::IntegratorInterface * integratorInterface() override;
	VUREDO::PrecondInterface * preconditionerInterface() override { return m_precond.get(); }
	VUREDO::JacobianInterface * jacobianInterface() override { return m_jacobian.get(); }
	VUREDO::OutputScheduler * outputScheduler() override { return this; }

	double nextOutputTime(double t) override;

	/*! Upper and lower half-bandwidth of the Jacobian (full blocks of neighbour nodes). */
	int bandWidth() const { return 2 * static_cast<int>(m_p.m_unknownsPerNode) - 1; }
	/*! Block-tridiagonal structure: one block per node. */
	unsigned int nBlocks() const { return m_p.m_nodes; }
	unsigned int blockSize() const { return m_p.m_unknownsPerNode; }
	/*! CSR pattern of the Jacobian (symmetric). */
	const std::vector<unsigned int> & ia() const { return m_ia; }
	const std::vector<unsigned int> & ja() const { return m_ja; }

	/*! Steady state of unknown i: the linear profile between the end values. */
	double steadyState(unsigned int i) const;
	/*! Writes buffered outputs to the output file. */
	void flushOutputs() { if (m_outputStream) m_outputStream->flush(); }
	/*! Number of outputs written. */
	unsigned int outputCount() const { return m_outputCount; }
	/*! Largest deviation of y from the steady state. */
	double maxSteadyStateDeviation(const double * y) const;
	/*! State of the last output. */
	const std::vector<double> & lastOutput() const { return m_lastOutput; }
	/*! A single node between equal end values cools exponentially toward them:
		T(t) = Te + (T0 - Te) exp(-t/tau), tau = rho*c*dx^2 / (4*lambda). */
	double coolingSolution(double t) const;
	/*! True once the requested checkpoint has been taken. */
	bool checkpointDone() const { return m_checkpointDone; }
	/*! Largest deviation of the outputs from coolingSolution() so far. */
	double maxCoolingDeviation() const { return m_maxCoolingDeviation; }

	VUREDO::IntegratorSundialsCVODE	m_integrator;
	VUREDO::IntegratorImplicitEuler	m_implicitEuler;

private:
	void buildPattern();
	/*! Creates the Krylov solver, its preconditioner and Jacobian (false: les is no Krylov solver). */
	bool createKrylovSolver();
	/*! Serialises integrator, linear solver, preconditioner and Jacobian (in this order),
		re-initialises them, reads the state back and checks that serialising again gives
		the same bytes. */
	void checkpoint(double t);
	/*! The binary state of all solver components. */
	std::vector<char> serializeSolver() const;

	Parameters							m_p;
	unsigned int						m_n;
	double								m_dx;
	double								m_t;
	std::vector<double>					m_y;
	std::vector<double>					m_y0;
	std::vector<unsigned int>			m_ia;
	std::vector<unsigned int>			m_ja;
	std::unique_ptr<VUREDO::LESInterface>			m_les;
	std::unique_ptr<VUREDO::JacobianSparseCSR>		m_jacobian;
	std::unique_ptr<VUREDO::PrecondInterface>		m_precond;
	bool								m_recoverableDone;
	unsigned int						m_outputCount;
	std::vector<double>					m_lastOutput;
	double								m_maxCoolingDeviation;
	bool								m_checkpointDone;
	std::unique_ptr<std::ofstream>		m_outputStream;
};

#endif // RodModelH
