#ifndef Sci_LegendItemMoverH
#define Sci_LegendItemMoverH

#include <QObject>
#include <QPointer>
#include <QRegion>

class QMouseEvent;
class QPainter;
class QwtPlot;

namespace SCI {

class LegendItem;
class Overlay;
class PlotPicker;

/*! Event filter on the chart canvas that drags the in-canvas legend and snaps it to the
	nearest corner on release, storing corner and edge distances in the chart model. */
class LegendItemMover : public QObject {
	Q_OBJECT
public:
	LegendItemMover(QwtPlot * parent, PlotPicker * picker);
	~LegendItemMover() override;

	bool eventFilter(QObject * object, QEvent * event) override;

	PlotPicker * picker() const { return m_picker; }
	/*! True while a legend is dragged. */
	bool isDragging() const { return m_item != nullptr; }
	Overlay * overlay() const;

	/*! Draws the dragged item; called by the overlay. */
	void drawOverlay(QPainter * painter) const;
	/*! The dragged item's area, one pixel wider and higher; empty when idle. */
	QRegion maskHint() const;

private:
	QwtPlot * plot() const;
	bool pressed(const QMouseEvent * e);
	void moved(const QMouseEvent * e);
	void released();
	LegendItem * itemAt(const QPoint & pos) const;
	void setItemVisible(bool visible);

	QPointer<Overlay>	m_overlay;
	LegendItem *		m_item = nullptr;
	double				m_lastX = 0;
	double				m_lastY = 0;
	PlotPicker *		m_picker;
};

} // namespace SCI

#endif // Sci_LegendItemMoverH
