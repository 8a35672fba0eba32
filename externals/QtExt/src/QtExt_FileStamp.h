#ifndef QtExt_FileStampH
#define QtExt_FileStampH

#include <QByteArray>
#include <QString>

namespace QtExt {

/*! What a file held when it was last read or written here: size and a hash of its bytes. Another program (or a second instance) that writes the file in between
	changes the content; before replacing the file, the writer asks the stamp. */
class FileStamp {
public:
	/*! The stamp of no file: every file counts as unchanged against it. */
	FileStamp() = default;

	/*! The stamp of the file as it is now (of a missing file when it cannot be read). */
	static FileStamp of(const QString & fileName);
	/*! The stamp of a file that holds content (as just written). */
	static FileStamp ofContent(const QByteArray & content);

	/*! True when the file still holds the stamped content, is missing (nothing there to lose)
		or nothing was stamped. The bytes are compared by their hash: a file rewritten with the
		same size and its old time restored (cp -p, rsync -t, an unpacked archive) has changed. */
	bool matches(const QString & fileName) const;

	/*! Both names denote the same file (device and inode; a link and its target are one file).
		Names of which one is missing compare as absolute paths. */
	static bool sameFile(const QString & a, const QString & b);

	bool isValid() const { return m_exists; }

private:
	bool		m_exists = false;
	qint64		m_size = 0;
	QByteArray	m_hash;
};

} // namespace QtExt

#endif // QtExt_FileStampH
