#include "Sci_LegendItem.h"

namespace SCI {

LegendItem::LegendItem() {
	setMargin(4);
	setBorderDistance(0);
}


QRect LegendItem::geometry(const QRectF & canvasRect) const {
	QRect r = QwtPlotLegendItem::geometry(canvasRect);
	const Qt::Alignment a = alignment();
	if (a & Qt::AlignLeft)
		r.translate(m_hOffset, 0);
	else if (a & Qt::AlignRight)
		r.translate(-m_hOffset, 0);
	if (a & Qt::AlignTop)
		r.translate(0, m_vOffset);
	else if (a & Qt::AlignBottom)
		r.translate(0, -m_vOffset);
	return r;
}

} // namespace SCI
