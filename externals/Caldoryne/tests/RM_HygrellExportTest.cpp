// Export of materials and construction types to Hygrell files and of a room to a zone-model project.
#include <functional>
#include <set>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <BVX_Exception.h>

#include <RM_ClimateLocationData.h>
#include <RM_Database.h>
#include <RM_HygrellExport.h>
#include <RM_Room.h>

#include "RM_TestSupport.h"
#include "RM_XmlTree.h"

namespace {

void writeFile(const QString & fileName, const QByteArray & content) {
	QDir().mkpath(QFileInfo(fileName).absolutePath());
	QFile f(fileName);
	ASSERT_TRUE(f.open(QIODevice::WriteOnly));
	f.write(content);
}

std::string exceptionText(const std::function<void()> & f) {
	try {
		f();
	}
	catch (BVX::Exception & ex) {
		return ex.what();
	}
	return "no exception";
}

/*! The whole message stack of the exception f throws. */
std::string exceptionStack(const std::function<void()> & f) {
	try {
		f();
	}
	catch (BVX::Exception & ex) {
		return ex.msgStack();
	}
	return "no exception";
}

class HygrellExportTest : public ::testing::Test {
protected:
	void SetUp() override {
		RMTest::setLanguage("en");
		m_builtin = m_tmp.path() + "/builtin";
		m_user = m_tmp.path() + "/user";
		m_out = m_tmp.path() + "/out";
		for (const QString & dir : { m_builtin, m_user, m_out + "/constructions", m_out + "/materials", m_out + "/climate" })
			QDir().mkpath(dir);
		m_db.setDirectories(m_builtin, m_user);
	}
	void TearDown() override {
		RMTest::setLanguage("en");
	}

	void addMaterial(unsigned int id, const QString & encodedName, double rho = 1800, double cT = 850, double lambda = 0.81) {
		RM::Material m;
		m.setEncodedName(encodedName);
		m.m_rho = rho;
		m.m_cT = cT;
		m.m_lambda = lambda;
		ASSERT_EQ(m_db.addMaterial(m, id), id);
	}
	void addConstruction(unsigned int id, const QString & encodedName, const std::vector<std::pair<double, unsigned int> > & layers) {
		RM::ConstructionType ct;
		ct.setEncodedName(encodedName);
		for (const std::pair<double, unsigned int> & l : layers) {
			ct.m_d.push_back(l.first);
			ct.m_materialIds.push_back(l.second);
		}
		ASSERT_EQ(m_db.addConstructionType(ct, id), id);
	}

	BVX::Path outPath(const QString & sub = QString()) const {
		return BVX::Path((sub.isEmpty() ? m_out : m_out + "/" + sub).toStdString());
	}
	QStringList filesIn(const QString & sub) const {
		return QDir(m_out + "/" + sub).entryList(QDir::Files | QDir::Hidden, QDir::Name);
	}
	RMTest::XmlNode readTree(const BVX::Path & file) const {
		RMTest::XmlNode root;
		QString error;
		EXPECT_TRUE(RMTest::readXmlTree(QString::fromStdString(file.str()), root, error)) << error.toStdString();
		return root;
	}

	QTemporaryDir	m_tmp;
	QString			m_builtin;
	QString			m_user;
	QString			m_out;
	RM::Database	m_db;
	RM::HygrellExport	m_export{ &m_db };
};


TEST_F(HygrellExportTest, MaterialFileText) {
	addMaterial(10023, "en:Brick|de:Ziegel");
	const BVX::Path file = m_export.exportMaterial(10023, outPath());
	EXPECT_EQ(file, outPath() / "Brick_10023.m6");
	EXPECT_EQ(RMTest::fileText(QString::fromStdString(file.str())).toStdString(),
			  "H6MARLZ! 006.000\n"
			  "\n"
			  "[IDENTIFICATION]\n"
			  "  NAME                     = de:Ziegel|en:Brick\n"
			  "  FLAGS                    = AIR_TIGHT VAPOR_TIGHT WATER_TIGHT\n"
			  "\n"
			  "[STORAGE_BASE_PARAMETERS]\n"
			  "  RHO                      = 1800 kg/m3\n"
			  "  CE                       = 850 J/kgK\n"
			  "\n"
			  "\n"
			  "[TRANSPORT_BASE_PARAMETERS]\n"
			  "  LAMBDA                   = 0.81 W/mK\n");
}


TEST_F(HygrellExportTest, MaterialNumbersInStreamNotation) {
	const struct { double lambda; const char * text; } CASES[] = {
		{ 0.0000123, "1.23e-05" }, { 0.04, "0.04" }, { 1234567, "1.23457e+06" }, { 2.0/3, "0.666667" }
	};
	for (const auto & c : CASES) {
		const std::string text = RM::HygrellExport::materialFileText("x", 1, 1, c.lambda);
		EXPECT_NE(text.find(std::string("= ") + c.text + " W/mK\n"), std::string::npos) << c.text;
	}
}


TEST_F(HygrellExportTest, FileNameFallbacksAndUnsafeCharacters) {
	const struct { unsigned int id; QMap<QString, QString> names; const char * material; const char * construction; } CASES[] = {
		{ 10023, { { "en", "Brick" }, { "de", "Ziegel" } }, "Brick_10023.m6", "Brick_10023.h6p" },
		{ 10024, { { "en", "" }, { "de", "Ziegel" } }, "Ziegel_10024.m6", "Ziegel_10024.h6p" },
		{ 10025, { { "fr", "Brique" } }, "material_10025.m6", "construction_10025.h6p" },
		{ 10026, { { "en", "Wall 1/2" } }, "Wall 1_2_10026.m6", "Wall 1_2_10026.h6p" },
		{ 10027, { { "en", "../..\\x:y*z?\"<a>|\tb" } }, ".._.._x_y_z___a___b_10027.m6", ".._.._x_y_z___a___b_10027.h6p" },
	};
	for (const auto & c : CASES) {
		RM::Material m;
		m.m_names = c.names;
		m_db.addMaterial(m, c.id);
		RM::ConstructionType ct;
		ct.m_names = c.names;
		m_db.addConstructionType(ct, c.id);
		EXPECT_EQ(m_export.materialFileName(c.id), c.material);
		EXPECT_EQ(m_export.constructionFileName(c.id), c.construction);
	}
	// the file lands in the target directory; the name inside stays unchanged
	const BVX::Path file = m_export.exportMaterial(10027, outPath());
	EXPECT_EQ(filesIn(QString()), QStringList{ ".._.._x_y_z___a___b_10027.m6" });
	EXPECT_TRUE(RMTest::fileText(QString::fromStdString(file.str())).contains("NAME                     = ../..\\x:y*z?\"<a>|\tb\n"));
}


TEST_F(HygrellExportTest, ConstructionProject) {
	addMaterial(10001, "en:Plaster|de:Putz");
	addMaterial(10002, "en:Brick|de:Ziegel");
	addConstruction(10005, "en:Brick wall|de:Ziegelwand", { { 0.015, 10001 }, { 0.24, 10002 }, { 0.01, 10001 } });
	RMTest::setLanguage("de");

	const BVX::Path file = m_export.exportConstruction(10005, outPath(), BVX::Path(), BVX::Path("/data/materials"));
	EXPECT_EQ(file, outPath() / "Brick wall_10005.h6p");
	EXPECT_TRUE(filesIn("materials").isEmpty());
	const RMTest::XmlNode root = readTree(file);
	EXPECT_EQ(root.child("ProjectInfo").child("Comment").m_text, "Generated from Caldoryne.");
	EXPECT_EQ(root.child("ProjectInfo").child("DisplayName").m_text, "de:Ziegelwand|en:Brick wall");
	const std::vector<const RMTest::XmlNode *> placeholders = root.child("DirectoryPlaceholders").children("Placeholder");
	ASSERT_EQ(placeholders.size(), 1u);
	EXPECT_EQ(placeholders[0]->attribute("name"), "materials");
	EXPECT_EQ(placeholders[0]->m_text, "/data/materials");

	// reference names in the current language, files by the English name
	const std::vector<const RMTest::XmlNode *> refs = root.child("Materials").children("MaterialReference");
	ASSERT_EQ(refs.size(), 2u);
	EXPECT_EQ(refs[0]->attribute("name"), "Putz");
	EXPECT_EQ(refs[0]->m_text, "${Materials}/Plaster_10001.m6");
	EXPECT_EQ(refs[1]->attribute("name"), "Ziegel");
	EXPECT_EQ(refs[1]->m_text, "${Materials}/Brick_10002.m6");
	EXPECT_EQ(root.child("Discretization").child("XSteps").m_text, "0.015 0.24 0.01");
	std::vector<const RMTest::XmlNode *> references;
	root.child("Assignments").collect("Reference", references);
	ASSERT_EQ(references.size(), 3u);
	EXPECT_EQ(references[0]->m_text, "Putz");
	EXPECT_EQ(references[1]->m_text, "Ziegel");
	EXPECT_EQ(references[2]->m_text, "Putz");

	// given file name, no materials directory: no placeholder
	const BVX::Path named = m_export.exportConstruction(10005, outPath(), BVX::Path("wall.h6p"), BVX::Path());
	EXPECT_EQ(named, outPath() / "wall.h6p");
	EXPECT_TRUE(readTree(named).children("DirectoryPlaceholders").empty());
}


TEST_F(HygrellExportTest, SameDisplayNameOfTwoMaterialsStaysApart) {
	addMaterial(10001, "en:Brick", 1800);
	addMaterial(10002, "en:Brick", 1200);
	addMaterial(10003, "en:Plaster");
	addConstruction(10005, "en:Wall", { { 0.01, 10003 }, { 0.1, 10001 }, { 0.2, 10002 } });
	const RMTest::XmlNode root = readTree(m_export.exportConstruction(10005, outPath(), BVX::Path(), BVX::Path()));
	const std::vector<const RMTest::XmlNode *> refs = root.child("Materials").children("MaterialReference");
	ASSERT_EQ(refs.size(), 3u);
	EXPECT_EQ(refs[0]->attribute("name"), "Brick [10001]");
	EXPECT_EQ(refs[0]->m_text, "${Materials}/Brick_10001.m6");
	EXPECT_EQ(refs[1]->attribute("name"), "Brick [10002]");
	EXPECT_EQ(refs[1]->m_text, "${Materials}/Brick_10002.m6");
	EXPECT_EQ(refs[2]->attribute("name"), "Plaster");
	std::vector<const RMTest::XmlNode *> references;
	root.child("Assignments").collect("Reference", references);
	ASSERT_EQ(references.size(), 3u);
	EXPECT_EQ(references[1]->m_text, "Brick [10001]");
	EXPECT_EQ(references[2]->m_text, "Brick [10002]");
}


TEST_F(HygrellExportTest, UnknownEntriesAbortBeforeWriting) {
	addMaterial(10001, "en:Brick");
	addConstruction(10005, "en:Wall", { { 0.1, 10001 }, { 0.2, 10099 } });
	EXPECT_EQ(exceptionText([&] { m_export.exportConstruction(10005, outPath(), BVX::Path(), BVX::Path()); }),
			  "Unknown/invalid material id.");
	EXPECT_EQ(exceptionText([&] { m_export.exportConstruction(10077, outPath(), BVX::Path(), BVX::Path()); }),
			  "Unknown/invalid construction type id.");
	EXPECT_EQ(exceptionText([&] { m_export.exportMaterial(10099, outPath()); }), "Unknown/invalid material id.");
	EXPECT_EQ(exceptionText([&] { m_export.materialFileName(10099); }), "Unknown/invalid material id.");
	EXPECT_EQ(exceptionText([&] { m_export.constructionFileName(10077); }), "Unknown/invalid construction type id.");
	EXPECT_TRUE(filesIn(QString()).isEmpty());
}


TEST_F(HygrellExportTest, WriteFailuresThrow) {
	addMaterial(10001, "en:Brick");
	addConstruction(10005, "en:Wall", { { 0.1, 10001 } });
	const BVX::Path missing = outPath("missing");
	EXPECT_EQ(exceptionText([&] { m_export.exportMaterial(10001, missing); }),
			  "Cannot write file '" + (missing / "Brick_10001.m6").str() + "'.");
	EXPECT_EQ(exceptionText([&] { m_export.exportConstruction(10005, missing, BVX::Path(), BVX::Path()); }),
			  "Cannot write file '" + (missing / "Wall_10005.h6p").str() + "'.");
}


/*! A room with mixed surfaces and its climate file in both climate directories. */
class ZoneExportTest : public HygrellExportTest {
protected:
	void SetUp() override {
		HygrellExportTest::SetUp();
		addMaterial(10001, "en:Concrete", 2400, 1000, 2.1);
		addMaterial(10002, "en:Insulation", 30, 1500, 0.04);
		addMaterial(10003, "en:Plaster", 1200, 1000, 0.5);
		addMaterial(10004, "en:Unused");
		addConstruction(10020, "en:Outside wall & <insulated>", { { 0.2, 10001 }, { 0.1, 10002 } });
		addConstruction(10010, "en:Inside wall", { { 0.1, 10003 }, { 0.01, 10001 } });

		RM::WindowType plain;
		plain.m_f = 0.7;
		plain.m_U = 1.1;
		plain.m_g = 0.5;
		m_db.addWindowType(plain, 10030);
		RM::WindowType angular;
		angular.m_relativeSHGC.setValues({ 0, 60, 90 }, { 1, 0.95, 0 });
		m_db.addWindowType(angular, 10031);
		RM::ShadingType blind("en:Blind", 0.3);
		m_db.addShadingType(blind, 10040);

		m_room.m_constructions.clear();
		m_room.m_area = 20;
		m_room.m_height = 2.5;
		m_room.m_albedo = 0.2;
		m_room.m_gammaRad = 0.4;
		m_room.m_climateDataPath = "Test/Site & <Town>.c6b";
		writeFile(m_builtin + "/DB_climate/" + m_room.m_climateDataPath, "built-in");
		m_location.m_latitude = 52.5;
		m_location.m_longitude = 13.4;
	}

	RM::RoomConstruction surface(int kind, unsigned int constructionId) {
		RM::RoomConstruction rc;
		rc.m_type = kind;
		rc.m_constructionId = constructionId;
		return rc;
	}

	void addMixedSurfaces() {
		RM::RoomConstruction south = surface(RM::RoomConstruction::Outside, 10020);
		south.m_orientation = 180;
		south.m_AW = 8;
		south.m_AF = 2;
		south.m_ad = 0.6;
		south.m_windowId = 10030;
		south.m_shadingTypeId = 10040;
		m_room.m_constructions.push_back(south);
		m_room.m_constructions.push_back(surface(RM::RoomConstruction::Outside, 0));
		m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 10010));
		RM::RoomConstruction fixed = surface(RM::RoomConstruction::FixedTemperature, 10020);
		fixed.m_zoneT = 291.15;
		fixed.m_R_ue = 0.13;
		m_room.m_constructions.push_back(fixed);
		RM::RoomConstruction roof = surface(RM::RoomConstruction::Outside, 10020);
		roof.m_inclination = 0;
		roof.m_AF = 1;
		roof.m_windowId = 10031;
		roof.m_shadingTypeId = 10099;
		m_room.m_constructions.push_back(roof);
	}

	/*! Exports and reads the project back. */
	RMTest::XmlNode exported() {
		m_export.exportZonavexModel(m_room, outPath(), BVX::Path("room.xml"), &m_location);
		return readTree(outPath() / "room.xml");
	}

	static QString objectListIds(const RMTest::XmlNode & root, const QString & name) {
		for (const RMTest::XmlNode * list : root.child("ObjectLists").children("ObjectList"))
			if (list->attribute("name") == name)
				return list->child("FilterID").m_text;
		return "missing";
	}

	RM::Room					m_room;
	RM::ClimateLocationData		m_location;
};


TEST_F(ZoneExportTest, MixedSurfaces) {
	addMixedSurfaces();
	const RMTest::XmlNode root = exported();

	EXPECT_EQ(root.m_name, "ZonavexProject");
	EXPECT_EQ(root.attribute("fileVersion"), "1.0");
	EXPECT_EQ(root.child("ProjectInfo").child("Comment").m_text, "Generated by Caldoryne (built-in Zonavex-Project-Generator)");
	EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d{2}-\\d{2}$").match(root.child("ProjectInfo").attribute("created")).hasMatch());
	EXPECT_EQ(root.child("SimulationParameter").parameter("RadiationLoadFraction"), "0.4");
	const RMTest::XmlNode & location = root.child("Location");
	EXPECT_EQ(location.parameter("Latitude"), "52.5");
	EXPECT_EQ(location.parameter("Longitude"), "13.4");
	EXPECT_EQ(location.parameter("Albedo"), "0.2");
	EXPECT_EQ(location.child("ClimateReference").attribute("displayName"), "Site & <Town>.c6b");
	EXPECT_EQ(location.child("ClimateReference").m_text, "${Climate Data}/Site & <Town>.c6b");

	// the room and one constant zone at 18 C
	const std::vector<const RMTest::XmlNode *> zones = root.child("Zones").children("Zone");
	ASSERT_EQ(zones.size(), 2u);
	EXPECT_EQ(zones[0]->attribute("id"), "1");
	EXPECT_EQ(zones[0]->parameter("Height"), "2.5");
	EXPECT_EQ(zones[0]->parameter("Area"), "20");
	EXPECT_EQ(zones[1]->attribute("id"), "1001");
	EXPECT_EQ(zones[1]->attribute("type"), "Constant");
	EXPECT_EQ(zones[1]->parameter("Temperature"), "18");

	// the surface without construction type uses no ids
	const std::vector<const RMTest::XmlNode *> instances = root.child("ConstructionInstances").children("ConstructionInstance");
	ASSERT_EQ(instances.size(), 4u);
	const struct { const char * id; const char * type; const char * area; std::vector<QString> interfaces; } EXPECTED[] = {
		{ "101", "10020", "10", { "201 A 0", "202 B 1" } },
		{ "102", "10010", "10", { "203 B 1" } },
		{ "103", "10020", "10", { "204 A 1001", "205 B 1" } },
		{ "104", "10020", "11", { "206 A 0", "207 B 1" } },
	};
	for (std::size_t i = 0; i < instances.size(); ++i) {
		const RMTest::XmlNode & inst = *instances[i];
		EXPECT_EQ(inst.attribute("id"), EXPECTED[i].id);
		EXPECT_EQ(inst.child("ConstructionTypeID").m_text, EXPECTED[i].type);
		EXPECT_EQ(inst.parameter("Area"), EXPECTED[i].area);
		std::vector<QString> interfaces;
		for (const RMTest::XmlNode * itf : inst.child("Interfaces").children("Interface"))
			interfaces.push_back(itf->attribute("id") + " " + itf->attribute("location") + " " + itf->child("ZoneID").m_text);
		EXPECT_EQ(interfaces, EXPECTED[i].interfaces) << EXPECTED[i].id;
	}
	EXPECT_EQ(instances[0]->parameter("Orientation"), "180");
	EXPECT_EQ(instances[3]->parameter("Inclination"), "0");

	// surface coefficients: 1/Rse = 25 outside, 1/0.13 towards the constant zone and the room
	const RMTest::XmlNode & south = *instances[0]->child("Interfaces").children("Interface")[0];
	EXPECT_EQ(south.child("HeatConduction").parameter("HeatTransferCoefficient"), "25");
	EXPECT_EQ(south.child("SolarAbsorption").parameter("AbsorptionCoefficient"), "0.6");
	const RMTest::XmlNode & toZone = *instances[2]->child("Interfaces").children("Interface")[0];
	EXPECT_EQ(toZone.child("HeatConduction").parameter("HeatTransferCoefficient"), "7.69231");
	EXPECT_EQ(toZone.child("SolarAbsorption").parameter("AbsorptionCoefficient"), "0");
	EXPECT_EQ(instances[1]->child("Interfaces").child("Interface").child("HeatConduction").parameter("HeatTransferCoefficient"),
			  "7.69231");

	// windows: values of the type, shading factor of the known shading type, else 1
	const RMTest::XmlNode & window1 = instances[0]->child("EmbeddedObjects").child("EmbeddedObject");
	EXPECT_EQ(window1.attribute("id"), "2001");
	EXPECT_EQ(window1.parameter("Area"), "2");
	EXPECT_EQ(window1.child("Window").parameter("GlassFraction").trimmed(), "0.7");
	EXPECT_EQ(window1.child("Window").parameter("ThermalTransmittance").trimmed(), "1.1");
	EXPECT_EQ(window1.child("Window").parameter("SolarHeatGainCoefficient").trimmed(), "0.5");
	EXPECT_EQ(window1.child("Window").parameter("ShadingFactor"), "0.3");
	EXPECT_TRUE(window1.child("Window").children("BVX:LinearSpline").empty());
	const RMTest::XmlNode & window2 = instances[3]->child("EmbeddedObjects").child("EmbeddedObject");
	EXPECT_EQ(window2.attribute("id"), "2002");
	EXPECT_EQ(window2.child("Window").parameter("ShadingFactor"), "1");
	const RMTest::XmlNode & spline = window2.child("Window").child("BVX:LinearSpline");
	EXPECT_EQ(spline.attribute("name"), "RelativeSHGC");
	EXPECT_EQ(spline.child("X").m_text.split(' '), QStringList({ "0", "60", "90" }));
	EXPECT_EQ(spline.child("Y").m_text.split(' '), QStringList({ "1", "0.95", "0" }));
	EXPECT_TRUE(instances[1]->children("EmbeddedObjects").empty());

	EXPECT_EQ(objectListIds(root, "Zone"), "1");
	EXPECT_EQ(objectListIds(root, "Outside constructions"), "101,104");
	EXPECT_EQ(objectListIds(root, "Inside constructions"), "102,103");
	EXPECT_EQ(objectListIds(root, "Outside wall surfaces"), "201,206");

	// each construction type once, in ascending id; the materials of both
	const std::vector<const RMTest::XmlNode *> types = root.child("Database").child("ConstructionTypes").children("ConstructionTypeReference");
	ASSERT_EQ(types.size(), 2u);
	EXPECT_EQ(types[0]->m_text, "${Constructions}/Inside wall_10010.h6p");
	EXPECT_EQ(types[1]->attribute("displayName"), "Outside wall & <insulated>");
	EXPECT_EQ(types[1]->m_text, "${Constructions}/Outside wall & _insulated__10020.h6p");
	EXPECT_EQ(filesIn("constructions"), QStringList({ "Inside wall_10010.h6p", "Outside wall & _insulated__10020.h6p" }));
	EXPECT_EQ(filesIn("materials"), QStringList({ "Concrete_10001.m6", "Insulation_10002.m6", "Plaster_10003.m6" }));
	EXPECT_EQ(filesIn("climate"), QStringList{ "Site & <Town>.c6b" });
}


TEST_F(ZoneExportTest, OnlyThePlaceholdersOfTheZoneModelRemain) {
	addMixedSurfaces();
	exported();
	const QString text = RMTest::fileText(m_out + "/room.xml");
	std::set<QString> left;
	QRegularExpressionMatchIterator it = QRegularExpression("\\$\\{([^}]*)\\}").globalMatch(text);
	while (it.hasNext())
		left.insert(it.next().captured(1));
	EXPECT_EQ(left, (std::set<QString>{ "Project Directory", "Constructions", "Climate Data" }));
	EXPECT_TRUE(text.contains("<Placeholder name=\"Materials\">${Project Directory}/materials</Placeholder>"));
	EXPECT_TRUE(text.endsWith("</ZonavexProject>\n"));
}


TEST_F(ZoneExportTest, InsideSurfacesOnlyGiveWildcardLists) {
	m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 10010));
	m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 10010));
	const RMTest::XmlNode root = exported();
	EXPECT_EQ(objectListIds(root, "Outside constructions"), "*");
	EXPECT_EQ(objectListIds(root, "Outside wall surfaces"), "*");
	EXPECT_EQ(objectListIds(root, "Inside constructions"), "101,102");
	EXPECT_EQ(root.child("Zones").children("Zone").size(), 1u);
	EXPECT_EQ(filesIn("constructions"), QStringList{ "Inside wall_10010.h6p" });
}


TEST_F(ZoneExportTest, ClimateFileOfTheUserDirectoryReplacesAnOldCopy) {
	writeFile(m_user + "/DB_climate/" + m_room.m_climateDataPath, "user");
	writeFile(m_out + "/climate/Site & <Town>.c6b", "old copy");
	exported();
	EXPECT_EQ(RMTest::fileText(m_out + "/climate/Site & <Town>.c6b"), "user");

	QFile::remove(m_user + "/DB_climate/" + m_room.m_climateDataPath);
	exported();
	EXPECT_EQ(RMTest::fileText(m_out + "/climate/Site & <Town>.c6b"), "built-in");
}


TEST_F(ZoneExportTest, Failures) {
	RM::RoomConstruction withWindow = surface(RM::RoomConstruction::Outside, 10020);
	withWindow.m_windowId = 10077;
	m_room.m_constructions.push_back(withWindow);
	EXPECT_EQ(exceptionText([&] { exported(); }), "Invalid/unknown window ID.");

	m_room.m_constructions[0].m_windowId = 0;
	EXPECT_EQ(exceptionText([&] { m_export.exportZonavexModel(m_room, outPath(), BVX::Path("room.xml"), nullptr); }),
			  "Missing climate data for location 'Test/Site & <Town>.c6b'.");

	// a project file that cannot be written: nothing is put in place, the stack names the file
	const std::string unwritable = exceptionStack([&] {
		m_export.exportZonavexModel(m_room, outPath(), BVX::Path("none/room.xml"), &m_location); });
	EXPECT_NE(unwritable.find("/none/room.xml'."), std::string::npos) << unwritable;
	EXPECT_NE(unwritable.find("Nothing was exported into '" + outPath().str() + "'; an earlier export there was left as it was."),
			  std::string::npos) << unwritable;
	EXPECT_FALSE(QFileInfo::exists(m_out + "/none"));

	// removed subfolders are made again
	QDir(m_out + "/climate").removeRecursively();
	QDir(m_out + "/constructions").removeRecursively();
	exported();
	EXPECT_TRUE(QFileInfo(m_out + "/climate/Site & <Town>.c6b").isFile());
	EXPECT_EQ(filesIn("constructions"), QStringList{ "Outside wall & _insulated__10020.h6p" });

	QFile::remove(m_builtin + "/DB_climate/" + m_room.m_climateDataPath);
	EXPECT_NE(exceptionStack([&] { exported(); }).find("not found"), std::string::npos);
}

} // namespace
