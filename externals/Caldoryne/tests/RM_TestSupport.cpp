// Shared test support: one QCoreApplication with private settings, message capture, XML set-up.
#include "RM_TestSupport.h"

#include <memory>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <QtExt_LanguageHandler.h>

namespace RMTest {

const char * const SETTINGS_ORG = "BVXTest";
const char * const SETTINGS_PROGRAM = "CaldoryneTest";

MessageCapture::MessageCapture() :
	m_previous(BVX::MessageHandlerRegistry::instance().msgHandler())
{
	BVX::MessageHandlerRegistry::instance().setMessageHandler(this);
}


MessageCapture::~MessageCapture() {
	BVX::MessageHandlerRegistry::instance().setMessageHandler(m_previous);
}


void MessageCapture::msg(const std::string & text, int t, const char * functionID, int /*verbose_level*/) {
	m_messages.push_back(Message{ text, t, functionID != nullptr ? functionID : "" });
}


unsigned int MessageCapture::count(int type, const std::string & fragment) const {
	unsigned int n = 0;
	for (const Message & m : m_messages)
		if (m.m_type == type && m.m_text.find(fragment) != std::string::npos)
			++n;
	return n;
}


void startReader(QXmlStreamReader & reader, const QString & xml) {
	reader.clear();
	reader.addData(xml);
	while (!reader.atEnd() && !reader.isStartElement())
		reader.readNext();
}


void setLanguage(const QString & langId) {
	QSettings(SETTINGS_ORG, SETTINGS_PROGRAM).setValue("LangID", langId);
}


namespace {

class QtAppEnvironment : public ::testing::Environment {
public:
	void SetUp() override {
		static int argc = 1;
		static char name[] = "caldoryne_tests";
		static char * argv[] = { name, nullptr };
		m_app.reset(new QCoreApplication(argc, argv));
		m_settingsDir.reset(new QTemporaryDir);
		QStandardPaths::setTestModeEnabled(true);
		QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir->path());
		QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir->path());
		QtExt::LanguageHandler::setup(SETTINGS_ORG, SETTINGS_PROGRAM, QString(), "Caldoryne");
		setLanguage("en");
		// keep the test output short: only warnings and errors reach the console
		BVX::MessageHandlerRegistry::instance().msgHandler()->setConsoleVerbosityLevel(0);
	}
	void TearDown() override {
		m_settingsDir.reset();
		m_app.reset();
	}

private:
	std::unique_ptr<QCoreApplication>	m_app;
	std::unique_ptr<QTemporaryDir>		m_settingsDir;
};

::testing::Environment * const qtEnv = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace

} // namespace RMTest
