#include <gtest/gtest.h>

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QSignalSpy>
#include <QTableWidget>
#include <QApplication>
#include <QTest>

#include "DailyCycleInputWidget.h"
#include "DatabaseTestFixture.h"
#include "Node.h"

namespace {

QList<Node *> nodesOf(DailyCycleInputWidget & w) {
	QList<Node *> nodes;
	for (QGraphicsItem * item : w.findChild<QGraphicsView *>()->scene()->items())
		if (item->type() == Node::Type)
			nodes.append(static_cast<Node *>(item));
	std::sort(nodes.begin(), nodes.end(), [](Node * a, Node * b) { return a->m_index < b->m_index; });
	return nodes;
}

/*! Editor of the given size, set up and shown. */
struct Editor {
	Editor(int width, int height, double minValue, double maxValue) {
		m_w.resize(width, height);
		m_w.setup("C", minValue, maxValue);
		m_w.show();
		QCoreApplication::processEvents();
	}
	DailyCycleInputWidget m_w;
};

} // namespace


TEST(DailyCycleInputWidget, axisRangeWidensToRoundedBoundsAroundTheConfiguredRange) {
	struct Case { double m_min, m_max, m_lo, m_hi, m_newMax, m_axisMin, m_axisMax; };
	const Case cases[] = {
		{10, 20, 18, 18, 20, 10, 20},	// values inside the range
		{0, 30, 0, 37, 30, 0, 38},		// step 2 above the range
		{0, 20, 0, 18, 5, 0, 18},		// lowered maximum, step 1
		{10, 20, 3.3, 15, 20, 3, 20},	// a value below the minimum widens downwards
	};
	for (const Case & c : cases) {
		Editor e(500, 200, c.m_min, c.m_max);
		std::vector<double> v(24, c.m_lo);
		v[5] = c.m_hi;
		e.m_w.setValues(v);
		e.m_w.setMaximumValue(c.m_newMax);
		EXPECT_DOUBLE_EQ(e.m_w.axisMinimum(), c.m_axisMin) << c.m_lo << ".." << c.m_hi;
		EXPECT_DOUBLE_EQ(e.m_w.axisMaximum(), c.m_axisMax) << c.m_lo << ".." << c.m_hi;
	}
}


TEST(DailyCycleInputWidget, draggingGivesRoundedValuesInsideTheRangeOfEachEditor) {
	// two editors of different heights: each clamps against its own plot area
	Editor small(500, 150, 10, 20);
	Editor tall(700, 420, 0, 30);
	small.m_w.setValues(std::vector<double>(24, 12));
	tall.m_w.setValues(std::vector<double>(24, 12));
	for (Editor * e : {&small, &tall}) {
		const QRectF area = e->m_w.plotArea();
		const double lo = e->m_w.axisMinimum();
		const double hi = e->m_w.axisMaximum();
		QSignalSpy spy(&e->m_w, &DailyCycleInputWidget::valueChanged);
		QList<Node *> nodes = nodesOf(e->m_w);
		ASSERT_EQ(nodes.size(), 24);
		nodes[3]->setPos(nodes[3]->x() + 7, area.center().y());
		EXPECT_DOUBLE_EQ(e->m_w.values()[3], (lo + hi)/2);
		EXPECT_NEAR(nodes[3]->x(), area.left() + 3.5*area.width()/24, 1e-9);	// only vertical moves
		nodes[4]->setPos(nodes[4]->x(), area.top() - 100);
		EXPECT_DOUBLE_EQ(e->m_w.values()[4], hi);
		nodes[5]->setPos(nodes[5]->x(), area.bottom() + 100);
		EXPECT_DOUBLE_EQ(e->m_w.values()[5], lo);
		EXPECT_EQ(spy.count(), 3);
		EXPECT_EQ(e->m_w.findChild<QTableWidget *>()->item(4, 1)->text(), QString("%L1").arg(hi));
	}
}


TEST(DailyCycleInputWidget, hourLabelsThinOutBelowFortyPixelSlots) {
	for (int width : {500, 1400}) {
		Editor e(width, 200, 10, 20);
		const bool all = e.m_w.plotArea().width()/24 >= 40;
		EXPECT_EQ(all, width == 1400);
		QList<QGraphicsTextItem *> labels;
		for (QGraphicsItem * item : e.m_w.findChild<QGraphicsView *>()->scene()->items())
			if (QGraphicsTextItem * t = dynamic_cast<QGraphicsTextItem *>(item))
				if (t->toPlainText().endsWith(":00"))
					labels.append(t);
		ASSERT_EQ(labels.size(), 25);
		for (QGraphicsTextItem * t : labels) {
			const int hour = t->toPlainText().section(':', 0, 0).trimmed().toInt();
			EXPECT_EQ(t->isVisible(), all || hour % 4 == 0) << hour;
		}
	}
}


TEST(DailyCycleInputWidget, typedValuesAreCheckedAndGoToTheWholeSelection) {
	Editor e(500, 200, 10, 20);
	e.m_w.setValues(std::vector<double>(24, 18));
	QTableWidget * table = e.m_w.findChild<QTableWidget *>();
	QSignalSpy spy(&e.m_w, &DailyCycleInputWidget::valueChanged);
	for (const char * text : {"warm", "nan", "inf", "-inf", ""}) {
		table->item(2, 1)->setText(text);
		// the refused text stays, marked with its reason; the hour keeps its value
		EXPECT_EQ(table->item(2, 1)->text(), text);
		EXPECT_TRUE(table->item(2, 1)->toolTip().contains("is not a number")) << text;
		EXPECT_DOUBLE_EQ(e.m_w.values()[2], 18) << text;
	}
	table->item(2, 1)->setText("18");
	EXPECT_TRUE(table->item(2, 1)->toolTip().isEmpty());
	EXPECT_EQ(spy.count(), 0);

	table->item(6, 1)->setSelected(true);
	table->item(7, 1)->setSelected(true);
	table->item(8, 1)->setSelected(true);
	table->item(7, 1)->setText("25");
	for (int r : {6, 7, 8})
		EXPECT_DOUBLE_EQ(e.m_w.values()[size_t(r)], 25) << r;
	EXPECT_DOUBLE_EQ(e.m_w.values()[9], 18);
	EXPECT_EQ(spy.count(), 3);
	EXPECT_DOUBLE_EQ(e.m_w.axisMaximum(), 25);	// typed values are not limited, the axis widens
}


TEST(DailyCycleInputWidget, setValuesShowsTheValuesAsTheyAreAndEmitsNothing) {
	Editor e(500, 200, 10, 20);
	QSignalSpy spy(&e.m_w, &DailyCycleInputWidget::valueChanged);
	std::vector<double> v(24, 18.5);
	v[1] = 123456;
	v[2] = 0.000123456;
	v[3] = 18.1234567;		// more digits than the cell shows: kept, not rounded to the text
	e.m_w.setValues(v);
	EXPECT_EQ(spy.count(), 0);
	EXPECT_EQ(e.m_w.values(), v);
	EXPECT_EQ(e.m_w.findChild<QTableWidget *>()->item(3, 1)->text(), QString("%L1").arg(18.1235));
}


TEST(DailyCycleInputWidget, layoutPassesOnlyMoveItems) {
	Editor e(500, 200, 10, 20);
	QGraphicsScene * scene = e.m_w.findChild<QGraphicsView *>()->scene();
	const QList<QGraphicsItem *> before = scene->items();
	const QList<Node *> nodes = nodesOf(e.m_w);
	const double y = nodes[0]->y();
	QSignalSpy spy(&e.m_w, &DailyCycleInputWidget::valueChanged);
	for (QSize size : {QSize(900, 400), QSize(400, 160), QSize(1200, 300)}) {
		e.m_w.resize(size);
		QCoreApplication::processEvents();
		EXPECT_EQ(scene->items().size(), before.size());
	}
	e.m_w.setMaximumValue(40);
	QList<QGraphicsItem *> after = scene->items();
	QList<QGraphicsItem *> sortedBefore = before;
	std::sort(after.begin(), after.end());
	std::sort(sortedBefore.begin(), sortedBefore.end());
	EXPECT_EQ(after, sortedBefore);
	EXPECT_NE(nodes[0]->y(), y);
	EXPECT_EQ(spy.count(), 0);		// placements are no user edits
	EXPECT_DOUBLE_EQ(e.m_w.values()[0], 18);
}


TEST(DailyCycleInputWidget, longUnitFitsBesideTheAxisShrunkOrElided) {
	const QString unit = "Number of occupants in the room";
	for (int height : {150, 420}) {
		DailyCycleInputWidget w;
		w.resize(700, height);
		w.setup(unit, 0, 10);
		w.show();
		QCoreApplication::processEvents();
		QGraphicsScene * scene = w.findChild<QGraphicsView *>()->scene();
		QGraphicsTextItem * label = nullptr;
		QRectF frame;
		for (QGraphicsItem * item : scene->items()) {
			if (item->toolTip() == unit)
				label = static_cast<QGraphicsTextItem *>(item);
			if (item->type() == QGraphicsRectItem::Type && item->zValue() == 0)
				frame = item->sceneBoundingRect();
		}
		ASSERT_NE(label, nullptr) << height;
		const QRectF r = label->sceneBoundingRect();
		// upright beside the plot and within its height, never below a readable size
		EXPECT_LE(r.width(), r.height()) << height;
		EXPECT_LE(r.height(), frame.height()) << height;
		EXPECT_GE(label->scale(), 0.6) << height;
		if (height == 150)
			EXPECT_TRUE(label->toPlainText().endsWith(QChar(0x2026))) << label->toPlainText().toStdString();
		else
			EXPECT_EQ(label->toPlainText(), unit);
	}
}


TEST(DailyCycleInputWidget, typedCellsReadNumbersAsTheInputFieldsAndRefuseValuesBelowTheMinimum) {
	struct Case { QLocale::Language m_lang; const char * m_text; bool m_stored; double m_value; bool m_marked; };
	const Case cases[] = {
		{ QLocale::German, "12.5", true, 12.5, false },		// '.' as decimal point under German too
		{ QLocale::German, "12,5", true, 12.5, false },
		{ QLocale::German, "1.000", false, 4, true },		// a thousands group or a decimal point?
		{ QLocale::English, "-3", false, 4, true },			// below the lower bound
		{ QLocale::English, "0", true, 0, false },			// the bound itself
		{ QLocale::English, "7.25", true, 7.25, false },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_text);
		GuiTest::ScopedLocale locale(c.m_lang);
		DailyCycleInputWidget w;
		w.resize(600, 250);
		w.setup("W/m2", 0, 10, "Equipment load must be a positive value.");
		w.setValues(std::vector<double>(24, 4));
		w.show();
		QApplication::setActiveWindow(&w);
		QTableWidget * table = w.findChild<QTableWidget *>();
		QSignalSpy spy(&w, &DailyCycleInputWidget::valueChanged);
		// double-click opens the cell's editor; the text is typed and confirmed
		const QRect cell = table->visualItemRect(table->item(5, 1));
		QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
		QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
		QWidget * editor = QApplication::focusWidget();
		ASSERT_NE(editor, nullptr);
		ASSERT_NE(editor, table);
		QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
		QTest::keyClicks(editor, c.m_text);
		QTest::keyClick(editor, Qt::Key_Return);
		QApplication::processEvents();		// the delegate commits after the key
		EXPECT_DOUBLE_EQ(w.values()[5], c.m_value);
		EXPECT_EQ(spy.count(), c.m_value != 4 ? 1 : 0);
		QTableWidgetItem * item = table->item(5, 1);
		EXPECT_EQ(item->background().color() == QColor("#ff7777"), c.m_marked);
		EXPECT_EQ(item->toolTip().isEmpty(), !c.m_marked);
		if (c.m_marked) {
			EXPECT_EQ(item->text().toStdString(), c.m_text) << "the refused text stays visible";
		}
		if (std::string(c.m_text) == "-3") {
			EXPECT_EQ(item->toolTip().toStdString(), "Equipment load must be a positive value.");
		}
	}
}


TEST(DailyCycleInputWidget, refreshLeavesASelectedCellAlone) {
	DailyCycleInputWidget w;
	w.resize(600, 250);
	w.setup("C", 0, 30);
	std::vector<double> first(24);
	for (size_t h = 0; h < 24; ++h)
		first[h] = 10 + 0.5*double(h);
	w.setValues(first);
	w.show();
	QTableWidget * table = w.findChild<QTableWidget *>();
	QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->visualItemRect(table->item(14, 1)).center());
	ASSERT_TRUE(table->item(14, 1)->isSelected());
	QSignalSpy spy(&w, &DailyCycleInputWidget::valueChanged);
	std::vector<double> second(24);
	for (size_t h = 0; h < 24; ++h)
		second[h] = 20 - 0.25*double(h);
	w.setValues(second);
	EXPECT_EQ(w.values(), second);
	EXPECT_EQ(table->item(14, 1)->text(), QString("%L1").arg(second[14]));
	EXPECT_EQ(spy.count(), 0);
}
