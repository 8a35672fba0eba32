// The project as the window's document: what Save would write decides the "*", actions
// read what the user typed even without Return, a text a field refuses is named before
// Save, and a location the window has to replace is told and marks the project.
#include <functional>
#include <stdexcept>
#include <memory>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <QtExt_Directories.h>
#include <QtExt_ValidatingLineEdit.h>
#include <RM_ConstructionType.h>
#include <RM_Database.h>
#include <RM_Material.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "DBModelSortProxy.h"
#include "MaterialDBModel.h"
#include "MaterialDBWidget.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;
using Tab = RoomModelDialog::InputTab;

const char * const POTSDAM = "Europe/Germany/TRY2011/DE-04-TRY-2010__Potsdam__Jahr_00000K0_00081m.c6b";

class ProjectDocumentWindowTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		MainWindowTest::SetUp();
		m_materials = m_window->findChild<MaterialDBWidget *>();
		ASSERT_NE(m_materials, nullptr);
		m_tester.reset(new QAbstractItemModelTester(m_materials->proxyModel(),
													QAbstractItemModelTester::FailureReportingMode::Warning));
	}

	void TearDown() override {
		m_tester.reset();
		MainWindowTest::TearDown();
		QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
	}

	/*! Clicks into the field and types the text key by key, without Return. */
	void typeWithoutReturn(QLineEdit * edit, const QString & text) {
		ASSERT_NE(edit, nullptr);
		QTest::mouseClick(edit, Qt::LeftButton);
		edit->selectAll();
		QTest::keyClick(edit, Qt::Key_Backspace);
		QTest::keyClicks(edit, text);
	}

	/*! The mark as the window shows it, once the event loop compared the content. */
	bool titleMarked() {
		QApplication::processEvents();
		return m_window->windowTitle().endsWith("*");
	}

	/*! Default room whose surface 0 uses a user construction of two user materials; the
		second material is used by no surface. Loaded: the project is unmodified. */
	void loadProjectWithUserMaterial() {
		RM::Database & db = *m_window->database();
		RM::Material insulation = db.m_materials.begin()->second;
		insulation.setName("en", "My insulation");
		insulation.m_lambda = 0.04;
		insulation.m_builtin = false;
		m_usedMaterial = db.addMaterial(insulation, 0);
		RM::Material unused = insulation;
		unused.setName("en", "Unused");
		m_unusedMaterial = db.addMaterial(unused, 0);
		RM::ConstructionType wall;
		wall.setName("en", "My wall");
		wall.m_d = { 0.1 };
		wall.m_materialIds = { m_usedMaterial };
		const unsigned int wallId = db.addConstructionType(wall, 0);
		RM::Room room;
		room.m_constructions[0].m_constructionId = wallId;
		m_file = m_dir + "/user.rmxml";
		ASSERT_TRUE(room.writeProjectFile(m_file, db));
		ASSERT_TRUE(m_window->loadProject(m_file, false));
		ASSERT_FALSE(m_window->isProjectModified());
	}

	/*! Selects the material's row on the materials page by a click. */
	void clickMaterial(unsigned int id) { GuiTest::clickRowOfId(m_materials->findChild<QTableView *>(), id); }

	QString											m_file;
	unsigned int									m_usedMaterial = 0;
	unsigned int									m_unusedMaterial = 0;
	MaterialDBWidget *								m_materials = nullptr;
	std::unique_ptr<QAbstractItemModelTester>		m_tester;
};


TEST_F(ProjectDocumentWindowTest, DatabaseEditOfAnItemTheProjectUsesMarksItAndCloseAsks) {
	loadProjectWithUserMaterial();
	m_window->buttonBar()->toolButtonEditMaterials->click();
	const struct { const char * m_name; unsigned int m_id; bool m_marks; } cases[] = {
		{ "material no surface uses", m_unusedMaterial, false },
		{ "material of surface 0", m_usedMaterial, true },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_name);
		clickMaterial(c.m_id);
		GuiTest::typeAndReturn(named<QtExt::ValidatingLineEdit>("lineEditLambda", m_materials), "0.02");
		EXPECT_EQ(m_window->database()->material(c.m_id)->m_lambda, 0.02);
		EXPECT_EQ(m_window->isProjectModified(), c.m_marks);
		EXPECT_EQ(titleMarked(), c.m_marks);
	}
	// close asks, and Save writes the edited material into the project
	Driver driver;
	driver.add(Driver::press(QDialogButtonBox::Save));
	driver.add(Driver::chooseFile(m_file));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	m_window->close();
	ASSERT_EQ(driver.m_seen.size(), 3u);
	EXPECT_EQ(driver.m_seen[0].m_title, "Save Project File");
	RM::Database db;
	db.reload();
	RM::Room saved;
	saved.readProjectFile(m_file, db);
	const RM::ConstructionType * wall = db.constructionType(saved.m_constructions[0].m_constructionId);
	ASSERT_NE(wall, nullptr);
	EXPECT_EQ(db.material(wall->m_materialIds[0])->m_lambda, 0.02);
}


TEST_F(ProjectDocumentWindowTest, ActionsReadTheTextTypedWithoutReturn) {
	const struct Case {
		const char *					m_name;
		std::function<void(Driver &)>	m_act;
	} cases[] = {
		{ "report", [this](Driver & driver) {
			driver.add(Driver::inspectThen([this](QWidget *) {
				EXPECT_DOUBLE_EQ(m_window->project()->m_area, 77.7) << "the preview reads the typed area";
			}, Driver::reject()));
			m_window->buttonBar()->toolButtonReport->click();
		} },
		{ "save", [this](Driver & driver) {
			driver.add(Driver::chooseFile(m_dir + "/typed.rmxml"));
			driver.add(Driver::press(QDialogButtonBox::Ok));
			m_window->buttonBar()->toolButtonSave->click();
			RM::Room saved;
			saved.readProjectFile(m_dir + "/typed.rmxml", *m_window->database());
			EXPECT_DOUBLE_EQ(saved.m_area, 77.7);
		} },
		{ "database page", [this](Driver &) { m_window->buttonBar()->toolButtonEditMaterials->click(); } },
		{ "new", [this](Driver & driver) {
			driver.add(Driver::inspectThen([this](QWidget *) {
				EXPECT_DOUBLE_EQ(m_window->project()->m_area, 77.7) << "the question concerns the typed area";
			}, Driver::press(QDialogButtonBox::Cancel)));
			m_window->buttonBar()->toolButtonNew->click();
		} },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		m_tester.reset();
		GuiTest::clearSettings();
		createWindow();
		typeWithoutReturn(named<QLineEdit>("lineEditArea", page(Tab::TabGeometry)), "77.7");
		Driver driver;
		c.m_act(driver);
		EXPECT_EQ(driver.pending(), 0);
		EXPECT_DOUBLE_EQ(m_window->project()->m_area, 77.7);
	}
}


TEST_F(ProjectDocumentWindowTest, AddOnADatabasePageKeepsWhatWasTypedIntoTheShownItem) {
	m_window->buttonBar()->toolButtonEditMaterials->click();
	const struct { const char * m_field; QString m_text; } cases[] = {
		{ "lineEditRho", "2222" },
		{ "lineEditNameEn", "Typed name" },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_field);
		m_materials->addButton()->click();
		const unsigned int first = m_materials->dbModel()->itemId(
			m_materials->proxyModel()->mapToSource(m_materials->findChild<QTableView *>()->currentIndex()));
		typeWithoutReturn(named<QLineEdit>(c.m_field, m_materials), c.m_text);
		QTest::mouseClick(m_materials->addButton(), Qt::LeftButton);
		const RM::Material * mat = m_window->database()->material(first);
		ASSERT_NE(mat, nullptr);
		if (QString(c.m_field) == "lineEditRho")
			EXPECT_EQ(mat->m_rho, 2222);
		else
			EXPECT_EQ(mat->nameForLanguage("en"), c.m_text);
	}
}


TEST_F(ProjectDocumentWindowTest, SaveNamesAFieldThatRefusesItsTextAndGoesBackOrOn) {
	QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
	const double stored = m_window->project()->m_heatingModel.m_maxPower;
	const struct { const char * m_answer; bool m_written; } cases[] = {
		{ "Go back", false },
		{ "Go on", true },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_answer);
		const QString file = m_dir + "/" + c.m_answer + ".rmxml";
		m_window->inputTabs()->setCurrentWidget(page(Tab::TabHeating));
		QtExt::ValidatingLineEdit * power = named<QtExt::ValidatingLineEdit>("lineEditMaxLoad", page(Tab::TabHeating));
		typeWithoutReturn(power, "2.500");
		Driver driver;
		driver.add(Driver::pressButton(c.m_answer));
		if (c.m_written) {
			driver.add(Driver::chooseFile(file));
			driver.add(Driver::press(QDialogButtonBox::Ok));
		}
		m_window->buttonBar()->toolButtonSave->click();
		ASSERT_GE(driver.m_seen.size(), 1u);
		EXPECT_EQ(driver.m_seen[0].m_title, "Text not accepted");
		EXPECT_TRUE(driver.m_seen[0].m_text.contains("'2.500'")) << driver.m_seen[0].m_text.toStdString();
		EXPECT_EQ(driver.pending(), 0);
		EXPECT_EQ(QFileInfo::exists(file), c.m_written);
		EXPECT_EQ(m_window->project()->m_heatingModel.m_maxPower, stored);
		if (!c.m_written) {
			EXPECT_EQ(m_window->focusWidget(), power) << "back at the field";
			EXPECT_EQ(m_window->inputTabs()->currentWidget(), page(Tab::TabHeating));
		}
	}
}


TEST_F(ProjectDocumentWindowTest, ReplacedLocationIsToldUnlessSilentAndMarksTheProject) {
	const struct Case {
		const char *	m_name;
		QString			m_location;
		bool			m_din;
		bool			m_silent;
		int				m_boxes;
		const char *	m_replacement;
	} cases[] = {
		{ "missing, silent", "Nowhere/missing.c6b", false, true, 0, "" },
		{ "missing", "Nowhere/missing.c6b", false, false, 1, "" },
		{ "outside the regions, silent", POTSDAM, true, true, 0, "Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b" },
		{ "outside the regions", POTSDAM, true, false, 1, "Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		RM::Room room;
		room.m_climateDataPath = c.m_location;
		room.m_din4108_2Assessment.m_active = c.m_din;
		room.m_din4108_2Assessment.m_climateRegion = 1;
		const QString file = m_dir + "/replaced.rmxml";
		ASSERT_TRUE(room.writeProjectFile(file, *m_window->database()));
		Driver driver;
		ASSERT_TRUE(m_window->loadProject(file, c.m_silent));
		ASSERT_EQ(int(driver.m_seen.size()), c.m_boxes);
		const QString now = m_window->project()->m_climateDataPath;
		EXPECT_NE(now, c.m_location);
		if (QString(c.m_replacement) != "") {
			EXPECT_EQ(now, c.m_replacement);
		}
		if (c.m_boxes == 1) {
			EXPECT_EQ(driver.m_seen[0].m_title, "Missing climate data");
			EXPECT_TRUE(driver.m_seen[0].m_text.contains(c.m_location)) << driver.m_seen[0].m_text.toStdString();
			EXPECT_TRUE(driver.m_seen[0].m_text.contains(now)) << driver.m_seen[0].m_text.toStdString();
		}
		EXPECT_EQ(m_window->project()->m_din4108_2Assessment.m_climateRegion, 1) << "the stored region is kept";
		EXPECT_TRUE(m_window->isProjectModified());
		EXPECT_TRUE(titleMarked());
	}
}


TEST_F(ProjectDocumentWindowTest, ClimateFileThatIsThereButCannotBeReadIsToldWithItsReason) {
	const QString userClimate = QtExt::Directories::userDataDir() + "/DB_climate/Mine";
	ASSERT_TRUE(QDir().mkpath(userClimate));
	ASSERT_EQ(::mkfifo(QFile::encodeName(userClimate + "/pipe.epw").constData(), 0600), 0);
	ASSERT_TRUE(QDir().mkpath(userClimate + "/folder.epw"));
	ASSERT_TRUE(GuiTest::writeBytes(userClimate + "/garbage.epw", "no weather in here\n"));
	ASSERT_TRUE(GuiTest::writeBytes(userClimate + "/locked.epw", "LOCATION,x\n"));
	ASSERT_TRUE(QFile::setPermissions(userClimate + "/locked.epw", QFile::Permissions()));
	const struct { const char * location; const char * reason; } cases[] = {
		{ "Mine/pipe.epw", "is a named pipe, not a regular file" },
		{ "Mine/folder.epw", "is a folder, not a regular file" },
		{ "Mine/garbage.epw", "Error reading line 1" },
		{ "Mine/locked.epw", "Permission denied" },
		{ "Mine/missing.epw", nullptr }
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.location);
		// root reads every file
		if (QString(c.location) == "Mine/locked.epw" && ::geteuid() == 0)
			continue;
		RM::Room room;
		room.m_climateDataPath = c.location;
		const QString file = m_dir + "/climate.rmxml";
		ASSERT_TRUE(room.writeProjectFile(file, *m_window->database()));
		Driver driver;
		ASSERT_TRUE(m_window->loadProject(file, false));
		ASSERT_EQ(driver.m_seen.size(), 1u);
		const QString text = driver.m_seen[0].m_text;
		EXPECT_EQ(driver.m_seen[0].m_title, "Missing climate data");
		if (c.reason == nullptr) {
			EXPECT_TRUE(text.contains("cannot be found")) << text.toStdString();
			continue;
		}
		EXPECT_TRUE(text.startsWith(QString("The climate data file '%1' cannot be read: ").arg(c.location))) << text.toStdString();
		EXPECT_TRUE(text.contains(c.reason)) << text.toStdString();
		EXPECT_TRUE(text.endsWith(QString("The location '%1' replaces it.").arg(m_window->project()->m_climateDataPath)))
			<< text.toStdString();
	}
}


TEST_F(ProjectDocumentWindowTest, DinModeAndBackRestoresLocationAndMoistureBalance) {
	QWidget * advanced = page(Tab::TabAdvancedSettings);
	m_window->inputTabs()->setCurrentWidget(advanced);
	QCheckBox * moisture = named<QCheckBox>("checkBoxEnableMoistureBalance", advanced);
	QTest::mouseClick(moisture, Qt::LeftButton, Qt::NoModifier, QPoint(6, moisture->height()/2));
	ASSERT_TRUE(m_window->project()->m_moistureBalanceEnabled);
	const QString location = m_window->project()->m_climateDataPath;
	ASSERT_EQ(location, POTSDAM);

	QWidget * geometry = page(Tab::TabGeometry);
	m_window->inputTabs()->setCurrentWidget(geometry);
	QLabel * lock = named<QLabel>("dinLockLabel", m_window.get());
	EXPECT_FALSE(lock->isVisible());
	QRadioButton * din = named<QRadioButton>("radioButtonDIN4108_2Calculation", geometry);
	QTest::mouseClick(din, Qt::LeftButton, Qt::NoModifier, QPoint(6, din->height()/2));
	ASSERT_TRUE(m_window->project()->m_din4108_2Assessment.m_active);
	EXPECT_FALSE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_NE(m_window->project()->m_climateDataPath, location);
	EXPECT_TRUE(lock->isVisible()) << "the window says why the load tabs are locked";
	QTabWidget * tabs = m_window->inputTabs();
	EXPECT_FALSE(tabs->tabToolTip(tabs->indexOf(page(Tab::TabHeating))).isEmpty());

	QRadioButton * user = named<QRadioButton>("radioButtonUserCalculation", geometry);
	QTest::mouseClick(user, Qt::LeftButton, Qt::NoModifier, QPoint(6, user->height()/2));
	EXPECT_FALSE(m_window->project()->m_din4108_2Assessment.m_active);
	EXPECT_EQ(m_window->project()->m_climateDataPath, location);
	EXPECT_EQ(named<QComboBox>("comboBoxLocation", geometry)->currentData().toString(), location);
	EXPECT_TRUE(m_window->project()->m_moistureBalanceEnabled);
	EXPECT_TRUE(moisture->isChecked());
	EXPECT_GE(tabs->indexOf(page(Tab::TabMoistureLoads)), 0) << "the moisture tab is back";
	EXPECT_FALSE(lock->isVisible());
	EXPECT_TRUE(tabs->tabToolTip(tabs->indexOf(page(Tab::TabHeating))).isEmpty());
}

TEST_F(ProjectDocumentWindowTest, SaveAsksAboutTheFileItWritesWhenItAddsTheSuffix) {
	const QString written = m_dir + "/room.v2.rmxml";
	ASSERT_TRUE(GuiTest::writeBytes(written, "older"));
	const struct { QDialogButtonBox::StandardButton m_answer; bool m_replaced; } cases[] = {
		{ QDialogButtonBox::No, false },
		{ QDialogButtonBox::Yes, true },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_replaced);
		Driver driver;
		driver.add(Driver::typeFileName(m_dir + "/room.v2"));
		driver.add(Driver::press(c.m_answer));
		if (c.m_replaced)
			driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		ASSERT_GE(driver.m_seen.size(), 2u);
		EXPECT_TRUE(driver.m_seen[1].m_text.contains("room.v2.rmxml")) << driver.m_seen[1].m_text.toStdString();
		EXPECT_EQ(GuiTest::readBytes(written) == "older", !c.m_replaced);
		EXPECT_FALSE(QFileInfo::exists(m_dir + "/room.v2"));
		EXPECT_EQ(driver.pending(), 0);
	}
}


TEST_F(ProjectDocumentWindowTest, ExceptionEscapingASlotIsToldAndTheProjectStays) {
	GuiTest::typeAndReturn(named<QLineEdit>("lineEditArea", page(Tab::TabGeometry)), "31");
	ASSERT_TRUE(m_window->isProjectModified());
	Driver driver;
	driver.add(Driver::press(QDialogButtonBox::Ok));
	QTimer::singleShot(0, m_window.get(), []() { throw std::runtime_error("table too large"); });
	while (driver.m_seen.empty() && driver.pending() == 1)
		QApplication::processEvents(QEventLoop::WaitForMoreEvents);
	ASSERT_EQ(driver.m_seen.size(), 1u);
	EXPECT_EQ(driver.m_seen[0].m_title, "Program error");
	EXPECT_TRUE(driver.m_seen[0].m_text.contains("table too large"));
	EXPECT_TRUE(m_window->isVisible());
	EXPECT_DOUBLE_EQ(m_window->project()->m_area, 31);
	EXPECT_TRUE(m_window->isProjectModified());
}

} // namespace
