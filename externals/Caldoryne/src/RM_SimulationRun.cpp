#include "RM_SimulationRun.h"
#include "RM_RunPreparation.h"

#include <chrono>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Path.h>

#include <QtExt_Directories.h>
#include <QtExt_ProgramFolder.h>

#include <VUREDO_SolverControlFramework.h>

#include "RM_CaldoryneModelInterface.h"
#include "RM_LogBanner.h"

namespace RM {

namespace {

/*! Why dir cannot be created: the first existing path on the way is no directory, or no
	file can be made in it (with the system's reason). */
QString directoryProblem(const QString & dir) {
	QFileInfo existing(dir);
	while (!existing.exists() && !existing.isRoot() && existing.absolutePath() != existing.absoluteFilePath())
		existing.setFile(existing.absolutePath());
	if (existing.exists() && !existing.isDir())
		return QString("'%1' exists and is not a directory").arg(existing.absoluteFilePath());
	QTemporaryFile probe(existing.absoluteFilePath() + "/XXXXXX");
	if (!probe.open())
		return QString("cannot write in '%1': %2").arg(existing.absoluteFilePath(), probe.errorString());
	return QString("reason unknown");
}

} // namespace


SimulationRun::SimulationRun() :
	m_model(new CaldoryneModelInterface),
	m_wallTime(0)
{
}


SimulationRun::~SimulationRun() {
}


QString SimulationRun::runDirectoryOf(const QString & projectFile) {
	if (projectFile.isEmpty())
		return QDir::home().absoluteFilePath("CaldoryneDefaultProject");
	const BVX::Path project(QFileInfo(projectFile).absoluteFilePath().toUtf8().toStdString());
	return QString::fromUtf8(project.withoutExtension().str().c_str());
}


void SimulationRun::prepare(const QString & runDirectory) {
	const char * const FUNC_ID = "[SimulationRun::prepare]";
	m_runDirectory = QFileInfo(runDirectory).absoluteFilePath();
	// the messages stay in the program log until the screen log is open
	m_logFile = QtExt::Directories::globalLogFile();
	const QString logDir = m_runDirectory + "/log";
	// the run folder may be a link the user made; the log folder inside has the program's name
	QString problem;
	if (!QtExt::ProgramFolder::make(m_runDirectory, QtExt::ProgramFolder::FollowLink, problem)
			|| !QtExt::ProgramFolder::make(logDir, QtExt::ProgramFolder::RefuseLink, problem))
	{
		closeLog();
		throw BVX::Exception(BVX::FormatText("Cannot create run directory '%1': %2.").arg(logDir.toStdString())
							 .arg((problem.isEmpty() ? directoryProblem(logDir) : problem).toStdString()), FUNC_ID);
	}

	BVX::MessageHandler * handler = BVX::MessageHandlerRegistry::instance().msgHandler();
	std::string errmsg;
	m_logFile = screenLogPath();
	if (writeLogBanner(m_logFile) && handler->openLogFile(m_logFile.toUtf8().toStdString(), true, errmsg))
		return;
	// the run's messages stay in the program log; name that one in every message
	closeLog();
	m_logFile = QtExt::Directories::globalLogFile();
	BVX::BVX_Message(BVX::FormatText("Cannot write screen log file '%1', logging to '%2'.")
					 .arg(screenLogPath().toStdString()).arg(m_logFile.toStdString()), BVX::MSG_WARNING, FUNC_ID, 1);
}


void SimulationRun::init(const Room & room, const Climate & climate, const Database & db) {
	// the model points into the run's own copy of the database, so the copy is taken first
	m_db = db;
	prepareRun(*m_model, room, climate, m_db);
}


SimulationRun::Result SimulationRun::integrate(VUREDO::SolverControlFramework & framework,
											   BVX::NotificationHandler * handler)
{
	const char * const FUNC_ID = "[SimulationRun::integrate]";
	framework.m_logDirectory = QString(m_runDirectory + "/log").toUtf8().toStdString();
	m_model->m_notificationHandler = handler;
	framework.setModel(m_model.get());
	framework.setOutputScheduler(m_model.get());
	try {
		const auto start = std::chrono::steady_clock::now();
		framework.restart(0);
		m_wallTime = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
		if (!framework.writeStatistics())
			throw BVX::Exception("Solver statistics could not be written.", FUNC_ID);
		m_model->m_outputManager.m_resultsPresent = true;
	}
	catch (BVX::Exception & ex) {
		if (m_model->m_abortFlag) {
			BVX::BVX_Message("Simulation aborted.\n", BVX::MSG_PROGRESS, FUNC_ID, -1);
			return Aborted;
		}
		ex.writeMsgStackToError();
		return Failed;
	}
	return Success;
}


void SimulationRun::aggregate() {
	m_model->m_outputManager.updateAggregatedOutputs();
}


void SimulationRun::writeResults(const QString & dir) {
	const char * const FUNC_ID = "[SimulationRun::writeResults]";
	BVX::BVX_Message(BVX::FormatText("Storing calculation results in '%1'\n").arg(dir.toStdString()),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
	QString problem;
	// the run's own result folder has the program's name; a folder the user chose may be anything
	const bool made = dir == resultsDirectory() ? QtExt::ProgramFolder::make(dir, QtExt::ProgramFolder::RefuseLink, problem)
												: QDir().mkpath(dir);
	if (!problem.isEmpty())
		throw BVX::Exception(BVX::Exception(problem.toStdString() + ".", FUNC_ID),
							 BVX::FormatText("Result files could not be written to '%1'.").arg(dir.toStdString()), FUNC_ID);
	if (!made || !m_model->m_outputManager.writeOutputs(dir))
		throw BVX::Exception(BVX::FormatText("Result files could not be written to '%1'.").arg(dir.toStdString()), FUNC_ID);
	const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
	BVX::BVX_Message(BVX::FormatText("Result files written in %1 s.\n").arg(seconds, 0, 'f', 3),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
}


void SimulationRun::closeLog() {
	std::string errmsg;
	BVX::MessageHandlerRegistry::instance().msgHandler()->openLogFile(
		QtExt::Directories::globalLogFile().toUtf8().toStdString(), true, errmsg);
}


double SimulationRun::lastOutputDay() const {
	const OutputManager & om = m_model->m_outputManager;
	const std::vector<double> & time = om.m_roomStateSeries[OutputManager::RS_Time];
	return (om.m_resultsPresent && !time.empty()) ? time.back() : 0.0;
}

} // namespace RM
