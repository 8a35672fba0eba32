#ifndef QtExt_LanguageHandlerH
#define QtExt_LanguageHandlerH

#include <memory>

#include <QLocale>
#include <QString>

class QTranslator;

namespace QtExt {

/*! Chooses the user-interface language and installs the matching translators.

	Process-wide singleton. setup() must be called once before any other use.
	The persistent choice is the settings value "LangID" under the configured
	organisation and program name.
*/
class LanguageHandler {
public:
	/*! The process-wide instance, created on first use. */
	static LanguageHandler & instance();

	/*! Stores the configuration: settings organisation and program name,
		translation directory and translation file prefix (file stem). */
	static void setup(const QString & organization, const QString & program,
					  const QString & translationDir, const QString & langFilePrefix);

	/*! Current language ID: stored choice, else the system locale's language, else "en". */
	static QString langId();

	/*! Language ID of a locale name: the part before the first '_', "en" for an empty name. */
	static QString langIdFromLocaleName(const QString & localeName);

	/*! Stores a new choice; takes effect with the next installTranslator() call. */
	static void setLangId(const QString & langId);
	/*! Default locale for number conversions of the language: no group separators written
		or accepted (as installTranslator() sets it). */
	static void setDefaultLocale(QLocale::Language lang);

	/*! Removes installed translators and installs those for langId. */
	void installTranslator(const QString & langId);

	~LanguageHandler();
	LanguageHandler(const LanguageHandler &) = delete;
	LanguageHandler & operator=(const LanguageHandler &) = delete;

private:
	LanguageHandler();

	void removeTranslators();

	static QString m_organization;
	static QString m_program;
	static QString m_translationDir;
	static QString m_langFilePrefix;

	/*! Translator for the application's own texts. */
	std::unique_ptr<QTranslator>	m_appTranslator;
	/*! Translator for the Qt library's texts. */
	std::unique_ptr<QTranslator>	m_qtTranslator;
};

} // namespace QtExt

#endif // QtExt_LanguageHandlerH
