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
#include <BVX_Time.h>

#include <QtExt_Directories.h>

#include <VUREDO_SolverControlFramework.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>
#include <RM_LogBanner.h>
#include <RM_SimulationRun.h>

namespace {

const double J_PER_KWH = 3.6e6;

/*! The DIN 4108-2 verdict of a run; a run shorter than a year gets none, a longer one that
	of its last year. */
std::string verdictText(const RM::OutputManager & om) {
	if (om.m_din4108_2AssessedHours < BVX::HOURS_PER_YEAR - 0.5)
		return BVX::FormatText("no verification, the run covers %1 h of the %2 h of a year")
				.arg(om.m_din4108_2AssessedHours).arg(static_cast<double>(BVX::HOURS_PER_YEAR)).str();
	std::string verdict = om.m_din4108_2VerificationPassed ? "verification passed" : "verification failed";
	const std::vector<double> & time = om.m_roomStateSeries[RM::OutputManager::RS_Time];
	const double runHours = time.size() < 2 ? 0 : 24*(time.back() - time.front());
	if (runHours > om.m_din4108_2AssessedHours + 0.5)
		verdict += BVX::FormatText(" (last year of the run of %1 h)").arg(runHours).str();
	return verdict;
}

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

/*! Largest magnitude of the mean load of one output hour, from the energy integral
	sampled every hour (J): energy of the hour / 3600 s. */
double peakHourlyMean(const std::vector<double> & integral) {
	double peak = 0;
	for (size_t i = 1; i < integral.size(); ++i)
		peak = std::max(peak, std::fabs(integral[i] - integral[i-1])/3600.0);
	return peak;
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
	m_previousHandler(nullptr)
{
}


ProjectRun::~ProjectRun() {
}


void ProjectRun::notify(double t) {
	if (g_interrupted != 0 && m_run)
		m_run->model().m_abortFlag = true;
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
	m_run.reset(new RM::SimulationRun);

	int res = Success;
	try {
		openProgramLog();
		readProject();
		const QString dir = m_settings.m_runDirectory.isEmpty()
				? RM::SimulationRun::runDirectoryOf(m_settings.m_projectFile) : m_settings.m_runDirectory;
		m_run->prepare(dir);
		BVX::BVX_Message(BVX::FormatText("Simulating project '%1'.\n").arg(m_settings.m_projectFile.toStdString()),
						 BVX::MSG_PROGRESS, FUNC_ID, 1);
	}
	catch (BVX::Exception & ex) {
		m_progressBar.interrupt();
		ex.writeMsgStackToError();
		BVX::BVX_Message("Simulation not started.", BVX::MSG_ERROR, FUNC_ID, -1);
		res = Failed;
	}

	if (res == Success) {
		try {
			m_run->init(m_room, m_climate, m_db);
		}
		catch (BVX::Exception & ex) {
			res = fail(ex, "Error during solver initialization, see error log file '%1'.");
		}
	}

	if (res == Success) {
		try {
			notify(0);
			VUREDO::SolverControlFramework framework;
			res = m_run->integrate(framework, this);
			m_progressBar.interrupt();
			if (res == Aborted)
				std::cerr << "Simulation aborted.\n";
			else if (res == Failed)
				failMessage("Error while running solver, see error log file '%1'.");
			else
				res = postProcess();
		}
		catch (BVX::Exception & ex) {
			res = fail(ex, QString("Calculation error at %1 d, see logfile '%2' for details").arg(m_run->lastOutputDay()));
		}
	}
	if (m_run->model().m_notificationHandler == this)
		m_run->model().m_notificationHandler = nullptr;
	m_run->closeLog();

	if (res == Success)
		printSummary();
	registry.setMessageHandler(m_previousHandler);
	return res;
}


const RM::CaldoryneModelInterface * ProjectRun::model() const {
	return m_run ? &m_run->model() : nullptr;
}


QString ProjectRun::runDirectory() const {
	return m_run ? m_run->runDirectory() : QString();
}


int ProjectRun::fail(const BVX::Exception & ex, const QString & message) {
	m_progressBar.interrupt();
	ex.writeMsgStackToError();
	failMessage(message);
	return Failed;
}


void ProjectRun::failMessage(const QString & message) {
	BVX::BVX_Message(message.arg(m_run->logFile()).toStdString(), BVX::MSG_ERROR, "[ProjectRun::execute]", -1);
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
	// the flag asks for the two-year run; without it the project's own setting holds
	if (m_settings.m_twoYears)
		m_room.m_cyclicTwoYearSimulation = true;
}


int ProjectRun::postProcess() {
	m_run->aggregate();
	notify(BVX::SECONDS_PER_YEAR);
	m_progressBar.finish();
	if (!m_settings.m_writeResults)
		return Success;
	try {
		m_run->writeResults(m_run->resultsDirectory());
	}
	catch (BVX::Exception & ex) {
		// the calculation finished: only the files failed, each named with its reason in the log
		ex.writeMsgStackToError();
		return Failed;
	}
	return Success;
}


void ProjectRun::printSummary() const {
	typedef RM::OutputManager OM;
	const OM & om = m_run->model().m_outputManager;
	const double heating = seriesGrowth(om.m_roomFluxIntegralSeries[OM::RF_Heating])/J_PER_KWH;
	// cooling loads are negative
	const double cooling = std::fabs(seriesGrowth(om.m_roomFluxIntegralSeries[OM::RF_Cooling]))/J_PER_KWH;
	const std::vector<double> & top = om.m_roomStateSeries[OM::RS_OperativeTemperature];
	std::ostream & out = *m_settings.m_summary;

	out << BVX::FormatText("Simulation finished: %1 unknowns, %2 outputs, integration %3 s.\n")
				 .arg(m_run->model().n()).arg(om.outputCount()).arg(m_run->wallTime(), 0, 'f', 3).str();
	out << BVX::FormatText("  Heating demand            %1 kWh\n").arg(heating, 10, 'f', 1).str();
	out << BVX::FormatText("  Cooling demand            %1 kWh\n").arg(cooling, 10, 'f', 1).str();
	out << BVX::FormatText("  Peak heating load         %1 W (hourly mean)\n")
				 .arg(peakHourlyMean(om.m_roomFluxIntegralSeries[OM::RF_Heating]), 10, 'f', 1).str();
	out << BVX::FormatText("  Peak cooling load         %1 W (hourly mean)\n")
				 .arg(peakHourlyMean(om.m_roomFluxIntegralSeries[OM::RF_Cooling]), 10, 'f', 1).str();
	out << BVX::FormatText("  Operative temperature     %1 .. %2 C\n")
				 .arg(seriesMin(top), 0, 'f', 2).arg(seriesMax(top), 0, 'f', 2).str();

	const RM::DIN4108_2Assessment & din = m_run->model().m_room.m_din4108_2Assessment;
	if (din.m_active) {
		out << BVX::FormatText("  DIN 4108-2 over-temperature degree hours %1 Kh/a above %2 C (limit %3 Kh/a): %4\n")
					 .arg(om.m_overTemperatureHours, 0, 'f', 1).arg(din.referenceTemperature(), 0, 'g')
					 .arg(din.overTemperatureLimit())
					 .arg(verdictText(om)).str();
	}
	if (m_settings.m_writeResults)
		out << "  Results in '" << m_run->resultsDirectory().toStdString() << "'.\n";
	out << "  Log in '" << m_run->logFile().toStdString() << "'.\n";
}
