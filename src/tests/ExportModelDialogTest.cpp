// Model export dialog: stored type, names per type, connector boxes and flags, the zone-model
// export, and the Modelica/FMU exports through a fake solver script.
#include <memory>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTextStream>

#include <RM_Climate.h>
#include <RM_Room.h>

#include "ExportModelDialog.h"
#include "GuiTestHarness.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;


/*! Fake solver: writes its arguments one per line beside itself; creates the FMU when
	"makefmu" lies beside it; exits with the code in "exitcode" (default 0). */
const char * const FAKE_SOLVER =
	"#!/bin/sh\n"
	"d=$(dirname \"$0\")\n"
	"printf '%s\\n' \"$@\" > \"$d/args.txt\"\n"
	"case \"$2\" in --fmu-export=*) [ -f \"$d/makefmu\" ] && : > \"${2#--fmu-export=}\";; esac\n"
	"[ -f \"$d/exitcode\" ] && exit $(cat \"$d/exitcode\")\n"
	"exit 0\n";

class ExportModelDialogTest : public ::testing::Test {
protected:
	void SetUp() override {
		GuiTest::clearSettings();
		m_dir = GuiTest::homeDir() + "/export/" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
		QDir(m_dir).removeRecursively();
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
		m_window.reset(new RoomModelDialog);
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

	QString m_dir;
	QString m_solver;
	QString m_project;
	std::unique_ptr<RoomModelDialog> m_window;
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
	// the FMU export writes the flags of the boxes into the project file
	QSettings("BVX", "Caldoryne 3.2").setValue("ModelExportOption", 1);
	dlg = dialog(m_solver);
	child<QCheckBox>(dlg.get(), "checkBoxVaporSource")->setChecked(false);
	Driver driver;
	driver.add(Driver::chooseFile(m_dir + "/out put/room.fmu"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	child<QPushButton>(dlg.get(), "pushButtonExport")->click();
	EXPECT_EQ(room.m_interfaceDefinition, 32);
	RM::Room reread;
	reread.readProjectFile(m_project, *m_window->database());
	EXPECT_EQ(reread.m_interfaceDefinition, 32);
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


TEST_F(ExportModelDialogTest, FmuRemovesOldFilePassesArgumentsAndReportsTheOutcome) {
	QSettings("BVX", "Caldoryne 3.2").setValue("ModelExportOption", 1);
	const QString fmu = m_dir + "/out put/room.fmu";
	for (bool made : { false, true }) {
		QFile old(fmu);
		ASSERT_TRUE(old.open(QIODevice::WriteOnly));
		old.close();
		if (made)
			QFile(m_dir + "/solver dir/makefmu").open(QIODevice::WriteOnly);
		std::unique_ptr<ExportModelDialog> dlg = dialog(m_solver);
		Driver driver;
		driver.add(Driver::chooseFile(m_dir + "/out put/room.xyz"));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		child<QPushButton>(dlg.get(), "pushButtonExport")->click();
		EXPECT_EQ(solverArgs(), QStringList({ m_project, "--fmu-export=" + fmu,
											  "--fmu-result-root=" + m_dir + "/out put/room_FMU" }));
		EXPECT_EQ(QFileInfo::exists(fmu), made);
		ASSERT_EQ(driver.m_seen.size(), 2u);
		if (made) {
			EXPECT_EQ(driver.m_seen[1].m_title, "Export completed");
		}
		else {
			EXPECT_EQ(driver.m_seen[1].m_title, "Export failure");
			EXPECT_TRUE(driver.m_seen[1].m_text.endsWith(QString("Command line was:\n%1 \"%2\" --fmu-export=\"%3\" "
				"--fmu-result-root=\"%4\"").arg(m_solver, m_project, fmu, m_dir + "/out put/room_FMU")))
				<< driver.m_seen[1].m_text.toStdString();
			EXPECT_TRUE(driver.m_seen[1].m_text.contains(m_dir + "/plant room/log/screenlog.txt"));
		}
		EXPECT_EQ(lastExportDirectory(), m_dir + "/out put");
	}
}


TEST_F(ExportModelDialogTest, ModelicaReportsSolverFailureAndAbsentSolver) {
	QSettings("BVX", "Caldoryne 3.2").setValue("ModelExportOption", 0);
	for (int exitCode : { 0, 3 }) {
		QFile code(m_dir + "/solver dir/exitcode");
		ASSERT_TRUE(code.open(QIODevice::WriteOnly));
		code.write(QByteArray::number(exitCode));
		code.close();
		std::unique_ptr<ExportModelDialog> dlg = dialog(m_solver);
		Driver driver;
		driver.add(Driver::chooseFile(m_dir + "/out put/pkg.mo"));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		child<QPushButton>(dlg.get(), "pushButtonExport")->click();
		EXPECT_EQ(solverArgs(), QStringList({ m_project, "--modelica-export=" + m_dir + "/out put/pkg.mo" }));
		EXPECT_TRUE(QFileInfo(m_dir + "/out put/pkg").isDir());
		ASSERT_EQ(driver.m_seen.size(), 2u);
		EXPECT_EQ(driver.m_seen[1].m_title, exitCode == 0 ? "Export completed" : "Export failure");
	}

	QSettings("BVX", "Caldoryne 3.2").remove("LastExportDirectory");
	const QString absent = m_dir + "/nowhere/CaldoryneSolver";
	std::unique_ptr<ExportModelDialog> dlg = dialog(absent);
	Driver driver;
	driver.add(Driver::chooseFile(m_dir + "/out put/pkg2.mo"));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	child<QPushButton>(dlg.get(), "pushButtonExport")->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Export error");
	EXPECT_EQ(driver.m_seen[1].m_text, QString("Could not start solver executable '%1'.").arg(absent));
	EXPECT_TRUE(dlg->isVisible());
	EXPECT_EQ(lastExportDirectory(), "unset");
}

} // namespace
