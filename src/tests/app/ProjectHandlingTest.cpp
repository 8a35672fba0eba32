// Main window project handling: save names and backups, write and read failures, start-up
// reopen, Load, New and close with their save question; the run dialog's stored choice.
#include <memory>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QStackedLayout>
#include <QTimer>
#include <QToolButton>

#include <RM_Room.h>

#include "ButtonBar.h"
#include "DBPageBase.h"
#include "QtExt_FileSizeLimit.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
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

class ProjectHandlingTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		MainWindowTest::SetUp();
		m_office = m_dir + "/office.rmxml";
		QFile::copy(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml", m_office);
	}

	/*! A committed edit on the geometry page, as a user makes it. */
	void editArea(const QString & area) {
		QLineEdit * edit = m_window->inputPage(RoomModelDialog::TabGeometry)->findChild<QLineEdit *>("lineEditArea");
		ASSERT_NE(edit, nullptr);
		GuiTest::typeAndReturn(edit, area);
	}

	/*! Sends a close event; true when the window accepted it. */
	bool closeWindow() {
		QCloseEvent ev;
		QCoreApplication::sendEvent(m_window.get(), &ev);
		return ev.isAccepted();
	}

	QString m_office;
};


TEST_F(ProjectHandlingTest, SaveAppendsSuffixCaseSensitivelyAndBackupHoldsTheReplacedVersion) {
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

	// every later save backs up the version it replaces
	for (const char * area : { "31", "32" }) {
		const QByteArray replaced = readBytes(m_office);
		editArea(area);
		driver.add(Driver::chooseFile(m_office));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		EXPECT_EQ(readBytes(m_office + ".bak"), replaced) << area;
		EXPECT_NE(readBytes(m_office), replaced) << area;
	}
}


TEST_F(ProjectHandlingTest, NameTypedWithoutSuffixGetsTheOverwriteQuestionOfTheRealFile) {
	const QByteArray before = readBytes(m_office);
	Driver driver;
	driver.add(Driver::typeFileName(m_dir + "/office"));
	// "No" to the question leaves the file dialog open; the user then cancels it
	driver.add([](QWidget * box) {
		QDialog * fileDialog = qobject_cast<QDialog *>(box->parentWidget());
		Driver::press(QDialogButtonBox::No)(box);
		if (fileDialog != nullptr)
			QTimer::singleShot(0, fileDialog, &QDialog::reject);
	});
	m_window->buttonBar()->toolButtonSave->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_TRUE(driver.m_seen[1].m_text.startsWith("office.rmxml already exists.")) << driver.m_seen[1].m_text.toStdString();
	EXPECT_EQ(readBytes(m_office), before);
	EXPECT_FALSE(QFileInfo::exists(m_office + ".bak"));
	EXPECT_TRUE(m_window->project()->m_projectFilePath.isEmpty());

	// "Yes" replaces it
	driver.add(Driver::typeFileName(m_dir + "/office"));
	driver.add(Driver::press(QDialogButtonBox::Yes));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	EXPECT_EQ(m_window->project()->m_projectFilePath, m_office);
	EXPECT_EQ(readBytes(m_office + ".bak"), before);
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


TEST_F(ProjectHandlingTest, SaveOntoAFullDiskKeepsProjectAndBackupAndSaysWhy) {
	// the default room (12 kB) fits into the save buffer: with 4 kB left only the final flush fails
	const QString file = m_dir + "/p.rmxml";
	ASSERT_TRUE(QFile::copy(GuiTest::sourceDir() + "/resources/examples/DefaultRoom.rmxml", file));
	ASSERT_TRUE(GuiTest::writeBytes(file + ".bak", "older backup"));
	ASSERT_TRUE(m_window->loadProject(file, true));
	editArea("31");
	const QByteArray before = readBytes(file);
	for (rlim_t limit : { rlim_t(0), rlim_t(4000) }) {
		Driver driver;
		driver.add(Driver::chooseFile(file));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		{
			QtExt::FileSizeLimit full(limit);
			m_window->buttonBar()->toolButtonSave->click();
		}
		ASSERT_EQ(driver.m_seen.size(), 2u) << limit;
		EXPECT_EQ(driver.m_seen[1].m_title, "Write Error");
		EXPECT_TRUE(driver.m_seen[1].m_text.contains("File too large")) << driver.m_seen[1].m_text.toStdString();
		EXPECT_EQ(readBytes(file), before);
		EXPECT_EQ(readBytes(file + ".bak"), QByteArray("older backup"));
		EXPECT_TRUE(m_window->isProjectModified());
		// the title still names the file with its mark of unsaved edits
		EXPECT_TRUE(m_window->windowTitle().endsWith(" - p.rmxml*")) << m_window->windowTitle().toStdString();
	}
}


TEST_F(ProjectHandlingTest, BackupThatCannotBeWrittenStopsTheSave) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	editArea("31");
	const QByteArray before = readBytes(m_office);
	// a folder in the way of the backup
	ASSERT_TRUE(QDir().mkpath(m_office + ".bak"));
	ASSERT_TRUE(GuiTest::writeBytes(m_office + ".bak/keep", "x"));
	Driver driver;
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Write Error");
	EXPECT_TRUE(driver.m_seen[1].m_text.contains("Cannot write backup file '" + m_office + ".bak'"))
		<< driver.m_seen[1].m_text.toStdString();
	EXPECT_EQ(readBytes(m_office), before);
	EXPECT_TRUE(m_window->isProjectModified());
}


TEST_F(ProjectHandlingTest, SavingOverTheSaveOfASecondWindowAsks) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	RoomModelDialog other;
	ASSERT_TRUE(other.loadProject(m_office, true));
	Driver driver;
	GuiTest::typeAndReturn(other.inputPage(RoomModelDialog::TabGeometry)->findChild<QLineEdit *>("lineEditArea"), "44");
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	other.buttonBar()->toolButtonSave->click();
	ASSERT_EQ(driver.m_seen.back().m_text, QString("Wrote project file '%1'.").arg(m_office));
	const QByteArray othersSave = readBytes(m_office);

	// the first window saves its own edit: asked, "No" keeps the other window's save
	editArea("31");
	driver.m_seen.clear();
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::No));
	m_window->buttonBar()->toolButtonSave->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Project file changed");
	EXPECT_EQ(readBytes(m_office), othersSave);
	EXPECT_TRUE(m_window->isProjectModified());

	// "Yes" overwrites it; the other window's save becomes the backup
	driver.m_seen.clear();
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::Yes));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	ASSERT_EQ(driver.m_seen.size(), 3u);
	EXPECT_EQ(driver.m_seen[2].m_text, QString("Wrote project file '%1'.").arg(m_office));
	EXPECT_EQ(readBytes(m_office + ".bak"), othersSave);
	RM::Room saved;
	saved.readProjectFile(m_office, *m_window->database());
	EXPECT_EQ(saved.m_area, 31);

	// its own next save is not asked about; the other window's now is
	editArea("32");
	driver.m_seen.clear();
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Room-Model");
	GuiTest::typeAndReturn(other.inputPage(RoomModelDialog::TabGeometry)->findChild<QLineEdit *>("lineEditArea"), "45");
	driver.m_seen.clear();
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::No));
	other.buttonBar()->toolButtonSave->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_title, "Project file changed");
}


TEST_F(ProjectHandlingTest, SaveWritesNoBackupThroughALinkAndKeepsTheProjectsPermissions) {
	// another user of the shared folder planted the backup's name as a link to the owner's notes
	const QString notes = m_dir + "/notes.txt";
	ASSERT_TRUE(GuiTest::writeBytes(notes, "my own notes"));
	ASSERT_TRUE(QFile::link(notes, m_office + ".bak"));
	ASSERT_TRUE(QFile::setPermissions(m_office, QFile::ReadOwner | QFile::WriteOwner));
	const QByteArray before = readBytes(m_office);
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	editArea("31");
	Driver driver;
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->buttonBar()->toolButtonSave->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[1].m_text, QString("Wrote project file '%1'.").arg(m_office));
	EXPECT_EQ(readBytes(notes), QByteArray("my own notes"));
	EXPECT_FALSE(QFileInfo(m_office + ".bak").isSymLink());
	EXPECT_EQ(readBytes(m_office + ".bak"), before);
	// the old version is no more readable by others than the project
	const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
	EXPECT_EQ(QFileInfo(m_office + ".bak").permissions() & others, QFile::Permissions());
	EXPECT_EQ(QFileInfo(m_office + ".bak").permissions(), QFileInfo(m_office).permissions());
}


TEST_F(ProjectHandlingTest, ChangesTheStampCannotSeeByNameSizeOrTimeAreAskedAbout) {
	const QString link = m_dir + "/link.rmxml";
	ASSERT_TRUE(QFile::link(m_office, link));
	const QByteArray original = readBytes(m_office);
	QByteArray other = original;
	other.replace("Office, south facade", "Office, north facade");
	ASSERT_EQ(other.size(), original.size());
	// loaded under its own name or through a link, saved under its own name; the other program
	// keeps the size and restores the modification time (cp -p, rsync -t, an unpacked archive)
	for (const QString & loaded : { m_office, link }) {
		ASSERT_TRUE(GuiTest::writeBytes(m_office, original));
		ASSERT_TRUE(m_window->loadProject(loaded, true));
		const QDateTime modified = QFileInfo(m_office).fileTime(QFileDevice::FileModificationTime);
		ASSERT_TRUE(GuiTest::writeBytes(m_office, other));
		{
			QFile f(m_office);
			ASSERT_TRUE(f.open(QIODevice::ReadWrite));
			ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
		}
		editArea("31");
		Driver driver;
		driver.add(Driver::chooseFile(m_office));
		driver.add(Driver::press(QDialogButtonBox::No));
		m_window->buttonBar()->toolButtonSave->click();
		ASSERT_EQ(driver.m_seen.size(), 2u) << loaded.toStdString();
		EXPECT_EQ(driver.m_seen[1].m_title, "Project file changed") << loaded.toStdString();
		EXPECT_EQ(readBytes(m_office), other) << loaded.toStdString();
		EXPECT_TRUE(m_window->isProjectModified());
	}
}


TEST_F(ProjectHandlingTest, LoadFailuresLeaveTheProjectUntouched) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	const double endTime = m_window->project()->m_simulationEndTime;
	ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/broken.rmxml", "<?xml version=\"1.0\"?><RoomModel><Room></Unclosed>"));
	QByteArray invalid = readBytes(m_office);
	invalid.replace("<SimulationEndTime>259200</SimulationEndTime>", "<SimulationEndTime>-5</SimulationEndTime>");
	ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/invalid.rmxml", invalid));
	// a Latin-1 byte in line 6, after four blanks
	QList<QByteArray> lines = readBytes(m_office).split('\n');
	lines[5] = "    <!-- K\xf6ln -->" + lines[5];
	ASSERT_TRUE(GuiTest::writeBytes(m_dir + "/latin1.rmxml", lines.join('\n')));
	// no writer will ever come to the pipe, and the device never ends
	ASSERT_EQ(::mkfifo(QFile::encodeName(m_dir + "/pipe.rmxml").constData(), 0600), 0);
	ASSERT_TRUE(QDir().mkpath(m_dir + "/folder.rmxml"));
	const QString refused = "Error reading file, see logfile for details. Error message:\nCannot read project file: '";
	const struct { QString file; QString text; } cases[] = {
		{ m_dir + "/pipe.rmxml", refused + m_dir + "/pipe.rmxml' is a named pipe, not a regular file." },
		{ "/dev/zero", refused + "/dev/zero' is a device, not a regular file." },
		{ m_dir + "/folder.rmxml", refused + m_dir + "/folder.rmxml' is a folder, not a regular file." },
		{ m_dir + "/none.rmxml", QString("Couldn't open file '%1' for reading.").arg(m_dir + "/none.rmxml") },
		{ m_dir + "/broken.rmxml", "Error reading file, see logfile for details." },
		{ m_dir + "/invalid.rmxml", "Error reading file, see logfile for details. Error message:\n" },
		{ m_dir + "/latin1.rmxml", "Error reading file, see logfile for details. Error message:\nError reading project file '"
			+ m_dir + "/latin1.rmxml' (line 6, column 11): Encountered incorrectly encoded content." },
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
	editArea("31");
	Driver driver;
	driver.add(Driver::press(QDialogButtonBox::Discard));
	m_window->buttonBar()->toolButtonNew->click();
	EXPECT_TRUE(m_window->project()->m_projectFilePath.isEmpty());
	EXPECT_EQ(lastOpenedProject(), m_office);
	// the new project is unchanged: the close asks nothing
	EXPECT_TRUE(closeWindow());
	EXPECT_EQ(driver.m_seen.size(), 1u);
	EXPECT_EQ(lastOpenedProject(), QString());

	// a deleted last project: the default project, no box
	QSettings("BVX", "Caldoryne 3.2").setValue("LastOpenedProject", m_dir + "/deleted.rmxml");
	const size_t seen = driver.m_seen.size();
	createWindow();
	EXPECT_TRUE(m_window->project()->m_projectFilePath.isEmpty());
	EXPECT_EQ(driver.m_seen.size(), seen);
}


TEST_F(ProjectHandlingTest, SaveQuestionOnlyForAnEditedProjectAndCancelKeepsTheEdits) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	QFile::remove(GuiTest::homeDir() + "/AppData/Roaming/Caldoryne/db_materials.xml");
	Driver driver;
	// unchanged: Load and close ask nothing
	driver.add(Driver::reject());
	m_window->buttonBar()->toolButtonLoad->click();
	ASSERT_EQ(driver.m_seen.size(), 1u);
	EXPECT_EQ(driver.m_seen[0].m_className, "QFileDialog");
	EXPECT_TRUE(closeWindow());
	EXPECT_EQ(driver.m_seen.size(), 1u);

	// a database edit: the close writes the user files, then asks about the project
	m_window->buttonBar()->toolButtonEditMaterials->click();
	qobject_cast<DBPageBase *>(m_window->pageStack()->widget(RoomModelDialog::PageMaterials))->addButton()->click();
	m_window->buttonBar()->toolButtonEditRoom->click();
	editArea("31");
	ASSERT_TRUE(m_window->isProjectModified());
	const double area = m_window->project()->m_area;
	ASSERT_EQ(area, 31);
	const QByteArray onDisk = readBytes(m_office);

	// Cancel, or Save with a cancelled file dialog, or Save with a failed write: the close,
	// Load or New stops, the edit stays, the file is as it was
	const struct { const char * name; std::vector<Driver::Action> answers; const char * lastTitle; } answers[] = {
		{ "cancel", { Driver::press(QDialogButtonBox::Cancel) }, "Save Project File" },
		{ "save, cancelled", { Driver::press(QDialogButtonBox::Save), Driver::reject() }, "Select Room-Model Project File" },
		{ "save, failed", { Driver::press(QDialogButtonBox::Save), Driver::chooseFile(UNWRITABLE),
							Driver::press(QDialogButtonBox::Ok) }, "Write Error" },
	};
	enum Action { Close, Load, New };
	for (Action action : { Close, Load, New }) {
		for (const auto & a : answers) {
			SCOPED_TRACE(std::string(a.name) + " " + std::to_string(action));
			driver.m_seen.clear();
			for (const Driver::Action & answer : a.answers)
				driver.add(answer);
			if (action == Close)
				EXPECT_FALSE(closeWindow());
			else if (action == Load)
				m_window->buttonBar()->toolButtonLoad->click();
			else
				m_window->buttonBar()->toolButtonNew->click();
			EXPECT_EQ(driver.pending(), 0);
			ASSERT_EQ(driver.m_seen.size(), a.answers.size());
			EXPECT_EQ(driver.m_seen[0].m_title, "Save Project File");
			EXPECT_EQ(driver.m_seen.back().m_title, a.lastTitle);
			EXPECT_EQ(m_window->project()->m_area, area);
			EXPECT_EQ(m_window->project()->m_projectFilePath, m_office);
			EXPECT_TRUE(m_window->isProjectModified());
			EXPECT_TRUE(m_window->windowTitle().endsWith("office.rmxml*")) << m_window->windowTitle().toStdString();
			EXPECT_EQ(readBytes(m_office), onDisk);
		}
	}
	// the settings and databases are written before the question
	EXPECT_EQ(lastOpenedProject(), m_office);
	EXPECT_TRUE(QFileInfo::exists(GuiTest::homeDir() + "/AppData/Roaming/Caldoryne/db_materials.xml"));

	// Save that succeeds: the close goes on, the file holds the edit
	driver.add(Driver::press(QDialogButtonBox::Save));
	driver.add(Driver::chooseFile(m_office));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	EXPECT_TRUE(closeWindow());
	EXPECT_FALSE(m_window->isProjectModified());
	RM::Room reread;
	reread.readProjectFile(m_office, *m_window->database());
	EXPECT_EQ(reread.m_area, 31);
}


TEST_F(ProjectHandlingTest, LoadAsksForAnEditedProjectAndDiscardLoadsTheChosenFile) {
	ASSERT_TRUE(m_window->loadProject(m_office, true));
	const QString other = m_dir + "/other.rmxml";
	ASSERT_TRUE(QFile::copy(m_office, other));
	editArea("31");
	Driver driver;
	driver.add(Driver::press(QDialogButtonBox::Discard));
	driver.add(Driver::chooseFile(other));
	m_window->buttonBar()->toolButtonLoad->click();
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[0].m_title, "Save Project File");
	EXPECT_EQ(m_window->project()->m_projectFilePath, other);
	EXPECT_NE(m_window->project()->m_area, 31);
	EXPECT_FALSE(m_window->isProjectModified());
	EXPECT_FALSE(m_window->windowTitle().endsWith("*"));
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
