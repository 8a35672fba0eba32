#include "Sci_ScaleDraw.h"

namespace SCI {

void ScaleDraw::drawTick(QPainter * painter, double value, double len) const {
	applyPenWidthF(painter);
	QwtScaleDraw::drawTick(painter, value, len);
}


void ScaleDraw::drawBackbone(QPainter * painter) const {
	applyPenWidthF(painter);
	QwtScaleDraw::drawBackbone(painter);
}

} // namespace SCI
