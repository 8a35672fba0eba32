#include <gtest/gtest.h>

#include <BVX_MessageHandler.h>

#include <RM_Database.h>
#include <RM_RoomConstruction.h>

#include "RM_RoundTrip.h"
#include "RM_TestSupport.h"

namespace {

/*! A database with one valid and one broken item of every kind (ids 1 valid, 2 broken). */
RM::Database smallDatabase() {
	RM::Database db;
	RM::Material mat;
	mat.setEncodedName("en:Brick");
	db.addMaterial(mat, 1);
	RM::ConstructionType ok;
	ok.m_d = { 0.2 };
	ok.m_materialIds = { 1 };
	db.addConstructionType(ok, 1);
	RM::ConstructionType broken;
	broken.m_d = { 0.2 };
	broken.m_materialIds = { 99 };
	db.addConstructionType(broken, 2);
	RM::WindowType w;
	db.addWindowType(w, 1);
	w.m_U = -1;
	db.addWindowType(w, 2);
	RM::ShadingType shade("en:Blind", 0.5);
	db.addShadingType(shade, 1);
	RM::ShadingType badShade("en:Bad", 1.5);
	db.addShadingType(badShade, 2);
	return db;
}

} // namespace


TEST(RoomConstruction, defaultSurfaceXml) {
	RM::RoomConstruction rc;
	const QString xml = RMTest::xmlOf(rc);
	for (const char * part : { "<zoneT>12</zoneT>", "<zoneRH>50</zoneRH>", "<AW>10</AW>", "<AF>0</AF>",
							   "<type>Outside</type>", "<orientation>270</orientation>", "<R_ui>0.13</R_ui>" })
		EXPECT_TRUE(xml.contains(part)) << part << "\n" << xml.toStdString();
	EXPECT_FALSE(xml.contains("zoneTCCD"));
}


TEST(RoomConstruction, readingConversionsAndRoundTrip) {
	RM::RoomConstruction rc;
	rc.m_constructionId = 12;
	rc.m_windowId = 3;
	rc.m_shadingTypeId = 4;
	rc.m_type = RM::RoomConstruction::FixedTemperature;
	rc.m_orientation = 135;
	rc.m_inclination = 30;
	rc.m_zoneT = 268.15;
	rc.m_zoneRH = 0.65;
	rc.m_zoneTCCD = BVX::Path("zones/neighbour.ccd");
	rc.m_AW = 12.5;
	rc.m_AF = 3;
	rc.m_ad = 0.4;
	const QString xml = RMTest::xmlOf(rc);
	EXPECT_TRUE(xml.contains("<zoneT>-5</zoneT>")) << xml.toStdString();
	RM::RoomConstruction r = RMTest::roundTrip(rc);
	EXPECT_EQ(r.m_constructionId, 12u);
	EXPECT_EQ(r.m_windowId, 3u);
	EXPECT_EQ(r.m_shadingTypeId, 4u);
	EXPECT_EQ(r.m_type, int(RM::RoomConstruction::FixedTemperature));
	EXPECT_EQ(r.m_orientation, 135);
	EXPECT_EQ(r.m_inclination, 30);
	EXPECT_NEAR(r.m_zoneT, 268.15, 1e-9);
	EXPECT_NEAR(r.m_zoneRH, 0.65, 1e-12);
	EXPECT_EQ(r.m_zoneTCCD.str(), "zones/neighbour.ccd");
	EXPECT_EQ(r.m_AW, 12.5);
	EXPECT_EQ(r.m_AF, 3);
	EXPECT_EQ(r.m_ad, 0.4);

	RMTest::MessageCapture capture;
	RM::RoomConstruction t;
	RMTest::readInto(t, "<RoomConstruction><type>inside</type><Paint>red</Paint></RoomConstruction>");
	EXPECT_EQ(t.m_type, int(RM::RoomConstruction::Outside));
	EXPECT_EQ(t.m_orientation, 270);	// missing element: value kept
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in RoomConstruction tag: 'Paint'."), 1u);
}


TEST(RoomConstruction, checkValidityReportsFirstProblemOnly) {
	const RM::Database db = smallDatabase();
	struct Case {
		unsigned int c, w, s; double AW, AF; bool ok; const char * message;
	} cases[] = {
		{ 1, 1, 1, 10, 2, true, "" },
		{ 7, 0, 0, 10, -1, false, "Missing or invalid construction type Id." },
		{ 2, 0, 0, 10, 0, false, "Error in construction type definition." },
		{ 1, 9, 0, 10, 0, false, "Unknown or undefined window type." },
		{ 1, 2, 0, 10, 0, false, "Error in definition of the window" },
		{ 1, 0, 3, 10, 0, false, "Unknown or undefined shading type." },	// tested also without window
		{ 1, 0, 2, 10, 0, false, "Error in definition of the shading type" },
		{ 1, 0, 0, -1, -1, false, "The total wall area cannot be negative." },
		{ 1, 0, 0, 10, -1, false, "The window area cannot be negative." }
	};
	for (const Case & c : cases) {
		RM::RoomConstruction rc;
		rc.m_constructionId = c.c;
		rc.m_windowId = c.w;
		rc.m_shadingTypeId = c.s;
		rc.m_AW = c.AW;
		rc.m_AF = c.AF;
		QString msg;
		EXPECT_EQ(rc.checkValidity(db, msg), c.ok) << c.message;
		if (c.ok)
			EXPECT_TRUE(msg.isEmpty());
		else
			EXPECT_TRUE(msg.startsWith(c.message)) << c.message << " / " << msg.toStdString();
	}
}
