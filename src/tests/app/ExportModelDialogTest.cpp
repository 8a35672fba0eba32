// Model export dialog: stored type, names per type, connector boxes and flags, the zone-model
// export, and the Modelica/FMU exports through the main window with a fake solver script that
// is absent, succeeds, fails or hangs until cancelled.
#include <map>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <RM_Climate.h>
#include <RM_Room.h>

#include "ExportModelDialog.h"
#include "GuiTestHarness.h"
#include "QtExt_FileSizeLimit.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;


/*! Fake solver: writes its arguments one per line, the project it was given and its pid
	beside itself, logs into the run directory of that project and prints progress lines.
	A file "mode" beside it: "fail" ends with exit code 2 and writes nothing, "hang" waits
	until it is ended; else it writes the FMU, or the package folder with its file. */
const char * const FAKE_SOLVER =
	"#!/bin/sh\n"
	"d=$(dirname \"$0\")\n"
	"printf '%s\\n' \"$@\" > \"$d/args.txt\"\n"
	"cp \"$1\" \"$d/project-seen.rmxml\"\n"
	"echo $$ > \"$d/pid\"\n"
	"run=\"${1%.rmxml}\"\n"
	"mkdir -p \"$run/log\" && echo \"solver log\" > \"$run/log/screenlog.txt\"\n"
	"echo \"solver: reading the project\"\n"
	"case \"$(cat \"$d/mode\" 2>/dev/null)\" in\n"
	"  hang) echo waiting; exec sleep 600;;\n"
	"  fail) echo \"solver: cannot build the model\" >&2; exit 2;;\n"
	"esac\n"
	"case \"$2\" in\n"
	"  --fmu-export=*) echo \"new fmu\" > \"${2#--fmu-export=}\";;\n"
	"  --modelica-export=*) out=\"${2#--modelica-export=}\"; pkg=\"$(dirname \"$out\")/$(basename \"$out\" .mo)\";\n"
	"     mkdir -p \"$pkg\" && echo \"new package\" > \"$pkg/package.mo\" && echo \"new model\" > \"$out\";;\n"
	"esac\n"
	"echo \"solver: done\"\n";

class ExportModelDialogTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		MainWindowTest::SetUp();
		ASSERT_FALSE(HasFatalFailure());
		QDir().mkpath(m_dir + "/solver dir");
		QDir().mkpath(m_dir + "/out put");
		m_solver = m_dir + "/solver dir/CaldoryneSolver";
		QFile f(m_solver);
		ASSERT_TRUE(f.open(QIODevice::WriteOnly));
		f.write(FAKE_SOLVER);
		f.close();
		f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
		m_project = m_dir + "/plant room.rmxml";
		QFile::copy(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml", m_project);
		ASSERT_TRUE(m_window->loadProject(m_project, true));
	}

	std::unique_ptr<ExportModelDialog> dialog(const QString & solver) {
		std::unique_ptr<ExportModelDialog> dlg(new ExportModelDialog(nullptr));
		dlg->init(m_window->project(), m_window->database(),
				  m_window->climate()->locationData(m_window->project()->m_climateDataPath), solver);
		dlg->show();
		return dlg;
	}

	template <typename T>
	static T * child(ExportModelDialog * dlg, const char * name) {
		T * w = dlg->findChild<T *>(name);
		EXPECT_NE(w, nullptr) << name;
		return w;
	}

	QStringList solverArgs() const {
		QFile f(m_dir + "/solver dir/args.txt");
		if (!f.open(QIODevice::ReadOnly))
			return QStringList();
		return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
	}

	QString lastExportDirectory() const {
		return QSettings("BVX", "Caldoryne 3.2").value("LastExportDirectory", "unset").toString();
	}

	QString m_solver;
	QString m_project;
};


TEST_F(ExportModelDialogTest, StoredTypeSelectsTheTypeAndNamesFollowIt) {
	const struct { int stored; const char * checked; const char * name; } cases[] = {
		{ 0, "radioButtonModelica", "modelica_plant room" }, { 1, "radioButtonFMU", "CaldoryneFMUv2_plant room" },
		{ 2, "radioButtonZonavex", "" }, { 7, "radioButtonFMU", "CaldoryneFMUv2_plant room" }
	};
	for (const auto & c : cases) {
		QSettings("BVX", "Caldoryne 3.2").setValue("ModelExportOption", c.stored);
		std::unique_ptr<ExportModelDialog> dlg = dialog(m_solver);
		EXPECT_TRUE(child<QRadioButton>(dlg.get(), c.checked)->isChecked()) << c.stored;
		QLineEdit * name = child<QLineEdit>(dlg.get(), "lineEditModelName");
		EXPECT_EQ(name->text(), QString(c.name));
		EXPECT_EQ(name->isEnabled(), QString(c.name) != "");
		EXPECT_EQ(child<QWidget>(dlg.get(), "groupBoxConnectorConfigs")->isEnabled(),
				  QString(c.checked) == "radioButtonFMU");
	}
	std::unique_ptr<ExportModelDialog> dlg = dialog(m_solver);
	child<QLineEdit>(dlg.get(), "lineEditModelName")->setText("typed");
	child<QRadioButton>(dlg.get(), "radioButtonModelica")->setChecked(true);
	EXPECT_EQ(child<QLineEdit>(dlg.get(), "lineEditModelName")->text(), "modelica_plant room");
	EXPECT_EQ(QSettings("BVX", "Caldoryne 3.2").value("ModelExportOption").toInt(), 0);
}


TEST_F(ExportModelDialogTest, ConnectorBoxesFollowTheMoistureBalanceAndSetTheFlags) {
	RM::Room & room = *m_window->project();
	room.m_moistureBalanceEnabled = false;
	room.m_interfaceDefinition = 48;
	std::unique_ptr<ExportModelDialog> dlg = dialog(m_solver);
	EXPECT_FALSE(child<QCheckBox>(dlg.get(), "checkBoxVaporSource")->isEnabled());
	EXPECT_FALSE(child<QCheckBox>(dlg.get(), "checkBoxVaporSource")->isChecked());
	EXPECT_FALSE(child<QCheckBox>(dlg.get(), "checkBoxLiquid")->isEnabled());

	room.m_moistureBalanceEnabled = true;
	for (int flags : { 16, 32, 48 }) {
		room.m_interfaceDefinition = flags;
		dlg = dialog(m_solver);
		EXPECT_EQ(child<QCheckBox>(dlg.get(), "checkBoxVaporSource")->isChecked(), (flags & 16) != 0);
		EXPECT_EQ(child<QCheckBox>(dlg.get(), "checkBoxLiquid")->isChecked(), (flags & 32) != 0);
	}
	// the FMU export hands the flags of the boxes to the solver; the user's file stays
	const QByteArray onDisk = GuiTest::readBytes(m_project);
	QSettings("BVX", "Caldoryne 3.2").setValue("ModelExportOption", 1);
	dlg = dialog(m_solver);
	child<QCheckBox>(dlg.get(), "checkBoxVaporSource")->setChecked(false);
	Driver driver;
	driver.handleClass("SolverProgressDialog", Driver::Action());
	driver.add(Driver::chooseFile(m_dir + "/out put/room.fmu"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	child<QPushButton>(dlg.get(), "pushButtonExport")->click();
	EXPECT_EQ(room.m_interfaceDefinition, 32);
	RM::Room seen;
	seen.readProjectFile(m_dir + "/solver dir/project-seen.rmxml", *m_window->database());
	EXPECT_EQ(seen.m_interfaceDefinition, 32);
	EXPECT_EQ(GuiTest::readBytes(m_project), onDisk);
}


TEST_F(ExportModelDialogTest, ZonavexWritesProjectAndDirectoriesOrNamesMissingClimate) {
	QSettings("BVX", "Caldoryne 3.2").setValue("ModelExportOption", 2);
	std::unique_ptr<ExportModelDialog> dlg = dialog(m_solver);
	Driver driver;
	driver.add(Driver::chooseFile(m_dir + "/out put/plant"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	child<QPushButton>(dlg.get(), "pushButtonExport")->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Export complete");
	EXPECT_TRUE(QFileInfo::exists(m_dir + "/out put/plant.zonavex"));
	for (const char * sub : { "materials", "constructions", "climate" })
		EXPECT_TRUE(QFileInfo(m_dir + "/out put/" + sub).isDir()) << sub;
	EXPECT_EQ(lastExportDirectory(), m_dir + "/out put");
	EXPECT_FALSE(dlg->isVisible());

	// a climate file the catalogue does not know: no location, a message instead of the export
	QSettings("BVX", "Caldoryne 3.2").remove("LastExportDirectory");
	m_window->project()->m_climateDataPath = "Nowhere/missing.epw";
	dlg = dialog(m_solver);
	driver.add(Driver::chooseFile(m_dir + "/out put/other"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	child<QPushButton>(dlg.get(), "pushButtonExport")->click();
	ASSERT_EQ(driver.m_seen.size(), 4u);
	EXPECT_EQ(driver.m_seen[3].m_title, "Export error");
	EXPECT_EQ(driver.m_seen[3].m_text, "Missing climate data for location 'Nowhere/missing.epw'.");
	EXPECT_FALSE(QFileInfo::exists(m_dir + "/out put/other.zonavex"));
	EXPECT_TRUE(dlg->isVisible());
	EXPECT_EQ(lastExportDirectory(), "unset");
}


TEST_F(ExportModelDialogTest, ZonavexOntoAFullDiskKeepsTheEarlierExportWholeAndSaysWhy) {
	QSettings("BVX", "Caldoryne 3.2").setValue("ModelExportOption", 2);
	const QString target = m_dir + "/zone";
	ASSERT_TRUE(QDir().mkpath(target));
	Driver driver;
	{
		std::unique_ptr<ExportModelDialog> dlg = dialog(m_solver);
		driver.add(Driver::chooseFile(target + "/plant"));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		child<QPushButton>(dlg.get(), "pushButtonExport")->click();
		ASSERT_EQ(driver.m_seen.size(), 2u);
		ASSERT_EQ(driver.m_seen[1].m_title, "Export complete");
	}
	std::map<QString, QByteArray> before;
	QDirIterator it(target, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
	while (it.hasNext()) {
		const QString file = it.next();
		before[file] = GuiTest::readBytes(file);
	}
	ASSERT_GT(before.size(), 3u);

	// an edit of the room, then room for the construction and material files, not for the climate
	m_window->project()->m_area += 5;
	std::unique_ptr<ExportModelDialog> dlg = dialog(m_solver);
	driver.m_seen.clear();
	driver.add(Driver::chooseFile(target + "/plant"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	{
		QtExt::FileSizeLimit nearlyFull(100000);
		child<QPushButton>(dlg.get(), "pushButtonExport")->click();
	}
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Export error");
	EXPECT_TRUE(driver.m_seen[1].m_text.contains("File too large")) << driver.m_seen[1].m_text.toStdString();
	std::map<QString, QByteArray> after;
	QDirIterator again(target, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
	while (again.hasNext()) {
		const QString file = again.next();
		after[file] = GuiTest::readBytes(file);
	}
	EXPECT_TRUE(after == before);
}


/*! Exports through the main window (Ctrl+E) of an edited, unsaved project, with an older
	FMU, an older Modelica package and a project backup lying about. */
class ModelExportWindowTest : public ExportModelDialogTest {
protected:
	enum Kind { Modelica, FMU };

	void SetUp() override {
		ExportModelDialogTest::SetUp();
		RoomModelDialog::setSolverExecutable(m_solver);
		ASSERT_TRUE(GuiTest::writeBytes(m_project + ".bak", "older backup"));
		ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/out put/room.fmu", "old fmu"));
		ASSERT_TRUE(QDir().mkpath(m_dir + "/out put/pkg"));
		ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/out put/pkg/package.mo", "old package"));
		ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/out put/pkg.mo", "old model"));
		GuiTest::typeAndReturn(m_window->inputPage(RoomModelDialog::TabGeometry)->findChild<QLineEdit *>("lineEditArea"), "31");
		ASSERT_TRUE(m_window->isProjectModified());
		m_before = files();
	}

	void TearDown() override {
		RoomModelDialog::setSolverExecutable(QString());
		ExportModelDialogTest::TearDown();
	}

	/*! Every file and folder (hidden ones too) of the project and export folders with its content. */
	std::map<QString, QByteArray> files() const {
		std::map<QString, QByteArray> all;
		for (const QString & dir : { m_dir, m_dir + "/out put", m_dir + "/out put/pkg" })
			for (const QFileInfo & f : QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
				all[f.absoluteFilePath()] = f.isDir() ? QByteArray("<dir>") : GuiTest::readBytes(f.absoluteFilePath());
		return all;
	}

	void setMode(const char * mode) {
		ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/solver dir/mode", mode));
	}

	/*! Ctrl+E, the type chosen with a click, Export, the file chosen; then the given answers. */
	void exportVia(Kind kind, const QString & file, const std::vector<Driver::Action> & answers) {
		m_driver.add([kind](QWidget * w) {
			QRadioButton * radio = w->findChild<QRadioButton *>(kind == FMU ? "radioButtonFMU" : "radioButtonModelica");
			ASSERT_NE(radio, nullptr);
			QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(6, radio->height()/2));
			QPushButton * exportButton = w->findChild<QPushButton *>("pushButtonExport");
			ASSERT_NE(exportButton, nullptr);
			QTimer::singleShot(0, exportButton, &QPushButton::click);
		});
		m_driver.add(Driver::chooseFile(file));
		for (const Driver::Action & a : answers)
			m_driver.add(a);
		// a line edit with the focus takes Ctrl+E itself (end of line): the user clicks into the table first
		QApplication::setActiveWindow(m_window.get());
		ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
		QTableView * table = m_window->inputPage(RoomModelDialog::TabGeometry)->findChild<QTableView *>();
		ASSERT_NE(table, nullptr);
		QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
		ASSERT_EQ(QApplication::focusWidget(), table);
		QTest::keyClick(m_window.get(), Qt::Key_E, Qt::ControlModifier);
		EXPECT_EQ(m_driver.pending(), 0);
	}

	/*! Presses Ok, then closes the export dialog left open behind the box. */
	static Driver::Action okThenCloseExportDialog() {
		return [](QWidget * box) {
			QDialog * exportDialog = qobject_cast<QDialog *>(box->parentWidget());
			Driver::press(QDialogButtonBox::Ok)(box);
			if (exportDialog != nullptr)
				QTimer::singleShot(0, exportDialog, &QDialog::reject);
		};
	}

	QString solverPid() const {
		return QString::fromUtf8(GuiTest::readBytes(m_dir + "/solver dir/pid")).trimmed();
	}

	Driver							m_driver;
	std::map<QString, QByteArray>	m_before;
};


TEST_F(ModelExportWindowTest, AbsentSolverTouchesNothing) {
	RoomModelDialog::setSolverExecutable(m_dir + "/nowhere/CaldoryneSolver");
	for (Kind kind : { FMU, Modelica }) {
		m_driver.m_seen.clear();
		exportVia(kind, m_dir + (kind == FMU ? "/out put/room.fmu" : "/out put/pkg.mo"), { okThenCloseExportDialog() });
		ASSERT_EQ(m_driver.m_seen.size(), 3u);
		EXPECT_EQ(m_driver.m_seen[2].m_title, "Export error");
		EXPECT_EQ(m_driver.m_seen[2].m_text, QString("Could not start solver executable '%1'.").arg(m_dir + "/nowhere/CaldoryneSolver"));
		EXPECT_EQ(files(), m_before);
	}
	EXPECT_EQ(lastExportDirectory(), "unset");
}


TEST_F(ModelExportWindowTest, FailingSolverLeavesEverythingAsBeforeAndNamesItsLog) {
	setMode("fail");
	const QString log = m_dir + "/plant room/log/screenlog.txt";
	for (Kind kind : { FMU, Modelica }) {
		m_driver.m_seen.clear();
		m_driver.handleClass("SolverProgressDialog", Driver::Action());
		exportVia(kind, m_dir + (kind == FMU ? "/out put/room.fmu" : "/out put/pkg.mo"), { Driver::press(QDialogButtonBox::Ok) });
		ASSERT_FALSE(m_driver.m_seen.empty());
		const Driver::Seen & box = m_driver.m_seen.back();
		EXPECT_EQ(box.m_title, "Export failure");
		EXPECT_TRUE(box.m_text.contains("See log file at\n " + log + "\n")) << box.m_text.toStdString();
		EXPECT_EQ(GuiTest::readBytes(log), "solver log\n");
		// the solver's log is the one new thing
		std::map<QString, QByteArray> now = files();
		now.erase(m_dir + "/plant room");
		EXPECT_EQ(now, m_before);
		QDir(m_dir + "/plant room").removeRecursively();
	}
	EXPECT_TRUE(m_window->isProjectModified());
}


TEST_F(ModelExportWindowTest, SucceedingSolverGetsTheShownProjectAndReplacesTheOldExport) {
	const struct { Kind kind; const char * file; std::map<QString, QByteArray> expected; } cases[] = {
		{ FMU, "/out put/room.fmu", { { "/out put/room.fmu", "new fmu\n" } } },
		{ Modelica, "/out put/pkg.mo", { { "/out put/pkg.mo", "new model\n" }, { "/out put/pkg/package.mo", "new package\n" } } },
	};
	const QByteArray onDisk = GuiTest::readBytes(m_project);
	for (const auto & c : cases) {
		m_driver.m_seen.clear();
		m_driver.handleClass("SolverProgressDialog", Driver::Action());
		exportVia(c.kind, m_dir + c.file, { Driver::press(QDialogButtonBox::Ok) });
		ASSERT_FALSE(m_driver.m_seen.empty());
		EXPECT_EQ(m_driver.m_seen.back().m_title, "Export completed") << m_driver.m_seen.back().m_text.toStdString();
		std::map<QString, QByteArray> expected = m_before;
		for (const auto & kv : c.expected)
			expected[m_dir + kv.first] = kv.second;
		expected[m_dir + "/plant room"] = "<dir>";
		EXPECT_EQ(files(), expected);
		m_before = files();

		// the unsaved area went to the solver in a copy beside the project; the project file stayed
		const QStringList args = solverArgs();
		ASSERT_EQ(args.size(), c.kind == FMU ? 3 : 2);
		EXPECT_EQ(QFileInfo(args[0]).absolutePath(), m_dir);
		EXPECT_NE(args[0], m_project);
		RM::Room seen;
		seen.readProjectFile(m_dir + "/solver dir/project-seen.rmxml", *m_window->database());
		EXPECT_EQ(seen.m_area, 31);
		EXPECT_EQ(GuiTest::readBytes(m_project), onDisk);
		if (c.kind == FMU) {
			EXPECT_EQ(args[2], "--fmu-result-root=" + m_dir + "/out put/room_FMU");
		}
		EXPECT_EQ(lastExportDirectory(), m_dir + "/out put");
	}
}


TEST_F(ModelExportWindowTest, CancelEndsAHangingSolverAndLeavesEverythingAsBefore) {
	setMode("hang");
	for (Kind kind : { FMU, Modelica }) {
		m_driver.m_seen.clear();
		QString shownAtCancel;
		m_driver.handleClass("SolverProgressDialog", [&shownAtCancel](QWidget * w) {
			QPlainTextEdit * output = w->findChild<QPlainTextEdit *>("plainTextEditOutput");
			ASSERT_NE(output, nullptr);
			QDialog * progress = qobject_cast<QDialog *>(w);
			QDialog * exportDialog = qobject_cast<QDialog *>(w->parentWidget());
			QObject::connect(progress, &QDialog::finished, exportDialog, [exportDialog]() {
				QTimer::singleShot(0, exportDialog, &QDialog::reject);
			});
			// Cancel once the solver has said that it waits: its lines show while it runs
			auto cancelWhenWaiting = [output, w, &shownAtCancel]() {
				if (!shownAtCancel.isEmpty() || !output->toPlainText().contains("waiting"))
					return;
				shownAtCancel = output->toPlainText();
				Driver::press(QDialogButtonBox::Cancel)(w);
			};
			QObject::connect(output, &QPlainTextEdit::textChanged, w, cancelWhenWaiting);
			cancelWhenWaiting();
		});
		exportVia(kind, m_dir + (kind == FMU ? "/out put/room.fmu" : "/out put/pkg.mo"), {});
		EXPECT_EQ(shownAtCancel, "solver: reading the project\nwaiting");
		const QString pid = solverPid();
		ASSERT_FALSE(pid.isEmpty());
		EXPECT_FALSE(QFileInfo::exists("/proc/" + pid)) << "the solver was ended";
		// no box after a cancel
		ASSERT_FALSE(m_driver.m_seen.empty());
		EXPECT_NE(m_driver.m_seen.back().m_className, "QMessageBox");
		std::map<QString, QByteArray> now = files();
		now.erase(m_dir + "/plant room");
		EXPECT_EQ(now, m_before);
		QFile::remove(m_dir + "/solver dir/pid");
	}
	EXPECT_EQ(lastExportDirectory(), "unset");
}

} // namespace
