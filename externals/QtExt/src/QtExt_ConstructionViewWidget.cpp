#include "QtExt_ConstructionViewWidget.h"
#include "ui_QtExt_ConstructionViewWidget.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

// Q_INIT_RESOURCE declares a function and must be used outside any namespace.
static void initConstructionViewIconResource() {
	Q_INIT_RESOURCE(QtExt_ConstructionViewIcons);
}

namespace QtExt {

namespace {

QIcon layerIcon(const QString & stem) {
	QIcon icon;
	icon.addFile(QStringLiteral(":/%1_24x24.png").arg(stem), QSize(24, 24));
	icon.addFile(QStringLiteral(":/%1_32x32.png").arg(stem), QSize(32, 32));
	return icon;
}

/*! Screen whose resolution decides the tool-bar size: the one at (0, 0), else the
	primary screen (a desktop need not cover the origin).
*/
QScreen * toolBarScreen() {
	QScreen * screen = QGuiApplication::screenAt(QPoint(0, 0));
	return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

} // namespace


void initConstructionViewIcons() {
	static const bool done = (initConstructionViewIconResource(), true);
	Q_UNUSED(done)
}


ConstructionViewWidget::ConstructionViewWidget(QWidget * parent) :
	QWidget(parent),
	m_ui(new Ui::ConstructionViewWidget),
	m_toolBar(new QToolBar(this))
{
	initConstructionViewIcons();
	m_ui->setupUi(this);
	m_ui->actionAssign_material->setIcon(layerIcon("Construction_assign_material"));
	m_ui->actionInsert_layer_left->setIcon(layerIcon("Construction_insert_layer_left"));
	m_ui->actionInsert_layer_right->setIcon(layerIcon("Construction_insert_layer_right"));
	m_ui->actionRemove_layer->setIcon(layerIcon("Construction_remove_layer"));
	m_ui->actionMove_layer_left->setIcon(layerIcon("Construction_move_layer_to_left"));
	m_ui->actionMove_layer_right->setIcon(layerIcon("Construction_move_layer_to_right"));

	m_ui->verticalLayout->insertWidget(0, m_toolBar);
	m_toolBar->addActions(layerActions());

	const QScreen * screen = toolBarScreen();
	const bool lowDpi = screen == nullptr || screen->logicalDotsPerInch() <= 100;
	const int iconSize = lowDpi ? 24 : 32;
	m_toolBar->setIconSize(QSize(iconSize, iconSize));
	m_toolBar->setFixedHeight(lowDpi ? 25 : 34);

	connect(m_ui->graphicsView, &ConstructionView::layerSelected, this, &ConstructionViewWidget::onLayerSelected);
}


ConstructionViewWidget::~ConstructionViewWidget() {
	delete m_ui;
}


void ConstructionViewWidget::setData(const QVector<ConstructionLayer> & layers, bool readOnly) {
	m_readOnly = readOnly;
	setActionsEnabled(false);
	m_ui->graphicsView->setData(this, layers, 1.0);
	m_ui->graphicsView->update();
}


void ConstructionViewWidget::clear() {
	setActionsEnabled(false);
	m_ui->graphicsView->clear();
}


ConstructionView * ConstructionViewWidget::view() const {
	return m_ui->graphicsView;
}


QList<QAction *> ConstructionViewWidget::layerActions() const {
	return QList<QAction *>() << m_ui->actionAssign_material << m_ui->actionInsert_layer_left
							  << m_ui->actionInsert_layer_right << m_ui->actionMove_layer_left
							  << m_ui->actionMove_layer_right << m_ui->actionRemove_layer;
}


void ConstructionViewWidget::selectLayer(int index) {
	m_ui->graphicsView->selectLayer(index);
}


int ConstructionViewWidget::selected() const {
	return m_ui->graphicsView->selectedLayer();
}


void ConstructionViewWidget::on_actionAssign_material_triggered() {
	emit assignMaterial(selected());
}


void ConstructionViewWidget::on_actionInsert_layer_left_triggered() {
	emit insertLayer(selected(), true);
}


void ConstructionViewWidget::on_actionInsert_layer_right_triggered() {
	emit insertLayer(selected(), false);
}


void ConstructionViewWidget::on_actionRemove_layer_triggered() {
	emit removelayer(selected());
}


void ConstructionViewWidget::on_actionMove_layer_left_triggered() {
	emit moveLayer(selected(), true);
}


void ConstructionViewWidget::on_actionMove_layer_right_triggered() {
	emit moveLayer(selected(), false);
}


void ConstructionViewWidget::onLayerSelected(int index) {
	setActionsEnabled(index != -1);
	emit layerSelected(index);
}


void ConstructionViewWidget::changeEvent(QEvent * event) {
	QWidget::changeEvent(event);
	if (event->type() == QEvent::LanguageChange)
		m_ui->retranslateUi(this);
}


void ConstructionViewWidget::setActionsEnabled(bool enabled) {
	const bool on = enabled && !m_readOnly;
	for (QAction * a : layerActions())
		a->setEnabled(on);
	m_toolBar->setEnabled(on);
}

} // namespace QtExt
