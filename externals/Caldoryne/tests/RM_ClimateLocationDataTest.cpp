#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <RM_ClimateLocationData.h>

#include "RM_ClimateTestFiles.h"
#include "RM_TestSupport.h"

using RMTest::MessageCapture;

namespace {

typedef QMap<QString, RM::ClimateLocationData> Catalogue;

Catalogue scan(const QString & root) {
	Catalogue c;
	RM::ClimateLocationData::gatherClimateLocationInfo(root, root, c);
	return c;
}

} // namespace


TEST(RM_ClimateLocationData, DefaultRecordLiesInDresden) {
	RM::ClimateLocationData rec;
	EXPECT_TRUE(rec.m_descriptions.empty());
	EXPECT_TRUE(rec.m_city.isEmpty());
	EXPECT_TRUE(rec.m_country.isEmpty());
	EXPECT_DOUBLE_EQ(51.05, rec.m_latitude);
	EXPECT_DOUBLE_EQ(13.73, rec.m_longitude);
	EXPECT_EQ(1, rec.m_timeZone);
}

TEST(RM_ClimateLocationData, PlainNamesGiveOneEnglishLabelWithRelativePath) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	const QString root = tmp.path();
	ASSERT_TRUE(RMTest::makeDir(root + "/Germany"));
	RMTest::writeEpwHeader(root + "/Berlin.epw", "Berlin", "DEU", 52.38, 13.53, 1);
	RMTest::writeEpwHeader(root + "/Germany/Berlin.epw", "Berlin", "DEU", 52.38, 13.53, 1);
	RMTest::writeEpwHeader(root + "/Germany/Denver.epw", "Denver", "USA", 39.83, -104.65, -7);

	const Catalogue c = scan(root);
	ASSERT_EQ(3, c.size());

	const RM::ClimateLocationData & top = c[QDir(root).absoluteFilePath("Berlin.epw")];
	ASSERT_EQ(1u, top.m_descriptions.size());
	EXPECT_EQ(QString("en"), top.m_descriptions[0].first);
	EXPECT_EQ(QString("[Berlin.epw] Berlin, DEU"), top.m_descriptions[0].second);
	EXPECT_EQ(QString("Berlin"), top.m_city);
	EXPECT_EQ(QString("DEU"), top.m_country);
	EXPECT_DOUBLE_EQ(52.38, top.m_latitude);
	EXPECT_DOUBLE_EQ(13.53, top.m_longitude);
	EXPECT_EQ(1, top.m_timeZone);

	const RM::ClimateLocationData & sub = c[QDir(root).absoluteFilePath("Germany/Berlin.epw")];
	ASSERT_EQ(1u, sub.m_descriptions.size());
	EXPECT_EQ(QString("[Germany/Berlin.epw] Berlin, DEU"), sub.m_descriptions[0].second);

	const RM::ClimateLocationData & denver = c[QDir(root).absoluteFilePath("Germany/Denver.epw")];
	EXPECT_DOUBLE_EQ(-104.65, denver.m_longitude);
	EXPECT_EQ(-7, denver.m_timeZone);

	// labels of a subdirectory scan still name the path below the root
	Catalogue subOnly;
	RM::ClimateLocationData::gatherClimateLocationInfo(root, root + "/Germany", subOnly);
	ASSERT_EQ(2, subOnly.size());
	EXPECT_EQ(QString("[Germany/Berlin.epw] Berlin, DEU"),
			  subOnly[QDir(root).absoluteFilePath("Germany/Berlin.epw")].m_descriptions[0].second);
}

TEST(RM_ClimateLocationData, MultiLanguageCityGivesOneLabelPerLanguageSorted) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	RMTest::writeEpwHeader(tmp.path() + "/b.epw", "en:Munich|de:M\u00fcnchen", "en:Germany|de:Deutschland");
	// country without the language of the city: no fallback to another language
	RMTest::writeEpwHeader(tmp.path() + "/c.epw", "en:Cologne|de:K\u00f6ln", "DEU");

	const Catalogue c = scan(tmp.path());
	ASSERT_EQ(2, c.size());
	const RM::ClimateLocationData & b = c[QDir(tmp.path()).absoluteFilePath("b.epw")];
	ASSERT_EQ(2u, b.m_descriptions.size());
	EXPECT_EQ(QString("de"), b.m_descriptions[0].first);
	EXPECT_EQ(QString("[b.epw] M\u00fcnchen, Deutschland"), b.m_descriptions[0].second);
	EXPECT_EQ(QString("en"), b.m_descriptions[1].first);
	EXPECT_EQ(QString("[b.epw] Munich, Germany"), b.m_descriptions[1].second);
	EXPECT_EQ(QString("en:Munich|de:M\u00fcnchen"), b.m_city);

	const RM::ClimateLocationData & k = c[QDir(tmp.path()).absoluteFilePath("c.epw")];
	ASSERT_EQ(2u, k.m_descriptions.size());
	EXPECT_EQ(QString("[c.epw] K\u00f6ln, "), k.m_descriptions[0].second);
}

TEST(RM_ClimateLocationData, BrokenAndForeignFilesAreLeftOut) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	const QString root = tmp.path();
	{
		QFile f(root + "/a_broken.epw");
		ASSERT_TRUE(f.open(QIODevice::WriteOnly));
		f.write("LOCATION,only,three\n");
	}
	RMTest::writeEpwHeader(root + "/b_good.epw", "Good", "GGG");
	RMTest::writeEpwHeader(root + "/series.ccd", "Series", "SSS");
	RMTest::writeEpwHeader(root + "/series.tsv", "Series", "SSS");
	RMTest::writeEpwHeader(root + "/upper.EPW", "Upper", "UUU");
	RMTest::writeAnnualWac(root + "/c_table.wac", "Table", [](unsigned int) { return 5.0; }, 0);

	MessageCapture capture;
	const Catalogue c = scan(root);
	EXPECT_EQ(2, c.size());
	EXPECT_TRUE(c.contains(QDir(root).absoluteFilePath("b_good.epw")));
	EXPECT_TRUE(c.contains(QDir(root).absoluteFilePath("c_table.wac")));
	EXPECT_EQ(QString("[c_table.wac] Table, "), c[QDir(root).absoluteFilePath("c_table.wac")].m_descriptions[0].second);

	const std::string broken = QDir(root).absoluteFilePath("a_broken.epw").toStdString();
	EXPECT_EQ(1u, capture.count(BVX::MSG_WARNING, "Error reading climate data file '" + broken + "'."));
	EXPECT_GE(capture.count(BVX::MSG_ERROR, ""), 1u);
	bool idFound = false;
	for (const MessageCapture::Message & m : capture.m_messages)
		idFound |= m.m_type == BVX::MSG_WARNING && m.m_functionID == "[ClimateLocationData::gatherClimateLocationInfo]";
	EXPECT_TRUE(idFound);
}

TEST(RM_ClimateLocationData, DirectoryLinksAreNotFollowed) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	const QString root = tmp.path();
	ASSERT_TRUE(RMTest::makeDir(root + "/a/deep"));
	RMTest::writeEpwHeader(root + "/top.epw", "Top", "TTT");
	RMTest::writeEpwHeader(root + "/a/deep/x.epw", "X", "XXX");
	// a loop back to the root and a second way into an existing directory
	ASSERT_TRUE(QFile::link(root, root + "/a/deep/loop"));
	ASSERT_TRUE(QFile::link(root + "/a", root + "/alias"));
	// a link to a single file is an ordinary climate file
	ASSERT_TRUE(QFile::link(root + "/top.epw", root + "/a/linked.epw"));

	Catalogue c = scan(root);
	ASSERT_EQ(3, c.size());
	EXPECT_TRUE(c.contains(QDir(root).absoluteFilePath("top.epw")));
	EXPECT_TRUE(c.contains(QDir(root).absoluteFilePath("a/deep/x.epw")));
	EXPECT_TRUE(c.contains(QDir(root).absoluteFilePath("a/linked.epw")));

	// a second scan into the same catalogue overwrites, it does not add
	c[QDir(root).absoluteFilePath("top.epw")].m_city = "changed";
	RM::ClimateLocationData::gatherClimateLocationInfo(root, root, c);
	EXPECT_EQ(3, c.size());
	EXPECT_EQ(QString("Top"), c[QDir(root).absoluteFilePath("top.epw")].m_city);
}

TEST(RM_ClimateLocationData, MissingDirectoryGivesNoEntries) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	MessageCapture capture;
	EXPECT_TRUE(scan(tmp.path() + "/does/not/exist").isEmpty());
	EXPECT_EQ(0u, capture.count(BVX::MSG_ERROR, ""));
}
