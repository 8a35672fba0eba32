#ifndef DailyCycleInputWidgetH
#define DailyCycleInputWidgetH

#include <limits>
#include <vector>

#include <QList>
#include <QRectF>
#include <QWidget>

class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsScene;
class QGraphicsTextItem;
class QGraphicsView;
class QTableWidget;
class QTableWidgetItem;
class Edge;
class Node;

/*! Editor of the 24 hourly values of a day profile: a graph whose hour handles are dragged
	up and down, and a table of the values. Every user change emits valueChanged(). */
class DailyCycleInputWidget : public QWidget {
	Q_OBJECT
public:
	explicit DailyCycleInputWidget(QWidget * parent = nullptr);

	/*! Unit and value range; builds the graph. Call once before the other functions.
		A typed value below minValue is refused, its cell marked with belowMinimumMessage. */
	void setup(const QString & unit, double minValue, double maxValue,
			   const QString & belowMinimumMessage = QString());
	/*! Shows 24 values as they are (no edit: nothing is emitted). */
	void setValues(const std::vector<double> & values);
	const std::vector<double> & values() const { return m_values; }
	/*! Highest value accepted in typed and dragged values; a typed value above it is refused,
		marked with the message of setup(). */
	void setUpperLimit(double upperLimit) { m_upperLimit = upperLimit; }
	/*! Name of the table in messages about its cells. */
	void setName(const QString & name);
	/*! Upper end of the configured range; values above it still widen the axis. */
	void setMaximumValue(double maxValue);

	double axisMinimum() const { return m_axisMinimum; }
	double axisMaximum() const { return m_axisMaximum; }
	/*! Plot area of this editor in scene coordinates. */
	QRectF plotArea() const { return m_plotArea; }

	/*! Called by a node while the user drags it. */
	void nodeMoved(Node * node, const QPointF & position);

signals:
	void valueChanged();

public slots:
	void tableValueEdited(QTableWidgetItem * item);

protected:
	void resizeEvent(QResizeEvent * event) override;
	void showEvent(QShowEvent * event) override;
	/*! Lays the graph out again when the view alone changes its size (the table beside it
		can take or give back width and height without this widget being resized). */
	bool eventFilter(QObject * watched, QEvent * event) override;

private:
	/*! The unit, elided to the given width (in scene units) when it is longer. */
	void setUnitLabelText(double maxWidth);
	void layoutGraph();
	void createItems();
	void positionHourItems();
	void updateAxisRange();
	/*! Height of value v, clamped into the axis range if clamp is set. */
	double yOfValue(double v, bool clamp) const;
	/*! Value of height y, rounded to two decimals and clamped into the axis range. */
	double valueOfY(double y) const;
	double slotWidth() const;
	/*! Marks a refused cell (red, message as tool tip); an empty message clears the mark. */
	void markRefused(QTableWidgetItem * item, const QString & message);

	QString						m_unit = "C";
	QString						m_belowMinimumMessage;
	std::vector<double>			m_values = std::vector<double>(24, 18.0);
	double						m_axisMinimum = 10;
	double						m_axisMaximum = 20;
	double						m_minimumValue = 10;
	double						m_maximumValue = 20;
	double						m_upperLimit = std::numeric_limits<double>::max();
	QTableWidget *				m_table = nullptr;
	QGraphicsView *				m_view = nullptr;
	QGraphicsScene *			m_scene = nullptr;
	QGraphicsRectItem *			m_frame = nullptr;
	QList<QGraphicsRectItem *>	m_hourSlots;
	QList<QGraphicsRectItem *>	m_bars;
	QList<QGraphicsLineItem *>	m_valueLines;
	QList<Edge *>				m_edges;
	QList<Node *>				m_nodes;
	QList<QGraphicsTextItem *>	m_hourLabels;
	QList<QGraphicsTextItem *>	m_axisLabels;
	QGraphicsTextItem *			m_unitLabel = nullptr;
	/*! Set while the widget places nodes itself, so these moves are no user edits. */
	bool						m_positioning = true;
	/*! Margins right and below the plot area, from this editor's own font. */
	int							m_rightMargin = 20;
	int							m_bottomMargin = 25;
	/*! The plot area of the last layout pass; each editor keeps its own. */
	QRectF						m_plotArea;
};

#endif // DailyCycleInputWidgetH
