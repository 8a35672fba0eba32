#include "Sci_Overlay.h"

#include "Sci_LegendItemMover.h"

namespace SCI {

Overlay::Overlay(QWidget * canvas, LegendItemMover * mover) :
	QwtWidgetOverlay(canvas),
	m_mover(mover)
{
	setMaskMode(QwtWidgetOverlay::MaskHint);
}


void Overlay::drawOverlay(QPainter * painter) const {
	m_mover->drawOverlay(painter);
}


QRegion Overlay::maskHint() const {
	return m_mover->maskHint();
}

} // namespace SCI
