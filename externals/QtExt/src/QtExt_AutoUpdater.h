#ifndef QtExt_AutoUpdaterH
#define QtExt_AutoUpdaterH

#include <QMap>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QWidget;

namespace QtExt {

/*! Fetches the update-information file, finds the newest installer for this platform
	and either reports it (silent check) or offers the download (interactive check).

	Update-information file: header lines "key:value", ended by a line "---HeaderEnd---";
	the rest is the change log. The value of the platform key is the installer's file
	name, whose second "_"-separated part is the version (e.g. caldoryne_3.2.3_linux64.run).
*/
class AutoUpdater : public QObject {
	Q_OBJECT
public:
	/*! What the information file says. */
	struct UpdateInfo {
		QMap<QString, QString>	m_header;
		bool					m_hasChangeLog = false;	///< false without the header end marker
		QString					m_changeLog;
		QString					m_installerName;		///< empty when there is no usable entry
		QString					m_newVersion;
	};

	/*! Header key of the installer for this platform. */
	static const char * const INSTALLER_KEY;

	explicit AutoUpdater(QObject * parent = nullptr);

	/*! Sends the request; the answer arrives in downloadFinished(). With interactive
		non-zero, the updater compares versions and shows its dialogs itself. */
	void checkForUpdateInfo(const QString & url, const char * currentVersion, int interactive, QString newInstallerPath);

	/*! Reads an update-information file. */
	static UpdateInfo parseUpdateInfo(const QString & text);

	/*! Runs a downloaded installer at program start; true when it was started and the
		caller should end the program. The start after that removes installer and marker. */
	static bool installUpdate(const QString & installerPath);

	/*! Last change log received. */
	const QString & changeLog() const { return m_changeLog; }
	const QString & installerUrl() const { return m_installerUrl; }

signals:
	/*! 0 update information found, 1 no installer for this platform, 2 network error. */
	void updateInfoRetrieved(int res, QString newVersion);

public slots:
	void downloadFinished(QNetworkReply * reply);

private:
	/*! Writes the start time into the marker file; false when it cannot be written. */
	static bool writeMarker(const QString & marker);
	QWidget * parentWidget() const;
	void showNoUpdateDialog();
	void evaluateInteractive();

	int						m_interactive = 0;
	QString					m_changeLog;
	QString					m_newVersion;
	QString					m_currentVersion;
	QString					m_baseUrl;
	QString					m_installerUrl;
	QString					m_newInstallerPath;
	QNetworkAccessManager *	m_networkManager;
};

} // namespace QtExt

#endif // QtExt_AutoUpdaterH
