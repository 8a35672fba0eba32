#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QtExt_ProgramFolder.h>

using QtExt::ProgramFolder;

TEST(ProgramFolder, makesOwnFoldersAndRefusesPlantedOnes) {
	QTemporaryDir dir;
	const QString elsewhere = dir.filePath("elsewhere");
	ASSERT_TRUE(QDir().mkpath(elsewhere));
	ASSERT_TRUE(QFile::link(elsewhere, dir.filePath("link")));
	ASSERT_TRUE(QFile(dir.filePath("file")).open(QIODevice::WriteOnly));
	const struct { const char * name; ProgramFolder::Links links; const char * refusal; } cases[] = {
		{ "new/log", ProgramFolder::RefuseLink, "" },
		{ "elsewhere", ProgramFolder::RefuseLink, "" },
		{ "link", ProgramFolder::RefuseLink, "is a symbolic link; no files are written through it" },
		{ "link", ProgramFolder::FollowLink, "" },
		{ "file", ProgramFolder::RefuseLink, "exists and is not a directory" }
	};
	for (const auto & c : cases) {
		QString problem;
		const bool made = ProgramFolder::make(dir.filePath(c.name), c.links, problem);
		EXPECT_EQ(made, *c.refusal == '\0') << c.name;
		EXPECT_TRUE(problem.contains(c.refusal)) << c.name << ": " << problem.toStdString();
		if (*c.refusal != '\0') {
			EXPECT_TRUE(problem.startsWith("'" + dir.filePath(c.name) + "'")) << problem.toStdString();
		}
	}
	EXPECT_TRUE(QDir(dir.filePath("new/log")).exists());
}


TEST(ProgramFolder, refusesAFolderOfAnotherUser) {
	if (::geteuid() != 0)
		GTEST_SKIP() << "only root can give a folder to another user";
	QTemporaryDir dir;
	const QString planted = dir.filePath("results");
	ASSERT_TRUE(QDir().mkpath(planted));
	// nobody
	ASSERT_EQ(::chown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
	QString problem;
	EXPECT_FALSE(ProgramFolder::make(planted, ProgramFolder::FollowLink, problem));
	EXPECT_EQ(problem, QString("'%1' belongs to another user; no files are written into it").arg(planted));
}
