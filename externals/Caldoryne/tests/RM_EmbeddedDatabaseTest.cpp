#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include <BVX_Exception.h>

#include <BVX_MessageHandler.h>

#include <RM_Database.h>
#include <RM_EmbeddedDatabase.h>
#include <RM_RoomConstruction.h>
#include <RM_XMLHelpers.h>

#include "RM_TestSupport.h"

namespace {

RM::Material material(const char * name, double lambda) {
	RM::Material m;
	m.setEncodedName(name);
	m.m_lambda = lambda;
	return m;
}

RM::ConstructionType construction(const char * name, std::vector<unsigned int> materials) {
	RM::ConstructionType c;
	c.setEncodedName(name);
	c.m_materialIds = materials;
	c.m_d.assign(materials.size(), 0.1);
	return c;
}

RM::WindowType window(const char * name, double U) {
	RM::WindowType w;
	w.setEncodedName(name);
	w.m_U = U;
	return w;
}

template <typename T>
T withId(T item, unsigned int id) {
	item.m_id = id;
	return item;
}

RM::RoomConstruction surface(unsigned int constructionId, unsigned int windowId = 0, unsigned int shadingId = 0) {
	RM::RoomConstruction rc;
	rc.m_constructionId = constructionId;
	rc.m_windowId = windowId;
	rc.m_shadingTypeId = shadingId;
	return rc;
}

/*! Built-in materials 1, 2, construction type 1, window 1, shading 1; user material 10001 "Clay"
	and user construction type 10001 made of it. */
RM::Database localDatabase() {
	RM::Database db;
	RM::Material m1 = material("en:Concrete", 2.0), m2 = material("en:Plaster", 0.7), clay = material("en:Clay", 0.9);
	db.addMaterial(m1, 1);
	db.addMaterial(m2, 2);
	db.addMaterial(clay, 10001);
	RM::ConstructionType c1 = construction("en:Wall", { 1, 2 }), c2 = construction("en:Clay wall", { 10001 });
	db.addConstructionType(c1, 1);
	db.addConstructionType(c2, 10001);
	RM::WindowType w = window("en:Double", 1.3);
	db.addWindowType(w, 1);
	RM::ShadingType s("en:Blind", 0.3);
	db.addShadingType(s, 1);
	for (unsigned int id : { 1u, 2u })
		db.m_materials[id].m_builtin = true;
	db.m_constructions[1].m_builtin = true;
	db.m_windows[1].m_builtin = true;
	db.m_shadingTypes[1].m_builtin = true;
	db.setModified(false);
	return db;
}

} // namespace


TEST(EmbeddedDatabase, sameMachineChangesNothing) {
	RM::Database db = localDatabase();
	RM::EmbeddedDatabase e;
	e.m_materials = { db.m_materials[1], db.m_materials[2], db.m_materials[10001] };
	e.m_constructionTypes = { db.m_constructions[1], db.m_constructions[10001] };
	e.m_windowTypes = { db.m_windows[1] };
	e.m_shadingTypes = { db.m_shadingTypes[1] };
	// a built-in item that differs locally is still taken as the local one
	e.m_materials[0].m_lambda = 99;
	std::vector<RM::RoomConstruction> surfaces = { surface(1, 1, 1), surface(10001) };

	RMTest::MessageCapture capture;
	e.merge(db, surfaces);
	EXPECT_FALSE(db.isModified());
	EXPECT_EQ(db.m_materials.size(), 3u);
	EXPECT_EQ(db.m_materials[1].m_lambda, 2.0);
	EXPECT_EQ(db.m_constructions.size(), 2u);
	EXPECT_EQ(surfaces[1].m_constructionId, 10001u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, ""), 0u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Importing materials\n"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Adding"), 0u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Replacing"), 0u);
}


TEST(EmbeddedDatabase, takenMaterialIdIsRenumberedInConstructionTypes) {
	RM::Database db = localDatabase();
	RM::EmbeddedDatabase e;
	e.m_materials = { withId(material("en:Foam", 0.04), 10001) };
	e.m_constructionTypes = { withId(construction("en:Insulated wall", { 1, 10001 }), 10007) };
	std::vector<RM::RoomConstruction> surfaces = { surface(10007) };

	RMTest::MessageCapture capture;
	e.merge(db, surfaces);
	ASSERT_NE(db.material(10002), nullptr);
	EXPECT_EQ(db.material(10002)->name(), QString("Foam"));
	EXPECT_EQ(db.material(10001)->name(), QString("Clay"));		// existing item untouched
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Adding material 'Foam' [origID #10001, newID #10002] to database.\n"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS,
		"Replacing material (ID #10001 -> #10002) in construction type to be imported (ID #10007).\n"), 1u);
	// the construction type keeps its free id and now refers to the new material id
	ASSERT_NE(db.constructionType(10007), nullptr);
	EXPECT_EQ(db.constructionType(10007)->m_materialIds, (std::vector<unsigned int>{ 1, 10002 }));
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Importing construction type 'Insulated wall' (id #10007) into database.\n"), 1u);
	EXPECT_EQ(surfaces[0].m_constructionId, 10007u);
	EXPECT_TRUE(db.isModified());
	EXPECT_FALSE(db.material(10002)->m_builtin);
}


TEST(EmbeddedDatabase, equalContentIsReusedAndConstructionTypeMatchesAfterRemap) {
	RM::Database db = localDatabase();
	RM::EmbeddedDatabase e;
	// the same clay under another id, and the same clay wall referring to it
	e.m_materials = { withId(material("en:Clay", 0.9), 10005) };
	e.m_constructionTypes = { withId(construction("en:Clay wall", { 10005 }), 10020) };
	std::vector<RM::RoomConstruction> surfaces = { surface(10020), surface(1), surface(10020) };

	RMTest::MessageCapture capture;
	e.merge(db, surfaces);
	EXPECT_FALSE(db.isModified());
	EXPECT_EQ(db.m_materials.size(), 3u);
	EXPECT_EQ(db.m_constructions.size(), 2u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "DB-Material (id #10001) has same parameters, reusing this material.\n"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Imported material 'Clay'exists already in DB (with ID #10001].\n"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING,
		"Imported construction type 'Clay wall'exists already in DB (with ID #10001].\n"), 1u);
	// one message per remapped surface
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Replacing construction type (ID #10020 -> #10001) in room definition.\n"), 2u);
	EXPECT_EQ(surfaces[0].m_constructionId, 10001u);
	EXPECT_EQ(surfaces[1].m_constructionId, 1u);
	EXPECT_EQ(surfaces[2].m_constructionId, 10001u);
}


TEST(EmbeddedDatabase, unknownBuiltinIdIsAddedUnderItsOwnId) {
	RM::Database db = localDatabase();
	RM::EmbeddedDatabase e;
	e.m_materials = { withId(material("en:Timber", 0.13), 50) };
	std::vector<RM::RoomConstruction> surfaces;
	RMTest::MessageCapture capture;
	e.merge(db, surfaces);
	ASSERT_NE(db.material(50), nullptr);
	EXPECT_EQ(db.material(50)->name(), QString("Timber"));
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Importing material 'Timber' (id #50) into material database.\n"), 1u);
}


TEST(EmbeddedDatabase, windowIdsAreRemappedOncePerSurface) {
	RM::Database db = localDatabase();
	RM::WindowType local = window("en:Local", 2.0);
	db.addWindowType(local, 10001);
	RM::EmbeddedDatabase e;
	e.m_windowTypes = { withId(window("en:Triple", 0.8), 10001), withId(window("en:Quad", 0.5), 10002) };
	e.m_shadingTypes = { withId(RM::ShadingType("en:Awning", 0.5), 10001) };
	std::vector<RM::RoomConstruction> surfaces = { surface(1, 10001, 10001), surface(1, 10002), surface(1, 1) };

	RMTest::MessageCapture capture;
	e.merge(db, surfaces);
	EXPECT_EQ(db.windowType(10002)->name(), QString("Triple"));
	EXPECT_EQ(db.windowType(10003)->name(), QString("Quad"));
	EXPECT_EQ(surfaces[0].m_windowId, 10002u);	// not carried on to 10003
	EXPECT_EQ(surfaces[1].m_windowId, 10003u);
	EXPECT_EQ(surfaces[2].m_windowId, 1u);
	EXPECT_EQ(surfaces[0].m_shadingTypeId, 10001u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Adding window type 'Triple' [origID #10001, newID #10002] to database.\n"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Importing shading type 'Awning' (id #10001) into database.\n"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Importing window types\n"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Importing materials\n"), 0u);	// empty kinds are silent
}


// Files keep six significant digits: the stored copy of a user item must still match the item
// in memory, or every save and reload on the same machine would add another copy.
TEST(EmbeddedDatabase, storedCopyWithRoundedValuesIsReused) {
	RM::Database db = localDatabase();
	db.m_materials[10001].m_lambda = 0.0351234567;
	db.m_constructions[10001].m_d = { 0.123456789 };
	db.m_windows[1].m_builtin = false;
	RM::EmbeddedDatabase e;
	RM::Material stored = db.m_materials[10001];
	stored.m_lambda = 0.0351235;
	RM::ConstructionType storedType = db.m_constructions[10001];
	storedType.m_d = { 0.123457 };
	e.m_materials = { stored };
	e.m_constructionTypes = { storedType };
	std::vector<RM::RoomConstruction> surfaces = { surface(10001) };

	RMTest::MessageCapture capture;
	e.merge(db, surfaces);
	EXPECT_EQ(db.m_materials.size(), 3u);
	EXPECT_EQ(db.m_constructions.size(), 2u);
	EXPECT_EQ(surfaces[0].m_constructionId, 10001u);
	EXPECT_FALSE(db.isModified());

	// a real difference in the sixth digit is still a different item
	EXPECT_FALSE(RM::sameAsStored(0.0351234, 0.0351235));
	EXPECT_TRUE(RM::sameAsStored(0.0351234567, 0.0351235));
}


TEST(EmbeddedDatabase, idsOutsideTheIdRangeAreReadErrors) {
	// an id of 4294967295 would have planted the user id counter at its wrap-around
	const char * const OUTSIDE = "Invalid id of embedded item 'Wall', must be between 1 and 2147483647.";
	const char * const NO_ID = "Invalid value for attribute 'id'.";
	struct Case { const char * m_id; bool m_accepted; const char * m_message; } cases[] = {
		{ "4294967295", false, OUTSIDE }, { "2147483648", false, OUTSIDE }, { "0", false, OUTSIDE },
		// no id of the unsigned range: refused as it is read
		{ "4294967296", false, NO_ID }, { "", false, NO_ID }, { "7x", false, NO_ID },
		{ "2147483647", true, "" }, { "10001", true, "" }, { "7", true, "" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_id);
		QXmlStreamReader reader;
		RMTest::startReader(reader, QString("<EmbeddedDataBase><ConstructionTypes>"
											"<ConstructionType id=\"%1\" name=\"en:Wall\"/>"
											"</ConstructionTypes></EmbeddedDataBase>").arg(c.m_id));
		RM::EmbeddedDatabase e;
		if (c.m_accepted) {
			EXPECT_NO_THROW(e.readXML(reader));
			EXPECT_EQ(e.m_constructionTypes.size(), 1u);
			continue;
		}
		try {
			e.readXML(reader);
			ADD_FAILURE() << "accepted";
		}
		catch (BVX::Exception & ex) {
			EXPECT_NE(ex.msgStack().find(c.m_message), std::string::npos) << ex.msgStack();
		}
	}
}
