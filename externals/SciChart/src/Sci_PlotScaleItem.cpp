#include "Sci_PlotScaleItem.h"

#include <qwt_scale_map.h>

#include "Sci_ScaleDraw.h"

namespace SCI {

PlotScaleItem::PlotScaleItem(QwtScaleDraw::Alignment alignment) :
	QwtPlotScaleItem(alignment, 0)
{
	// a scale draw whose ticks can print thinner than one whole pen unit
	QwtScaleDraw * sd = new ScaleDraw;
	sd->setAlignment(alignment);
	setScaleDraw(sd);
	sd->enableComponent(QwtAbstractScaleDraw::Backbone, false);
	sd->enableComponent(QwtAbstractScaleDraw::Labels, false);
	sd->setPenWidth(1);
}


void PlotScaleItem::draw(QPainter * painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
						 const QRectF & canvasRect) const
{
	// draw() is const while setPosition is not; the position is derived state of the canvas
	PlotScaleItem * self = const_cast<PlotScaleItem *>(this);
	double pos = 0;
	switch (scaleDraw()->alignment()) {
		case QwtScaleDraw::BottomScale:	pos = yMap.invTransform(canvasRect.top() + 0.01); break;
		case QwtScaleDraw::TopScale:	pos = yMap.invTransform(canvasRect.bottom() - 1); break;
		case QwtScaleDraw::LeftScale:	pos = xMap.invTransform(canvasRect.right() - 1); break;
		case QwtScaleDraw::RightScale:	pos = xMap.invTransform(canvasRect.left() + 0.01); break;
	}
	self->setPosition(pos);
	QwtPlotScaleItem::draw(painter, xMap, yMap, canvasRect);
}

} // namespace SCI
