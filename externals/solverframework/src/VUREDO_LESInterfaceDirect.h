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

	/*! Logs the attach error of the CVODE linear-solver module by its result code
		(-4 memory, -3 input, other) and throws "Error initializing linear equation solver.".
		moduleName is the name used in the messages, e.g. "CVDense". */
	[[noreturn]] static void throwAttachError(int result, const char * moduleName, const char * functionID);
};

} // namespace VUREDO

#endif // VUREDO_LESInterfaceDirectH
