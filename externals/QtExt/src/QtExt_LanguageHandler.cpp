#include "QtExt_LanguageHandler.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

namespace QtExt {

QString LanguageHandler::m_organization;
QString LanguageHandler::m_program;
QString LanguageHandler::m_translationDir;
QString LanguageHandler::m_langFilePrefix;

namespace {

void progress(const QString & text, const char * functionID) {
	BVX::BVX_Message(text.toStdString(), BVX::MSG_PROGRESS, functionID, 1);
}

} // namespace


void LanguageHandler::setDefaultLocale(QLocale::Language lang) {
	QLocale loc(lang);
	loc.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
	QLocale::setDefault(loc);
}


LanguageHandler::LanguageHandler() = default;


LanguageHandler::~LanguageHandler() {
	removeTranslators();
}


LanguageHandler & LanguageHandler::instance() {
	static LanguageHandler handler;
	return handler;
}


void LanguageHandler::setup(const QString & organization, const QString & program,
							const QString & translationDir, const QString & langFilePrefix)
{
	m_organization = organization;
	m_program = program;
	m_translationDir = translationDir;
	m_langFilePrefix = langFilePrefix;
}


QString LanguageHandler::langId() {
	const char * const FUNC_ID = "[LanguageHandler::langId]";
	QSettings settings(m_organization, m_program);
	QString id = settings.value("LangID", QString()).toString();
	if (id.isEmpty()) {
		QString localeName = QLocale::system().name();
		progress(QString("System locale: '%1'.\n").arg(localeName), FUNC_ID);
		id = langIdFromLocaleName(localeName);
		progress(QString("Translation required for locale: '%1'.\n").arg(id), FUNC_ID);
	}
	return id;
}


QString LanguageHandler::langIdFromLocaleName(const QString & localeName) {
	QString id = localeName;
	int pos = id.indexOf('_');
	if (pos != -1)
		id = id.left(pos);
	if (id.isEmpty())
		id = "en";
	return id;
}


void LanguageHandler::setLangId(const QString & langId) {
	QSettings settings(m_organization, m_program);
	settings.setValue("LangID", langId);
}


void LanguageHandler::removeTranslators() {
	// the application may already be gone when the singleton dies at exit
	if (m_appTranslator && QCoreApplication::instance() != nullptr)
		QCoreApplication::removeTranslator(m_appTranslator.get());
	m_appTranslator.reset();
	if (m_qtTranslator && QCoreApplication::instance() != nullptr)
		QCoreApplication::removeTranslator(m_qtTranslator.get());
	m_qtTranslator.reset();
}


void LanguageHandler::installTranslator(const QString & langId) {
	const char * const FUNC_ID = "[LanguageHandler::installTranslator]";
	removeTranslators();

	if (langId == "en") {
		setLangId("en");
		setDefaultLocale(QLocale::English);
		return;
	}

	progress(QString("Translation file path = '%1'.\n").arg(m_translationDir), FUNC_ID);

	const QString qtFile = "qt_" + langId;
	std::unique_ptr<QTranslator> qtTranslator(new QTranslator);
	if (qtTranslator->load(qtFile, m_translationDir)) {
		QCoreApplication::installTranslator(qtTranslator.get());
		m_qtTranslator = std::move(qtTranslator);
		progress(QString("Installing system translator using file: '%1'.\n").arg(qtFile), FUNC_ID);
	}
	else {
		progress(QString("Could not load system translator file: '%1'.\n").arg(qtFile), FUNC_ID);
	}

	std::unique_ptr<QTranslator> appTranslator(new QTranslator);
	if (appTranslator->load(m_langFilePrefix + "_" + langId, m_translationDir)) {
		progress(QString("Installing application translator using file: '%1_%2'.\n")
				 .arg(m_langFilePrefix, langId), FUNC_ID);
		QCoreApplication::installTranslator(appTranslator.get());
		m_appTranslator = std::move(appTranslator);
		setLangId(langId);
	}
	else {
		progress(QString("Could not load application translator file: '%1_%2'.\n")
				 .arg(m_langFilePrefix, langId), FUNC_ID);
	}

	if (langId == "de")
		setDefaultLocale(QLocale::German);
}

} // namespace QtExt
