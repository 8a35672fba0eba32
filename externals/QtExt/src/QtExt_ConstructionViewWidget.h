#ifndef QtExt_ConstructionViewWidgetH
#define QtExt_ConstructionViewWidgetH

#include <QVector>
#include <QWidget>

#include "QtExt_ConstructionLayer.h"

class QAction;
class QToolBar;

namespace QtExt {

namespace Ui {
	class ConstructionViewWidget;
}

class ConstructionView;

/*! Registers the tool-bar icons compiled into this library. Safe to call repeatedly;
	the widget calls it itself.
*/
void initConstructionViewIcons();

/*! Cross-section of a construction with a tool bar for editing its layer sequence.
	The widget never changes data: its actions only report the selected layer.
*/
class ConstructionViewWidget : public QWidget {
	Q_OBJECT
public:
	explicit ConstructionViewWidget(QWidget * parent = nullptr);
	~ConstructionViewWidget() override;

	/*! Draws layers (outside first); read-only keeps every layer action disabled. */
	void setData(const QVector<ConstructionLayer> & layers, bool readOnly);
	/*! No selection, no drawing. */
	void clear();

	/*! The drawing view. */
	ConstructionView * view() const;
	/*! The layer tool bar. */
	QToolBar * toolBar() const { return m_toolBar; }
	/*! The layer actions in tool-bar order. */
	QList<QAction *> layerActions() const;

signals:
	/*! The selection changed: layer index or -1. */
	void layerSelected(int index);
	void assignMaterial(int index);
	void insertLayer(int index, bool left);
	void moveLayer(int index, bool left);
	/*! Lower-case l kept: the construction editor connects to this name. */
	void removelayer(int index);

public slots:
	/*! Selects the layer with that index without a click. */
	void selectLayer(int index);
	void on_actionAssign_material_triggered();
	void on_actionInsert_layer_left_triggered();
	void on_actionInsert_layer_right_triggered();
	void on_actionRemove_layer_triggered();
	void on_actionMove_layer_left_triggered();
	void on_actionMove_layer_right_triggered();
	void onLayerSelected(int index);

protected:
	void changeEvent(QEvent * event) override;

private:
	void setActionsEnabled(bool enabled);
	int selected() const;

	Ui::ConstructionViewWidget *	m_ui;
	QToolBar *						m_toolBar;
	bool							m_readOnly = true;
};

} // namespace QtExt

#endif // QtExt_ConstructionViewWidgetH
