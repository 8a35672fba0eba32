#include "GainLossAxisScaleDraw.h"

#include <QPainter>
#include <QPalette>

#include "PlotStyle.h"

void GainLossAxisScaleDraw::drawLabel(QPainter * /*painter*/, double /*value*/) const {
}


void GainLossAxisScaleDraw::draw(QPainter * painter, const QPalette & palette) const {
	QwtScaleDraw::draw(painter, palette);
	const QString labels[2] = { tr("Gains"), tr("Losses") };
	PlotStyle::drawSlotLabels(this, painter, palette, labels, 2, 4);
}
