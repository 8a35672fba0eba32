#ifndef QtExt_GraphicsRectItemWithHatchH
#define QtExt_GraphicsRectItemWithHatchH

#include <QGraphicsRectItem>
#include <QPen>

namespace QtExt {

/*! Layer rectangle of a construction drawing: filled, optionally hatched, and outlined
	with a thick black frame while selected. Keeps the item type of QGraphicsRectItem.
*/
class GraphicsRectItemWithHatch : public QGraphicsRectItem {
public:
	GraphicsRectItemWithHatch(const QRectF & rect, int hatchingType, int hatchingDistance,
							  QGraphicsItem * parent = nullptr);
	~GraphicsRectItemWithHatch() override;

	/*! Pen of the hatch lines; schedules a repaint. */
	void setHatchPen(const QPen & pen);
	const QPen & hatchPen() const { return m_hatchPen; }
	int hatchingType() const { return m_hatchingType; }
	int hatchingDistance() const { return m_hatchingDistance; }

	void paint(QPainter * painter, const QStyleOptionGraphicsItem * option, QWidget * widget) override;

private:
	int		m_hatchingType;
	/*! Line spacing in pixels. */
	int		m_hatchingDistance;
	QPen	m_hatchPen = QPen(Qt::black, 1, Qt::SolidLine);
};

} // namespace QtExt

#endif // QtExt_GraphicsRectItemWithHatchH
