// Window type editor: U, g, f and the angle-dependent solar heat gain coefficient.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <QtExt_ValidatingLineEdit.h>

#include "DatabaseTestFixture.h"
#include "WindowDBWidget.h"
#include "WindowEditWidget.h"

namespace {

class WindowEditWidgetTest : public ::testing::Test {
protected:
	explicit WindowEditWidgetTest(QLocale::Language lang = QLocale::English) :
		m_locale(lang)
	{
		GuiTest::fillTestDatabase(m_db);
		m_db.m_windows[10001].m_g = 0.6;
		m_page.reset(new WindowDBWidget(nullptr, &m_db));
		m_db.setModified(false);
	}

	template <typename T>
	T * field(const char * name) {
		T * w = m_page->findChild<T *>(name);
		EXPECT_NE(w, nullptr) << name;
		return w;
	}

	void select(unsigned int id) {
		ASSERT_TRUE(GuiTest::selectRowOfId(m_page->tableView(), id)) << "no row of id " << id;
	}

	QTableWidget * table() { return field<QTableWidget>("tableWidget"); }
	QwtPlotCurve * curve() {
		const QwtPlotItemList items = field<QwtPlot>("shgcPlot")->itemList(QwtPlotItem::Rtti_PlotCurve);
		return items.isEmpty() ? nullptr : static_cast<QwtPlotCurve *>(items.front());
	}
	std::vector<double> curveY() {
		std::vector<double> y;
		for (size_t i = 0; i < curve()->dataSize(); ++i)
			y.push_back(curve()->sample(i).y());
		return y;
	}
	RM::WindowType & win() { return m_db.m_windows[10001]; }
	bool red(int row, int col) { return table()->item(row, col)->background().color() == QColor(Qt::red); }

	GuiTest::ScopedLocale				m_locale;
	RM::Database						m_db;
	std::unique_ptr<WindowDBWidget>		m_page;
};


TEST_F(WindowEditWidgetTest, PointCountAndGScaleTheCurve) {
	ASSERT_NE(curve(), nullptr);
	EXPECT_FALSE(curve()->isVisible());
	select(10001);
	EXPECT_TRUE(curve()->isVisible());
	ASSERT_EQ(table()->rowCount(), 2);
	EXPECT_EQ(table()->item(0, 0)->text(), "0");
	EXPECT_EQ(table()->item(1, 0)->text(), "90");
	EXPECT_EQ(table()->item(1, 1)->text(), "1");
	EXPECT_EQ(curveY(), (std::vector<double>{0.6, 0.6}));
	EXPECT_FALSE(m_db.isModified());

	win().m_relativeSHGC.setValues({0, 90}, {1, 0.5});
	select(1);
	select(10001);
	field<QSpinBox>("spinBox")->setValue(3);
	EXPECT_EQ(win().m_relativeSHGC.x(), (std::vector<double>{0, 45, 90}));
	EXPECT_EQ(win().m_relativeSHGC.y(), (std::vector<double>{1, 0.5, 0.5}));
	EXPECT_EQ(table()->rowCount(), 3);
	EXPECT_TRUE(m_db.isModified());
	field<QSpinBox>("spinBox")->setValue(2);
	EXPECT_EQ(win().m_relativeSHGC.x(), (std::vector<double>{0, 90}));

	// a new g rescales the curve, not the table
	QLineEdit * g = field<QLineEdit>("lineEditg");
	g->setText("0.5");
	emit g->editingFinished();
	EXPECT_EQ(win().m_g, 0.5);
	EXPECT_EQ(curveY(), (std::vector<double>{0.5, 0.25}));
	EXPECT_EQ(table()->item(1, 1)->text(), "0.5");
}


TEST_F(WindowEditWidgetTest, TableEntriesAcceptedOrRefused) {
	win().m_relativeSHGC.setValues({0, 30, 60, 90}, {1, 0.9, 0.8, 0.5});
	select(10001);
	struct Case { int row; int col; QString text; bool accepted; };
	const Case cases[] = {
		{1, 1, "0", true}, {1, 1, "1", true}, {1, 1, "1.01", false}, {1, 1, "nan", false},
		{1, 1, "abc", false}, {1, 1, "1", true},
		{0, 0, "5", false}, {0, 0, "0", true}, {3, 0, "80", false}, {3, 0, "90", true},
		{1, 0, "60", false}, {1, 0, "0", false}, {1, 0, "70", false}, {1, 0, "95", false},
		{1, 0, "22.5", true},
	};
	for (const Case & c : cases) {
		SCOPED_TRACE((c.text + " in " + QString::number(c.row) + "," + QString::number(c.col)).toStdString());
		const BVX::LinearSpline before = win().m_relativeSHGC;
		table()->item(c.row, c.col)->setText(c.text);
		EXPECT_EQ(red(c.row, c.col), !c.accepted);
		const std::vector<double> & stored = c.col == 0 ? win().m_relativeSHGC.x() : win().m_relativeSHGC.y();
		if (c.accepted)
			EXPECT_EQ(stored[size_t(c.row)], c.text.toDouble());
		else {
			EXPECT_EQ(win().m_relativeSHGC.x(), before.x());
			EXPECT_EQ(win().m_relativeSHGC.y(), before.y());
		}
		EXPECT_EQ(win().m_relativeSHGC.size(), 4u);
	}
	// a valid entry equal to the stored value is not red
	table()->item(2, 1)->setText("0.8");
	EXPECT_FALSE(red(2, 1));
}


class WindowEditWidgetGermanTest : public WindowEditWidgetTest {
protected:
	WindowEditWidgetGermanTest() : WindowEditWidgetTest(QLocale::German) {}
};


TEST_F(WindowEditWidgetGermanTest, AnglesParseWithTheLocale) {
	win().m_relativeSHGC.setValues({0, 30, 90}, {1, 0.9, 0.5});
	select(10001);
	table()->item(1, 0)->setText("22,5");
	EXPECT_EQ(win().m_relativeSHGC.x()[1], 22.5);
	EXPECT_EQ(table()->item(1, 0)->text(), "22,5");
	table()->item(1, 1)->setText("0,25");
	EXPECT_EQ(win().m_relativeSHGC.y()[1], 0.25);
}


TEST_F(WindowEditWidgetTest, BuiltinTypesAreReadOnly) {
	m_db.m_windows[1].m_relativeSHGC.setValues({0, 90}, {1, 0.5});
	const RM::WindowType before = m_db.m_windows[1];
	select(1);
	EXPECT_EQ(table()->item(1, 1)->text(), "0.50");
	EXPECT_FALSE(table()->item(1, 1)->flags() & Qt::ItemIsEditable);
	for (const char * name : {"lineEditNameEn", "lineEditU", "lineEditg", "lineEditf"}) {
		QLineEdit * f = field<QLineEdit>(name);
		EXPECT_TRUE(f->isReadOnly()) << name;
		EXPECT_EQ(f->palette().color(QPalette::Base), QColor("#d6e9ff")) << name;
	}
	table()->item(1, 1)->setText("0.3");
	field<QSpinBox>("spinBox")->setValue(4);
	EXPECT_EQ(m_db.m_windows[1], before);
	EXPECT_FALSE(m_db.isModified());
}

} // namespace
