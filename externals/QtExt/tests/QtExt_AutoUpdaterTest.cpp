#include <gtest/gtest.h>

#include <QDateTime>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QNetworkProxy>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>

#include <BVX_MessageHandler.h>

#include <QtExt_AutoUpdater.h>
#include <QtExt_Directories.h>

#include "QtExt_LoopbackHttpServer.h"
#include "QtExt_ModalDialogDriver.h"

using QtExt::AutoUpdater;

namespace {

/*! Collects messages while it lives. */
class CapturingHandler : public BVX::MessageHandler {
public:
	CapturingHandler() : m_previous(BVX::MessageHandlerRegistry::instance().msgHandler()) {
		BVX::MessageHandlerRegistry::instance().setMessageHandler(this);
	}
	~CapturingHandler() override { BVX::MessageHandlerRegistry::instance().setMessageHandler(m_previous); }
	void msg(const std::string & text, int t, const char *, int) override {
		m_messages.push_back(std::make_pair(t, text));
	}
	bool has(int type, const std::string & part) const {
		for (const auto & m : m_messages)
			if (m.first == type && m.second.find(part) != std::string::npos)
				return true;
		return false;
	}
	std::vector<std::pair<int, std::string>>	m_messages;
	BVX::MessageHandler *						m_previous;
};

const char * const INFO_FILE =
		"name:Caldoryne\n"
		"linux64:caldoryne_3.3.0_linux64.run\n"
		"win64:caldoryne_3.3.0_win64.exe\n"
		"---HeaderEnd---\n"
		"Release notes\n\nCHANGES\n- faster year runs\n";

class AutoUpdaterTest : public ::testing::Test {
protected:
	void SetUp() override {
		QNetworkProxyFactory::setUseSystemConfiguration(false);
		QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
		LoopbackHttpServer::Response r;
		r.m_body = INFO_FILE;
		m_server.setResponse("/updates/Caldoryne.updates", r);
		r.m_body = "name:Caldoryne\nwin64:caldoryne_3.3.0_win64.exe\n---HeaderEnd---\nCHANGES none\n";
		m_server.setResponse("/updates/other-platform.updates", r);
		r.m_body = "linux64:caldoryne_3.3_linux64.run\n---HeaderEnd---\nCHANGES\n";
		m_server.setResponse("/updates/bad-version.updates", r);
		r.m_status = 302;
		r.m_body = INFO_FILE;
		r.m_extraHeaders = "Location: /updates/Caldoryne.updates\r\n";
		m_server.setResponse("/updates/moved.updates", r);
		r.m_extraHeaders = "Location: /updates/moved.updates\r\n";
		m_server.setResponse("/updates/moved-twice.updates", r);
		// five redirects are followed, the sixth is refused
		for (int i = 0; i < 6; ++i) {
			r.m_extraHeaders = QString("Location: /updates/chain%1.updates\r\n").arg(i + 1).toUtf8();
			if (i == 5)
				r.m_extraHeaders = "Location: /updates/Caldoryne.updates\r\n";
			m_server.setResponse(QString("/updates/chain%1.updates").arg(i), r);
		}
		for (int i = 0; i < 6; ++i) {
			r.m_extraHeaders = QString("Location: /updates/loop%1.updates\r\n").arg((i + 1) % 6).toUtf8();
			m_server.setResponse(QString("/updates/loop%1.updates").arg(i), r);
		}
	}

	QString url(const QString & path) const { return m_server.baseUrl() + path; }

	/*! Runs a silent check and returns (result, version). */
	std::pair<int, QString> silentCheck(const QString & u) {
		AutoUpdater updater;
		QSignalSpy spy(&updater, &AutoUpdater::updateInfoRetrieved);
		updater.checkForUpdateInfo(u, "3.2.2", 0, m_dir.filePath("installer"));
		if (!waitFor([&]() { return spy.count() > 0; }))
			return { -1, QString() };
		m_installerUrl = updater.installerUrl();
		return { spy.at(0).at(0).toInt(), spy.at(0).at(1).toString() };
	}

	LoopbackHttpServer	m_server;
	QTemporaryDir		m_dir;
	QString				m_installerUrl;
};

} // namespace


TEST(AutoUpdaterParse, headerLinesAndChangeLog) {
	struct Case {
		const char * name;
		const char * text;
		const char * installer;
		const char * version;
		bool hasChangeLog;
		const char * changeLog;
	};
	const Case cases[] = {
		{ "marker splits header and log", "linux64:x_3.2.3_linux64.run\n---HeaderEnd---\nlog", "x_3.2.3_linux64.run", "3.2.3", true, "\nlog" },
		{ "no marker: all header", "linux64:x_3.2.3_y\nCHANGES: none", "x_3.2.3_y", "3.2.3", false, "" },
		{ "':' inside a value drops the line", "linux64:http://x_3.2.3_y\n---HeaderEnd---", "", "", true, "" },
		{ "key with a trailing blank is another key", "linux64 :x_3.2.3_y\n", "", "", false, "" },
		{ "value without '_'", "linux64:installer.run\n", "", "", false, "" },
		{ "a later line replaces an earlier one", "linux64:a_1.0.0_x\nlinux64:b_2.0.0_x\n", "b_2.0.0_x", "2.0.0", false, "" },
		{ "CRLF lines", "name:Caldoryne\r\nlinux64:c_3.2.4_x.run\r\n---HeaderEnd---\r\nlog\r\n", "c_3.2.4_x.run", "3.2.4", true, "\r\nlog\r\n" },
		{ "blanks around a line are trimmed", "  linux64:d_1.2.3_x  \n", "d_1.2.3_x", "1.2.3", false, "" },
		{ "other platform only", "win64:e_3.3.0_win64.exe\n", "", "", false, "" }
	};
	for (const Case & c : cases) {
		const AutoUpdater::UpdateInfo info = AutoUpdater::parseUpdateInfo(QString::fromUtf8(c.text));
		EXPECT_EQ(info.m_installerName, QString(c.installer)) << c.name;
		EXPECT_EQ(info.m_newVersion, QString(c.version)) << c.name;
		EXPECT_EQ(info.m_hasChangeLog, c.hasChangeLog) << c.name;
		EXPECT_EQ(info.m_changeLog, QString(c.changeLog)) << c.name;
	}
	const AutoUpdater::UpdateInfo trailing = AutoUpdater::parseUpdateInfo("linux64 :x_3.2.3_y\n");
	EXPECT_TRUE(trailing.m_header.contains("linux64 "));
}


TEST_F(AutoUpdaterTest, silentResults) {
	std::pair<int, QString> r = silentCheck(url("/updates/Caldoryne.updates"));
	EXPECT_EQ(r.first, 0);
	EXPECT_EQ(r.second, QString("3.3.0"));
	EXPECT_EQ(m_installerUrl, url("/updates/caldoryne_3.3.0_linux64.run"));

	r = silentCheck(url("/updates/other-platform.updates"));
	EXPECT_EQ(r.first, 1);
	EXPECT_TRUE(r.second.isEmpty());

	// a server that moved its file: redirects are followed, the installer keeps the asked base
	for (const char * moved : { "/updates/moved.updates", "/updates/moved-twice.updates", "/updates/chain1.updates" }) {
		r = silentCheck(url(moved));
		EXPECT_EQ(r.first, 0) << moved;
		EXPECT_EQ(r.second, QString("3.3.0")) << moved;
		EXPECT_EQ(m_installerUrl, url("/updates/caldoryne_3.3.0_linux64.run")) << moved;
	}

	// a missing file, a chain of six redirects, a redirect loop and a closed port all fail
	for (const QString & u : { url("/updates/missing.updates"), url("/updates/chain0.updates"), url("/updates/loop0.updates"),
							   QString("http://127.0.0.1:%1/x.updates").arg(LoopbackHttpServer::closedPort()) })
	{
		r = silentCheck(u);
		EXPECT_EQ(r.first, 2) << u.toStdString();
		EXPECT_TRUE(r.second.isEmpty());
	}
}


TEST_F(AutoUpdaterTest, interactiveConnectionError) {
	AutoUpdater updater;
	ModalDialogDriver driver;
	QString title, text;
	driver.expectMessageBox(title, text);
	updater.checkForUpdateInfo(QString("http://127.0.0.1:%1/x.updates").arg(LoopbackHttpServer::closedPort()), "3.2.2", 1, QString());
	ASSERT_TRUE(driver.waitDone());
	EXPECT_EQ(title, QString("Connection error"));
	EXPECT_EQ(text, QString("Could not retrieve update information."));
}


TEST_F(AutoUpdaterTest, interactiveNoUpdateShowsChangesFromTheMarkerWord) {
	struct Case { const char * path; const char * current; const char * expectedLog; };
	const Case cases[] = {
		{ "/updates/Caldoryne.updates", "3.3.0", "CHANGES\n- faster year runs\n" },	// same version
		{ "/updates/Caldoryne.updates", "3.4.0", "CHANGES\n- faster year runs\n" },	// newer here
		{ "/updates/other-platform.updates", "3.2.2", "CHANGES none\n" }				// no entry
	};
	for (const Case & c : cases) {
		AutoUpdater updater;
		ModalDialogDriver driver;
		QString title, log;
		bool closed = false;
		driver.addStep([](QWidget * w) { return w->objectName() == "NoUpdateDialog"; }, [&](QWidget * w) {
			title = w->windowTitle();
			log = w->findChild<QPlainTextEdit *>()->toPlainText();
			// the user closes it with its button
			QDialogButtonBox * buttons = w->findChild<QDialogButtonBox *>();
			ASSERT_NE(buttons, nullptr);
			QPushButton * close = buttons->button(QDialogButtonBox::Close);
			ASSERT_NE(close, nullptr);
			QTest::mouseClick(close, Qt::LeftButton);
			closed = !w->isVisible();
		});
		updater.checkForUpdateInfo(url(c.path), c.current, 1, QString());
		ASSERT_TRUE(driver.waitDone()) << c.path << " " << c.current;
		EXPECT_TRUE(closed);
		EXPECT_EQ(title, QString("No update available"));
		EXPECT_EQ(log, QString(c.expectedLog));
	}
}


TEST_F(AutoUpdaterTest, interactiveNewerVersionOpensDownloadDialog) {
	AutoUpdater updater;
	ModalDialogDriver driver;
	QString current, offered, log;
	driver.closeDialog("AutoUpdateDialog", [&](QWidget * w) {
		current = w->findChild<QLabel *>("labelCurrentVersionNumber")->text();
		offered = w->findChild<QLabel *>("labelNewVersionNumber")->text();
		log = w->findChild<QTextEdit *>("textEditChangeLog")->toPlainText();
	});
	updater.checkForUpdateInfo(url("/updates/Caldoryne.updates"), "3.2.2", 1, m_dir.filePath("installer"));
	ASSERT_TRUE(driver.waitDone());
	EXPECT_EQ(current, QString("3.2.2"));
	EXPECT_EQ(offered, QString("3.3.0"));
	EXPECT_TRUE(log.contains("faster year runs"));
}


TEST_F(AutoUpdaterTest, malformedVersionIsLoggedNotFatal) {
	CapturingHandler handler;
	AutoUpdater updater;
	ModalDialogDriver driver;
	driver.closeDialog("NoUpdateDialog");
	updater.checkForUpdateInfo(url("/updates/bad-version.updates"), "3.2.2", 1, QString());
	ASSERT_TRUE(driver.waitDone());
	EXPECT_TRUE(handler.has(2, "'3.3'"));
}


namespace {

/*! Points HOME at a temporary folder while it lives. */
struct TemporaryHome {
	TemporaryHome() : m_old(qgetenv("HOME")) {
		qputenv("HOME", m_dir.path().toUtf8());
		QtExt::Directories::appname = "Caldoryne";
	}
	~TemporaryHome() {
		qputenv("HOME", m_old);
		QtExt::Directories::appname.clear();
	}
	QTemporaryDir	m_dir;
	QByteArray		m_old;
};

void writeFile(const QString & path, const QByteArray & content, bool executable) {
	QDir().mkpath(QFileInfo(path).absolutePath());
	QFile f(path);
	ASSERT_TRUE(f.open(QIODevice::WriteOnly));
	f.write(content);
	f.close();
	if (executable)
		f.setPermissions(f.permissions() | QFile::ExeOwner);
}

} // namespace


TEST(AutoUpdaterInstall, runsOnceThenCleansUp) {
	TemporaryHome home;
	const QString installer = QtExt::Directories::updateFilePath();
	ASSERT_TRUE(installer.startsWith(home.m_dir.path()));
	const QString marker = installer + ".run";
	const QString ran = home.m_dir.filePath("installer-ran");

	EXPECT_FALSE(AutoUpdater::installUpdate(installer)); // nothing downloaded
	EXPECT_FALSE(QFile::exists(marker));

	writeFile(installer, "#!/bin/sh\ntouch '" + ran.toUtf8() + "'\n", true);
	EXPECT_TRUE(AutoUpdater::installUpdate(installer));
	EXPECT_TRUE(waitFor([&]() { return QFile::exists(ran); }));
	QFile m(marker);
	ASSERT_TRUE(m.open(QIODevice::ReadOnly));
	const QDateTime stamp = QDateTime::fromString(QString::fromUtf8(m.readAll()), Qt::TextDate);
	EXPECT_TRUE(stamp.isValid());
	EXPECT_LE(std::abs(stamp.secsTo(QDateTime::currentDateTime())), 60);
	m.close();

	EXPECT_FALSE(AutoUpdater::installUpdate(installer));
	EXPECT_FALSE(QFile::exists(installer));
	EXPECT_FALSE(QFile::exists(marker));
}


TEST(AutoUpdaterInstall, unstartableInstallerIsRemoved) {
	TemporaryHome home;
	CapturingHandler handler;
	const QString installer = QtExt::Directories::updateFilePath();
	writeFile(installer, "#!/bin/sh\n", false);
	EXPECT_FALSE(AutoUpdater::installUpdate(installer));
	EXPECT_FALSE(QFile::exists(installer));
	EXPECT_FALSE(QFile::exists(installer + ".run"));
	EXPECT_TRUE(handler.has(3, "Error installing update."));
}


TEST(AutoUpdaterInstall, unwritableMarkerNeverStartsTheInstallerAgain) {
	TemporaryHome home;
	CapturingHandler handler;
	const QString installer = QtExt::Directories::updateFilePath();
	const QString ran = home.m_dir.filePath("installer-ran");
	writeFile(installer, "#!/bin/sh\ntouch '" + ran.toUtf8() + "'\n", true);
	// the marker's place leads into a folder that does not exist: it cannot be written
	ASSERT_TRUE(QFile::link(home.m_dir.filePath("no/such/folder/marker"), installer + ".run"));
	ASSERT_FALSE(QFile::exists(installer + ".run"));

	for (int start = 0; start < 3; ++start)
		EXPECT_FALSE(AutoUpdater::installUpdate(installer)) << start;
	EXPECT_FALSE(QFile::exists(installer));
	EXPECT_FALSE(QFile::exists(ran));
	int logged = 0;
	for (const auto & m : handler.m_messages)
		logged += m.second.find("update marker") != std::string::npos ? 1 : 0;
	EXPECT_EQ(logged, 1);
}
