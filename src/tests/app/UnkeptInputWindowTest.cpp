// What Save would not keep (texts refused by fields, cells and open cell editors, surfaces
// without construction) is named by Save, run, close, New, Load and the switch of the edited
// database item, and the user goes back to it or goes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "ConstructionTableModel.h"
#include "DailyCycleInputWidget.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "MaterialDBWidget.h"
#include "ProjectDocument.h"
#include "TypedNumbers.h"
#include "UnkeptInput.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;
using Tab = RoomModelDialog::InputTab;

class UnkeptInputWindowTest : public GuiTest::MainWindowTest {
protected:
	void TearDown() override {
		MainWindowTest::TearDown();
		QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
	}

	QTableView * constructionTable() {
		return named<QTableView>("tableViewConstruction", page(Tab::TabGeometry));
	}

	/*! Surface 0 set to "No Construction" through its cell, as a user chooses it. */
	void parkSurface0() {
		m_window->inputTabs()->setCurrentWidget(page(Tab::TabGeometry));
		QTableView * table = constructionTable();
		QWidget * editor = GuiTest::openCellEditor(table, table->model()->index(0, ConstructionTableModel::ColConstruction));
		ASSERT_NE(qobject_cast<QComboBox *>(editor), nullptr);
		QTest::keyClick(editor, Qt::Key_Home);
		QTest::keyClick(editor, Qt::Key_Return);
		QApplication::processEvents();
		ASSERT_EQ(m_window->project()->m_constructions[0].m_constructionId, 0u);
	}

	/*! The weekday table of the heating set point in the daily cycle of weekdays and weekends. */
	QTableWidget * weekdayTable() {
		QWidget * heating = page(Tab::TabHeating);
		m_window->inputTabs()->setCurrentWidget(heating);
		QComboBox * type = named<QComboBox>("comboBoxType", heating);
		type->setCurrentIndex(type->findText("Daily cycle (Weekday/Weekend)"));
		DailyCycleInputWidget * cycle = named<DailyCycleInputWidget>("dailyCycleWeekDay", heating);
		return cycle->findChild<QTableWidget *>();
	}

	/*! Presses the button with the driver's answers; the first box it met. */
	Driver::Seen press(QToolButton * button, const char * answer) {
		Driver driver;
		driver.add(Driver::pressButton(answer));
		QTest::mouseClick(button, Qt::LeftButton);
		QApplication::processEvents();
		EXPECT_EQ(driver.pending(), 0);
		return driver.m_seen.empty() ? Driver::Seen() : driver.m_seen.front();
	}
};


TEST_F(UnkeptInputWindowTest, SaveAndCloseNameASurfaceSaveLeavesOut) {
	parkSurface0();
	const QString file = m_dir + "/parked.rmxml";
	// Save: back to the surface's construction cell, nothing written
	Driver::Seen seen = press(m_window->buttonBar()->toolButtonSave, "Go back");
	EXPECT_EQ(seen.m_title, "Surface left out");
	EXPECT_TRUE(seen.m_text.contains("Surface 0")) << seen.m_text.toStdString();
	EXPECT_FALSE(QFileInfo::exists(file));
	EXPECT_EQ(constructionTable()->currentIndex().row(), 0);
	EXPECT_EQ(constructionTable()->currentIndex().column(), int(ConstructionTableModel::ColConstruction));
	{
		Driver driver;
		driver.add(Driver::pressButton("Go on"));
		driver.add(Driver::chooseFile(file));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		EXPECT_EQ(driver.pending(), 0);
	}
	RM::Room saved;
	ASSERT_NO_THROW(saved.readProjectFile(file, *m_window->database()));
	EXPECT_EQ(saved.m_constructions.size(), 3u);
	ASSERT_FALSE(m_window->isProjectModified());
	// the saved project is unmodified, but the window still shows the surface: close asks
	for (const char * answer : { "Go back", "Go on" }) {
		SCOPED_TRACE(answer);
		Driver driver;
		driver.add(Driver::pressButton(answer));
		m_window->close();
		QApplication::processEvents();
		ASSERT_EQ(driver.m_seen.size(), 1u);
		EXPECT_EQ(driver.m_seen[0].m_title, "Surface left out");
		EXPECT_EQ(m_window->isVisible(), QString(answer) == "Go back");
	}
}


TEST_F(UnkeptInputWindowTest, NewAndLoadNameASurfaceSaveLeavesOut) {
	parkSurface0();
	const std::pair<QToolButton *, const char *> actions[] = {
		{ m_window->buttonBar()->toolButtonNew, "New" }, { m_window->buttonBar()->toolButtonLoad, "Load" }
	};
	for (const auto & a : actions) {
		SCOPED_TRACE(a.second);
		const Driver::Seen seen = press(a.first, "Go back");
		EXPECT_EQ(seen.m_title, "Surface left out");
		ASSERT_EQ(m_window->project()->m_constructions.size(), 4u);
		EXPECT_EQ(m_window->project()->m_constructions[0].m_constructionId, 0u);
	}
}


// A refused text in a daily-cycle cell or in the open editor of a construction cell stops
// Save and the run until the user goes on; going back keeps it, going on writes the values
// stored before.
TEST_F(UnkeptInputWindowTest, SaveAndRunNameRefusedCellTexts) {
	const struct Case {
		QLocale::Language	m_lang;
		bool				m_dailyCycle;
		const char *		m_text;
	} cases[] = {
		{ QLocale::English, true, "21,5" }, { QLocale::English, true, "abc" },
		{ QLocale::English, true, "-5" }, { QLocale::German, true, "1.000" }, { QLocale::German, true, "abc" },
		{ QLocale::English, false, "12,5" }, { QLocale::German, false, "abc" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_lang == QLocale::German ? "German " : "English ") + (c.m_dailyCycle ? "daily cycle " : "area ") + c.m_text);
		QLocale::setDefault(QLocale(c.m_lang));
		createWindow();
		QAbstractItemView * view = nullptr;
		QModelIndex cell;
		if (c.m_dailyCycle) {
			QTableWidget * table = weekdayTable();
			view = table;
			cell = table->model()->index(10, 1);
		}
		else {
			m_window->inputTabs()->setCurrentWidget(page(Tab::TabGeometry));
			view = constructionTable();
			cell = view->model()->index(0, ConstructionTableModel::ColArea);
		}
		const double area = m_window->project()->m_constructions[0].m_AW;
		GuiTest::typeIntoCell(view, cell, c.m_text, Qt::Key_Return);
		const QByteArray before = m_window->document()->content();
		const QString file = m_dir + "/cells.rmxml";
		QFile::remove(file);
		for (QToolButton * button : { m_window->buttonBar()->toolButtonSave, m_window->buttonBar()->toolButtonUpdate }) {
			const Driver::Seen seen = press(button, "Go back");
			EXPECT_EQ(seen.m_title, "Text not accepted");
			EXPECT_TRUE(seen.m_text.contains(QString("'%1'").arg(c.m_text))) << seen.m_text.toStdString();
			EXPECT_FALSE(QFileInfo::exists(file));
			EXPECT_FALSE(m_window->unkeptInput(false).isEmpty()) << "the text stays after going back";
		}
		Driver driver;
		driver.add(Driver::pressButton("Go on"));
		driver.add(Driver::chooseFile(file));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		EXPECT_EQ(driver.pending(), 0);
		EXPECT_EQ(m_window->document()->content(), before);
		EXPECT_EQ(m_window->project()->m_constructions[0].m_AW, area);
		EXPECT_TRUE(QFileInfo::exists(file));
	}
}


// A refused text that close, New or Load would drop is named first; Go back keeps it.
TEST_F(UnkeptInputWindowTest, CloseNewAndLoadNameARefusedField) {
	const struct { QLocale::Language m_lang; const char * m_text; } cases[] = {
		{ QLocale::English, "3,5" }, { QLocale::German, "3.500" },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_text);
		QLocale::setDefault(QLocale(c.m_lang));
		createWindow();
		m_window->inputTabs()->setCurrentWidget(page(Tab::TabHeating));
		QtExt::ValidatingLineEdit * power = named<QtExt::ValidatingLineEdit>("lineEditMaxLoad", page(Tab::TabHeating));
		GuiTest::typeAndReturn(power, c.m_text);
		for (QToolButton * button : { m_window->buttonBar()->toolButtonNew, m_window->buttonBar()->toolButtonLoad,
									  m_window->buttonBar()->toolButtonQuit }) {
			const Driver::Seen seen = press(button, "Go back");
			EXPECT_EQ(seen.m_title, "Text not accepted");
			EXPECT_TRUE(seen.m_text.contains(c.m_text)) << seen.m_text.toStdString();
			EXPECT_TRUE(m_window->isVisible());
			EXPECT_EQ(power->text(), c.m_text);
			EXPECT_EQ(m_window->focusWidget(), power);
		}
		Driver driver;
		driver.add(Driver::pressButton("Go on"));
		if (m_window->isProjectModified())
			driver.add(Driver::press(QDialogButtonBox::Discard));
		m_window->close();
		EXPECT_EQ(driver.pending(), 0);
		EXPECT_FALSE(m_window->isVisible());
	}
}


// A refused text in the edit panel of a database page is named when another item is
// clicked: Go back stays with the item and its text, Go on shows the other item.
TEST_F(UnkeptInputWindowTest, SwitchingTheEditedItemNamesARefusedField) {
	const struct { QLocale::Language m_lang; const char * m_text; } cases[] = {
		{ QLocale::English, "0,5" }, { QLocale::German, "0.045.1" },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_text);
		QLocale::setDefault(QLocale(c.m_lang));
		createWindow();
		QTest::mouseClick(m_window->buttonBar()->toolButtonEditMaterials, Qt::LeftButton);
		MaterialDBWidget * materials = m_window->findChild<MaterialDBWidget *>();
		ASSERT_NE(materials, nullptr);
		QTableView * table = materials->tableView();
		// two items of the user's own: built-in ones take no typing
		const auto currentId = [table]() { return table->currentIndex().sibling(table->currentIndex().row(), 0).data(Qt::UserRole).toUInt(); };
		QTest::mouseClick(materials->addButton(), Qt::LeftButton);
		const unsigned int other = currentId();
		QTest::mouseClick(materials->addButton(), Qt::LeftButton);
		const unsigned int edited = currentId();
		ASSERT_NE(other, edited);
		QtExt::ValidatingLineEdit * lambda = named<QtExt::ValidatingLineEdit>("lineEditLambda", materials);
		GuiTest::typeAndReturn(lambda, c.m_text);
		ASSERT_EQ(lambda->text(), c.m_text);
		for (const char * answer : { "Go back", "Go on" }) {
			SCOPED_TRACE(answer);
			const bool back = QString(answer) == "Go back";
			Driver driver;
			driver.add(Driver::pressButton(answer));
			GuiTest::clickRowOfId(table, other);
			QApplication::processEvents();
			ASSERT_EQ(driver.m_seen.size(), 1u);
			EXPECT_EQ(driver.m_seen[0].m_title, "Text not accepted");
			EXPECT_EQ(currentId(), back ? edited : other);
			EXPECT_EQ(lambda->text() == c.m_text, back);
			if (back) {
				EXPECT_EQ(m_window->focusWidget(), lambda);
			}
		}
	}
}

} // namespace
