#ifndef RunControllerH
#define RunControllerH

#include <memory>

#include <QObject>
#include <QString>

#include <BVX_NotificationHandler.h>

class QProgressBar;
class QWidget;

namespace BVX {
	class Exception;
}

namespace RM {
	class CaldoryneModelInterface;
	class Climate;
	class Database;
	class Room;
	class SimulationRun;
}

namespace VUREDO {
	class SolverControlFramework;
}

/*! Runs a project and keeps the last run: its model interface (with the copies of room
	and database it points into), the progress shown while it integrates, its failures
	told in boxes over the window, and its result files.
*/
class RunController : public QObject, public BVX::NotificationHandler {
	Q_OBJECT
public:
	/*! Boxes appear over window; the progress bar shows the hours of the simulated year. */
	RunController(QWidget * window, QProgressBar * progressBar);
	~RunController() override;

	/*! Runs the room in the run directory of its project file; true when the integration
		and the post-processing succeeded (and the result files were written, when the
		settings ask for it). */
	bool run(const RM::Room & room, const RM::Climate & climate, const RM::Database & db);
	/*! Forgets the last run: an empty model without results. */
	void discard();
	/*! A run in progress stops at its next model call. */
	void abort();

	/*! Model interface of the last run (an empty one before the first run). */
	RM::CaldoryneModelInterface * model() { return m_model; }
	/*! The database copy of the last run. */
	const RM::Database & database() const;

	/*! Writes the last run's results into dir under the "Saving outputs" window, with the
		"Write Error" box on failure; false then. */
	bool writeResultFiles(const QString & dir);

	/*! Run progress (simulation time in s) keeps the user interface alive. */
	void notify(double t) override;
	void notify() override;

signals:
	/*! The model of the run is set up, before it integrates: its outputs may be shown. */
	void initialised();

private:
	/*! The failed start of a run, with the first cause of the error. */
	void showInitError(const BVX::Exception & ex);
	/*! Steps of a run after the run directory is prepared; returns the run's success. */
	bool initAndIntegrate(const RM::Room & room, const RM::Climate & climate, const RM::Database & db);
	/*! Throws BVX::Exception when the files cannot be written. */
	void writeResultsWithNotice(const QString & dir);

	QWidget *									m_window;
	QProgressBar *								m_progressBar;
	std::unique_ptr<VUREDO::SolverControlFramework>	m_solverFramework;
	/*! The last run; owns the model interface and the database copy it points into. */
	std::unique_ptr<RM::SimulationRun>			m_run;
	/*! Model interface of m_run. */
	RM::CaldoryneModelInterface *				m_model;
};

#endif // RunControllerH
