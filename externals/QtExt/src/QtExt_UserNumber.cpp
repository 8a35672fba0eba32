#include "QtExt_UserNumber.h"

#include <cmath>

#include <QCoreApplication>
#include <QRegularExpression>

namespace QtExt {

namespace {

/*! True for a text of digit groups joined by \a sep, each group after the first of exactly
	three digits, with an optional sign: "1.000", "-12.500", "1.000.000". */
bool looksGrouped(const QString & text, QChar sep) {
	const QString s = QRegularExpression::escape(QString(sep));
	const QRegularExpression re(QStringLiteral("^[+-]?\\d{1,3}(%1\\d{3})+([^\\d].*)?$").arg(s));
	return re.match(text).hasMatch();
}

} // namespace


UserNumberStatus parseUserNumber(const QString & text, double & value, const QLocale & locale) {
	const QString t = text.trimmed();
	if (t.isEmpty())
		return UserNumberStatus::Invalid;
	// a '.' grouping locale reads "1.000" as 1000 and the fallback as 1: refuse both readings
	if (locale.groupSeparator() == QLatin1Char('.') && looksGrouped(t, QLatin1Char('.')))
		return UserNumberStatus::AmbiguousGrouping;
	bool ok = false;
	double v = locale.toDouble(t, &ok);
	if (!ok)
		v = QLocale::c().toDouble(t, &ok);
	if (!ok || !std::isfinite(v))
		return UserNumberStatus::Invalid;
	value = v;
	return UserNumberStatus::Valid;
}


bool readUserNumber(const QString & text, double & value, const QLocale & locale) {
	return parseUserNumber(text, value, locale) == UserNumberStatus::Valid;
}


QString ambiguousGroupingMessage(const QString & text, const QLocale & locale) {
	QString t = text.trimmed();
	QString grouped = t;
	grouped.remove(locale.groupSeparator());
	QString decimal = t;
	decimal.replace(locale.groupSeparator(), locale.decimalPoint());
	return QCoreApplication::translate("QtExt::UserNumber",
		"Ambiguous number '%1': write '%2' for the thousands or '%3' for the decimal value.")
			.arg(t, grouped, decimal);
}

} // namespace QtExt
