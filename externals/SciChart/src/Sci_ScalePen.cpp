#include "Sci_ScalePen.h"

#include <QPainter>

namespace SCI {

ScalePen::~ScalePen() = default;


void ScalePen::applyPenWidthF(QPainter * painter) const {
	if (m_penWidthF <= 0)
		return;
	QPen pen = painter->pen();
	if (pen.widthF() == m_penWidthF)
		return;
	pen.setWidthF(m_penWidthF);
	painter->setPen(pen);
}

} // namespace SCI
