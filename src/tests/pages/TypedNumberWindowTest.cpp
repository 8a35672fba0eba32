// One rule for every number field of the input pages, tried in the main window as a user does:
// passing the focus over a field that shows a rounded value stores nothing, a refused text
// stays as typed and keeps the stored value, a typed number is stored (divided by 100 where
// the field shows percent), shown in the field's format, and sets the title's "*".
#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <QtExt_ValidatingLineEdit.h>
#include <RM_Room.h>

#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"

namespace {

using Tab = RoomModelDialog::InputTab;

class TypedNumberWindowTest : public GuiTest::MainWindowTest {
protected:
	/*! The office with stored values that the fields show rounded (or scaled to percent). */
	QString writeFixture() {
		RM::Room room;
		room.readProjectFile(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml",
							 *m_window->database());
		room.m_din4108_2Assessment.m_active = false;
		room.m_moistureBalanceEnabled = true;
		room.m_heatingModel.m_modelType = 1;
		room.m_mechanicalVentilationModel.m_modelType = 1;
		room.m_additionalMass = 0.25;
		room.m_additionalMassHeatCapacity = 840.75;
		room.m_TInitial = 20.125;
		room.m_RHInitial = 0.0025;
		room.m_gammaHC = 0.333333;
		room.m_albedo = 0.123457;
		room.m_heatingModel.m_maxPower = 1234.56;
		room.m_mechanicalVentilationModel.m_heatRecoveryEfficiency = 0.123457;
		const QString path = m_dir + "/rounded.rmxml";
		EXPECT_TRUE(room.writeProjectFile(path, *m_window->database()));
		return path;
	}

	QByteArray content() const { return m_window->project()->projectFileContent(*m_window->database()); }
	bool marked() const { return m_window->windowTitle().endsWith("*"); }
};


TEST_F(TypedNumberWindowTest, FocusPassesStoreNothingRefusedTextsKeepTheValueTypedNumbersAreStored) {
	using Member = std::function<double &(RM::Room &)>;
	const struct Case {
		Tab				m_tab;
		const char *	m_field;
		const char *	m_toggle;		// tool button that shows the field's row, or nullptr
		Member			m_member;
		const char *	m_shown;		// what the field shows for the loaded value
		const char *	m_typed;
		double			m_stored;
		const char *	m_shownAfter;	// the stored value in the field's format
	} cases[] = {
		{ Tab::TabGeometry, "lineEditExtraMass", "toolButtonToggleAdvancedRoomProperties",
		  [](RM::Room & r) -> double & { return r.m_additionalMass; }, "0.3", "12.34", 12.34, "12.3" },
		{ Tab::TabGeometry, "lineEditCapacity", "toolButtonToggleAdvancedRoomProperties",
		  [](RM::Room & r) -> double & { return r.m_additionalMassHeatCapacity; }, "840.8", "900", 900, "900.0" },
		{ Tab::TabGeometry, "lineEditAlbedo", "toolButtonToggleAdvancedClimateProperties",
		  [](RM::Room & r) -> double & { return r.m_albedo; }, "0.123457", "0.30", 0.3, "0.3" },
		{ Tab::TabAdvancedSettings, "lineEditInitialT", nullptr,
		  [](RM::Room & r) -> double & { return r.m_TInitial; }, "20.13", "18.5", 18.5, "18.50" },
		{ Tab::TabAdvancedSettings, "lineEditInitialRH", nullptr,
		  [](RM::Room & r) -> double & { return r.m_RHInitial; }, "0.3", "45", 0.45, "45.0" },
		{ Tab::TabAdvancedSettings, "lineEditGammaHC", nullptr,
		  [](RM::Room & r) -> double & { return r.m_gammaHC; }, "33.3333", "45", 0.45, "45" },
		{ Tab::TabHeating, "lineEditMaxLoad", nullptr,
		  [](RM::Room & r) -> double & { return r.m_heatingModel.m_maxPower; }, "1234.56", "2500.5", 2500.5, "2500.5" },
		{ Tab::TabMechanicalVentilation, "lineEditHeatRecoveryEfficiency", nullptr,
		  [](RM::Room & r) -> double & { return r.m_mechanicalVentilationModel.m_heatRecoveryEfficiency; },
		  "12.3457", "75", 0.75, "75" },
	};
	const QString fixture = writeFixture();
	for (QLocale::Language lang : { QLocale::English, QLocale::German }) {
	// the number format the program sets for its language
	GuiTest::ScopedLocale locale(lang);
	const auto local = [lang](const char * text) {
		return lang == QLocale::German ? QString(text).replace('.', ',') : QString(text);
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(std::string(c.m_field) + (lang == QLocale::German ? " de" : " en"));
		ASSERT_TRUE(m_window->loadProject(fixture, false));
		QWidget * p = page(c.m_tab);
		m_window->inputTabs()->setCurrentWidget(p);
		if (c.m_toggle != nullptr && !named<QtExt::ValidatingLineEdit>(c.m_field, p)->isVisible())
			QTest::mouseClick(named<QToolButton>(c.m_toggle, p), Qt::LeftButton);
		QtExt::ValidatingLineEdit * edit = named<QtExt::ValidatingLineEdit>(c.m_field, p);
		ASSERT_TRUE(edit->isVisible());
		RM::Room & room = *m_window->project();
		const double loaded = c.m_member(room);
		const QByteArray written = content();
		ASSERT_EQ(edit->text(), local(c.m_shown));

		// into the field and out again with Tab, twice
		for (int pass = 0; pass < 2; ++pass) {
			QTest::mouseClick(edit, Qt::LeftButton);
			ASSERT_EQ(QApplication::focusWidget(), edit);
			QTest::keyClick(edit, Qt::Key_Tab);
		}
		QApplication::processEvents();
		EXPECT_EQ(c.m_member(room), loaded) << "focus passed";
		EXPECT_EQ(content(), written);
		EXPECT_FALSE(m_window->isProjectModified());

		// a refused text stays as typed, Return and Tab store nothing
		GuiTest::typeAndReturn(edit, "12abc");
		QTest::keyClick(edit, Qt::Key_Tab);
		QApplication::processEvents();
		EXPECT_EQ(edit->text(), "12abc");
		EXPECT_FALSE(edit->isValid());
		EXPECT_EQ(c.m_member(room), loaded) << "refused";
		EXPECT_FALSE(m_window->isProjectModified());
		EXPECT_FALSE(marked());

		// a typed number: stored, shown in the field's format, the window marked
		GuiTest::typeAndReturn(edit, local(c.m_typed));
		EXPECT_DOUBLE_EQ(c.m_member(room), c.m_stored);
		EXPECT_EQ(edit->text(), local(c.m_shownAfter));
		QTest::keyClick(edit, Qt::Key_Tab);
		QApplication::processEvents();
		EXPECT_DOUBLE_EQ(c.m_member(room), c.m_stored) << "left after Return";
		EXPECT_TRUE(m_window->isProjectModified());
		EXPECT_TRUE(marked()) << m_window->windowTitle().toStdString();
	}
	}
}



// A refused text stays one the user typed when the range of its field changes, so that Save and
// Run still name it: the night ventilation of the DIN 4108-2 settings follows the ventilation type.
TEST_F(TypedNumberWindowTest, RefusedNightValueStaysPendingWhenTheVentilationTypeChanges) {
	QWidget * p = page(Tab::TabGeometry);
	m_window->inputTabs()->setCurrentWidget(p);
	QRadioButton * din = named<QRadioButton>("radioButtonDIN4108_2Calculation", p);
	ASSERT_TRUE(din->isEnabled());
	QTest::mouseClick(din, Qt::LeftButton, Qt::NoModifier, QPoint(6, din->height()/2));
	ASSERT_TRUE(m_window->project()->m_din4108_2Assessment.m_active);
	QCheckBox * night = named<QCheckBox>("checkBoxEnhancedNightVentilation", p);
	QTest::mouseClick(night, Qt::LeftButton, Qt::NoModifier, QPoint(6, night->height()/2));
	ASSERT_TRUE(night->isChecked());
	QComboBox * kind = named<QComboBox>("comboBoxVentilationType", p);
	kind->setFocus();
	QTest::keyClick(kind, Qt::Key_Down);
	ASSERT_EQ(m_window->project()->m_din4108_2Assessment.m_ventilationType, 1);

	// across floors allows 5 1/h, window ventilation 2 1/h
	QtExt::ValidatingLineEdit * value = named<QtExt::ValidatingLineEdit>("lineEditEnhancedNightVentilation", p);
	const double stored = m_window->project()->m_din4108_2Assessment.enhancedNightVentilationValue();
	GuiTest::typeAndReturn(value, "6");
	ASSERT_FALSE(value->isValid());
	ASSERT_EQ(m_window->refusedTextField(), value);
	kind->setFocus();
	QTest::keyClick(kind, Qt::Key_Up);
	ASSERT_EQ(m_window->project()->m_din4108_2Assessment.m_ventilationType, 0);
	EXPECT_EQ(value->text(), "6");
	EXPECT_FALSE(value->isValid());
	EXPECT_EQ(m_window->refusedTextField(), value);
	EXPECT_EQ(m_window->project()->m_din4108_2Assessment.enhancedNightVentilationValue(), stored);
}

} // namespace
