// The four database editors through the main window: a committed edit of an item the project
// uses marks the project and reaches its file at Save; the same edit of an item it does not use,
// retyping the stored value and focus passing over the fields mark nothing.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QStackedLayout>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <RM_ConstructionType.h>
#include <RM_Database.h>
#include <RM_Material.h>
#include <RM_Room.h>
#include <RM_ShadingType.h>
#include <RM_WindowType.h>

#include "ButtonBar.h"
#include "DBPageBase.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

enum Kind { Material, Construction, Window, Shading };

/*! The item as a database item of its kind, nullptr when the database lacks it. */
const RM::AbstractDatabaseItem * item(const RM::Database & db, Kind kind, unsigned int id) {
	switch (kind) {
		case Material:		return db.material(id);
		case Construction:	return db.constructionType(id);
		case Window:		return db.windowType(id);
		case Shading:		return db.shadingType(id);
	}
	return nullptr;
}

/*! The stored value that the field shows, as the text a user would type for it. */
QString storedText(const RM::Database & db, Kind kind, unsigned int id, const QString & field) {
	const RM::AbstractDatabaseItem * it = item(db, kind, id);
	if (it == nullptr)
		return "<no item>";
	if (field == "lineEditNameEn" || field == "lineEditNameDe")
		return it->nameForLanguage(field.right(2).toLower());
	switch (kind) {
		case Material: {
			const RM::Material & m = *db.material(id);
			return QString::number(field == "lineEditLambda" ? m.m_lambda : m.m_rho);
		}
		case Construction:
			return QString::number(db.constructionType(id)->m_d.size());
		case Window: {
			const RM::WindowType & w = *db.windowType(id);
			if (field == "spinBox")
				return QString::number(w.m_relativeSHGC.size());
			return QString::number(field == "lineEditU" ? w.m_U : field == "lineEditg" ? w.m_g : w.m_f);
		}
		case Shading:
			return QString::number(db.shadingType(id)->m_z);
	}
	return QString();
}


/*! Default room whose surface 0 uses a user construction type (of a user material), a user
	window type and a user shading type; of each kind a second user item that no surface uses. */
class DatabaseEditsMarkProjectTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		MainWindowTest::SetUp();
		ASSERT_FALSE(HasFatalFailure());
		RM::Material mat = m_window->database()->m_materials.begin()->second;
		mat.m_lambda = 0.04;
		addUsedAndUnused(Material, mat, &RM::Database::addMaterial, "insulation");
		RM::ConstructionType wall;
		wall.m_d = { 0.1, 0.2 };
		wall.m_materialIds = { m_used[Material], m_used[Material] };
		addUsedAndUnused(Construction, wall, &RM::Database::addConstructionType, "wall");
		m_window->database()->constructionType(m_unused[Construction])->m_materialIds = { m_unused[Material], m_unused[Material] };
		addUsedAndUnused(Window, *m_window->database()->windowType(5), &RM::Database::addWindowType, "glazing");
		addUsedAndUnused(Shading, *m_window->database()->shadingType(2), &RM::Database::addShadingType, "blind");

		RM::Room room;
		room.m_constructions[0].m_constructionId = m_used[Construction];
		room.m_constructions[0].m_windowId = m_used[Window];
		room.m_constructions[0].m_shadingTypeId = m_used[Shading];
		m_file = m_dir + "/user items.rmxml";
		ASSERT_TRUE(room.writeProjectFile(m_file, *m_window->database()));
		ASSERT_TRUE(m_window->loadProject(m_file, false));
		ASSERT_FALSE(m_window->isProjectModified());
	}

	/*! Two user copies of the item, "Used ..." and "Unused ...". */
	template <typename T>
	void addUsedAndUnused(Kind kind, T item, unsigned int (RM::Database::*add)(T &, unsigned int), const QString & what) {
		RM::Database & db = *m_window->database();
		item.m_builtin = false;
		item.setName("en", "Used " + what);
		m_used[kind] = (db.*add)(item, 0);
		item.setName("en", "Unused " + what);
		m_unused[kind] = (db.*add)(item, 0);
	}

	/*! The page of the editor, opened with its button of the button bar. */
	DBPageBase * openPage(Kind kind) {
		ButtonBar * bar = m_window->buttonBar();
		QToolButton * const buttons[] = { bar->toolButtonEditMaterials, bar->toolButtonEditConstructions,
										  bar->toolButtonEditWindows, bar->toolButtonEditShadingTypes };
		const RoomModelDialog::Page pages[] = { RoomModelDialog::PageMaterials, RoomModelDialog::PageConstructions,
												RoomModelDialog::PageWindows, RoomModelDialog::PageShadingTypes };
		// the answered dialogs of a Save leave no active window behind
		QApplication::setActiveWindow(m_window.get());
		EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
		DBPageBase * page = qobject_cast<DBPageBase *>(m_window->pageStack()->widget(pages[kind]));
		// the button of the shown page leads back to the room
		if (m_window->pageStack()->currentWidget() != page)
			buttons[kind]->click();
		EXPECT_EQ(m_window->pageStack()->currentWidget(), page);
		return page;
	}

	/*! Clicks into the field (a line edit or the text of a spin box), replaces its text key by
		key and presses Return. */
	static void typeInto(QWidget * field, const QString & text) {
		ASSERT_NE(field, nullptr);
		QAbstractSpinBox * spin = qobject_cast<QAbstractSpinBox *>(field);
		QWidget * edit = spin != nullptr ? spin->findChild<QLineEdit *>() : field;
		ASSERT_NE(edit, nullptr);
		QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(4, edit->height() / 2));
		ASSERT_TRUE(field->hasFocus());
		if (spin != nullptr)
			spin->selectAll();
		else
			static_cast<QLineEdit *>(field)->selectAll();
		QTest::keyClick(field, Qt::Key_Backspace);
		GuiTest::typeKeys(field, text);
		QTest::keyClick(field, Qt::Key_Return);
	}

	/*! Clicks into the field and lets Tab carry the focus over the fields after it. */
	static void passFocusOver(QWidget * field) {
		QAbstractSpinBox * spin = qobject_cast<QAbstractSpinBox *>(field);
		QWidget * edit = spin != nullptr ? spin->findChild<QLineEdit *>() : field;
		QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(4, edit->height() / 2));
		for (int i = 0; i < 4; ++i) {
			ASSERT_NE(QApplication::focusWidget(), nullptr);
			QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
		}
	}

	/*! The mark as the window shows it, once the event loop compared the content. */
	bool titleMarked() {
		QApplication::processEvents();
		return m_window->windowTitle().endsWith("*");
	}

	QString			m_file;
	unsigned int	m_used[4] = {};
	unsigned int	m_unused[4] = {};
};


TEST_F(DatabaseEditsMarkProjectTest, CommittedEditOfAUsedItemMarksTheProjectAndReachesItsFile) {
	const struct Row {
		Kind			m_kind;
		bool			m_usedItem;
		const char *	m_field;
		const char *	m_text;
		bool			m_marks;
	} rows[] = {
		{ Material,		false,	"lineEditLambda",	"0.025",			false },
		{ Material,		true,	"lineEditLambda",	"0.025",			true },
		{ Material,		false,	"lineEditRho",		"1234",				false },
		{ Material,		true,	"lineEditRho",		"1234",				true },
		{ Material,		false,	"lineEditNameEn",	"Other insulation",	false },
		{ Material,		true,	"lineEditNameEn",	"My insulation",	true },
		{ Material,		true,	"lineEditNameDe",	"Meine Dämmung",	true },
		{ Construction,	false,	"spinBoxLayerCount", "3",				false },
		{ Construction,	true,	"spinBoxLayerCount", "3",				true },
		{ Construction,	false,	"lineEditNameEn",	"Other wall",		false },
		{ Construction,	true,	"lineEditNameEn",	"My wall",			true },
		{ Construction,	true,	"lineEditNameDe",	"Meine Wand",		true },
		{ Window,		false,	"lineEditU",		"1.1",				false },
		{ Window,		true,	"lineEditU",		"1.1",				true },
		{ Window,		false,	"lineEditg",		"0.55",				false },
		{ Window,		true,	"lineEditg",		"0.55",				true },
		{ Window,		false,	"lineEditf",		"0.65",				false },
		{ Window,		true,	"lineEditf",		"0.65",				true },
		{ Window,		false,	"spinBox",			"6",				false },
		{ Window,		true,	"spinBox",			"6",				true },
		{ Window,		true,	"lineEditNameEn",	"My glazing",		true },
		{ Window,		true,	"lineEditNameDe",	"Meine Verglasung",	true },
		{ Shading,		false,	"lineEditZconstant", "0.4",				false },
		{ Shading,		true,	"lineEditZconstant", "0.4",				true },
		{ Shading,		false,	"lineEditNameEn",	"Other blind",		false },
		{ Shading,		true,	"lineEditNameEn",	"My blind",			true },
		{ Shading,		true,	"lineEditNameDe",	"Mein Rollo",		true },
	};
	const char * const kinds[] = { "materials", "constructions", "windows", "shading types" };
	for (const Row & r : rows) {
		SCOPED_TRACE(std::string(kinds[r.m_kind]) + (r.m_usedItem ? ", used " : ", unused ") + r.m_field);
		const unsigned int id = r.m_usedItem ? m_used[r.m_kind] : m_unused[r.m_kind];
		DBPageBase * page = openPage(r.m_kind);
		ASSERT_NE(page, nullptr);
		GuiTest::clickRowOfId(page->tableView(), id);
		QWidget * field = named<QWidget>(r.m_field, page);
		ASSERT_NE(field, nullptr);
		ASSERT_TRUE(field->isEnabled());
		const RM::Database & db = *m_window->database();
		ASSERT_NE(storedText(db, r.m_kind, id, r.m_field), QString(r.m_text)) << "the edit changes the item";

		// retyping what the field shows and passing the focus over the fields change nothing
		QLineEdit * edit = qobject_cast<QLineEdit *>(field);
		typeInto(field, edit != nullptr ? edit->text() : qobject_cast<QAbstractSpinBox *>(field)->text());
		passFocusOver(field);
		EXPECT_FALSE(m_window->isProjectModified());
		EXPECT_FALSE(titleMarked());

		typeInto(field, QString::fromUtf8(r.m_text));
		EXPECT_EQ(storedText(db, r.m_kind, id, r.m_field), QString::fromUtf8(r.m_text)) << "the edit is stored";
		EXPECT_EQ(m_window->isProjectModified(), r.m_marks);
		EXPECT_EQ(titleMarked(), r.m_marks);
		if (!r.m_marks)
			continue;

		// Save writes the edited item into the project's file and clears the mark
		Driver driver;
		driver.add(Driver::chooseFile(m_file));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		m_window->buttonBar()->toolButtonSave->click();
		EXPECT_EQ(driver.pending(), 0);
		EXPECT_FALSE(m_window->isProjectModified());
		EXPECT_FALSE(titleMarked());
		RM::Database embedded;
		RM::Room saved;
		saved.readProjectFile(m_file, embedded);
		EXPECT_EQ(storedText(embedded, r.m_kind, id, r.m_field), QString::fromUtf8(r.m_text));
	}
}

} // namespace
