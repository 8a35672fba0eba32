#ifndef QtExt_FileStampH
#define QtExt_FileStampH

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace QtExt {

/*! What a file held when it was last read or written here: modification time, size and a hash
	of its bytes. Another program (or a second instance) that writes the file in between
	changes the content; before replacing the file, the writer asks the stamp. */
class FileStamp {
public:
	/*! The stamp of no file: every file counts as unchanged against it. */
	FileStamp() = default;

	/*! The stamp of the file as it is now (of a missing file when it cannot be read). */
	static FileStamp of(const QString & fileName);

	/*! True when the file still holds the stamped content, is missing (nothing there to lose)
		or nothing was stamped. Time and size equal count as unchanged without reading the file. */
	bool matches(const QString & fileName) const;

	bool isValid() const { return m_exists; }

private:
	bool		m_exists = false;
	qint64		m_size = 0;
	QDateTime	m_modified;
	QByteArray	m_hash;
};

} // namespace QtExt

#endif // QtExt_FileStampH
