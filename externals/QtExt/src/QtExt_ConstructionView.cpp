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


void ConstructionView::selectLayer(int index) {
	QGraphicsRectItem * target = nullptr;
	for (QGraphicsItem * item : m_scene->items()) {
		if (item->type() == QGraphicsRectItem::Type && item->data(0).toInt() == index
			&& item->data(0).isValid())
		{
			target = static_cast<QGraphicsRectItem *>(item);
			break;
		}
	}
	setSelectedRect(target);
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
		QGraphicsItem * item = itemAt(event->pos());
		if (item != nullptr && item->type() == QGraphicsRectItem::Type && !item->isSelected())
			setSelectedRect(static_cast<QGraphicsRectItem *>(item));
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
	redraw(s);
}

} // namespace QtExt
