#ifndef QtExt_AutoUpdateDialogH
#define QtExt_AutoUpdateDialogH

#include <QDialog>
#include <QNetworkRequest>

class QNetworkAccessManager;
class QNetworkReply;

namespace Ui {
	class QtExt_AutoUpdateDialog;
}

namespace QtExt {

/*! Shows the current and the new version with the change log and downloads the new
	installer to a local file, from where the next program start runs it.
*/
class AutoUpdateDialog : public QDialog {
	Q_OBJECT
public:
	explicit AutoUpdateDialog(QWidget * parent = nullptr);
	~AutoUpdateDialog() override;

	/*! Fills the dialog and runs it modally; returns the dialog's result. */
	int run(const QString & currentVersion, const QString & newVersion, const QString & changeLog,
			const QString & downloadUrl, const QString & installerPath);

	/*! Redirects followed before a request fails. */
	static const int MAX_REDIRECTS = 5;

	/*! GET request for the update server: follows up to MAX_REDIRECTS redirects of the
		same scheme or from http to https. */
	static QNetworkRequest updateRequest(const QString & url);

	/*! True when the reply finished without error and with HTTP status 200: Qt 5 reports
		neither redirects nor some other statuses as errors. */
	static bool replySucceeded(QNetworkReply * reply);

	/*! Sets a monospace font (Consolas where present) on a text widget. */
	static void setMonospaceFont(QWidget * w);

private slots:
	void on_pushButtonDownload_clicked();
	void onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
	void onDownloadFinished(QNetworkReply * reply);

private:
	/*! Writes the installer whole or not at all; false with an error box on failure. */
	bool saveInstaller(const QByteArray & body);

	Ui::QtExt_AutoUpdateDialog *	m_ui;
	QString							m_downloadUrl;
	QString							m_installerPath;
	QNetworkAccessManager *			m_networkManager;
};

} // namespace QtExt

#endif // QtExt_AutoUpdateDialogH
