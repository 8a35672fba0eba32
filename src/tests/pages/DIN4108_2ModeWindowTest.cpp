// The DIN 4108-2 mode switched in the main window as a user does: the tabs follow the mode,
// the settings reach the run and the report's verdict, survive Save and Load, and the
// user-defined mode afterwards runs the project's own models again.
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolButton>

#include <QtExt_Directories.h>
#include <QtExt_Table.h>
#include <QtExt_ValidatingLineEdit.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "ProjectDocument.h"
#include "Report.h"
#include "ReportFrameResultsOverTemperature.h"
#include "ReportSettings.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;
using T = RoomModelDialog;

/*! Starts the run from the run dialog, without saving outputs. */
void startRun(QWidget * w) {
	qobject_cast<QDialog *>(w)->accept();
}

class DinModeWindowTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		// numbers as the language handler shows them: no group separators
		QLocale::setDefault(QLocale::c());
		ReportSettings::instance().setDefaults();
		MainWindowTest::SetUp();
	}
	void TearDown() override {
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Discard));
		MainWindowTest::TearDown();
	}

	template <typename W>
	W * child(const char * name) const {
		W * w = m_window->findChild<W *>(name);
		EXPECT_NE(w, nullptr) << name;
		return w;
	}
	bool tabEnabled(T::InputTab tab) const {
		QTabWidget * tabs = m_window->inputTabs();
		return tabs->isTabEnabled(tabs->indexOf(m_window->inputPage(tab)));
	}
	bool loadTabsEnabled(bool enabled) const {
		for (T::InputTab t : { T::TabHeating, T::TabCooling, T::TabMechanicalVentilation, T::TabInfiltration,
							   T::TabEquipment, T::TabOccupancy })
			if (tabEnabled(t) != enabled)
				return false;
		return true;
	}
	void click(const char * name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
	void keyInto(const char * name, Qt::Key key) {
		QWidget * w = child<QWidget>(name);
		w->setFocus();
		QTest::keyClick(w, key);
	}
	void typeAndReturn(const char * name, const QString & text) {
		GuiTest::typeAndReturn(child<QtExt::ValidatingLineEdit>(name), text);
	}
	void run() {
		Driver driver;
		driver.add(startRun);
		m_window->buttonBar()->toolButtonUpdate->click();
		ASSERT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	}
	/*! Plain texts of the report's results table of the last run, row by row. */
	QStringList reportResults() {
		Report report;
		report.setData(m_window->model(), m_window->database());
		auto * frame = dynamic_cast<ReportFrameResultsOverTemperature *>(report.frames(9).at(0));
		if (frame == nullptr)
			return {};
		QImage page(794, 1123, QImage::Format_ARGB32);
		frame->update(&page, 600);
		QStringList rows;
		QtExt::Table * t = frame->tables().at(0);
		for (int r = 0; r < t->rowCount(); ++r) {
			QStringList row;
			for (int c = 0; c < t->columnCount(); ++c)
				row << QTextDocumentFragment::fromHtml(t->cell(c, r).text()).toPlainText().trimmed();
			rows << row.join(' ').trimmed();
		}
		return rows;
	}
	/*! Loads the file through the Load button; discard answers the save question. */
	void loadThroughTheWindow(const QString & file, bool discard) {
		Driver driver;
		if (discard)
			driver.add(Driver::press(QDialogButtonBox::Discard));
		driver.add(Driver::chooseFile(file));
		m_window->buttonBar()->toolButtonLoad->click();
		EXPECT_EQ(driver.pending(), 0);
		ASSERT_EQ(m_window->project()->m_projectFilePath, file);
	}
	/*! What the window shows and Save would write after a click on "User defined". */
	struct UserMode {
		QString		m_content;
		QString		m_location;
		bool		m_moistureBalance;
	};
	UserMode switchToUserMode() {
		click("radioButtonUserCalculation");
		return { QString::fromUtf8(m_window->document()->content()), child<QComboBox>("comboBoxLocation")->currentData().toString(),
				 child<QCheckBox>("checkBoxEnableMoistureBalance")->isChecked() };
	}

};


TEST_F(DinModeWindowTest, NonResidentialRoomVerifiedSavedLoadedAndSwitchedBack) {
	{
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Discard));
		m_window->buttonBar()->toolButtonNew->click();
	}
	RM::Room & project = *m_window->project();
	const int userShading = project.m_shadingControlModel.m_modelType;

	click("radioButtonDIN4108_2Calculation");
	EXPECT_TRUE(project.m_din4108_2Assessment.m_active);
	EXPECT_TRUE(loadTabsEnabled(false));
	EXPECT_FALSE(tabEnabled(T::TabShadingControl));		// automated shading by the rules
	keyInto("comboBoxBuildingUse", Qt::Key_Down);
	// region A, then B from the list of the regions' files
	keyInto("comboBoxLocation", Qt::Key_Up);
	EXPECT_EQ(project.m_din4108_2Assessment.m_climateRegion, 0);
	keyInto("comboBoxLocation", Qt::Key_Down);
	EXPECT_EQ(project.m_climateDataPath, "Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b");
	EXPECT_EQ(project.m_din4108_2Assessment.m_climateRegion, 1);
	click("checkBoxEnhancedNightVentilation");
	typeAndReturn("lineEditEnhancedNightVentilation", "2");

	run();
	const RM::DIN4108_2Assessment & ran = m_window->model()->m_room.m_din4108_2Assessment;
	EXPECT_TRUE(ran.m_active);
	EXPECT_FALSE(ran.m_residential);
	EXPECT_TRUE(ran.m_enhancedNightVentilation);
	EXPECT_EQ(ran.enhancedNightVentilationValue(), 0.000555556);	// the file's six digits
	const double hours = m_window->model()->m_outputManager.m_overTemperatureHours;
	QStringList rows = reportResults();
	ASSERT_EQ(rows.size(), 4);
	EXPECT_EQ(rows[0], "Related to using hours 3000 h");
	EXPECT_EQ(rows[1], "Related to operative room temperature 26 °C (Region B)");
	EXPECT_TRUE(rows[3].endsWith("500 Kh/a")) << rows[3].toStdString();
	EXPECT_EQ(rows[3].startsWith("Verification fullfilled."), hours <= 500) << rows[3].toStdString();

	// Save, New and Load: the same settings on the page and in the next run
	const QString file = m_dir + "/din.rmxml";
	{
		Driver driver;
		driver.add(Driver::chooseFile(file));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		// saved: New asks nothing
		m_window->buttonBar()->toolButtonNew->click();
		EXPECT_FALSE(project.m_din4108_2Assessment.m_active);
		EXPECT_TRUE(loadTabsEnabled(true));
		driver.add(Driver::chooseFile(file));
		m_window->buttonBar()->toolButtonLoad->click();
	}
	ASSERT_EQ(project.m_projectFilePath, file);
	EXPECT_TRUE(child<QRadioButton>("radioButtonDIN4108_2Calculation")->isChecked());
	EXPECT_TRUE(child<QWidget>("groupBoxDIN4108_2Settings")->isVisible());
	EXPECT_EQ(child<QComboBox>("comboBoxBuildingUse")->currentText(), "Non-residential building");
	EXPECT_TRUE(child<QCheckBox>("checkBoxEnhancedNightVentilation")->isChecked());
	EXPECT_EQ(child<QtExt::ValidatingLineEdit>("lineEditEnhancedNightVentilation")->text(), "2");
	EXPECT_EQ(child<QtExt::ValidatingLineEdit>("lineEditClimateRegion")->text(), "Region B");
	EXPECT_TRUE(loadTabsEnabled(false));
	run();
	EXPECT_DOUBLE_EQ(m_window->model()->m_outputManager.m_overTemperatureHours, hours);
	EXPECT_EQ(reportResults(), rows);

	// user-defined again: tabs back, and the run takes the project's own models
	click("radioButtonUserCalculation");
	EXPECT_FALSE(project.m_din4108_2Assessment.m_active);
	EXPECT_TRUE(loadTabsEnabled(true));
	EXPECT_TRUE(tabEnabled(T::TabShadingControl));
	EXPECT_TRUE(child<QCheckBox>("checkBoxEnableMoistureBalance")->isEnabled());
	EXPECT_EQ(project.m_shadingControlModel.m_modelType, userShading);
	run();
	EXPECT_FALSE(m_window->model()->m_room.m_din4108_2Assessment.m_active);
	EXPECT_EQ(m_window->model()->m_room.m_shadingControlModel.m_modelType, userShading);
	rows = reportResults();
	ASSERT_FALSE(rows.isEmpty());
	EXPECT_TRUE(rows.join('\n').contains("Related to operative room temperature 26 °C")) << rows.join('\n').toStdString();
}


TEST_F(DinModeWindowTest, MoistureBalanceAndShadingTabFollowTheMode) {
	click("checkBoxEnableMoistureBalance");
	ASSERT_TRUE(m_window->project()->m_moistureBalanceEnabled);
	click("radioButtonDIN4108_2Calculation");
	// the rules know no moisture balance: switched off, its tab gone
	EXPECT_FALSE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_FALSE(child<QCheckBox>("checkBoxEnableMoistureBalance")->isEnabled());
	EXPECT_EQ(m_window->inputTabs()->indexOf(m_window->inputPage(T::TabMoistureLoads)), -1);

	// user-defined shading: the shading tab opens and shows the model's own limits
	keyInto("comboBoxShadingControl", Qt::Key_Down);
	ASSERT_EQ(m_window->project()->m_din4108_2Assessment.m_shadingControlType, 3);
	EXPECT_TRUE(tabEnabled(T::TabShadingControl));
	QWidget * shading = m_window->inputPage(T::TabShadingControl);
	EXPECT_EQ(shading->findChild<QtExt::ValidatingLineEdit *>("lineEditMaxRadIntensityNorth")->text(),
			  QString("%L1").arg(m_window->project()->m_shadingControlModel.m_maxRadiationIntensityNorth));
	// automated again, non-residential: the rules' limits
	keyInto("comboBoxShadingControl", Qt::Key_Up);
	keyInto("comboBoxBuildingUse", Qt::Key_Down);
	EXPECT_FALSE(tabEnabled(T::TabShadingControl));
	EXPECT_EQ(shading->findChild<QtExt::ValidatingLineEdit *>("lineEditMaxRadIntensityNorth")->text(), "150");

	// New starts user-defined with every control usable again
	{
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Discard));
		m_window->buttonBar()->toolButtonNew->click();
	}
	EXPECT_TRUE(child<QRadioButton>("radioButtonUserCalculation")->isChecked());
	EXPECT_FALSE(child<QWidget>("groupBoxDIN4108_2Settings")->isVisible());
	EXPECT_TRUE(child<QCheckBox>("checkBoxEnableMoistureBalance")->isEnabled());
	EXPECT_TRUE(loadTabsEnabled(true));
	EXPECT_TRUE(tabEnabled(T::TabShadingControl));
}


TEST_F(DinModeWindowTest, LoadedExampleShowsItsModeAndKeepsItsRecords) {
	const QString example = QtExt::Directories::databasesDir() + "/examples/Office_SouthFacade.rmxml";
	ASSERT_TRUE(m_window->loadProject(example, true));
	const RM::Room loaded = *m_window->project();
	EXPECT_TRUE(child<QRadioButton>("radioButtonDIN4108_2Calculation")->isChecked());
	EXPECT_EQ(child<QComboBox>("comboBoxVentilationType")->currentText(), "Mechanical ventilation system");
	EXPECT_EQ(child<QtExt::ValidatingLineEdit>("lineEditMaxHeatingPower")->text(), "2000");
	EXPECT_TRUE(loadTabsEnabled(false));
	EXPECT_FALSE(tabEnabled(T::TabShadingControl));
	// its moisture balance stays on: a refresh changes no project, the user may switch it off
	EXPECT_TRUE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_TRUE(child<QCheckBox>("checkBoxEnableMoistureBalance")->isEnabled());
	EXPECT_FALSE(tabEnabled(T::TabMoistureLoads));
	EXPECT_EQ(m_window->project()->m_din4108_2Assessment.m_climateRegion, loaded.m_din4108_2Assessment.m_climateRegion);
	EXPECT_EQ(m_window->project()->m_climateDataPath, "Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b");
	// switched off it stays off, locked as in a window that loads the project saved so
	click("checkBoxEnableMoistureBalance");
	EXPECT_FALSE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_FALSE(child<QCheckBox>("checkBoxEnableMoistureBalance")->isEnabled());
	click("checkBoxEnableMoistureBalance");
	EXPECT_FALSE(m_window->project()->m_moistureBalanceEnabled);
}

TEST_F(DinModeWindowTest, UseBoxTakesTheWheelOnlyWithTheFocus) {
	click("radioButtonDIN4108_2Calculation");
	ASSERT_TRUE(m_window->project()->m_din4108_2Assessment.m_active);
	QComboBox * use = child<QComboBox>("comboBoxBuildingUse");
	const bool residential = m_window->project()->m_din4108_2Assessment.m_residential;
	const int direction = use->currentIndex() == 0 ? -1 : 1;
	// the window's wheel rule: a notch over an unfocused box scrolls the page, not the value
	GuiTest::wheelNotch(use, direction);
	EXPECT_EQ(m_window->project()->m_din4108_2Assessment.m_residential, residential);
	EXPECT_FALSE(use->hasFocus());
	// focused by Tab, the box takes the notch
	use->setFocus(Qt::TabFocusReason);
	GuiTest::wheelNotch(use, direction);
	EXPECT_NE(m_window->project()->m_din4108_2Assessment.m_residential, residential);
	QApplication::processEvents();
	EXPECT_TRUE(m_window->windowTitle().endsWith("*"));
	// a disabled value field takes neither wheel nor keys
	QtExt::ValidatingLineEdit * day = child<QtExt::ValidatingLineEdit>("lineEditEnhancedDayVentilation");
	ASSERT_FALSE(day->isEnabled());
	const QString dayText = day->text();
	GuiTest::wheelNotch(day, 1);
	QTest::keyClicks(day, "2");
	EXPECT_EQ(day->text(), dayText);
}

} // namespace


TEST_F(DinModeWindowTest, ModeSwitchAndSettingsSetTheModifiedFlagRetypingDoesNot) {
	const QString file = m_dir + "/din.rmxml";
	auto save = [&]() {
		Driver driver;
		driver.add(Driver::chooseFile(file));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		ASSERT_FALSE(m_window->isProjectModified());
	};
	ASSERT_FALSE(m_window->isProjectModified());
	click("radioButtonDIN4108_2Calculation");
	EXPECT_TRUE(m_window->isProjectModified());
	save();

	const QString shown = child<QtExt::ValidatingLineEdit>("lineEditMaxHeatingPower")->text();
	typeAndReturn("lineEditMaxHeatingPower", shown);
	EXPECT_FALSE(m_window->isProjectModified()) << "retyped " << shown.toStdString();

	struct Step {
		const char *			m_what;
		std::function<void()>	m_act;
	};
	const Step steps[] = {
		{ "heating power", [&]() { typeAndReturn("lineEditMaxHeatingPower", "1500"); } },
		{ "use", [&]() { keyInto("comboBoxBuildingUse", Qt::Key_Down); } },
		{ "night ventilation", [&]() { click("checkBoxEnhancedNightVentilation"); } },
		{ "back to the user models", [&]() { click("radioButtonUserCalculation"); } },
	};
	for (const Step & s : steps) {
		SCOPED_TRACE(s.m_what);
		s.m_act();
		EXPECT_TRUE(m_window->isProjectModified());
		save();
	}
}


TEST_F(DinModeWindowTest, LoadedProjectSwitchedToUserDefinedAsInAFreshWindow) {
	// the office example in the DIN mode with and without its moisture balance
	const QString example = QtExt::Directories::databasesDir() + "/examples/Office_SouthFacade.rmxml";
	const QByteArray shipped = GuiTest::readBytes(example);
	QByteArray dry = shipped;
	dry.replace("<MoistureBalanceEnabled>true</MoistureBalanceEnabled>", "");
	ASSERT_NE(dry, shipped);
	const struct { const char * m_name; QByteArray m_bytes; bool m_moistureBalance; } cases[] = {
		{ "office.rmxml", shipped, true },
		{ "office-dry.rmxml", dry, false },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_name);
		const QString file = m_dir + "/" + c.m_name;
		ASSERT_TRUE(GuiTest::writeBytes(file, c.m_bytes));

		// a fresh window loads the file and goes to the user mode
		createWindow();
		loadThroughTheWindow(file, false);
		const UserMode fresh = switchToUserMode();
		EXPECT_EQ(fresh.m_location, "Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b");
		EXPECT_EQ(fresh.m_moistureBalance, c.m_moistureBalance);

		// a used window: the default room with moisture balance, DIN mode and back
		createWindow();
		click("checkBoxEnableMoistureBalance");
		click("radioButtonDIN4108_2Calculation");
		click("radioButtonUserCalculation");
		ASSERT_TRUE(m_window->project()->m_moistureBalanceEnabled);
		ASSERT_EQ(child<QComboBox>("comboBoxLocation")->currentData().toString(),
				  "Europe/Germany/TRY2011/DE-04-TRY-2010__Potsdam__Jahr_00000K0_00081m.c6b");
		loadThroughTheWindow(file, true);
		const UserMode used = switchToUserMode();
		EXPECT_EQ(used.m_location, fresh.m_location);
		EXPECT_EQ(used.m_moistureBalance, fresh.m_moistureBalance);
		EXPECT_EQ(used.m_content, fresh.m_content);
		EXPECT_EQ(m_window->project()->m_moistureBalanceEnabled, c.m_moistureBalance);
	}
}
