#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>

#include <RM_Database.h>

#include "RM_TestSupport.h"

using RMTest::MessageCapture;

namespace {

void writeFile(const QString & path, const QString & content) {
	QFile f(path);
	ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
	QTextStream(&f) << content;
}

QString readFile(const QString & path) {
	QFile f(path);
	if (!f.open(QIODevice::ReadOnly))
		return QString();
	return QString::fromUtf8(f.readAll());
}

QString material(unsigned int id, const QString & name, const QString & extra = QString()) {
	return QString("<Material id='%1' name='%2' lambda='1' rho='1000' cT='1000' %3/>").arg(id).arg(name, extra);
}

/*! Built-in and user directory in one temporary folder. */
class DatabaseDirs : public ::testing::Test {
protected:
	void SetUp() override {
		ASSERT_TRUE(m_tmp.isValid());
		m_builtin = m_tmp.path() + "/builtin";
		m_user = m_tmp.path() + "/user";
		QDir().mkpath(m_builtin);
		QDir().mkpath(m_user);
		m_db.setDirectories(m_builtin, m_user);
	}

	QTemporaryDir	m_tmp;
	QString			m_builtin;
	QString			m_user;
	RM::Database	m_db;
};

/*! All items of a table written to text, for comparing tables. */
template <typename T>
QString tableText(const std::map<unsigned int, T> & table) {
	QString xml;
	QXmlStreamWriter writer(&xml);
	for (const auto & e : table) {
		writer.writeTextElement("builtin", e.second.m_builtin ? "1" : "0");
		e.second.writeXML(writer);
	}
	writer.writeEndDocument();
	return xml;
}

} // namespace


TEST(Database, idAllocationForNewUserItems) {
	RM::Database db;
	RM::ShadingType s;
	EXPECT_EQ(db.addShadingType(s, 0), 10001u);
	EXPECT_EQ(s.m_id, 10001u);
	EXPECT_TRUE(db.isModified());
	EXPECT_EQ(db.addShadingType(s, 10002), 10002u);
	EXPECT_EQ(db.addShadingType(s, 10003), 10003u);
	EXPECT_EQ(db.addShadingType(s, 42), 42u);			// free id kept, counter untouched
	EXPECT_EQ(db.addShadingType(s, 0), 10004u);			// counter 10001 -> skips taken 10002, 10003
	EXPECT_EQ(db.addShadingType(s, 10002), 10005u);		// taken id: next free
	EXPECT_EQ(db.addShadingType(s, 42), 10006u);
	EXPECT_EQ(db.m_shadingTypes.size(), 7u);
	for (const auto & e : db.m_shadingTypes)
		EXPECT_EQ(e.first, e.second.m_id);

	// tables count independently
	RM::Material m;
	m.setEncodedName("M");
	EXPECT_EQ(db.addMaterial(m, 0), 10001u);

	EXPECT_EQ(db.shadingType(0), nullptr);
	EXPECT_EQ(db.shadingType(9), nullptr);
	db.removeShadingType(42);
	EXPECT_EQ(db.shadingType(42), nullptr);
	EXPECT_EQ(RM::Database::noShadingText(), QString("No Shading"));
}


TEST(Database, idCounterAtTheTopTakesTheLowestFreeId) {
	RM::Database db;
	RM::ShadingType s;
	db.m_highestUserId[RM::Database::T_ShadingTypes] = RM::Database::MAX_ID - 1;
	EXPECT_EQ(db.addShadingType(s, 0), RM::Database::MAX_ID);
	// the counter would wrap to 0: ids start again at the lowest free user id
	EXPECT_EQ(db.addShadingType(s, 10002), 10002u);
	EXPECT_EQ(db.addShadingType(s, 0), 10001u);
	EXPECT_EQ(db.addShadingType(s, 0), 10003u);
	EXPECT_EQ(db.addShadingType(s, RM::Database::MAX_ID), 10004u);	// taken
	EXPECT_EQ(db.addShadingType(s, 4294967295u), 10005u);			// beyond the id range
	EXPECT_EQ(db.shadingType(0), nullptr);
	for (const auto & e : db.m_shadingTypes)
		EXPECT_EQ(e.first, e.second.m_id);
	// a counter raised beyond the range by a user file behaves alike
	db.m_highestUserId[RM::Database::T_ShadingTypes] = 4294967295u;
	EXPECT_EQ(db.addShadingType(s, 0), 10006u);
}

TEST_F(DatabaseDirs, userItemsAfterBuiltinItems) {
	writeFile(m_builtin + "/db_materials.xml",
			  "<MaterialList>" + material(5, "Builtin five") + material(7, "Builtin seven") + "</MaterialList>");
	writeFile(m_user + "/db_materials.xml",
			  "<MaterialList>" + material(5, "User five") + material(500, "User 500") +
			  material(0, "No id") + "<Group><Deep>" + material(10007, "Nested") + "</Deep></Group></MaterialList>");
	MessageCapture capture;
	m_db.reload();

	ASSERT_EQ(m_db.m_materials.size(), 4u);
	EXPECT_EQ(m_db.material(5)->name(), QString("Builtin five"));
	EXPECT_TRUE(m_db.material(5)->m_builtin);
	EXPECT_FALSE(m_db.material(500)->m_builtin);
	EXPECT_FALSE(m_db.material(10007)->m_builtin);
	EXPECT_EQ(m_db.m_highestBuiltinId[RM::Database::T_Materials], 7u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Definition with name 'User five' already exists in database."), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Material with name 'No id' has an invalid Id."), 1u);
	EXPECT_FALSE(m_db.isModified());

	// new user ids above all stored user ids
	RM::Material m;
	m.setEncodedName("New");
	EXPECT_EQ(m_db.addMaterial(m, 0), 10008u);

	// the dropped entries are kept in a backup before the file is rewritten
	ASSERT_TRUE(m_db.writeDatabase());
	EXPECT_TRUE(readFile(m_user + "/db_materials.xml.bak").contains("User five"));
	EXPECT_FALSE(readFile(m_user + "/db_materials.xml").contains("User five"));
	EXPECT_FALSE(readFile(m_user + "/db_materials.xml").contains("Builtin"));
}


TEST_F(DatabaseDirs, userIdBelowLimitKeepsCounter) {
	writeFile(m_user + "/db_shadingTypes.xml", "<ShadingTypeList><ShadingType id='500' name='S' z='0.5'/></ShadingTypeList>");
	m_db.reload();
	ASSERT_NE(m_db.shadingType(500), nullptr);
	EXPECT_FALSE(m_db.shadingType(500)->m_builtin);
	RM::ShadingType s;
	EXPECT_EQ(m_db.addShadingType(s, 0), 10001u);
	EXPECT_FALSE(QFile::exists(m_user + "/db_shadingTypes.xml.bak"));
}


TEST_F(DatabaseDirs, writeThenReloadGivesEqualTables) {
	writeFile(m_builtin + "/db_materials.xml", "<MaterialList>" + material(1, "en:Concrete|de:Beton") + "</MaterialList>");
	writeFile(m_builtin + "/db_windows.xml", "<WindowList><WindowType id='5' name='W' f='0.7' g='0.6' U='1.3'/></WindowList>");
	m_db.reload();

	RM::Material m;
	m.setEncodedName("en:Brick|de:Ziegel");
	m.m_category = 3;
	m.m_lambda = 0.81;
	m.m_rho = 1800;
	m.m_cT = 1000;
	m.m_mu = 10;
	m.init({ 0, 0.5, 0.8, 0.92, 1 }, { 0, 4, 9, 10.35, 250 });
	m_db.addMaterial(m, 0);
	RM::ConstructionType ct;
	ct.setEncodedName("en:Wall|de:Wand");
	ct.m_materialIds = { 1, m.m_id };
	ct.m_d = { 0.2, 0.365 };
	m_db.addConstructionType(ct, 0);
	RM::WindowType w;
	w.m_relativeSHGC.setValues({ 0, 45, 90 }, { 1, 0.9, 0 });
	m_db.addWindowType(w, 5);	// taken by the built-in entry
	EXPECT_EQ(w.m_id, 10001u);
	RM::ShadingType s("en:Blind|de:Jalousie", 0.25);
	m_db.addShadingType(s, 77);

	ASSERT_TRUE(m_db.writeDatabase());
	const QString materials = tableText(m_db.m_materials);
	const QString constructions = tableText(m_db.m_constructions);
	const QString windows = tableText(m_db.m_windows);
	const QString shadings = tableText(m_db.m_shadingTypes);

	RM::Database other;
	other.setDirectories(m_builtin, m_user);
	other.reload();
	EXPECT_EQ(tableText(other.m_materials), materials);
	EXPECT_EQ(tableText(other.m_constructions), constructions);
	EXPECT_EQ(tableText(other.m_windows), windows);
	EXPECT_EQ(tableText(other.m_shadingTypes), shadings);
	EXPECT_EQ(other.material(m.m_id)->m_sorptionIsotherm.x(), m.m_sorptionIsotherm.x());
	EXPECT_TRUE(readFile(m_user + "/db_windows.xml").contains("<WindowList>"));
	EXPECT_FALSE(readFile(m_user + "/db_windows.xml").contains("id=\"5\""));	// built-in never written
	EXPECT_TRUE(other.m_windows.at(5).m_builtin);
}


TEST_F(DatabaseDirs, writeFailureIsReported) {
	RM::ShadingType s;
	m_db.addShadingType(s, 0);
	// a directory in place of a file: the file cannot be written
	QDir().mkpath(m_user + "/db_materials.xml");
	EXPECT_FALSE(m_db.writeDatabase());
	// the files are replaced as a set: none of the others is written either
	EXPECT_FALSE(QFile::exists(m_user + "/db_shadingTypes.xml"));

	// a file in place of the user directory
	writeFile(m_tmp.path() + "/blocked", "x");
	m_db.setDirectories(m_builtin, m_tmp.path() + "/blocked/user");
	EXPECT_FALSE(m_db.writeDatabase());

	// missing parent directories are created
	m_db.setDirectories(m_builtin, m_tmp.path() + "/a/b/c");
	EXPECT_TRUE(m_db.writeDatabase());
	EXPECT_TRUE(QFile::exists(m_tmp.path() + "/a/b/c/db_constructions.xml"));
	EXPECT_TRUE(readFile(m_tmp.path() + "/a/b/c/db_shadingTypes.xml").contains("ShadingType id=\"10001\""));
}


TEST_F(DatabaseDirs, malformedUserFileKeepsEarlierEntriesAndBackup) {
	const QString content = "<ConstructionTypeList>"
		"<ConstructionType id='10001' name='A'><Layers/></ConstructionType>"
		"<ConstructionType id='10002' name='B'><Layers><Layer materialId='1' d='bad'/></Layers></ConstructionType>"
		"<ConstructionType id='10003' name='C'><Layers/></ConstructionType>"
		"</ConstructionTypeList>";
	writeFile(m_user + "/db_constructions.xml", content);
	writeFile(m_user + "/db_windows.xml", "<WindowList><WindowType id='10001' name='W' f='0.7' g='0.6' U='1'>"
										  "<unclosed></WindowType></WindowList>");
	MessageCapture capture;
	m_db.reload();
	EXPECT_NE(m_db.constructionType(10001), nullptr);
	EXPECT_EQ(m_db.constructionType(10002), nullptr);
	EXPECT_EQ(capture.count(BVX::MSG_ERROR, (m_user + "/db_constructions.xml").toStdString()), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_ERROR, (m_user + "/db_windows.xml").toStdString()), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_ERROR, "Error reading Window-Database:\n"), 1u);
	EXPECT_EQ(readFile(m_user + "/db_constructions.xml.bak"), content);

	ASSERT_TRUE(m_db.writeDatabase());
	// the backup still holds everything the user had
	EXPECT_TRUE(readFile(m_user + "/db_constructions.xml.bak").contains("name='C'"));
	EXPECT_FALSE(readFile(m_user + "/db_constructions.xml").contains("name=\"C\""));
}


TEST_F(DatabaseDirs, exceptionOfOneUserItemDropsOnlyThatItem) {
	// w50 above w80: the reversed isotherm cannot be built and the material throws
	writeFile(m_user + "/db_materials.xml", "<MaterialList>" + material(10001, "Good") +
			  material(10002, "Broken", "w80='10' wsat='100' w50='12'") + material(10003, "After") + "</MaterialList>");
	MessageCapture capture;
	ASSERT_NO_THROW(m_db.reload());
	EXPECT_NE(m_db.material(10001), nullptr);
	EXPECT_EQ(m_db.material(10002), nullptr);
	EXPECT_NE(m_db.material(10003), nullptr);
	EXPECT_GE(capture.count(BVX::MSG_ERROR, "Error initializing reversed Sorption Isotherm spline"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_ERROR, "Entry with id 10002"), 1u);
	EXPECT_TRUE(QFile::exists(m_user + "/db_materials.xml.bak"));
}


TEST_F(DatabaseDirs, exceptionInBuiltinFilePropagates) {
	writeFile(m_builtin + "/db_materials.xml", "<MaterialList>" +
			  material(1, "Broken", "w80='10' wsat='100' w50='12'") + "</MaterialList>");
	MessageCapture capture;
	EXPECT_THROW(m_db.reload(), BVX::Exception);
}


TEST(Database, shippedBuiltinFiles) {
	const QString dir = QString(CALDORYNE_SOURCE_DIR) + "/resources";
	QTemporaryDir emptyUser;
	RM::Database db;
	db.setDirectories(dir, emptyUser.path());
	MessageCapture capture;
	ASSERT_NO_THROW(db.reload());
	for (const auto & m : capture.m_messages)
		EXPECT_TRUE(m.m_type != BVX::MSG_WARNING && m.m_type != BVX::MSG_ERROR) << m.m_text;

	// the default room: outside wall 7, inside wall 9, floor/ceiling 11, window 5, shading 2
	for (unsigned int id : { 7u, 9u, 11u }) {
		const RM::ConstructionType * ct = db.constructionType(id);
		ASSERT_NE(ct, nullptr) << id;
		EXPECT_TRUE(ct->isValid(db)) << id;
		EXPECT_FALSE(ct->m_d.empty()) << id;
		// moisture balance: every material carries sorption data
		for (unsigned int matId : ct->m_materialIds)
			EXPECT_TRUE(db.material(matId)->hasSorptionData()) << "construction " << id << " material " << matId;
	}
	ASSERT_NE(db.windowType(5), nullptr);
	EXPECT_TRUE(db.windowType(5)->isValid());
	EXPECT_FALSE(db.windowType(5)->m_relativeSHGC.empty());
	ASSERT_NE(db.shadingType(2), nullptr);
	EXPECT_TRUE(db.shadingType(2)->isValid());

	// an insulated outside wall, a massive inside wall
	double U = 0, mass = 0, cap = 0;
	ASSERT_TRUE(db.constructionType(7)->UValue(U, db, 0.13, 0.04));
	EXPECT_LT(U, 0.5);
	ASSERT_TRUE(db.constructionType(9)->arealMassAndHeatCapacity(mass, cap, db));
	EXPECT_GT(mass, 100);

	EXPECT_FALSE(db.m_materials.empty());
	for (const auto & e : db.m_materials) {
		EXPECT_LT(e.first, 10000u);
		EXPECT_TRUE(e.second.isValid()) << e.first;
		EXPECT_FALSE(e.second.nameForLanguage("en").isEmpty()) << e.first;
		EXPECT_FALSE(e.second.nameForLanguage("de").isEmpty()) << e.first;
	}
	for (const auto & e : db.m_constructions) {
		EXPECT_LT(e.first, 10000u);
		EXPECT_TRUE(e.second.isValid(db)) << e.first;
	}
	for (const auto & e : db.m_windows) {
		EXPECT_LT(e.first, 10000u);
		EXPECT_TRUE(e.second.isValid()) << e.first;
	}
	for (const auto & e : db.m_shadingTypes) {
		EXPECT_LT(e.first, 10000u);
		EXPECT_TRUE(e.second.isValid()) << e.first;
	}
	// sorption data given as w80 and wsat only
	EXPECT_FALSE(readFile(dir + "/db_materials.xml").contains("w92"));
}


/*! Two databases on one user folder, as two windows: each read the files before the other wrote. */
class SharedUserFiles : public DatabaseDirs {
protected:
	void SetUp() override {
		DatabaseDirs::SetUp();
		writeFile(m_user + "/db_materials.xml", "<MaterialList>" + material(10001, "Shared") + "</MaterialList>");
		m_db.reload();
		m_other.setDirectories(m_builtin, m_user);
		m_other.reload();
	}

	static unsigned int addWall(RM::Database & db, const QString & name, unsigned int materialId) {
		RM::ConstructionType ct;
		ct.setEncodedName(name);
		ct.m_materialIds = { materialId };
		ct.m_d = { 0.1 };
		return db.addConstructionType(ct, 0);
	}

	static unsigned int addMaterial(RM::Database & db, const QString & name) {
		RM::Material m;
		m.setEncodedName(name);
		return db.addMaterial(m, 0);
	}

	RM::Database	m_other;
};


TEST_F(SharedUserFiles, aMaterialOneRemovedStaysWhileTheOthersConstructionUsesIt) {
	addWall(m_other, "Other wall", 10001);
	ASSERT_TRUE(m_other.writeDatabase());
	m_db.removeMaterial(10001);
	ASSERT_TRUE(m_db.writeDatabase());

	RM::Database fresh;
	fresh.setDirectories(m_builtin, m_user);
	fresh.reload();
	ASSERT_EQ(fresh.m_constructions.size(), 1u);
	EXPECT_EQ(fresh.m_constructions.begin()->second.m_materialIds, std::vector<unsigned int>{10001});
	ASSERT_NE(fresh.material(10001), nullptr);
	EXPECT_EQ(fresh.material(10001)->name(), QString("Shared"));
}


TEST_F(SharedUserFiles, itemsBothAddedUnderOneIdKeepTheirMaterials) {
	const unsigned int otherMat = addMaterial(m_other, "Other material");
	addWall(m_other, "Other wall", otherMat);
	const unsigned int ownMat = addMaterial(m_db, "Own material");
	addWall(m_db, "Own wall", ownMat);
	ASSERT_EQ(otherMat, ownMat);
	ASSERT_TRUE(m_other.writeDatabase());
	ASSERT_TRUE(m_db.writeDatabase());

	RM::Database fresh;
	fresh.setDirectories(m_builtin, m_user);
	fresh.reload();
	std::map<QString, QString> wallMaterial;
	for (const auto & e : fresh.m_constructions) {
		ASSERT_EQ(e.second.m_materialIds.size(), 1u);
		const RM::Material * m = fresh.material(e.second.m_materialIds[0]);
		ASSERT_NE(m, nullptr) << e.second.name().toStdString();
		wallMaterial[e.second.name()] = m->name();
	}
	const std::map<QString, QString> expected{ { "Own wall", "Own material" }, { "Other wall", "Other material" } };
	EXPECT_EQ(wallMaterial, expected);
	EXPECT_EQ(fresh.m_materials.size(), 3u);
	// this database's items kept their ids
	EXPECT_EQ(fresh.material(ownMat)->name(), QString("Own material"));
}
