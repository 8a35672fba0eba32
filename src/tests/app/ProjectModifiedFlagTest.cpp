// The main window's modified flag: every committed edit of an input page or of the
// construction table sets it and puts "*" in the title; retyping a shown value, a refresh,
// Load, New and Save leave it clear.
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "ConstructionTableModel.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"
#include "ScheduleInputWidget.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;
using Tab = RoomModelDialog::InputTab;

template <typename T>
T * child(QWidget * parent, const char * name) {
	T * w = parent->findChild<T *>(name);
	EXPECT_NE(w, nullptr) << name;
	return w;
}

void type(QWidget * parent, const char * name, const QString & text) {
	QtExt::ValidatingLineEdit * edit = child<QtExt::ValidatingLineEdit>(parent, name);
	if (edit == nullptr)
		return;
	ASSERT_TRUE(edit->isEnabled()) << name;
	GuiTest::typeAndReturn(edit, text);
}

/*! Types the text the field shows already. */
void retype(QWidget * parent, const char * name) {
	QtExt::ValidatingLineEdit * edit = child<QtExt::ValidatingLineEdit>(parent, name);
	if (edit != nullptr)
		GuiTest::typeAndReturn(edit, edit->text());
}

void keyOn(QWidget * w, Qt::Key key) {
	ASSERT_NE(w, nullptr);
	w->setFocus();
	QTest::keyClick(w, key);
}

/*! Opens the cell's editor in the view, types the text and leaves with Return. */
void editCell(QAbstractItemView * view, const QModelIndex & index, const QString & text) {
	view->setCurrentIndex(index);
	view->edit(index);
	QApplication::processEvents();
	QWidget * editor = QApplication::focusWidget();
	ASSERT_NE(editor, nullptr);
	QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
	QTest::keyClicks(editor, text);
	QTest::keyClick(editor, Qt::Key_Return);
	QApplication::processEvents();
}

/*! A click on the box's indicator (a wide box ignores clicks right of its text). */
void clickCheckBox(QCheckBox * box) {
	ASSERT_NE(box, nullptr);
	const bool checked = box->isChecked();
	QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height()/2));
	EXPECT_NE(box->isChecked(), checked) << "the click reached the box";
}

ScheduleInputWidget * schedule(QWidget * page, const char * name = "scheduleWidget") {
	return child<ScheduleInputWidget>(page, name);
}

class ProjectModifiedFlagTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		MainWindowTest::SetUp();
		writeFixture();
	}

	/*! The office with every control that the edits use in reach: types with their fields
		shown, schedules of the kinds edited, the moisture balance on. */
	void writeFixture() {
		RM::Room room;
		room.readProjectFile(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml",
							 *m_window->database());
		room.m_heatingModel.m_modelType = 1;
		room.m_heatingModel.m_setPoints.m_type = RM::Schedule::DAILY_SEASONAL;
		room.m_coolingModel.m_modelType = 1;
		room.m_mechanicalVentilationModel.m_modelType = 2;
		room.m_naturalVentilationModel.m_modelType = RM::NaturalVentilationModel::DIN;
		room.m_userLoads.m_equipmentLoad.m_type = RM::Schedule::DAILY_WEEK;
		room.m_userLoads.m_occupancy.m_type = RM::Schedule::CONSTANT;
		room.m_moistureLoads.m_moistureLoad.m_type = RM::Schedule::CONSTANT;
		room.m_shadingControlModel.m_modelType = RM::ShadingControlModel::INTENSITY_CONTROLLED;
		room.m_din4108_2Assessment.m_active = false;
		room.m_moistureBalanceEnabled = true;
		m_fixture = m_dir + "/fixture.rmxml";
		ASSERT_TRUE(room.writeProjectFile(m_fixture, *m_window->database()));
	}

	void loadFixture() {
		ASSERT_TRUE(m_window->loadProject(m_fixture, false));
		ASSERT_FALSE(m_window->isProjectModified());
		ASSERT_FALSE(m_window->windowTitle().endsWith("*"));
	}


	QByteArray content() { return m_window->project()->projectFileContent(*m_window->database()); }

	QString m_fixture;
};


TEST_F(ProjectModifiedFlagTest, EveryCommittedEditSetsItAndRetypingOrRefreshingDoesNot) {
	const struct Case {
		const char *					m_name;
		Tab								m_tab;
		bool							m_changes;
		std::function<void(QWidget *)>	m_edit;
	} cases[] = {
		{ "area", Tab::TabGeometry, true, [](QWidget * p) { type(p, "lineEditArea", "31"); } },
		{ "area retyped", Tab::TabGeometry, false, [](QWidget * p) { retype(p, "lineEditArea"); } },
		{ "height", Tab::TabGeometry, true, [](QWidget * p) { type(p, "lineEditHeight", "3.1"); } },
		{ "albedo", Tab::TabGeometry, true, [](QWidget * p) { type(p, "lineEditAlbedo", "0.35"); } },
		{ "location", Tab::TabGeometry, true, [](QWidget * p) {
			QComboBox * combo = child<QComboBox>(p, "comboBoxLocation");
			keyOn(combo, combo->currentIndex() + 1 < combo->count() ? Qt::Key_Down : Qt::Key_Up);
		} },
		{ "construction area", Tab::TabGeometry, true, [](QWidget * p) {
			QTableView * view = p->findChild<QTableView *>();
			editCell(view, view->model()->index(0, ConstructionTableModel::ColArea), "17");
		} },
		{ "construction area retyped", Tab::TabGeometry, false, [](QWidget * p) {
			QTableView * view = p->findChild<QTableView *>();
			const QModelIndex index = view->model()->index(0, ConstructionTableModel::ColArea);
			editCell(view, index, index.data(Qt::EditRole).toString());
		} },
		{ "heating power", Tab::TabHeating, true, [](QWidget * p) { type(p, "lineEditMaxLoad", "1777"); } },
		{ "heating type", Tab::TabHeating, true, [](QWidget * p) { keyOn(child<QComboBox>(p, "comboBoxHeatingType"), Qt::Key_Up); } },
		{ "winter start", Tab::TabHeating, true, [](QWidget * p) { keyOn(child<QSpinBox>(schedule(p), "spinBoxWinterStart"), Qt::Key_Up); } },
		{ "winter profile", Tab::TabHeating, true, [](QWidget * p) {
			QTableWidget * table = child<QWidget>(schedule(p), "dailyCycleWinter")->findChild<QTableWidget *>();
			ASSERT_NE(table, nullptr);
			editCell(table, table->model()->index(0, 1), "16.5");
		} },
		{ "schedule type", Tab::TabHeating, true, [](QWidget * p) { keyOn(child<QComboBox>(schedule(p), "comboBoxType"), Qt::Key_Up); } },
		{ "cooling power", Tab::TabCooling, true, [](QWidget * p) { type(p, "lineEditMaxLoad", "999"); } },
		{ "supply temperature", Tab::TabMechanicalVentilation, true, [](QWidget * p) { type(p, "lineEditSupplyTemperature", "17.5"); } },
		{ "ventilation type", Tab::TabMechanicalVentilation, true, [](QWidget * p) { keyOn(child<QComboBox>(p, "comboBoxType"), Qt::Key_Up); } },
		{ "day air change", Tab::TabInfiltration, true, [](QWidget * p) { type(p, "lineEditBaseVentilationRateDIN", "0.7"); } },
		{ "day air change retyped", Tab::TabInfiltration, false, [](QWidget * p) { retype(p, "lineEditBaseVentilationRateDIN"); } },
		{ "occupancy start", Tab::TabInfiltration, true, [](QWidget * p) {
			QTimeEdit * edit = child<QTimeEdit>(p, "timeEditStart");
			keyOn(edit, Qt::Key_Down);
			QTest::keyClick(edit, Qt::Key_Return);
		} },
		{ "residential defaults", Tab::TabInfiltration, true, [](QWidget * p) {
			QTest::mouseClick(child<QPushButton>(p, "pushButtonResidentialDefaults"), Qt::LeftButton);
		} },
		{ "week-end day", Tab::TabEquipment, true, [](QWidget * p) {
			QListWidget * list = child<QListWidget>(schedule(p), "listWidgetWeekEndDays");
			list->setCurrentRow(2);
			keyOn(list, Qt::Key_Space);
		} },
		{ "person load", Tab::TabOccupancy, true, [](QWidget * p) { type(p, "lineEditPersonLoad", "77"); } },
		{ "occupants", Tab::TabOccupancy, true, [](QWidget * p) { type(schedule(p), "lineEditConstantEdit", "3"); } },
		{ "occupants retyped", Tab::TabOccupancy, false, [](QWidget * p) { retype(schedule(p), "lineEditConstantEdit"); } },
		{ "moisture load", Tab::TabMoistureLoads, true, [](QWidget * p) { type(schedule(p), "lineEditConstantEdit", "120"); } },
		{ "shading limit", Tab::TabShadingControl, true, [](QWidget * p) { type(p, "lineEditMaxRadIntensityNorth", "333"); } },
		{ "shading type", Tab::TabShadingControl, true, [](QWidget * p) { keyOn(child<QComboBox>(p, "comboBoxType"), Qt::Key_Up); } },
		{ "initial temperature", Tab::TabAdvancedSettings, true, [](QWidget * p) { type(p, "lineEditInitialT", "18.5"); } },
		{ "convective fraction", Tab::TabAdvancedSettings, true, [](QWidget * p) { type(p, "lineEditGammaHC", "45"); } },
		{ "moisture balance", Tab::TabAdvancedSettings, true, [](QWidget * p) {
			clickCheckBox(child<QCheckBox>(p, "checkBoxEnableMoistureBalance"));
		} },
		{ "output option (not the project's)", Tab::TabAdvancedSettings, false, [](QWidget * p) {
			clickCheckBox(child<QCheckBox>(p, "checkBoxHeatLoadsPerFloorArea"));
		} },
	};
	QTableView * constructions = page(Tab::TabGeometry)->findChild<QTableView *>();
	ASSERT_NE(constructions, nullptr);
	QAbstractItemModelTester tester(constructions->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		loadFixture();
		QWidget * p = page(c.m_tab);
		m_window->inputTabs()->setCurrentWidget(p);
		const QByteArray before = content();
		c.m_edit(p);
		EXPECT_EQ(content() != before, c.m_changes) << "the edit itself";
		EXPECT_EQ(m_window->isProjectModified(), c.m_changes);
		// the title follows once the event loop has compared the content
		QApplication::processEvents();
		EXPECT_EQ(m_window->windowTitle().endsWith("fixture.rmxml*"), c.m_changes) << m_window->windowTitle().toStdString();
		// a refresh of the pages changes nothing and keeps the flag as it is
		m_window->updateInputWidgets();
		EXPECT_EQ(m_window->isProjectModified(), c.m_changes);
	}
}


TEST_F(ProjectModifiedFlagTest, LoadNewAndSaveClearIt) {
	const struct { const char * name; std::function<void()> clear; } cases[] = {
		{ "save", [this]() {
			Driver driver;
			driver.add(Driver::chooseFile(m_dir + "/saved.rmxml"));
			driver.add(Driver::press(QDialogButtonBox::Ok));
			m_window->buttonBar()->toolButtonSave->click();
			EXPECT_EQ(driver.m_seen.size(), 2u);
		} },
		{ "new", [this]() {
			Driver driver;
			driver.add(Driver::press(QDialogButtonBox::Discard));
			m_window->buttonBar()->toolButtonNew->click();
			EXPECT_EQ(driver.m_seen.size(), 1u);
			EXPECT_EQ(m_window->windowTitle(), "Caldoryne - The Thermal Room Model - Version 3.2");
		} },
		{ "load", [this]() {
			Driver driver;
			driver.add(Driver::press(QDialogButtonBox::Discard));
			driver.add(Driver::chooseFile(m_fixture));
			m_window->buttonBar()->toolButtonLoad->click();
			EXPECT_EQ(driver.m_seen.size(), 2u);
		} },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.name);
		loadFixture();
		type(page(Tab::TabHeating), "lineEditMaxLoad", "1234");
		ASSERT_TRUE(m_window->isProjectModified());
		c.clear();
		EXPECT_FALSE(m_window->isProjectModified());
		EXPECT_FALSE(m_window->windowTitle().endsWith("*"));
	}
	// a project whose location is unknown gets another one: Save would write a change
	QByteArray unknownLocation = GuiTest::readBytes(m_fixture);
	const RM::Room & room = *m_window->project();
	unknownLocation.replace(room.m_climateDataPath.toUtf8(), "Nowhere/missing.epw");
	const QString moved = m_dir + "/moved.rmxml";
	ASSERT_TRUE(GuiTest::writeBytes(moved, unknownLocation));
	Driver driver;
	driver.add(Driver::press(QDialogButtonBox::Ok));
	ASSERT_TRUE(m_window->loadProject(moved, false));
	ASSERT_EQ(driver.m_seen.size(), 1u);
	EXPECT_TRUE(driver.m_seen[0].m_text.contains(m_window->project()->m_climateDataPath)) << driver.m_seen[0].m_text.toStdString();
	EXPECT_TRUE(m_window->isProjectModified());
	EXPECT_TRUE(m_window->windowTitle().endsWith("moved.rmxml*"));
}

} // namespace
