// Window type editor: U, g, f and the angle-dependent solar heat gain coefficient.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <QtExt_LanguageHandler.h>
#include <QtExt_ValidatingLineEdit.h>

#include "DatabaseTestFixture.h"
#include "TypedNumbers.h"
#include "WindowDBModel.h"
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


TEST_F(WindowEditWidgetTest, TypedPointValuesReadAsEveryFieldReadsThem) {
	m_page->resize(1000, 700);
	ASSERT_TRUE(GuiTest::showActive(m_page.get()));
	for (QLocale::Language lang : { QLocale::English, QLocale::German }) {
		GuiTest::ScopedLocale locale(lang);
		for (const GuiTest::TypedNumber & n : GuiTest::typedNumbers()) {
			SCOPED_TRACE(std::string(lang == QLocale::German ? "German '" : "English '") + n.m_text + "'");
			win().m_relativeSHGC.setValues({0, 30, 90}, {1, 0.9, 0.5});
			select(1);
			select(10001);
			double meant = 0;
			const bool accepted = n.value(lang, meant) && meant >= 0 && meant <= 1;
			GuiTest::typeIntoCell(table(), table()->model()->index(1, 1), QString::fromUtf8(n.m_text), Qt::Key_Return);
			EXPECT_EQ(win().m_relativeSHGC.y()[1], accepted ? meant : 0.9);
			EXPECT_EQ(win().m_relativeSHGC.size(), 3u);
			// a refused text stays, red, with its reason
			QTableWidgetItem * item = table()->item(1, 1);
			EXPECT_EQ(red(1, 1), !accepted);
			EXPECT_EQ(item->toolTip().isEmpty(), accepted);
			if (!accepted) {
				EXPECT_EQ(item->text(), QString::fromUtf8(n.m_text));
			}
		}
	}
}


TEST_F(WindowEditWidgetTest, OnePointCurveGrowsFromTheDefaultCurve) {
	m_page->resize(1000, 700);
	ASSERT_TRUE(GuiTest::showActive(m_page.get()));
	// a file may hold a curve of one point; raising the count starts from 0 and 90 degrees
	struct Case { const char * typed; std::vector<double> angles; };
	const Case cases[] = {
		{ nullptr, {0, 45, 90} },			// one Up press
		{ "2", {0, 90} },
		{ "4", {0, 45, 67.5, 90} },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.typed == nullptr ? "Up" : c.typed);
		win().m_relativeSHGC.setValues({0}, {1});
		select(1);
		select(10001);
		QSpinBox * count = field<QSpinBox>("spinBox");
		EXPECT_EQ(table()->rowCount(), 1);
		if (c.typed == nullptr) {
			QTest::mouseClick(count->findChild<QLineEdit *>(), Qt::LeftButton);
			QTest::keyClick(count, Qt::Key_Up);
		}
		else {
			GuiTest::typeIntoSpinBox(count, c.typed, Qt::Key_Return);
		}
		EXPECT_EQ(win().m_relativeSHGC.x(), c.angles);
		EXPECT_EQ(win().m_relativeSHGC.y(), std::vector<double>(c.angles.size(), 1.0));
		EXPECT_TRUE(win().isValid());
		EXPECT_EQ(table()->rowCount(), int(c.angles.size()));
	}
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


namespace {

TEST_F(WindowEditWidgetTest, PointCountActsOnlyWhenCommittedAndKeepsTheOtherPoints) {
	win().m_relativeSHGC.setValues({0, 20, 40, 60, 90}, {1, 0.98, 0.95, 0.8, 0});
	m_page->resize(1000, 700);
	ASSERT_TRUE(GuiTest::showActive(m_page.get()));
	select(10001);
	QSpinBox * count = field<QSpinBox>("spinBox");
	const std::vector<double> angles = win().m_relativeSHGC.x();

	m_page->tableView()->setFocus();
	GuiTest::wheel(count, -120);
	EXPECT_EQ(win().m_relativeSHGC.x(), angles);

	// typing 20 passes through 2, which would keep only 0 and 90 degrees
	QTest::mouseClick(count->findChild<QLineEdit *>(), Qt::LeftButton);
	count->selectAll();
	QTest::keyClicks(count, "2");
	EXPECT_EQ(win().m_relativeSHGC.x(), angles);
	QTest::keyClicks(count, "0");
	QTest::keyClick(count, Qt::Key_Return);
	const std::vector<double> x = win().m_relativeSHGC.x();
	ASSERT_EQ(x.size(), 20u);
	EXPECT_EQ(std::vector<double>(x.begin(), x.begin() + 4), (std::vector<double>{0, 20, 40, 60}));
	EXPECT_EQ(x.back(), 90);
	EXPECT_EQ(table()->rowCount(), 20);
	EXPECT_TRUE(m_db.isModified());
}


TEST_F(WindowEditWidgetTest, ValueTypedBackIsStored) {
	m_page->resize(1000, 700);
	ASSERT_TRUE(GuiTest::showActive(m_page.get()));
	win().m_U = 1.8;
	win().m_f = 0.7;
	select(10001);
	struct Case { const char * field; double RM::WindowType::* member; int column; QString first; QString back; };
	const Case cases[] = {
		{ "lineEditU", &RM::WindowType::m_U, 3, "1.5", "1.8" },
		{ "lineEditg", &RM::WindowType::m_g, 4, "0.5", "0.6" },
		{ "lineEditf", &RM::WindowType::m_f, 5, "0.9", "0.7" },
	};
	const WindowDBModel * model = m_page->dbModel();
	const QModelIndex row = model->indexById(10001);
	for (const Case & c : cases) {
		QLineEdit * f = field<QLineEdit>(c.field);
		ASSERT_EQ(f->text(), c.back) << c.field;
		for (const QString & text : { c.first, c.back }) {
			QTest::mouseClick(f, Qt::LeftButton);
			f->selectAll();
			QTest::keyClick(f, Qt::Key_Backspace);
			QTest::keyClicks(f, text);
			QTest::keyClick(f, Qt::Key_Return);
			EXPECT_EQ(win().*c.member, text.toDouble()) << c.field << " " << text.toStdString();
			EXPECT_EQ(row.sibling(row.row(), c.column).data().toString(), QString::number(text.toDouble(), 'f', 2)) << c.field;
		}
	}
}


TEST_F(WindowEditWidgetTest, InvalidIconNamesTheReason) {
	m_page->resize(1000, 700);
	ASSERT_TRUE(GuiTest::showActive(m_page.get()));
	win().m_relativeSHGC.setValues({0, 45, 90}, {0.8, 0.7, 0.5});
	select(10001);
	const QModelIndex row = m_page->dbModel()->indexById(10001);
	const QModelIndex icon = row.sibling(row.row(), 1);
	EXPECT_FALSE(icon.data(Qt::ToolTipRole).isValid());
	// a relative value above the one at 0 degrees is taken by the table, and the icon says why
	QTableWidget * t = table();
	t->editItem(t->item(1, 1));
	QLineEdit * cellEdit = t->viewport()->findChild<QLineEdit *>();
	ASSERT_NE(cellEdit, nullptr);
	cellEdit->selectAll();
	QTest::keyClicks(cellEdit, "0.9");
	QTest::keyClick(cellEdit, Qt::Key_Return);
	QCoreApplication::processEvents(); // the view commits a cell editor's Return queued
	ASSERT_EQ(win().m_relativeSHGC.y()[1], 0.9);
	EXPECT_FALSE(win().isValid());
	const QString tip = icon.data(Qt::ToolTipRole).toString();
	EXPECT_TRUE(tip.contains("45") && tip.contains("0.9") && tip.contains("0.8")) << tip.toStdString();
}

} // namespace


TEST(WindowEditWidgetHeaderTest, AngleColumnShowsItsWholeHeaderInBothLanguages) {
	for (const char * lang : { "en", "de" }) {
		QtExt::LanguageHandler::instance().installTranslator(lang);
		RM::Database db;
		GuiTest::fillTestDatabase(db);
		WindowDBWidget page(nullptr, &db);
		page.resize(1000, 720);
		page.show();
		ASSERT_TRUE(GuiTest::selectRowOfId(page.tableView(), 10001));
		QApplication::processEvents();
		QTableWidget * table = page.findChild<QTableWidget *>("tableWidget");
		QHeaderView * header = table->horizontalHeader();
		EXPECT_GE(header->sectionSize(0), header->sectionSizeHint(0)) << lang << ": " << header->model()->headerData(0, Qt::Horizontal).toString().toStdString();
		EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << lang << ": both columns in view";
	}
	QtExt::LanguageHandler::instance().installTranslator("en");
}
