#ifndef QtExt_ConstructionViewH
#define QtExt_ConstructionViewH

#include <memory>

#include <QGraphicsView>
#include <QVector>

#include "QtExt_ConstructionLayer.h"

class QGraphicsRectItem;

namespace QtExt {

class ConstructionGraphicsScene;

/*! View of a construction drawing that turns left clicks on a layer into its selection. */
class ConstructionView : public QGraphicsView {
	Q_OBJECT
public:
	explicit ConstructionView(QWidget * parent = nullptr);
	~ConstructionView() override;

	/*! Draws layers for device (used for text measuring) with the resolution factor. */
	void setData(QPaintDevice * device, const QVector<ConstructionLayer> & layers, double resolution);
	/*! No layers, empty drawing. */
	void clear();

	/*! Index of the selected layer, -1 for none. */
	int selectedLayer() const { return m_selectedLayer; }
	ConstructionGraphicsScene * constructionScene() const { return m_scene.get(); }

signals:
	/*! The selection changed: layer index or -1. */
	void layerSelected(int index);

public slots:
	/*! Selects the layer with that index; -1 or an unknown index deselects. */
	void selectLayer(int index);
	void sceneSelectionChanged();

protected:
	void mousePressEvent(QMouseEvent * event) override;
	void paintEvent(QPaintEvent * event) override;
	void resizeEvent(QResizeEvent * event) override;

private:
	/*! Draws into the viewport shrunk by the margin. */
	void redraw(const QSize & size);
	/*! Makes rect the only selected layer (nullptr: none); emits one selection change. */
	void setSelectedRect(QGraphicsRectItem * rect);
	/*! Rectangle of the layer with that index, nullptr if there is none. */
	QGraphicsRectItem * layerRect(int index) const;

	/*! Device for text measuring (not owned). */
	QPaintDevice *								m_device = nullptr;
	QVector<ConstructionLayer>					m_layers;
	std::unique_ptr<ConstructionGraphicsScene>	m_scene;
	int											m_margin = 5;
	double										m_resolution = 1.0;
	int											m_selectedLayer = -1;
	/*! Size the drawing was made for; small resizes keep it. */
	QSize										m_drawnSize;
};

} // namespace QtExt

#endif // QtExt_ConstructionViewH
