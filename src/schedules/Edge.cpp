#include "Edge.h"

Edge::Edge(double x1, double y, double x2) :
	QGraphicsLineItem(x1, y, x2, y)
{
}


void Edge::paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) {
}
