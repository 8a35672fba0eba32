#include "VUREDO_LESInterfaceDirect.h"

#include <iomanip>
#include <ostream>

#include <cvode/cvode.h>
#include <cvode/cvode_ls.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>

#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_SolverStatistics.h"
#include "VUREDO_SolverTimers.h"

namespace VUREDO {

LESInterfaceDirect::LESInterfaceDirect() :
	m_statNumJacEvals(0)
{
}


LESInterfaceDirect::~LESInterfaceDirect() {
}


void LESInterfaceDirect::writeStatisticsHeader(const std::string & logDirectory, bool restart) {
	std::string fname = logDirectory + "/LES_direct_stats.tsv";
	m_statsFileStream = openStatisticsFile(fname, restart, "[LESInterfaceDirect::writeStatisticsHeader]");
	if (!m_statsFileStream)
		return;
	if (!restart) {
		*m_statsFileStream << std::right << std::setw(25) << "Time\t"
						   << std::setw(13) << "NJacEvals\t"
						   << std::setw(13) << "NRhsEvals" << std::endl;
	}
}


void LESInterfaceDirect::writeStatistics(double t) {
	updateCounters();
	if (!m_statsFileStream)
		return;
	*m_statsFileStream << std::right << std::fixed << std::setprecision(10) << std::setw(25) << t << '\t'
					   << std::setw(13) << m_statNumJacEvals << '\t'
					   << std::setw(13) << m_statNumRHSEvals << '\n';
}


void LESInterfaceDirect::writeMetrics(double wallClockTime, std::ostream * metricsStream) {
	const char * const FUNC_ID = "[LESInterfaceDirect::writeMetrics]";
	updateCounters();
	std::string u = BVX::Time::suitableTimeUnit(wallClockTime);
	double tFact = solverTimerValue(ST_Factorisation);
	double tRHS = solverTimerValue(ST_JacobianModelEvaluations);
	long setups = 0;
	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(m_integrator);
	if (cvode != nullptr && cvode->cvodeMem() != nullptr)
		CVodeGetNumLinSolvSetups(cvode->cvodeMem(), &setups);
	double pFact = wallClockTime > 0 ? tFact / wallClockTime * 100 : 0.0;
	double pRHS = wallClockTime > 0 ? tRHS / wallClockTime * 100 : 0.0;

	BVX::BVX_Message(BVX::FormatText("LES: Jacobian matrix evaluations           =                          %1\n")
					 .arg(m_statNumJacEvals, 8), BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("LES: Matrix factorization                  = %1 (%2 %%)  %3\n")
					 .arg(BVX::Time::format_time_difference(tFact, u), 13)
					 .arg(pFact, 5, 'f', 2).arg(setups, 8), BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("LES: Function evaluation (Jacobian gen.)   = %1 (%2 %%)  %3\n")
					 .arg(BVX::Time::format_time_difference(tRHS, u), 13)
					 .arg(pRHS, 5, 'f', 2).arg(m_statNumRHSEvals, 8), BVX::MSG_PROGRESS, FUNC_ID, 1);

	if (metricsStream != nullptr) {
		std::ostream & out = *metricsStream;
		out << "LESSetups=" << setups << std::endl;
		out << "LESJacEvals=" << m_statNumJacEvals << std::endl;
		out << "LESTimeJacEvals=" << tFact << std::endl;
		out << "LESRHSEvals=" << m_statNumRHSEvals << std::endl;
		out << "LESTimeRHSEvals=" << tRHS << std::endl;
	}
}


void LESInterfaceDirect::updateCounters() {
	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(m_integrator);
	if (cvode == nullptr || cvode->cvodeMem() == nullptr)
		return;
	long jacEvals = 0, rhsEvals = 0;
	CVodeGetNumJacEvals(cvode->cvodeMem(), &jacEvals);
	CVodeGetNumLinRhsEvals(cvode->cvodeMem(), &rhsEvals);
	m_statNumJacEvals = static_cast<unsigned int>(jacEvals);
	m_statNumRHSEvals = static_cast<unsigned int>(rhsEvals);
}

} // namespace VUREDO
