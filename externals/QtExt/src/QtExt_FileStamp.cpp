#include "QtExt_FileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

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
	s.m_modified = QFileInfo(f).fileTime(QFileDevice::FileModificationTime);
	s.m_hash = hash.result();
	return s;
}


bool FileStamp::matches(const QString & fileName) const {
	if (!m_exists)
		return true;
	const QFileInfo info(fileName);
	if (!info.exists())
		return true;
	if (info.size() == m_size && info.fileTime(QFileDevice::FileModificationTime) == m_modified)
		return true;
	// touched, or written with the same content: nothing of it would be lost
	const FileStamp now = of(fileName);
	return !now.m_exists || now.m_hash == m_hash;
}

} // namespace QtExt
