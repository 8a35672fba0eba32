#ifndef MonthNamesH
#define MonthNamesH

#include <QCoreApplication>
#include <QString>

class QFontMetrics;

/*! The twelve month names in the program's language, long and abbreviated, for the
	date axes of the plots. */
class MonthNames {
	Q_DECLARE_TR_FUNCTIONS(MonthNames)
public:
	/*! Translates the names in the current language. */
	MonthNames();

	/*! The long names when each fits into the given width, else the abbreviations. */
	const QString * fitting(const QFontMetrics & fm, int width) const;

	QString m_long[12];
	QString m_short[12];
};

#endif // MonthNamesH
