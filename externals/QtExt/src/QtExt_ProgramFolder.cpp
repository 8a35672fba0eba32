#include "QtExt_ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace QtExt {

QString ProgramFolder::refusal(const QString & dir, Links links) {
	const QFileInfo info(dir);
	if (links == RefuseLink && info.isSymLink())
		return QString("'%1' is a symbolic link; no files are written through it").arg(dir);
	if (!info.exists())
		return QString();
	if (!info.isDir())
		return QString("'%1' exists and is not a directory").arg(dir);
#ifdef Q_OS_UNIX
	struct stat st;
	if (::stat(QFile::encodeName(dir).constData(), &st) == 0 && st.st_uid != ::geteuid())
		return QString("'%1' belongs to another user; no files are written into it").arg(dir);
#endif
	return QString();
}


bool ProgramFolder::make(const QString & dir, Links links, QString & problem) {
	problem = refusal(dir, links);
	if (!problem.isEmpty())
		return false;
	if (!QDir().mkpath(dir))
		return false;
	// made by someone else meanwhile
	problem = refusal(dir, links);
	return problem.isEmpty();
}

} // namespace QtExt
