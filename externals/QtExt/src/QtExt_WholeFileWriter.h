#ifndef QtExt_WholeFileWriterH
#define QtExt_WholeFileWriterH

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

namespace QtExt {

class FileStamp;

/*! Writes a file whole or not at all.

	The content goes into a temporary file beside the target (QSaveFile). commit() replaces the
	target only when every write, the final flush of the buffer and the sync to the disk have
	succeeded; otherwise the temporary file is removed, the target stays byte for byte as it was
	and errorString() tells why, in the words of the operating system ("No space left on device").
	QSaveFile::commit() alone is not enough: Qt 5.15 reports success even when its final flush
	failed, and renames a cut file over the old one.

	A writer that is destroyed without commit() leaves the target untouched.
*/
class WholeFileWriter {
public:
	/*! SyncToDisk: commit() waits until the content is on the disk (fsync) before the rename.
		Without it a full disk is still found (the system refuses the write), only a power cut
		right after the rename may leave an empty file; for files that can be made again. */
	enum Sync { SyncToDisk, NoSync };

	/*! FollowLinks: a link of the name has its target replaced, for files the user names.
		ReplaceEntry: the directory entry of the name is replaced, whatever it is; a link another
		user planted there is not written through. For the names the program chooses itself. */
	enum Links { FollowLinks, ReplaceEntry };

	explicit WholeFileWriter(const QString & fileName, Sync sync = SyncToDisk, Links links = FollowLinks);
	~WholeFileWriter();

	WholeFileWriter(const WholeFileWriter &) = delete;
	WholeFileWriter & operator=(const WholeFileWriter &) = delete;

	/*! Opens the temporary file; mode is added to WriteOnly (e.g. QIODevice::Text). */
	bool open(QIODevice::OpenMode mode = QIODevice::NotOpen);
	/*! The device for stream writers (QXmlStreamWriter, QTextStream); commit() checks it. */
	QIODevice * device() { return &file(); }
	/*! ReplaceEntry: the new file gets the permission bits of fileName (call before open());
		without it those of the regular file it replaces, or the usual ones of a new file. */
	void takePermissionsOf(const QString & fileName);

	/*! Writes all bytes (repeats short writes until the system names its reason). */
	bool write(const char * data, qint64 size);
	bool write(const QByteArray & bytes) { return write(bytes.constData(), bytes.size()); }

	/*! Marks the content as failed (e.g. a stream writer's error): commit() will not replace the file. */
	void fail(const QString & reason);

	/*! Flushes and syncs the content to the disk without replacing the target yet; false (and
		the writing cancelled) on any failure. commit() does it when not done before. */
	bool finish();
	/*! Flushes, syncs and renames the file over the target; false (target unchanged) on any failure. */
	bool commit();

	/*! The reason of the first failure; empty while all went well. */
	const QString & errorString() const { return m_error; }
	const QString & fileName() const { return m_fileName; }

	/*! Opens, writes content and commits; the reason of a failure in *reason. */
	static bool writeFile(const QString & fileName, const QByteArray & content, QString * reason = nullptr,
						  QIODevice::OpenMode mode = QIODevice::NotOpen, Links links = FollowLinks);

	/*! Writes content to fileName; the version it replaces becomes fileName + ".bak". When the new
		content or the backup cannot be written completely, both files stay as they were. The backup
		replaces the entry ".bak" (no link followed) and takes the permissions of the file it keeps. */
	static bool writeFileWithBackup(const QString & fileName, const QByteArray & content, QString * reason = nullptr);

	/*! Outcome of replaceUnchanged(). */
	enum ReplaceResult { Replaced, Failed, ChangedMeanwhile };
	/*! As writeFileWithBackup(), but only when fileName still holds what unchangedSince stamped:
		check and rename are one step against other windows saving the file (they lock the file
		being replaced), and the check comes right before the rename. */
	static ReplaceResult replaceUnchanged(const QString & fileName, const QByteArray & content,
										  const FileStamp & unchangedSince, QString * reason = nullptr);

private:
	/*! Keeps the first reason; the file's own error string, or errno's text when Qt has none. */
	void setFailed(const QString & reason);
	QString systemReason() const;
	QFileDevice & file() { return m_links == FollowLinks ? static_cast<QFileDevice &>(m_saveFile) : m_entryFile; }
	const QFileDevice & file() const { return m_links == FollowLinks ? static_cast<const QFileDevice &>(m_saveFile) : m_entryFile; }
	bool openEntryFile(QIODevice::OpenMode mode);
	void cancel();
	bool replaceTarget();

	QString		m_fileName;
	Links		m_links;
	QSaveFile	m_saveFile;
	/*! ReplaceEntry: the temporary file beside the target, renamed over its entry at commit(). */
	QFile		m_entryFile;
	QString		m_tempName;
	QString		m_permissionsOf;
	QString		m_error;
	Sync		m_sync;
	bool		m_failed;
	bool		m_finished;
	bool		m_committed;
};

} // namespace QtExt

#endif // QtExt_WholeFileWriterH
