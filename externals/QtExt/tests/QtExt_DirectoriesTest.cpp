#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include <QtExt_Directories.h>

using QtExt::Directories;

TEST(Directories, userPathsFollowTheApplicationName) {
	Directories::appname = "Caldoryne";
	const QString home = QDir::home().absolutePath();
	EXPECT_EQ(Directories::userDataDir(), home + "/AppData/Roaming/Caldoryne");
	EXPECT_EQ(Directories::globalLogFile(), home + "/AppData/Roaming/Caldoryne/Caldoryne.log");
	EXPECT_EQ(Directories::updateFilePath(), home + "/AppData/Roaming/Caldoryne/updates/update_linux64");
	Directories::appname.clear();
}


TEST(Directories, resourcePathsBelowTheApplicationDirectory) {
	const QString res = QCoreApplication::applicationDirPath() + "/resources";
	EXPECT_EQ(Directories::resourcesRootDir(), res);
	EXPECT_EQ(Directories::databasesDir(), Directories::resourcesRootDir());
	EXPECT_EQ(Directories::translationsDir(), res + "/translations");
}
