#include "QtExt_AutoUpdateDialog.h"
#include "ui_QtExt_AutoUpdateDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "QtExt_WholeFileWriter.h"

namespace QtExt {

AutoUpdateDialog::AutoUpdateDialog(QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::QtExt_AutoUpdateDialog),
	m_networkManager(new QNetworkAccessManager(this))
{
	m_ui->setupUi(this);
	setMonospaceFont(m_ui->textEditChangeLog);
	m_ui->textEditChangeLog->setLineWrapMode(QTextEdit::NoWrap);
	m_ui->progressBarDownload->setVisible(false);
	connect(m_networkManager, &QNetworkAccessManager::finished, this, &AutoUpdateDialog::onDownloadFinished);
}


AutoUpdateDialog::~AutoUpdateDialog() {
	delete m_ui;
}


int AutoUpdateDialog::run(const QString & currentVersion, const QString & newVersion, const QString & changeLog,
						  const QString & downloadUrl, const QString & installerPath)
{
	m_ui->labelCurrentVersionNumber->setText(currentVersion);
	m_ui->labelNewVersionNumber->setText(newVersion);
	m_ui->textEditChangeLog->setPlainText(changeLog);
	m_downloadUrl = downloadUrl;
	m_installerPath = installerPath;
	return exec();
}


QNetworkRequest AutoUpdateDialog::updateRequest(const QString & url) {
	QNetworkRequest request{QUrl(url)};
	// servers move their files: follow a few redirects, never from https down to http
	request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
	request.setMaximumRedirectsAllowed(MAX_REDIRECTS);
	return request;
}


bool AutoUpdateDialog::replySucceeded(QNetworkReply * reply) {
	return reply->error() == QNetworkReply::NoError
			&& reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
}


void AutoUpdateDialog::setMonospaceFont(QWidget * w) {
	QFont f("Consolas");
	f.setStyleHint(QFont::Monospace);
	// without Consolas the style hint alone does not always pick a fixed font
	if (!QFontDatabase().families().contains("Consolas"))
		f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
	w->setFont(f);
}


void AutoUpdateDialog::on_pushButtonDownload_clicked() {
	QNetworkReply * reply = m_networkManager->get(updateRequest(m_downloadUrl));
	connect(reply, &QNetworkReply::downloadProgress, this, &AutoUpdateDialog::onDownloadProgress);
	m_ui->pushButtonDownload->setEnabled(false);
	// busy until a progress report tells the size
	m_ui->progressBarDownload->setRange(0, 0);
	m_ui->progressBarDownload->setValue(0);
	m_ui->progressBarDownload->setVisible(true);
}


void AutoUpdateDialog::onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal) {
	if (bytesTotal == -1) {
		m_ui->progressBarDownload->setRange(0, 0); // busy indicator
		m_ui->progressBarDownload->setValue(0);
		return;
	}
	m_ui->progressBarDownload->setMaximum(static_cast<int>(bytesTotal));
	m_ui->progressBarDownload->setValue(static_cast<int>(bytesReceived));
}


bool AutoUpdateDialog::saveInstaller(const QByteArray & body) {
	QDir().mkpath(QFileInfo(m_installerPath).absolutePath());
	// the file appears only once the whole body is written
	QString reason;
	bool ok = WholeFileWriter::writeFile(m_installerPath, body, &reason);
	// the next start runs the installer as a program
	if (ok && !QFile::setPermissions(m_installerPath, QFile::permissions(m_installerPath) | QFile::ExeOwner)) {
		QFile::remove(m_installerPath);
		reason = tr("The file cannot be made executable.");
		ok = false;
	}
	if (!ok)
		QMessageBox::critical(this, tr("Download error"), tr("Couldn't write update installer '%1'.").arg(m_installerPath)
							  + "\n" + reason);
	return ok;
}


void AutoUpdateDialog::onDownloadFinished(QNetworkReply * reply) {
	m_ui->progressBarDownload->setVisible(false);
	m_ui->pushButtonDownload->setEnabled(true);
	reply->deleteLater();
	if (!replySucceeded(reply)) {
		QMessageBox::critical(this, tr("Download error"), tr("Couldn't download update installer."));
		return;
	}
	if (!saveInstaller(reply->readAll()))
		return;
	QMessageBox::information(this, tr("Download complete"),
		tr("The software updater has downloaded the update installer. You must restart the program to apply the update!"));
}

} // namespace QtExt
