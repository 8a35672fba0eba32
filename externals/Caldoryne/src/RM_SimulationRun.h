#ifndef RM_SimulationRunH
#define RM_SimulationRunH

#include <memory>

#include <QString>

#include "RM_Database.h"

namespace BVX {
	class NotificationHandler;
}

namespace VUREDO {
	class SolverControlFramework;
}

namespace RM {

class CaldoryneModelInterface;
class Climate;
class Room;

/*! One simulation run of a room, shared by the desktop program and the command line:
	run directory with its screen log, copies of room, climate and database in a new model
	interface, climate checks and initialisation, integration by a solver framework,
	aggregation and result files. The front ends add progress display and messages.

	The run owns its model interface and the database copy the model points into, so the
	model stays valid after the run while the caller's database is edited.
*/
class SimulationRun {
public:
	/*! How the integration ended; values are the command line's exit codes. */
	enum Result {
		Success = 0,
		Failed = 1,
		Aborted = 3
	};

	/*! Creates an empty model interface (the model before any run). */
	SimulationRun();
	~SimulationRun();
	SimulationRun(const SimulationRun &) = delete;
	SimulationRun & operator=(const SimulationRun &) = delete;

	/*! Run directory of a project: the file path without extension; for an unnamed
		project "CaldoryneDefaultProject" in the home directory. */
	static QString runDirectoryOf(const QString & projectFile);

	/*! Creates the run directory and its "log" directory, writes the screen log banner and
		switches the current message handler's log file to it. When the screen log cannot
		be used the handler keeps (or reopens) the program log, and logFile() names that.
		Throws BVX::Exception when the run directory cannot be created. */
	void prepare(const QString & runDirectory);

	/*! Copies room, climate and database into the model, checks and loads the climate
		data and initialises the model. Throws BVX::Exception (initialisation failure). */
	void init(const Room & room, const Climate & climate, const Database & db);

	/*! Integrates from start to end time with the given framework (log directory set to
		the run's), writes its statistics and marks the results complete. An exception of
		the integration is logged: as "Simulation aborted." when the abort flag is set,
		else as an error stack; a solver summary that cannot be written fails the run the same
		way. Throws for failures around the integration. */
	Result integrate(VUREDO::SolverControlFramework & framework, BVX::NotificationHandler * handler);

	/*! Aggregated outputs of a completed integration. */
	void aggregate();
	/*! Writes the result files into dir (created if needed); throws BVX::Exception when
		the directory or a file cannot be written. */
	void writeResults(const QString & dir);

	/*! Returns the current message handler's log to the program log. */
	void closeLog();

	/*! Time in days of the last stored output if the results are complete, else 0. */
	double lastOutputDay() const;

	CaldoryneModelInterface & model() { return *m_model; }
	/*! The run's copy of the database (empty before init()). */
	const Database & database() const { return m_db; }
	const CaldoryneModelInterface & model() const { return *m_model; }
	const QString & runDirectory() const { return m_runDirectory; }
	QString screenLogPath() const { return m_runDirectory + "/log/screenlog.txt"; }
	QString resultsDirectory() const { return m_runDirectory + "/results"; }
	/*! Log file the run's messages went to: the screen log, or the program log when the
		screen log could not be opened. */
	const QString & logFile() const { return m_logFile; }
	/*! Wall time of the integration in s. */
	double wallTime() const { return m_wallTime; }

private:
	/*! Declared before the model, which points into it. */
	Database									m_db;
	std::unique_ptr<CaldoryneModelInterface>	m_model;
	QString										m_runDirectory;
	QString										m_logFile;
	double										m_wallTime;
};

} // namespace RM

#endif // RM_SimulationRunH
