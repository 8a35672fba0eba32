#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <QtExt_WholeFileWriter.h>

#include "QtExt_FileSizeLimit.h"

using QtExt::WholeFileWriter;

namespace {

using QtExt::fileBytes;

void writePlain(const QString & path, const QByteArray & content) {
	ASSERT_TRUE(QtExt::writeFileDirectly(path, content));
}

struct DiskCase {
	const char *	m_name;
	rlim_t			m_limit;		///< bytes a file may reach
	int				m_size;			///< bytes of new content
};

// QSaveFile buffers 16 kB: content below that fails only in the final flush
const DiskCase FULL_DISK_CASES[] = {
	{ "firstByte", 0, 3000 },
	{ "lastBufferedPiece", 2000, 3000 },
	{ "lastPieceOfLargeFile", 100000, 100500 },
	{ "middleOfLargeFile", 40000, 200000 }
};

class WholeFileWriterFullDisk : public ::testing::TestWithParam<DiskCase> {};

} // namespace


TEST_P(WholeFileWriterFullDisk, failsAndKeepsTheOldFile) {
	QTemporaryDir dir;
	const QString path = dir.filePath("p.rmxml");
	const QByteArray old("<old content/>\n");
	writePlain(path, old);
	const QByteArray content(GetParam().m_size, 'x');

	for (WholeFileWriter::Links links : { WholeFileWriter::FollowLinks, WholeFileWriter::ReplaceEntry }) {
		QString reason;
		bool ok = true;
		{
			QtExt::FileSizeLimit full(GetParam().m_limit);
			ok = WholeFileWriter::writeFile(path, content, &reason, QIODevice::NotOpen, links);
		}
		EXPECT_FALSE(ok) << links;
		EXPECT_EQ(reason, QString("File too large")) << links;
		EXPECT_EQ(fileBytes(path), old) << links;
		// no temporary file stays behind
		EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{ "p.rmxml" }) << links;
	}
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeFileWriterFullDisk, ::testing::ValuesIn(FULL_DISK_CASES),
	[](const ::testing::TestParamInfo<DiskCase> & c) { return std::string(c.param.m_name); });


TEST(WholeFileWriter, streamWriterOnAFullDiskFailsAtCommit) {
	QTemporaryDir dir;
	const QString path = dir.filePath("db.xml");
	writePlain(path, "old");
	QtExt::FileSizeLimit full(10);
	WholeFileWriter w(path);
	ASSERT_TRUE(w.open());
	QXmlStreamWriter xml(w.device());
	xml.writeStartDocument();
	xml.writeTextElement("Material", QString(200, 'm'));
	xml.writeEndDocument();
	// all of it sits in the buffer: only the flush finds the full disk
	EXPECT_FALSE(xml.hasError());
	EXPECT_FALSE(w.commit());
	EXPECT_EQ(w.errorString(), QString("File too large"));
	EXPECT_EQ(fileBytes(path), QByteArray("old"));
}


TEST(WholeFileWriter, replacesTheFileWhenAllIsWritten) {
	QTemporaryDir dir;
	const QString path = dir.filePath("a.txt");
	writePlain(path, "old");
	const QByteArray content(50000, 'n');
	QtExt::FileSizeLimit roomEnough(60000);
	QString reason;
	EXPECT_TRUE(WholeFileWriter::writeFile(path, content, &reason));
	EXPECT_TRUE(reason.isEmpty());
	EXPECT_EQ(fileBytes(path), content);
}


TEST(WholeFileWriter, failedContentIsNotCommitted) {
	QTemporaryDir dir;
	const QString path = dir.filePath("a.txt");
	writePlain(path, "old");
	WholeFileWriter w(path);
	ASSERT_TRUE(w.open());
	ASSERT_TRUE(w.write("new"));
	w.fail("Invalid XML");
	EXPECT_FALSE(w.commit());
	EXPECT_EQ(w.errorString(), QString("Invalid XML"));
	EXPECT_EQ(fileBytes(path), QByteArray("old"));
}


TEST(WholeFileWriter, missingFolderIsReported) {
	QTemporaryDir dir;
	QString reason;
	EXPECT_FALSE(WholeFileWriter::writeFile(dir.filePath("none/a.txt"), "x", &reason));
	EXPECT_FALSE(reason.isEmpty());
	EXPECT_NE(reason, QString("Unknown error"));
}


namespace {

/*! A folder shared with other users: the project of its owner, and notes of hers that another
	user tries to have overwritten by planting links with the names the program chooses. */
class PlantedLinkTest : public ::testing::Test {
protected:
	void SetUp() override {
		m_project = m_dir.filePath("p.rmxml");
		m_notes = m_dir.filePath("notes.txt");
		writePlain(m_project, "<old project/>");
		writePlain(m_notes, "my own notes");
	}
	void plant(const QString & link) {
		ASSERT_TRUE(QFile::link(m_notes, link));
	}
	/*! Permission bits of the file itself. */
	static mode_t modeOf(const QString & path) {
		struct stat st;
		return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
	}

	QTemporaryDir	m_dir;
	QString			m_project;
	QString			m_notes;
};

} // namespace


TEST_F(PlantedLinkTest, resultFileReplacesTheLinkNotItsTarget) {
	const QString result = m_dir.filePath("RoomTemperature.ccd");
	plant(result);
	QString reason;
	ASSERT_TRUE(WholeFileWriter::writeFile(result, "temperatures", &reason, QIODevice::NotOpen,
										   WholeFileWriter::ReplaceEntry)) << reason.toStdString();
	EXPECT_EQ(fileBytes(m_notes), QByteArray("my own notes"));
	EXPECT_FALSE(QFileInfo(result).isSymLink());
	EXPECT_EQ(fileBytes(result), QByteArray("temperatures"));
	// a result file the user made private stays private; the link's target lent it nothing
	ASSERT_EQ(::chmod(QFile::encodeName(m_notes).constData(), 0604), 0);
	ASSERT_EQ(::chmod(QFile::encodeName(result).constData(), 0600), 0);
	ASSERT_TRUE(WholeFileWriter::writeFile(result, "again", &reason, QIODevice::NotOpen, WholeFileWriter::ReplaceEntry));
	EXPECT_EQ(modeOf(result), mode_t(0600));
}


TEST_F(PlantedLinkTest, backupReplacesTheLinkNotItsTarget) {
	plant(m_project + ".bak");
	QString reason;
	ASSERT_TRUE(WholeFileWriter::writeFileWithBackup(m_project, "<new project/>", &reason)) << reason.toStdString();
	EXPECT_EQ(fileBytes(m_notes), QByteArray("my own notes"));
	EXPECT_FALSE(QFileInfo(m_project + ".bak").isSymLink());
	EXPECT_EQ(fileBytes(m_project + ".bak"), QByteArray("<old project/>"));
	EXPECT_EQ(fileBytes(m_project), QByteArray("<new project/>"));
}


TEST_F(PlantedLinkTest, backupTakesThePermissionsOfTheProject) {
	for (mode_t mode : { mode_t(0600), mode_t(0640), mode_t(0664) }) {
		ASSERT_EQ(::chmod(QFile::encodeName(m_project).constData(), mode), 0);
		// a first backup, and one over an earlier backup readable by all
		QFile::remove(m_project + ".bak");
		for (int save = 0; save < 2; ++save) {
			QString reason;
			ASSERT_TRUE(WholeFileWriter::writeFileWithBackup(m_project, "<new project/>", &reason)) << reason.toStdString();
			EXPECT_EQ(modeOf(m_project + ".bak"), mode) << std::oct << mode << " save " << save;
			EXPECT_EQ(modeOf(m_project), mode) << std::oct << mode;
			ASSERT_EQ(::chmod(QFile::encodeName(m_project + ".bak").constData(), 0644), 0);
		}
	}
}
