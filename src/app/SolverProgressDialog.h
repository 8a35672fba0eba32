#ifndef SolverProgressDialogH
#define SolverProgressDialogH

#include <QByteArray>
#include <QDialog>
#include <QProcess>

namespace Ui {
	class SolverProgressDialog;
}

/*! Runs the external solver while a modal dialog shows its output lines as they come;
	Cancel (or Escape, or closing the dialog) ends the solver process. */
class SolverProgressDialog : public QDialog {
	Q_OBJECT
public:
	enum Outcome {
		/*! The program could not be started. */
		NotStarted,
		/*! It ended by itself; exitCode() tells how. */
		Finished,
		/*! It crashed. */
		Crashed,
		/*! The user ended it. */
		Cancelled
	};

	explicit SolverProgressDialog(QWidget * parent);
	~SolverProgressDialog() override;

	/*! Starts the program, shows the dialog until the program has ended and returns how. */
	Outcome run(const QString & program, const QStringList & arguments, const QString & status);
	int exitCode() const { return m_process.exitCode(); }
	/*! Everything the program wrote to its standard output and error. */
	QString output() const;

public slots:
	/*! Ends the running program; the dialog closes once it has gone. */
	void reject() override;

private slots:
	void onReadyRead();
	void onFinished(int exitCode, QProcess::ExitStatus status);

private:
	/*! Shows and logs the complete lines read so far (all with final set). */
	void flushLines(bool final);

	Ui::SolverProgressDialog *	m_ui;
	QProcess					m_process;
	/*! Output after the last line end. */
	QByteArray					m_pending;
	bool						m_cancelled;
	bool						m_finished;
};

#endif // SolverProgressDialogH
