// One QApplication (fonts need it) for the whole test run, local time pinned to UTC,
// settings kept in a private folder.
#include <cstdlib>
#include <ctime>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

class QtAppEnvironment : public ::testing::Environment {
public:
	void SetUp() override {
		// default DateTimeZero values are local times
		setenv("TZ", "UTC", 1);
		tzset();
		static int argc = 1;
		static char name[] = "scichart_tests";
		static char * argv[] = { name, nullptr };
		m_app.reset(new QApplication(argc, argv));
		m_settingsDir.reset(new QTemporaryDir);
		QStandardPaths::setTestModeEnabled(true);
		QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir->path());
		QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir->path());
	}
	void TearDown() override {
		m_settingsDir.reset();
		m_app.reset();
	}

private:
	std::unique_ptr<QApplication>		m_app;
	std::unique_ptr<QTemporaryDir>		m_settingsDir;
};

::testing::Environment * const qtEnv = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace
