// Simulation run in the main window: a three-day office project loaded, run, saved and
// reloaded, a run aborted by closing the window or going on after a cancelled close, run
// refusals and failures, progress.
#include <memory>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSettings>
#include <QTextStream>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <BVX_MessageHandler.h>

#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_ConstructionType.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "ConstructionDBWidget.h"
#include "ConstructionDBModel.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"
#include "RunController.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;


QString readFile(const QString & path) {
	QFile f(path);
	if (!f.open(QIODevice::ReadOnly))
		return QString();
	return QString::fromUtf8(f.readAll());
}

/*! Checks the automatic-saving box of the run dialog as asked, then starts the run. */
Driver::Action runDialog(bool autoSave) {
	return [autoSave](QWidget * w) {
		QList<QAbstractButton *> boxes = w->findChildren<QAbstractButton *>("checkBox");
		ASSERT_EQ(boxes.size(), 1);
		boxes.front()->setChecked(autoSave);
		qobject_cast<QDialog *>(w)->accept();
	};
}

class SimulationRunWindowTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		MainWindowTest::SetUp();
		m_project = m_dir + "/office.rmxml";
		QFile::copy(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml", m_project);
	}

	/*! Loads the project through the Load button, starts a run that is refused and returns
		the cause its message box names. */
	QString loadAndRefusedRunCause(const QString & project) {
		Driver driver;
		driver.add(Driver::chooseFile(project));
		m_window->buttonBar()->toolButtonLoad->click();
		EXPECT_EQ(m_window->project()->m_projectFilePath, project);
		QString cause;
		driver.add(runDialog(false));
		driver.add([&cause, this](QWidget * w) {
			QMessageBox * box = qobject_cast<QMessageBox *>(w);
			ASSERT_NE(box, nullptr);
			cause = box->informativeText();
			m_boxTitle = box->windowTitle();
			m_boxText = box->text();
			box->accept();
		});
		m_window->buttonBar()->toolButtonUpdate->click();
		EXPECT_EQ(driver.pending(), 0);
		return cause;
	}

	bool toolButtonsEnabled() const {
		ButtonBar * bar = m_window->buttonBar();
		return bar->toolButtonNew->isEnabled() && bar->toolButtonLoad->isEnabled() && bar->toolButtonSave->isEnabled()
				&& bar->toolButtonUpdate->isEnabled() && bar->toolButtonReport->isEnabled();
	}

	QString m_project;
	/*! Title and text of the box of the last refused run. */
	QString m_boxTitle;
	QString m_boxText;
};


TEST_F(SimulationRunWindowTest, LoadRunSaveReloadThenAbortByClosing) {
	Driver driver;
	driver.add(Driver::chooseFile(m_project));
	m_window->buttonBar()->toolButtonLoad->click();
	ASSERT_EQ(m_window->project()->m_projectFilePath, m_project);

	driver.add(runDialog(true));
	m_window->buttonBar()->toolButtonUpdate->click();
	EXPECT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	EXPECT_EQ(m_window->progressBar()->maximum(), 8760);
	EXPECT_EQ(m_window->progressBar()->value(), 8760);
	EXPECT_TRUE(toolButtonsEnabled());
	EXPECT_TRUE(m_window->buttonBar()->toolButtonExport->isEnabled());
	EXPECT_TRUE(QSettings("BVX", "Caldoryne 3.2").value("OutputAutomaticSave").toBool());

	const QString runDir = m_dir + "/office";
	const QString screenLog = readFile(runDir + "/log/screenlog.txt");
	EXPECT_TRUE(screenLog.startsWith("Caldoryn 3.2, started ")) << screenLog.left(80).toStdString();
	EXPECT_TRUE(QFileInfo::exists(runDir + "/log/summary.txt"));
	// the relative humidity file comes with the moisture balance only, which this project has off
	const QStringList results = QDir(runDir + "/results").entryList(QDir::Files, QDir::Name);
	EXPECT_EQ(results, QStringList({ "RoomTemperature.ccd", "flux_integrals.tsv", "fluxes.tsv", "states.tsv",
									 "wall_flux_integrals.tsv", "wall_fluxes.tsv", "wall_states.tsv" }));
	// three days of hourly rows below the header
	const QStringList states = readFile(runDir + "/results/states.tsv").split('\n', Qt::SkipEmptyParts);
	EXPECT_EQ(states.size(), 1 + 72 + 1) << states.size();
	EXPECT_TRUE(driver.m_seen.size() >= 2);

	// save under a new name, load that and save again: the same XML
	const QString copy = m_dir + "/copy.rmxml";
	driver.add(Driver::chooseFile(m_dir + "/copy"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	ASSERT_EQ(m_window->project()->m_projectFilePath, copy);
	driver.add(Driver::chooseFile(copy));
	m_window->buttonBar()->toolButtonLoad->click();
	driver.add(Driver::chooseFile(m_dir + "/copy2.rmxml"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	EXPECT_EQ(readFile(copy), readFile(m_dir + "/copy2.rmxml"));
	EXPECT_FALSE(m_window->buttonBar()->toolButtonExport->isEnabled());

	// close the window from the first progress notification; the saved project closes unasked
	const size_t seenBefore = driver.m_seen.size();
	driver.add([this](QWidget * w) {
		QTimer::singleShot(0, m_window.get(), [this]() { m_window->close(); });
		runDialog(false)(w);
	});
	m_window->buttonBar()->toolButtonUpdate->click();
	ASSERT_EQ(driver.m_seen.size(), seenBefore + 1);
	EXPECT_EQ(driver.m_seen.back().m_title, "Start Simulation");
	EXPECT_TRUE(readFile(m_dir + "/copy2/log/screenlog.txt").contains("Simulation aborted."));
	EXPECT_FALSE(m_window->model()->m_outputManager.m_resultsPresent);
	EXPECT_FALSE(m_window->buttonBar()->toolButtonExport->isEnabled());
	EXPECT_TRUE(toolButtonsEnabled());
}


TEST_F(SimulationRunWindowTest, UnnamedProjectRefusedWithAutomaticSavingElseRunsInDefaultDirectory) {
	Driver driver;
	m_window->project()->m_projectFilePath.clear();
	m_window->project()->m_simulationEndTime = 86400;
	driver.add(runDialog(true));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonUpdate->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Project not yet saved");
	EXPECT_FALSE(m_window->model()->m_outputManager.m_resultsPresent);

	const QString defaultDir = GuiTest::homeDir() + "/CaldoryneDefaultProject";
	QDir(defaultDir).removeRecursively();
	driver.add(runDialog(false));
	m_window->buttonBar()->toolButtonUpdate->click();
	EXPECT_EQ(driver.m_seen.size(), 3u);
	EXPECT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	EXPECT_TRUE(QFileInfo::exists(defaultDir + "/log/screenlog.txt"));
	EXPECT_FALSE(QFileInfo::exists(defaultDir + "/results"));
}


// A value no widget accepts, from a project file: the run refuses to start and the message box
// names the value in the program's language, not only the log file.
TEST_F(SimulationRunWindowTest, RefusedValueIsNamedInTheLanguageOfTheProgram) {
	RM::Room room;
	room.readProjectFile(m_project, *m_window->database());
	room.m_userLoads.m_occupancy.m_weekDaySchedule[9] = -1;
	const QString name = room.m_userLoads.m_name;
	ASSERT_TRUE(room.writeProjectFile(m_project, *m_window->database()));
	struct Case {
		const char *	m_lang;
		QString			m_cause;
	};
	const Case cases[] = {
		{ "en", QString("Occupancy schedule of user loads '%1' is -1 but must be >= 0 and <= ").arg(name) },
		{ "de", QString("Belegung (Zeitplan) (Nutzerlasten '%1') ist -1, muss aber >= 0 und <= ").arg(name) },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_lang);
		QtExt::LanguageHandler::instance().installTranslator(c.m_lang);
		const QString cause = loadAndRefusedRunCause(m_project);
		EXPECT_TRUE(cause.startsWith(c.m_cause)) << cause.toStdString();
		EXPECT_FALSE(m_window->model()->m_outputManager.m_resultsPresent);
	}
	QtExt::LanguageHandler::instance().installTranslator("en");
}


// An enhanced ventilation above its DIN 4108-2 limit (the file format accepts any value): the
// run refuses to start and the box names the value and its limit.
TEST_F(SimulationRunWindowTest, VentilationAboveItsLimitIsRefusedAtRunStart) {
	struct Case {
		const char *	m_file;
		const char *	m_cause;
	};
	const Case cases[] = {
		{ "Office_NightVentilationAboveLimit.rmxml",
		  "Enhanced night ventilation of 3 1/h exceeds the limit of 2 1/h of DIN 4108-2 for ventilation type 0." },
		{ "Office_DayVentilationAboveLimit.rmxml",
		  "Enhanced day ventilation of 4 1/h exceeds the limit of 3 1/h of DIN 4108-2." },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_file);
		const QString project = m_dir + "/" + c.m_file;
		QFile::copy(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/" + c.m_file, project);
		const QString cause = loadAndRefusedRunCause(project);
		EXPECT_TRUE(cause.startsWith(c.m_cause)) << cause.toStdString();
		// a refused input: the box says what to change, not that the solver failed
		EXPECT_EQ(m_boxTitle, "Ventilation above its limit");
		EXPECT_EQ(m_boxText, "Lower the enhanced day or night ventilation in the DIN 4108-2 settings to its limit "
							 "and start the run again.");
		EXPECT_FALSE(m_window->model()->m_outputManager.m_resultsPresent);
		EXPECT_TRUE(toolButtonsEnabled());
	}
}


TEST_F(SimulationRunWindowTest, UnknownClimateFailsInitialisationThenGoodRunWorks) {
	ASSERT_TRUE(m_window->loadProject(m_project, true));
	const QString good = m_window->project()->m_climateDataPath;
	m_window->project()->m_climateDataPath = "Nowhere/missing.epw";
	Driver driver;
	driver.add(runDialog(false));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonUpdate->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	const QString screenLog = m_dir + "/office/log/screenlog.txt";
	EXPECT_EQ(driver.m_seen[1].m_text, QString("Error during solver initialization, see error log file '%1'.").arg(screenLog));
	EXPECT_TRUE(readFile(screenLog).contains("Missing climate data for location 'Nowhere/missing.epw'."));
	EXPECT_FALSE(m_window->buttonBar()->toolButtonExport->isEnabled());
	EXPECT_TRUE(toolButtonsEnabled());

	// the handler is back on the program log: later messages do not reach this screen log
	const QString before = readFile(screenLog);
	BVX::BVX_Message("after the run\n", BVX::MSG_PROGRESS, "[test]", -1);
	EXPECT_EQ(readFile(screenLog), before);

	m_window->project()->m_climateDataPath = good;
	driver.add(runDialog(false));
	m_window->buttonBar()->toolButtonUpdate->click();
	EXPECT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	EXPECT_EQ(driver.m_seen.size(), 3u);
}


TEST_F(SimulationRunWindowTest, UnwritableScreenLogAndResultFilesAreNamedInTheBoxes) {
	ASSERT_TRUE(m_window->loadProject(m_project, true));
	const QString good = m_window->project()->m_climateDataPath;
	Driver driver;

	// a directory in place of the screen log: the run logs into the program log and says so
	ASSERT_TRUE(QDir().mkpath(m_dir + "/office/log/screenlog.txt"));
	const QString programLog = QtExt::Directories::globalLogFile();
	m_window->project()->m_climateDataPath = "Nowhere/missing.epw";
	driver.add(runDialog(false));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonUpdate->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_FALSE(m_window->model()->m_outputManager.m_resultsPresent);
	EXPECT_EQ(driver.m_seen[1].m_text, QString("Error during solver initialization, see error log file '%1'.").arg(programLog));
	EXPECT_TRUE(readFile(programLog).contains("Missing climate data for location 'Nowhere/missing.epw'."));
	m_window->project()->m_climateDataPath = good;

	// automatic saving into a results "directory" that is a file: failure C after the run
	QDir(m_dir + "/office").removeRecursively();
	ASSERT_TRUE(QDir().mkpath(m_dir + "/office/log"));
	QFile blocker(m_dir + "/office/results");
	ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
	blocker.close();
	driver.add(runDialog(true));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonUpdate->click();
	ASSERT_EQ(driver.m_seen.size(), 4u);
	// the calculation itself completed: its results stay, only the files are missing
	EXPECT_EQ(driver.m_seen[3].m_title, "Write Error");
	EXPECT_EQ(driver.m_seen[3].m_text, QString("Result files could not be written to '%1'.").arg(m_dir + "/office/results"));
	EXPECT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	EXPECT_EQ(m_window->progressBar()->value(), 8760);
	EXPECT_TRUE(m_window->buttonBar()->toolButtonExport->isEnabled());
	EXPECT_TRUE(toolButtonsEnabled());

	// the results export into a directory that takes no files
	driver.add(Driver::chooseFile("/proc"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->onToolButtonExportClicked();
	ASSERT_EQ(driver.m_seen.size(), 6u);
	EXPECT_EQ(driver.m_seen[5].m_title, "Write Error");
	EXPECT_EQ(driver.m_seen[5].m_text, "Result files could not be written to '/proc'.");
}


TEST_F(SimulationRunWindowTest, RunDirectoryThatCannotBeCreatedIsNamedInTheProgramLog) {
	// a project file without extension is its own run directory; /proc takes no folders, not even root's
	const QString noExtension = m_dir + "/office";
	ASSERT_TRUE(QFile::copy(m_project, noExtension));
	const struct { QString project; QString reason; } cases[] = {
		{ noExtension, QString("'%1' exists and is not a directory").arg(noExtension) },
		{ "/proc/caldoryne-test/office.rmxml", "cannot write in '/proc': " },
	};
	const QString programLog = QtExt::Directories::globalLogFile();
	for (const auto & c : cases) {
		SCOPED_TRACE(c.project.toStdString());
		Driver driver;
		if (c.project == noExtension) {
			driver.add(Driver::chooseFile(c.project));
			m_window->buttonBar()->toolButtonLoad->click();
			ASSERT_EQ(m_window->project()->m_projectFilePath, noExtension);
			driver.m_seen.clear();
		}
		else {
			// as if loaded from a folder the user may not write
			m_window->project()->m_projectFilePath = c.project;
		}
		driver.add(runDialog(false));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonUpdate->click();
		ASSERT_EQ(driver.m_seen.size(), 2u);
		EXPECT_EQ(driver.m_seen[1].m_title, "Solver error");
		EXPECT_EQ(driver.m_seen[1].m_text, QString("Error during solver initialization, see error log file '%1'.").arg(programLog));
		const QString runDir = QString(c.project).replace(".rmxml", "");
		EXPECT_TRUE(readFile(programLog).contains(QString("Cannot create run directory '%1/log': %2").arg(runDir, c.reason)));
		EXPECT_FALSE(m_window->model()->m_outputManager.m_resultsPresent);
		EXPECT_TRUE(toolButtonsEnabled());
	}
	EXPECT_EQ(GuiTest::readBytes(noExtension), GuiTest::readBytes(m_project));
}


TEST_F(SimulationRunWindowTest, CancelledCloseDuringAYearRunLetsTheRunFinish) {
	const QString project = m_dir + "/room.rmxml";
	ASSERT_TRUE(QFile::copy(GuiTest::sourceDir() + "/resources/examples/DefaultRoom.rmxml", project));
	ASSERT_TRUE(m_window->loadProject(project, false));
	ASSERT_EQ(m_window->project()->m_simulationEndTime, 31536000);
	GuiTest::typeAndReturn(m_window->inputPage(RoomModelDialog::TabGeometry)->findChild<QLineEdit *>("lineEditArea"), "21");
	ASSERT_TRUE(m_window->isProjectModified());

	Driver driver;
	int hourAtClose = -1;
	driver.add([&](QWidget * w) {
		QTimer::singleShot(0, m_window.get(), [&]() {
			hourAtClose = m_window->progressBar()->value();
			m_window->close();
		});
		runDialog(false)(w);
	});
	driver.add(Driver::press(QDialogButtonBox::Cancel));
	m_window->show();
	m_window->buttonBar()->toolButtonUpdate->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Save Project File");
	EXPECT_LT(hourAtClose, 8760);
	EXPECT_TRUE(m_window->isVisible());
	EXPECT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	EXPECT_FALSE(readFile(m_dir + "/room/log/screenlog.txt").contains("Simulation aborted."));
	const std::vector<double> & time = m_window->model()->m_outputManager.m_roomStateSeries[RM::OutputManager::RS_Time];
	ASSERT_FALSE(time.empty());
	EXPECT_EQ(time.back(), 365);
	EXPECT_TRUE(m_window->buttonBar()->toolButtonExport->isEnabled());
	EXPECT_TRUE(m_window->isProjectModified());
}


TEST_F(SimulationRunWindowTest, EditsOfRoomAndDatabaseDuringARunLeaveTheRunAlone) {
	ASSERT_TRUE(m_window->loadProject(m_project, true));
	RM::Room & room = *m_window->project();
	RM::Database & db = *m_window->database();
	// the roof becomes a user construction type with twice the layer thicknesses
	const unsigned int roofIndex = 2;
	const unsigned int builtinRoof = room.m_constructions[roofIndex].m_constructionId;
	RM::ConstructionType thick = *db.constructionType(builtinRoof);
	thick.m_builtin = false;
	for (double & d : thick.m_d)
		d *= 2;
	const unsigned int userRoof = db.addConstructionType(thick, 0);
	const unsigned int userStart = RM::Database::USER_ID_START;
	ASSERT_GT(userRoof, userStart);
	room.m_constructions[roofIndex].m_constructionId = userRoof;
	ConstructionDBWidget * page = m_window->findChild<ConstructionDBWidget *>();
	ASSERT_NE(page, nullptr);
	page->resetModel();
	const QString states = m_dir + "/office/results/states.tsv";

	Driver driver;
	driver.add(runDialog(true));
	m_window->buttonBar()->toolButtonUpdate->click();
	ASSERT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	const QString undisturbed = readFile(states);
	ASSERT_FALSE(undisturbed.isEmpty());

	// from the first progress notification on: the roof goes back to the built-in type,
	// a wall goes, the room shrinks, and the user type is removed on its database page
	bool edited = false;
	driver.add([&](QWidget * w) {
		QTimer::singleShot(0, m_window.get(), [&]() {
			room.m_constructions[roofIndex].m_constructionId = builtinRoof;
			room.m_constructions.erase(room.m_constructions.begin());
			room.m_area /= 2;
			room.m_height += 1;
			m_window->updateInputWidgets();
			m_window->buttonBar()->toolButtonEditConstructions->click();
			for (int row = 0; row < page->dbModel()->rowCount(); ++row) {
				const QModelIndex index = page->dbModel()->index(row, 0);
				if (page->dbModel()->itemId(index) == userRoof)
					page->tableView()->setCurrentIndex(index);
			}
			page->removeButton()->click();
			edited = db.constructionType(userRoof) == nullptr;
		});
		runDialog(true)(w);
	});
	m_window->buttonBar()->toolButtonUpdate->click();
	ASSERT_TRUE(edited);
	// no message box on the way
	EXPECT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(readFile(states), undisturbed);
	// the run kept its own room and database
	const RM::CaldoryneModelInterface & model = *m_window->model();
	EXPECT_EQ(model.m_room.m_constructions[roofIndex].m_constructionId, userRoof);
	EXPECT_EQ(model.m_room.m_constructions.size(), room.m_constructions.size() + 1);
	EXPECT_TRUE(model.m_outputManager.m_resultsPresent);

	// the edited room runs differently: the comparison above could tell
	driver.add(runDialog(true));
	m_window->buttonBar()->toolButtonUpdate->click();
	EXPECT_NE(readFile(states), undisturbed);
}


TEST_F(SimulationRunWindowTest, ProgressShowsTheHourOfTheSimulatedYear) {
	m_window->progressBar()->setMaximum(8760);
	const struct { double t; int hour; } cases[] = {
		{ 0, 0 }, { 3599, 0 }, { 3600, 1 }, { 86400, 24 }, { 31536000, 8760 }, { 31536000 + 1, 0 },
		{ 31536000 + 7200, 2 }, { 63072000, 8760 }
	};
	for (const auto & c : cases) {
		m_window->runController()->notify(c.t);
		EXPECT_EQ(m_window->progressBar()->value(), c.hour) << c.t;
	}
	m_window->runController()->notify(3600);
	m_window->runController()->notify();
	EXPECT_EQ(m_window->progressBar()->value(), 0);
}

} // namespace
