#include "RM_Database.h"

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


/*! Writes the user entries of a table; the file is replaced only when it was written completely.
	A file that already holds this content is left alone. False on failure, the file and the
	system's reason appended to failures. */
template <typename T>
bool writeItemList(const QString & fileName, const QString & typeName, const std::map<unsigned int, T> & table,
				   QStringList & failures)
{
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

	QFile current(fileName);
	if (current.open(QIODevice::ReadOnly) && current.readAll() == content)
		return true;
	current.close();
	QString reason;
	if (QtExt::WholeFileWriter::writeFile(fileName, content, &reason))
		return true;
	BVX::BVX_Message(BVX::FormatText("Error writing database file '%1': %2.").arg(fileName.toStdString()).arg(reason.toStdString()),
					 BVX::MSG_ERROR, "[Database::writeItemList]", 1);
	failures.append(QString("'%1': %2").arg(fileName, reason));
	return false;
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
}


bool Database::writeDatabase(QString * reason) const {
	const QString dir = userDir();
	// create the whole path: below a fresh home not even the parent directories exist
	if (!QDir(dir).exists() && !QDir().mkpath(dir)) {
		BVX::BVX_Message(BVX::FormatText("Cannot create user database directory '%1'.").arg(dir.toStdString()),
						 BVX::MSG_ERROR, "[Database::writeDatabase]", 1);
		if (reason != nullptr)
			*reason = QString("Cannot create directory '%1'.").arg(dir);
		return false;
	}
	// every file is attempted: one that fails keeps its old content, the others are written
	QStringList failures;
	bool ok = writeItemList(dir + "/db_materials.xml", "Material", m_materials, failures);
	ok = writeItemList(dir + "/db_constructions.xml", "ConstructionType", m_constructions, failures) && ok;
	ok = writeItemList(dir + "/db_windows.xml", "Window", m_windows, failures) && ok;
	ok = writeItemList(dir + "/db_shadingTypes.xml", "ShadingType", m_shadingTypes, failures) && ok;
	if (!ok && reason != nullptr)
		*reason = failures.join("\n");
	return ok;
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
