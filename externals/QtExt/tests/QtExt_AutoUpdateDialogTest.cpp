#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <set>

#include <QtExt_AutoUpdateDialog.h>

#include "QtExt_LoopbackHttpServer.h"
#include "QtExt_ModalDialogDriver.h"

namespace {

struct DownloadResult {
	QString	m_title;
	QString	m_text;
	std::set<int>	m_barMaxima;	///< progress bar maxima seen while the download ran
};

/*! Runs the dialog, clicks "Download update", records the message box and closes the dialog. */
DownloadResult download(const QString & url, const QString & path) {
	DownloadResult res;
	QtExt::AutoUpdateDialog dlg;
	ModalDialogDriver driver;
	driver.addStep([](QWidget * w) { return w->objectName() == "AutoUpdateDialog"; },
				   [](QWidget * w) { w->findChild<QPushButton *>("pushButtonDownload")->click(); });
	QTimer watch;
	QObject::connect(&watch, &QTimer::timeout, [&]() {
		const QProgressBar * bar = dlg.findChild<QProgressBar *>("progressBarDownload");
		if (bar->isVisible())
			res.m_barMaxima.insert(bar->maximum());
	});
	watch.start(5);
	driver.expectMessageBox(res.m_title, res.m_text);
	driver.closeDialog("AutoUpdateDialog");
	dlg.run("3.2.2", "3.3.0", "CHANGES", url, path);
	EXPECT_TRUE(driver.done());
	return res;
}

} // namespace


TEST(AutoUpdateDialog, downloadsWritesOrReports) {
	QNetworkProxyFactory::setUseSystemConfiguration(false);
	QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
	const QByteArray body = QByteArray("#!/bin/sh\necho installing\n").repeated(100);
	LoopbackHttpServer server;
	LoopbackHttpServer::Response r;
	r.m_body = body;
	server.setResponse("/installer.run", r);
	r.m_pauseMs = 300;
	server.setResponse("/slow.run", r);
	r.m_contentLength = false;
	server.setResponse("/streamed.run", r);
	r.m_contentLength = true;
	r.m_pauseMs = 0;
	r.m_status = 302;
	r.m_extraHeaders = "Location: /installer.run\r\n";
	server.setResponse("/moved.run", r);
	r.m_extraHeaders = "Location: /moved.run\r\n";
	server.setResponse("/moved-twice.run", r);
	// a loop /loop0 -> /loop1 -> ... -> /loop5 -> /loop0 runs past the five redirects allowed
	for (int i = 0; i < 6; ++i) {
		r.m_extraHeaders = QString("Location: /loop%1.run\r\n").arg((i + 1) % 6).toUtf8();
		server.setResponse(QString("/loop%1.run").arg(i), r);
	}

	QTemporaryDir dir;
	QFile blocker(dir.filePath("plainfile"));
	ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
	blocker.close();
	QFile old(dir.filePath("old/update"));
	QDir().mkpath(dir.filePath("old"));
	ASSERT_TRUE(old.open(QIODevice::WriteOnly));
	old.write(QByteArray(10000, 'x'));
	old.close();

	const QString complete = "Download complete";
	const QString failed = "Download error";
	const QString noDownload = "Couldn't download update installer.";
	struct Case {
		const char *	name;
		QString			url;
		QString			path;
		QString			title;
		QString			text;		// beginning of the message text
		std::set<int>	barMaxima;	// maxima the bar may show during the download (0: busy), empty: not checked
	};
	const Case cases[] = {
		{ "missing folder", server.baseUrl() + "/slow.run", dir.filePath("new/updates/update"), complete, "The software updater", { 0, body.size() } },
		{ "no content length", server.baseUrl() + "/streamed.run", dir.filePath("streamed"), complete, "The software updater", { 0 } },
		{ "old file replaced", server.baseUrl() + "/installer.run", old.fileName(), complete, "The software updater", {} },
		{ "not found", server.baseUrl() + "/missing.run", dir.filePath("a"), failed, noDownload, {} },
		{ "redirect", server.baseUrl() + "/moved.run", dir.filePath("b"), complete, "The software updater", {} },
		{ "redirect chain of two", server.baseUrl() + "/moved-twice.run", dir.filePath("c"), complete, "The software updater", {} },
		{ "redirect loop", server.baseUrl() + "/loop0.run", dir.filePath("d"), failed, noDownload, {} },
		{ "unwritable", server.baseUrl() + "/installer.run", dir.filePath("plainfile/update"), failed,
		  QString("Couldn't write update installer '%1'.").arg(dir.filePath("plainfile/update")), {} }
	};
	for (const Case & c : cases) {
		const DownloadResult res = download(c.url, c.path);
		EXPECT_EQ(res.m_title, c.title) << c.name;
		EXPECT_TRUE(res.m_text.startsWith(c.text)) << c.name << ": " << res.m_text.toStdString();
		if (!c.barMaxima.empty()) {
			for (int m : res.m_barMaxima)
				EXPECT_EQ(c.barMaxima.count(m), 1u) << c.name << " maximum " << m;
		}
		QFile f(c.path);
		if (c.title == complete) {
			ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.name;
			EXPECT_EQ(f.readAll(), body) << c.name;
			EXPECT_TRUE(f.permissions() & QFile::ExeOwner) << c.name;
		}
		else {
			EXPECT_FALSE(f.exists()) << c.name;
		}
	}
}


TEST(AutoUpdateDialog, progressBarFollowsTheReportedSize) {
	QtExt::AutoUpdateDialog dlg;
	QProgressBar * bar = dlg.findChild<QProgressBar *>("progressBarDownload");
	struct Step { qint64 received, total; int maximum, value; };
	const Step steps[] = { { 50, 200, 200, 50 }, { 10, -1, 0, 0 }, { 150, 200, 200, 150 } };
	for (const Step & s : steps) {
		QMetaObject::invokeMethod(&dlg, "onDownloadProgress", Q_ARG(qint64, s.received), Q_ARG(qint64, s.total));
		EXPECT_EQ(bar->minimum(), 0);
		EXPECT_EQ(bar->maximum(), s.maximum);
		EXPECT_EQ(bar->value(), s.value);
	}
}
