#ifndef RM_DatabaseH
#define RM_DatabaseH

#include <map>

#include <QByteArray>
#include <QString>

#include <QtExt_FileStamp.h>

#include "RM_ConstructionType.h"
#include "RM_Material.h"
#include "RM_ShadingType.h"
#include "RM_WindowType.h"

namespace RM {

/*! The four tables of database entries: materials, construction types, window types
	and shading types. Each table holds built-in entries (read from the databases directory,
	never written) and user entries (read from and written to the user data directory).

	Lookups hand out pointers into the tables, valid until the entry is removed or the
	database reloaded.
*/
class Database {
public:
	/*! Index of a table in m_highestBuiltinId and m_highestUserId. */
	enum Table {
		T_Materials,
		T_Constructions,
		T_Windows,
		T_ShadingTypes,
		NUM_T
	};

	/*! First id counter of user entries; new user entries get ids above it. */
	static const unsigned int USER_ID_START = 10000;
	/*! Largest id of any entry: ids pass through int in Qt item data and spin boxes. */
	static constexpr unsigned int MAX_ID = 2147483647;

	Database();

	/*! Empties all tables and reads the built-in and user files again; unsaved changes are lost. */
	void reload();
	/*! Reads the built-in files, then the user files. Throws BVX::Exception when an item of
		a built-in file fails; broken user entries are logged and dropped. */
	void readDatabase();
	/*! Writes the user entries into the four files of the user directory, but only when one was
		added, changed or removed here since the files were read or last written here (always with
		rewriteAll). Another window of the program may have written the files meanwhile: the files
		are merged by id with this database's changes, so that no entry this database never saw is
		lost; where both changed one entry, the file's version stays beside this one under another
		id and a distinct name. The files are replaced as a set: when one cannot be written, all
		keep their old content. False when the directory cannot be created or a file cannot be
		written; *reason then names the file and why. */
	bool writeDatabase(QString * reason = nullptr, bool rewriteAll = false);
	/*! A user entry was added, changed or removed since the user files were read or last written. */
	bool hasUserChanges() const;

	/*! Directories to read from and write to instead of the standard ones;
		an empty text selects the standard directory. */
	void setDirectories(const QString & builtinDir, const QString & userDir);
	/*! Directory of the built-in files (default: QtExt::Directories::databasesDir()). */
	QString builtinDir() const;
	/*! Directory of the user files (default: QtExt::Directories::userDataDir()). */
	QString userDir() const;

	Material * material(unsigned int id);
	const Material * material(unsigned int id) const;
	ConstructionType * constructionType(unsigned int id);
	const ConstructionType * constructionType(unsigned int id) const;
	WindowType * windowType(unsigned int id);
	const WindowType * windowType(unsigned int id) const;
	ShadingType * shadingType(unsigned int id);
	const ShadingType * shadingType(unsigned int id) const;

	/*! Stores a copy of item under id, or under a new user id when id is 0, above MAX_ID or taken.
		The item receives its final id, which is returned. Throws BVX::Exception when no
		user id is free. */
	unsigned int addMaterial(Material & item, unsigned int id);
	unsigned int addConstructionType(ConstructionType & item, unsigned int id);
	unsigned int addWindowType(WindowType & item, unsigned int id);
	unsigned int addShadingType(ShadingType & item, unsigned int id);

	/*! Removes a user entry; the id must exist and the entry must not be built-in. */
	void removeMaterial(unsigned int id);
	void removeConstructionType(unsigned int id);
	void removeWindowType(unsigned int id);
	void removeShadingType(unsigned int id);

	void setModified(bool modified) { m_modified = modified; }
	bool isModified() const { return m_modified; }

	static QString noConstructionText();
	static QString noWindowText();
	static QString noShadingText();

	/*! The tables were changed since the last reload. */
	bool									m_modified;
	std::map<unsigned int, Material>			m_materials;
	std::map<unsigned int, ConstructionType>	m_constructions;
	std::map<unsigned int, WindowType>			m_windows;
	std::map<unsigned int, ShadingType>			m_shadingTypes;
	/*! Largest id of a built-in entry, per table. */
	unsigned int							m_highestBuiltinId[NUM_T];
	/*! Counter for new user ids, per table. */
	unsigned int							m_highestUserId[NUM_T];

private:
	/*! Reads the four files of one directory. */
	void readDirectory(const QString & dir, bool userFiles);
	void clear();
	/*! Takes the user entries as they are now as those the user files hold. */
	void markSynced();

	QString		m_builtinDir;
	QString		m_userDir;
	/*! Each user entry's XML as the user files held it when read or last written here, per table. */
	std::map<unsigned int, QByteArray>	m_synced[NUM_T];
	/*! The user files as read or last written here, per table. */
	QtExt::FileStamp					m_stamps[NUM_T];
};

} // namespace RM

#endif // RM_DatabaseH
