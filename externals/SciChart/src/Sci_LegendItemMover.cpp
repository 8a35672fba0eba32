#include "Sci_LegendItemMover.h"

#include <QMouseEvent>
#include <QPainter>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>

#include "Sci_AbstractChartModel.h"
#include "Sci_Chart.h"
#include "Sci_LegendItem.h"
#include "Sci_Overlay.h"
#include "Sci_PlotPicker.h"

namespace SCI {

LegendItemMover::LegendItemMover(QwtPlot * parent, PlotPicker * picker) :
	QObject(parent),
	m_picker(picker)
{
	parent->canvas()->installEventFilter(this);
}


LegendItemMover::~LegendItemMover() {
	delete m_overlay;
}


Overlay * LegendItemMover::overlay() const {
	return m_overlay;
}


QwtPlot * LegendItemMover::plot() const {
	return qobject_cast<QwtPlot *>(parent());
}


bool LegendItemMover::eventFilter(QObject * object, QEvent * event) {
	QwtPlot * p = plot();
	if (p == nullptr || object != p->canvas())
		return QObject::eventFilter(object, event);
	switch (event->type()) {
		case QEvent::MouseButtonPress: {
			const QMouseEvent * e = static_cast<QMouseEvent *>(event);
			if (e->button() == Qt::LeftButton && !isDragging() && pressed(e))
				return true;
		} break;
		case QEvent::MouseMove:
			if (isDragging()) {
				moved(static_cast<QMouseEvent *>(event));
				return true;
			}
			break;
		case QEvent::MouseButtonRelease:
			if (isDragging() && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
				released();
				return true;
			}
			break;
		default:
			break;
	}
	return QObject::eventFilter(object, event);
}


LegendItem * LegendItemMover::itemAt(const QPoint & pos) const {
	const QRectF rect = plot()->canvas()->contentsRect();
	const QwtPlotItemList & items = plot()->itemList();
	for (int i = items.size() - 1; i >= 0; --i) {
		QwtPlotItem * item = items[i];
		if (!item->isVisible() || item->rtti() != QwtPlotItem::Rtti_PlotLegend)
			continue;
		LegendItem * legend = dynamic_cast<LegendItem *>(item);
		if (legend != nullptr && legend->geometry(rect).contains(pos))
			return legend;
	}
	return nullptr;
}


bool LegendItemMover::pressed(const QMouseEvent * e) {
	LegendItem * item = itemAt(e->pos());
	if (item == nullptr)
		return false;
	m_item = item;
	m_lastX = e->pos().x();
	m_lastY = e->pos().y();
	// drag in left/top offsets: the item stays where it is
	const QRect rect = plot()->canvas()->contentsRect();
	const QRect g = item->geometry(rect);
	item->setAlignment(Qt::AlignLeft | Qt::AlignTop);
	item->setHorizontalOffset(g.left() - rect.left());
	item->setVerticalOffset(g.top() - rect.top());
	setItemVisible(false);
	if (m_picker != nullptr)
		m_picker->m_enabled = false;
	plot()->replot();
	delete m_overlay;
	m_overlay = new Overlay(plot()->canvas(), this);
	m_overlay->updateOverlay();
	m_overlay->show();
	return true;
}


void LegendItemMover::moved(const QMouseEvent * e) {
	const QRect rect = plot()->canvas()->contentsRect();
	const QRect g = m_item->geometry(rect);
	const int h = qBound(-1, m_item->horizontalOffset() + int(e->pos().x() - m_lastX), rect.right() - g.width());
	const int v = qBound(-1, m_item->verticalOffset() + int(e->pos().y() - m_lastY), rect.bottom() - g.height());
	m_item->setHorizontalOffset(h);
	m_item->setVerticalOffset(v);
	m_lastX = e->pos().x();
	m_lastY = e->pos().y();
	if (m_overlay != nullptr)
		m_overlay->updateOverlay();
}


void LegendItemMover::released() {
	const QRect rect = plot()->canvas()->contentsRect();
	const int W = rect.width();
	const int H = rect.height();
	const QRect g = m_item->geometry(rect);
	const int L = qMin(W - g.width(), m_item->horizontalOffset());
	const int R = qMax(0, W - g.right() + 1);
	const int T = qMin(H - g.height(), m_item->verticalOffset());
	const int B = qMax(0, H - g.bottom() + 1);
	struct Corner { int distance; int alignment; QSize offset; Qt::Alignment itemAlignment; };
	// ties go to the earlier corner
	const Corner corners[4] = {
		{ L * L + T * T, 1, QSize(L, T), Qt::AlignLeft | Qt::AlignTop },
		{ R * R + T * T, 3, QSize(R, T), Qt::AlignRight | Qt::AlignTop },
		{ R * R + B * B, 5, QSize(R, B), Qt::AlignRight | Qt::AlignBottom },
		{ L * L + B * B, 7, QSize(L, B), Qt::AlignLeft | Qt::AlignBottom } };
	const Corner * best = &corners[0];
	for (const Corner & c : corners)
		if (c.distance < best->distance)
			best = &c;

	LegendItem * item = m_item;
	item->setAlignment(best->itemAlignment);
	item->setHorizontalOffset(best->offset.width());
	item->setVerticalOffset(best->offset.height());
	// a chart without a model keeps the place on screen only
	Chart * chart = qobject_cast<Chart *>(plot());
	if (chart != nullptr && chart->model() != nullptr) {
		chart->prohibitUpdate();
		chart->model()->setChartData(best->alignment, AbstractChartModel::LegendAlignment);
		chart->model()->setChartData(best->offset, AbstractChartModel::LegendOffset);
		chart->allowUpdate();
	}
	delete m_overlay;
	setItemVisible(true);
	m_item = nullptr;
	if (m_picker != nullptr)
		m_picker->m_enabled = true;
	plot()->replot();
}


void LegendItemMover::setItemVisible(bool visible) {
	if (m_item == nullptr || m_item->isVisible() == visible)
		return;
	QwtPlot * p = plot();
	const bool autoReplot = p->autoReplot();
	p->setAutoReplot(false);
	m_item->setVisible(visible);
	p->setAutoReplot(autoReplot);
	if (QwtPlotCanvas * c = qobject_cast<QwtPlotCanvas *>(p->canvas()))
		c->invalidateBackingStore();
	p->canvas()->update(maskHint());
}


void LegendItemMover::drawOverlay(QPainter * painter) const {
	if (m_item == nullptr)
		return;
	const QwtPlot * p = plot();
	painter->setRenderHint(QPainter::Antialiasing, m_item->testRenderHint(QwtPlotItem::RenderAntialiased));
	m_item->draw(painter, p->canvasMap(m_item->xAxis()), p->canvasMap(m_item->yAxis()),
				 p->canvas()->contentsRect());
}


QRegion LegendItemMover::maskHint() const {
	if (m_item == nullptr)
		return QRegion();
	const QRect g = m_item->geometry(plot()->canvas()->contentsRect());
	return QRegion(g.adjusted(0, 0, 1, 1));
}

} // namespace SCI
