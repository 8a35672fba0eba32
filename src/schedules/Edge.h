#ifndef EdgeH
#define EdgeH

#include <QGraphicsLineItem>

/*! Invisible link between two neighbouring hour handles; only carries the end points
	that the handles keep up to date. */
class Edge : public QGraphicsLineItem {
public:
	/*! Horizontal line from (x1, y) to (x2, y). */
	Edge(double x1, double y, double x2);

	void paint(QPainter * painter, const QStyleOptionGraphicsItem * option, QWidget * widget) override;
};

#endif // EdgeH
