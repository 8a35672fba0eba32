#include "MainWindowTest.h"

#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTest>

#include "GuiTestHarness.h"

namespace GuiTest {

void MainWindowTest::SetUp() {
	clearSettings();
	const ::testing::TestInfo * info = ::testing::UnitTest::GetInstance()->current_test_info();
	m_dir = homeDir() + "/" + info->test_suite_name() + "/" + info->name();
	QDir(m_dir).removeRecursively();
	QDir().mkpath(m_dir);
	beforeWindow();
	if (HasFatalFailure())
		return;
	createWindow();
}


void MainWindowTest::TearDown() {
	m_window.reset();
}


void MainWindowTest::createWindow() {
	m_window.reset();
	m_window.reset(new RoomModelDialog);
	m_window->show();
	QApplication::setActiveWindow(m_window.get());
	ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
}


void clickRowOfId(QTableView * view, unsigned int id) {
	ASSERT_NE(view, nullptr);
	QAbstractItemModel * m = view->model();
	for (int r = 0; r < m->rowCount(); ++r)
		if (m->index(r, 0).data(Qt::UserRole).toUInt() == id) {
			view->scrollTo(m->index(r, 2));
			QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(m->index(r, 2)).center());
			return;
		}
	ADD_FAILURE() << "no row of id " << id;
}

} // namespace GuiTest
