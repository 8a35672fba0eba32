#ifndef ProjectRunH
#define ProjectRunH

#include <iostream>
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
	class SimulationRun;
}

/*! One simulation of a project file without a window, in the steps of the main window's
	run: program log, climate catalogue, project, run directory with its screen log, model
	initialisation, integration by the solver framework, aggregation and result files,
	then a short summary on the console. The steps of the run itself are RM::SimulationRun,
	which the main window runs too.

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
		/*! Where the closing summary goes (not owned). */
		std::ostream *	m_summary = &std::cout;
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
	const RM::CaldoryneModelInterface * model() const;
	/*! Run directory of the last execute(). */
	QString runDirectory() const;

private:
	/*! Program log in the per-user data directory, as the application's start-up does. */
	void openProgramLog();
	void readProject();
	/*! Aggregation and result files; Failed when a result file could not be written. */
	int postProcess();
	void printSummary() const;
	/*! Writes the message stack and the closing failure line; returns the exit code. */
	int fail(const BVX::Exception & ex, const QString & message);
	/*! Closing failure line with the run's log file for %1. */
	void failMessage(const QString & message);

	Settings									m_settings;
	RM::Database &								m_db;
	RM::Room									m_room;
	RM::Climate									m_climate;
	std::unique_ptr<RM::SimulationRun>			m_run;
	TerminalProgressBar							m_progressBar;
	RunMessageHandler							m_msgHandler;
	/*! Handler that was current before the run; restored at its end. */
	BVX::MessageHandler *						m_previousHandler;
};

#endif // ProjectRunH
