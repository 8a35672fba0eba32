#include "MonthNames.h"

#include <QFontMetrics>

MonthNames::MonthNames() {
	const char * const names[12] = {
		QT_TR_NOOP("January"), QT_TR_NOOP("February"), QT_TR_NOOP("March"), QT_TR_NOOP("April"),
		QT_TR_NOOP("May"), QT_TR_NOOP("June"), QT_TR_NOOP("July"), QT_TR_NOOP("August"),
		QT_TR_NOOP("September"), QT_TR_NOOP("October"), QT_TR_NOOP("November"), QT_TR_NOOP("December")
	};
	const char * const shortNames[12] = {
		QT_TR_NOOP("Jan"), QT_TR_NOOP("Feb"), QT_TR_NOOP("Mar"), QT_TR_NOOP("Apr"),
		QT_TR_NOOP("May"), QT_TR_NOOP("Jun"), QT_TR_NOOP("Jul"), QT_TR_NOOP("Aug"),
		QT_TR_NOOP("Sep"), QT_TR_NOOP("Oct"), QT_TR_NOOP("Nov"), QT_TR_NOOP("Dec")
	};
	for (int i = 0; i < 12; ++i) {
		m_long[i] = tr(names[i]);
		m_short[i] = tr(shortNames[i]);
	}
}


const QString * MonthNames::fitting(const QFontMetrics & fm, int width) const {
	for (const QString & name : m_long)
		if (fm.boundingRect(name).width() > width)
			return m_short;
	return m_long;
}
