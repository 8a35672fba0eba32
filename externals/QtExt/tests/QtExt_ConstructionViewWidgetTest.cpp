#include <gtest/gtest.h>

#include <QAction>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <QtExt_ConstructionGraphicsScene.h>
#include <QtExt_ConstructionView.h>
#include <QtExt_ConstructionViewWidget.h>

using QtExt::ConstructionLayer;
using QtExt::ConstructionView;
using QtExt::ConstructionViewWidget;

namespace {

class ConstructionViewWidgetTest : public ::testing::Test {
protected:
	void SetUp() override {
		m_widget.resize(600, 360);
		m_widget.show();
		m_layers << ConstructionLayer(0.015, "Plaster", Qt::lightGray, 1)
				 << ConstructionLayer(0.24, "Brick", Qt::red, 2)
				 << ConstructionLayer(0.12, "Insulation", Qt::yellow, 3);
		m_widget.setData(m_layers, false);
	}

	ConstructionView * view() { return m_widget.view(); }

	QGraphicsRectItem * layerRect(int index) {
		for (QGraphicsItem * item : view()->scene()->items())
			if (auto * r = qgraphicsitem_cast<QGraphicsRectItem *>(item))
				if (r->data(0).toInt() == index)
					return r;
		return nullptr;
	}

	/*! Viewport position of a point near the left edge of a layer, clear of its name
		(the name runs up the middle). */
	QPoint layerPoint(int index) {
		QGraphicsRectItem * r = layerRect(index);
		EXPECT_NE(r, nullptr) << index;
		const QRectF rect = r->rect();
		return view()->mapFromScene(QPointF(rect.left() + 3, rect.center().y()));
	}

	void click(const QPoint & pos) {
		QTest::mouseClick(view()->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
	}

	bool actionsEnabled() {
		bool all = true, any = false;
		for (QAction * a : m_widget.layerActions()) {
			all = all && a->isEnabled();
			any = any || a->isEnabled();
		}
		EXPECT_EQ(all, any) << "actions enabled one by one";
		return all && m_widget.toolBar()->isEnabled();
	}

	ConstructionViewWidget		m_widget;
	QVector<ConstructionLayer>	m_layers;
};

} // namespace


TEST_F(ConstructionViewWidgetTest, clickSelectsALayer) {
	QSignalSpy spy(&m_widget, &ConstructionViewWidget::layerSelected);
	EXPECT_FALSE(actionsEnabled());

	click(layerPoint(1));
	ASSERT_EQ(spy.count(), 1);
	EXPECT_EQ(spy.takeFirst().at(0).toInt(), 1);
	EXPECT_TRUE(layerRect(1)->isSelected());
	EXPECT_EQ(view()->selectedLayer(), 1);
	EXPECT_TRUE(actionsEnabled());

	// clicking it again changes nothing; another layer moves the selection with one signal
	click(layerPoint(1));
	EXPECT_EQ(spy.count(), 0);
	click(layerPoint(2));
	ASSERT_EQ(spy.count(), 1);
	EXPECT_EQ(spy.takeFirst().at(0).toInt(), 2);
	EXPECT_FALSE(layerRect(1)->isSelected());
	EXPECT_GT(layerRect(2)->zValue(), layerRect(1)->zValue());
}


TEST_F(ConstructionViewWidgetTest, clickOnEmptySpaceOrADimensionLabelChangesNothing) {
	click(layerPoint(0));
	QSignalSpy spy(&m_widget, &ConstructionViewWidget::layerSelected);

	const QRectF first = layerRect(0)->sceneBoundingRect();
	click(view()->mapFromScene(QPointF(first.left() - 20, first.center().y())));	// left of the wall
	click(QPoint(2, 2));
	QGraphicsTextItem * total = nullptr;
	for (QGraphicsItem * item : view()->scene()->items())
		if (auto * t = qgraphicsitem_cast<QGraphicsTextItem *>(item))
			if (t->toPlainText() == "375")
				total = t;
	ASSERT_NE(total, nullptr);
	click(view()->mapFromScene(total->sceneBoundingRect().center()));

	EXPECT_EQ(spy.count(), 0);
	EXPECT_EQ(view()->selectedLayer(), 0);
	EXPECT_TRUE(layerRect(0)->isSelected());
}


TEST_F(ConstructionViewWidgetTest, clickOnALayerNameSelectsItsLayer) {
	QGraphicsTextItem * name = nullptr;
	for (QGraphicsItem * item : view()->scene()->items())
		if (auto * t = qgraphicsitem_cast<QGraphicsTextItem *>(item))
			if (t->toPlainText() == "Brick")
				name = t;
	ASSERT_NE(name, nullptr);
	ASSERT_TRUE(name->isVisible());
	QSignalSpy spy(&m_widget, &ConstructionViewWidget::layerSelected);
	click(view()->mapFromScene(layerRect(1)->rect().center()));
	ASSERT_EQ(spy.count(), 1);
	EXPECT_EQ(spy.at(0).at(0).toInt(), 1);
	EXPECT_TRUE(layerRect(1)->isSelected());
	EXPECT_TRUE(actionsEnabled());
}


// Thin and thick layers, from one layer to fifteen: a click just inside either edge
// of a layer's rectangle selects that layer, also where its name is drawn.
TEST_F(ConstructionViewWidgetTest, clickAtEitherEdgeOfEveryLayerSelectsIt) {
	const double widths[] = { 0.001, 0.3, 0.0125, 0.05, 0.002, 0.24, 0.008, 0.1, 0.003, 0.015, 0.001, 0.2, 0.004, 0.06, 0.3 };
	for (int n = 1; n <= 15; ++n) {
		QVector<ConstructionLayer> layers;
		for (int i = 0; i < n; ++i)
			layers << ConstructionLayer(widths[i], QString("Layer %1").arg(i), QColor::fromHsv(20 * i, 200, 220), i);
		m_widget.setData(layers, false);
		for (int i = 0; i < n; ++i) {
			// the first and the last pixel column of the rectangle
			const QRectF r = layerRect(i)->rect();
			ASSERT_GE(r.width(), 2) << n << " layers, layer " << i;
			for (double x : { r.left(), r.right() - 1 }) {
				click(view()->mapFromScene(QPointF(x, r.center().y())));
				EXPECT_EQ(view()->selectedLayer(), i) << n << " layers, layer " << i << " at x " << x;
				EXPECT_TRUE(layerRect(i)->isSelected()) << n << " layers, layer " << i;
				EXPECT_TRUE(actionsEnabled()) << n << " layers, layer " << i;
			}
		}
	}
}


TEST_F(ConstructionViewWidgetTest, selectionAndHighlightAgreeAfterNewDataAndResizes) {
	click(layerPoint(1));
	ASSERT_TRUE(layerRect(1)->isSelected());
	QSignalSpy spy(&m_widget, &ConstructionViewWidget::layerSelected);

	// a resize redraws and keeps the selected layer, without reporting a change
	m_widget.resize(700, 400);
	QCoreApplication::processEvents();
	ASSERT_NE(layerRect(1), nullptr);
	EXPECT_TRUE(layerRect(1)->isSelected());
	EXPECT_EQ(view()->selectedLayer(), 1);
	EXPECT_TRUE(actionsEnabled());
	EXPECT_EQ(spy.count(), 0);

	// the same layers again: no highlight left while the actions are off
	m_widget.setData(m_layers, false);
	EXPECT_FALSE(actionsEnabled());
	EXPECT_FALSE(layerRect(1)->isSelected());
	EXPECT_EQ(view()->selectedLayer(), -1);
	ASSERT_EQ(spy.count(), 1);
	EXPECT_EQ(spy.takeFirst().at(0).toInt(), -1);

	// and both ways to select work again
	click(layerPoint(1));
	EXPECT_TRUE(layerRect(1)->isSelected());
	EXPECT_TRUE(actionsEnabled());
	m_widget.setData(m_layers, false);
	m_widget.selectLayer(2);
	EXPECT_TRUE(layerRect(2)->isSelected());
	EXPECT_EQ(view()->selectedLayer(), 2);
	EXPECT_TRUE(actionsEnabled());
}


TEST_F(ConstructionViewWidgetTest, selectLayerWithoutClick) {
	QSignalSpy spy(&m_widget, &ConstructionViewWidget::layerSelected);
	m_widget.selectLayer(2);
	ASSERT_EQ(spy.count(), 1);
	EXPECT_EQ(spy.takeFirst().at(0).toInt(), 2);
	EXPECT_TRUE(layerRect(2)->isSelected());
	EXPECT_TRUE(actionsEnabled());

	for (int index : { -1, 3, 99 }) {
		m_widget.selectLayer(0);
		spy.clear();
		m_widget.selectLayer(index);
		ASSERT_EQ(spy.count(), 1) << index;
		EXPECT_EQ(spy.takeFirst().at(0).toInt(), -1) << index;
		EXPECT_TRUE(view()->scene()->selectedItems().isEmpty()) << index;
		EXPECT_FALSE(actionsEnabled()) << index;
	}
	// nothing selected: deselecting again is silent
	m_widget.selectLayer(-1);
	EXPECT_EQ(spy.count(), 0);
}


TEST_F(ConstructionViewWidgetTest, readOnlyKeepsActionsDisabledButSignalsSelection) {
	m_widget.setData(m_layers, true);
	QSignalSpy spy(&m_widget, &ConstructionViewWidget::layerSelected);
	click(layerPoint(0));
	ASSERT_EQ(spy.count(), 1);
	EXPECT_EQ(spy.takeFirst().at(0).toInt(), 0);
	EXPECT_FALSE(actionsEnabled());

	// back to editable data: no selection after setData, actions wait for one
	m_widget.setData(m_layers, false);
	EXPECT_FALSE(actionsEnabled());
	m_widget.selectLayer(1);
	EXPECT_TRUE(actionsEnabled());
	m_widget.clear();
	EXPECT_FALSE(actionsEnabled());
	EXPECT_EQ(view()->scene()->items().size(), 1);	// the hidden caption
}


TEST_F(ConstructionViewWidgetTest, actionsReportTheSelectedLayer) {
	m_widget.selectLayer(1);
	QSignalSpy assign(&m_widget, &ConstructionViewWidget::assignMaterial);
	QSignalSpy insert(&m_widget, &ConstructionViewWidget::insertLayer);
	QSignalSpy move(&m_widget, &ConstructionViewWidget::moveLayer);
	QSignalSpy remove(&m_widget, SIGNAL(removelayer(int)));	// the editor connects by this name

	const QList<QAction *> actions = m_widget.layerActions();
	ASSERT_EQ(actions.size(), 6);
	for (QAction * a : actions)
		a->trigger();
	// tool-bar order: assign, insert left, insert right, move left, move right, remove
	ASSERT_EQ(assign.count(), 1);
	EXPECT_EQ(assign.at(0).at(0).toInt(), 1);
	ASSERT_EQ(insert.count(), 2);
	EXPECT_EQ(insert.at(0), (QList<QVariant>{ 1, true }));
	EXPECT_EQ(insert.at(1), (QList<QVariant>{ 1, false }));
	ASSERT_EQ(move.count(), 2);
	EXPECT_EQ(move.at(0), (QList<QVariant>{ 1, true }));
	EXPECT_EQ(move.at(1), (QList<QVariant>{ 1, false }));
	ASSERT_EQ(remove.count(), 1);
	EXPECT_EQ(remove.at(0).at(0).toInt(), 1);
	EXPECT_EQ(m_widget.toolBar()->actions(), actions);
}


TEST_F(ConstructionViewWidgetTest, smallResizeKeepsTheDrawing) {
	const QList<QGraphicsItem *> before = view()->scene()->items();
	const QSize s = view()->size();

	view()->resize(s.width() + 3, s.height() - 3);
	EXPECT_EQ(view()->scene()->items(), before);
	view()->resize(s.width() + 6, s.height());
	EXPECT_NE(view()->scene()->items(), before);
	// the drawing follows the new width
	const QRectF frame = view()->sceneRect();
	EXPECT_EQ(frame.width(), view()->viewport()->width() - 10);
	EXPECT_EQ(frame.height(), view()->viewport()->height() - 10);
}


TEST_F(ConstructionViewWidgetTest, iconsAndToolBarSize) {
	for (QAction * a : m_widget.layerActions()) {
		EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
		EXPECT_FALSE(a->icon().pixmap(24, 24).isNull()) << a->text().toStdString();
		EXPECT_FALSE(a->icon().pixmap(32, 32).isNull()) << a->text().toStdString();
		EXPECT_FALSE(a->toolTip().isEmpty());
	}
	QScreen * screen = QGuiApplication::screenAt(QPoint(0, 0));
	if (screen == nullptr)
		screen = QGuiApplication::primaryScreen();
	ASSERT_NE(screen, nullptr);
	const bool low = screen->logicalDotsPerInch() <= 100;
	EXPECT_EQ(m_widget.toolBar()->iconSize(), low ? QSize(24, 24) : QSize(32, 32));
	EXPECT_EQ(m_widget.toolBar()->height(), low ? 25 : 34);
	// tool bar above the view
	EXPECT_LE(m_widget.toolBar()->geometry().bottom(), view()->geometry().top());
}


TEST(ConstructionViewWidget, destroyedWithASelection) {
	auto * w = new ConstructionViewWidget;
	QVector<ConstructionLayer> l;
	l << ConstructionLayer(0.2, "A") << ConstructionLayer(0.1, "B");
	w->setData(l, false);
	w->selectLayer(1);
	QSignalSpy spy(w, &ConstructionViewWidget::layerSelected);
	delete w;	// the scene drops the selected item while the widget goes
	EXPECT_EQ(spy.count(), 0);
}
