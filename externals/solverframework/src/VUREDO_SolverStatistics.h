#ifndef VUREDO_SolverStatisticsH
#define VUREDO_SolverStatisticsH

#include <fstream>
#include <iosfwd>
#include <memory>
#include <string>

namespace VUREDO {

/*! Opens a per-step statistics file, appending on restart, else truncating it.
	When it cannot be opened a warning is logged under functionID and null returned. */
std::unique_ptr<std::ofstream> openStatisticsFile(const std::string & fileName, bool restart,
												  const char * functionID);

/*! Last column of a per-step statistics line, with the line end: the step size in
	scientific notation below 1e-5 s, fixed with 6 decimals otherwise. */
void writeStepSizeColumn(std::ostream & out, double dt);

/*! Share of part in whole in percent; 0 when whole is not positive. */
double percentage(double part, double whole);

/*! Counters of an integrator run shown in the final statistics. */
struct IntegratorCounters {
	long	m_steps;
	long	m_newtonIters;
	long	m_newtonConvFails;
	long	m_errFails;
	long	m_rhsEvals;
	long	m_lesSetups;
};

/*! Logs the integrator counters with the times of the solver timer slots 0..2
	(right-hand side, LES setup, LES solve) and their share of the wall-clock time. */
void writeIntegratorMetricsLog(const IntegratorCounters & c, double wallClockSeconds, const char * functionID);

} // namespace VUREDO

#endif // VUREDO_SolverStatisticsH
