#include "Node.h"

#include <cmath>

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QRadialGradient>

Node::Node(QGraphicsLineItem * leftLine, QGraphicsLineItem * rightLine) :
	m_leftLine(leftLine),
	m_rightLine(rightLine)
{
	setFlag(ItemIsMovable);
	setFlag(ItemSendsGeometryChanges);
	setCacheMode(DeviceCoordinateCache);
	setZValue(5);
	setAcceptHoverEvents(true);
}


QRectF Node::boundingRect() const {
	return QRectF(-8, -8, 16, 16);
}


void Node::paint(QPainter * painter, const QStyleOptionGraphicsItem *, QWidget *) {
	painter->setPen(Qt::NoPen);
	painter->setBrush(Qt::darkGray);
	painter->drawEllipse(-4, -4, 12, 12);

	QRadialGradient gradient(-2, -2, 6);
	if (m_hovered) {
		gradient.setFocalPoint(0, 0);
		gradient.setColorAt(0, QColor(Qt::red).lighter(160));
		gradient.setColorAt(1, QColor(Qt::darkRed).lighter(160));
	}
	else {
		gradient.setColorAt(0, Qt::red);
		gradient.setColorAt(1, Qt::darkRed);
	}
	painter->setBrush(gradient);
	painter->setPen(QPen(Qt::black, 0));
	painter->drawEllipse(-6, -6, 12, 12);
}


void Node::adjustLines(const QPointF & position) {
	QLineF left = m_leftLine->line();
	left.setP2(position);
	m_leftLine->setLine(left);
	QLineF right = m_rightLine->line();
	right.setP1(position);
	m_rightLine->setLine(right);
	if (m_wrapLine != nullptr) {
		QLineF wrap = m_wrapLine->line();
		if (m_index == 0)
			wrap.setP2(QPointF(wrap.x2(), position.y()));
		else
			wrap.setP1(QPointF(wrap.x1(), position.y()));
		m_wrapLine->setLine(wrap);
	}
}


void Node::hoverEnterEvent(QGraphicsSceneHoverEvent * event) {
	m_hovered = true;
	update();
	QGraphicsItem::hoverEnterEvent(event);
}


void Node::hoverLeaveEvent(QGraphicsSceneHoverEvent * event) {
	m_hovered = false;
	update();
	QGraphicsItem::hoverLeaveEvent(event);
}


QVariant Node::itemChange(GraphicsItemChange change, const QVariant & value) {
	if (change != ItemPositionChange || scene() == nullptr)
		return QGraphicsItem::itemChange(change, value);

	QPointF p = value.toPointF();
	if (m_programMove) {
		adjustLines(p);
		return QGraphicsItem::itemChange(change, value);
	}
	if (std::fabs(p.x() - pos().x()) <= 1e-12 && std::fabs(p.y() - pos().y()) <= 1e-12)
		return QGraphicsItem::itemChange(change, value);

	// only vertical moves, inside the plot area of this node's own editor
	p.setX(pos().x());
	if (m_dragArea) {
		const QRectF area = m_dragArea();
		if (p.y() > area.bottom())
			p.setY(area.bottom());
		if (p.y() < area.top())
			p.setY(area.top());
	}
	adjustLines(p);
	if (m_dragged)
		m_dragged(this, p);
	return p;
}
