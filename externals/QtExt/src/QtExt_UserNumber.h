#ifndef QtExt_UserNumberH
#define QtExt_UserNumberH

#include <QLocale>
#include <QString>

namespace QtExt {

/*! How a text typed by the user reads as a number. */
enum class UserNumberStatus {
	/*! A finite number in the locale or with '.' as decimal point. */
	Valid,
	/*! Not a number (or not finite). */
	Invalid,
	/*! Under a locale that groups with '.', a text such as "1.000" or "12.500": the locale
		would read a thousands group, the '.' fallback a decimal point. Neither is taken. */
	AmbiguousGrouping
};

/*! Reads a number typed by the user: first in \a locale, then with '.' as decimal point
	(so "12.5" also works under German). A text that a locale grouping with '.' could read as
	a grouped number ("1.000", "12.500", "1.000.000") is refused as ambiguous.
	Leading and trailing blanks are ignored. \a value is written only for Valid. */
UserNumberStatus parseUserNumber(const QString & text, double & value, const QLocale & locale = QLocale());

/*! Convenience: true and \a value set when parseUserNumber() gives Valid. */
bool readUserNumber(const QString & text, double & value, const QLocale & locale = QLocale());

/*! Tool tip for an ambiguous grouped number \a text: names both unambiguous ways to write it,
	e.g. "1000" and "1,000" for "1.000" under German. */
QString ambiguousGroupingMessage(const QString & text, const QLocale & locale = QLocale());

/*! Tool tip for a text that is no number at all: names the plain forms the reader takes
	(the locale's decimal point or '.', no thousands separator). */
QString notANumberMessage(const QString & text, const QLocale & locale = QLocale());

/*! Why \a text is refused as a number: the message of its status (empty for a valid text). */
QString refusedNumberMessage(const QString & text, const QLocale & locale = QLocale());

} // namespace QtExt

#endif // QtExt_UserNumberH
