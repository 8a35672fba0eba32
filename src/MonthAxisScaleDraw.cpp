#include "MonthAxisScaleDraw.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "PlotStyle.h"

MonthAxisScaleDraw::MonthAxisScaleDraw() {
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
		m_monthNames[i] = tr(names[i]);
		m_shortMonthNames[i] = tr(shortNames[i]);
	}
}


void MonthAxisScaleDraw::drawLabel(QPainter * /*painter*/, double /*value*/) const {
}


const QString * MonthAxisScaleDraw::monthNames(const QFontMetrics & fm, int slotWidth) const {
	for (const QString & name : m_monthNames)
		if (fm.boundingRect(name).width() > slotWidth)
			return m_shortMonthNames;
	return m_monthNames;
}


void MonthAxisScaleDraw::draw(QPainter * painter, const QPalette & palette) const {
	QwtScaleDraw::draw(painter, palette);
	const int slotWidth = int(labelPosition(1).x() - labelPosition(0).x());
	PlotStyle::drawSlotLabels(this, painter, palette, monthNames(painter->fontMetrics(), slotWidth), 12, 5);
}
