#include "RM_EmbeddedDatabase.h"

#include <map>
#include <set>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "RM_Database.h"
#include "RM_RoomConstruction.h"
#include "RM_XMLHelpers.h"

namespace RM {

namespace {

const char * const FUNC_ID = "[Room::readXML]";
/*! Ids below belong to the built-in database. */
const unsigned int BUILTIN_ID_LIMIT = 10000;

typedef std::map<unsigned int, unsigned int> IdMap;

void progress(const BVX::FormatText & text) {
	BVX::BVX_Message(text, BVX::MSG_PROGRESS, FUNC_ID, 1);
}

/*! Reads the items of one list element; every child element is one item. */
template <typename T>
void readSubSection(QXmlStreamReader & reader, std::vector<T> & items) {
	unsigned int count = 0;
	readChildElements(reader, [&](const QString &) {
		T item;
		item.readXML(reader);
		++count;
		// an id outside the range would plant a counter that hands out taken ids
		if (!reader.hasError() && (item.m_id == 0 || item.m_id > Database::MAX_ID))
			reader.raiseError(QString("Invalid id of embedded item '%1', must be between 1 and %2.")
							  .arg(item.name()).arg(Database::MAX_ID));
		if (reader.hasError())
			throw BVX::Exception(BVX::FormatText("%2 (line %3, column %4)\nError reading XML tag #%1.").arg(count)
								 .arg(reader.errorString().toStdString()).arg(static_cast<long long>(reader.lineNumber()))
								 .arg(static_cast<long long>(reader.columnNumber())), "[readSubSection]");
		items.push_back(item);
	});
}

/*! Messages of one item kind. */
struct KindTexts {
	const char * m_heading;
	const char * m_imported;
	const char * m_added;
	const char * m_exists;
	/*! Message for a content match, only materials have one. */
	const char * m_sameParameters;
};

const KindTexts MATERIAL_TEXTS = {
	"Importing materials\n",
	"Importing material '%1' (id #%2) into material database.\n",
	"Adding material '%1' [origID #%2, newID #%3] to database.\n",
	"Imported material '%1'exists already in DB (with ID #%2].\n",
	"DB-Material (id #%1) has same parameters, reusing this material.\n"
};
const KindTexts CONSTRUCTION_TEXTS = {
	"Importing construction types\n",
	"Importing construction type '%1' (id #%2) into database.\n",
	"Adding construction type '%1' [origID #%2, newID #%3] to database.\n",
	"Imported construction type '%1'exists already in DB (with ID #%2].\n",
	nullptr
};
const KindTexts WINDOW_TEXTS = {
	"Importing window types\n",
	"Importing window type '%1' (id #%2) into database.\n",
	"Adding window type '%1' [origID #%2, newID #%3] to database.\n",
	"Imported window type '%1'exists already in DB (with ID #%2].\n",
	nullptr
};
const KindTexts SHADING_TEXTS = {
	"Importing shading types\n",
	"Importing shading type '%1' (id #%2) into database.\n",
	"Adding shading type '%1' [origID #%2, newID #%3] to database.\n",
	"Imported shading type '%1'exists already in DB (with ID #%2].\n",
	nullptr
};

/*! The item with the source's name in brackets after each of its names. */
template <typename T>
T namedCopy(const T & item, const QString & sourceName) {
	T copy = item;
	for (auto it = copy.m_names.begin(); it != copy.m_names.end(); ++it)
		it.value() = QString("%1 (%2)").arg(it.value(), sourceName);
	return copy;
}

/*! Merges the items of one kind into its table; returns the map of changed ids. */
template <typename T>
IdMap mergeItems(std::vector<T> & items, const std::map<unsigned int, T> & table,
				 Database & db, unsigned int (Database::*add)(T &, unsigned int), const KindTexts & texts,
				 const QString & sourceName, QStringList & copies)
{
	IdMap idMap;
	if (items.empty())
		return idMap;
	progress(BVX::FormatText(texts.m_heading));
	for (T & item : items) {
		BVX::ScopedMessageIndent indent;
		const unsigned int orig = item.m_id;
		const std::string name = item.name().toStdString();
		// a built-in id known here: the local item is used as it is
		if (orig < BUILTIN_ID_LIMIT && table.find(orig) != table.end())
			continue;

		// a copy added at an earlier merge of the same file is that file's item
		const T named = sourceName.isEmpty() ? item : namedCopy(item, sourceName);
		unsigned int newId = 0;
		bool matched = false;
		for (const auto & e : table) {
			if (e.second == item || (!sourceName.isEmpty() && e.second == named)) {
				newId = e.first;
				matched = true;
				break;
			}
		}
		if (matched) {
			if (texts.m_sameParameters != nullptr)
				progress(BVX::FormatText(texts.m_sameParameters).arg(newId));
			if (newId != orig)
				BVX::BVX_Message(BVX::FormatText(texts.m_exists).arg(name).arg(newId), BVX::MSG_WARNING, FUNC_ID, 1);
		}
		else {
			const bool idTaken = table.find(orig) != table.end();
			T copy = idTaken ? named : item;
			newId = (db.*add)(copy, orig);
			if (idTaken)
				copies.append(copy.name());
			if (newId == orig)
				progress(BVX::FormatText(texts.m_imported).arg(name).arg(orig));
			else
				progress(BVX::FormatText(texts.m_added).arg(name).arg(orig).arg(newId));
		}
		if (newId != 0 && newId != orig)
			idMap[orig] = newId;
	}
	return idMap;
}

/*! Replaces each surface's id at most once, by the pair of the id it had before. */
void remapSurfaceIds(std::vector<RoomConstruction> & constructions, unsigned int RoomConstruction::* member,
					 const IdMap & idMap)
{
	for (RoomConstruction & rc : constructions) {
		IdMap::const_iterator it = idMap.find(rc.*member);
		if (it != idMap.end())
			rc.*member = it->second;
	}
}

} // namespace


bool EmbeddedDatabase::empty() const {
	return m_materials.empty() && m_constructionTypes.empty() && m_windowTypes.empty() && m_shadingTypes.empty();
}


void EmbeddedDatabase::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	readChildElements(reader, [&](const QString & tag) {
		try {
			if (tag == "Materials")
				readSubSection(reader, m_materials);
			else if (tag == "ConstructionTypes")
				readSubSection(reader, m_constructionTypes);
			else if (tag == "WindowTypes")
				readSubSection(reader, m_windowTypes);
			else if (tag == "ShadingTypes")
				readSubSection(reader, m_shadingTypes);
			else {
				BVX::BVX_Message("Found unknown element in RoomModelProject tag: " + tag.toStdString(),
								 BVX::MSG_DEBUG, FUNC_ID, 1);
				skipElement(reader);
			}
		}
		catch (BVX::Exception & ex) {
			throw BVX::Exception(ex, BVX::FormatText("Error reading '%1' database section.").arg(tag.toStdString()),
								 FUNC_ID);
		}
	});
}


void EmbeddedDatabase::writeXML(QXmlStreamWriter & writer, const Database & db,
								const std::vector<RoomConstruction> & constructions)
{
	std::set<unsigned int> constructionIds, windowIds, shadingIds, materialIds;
	for (const RoomConstruction & rc : constructions) {
		// a surface without construction type is not written, nor are the types it names
		if (rc.m_constructionId == 0)
			continue;
		if (db.constructionType(rc.m_constructionId) != nullptr)
			constructionIds.insert(rc.m_constructionId);
		if (db.windowType(rc.m_windowId) != nullptr)
			windowIds.insert(rc.m_windowId);
		if (db.shadingType(rc.m_shadingTypeId) != nullptr)
			shadingIds.insert(rc.m_shadingTypeId);
	}
	for (unsigned int id : constructionIds)
		for (unsigned int matId : db.constructionType(id)->m_materialIds)
			if (db.material(matId) != nullptr)
				materialIds.insert(matId);

	writer.writeStartElement("EmbeddedDataBase");
	writer.writeStartElement("Materials");
	for (unsigned int id : materialIds)
		db.material(id)->writeXML(writer);
	writer.writeEndElement();
	writer.writeStartElement("ConstructionTypes");
	for (unsigned int id : constructionIds)
		db.constructionType(id)->writeXML(writer);
	writer.writeEndElement();
	writer.writeStartElement("WindowTypes");
	for (unsigned int id : windowIds)
		db.windowType(id)->writeXML(writer);
	writer.writeEndElement();
	writer.writeStartElement("ShadingTypes");
	for (unsigned int id : shadingIds)
		db.shadingType(id)->writeXML(writer);
	writer.writeEndElement();
	writer.writeEndElement();
}


QStringList EmbeddedDatabase::merge(Database & db, std::vector<RoomConstruction> & constructions,
								   const QString & sourceName)
{
	QStringList copies;
	mergeMaterials(db, sourceName, copies);
	mergeConstructionTypes(db, constructions, sourceName, copies);
	mergeWindowTypes(db, constructions, sourceName, copies);
	mergeShadingTypes(db, constructions, sourceName, copies);
	return copies;
}


void EmbeddedDatabase::mergeMaterials(Database & db, const QString & sourceName, QStringList & copies) {
	const IdMap idMap = mergeItems(m_materials, db.m_materials, db, &Database::addMaterial, MATERIAL_TEXTS,
								   sourceName, copies);
	// rewrite the layers before the construction types are compared, so that a construction
	// type whose materials were renumbered can match a local one that uses the new ids
	for (ConstructionType & ct : m_constructionTypes) {
		for (unsigned int & matId : ct.m_materialIds) {
			IdMap::const_iterator it = idMap.find(matId);
			if (it == idMap.end())
				continue;
			progress(BVX::FormatText("Replacing material (ID #%1 -> #%2) in construction type to be imported (ID #%3).\n")
					 .arg(matId).arg(it->second).arg(ct.m_id));
			matId = it->second;
		}
	}
}


void EmbeddedDatabase::mergeConstructionTypes(Database & db, std::vector<RoomConstruction> & constructions,
											 const QString & sourceName, QStringList & copies)
{
	const IdMap idMap = mergeItems(m_constructionTypes, db.m_constructions, db, &Database::addConstructionType,
								   CONSTRUCTION_TEXTS, sourceName, copies);
	for (RoomConstruction & rc : constructions) {
		IdMap::const_iterator it = idMap.find(rc.m_constructionId);
		if (it == idMap.end())
			continue;
		progress(BVX::FormatText("Replacing construction type (ID #%1 -> #%2) in room definition.\n")
				 .arg(rc.m_constructionId).arg(it->second));
		rc.m_constructionId = it->second;
	}
}


void EmbeddedDatabase::mergeWindowTypes(Database & db, std::vector<RoomConstruction> & constructions,
									   const QString & sourceName, QStringList & copies)
{
	const IdMap idMap = mergeItems(m_windowTypes, db.m_windows, db, &Database::addWindowType, WINDOW_TEXTS,
								   sourceName, copies);
	remapSurfaceIds(constructions, &RoomConstruction::m_windowId, idMap);
}


void EmbeddedDatabase::mergeShadingTypes(Database & db, std::vector<RoomConstruction> & constructions,
										const QString & sourceName, QStringList & copies)
{
	const IdMap idMap = mergeItems(m_shadingTypes, db.m_shadingTypes, db, &Database::addShadingType, SHADING_TEXTS,
								   sourceName, copies);
	remapSurfaceIds(constructions, &RoomConstruction::m_shadingTypeId, idMap);
}

} // namespace RM
