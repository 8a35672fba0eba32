#include "MonthAxisScaleDraw.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "PlotStyle.h"

void MonthAxisScaleDraw::drawLabel(QPainter * /*painter*/, double /*value*/) const {
}


const QString * MonthAxisScaleDraw::monthNames(const QFontMetrics & fm, int slotWidth) const {
	return m_months.fitting(fm, slotWidth);
}


void MonthAxisScaleDraw::draw(QPainter * painter, const QPalette & palette) const {
	QwtScaleDraw::draw(painter, palette);
	const int slotWidth = int(labelPosition(1).x() - labelPosition(0).x());
	PlotStyle::drawSlotLabels(this, painter, palette, monthNames(painter->fontMetrics(), slotWidth), 12, 5);
}
