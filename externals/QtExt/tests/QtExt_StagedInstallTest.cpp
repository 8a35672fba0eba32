#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <QtExt_StagedInstall.h>

namespace {

QByteArray readAll(const QString & path) {
	QFile f(path);
	return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString & path, const QByteArray & content) {
	QDir().mkpath(QFileInfo(path).absolutePath());
	QFile f(path);
	ASSERT_TRUE(f.open(QIODevice::WriteOnly));
	f.write(content);
}

/*! An earlier Modelica export (package folder and model file) and a new one staged. */
class StagedInstallTest : public ::testing::Test {
protected:
	void SetUp() override {
		m_target = m_tmp.path() + "/out";
		m_staging = m_tmp.path() + "/staging";
		write(m_target + "/pkg/package.mo", "old package");
		write(m_target + "/pkg.mo", "old model");
		write(m_staging + "/pkg/package.mo", "new package");
		write(m_staging + "/pkg.mo", "new model");
	}
	QTemporaryDir	m_tmp;
	QString			m_target;
	QString			m_staging;
};

} // namespace


TEST_F(StagedInstallTest, replacesEveryEntry) {
	QString failed;
	ASSERT_TRUE(QtExt::StagedInstall::install(m_staging, { "pkg", "pkg.mo" }, m_target, failed));
	EXPECT_EQ(readAll(m_target + "/pkg/package.mo"), QByteArray("new package"));
	EXPECT_EQ(readAll(m_target + "/pkg.mo"), QByteArray("new model"));
}


TEST_F(StagedInstallTest, failureOnTheSecondEntryLeavesTheFirstAsItWas) {
	// the old model file cannot be moved aside: a name is taken there
	write(m_staging + "/.replaced/pkg.mo/x", "blocker");
	QString failed;
	EXPECT_FALSE(QtExt::StagedInstall::install(m_staging, { "pkg", "pkg.mo" }, m_target, failed));
	EXPECT_EQ(failed, m_target + "/pkg.mo");
	EXPECT_EQ(readAll(m_target + "/pkg/package.mo"), QByteArray("old package"));
	EXPECT_EQ(readAll(m_target + "/pkg.mo"), QByteArray("old model"));
	EXPECT_EQ(QDir(m_target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), (QStringList{ "pkg", "pkg.mo" }));
}


TEST_F(StagedInstallTest, entriesInSubfoldersAreReplacedAndTakenBackTogether) {
	// the zone export: files below folders that exist in the target, then the project file
	write(m_target + "/materials/a.m6", "old material");
	write(m_target + "/zone.xml", "old zone");
	write(m_staging + "/materials/a.m6", "new material");
	write(m_staging + "/zone.xml", "new zone");
	const QStringList entries{ "materials/a.m6", "zone.xml" };
	QString failed;
	// the old project file cannot be moved aside: its old material comes back
	write(m_staging + "/.replaced/zone.xml/x", "blocker");
	EXPECT_FALSE(QtExt::StagedInstall::install(m_staging, entries, m_target, failed));
	EXPECT_EQ(failed, m_target + "/zone.xml");
	EXPECT_EQ(readAll(m_target + "/materials/a.m6"), QByteArray("old material"));
	EXPECT_EQ(readAll(m_target + "/zone.xml"), QByteArray("old zone"));

	ASSERT_TRUE(QDir(m_staging + "/.replaced/zone.xml").removeRecursively());
	ASSERT_TRUE(QtExt::StagedInstall::install(m_staging, entries, m_target, failed)) << failed.toStdString();
	EXPECT_EQ(readAll(m_target + "/materials/a.m6"), QByteArray("new material"));
	EXPECT_EQ(readAll(m_target + "/zone.xml"), QByteArray("new zone"));
}
