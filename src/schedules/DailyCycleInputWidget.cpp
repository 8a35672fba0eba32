#include "DailyCycleInputWidget.h"

#include <algorithm>
#include <cmath>

#include <QBrush>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLinearGradient>
#include <QLocale>
#include <QPen>
#include <QTextDocument>
#include <QScrollBar>
#include <QTableWidget>

#include <QtExt_UserNumber.h>

#include "Edge.h"
#include "Node.h"
#include "UnkeptInput.h"

namespace {
const double LEFT = 50;
const double TOP = 10;
// smallest scale of the unit label that stays readable
const double MIN_UNIT_SCALE = 0.6;
}


DailyCycleInputWidget::DailyCycleInputWidget(QWidget * parent) :
	QWidget(parent)
{
	QHBoxLayout * lay = new QHBoxLayout(this);
	lay->setContentsMargins(0, 0, 0, 0);
	m_view = new QGraphicsView(this);
	m_table = new QTableWidget(this);
	lay->addWidget(m_view, 1);
	lay->addWidget(m_table);

	m_view->setMinimumSize(350, 130);
	m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
	m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
	m_view->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
	m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);

	m_table->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
	m_table->setRowCount(24);
	m_table->setColumnCount(2);
	m_table->horizontalHeader()->hide();
	m_table->verticalHeader()->hide();
	const QFontMetrics fm(m_table->font());
	m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
	m_table->verticalHeader()->setDefaultSectionSize(fm.lineSpacing());
	m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
	const int a = std::max(40, fm.horizontalAdvance("100:00"));
	m_table->horizontalHeader()->resizeSection(0, a);
	m_table->horizontalHeader()->setStretchLastSection(true);
	m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
	const int tableWidth = 2*a + m_table->verticalScrollBar()->sizeHint().width();
	m_table->setMinimumWidth(tableWidth);
	m_table->setMaximumWidth(tableWidth);
	for (int i = 0; i < 24; ++i) {
		QTableWidgetItem * item = new QTableWidgetItem(tr("%1:00").arg(i, 2, 10, QChar('0')));
		item->setTextAlignment(Qt::AlignCenter);
		item->setFlags(Qt::ItemIsEnabled);
		m_table->setItem(i, 0, item);
	}

	// margins for the hour labels right of and below the plot area
	m_rightMargin = std::max(m_rightMargin, fm.horizontalAdvance("24:00")/2 + 15);
	m_bottomMargin = std::max(m_bottomMargin, 2*int(1.2*fm.lineSpacing()));

	connect(m_table, &QTableWidget::itemChanged, this, &DailyCycleInputWidget::tableValueEdited);

	m_scene = new QGraphicsScene(this);
	m_view->setScene(m_scene);
	const double w = m_view->width() - LEFT - m_rightMargin;
	const double p = m_view->height() - TOP - m_bottomMargin;
	m_plotArea = QRectF(LEFT, TOP, w, p);
	m_frame = m_scene->addRect(m_plotArea, QPen(Qt::black), Qt::NoBrush);
	m_frame->setZValue(0);
	m_positioning = false;
	m_view->installEventFilter(this);
}


void DailyCycleInputWidget::setup(const QString & unit, double minValue, double maxValue,
								   const QString & belowMinimumMessage)
{
	m_belowMinimumMessage = belowMinimumMessage;
	m_axisMinimum = m_minimumValue = minValue;
	m_axisMaximum = m_maximumValue = maxValue;
	m_unit = unit;
	m_table->setHorizontalHeaderLabels(QStringList() << tr("Time") << unit);
	layoutGraph();
}


void DailyCycleInputWidget::setValues(const std::vector<double> & values) {
	m_values = values;
	m_values.resize(24, 0.0);
	{
		// showing values is no edit: a cell left selected must not take another hour's value
		const QSignalBlocker block(m_table);
		for (int i = 0; i < 24; ++i) {
			QTableWidgetItem * item = new QTableWidgetItem(tr("%L1").arg(m_values[size_t(i)]));
			item->setTextAlignment(Qt::AlignCenter);
			m_table->setItem(i, 1, item);
		}
	}
	updateAxisRange();
	positionHourItems();
}


void DailyCycleInputWidget::setName(const QString & name) {
	m_table->setAccessibleName(name);
}


void DailyCycleInputWidget::setMaximumValue(double maxValue) {
	if (maxValue == m_maximumValue)
		return;
	m_axisMaximum = m_maximumValue = maxValue;
	updateAxisRange();
	layoutGraph();
}


void DailyCycleInputWidget::nodeMoved(Node * node, const QPointF & position) {
	if (m_positioning)
		return;
	m_table->clearSelection();
	const double v = std::min(valueOfY(position.y()), m_upperLimit);
	const size_t i = size_t(node->m_index);
	if (v != m_values[i]) {
		m_values[i] = v;
		QTableWidgetItem * item = m_table->item(int(i), 1);
		if (item != nullptr) {
			const QSignalBlocker block(m_table);
			item->setText(tr("%L1").arg(v));
		}
		emit valueChanged();
	}
	if (m_bars.isEmpty())
		return;
	const double y = yOfValue(v, false);
	const double s = slotWidth();
	m_bars[int(i)]->setRect(0, y, s, m_plotArea.bottom() - y);
	m_valueLines[int(i)]->setLine(0, y, s, y);
}


void DailyCycleInputWidget::tableValueEdited(QTableWidgetItem * item) {
	if (item == nullptr || item->column() != 1)
		return;
	const int r = item->row();
	double v = 0;
	const QtExt::UserNumberStatus status = QtExt::parseUserNumber(item->text(), v);
	// a refused text stays visible, marked with its reason, and the hour keeps its value
	if (status != QtExt::UserNumberStatus::Valid) {
		markRefused(item, QtExt::refusedNumberMessage(item->text()));
		return;
	}
	if (v < m_minimumValue) {
		markRefused(item, m_belowMinimumMessage.isEmpty()
			? tr("Values below %L1 are not accepted.").arg(m_minimumValue) : m_belowMinimumMessage);
		return;
	}
	if (v > m_upperLimit) {
		markRefused(item, m_belowMinimumMessage.isEmpty()
			? tr("Values above %L1 are not accepted.").arg(m_upperLimit) : m_belowMinimumMessage);
		return;
	}
	markRefused(item, QString());
	if (v != m_values[size_t(r)]) {
		m_values[size_t(r)] = v;
		updateAxisRange();
		emit valueChanged();
	}
	// a value typed into one cell of a selection goes to all selected hours
	QList<QTableWidgetItem *> others;
	for (QTableWidgetItem * sel : m_table->selectedItems())
		if (sel != item && sel->column() == 1)
			others.append(sel);
	m_table->clearSelection();
	for (QTableWidgetItem * other : others)
		other->setText(tr("%L1").arg(v));
}


void DailyCycleInputWidget::markRefused(QTableWidgetItem * item, const QString & message) {
	const QSignalBlocker block(m_table);
	if (message.isEmpty()) {
		item->setData(Qt::BackgroundRole, QVariant());
		item->setData(Qt::ToolTipRole, QVariant());
	}
	else {
		item->setBackground(QColor("#ff7777"));
		item->setToolTip(message);
	}
	item->setData(UnkeptInput::RefusedTextRole, message.isEmpty() ? QVariant() : QVariant(message));
}


void DailyCycleInputWidget::resizeEvent(QResizeEvent * event) {
	if (event != nullptr)
		QWidget::resizeEvent(event);
	layoutGraph();
}


bool DailyCycleInputWidget::eventFilter(QObject * watched, QEvent * event) {
	if (watched == m_view && event->type() == QEvent::Resize)
		layoutGraph();
	return QWidget::eventFilter(watched, event);
}


void DailyCycleInputWidget::showEvent(QShowEvent * event) {
	QWidget::showEvent(event);
	layoutGraph();
}


double DailyCycleInputWidget::slotWidth() const {
	return m_plotArea.width()/24;
}


double DailyCycleInputWidget::yOfValue(double v, bool clamp) const {
	if (clamp)
		v = std::min(std::max(v, m_axisMinimum), m_axisMaximum);
	return m_plotArea.bottom() - (v - m_axisMinimum)/(m_axisMaximum - m_axisMinimum)*m_plotArea.height();
}


double DailyCycleInputWidget::valueOfY(double y) const {
	const double v = (m_plotArea.bottom() - y)/m_plotArea.height()*(m_axisMaximum - m_axisMinimum) + m_axisMinimum;
	const double rounded = std::floor(v*100 + 0.5)/100;
	return std::min(std::max(rounded, m_axisMinimum), m_axisMaximum);
}


void DailyCycleInputWidget::layoutGraph() {
	const double W = m_view->width();
	const double H = m_view->height();
	m_plotArea = QRectF(LEFT, TOP, W - LEFT - m_rightMargin, H - TOP - m_bottomMargin);
	m_frame->setRect(m_plotArea);
	m_scene->setSceneRect(0, 0, W - 2, H - 2);
	if (m_nodes.isEmpty())
		createItems();

	const double Yb = m_plotArea.bottom();
	const double P = m_plotArea.height();
	for (int i = 0; i < 2; ++i) {
		// a wide number (1e+07) is shrunk into the left margin instead of being cut off
		const QRectF r = m_axisLabels[i]->boundingRect();
		const double scale = std::min(1.0, (LEFT - 2)/r.width());
		m_axisLabels[i]->setScale(scale);
		m_axisLabels[i]->setPos(LEFT - scale*r.width() - 2, (i == 0 ? TOP : Yb) - scale*r.height()/2);
	}
	// the unit runs upwards beside the axis between the two numbers; a long one is shrunk to fit
	const double numberHeight = m_axisLabels[0]->boundingRect().height()*m_axisLabels[0]->scale();
	const double free = std::max(P - numberHeight, 10.0);
	setUnitLabelText(free/MIN_UNIT_SCALE);
	const QRectF r = m_unitLabel->boundingRect();
	const double scale = std::min(1.0, free/r.width());
	m_unitLabel->setScale(scale);
	// rotation and scale keep the text's right end (its transform origin) in place
	const QPointF origin(LEFT - 2 - scale*r.height()/2, TOP + numberHeight/2 + (free - scale*r.width())/2);
	m_unitLabel->setPos(origin - QPointF(r.width(), r.height()/2));

	const bool all = slotWidth() >= 40;
	for (int i = 0; i < 24; ++i)
		m_hourLabels[i]->setVisible(all || i % 4 == 0);
	m_hourLabels[24]->setVisible(true);
	positionHourItems();
}


void DailyCycleInputWidget::setUnitLabelText(double maxWidth) {
	// below the smallest readable scale the unit is elided instead of shrunk further
	const double margins = 2*m_unitLabel->document()->documentMargin();
	const QFontMetricsF fm(m_unitLabel->font());
	QString text = tr("%1").arg(m_unit);
	if (fm.horizontalAdvance(text) + margins > maxWidth)
		text = fm.elidedText(text, Qt::ElideRight, std::max(maxWidth - margins, 0.0));
	m_unitLabel->setToolTip(tr("%1").arg(m_unit));
	if (text == m_unitLabel->toPlainText())
		return;
	m_unitLabel->setPlainText(text);
	const QRectF r = m_unitLabel->boundingRect();
	m_unitLabel->setTransformOriginPoint(r.width(), r.height()/2);
}


void DailyCycleInputWidget::createItems() {
	const double S = slotWidth();
	const double P = m_plotArea.height();
	const double Yb = m_plotArea.bottom();
	const bool positioning = m_positioning;
	m_positioning = true;
	for (int i = 0; i < 24; ++i) {
		QLinearGradient gradient(0, 0, S, 0);
		gradient.setColorAt(0, QColor(220, 220, 255));
		gradient.setColorAt(1, QColor(245, 245, 255));
		QGraphicsRectItem * slot = m_scene->addRect(0, 0, S, P, QPen(Qt::black), QBrush(gradient));
		slot->setPos(LEFT + i*S, TOP);
		slot->setZValue(0);
		m_hourSlots.append(slot);

		QColor barColor(125, 125, 125);
		barColor.setAlpha(60);
		QGraphicsRectItem * bar = m_scene->addRect(0, 0, S, 0, Qt::NoPen, QBrush(barColor));
		bar->setZValue(1);
		m_bars.append(bar);

		QGraphicsLineItem * line = m_scene->addLine(0, 0, S, 0, QPen(Qt::black));
		line->setZValue(2);
		m_valueLines.append(line);

		if (i == 0) {
			Edge * e = new Edge(LEFT - S/2, TOP, LEFT + S/2);
			e->setZValue(1);
			m_scene->addItem(e);
			m_edges.append(e);
			QGraphicsTextItem * label = m_scene->addText(tr(" 0:00"));
			label->setZValue(3);
			m_hourLabels.append(label);
		}
		Edge * e = new Edge(LEFT + (i + 0.5)*S, TOP, LEFT + (i + 1.5)*S);
		e->setZValue(1);
		m_scene->addItem(e);
		m_edges.append(e);
		QGraphicsTextItem * label = m_scene->addText(tr("%1:00").arg(i + 1, 2, 10, QChar(' ')));
		label->setZValue(3);
		m_hourLabels.append(label);

		Node * node = new Node(m_edges[i], m_edges[i + 1]);
		node->m_index = i;
		node->m_dragArea = [this]() { return m_plotArea; };
		node->m_dragged = [this](Node * n, const QPointF & p) { nodeMoved(n, p); };
		const double y = yOfValue(m_values[size_t(i)], true);
		node->setPos(LEFT + (i + 0.5)*S, y);
		bar->setRect(0, y, S, Yb - y);
		line->setLine(0, y, S, y);
		m_scene->addItem(node);
		node->m_programMove = false;
		m_nodes.append(node);
	}
	// the day closes on itself
	m_nodes[0]->m_wrapLine = m_edges[24];
	m_nodes[23]->m_wrapLine = m_edges[0];
	m_axisLabels.append(m_scene->addText(tr("%L1").arg(m_axisMaximum)));
	m_axisLabels.append(m_scene->addText(tr("%L1").arg(m_axisMinimum)));
	for (QGraphicsTextItem * label : m_axisLabels)
		label->setZValue(3);
	m_unitLabel = m_scene->addText(tr("%1").arg(m_unit));
	m_unitLabel->setZValue(3);
	const QRectF r = m_unitLabel->boundingRect();
	m_unitLabel->setTransformOriginPoint(r.width(), r.height()/2);
	m_unitLabel->setRotation(-90);
	for (Node * node : m_nodes)
		node->adjustLines(node->pos());
	m_positioning = positioning;
}


void DailyCycleInputWidget::positionHourItems() {
	if (m_nodes.isEmpty())
		return;
	const double S = slotWidth();
	const double P = m_plotArea.height();
	const double Yb = m_plotArea.bottom();
	for (int i = 0; i < 24; ++i) {
		const double y = yOfValue(m_values[size_t(i)], true);
		m_hourSlots[i]->setRect(0, 0, S, P);
		m_hourSlots[i]->setPos(LEFT + i*S, TOP);
		Node * node = m_nodes[i];
		node->m_programMove = true;
		m_positioning = true;
		node->setPos(LEFT + (i + 0.5)*S, y);
		node->m_programMove = false;
		m_positioning = false;
		m_bars[i]->setRect(0, y, S, Yb - y);
		m_bars[i]->setPos(LEFT + i*S, 0);
		m_valueLines[i]->setLine(0, y, S, y);
		m_valueLines[i]->setPos(LEFT + i*S, 0);
		m_hourLabels[i]->setPos(LEFT + i*S - m_hourLabels[i]->boundingRect().width()/2, Yb + 3);
	}
	m_hourLabels[24]->setPos(LEFT + 24*S - m_hourLabels[24]->boundingRect().width()/2, Yb + 3);
	QLineF first = m_edges[0]->line();
	first.setP1(QPointF(LEFT - S/2, first.y1()));
	m_edges[0]->setLine(first);
	QLineF last = m_edges[24]->line();
	last.setP2(QPointF(LEFT + 24.5*S, last.y2()));
	m_edges[24]->setLine(last);
}


void DailyCycleInputWidget::updateAxisRange() {
	if (m_values.empty())
		return;
	const auto mm = std::minmax_element(m_values.begin(), m_values.end());
	const double lo = *mm.first;
	const double hi = *mm.second;
	const double s = (hi - lo > 1 ? hi - lo : 1)/10;
	const double p = std::pow(10.0, std::floor(std::log10(s)));
	const double step = s > 5*p ? 5*p : (s > 2*p ? 2*p : p);
	const double lower = std::floor(lo/step)*step;
	const double upper = std::ceil(hi/step)*step;
	m_axisMinimum = std::min(lower, m_minimumValue);
	m_axisMaximum = std::max(upper, m_maximumValue);
	if (m_axisMaximum <= m_axisMinimum)
		m_axisMaximum = m_axisMinimum + step;	// never a zero-height axis
	if (!m_axisLabels.isEmpty()) {
		m_axisLabels[1]->setPlainText(tr("%L1").arg(m_axisMinimum));
		m_axisLabels[0]->setPlainText(tr("%L1").arg(m_axisMaximum));
	}
	layoutGraph();
}
