#ifndef NodeH
#define NodeH

#include <functional>

#include <QGraphicsItem>

/*! Drag handle of one hour in the daily-cycle editor: moves only vertically, stays inside
	the plot area of its editor and keeps the lines to its neighbours attached. */
class Node : public QGraphicsItem {
public:
	enum { Type = UserType + 23 };

	Node(QGraphicsLineItem * leftLine, QGraphicsLineItem * rightLine);

	int type() const override { return Type; }
	QRectF boundingRect() const override;
	void paint(QPainter * painter, const QStyleOptionGraphicsItem * option, QWidget * widget) override;

	/*! Moves the ends of the neighbouring lines (and of the wrap line) to position. */
	void adjustLines(const QPointF & position);

	/*! Set while the editor places the node: a position change then only moves the lines. */
	bool				m_programMove = true;
	/*! Edge at the other end of the day whose far end follows this node (hours 0 and 23). */
	QGraphicsLineItem *	m_wrapLine = nullptr;
	/*! Hour of the day, 0..23. */
	int					m_index = -1;
	/*! Area a dragged node stays in (the editor's plot area); unset: no limit. */
	std::function<QRectF()>							m_dragArea;
	/*! Told of every position the user drags the node to. */
	std::function<void(Node *, const QPointF &)>	m_dragged;

protected:
	void hoverEnterEvent(QGraphicsSceneHoverEvent * event) override;
	void hoverLeaveEvent(QGraphicsSceneHoverEvent * event) override;
	QVariant itemChange(GraphicsItemChange change, const QVariant & value) override;

private:
	QGraphicsLineItem *	m_leftLine;
	QGraphicsLineItem *	m_rightLine;
	bool				m_hovered = false;
};

#endif // NodeH
