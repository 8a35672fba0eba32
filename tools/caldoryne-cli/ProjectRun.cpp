#include "ProjectRun.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <iostream>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Path.h>

#include <QtExt_Directories.h>

#include <VUREDO_SolverControlFramework.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>
#include <RM_LogBanner.h>

namespace {

const double SECONDS_PER_YEAR = 31536000;
const double DEG_TO_RAD = 0.01745329252;
const double J_PER_KWH = 3.6e6;

/*! Set by the SIGINT handler, read at every progress notification. */
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void onInterrupt(int) {
	g_interrupted = 1;
}

/*! Installs the SIGINT handler while it lives. */
class InterruptGuard {
public:
	InterruptGuard() {
		g_interrupted = 0;
		m_previous = std::signal(SIGINT, onInterrupt);
	}
	~InterruptGuard() {
		std::signal(SIGINT, m_previous == SIG_ERR ? SIG_DFL : m_previous);
	}
	InterruptGuard(const InterruptGuard &) = delete;
	InterruptGuard & operator=(const InterruptGuard &) = delete;
private:
	void (*m_previous)(int);
};

/*! Difference between the last and the first value (0 for an empty series). */
double seriesGrowth(const std::vector<double> & s) {
	return s.empty() ? 0 : s.back() - s.front();
}

double seriesMax(const std::vector<double> & s) {
	return s.empty() ? 0 : *std::max_element(s.begin(), s.end());
}

double seriesMin(const std::vector<double> & s) {
	return s.empty() ? 0 : *std::min_element(s.begin(), s.end());
}

} // namespace


ProjectRun::ProjectRun(const Settings & settings, RM::Database & db) :
	m_settings(settings),
	m_db(db),
	m_progressBar(stderr),
	m_msgHandler(settings.m_verbose, &m_progressBar),
	m_previousHandler(nullptr),
	m_wallTime(0)
{
}


ProjectRun::~ProjectRun() {
}


void ProjectRun::notify(double t) {
	if (g_interrupted != 0 && m_model)
		m_model->m_abortFlag = true;
	m_progressBar.update(t);
}


void ProjectRun::notify() {
	notify(0.0);
}


int ProjectRun::execute() {
	const char * const FUNC_ID = "[ProjectRun::execute]";
	BVX::MessageHandlerRegistry & registry = BVX::MessageHandlerRegistry::instance();
	m_previousHandler = registry.msgHandler();
	registry.setMessageHandler(&m_msgHandler);
	InterruptGuard interruptGuard;

	int res = Success;
	try {
		openProgramLog();
		readProject();
		prepareRunDirectory();
	}
	catch (BVX::Exception & ex) {
		m_progressBar.interrupt();
		ex.writeMsgStackToError();
		BVX::BVX_Message("Simulation not started.", BVX::MSG_ERROR, FUNC_ID, -1);
		res = Failed;
	}

	if (res == Success) {
		try {
			initModel();
		}
		catch (BVX::Exception & ex) {
			res = fail(ex, "Error during solver initialization, see error log file '%1'.");
		}
	}

	if (res == Success) {
		try {
			res = integrate();
			if (res == Success)
				postProcess();
		}
		catch (BVX::Exception & ex) {
			res = fail(ex, QString("Calculation error at %1 d, see logfile '%2' for details").arg(lastOutputDay()));
		}
		std::string errmsg;
		m_msgHandler.openLogFile(QtExt::Directories::globalLogFile().toStdString(), true, errmsg);
	}

	if (res == Success)
		printSummary();
	registry.setMessageHandler(m_previousHandler);
	return res;
}


double ProjectRun::lastOutputDay() const {
	const RM::OutputManager & om = m_model->m_outputManager;
	const std::vector<double> & time = om.m_roomStateSeries[RM::OutputManager::RS_Time];
	return (om.m_resultsPresent && !time.empty()) ? time.back() : 0.0;
}


int ProjectRun::fail(const BVX::Exception & ex, const QString & message) {
	m_progressBar.interrupt();
	ex.writeMsgStackToError();
	BVX::BVX_Message(message.arg(screenLogPath()).toStdString(), BVX::MSG_ERROR, "[ProjectRun::execute]", -1);
	return Failed;
}


void ProjectRun::openProgramLog() {
	const char * const FUNC_ID = "[ProjectRun::openProgramLog]";
	QDir().mkpath(QtExt::Directories::userDataDir());
	m_msgHandler.setLogfileVerbosityLevel(2);
	m_msgHandler.setConsoleVerbosityLevel(2);
	const QString logFile = QtExt::Directories::globalLogFile();
	std::string errmsg;
	if (!RM::writeLogBanner(logFile) || !m_msgHandler.openLogFile(logFile.toStdString(), true, errmsg))
		throw BVX::Exception(BVX::FormatText("Error creating log file '%1'.").arg(logFile.toStdString()), FUNC_ID);
}


void ProjectRun::readProject() {
	const char * const FUNC_ID = "[ProjectRun::readProject]";
	// the climate catalogue is scanned as the geometry page does when the window is built
	m_climate.parseClimateDataDir(m_db.builtinDir() + "/DB_climate", m_db.userDir() + "/DB_climate");
	try {
		m_room.readProjectFile(m_settings.m_projectFile, m_db);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Error reading project file '%1'.")
							 .arg(m_settings.m_projectFile.toStdString()), FUNC_ID);
	}
	m_room.m_cyclicTwoYearSimulation = m_settings.m_twoYears;
}


void ProjectRun::prepareRunDirectory() {
	const char * const FUNC_ID = "[ProjectRun::prepareRunDirectory]";
	QString dir = m_settings.m_runDirectory;
	if (dir.isEmpty()) {
		const BVX::Path project(QFileInfo(m_settings.m_projectFile).absoluteFilePath().toStdString());
		dir = QString::fromStdString(project.withoutExtension().str());
	}
	m_runDirectory = QFileInfo(dir).absoluteFilePath();
	if (!QDir().mkpath(m_runDirectory + "/log"))
		throw BVX::Exception(BVX::FormatText("Cannot create run directory '%1'.").arg(m_runDirectory.toStdString()), FUNC_ID);

	std::string errmsg;
	if (!RM::writeLogBanner(screenLogPath()) || !m_msgHandler.openLogFile(screenLogPath().toStdString(), true, errmsg))
		throw BVX::Exception(BVX::FormatText("Cannot write screen log file '%1'.").arg(screenLogPath().toStdString()), FUNC_ID);
	BVX::BVX_Message(BVX::FormatText("Simulating project '%1'.\n").arg(m_settings.m_projectFile.toStdString()),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
}


void ProjectRun::initModel() {
	const char * const FUNC_ID = "[ProjectRun::initModel]";
	m_model.reset(new RM::CaldoryneModelInterface);
	m_model->m_room = m_room;
	m_model->m_climate = m_climate;
	RM::Climate & climate = m_model->m_climate;
	climate.m_moistureBalanceEnabled = m_room.m_moistureBalanceEnabled;

	const QString & climateFile = m_room.m_climateDataPath;
	if (!m_climate.climateDataFiles().contains(climateFile))
		throw BVX::Exception(BVX::FormatText("Missing climate data for location '%1'.").arg(climateFile.toStdString()), FUNC_ID);
	if (!climate.loadClimateData(climateFile))
		throw BVX::Exception("Climata data initialization failed.", FUNC_ID);

	SolarRadiationModel & solar = climate.m_solarRadiationModel;
	solar.m_latitude = solar.m_climateDataLoader.m_latitude*DEG_TO_RAD;
	solar.m_longitude = solar.m_climateDataLoader.m_longitude*DEG_TO_RAD;

	m_model->init(m_db);
	m_model->m_outputManager.m_resultsPresent = false;
	m_model->m_room.m_outputTimeSteps = 3600;
}


int ProjectRun::integrate() {
	const char * const FUNC_ID = "[ProjectRun::integrate]";
	VUREDO::SolverControlFramework framework;
	framework.m_logDirectory = QString(m_runDirectory + "/log").toStdString();

	notify(0);
	m_model->m_notificationHandler = this;
	framework.setModel(m_model.get());
	framework.setOutputScheduler(m_model.get());

	try {
		const auto start = std::chrono::steady_clock::now();
		framework.restart(0);
		m_wallTime = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
		framework.writeStatistics();
		m_model->m_outputManager.m_resultsPresent = true;
	}
	catch (BVX::Exception & ex) {
		m_progressBar.interrupt();
		if (m_model->m_abortFlag) {
			BVX::BVX_Message("Simulation aborted.\n", BVX::MSG_PROGRESS, FUNC_ID, -1);
			std::cerr << "Simulation aborted.\n";
			return Aborted;
		}
		return fail(ex, "Error while running solver, see error log file '%1'.");
	}
	return Success;
}


void ProjectRun::postProcess() {
	const char * const FUNC_ID = "[ProjectRun::postProcess]";
	RM::OutputManager & om = m_model->m_outputManager;
	om.updateAggregatedOutputs();
	notify(SECONDS_PER_YEAR);
	m_progressBar.finish();

	if (!m_settings.m_writeResults)
		return;
	const QString dir = resultsDirectory();
	QDir().mkpath(dir);
	BVX::BVX_Message(BVX::FormatText("Storing calculation results in '%1'\n").arg(dir.toStdString()),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
	if (!om.writeOutputs(dir))
		throw BVX::Exception(BVX::FormatText("Result files could not be written to '%1'.").arg(dir.toStdString()), FUNC_ID);
	const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
	BVX::BVX_Message(BVX::FormatText("Result files written in %1 s.\n").arg(seconds, 0, 'f', 3),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
}


void ProjectRun::printSummary() const {
	typedef RM::OutputManager OM;
	const OM & om = m_model->m_outputManager;
	const double heating = seriesGrowth(om.m_roomFluxIntegralSeries[OM::RF_Heating])/J_PER_KWH;
	// cooling loads are negative
	const double cooling = std::fabs(seriesGrowth(om.m_roomFluxIntegralSeries[OM::RF_Cooling]))/J_PER_KWH;
	const std::vector<double> & top = om.m_roomStateSeries[OM::RS_OperativeTemperature];

	std::cout << BVX::FormatText("Simulation finished: %1 unknowns, %2 outputs, integration %3 s.\n")
				 .arg(m_model->n()).arg(om.outputCount()).arg(m_wallTime, 0, 'f', 3).str();
	std::cout << BVX::FormatText("  Heating demand            %1 kWh\n").arg(heating, 10, 'f', 1).str();
	std::cout << BVX::FormatText("  Cooling demand            %1 kWh\n").arg(cooling, 10, 'f', 1).str();
	std::cout << BVX::FormatText("  Peak heating load         %1 W\n").arg(seriesMax(om.m_roomFluxSeries[OM::RF_Heating]), 10, 'f', 1).str();
	std::cout << BVX::FormatText("  Peak cooling load         %1 W\n").arg(std::fabs(seriesMin(om.m_roomFluxSeries[OM::RF_Cooling])), 10, 'f', 1).str();
	std::cout << BVX::FormatText("  Operative temperature     %1 .. %2 C\n")
				 .arg(seriesMin(top), 0, 'f', 2).arg(seriesMax(top), 0, 'f', 2).str();

	const RM::DIN4108_2Assessment & din = m_model->m_room.m_din4108_2Assessment;
	if (din.m_active) {
		std::cout << BVX::FormatText("  DIN 4108-2 over-temperature degree hours %1 Kh/a above %2 C (limit %3 Kh/a): %4\n")
					 .arg(om.m_overTemperatureHours, 0, 'f', 1).arg(din.referenceTemperature(), 0, 'g')
					 .arg(din.overTemperatureLimit())
					 .arg(om.m_din4108_2VerificationPassed ? "verification passed" : "verification failed").str();
	}
	if (m_settings.m_writeResults)
		std::cout << "  Results in '" << resultsDirectory().toStdString() << "'.\n";
	std::cout << "  Log in '" << screenLogPath().toStdString() << "'.\n";
}
