#include "QtExt_FileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace QtExt {

FileStamp FileStamp::of(const QString & fileName) {
	FileStamp s;
	QFile f(fileName);
	if (!f.open(QIODevice::ReadOnly))
		return s;
	QCryptographicHash hash(QCryptographicHash::Sha256);
	if (!hash.addData(&f))
		return s;
	s.m_exists = true;
	s.m_size = f.size();
	s.m_hash = hash.result();
	return s;
}


FileStamp FileStamp::ofContent(const QByteArray & content) {
	FileStamp s;
	s.m_exists = true;
	s.m_size = content.size();
	s.m_hash = QCryptographicHash::hash(content, QCryptographicHash::Sha256);
	return s;
}


bool FileStamp::matches(const QString & fileName) const {
	if (!m_exists)
		return true;
	const QFileInfo info(fileName);
	if (!info.exists())
		return true;
	if (info.size() != m_size)
		return false;
	const FileStamp now = of(fileName);
	return !now.m_exists || now.m_hash == m_hash;
}


bool FileStamp::sameFile(const QString & a, const QString & b) {
#ifdef Q_OS_UNIX
	struct stat sa;
	struct stat sb;
	if (::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0)
		return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
	const QString ca = QFileInfo(a).canonicalFilePath();
	const QString cb = QFileInfo(b).canonicalFilePath();
	if (!ca.isEmpty() && !cb.isEmpty())
		return ca == cb;
	return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace QtExt
