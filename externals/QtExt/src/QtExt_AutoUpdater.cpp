#include "QtExt_AutoUpdater.h"

#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPlainTextEdit>
#include <QProcess>
#include <QVBoxLayout>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Version.h>

#include "QtExt_AutoUpdateDialog.h"

namespace QtExt {

#if defined(_WIN32)
const char * const AutoUpdater::INSTALLER_KEY = "win64";
#else
const char * const AutoUpdater::INSTALLER_KEY = "linux64";
#endif

namespace {
const QString HEADER_END = "---HeaderEnd---";
}


AutoUpdater::AutoUpdater(QObject * parent) :
	QObject(parent),
	m_networkManager(new QNetworkAccessManager(this))
{
	connect(m_networkManager, &QNetworkAccessManager::finished, this, &AutoUpdater::downloadFinished);
}


void AutoUpdater::checkForUpdateInfo(const QString & url, const char * currentVersion, int interactive, QString newInstallerPath) {
	m_currentVersion = QString::fromUtf8(currentVersion);
	m_interactive = interactive;
	m_newInstallerPath = newInstallerPath;
	const QString text = QUrl(url).toString();
	m_baseUrl = text.left(text.lastIndexOf('/'));
	m_networkManager->get(AutoUpdateDialog::updateRequest(url));
}


AutoUpdater::UpdateInfo AutoUpdater::parseUpdateInfo(const QString & text) {
	UpdateInfo info;
	QString header = text;
	const int pos = text.indexOf(HEADER_END);
	if (pos != -1) {
		info.m_hasChangeLog = true;
		info.m_changeLog = text.mid(pos + HEADER_END.size());
		header = text.left(pos);
	}
	for (const QString & line : header.split('\n')) {
		// only "key:value" counts: a value holding ":" makes the line be ignored
		const QStringList parts = line.trimmed().split(':');
		if (parts.size() == 2)
			info.m_header[parts[0]] = parts[1];
	}
	const QStringList nameParts = info.m_header.value(INSTALLER_KEY).split('_');
	if (nameParts.size() >= 2) {
		info.m_installerName = info.m_header.value(INSTALLER_KEY);
		info.m_newVersion = nameParts[1];
	}
	return info;
}


QWidget * AutoUpdater::parentWidget() const {
	return qobject_cast<QWidget *>(parent());
}


void AutoUpdater::downloadFinished(QNetworkReply * reply) {
	reply->deleteLater();
	if (!AutoUpdateDialog::replySucceeded(reply)) {
		if (m_interactive)
			QMessageBox::critical(parentWidget(), tr("Connection error"), tr("Could not retrieve update information."));
		else
			emit updateInfoRetrieved(2, QString());
		return;
	}
	const UpdateInfo info = parseUpdateInfo(QString::fromUtf8(reply->readAll()));
	if (info.m_hasChangeLog)
		m_changeLog = info.m_changeLog;
	m_newVersion = info.m_newVersion;

	if (info.m_installerName.isEmpty()) {
		if (m_interactive)
			showNoUpdateDialog();
		else
			emit updateInfoRetrieved(1, QString());
		return;
	}
	m_installerUrl = m_baseUrl + "/" + info.m_installerName;
	if (m_interactive)
		evaluateInteractive();
	else
		emit updateInfoRetrieved(0, m_newVersion);
}


void AutoUpdater::evaluateInteractive() {
	bool newer = false;
	try {
		newer = BVX::Version::lesserVersionNumber(m_currentVersion.toStdString(), m_newVersion.toStdString());
	}
	catch (BVX::Exception &) {
		// a malformed version must not end the program from within a slot
		BVX::BVX_Message(BVX::FormatText("Cannot compare the current version '%1' with the offered version '%2'.")
						 .arg(m_currentVersion.toStdString()).arg(m_newVersion.toStdString()),
						 2, "[AutoUpdater::downloadFinished]", 1);
	}
	if (!newer) {
		showNoUpdateDialog();
		return;
	}
	AutoUpdateDialog dlg(parentWidget());
	dlg.run(m_currentVersion, m_newVersion, m_changeLog, m_installerUrl, m_newInstallerPath);
}


void AutoUpdater::showNoUpdateDialog() {
	QDialog dlg(parentWidget());
	dlg.setObjectName("NoUpdateDialog");
	dlg.setWindowTitle(tr("No update available"));
	QVBoxLayout * lay = new QVBoxLayout(&dlg);
	lay->addWidget(new QLabel(tr("There is currently no update available for this software and platform/OS."), &dlg));
	QPlainTextEdit * edit = new QPlainTextEdit(&dlg);
	edit->setReadOnly(true);
	AutoUpdateDialog::setMonospaceFont(edit);
	edit->setLineWrapMode(QPlainTextEdit::NoWrap);
	const int pos = m_changeLog.indexOf("CHANGES");
	edit->setPlainText(pos == -1 ? m_changeLog : m_changeLog.mid(pos));
	lay->addWidget(edit);
	QDialogButtonBox * buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dlg);
	connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
	lay->addWidget(buttons);
	dlg.exec();
}


bool AutoUpdater::installUpdate(const QString & installerPath) {
	if (!QFile::exists(installerPath))
		return false;
	const QString marker = installerPath + ".run";
	if (QFile::exists(marker)) {
		// started at the previous program start: clean up
		QFile::remove(marker);
		QFile::remove(installerPath);
		return false;
	}
	// the marker comes first: an installer that could not be marked would run at every start
	if (!writeMarker(marker)) {
		BVX::BVX_Message(BVX::FormatText("Cannot write the update marker '%1'; the update installer is removed "
										 "without being started.").arg(marker.toStdString()), BVX::MSG_ERROR,
						 "[AutoUpdater::installUpdate]", 1);
		QFile::remove(installerPath);
		return false;
	}
	if (!QProcess::startDetached(installerPath, QStringList())) {
		BVX::BVX_Message("Error installing update.", 3, nullptr, 1);
		QFile::remove(marker);
		QFile::remove(installerPath);
		return false;
	}
	return true;
}


bool AutoUpdater::writeMarker(const QString & marker) {
	QFile markerFile(marker);
	if (!markerFile.open(QIODevice::WriteOnly))
		return false;
	const QByteArray stamp = QDateTime::currentDateTime().toString(Qt::TextDate).toUtf8();
	return markerFile.write(stamp) == stamp.size() && markerFile.flush();
}

} // namespace QtExt
