#ifndef VUREDO_LESInterfaceDirectH
#define VUREDO_LESInterfaceDirectH

#include "VUREDO_LESInterface.h"

namespace VUREDO {

/*! Intermediate base of the direct solvers: Jacobian counter and statistics.
	The shared updateCounters() reads CVODE's counters of a matrix-based linear solver
	(Jacobian evaluations, right-hand-side evaluations of CVODE's DQ Jacobian).
*/
class LESInterfaceDirect : public LESInterface {
public:
	LESInterfaceDirect();
	~LESInterfaceDirect() override;

	/*! Opens "LES_direct_stats.tsv" in logDirectory (appends on restart). */
	void writeStatisticsHeader(const std::string & logDirectory, bool restart) override;
	void writeStatistics(double t) override;
	void writeMetrics(double wallClockTime, std::ostream * metricsStream) override;
	void updateCounters() override;

	/*! Jacobian (iteration matrix) evaluations. */
	unsigned int nJacEvals() const { return m_statNumJacEvals; }

protected:
	/*! Jacobian (iteration matrix) evaluations. */
	unsigned int	m_statNumJacEvals;
};

} // namespace VUREDO

#endif // VUREDO_LESInterfaceDirectH
