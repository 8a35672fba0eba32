// Program start-up: in-process runs of the start-up (log banner, language option, licence,
// project on the command line) and runs of the program itself for the early exits.
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <BVX_MessageHandler.h>

#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include "GuiTestHarness.h"
#include "ProgramStartUp.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

QString readFile(const QString & path) {
	QFile f(path);
	if (!f.open(QIODevice::ReadOnly))
		return QString();
	return QString::fromUtf8(f.readAll());
}

/*! Start-up in this process with a home directory of its own; the main window, once shown,
	is closed and the event loop ended. All modal dialogs go through one driver, so that the
	answers come in the order the dialogs appear. */
class ProgramStartUpTest : public ::testing::Test {
protected:
	void SetUp() override {
		m_oldHome = qgetenv("HOME");
		qputenv("HOME", m_home.path().toLocal8Bit());
		GuiTest::clearSettings();
		connect();
	}

	void TearDown() override {
		BVX::MessageHandlerRegistry::instance().msgHandler()->closeLogFile();
		qInstallMessageHandler(nullptr);
		QtExt::LanguageHandler::instance().installTranslator("en");
		GuiTest::clearSettings();
		qputenv("HOME", m_oldHome);
	}

	void connect() {
		QObject::connect(&m_closer, &QTimer::timeout, [this]() {
			// The start-up processes events before it enters the event loop: an exit() then
			// would be lost and the loop would wait for ever.
			if (QThread::currentThread()->loopLevel() == 0 || QApplication::activeModalWidget() != nullptr)
				return;
			for (QWidget * w : QApplication::topLevelWidgets()) {
				RoomModelDialog * window = qobject_cast<RoomModelDialog *>(w);
				if (window != nullptr && window->isVisible()) {
					m_windowTitle = window->windowTitle();
					// the close asks whether to save an edited project: no
					if (window->isProjectModified())
						m_driver.add(Driver::press(QDialogButtonBox::Discard));
					window->close();
					qApp->exit(0);
					return;
				}
			}
		});
		m_closer.start(50);
	}

	/*! Titles of the dialogs seen so far. */
	QStringList seenTitles() const {
		QStringList titles;
		for (const Driver::Seen & seen : m_driver.m_seen)
			titles << seen.m_title;
		return titles;
	}

	int run(QStringList args) {
		args.prepend(QCoreApplication::applicationFilePath());
		std::vector<QByteArray> bytes;
		for (const QString & a : args)
			bytes.push_back(a.toLocal8Bit());
		std::vector<char *> argv;
		for (QByteArray & b : bytes)
			argv.push_back(b.data());
		argv.push_back(nullptr);
		return ProgramStartUp::run(int(bytes.size()), argv.data());
	}

	void suppressLicense() {
		QSettings("BVX", "Caldoryne 3.2").setValue("ConfirmationDontShowLicense3.2", true);
	}

	QString logText() const {
		BVX::MessageHandlerRegistry::instance().msgHandler()->closeLogFile();
		return readFile(QtExt::Directories::globalLogFile());
	}

	QTemporaryDir	m_home;
	QByteArray		m_oldHome;
	Driver			m_driver;
	QTimer			m_closer;
	QString			m_windowTitle;
};

} // namespace


TEST_F(ProgramStartUpTest, LogStartsWithTheBannerAndQtMessagesAreDebugLines) {
	m_driver.add(Driver::press(QDialogButtonBox::Ok));
	EXPECT_EQ(run({}), 0);
	// an unchanged project closes without a question
	EXPECT_EQ(seenTitles(), QStringList({ "License Agreement" }));
	EXPECT_EQ(m_windowTitle, "Caldoryne - The Thermal Room Model - Version 3.2");
	EXPECT_TRUE(QFileInfo(QtExt::Directories::userDataDir()).isDir());

	qWarning("A warning of Qt");
	const QStringList lines = logText().split('\n');
	ASSERT_GE(lines.size(), 6);
	EXPECT_TRUE(lines[0].startsWith("Caldoryn 3.2, started ")) << lines[0].toStdString();
	EXPECT_GT(lines[0].size(), QString("Caldoryn 3.2, started ").size());
	EXPECT_EQ(lines[1], QString(70, '-'));
	EXPECT_EQ(lines[2], "");
	EXPECT_EQ(lines[3], "");
	EXPECT_EQ(lines[4], "----------- continued -------------");
	bool debugLine = false;
	for (const QString & l : lines)
		debugLine |= l.contains("[Debug   ]") && l.contains("[qDebugMessageHandler]") && l.contains("A warning of Qt");
	EXPECT_TRUE(debugLine);
	// the licence was accepted without "Do not show again": asked again next time
	EXPECT_FALSE(QSettings("BVX", "Caldoryne 3.2").value("ConfirmationDontShowLicense3.2").toBool());
}


TEST_F(ProgramStartUpTest, LanguageOptionIsLoggedOnlyWhenItChangesTheLanguage) {
	struct Case {
		const char *	m_stored;
		QStringList		m_args;
		bool			m_logged;
		const char *	m_installed;
	};
	const Case cases[] = {
		{ "en", { "--lang=de" }, true, "de" },
		{ "de", { "--lang=de" }, false, "de" },
		{ "de", {}, false, "de" },
		{ "de", { "--lang=en" }, true, "en" },
		{ "en", {}, false, "en" },
	};
	for (const Case & c : cases) {
		suppressLicense();
		QtExt::LanguageHandler::setLangId(c.m_stored);
		EXPECT_EQ(run(c.m_args), 0);
		EXPECT_EQ(logText().contains(QString("Installing translator for language: '%1'.").arg(c.m_installed)), c.m_logged)
			<< c.m_stored << " " << c.m_args.join(' ').toStdString();
		EXPECT_EQ(QtExt::LanguageHandler::langId(), c.m_installed);
		const bool german = QString(c.m_installed) == "de";
		EXPECT_EQ(m_windowTitle.contains("Das thermische Raummodell"), german) << m_windowTitle.toStdString();
		QtExt::LanguageHandler::instance().installTranslator("en");
	}
}


TEST_F(ProgramStartUpTest, DecliningTheLicenseEndsWithOneAndNoWindow) {
	for (const Driver::Action & decline : { Driver::press(QDialogButtonBox::Cancel), Driver::reject() }) {
		m_driver.add(decline);
		EXPECT_EQ(run({}), 1);
		EXPECT_TRUE(m_windowTitle.isEmpty());
		for (QWidget * w : QApplication::topLevelWidgets())
			EXPECT_EQ(qobject_cast<RoomModelDialog *>(w), nullptr);
	}
}


TEST_F(ProgramStartUpTest, ProjectNamedOnTheCommandLineIsOpened) {
	suppressLicense();
	const QString examples = GuiTest::sourceDir() + "/resources/examples";
	const QString project = examples + "/Office_SouthFacade.rmxml";
	const QString startDir = QDir::currentPath();
	// named relative to the working directory of that start
	ASSERT_TRUE(QDir::setCurrent(examples));
	EXPECT_EQ(run({ "Office_SouthFacade.rmxml" }), 0);
	EXPECT_EQ(m_windowTitle, "Caldoryne - The Thermal Room Model - Version 3.2 - Office_SouthFacade.rmxml");
	EXPECT_EQ(QSettings("BVX", "Caldoryne 3.2").value("LastOpenedProject").toString(), QFileInfo(project).absoluteFilePath());

	// the window stored the project on closing and reopens it at the next start, from elsewhere
	ASSERT_TRUE(QDir::setCurrent(m_home.path()));
	EXPECT_EQ(run({}), 0);
	ASSERT_TRUE(QDir::setCurrent(startDir));
	EXPECT_EQ(m_windowTitle, "Caldoryne - The Thermal Room Model - Version 3.2 - Office_SouthFacade.rmxml");

	// a missing file is reported, the default project stays
	QSettings("BVX", "Caldoryne 3.2").remove("LastOpenedProject");
	m_driver.m_seen.clear();
	EXPECT_EQ(run({ m_home.path() + "/missing.rmxml" }), 0);
	EXPECT_EQ(seenTitles(), QStringList({ "Read Error" }));
	ASSERT_FALSE(m_driver.m_seen.empty());
	EXPECT_TRUE(m_driver.m_seen[0].m_text.contains("missing.rmxml"));
	EXPECT_EQ(m_windowTitle, "Caldoryne - The Thermal Room Model - Version 3.2");
}


namespace {

/*! Runs the program itself with a private home directory. */
class ProgramProcessTest : public ::testing::Test {
protected:
	int runProgram(const QString & program, const QStringList & args, QString * output = nullptr) {
		QProcess proc;
		QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
		env.insert("HOME", m_home.path());
		env.insert("XDG_CONFIG_HOME", m_home.path() + "/.config");
		env.insert("XDG_DATA_HOME", m_home.path() + "/.local/share");
		env.insert("QT_QPA_PLATFORM", "offscreen");
		proc.setProcessEnvironment(env);
		proc.setProcessChannelMode(QProcess::MergedChannels);
		proc.start(program, args);
		if (!proc.waitForFinished(60000)) {
			proc.kill();
			proc.waitForFinished();
			return -1;
		}
		if (output != nullptr)
			*output = QString::fromUtf8(proc.readAll());
		return proc.exitStatus() == QProcess::NormalExit ? proc.exitCode() : -2;
	}

	QString userDataDir() const { return m_home.path() + "/AppData/Roaming/Caldoryne"; }

	void suppressLicense() {
		QSettings settings(m_home.path() + "/.config/BVX/Caldoryne 3.2.conf", QSettings::IniFormat);
		settings.setValue("ConfirmationDontShowLicense3.2", true);
	}

	void SetUp() override {
		ASSERT_TRUE(m_home.isValid()) << m_home.errorString().toStdString();
	}

	/*! In the build tree, not in the temporary folder: the program and the installer it
		starts run from this home, and a temporary folder may forbid running programs. */
	QTemporaryDir m_home{ QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../testhome") + "/program-XXXXXX" };
};

} // namespace


TEST_F(ProgramProcessTest, HelpPrintsAndWritesNothing) {
	QString out;
	EXPECT_EQ(runProgram(CALDORYNE_PROGRAM, { "--help" }, &out), 0);
	EXPECT_TRUE(out.contains("--lang")) << out.toStdString();
	EXPECT_TRUE(out.contains("(optional) Select different translation language."));
	EXPECT_TRUE(QDir(m_home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}


TEST_F(ProgramProcessTest, DirectoryAtTheLogPathEndsWithOne) {
	ASSERT_TRUE(QDir().mkpath(userDataDir() + "/Caldoryne.log"));
	suppressLicense();
	QString out;
	EXPECT_EQ(runProgram(CALDORYNE_PROGRAM, {}, &out), 1);
	EXPECT_TRUE(out.contains("Error creating log file")) << out.toStdString();
}


TEST_F(ProgramProcessTest, FileSizeLimitFailsTheWriteInsteadOfEndingTheProgram) {
	// ulimit -f 0: the log banner is the first write beyond the limit; the program's own start-up
	// decides whether SIGXFSZ ends it or the write fails with "File too large"
	suppressLicense();
	QString out;
	EXPECT_EQ(runProgram("bash", { "-c", "ulimit -f 0 && exec \"$0\"", CALDORYNE_PROGRAM }, &out), 1) << out.toStdString();
	EXPECT_TRUE(out.contains("Error creating log file")) << out.toStdString();
}


TEST_F(ProgramProcessTest, MissingBuiltInDatabaseEndsWithOne) {
	// a copy of the program whose resources hold no databases
	const QString appDir = m_home.path() + "/app";
	ASSERT_TRUE(QDir().mkpath(appDir + "/resources/translations"));
	ASSERT_TRUE(QFile::copy(CALDORYNE_PROGRAM, appDir + "/caldoryne"));
	QFile(appDir + "/caldoryne").setPermissions(QFile::ReadOwner | QFile::ExeOwner);
	suppressLicense();
	EXPECT_EQ(runProgram(appDir + "/caldoryne", {}), 1);
	const QString log = readFile(userDataDir() + "/Caldoryne.log");
	EXPECT_TRUE(log.contains("Error during initialization of databases.")) << log.toStdString();
	EXPECT_TRUE(log.contains("Error in user interface."));
	EXPECT_TRUE(log.contains("Caldoryne main()"));
}


TEST_F(ProgramProcessTest, PendingUpdateInstallerIsStartedBeforeTheLog) {
	// the "installer" leaves a file behind when it runs
	const QString installer = userDataDir() + "/updates/" + QFileInfo(QtExt::Directories::updateFilePath()).fileName();
	ASSERT_TRUE(QDir().mkpath(userDataDir() + "/updates"));
	const QString ranFile = m_home.path() + "/installer-ran";
	{
		QFile f(installer);
		ASSERT_TRUE(f.open(QIODevice::WriteOnly));
		f.write(QString("#!/bin/sh\ntouch '%1'\n").arg(ranFile).toUtf8());
	}
	QFile(installer).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
	QString out;
	EXPECT_EQ(runProgram(CALDORYNE_PROGRAM, {}, &out), 0) << out.toStdString();
	// the installer runs detached from the program: wait for its file however slow the machine is
	QDeadlineTimer deadline(60000);
	while (!QFile::exists(ranFile) && !deadline.hasExpired())
		QThread::msleep(20);
	EXPECT_TRUE(QFile::exists(ranFile)) << out.toStdString();
	EXPECT_TRUE(QFile::exists(installer + ".run"));
	EXPECT_FALSE(QFile::exists(userDataDir() + "/Caldoryne.log")) << out.toStdString();
}
