#include "VUREDO_SolverControlFramework.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>

#include "VUREDO_IntegratorInterface.h"
#include "VUREDO_IntegratorSundialsCVODE.h"
#include "VUREDO_LESDense.h"
#include "VUREDO_LESInterface.h"
#include "VUREDO_ModelInterface.h"
#include "VUREDO_OutputScheduler.h"
#include "VUREDO_PrecondInterface.h"
#include "VUREDO_SolverStatistics.h"
#include "VUREDO_SolverTimers.h"

namespace VUREDO {

namespace {

/*! Steady wall clock in seconds (for the restart interval). */
double wallClockSeconds() {
	return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

/*! Reads one restart block body (n values) after t and n; false on a short read. */
bool readValues(std::istream & in, double * y, std::int32_t n) {
	in.read(reinterpret_cast<char *>(y), static_cast<std::streamsize>(sizeof(double)) * n);
	return static_cast<bool>(in);
}

void writeBlock(std::ostream & out, double t, std::int32_t n, const double * y) {
	out.write(reinterpret_cast<const char *>(&t), sizeof(double));
	out.write(reinterpret_cast<const char *>(&n), sizeof(std::int32_t));
	out.write(reinterpret_cast<const char *>(y), static_cast<std::streamsize>(sizeof(double)) * n);
}

const char * const DASHED_LINE =
		"------------------------------------------------------------------------------\n";

} // namespace


SolverControlFramework::SolverControlFramework(ModelInterface * model) :
	m_restartFileMode(0),
	m_restartIntervalSimTime(86400.0),
	m_restartIntervalWallClock(900.0),
	m_stopAfterInit(false),
	m_writeStatsEveryStep(false),
	m_model(nullptr),
	m_integrator(nullptr),
	m_lesSolver(nullptr),
	m_preconditioner(nullptr),
	m_jacobian(nullptr),
	m_outputScheduler(nullptr)
{
	if (model != nullptr)
		setModel(model);
}


SolverControlFramework::~SolverControlFramework() {
}


void SolverControlFramework::stepDone(double, bool) {
}


void SolverControlFramework::setModel(ModelInterface * model) {
	m_defaultIntegrator.reset();
	m_defaultLES.reset();
	m_defaultOutputScheduler.reset();
	m_model = model;
	m_integrator = nullptr;
	m_lesSolver = nullptr;
	m_preconditioner = nullptr;
	m_jacobian = nullptr;
	m_outputScheduler = nullptr;
	if (model == nullptr)
		return;

	m_integrator = model->integratorInterface();
	if (m_integrator == nullptr) {
		m_defaultIntegrator.reset(new IntegratorSundialsCVODE);
		m_integrator = m_defaultIntegrator.get();
	}
	m_lesSolver = model->lesInterface();
	if (m_lesSolver == nullptr) {
		BVX::BVX_Message("Using generic Dense solver!\n", BVX::MSG_PROGRESS, "[SolverControlFramework::setModel]", 2);
		m_defaultLES.reset(new LESDense);
		m_lesSolver = m_defaultLES.get();
	}
	m_preconditioner = model->preconditionerInterface();
	m_jacobian = model->jacobianInterface();
	m_outputScheduler = model->outputScheduler();
	if (m_outputScheduler == nullptr) {
		m_defaultOutputScheduler.reset(new OutputScheduler);
		m_outputScheduler = m_defaultOutputScheduler.get();
	}
}


void SolverControlFramework::setOutputScheduler(OutputScheduler * scheduler) {
	m_outputScheduler = scheduler;
}


void SolverControlFramework::checkSetup(const char * functionID) const {
	if (m_model == nullptr || m_integrator == nullptr || m_outputScheduler == nullptr)
		throw BVX::Exception("Missing model, integrator or outputScheduler.", functionID);
}


void SolverControlFramework::initIntegrator(double t, const double * y) {
	const char * const FUNC_ID = "[SolverControlFramework::restart]";
	// every run measures its own time shares
	solverTimerResetAll();
	try {
		m_integrator->init(m_model, t, y, m_lesSolver, m_preconditioner, m_jacobian);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, "Initialization of Integrator failed.", FUNC_ID);
	}
}


void SolverControlFramework::restart(int step) {
	const char * const FUNC_ID = "[SolverControlFramework::restart]";
	checkSetup(FUNC_ID);
	if (step != 0) {
		restartFromFile(step);
		return;
	}
	initIntegrator(m_model->t0(), m_model->y0());
	if (m_stopAfterInit) {
		BVX::BVX_Message("Stopping after successful initialization of integrator.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		return;
	}
	if (m_restartFilename.isValid()) {
		// a new run starts a new restart file; appending to the blocks of a former run
		// would continue a later restart from that run's states
		std::ofstream f(m_restartFilename.str().c_str(), std::ios_base::binary | std::ios_base::trunc);
		f.close();
		if (!f)
			throw BVX::Exception(BVX::FormatText("Cannot open restart file '%1' for writing.")
								 .arg(m_restartFilename.str()), FUNC_ID);
	}
	run(m_model->t0());
}


void SolverControlFramework::restartFromFile(int step) {
	const char * const FUNC_ID = "[SolverControlFramework::restart]";
	std::vector<double> y(m_model->n(), 0.0);
	double t = 0;
	bool success = false;
	BVX::Path tmpPath = m_restartFilename;
	if (m_restartFilename.isValid()) {
		tmpPath.addExtension("tmp");
		std::ofstream tmp(tmpPath.str().c_str(), std::ios_base::binary | std::ios_base::trunc);
		success = readRestartFile(step, 0.0, t, y.data(), &tmp);
		tmp.close();
		if (success && !tmp)
			success = false;
	}
	else {
		BVX::BVX_Message("Cannot open restart file '' for reading.", BVX::MSG_ERROR, "[SolverControlFramework::readRestartFile]", -1);
	}
	if (!success) {
		if (tmpPath.isValid())
			std::remove(tmpPath.str().c_str());
		throw BVX::Exception("Error reading restart data.", FUNC_ID);
	}
	// renaming replaces the restart file in one go, so a crash leaves either file intact
	if (std::rename(tmpPath.str().c_str(), m_restartFilename.str().c_str()) != 0)
		throw BVX::Exception(BVX::FormatText("Couldn't copy temporary file '%1' to '%2'.")
							 .arg(tmpPath.str()).arg(m_restartFilename.str()), FUNC_ID);

	initIntegrator(t, y.data());
	if (m_stopAfterInit) {
		BVX::BVX_Message("Stopping after successful initialization of integrator.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		return;
	}
	run(t);
}


double SolverControlFramework::run(double t) {
	const char * const FUNC_ID = "[SolverControlFramework::run]";
	checkSetup(FUNC_ID);
	BVX::BVX_Message("\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Running solver from time t=%1\n").arg(t), BVX::MSG_PROGRESS, FUNC_ID, 1);
	m_stopWatch.start();
	try {
		runLoop(t);
	}
	catch (BVX::Exception & ex) {
		m_stopWatch.stop();
		flushStatistics();
		throw BVX::Exception(ex, "Error during integration.", FUNC_ID);
	}
	catch (std::exception & ex) {
		m_stopWatch.stop();
		flushStatistics();
		throw BVX::Exception(BVX::FormatText("%1\nError during integration.").arg(ex.what()), FUNC_ID);
	}
	const double seconds = m_stopWatch.stop();
	flushStatistics();
	return seconds;
}


void SolverControlFramework::flushStatistics() {
	m_integrator->flushStatistics();
	if (m_lesSolver != nullptr)
		m_lesSolver->flushStatistics();
	if (m_preconditioner != nullptr)
		m_preconditioner->flushStatistics();
}


void SolverControlFramework::writeOutputsAt(double tOut, const double * yOut) {
	ScopedSolverTimer timer(ST_OutputWriting);
	m_model->writeOutputs(tOut, yOut);
}


void SolverControlFramework::runLoop(double t) {
	const char * const FUNC_ID = "[SolverControlFramework::run]";
	const double tEnd = m_model->tEnd();
	double tOut = m_outputScheduler->nextOutputTime(t);
	double w = wallClockSeconds();
	const bool isRestart = (t != m_model->t0());

	{
		ScopedSolverTimer timer(ST_StepCompleted);
		double tInt = m_integrator->t();
		m_model->stepCompleted(tInt, m_integrator->y_out(tInt));
	}
	if (!isRestart)
		writeOutputsAt(m_model->t0(), m_model->y0());

	m_integrator->writeStatisticsHeader(m_logDirectory, isRestart);
	if (m_lesSolver != nullptr)
		m_lesSolver->writeStatisticsHeader(m_logDirectory, isRestart);
	if (m_preconditioner != nullptr)
		m_preconditioner->writeStatisticsHeader(m_logDirectory, isRestart);

	double tLastRestart = t;
	bool finalRestartWritten = false;
	bool outputsDone = false;
	while (tEnd > t) {
		if (m_integrator->step() != 1)
			throw BVX::Exception("Error during integrator step call.", FUNC_ID);

		// an integrator held at a stop time below the end time would loop here forever
		const double tPrevious = t;
		t = m_integrator->t();
		if (!(t > tPrevious))
			throw BVX::Exception(BVX::FormatText("Integrator does not advance beyond t = %1 s (end time %2 s).")
								 .arg(t).arg(tEnd), FUNC_ID);
		const double * y = m_integrator->y_out(t);
		{
			ScopedSolverTimer timer(ST_StepCompleted);
			m_model->stepCompleted(t, y);
		}

		bool outputWritten = false;
		while (!outputsDone && tOut <= t + 1e-8) {
			const double * yOut = m_integrator->y_out(tOut);
			writeOutputsAt(tOut, yOut);
			if (tOut + 1e-8 > tEnd) {
				appendRestartInfo(tEnd, yOut);
				finalRestartWritten = true;
			}
			stepDone(tOut, true);
			w = wallClockSeconds();
			outputWritten = true;
			double tNext = m_outputScheduler->nextOutputTime(tOut);
			if (tNext <= tOut)
				throw BVX::Exception(BVX::FormatText("Output scheduler returned output time %1, which is <= last output time %2.")
									 .arg(tNext).arg(tOut), FUNC_ID);
			tOut = tNext;
			if (tNext > tEnd + 1e-8)
				outputsDone = true;
		}
		// y_out() may have replaced the state array's content: ask again
		y = m_integrator->y_out(t);

		if (outputWritten || m_writeStatsEveryStep) {
			m_integrator->writeStatistics();
			if (m_lesSolver != nullptr)
				m_lesSolver->writeStatistics(t);
			if (m_preconditioner != nullptr)
				m_preconditioner->writeStatistics(t);
		}
		stepDone(t, false);

		if (!finalRestartWritten) {
			double now = wallClockSeconds();
			bool due = (t - tLastRestart > m_restartIntervalSimTime) || (now - w > m_restartIntervalWallClock);
			if (due || t >= tEnd) {
				if (t < tEnd) {
					appendRestartInfo(t, y);
					tLastRestart = t;
				}
				else {
					appendRestartInfo(tEnd, m_integrator->y_out(tEnd));
					tLastRestart = tEnd;
				}
				w = wallClockSeconds();
			}
		}
	}
	stepDone(t, false);
}


void SolverControlFramework::appendRestartInfo(double t, const double * y) {
	const char * const FUNC_ID = "[SolverControlFramework::appendRestartInfo]";
	if (!m_restartFilename.isValid())
		return;
	std::int32_t n = static_cast<std::int32_t>(m_model->n());
	if (m_restartFileMode == 1) {
		std::ofstream out(m_restartFilename.str().c_str(), std::ios_base::binary | std::ios_base::app);
		if (!out)
			throw BVX::Exception(BVX::FormatText("Cannot open restart file '%1' for writing.")
								 .arg(m_restartFilename.str()), FUNC_ID);
		writeBlock(out, t, n, y);
		// a block cut short by a full disk is ignored when reading, but the run must know
		out.close();
		if (!out)
			throw BVX::Exception(BVX::FormatText("Cannot write restart file '%1'.")
								 .arg(m_restartFilename.str()), FUNC_ID);
		return;
	}
	// Mode 0: the new block goes into a temporary file that then replaces the old
	// file, so an interruption never leaves the run without a complete restart block.
	BVX::Path tmpPath = m_restartFilename;
	tmpPath.addExtension("new");
	{
		std::ofstream out(tmpPath.str().c_str(), std::ios_base::binary | std::ios_base::trunc);
		if (!out)
			throw BVX::Exception(BVX::FormatText("Cannot open restart file '%1' for writing.")
								 .arg(m_restartFilename.str()), FUNC_ID);
		writeBlock(out, t, n, y);
		out.close();
		if (!out)
			throw BVX::Exception(BVX::FormatText("Cannot open restart file '%1' for writing.")
								 .arg(m_restartFilename.str()), FUNC_ID);
	}
	if (std::rename(tmpPath.str().c_str(), m_restartFilename.str().c_str()) != 0)
		throw BVX::Exception(BVX::FormatText("Cannot open restart file '%1' for writing.")
							 .arg(m_restartFilename.str()), FUNC_ID);
}


bool SolverControlFramework::readRestartFile(int step, double t, double & tOut, double * yOut, std::ostream * copyStream) {
	const char * const FUNC_ID = "[SolverControlFramework::readRestartFile]";
	std::ifstream in(m_restartFilename.str().c_str(), std::ios_base::binary);
	if (!in) {
		BVX::BVX_Message(BVX::FormatText("Cannot open restart file '%1' for reading.").arg(m_restartFilename.str()),
						 BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	// first block: t and n, then n is checked before any value is read
	std::int32_t n = 0;
	in.read(reinterpret_cast<char *>(&tOut), sizeof(double));
	in.read(reinterpret_cast<char *>(&n), sizeof(std::int32_t));
	if (!in) {
		BVX::BVX_Message("Failed to read first block in restart file.", BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	const std::int32_t nModel = static_cast<std::int32_t>(m_model->n());
	if (n <= 0 || n != nModel) {
		BVX::BVX_Message(BVX::FormatText("Size mismatch between restart file (n = %1) and size returned by model (n = %2)")
						 .arg(n).arg(nModel), BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	if (!readValues(in, yOut, n)) {
		BVX::BVX_Message("Failed to read first block in restart file.", BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}

	const std::streamoff blockSize = 8 * static_cast<std::streamoff>(n) + 12;
	std::vector<double> yBlock(static_cast<std::size_t>(n));

	if (step == -1) {
		// last complete block; a partial block at the end (interrupted append) is ignored
		in.seekg(0, std::ios_base::end);
		std::streamoff fileSize = in.tellg();
		std::streamoff nBlocks = fileSize / blockSize;
		in.seekg((nBlocks - 1) * blockSize, std::ios_base::beg);
		std::int32_t nBlock = 0;
		in.read(reinterpret_cast<char *>(&tOut), sizeof(double));
		in.read(reinterpret_cast<char *>(&nBlock), sizeof(std::int32_t));
		if (!in || nBlock != n || !readValues(in, yOut, n)) {
			BVX::BVX_Message("Error reading last block in restart file.", BVX::MSG_ERROR, FUNC_ID, -1);
			return false;
		}
		if (copyStream != nullptr) {
			in.clear();
			in.seekg(0, std::ios_base::beg);
			std::vector<char> buf(static_cast<std::size_t>(nBlocks * blockSize));
			in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
			copyStream->write(buf.data(), static_cast<std::streamsize>(buf.size()));
		}
		return true;
	}

	in.seekg(0, std::ios_base::beg);
	double tPrev = tOut;
	for (int i = 1; ; ++i) {
		if (i == step)
			return true; // tOut/yOut hold block i-1 (block 1 for step 1)
		double tBlock = 0;
		std::int32_t nBlock = 0;
		in.read(reinterpret_cast<char *>(&tBlock), sizeof(double));
		if (in.gcount() == 0 && in.eof()) {
			if (step == -2)
				return true; // every stored block lies before t
			BVX::BVX_Message(BVX::FormatText("Restart file has only %1 steps stored, so we cannot continue from step #%2")
							 .arg(i - 1).arg(step), BVX::MSG_ERROR, FUNC_ID, -1);
			return false;
		}
		in.read(reinterpret_cast<char *>(&nBlock), sizeof(std::int32_t));
		if (!in || nBlock != n || !readValues(in, yBlock.data(), n)) {
			BVX::BVX_Message(BVX::FormatText("Error reading block after time t = %1 in restart file.").arg(tPrev),
							 BVX::MSG_ERROR, FUNC_ID, -1);
			return false;
		}
		if (step == -2 && tBlock > t - 1e-10) {
			if (i == 1) {
				tOut = tBlock;
				std::copy(yBlock.begin(), yBlock.end(), yOut);
			}
			return true;
		}
		if (copyStream != nullptr)
			writeBlock(*copyStream, tBlock, n, yBlock.data());
		tOut = tBlock;
		std::copy(yBlock.begin(), yBlock.end(), yOut);
		tPrev = tBlock;
	}
}


bool SolverControlFramework::writeStatistics() {
	const char * const FUNC_ID = "[SolverControlFramework::writeStatistics]";
	BVX::BVX_Message("\nSolver statistics\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(DASHED_LINE, BVX::MSG_PROGRESS, FUNC_ID, 1);

	double wall = m_stopWatch.difference() / 1000.0;
	std::string u = BVX::Time::suitableTimeUnit(wall);
	BVX::BVX_Message(BVX::FormatText("Wall clock time                            = %1\n")
					 .arg(BVX::Time::format_time_difference(wall, u), 13), BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Clock of the time shares                   = %1\n").arg(solverTimerClockName()),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(DASHED_LINE, BVX::MSG_PROGRESS, FUNC_ID, 1);

	std::unique_ptr<std::ofstream> summary;
	if (!m_logDirectory.empty()) {
		std::string fname = m_logDirectory + "/summary.txt";
		summary.reset(new std::ofstream(fname.c_str(), std::ios_base::trunc));
		if (!*summary) {
			BVX::BVX_Message(BVX::FormatText("Cannot create summary file '%1'.").arg(fname), BVX::MSG_WARNING, FUNC_ID, 1);
			summary.reset();
		}
		else {
			*summary << "WallClockTime=" << wall << std::endl;
		}
	}

	double tOut = solverTimerValue(ST_OutputWriting);
	double tStep = solverTimerValue(ST_StepCompleted);
	BVX::BVX_Message(BVX::FormatText("Framework: Output writing                  = %1 (%2 %%)    \n")
					 .arg(BVX::Time::format_time_difference(tOut, u), 13)
					 .arg(percentage(tOut, wall), 5, 'f', 2), BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Framework: Step-completed calculations     = %1 (%2 %%)    \n")
					 .arg(BVX::Time::format_time_difference(tStep, u), 13)
					 .arg(percentage(tStep, wall), 5, 'f', 2), BVX::MSG_PROGRESS, FUNC_ID, 1);
	if (summary) {
		*summary << "FrameworkTimeWriteOutputs=" << tOut << std::endl;
		*summary << "FrameworkTimeStepCompleted=" << tStep << std::endl;
	}

	if (m_integrator != nullptr)
		m_integrator->writeMetrics(wall, summary.get());
	if (m_lesSolver != nullptr)
		m_lesSolver->writeMetrics(wall, summary.get());
	if (m_model != nullptr)
		m_model->writeMetrics(wall, summary.get());
	BVX::BVX_Message(DASHED_LINE, BVX::MSG_PROGRESS, FUNC_ID, 1);
	if (summary) {
		// the lines written after a successful open may still fail (full disk)
		summary->close();
		if (!*summary) {
			BVX::BVX_Message(BVX::FormatText("Cannot write summary file '%1'.").arg(m_logDirectory + "/summary.txt"),
							 BVX::MSG_ERROR, FUNC_ID, -1);
			return false;
		}
	}
	return true;
}

} // namespace VUREDO
