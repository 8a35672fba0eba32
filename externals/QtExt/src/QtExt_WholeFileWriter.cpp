#include "QtExt_WholeFileWriter.h"

#include <cerrno>
#include <cstring>

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace QtExt {

WholeFileWriter::WholeFileWriter(const QString & fileName, Sync sync) :
	m_fileName(fileName),
	m_file(fileName),
	m_sync(sync),
	m_failed(false),
	m_finished(false),
	m_committed(false)
{
}


WholeFileWriter::~WholeFileWriter() {
	if (m_file.isOpen() && !m_committed)
		m_file.cancelWriting();
}


bool WholeFileWriter::open(QIODevice::OpenMode mode) {
	errno = 0;
	if (m_file.open(QIODevice::WriteOnly | mode))
		return true;
	setFailed(systemReason());
	return false;
}


bool WholeFileWriter::write(const char * data, qint64 size) {
	if (m_failed || !m_file.isOpen()) {
		setFailed(QStringLiteral("File is not open for writing"));
		return false;
	}
	qint64 done = 0;
	while (done < size) {
		errno = 0;
		const qint64 n = m_file.write(data + done, size - done);
		// a short write is repeated: the next one fails with the reason (no space, file too large)
		if (n <= 0) {
			setFailed(systemReason());
			return false;
		}
		done += n;
	}
	return true;
}


void WholeFileWriter::fail(const QString & reason) {
	setFailed(reason);
}


bool WholeFileWriter::finish() {
	if (m_finished)
		return !m_failed;
	if (!m_file.isOpen()) {
		setFailed(QStringLiteral("File is not open for writing"));
		return false;
	}
	m_finished = true;
	if (!m_failed && m_file.error() != QFileDevice::NoError)
		setFailed(systemReason());
	errno = 0;
	if (!m_failed && !m_file.flush())
		setFailed(systemReason());
	// after the flush a write error may only show in the file's error state
	if (!m_failed && m_file.error() != QFileDevice::NoError)
		setFailed(systemReason());
#ifdef Q_OS_UNIX
	// the data must be on the disk before the rename makes it the file
	errno = 0;
	if (!m_failed && m_sync == SyncToDisk && ::fsync(m_file.handle()) != 0)
		setFailed(QString::fromLocal8Bit(std::strerror(errno)));
#endif
	if (m_failed)
		m_file.cancelWriting();
	return !m_failed;
}


bool WholeFileWriter::commit() {
	if (!finish())
		return false;
	m_committed = true;
	errno = 0;
	if (!m_file.commit()) {
		setFailed(systemReason());
		return false;
	}
	return true;
}


bool WholeFileWriter::writeFile(const QString & fileName, const QByteArray & content, QString * reason,
								QIODevice::OpenMode mode)
{
	WholeFileWriter w(fileName);
	const bool ok = w.open(mode) && w.write(content) && w.commit();
	if (!ok && reason != nullptr)
		*reason = w.errorString();
	return ok;
}


bool WholeFileWriter::writeFileWithBackup(const QString & fileName, const QByteArray & content, QString * reason) {
	WholeFileWriter project(fileName);
	// the new content is on the disk before the backup is touched
	bool ok = project.open() && project.write(content) && project.finish();
	QString why = project.errorString();
	QFile current(fileName);
	if (ok && current.exists()) {
		const QString backup = fileName + ".bak";
		QByteArray old;
		if (current.open(QIODevice::ReadOnly))
			old = current.readAll();
		if (!current.isOpen() || current.error() != QFileDevice::NoError || old.size() != current.size()) {
			why = QString("Cannot read '%1' for its backup: %2").arg(fileName, current.errorString());
			ok = false;
		}
		else if (!writeFile(backup, old, &why)) {
			why = QString("Cannot write backup file '%1': %2").arg(backup, why);
			ok = false;
		}
	}
	ok = ok && project.commit();
	if (!ok && reason != nullptr)
		*reason = why.isEmpty() ? project.errorString() : why;
	return ok;
}


void WholeFileWriter::setFailed(const QString & reason) {
	if (!m_failed) {
		m_failed = true;
		m_error = reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
	}
}


QString WholeFileWriter::systemReason() const {
	// Qt reports partial writes without a reason ("Unknown error"); errno still holds it
	const int err = errno;
	const QString qtReason = m_file.errorString();
	if (err != 0 && (m_file.error() == QFileDevice::NoError || qtReason.isEmpty() || qtReason == QLatin1String("Unknown error")))
		return QString::fromLocal8Bit(std::strerror(err));
	return qtReason;
}

} // namespace QtExt
