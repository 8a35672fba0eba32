#ifndef QtExt_ModalDialogDriverH
#define QtExt_ModalDialogDriverH

#include <deque>
#include <functional>

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

/*! Drives modal dialogs in tests: each step waits until the active modal widget
	satisfies its condition, then acts on it (reads it, clicks, closes it).
*/
class ModalDialogDriver : public QObject {
public:
	using Match = std::function<bool(QWidget *)>;
	using Action = std::function<void(QWidget *)>;

	ModalDialogDriver();

	void addStep(Match match, Action action);
	/*! Records title and text of the next message box and closes it. */
	void expectMessageBox(QString & title, QString & text);
	/*! Closes the next modal widget with the object name (after an optional action). */
	void closeDialog(const QString & objectName, Action action = Action());

	bool done() const { return m_steps.empty(); }
	/*! Processes events until all steps ran or the timeout (ms) passed; true when done. */
	bool waitDone(int timeoutMs = 10000);

private:
	void poll();

	std::deque<std::pair<Match, Action>>	m_steps;
	QTimer									m_timer;
};

/*! Processes events until the condition holds or the timeout (ms) passes. */
bool waitFor(const std::function<bool()> & condition, int timeoutMs = 10000);

#endif // QtExt_ModalDialogDriverH
