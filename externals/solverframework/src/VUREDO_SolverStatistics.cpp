#include "VUREDO_SolverStatistics.h"

#include <iomanip>
#include <ostream>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>

#include "VUREDO_SolverTimers.h"

namespace VUREDO {

std::unique_ptr<std::ofstream> openStatisticsFile(const std::string & fileName, bool restart,
												  const char * functionID)
{
	std::unique_ptr<std::ofstream> strm(new std::ofstream(fileName.c_str(),
														  restart ? std::ios_base::app : std::ios_base::trunc));
	if (!*strm) {
		BVX::BVX_Message(BVX::FormatText("Cannot open statistics file '%1'.").arg(fileName),
						 BVX::MSG_WARNING, functionID, 1);
		strm.reset();
	}
	return strm;
}


void writeStepSizeColumn(std::ostream & out, double dt) {
	if (dt < 1e-5)
		out << std::scientific << std::setprecision(8);
	else
		out << std::fixed << std::setprecision(6);
	out << std::setw(14) << dt << '\n';
}


double percentage(double part, double whole) {
	return whole > 0 ? part / whole * 100 : 0.0;
}


void writeIntegratorMetricsLog(const IntegratorCounters & c, double wallClockSeconds, const char * functionID) {
	const double tRhs = solverTimerValue(ST_RightHandSide);
	const double tSetup = solverTimerValue(ST_LinearSetup);
	const double tSolve = solverTimerValue(ST_LinearSolve);
	const std::string u = BVX::Time::suitableTimeUnit(wallClockSeconds);

	auto count = [functionID](const char * text, long value) {
		BVX::BVX_Message(BVX::FormatText(text).arg(value, 8), BVX::MSG_PROGRESS, functionID, 1);
	};
	auto timed = [functionID, &u, wallClockSeconds](const char * text, double t, long value) {
		BVX::BVX_Message(BVX::FormatText(text)
						 .arg(BVX::Time::format_time_difference(t, u), 13)
						 .arg(percentage(t, wallClockSeconds), 5, 'f', 2)
						 .arg(value, 8), BVX::MSG_PROGRESS, functionID, 1);
	};
	count("Integrator: Steps                          =                          %1\n", c.m_steps);
	count("Integrator: Newton iterations              =                          %1\n", c.m_newtonIters);
	count("Integrator: Newton convergence failures    =                          %1\n", c.m_newtonConvFails);
	count("Integrator: Error test failures            =                          %1\n", c.m_errFails);
	timed("Integrator: Function evaluation (Newton)   = %1 (%2 %%)  %3\n", tRhs, c.m_rhsEvals);
	timed("Integrator: LES setup                      = %1 (%2 %%)  %3\n", tSetup, c.m_lesSetups);
	timed("Integrator: LES solve                      = %1 (%2 %%)  %3\n", tSolve, c.m_newtonIters);
}

} // namespace VUREDO
