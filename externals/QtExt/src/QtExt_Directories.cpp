#include "QtExt_Directories.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace QtExt {

QString Directories::appname;


QString Directories::resourcesRootDir() {
	return QCoreApplication::applicationDirPath() + "/resources";
}


QString Directories::databasesDir() {
	return resourcesRootDir();
}


QString Directories::translationsDir() {
	return resourcesRootDir() + "/translations";
}


QString Directories::userDataDir() {
	// "AppData/Roaming" also on Linux, kept on purpose: the per-user folder is where users' files already are
	QString dir = QDir::toNativeSeparators(QDir::home().absolutePath() + "/AppData/Roaming/" + appname);
	return QFileInfo(dir).absoluteFilePath();
}


QString Directories::globalLogFile() {
	return userDataDir() + "/" + appname + ".log";
}


QString Directories::updateFilePath() {
#if defined(_WIN32)
	return QDir(userDataDir() + "/updates").absoluteFilePath("update_win64.exe");
#else
	return QDir(userDataDir() + "/updates").absoluteFilePath("update_linux64");
#endif
}

} // namespace QtExt
