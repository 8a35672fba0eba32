#ifndef ProjectDocumentH
#define ProjectDocumentH

#include <memory>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <QtExt_FileStamp.h>

namespace RM {
	class Climate;
	class Database;
	class Room;
}

/*! What a project is: the edited room, the database it draws its types from, the climate
	catalogue, Load, New and Save with its ".bak" file. Whether the project is modified is
	derived from its content: the bytes Save would write compared with those of the last
	Load, New or Save, so that no edit path has to announce itself (edits of database items
	the project uses included, they are written into the project file).
*/
class ProjectDocument : public QObject {
	Q_OBJECT
public:
	explicit ProjectDocument(QObject * parent = nullptr);
	~ProjectDocument() override;

	RM::Room & room() { return *m_room; }
	const RM::Room & room() const { return *m_room; }
	RM::Database & database() { return *m_db; }
	RM::Climate & climate() { return *m_climate; }

	/*! Outcome of read(). */
	enum ReadResult {
		Read,
		CannotOpen,
		ReadFailed
	};

	/*! Replaces the room's content by the file's (the object stays: pages point into it).
		On failure the room is unchanged and errorText holds the reader's message. */
	ReadResult read(const QString & fileName, QString & errorText);
	/*! Replaces the room's content by the default project. */
	void reset();
	/*! Writes the project to fileName whole or not at all, the version it replaces becomes the
		".bak" file; false with the reason when project or backup could not be written (both
		then stay as they were). The file becomes the project's file. */
	bool write(const QString & fileName, QString & reason);
	/*! fileName is the project's file and was changed by another program or window since this
		document last read or wrote it. */
	bool changedOnDisk(const QString & fileName) const;

	/*! Surfaces without a construction type, by index: Save leaves them out. */
	std::vector<int> surfacesLeftOut() const;
	/*! What Save would write now. */
	QByteArray content() const;
	/*! What Save would write differs from what the last Load, New or Save wrote or read. */
	bool isModified() const { return content() != m_cleanContent; }
	/*! Takes the content as read or written: the project counts as unmodified. */
	void setClean();

public slots:
	/*! Compares the content now and signals a change of the mark. */
	void checkModified();
	/*! checkModified() once control returns to the event loop; calls in between coalesce. */
	void scheduleCheck();

signals:
	void modifiedChanged(bool modified);

private:
	std::unique_ptr<RM::Database>	m_db;
	std::unique_ptr<RM::Climate>	m_climate;
	std::unique_ptr<RM::Room>		m_room;
	/*! Content of the last Load, New or Save. */
	QByteArray						m_cleanContent;
	/*! Mark last signalled. */
	bool							m_modified;
	QTimer							m_checkTimer;
	/*! The project file as last read or written here. */
	QtExt::FileStamp				m_fileStamp;
};

#endif // ProjectDocumentH
