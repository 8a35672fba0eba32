#include "QtExt_ConstructionView.h"

#include <cstdlib>

#include <QGraphicsRectItem>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSignalBlocker>

#include "QtExt_ConstructionGraphicsScene.h"

namespace QtExt {

ConstructionView::ConstructionView(QWidget * parent) :
	QGraphicsView(parent)
{
	QSizePolicy policy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
	policy.setHorizontalStretch(1);
	policy.setVerticalStretch(1);
	setSizePolicy(policy);
	setInteractive(false);
	setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
	setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
	setCacheMode(QGraphicsView::CacheBackground);
	setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
	// DontClipPainter is without effect (and deprecated) in Qt 5
	setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
	setAlignment(Qt::AlignLeft | Qt::AlignBottom);

	m_scene.reset(new ConstructionGraphicsScene(true, this));
	setScene(m_scene.get());
	connect(m_scene.get(), &QGraphicsScene::selectionChanged, this, &ConstructionView::sceneSelectionChanged);
}


ConstructionView::~ConstructionView() {
	// deleting the scene drops a selected item, which must not reach a half-destroyed owner
	m_scene->disconnect(this);
	setScene(nullptr);
}


void ConstructionView::setData(QPaintDevice * device, const QVector<ConstructionLayer> & layers,
							   double resolution)
{
	m_device = device;
	Q_ASSERT(m_device);
	m_layers = layers;
	m_resolution = resolution;
	// new data start without selection, also when the layers are the same as before
	setSelectedRect(nullptr);
	// the drawing fills the viewport; resize events report the viewport's size as well
	redraw(viewport()->size());
	show();
}


void ConstructionView::clear() {
	m_layers.clear();
	m_scene->clear();
}


void ConstructionView::redraw(const QSize & size) {
	m_drawnSize = size;
	const QRect frame(m_margin, m_margin, size.width() - 2 * m_margin, size.height() - 2 * m_margin);
	m_scene->setup(frame, m_device, m_resolution, m_layers);
}


QGraphicsRectItem * ConstructionView::layerRect(int index) const {
	for (QGraphicsItem * item : m_scene->items()) {
		if (item->type() == QGraphicsRectItem::Type && item->data(0).isValid() && item->data(0).toInt() == index)
			return static_cast<QGraphicsRectItem *>(item);
	}
	return nullptr;
}


void ConstructionView::selectLayer(int index) {
	setSelectedRect(layerRect(index));
}


void ConstructionView::setSelectedRect(QGraphicsRectItem * rect) {
	{
		// with a new layer to select, the deselection is not reported on its own
		QSignalBlocker block(rect != nullptr ? m_scene.get() : nullptr);
		for (QGraphicsItem * item : m_scene->selectedItems()) {
			if (item != rect && item->type() == QGraphicsRectItem::Type) {
				item->setZValue(0);
				item->setSelected(false);
			}
		}
	}
	if (rect != nullptr) {
		rect->setZValue(1);
		rect->setSelected(true);
	}
}


void ConstructionView::sceneSelectionChanged() {
	const QList<QGraphicsItem *> selected = m_scene->selectedItems();
	m_selectedLayer = selected.size() == 1 ? selected.front()->data(0).toInt() : -1;
	emit layerSelected(m_selectedLayer);
}


void ConstructionView::mousePressEvent(QMouseEvent * event) {
	if (event->button() == Qt::LeftButton) {
		// the layer under the click, also where its name is drawn over it; the middle of the
		// clicked pixel decides between two layers that share a boundary
		const QPointF p = mapToScene(event->pos()) + QPointF(0.5, 0.5);
		for (QGraphicsItem * item : items(event->pos())) {
			if (item->type() != QGraphicsRectItem::Type || !item->data(0).isValid())
				continue;
			const QRectF r = static_cast<QGraphicsRectItem *>(item)->rect();
			if (p.x() < r.left() || p.x() >= r.right() || p.y() < r.top() || p.y() > r.bottom())
				continue;
			if (!item->isSelected())
				setSelectedRect(static_cast<QGraphicsRectItem *>(item));
			break;
		}
	}
	QGraphicsView::mousePressEvent(event);
}


void ConstructionView::paintEvent(QPaintEvent * event) {
	QGraphicsView::paintEvent(event);
}


void ConstructionView::resizeEvent(QResizeEvent * event) {
	QGraphicsView::resizeEvent(event);
	if (m_device == nullptr)
		return;
	const QSize s = event->size();
	if (std::abs(s.width() - m_drawnSize.width()) < m_margin
		&& std::abs(s.height() - m_drawnSize.height()) < m_margin)
	{
		return;
	}
	// the new drawing keeps the selected layer, without reporting a change
	const QSignalBlocker block(m_scene.get());
	redraw(s);
	if (QGraphicsRectItem * rect = layerRect(m_selectedLayer)) {
		rect->setZValue(1);
		rect->setSelected(true);
	}
}

} // namespace QtExt
