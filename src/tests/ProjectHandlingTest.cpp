// Main window project handling: save names and backups, write and read failures, start-up
// reopen, New and close with their save question; the run dialog's stored choice.
#include <memory>

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>

#include <RM_Room.h>

#include "ButtonBar.h"
#include "GuiTestHarness.h"
#include "RoomModelDialog.h"
#include "RunDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;


using GuiTest::readBytes;

/*! A file nobody can create, not even root (tests may run as root). */
const char * const UNWRITABLE = "/proc/caldoryne-test.rmxml";

QString lastOpenedProject() {
	return QSettings("BVX", "Caldoryne 3.2").value("LastOpenedProject", "unset").toString();
}

class ProjectHandlingTest : public ::testing::Test {
protected:
	void SetUp() override {
		GuiTest::clearSettings();
		m_dir = GuiTest::homeDir() + "/projects/" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
		QDir(m_dir).removeRecursively();
		QDir().mkpath(m_dir);
		m_office = m_dir + "/office.rmxml";
		QFile::copy(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml", m_office);
		m_window.reset(new RoomModelDialog);
	}

	/*! Sends a close event; true when the window accepted it. */
	bool closeWindow() {
		QCloseEvent ev;
		QCoreApplication::sendEvent(m_window.get(), &ev);
		return ev.isAccepted();
	}

	QString m_dir;
	QString m_office;
	std::unique_ptr<RoomModelDialog> m_window;
};


TEST_F(ProjectHandlingTest, SaveAppendsSuffixCaseSensitivelyAndKeepsTheFirstBackup) {
	const struct { const char * chosen; const char * written; } cases[] = {
		{ "room", "room.rmxml" }, { "room.RMXML", "room.RMXML.rmxml" }, { "office.rmxml", "office.rmxml" }
	};
	Driver driver;
	for (const auto & c : cases) {
		driver.add(Driver::chooseFile(m_dir + "/" + c.chosen));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		const QString written = m_dir + "/" + c.written;
		EXPECT_EQ(m_window->project()->m_projectFilePath, written) << c.chosen;
		EXPECT_TRUE(m_window->windowTitle().endsWith(" - " + QString(c.written)));
		EXPECT_EQ(driver.m_seen.back().m_text, QString("Wrote project file '%1'.").arg(written));
	}
	// office.rmxml existed (the copied office) before the first save: its old content is the backup
	const QByteArray original = readBytes(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml");
	EXPECT_EQ(readBytes(m_office + ".bak"), original);
	EXPECT_FALSE(QFileInfo::exists(m_dir + "/room.rmxml.bak"));

	// a second save over the file keeps the older backup
	m_window->project()->m_simulationEndTime = 7200;
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	EXPECT_EQ(readBytes(m_office + ".bak"), original);
	EXPECT_NE(readBytes(m_office), original);
}


TEST_F(ProjectHandlingTest, UnwritableTargetKeepsFileNameAndTitle) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	const QString title = m_window->windowTitle();
	const QByteArray before = readBytes(m_office);
	Driver driver;
	driver.add(Driver::chooseFile(UNWRITABLE));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	ASSERT_FALSE(driver.m_seen.empty());
	EXPECT_EQ(driver.m_seen.back().m_title, "Write Error");
	EXPECT_EQ(m_window->project()->m_projectFilePath, m_office);
	EXPECT_EQ(m_window->windowTitle(), title);
	EXPECT_EQ(readBytes(m_office), before);
}


TEST_F(ProjectHandlingTest, LoadFailuresLeaveTheProjectUntouched) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	const double endTime = m_window->project()->m_simulationEndTime;
	ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/broken.rmxml", "<?xml version=\"1.0\"?><RoomModel><Room></Unclosed>"));
	QByteArray invalid = readBytes(m_office);
	invalid.replace("<SimulationEndTime>259200</SimulationEndTime>", "<SimulationEndTime>-5</SimulationEndTime>");
	ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/invalid.rmxml", invalid));
	const struct { QString file; QString text; } cases[] = {
		{ m_dir + "/none.rmxml", QString("Couldn't open file '%1' for reading.").arg(m_dir + "/none.rmxml") },
		{ m_dir + "/broken.rmxml", "Error reading file, see logfile for details." },
		{ m_dir + "/invalid.rmxml", "Error reading file, see logfile for details. Error message:\n" },
	};
	for (const auto & c : cases) {
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Ok));
		EXPECT_FALSE(m_window->loadProject(c.file, false));
		ASSERT_EQ(driver.m_seen.size(), 1u) << c.file.toStdString();
		EXPECT_EQ(driver.m_seen[0].m_title, "Read Error");
		EXPECT_TRUE(driver.m_seen[0].m_text.startsWith(c.text)) << driver.m_seen[0].m_text.toStdString();
		EXPECT_EQ(m_window->project()->m_projectFilePath, m_office);
		EXPECT_EQ(m_window->project()->m_simulationEndTime, endTime);
	}
}


TEST_F(ProjectHandlingTest, NewThenCloseStoresEmptyPathAndDeletedLastProjectOpensDefault) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	Driver driver;
	driver.add(Driver::press(QDialogButtonBox::Discard));
	m_window->buttonBar()->toolButtonNew->click();
	EXPECT_TRUE(m_window->project()->m_projectFilePath.isEmpty());
	EXPECT_EQ(lastOpenedProject(), m_office);
	driver.add(Driver::press(QDialogButtonBox::Discard));
	EXPECT_TRUE(closeWindow());
	EXPECT_EQ(lastOpenedProject(), QString());

	// a deleted last project: the default project, no box
	QSettings("BVX", "Caldoryne 3.2").setValue("LastOpenedProject", m_dir + "/deleted.rmxml");
	const size_t seen = driver.m_seen.size();
	m_window.reset(new RoomModelDialog);
	EXPECT_TRUE(m_window->project()->m_projectFilePath.isEmpty());
	EXPECT_EQ(driver.m_seen.size(), seen);
}


TEST_F(ProjectHandlingTest, CloseQuestionCancelSaveCancelledAndFailedSave) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	QFile::remove(GuiTest::homeDir() + "/AppData/Roaming/Caldoryne/db_materials.xml");
	Driver driver;
	// Cancel: the window stays, settings and databases are written already
	driver.add(Driver::press(QDialogButtonBox::Cancel));
	EXPECT_FALSE(closeWindow());
	EXPECT_EQ(lastOpenedProject(), m_office);

	// Save with a cancelled file dialog closes unsaved
	driver.add(Driver::press(QDialogButtonBox::Save));
	driver.add(Driver::reject());
	EXPECT_TRUE(closeWindow());

	// Save with a failed write stops the close, and New
	for (QToolButton * btn : { (QToolButton *)nullptr, m_window->buttonBar()->toolButtonNew }) {
		driver.add(Driver::press(QDialogButtonBox::Save));
		driver.add(Driver::chooseFile(UNWRITABLE));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		if (btn == nullptr)
			EXPECT_FALSE(closeWindow());
		else
			btn->click();
		EXPECT_EQ(driver.m_seen.back().m_title, "Write Error");
		EXPECT_EQ(m_window->project()->m_projectFilePath, m_office);
	}
}


TEST(RunDialogTest, OneYearEachTimeAutomaticSavingStoredOnAcceptOnly) {
	GuiTest::clearSettings();
	QSettings("BVX", "Caldoryne 3.2").setValue("OutputAutomaticSave", true);
	for (bool accept : { false, true }) {
		RunDialog dlg(nullptr);
		EXPECT_TRUE(dlg.findChild<QRadioButton *>("radioButton1Year")->isChecked());
		EXPECT_FALSE(dlg.twoYearSimulation());
		EXPECT_TRUE(dlg.automaticSave());
		dlg.findChild<QRadioButton *>("radioButton2Year")->setChecked(true);
		dlg.findChild<QAbstractButton *>("checkBox")->setChecked(false);
		EXPECT_TRUE(dlg.twoYearSimulation());
		if (accept)
			dlg.accept();
		else
			dlg.reject();
		EXPECT_EQ(QSettings("BVX", "Caldoryne 3.2").value("OutputAutomaticSave").toBool(), !accept);
	}
	RunDialog next(nullptr);
	EXPECT_FALSE(next.automaticSave());
	EXPECT_FALSE(next.twoYearSimulation());
}

} // namespace
