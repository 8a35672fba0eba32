#ifndef VUREDO_LESInterfaceIterativeH
#define VUREDO_LESInterfaceIterativeH

#include "VUREDO_LESInterface.h"

namespace VUREDO {

/*! Intermediate base of the Krylov solvers: settings, counters and statistics.
	The CVODE integrator registers its preconditioner and J*v callbacks only for
	solvers of this kind.
*/
class LESInterfaceIterative : public LESInterface {
public:
	LESInterfaceIterative();
	~LESInterfaceIterative() override;

	/*! Opens "LES_iterative_stats.tsv" in logDirectory (appends on restart). */
	void writeStatisticsHeader(const std::string & logDirectory, bool restart) override;
	void writeStatistics(double t) override;
	void writeMetrics(double wallClockTime, std::ostream * metricsStream) override;
	/*! With CVODE: reads the Krylov counters of CVODE's linear-solver interface;
		otherwise the solver's own counts stay. */
	void updateCounters() override;

	/*! Linear convergence coefficient (EpsLin); 0 selects the default. */
	double			m_linIterConvCoeff;
	/*! Maximum Krylov dimension. */
	unsigned int	m_maxKrylovDim;

	unsigned int	m_statNumLinIters;
	unsigned int	m_statNumLinConvFails;
	unsigned int	m_statNumPrecSetups;
	unsigned int	m_statNumPrecSolves;
	unsigned int	m_statNumJacTimesEvals;

protected:
	/*! Common CVODE part of init(): preconditioning type from the components (throws for
		a preconditioner of type 0), returns it. solverName is "LESGMRES" or "LESBiCGStab". */
	int cvodePreconditioningType(const char * solverName, const char * functionID) const;
	/*! Sets EpsLin on the CVODE memory when it is not 0. */
	void applyEpsLin(void * cvodeMem, const char * functionID) const;

	/*! Not owned; either may be null. */
	PrecondInterface	*m_precond;
	JacobianInterface	*m_jacobian;
};

} // namespace VUREDO

#endif // VUREDO_LESInterfaceIterativeH
