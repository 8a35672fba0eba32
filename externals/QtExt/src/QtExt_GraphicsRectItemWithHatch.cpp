#include "QtExt_GraphicsRectItemWithHatch.h"

#include <algorithm>

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include "QtExt_RectHatchingFunctions.h"

namespace QtExt {

GraphicsRectItemWithHatch::GraphicsRectItemWithHatch(const QRectF & rect, int hatchingType,
													 int hatchingDistance, QGraphicsItem * parent) :
	QGraphicsRectItem(rect, parent),
	m_hatchingType(hatchingType),
	m_hatchingDistance(hatchingDistance)
{
}


GraphicsRectItemWithHatch::~GraphicsRectItemWithHatch() = default;


void GraphicsRectItemWithHatch::setHatchPen(const QPen & pen) {
	m_hatchPen = pen;
	update(boundingRect());
}


void GraphicsRectItemWithHatch::paint(QPainter * painter, const QStyleOptionGraphicsItem * option,
									  QWidget * widget)
{
	// no built-in selection frame: the thick outline below replaces it
	QStyleOptionGraphicsItem plain(*option);
	plain.state = QStyle::State_None;
	QGraphicsRectItem::paint(painter, &plain, widget);

	// the hatching goes over the fill, else a solid layer colour would hide it
	if (m_hatchingType != 0) {
		painter->save();
		painter->setPen(m_hatchPen);
		painter->setBrush(QBrush(Qt::black, Qt::SolidPattern));
		drawHatching(painter, rect(), m_hatchingType, m_hatchingDistance);
		painter->restore();
	}

	if (option->state & QStyle::State_Selected) {
		painter->save();
		QPen p = pen();
		p.setWidthF(3 * std::max(1.0, pen().widthF()));
		p.setColor(Qt::black);
		painter->setPen(p);
		painter->setBrush(Qt::NoBrush);
		painter->drawRect(rect());
		painter->restore();
	}
}

} // namespace QtExt
