// Test main of the GUI tests: a private HOME and settings folder for the whole run, one
// QApplication (offscreen), the compiled-in resources and the language handler set up
// as the program does it.
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>

#include "CaldoryneApplication.h"
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include "GuiWalk.h"
#include "ProgramStartUp.h"

namespace {

// Tests that switch the language change Qt's default locale; each test starts from the
// locale of the run, so a test's number formats do not depend on the tests run before it.
class DefaultLocaleRestorer : public ::testing::EmptyTestEventListener {
public:
	void OnTestStart(const ::testing::TestInfo &) override { m_locale = QLocale(); }
	void OnTestEnd(const ::testing::TestInfo &) override { QLocale::setDefault(m_locale); }
private:
	QLocale m_locale;
};

} // namespace

int main(int argc, char ** argv) {
	::testing::InitGoogleTest(&argc, argv);
	// "--seed S --actions N --log FILE": a long walk or the replay of a failed one
	if (GuiWalk::parseArguments(argc, argv).m_replay)
		GuiWalk::registerReplay();
	qputenv("QT_QPA_PLATFORM", "offscreen");

	// nothing of a test run reaches the real home or settings of the user
	QTemporaryDir home(QDir::tempPath() + "/caldoryne-gui-tests-XXXXXX");
	qputenv("HOME", home.path().toLocal8Bit());
	qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
	qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toLocal8Bit());

	// hash order is the same in every run: a walk's seed replays the same actions
	qSetGlobalQHashSeed(0);
	QtExt::Directories::appname = "Caldoryne";
	int res = 0;
	{
		// the program's own: what escapes a slot is handled as in the program
		CaldoryneApplication app(argc, argv);
		app.setQuitOnLastWindowClosed(false);
		QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + "/.config");
		QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path() + "/.config");
		ProgramStartUp::registerResources();
		QtExt::LanguageHandler::setup("BVX", "Caldoryne 3.2", QtExt::Directories::translationsDir(), "Caldoryne");
		::testing::UnitTest::GetInstance()->listeners().Append(new DefaultLocaleRestorer);	// gtest owns it
		res = RUN_ALL_TESTS();
	}
	return res;
}
