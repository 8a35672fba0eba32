#ifndef ProjectDocumentH
#define ProjectDocumentH

#include <memory>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
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
	/*! Outcome of write(). */
	enum WriteResult {
		Written,
		WriteFailed,
		ChangedOnDisk
	};
	/*! Names of the items the last read added to the database as copies (an item of the
		file differed from the database's item of its id); empty after reset(). */
	const QStringList & addedCopies() const { return m_addedCopies; }
	/*! Writes the project to fileName whole or not at all, the version it replaces becomes the
		".bak" file; WriteFailed with the reason when project or backup could not be written (both
		then stay as they were). The file becomes the project's file. Unless overwriteChanges,
		the project's own file changed by another program or window (changedOnDisk(), checked
		again in one step with the replacement) is left as it is: ChangedOnDisk. */
	WriteResult write(const QString & fileName, QString & reason, bool overwriteChanges = false);
	/*! fileName is the project's file (under any name: a link counts as its target) and was
		changed by another program or window since this document last read or wrote it. */
	bool changedOnDisk(const QString & fileName) const;

	/*! Surfaces without a construction type, by index: Save leaves them out. */
	std::vector<int> surfacesLeftOut() const;
	/*! What Save would write now. */
	QByteArray content() const;
	/*! What Save would write differs from what the last Load, New or Save wrote or read. */
	bool isModified() const { return content() != m_cleanContent; }
	/*! Takes the content as read or written: the project counts as unmodified. */
	void setClean();

	/*! Switches between the user-defined calculation and the DIN 4108-2 assessment and
		signals dinModeChanged. The assessment runs without the moisture balance; back in the
		user mode the location and the moisture balance of the user mode before the switch
		return. Load and New forget them: a project read in the DIN mode goes back with the
		location and moisture balance it was read with. */
	void setDinMode(bool din);
	/*! One or two simulated years for the next run (the project file does not keep it). */
	void setTwoYearSimulation(bool twoYears);

public slots:
	/*! Compares the content now and signals a change of the mark. */
	void checkModified();
	/*! checkModified() once control returns to the event loop; calls in between coalesce. */
	void scheduleCheck();

signals:
	void modifiedChanged(bool modified);
	/*! setDinMode() switched the mode, with location and moisture balance. */
	void dinModeChanged(bool din);

private:
	/*! fileName is the file the project was last read from or written to. */
	bool isProjectFile(const QString & fileName) const;

	/*! No user mode to go back to. */
	void forgetUserMode();

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
	/*! Location and moisture balance of the user mode when the DIN 4108-2 mode was chosen;
		an empty location: none (the project was read or made in the DIN mode). */
	QString							m_userModeLocation;
	bool							m_userModeMoistureBalance;
	QStringList						m_addedCopies;
};

#endif // ProjectDocumentH
