#include "VUREDO_LESInterfaceIterative.h"

#include <iomanip>
#include <ostream>

#include <cvode/cvode.h>
#include <cvode/cvode_ls.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>

#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_JacobianInterface.h"
#include "VUREDO_PrecondInterface.h"
#include "VUREDO_SolverStatistics.h"
#include "VUREDO_SolverTimers.h"

namespace VUREDO {

LESInterfaceIterative::LESInterfaceIterative() :
	m_linIterConvCoeff(0),
	m_maxKrylovDim(50),
	m_statNumLinIters(0),
	m_statNumLinConvFails(0),
	m_statNumPrecSetups(0),
	m_statNumPrecSolves(0),
	m_statNumJacTimesEvals(0),
	m_precond(nullptr),
	m_jacobian(nullptr)
{
}


LESInterfaceIterative::~LESInterfaceIterative() {
}


void LESInterfaceIterative::writeStatisticsHeader(const std::string & logDirectory, bool restart) {
	std::string fname = logDirectory + "/LES_iterative_stats.tsv";
	m_statsFileStream = openStatisticsFile(fname, restart, "[LESInterfaceIterative::writeStatisticsHeader]");
	if (!m_statsFileStream)
		return;
	if (!restart) {
		*m_statsFileStream << std::right << std::setw(25) << "Time\t"
						   << std::setw(10) << "NLIters\t"
						   << std::setw(10) << "NLCFails\t"
						   << std::setw(10) << "NPEvals\t"
						   << std::setw(10) << "NPSolve\t"
						   << std::setw(13) << "NJvEvals\t"
						   << std::setw(13) << "NRhsEvals" << std::endl;
	}
}


void LESInterfaceIterative::writeStatistics(double t) {
	updateCounters();
	if (!m_statsFileStream)
		return;
	*m_statsFileStream << std::right << std::fixed << std::setprecision(10) << std::setw(25) << t << '\t'
					   << std::setw(10) << m_statNumLinIters << '\t'
					   << std::setw(10) << m_statNumLinConvFails << '\t'
					   << std::setw(10) << m_statNumPrecSetups << '\t'
					   << std::setw(10) << m_statNumPrecSolves << '\t'
					   << std::setw(13) << m_statNumJacTimesEvals << '\t'
					   << std::setw(13) << m_statNumRHSEvals << '\n';
}


void LESInterfaceIterative::writeMetrics(double wallClockTime, std::ostream * metricsStream) {
	const char * const FUNC_ID = "[LESInterfaceIterative::writeMetrics]";
	updateCounters();
	const std::string u = BVX::Time::suitableTimeUnit(wallClockTime);
	const double tLS = solverTimerValue(ST_JvModelEvaluations);
	const double tJac = solverTimerValue(ST_JacobianModelEvaluations);
	const double tAssembly = solverTimerValue(ST_JacobianSetup);
	const double tMV = solverTimerValue(ST_MatrixVectorProducts);
	const double tPreRHS = solverTimerValue(ST_PreconditionerModelEvaluations);
	const double tPreSetup = solverTimerValue(ST_PreconditionerSetup);
	const double tPreSolve = solverTimerValue(ST_PreconditionerSolve);
	const unsigned int jacRHS = m_jacobian != nullptr ? m_jacobian->nRHSEvals() : 0;
	const unsigned int preRHS = m_precond != nullptr ? m_precond->nRHSEvals() : 0;

	auto count = [=](const char * text, unsigned int c) {
		BVX::BVX_Message(BVX::FormatText(text).arg(c, 8), BVX::MSG_PROGRESS, FUNC_ID, 1);
	};
	auto timed = [=, &u](const char * text, double t) -> BVX::FormatText {
		return BVX::FormatText(text).arg(BVX::Time::format_time_difference(t, u), 13)
				.arg(wallClockTime > 0 ? t/wallClockTime*100 : 0.0, 5, 'f', 2);
	};
	auto msg = [=](const BVX::FormatText & t) { BVX::BVX_Message(t, BVX::MSG_PROGRESS, FUNC_ID, 1); };

	count("LES: Linear iterations                     =                          %1\n", m_statNumLinIters);
	count("LES: Linear convergence failures           =                          %1\n", m_statNumLinConvFails);
	msg(timed("LES: Function evaluations (LS solve)       = %1 (%2 %%)\n", tLS));
	msg(timed("LES: Function evaluations (Jacobian gen.)  = %1 (%2 %%)  %3\n", tJac).arg(jacRHS, 8));
	msg(timed("LES: Jacobian matrix assembly time         = %1 (%2 %%)\n", tAssembly));
	msg(timed("LES: Matrix-vector multiplications         = %1 (%2 %%)  %3\n", tMV).arg(m_statNumJacTimesEvals, 8));
	msg(timed("LES: Function evaluations (precond. setup) = %1 (%2 %%)  %3\n", tPreRHS).arg(preRHS, 8));
	msg(timed("LES: Preconditioner setup                  = %1 (%2 %%)  %3\n", tPreSetup).arg(m_statNumPrecSetups, 8));
	msg(timed("LES: Preconditioner solves                 = %1 (%2 %%)  %3\n", tPreSolve).arg(m_statNumPrecSolves, 8));

	if (metricsStream != nullptr) {
		std::ostream & out = *metricsStream;
		out << "LESLinearIters=" << m_statNumLinIters << std::endl;
		out << "LESLinearConvFails=" << m_statNumLinConvFails << std::endl;
		out << "LESRHSEvals=" << m_statNumRHSEvals << std::endl;
		out << "LESTimeRHSEvals=" << tLS << std::endl;
		out << "LESRHSEvalsJacGeneration=" << jacRHS << std::endl;
		out << "LESTimeRHSEvalsJacGeneration=" << tJac << std::endl;
		out << "LESTimeJacAssembly=" << tAssembly << std::endl;
		out << "LESMatrixVectorMult=" << m_statNumJacTimesEvals << std::endl;
		out << "LESTimeMatrixVectorMult=" << tMV << std::endl;
		out << "LESRHSEvalsPreSetup=" << preRHS << std::endl;
		out << "LESTimeRHSEvalsPreSetup=" << tPreRHS << std::endl;
		out << "LESPreSetup=" << m_statNumPrecSetups << std::endl;
		out << "LESTimePreSetup=" << tPreSetup << std::endl;
		out << "LESPreSolves=" << m_statNumPrecSolves << std::endl;
		out << "LESTimePreSolves=" << tPreSolve << std::endl;
	}
}


void LESInterfaceIterative::updateCounters() {
	IntegratorSundialsCVODE * cvode = dynamic_cast<IntegratorSundialsCVODE *>(m_integrator);
	if (cvode == nullptr || cvode->cvodeMem() == nullptr)
		return;
	void * mem = cvode->cvodeMem();
	long v = 0;
	CVodeGetNumLinIters(mem, &v);		m_statNumLinIters = static_cast<unsigned int>(v);
	CVodeGetNumLinConvFails(mem, &v);	m_statNumLinConvFails = static_cast<unsigned int>(v);
	CVodeGetNumPrecEvals(mem, &v);		m_statNumPrecSetups = static_cast<unsigned int>(v);
	CVodeGetNumPrecSolves(mem, &v);		m_statNumPrecSolves = static_cast<unsigned int>(v);
	CVodeGetNumJtimesEvals(mem, &v);	m_statNumJacTimesEvals = static_cast<unsigned int>(v);
	CVodeGetNumLinRhsEvals(mem, &v);	m_statNumRHSEvals = static_cast<unsigned int>(v);
}


int LESInterfaceIterative::cvodePreconditioningType(const char * solverName, const char * functionID) const {
	if (m_precond == nullptr)
		return m_jacobian == nullptr ? 0 : 1; // with a Jacobian: left, the solve callback copies r to z
	int type = m_precond->preconditionerType();
	if (type < 1 || type > 3)
		throw BVX::Exception(BVX::FormatText("Error initialising preconditioner for %1 linear equation solver: "
											 "Preconditioner attribute 'Left', 'Right' or 'Both is enforced.").arg(solverName),
							 functionID);
	return type;
}


void LESInterfaceIterative::applyEpsLin(void * cvodeMem, const char * functionID) const {
	if (m_linIterConvCoeff == 0)
		return; // CVODE keeps its default
	BVX::BVX_Message(BVX::FormatText("Setting EpsLin (eplifac,linIterConvCoeff) to %1.\n").arg(m_linIterConvCoeff),
					 BVX::MSG_PROGRESS, functionID, 1);
	CVodeSetEpsLin(cvodeMem, m_linIterConvCoeff);
}

} // namespace VUREDO
