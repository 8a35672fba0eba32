#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

#include <QtExt_LanguageHandler.h>

using QtExt::LanguageHandler;

namespace {

const char * const ORG = "BVXTest";
const char * const PROGRAM = "LanguageHandlerTest";

class LanguageHandlerTest : public ::testing::Test {
protected:
	void SetUp() override {
		LanguageHandler::setup(ORG, PROGRAM, QTEXT_TEST_QM_DIR, "QtExtTest");
		QSettings(ORG, PROGRAM).clear();
		QLocale::setDefault(QLocale::c());
	}
	void TearDown() override {
		LanguageHandler::instance().installTranslator("en");
		QSettings(ORG, PROGRAM).clear();
	}
	static QString storedLangId() {
		return QSettings(ORG, PROGRAM).value("LangID").toString();
	}
	// the two test catalogues hold one message each
	static QString appText() { return QCoreApplication::translate("QtExtTestApp", "Window"); }
	static QString qtText() { return QCoreApplication::translate("QtExtTestLibrary", "Cancel"); }
};

} // namespace


TEST(LanguageHandlerLocale, localeNameFallbackChain) {
	struct Case { const char * locale; const char * expected; };
	const Case cases[] = {
		{ "de_DE", "de" },
		{ "en_GB", "en" },
		{ "de", "de" },		// no '_': the whole name
		{ "C", "C" },
		{ "", "en" },
		{ "_DE", "en" },	// nothing before '_'
	};
	for (const Case & c : cases)
		EXPECT_EQ(LanguageHandler::langIdFromLocaleName(c.locale), QString(c.expected)) << c.locale;
}


TEST_F(LanguageHandlerTest, langIdPrefersStoredChoiceOverSystemLocale) {
	// nothing stored: the system locale decides
	EXPECT_EQ(LanguageHandler::langId(), LanguageHandler::langIdFromLocaleName(QLocale::system().name()));
	// the fallback is not written back
	EXPECT_TRUE(storedLangId().isEmpty());

	LanguageHandler::setLangId("de");
	EXPECT_EQ(LanguageHandler::langId(), QString("de"));
	// read on every call, no cached value
	QSettings(ORG, PROGRAM).setValue("LangID", "fr");
	EXPECT_EQ(LanguageHandler::langId(), QString("fr"));
}


TEST_F(LanguageHandlerTest, englishInstallsNoTranslatorAndDropsGroupSeparators) {
	LanguageHandler::instance().installTranslator("fr");
	ASSERT_EQ(appText(), QString::fromUtf8("Fenêtre"));

	LanguageHandler::instance().installTranslator("en");
	EXPECT_EQ(appText(), QString("Window"));
	EXPECT_EQ(qtText(), QString("Cancel"));
	EXPECT_EQ(storedLangId(), QString("en"));
	QLocale loc;
	EXPECT_EQ(loc.language(), QLocale::English);
	EXPECT_EQ(loc.toString(1234567.5, 'f', 1), QString("1234567.5"));
	bool ok = true;
	loc.toDouble("1,234.5", &ok);
	EXPECT_FALSE(ok);
}


TEST_F(LanguageHandlerTest, foreignLanguageWithBothFilesInstallsBoth) {
	LanguageHandler::instance().installTranslator("fr");
	EXPECT_EQ(appText(), QString::fromUtf8("Fenêtre"));
	EXPECT_EQ(qtText(), QString("Annuler"));
	EXPECT_EQ(storedLangId(), QString("fr"));
	// only "de" and "en" change the default locale
	EXPECT_EQ(QLocale().language(), QLocale::C);
}


TEST_F(LanguageHandlerTest, missingFilesLeaveTextsAndSettingButSetGermanLocale) {
	LanguageHandler::setLangId("fr");
	LanguageHandler::instance().installTranslator("de");
	EXPECT_EQ(appText(), QString("Window"));
	EXPECT_EQ(qtText(), QString("Cancel"));
	EXPECT_EQ(storedLangId(), QString("fr"));	// written only when the application file loaded
	QLocale loc;
	EXPECT_EQ(loc.language(), QLocale::German);
	EXPECT_EQ(loc.toString(1234567.5, 'f', 1), QString("1234567,5"));
	bool ok = false;
	EXPECT_DOUBLE_EQ(loc.toDouble("12,5", &ok), 12.5);
	EXPECT_TRUE(ok);
}


TEST_F(LanguageHandlerTest, secondInstallReplacesTheFirst) {
	LanguageHandler::instance().installTranslator("fr");
	LanguageHandler::instance().installTranslator("fr");
	EXPECT_EQ(appText(), QString::fromUtf8("Fenêtre"));
	// the translators of the first call are gone: a language without files shows plain texts
	LanguageHandler::instance().installTranslator("it");
	EXPECT_EQ(appText(), QString("Window"));
	EXPECT_EQ(qtText(), QString("Cancel"));
}
