#include "RM_Database.h"

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QBuffer>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <QtExt_Directories.h>
#include <QtExt_WholeFileWriter.h>

namespace RM {

namespace {

typedef std::map<unsigned int, unsigned int> IdMap;

/*! How the entries of one file were read. */
struct FileReadResult {
	/*! The file ended early or entries were dropped: its content is not fully in the tables. */
	bool	m_incomplete = false;
};

/*! Properties of one table's file. */
struct TableFileInfo {
	const char * m_fileName;
	const char * m_elementName;
	const char * m_invalidIdMessage;
	const char * m_functionID;
};

const TableFileInfo MATERIAL_FILE		= { "/db_materials.xml", "Material",
	"Material with name '%1' has an invalid Id.", "Database::readDBMaterials()" };
const TableFileInfo CONSTRUCTION_FILE	= { "/db_constructions.xml", "ConstructionType",
	"ConstructionType with name '%1' has an invalid Id.", "Database::readDBConstructions()" };
const TableFileInfo SHADING_FILE		= { "/db_shadingTypes.xml", "ShadingType",
	"ShadingType with name '%1' has an invalid Id.", "Database::readDBShadingTypes()" };
const TableFileInfo WINDOW_FILE			= { "/db_windows.xml", "WindowType",
	"WindowType with name '%1' has an invalid Id.", "[Database::readDBWindows]" };


/*! Reads all entries of one file into the table. Exceptions of single items propagate for
	built-in files; for user files they are logged and the item is dropped. */
template <typename T>
FileReadResult readItemFile(const QString & fileName, const TableFileInfo & info,
							std::map<unsigned int, T> & table, bool userFile)
{
	FileReadResult res;
	QFile file(fileName);
	if (!file.exists())
		return res;
	if (!file.open(QIODevice::ReadOnly)) {
		BVX::BVX_Message(BVX::FormatText("Cannot open database file '%1'.").arg(fileName.toStdString()),
						 BVX::MSG_ERROR, info.m_functionID, 1);
		res.m_incomplete = true;
		return res;
	}

	QXmlStreamReader reader(&file);
	while (!reader.atEnd()) {
		reader.readNext();
		if (!reader.isStartElement() || reader.name() != info.m_elementName)
			continue;
		T item;
		if (userFile) {
			try {
				item.readXML(reader);
			}
			catch (BVX::Exception & ex) {
				ex.writeMsgStackToError();
				BVX::BVX_Message(BVX::FormatText("Entry with id %1 in database file '%2' dropped.")
								 .arg(item.m_id).arg(fileName.toStdString()), BVX::MSG_ERROR, info.m_functionID, 1);
				res.m_incomplete = true;
				continue;
			}
		}
		else
			item.readXML(reader);

		if (reader.hasError())
			break;
		if (item.m_id == 0) {
			BVX::BVX_Message(BVX::FormatText(info.m_invalidIdMessage).arg(item.name().toStdString()),
							 BVX::MSG_WARNING, info.m_functionID, 1);
			res.m_incomplete = true;
		}
		else if (table.find(item.m_id) != table.end()) {
			BVX::BVX_Message(BVX::FormatText("Definition with name '%1' already exists in database.")
							 .arg(item.name().toStdString()), BVX::MSG_WARNING, info.m_functionID, 1);
			res.m_incomplete = true;
		}
		else {
			item.m_builtin = false;
			table[item.m_id] = item;
		}
	}

	if (reader.hasError()) {
		const std::string err = reader.errorString().toStdString();
		if (std::string(info.m_elementName) == "Material")
			BVX::BVX_Message(err, BVX::MSG_ERROR, info.m_functionID, 1);
		else if (std::string(info.m_elementName) == "WindowType")
			BVX::BVX_Message("Error reading Window-Database:\n" + err, BVX::MSG_ERROR, info.m_functionID, 1);
		BVX::BVX_Message(BVX::FormatText("Error reading database file '%1' at line %2: %3 The remaining entries of "
										 "this file are skipped.")
						 .arg(fileName.toStdString()).arg((long long)reader.lineNumber()).arg(err),
						 BVX::MSG_ERROR, info.m_functionID, 1);
		res.m_incomplete = true;
	}
	return res;
}


/*! A user file that was not read completely is saved as "<file>.bak" before the next
	writeDatabase() replaces it with the entries that could be read. */
void backupIncompleteFile(const QString & fileName) {
	const QString backup = fileName + ".bak";
	QFile::remove(backup);
	if (QFile::copy(fileName, backup))
		BVX::BVX_Message(BVX::FormatText("Database file '%1' was not read completely, a copy is kept as '%2'.")
						 .arg(fileName.toStdString()).arg(backup.toStdString()),
						 BVX::MSG_WARNING, "Database::readDatabase()", 1);
	else
		BVX::BVX_Message(BVX::FormatText("Cannot create backup copy '%1' of database file.").arg(backup.toStdString()),
						 BVX::MSG_ERROR, "Database::readDatabase()", 1);
}


template <typename T>
unsigned int highestId(const std::map<unsigned int, T> & table) {
	return table.empty() ? 0 : table.rbegin()->first;
}


template <typename T>
void markBuiltin(std::map<unsigned int, T> & table) {
	for (auto & e : table)
		e.second.m_builtin = true;
}


template <typename T>
void raiseUserCounter(const std::map<unsigned int, T> & table, unsigned int & counter) {
	for (const auto & e : table)
		if (!e.second.m_builtin && e.first > counter)
			counter = e.first;
}


/*! The next free id above the counter; once the counter reaches the largest id, the lowest
	free user id. Never 0 nor a taken id; throws when no user id is left. */
template <typename T>
unsigned int nextFreeUserId(const std::map<unsigned int, T> & table, unsigned int & counter) {
	while (counter < Database::MAX_ID) {
		++counter;
		if (table.find(counter) == table.end())
			return counter;
	}
	unsigned int id = Database::USER_ID_START + 1;
	for (auto it = table.lower_bound(id); it != table.end() && it->first == id; ++it) {
		if (id == Database::MAX_ID)
			throw BVX::Exception(BVX::FormatText("No free id left for a new database entry, all ids from %1 to %2 are taken.")
								 .arg(Database::USER_ID_START + 1).arg(Database::MAX_ID), "[Database::addItem]");
		++id;
	}
	return id;
}


template <typename T>
unsigned int addItem(std::map<unsigned int, T> & table, T & item, unsigned int id, unsigned int & counter) {
	if (id == 0 || id > Database::MAX_ID || table.find(id) != table.end())
		id = nextFreeUserId(table, counter);
	item.m_id = id;
	table[id] = item;
	return id;
}


template <typename T>
T * findItem(std::map<unsigned int, T> & table, unsigned int id) {
	typename std::map<unsigned int, T>::iterator it = table.find(id);
	return it == table.end() ? nullptr : &it->second;
}


template <typename T>
const T * findItem(const std::map<unsigned int, T> & table, unsigned int id) {
	typename std::map<unsigned int, T>::const_iterator it = table.find(id);
	return it == table.end() ? nullptr : &it->second;
}


template <typename T>
QByteArray itemBytes(const T & item) {
	QByteArray bytes;
	QBuffer buffer(&bytes);
	buffer.open(QIODevice::WriteOnly);
	QXmlStreamWriter writer(&buffer);
	item.writeXML(writer);
	return bytes;
}


template <typename T>
std::map<unsigned int, QByteArray> userItemBytes(const std::map<unsigned int, T> & table) {
	std::map<unsigned int, QByteArray> bytes;
	for (const auto & e : table)
		if (!e.second.m_builtin)
			bytes[e.first] = itemBytes(e.second);
	return bytes;
}


template <typename T>
bool hasChanges(const std::map<unsigned int, T> & table, const std::map<unsigned int, QByteArray> & synced) {
	return userItemBytes(table) != synced;
}


/*! The content of a user file holding the user entries of a table. */
template <typename T>
QByteArray listContent(const QString & typeName, const std::map<unsigned int, T> & table) {
	QByteArray content;
	QBuffer buffer(&content);
	buffer.open(QIODevice::WriteOnly);
	QXmlStreamWriter writer(&buffer);
	writer.setAutoFormatting(true);
	writer.writeStartDocument("1.0");
	writer.writeStartElement(typeName + "List");
	for (const auto & e : table)
		if (!e.second.m_builtin)
			e.second.writeXML(writer);
	writer.writeEndElement();
	writer.writeEndDocument();
	return content;
}


/*! What a user file is to hold: its entries now with this database's changes applied. */
template <typename T>
struct MergedTable {
	std::map<unsigned int, T>	m_items;
	/*! Entries of the file that moved to another id, because this database holds another entry under theirs. */
	IdMap						m_moved;
	/*! Ids whose entry is this database's. */
	std::set<unsigned int>		m_ours;
	/*! Entries of the file removed because this database removed them. */
	std::map<unsigned int, T>	m_removed;
};


/*! A name not yet used in either table: " (2)", " (3)" ... after every name of the item. */
template <typename T>
void makeNameDistinct(T & item, const std::map<unsigned int, T> & a, const std::map<unsigned int, T> & b) {
	const QMap<QString, QString> names = item.m_names;
	auto taken = [&](const QString & name) {
		for (const auto * table : { &a, &b })
			for (const auto & e : *table)
				if (e.second.name() == name)
					return true;
		return false;
	};
	for (int n = 2; taken(item.name()); ++n)
		for (auto it = names.begin(); it != names.end(); ++it)
			item.m_names[it.key()] = QString("%1 (%2)").arg(it.value()).arg(n);
}


/*! Merges by id. Entries this database left untouched since synced take the file's version (or
	its absence); entries it added, changed or removed go in, unless the file changed them too:
	a removed one stays then, and of one changed on both sides the file's version moves aside. */
template <typename T>
MergedTable<T> mergeWithFile(const std::map<unsigned int, T> & ours, const std::map<unsigned int, QByteArray> & synced,
							 const std::map<unsigned int, T> & inFile, unsigned int & counter)
{
	MergedTable<T> res;
	res.m_items = inFile;
	for (const auto & s : synced) {
		typename std::map<unsigned int, T>::const_iterator mine = ours.find(s.first);
		if (mine != ours.end() && !mine->second.m_builtin)
			continue;
		typename std::map<unsigned int, T>::iterator it = res.m_items.find(s.first);
		if (it != res.m_items.end() && itemBytes(it->second) == s.second) {
			res.m_removed[s.first] = it->second;
			res.m_items.erase(it);
		}
	}
	for (const auto & e : ours) {
		if (e.second.m_builtin)
			continue;
		const QByteArray mine = itemBytes(e.second);
		const std::map<unsigned int, QByteArray>::const_iterator s = synced.find(e.first);
		if (s != synced.end() && s->second == mine)
			continue;
		typename std::map<unsigned int, T>::iterator it = res.m_items.find(e.first);
		if (it != res.m_items.end()) {
			const QByteArray theirs = itemBytes(it->second);
			if (theirs != mine && (s == synced.end() || s->second != theirs)) {
				T moved = it->second;
				do
					++counter;
				while (res.m_items.count(counter) != 0 || ours.count(counter) != 0);
				moved.m_id = counter;
				res.m_items[e.first] = e.second;
				makeNameDistinct(moved, res.m_items, ours);
				res.m_moved[e.first] = counter;
				res.m_items[counter] = moved;
				BVX::BVX_Message(BVX::FormatText("Database entry #%1 was also added or changed by another window, "
												 "its version is kept as #%2 '%3'.")
								 .arg(e.first).arg(counter).arg(moved.name().toStdString()),
								 BVX::MSG_WARNING, "[Database::writeDatabase]", 1);
			}
		}
		res.m_items[e.first] = e.second;
		res.m_ours.insert(e.first);
	}
	return res;
}


/*! The user entries of a file as it is now; those under a built-in id were dropped when read. */
template <typename T>
std::map<unsigned int, T> readUserFile(const QString & fileName, const TableFileInfo & info,
									   const std::map<unsigned int, T> & table)
{
	std::map<unsigned int, T> items;
	readItemFile(fileName, info, items, true);
	for (const auto & e : table)
		if (e.second.m_builtin)
			items.erase(e.first);
	return items;
}

} // namespace


Database::Database() {
	clear();
}


void Database::clear() {
	m_modified = false;
	m_materials.clear();
	m_constructions.clear();
	m_windows.clear();
	m_shadingTypes.clear();
	for (unsigned int i = 0; i < NUM_T; ++i) {
		m_synced[i].clear();
		m_stamps[i] = QtExt::FileStamp();
		m_highestBuiltinId[i] = 0;
		m_highestUserId[i] = USER_ID_START;
	}
}


void Database::reload() {
	clear();
	readDatabase();
}


void Database::setDirectories(const QString & builtinDir, const QString & userDir) {
	m_builtinDir = builtinDir;
	m_userDir = userDir;
}


QString Database::builtinDir() const {
	return m_builtinDir.isEmpty() ? QtExt::Directories::databasesDir() : m_builtinDir;
}


QString Database::userDir() const {
	return m_userDir.isEmpty() ? QtExt::Directories::userDataDir() : m_userDir;
}


void Database::readDirectory(const QString & dir, bool userFiles) {
	struct Step {
		const TableFileInfo & m_info;
		FileReadResult m_result;
	};
	Step steps[] = {
		{ MATERIAL_FILE, readItemFile(dir + MATERIAL_FILE.m_fileName, MATERIAL_FILE, m_materials, userFiles) },
		{ CONSTRUCTION_FILE, readItemFile(dir + CONSTRUCTION_FILE.m_fileName, CONSTRUCTION_FILE, m_constructions, userFiles) },
		{ SHADING_FILE, readItemFile(dir + SHADING_FILE.m_fileName, SHADING_FILE, m_shadingTypes, userFiles) },
		{ WINDOW_FILE, readItemFile(dir + WINDOW_FILE.m_fileName, WINDOW_FILE, m_windows, userFiles) }
	};
	if (!userFiles)
		return;
	for (const Step & s : steps)
		if (s.m_result.m_incomplete)
			backupIncompleteFile(dir + s.m_info.m_fileName);
}


void Database::readDatabase() {
	const char * const FUNC_ID = "Database::readDatabase()";
	const QString dbDir = builtinDir();
	BVX::BVX_Message(BVX::FormatText("Reading databases from DB dir: '%1'.\n").arg(dbDir.toStdString()),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	readDirectory(dbDir, false);

	markBuiltin(m_materials);
	markBuiltin(m_constructions);
	markBuiltin(m_windows);
	markBuiltin(m_shadingTypes);
	m_highestBuiltinId[T_Materials] = std::max(m_highestBuiltinId[T_Materials], highestId(m_materials));
	m_highestBuiltinId[T_Constructions] = std::max(m_highestBuiltinId[T_Constructions], highestId(m_constructions));
	m_highestBuiltinId[T_Windows] = std::max(m_highestBuiltinId[T_Windows], highestId(m_windows));
	m_highestBuiltinId[T_ShadingTypes] = std::max(m_highestBuiltinId[T_ShadingTypes], highestId(m_shadingTypes));

	const QString usrDir = userDir();
	BVX::BVX_Message(BVX::FormatText("Reading databases from user DB dir: '%1'.\n").arg(usrDir.toStdString()),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	readDirectory(usrDir, true);

	raiseUserCounter(m_materials, m_highestUserId[T_Materials]);
	raiseUserCounter(m_constructions, m_highestUserId[T_Constructions]);
	raiseUserCounter(m_windows, m_highestUserId[T_Windows]);
	raiseUserCounter(m_shadingTypes, m_highestUserId[T_ShadingTypes]);
	markSynced();
}


bool Database::hasUserChanges() const {
	return hasChanges(m_materials, m_synced[T_Materials]) || hasChanges(m_constructions, m_synced[T_Constructions])
			|| hasChanges(m_windows, m_synced[T_Windows]) || hasChanges(m_shadingTypes, m_synced[T_ShadingTypes]);
}


void Database::markSynced() {
	const QString dir = userDir();
	m_synced[T_Materials] = userItemBytes(m_materials);
	m_synced[T_Constructions] = userItemBytes(m_constructions);
	m_synced[T_Windows] = userItemBytes(m_windows);
	m_synced[T_ShadingTypes] = userItemBytes(m_shadingTypes);
	m_stamps[T_Materials] = QtExt::FileStamp::of(dir + MATERIAL_FILE.m_fileName);
	m_stamps[T_Constructions] = QtExt::FileStamp::of(dir + CONSTRUCTION_FILE.m_fileName);
	m_stamps[T_Windows] = QtExt::FileStamp::of(dir + WINDOW_FILE.m_fileName);
	m_stamps[T_ShadingTypes] = QtExt::FileStamp::of(dir + SHADING_FILE.m_fileName);
}


bool Database::writeDatabase(QString * reason, bool rewriteAll) {
	const char * const FUNC_ID = "[Database::writeDatabase]";
	if (!rewriteAll && !hasUserChanges())
		return true;
	const QString dir = userDir();
	// create the whole path: below a fresh home not even the parent directories exist
	if (!QDir(dir).exists() && !QDir().mkpath(dir)) {
		BVX::BVX_Message(BVX::FormatText("Cannot create user database directory '%1'.").arg(dir.toStdString()),
						 BVX::MSG_ERROR, FUNC_ID, 1);
		if (reason != nullptr)
			*reason = QString("Cannot create directory '%1'.").arg(dir);
		return false;
	}
	for (unsigned int t = 0; t < NUM_T; ++t) {
		const TableFileInfo * const infos[] = { &MATERIAL_FILE, &CONSTRUCTION_FILE, &WINDOW_FILE, &SHADING_FILE };
		if (!m_stamps[t].matches(dir + infos[t]->m_fileName))
			BVX::BVX_Message(BVX::FormatText("Database file '%1' was changed by another window since it was read here, "
											 "the changes are merged.").arg((dir + infos[t]->m_fileName).toStdString()),
							 BVX::MSG_PROGRESS, FUNC_ID, 1);
	}

	// what the files hold now, merged with the changes made here
	unsigned int counters[NUM_T];
	std::copy(m_highestUserId, m_highestUserId + NUM_T, counters);
	MergedTable<Material> materials = mergeWithFile(m_materials, m_synced[T_Materials],
		readUserFile(dir + MATERIAL_FILE.m_fileName, MATERIAL_FILE, m_materials), counters[T_Materials]);
	MergedTable<ConstructionType> constructions = mergeWithFile(m_constructions, m_synced[T_Constructions],
		readUserFile(dir + CONSTRUCTION_FILE.m_fileName, CONSTRUCTION_FILE, m_constructions), counters[T_Constructions]);
	const MergedTable<WindowType> windows = mergeWithFile(m_windows, m_synced[T_Windows],
		readUserFile(dir + WINDOW_FILE.m_fileName, WINDOW_FILE, m_windows), counters[T_Windows]);
	const MergedTable<ShadingType> shadingTypes = mergeWithFile(m_shadingTypes, m_synced[T_ShadingTypes],
		readUserFile(dir + SHADING_FILE.m_fileName, SHADING_FILE, m_shadingTypes), counters[T_ShadingTypes]);
	for (auto & e : constructions.m_items) {
		// construction types another window added or changed keep the materials they were made of
		const std::map<unsigned int, QByteArray>::const_iterator seen = m_synced[T_Constructions].find(e.first);
		const bool theirs = constructions.m_ours.count(e.first) == 0
				&& (seen == m_synced[T_Constructions].end() || seen->second != itemBytes(e.second));
		for (unsigned int & matId : e.second.m_materialIds) {
			IdMap::const_iterator moved = materials.m_moved.find(matId);
			if (theirs && moved != materials.m_moved.end())
				matId = moved->second;
			// a material one window removed stays while a construction type of the other uses it
			if (materials.m_items.count(matId) != 0)
				continue;
			const Material * mine = material(matId);
			if (mine != nullptr && !mine->m_builtin)
				materials.m_items[matId] = *mine;
			else if (materials.m_removed.count(matId) != 0)
				materials.m_items[matId] = materials.m_removed[matId];
		}
	}

	struct FileContent {
		QString		m_fileName;
		QByteArray	m_content;
	};
	// materials first: a construction type is never replaced without its materials
	const FileContent files[] = {
		{ dir + MATERIAL_FILE.m_fileName, listContent("Material", materials.m_items) },
		{ dir + CONSTRUCTION_FILE.m_fileName, listContent("ConstructionType", constructions.m_items) },
		{ dir + WINDOW_FILE.m_fileName, listContent("Window", windows.m_items) },
		{ dir + SHADING_FILE.m_fileName, listContent("ShadingType", shadingTypes.m_items) }
	};
	// every file is written beside its target before any replaces one: all new or all old
	std::vector<std::unique_ptr<QtExt::WholeFileWriter>> writers;
	bool ok = true;
	for (const FileContent & f : files) {
		QFile current(f.m_fileName);
		if (current.open(QIODevice::ReadOnly) && current.readAll() == f.m_content)
			continue;
		current.close();
		writers.emplace_back(new QtExt::WholeFileWriter(f.m_fileName));
		QtExt::WholeFileWriter & w = *writers.back();
		if (!(w.open() && w.write(f.m_content) && w.finish()))
			ok = false;
	}
	for (const std::unique_ptr<QtExt::WholeFileWriter> & w : writers)
		if (ok && !w->commit())
			ok = false;
	if (!ok) {
		QStringList failures;
		for (const std::unique_ptr<QtExt::WholeFileWriter> & w : writers)
			if (!w->errorString().isEmpty())
				failures.append(QString("'%1': %2").arg(w->fileName(), w->errorString()));
		BVX::BVX_Message(BVX::FormatText("Error writing database files: %1.").arg(failures.join(", ").toStdString()),
						 BVX::MSG_ERROR, FUNC_ID, 1);
		if (reason != nullptr)
			*reason = failures.join("\n");
		return false;
	}
	std::copy(counters, counters + NUM_T, m_highestUserId);
	markSynced();
	return true;
}


Material * Database::material(unsigned int id) { return findItem(m_materials, id); }
const Material * Database::material(unsigned int id) const { return findItem(m_materials, id); }
ConstructionType * Database::constructionType(unsigned int id) { return findItem(m_constructions, id); }
const ConstructionType * Database::constructionType(unsigned int id) const { return findItem(m_constructions, id); }
WindowType * Database::windowType(unsigned int id) { return findItem(m_windows, id); }
const WindowType * Database::windowType(unsigned int id) const { return findItem(m_windows, id); }
ShadingType * Database::shadingType(unsigned int id) { return findItem(m_shadingTypes, id); }
const ShadingType * Database::shadingType(unsigned int id) const { return findItem(m_shadingTypes, id); }


unsigned int Database::addMaterial(Material & item, unsigned int id) {
	m_modified = true;
	return addItem(m_materials, item, id, m_highestUserId[T_Materials]);
}


unsigned int Database::addConstructionType(ConstructionType & item, unsigned int id) {
	m_modified = true;
	return addItem(m_constructions, item, id, m_highestUserId[T_Constructions]);
}


unsigned int Database::addWindowType(WindowType & item, unsigned int id) {
	m_modified = true;
	return addItem(m_windows, item, id, m_highestUserId[T_Windows]);
}


unsigned int Database::addShadingType(ShadingType & item, unsigned int id) {
	m_modified = true;
	return addItem(m_shadingTypes, item, id, m_highestUserId[T_ShadingTypes]);
}


void Database::removeMaterial(unsigned int id) {
	std::map<unsigned int, Material>::iterator it = m_materials.find(id);
	Q_ASSERT(it != m_materials.end());
	Q_ASSERT(!it->second.m_builtin);
	m_materials.erase(it);
	m_modified = true;
}


void Database::removeConstructionType(unsigned int id) {
	std::map<unsigned int, ConstructionType>::iterator it = m_constructions.find(id);
	Q_ASSERT(it != m_constructions.end());
	Q_ASSERT(!it->second.m_builtin);
	m_constructions.erase(it);
	m_modified = true;
}


void Database::removeWindowType(unsigned int id) {
	std::map<unsigned int, WindowType>::iterator it = m_windows.find(id);
	Q_ASSERT(it != m_windows.end());
	Q_ASSERT(!it->second.m_builtin);
	m_windows.erase(it);
	m_modified = true;
}


void Database::removeShadingType(unsigned int id) {
	std::map<unsigned int, ShadingType>::iterator it = m_shadingTypes.find(id);
	Q_ASSERT(it != m_shadingTypes.end());
	Q_ASSERT(!it->second.m_builtin);
	m_shadingTypes.erase(it);
	m_modified = true;
}


QString Database::noConstructionText() {
	return QCoreApplication::translate("Database", "No Construction");
}


QString Database::noWindowText() {
	return QCoreApplication::translate("Database", "No Window");
}


QString Database::noShadingText() {
	return QCoreApplication::translate("Database", "No Shading");
}

} // namespace RM
