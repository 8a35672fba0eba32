// Main window: structure, page switching, tab reactions to the project and the update check answer.
#include <memory>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <QtExt_AutoUpdater.h>
#include <QtExt_LanguageHandler.h>

#include <RM_Climate.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "LoopbackHttpServer.h"
#include "ProjectDocument.h"
#include "RoomModelDialog.h"

namespace {

class RoomModelDialogTest : public GuiTest::MainWindowTest {
protected:

	QStringList tabTitles() const {
		QStringList titles;
		for (int i = 0; i < m_window->inputTabs()->count(); ++i)
			titles << m_window->inputTabs()->tabText(i);
		return titles;
	}

	bool tabEnabled(RoomModelDialog::InputTab tab) const {
		QTabWidget * tabs = m_window->inputTabs();
		return tabs->isTabEnabled(tabs->indexOf(m_window->inputPage(tab)));
	}

	/*! Current page and the down state of Edit room and of the four database buttons. */
	struct PageState {
		int		m_page;
		bool	m_down[5];
	};

	PageState pageState() const {
		ButtonBar * bar = m_window->buttonBar();
		return { m_window->pageStack()->currentIndex(),
				 { bar->toolButtonEditRoom->isDown(), bar->toolButtonEditMaterials->isDown(),
				   bar->toolButtonEditConstructions->isDown(), bar->toolButtonEditWindows->isDown(),
				   bar->toolButtonEditShadingTypes->isDown() } };
	}

};

const QStringList ALL_TABS = {
	"Geometry and Climate", "Heating", "Cooling", "Mechanical Ventilation", "Infiltration",
	"Internal gains (equipment)", "Internal gains (occupancy)", "Shading Control", "Moisture Loads",
	"Advanced Settings"
};

} // namespace


TEST_F(RoomModelDialogTest, TitleTabsAndPages) {
	EXPECT_EQ(m_window->windowTitle(), "Caldoryne - The Thermal Room Model - Version 3.2");
	EXPECT_EQ(m_window->pageStack()->count(), 5);
	EXPECT_EQ(m_window->pageStack()->currentIndex(), int(RoomModelDialog::PageRoom));

	// the default project has no moisture balance: its tab is not shown
	QStringList expected = ALL_TABS;
	expected.removeAll("Moisture Loads");
	EXPECT_FALSE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_EQ(tabTitles(), expected);
}


TEST_F(RoomModelDialogTest, InitialResizeCentresTwoThirdsOfThePrimaryScreen) {
	m_window->show();
	m_window->initialResize();
	QApplication::processEvents();
	// the offscreen screen is 800 x 600: two thirds are 532 x 400, unless the window's
	// minimum size (the fourteen buttons of the bar) asks for more
	const QRect screen = QGuiApplication::primaryScreen()->geometry();
	ASSERT_EQ(screen.size(), QSize(800, 600));
	const QSize minimum = m_window->minimumSizeHint();
	EXPECT_EQ(m_window->width(), qMax(532, minimum.width()));
	EXPECT_EQ(m_window->height(), qMax(400, minimum.height()));
	const QRect frame = m_window->frameGeometry();
	if (frame.width() <= screen.width())
		EXPECT_NEAR(frame.center().x(), screen.center().x(), 1);
	else
		EXPECT_EQ(frame.left(), screen.left()) << "the title bar stays on the screen";
	if (frame.height() <= screen.height())
		EXPECT_NEAR(frame.center().y(), screen.center().y(), 1);
	else
		EXPECT_EQ(frame.top(), screen.top()) << "the title bar stays on the screen";
}


TEST_F(RoomModelDialogTest, MinimumSizeFitsTwoThirdsOfAFullHdScreenInBothLanguages) {
	// what initialResize asks of a 1920 x 1080 screen, where the minimum size plays no part
	const QRect screen(0, 0, 1920, 1080);
	const QSize size((screen.width() / 3) * 2, (screen.height() / 3) * 2);
	EXPECT_EQ(size, QSize(1280, 720));
	for (const char * lang : { "en", "de" }) {
		QtExt::LanguageHandler::instance().installTranslator(lang);
		RoomModelDialog w;
		w.onEnableMoistureBalanceInputs(true);	// every tab
		EXPECT_LE(w.minimumSizeHint().height(), 720) << lang;
		EXPECT_LE(w.minimumSizeHint().width(), 1280) << lang;
	}
	QtExt::LanguageHandler::instance().installTranslator("en");
}


TEST_F(RoomModelDialogTest, MoistureTabLeavesAndReturnsBeforeAdvancedSettings) {
	m_window->onEnableMoistureBalanceInputs(true);
	EXPECT_EQ(tabTitles(), ALL_TABS);
	m_window->onEnableMoistureBalanceInputs(true);
	EXPECT_EQ(tabTitles(), ALL_TABS) << "a second switch-on adds no second tab";
	m_window->onEnableMoistureBalanceInputs(false);
	EXPECT_EQ(tabTitles().size(), 9);
	EXPECT_FALSE(tabTitles().contains("Moisture Loads"));
	m_window->onEnableMoistureBalanceInputs(false);
	EXPECT_EQ(tabTitles().size(), 9);
	m_window->onEnableMoistureBalanceInputs(true);
	EXPECT_EQ(tabTitles(), ALL_TABS);
	EXPECT_TRUE(tabEnabled(RoomModelDialog::TabMoistureLoads));
}


TEST_F(RoomModelDialogTest, MoistureSwitchOfTheSettingsPageMovesTheMoistureTab) {
	QCheckBox * box = m_window->findChild<QCheckBox *>("checkBoxEnableMoistureBalance");
	ASSERT_NE(box, nullptr);
	ASSERT_FALSE(box->isChecked());
	box->click();
	EXPECT_TRUE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_EQ(tabTitles(), ALL_TABS);
	box->click();
	EXPECT_FALSE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_FALSE(tabTitles().contains("Moisture Loads"));
	box->click();
	EXPECT_EQ(tabTitles(), ALL_TABS) << "back before Advanced Settings";
}


TEST_F(RoomModelDialogTest, PageSwitchingByTheEditButtons) {
	ButtonBar * bar = m_window->buttonBar();
	struct Case {
		QToolButton *	m_button;
		int				m_page;
		bool			m_down[5];
	};
	// each click from the state the previous one left
	const Case cases[] = {
		{ bar->toolButtonEditMaterials,		RoomModelDialog::PageMaterials,		{ false, true, false, false, false } },
		{ bar->toolButtonEditMaterials,		RoomModelDialog::PageRoom,			{ true, false, false, false, false } },
		{ bar->toolButtonEditConstructions,	RoomModelDialog::PageConstructions,	{ false, false, true, false, false } },
		{ bar->toolButtonEditWindows,		RoomModelDialog::PageWindows,		{ false, false, false, true, false } },
		{ bar->toolButtonEditShadingTypes,	RoomModelDialog::PageShadingTypes,	{ false, false, false, false, true } },
		{ bar->toolButtonEditRoom,			RoomModelDialog::PageRoom,			{ true, false, false, false, false } },
		{ bar->toolButtonEditRoom,			RoomModelDialog::PageRoom,			{ true, false, false, false, false } },
		{ bar->toolButtonEditShadingTypes,	RoomModelDialog::PageShadingTypes,	{ false, false, false, false, true } },
		{ bar->toolButtonEditShadingTypes,	RoomModelDialog::PageRoom,			{ true, false, false, false, false } },
	};
	PageState start = pageState();
	EXPECT_EQ(start.m_page, int(RoomModelDialog::PageRoom));
	EXPECT_TRUE(start.m_down[0]);
	int step = 0;
	for (const Case & c : cases) {
		c.m_button->click();
		PageState s = pageState();
		EXPECT_EQ(s.m_page, c.m_page) << "step " << step;
		for (int b = 0; b < 5; ++b)
			EXPECT_EQ(s.m_down[b], c.m_down[b]) << "step " << step << ", button " << b;
		++step;
	}
}


TEST_F(RoomModelDialogTest, ChosenLocationBecomesTheProjectsAndTheRegionStays) {
	// the region is derived by the geometry page in the DIN mode only, from the file's city
	RM::DIN4108_2Assessment & din = m_window->project()->m_din4108_2Assessment;
	din.m_climateRegion = 2;
	QComboBox * locations = m_window->findChild<QComboBox *>("comboBoxLocation");
	ASSERT_NE(locations, nullptr);
	const QString before = m_window->project()->m_climateDataPath;
	locations->setFocus();
	QTest::keyClick(locations, locations->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
	const QString chosen = locations->currentData().toString();
	ASSERT_NE(chosen, before);
	EXPECT_EQ(m_window->project()->m_climateDataPath, chosen);
	EXPECT_EQ(m_window->climate()->m_currentClimateDataFile, chosen);
	EXPECT_EQ(din.m_climateRegion, 2);
}


TEST_F(RoomModelDialogTest, CalculationModeEnablesTheLoadTabs) {
	// switched on through the settings page, which shows the moisture tab
	m_window->findChild<QCheckBox *>("checkBoxEnableMoistureBalance")->setChecked(true);
	ASSERT_TRUE(m_window->project()->m_moistureBalanceEnabled);
	RM::DIN4108_2Assessment & din = m_window->project()->m_din4108_2Assessment;
	din.m_shadingControlType = 1;

	const RoomModelDialog::InputTab loadTabs[] = {
		RoomModelDialog::TabHeating, RoomModelDialog::TabCooling, RoomModelDialog::TabMechanicalVentilation,
		RoomModelDialog::TabInfiltration, RoomModelDialog::TabEquipment, RoomModelDialog::TabOccupancy
	};

	m_window->document()->setDinMode(true);
	EXPECT_TRUE(din.m_active);
	for (RoomModelDialog::InputTab t : loadTabs)
		EXPECT_FALSE(tabEnabled(t)) << t;
	// the DIN mode switches the moisture balance off, which removes its tab
	EXPECT_FALSE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_EQ(m_window->inputTabs()->indexOf(m_window->inputPage(RoomModelDialog::TabMoistureLoads)), -1);
	EXPECT_TRUE(tabEnabled(RoomModelDialog::TabGeometry));
	EXPECT_TRUE(tabEnabled(RoomModelDialog::TabAdvancedSettings));
	EXPECT_FALSE(tabEnabled(RoomModelDialog::TabShadingControl));

	// shown again, now without the moisture tab: the advanced settings stay reachable
	m_window->onCalculationModeChanged(true);
	EXPECT_TRUE(tabEnabled(RoomModelDialog::TabAdvancedSettings));

	m_window->document()->setDinMode(false);
	EXPECT_FALSE(din.m_active);
	for (RoomModelDialog::InputTab t : loadTabs)
		EXPECT_TRUE(tabEnabled(t)) << t;
	EXPECT_TRUE(tabEnabled(RoomModelDialog::TabShadingControl));
}


TEST_F(RoomModelDialogTest, ShadingControlTabByAssessmentAndType) {
	struct Case {
		bool	m_active;
		int		m_type;
		bool	m_enabled;
	};
	const Case cases[] = {
		{ false, 0, true }, { false, 3, true }, { true, 0, false }, { true, 1, false },
		{ true, 2, false }, { true, 3, true }
	};
	for (const Case & c : cases) {
		m_window->project()->m_din4108_2Assessment.m_active = c.m_active;
		m_window->updateShadingControl(c.m_type);
		EXPECT_EQ(tabEnabled(RoomModelDialog::TabShadingControl), c.m_enabled)
			<< "active " << c.m_active << ", type " << c.m_type;
	}
}


TEST_F(RoomModelDialogTest, EscapeChangesNothing) {
	m_window->show();
	m_window->buttonBar()->toolButtonEditWindows->click();
	m_window->inputTabs()->setCurrentIndex(2);
	QTest::keyClick(m_window.get(), Qt::Key_Escape);
	QApplication::processEvents();
	EXPECT_TRUE(m_window->isVisible());
	EXPECT_EQ(m_window->pageStack()->currentIndex(), int(RoomModelDialog::PageWindows));
	EXPECT_EQ(m_window->inputTabs()->currentIndex(), 2);
}


TEST_F(RoomModelDialogTest, AboutDialogIsMadeOnceAndQuitClosesTheWindow) {
	m_window->show();
	std::vector<QWidget *> dialogs;
	GuiTest::ModalDialogDriver driver;
	for (int i = 0; i < 2; ++i) {
		driver.add(GuiTest::ModalDialogDriver::inspectThen([&](QWidget * w) { dialogs.push_back(w); },
														   GuiTest::ModalDialogDriver::reject()));
		m_window->buttonBar()->toolButtonAbout->click();
	}
	ASSERT_EQ(dialogs.size(), 2u);
	EXPECT_EQ(dialogs[0], dialogs[1]);
	EXPECT_EQ(dialogs[0]->parentWidget(), m_window.get());

	// the model export is reached by Ctrl+E
	bool exportAction = false;
	for (QAction * a : m_window->actions())
		exportAction |= a->shortcut() == QKeySequence("Ctrl+E") && a->text() == "Export model...";
	EXPECT_TRUE(exportAction);

	m_window->buttonBar()->toolButtonQuit->click();
	EXPECT_FALSE(m_window->isVisible());
}


TEST_F(RoomModelDialogTest, LoadedProjectReplacesTheEditedOneAndFailuresKeepIt) {
	const QString office = GuiTest::sourceDir() + "/resources/examples/Office_SouthFacade.rmxml";
	m_window->buttonBar()->toolButtonEditMaterials->click();
	RM::Room * edited = m_window->project();
	ASSERT_TRUE(m_window->loadProject(office, true));
	EXPECT_EQ(m_window->project(), edited) << "the pages keep pointing into the same project";
	EXPECT_EQ(edited->m_projectFilePath, office);
	EXPECT_EQ(m_window->windowTitle(), "Caldoryne - The Thermal Room Model - Version 3.2 - Office_SouthFacade.rmxml");
	EXPECT_EQ(m_window->pageStack()->currentIndex(), int(RoomModelDialog::PageRoom));
	EXPECT_TRUE(m_window->buttonBar()->toolButtonEditRoom->isDown());
	// the office runs with the moisture balance: its tab is shown
	EXPECT_EQ(edited->m_moistureBalanceEnabled, tabTitles().contains("Moisture Loads"));
	const double area = edited->m_area;

	const QString broken = m_dir + "/broken.rmxml";
	{
		QFile f(broken);
		ASSERT_TRUE(f.open(QIODevice::WriteOnly));
		f.write("<?xml version=\"1.0\"?>\n<RoomModelProject Version=\"3.2.2\"><Room><Geometry>");
	}
	struct Case {
		QString		m_file;
		bool		m_silent;
		int			m_boxes;
	};
	const Case cases[] = {
		{ m_dir + "/missing.rmxml", true, 0 },
		{ m_dir + "/missing.rmxml", false, 1 },
		{ broken, true, 0 },
		{ broken, false, 1 },
	};
	for (const Case & c : cases) {
		m_window->buttonBar()->toolButtonExport->setEnabled(true);
		GuiTest::ModalDialogDriver driver;
		EXPECT_FALSE(m_window->loadProject(c.m_file, c.m_silent)) << c.m_file.toStdString();
		EXPECT_EQ(int(driver.m_seen.size()), c.m_boxes) << c.m_file.toStdString();
		if (c.m_boxes == 1) {
			EXPECT_EQ(driver.m_seen[0].m_title, "Read Error");
		}
		EXPECT_EQ(edited->m_projectFilePath, office);
		EXPECT_EQ(edited->m_area, area);
		EXPECT_TRUE(m_window->buttonBar()->toolButtonExport->isEnabled()) << "the results still match the unchanged project";
	}
}


TEST_F(RoomModelDialogTest, UpdateAnswersWithoutNewerVersionStartNothing) {
	GuiTest::ModalDialogDriver driver;
	// older, equal, malformed versions and failed checks: no dialog, no exception
	const std::pair<int, const char *> answers[] = {
		{ 0, "3.2.2" }, { 0, "3.2.1" }, { 0, "x.y" }, { 0, "" }, { 0, "3.2" }, { 1, "" }, { 2, "" }, { 1, "9.9.9" }
	};
	for (const auto & a : answers)
		EXPECT_NO_THROW(m_window->onUpdateInfoRetrieved(a.first, a.second)) << a.second;
	QTest::qWait(100);
	EXPECT_TRUE(driver.m_seen.empty());
}


TEST(RoomModelDialogUpdateTest, SilentCheckAtStartOpensTheDownloadDialogOnlyForANewerVersion) {
	struct Case {
		const char *	m_serverVersion;
		bool			m_dialog;
	};
	const Case cases[] = { { "3.2.3", true }, { "3.2.2", false }, { "3.2.1", false }, { "x.y", false } };
	for (const Case & c : cases) {
		GuiTest::clearSettings();
		GuiTest::LoopbackHttpServer server(QString("%1:Caldoryne_%2_installer\n---HeaderEnd---\nCHANGES\n- fixes\n")
										   .arg(QtExt::AutoUpdater::INSTALLER_KEY, c.m_serverVersion).toUtf8());
		RoomModelDialog::setUpdateInfoUrl(server.url("/downloads/caldoryne/Caldoryne.updates"));
		GuiTest::ModalDialogDriver driver;
		{
			RoomModelDialog window;
			// the silent check, and for a newer version the interactive one, reach the server
			const int expectedRequests = c.m_dialog ? 2 : 1;
			for (int i = 0; i < 100 && (server.requests() < expectedRequests || (c.m_dialog && driver.m_seen.empty())); ++i)
				QTest::qWait(30);
			QTest::qWait(100);
			EXPECT_EQ(server.requests(), expectedRequests) << c.m_serverVersion;
		}
		RoomModelDialog::setUpdateInfoUrl(QString());
		ASSERT_EQ(driver.m_seen.size(), c.m_dialog ? 1u : 0u) << c.m_serverVersion;
		if (c.m_dialog) {
			EXPECT_EQ(driver.m_seen[0].m_className, "QtExt::AutoUpdateDialog");
		}
	}
}
