// Database edits made in the main window reach the user files when it closes and the
// projects saved meanwhile; a failing user file leaves the others written.
#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QLineEdit>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStackedLayout>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <QtExt_Directories.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "DBPageBase.h"
#include "DatabaseTestFixture.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "MaterialSelectorWidget.h"
#include "QtExt_FileSizeLimit.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

/*! A copy: the assertions take their arguments by reference. */
const unsigned int USER_ID_START = RM::Database::USER_ID_START;

const char * const USER_FILES[] = { "db_materials.xml", "db_constructions.xml", "db_windows.xml", "db_shadingTypes.xml" };

using GuiTest::readBytes;

template <typename T>
std::set<unsigned int> userIds(const std::map<unsigned int, T> & table) {
	std::set<unsigned int> ids;
	for (const auto & e : table)
		if (!e.second.m_builtin)
			ids.insert(e.first);
	return ids;
}

class DatabasePersistenceTest : public GuiTest::MainWindowTest {
protected:
	void beforeWindow() override {
		m_userDir = QtExt::Directories::userDataDir();
		QDir(m_userDir).removeRecursively();

		// user files holding one material, a construction type of it and a window type
		RM::Database seed;
		seed.reload();
		RM::Material mat = seed.m_materials.begin()->second;
		mat.m_builtin = false;
		mat.setEncodedName("en:Own plaster");
		m_materialId = seed.addMaterial(mat, 0);
		RM::ConstructionType ct;
		ct.m_d = {0.2};
		ct.m_materialIds = {m_materialId};
		ct.setEncodedName("en:Own wall");
		m_constructionId = seed.addConstructionType(ct, 0);
		RM::WindowType win = seed.m_windows.begin()->second;
		win.m_builtin = false;
		win.setEncodedName("en:Own window");
		m_windowId = seed.addWindowType(win, 0);
		ASSERT_TRUE(seed.writeDatabase());

		for (const QString & name : QStringList{"db_materials.xml", "db_constructions.xml", "db_windows.xml", "db_shadingTypes.xml"})
			m_builtinFiles[name] = readBytes(seed.builtinDir() + "/" + name);
	}

	DBPageBase * page(RoomModelDialog::Page p) {
		return qobject_cast<DBPageBase *>(m_window->pageStack()->widget(p));
	}

	void select(DBPageBase * pg, unsigned int id) {
		ASSERT_TRUE(GuiTest::selectRowOfId(pg->tableView(), id)) << "no row of id " << id;
	}

	/*! Replaces the text of a field of the page's editor by typing, then presses Return. */
	void typeInto(DBPageBase * pg, const char * fieldName, const QString & text) {
		QLineEdit * f = pg->findChild<QLineEdit *>(fieldName);
		ASSERT_NE(f, nullptr) << fieldName;
		f->selectAll();
		f->del();
		QTest::keyClicks(f, text);
		QTest::keyClick(f, Qt::Key_Return);
	}

	/*! Types a new rho into the material's editor and presses Return. */
	void editRho(unsigned int id, const QString & text) {
		DBPageBase * pg = page(RoomModelDialog::PageMaterials);
		select(pg, id);
		typeInto(pg, "lineEditRho", text);
	}

	void expectBuiltinFilesUnchanged(const RM::Database & fresh) {
		for (const auto & f : m_builtinFiles)
			EXPECT_EQ(readBytes(fresh.builtinDir() + "/" + f.first), f.second) << f.first.toStdString();
	}

	bool closeWindow() {
		QCloseEvent ev;
		QCoreApplication::sendEvent(m_window.get(), &ev);
		return ev.isAccepted();
	}

	QString									m_userDir;
	unsigned int							m_materialId = 0;
	unsigned int							m_constructionId = 0;
	unsigned int							m_windowId = 0;
	std::map<QString, QByteArray>			m_builtinFiles;
};


TEST_F(DatabasePersistenceTest, EditsReachTheUserFilesAndSavedProjects) {
	RM::Database & db = *m_window->database();
	Driver driver;

	editRho(m_materialId, "1234");
	ASSERT_EQ(db.m_materials[m_materialId].m_rho, 1234);

	DBPageBase * shading = page(RoomModelDialog::PageShadingTypes);
	const std::set<unsigned int> shadingBefore = userIds(db.m_shadingTypes);
	shading->addButton()->click();
	const unsigned int newShadingId = shading->tableView()->currentIndex().data(Qt::UserRole).toUInt();
	ASSERT_EQ(shadingBefore.count(newShadingId), 0u);
	ASSERT_GT(newShadingId, USER_ID_START);

	DBPageBase * windows = page(RoomModelDialog::PageWindows);
	select(windows, m_windowId);
	windows->removeButton()->click();
	ASSERT_EQ(db.m_windows.count(m_windowId), 0u);
	EXPECT_TRUE(driver.m_seen.empty()) << "an unused type goes without a message";

	// a project using the user construction type, edited after it was chosen
	RM::Room & room = *m_window->project();
	if (room.m_constructions.empty())
		room.m_constructions.resize(1);
	room.m_constructions[0].m_constructionId = m_constructionId;
	db.m_constructions[m_constructionId].m_d = {0.345};
	db.setModified(true);
	const QString projectFile = m_dir + "/uses-own-wall.rmxml";
	driver.add(Driver::chooseFile(projectFile));
	m_window->buttonBar()->toolButtonSave->click();
	RM::Database embedded;
	RM::Room reread;
	reread.readProjectFile(projectFile, embedded);
	ASSERT_EQ(embedded.m_constructions.count(m_constructionId), 1u);
	EXPECT_EQ(embedded.m_constructions[m_constructionId].m_d, std::vector<double>{0.345});
	ASSERT_EQ(embedded.m_materials.count(m_materialId), 1u);
	EXPECT_EQ(embedded.m_materials[m_materialId].m_rho, 1234);

	// the project was saved: the close asks nothing
	const size_t seen = driver.m_seen.size();
	EXPECT_TRUE(closeWindow());
	EXPECT_EQ(driver.m_seen.size(), seen);

	RM::Database fresh;
	fresh.reload();
	EXPECT_EQ(userIds(fresh.m_materials), std::set<unsigned int>{m_materialId});
	EXPECT_EQ(fresh.m_materials[m_materialId].m_rho, 1234);
	EXPECT_EQ(fresh.m_materials[m_materialId].name(), "Own plaster");
	EXPECT_EQ(userIds(fresh.m_constructions), std::set<unsigned int>{m_constructionId});
	EXPECT_EQ(fresh.m_constructions[m_constructionId].m_d, std::vector<double>{0.345});
	EXPECT_TRUE(userIds(fresh.m_windows).empty());
	std::set<unsigned int> shadingAfter = shadingBefore;
	shadingAfter.insert(newShadingId);
	EXPECT_EQ(userIds(fresh.m_shadingTypes), shadingAfter);
	EXPECT_EQ(fresh.m_shadingTypes[newShadingId].name(), db.m_shadingTypes[newShadingId].name());
	EXPECT_EQ(fresh.m_materials.size(), db.m_materials.size());
	EXPECT_EQ(fresh.m_constructions.size(), db.m_constructions.size());
	EXPECT_EQ(fresh.m_windows.size(), db.m_windows.size());
	EXPECT_EQ(fresh.m_shadingTypes.size(), db.m_shadingTypes.size());

	expectBuiltinFilesUnchanged(fresh);
	// the user files hold user ids only
	const QRegularExpression idAttr("\\bid=\"(\\d+)\"");
	for (const char * name : USER_FILES) {
		const QString text = QString::fromUtf8(readBytes(m_userDir + "/" + name));
		for (auto it = idAttr.globalMatch(text); it.hasNext(); )
			EXPECT_GT(it.next().captured(1).toUInt(), USER_ID_START) << name;
	}
}


TEST_F(DatabasePersistenceTest, EditorEditsReachTheUserFilesAtClose) {
	RM::Database & db = *m_window->database();
	Driver driver;

	DBPageBase * materials = page(RoomModelDialog::PageMaterials);
	select(materials, m_materialId);
	typeInto(materials, "lineEditNameEn", "Own lime plaster");

	// a second layer (the smallest material id), 5 cm wide
	DBPageBase * constructions = page(RoomModelDialog::PageConstructions);
	select(constructions, m_constructionId);
	QSpinBox * layers = constructions->findChild<QSpinBox *>("spinBoxLayerCount");
	ASSERT_NE(layers, nullptr);
	layers->setValue(2);
	QTableWidget * layerTable = constructions->findChild<QTableWidget *>("tableWidget");
	ASSERT_NE(layerTable, nullptr);
	ASSERT_EQ(layerTable->rowCount(), 2);
	layerTable->item(1, 1)->setText("0.05");

	// U and one SHGC point more
	DBPageBase * windows = page(RoomModelDialog::PageWindows);
	select(windows, m_windowId);
	typeInto(windows, "lineEditU", "1.3");
	QSpinBox * pointCount = windows->findChild<QSpinBox *>("spinBox");
	ASSERT_NE(pointCount, nullptr);
	const std::size_t points = std::size_t(pointCount->value()) + 1;
	pointCount->setValue(int(points));

	DBPageBase * shading = page(RoomModelDialog::PageShadingTypes);
	shading->addButton()->click();
	const unsigned int shadingId = shading->tableView()->currentIndex().data(Qt::UserRole).toUInt();
	ASSERT_GT(shadingId, USER_ID_START);
	typeInto(shading, "lineEditZconstant", "0.35");

	// database edits do not change the project: no save question
	EXPECT_TRUE(closeWindow());
	EXPECT_TRUE(driver.m_seen.empty());

	RM::Database fresh;
	fresh.reload();
	const unsigned int smallestMaterial = fresh.m_materials.begin()->first;
	EXPECT_EQ(fresh.m_materials[m_materialId].name(), "Own lime plaster");
	EXPECT_EQ(fresh.m_constructions[m_constructionId].m_d, (std::vector<double>{0.2, 0.05}));
	EXPECT_EQ(fresh.m_constructions[m_constructionId].m_materialIds, (std::vector<unsigned int>{m_materialId, smallestMaterial}));
	EXPECT_EQ(fresh.m_windows[m_windowId].m_U, 1.3);
	EXPECT_EQ(fresh.m_windows[m_windowId].m_relativeSHGC.size(), points);
	EXPECT_EQ(fresh.m_windows[m_windowId].m_relativeSHGC.x(), db.m_windows[m_windowId].m_relativeSHGC.x());
	EXPECT_EQ(fresh.m_shadingTypes[shadingId].m_z, 0.35);
	expectBuiltinFilesUnchanged(fresh);
}


TEST_F(DatabasePersistenceTest, CloseOnAFullDiskShowsTheErrorAndKeepsTheUserFiles) {
	std::map<QString, QByteArray> before;
	for (const char * name : USER_FILES)
		before[name] = readBytes(m_userDir + "/" + name);
	editRho(m_materialId, "1500");
	// no space at all, then space for less than a user file: only the final flush fails
	for (rlim_t limit : { rlim_t(0), rlim_t(100) }) {
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Ok));
		{
			QtExt::FileSizeLimit full(limit);
			closeWindow();
		}
		ASSERT_FALSE(driver.m_seen.empty()) << limit;
		EXPECT_EQ(driver.m_seen[0].m_title, "Error saving user database");
		EXPECT_TRUE(driver.m_seen[0].m_text.contains("db_materials.xml': File too large")) << driver.m_seen[0].m_text.toStdString();
		for (const char * name : USER_FILES)
			EXPECT_EQ(readBytes(m_userDir + "/" + name), before[name]) << name;
	}
	// with room on the disk the edit reaches the file
	closeWindow();
	EXPECT_NE(readBytes(m_userDir + "/db_materials.xml"), before["db_materials.xml"]);
}


TEST_F(DatabasePersistenceTest, FailingUserFileLeavesTheOthersWrittenAndCancelKeepsTheEdits) {
	const QString shadingFile = m_userDir + "/db_shadingTypes.xml";
	QFile::remove(shadingFile);
	ASSERT_TRUE(QDir().mkpath(shadingFile));
	editRho(m_materialId, "1500");
	const QByteArray constructionsBefore = readBytes(m_userDir + "/db_constructions.xml");
	// an edited project, so that the close asks whether to save it
	m_window->buttonBar()->toolButtonEditRoom->click();
	GuiTest::typeAndReturn(m_window->inputPage(RoomModelDialog::TabGeometry)->findChild<QLineEdit *>("lineEditArea"), "31");
	ASSERT_TRUE(m_window->isProjectModified());

	Driver driver;
	driver.add(Driver::press(QDialogButtonBox::Ok));
	driver.add(Driver::press(QDialogButtonBox::Cancel));
	EXPECT_FALSE(closeWindow());
	ASSERT_EQ(driver.m_seen.size(), 2u);
	EXPECT_EQ(driver.m_seen[0].m_title, "Error saving user database");
	EXPECT_EQ(driver.m_seen[1].m_title, "Save Project File");

	// the window keeps its edits; the folder stays, the other files are complete
	EXPECT_EQ(m_window->database()->m_materials[m_materialId].m_rho, 1500);
	EXPECT_EQ(QLocale().toDouble(page(RoomModelDialog::PageMaterials)->findChild<QLineEdit *>("lineEditRho")->text()), 1500);
	EXPECT_TRUE(QFileInfo(shadingFile).isDir());
	EXPECT_EQ(readBytes(m_userDir + "/db_constructions.xml"), constructionsBefore);
	QDir(shadingFile).removeRecursively();
	RM::Database fresh;
	fresh.reload();
	EXPECT_EQ(fresh.m_materials[m_materialId].m_rho, 1500);
	EXPECT_EQ(userIds(fresh.m_constructions), std::set<unsigned int>{m_constructionId});
	EXPECT_EQ(userIds(fresh.m_windows), std::set<unsigned int>{m_windowId});
	EXPECT_TRUE(QDir(m_userDir).entryList(QStringList{"*.xml.*", "*.tmp"}, QDir::Files | QDir::Hidden).isEmpty())
		<< "no half-written file left";
}


/*! A value typed but not confirmed with Return is stored before the window closes, starts a
	new project or loads one. */
TEST_F(DatabasePersistenceTest, UnconfirmedEditIsKeptAtCloseNewAndLoad) {
	struct Case { const char * action; QString rho; };
	const Case cases[] = { { "new", "2020" }, { "load", "2121" }, { "close", "2222" } };
	m_window->resize(1280, 720);
	ASSERT_TRUE(GuiTest::showActive(m_window.get()));
	ButtonBar * bar = m_window->buttonBar();
	for (const Case & c : cases) {
		SCOPED_TRACE(c.action);
		// the answered dialog of the case before may leave no active window behind
		QApplication::setActiveWindow(m_window.get());
		bar->toolButtonEditMaterials->click();
		DBPageBase * pg = page(RoomModelDialog::PageMaterials);
		select(pg, m_materialId);
		QLineEdit * rho = pg->findChild<QLineEdit *>("lineEditRho");
		ASSERT_NE(rho, nullptr);
		QTest::mouseClick(rho, Qt::LeftButton);
		ASSERT_TRUE(rho->hasFocus());
		rho->selectAll();
		QTest::keyClick(rho, Qt::Key_Backspace);
		QTest::keyClicks(rho, c.rho);
		Driver driver;
		const QString action = c.action;
		// the database is no part of the project: New and close ask nothing
		if (action == "new") {
			bar->toolButtonNew->click();
		}
		else if (action == "load") {
			driver.add(Driver::reject());
			bar->toolButtonLoad->click();
		}
		else {
			EXPECT_TRUE(closeWindow());
		}
		EXPECT_EQ(driver.pending(), 0);
		EXPECT_EQ(m_window->database()->m_materials[m_materialId].m_rho, c.rho.toDouble());
	}
	RM::Database fresh;
	fresh.reload();
	EXPECT_EQ(fresh.m_materials[m_materialId].m_rho, 2222);
}


/*! At the smallest window size the material table shows every value column and the
	material selector every built-in name whole. */
TEST_F(DatabasePersistenceTest, MaterialTableAndSelectorFitTheSmallestWindow) {
	m_window->resize(1280, 720);
	ASSERT_TRUE(GuiTest::showActive(m_window.get()));
	ButtonBar * bar = m_window->buttonBar();
	bar->toolButtonEditMaterials->click();
	QApplication::processEvents();
	QTableView * materials = page(RoomModelDialog::PageMaterials)->tableView();
	const QHeaderView * header = materials->horizontalHeader();
	EXPECT_LE(header->sectionViewportPosition(9) + header->sectionSize(9), materials->viewport()->width());
	EXPECT_GE(header->sectionSize(2), 8 * materials->fontMetrics().averageCharWidth()) << "a name column remains";
	const QModelIndex first = materials->model()->index(0, 2);
	EXPECT_EQ(first.data(Qt::ToolTipRole).toString(), first.data().toString()) << "cut names show in the tool tip";

	bar->toolButtonEditConstructions->click();
	DBPageBase * constructions = page(RoomModelDialog::PageConstructions);
	constructions->addButton()->click();
	QTableWidget * layers = constructions->findChild<QTableWidget *>("tableWidget");
	ASSERT_NE(layers, nullptr);
	ASSERT_EQ(layers->rowCount(), 1);
	layers->edit(layers->model()->index(0, 0));
	MaterialSelectorWidget * selector = layers->viewport()->findChild<MaterialSelectorWidget *>();
	ASSERT_NE(selector, nullptr);
	QApplication::processEvents();
	QTableView * view = selector->tableView();
	int widest = 0;
	for (const auto & m : m_window->database()->m_materials)
		if (m.second.m_builtin)
			widest = std::max(widest, view->fontMetrics().horizontalAdvance(m.second.name()));
	const QHeaderView * selectorHeader = view->horizontalHeader();
	EXPECT_GE(selectorHeader->sectionSize(2), widest);
	EXPECT_LE(selectorHeader->sectionPosition(2) + selectorHeader->sectionSize(2), view->viewport()->width());
	constructions->removeButton()->click();
}

} // namespace
