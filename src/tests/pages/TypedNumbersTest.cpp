// Numbers typed into a field, the construction table's cells and a daily-cycle cell: every
// widget takes the same value for a text, or refuses it and keeps what it had.
#include <gtest/gtest.h>

#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "TypedNumbers.h"

#include <cmath>
#include <functional>
#include <limits>

#include <QAbstractItemModelTester>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Room.h>
#include <RM_ValueChecks.h>

#include "ConstructionTableDelegate.h"
#include "ConstructionTableModel.h"
#include "DailyCycleInputWidget.h"

namespace {

using M = ConstructionTableModel;
const double INF = std::numeric_limits<double>::infinity();
const double STORED = 0.5;

/*! One widget under test: how to type into it and what it stores. */
struct Target {
	const char *					m_name;
	double							m_min, m_max;
	std::function<void(double)>		m_reset;
	/*! Types the text and leaves with Return; returns the editor left open, if any. */
	std::function<QWidget *(const QString &)> m_type;
	std::function<double()>			m_stored;
	/*! The reason shown for the text just typed (empty: none). */
	std::function<QString()>		m_reason;
};


class TypedNumbersTest : public ::testing::TestWithParam<QLocale::Language> {
protected:
	TypedNumbersTest() : m_locale(GetParam()) {
		GuiTest::fillTestDatabase(m_db);
		m_room.m_constructions.assign(1, RM::RoomConstruction());
		m_room.m_constructions[0].m_constructionId = 1;
		m_model.reset(new M(nullptr, &m_room, &m_db));
		m_tester.reset(new QAbstractItemModelTester(m_model.get(), QAbstractItemModelTester::FailureReportingMode::Fatal));
		m_view.reset(new QTableView);
		m_view->setModel(m_model.get());
		m_view->setItemDelegate(new ConstructionTableDelegate(m_view.get(), &m_db));
		m_view->resize(1600, 300);
		m_field.setup(-1e9, 1e9, "any number", true, true);
		m_field.resize(200, 30);
		m_cycle.setup("W", -1e6, 10);
		m_cycle.resize(600, 250);
	}

	RM::RoomConstruction & rc() { return m_room.m_constructions[0]; }

	Target field() {
		return { "field", -1e9, 1e9,
			[this](double v) { m_field.setValue(v); m_fieldValue = v; },
			[this](const QString & t) {
				EXPECT_TRUE(GuiTest::showActive(&m_field));
				GuiTest::typeAndReturn(&m_field, t);
				double v;
				// what a page stores: the field's own reading, when valid
				if (m_field.isValid() && m_field.isValidNumber(v))
					m_fieldValue = v;
				return static_cast<QWidget *>(nullptr);
			},
			[this]() { return m_fieldValue; },
			[this]() { return m_field.isValid() ? QString() : m_field.toolTip(); } };
	}

	Target cell(const char * name, int col, double RM::RoomConstruction::* member, double lo, double hi) {
		return { name, lo, hi,
			[this, member](double v) { rc().*member = v; m_model->resetModel(); },
			[this, col](const QString & t) {
				EXPECT_TRUE(GuiTest::showActive(m_view.get()));
				QWidget * w = GuiTest::typeIntoCell(m_view.get(), m_model->index(0, col), t, Qt::Key_Return);
				return w == m_view.get() ? nullptr : w;
			},
			[this, member]() { return rc().*member; },
			[this]() {
				// the open editor's reason: on the spin box, or on the line edit of a combo box
				QWidget * w = QApplication::focusWidget();
				if (w == nullptr || w == m_view.get())
					return QString();
				QLineEdit * text = qobject_cast<QLineEdit *>(w);
				return text != nullptr ? text->toolTip() : w->toolTip();
			} };
	}

	Target cycleCell() {
		return { "daily-cycle cell", -1e6, INF,
			[this](double v) { m_cycle.setValues(std::vector<double>(24, v)); },
			[this](const QString & t) {
				EXPECT_TRUE(GuiTest::showActive(&m_cycle));
				QTableWidget * table = m_cycle.findChild<QTableWidget *>();
				GuiTest::typeIntoCell(table, table->model()->index(3, 1), t, Qt::Key_Return);
				return static_cast<QWidget *>(nullptr);
			},
			[this]() { return m_cycle.values()[3]; },
			// a refused text stays in the cell, marked with its reason
			[this]() { return m_cycle.findChild<QTableWidget *>()->item(3, 1)->toolTip(); } };
	}

	GuiTest::ScopedLocale						m_locale;
	RM::Database								m_db;
	RM::Room									m_room;
	std::unique_ptr<M>							m_model;
	std::unique_ptr<QAbstractItemModelTester>	m_tester;
	std::unique_ptr<QTableView>					m_view;
	QtExt::ValidatingLineEdit					m_field;
	double										m_fieldValue = 0;
	DailyCycleInputWidget						m_cycle;
};


TEST_P(TypedNumbersTest, EveryWidgetStoresTheMeantValueOrRefusesTheText) {
	const Target targets[] = {
		field(),
		cell("area cell", M::ColArea, &RM::RoomConstruction::m_AW, 0, INF),
		cell("Rse cell", M::ColRse, &RM::RoomConstruction::m_R_ue, 0.001, INF),
		cell("absorption cell", M::ColAbsorption, &RM::RoomConstruction::m_ad, 0, 1),
		cell("inclination cell", M::ColInclination, &RM::RoomConstruction::m_inclination, RM::INCLINATION.m_min, RM::INCLINATION.m_max),
		cycleCell(),
	};
	for (const Target & target : targets) {
		for (const GuiTest::TypedNumber & n : GuiTest::typedNumbers()) {
			SCOPED_TRACE(std::string(target.m_name) + ": '" + n.m_text + "'");
			target.m_reset(STORED);
			double meant = 0;
			const bool accepted = n.value(GetParam(), meant) && meant >= target.m_min && meant <= target.m_max;
			QWidget * open = target.m_type(QString::fromUtf8(n.m_text));
			EXPECT_EQ(target.m_stored(), accepted ? meant : STORED);
			EXPECT_EQ(target.m_reason().isEmpty(), accepted);
			if (open == nullptr)
				continue;
			// the construction cell's editor stays open on a refused text, red, until Esc
			EXPECT_FALSE(accepted) << "the editor stayed open";
			QLineEdit * text = qobject_cast<QLineEdit *>(open);
			if (text == nullptr)
				text = open->findChild<QLineEdit *>();
			ASSERT_NE(text, nullptr);
			EXPECT_EQ(text->text(), QString::fromUtf8(n.m_text));
			EXPECT_EQ(text->palette().color(QPalette::Base), QColor(QtExt::ValidatingLineEdit::INVALID_COLOR));
			QTest::keyClick(open, Qt::Key_Escape);
			QApplication::processEvents();
			EXPECT_EQ(target.m_stored(), STORED);
		}
	}
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, TypedNumbersTest, ::testing::Values(QLocale::English, QLocale::German),
	[](const ::testing::TestParamInfo<QLocale::Language> & p) {
		return p.param == QLocale::German ? std::string("German") : std::string("English");
	});

} // namespace
