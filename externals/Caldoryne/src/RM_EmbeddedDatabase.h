#ifndef RM_EmbeddedDatabaseH
#define RM_EmbeddedDatabaseH

#include <vector>

#include <QStringList>

#include "RM_ConstructionType.h"
#include "RM_Material.h"
#include "RM_ShadingType.h"
#include "RM_WindowType.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

class Database;
class RoomConstruction;

/*! The database items carried inside a project file ("EmbeddedDataBase"), so that a
	project opened on another machine brings its materials and types along.

	After reading, merge() makes every id of the room name an item of the local database
	with the same content: items are recognised (built-in id present, or equal content)
	or added, possibly under new ids, and the references are rewritten.
*/
class EmbeddedDatabase {
public:
	/*! Reads the "EmbeddedDataBase" element at the reader's start element.
		Throws BVX::Exception when one of the four lists cannot be read. */
	void readXML(QXmlStreamReader & reader);

	/*! Writes the "EmbeddedDataBase" element with every item that the surfaces with a
		construction type use (construction, window and shading types and the materials of
		the construction types); the file leaves the other surfaces out. */
	static void writeXML(QXmlStreamWriter & writer, const Database & db,
						 const std::vector<RoomConstruction> & constructions);

	/*! Merges the imported items into db (materials, construction types, window types,
		shading types, in this order) and remaps the ids in the imported construction
		types and in the surfaces. Never removes or changes an existing database item.
		An item whose id holds another item here is added as a copy under a new id; with a
		source name (the project file's), the copy's names get it in brackets, so that the
		lists tell the copy from the item, and a copy so named counts as equal content at
		the next merge. Returns the names of the copies. */
	QStringList merge(Database & db, std::vector<RoomConstruction> & constructions,
					  const QString & sourceName = QString());

	bool empty() const;

	std::vector<Material>			m_materials;
	std::vector<ConstructionType>	m_constructionTypes;
	std::vector<WindowType>			m_windowTypes;
	std::vector<ShadingType>		m_shadingTypes;

private:
	void mergeMaterials(Database & db, const QString & sourceName, QStringList & copies);
	void mergeConstructionTypes(Database & db, std::vector<RoomConstruction> & constructions,
								const QString & sourceName, QStringList & copies);
	void mergeWindowTypes(Database & db, std::vector<RoomConstruction> & constructions,
						  const QString & sourceName, QStringList & copies);
	void mergeShadingTypes(Database & db, std::vector<RoomConstruction> & constructions,
						   const QString & sourceName, QStringList & copies);
};

} // namespace RM

#endif // RM_EmbeddedDatabaseH
