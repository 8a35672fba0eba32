#include "QtExt_UserNumber.h"

#include <cmath>

#include <QCoreApplication>
#include <QRegularExpression>

namespace QtExt {

namespace {

/*! True for a text that a grouping with \a sep could have written: digit groups joined by
	\a sep, each group after the first of exactly three digits, with an optional sign, then
	at most a decimal part with \a decimal and an exponent: "1.000", "-12.500", "1.000.000",
	"1.000,5". A first group "0" or one with a leading zero ("0.035", "-0.250", "01.000") is
	no grouping, neither is a fourth digit after a group ("1.0000") nor any other tail
	("1.000.5", "1.000 m"). */
bool looksGrouped(const QString & text, QChar sep, QChar decimal) {
	const QString s = QRegularExpression::escape(QString(sep));
	const QString d = QRegularExpression::escape(QString(decimal));
	const QRegularExpression re(QStringLiteral("^[+-]?[1-9]\\d{0,2}(%1\\d{3})+(%2\\d*)?([eE][+-]?\\d+)?$").arg(s, d));
	return re.match(text).hasMatch();
}

/*! The grouped reading of \a t: the group separators dropped. */
QString withoutGroups(const QString & t, const QLocale & locale) {
	QString s = t;
	s.remove(locale.groupSeparator());
	return s;
}

/*! True when the locale reads \a t as a grouped number, i.e. the text without its
	separators is a number of the locale. */
bool readsAsGrouped(const QString & t, const QLocale & locale) {
	if (locale.groupSeparator() != QLatin1Char('.') || !looksGrouped(t, QLatin1Char('.'), locale.decimalPoint()))
		return false;
	bool ok = false;
	const double v = locale.toDouble(withoutGroups(t, locale), &ok);
	return ok && std::isfinite(v);
}

/*! The fallback reading: '.' as decimal point and no group separators ("1,000" is no number). */
bool readWithPoint(const QString & t, double & value) {
	QLocale c = QLocale::c();
	c.setNumberOptions(QLocale::RejectGroupSeparator);
	bool ok = false;
	value = c.toDouble(t, &ok);
	return ok;
}

} // namespace


UserNumberStatus parseUserNumber(const QString & text, double & value, const QLocale & locale) {
	const QString t = text.trimmed();
	if (t.isEmpty())
		return UserNumberStatus::Invalid;
	// a '.' grouping locale reads "1.000" as 1000 and the fallback as 1: refuse both readings
	if (readsAsGrouped(t, locale))
		return UserNumberStatus::AmbiguousGrouping;
	bool ok = false;
	double v = locale.toDouble(t, &ok);
	if (!ok)
		ok = readWithPoint(t, v);
	if (!ok || !std::isfinite(v))
		return UserNumberStatus::Invalid;
	value = v;
	return UserNumberStatus::Valid;
}


bool readUserNumber(const QString & text, double & value, const QLocale & locale) {
	return parseUserNumber(text, value, locale) == UserNumberStatus::Valid;
}


QString ambiguousGroupingMessage(const QString & text, const QLocale & locale) {
	const QString t = text.trimmed();
	const QString grouped = withoutGroups(t, locale);
	// the decimal reading exists only where the '.' fallback reads the text ("1.000", not "1.000.000")
	double v;
	if (!readWithPoint(t, v))
		return QCoreApplication::translate("QtExt::UserNumber",
			"Ambiguous number '%1': write '%2' without the thousands separator.").arg(t, grouped);
	QString decimal = t;
	decimal.replace(QLatin1Char('.'), locale.decimalPoint());
	return QCoreApplication::translate("QtExt::UserNumber",
		"Ambiguous number '%1': write '%2' for the thousands or '%3' for the decimal value.")
			.arg(t, grouped, decimal);
}


QString notANumberMessage(const QString & text, const QLocale & locale) {
	const QString t = text.trimmed();
	QLocale plain = locale;
	plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
	const QString example = plain.toString(1234.5, 'f', 1);
	if (locale.decimalPoint() == QLatin1Char('.'))
		return QCoreApplication::translate("QtExt::UserNumber",
			"'%1' is not a number: write it with '.' as decimal point and without thousands separator, e.g. '%2'.")
				.arg(t, example);
	return QCoreApplication::translate("QtExt::UserNumber",
		"'%1' is not a number: write it with '%2' or '.' as decimal point and without thousands separator, e.g. '%3'.")
			.arg(t, QString(locale.decimalPoint()), example);
}


QString refusedNumberMessage(const QString & text, const QLocale & locale) {
	double v;
	switch (parseUserNumber(text, v, locale)) {
		case UserNumberStatus::Valid: return QString();
		case UserNumberStatus::AmbiguousGrouping: return ambiguousGroupingMessage(text, locale);
		case UserNumberStatus::Invalid: break;
	}
	return notANumberMessage(text, locale);
}

} // namespace QtExt
