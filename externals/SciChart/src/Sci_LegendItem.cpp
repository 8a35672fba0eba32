#include "Sci_LegendItem.h"

namespace SCI {

LegendItem::LegendItem() {
	setMargin(4);
	setBorderDistance(0);
}


QRect LegendItem::geometry(const QRectF & canvasRect) const {
	QRect r = QwtPlotLegendItem::geometry(canvasRect);
	const Qt::Alignment a = alignment();
	// Qwt keeps the margin from the aligned sides: the offsets are the whole distance
	const int dx = m_hOffset - margin();
	const int dy = m_vOffset - margin();
	if (a & Qt::AlignLeft)
		r.translate(dx, 0);
	else if (a & Qt::AlignRight)
		r.translate(-dx, 0);
	if (a & Qt::AlignTop)
		r.translate(0, dy);
	else if (a & Qt::AlignBottom)
		r.translate(0, -dy);
	return r;
}

} // namespace SCI
