#ifndef GuiWalkH
#define GuiWalkH

#include <memory>
#include <random>

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "GuiTestHarness.h"

class QAbstractItemModel;
class QAbstractItemView;
class QWidget;
class RoomModelDialog;

/*! A seeded random walk through the whole main window: user actions drawn from a catalogue
	(navigate, select, type, wheel, paste, database items, project handling, runs, report),
	with the invariants checked after every action:
	- no fault-revealing Qt warning, no escaping exception, no dialog left open;
	- an action that is not an edit leaves the project XML and the user database files
	  byte-identical;
	- Save, Load and Save again give the same file;
	- the title's "*" is set exactly when what Save would write differs from the last
	  Load, New or Save;
	- no action hangs (bounds far above any machine's slowness, not a speed test);
	- every item model of the window passes QAbstractItemModelTester;
	- after a Load or New, what Save would write and the texts of every input field and table
	  cell equal those of a fresh window that read the same file, also after a switch to the
	  other calculation mode and back in both;
	- after a Save, a fresh window that loads the saved file shows the same texts, unless the
	  Save named a text it does not keep and the walk went on.
	The same seed plays the same actions, so a failure replays with its seed and action count.
*/
class GuiWalk {
public:
	/*! Command-line options of a long walk or a replay. */
	struct Options {
		unsigned int	m_seed = 1;
		int				m_actions = 300;
		/*! Written action by action (so that a crash leaves it); empty: no file. */
		QString			m_logFile;
		/*! A seed was given on the command line. */
		bool			m_replay = false;
	};

	/*! Takes "--seed S", "--actions N", and "--log FILE" out of the arguments. */
	static Options parseArguments(int & argc, char ** argv);
	/*! Options given on the command line (defaults when none). */
	static Options & commandLineOptions();
	/*! Registers the walk of the command-line options as the only test to run. */
	static void registerReplay();

	GuiWalk(const Options & options, const QString & workDir);
	~GuiWalk();

	/*! Plays the actions; stops at the first broken invariant. */
	void run();
	/*! Empty when every invariant held, else the seed, the action, what broke and the log. */
	QString failure() const { return m_failure; }
	/*! Actions played. */
	int actionsPlayed() const { return m_actionIndex; }

	/*! Called from the message handler for every Qt message. */
	void onQtMessage(const QString & category, const QString & text);
	/*! Every action played, as logged (the walk's folder named "WALK"). */
	const QStringList & actionLog() const { return m_log; }
	/*! The log as text (also for the sanitizer's death callback). */
	QString logText() const;

private:
	/*! What an action was, for the "nothing behind the user's back" check. */
	enum Kind {
		Edit,
		NonEdit
	};
	/*! Snapshot of what the program would write: project XML and user database files. */
	struct Snapshot {
		QByteArray	m_project;
		QByteArray	m_database;
		bool operator==(const Snapshot & other) const {
			return m_project == other.m_project && m_database == other.m_database;
		}
	};

	void createWindow();
	void destroyWindow();
	/*! Fails the walk when the user database cannot be written into the scratch folder. */
	Snapshot snapshot();
	/*! The "*" in the title is set exactly when what Save would write differs from what
		the last Load, New or Save wrote or read. */
	void checkModifiedMark();
	void playOne();
	void checkAfterAction(Kind kind, bool editPending, const Snapshot & before, qint64 ms, qint64 bound);
	void fail(const QString & what);
	void logAction(const QString & line);
	void attachModelTesters();

	/*! What the fresh-window check compares after the current action. */
	enum FreshCheck {
		NoFreshCheck,
		AfterLoad,
		AfterNew,
		AfterSave
	};
	/*! After a Load, New or Save of the current action: a fresh window that reads the file
		(the default project for New) must show what the walk's window shows. */
	void checkAgainstFreshWindow();
	/*! Fails with the first differences of two windows' contents and texts; false then. */
	bool compareWindows(RoomModelDialog * fresh, const QString & when);
	/*! Switches the calculation mode to the other one and back, as the radio buttons do. */
	static void switchModeThereAndBack(RoomModelDialog * window);
	/*! The texts a user reads in the input pages' fields and table cells (rows included),
		keyed by the widget's place in the window. Entries of open cell editors and popups are
		left out: Load, New and Save close them. The database pages show the item the user
		picked, not the project: what the project uses of them is in its content. */
	static QMap<QString, QString> shownTexts(RoomModelDialog * window);
	/*! Closes popups and reports a modal dialog still open. */
	void closeLeftovers();

	/*! Queues the answer to the save question that New or Load will ask of a modified
		project; false when the answer cancels the action. */
	bool queueSaveAnswer();

	// random helpers
	int pick(int n);
	bool chance(int percent);
	template <typename T> QList<T *> visible() const;
	static QString describe(const QWidget * w);

	// the dialog answers
	void answerDialog(QWidget * w);
	void answerFileDialog(QWidget * w);
	void answerRunDialog(QWidget * w);
	void answerReportPreview(QWidget * w);
	void answerMessageBox(QWidget * w);

	// the catalogue
	Kind navigatePage();
	Kind navigateTab();
	Kind selectCell();
	Kind doubleClickCell(bool thenEscape);
	Kind typeText();
	/*! Types a number text of the typed-number table into a field or a cell. */
	Kind typeNumber();
	/*! Fails when a refused number text typed into a number editor changed the project. */
	void checkRefusedNumber(QWidget * editor, const QString & text, const QByteArray & before);
	Kind wheel();
	Kind pickComboItem();
	/*! A click into a line edit and Tab out of it: a non-edit. */
	Kind clickIntoFieldAndTabOut();
	Kind clickButton();
	Kind pressEscape();
	Kind clickElsewhere();
	Kind paste();
	/*! Ctrl+V may change what the focused widget holds. */
	static bool takesText(const QWidget * w);
	Kind refresh();
	Kind newProject();
	Kind loadExample();
	Kind saveProject(bool cancel);
	Kind saveLoadRoundTrip();
	Kind closeWindow();
	Kind runShort();
	Kind reportPreview();
	Kind openDialogThenEscape();

	/*! Typed finish of an entry: Return, Tab, Esc or a click elsewhere. */
	QString finishEntry();
	/*! Mouse click on a focusable widget that is neither a button nor w. */
	bool clickOtherThan(QWidget * w);
	QString randomText();
	bool saveTo(const QString & path);
	/*! The walk's copy of a bundled project. */
	QString examplePath(const char * example) const;
	void writeDistinctHoursExample();

	/*! Seeds that keep a second, idle window open on the same user data folder. */
	bool sharesUserFolder() const { return m_options.m_seed % 3 == 0; }
	/*! After a close of the walk's window: the second window closes too, the user files must
		hold every user item the walk's window held (held), then the second window opens again. */
	void checkUserItemsAfterClose(const QStringList & held);

	Options								m_options;
	QString								m_workDir;
	/*! The projects Load opens. */
	QStringList							m_examples;
	std::mt19937						m_rng;
	std::unique_ptr<RoomModelDialog>	m_window;
	/*! The idle second window of sharesUserFolder(). */
	std::unique_ptr<RoomModelDialog>	m_sharingWindow;
	GuiTest::ModalDialogDriver			m_driver;
	QStringList							m_log;
	QFile								m_logFile;
	QString								m_failure;
	/*! Warnings of the current action that reveal faults. */
	QStringList							m_badMessages;
	/*! Widget of the last edit that may still commit when it loses the focus. */
	QPointer<QWidget>					m_pendingEdit;
	/*! The action may take a new clean state (Load, New, Save, close). */
	bool								m_replacesProject = false;
	/*! What Save would write after the last Load, New or Save, as seen in a clean state. */
	QByteArray							m_cleanContent;
	bool								m_cleanKnown = false;
	/*! Dialogs of the current action are closed with Esc. */
	bool								m_escapeDialogs = false;
	/*! The current action leaves an entry that commits when the focus leaves it. */
	bool								m_leavesEditOpen = false;
	int									m_actionIndex = 0;
	int									m_fileCounter = 0;
	/*! Error boxes answered so far: a paste that shows one was refused. */
	int									m_errorBoxes = 0;
	/*! A long action (run, window restart) was played: the longer bound holds. */
	bool								m_longAction = false;
	/*! The fresh-window check of the current action and the file it reads. */
	FreshCheck							m_freshCheck = NoFreshCheck;
	QString								m_freshCheckFile;
};

#endif // GuiWalkH
