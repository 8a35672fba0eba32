// Embedded database section of a project: read it and merge it into the built-in database.
#include <map>
#include <vector>

#include <QByteArray>
#include <QXmlStreamReader>

#include <BVX_Exception.h>

#include <RM_Database.h>
#include <RM_EmbeddedDatabase.h>
#include <RM_RoomConstruction.h>

#include "FuzzBuiltinDatabase.h"
#include "FuzzSupport.h"

namespace {

/*! Every stored id lies in 1..MAX_ID, so a reloaded user database never plants a counter that wraps. */
template <typename T>
void requireIdsInRange(const std::map<unsigned int, T> & table) {
	for (const auto & e : table)
		FuzzSupport::require(e.first != 0 && e.first <= RM::Database::MAX_ID && e.first == e.second.m_id,
							 "item ids within 1..MAX_ID");
}

} // namespace


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	RM::Database db = FuzzSupport::builtinDatabase();
	QXmlStreamReader reader(QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)));
	while (!reader.atEnd() && !reader.isStartElement())
		reader.readNext();
	if (!reader.isStartElement())
		return 0;
	RM::EmbeddedDatabase embedded;
	std::vector<RM::RoomConstruction> surfaces(1);
	surfaces[0].m_constructionId = 10001;
	surfaces[0].m_windowId = 10001;
	surfaces[0].m_shadingTypeId = 10001;
	try {
		embedded.readXML(reader);
		if (reader.hasError())
			return 0;
		embedded.merge(db, surfaces);
	}
	catch (BVX::Exception &) {
		return 0;
	}
	FuzzSupport::require(surfaces[0].m_constructionId != 0, "construction id is not 0");
	requireIdsInRange(db.m_materials);
	requireIdsInRange(db.m_constructions);
	requireIdsInRange(db.m_windows);
	requireIdsInRange(db.m_shadingTypes);
	return 0;
}
