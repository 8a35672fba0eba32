#ifndef GuiTestHarnessH
#define GuiTestHarnessH

#include <deque>
#include <map>
#include <ostream>
#include <functional>
#include <vector>

#include <QByteArray>
#include <QDialogButtonBox>
#include <QObject>
#include <QString>
#include <QTimer>

class QLineEdit;
class QWidget;

/*! Readable QString values in test failure messages. */
inline void PrintTo(const QString & s, std::ostream * os) {
	*os << '"' << s.toStdString() << '"';
}

/*! Shared pieces of the GUI tests: the test main gives every run its own HOME and settings
	folder, one QApplication (offscreen) and the compiled-in resources; these helpers
	reach what the tests need of that environment. */
namespace GuiTest {

/*! The private home directory of this test run. */
QString homeDir();

/*! Empties the application settings ("BVX", "Caldoryne 3.2"). */
void clearSettings();

/*! Root of the source tree. */
QString sourceDir();

/*! Whole content of a file, empty when it cannot be read. */
QByteArray readBytes(const QString & path);
/*! Replaces a file's content; false when it cannot be written. */
bool writeBytes(const QString & path, const QByteArray & data);

/*! Types the text key by key into w; a character beyond ASCII (for which QTest has no key
	code) as the text of a key event. */
void typeKeys(QWidget * w, const QString & text);

/*! Replaces the text of a line edit by typing and finishes with Return. */
void typeAndReturn(QLineEdit * edit, const QString & text);

/*! Ctrl and a letter key as a keyboard delivers it: the event's text is the control
	character (Ctrl+V gives "\x16"), so a widget without a shortcut for it does not take it
	as the typed letter. */
void controlKey(QWidget * w, Qt::Key letter);

/*! One wheel notch (direction 1 up, -1 down) over the middle of w as the window system
	delivers it: to the widget under the pointer, giving wheel focus, passed on to the
	parents while not accepted. */
void wheelNotch(QWidget * w, int direction);

/*! Modal dialogs appear inside a nested event loop; the driver watches for them and acts
	on each new one with the next queued action. A dialog without a queued action is
	recorded and rejected, so that a test never hangs on an unexpected dialog.
*/
class ModalDialogDriver : public QObject {
	Q_OBJECT
public:
	using Action = std::function<void(QWidget *)>;

	/*! What the driver saw of a dialog. */
	struct Seen {
		QString		m_className;
		QString		m_title;
		/*! Text of a message box, else empty. */
		QString		m_text;
	};

	ModalDialogDriver();
	~ModalDialogDriver() override;

	/*! Queues an action for the next modal dialog. */
	void add(const Action & action);
	/*! Every dialog of this class gets this action instead of a queued one (for dialogs that
		may close by themselves before the driver sees them); an empty action leaves it alone. */
	void handleClass(const QString & className, const Action & action);
	/*! Actions not yet used. */
	int pending() const { return int(m_actions.size()); }
	/*! Action for a dialog when none is queued (default: reject). */
	void setFallback(const Action & action) { m_fallback = action; }

	/*! Presses a standard button of a message box or of the dialog's button box; a dialog
		without that button fails the test (and is closed). */
	static Action press(QDialogButtonBox::StandardButton button);
	/*! Presses the shown button of that text; a dialog without it fails the test. */
	static Action pressButton(const QString & text);
	/*! Accepts or rejects a QDialog (closes any other widget). */
	static Action accept();
	static Action reject();
	/*! Chooses a file in a QFileDialog (typed into its name field: a selection would be
		completed to an existing file) and accepts it; no overwrite question. */
	static Action chooseFile(const QString & path);
	/*! Types the file name into a QFileDialog key by key and presses its accept button, as
		a user does: the dialog's own default suffix and overwrite question apply. */
	static Action typeFileName(const QString & path);
	/*! Runs the inspection first, then the action. */
	static Action inspectThen(const std::function<void(QWidget *)> & inspect, const Action & action);

	std::vector<Seen>	m_seen;

protected:
	/*! A dialog that hides counts as new when it is shown again. */
	bool eventFilter(QObject * watched, QEvent * event) override;

private slots:
	void poll();

private:
	QTimer				m_timer;
	std::deque<Action>	m_actions;
	Action				m_fallback;
	std::map<QString, Action>	m_classActions;
};

} // namespace GuiTest

#endif // GuiTestHarnessH
