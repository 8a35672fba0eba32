#ifndef ProjectRunH
#define ProjectRunH

#include <memory>

#include <QString>

#include <BVX_NotificationHandler.h>

#include <RM_Climate.h>
#include <RM_Room.h>

#include "RunMessageHandler.h"
#include "TerminalProgressBar.h"

namespace BVX {
	class Exception;
}

namespace RM {
	class CaldoryneModelInterface;
	class Database;
}

/*! One simulation of a project file without a window, in the steps of the main window's
	run: program log, climate catalogue, project, run directory with its screen log, model
	initialisation, integration by the solver framework, aggregation and result files,
	then a short summary on the console.

	Progress goes to a terminal progress bar. SIGINT (Ctrl+C) sets the model's abort flag,
	which ends the integration at the next model evaluation.
*/
class ProjectRun : public BVX::NotificationHandler {
public:
	/*! What to run and how. */
	struct Settings {
		QString		m_projectFile;
		/*! Run directory; empty: the project file path without its suffix. */
		QString		m_runDirectory;
		bool		m_twoYears = false;
		bool		m_writeResults = true;
		bool		m_verbose = false;
	};

	/*! Exit codes of execute(). */
	enum Result {
		Success = 0,
		Failed = 1,
		Aborted = 3
	};

	ProjectRun(const Settings & settings, RM::Database & db);
	~ProjectRun() override;

	/*! Runs the simulation; returns a Result. Never throws. */
	int execute();

	/*! Progress at simulation time t (s); also turns a pending interrupt into the abort flag. */
	void notify(double t) override;
	void notify() override;

	/*! Model of the run; null before execute(). */
	const RM::CaldoryneModelInterface * model() const { return m_model.get(); }
	/*! Run directory of the last execute(). */
	const QString & runDirectory() const { return m_runDirectory; }

private:
	/*! Program log in the per-user data directory, as the application's start-up does. */
	void openProgramLog();
	void readProject();
	/*! Run directory, its "log" directory and the screen log. */
	void prepareRunDirectory();
	/*! Copies room and climate into a new model, loads the climate and initialises it. */
	void initModel();
	/*! Solver framework run from the start to the end time, with statistics; returns a
		Result for integration failures, throws for failures around it. */
	int integrate();
	/*! Aggregation and result files. */
	void postProcess();
	void printSummary() const;
	/*! Time in days of the last stored output of a completed integration, else 0. */
	double lastOutputDay() const;
	/*! Writes the message stack and the closing failure line; returns the exit code. */
	int fail(const BVX::Exception & ex, const QString & message);

	QString screenLogPath() const { return m_runDirectory + "/log/screenlog.txt"; }
	QString resultsDirectory() const { return m_runDirectory + "/results"; }

	Settings									m_settings;
	RM::Database &								m_db;
	RM::Room									m_room;
	RM::Climate									m_climate;
	std::unique_ptr<RM::CaldoryneModelInterface>	m_model;
	QString										m_runDirectory;
	TerminalProgressBar							m_progressBar;
	RunMessageHandler							m_msgHandler;
	/*! Handler that was current before the run; restored at its end. */
	BVX::MessageHandler *						m_previousHandler;
	/*! Wall time of the integration in s. */
	double										m_wallTime;
};

#endif // ProjectRunH
