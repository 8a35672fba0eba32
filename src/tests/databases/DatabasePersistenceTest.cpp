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
#include <QLabel>
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
#include "QtExt_WholeFileWriter.h"
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
		return pageOf(*m_window, p);
	}

	static DBPageBase * pageOf(RoomModelDialog & window, RoomModelDialog::Page p) {
		return qobject_cast<DBPageBase *>(window.pageStack()->widget(p));
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
		return closeWindow(*m_window);
	}

	static bool closeWindow(RoomModelDialog & window) {
		QCloseEvent ev;
		QCoreApplication::sendEvent(&window, &ev);
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


/*! On a full disk the close says so and offers to stay: Cancel keeps the window, its edit and
	the old files; once there is room the close writes them; Close anyway leaves the old files. */
TEST_F(DatabasePersistenceTest, CloseOnAFullDiskShowsTheErrorAndKeepsTheUserFiles) {
	std::map<QString, QByteArray> before;
	for (const char * name : USER_FILES)
		before[name] = readBytes(m_userDir + "/" + name);
	auto expectOldFiles = [&]() {
		for (const char * name : USER_FILES)
			EXPECT_EQ(readBytes(m_userDir + "/" + name), before[name]) << name;
	};
	editRho(m_materialId, "1500");
	// no space at all, then space for less than a user file: only the final flush fails
	for (rlim_t limit : { rlim_t(0), rlim_t(100) }) {
		SCOPED_TRACE(limit);
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Cancel));
		bool accepted = true;
		{
			QtExt::FileSizeLimit full(limit);
			accepted = closeWindow();
		}
		EXPECT_FALSE(accepted) << "Cancel keeps the window";
		ASSERT_EQ(driver.m_seen.size(), 1u);
		EXPECT_EQ(driver.m_seen[0].m_title, "Error saving user database");
		EXPECT_TRUE(driver.m_seen[0].m_text.contains("db_materials.xml': File too large")) << driver.m_seen[0].m_text.toStdString();
		expectOldFiles();
		EXPECT_EQ(m_window->database()->m_materials[m_materialId].m_rho, 1500);
	}
	// with room on the disk the edit reaches the file
	{
		Driver driver;
		EXPECT_TRUE(closeWindow());
		EXPECT_TRUE(driver.m_seen.empty());
	}
	RM::Database fresh;
	fresh.reload();
	EXPECT_EQ(fresh.m_materials[m_materialId].m_rho, 1500);

	// Close anyway: the window closes, the files stay as they were
	for (const char * name : USER_FILES)
		before[name] = readBytes(m_userDir + "/" + name);
	editRho(m_materialId, "1600");
	Driver driver;
	driver.add(Driver::pressButton("Close anyway"));
	bool accepted = false;
	{
		QtExt::FileSizeLimit full(0);
		accepted = closeWindow();
	}
	EXPECT_TRUE(accepted);
	EXPECT_EQ(driver.m_seen.size(), 1u);
	expectOldFiles();
}


/*! The four files are replaced as a set: one that cannot be written keeps the others old too. */
TEST_F(DatabasePersistenceTest, FailingUserFileKeepsAllFilesOldAndCancelKeepsTheEdits) {
	const QString shadingFile = m_userDir + "/db_shadingTypes.xml";
	QFile::remove(shadingFile);
	ASSERT_TRUE(QDir().mkpath(shadingFile));
	editRho(m_materialId, "1500");
	DBPageBase * shading = page(RoomModelDialog::PageShadingTypes);
	shading->addButton()->click();
	std::map<QString, QByteArray> before;
	for (const char * name : USER_FILES)
		before[name] = readBytes(m_userDir + "/" + name);
	// an edited project: the close would ask whether to save it, but Cancel stops it first
	m_window->buttonBar()->toolButtonEditRoom->click();
	GuiTest::typeAndReturn(m_window->inputPage(RoomModelDialog::TabGeometry)->findChild<QLineEdit *>("lineEditArea"), "31");
	ASSERT_TRUE(m_window->isProjectModified());

	Driver driver;
	driver.add(Driver::press(QDialogButtonBox::Cancel));
	EXPECT_FALSE(closeWindow());
	ASSERT_EQ(driver.m_seen.size(), 1u);
	EXPECT_EQ(driver.m_seen[0].m_title, "Error saving user database");

	// the window keeps its edits, every file its old content
	EXPECT_EQ(m_window->database()->m_materials[m_materialId].m_rho, 1500);
	EXPECT_EQ(QLocale().toDouble(page(RoomModelDialog::PageMaterials)->findChild<QLineEdit *>("lineEditRho")->text()), 1500);
	EXPECT_TRUE(m_window->isProjectModified());
	EXPECT_TRUE(QFileInfo(shadingFile).isDir());
	for (const char * name : USER_FILES)
		EXPECT_EQ(readBytes(m_userDir + "/" + name), before[name]) << name;
	EXPECT_TRUE(QDir(m_userDir).entryList(QStringList{"*.xml.*", "*.tmp"}, QDir::Files | QDir::Hidden).isEmpty())
		<< "no half-written file left";

	// the folder gone, the next close writes all files
	QDir(shadingFile).removeRecursively();
	driver.add(Driver::press(QDialogButtonBox::Discard));
	EXPECT_TRUE(closeWindow());
	RM::Database fresh;
	fresh.reload();
	EXPECT_EQ(fresh.m_materials[m_materialId].m_rho, 1500);
	EXPECT_EQ(userIds(fresh.m_constructions), std::set<unsigned int>{m_constructionId});
	EXPECT_EQ(userIds(fresh.m_windows), std::set<unsigned int>{m_windowId});
	EXPECT_EQ(fresh.m_shadingTypes.size(), m_window->database()->m_shadingTypes.size());
}


/*! Two windows on one user data folder, both open from the start, close one after the other:
	neither drops what the other added, changed or removed, and an item both changed is kept
	twice under distinct names. */
class TwoWindowsTest : public DatabasePersistenceTest {
protected:
	/*! What a window does to the user database. */
	enum Step { Idle, AddProbeA, AddProbeB, EditRho1500, EditRho1600, RemoveWindow };

	void act(RoomModelDialog & w, Step step) {
		DBPageBase * materials = pageOf(w, RoomModelDialog::PageMaterials);
		switch (step) {
			case Idle: break;
			case AddProbeA:
			case AddProbeB:
				materials->addButton()->click();
				typeInto(materials, "lineEditNameEn", step == AddProbeA ? "Probe A" : "Probe B");
				break;
			case EditRho1500:
			case EditRho1600:
				ASSERT_TRUE(GuiTest::selectRowOfId(materials->tableView(), m_materialId));
				typeInto(materials, "lineEditRho", step == EditRho1500 ? "1500" : "1600");
				break;
			case RemoveWindow: {
				DBPageBase * windows = pageOf(w, RoomModelDialog::PageWindows);
				ASSERT_TRUE(GuiTest::selectRowOfId(windows->tableView(), m_windowId));
				windows->removeButton()->click();
				break;
			}
		}
	}

	/*! Name -> rho of the user materials the material page of the current window lists. */
	std::map<QString, double> listedUserMaterials() {
		std::map<QString, double> listed;
		const RM::Database & db = *m_window->database();
		QAbstractItemModel * model = page(RoomModelDialog::PageMaterials)->tableView()->model();
		for (int r = 0; r < model->rowCount(); ++r) {
			const unsigned int id = model->index(r, 0).data(Qt::UserRole).toUInt();
			if (id > USER_ID_START)
				listed[model->index(r, 2).data().toString()] = db.m_materials.at(id).m_rho;
		}
		return listed;
	}
};


TEST_F(TwoWindowsTest, NoWindowDropsWhatTheOtherDid) {
	const double seededRho = m_window->database()->m_materials[m_materialId].m_rho;
	struct Case {
		const char *				m_name;
		Step						m_first;
		Step						m_second;
		std::map<QString, double>	m_materials;
		bool						m_windowKept;
	};
	const Case cases[] = {
		{ "A adds, B idle", AddProbeA, Idle, { { "Own plaster", seededRho }, { "Probe A", 0 } }, true },
		{ "A adds, B adds", AddProbeA, AddProbeB, { { "Own plaster", seededRho }, { "Probe A", 0 }, { "Probe B", 0 } }, true },
		{ "A edits, B removes another", EditRho1500, RemoveWindow, { { "Own plaster", 1500 } }, false },
		{ "both edit one", EditRho1500, EditRho1600, { { "Own plaster", 1600 }, { "Own plaster (2)", 1500 } }, true },
	};
	std::map<QString, QByteArray> seeded;
	for (const char * name : USER_FILES)
		seeded[name] = readBytes(m_userDir + "/" + name);
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		for (const auto & f : seeded)
			ASSERT_TRUE(QtExt::WholeFileWriter::writeFile(m_userDir + "/" + f.first, f.second));
		createWindow();
		std::unique_ptr<RoomModelDialog> second(new RoomModelDialog);
		act(*m_window, c.m_first);
		act(*second, c.m_second);
		Driver driver;
		EXPECT_TRUE(closeWindow());
		EXPECT_TRUE(closeWindow(*second));
		EXPECT_TRUE(driver.m_seen.empty());
		second.reset();

		// the next start lists them
		createWindow();
		std::map<QString, double> listed = listedUserMaterials();
		// a new material's density is the editor's default: only its name counts
		for (auto & l : listed)
			if (l.first.startsWith("Probe"))
				l.second = 0;
		EXPECT_EQ(listed, c.m_materials);
		EXPECT_EQ(m_window->database()->m_windows.count(m_windowId), c.m_windowKept ? 1u : 0u);
		EXPECT_EQ(m_window->database()->m_constructions.at(m_constructionId).m_materialIds,
				  std::vector<unsigned int>{m_materialId});
	}
}


/*! A used material edited, the project discarded at close: the next start adds the project's
	versions as copies, says so in the window and names them after the project file; a second
	Load and a Save add no further copy. */
TEST_F(DatabasePersistenceTest, DiscardedProjectBringsItsItemsBackAsNamedCopies) {
	RM::Room & room = *m_window->project();
	if (room.m_constructions.empty())
		room.m_constructions.resize(1);
	room.m_constructions[0].m_constructionId = m_constructionId;
	const QString projectFile = m_dir + "/own-wall.rmxml";
	{
		Driver driver;
		driver.add(Driver::chooseFile(projectFile));
		m_window->buttonBar()->toolButtonSave->click();
		ASSERT_EQ(driver.pending(), 0);
	}
	ASSERT_FALSE(m_window->isProjectModified());
	m_window->buttonBar()->toolButtonEditMaterials->click();
	DBPageBase * materials = page(RoomModelDialog::PageMaterials);
	select(materials, m_materialId);
	typeInto(materials, "lineEditLambda", "0.02");
	ASSERT_EQ(m_window->database()->m_materials[m_materialId].m_lambda, 0.02);
	QApplication::processEvents();
	ASSERT_TRUE(m_window->windowTitle().endsWith("*")) << m_window->windowTitle().toStdString();
	{
		Driver driver;
		driver.add(Driver::press(QDialogButtonBox::Discard));
		EXPECT_TRUE(closeWindow());
		EXPECT_EQ(driver.pending(), 0);
	}

	auto userNames = [&](RoomModelDialog::Page p) {
		std::multiset<QString> names;
		QAbstractItemModel * model = page(p)->tableView()->model();
		for (int r = 0; r < model->rowCount(); ++r)
			if (model->index(r, 0).data(Qt::UserRole).toUInt() > USER_ID_START)
				names.insert(model->index(r, 2).data().toString());
		return names;
	};
	const std::multiset<QString> materialNames{ "Own plaster", "Own plaster (own-wall.rmxml)" };
	const std::multiset<QString> constructionNames{ "Own wall", "Own wall (own-wall.rmxml)" };
	auto expectOneCopyEach = [&]() {
		EXPECT_EQ(userNames(RoomModelDialog::PageMaterials), materialNames);
		EXPECT_EQ(userNames(RoomModelDialog::PageConstructions), constructionNames);
		const unsigned int used = m_window->project()->m_constructions[0].m_constructionId;
		EXPECT_NE(used, m_constructionId);
		EXPECT_EQ(m_window->database()->m_constructions.at(used).name(), "Own wall (own-wall.rmxml)");
	};

	createWindow();
	QLabel * notice = m_window->findChild<QLabel *>("copiesLabel");
	ASSERT_NE(notice, nullptr);
	EXPECT_TRUE(notice->isVisible());
	EXPECT_TRUE(notice->text().contains("Own plaster (own-wall.rmxml)")) << notice->text().toStdString();
	EXPECT_TRUE(notice->text().contains("Own wall (own-wall.rmxml)")) << notice->text().toStdString();
	expectOneCopyEach();
	EXPECT_FALSE(m_window->isProjectModified());

	// the same file again, then saved and loaded: the copies are recognised
	for (const char * step : { "load", "save", "load" }) {
		SCOPED_TRACE(step);
		Driver driver;
		if (std::string(step) == "load") {
			driver.add(Driver::chooseFile(projectFile));
			m_window->buttonBar()->toolButtonLoad->click();
			EXPECT_FALSE(notice->isVisible());
		}
		else
			m_window->buttonBar()->toolButtonSave->click();
		EXPECT_EQ(driver.pending(), 0);
		expectOneCopyEach();
	}
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
