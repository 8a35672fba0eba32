#ifndef MainWindowTestH
#define MainWindowTestH

#include <memory>

#include <gtest/gtest.h>

#include <QString>

#include "RoomModelDialog.h"

class QTableView;

namespace GuiTest {

/*! Fixture of the tests that drive the whole main window: empty settings, a folder of
	the test's own (removed and made anew), the window shown, active (shortcuts and focus
	changes reach it) and gone after the test. */
class MainWindowTest : public ::testing::Test {
protected:
	void SetUp() override;
	void TearDown() override;

	/*! Runs once the settings are empty and m_dir exists, before the first window is built:
		for files and settings the window reads at its construction. */
	virtual void beforeWindow() {}

	/*! A new window in place of the current one, shown and active. */
	void createWindow();

	QWidget * page(RoomModelDialog::InputTab tab) const { return m_window->inputPage(tab); }

	/*! The named child of parent (of the window when nullptr); a failure when there is none. */
	template <typename T>
	T * named(const char * name, QWidget * parent = nullptr) const {
		T * w = (parent != nullptr ? parent : static_cast<QWidget *>(m_window.get()))->findChild<T *>(name);
		EXPECT_NE(w, nullptr) << name;
		return w;
	}

	/*! Folder of this test below the private home directory. */
	QString								m_dir;
	std::unique_ptr<RoomModelDialog>	m_window;
};

/*! The main-window fixture for parameterised tests. */
template <typename P>
class MainWindowTestWithParam : public MainWindowTest, public ::testing::WithParamInterface<P> {};

/*! Clicks the name cell of the table row that holds the database id (Qt::UserRole of column 0). */
void clickRowOfId(QTableView * view, unsigned int id);

} // namespace GuiTest

#endif // MainWindowTestH
