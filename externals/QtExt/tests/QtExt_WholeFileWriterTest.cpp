#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
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

	QString reason;
	bool ok = true;
	{
		QtExt::FileSizeLimit full(GetParam().m_limit);
		ok = WholeFileWriter::writeFile(path, content, &reason);
	}
	EXPECT_FALSE(ok);
	EXPECT_EQ(reason, QString("File too large"));
	EXPECT_EQ(fileBytes(path), old);
	// no temporary file stays behind
	EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{ "p.rmxml" });
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
