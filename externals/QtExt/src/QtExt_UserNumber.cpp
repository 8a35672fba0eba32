#include "QtExt_UserNumber.h"

#include <cmath>

#include <QCoreApplication>
#include <QRegularExpression>

namespace QtExt {

namespace {

/*! True for a text that starts with digit groups joined by \a sep, each group after the
	first of exactly three digits, with an optional sign: "1.000", "-12.500", "1.000.000",
	"1.000,5". A fourth digit after a group ("1.0000") is no grouping. */
bool looksGrouped(const QString & text, QChar sep) {
	const QString s = QRegularExpression::escape(QString(sep));
	const QRegularExpression re(QStringLiteral("^[+-]?\\d{1,3}(%1\\d{3})+(\\D.*)?$").arg(s));
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
	if (locale.groupSeparator() != QLatin1Char('.') || !looksGrouped(t, QLatin1Char('.')))
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

} // namespace QtExt
