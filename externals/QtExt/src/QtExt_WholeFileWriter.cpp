#include "QtExt_WholeFileWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QFileInfo>
#include <QRandomGenerator>

#include "QtExt_FileStamp.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace QtExt {

WholeFileWriter::WholeFileWriter(const QString & fileName, Sync sync, Links links) :
	m_fileName(fileName),
#ifdef Q_OS_UNIX
	m_links(links),
#else
	m_links(FollowLinks),
#endif
	m_saveFile(fileName),
	m_sync(sync),
	m_failed(false),
	m_finished(false),
	m_committed(false)
{
	Q_UNUSED(links)
}


WholeFileWriter::~WholeFileWriter() {
	if (file().isOpen() && !m_committed)
		cancel();
}


void WholeFileWriter::takePermissionsOf(const QString & fileName) {
	m_permissionsOf = fileName;
}


bool WholeFileWriter::open(QIODevice::OpenMode mode) {
	errno = 0;
	if (m_links == ReplaceEntry ? openEntryFile(mode) : m_saveFile.open(QIODevice::WriteOnly | mode))
		return true;
	setFailed(systemReason());
	return false;
}


bool WholeFileWriter::openEntryFile(QIODevice::OpenMode mode) {
#ifdef Q_OS_UNIX
	const QFileInfo target(m_fileName);
	const QString prefix = target.absolutePath() + "/." + target.fileName() + ".";
	// a fresh name that nobody can have planted: O_EXCL refuses an existing entry, link or not
	int fd = -1;
	QString tmpName;
	for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
		tmpName = prefix + QString::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
		fd = ::open(QFile::encodeName(tmpName).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
		if (fd < 0 && errno != EEXIST)
			return false;
	}
	if (fd < 0)
		return false;
	// the given file's permissions, else those of the file replaced (not of a link's target)
	struct stat st;
	const bool keepMode = m_permissionsOf.isEmpty()
			? ::lstat(QFile::encodeName(m_fileName).constData(), &st) == 0 && S_ISREG(st.st_mode)
			: ::stat(QFile::encodeName(m_permissionsOf).constData(), &st) == 0;
	if (keepMode && ::fchmod(fd, st.st_mode & 07777) != 0) {
		const int err = errno;
		::close(fd);
		::unlink(QFile::encodeName(tmpName).constData());
		errno = err;
		return false;
	}
	m_tempName = tmpName;
	if (m_entryFile.open(fd, QIODevice::WriteOnly | mode, QFileDevice::AutoCloseHandle))
		return true;
	::close(fd);
	::unlink(QFile::encodeName(tmpName).constData());
	return false;
#else
	Q_UNUSED(mode)
	return false;
#endif
}


void WholeFileWriter::cancel() {
	if (m_links == FollowLinks) {
		m_saveFile.cancelWriting();
		return;
	}
	if (m_entryFile.isOpen())
		m_entryFile.close();
	if (!m_tempName.isEmpty())
		QFile::remove(m_tempName);
	m_tempName.clear();
}


bool WholeFileWriter::replaceTarget() {
	if (m_links == FollowLinks)
		return m_saveFile.commit();
	m_entryFile.close();
	// rename() replaces the directory entry itself: a link there is replaced, its target untouched
	if (std::rename(QFile::encodeName(m_tempName).constData(), QFile::encodeName(m_fileName).constData()) == 0) {
		m_tempName.clear();
		return true;
	}
	const int err = errno;
	QFile::remove(m_tempName);
	m_tempName.clear();
	errno = err;
	return false;
}


bool WholeFileWriter::write(const char * data, qint64 size) {
	if (m_failed || !file().isOpen()) {
		setFailed(QStringLiteral("File is not open for writing"));
		return false;
	}
	qint64 done = 0;
	while (done < size) {
		errno = 0;
		const qint64 n = file().write(data + done, size - done);
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
	if (!file().isOpen()) {
		setFailed(QStringLiteral("File is not open for writing"));
		return false;
	}
	m_finished = true;
	if (!m_failed && file().error() != QFileDevice::NoError)
		setFailed(systemReason());
	errno = 0;
	if (!m_failed && !file().flush())
		setFailed(systemReason());
	// after the flush a write error may only show in the file's error state
	if (!m_failed && file().error() != QFileDevice::NoError)
		setFailed(systemReason());
#ifdef Q_OS_UNIX
	// the data must be on the disk before the rename makes it the file
	errno = 0;
	if (!m_failed && m_sync == SyncToDisk && ::fsync(file().handle()) != 0)
		setFailed(QString::fromLocal8Bit(std::strerror(errno)));
#endif
	if (m_failed)
		cancel();
	return !m_failed;
}


bool WholeFileWriter::commit() {
	if (!finish())
		return false;
	m_committed = true;
	errno = 0;
	if (!replaceTarget()) {
		setFailed(systemReason());
		return false;
	}
	return true;
}


bool WholeFileWriter::writeFile(const QString & fileName, const QByteArray & content, QString * reason,
								QIODevice::OpenMode mode, Links links)
{
	WholeFileWriter w(fileName, SyncToDisk, links);
	const bool ok = w.open(mode) && w.write(content) && w.commit();
	if (!ok && reason != nullptr)
		*reason = w.errorString();
	return ok;
}


bool WholeFileWriter::writeFileWithBackup(const QString & fileName, const QByteArray & content, QString * reason) {
	return replaceUnchanged(fileName, content, FileStamp(), reason) == Replaced;
}


namespace {

/*! Holds an exclusive lock on the file being replaced while it is checked, backed up and
	replaced. A writer waiting on the old file finds the new one when it checks by name. */
class ReplaceLock {
public:
	explicit ReplaceLock(QFile & current) {
#ifdef Q_OS_UNIX
		if (current.isOpen())
			m_fd = current.handle();
		if (m_fd >= 0) {
			while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {}
		}
#else
		Q_UNUSED(current)
#endif
	}
	~ReplaceLock() {
#ifdef Q_OS_UNIX
		if (m_fd >= 0)
			::flock(m_fd, LOCK_UN);
#endif
	}
	ReplaceLock(const ReplaceLock &) = delete;
	ReplaceLock & operator=(const ReplaceLock &) = delete;
private:
	int m_fd = -1;
};

} // namespace


WholeFileWriter::ReplaceResult WholeFileWriter::replaceUnchanged(const QString & fileName, const QByteArray & content,
																 const FileStamp & unchangedSince, QString * reason)
{
	WholeFileWriter project(fileName);
	// the new content is on the disk before the backup is touched
	bool ok = project.open() && project.write(content) && project.finish();
	QString why = project.errorString();
	QFile current(fileName);
	const bool exists = ok && current.exists();
	if (exists)
		current.open(QIODevice::ReadOnly);
	ReplaceLock lock(current);
	if (ok && !unchangedSince.matches(fileName)) {
		project.cancel();
		return ChangedMeanwhile;
	}
	if (exists) {
		const QString backup = fileName + ".bak";
		QByteArray old;
		if (current.isOpen())
			old = current.readAll();
		if (!current.isOpen() || current.error() != QFileDevice::NoError || old.size() != current.size()) {
			why = QString("Cannot read '%1' for its backup: %2").arg(fileName, current.errorString());
			ok = false;
		}
		else {
			// the backup's name is chosen here, not by the user: no link is followed
			WholeFileWriter bak(backup, SyncToDisk, ReplaceEntry);
			bak.takePermissionsOf(fileName);
			if (!(bak.open() && bak.write(old) && bak.commit())) {
				why = QString("Cannot write backup file '%1': %2").arg(backup, bak.errorString());
				ok = false;
			}
		}
	}
	ok = ok && project.commit();
	if (!ok && reason != nullptr)
		*reason = why.isEmpty() ? project.errorString() : why;
	if (!ok && project.file().isOpen())
		project.cancel();
	return ok ? Replaced : Failed;
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
	const QString qtReason = file().errorString();
	if (err != 0 && (file().error() == QFileDevice::NoError || qtReason.isEmpty() || qtReason == QLatin1String("Unknown error")))
		return QString::fromLocal8Bit(std::strerror(err));
	return qtReason;
}

} // namespace QtExt
