#include <thread>

#include <gtest/gtest.h>

#include <sys/file.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <QtExt_FileStamp.h>
#include <QtExt_WholeFileWriter.h>

#include "QtExt_FileSizeLimit.h"

using QtExt::FileStamp;
using QtExt::WholeFileWriter;

namespace {

/*! Rewrites a file as cp -p or rsync -t do: other content, its old modification time. */
void rewriteKeepingTime(const QString & path, const QByteArray & content) {
	const QDateTime modified = QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
	ASSERT_TRUE(QtExt::writeFileDirectly(path, content));
	QFile f(path);
	ASSERT_TRUE(f.open(QIODevice::ReadWrite));
	ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
}

} // namespace


TEST(FileStamp, contentChangedWithSizeAndTimeKeptIsAChange) {
	QTemporaryDir dir;
	const QString path = dir.filePath("p.rmxml");
	ASSERT_TRUE(QtExt::writeFileDirectly(path, "<Room name=\"Office A\"/>"));
	const FileStamp stamp = FileStamp::of(path);
	ASSERT_TRUE(stamp.matches(path));
	rewriteKeepingTime(path, "<Room name=\"Office B\"/>");
	ASSERT_EQ(QFileInfo(path).size(), 23);
	EXPECT_FALSE(stamp.matches(path));
	// the same bytes again (touched, or written back unchanged): nothing would be lost
	rewriteKeepingTime(path, "<Room name=\"Office A\"/>");
	EXPECT_TRUE(stamp.matches(path));
	EXPECT_TRUE(FileStamp::ofContent("<Room name=\"Office A\"/>").matches(path));
	EXPECT_FALSE(FileStamp::ofContent("<Room name=\"Office C\"/>").matches(path));
}


TEST(FileStamp, sameFileComparesFilesNotSpellings) {
	QTemporaryDir dir;
	const QString real = dir.filePath("p.rmxml");
	ASSERT_TRUE(QtExt::writeFileDirectly(real, "x"));
	ASSERT_TRUE(QtExt::writeFileDirectly(dir.filePath("other.rmxml"), "x"));
	ASSERT_TRUE(QFile::link(real, dir.filePath("link.rmxml")));
	ASSERT_TRUE(QDir().mkpath(dir.filePath("sub")));
	const struct { QString a; QString b; bool same; } cases[] = {
		{ real, dir.filePath("link.rmxml"), true },
		{ real, dir.filePath("sub/../p.rmxml"), true },
		{ real, dir.filePath("other.rmxml"), false },
		{ real, dir.filePath("missing.rmxml"), false },
		{ dir.filePath("missing.rmxml"), dir.filePath("sub/../missing.rmxml"), true }
	};
	for (const auto & c : cases)
		EXPECT_EQ(FileStamp::sameFile(c.a, c.b), c.same) << c.a.toStdString() << " " << c.b.toStdString();
}


/*! Two windows save one file at the same instant: the second must find the first one's file. */
TEST(FileStamp, replaceChecksAgainAfterAnotherSaverReleasedTheFile) {
	QTemporaryDir dir;
	const QString path = dir.filePath("p.rmxml");
	ASSERT_TRUE(QtExt::writeFileDirectly(path, "<loaded/>"));
	const FileStamp loaded = FileStamp::of(path);

	// the other window holds the file it is replacing, as the writer does between check and rename
	QFile held(path);
	ASSERT_TRUE(held.open(QIODevice::ReadOnly));
	ASSERT_EQ(::flock(held.handle(), LOCK_EX), 0);
	WholeFileWriter::ReplaceResult result = WholeFileWriter::Replaced;
	std::thread second([&]() { result = WholeFileWriter::replaceUnchanged(path, "<second/>", loaded); });
	// the other window's save lands while the second one waits or has not checked yet
	QString reason;
	ASSERT_TRUE(WholeFileWriter::writeFile(path, "<first/>", &reason)) << reason.toStdString();
	::flock(held.handle(), LOCK_UN);
	second.join();
	EXPECT_EQ(result, WholeFileWriter::ChangedMeanwhile);
	EXPECT_EQ(QtExt::fileBytes(path), QByteArray("<first/>"));
	EXPECT_EQ(QtExt::fileBytes(path + ".bak"), QByteArray("<missing>"));

	// unchanged since the stamp: replaced, the old version is the backup
	EXPECT_EQ(WholeFileWriter::replaceUnchanged(path, "<third/>", FileStamp::of(path)), WholeFileWriter::Replaced);
	EXPECT_EQ(QtExt::fileBytes(path), QByteArray("<third/>"));
	EXPECT_EQ(QtExt::fileBytes(path + ".bak"), QByteArray("<first/>"));
	// no temporary files stay behind
	EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{ "p.rmxml", "p.rmxml.bak" }));
}
