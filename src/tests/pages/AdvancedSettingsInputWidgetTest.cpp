// Advanced settings page: each edit typed and finished with Return changes its room value with
// the page's conversion; refused entries leave the room alone; the output options and the
// moisture switch.
#include <gtest/gtest.h>

#include "GuiTestHarness.h"

#include <cmath>

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <QtExt_ValidatingLineEdit.h>
#include <QtExt_UserNumber.h>
#include <RM_Room.h>

#include "AdvancedSettingsInputWidget.h"
#include "OutputOptions.h"

namespace {

class AdvancedSettingsTest : public ::testing::Test {
protected:
	void SetUp() override {
		GuiTest::clearSettings();
		QLocale::setDefault(QLocale::c());
		m_room.m_TInitial = 20;
		m_room.m_RHInitial = 0.5;
		m_room.m_gammaHC = 0.5;
		m_room.m_gammaRad = 0.5;
		m_room.m_moistureBalanceEnabled = true;
		m_page.reset(new AdvancedSettingsInputWidget(nullptr, &m_room));
		m_page->updateInput();
	}
	void TearDown() override {
		QLocale::setDefault(QLocale::c());
	}

	QtExt::ValidatingLineEdit * edit(const char * name) {
		return m_page->findChild<QtExt::ValidatingLineEdit *>(name);
	}
	QCheckBox * box(const char * name) {
		return m_page->findChild<QCheckBox *>(name);
	}

	RM::Room										m_room;
	std::unique_ptr<AdvancedSettingsInputWidget>	m_page;
};

struct EditCase {
	const char *	m_edit;
	const char *	m_locale;
	const char *	m_typed;
	double			RM::Room::* m_member;
	double			m_stored;
	const char *	m_shown;
};

TEST_F(AdvancedSettingsTest, AcceptedEntriesAreStoredAndShown) {
	const EditCase cases[] = {
		{ "lineEditInitialT", "C", "100", &RM::Room::m_TInitial, 100, "100.00" },
		{ "lineEditInitialT", "C", "-100", &RM::Room::m_TInitial, -100, "-100.00" },
		{ "lineEditInitialT", "C", "21.5", &RM::Room::m_TInitial, 21.5, "21.50" },
		{ "lineEditInitialRH", "C", "55", &RM::Room::m_RHInitial, 0.55, "55.0" },
		{ "lineEditInitialRH", "de_DE", "55", &RM::Room::m_RHInitial, 0.55, "55,0" },
		{ "lineEditInitialRH", "de_DE", "62,5", &RM::Room::m_RHInitial, 0.625, "62,5" },
		{ "lineEditGammaHC", "C", "40", &RM::Room::m_gammaHC, 0.4, "40" },
		{ "lineEditGammaRad", "C", "0", &RM::Room::m_gammaRad, 0, "0" },
		{ "lineEditGammaRad", "C", "100", &RM::Room::m_gammaRad, 1, "100" },
	};
	for (const EditCase & c : cases) {
		SCOPED_TRACE(std::string(c.m_edit) + " " + c.m_locale + " " + c.m_typed);
		QLocale::setDefault(QLocale(c.m_locale));
		m_page->updateInput();
		GuiTest::typeAndReturn(edit(c.m_edit), c.m_typed);
		EXPECT_DOUBLE_EQ(m_room.*c.m_member, c.m_stored);
		EXPECT_EQ(edit(c.m_edit)->text(), QString(c.m_shown));
		EXPECT_TRUE(edit(c.m_edit)->isValid());
	}
}

// The fields show fewer digits than a typed value may hold: leaving a field after Return, or
// after a refresh, must not store the rounded text.
TEST_F(AdvancedSettingsTest, LeavingAFieldKeepsTheValueBehindItsRoundedText) {
	m_page->show();
	QApplication::setActiveWindow(m_page.get());
	ASSERT_TRUE(QTest::qWaitForWindowActive(m_page.get()));
	const EditCase cases[] = {
		{ "lineEditInitialRH", "C", "0.25", &RM::Room::m_RHInitial, 0.0025, "" },
		{ "lineEditInitialT", "C", "20.125", &RM::Room::m_TInitial, 20.125, "" },
		{ "lineEditGammaHC", "C", "33.3333333", &RM::Room::m_gammaHC, 0.333333333, "" },
	};
	for (const EditCase & c : cases) {
		SCOPED_TRACE(c.m_edit);
		const char * other = std::string(c.m_edit) == "lineEditGammaRad" ? "lineEditGammaHC" : "lineEditGammaRad";
		QTest::mouseClick(edit(c.m_edit), Qt::LeftButton);
		GuiTest::typeAndReturn(edit(c.m_edit), c.m_typed);
		ASSERT_DOUBLE_EQ(m_room.*c.m_member, c.m_stored);
		const double stored = m_room.*c.m_member;
		QTest::mouseClick(edit(other), Qt::LeftButton);
		EXPECT_EQ(m_room.*c.m_member, stored) << "left after Return";
		m_page->updateInput();
		QTest::mouseClick(edit(c.m_edit), Qt::LeftButton);
		QTest::mouseClick(edit(other), Qt::LeftButton);
		EXPECT_EQ(m_room.*c.m_member, stored) << "left after a refresh";
	}
}


TEST_F(AdvancedSettingsTest, RefusedEntriesLeaveTheRoomAndMarkTheField) {
	struct Refused { const char * m_edit; const char * m_typed; const char * m_tip; };
	const char * percent = "Please enter a percentage (0 .. 100 %%)!";
	const Refused cases[] = {
		{ "lineEditInitialT", "100.5", "Please enter an initial temperature in [C] (-100 .. 100)!" },
		{ "lineEditInitialT", "-100.5", "Please enter an initial temperature in [C] (-100 .. 100)!" },
		{ "lineEditInitialT", "nan", "Please enter an initial temperature in [C] (-100 .. 100)!" },
		{ "lineEditInitialRH", "100.1", "Please enter a relative humidity as percentage (0 .. 100 %%)!" },
		{ "lineEditInitialRH", "abc", "Please enter a relative humidity as percentage (0 .. 100 %%)!" },
		{ "lineEditGammaHC", "-0.1", percent },
		{ "lineEditGammaHC", "inf", percent },
		{ "lineEditGammaRad", "101", percent },
	};
	for (const Refused & c : cases) {
		SCOPED_TRACE(std::string(c.m_edit) + " " + c.m_typed);
		m_page->updateInput();
		const RM::Room before = m_room;
		GuiTest::typeAndReturn(edit(c.m_edit), c.m_typed);
		EXPECT_EQ(m_room.m_TInitial, before.m_TInitial);
		EXPECT_EQ(m_room.m_RHInitial, before.m_RHInitial);
		EXPECT_EQ(m_room.m_gammaHC, before.m_gammaHC);
		EXPECT_EQ(m_room.m_gammaRad, before.m_gammaRad);
		EXPECT_FALSE(edit(c.m_edit)->isValid());
		EXPECT_EQ(edit(c.m_edit)->text(), QString(c.m_typed));
		// a text that is no number: the number reader's reason, else the field's range
		const QString reason = QtExt::refusedNumberMessage(c.m_typed);
		EXPECT_EQ(edit(c.m_edit)->toolTip(), reason.isEmpty() ? AdvancedSettingsInputWidget::tr(c.m_tip) : reason);
	}
}

TEST_F(AdvancedSettingsTest, UpdateInputFormatsTheRoomValues) {
	m_room.m_TInitial = 18.256;
	m_room.m_RHInitial = 0.4567;
	m_room.m_gammaHC = 0.333;
	m_room.m_gammaRad = 0.25;
	m_page->updateInput();
	EXPECT_EQ(edit("lineEditInitialT")->text(), QString("18.26"));
	EXPECT_EQ(edit("lineEditInitialRH")->text(), QString("45.7"));
	EXPECT_EQ(edit("lineEditGammaHC")->text(), QString("33.3"));
	EXPECT_EQ(edit("lineEditGammaRad")->text(), QString("25"));
}

TEST_F(AdvancedSettingsTest, OutputOptionsStartOffAndWriteTheirKeys) {
	EXPECT_FALSE(box("checkBoxHeatLoadsPerFloorArea")->isChecked());
	EXPECT_FALSE(box("checkBoxENPlotWithoutOccupancy")->isChecked());
	const std::pair<const char *, bool (*)()> options[] = {
		{ "checkBoxHeatLoadsPerFloorArea", &OutputOptions::heatLoadsPerFloorArea },
		{ "checkBoxENPlotWithoutOccupancy", &OutputOptions::enPlotWithoutOccupancy },
	};
	for (const auto & o : options) {
		SCOPED_TRACE(o.first);
		QSignalSpy spy(m_page.get(), &AdvancedSettingsInputWidget::outputUpdateNeeded);
		const RM::Room before = m_room;
		box(o.first)->click();
		EXPECT_TRUE(o.second());
		box(o.first)->click();
		EXPECT_FALSE(o.second());
		EXPECT_EQ(spy.count(), 2);
		EXPECT_EQ(m_room.m_moistureBalanceEnabled, before.m_moistureBalanceEnabled);
	}
	// a stored option is read by a new page
	OutputOptions::setENPlotWithoutOccupancy(true);
	AdvancedSettingsInputWidget page(nullptr, &m_room);
	EXPECT_TRUE(page.findChild<QCheckBox *>("checkBoxENPlotWithoutOccupancy")->isChecked());
	EXPECT_FALSE(page.findChild<QCheckBox *>("checkBoxHeatLoadsPerFloorArea")->isChecked());
}

TEST_F(AdvancedSettingsTest, MoistureSwitch) {
	QSignalSpy spy(m_page.get(), &AdvancedSettingsInputWidget::enableMoistureBalanceInputs);
	box("checkBoxEnableMoistureBalance")->click();
	EXPECT_FALSE(m_room.m_moistureBalanceEnabled);
	EXPECT_FALSE(edit("lineEditInitialRH")->isEnabled());
	EXPECT_FALSE(m_page->findChild<QLabel *>("labelInitialRH")->isEnabled());
	ASSERT_EQ(spy.count(), 1);
	EXPECT_FALSE(spy.at(0).at(0).toBool());

	box("checkBoxEnableMoistureBalance")->click();
	EXPECT_TRUE(m_room.m_moistureBalanceEnabled);
	EXPECT_TRUE(edit("lineEditInitialRH")->isEnabled());
	ASSERT_EQ(spy.count(), 2);
	EXPECT_TRUE(spy.at(1).at(0).toBool());

	// DIN mode: the document switched the balance off, the page shows it locked; back in
	// the user mode unlocked with the balance the document gave back
	m_room.m_moistureBalanceEnabled = false;
	m_page->setMoistureBalanceDisabled(true);
	EXPECT_FALSE(box("checkBoxEnableMoistureBalance")->isEnabled());
	EXPECT_FALSE(box("checkBoxEnableMoistureBalance")->isChecked());
	EXPECT_FALSE(edit("lineEditInitialRH")->isEnabled());
	ASSERT_EQ(spy.count(), 3);
	EXPECT_FALSE(spy.at(2).at(0).toBool());
	m_room.m_moistureBalanceEnabled = true;
	m_page->setMoistureBalanceDisabled(false);
	EXPECT_TRUE(box("checkBoxEnableMoistureBalance")->isEnabled());
	EXPECT_TRUE(box("checkBoxEnableMoistureBalance")->isChecked());
	EXPECT_TRUE(edit("lineEditInitialRH")->isEnabled());
	ASSERT_EQ(spy.count(), 4);
	EXPECT_TRUE(spy.at(3).at(0).toBool());
	// shown as it is: no signal, no change of the room
	m_page->setMoistureBalanceDisabled(false);
	EXPECT_TRUE(m_room.m_moistureBalanceEnabled);
	EXPECT_EQ(spy.count(), 4);
}

TEST_F(AdvancedSettingsTest, LoadingAProjectWithoutMoistureBalance) {
	QSignalSpy spy(m_page.get(), &AdvancedSettingsInputWidget::enableMoistureBalanceInputs);
	m_room.m_moistureBalanceEnabled = false;
	m_page->updateInput();
	EXPECT_FALSE(box("checkBoxEnableMoistureBalance")->isChecked());
	EXPECT_FALSE(edit("lineEditInitialRH")->isEnabled());
	ASSERT_GE(spy.count(), 1);
	EXPECT_FALSE(spy.last().at(0).toBool());
}

} // namespace
