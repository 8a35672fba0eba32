// Entries the model cannot simulate are refused where they are typed, with the range in the
// reason, and a text that is no number shows the number reader's reason in every language.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <QtExt_UserNumber.h>
#include <QtExt_ValidatingLineEdit.h>
#include <RM_Room.h>
#include <RM_RoomConstruction.h>

#include "ConstructionTableModel.h"
#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "TypedNumbers.h"

namespace {

using Tab = RoomModelDialog::InputTab;

class EntryRangeWindowTest : public GuiTest::MainWindowTest {};


TEST_F(EntryRangeWindowTest, InclinationOutsideZeroTo180DegreesIsRefusedInTheCell) {
	const struct Case { const char * m_text; bool m_taken; double m_stored; } cases[] = {
		{ "400", false, 0 }, { "-30", false, 0 }, { "180.5", false, 0 },
		{ "180", true, 180 }, { "120", true, 120 }, { "0", true, 0 },
	};
	QWidget * p = page(Tab::TabGeometry);
	m_window->inputTabs()->setCurrentWidget(p);
	QTableView * view = named<QTableView>("tableViewConstruction", p);
	const QModelIndex cell = view->model()->index(0, ConstructionTableModel::ColInclination);
	for (QLocale::Language lang : { QLocale::English, QLocale::German }) {
		GuiTest::ScopedLocale locale(lang);
		for (const Case & c : cases) {
			SCOPED_TRACE(std::string(c.m_text) + (lang == QLocale::German ? " de" : " en"));
			double & inclination = m_window->project()->m_constructions[0].m_inclination;
			inclination = 90;
			QWidget * focus = GuiTest::typeIntoCell(view, cell, c.m_text, Qt::Key_Return);
			QApplication::processEvents();
			if (c.m_taken) {
				EXPECT_EQ(inclination, c.m_stored);
				continue;
			}
			// the editor stays open, red, with the range as its reason; the surface keeps its angle
			ASSERT_NE(focus, nullptr);
			QComboBox * combo = qobject_cast<QComboBox *>(focus);
			if (combo == nullptr)
				combo = qobject_cast<QComboBox *>(focus->parentWidget());
			ASSERT_NE(combo, nullptr) << focus->metaObject()->className();
			QLineEdit * edit = combo->lineEdit();
			EXPECT_EQ(edit->toolTip(), QString("Enter an angle from %L1 to %L2 degrees.").arg(0.0).arg(180.0));
			EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(QtExt::ValidatingLineEdit::INVALID_COLOR));
			QTest::keyClick(edit, Qt::Key_Escape);
			QApplication::processEvents();
			EXPECT_EQ(inclination, 90.0);
		}
	}
}


TEST_F(EntryRangeWindowTest, OppositeRoomTemperatureOutsideTheRunsRangeIsRefused) {
	RM::RoomConstruction & surface = m_window->project()->m_constructions[0];
	surface.m_type = RM::RoomConstruction::FixedTemperature;
	m_window->updateInputWidgets();
	QWidget * p = page(Tab::TabGeometry);
	m_window->inputTabs()->setCurrentWidget(p);
	QTableView * view = named<QTableView>("tableViewConstruction", p);
	const QModelIndex cell = view->model()->index(0, ConstructionTableModel::ColOppositeT);
	const double before = surface.m_zoneT;
	GuiTest::ModalDialogDriver driver;
	for (const char * text : { "-300", "250" }) {
		SCOPED_TRACE(text);
		driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
		GuiTest::typeIntoCell(view, cell, text, Qt::Key_Return);
		QApplication::processEvents();
		EXPECT_EQ(surface.m_zoneT, before);
		ASSERT_FALSE(driver.m_seen.empty());
		EXPECT_EQ(driver.m_seen.back().m_text, QString("The opposite room temperature must be a value from %L1 to %L2 C.").arg(-100.0).arg(200.0));
		driver.m_seen.clear();
		if (QWidget * focus = QApplication::focusWidget())
			QTest::keyClick(focus, Qt::Key_Escape);
	}
	GuiTest::typeIntoCell(view, cell, "-20", Qt::Key_Return);
	EXPECT_DOUBLE_EQ(surface.m_zoneT, 253.15);
	EXPECT_TRUE(driver.m_seen.empty());
}


TEST_F(EntryRangeWindowTest, EquipmentLoadAboveTheRunsLimitIsRefused) {
	QWidget * p = page(Tab::TabEquipment);
	m_window->inputTabs()->setCurrentWidget(p);
	QtExt::ValidatingLineEdit * edit = named<QtExt::ValidatingLineEdit>("lineEditConstantEdit", p);
	RM::Schedule & load = m_window->project()->m_userLoads.m_equipmentLoad;
	const double before = load.m_constantValue;
	for (const char * text : { "1e9", "10001" }) {
		SCOPED_TRACE(text);
		GuiTest::typeAndReturn(edit, text);
		QApplication::processEvents();
		EXPECT_FALSE(edit->isValid());
		EXPECT_EQ(load.m_constantValue, before);
		EXPECT_TRUE(edit->toolTip().contains(QString("%L1 W/m2").arg(10000.0))) << edit->toolTip().toStdString();
	}
	GuiTest::typeAndReturn(edit, "10000");
	EXPECT_EQ(load.m_constantValue, 10000.0);
}


TEST_F(EntryRangeWindowTest, FieldsShowTheNumberReadersReasonInBothLanguages) {
	const struct Case { QLocale::Language m_lang; const char * m_text; bool m_rangeReason; } cases[] = {
		{ QLocale::English, "1,5", false }, { QLocale::English, "1,500", false }, { QLocale::English, "12abc", false },
		{ QLocale::German, "1.500", false }, { QLocale::German, "1,5,0", false }, { QLocale::German, "12abc", false },
		// a number outside the range keeps the field's range message
		{ QLocale::English, "-3", true }, { QLocale::German, "-3", true },
	};
	QWidget * p = page(Tab::TabGeometry);
	m_window->inputTabs()->setCurrentWidget(p);
	QtExt::ValidatingLineEdit * edit = named<QtExt::ValidatingLineEdit>("lineEditArea", p);
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_text) + (c.m_lang == QLocale::German ? " de" : " en"));
		GuiTest::ScopedLocale locale(c.m_lang);
		GuiTest::typeAndReturn(edit, c.m_text);
		EXPECT_FALSE(edit->isValid());
		const QString reason = QtExt::refusedNumberMessage(c.m_text);
		EXPECT_EQ(reason.isEmpty(), c.m_rangeReason);
		EXPECT_EQ(edit->toolTip(), c.m_rangeReason ? edit->m_toolTip : reason);
	}
}

} // namespace
