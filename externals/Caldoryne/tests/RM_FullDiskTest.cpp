#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <BVX_Exception.h>

#include <RM_Database.h>
#include <RM_HygrellExport.h>
#include <RM_Room.h>

#include "QtExt_FileSizeLimit.h"

// Every file writer of the room model on a disk that runs full: at the first byte (limit 0) or
// only in the final flush of the last buffered piece (a file below 16 kB with room for part of
// it). The writer reports it and the file that was there stays byte for byte as it was.

namespace {

using QtExt::fileBytes;

void writePlain(const QString & path, const QByteArray & content) {
	ASSERT_TRUE(QtExt::writeFileDirectly(path, content));
}

struct Limit {
	const char *	m_name;
	rlim_t			m_bytes;
};

class FullDisk : public ::testing::TestWithParam<Limit> {
protected:
	void SetUp() override {
		ASSERT_TRUE(m_tmp.isValid());
		m_db.setDirectories(m_tmp.path() + "/builtin", m_tmp.path() + "/user");
		QDir().mkpath(m_tmp.path() + "/user");
	}
	QString path(const QString & name) const { return m_tmp.path() + "/" + name; }

	QTemporaryDir	m_tmp;
	RM::Database	m_db;
};

const Limit LIMITS[] = {
	{ "firstByte", 0 },
	{ "lastBufferedPiece", 120 }
};

} // namespace


TEST_P(FullDisk, projectFileKeepsTheOldOne) {
	const QString file = path("p.rmxml");
	writePlain(file, "<RoomModelProject/>\n");
	RM::Room room;
	ASSERT_LT(room.projectFileContent(m_db).size(), 16384);
	QString reason;
	bool ok = true;
	{
		QtExt::FileSizeLimit full(GetParam().m_bytes);
		ok = room.writeProjectFile(file, m_db, &reason);
	}
	EXPECT_FALSE(ok);
	EXPECT_EQ(reason, QString("File too large"));
	EXPECT_EQ(fileBytes(file), QByteArray("<RoomModelProject/>\n"));
}


TEST_P(FullDisk, userDatabaseFilesKeepTheirOldContent) {
	const QStringList names{ "db_materials.xml", "db_constructions.xml", "db_windows.xml", "db_shadingTypes.xml" };
	for (const QString & n : names)
		writePlain(path("user/" + n), "<old " + n.toUtf8() + "/>\n");
	RM::Material m;
	m.setEncodedName("en:Loam plaster");
	m_db.addMaterial(m, 0);
	RM::ConstructionType c;
	m_db.addConstructionType(c, 0);
	RM::WindowType w;
	m_db.addWindowType(w, 0);
	RM::ShadingType s;
	m_db.addShadingType(s, 0);

	QString reason;
	bool ok = true;
	{
		QtExt::FileSizeLimit full(GetParam().m_bytes);
		ok = m_db.writeDatabase(&reason);
	}
	EXPECT_FALSE(ok);
	for (const QString & n : names) {
		EXPECT_EQ(fileBytes(path("user/" + n)), "<old " + n.toUtf8() + "/>\n") << n.toStdString();
		EXPECT_TRUE(reason.contains(n + "': File too large")) << reason.toStdString();
	}
	// with room on the disk the same call writes them
	EXPECT_TRUE(m_db.writeDatabase());
	EXPECT_TRUE(fileBytes(path("user/db_materials.xml")).contains("Loam plaster"));
}


TEST_P(FullDisk, exportedFileKeepsTheOldOne) {
	RM::Material m;
	m.setEncodedName("en:Brick");
	m.m_rho = 1800;
	m.m_cT = 850;
	m.m_lambda = 0.81;
	m_db.addMaterial(m, 10023);
	const QString file = path("Brick_10023.m6");
	writePlain(file, "old export\n");
	RM::HygrellExport exporter(&m_db);
	std::string error;
	try {
		QtExt::FileSizeLimit full(GetParam().m_bytes);
		exporter.exportMaterial(10023, BVX::Path(m_tmp.path().toStdString()));
	}
	catch (BVX::Exception & ex) {
		error = ex.msgStack();
	}
	EXPECT_NE(error.find("File too large"), std::string::npos) << error;
	EXPECT_NE(error.find("Cannot write file '" + file.toStdString() + "'."), std::string::npos) << error;
	EXPECT_EQ(fileBytes(file), QByteArray("old export\n"));
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDisk, ::testing::ValuesIn(LIMITS),
	[](const ::testing::TestParamInfo<Limit> & c) { return std::string(c.param.m_name); });
