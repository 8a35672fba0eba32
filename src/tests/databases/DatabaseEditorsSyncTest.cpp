// The database pages side by side: what one page changes, every other page shows at once,
// without any widget being created anew.
#include <memory>
#include <set>

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "ConstructionDBModel.h"
#include "ConstructionDBWidget.h"
#include "ConstructionEditWidget.h"
#include "DBModelSortProxy.h"
#include "DatabaseTestFixture.h"
#include "MainWindowTest.h"
#include "MaterialDBModel.h"
#include "MaterialDBWidget.h"
#include "MaterialSelectorWidget.h"
#include "ShadingDBModel.h"
#include "ShadingDBWidget.h"
#include "WindowDBModel.h"
#include "WindowDBWidget.h"

namespace {

using Tester = QAbstractItemModelTester;

class DatabaseEditorsSyncTest : public ::testing::Test {
protected:
	DatabaseEditorsSyncTest() :
		m_locale(QLocale::English)
	{
		GuiTest::fillTestDatabase(m_db);
		m_host.reset(new QWidget);
		QHBoxLayout * lay = new QHBoxLayout(m_host.get());
		m_materials = new MaterialDBWidget(m_host.get(), &m_db);
		m_constructions = new ConstructionDBWidget(m_host.get(), &m_db);
		m_windows = new WindowDBWidget(m_host.get(), &m_db);
		m_shading = new ShadingDBWidget(m_host.get(), &m_db);
		lay->addWidget(m_materials);
		lay->addWidget(m_constructions);
		lay->addWidget(m_windows);
		lay->addWidget(m_shading);
		m_layerMaterials = m_constructions->editWidget()->findChild<MaterialDBModel *>();
		EXPECT_NE(m_layerMaterials, nullptr);
		for (QAbstractItemModel * m : std::initializer_list<QAbstractItemModel *>{ m_materials->dbModel(),
				m_materials->proxyModel(), m_constructions->dbModel(), m_layerMaterials,
				m_windows->dbModel(), m_shading->dbModel() })
			new Tester(m, Tester::FailureReportingMode::Fatal, m_host.get());
		m_host->resize(2600, 800);
		m_host->show();
		QApplication::setActiveWindow(m_host.get());
		EXPECT_TRUE(QTest::qWaitForWindowActive(m_host.get()));
	}

	/*! Clicks the name cell of the row holding the id. */
	static void clickRow(QTableView * view, unsigned int id) { GuiTest::clickRowOfId(view, id); }

	/*! Clicks into a field of the material editor, replaces its text by typing and presses Return. */
	void typeIntoMaterial(const char * name, const QString & text) {
		QLineEdit * f = m_materials->findChild<QLineEdit *>(name);
		ASSERT_NE(f, nullptr) << name;
		QTest::mouseClick(f, Qt::LeftButton);
		f->selectAll();
		QTest::keyClick(f, Qt::Key_Backspace);
		QTest::keyClicks(f, text);
		QTest::keyClick(f, Qt::Key_Return);
	}

	QTableWidget * layerTable() { return m_constructions->findChild<QTableWidget *>("tableWidget"); }

	/*! Opens the material selector of layer row by a double-click on its material cell. */
	MaterialSelectorWidget * openSelector(int row) {
		QTableWidget * t = layerTable();
		const QPoint cell = t->visualItemRect(t->item(row, 0)).center();
		QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
		QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
		MaterialSelectorWidget * selector = t->viewport()->findChild<MaterialSelectorWidget *>();
		if (selector != nullptr)
			new Tester(selector->proxyModel(), Tester::FailureReportingMode::Fatal, selector);
		return selector;
	}

	static void closeWithEsc(MaterialSelectorWidget * selector) {
		QTest::keyClick(selector, Qt::Key_Escape);
		QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
	}

	static std::set<unsigned int> listedIds(MaterialSelectorWidget * selector) {
		std::set<unsigned int> ids;
		const QAbstractItemModel * m = selector->tableView()->model();
		for (int r = 0; r < m->rowCount(); ++r)
			ids.insert(m->index(r, 0).data(Qt::UserRole).toUInt());
		return ids;
	}

	static QString listedName(MaterialSelectorWidget * selector, unsigned int id) {
		const QAbstractItemModel * m = selector->tableView()->model();
		for (int r = 0; r < m->rowCount(); ++r)
			if (m->index(r, 0).data(Qt::UserRole).toUInt() == id)
				return m->index(r, 2).data().toString();
		return QString();
	}

	/*! U column of the construction page for a type. */
	QString tableUValue(unsigned int id) {
		ConstructionDBModel * m = m_constructions->dbModel();
		const QModelIndex idx = m->indexById(id);
		return idx.sibling(idx.row(), 4).data().toString();
	}

	GuiTest::ScopedLocale		m_locale;
	RM::Database				m_db;
	std::unique_ptr<QWidget>	m_host;
	MaterialDBWidget *			m_materials = nullptr;
	ConstructionDBWidget *		m_constructions = nullptr;
	WindowDBWidget *			m_windows = nullptr;
	ShadingDBWidget *			m_shading = nullptr;
	MaterialDBModel *			m_layerMaterials = nullptr;
};


TEST_F(DatabaseEditorsSyncTest, MaterialEditsReachSelectorLayerTableAndUColumn) {
	// the slab: one layer of 0.1 m "Alpha" (lambda 0.04)
	clickRow(m_constructions->tableView(), 10002);
	MaterialSelectorWidget * selector = openSelector(0);
	ASSERT_NE(selector, nullptr);
	EXPECT_EQ(listedIds(selector), (std::set<unsigned int>{5, 7, 10001, 10002}));
	closeWithEsc(selector);
	EXPECT_EQ(tableUValue(10002), "0.375"); // 1/(0.17 + 0.1/0.04)

	// materials page: a new material, and the unused "Beta" removed
	QTest::mouseClick(m_materials->addButton(), Qt::LeftButton);
	const unsigned int added = m_materials->tableView()->currentIndex().data(Qt::UserRole).toUInt();
	EXPECT_EQ(added, 10003u);
	clickRow(m_materials->tableView(), 10001);
	ASSERT_TRUE(m_materials->removeButton()->isEnabled());
	QTest::mouseClick(m_materials->removeButton(), Qt::LeftButton);
	ASSERT_EQ(m_db.m_materials.count(10001), 0u);

	selector = openSelector(0);
	ASSERT_NE(selector, nullptr);
	EXPECT_EQ(listedIds(selector), (std::set<unsigned int>{5, 7, 10002, 10003}));
	closeWithEsc(selector);

	// rename and a new lambda of the layer's material
	clickRow(m_materials->tableView(), 10002);
	typeIntoMaterial("lineEditNameEn", "Alpha board");
	typeIntoMaterial("lineEditLambda", "0.08");
	ASSERT_EQ(m_db.m_materials[10002].m_lambda, 0.08);

	EXPECT_EQ(layerTable()->item(0, 0)->text(), "Alpha board");
	EXPECT_EQ(layerTable()->item(0, 4)->text(), "0.0800");
	EXPECT_EQ(tableUValue(10002), "0.704"); // 1/(0.17 + 0.1/0.08)
	EXPECT_EQ(m_constructions->findChild<QLineEdit *>("lineEditUValue")->text(), "0.704");
	selector = openSelector(0);
	ASSERT_NE(selector, nullptr);
	EXPECT_EQ(listedName(selector, 10002), "Alpha board");
	closeWithEsc(selector);

	// the wall's icon names its missing material
	const QModelIndex wall = m_constructions->dbModel()->indexById(10001);
	EXPECT_TRUE(wall.sibling(wall.row(), 1).data(Qt::ToolTipRole).toString().contains("999"));
}


TEST_F(DatabaseEditorsSyncTest, ResetAndRemovalLeaveNoStaleRows) {
	clickRow(m_constructions->tableView(), 10002);
	// the main window resets all pages after a load; the layer table stays on its type until then
	m_db.m_materials.erase(10001);
	m_materials->resetModel();
	EXPECT_EQ(m_layerMaterials->rowCount(), 3);
	EXPECT_EQ(layerTable()->item(0, 0)->text(), "Alpha");
	// a load replaced the shown type; the main window resets the material page first
	m_db.m_constructions.erase(10002);
	m_materials->resetModel();
	EXPECT_EQ(layerTable()->rowCount(), 0);
	m_constructions->resetModel();
	EXPECT_EQ(layerTable()->rowCount(), 0);
	for (DBPageBase * page : std::initializer_list<DBPageBase *>{ m_windows, m_shading }) {
		clickRow(page->tableView(), 10001);
		QTest::mouseClick(page->addButton(), Qt::LeftButton);
		EXPECT_TRUE(page->removeButton()->isEnabled());
		QTest::mouseClick(page->removeButton(), Qt::LeftButton);
	}
	EXPECT_EQ(m_db.m_windows.size(), 2u);
	EXPECT_EQ(m_db.m_shadingTypes.size(), 3u);
}

} // namespace
