// The mouse wheel changes only the spin box or combo box that has the focus; over an
// unfocused box the page scrolls instead.
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <RM_Room.h>

#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"
#include "WheelFocusFilter.h"

namespace {

/*! A box in a scroll area taller than its view, with an edit field to hold the focus. */
struct Page {
	QScrollArea		m_area;
	QLineEdit *		m_other = nullptr;
	QWidget *		m_box = nullptr;
};

struct BoxCase {
	const char *						m_name;
	std::function<QWidget *(QWidget *)>	m_make;
	std::function<QString(QWidget *)>	m_value;
};

const BoxCase BOX_CASES[] = {
	{ "QSpinBox",
	  [](QWidget * p) { QSpinBox * b = new QSpinBox(p); b->setRange(0, 10); b->setValue(5); return b; },
	  [](QWidget * b) { return QString::number(static_cast<QSpinBox *>(b)->value()); } },
	{ "QDoubleSpinBox",
	  [](QWidget * p) { QDoubleSpinBox * b = new QDoubleSpinBox(p); b->setRange(0, 10); b->setValue(5); return b; },
	  [](QWidget * b) { return QString::number(static_cast<QDoubleSpinBox *>(b)->value()); } },
	{ "QComboBox",
	  [](QWidget * p) { QComboBox * b = new QComboBox(p); b->addItems({ "a", "b", "c" }); b->setCurrentIndex(1); return b; },
	  [](QWidget * b) { return QString::number(static_cast<QComboBox *>(b)->currentIndex()); } },
};

void buildPage(Page & page, const BoxCase & c) {
	QWidget * content = new QWidget;
	QVBoxLayout * lay = new QVBoxLayout(content);
	page.m_other = new QLineEdit(content);
	lay->addWidget(page.m_other);
	page.m_box = c.m_make(content);
	lay->addWidget(page.m_box);
	lay->addSpacing(2000);
	page.m_area.setWidget(content);
	page.m_area.resize(300, 200);
	page.m_area.show();
	ASSERT_TRUE(QTest::qWaitForWindowExposed(&page.m_area));
}

} // namespace


TEST(WheelFocusFilterTest, UnfocusedBoxesKeepTheirValueAndThePageScrolls) {
	WheelFocusFilter filter(nullptr);
	qApp->installEventFilter(&filter);
	for (const BoxCase & c : BOX_CASES) {
		SCOPED_TRACE(c.m_name);
		Page page;
		buildPage(page, c);
		page.m_other->setFocus();
		const QString before = c.m_value(page.m_box);

		GuiTest::wheelNotch(page.m_box, -1);
		EXPECT_EQ(c.m_value(page.m_box), before);
		EXPECT_FALSE(page.m_box->hasFocus());
		EXPECT_GT(page.m_area.verticalScrollBar()->value(), 0);

		page.m_box->setFocus(Qt::TabFocusReason);
		GuiTest::wheelNotch(page.m_box, -1);
		EXPECT_NE(c.m_value(page.m_box), before);
	}
	qApp->removeEventFilter(&filter);
}


using WheelFocusWindowTest = GuiTest::MainWindowTest;

TEST_F(WheelFocusWindowTest, WheelOverTheUnfocusedLocationLeavesTheProjectsClimate) {
	RoomModelDialog & window = *m_window;
	QComboBox * location = window.findChild<QComboBox *>("comboBoxLocation");
	ASSERT_NE(location, nullptr);
	ASSERT_GT(location->count(), 2);
	window.findChild<QLineEdit *>("lineEditArea")->setFocus();
	const QString climate = window.project()->m_climateDataPath;
	const int index = location->currentIndex();

	GuiTest::wheelNotch(location, location->currentIndex() == 0 ? -1 : 1);
	EXPECT_EQ(location->currentIndex(), index);
	EXPECT_EQ(window.project()->m_climateDataPath, climate);
}
