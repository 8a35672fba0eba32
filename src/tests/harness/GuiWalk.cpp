#include "GuiWalk.h"

#include <cstdio>
#include <cstring>
#include <algorithm>
#include <exception>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamWriter>

#include <QtExt_Directories.h>
#include <QtExt_UserNumber.h>
#include <QtExt_ValidatingLineEdit.h>

#include <RM_Database.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "DailyCycleInputWidget.h"
#include "PendingEdit.h"
#include "ProjectDocument.h"
#include "UnkeptInput.h"
#include "RoomModelDialog.h"
#include "TypedNumbers.h"
#include "UserNumberSpinBox.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#include <sanitizer/common_interface_defs.h>
#define CALDORYNE_WALK_SANITIZER 1
#endif

namespace {

using Driver = GuiTest::ModalDialogDriver;

GuiWalk * s_current = nullptr;
QtMessageHandler s_previousHandler = nullptr;

/*! Texts of Qt warnings that reveal faults. */
const char * const REVEALING_WARNINGS[] = {
	"QAbstractItemModel", "QObject::connect", "QPainter", "QLayout"
};

/*! Revealing warnings that are not faults of the program, with the reason. */
struct ToleratedWarning {
	const char * m_text;
	const char * m_reason;
};
const ToleratedWarning TOLERATED_WARNINGS[] = {
	// Qwt's canvas paints its backing store before the offscreen window has a size
	{ "QPainter::begin: Paint device returned engine == 0", "offscreen platform: no paint engine for an empty backing store" },
};

/*! Bounds of a hang, not of speed: a loaded sanitizer machine stays far below them. */
const qint64 ACTION_BOUND_MS = 300000;
const qint64 LONG_ACTION_BOUND_MS = 900000;

/*! Projects the walk loads, copied into its folder: a run writes beside its project. */
const char * const EXAMPLES[] = {
	"/resources/examples/DefaultRoom.rmxml",
	"/resources/examples/Office_SouthFacade.rmxml",
	"/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml"
};
/*! Written by the walk: the office in the user-defined calculation with every hour of every
	daily cycle different, so that a value moved to another hour changes the project. */
const char * const DISTINCT_HOURS = "DistinctHours.rmxml";

/*! Every daily cycle of s made hour by hour different; stays within [0, value] for positive
	values and below 0.1 for zeros, inside the limits of every schedule. */
void makeHoursDistinct(RM::Schedule & s) {
	for (std::vector<double> * cycle : { &s.m_summerSchedule, &s.m_winterSchedule, &s.m_weekDaySchedule, &s.m_weekEndSchedule }) {
		cycle->resize(24, 0.0);
		for (size_t h = 0; h < 24; ++h) {
			double & v = (*cycle)[h];
			v = v > 0 ? v*(1 - 0.004*double(h)) : 0.004*double(h);
		}
	}
}


void walkMessageHandler(QtMsgType type, const QMessageLogContext & context, const QString & msg) {
	if (s_current != nullptr && type != QtDebugMsg && type != QtInfoMsg)
		s_current->onQtMessage(QString::fromLatin1(context.category != nullptr ? context.category : ""), msg);
	if (s_previousHandler != nullptr)
		s_previousHandler(type, context, msg);
}


#ifdef CALDORYNE_WALK_SANITIZER
void onSanitizerDeath() {
	if (s_current != nullptr)
		std::fprintf(stderr, "\n%s\n", s_current->logText().toLocal8Bit().constData());
}
#endif


bool isEditable(const QWidget * w) {
	if (const QLineEdit * edit = qobject_cast<const QLineEdit *>(w))
		return !edit->isReadOnly();
	if (const QAbstractSpinBox * spin = qobject_cast<const QAbstractSpinBox *>(w))
		return !spin->isReadOnly();
	if (const QComboBox * combo = qobject_cast<const QComboBox *>(w))
		return combo->isEditable();
	return qobject_cast<const QAbstractItemView *>(w) != nullptr;
}


/*! The innermost line edit of a spin box or editable combo, else w itself. */
QWidget * typingTarget(QWidget * w) {
	if (qobject_cast<QAbstractSpinBox *>(w) != nullptr || qobject_cast<QComboBox *>(w) != nullptr)
		if (QLineEdit * edit = w->findChild<QLineEdit *>())
			return edit;
	return w;
}


/*! True for a delegate editor or a widget inside one. */
bool insideItemView(const QWidget * w) {
	for (const QWidget * p = w; p != nullptr; p = p->parentWidget())
		if (const QAbstractItemView * view = qobject_cast<const QAbstractItemView *>(p->parentWidget()))
			if (p == view->viewport())
				return w != p;
	return false;
}


/*! The first line where two texts differ, before and after. */
QString firstDifference(const QByteArray & before, const QByteArray & after) {
	const QList<QByteArray> a = before.split('\n');
	const QList<QByteArray> b = after.split('\n');
	for (int i = 0; i < std::max(a.size(), b.size()); ++i) {
		const QByteArray x = i < a.size() ? a[i] : QByteArray();
		const QByteArray y = i < b.size() ? b[i] : QByteArray();
		if (x != y)
			return QString("line %1\n  before: %2\n  after:  %3").arg(i + 1)
					.arg(QString::fromUtf8(x.trimmed().left(300)), QString::fromUtf8(y.trimmed().left(300)));
	}
	return QString();
}


/*! Types text character by character; QTest::keyClicks() knows only ASCII keys. */
void typeCharacters(QWidget * w, const QString & text) {
	for (const QChar c : text) {
		if (c.unicode() < 128)
			QTest::keyClick(w, c.toLatin1());
		else
			QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
	}
}


QString hourlyValues() {
	QString text;
	for (int i = 0; i < 8760; ++i)
		text += QString::number(i % 24) + "\n";
	return text;
}


/*! Every user item of the four tables as "table #id name". */
QStringList userItems(const RM::Database & db) {
	QStringList items;
	auto add = [&](const char * table, const auto & map) {
		for (const auto & e : map)
			if (!e.second.m_builtin)
				items << QString("%1 #%2 %3").arg(table).arg(e.first).arg(e.second.encodedName());
	};
	add("material", db.m_materials);
	add("construction type", db.m_constructions);
	add("window type", db.m_windows);
	add("shading type", db.m_shadingTypes);
	return items;
}
} // namespace


QString GuiWalk::examplePath(const char * example) const {
	return m_workDir + "/examples/" + QFileInfo(example).fileName();
}


GuiWalk::Options & GuiWalk::commandLineOptions() {
	static Options options;
	return options;
}


GuiWalk::Options GuiWalk::parseArguments(int & argc, char ** argv) {
	Options options;
	int out = 1;
	for (int i = 1; i < argc; ++i) {
		const bool hasValue = i + 1 < argc;
		if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
			options.m_seed = static_cast<unsigned int>(std::strtoul(argv[++i], nullptr, 10));
			options.m_replay = true;
		}
		else if (std::strcmp(argv[i], "--actions") == 0 && hasValue)
			options.m_actions = std::atoi(argv[++i]);
		else if (std::strcmp(argv[i], "--log") == 0 && hasValue)
			options.m_logFile = QString::fromLocal8Bit(argv[++i]);
		else
			argv[out++] = argv[i];
	}
	argc = out;
	commandLineOptions() = options;
	return options;
}


GuiWalk::GuiWalk(const Options & options, const QString & workDir) :
	m_options(options),
	m_workDir(workDir),
	m_rng(options.m_seed)
{
	QDir(m_workDir).removeRecursively();
	QDir().mkpath(m_workDir + "/examples");
	for (const char * example : EXAMPLES) {
		QFile::copy(GuiTest::sourceDir() + example, examplePath(example));
		m_examples << examplePath(example);
	}
	if (!m_options.m_logFile.isEmpty()) {
		m_logFile.setFileName(m_options.m_logFile);
		m_logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
	}
	// each walk starts without stored settings and user database entries
	GuiTest::clearSettings();
	QDir userDir(QtExt::Directories::userDataDir());
	for (const QString & f : userDir.entryList(QStringList() << "db_*.xml*", QDir::Files))
		userDir.remove(f);
	RoomModelDialog::setUpdateInfoUrl(QString());
	QGuiApplication::clipboard()->clear();

	s_current = this;
	s_previousHandler = qInstallMessageHandler(walkMessageHandler);
#ifdef CALDORYNE_WALK_SANITIZER
	__sanitizer_set_death_callback(onSanitizerDeath);
#endif
	// answered from the event loop, not inside the driver's poll: an answer that opens a
	// further dialog needs the poll again
	m_driver.setFallback([this](QWidget * w) {
		QPointer<QWidget> dialog(w);
		QTimer::singleShot(0, w, [this, dialog]() {
			if (dialog != nullptr && dialog->isVisible())
				answerDialog(dialog);
		});
	});
	createWindow();
	writeDistinctHoursExample();
	if (sharesUserFolder())
		m_sharingWindow.reset(new RoomModelDialog);
}


void GuiWalk::writeDistinctHoursExample() {
	RM::Room room;
	room.readProjectFile(examplePath(EXAMPLES[1]), *m_window->database());
	room.m_din4108_2Assessment.m_active = false;
	for (RM::Schedule * s : { &room.m_heatingModel.m_setPoints, &room.m_coolingModel.m_setPoints,
			&room.m_coolingModel.m_humiditySetPoints, &room.m_mechanicalVentilationModel.m_setPoints,
			&room.m_mechanicalVentilationModel.m_humiditySetPoints, &room.m_mechanicalVentilationModel.m_ventilationRates,
			&room.m_moistureLoads.m_moistureLoad, &room.m_naturalVentilationModel.m_airChangeRates,
			&room.m_shadingControlModel.m_shadingDegree, &room.m_userLoads.m_equipmentLoad, &room.m_userLoads.m_occupancy })
		makeHoursDistinct(*s);
	const QString path = m_workDir + "/examples/" + DISTINCT_HOURS;
	if (!room.writeProjectFile(path, *m_window->database()))
		fail("cannot write " + path);
	m_examples << path;
}


GuiWalk::~GuiWalk() {
	m_driver.setFallback([](QWidget * w) { Driver::press(QDialogButtonBox::Discard)(w); });
	m_sharingWindow.reset();
	destroyWindow();
	qInstallMessageHandler(s_previousHandler);
	s_previousHandler = nullptr;
	s_current = nullptr;
	GuiTest::clearSettings();
	QDir userDir(QtExt::Directories::userDataDir());
	for (const QString & f : userDir.entryList(QStringList() << "db_*.xml*", QDir::Files))
		userDir.remove(f);
}


void GuiWalk::createWindow() {
	m_window.reset(new RoomModelDialog);
	m_window->show();
	if (!QTest::qWaitForWindowExposed(m_window.get()))
		fail("main window not exposed");
	QApplication::processEvents();
	// the minimum size the program supports
	m_window->resize(1280, 720);
	QApplication::processEvents();
	attachModelTesters();
}


void GuiWalk::destroyWindow() {
	m_pendingEdit.clear();
	// the item widgets' own models reset while their widget is half destroyed: no checks then
	if (m_window != nullptr)
		qDeleteAll(m_window->findChildren<QAbstractItemModelTester *>());
	m_window.reset();
	QApplication::processEvents();
}


void GuiWalk::run() {
	logAction(QString("walk seed %1, %2 actions, locale %3").arg(m_options.m_seed).arg(m_options.m_actions)
			  .arg(QLocale().name()));
	while (m_actionIndex < m_options.m_actions && m_failure.isEmpty())
		playOne();
}


void GuiWalk::playOne() {
	struct Entry {
		int							m_weight;
		std::function<Kind()>		m_play;
	};
	const Entry catalogue[] = {
		{ 8, [this]() { return navigatePage(); } },
		{ 10, [this]() { return navigateTab(); } },
		{ 12, [this]() { return selectCell(); } },
		{ 5, [this]() { return doubleClickCell(false); } },
		{ 5, [this]() { return doubleClickCell(true); } },
		{ 16, [this]() { return typeText(); } },
		{ 6, [this]() { return typeNumber(); } },
		{ 8, [this]() { return wheel(); } },
		{ 5, [this]() { return pickComboItem(); } },
		{ 3, [this]() { return clickIntoFieldAndTabOut(); } },
		{ 8, [this]() { return clickButton(); } },
		{ 3, [this]() { return pressEscape(); } },
		{ 4, [this]() { return clickElsewhere(); } },
		{ 3, [this]() { return paste(); } },
		{ 2, [this]() { return refresh(); } },
		{ 1, [this]() { return newProject(); } },
		{ 2, [this]() { return loadExample(); } },
		{ 1, [this]() { return saveProject(false); } },
		{ 1, [this]() { return saveProject(true); } },
		{ 1, [this]() { return saveLoadRoundTrip(); } },
		{ 1, [this]() { return closeWindow(); } },
		{ 1, [this]() { return runShort(); } },
		{ 1, [this]() { return reportPreview(); } },
		{ 1, [this]() { return openDialogThenEscape(); } },
	};
	int total = 0;
	for (const Entry & e : catalogue)
		total += e.m_weight;
	int draw = pick(total);
	const Entry * entry = &catalogue[0];
	for (const Entry & e : catalogue) {
		if (draw < e.m_weight) {
			entry = &e;
			break;
		}
		draw -= e.m_weight;
	}

	// a closed dialog hands the activation back as a window manager does
	if (m_window != nullptr && !m_window->isActiveWindow()) {
		m_window->activateWindow();
		if (!QTest::qWaitForWindowActive(m_window.get()))
			fail("the main window cannot be activated");
	}
	++m_actionIndex;
	m_badMessages.clear();
	m_longAction = false;
	m_escapeDialogs = false;
	m_leavesEditOpen = false;
	m_replacesProject = false;
	m_freshCheck = NoFreshCheck;
	const bool editPending = !m_pendingEdit.isNull() && m_pendingEdit->hasFocus();
	const Snapshot before = snapshot();
	QElapsedTimer timer;
	timer.start();
	Kind kind = Edit;
	try {
		kind = entry->m_play();
		QApplication::processEvents();
	}
	catch (std::exception & ex) {
		fail(QString("exception escaped: %1").arg(ex.what()));
		return;
	}
	catch (...) {
		fail("unknown exception escaped");
		return;
	}
	const qint64 ms = timer.elapsed();
	closeLeftovers();
	checkAfterAction(kind, editPending, before, ms, m_longAction ? LONG_ACTION_BOUND_MS : ACTION_BOUND_MS);
}


void GuiWalk::checkAfterAction(Kind kind, bool editPending, const Snapshot & before, qint64 ms, qint64 bound) {
	if (!m_failure.isEmpty())
		return;
	if (!m_badMessages.isEmpty()) {
		fail("Qt warning: " + m_badMessages.join("\n"));
		return;
	}
	if (ms > bound) {
		fail(QString("the action took %1 ms (bound %2 ms)").arg(ms).arg(bound));
		return;
	}
	checkModifiedMark();
	checkAgainstFreshWindow();
	if (!m_failure.isEmpty())
		return;
	if (kind == NonEdit && !editPending && m_window != nullptr) {
		const Snapshot after = snapshot();
		if (!(after == before)) {
			if (after.m_project != before.m_project)
				fail("the project changed without an edit: " + firstDifference(before.m_project, after.m_project));
			else
				fail("the user database changed without an edit: " + firstDifference(before.m_database, after.m_database));
			return;
		}
	}
	// an entry left open (typed, then Esc; an open cell editor) commits when the focus
	// leaves it: the next action may store it
	QWidget * focus = QApplication::focusWidget();
	if (m_window != nullptr && focus != nullptr && (m_leavesEditOpen || insideItemView(focus)))
		m_pendingEdit = focus;
	else if (m_pendingEdit.isNull() || !m_pendingEdit->hasFocus())
		m_pendingEdit.clear();
	attachModelTesters();
}


void GuiWalk::checkModifiedMark() {
	if (m_window == nullptr || !m_failure.isEmpty())
		return;
	QApplication::processEvents();
	const QByteArray content = m_window->project()->projectFileContent(*m_window->database());
	const bool marked = m_window->windowTitle().endsWith("*");
	if (marked != m_window->isProjectModified()) {
		fail(QString("the title shows %1 mark while the project is %2").arg(marked ? "the" : "no", marked ? "unmodified" : "modified"));
		return;
	}
	// the last Load, New or Save is known from the clean state seen after it; the mark is
	// then set exactly when what Save would write differs from it
	if (!m_replacesProject && m_cleanKnown && marked != (content != m_cleanContent)) {
		fail(marked ? QString("the * is set but Save would write what the last Load, New or Save wrote")
					: "no * but Save would write a change: " + firstDifference(m_cleanContent, content));
		return;
	}
	if (m_replacesProject)
		m_cleanKnown = false;
	if (!marked) {
		m_cleanContent = content;
		m_cleanKnown = true;
	}
}


void GuiWalk::checkAgainstFreshWindow() {
	if (m_freshCheck == NoFreshCheck || m_window == nullptr || !m_failure.isEmpty())
		return;
	// a Load or New that the user cancelled, or a Save that failed, leaves nothing to compare
	const QString path = m_window->project()->m_projectFilePath;
	if (m_freshCheck == AfterNew ? !path.isEmpty() : path != m_freshCheckFile)
		return;
	const bool load = m_freshCheck != AfterSave;
	std::unique_ptr<RoomModelDialog> fresh(new RoomModelDialog);
	if (m_freshCheck == AfterNew) {
		// the fresh window may have reopened a project: New from there
		if (fresh->isProjectModified())
			m_driver.add(Driver::press(QDialogButtonBox::Discard));
		fresh->onToolButtonNewClicked();
	}
	else if (!fresh->loadProject(path, true)) {
		fail("a fresh window cannot load " + path);
		return;
	}
	QApplication::processEvents();
	const QString what = m_freshCheck == AfterNew ? QString("New") : (load ? "Load of " : "Save as ") + path;
	if (compareWindows(fresh.get(), "after " + what) && load) {
		switchModeThereAndBack(m_window.get());
		switchModeThereAndBack(fresh.get());
		compareWindows(fresh.get(), "after " + what + " and a switch of the calculation mode and back in both");
	}
	fresh.reset();
	QApplication::processEvents();
}


bool GuiWalk::compareWindows(RoomModelDialog * fresh, const QString & when) {
	const QByteArray content = m_window->document()->content();
	const QByteArray freshContent = fresh->document()->content();
	if (content != freshContent) {
		fail(QString("%1 the window would save other content than a fresh window: %2").arg(when)
			 .arg(firstDifference(freshContent, content)));
		return false;
	}
	const QMap<QString, QString> texts = shownTexts(m_window.get());
	const QMap<QString, QString> freshTexts = shownTexts(fresh);
	QStringList differences;
	QStringList keys = texts.keys() + freshTexts.keys();
	keys.removeDuplicates();
	std::sort(keys.begin(), keys.end());
	for (const QString & key : keys) {
		const QString shown = texts.value(key, "(no such widget)");
		const QString freshShown = freshTexts.value(key, "(no such widget)");
		// a typed number stays as typed ("0.5" under German): the same value is the same text
		double x = 0, y = 0;
		if (shown == freshShown || (QtExt::readUserNumber(shown, x) && QtExt::readUserNumber(freshShown, y) && x == y))
			continue;
		// a table: its first differing row
		const QStringList a = shown.split('\n');
		const QStringList b = freshShown.split('\n');
		int line = 0;
		while (line < a.size() && line < b.size() && a[line] == b[line])
			++line;
		differences << QString("%1\n    fresh window: '%2'\n    walk's window: '%3'").arg(key, b.value(line).left(300), a.value(line).left(300));
	}
	if (differences.isEmpty())
		return true;
	fail(QString("%1 %2 texts differ from a fresh window's, e.g.\n  %3").arg(when).arg(differences.size())
		 .arg(differences.mid(0, 5).join("\n  ")));
	return false;
}


void GuiWalk::switchModeThereAndBack(RoomModelDialog * window) {
	QRadioButton * din = window->findChild<QRadioButton *>("radioButtonDIN4108_2Calculation");
	QRadioButton * user = window->findChild<QRadioButton *>("radioButtonUserCalculation");
	if (din == nullptr || user == nullptr || !din->isEnabled() || !user->isEnabled())
		return;
	QRadioButton * now = din->isChecked() ? din : user;
	QRadioButton * other = now == din ? user : din;
	other->click();
	QApplication::processEvents();
	now->click();
	QApplication::processEvents();
}


namespace {

/*! The widget's place in the window: the names of it and its parents (class names for
	unnamed ones). */
QString placeOf(const QWidget * w, const QWidget * window) {
	QStringList names;
	for (const QWidget * p = w; p != nullptr && p != window; p = p->parentWidget())
		names.prepend(p->objectName().isEmpty() ? QString(p->metaObject()->className()) : p->objectName());
	return names.join('/');
}

} // namespace


QMap<QString, QString> GuiWalk::shownTexts(RoomModelDialog * window) {
	QMap<QString, QString> texts;
	QMap<QString, int> seen;
	const auto add = [&texts, &seen](const QString & place, const QString & text) {
		const int n = seen[place]++;
		texts.insert(n == 0 ? place : QString("%1#%2").arg(place).arg(n), text);
	};
	// the input pages show the project; the database pages show the item the user picked
	for (QWidget * w : window->inputTabs()->findChildren<QWidget *>()) {
		if (w->window() != window || insideItemView(w))
			continue;
		// the graphs' upper ends are a view of the schedule, no project value
		if (w->objectName().startsWith("lineEditMaximumValue"))
			continue;
		const QString place = placeOf(w, window);
		if (QLineEdit * edit = qobject_cast<QLineEdit *>(w)) {
			// the text of a spin box or combo box is its owner's
			if (qobject_cast<QAbstractSpinBox *>(w->parentWidget()) == nullptr
					&& qobject_cast<QComboBox *>(w->parentWidget()) == nullptr)
				add(place, edit->text());
		}
		else if (QAbstractSpinBox * spin = qobject_cast<QAbstractSpinBox *>(w))
			add(place, spin->text());
		else if (QComboBox * combo = qobject_cast<QComboBox *>(w))
			add(place, combo->currentText());
		else if (qobject_cast<QCheckBox *>(w) != nullptr || qobject_cast<QRadioButton *>(w) != nullptr)
			add(place, static_cast<QAbstractButton *>(w)->isChecked() ? "checked" : "not checked");
		else if (QTextEdit * text = qobject_cast<QTextEdit *>(w))
			add(place, text->toPlainText());
		else if (QPlainTextEdit * plain = qobject_cast<QPlainTextEdit *>(w))
			add(place, plain->toPlainText());
		else if (QAbstractItemView * view = qobject_cast<QAbstractItemView *>(w)) {
			const QAbstractItemModel * model = view->model();
			if (model == nullptr)
				continue;
			// one entry per view, a line per row: the annual tables hold 8760 rows
			const int rows = model->rowCount(view->rootIndex());
			const int columns = model->columnCount(view->rootIndex());
			QString cells = QString("%1 rows\n").arg(rows);
			for (int r = 0; r < rows; ++r) {
				cells += QString("row %1:").arg(r);
				for (int c = 0; c < columns; ++c) {
					const QModelIndex index = model->index(r, c, view->rootIndex());
					const QVariant check = index.data(Qt::CheckStateRole);
					cells += " | " + index.data(Qt::DisplayRole).toString() + (check.isValid() ? " check " + check.toString() : QString());
				}
				cells += '\n';
			}
			add(place + " cells", cells);
		}
	}
	return texts;
}


GuiWalk::Snapshot GuiWalk::snapshot() {
	Snapshot s;
	if (m_window == nullptr)
		return s;
	QBuffer buffer(&s.m_project);
	buffer.open(QIODevice::WriteOnly);
	QXmlStreamWriter writer(&buffer);
	writer.setAutoFormatting(true);
	m_window->project()->writeXML(writer, m_window->database());
	buffer.close();

	// the user files as the program writes them, into a scratch directory
	// a database that read nothing: every user entry counts as new and is written
	const RM::Database & db = *m_window->database();
	RM::Database copy;
	copy.m_materials = db.m_materials;
	copy.m_constructions = db.m_constructions;
	copy.m_windows = db.m_windows;
	copy.m_shadingTypes = db.m_shadingTypes;
	const QString dir = m_workDir + "/db-snapshot";
	QDir(dir).removeRecursively();
	copy.setDirectories(db.builtinDir(), dir);
	if (!copy.writeDatabase())
		fail("the snapshot of the user database cannot be written to " + dir);
	for (const char * name : { "/db_materials.xml", "/db_constructions.xml", "/db_windows.xml", "/db_shadingTypes.xml" })
		s.m_database += GuiTest::readBytes(dir + name);
	return s;
}


void GuiWalk::closeLeftovers() {
	for (int i = 0; i < 3 && QApplication::activePopupWidget() != nullptr; ++i) {
		QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
		QApplication::processEvents();
	}
	if (QWidget * modal = QApplication::activeModalWidget()) {
		fail(QString("dialog left open: %1 '%2'").arg(modal->metaObject()->className(), modal->windowTitle()));
		if (QDialog * dlg = qobject_cast<QDialog *>(modal))
			dlg->reject();
		else
			modal->close();
	}
}


void GuiWalk::onQtMessage(const QString & category, const QString & text) {
	bool revealing = category.startsWith("qt.modeltest");
	for (const char * w : REVEALING_WARNINGS)
		revealing = revealing || text.contains(QLatin1String(w));
	if (!revealing)
		return;
	for (const ToleratedWarning & t : TOLERATED_WARNINGS)
		if (text.contains(QLatin1String(t.m_text)))
			return;
	m_badMessages << (category.isEmpty() ? text : category + ": " + text);
}


void GuiWalk::fail(const QString & what) {
	if (!m_failure.isEmpty())
		return;
	m_failure = QString("walk seed %1, action %2: %3\nreplay: caldoryne_gui_tests --seed %1 --actions %2\n")
				.arg(m_options.m_seed).arg(m_actionIndex).arg(what);
	logAction("FAILED: " + what);
	m_failure += logText();
}


QString GuiWalk::logText() const {
	const int first = std::max(0, int(m_log.size()) - 40);
	QStringList tail = m_log.mid(first);
	return QString("walk seed %1, action %2, last actions:\n  %3").arg(m_options.m_seed).arg(m_actionIndex)
			.arg(tail.join("\n  "));
}


void GuiWalk::logAction(const QString & line) {
	// the walk's folder lies below a temporary home of another name in every run: the log
	// names it alike, so that two runs of a seed give the same log
	QString entry = QString("#%1 %2").arg(m_actionIndex).arg(line);
	entry.replace(m_workDir, "WALK");
	m_log << entry;
	if (m_logFile.isOpen()) {
		m_logFile.write(entry.toUtf8() + "\n");
		m_logFile.flush();
	}
}


void GuiWalk::attachModelTesters() {
	if (m_window == nullptr)
		return;
	for (QAbstractItemModel * model : m_window->findChildren<QAbstractItemModel *>()) {
		// the program's models; Qt's own (item widgets, combo boxes) are Qt's to test
		const QString className = model->metaObject()->className();
		if (model->property("walkModelTester").toBool()
				|| (className.startsWith('Q') && !className.startsWith("QtExt::")))
			continue;
		model->setProperty("walkModelTester", true);
		new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::Warning, model);
	}
}


int GuiWalk::pick(int n) {
	return n <= 0 ? 0 : static_cast<int>(m_rng() % static_cast<unsigned int>(n));
}


bool GuiWalk::chance(int percent) {
	return pick(100) < percent;
}


template <typename T>
QList<T *> GuiWalk::visible() const {
	QList<T *> list;
	if (m_window == nullptr)
		return list;
	for (T * w : m_window->findChildren<T *>())
		if (w->isVisible() && w->isEnabled() && w->window() == m_window.get() && !w->visibleRegion().isEmpty())
			list << w;
	return list;
}


QString GuiWalk::describe(const QWidget * w) {
	if (w == nullptr)
		return "nothing";
	QString text = QString("%1 '%2'").arg(w->metaObject()->className(), w->objectName());
	for (const QWidget * p = w->parentWidget(); p != nullptr; p = p->parentWidget())
		if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_")) {
			text += QString(" in %1 '%2'").arg(p->metaObject()->className(), p->objectName());
			break;
		}
	return text;
}


// *** dialog answers ***

void GuiWalk::answerDialog(QWidget * w) {
	const QString className = w->metaObject()->className();
	logAction(QString("  dialog %1 '%2'").arg(className, w->windowTitle()));
	if (m_escapeDialogs) {
		QTest::keyClick(w, Qt::Key_Escape);
		if (w->isVisible())
			Driver::reject()(w);
		return;
	}
	if (qobject_cast<QFileDialog *>(w) != nullptr)
		answerFileDialog(w);
	else if (className == "RunDialog")
		answerRunDialog(w);
	else if (className == "ReportPreview")
		answerReportPreview(w);
	else if (qobject_cast<QMessageBox *>(w) != nullptr)
		answerMessageBox(w);
	else {
		QTest::keyClick(w, Qt::Key_Escape);
		if (w->isVisible())
			Driver::reject()(w);
	}
}


void GuiWalk::answerFileDialog(QWidget * w) {
	QFileDialog * dlg = static_cast<QFileDialog *>(w);
	if (chance(20)) {
		logAction("  file dialog cancelled");
		dlg->reject();
		return;
	}
	QString path;
	if (dlg->fileMode() == QFileDialog::Directory) {
		path = m_workDir + QString("/export-%1").arg(++m_fileCounter);
		QDir().mkpath(path);
		dlg->setDirectory(path);
		if (QLineEdit * edit = dlg->findChild<QLineEdit *>("fileNameEdit"))
			edit->clear();
		logAction("  directory " + path);
		static_cast<QDialog *>(dlg)->accept();
		return;
	}
	if (dlg->acceptMode() == QFileDialog::AcceptSave) {
		const QString suffix = dlg->defaultSuffix().isEmpty() ? QString("rmxml") : dlg->defaultSuffix();
		path = m_workDir + QString("/walk-%1.%2").arg(++m_fileCounter).arg(suffix);
	}
	else if (dlg->nameFilters().join(" ").contains("rmxml"))
		path = m_examples[pick(m_examples.size())];
	else {
		logAction("  file dialog cancelled (no file of this kind)");
		dlg->reject();
		return;
	}
	logAction("  file " + path);
	Driver::chooseFile(path)(w);
}


void GuiWalk::answerRunDialog(QWidget * w) {
	if (QRadioButton * oneYear = w->findChild<QRadioButton *>("radioButton1Year"))
		oneYear->setChecked(true);
	const bool autoSave = chance(50);
	if (QCheckBox * box = w->findChild<QCheckBox *>())
		box->setChecked(autoSave);
	logAction(QString("  run dialog: one year, automatic save %1").arg(autoSave));
	static_cast<QDialog *>(w)->accept();
}


void GuiWalk::answerReportPreview(QWidget * w) {
	QList<QCheckBox *> boxes;
	for (QCheckBox * box : w->findChildren<QCheckBox *>())
		if (box->isVisible() && box->isEnabled())
			boxes << box;
	for (int i = pick(3); i > 0 && !boxes.isEmpty(); --i) {
		QCheckBox * box = boxes[pick(boxes.size())];
		logAction("  report: toggle " + box->text());
		box->click();
	}
	if (chance(50))
		if (QPushButton * pdf = w->findChild<QPushButton *>("pushButtonWritePdf")) {
			logAction("  report: write PDF");
			pdf->click();
		}
	if (chance(10))
		if (QPushButton * print = w->findChild<QPushButton *>("pushButtonPrint")) {
			logAction("  report: print");
			print->click();
		}
	if (QPushButton * close = w->findChild<QPushButton *>("pushButtonClose"))
		QTest::mouseClick(close, Qt::LeftButton);
	if (w->isVisible())
		Driver::reject()(w);
}


void GuiWalk::answerMessageBox(QWidget * w) {
	QMessageBox * box = static_cast<QMessageBox *>(w);
	const QList<QAbstractButton *> buttons = box->buttons();
	if (buttons.isEmpty()) {
		box->reject();
		return;
	}
	if (box->icon() == QMessageBox::Critical)
		++m_errorBoxes;
	QAbstractButton * button = buttons[pick(buttons.size())];
	logAction(QString("  message '%1': %2").arg(box->text().left(60), button->text()));
	button->click();
}


// *** the catalogue ***

GuiWalk::Kind GuiWalk::navigatePage() {
	ButtonBar * bar = m_window->buttonBar();
	QToolButton * buttons[] = { bar->toolButtonEditRoom, bar->toolButtonEditMaterials, bar->toolButtonEditConstructions,
								bar->toolButtonEditWindows, bar->toolButtonEditShadingTypes };
	const int i = pick(5);
	logAction(QString("page button %1").arg(i));
	QTest::mouseClick(buttons[i], Qt::LeftButton);
	return NonEdit;
}


GuiWalk::Kind GuiWalk::navigateTab() {
	QList<QTabBar *> bars = visible<QTabBar>();
	if (bars.isEmpty())
		return NonEdit;
	QTabBar * bar = bars[pick(bars.size())];
	const int tab = pick(bar->count());
	logAction(QString("tab %1 '%2' of %3").arg(tab).arg(bar->tabText(tab), describe(bar)));
	if (!bar->isTabEnabled(tab) || bar->tabRect(tab).isEmpty())
		return NonEdit;
	QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(tab).center());
	return NonEdit;
}


namespace {

/*! A random visible cell of a view, invalid when the view shows none. */
QModelIndex visibleCell(QAbstractItemView * view, const std::function<int(int)> & pick) {
	QAbstractItemModel * model = view->model();
	if (model == nullptr)
		return QModelIndex();
	const int rows = model->rowCount(view->rootIndex());
	const int columns = model->columnCount(view->rootIndex());
	if (rows == 0 || columns == 0)
		return QModelIndex();
	const int row = pick(rows);
	int column = pick(columns);
	if (QTableView * table = qobject_cast<QTableView *>(view)) {
		if (table->isRowHidden(row))
			return QModelIndex();
		for (int i = 0; i < columns && table->isColumnHidden(column); ++i)
			column = (column + 1) % columns;
	}
	const QModelIndex index = model->index(row, column, view->rootIndex());
	view->scrollTo(index);
	QApplication::processEvents();
	const QRect rect = view->visualRect(index);
	if (rect.isEmpty() || !view->viewport()->rect().contains(rect.center()))
		return QModelIndex();
	return index;
}

} // namespace


GuiWalk::Kind GuiWalk::selectCell() {
	QList<QAbstractItemView *> views = visible<QAbstractItemView>();
	if (views.isEmpty())
		return NonEdit;
	QAbstractItemView * view = views[pick(views.size())];
	const QModelIndex index = visibleCell(view, [this](int n) { return pick(n); });
	if (!index.isValid())
		return NonEdit;
	const QRect rect = view->visualRect(index);
	logAction(QString("click cell %1,%2 of %3").arg(index.row()).arg(index.column()).arg(describe(view)));
	// right of a check box indicator
	QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
					  QPoint(rect.left() + rect.width()*3/4, rect.center().y()));
	return NonEdit;
}


GuiWalk::Kind GuiWalk::doubleClickCell(bool thenEscape) {
	QList<QAbstractItemView *> views = visible<QAbstractItemView>();
	if (views.isEmpty())
		return NonEdit;
	QAbstractItemView * view = views[pick(views.size())];
	const QModelIndex index = visibleCell(view, [this](int n) { return pick(n); });
	if (!index.isValid())
		return NonEdit;
	const QRect rect = view->visualRect(index);
	logAction(QString("double-click cell %1,%2 of %3%4").arg(index.row()).arg(index.column()).arg(describe(view))
			  .arg(thenEscape ? ", Esc" : ""));
	m_escapeDialogs = thenEscape;
	m_leavesEditOpen = !thenEscape;
	QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
					   QPoint(rect.left() + rect.width()*3/4, rect.center().y()));
	if (!thenEscape)
		return Edit;
	QApplication::processEvents();
	if (QWidget * focus = QApplication::focusWidget())
		QTest::keyClick(focus, Qt::Key_Escape);
	return NonEdit;
}


QString GuiWalk::randomText() {
	const QLocale locale;
	const QString texts[] = {
		locale.toString(21.5), locale.toString(0.25), locale.toString(1234.5, 'f', 1), "12", "3", "20", "400",
		"0.5", "0,5", "1.000", "-3", "-0.5", "0", "1e308", "nan", "", "abc", QString(300, QChar('7')),
		"Brick: solid", "a|b", "R&D", "<x>", QString::fromUtf8("Größe äöü"), "  5  "
	};
	return texts[pick(int(sizeof(texts)/sizeof(texts[0])))];
}


QString GuiWalk::finishEntry() {
	QWidget * focus = QApplication::focusWidget();
	switch (pick(4)) {
		case 0:
			if (focus != nullptr)
				QTest::keyClick(focus, Qt::Key_Return);
			return "Return";
		case 1:
			if (focus != nullptr)
				QTest::keyClick(focus, Qt::Key_Tab);
			return "Tab";
		case 2:
			if (focus != nullptr)
				QTest::keyClick(focus, Qt::Key_Escape);
			return "Esc";
		default:
			return clickOtherThan(focus) ? "click elsewhere" : "no other field";
	}
}


bool GuiWalk::clickOtherThan(QWidget * w) {
	QList<QWidget *> others;
	for (QLineEdit * edit : visible<QLineEdit>())
		if (edit != w && !insideItemView(edit) && qobject_cast<QAbstractSpinBox *>(edit->parentWidget()) == nullptr
				&& qobject_cast<QComboBox *>(edit->parentWidget()) == nullptr)
			others << edit;
	for (QAbstractItemView * view : visible<QAbstractItemView>())
		others << view->viewport();
	if (others.isEmpty())
		return false;
	QWidget * other = others[pick(others.size())];
	logAction("  click on " + describe(other));
	// a view is clicked in its top left corner, a line edit in its middle
	const QPoint pos = qobject_cast<QLineEdit *>(other) != nullptr ? other->rect().center() : QPoint(2, 2);
	QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, pos);
	return true;
}


GuiWalk::Kind GuiWalk::typeText() {
	QWidget * target = QApplication::focusWidget();
	const bool intoFocus = target != nullptr && target->window() == m_window.get() && chance(40)
						   && (isEditable(target) || insideItemView(target));
	if (!intoFocus) {
		QList<QWidget *> candidates;
		for (QWidget * w : visible<QWidget>())
			if (isEditable(w) && qobject_cast<QComboBox *>(w->parentWidget()) == nullptr
					&& qobject_cast<QAbstractSpinBox *>(w->parentWidget()) == nullptr)
				candidates << w;
		if (candidates.isEmpty())
			return Edit;
		target = candidates[pick(candidates.size())];
		QWidget * clickTarget = qobject_cast<QAbstractItemView *>(target) != nullptr
								? static_cast<QAbstractItemView *>(target)->viewport() : typingTarget(target);
		QTest::mouseClick(clickTarget, Qt::LeftButton, Qt::NoModifier,
						  qobject_cast<QAbstractItemView *>(target) != nullptr ? QPoint(4, 4) : clickTarget->rect().center());
	}
	QWidget * focus = QApplication::focusWidget();
	if (focus == nullptr) {
		logAction("type: no focus after a click on " + describe(target) + (m_window->isActiveWindow() ? "" : " (window not active)"));
		return Edit;
	}
	const QString text = randomText();
	if (qobject_cast<QLineEdit *>(focus) != nullptr)
		GuiTest::controlKey(focus, Qt::Key_A);
	typeCharacters(focus, text);
	const QString finish = finishEntry();
	m_leavesEditOpen = finish == "Esc" || finish == "no other field";
	logAction(QString("type '%1' into %2, %3").arg(text.left(40), describe(focus), finish));
	return Edit;
}


GuiWalk::Kind GuiWalk::typeNumber() {
	const std::vector<GuiTest::TypedNumber> & numbers = GuiTest::typedNumbers();
	const GuiTest::TypedNumber & number = numbers[size_t(pick(int(numbers.size())))];
	const QString text = QString::fromUtf8(number.m_text);
	QWidget * focus = nullptr;
	if (chance(50)) {
		QList<QAbstractItemView *> views = visible<QAbstractItemView>();
		if (views.isEmpty())
			return NonEdit;
		QAbstractItemView * view = views[pick(views.size())];
		const QModelIndex index = visibleCell(view, [this](int n) { return pick(n); });
		if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable))
			return NonEdit;
		logAction(QString("open cell %1,%2 of %3").arg(index.row()).arg(index.column()).arg(describe(view)));
		focus = GuiTest::openCellEditor(view, index);
		if (focus == nullptr || focus == view || !insideItemView(focus))
			return Edit;
	}
	else {
		QList<QtExt::ValidatingLineEdit *> fields;
		for (QtExt::ValidatingLineEdit * f : visible<QtExt::ValidatingLineEdit>())
			if (f->isEnabled() && !f->isReadOnly())
				fields << f;
		if (fields.isEmpty())
			return NonEdit;
		QtExt::ValidatingLineEdit * field = fields[pick(fields.size())];
		QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
		focus = QApplication::focusWidget();
		if (focus != field)
			return Edit;
	}
	const bool pending = !m_pendingEdit.isNull() && m_pendingEdit != focus;
	const QByteArray before = snapshot().m_project;
	GuiTest::controlKey(focus, Qt::Key_A);
	typeCharacters(focus, text);
	QPointer<QWidget> editor = focus;
	const QString finish = finishEntry();
	m_leavesEditOpen = finish == "Esc" || finish == "no other field";
	logAction(QString("type number '%1' into %2, %3").arg(text, describe(focus), finish));
	QApplication::processEvents();
	double meant;
	if (!pending && !number.value(QLocale().language(), meant))
		checkRefusedNumber(editor, text, before);
	return Edit;
}


void GuiWalk::checkRefusedNumber(QWidget * editor, const QString & text, const QByteArray & before) {
	// only number editors: a name cell takes "abc" as it should
	const bool numberEditor = qobject_cast<QtExt::ValidatingLineEdit *>(editor) != nullptr
							  || qobject_cast<UserNumberSpinBox *>(editor) != nullptr;
	if (!numberEditor || m_window == nullptr)
		return;
	const QByteArray after = snapshot().m_project;
	if (after != before)
		fail(QString("the refused number '%1' changed the project: %2").arg(text, firstDifference(before, after)));
}


GuiWalk::Kind GuiWalk::wheel() {
	QList<QWidget *> targets;
	for (QAbstractSpinBox * spin : visible<QAbstractSpinBox>())
		targets << spin;
	for (QComboBox * combo : visible<QComboBox>())
		targets << combo;
	if (targets.isEmpty())
		return NonEdit;
	QWidget * target = targets[pick(targets.size())];
	if (chance(40))
		target->setFocus(Qt::TabFocusReason);
	const bool focused = target->hasFocus() || target->isAncestorOf(QApplication::focusWidget());
	const int direction = chance(50) ? 1 : -1;
	logAction(QString("wheel %1 over %2 (%3)").arg(direction > 0 ? "up" : "down", describe(target),
												   focused ? "focused" : "not focused"));
	GuiTest::wheelNotch(target, direction);
	m_leavesEditOpen = focused;
	return focused ? Edit : NonEdit;
}


GuiWalk::Kind GuiWalk::pickComboItem() {
	QList<QComboBox *> combos;
	for (QComboBox * combo : visible<QComboBox>())
		if (combo->count() > 1)
			combos << combo;
	if (combos.isEmpty())
		return Edit;
	QComboBox * combo = combos[pick(combos.size())];
	if (chance(25)) {
		// the entry shown already: no edit
		logAction(QString("combo %1: the shown entry, Return").arg(describe(combo)));
		QTest::mouseClick(combo, Qt::LeftButton);
		QApplication::processEvents();
		QWidget * popup = QApplication::activePopupWidget();
		if (popup == nullptr)
			return Edit;
		QTest::keyClick(popup->focusWidget() != nullptr ? popup->focusWidget() : popup, Qt::Key_Return);
		return NonEdit;
	}
	const int steps = 1 + pick(3);
	const bool down = chance(60);
	logAction(QString("combo %1: %2 %3, Return").arg(describe(combo)).arg(down ? "down" : "up").arg(steps));
	QTest::mouseClick(combo, Qt::LeftButton);
	QApplication::processEvents();
	QWidget * popup = QApplication::activePopupWidget();
	if (popup == nullptr)
		return Edit;
	QWidget * keys = popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
	for (int i = 0; i < steps; ++i)
		QTest::keyClick(keys, down ? Qt::Key_Down : Qt::Key_Up);
	QTest::keyClick(keys, Qt::Key_Return);
	return Edit;
}


GuiWalk::Kind GuiWalk::clickIntoFieldAndTabOut() {
	QList<QLineEdit *> fields;
	for (QLineEdit * f : visible<QLineEdit>())
		if (f->isEnabled() && !f->isReadOnly() && !insideItemView(f))
			fields << f;
	if (fields.isEmpty())
		return NonEdit;
	QLineEdit * field = fields[pick(fields.size())];
	logAction("click into " + describe(field) + ", Tab");
	QTest::mouseClick(field, Qt::LeftButton);
	QTest::keyClick(field, Qt::Key_Tab);
	// a focus pass stores nothing new
	return NonEdit;
}


GuiWalk::Kind GuiWalk::clickButton() {
	QList<QAbstractButton *> buttons;
	for (QAbstractButton * b : visible<QAbstractButton>())
		if (!m_window->buttonBar()->isAncestorOf(b))
			buttons << b;
	if (buttons.isEmpty())
		return Edit;
	QAbstractButton * button = buttons[pick(buttons.size())];
	logAction(QString("click button '%1' %2").arg(button->text(), describe(button)));
	QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
					  QPoint(std::min(8, button->width()/2), button->height()/2));
	return Edit;
}


GuiWalk::Kind GuiWalk::pressEscape() {
	QWidget * focus = QApplication::focusWidget();
	logAction("Esc on " + describe(focus));
	QTest::keyClick(focus != nullptr ? focus : m_window.get(), Qt::Key_Escape);
	return NonEdit;
}


GuiWalk::Kind GuiWalk::clickElsewhere() {
	logAction("click elsewhere");
	clickOtherThan(QApplication::focusWidget());
	return Edit;
}


GuiWalk::Kind GuiWalk::paste() {
	const QString texts[] = {
		"0 1\n1 2\n2 3\n", "0\t5\n24\t6\n48\t7\n", "0,5 1\n100,7 2\n200,9 3\n", "0.5 1.5\n\n1.5 2.5\n",
		"1\n2\n3\n", "garbage\nxyz 1\n", "", hourlyValues()
	};
	const int i = pick(int(sizeof(texts)/sizeof(texts[0])));
	QGuiApplication::clipboard()->setText(texts[i]);
	QList<QPushButton *> buttons;
	for (QPushButton * b : visible<QPushButton>())
		if (b->text().startsWith("Paste") || b->text().startsWith(QString::fromUtf8("Einfügen")))
			buttons << b;
	if (!buttons.isEmpty()) {
		QPushButton * button = buttons[pick(buttons.size())];
		logAction(QString("paste text %1 with '%2'").arg(i).arg(button->text()));
		const int errorBoxes = m_errorBoxes;
		QTest::mouseClick(button, Qt::LeftButton);
		// a refused paste must leave project and database as they were
		return m_errorBoxes > errorBoxes ? NonEdit : Edit;
	}
	QWidget * focus = QApplication::focusWidget();
	logAction(QString("paste text %1 with Ctrl+V into %2").arg(i).arg(describe(focus)));
	if (focus != nullptr)
		GuiTest::controlKey(focus, Qt::Key_V);
	if (!takesText(focus))
		return NonEdit;
	m_leavesEditOpen = true;
	return Edit;
}


bool GuiWalk::takesText(const QWidget * w) {
	if (const QLineEdit * edit = qobject_cast<const QLineEdit *>(w))
		return !edit->isReadOnly();
	if (const QComboBox * combo = qobject_cast<const QComboBox *>(w))
		return combo->isEditable();
	if (const QAbstractSpinBox * spin = qobject_cast<const QAbstractSpinBox *>(w))
		return !spin->isReadOnly();
	// a key with text opens a cell editor, which then takes the paste
	if (qobject_cast<const QAbstractItemView *>(w) != nullptr)
		return true;
	return qobject_cast<const QTextEdit *>(w) != nullptr || qobject_cast<const QPlainTextEdit *>(w) != nullptr;
}


GuiWalk::Kind GuiWalk::refresh() {
	logAction("refresh the input pages");
	m_window->updateInputWidgets();
	return NonEdit;
}


bool GuiWalk::queueSaveAnswer() {
	// the window stores an open edit before it asks: settled here, the flag tells whether it will
	if (QWidget * focus = QApplication::focusWidget())
		focus->clearFocus();
	QApplication::processEvents();
	// what Save would not keep is named first: go on without it
	if (!m_window->unkeptInput(true).isEmpty()) {
		logAction("  not kept by Save: Go on");
		m_driver.add(Driver::pressButton("Go on"));
	}
	if (!m_window->isProjectModified())
		return true;
	if (pick(5) == 0) {
		logAction("  save question: Cancel");
		m_driver.add(Driver::press(QDialogButtonBox::Cancel));
		return false;
	}
	if (pick(4) == 0) {
		const QString path = m_workDir + QString("/walk-%1.rmxml").arg(++m_fileCounter);
		logAction("  save question: Save as " + path);
		m_driver.add(Driver::press(QDialogButtonBox::Save));
		m_driver.add(Driver::chooseFile(path));
		m_driver.add(Driver::press(QDialogButtonBox::Ok));
		return true;
	}
	logAction("  save question: Discard");
	m_driver.add(Driver::press(QDialogButtonBox::Discard));
	return true;
}


GuiWalk::Kind GuiWalk::newProject() {
	logAction("New");
	m_replacesProject = true;
	if (queueSaveAnswer())
		m_freshCheck = AfterNew;
	QTest::mouseClick(m_window->buttonBar()->toolButtonNew, Qt::LeftButton);
	return Edit;
}


GuiWalk::Kind GuiWalk::loadExample() {
	const QString path = m_examples[pick(m_examples.size())];
	logAction("Load " + QFileInfo(path).fileName());
	m_replacesProject = true;
	if (queueSaveAnswer()) {
		m_driver.add(Driver::chooseFile(path));
		m_freshCheck = AfterLoad;
		m_freshCheckFile = path;
	}
	QTest::mouseClick(m_window->buttonBar()->toolButtonLoad, Qt::LeftButton);
	return Edit;
}


bool GuiWalk::saveTo(const QString & path) {
	// a text left in a field that refuses it is named first: go on with the stored value
	PendingEdit::commit(m_window.get());
	// what the question named is not kept: no fresh window shows it
	const bool named = !m_window->unkeptInput(true).isEmpty();
	if (named)
		m_driver.add(Driver::pressButton("Go on"));
	m_driver.add(Driver::chooseFile(path));
	m_driver.add(Driver::press(QDialogButtonBox::Ok));
	QTest::mouseClick(m_window->buttonBar()->toolButtonSave, Qt::LeftButton);
	const bool saved = m_window->project()->m_projectFilePath == path;
	m_freshCheck = saved && !named ? AfterSave : NoFreshCheck;
	m_freshCheckFile = path;
	return saved;
}


GuiWalk::Kind GuiWalk::saveProject(bool cancel) {
	if (cancel) {
		logAction("Save, file dialog cancelled");
		m_driver.add(Driver::reject());
		QTest::mouseClick(m_window->buttonBar()->toolButtonSave, Qt::LeftButton);
		return NonEdit;
	}
	const QString path = m_workDir + QString("/walk-%1.rmxml").arg(++m_fileCounter);
	logAction("Save as " + path);
	m_replacesProject = true;
	if (!saveTo(path))
		fail("Save did not store the project under " + path);
	return NonEdit;
}


GuiWalk::Kind GuiWalk::saveLoadRoundTrip() {
	const QString first = m_workDir + QString("/walk-%1.rmxml").arg(++m_fileCounter);
	const QString second = m_workDir + QString("/walk-%1.rmxml").arg(++m_fileCounter);
	logAction(QString("Save as %1, Load it, Save as %2").arg(first, second));
	m_replacesProject = true;
	if (!saveTo(first)) {
		fail("Save did not store the project under " + first);
		return Edit;
	}
	// the window shows the loaded file when it saves the second time
	m_freshCheck = NoFreshCheck;
	if (!m_window->unkeptInput(true).isEmpty())
		m_driver.add(Driver::pressButton("Go on"));
	m_driver.add(Driver::chooseFile(first));
	QTest::mouseClick(m_window->buttonBar()->toolButtonLoad, Qt::LeftButton);
	if (!saveTo(second)) {
		fail("Save did not store the loaded project under " + second);
		return Edit;
	}
	QByteArray a = GuiTest::readBytes(first);
	QByteArray b = GuiTest::readBytes(second);
	if (a != b)
		fail(QString("Save, Load and Save again wrote different files: %1 and %2, %3")
			 .arg(first, second, firstDifference(a, b)));
	return Edit;
}


GuiWalk::Kind GuiWalk::closeWindow() {
	logAction("close the window");
	m_replacesProject = true;
	m_longAction = true;
	const QStringList held = userItems(*m_window->database());
	m_window->close();
	QApplication::processEvents();
	if (!m_window->isVisible()) {
		logAction("  closed: start again");
		destroyWindow();
		checkUserItemsAfterClose(held);
		createWindow();
	}
	return Edit;
}


void GuiWalk::checkUserItemsAfterClose(const QStringList & held) {
	if (m_sharingWindow == nullptr)
		return;
	logAction(QString("  the second window on the user folder closes and opens again (%1 user items)").arg(held.size()));
	QCloseEvent ev;
	QCoreApplication::sendEvent(m_sharingWindow.get(), &ev);
	m_sharingWindow.reset();
	RM::Database fresh;
	fresh.reload();
	const QStringList now = userItems(fresh);
	QStringList missing;
	for (const QString & item : held)
		if (!now.contains(item))
			missing << item;
	if (!missing.isEmpty())
		fail("user database items missing after the close of both windows: " + missing.join(", "));
	m_sharingWindow.reset(new RoomModelDialog);
}


GuiWalk::Kind GuiWalk::runShort() {
	const int days = 1 + pick(3);
	logAction(QString("run %1 day(s)").arg(days));
	m_longAction = true;
	// the run length is a setting of the project file that the window does not offer
	m_window->project()->m_simulationEndTime = days*86400.0;
	QTest::mouseClick(m_window->buttonBar()->toolButtonUpdate, Qt::LeftButton);
	return Edit;
}


GuiWalk::Kind GuiWalk::reportPreview() {
	logAction("report preview");
	// the preview may write the report as PDF or print it: bounded like a run
	m_longAction = true;
	QTest::mouseClick(m_window->buttonBar()->toolButtonReport, Qt::LeftButton);
	return NonEdit;
}


GuiWalk::Kind GuiWalk::openDialogThenEscape() {
	m_escapeDialogs = true;
	switch (pick(3)) {
		case 0:
			logAction("About, Esc");
			QTest::mouseClick(m_window->buttonBar()->toolButtonAbout, Qt::LeftButton);
			break;
		case 1:
			logAction("switch language, Esc");
			QTest::mouseClick(m_window->buttonBar()->toolButtonSwitchLanguage, Qt::LeftButton);
			break;
		default:
			logAction("Ctrl+E, Esc");
			GuiTest::controlKey(m_window.get(), Qt::Key_E);
			break;
	}
	return NonEdit;
}
