#ifndef VUREDO_SolverControlFrameworkH
#define VUREDO_SolverControlFrameworkH

#include <iosfwd>
#include <memory>
#include <string>

#include <BVX_Path.h>
#include <BVX_StopWatch.h>

namespace VUREDO {

class ModelInterface;
class IntegratorInterface;
class LESInterface;
class PrecondInterface;
class JacobianInterface;
class OutputScheduler;

/*! Run driver: binds a model to an integrator, a linear equation solver, a
	preconditioner, a Jacobian and an output scheduler, steps the integrator from the
	start to the end time, hands the model the state at every output time, keeps an
	optional restart file and writes the solver statistics.

	Restart file: a sequence of blocks (t: double, n: int32, y: n doubles), native
	little-endian, no header.
*/
class SolverControlFramework {
public:
	explicit SolverControlFramework(ModelInterface * model = nullptr);
	virtual ~SolverControlFramework();
	SolverControlFramework(const SolverControlFramework &) = delete;
	SolverControlFramework & operator=(const SolverControlFramework &) = delete;

	/*! Called after every step (outputWritten false) and after every output (true). */
	virtual void stepDone(double t, bool outputWritten);

	/*! Binds the model and takes its solver choices; creates defaults for a missing
		integrator (CVODE), LES (dense) and output scheduler (hourly). */
	void setModel(ModelInterface * model);
	/*! Replaces the output scheduler (not owned). */
	void setOutputScheduler(OutputScheduler * scheduler);

	/*! Initialises the integrator and runs to the model's end time; step 0 starts from
		the model's initial state, any other value continues from the restart file
		(step as in readRestartFile(), with t = 0). */
	void restart(int step);
	/*! Integrates from the integrator's current state at time t to the model's end time;
		returns the wall-clock time in ms. */
	double run(double t);
	/*! Statistics block in the log and "summary.txt" in the log directory. A summary file
		that cannot be created is a warning; false (and an error message) when its lines
		could not be written. */
	bool writeStatistics();

	/*! Writes one restart block (mode 0: replaces the file, mode 1: appends). */
	void appendRestartInfo(double t, const double * y);
	/*! Reads a block of the restart file into tOut/yOut (model n() values); copies the
		blocks before the continuation point into copyStream when given. step -1: last
		block; -2: the last block before time t; k >= 1: block k-1 (block 1 for k = 1).
		Failures are logged and give false. */
	bool readRestartFile(int step, double t, double & tOut, double * yOut, std::ostream * copyStream);

	/*! Directory of "summary.txt" and the per-step statistics files; empty: no summary file. */
	std::string		m_logDirectory;
	/*! Restart file; empty: none is read or written. */
	BVX::Path		m_restartFilename;
	/*! 0: only the newest block is kept; 1: every block is appended. */
	int				m_restartFileMode;
	/*! Simulated time between restart blocks, s. */
	double			m_restartIntervalSimTime;
	/*! Wall-clock time between restart blocks (since the last output or block), s. */
	double			m_restartIntervalWallClock;
	/*! Stop right after the integrator's initialisation. */
	bool			m_stopAfterInit;
	/*! Per-step statistics after every step, not only after steps with outputs. */
	bool			m_writeStatsEveryStep;

private:
	void checkSetup(const char * functionID) const;
	void initIntegrator(double t, const double * y);
	/*! Copies the restart blocks before the continuation point and continues from there. */
	void restartFromFile(int step);
	void runLoop(double t);
	/*! Writes the buffered per-step statistics of integrator, linear solver and preconditioner. */
	void flushStatistics();
	void writeOutputsAt(double tOut, const double * yOut);

	ModelInterface			*m_model;
	IntegratorInterface		*m_integrator;
	LESInterface			*m_lesSolver;
	PrecondInterface		*m_preconditioner;
	JacobianInterface		*m_jacobian;
	OutputScheduler			*m_outputScheduler;

	BVX::StopWatch			m_stopWatch;

	std::unique_ptr<IntegratorInterface>	m_defaultIntegrator;
	std::unique_ptr<LESInterface>			m_defaultLES;
	std::unique_ptr<OutputScheduler>		m_defaultOutputScheduler;
};

} // namespace VUREDO

#endif // VUREDO_SolverControlFrameworkH
