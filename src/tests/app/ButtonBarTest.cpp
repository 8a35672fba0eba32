// Button bar: buttons, their order and settings, enabling during runs, and the language switch.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QToolButton>

#include <QtExt_LanguageHandler.h>

#include "ButtonBar.h"
#include "GuiTestHarness.h"

namespace {

/*! The bar's buttons from top to bottom, as the layout holds them. */
std::vector<QToolButton *> buttonsInLayoutOrder(const ButtonBar & bar) {
	std::vector<QToolButton *> buttons;
	QLayout * lay = bar.layout();
	for (int i = 0; i < lay->count(); ++i)
		if (QToolButton * btn = qobject_cast<QToolButton *>(lay->itemAt(i)->widget()))
			buttons.push_back(btn);
	return buttons;
}

QAction * languageAction(const ButtonBar & bar, const QString & langId) {
	for (QAction * a : bar.m_languageMenu->actions())
		if (a->data().toString() == langId)
			return a;
	return nullptr;
}

} // namespace


TEST(ButtonBarTest, FourteenButtonsInOrderWithIconToolTipAndShortcut) {
	ButtonBar bar(nullptr);
	struct Expected {
		QToolButton *	m_button;
		const char *	m_toolTip;
		QKeySequence	m_shortcut;
	};
	const Expected expected[] = {
		{ bar.toolButtonAbout, "Shows information about the program.", QKeySequence() },
		{ bar.toolButtonNew, "Create a new default project (Ctrl + N).", QKeySequence("Ctrl+N") },
		{ bar.toolButtonLoad, "Loads a project (Ctrl + O).", QKeySequence("Ctrl+O") },
		{ bar.toolButtonSave, "Saves current project (Ctrl + S).", QKeySequence("Ctrl+S") },
		{ bar.toolButtonUpdate, "Triggers a recalculation (Ctrl + R).", QKeySequence("Ctrl+R") },
		{ bar.toolButtonExport, "Exports calculation results.", QKeySequence() },
		{ bar.toolButtonReport, "Generates calculation report (Alt + R).", QKeySequence("Alt+R") },
		{ bar.toolButtonEditRoom, "Switches to room edit mode.", QKeySequence() },
		{ bar.toolButtonEditMaterials, "Switches to material database edit mode.", QKeySequence() },
		{ bar.toolButtonEditConstructions, "Switches to construction database edit mode.", QKeySequence() },
		{ bar.toolButtonEditWindows, "Switches to window database edit mode.", QKeySequence() },
		{ bar.toolButtonEditShadingTypes, "Switches to shading type database edit mode.", QKeySequence() },
		{ bar.toolButtonSwitchLanguage, "Change currently used language.", QKeySequence() },
		{ bar.toolButtonQuit, "Closes the program (asks for saving confirmation first).", QKeySequence() },
	};
	const std::vector<QToolButton *> buttons = buttonsInLayoutOrder(bar);
	ASSERT_EQ(buttons.size(), 14u);
	for (size_t i = 0; i < buttons.size(); ++i) {
		const Expected & e = expected[i];
		EXPECT_EQ(buttons[i], e.m_button) << "position " << i + 1;
		EXPECT_EQ(e.m_button->toolTip(), e.m_toolTip);
		EXPECT_EQ(e.m_button->shortcut(), e.m_shortcut) << e.m_toolTip;
		EXPECT_FALSE(e.m_button->icon().pixmap(32, 32).isNull()) << e.m_toolTip;
		EXPECT_EQ(e.m_button->iconSize(), QSize(32, 32));
		EXPECT_TRUE(e.m_button->autoRaise());
	}
	for (QAction * a : bar.m_languageMenu->actions())
		EXPECT_FALSE(a->icon().pixmap(16, 16).isNull()) << a->text().toStdString();
}


TEST(ButtonBarTest, SetButtonsEnabledTogglesExactlySix) {
	ButtonBar bar(nullptr);
	EXPECT_FALSE(bar.toolButtonExport->isEnabled()) << "no results to export at the start";
	const std::vector<QToolButton *> six = { bar.toolButtonNew, bar.toolButtonLoad, bar.toolButtonSave,
		bar.toolButtonUpdate, bar.toolButtonExport, bar.toolButtonReport };
	for (bool enabled : { false, true, false }) {
		bar.setButtonsEnabled(enabled);
		for (QToolButton * btn : buttonsInLayoutOrder(bar)) {
			const bool inSix = std::find(six.begin(), six.end(), btn) != six.end();
			EXPECT_EQ(btn->isEnabled(), inSix ? enabled : true) << btn->toolTip().toStdString();
		}
	}
}


TEST(ButtonBarTest, LanguageSwitchStoresTheChoiceAndAnswersInIt) {
	GuiTest::clearSettings();
	ButtonBar bar(nullptr);
	struct Case {
		const char *	m_installed;
		const char *	m_chosen;
		const char *	m_title;
		const char *	m_text;
	};
	const Case cases[] = {
		{ "en", "de", "Sprache geändert", "Bitte starten Sie das Programm neu, um die gewählte Sprache zu aktivieren!" },
		{ "en", "en", "Language Changed", "Please restart the program to activate the selected language!" },
		{ "de", "en", "Language Changed", "Please restart the program to activate the selected language!" },
		{ "de", "de", "Sprache geändert", "Bitte starten Sie das Programm neu, um die gewählte Sprache zu aktivieren!" },
	};
	for (const Case & c : cases) {
		QtExt::LanguageHandler::instance().installTranslator(c.m_installed);
		GuiTest::ModalDialogDriver driver;
		driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Ok));
		languageAction(bar, c.m_chosen)->trigger();
		ASSERT_EQ(driver.m_seen.size(), 1u);
		EXPECT_EQ(driver.m_seen[0].m_title, QString::fromUtf8(c.m_title));
		EXPECT_EQ(driver.m_seen[0].m_text, QString::fromUtf8(c.m_text));
		EXPECT_EQ(QtExt::LanguageHandler::langId(), c.m_chosen);
	}
	QtExt::LanguageHandler::instance().installTranslator("en");
}


TEST(ButtonBarTest, LanguageButtonPopsUpTheMenuAtTheButton) {
	ButtonBar bar(nullptr);
	bar.show();
	bar.toolButtonSwitchLanguage->click();
	QApplication::processEvents();
	EXPECT_TRUE(bar.m_languageMenu->isVisible());
	EXPECT_EQ(bar.m_languageMenu->pos().x(), bar.toolButtonSwitchLanguage->mapToGlobal(QPoint(0, 0)).x());
	bar.m_languageMenu->close();
}
