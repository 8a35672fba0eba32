#ifndef VUREDO_IntegratorImplicitEulerH
#define VUREDO_IntegratorImplicitEulerH

#include <fstream>
#include <memory>
#include <vector>

#include "VUREDO_IntegratorErrorControlled.h"

namespace VUREDO {

/*! Backward Euler with an explicit Euler predictor and a modified Newton iteration.

	The linear systems (I - dt*J) delta = -residual are set up and solved by the LES
	passed to init(). The LES matrix is reused over many steps and set up again only
	when the step size has changed by more than a factor 1.3, the iteration failed, it
	is older than 200 steps, or the update strategy asks for it; in between, Newton
	corrections are rescaled by dtJac/dt. The local error is estimated from the
	predictor-corrector difference.
*/
class IntegratorImplicitEuler : public IntegratorErrorControlled {
public:
	IntegratorImplicitEuler();
	~IntegratorImplicitEuler() override;

	const char * identifier() const override { return "Implicit Euler (ODE)"; }
	void init(ModelInterface * model, double t0, const double * y0, LESInterface * lesSolver,
			  PrecondInterface * precond, JacobianInterface * jacobian) override;
	/*! One accepted step; returns 1, failures are exceptions. */
	int step() override;
	double t() const override { return m_t; }
	double dt() const override { return m_dt; }
	const double * y_out(double t) const override;

	void writeStatisticsHeader(const std::string & logDirectory, bool restart) override;
	void writeStatistics() override;
	void flushStatistics() override;
	void writeMetrics(double wallClockSeconds, std::ostream * summary) override;

	/*! Step size for which the LES was last set up. */
	virtual double dtJac() const { return m_dtJac; }

	/*! Newton iterations allowed per attempt. */
	int		m_maxNonLinIters;
	/*! Kept for settings compatibility; nothing reads it. */
	double	m_unusedNonLinTol;
	/*! Newton convergence coefficient. */
	double	m_nonLinConvCoef;
	/*! 0: set the LES up when needed; 1: every step; 2: also after a Newton iteration
		with residual norm > 0.01; 3: after every unconverged Newton iteration. */
	int		m_jacUpdateStrategy;
	/*! Upper limit of the step size in s. */
	double	m_maxStep;

	// counters over the object's life (not reset by init)
	unsigned int	m_statNumSteps;
	unsigned int	m_statNumRHSEvals;
	unsigned int	m_statNumNewtonIters;
	unsigned int	m_statNumConvFails;
	unsigned int	m_statNumErrFails;
	unsigned int	m_statNumDivergences;
	unsigned int	m_statNumLESSetups;

private:
	/*! Result of the corrector / Newton iteration. */
	enum NewtonResult {
		NR_Converged = 0,
		NR_RetryWithSetup = 1,
		NR_DivergedAfterSetup = 2,
		NR_TooManyItersAfterSetup = 3
	};

	void handleErrors(int modelResult) const;
	/*! Model evaluation at y, residual, weights and residual norm (timer 0). */
	void evaluateResidual();
	double weightedNorm(const std::vector<double> & v) const;
	NewtonResult corrector();
	NewtonResult newtonIteration();
	bool errorTest();
	void decreaseTimeStepNonLinearFailure();
	void proposeNextStep();
	void setupLES(bool timed);
	void writeIterationStats(double resRatio, double deltaNorm, double deltaRate);

	ModelInterface		*m_model;
	LESInterface		*m_les;
	PrecondInterface	*m_precond;

	unsigned int		m_n;
	double				m_t;
	double				m_tNew;
	double				m_dt;
	double				m_dtNext;
	double				m_dtJac;
	double				m_errNorm;
	double				m_maxGrowth;
	bool				m_setupDecision;
	bool				m_setupDuringAttempt;
	bool				m_retry;
	double				m_convRate;
	unsigned int		m_itersThisAttempt;
	/*! Reserved per-attempt counter, stays 0. */
	unsigned int		m_reservedCounter;
	unsigned int		m_stepsSinceSetup;

	std::vector<double>	m_y;
	std::vector<double>	m_ydot;
	std::vector<double>	m_weights;
	std::vector<double>	m_errors;
	std::vector<double>	m_yPrev;
	std::vector<double>	m_yPred;
	std::vector<double>	m_ydotPrev;
	std::vector<double>	m_residual;
	std::vector<double>	m_delta;
	mutable std::vector<double>	m_yOut;
	double				m_residualNorm;

	std::unique_ptr<std::ofstream>	m_statsFile;
};

} // namespace VUREDO

#endif // VUREDO_IntegratorImplicitEulerH
