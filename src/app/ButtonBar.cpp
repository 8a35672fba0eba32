#include "ButtonBar.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QSpacerItem>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include "ToolButtonHelpers.h"

namespace {

QToolButton * addButton(QWidget * bar, QVBoxLayout * lay, const char * icon, const QString & toolTip) {
	QToolButton * btn = new QToolButton(bar);
	setToolButtonIconAndToolTip(btn, QString(":/gfx/") + icon, toolTip);
	lay->addWidget(btn);
	return btn;
}

void addSpacer(QVBoxLayout * lay) {
	lay->addSpacerItem(new QSpacerItem(20, 20, QSizePolicy::Preferred, QSizePolicy::Fixed));
}

} // namespace


ButtonBar::ButtonBar(QWidget * parent) :
	QWidget(parent)
{
	QVBoxLayout * lay = new QVBoxLayout(this);
	lay->setMargin(4);

	toolButtonAbout = addButton(this, lay, "info_32x32.png", tr("Shows information about the program."));
	toolButtonNew = addButton(this, lay, "filenew_32x32.png", tr("Create a new default project (Ctrl + N)."));
	toolButtonNew->setShortcut(Qt::CTRL + Qt::Key_N);
	toolButtonLoad = addButton(this, lay, "fileopen_32x32.png", tr("Loads a project (Ctrl + O)."));
	toolButtonLoad->setShortcut(Qt::CTRL + Qt::Key_O);
	toolButtonSave = addButton(this, lay, "filesave_32x32.png", tr("Saves current project (Ctrl + S)."));
	toolButtonSave->setShortcut(Qt::CTRL + Qt::Key_S);
	addSpacer(lay);
	toolButtonUpdate = addButton(this, lay, "business_32x32.png", tr("Triggers a recalculation (Ctrl + R)."));
	toolButtonUpdate->setShortcut(Qt::CTRL + Qt::Key_R);
	toolButtonExport = addButton(this, lay, "export_32x32.png", tr("Exports calculation results."));
	toolButtonReport = addButton(this, lay, "print_preview_32x32.png", tr("Generates calculation report (Alt + R)."));
	toolButtonReport->setShortcut(Qt::ALT + Qt::Key_R);
	addSpacer(lay);
	addSpacer(lay);
	toolButtonEditRoom = addButton(this, lay, "edit_calculation_32x32.png", tr("Switches to room edit mode."));
	toolButtonEditMaterials = addButton(this, lay, "edit_materials_32x32.png", tr("Switches to material database edit mode."));
	toolButtonEditConstructions = addButton(this, lay, "edit_constructions_32x32.png", tr("Switches to construction database edit mode."));
	toolButtonEditWindows = addButton(this, lay, "edit_windows_32x32.png", tr("Switches to window database edit mode."));
	toolButtonEditShadingTypes = addButton(this, lay, "edit_shading_types_32x32.png", tr("Switches to shading type database edit mode."));
	lay->addStretch(1);
	toolButtonSwitchLanguage = addButton(this, lay, "switch_language_32x32.png", tr("Change currently used language."));
	toolButtonQuit = addButton(this, lay, "exit_32x32.png", tr("Closes the program (asks for saving confirmation first)."));

	toolButtonExport->setEnabled(false);

	m_languageMenu = new QMenu(this);
	QAction * english = m_languageMenu->addAction(QIcon(":/gfx/gb.png"), "English");
	english->setData("en");
	QAction * german = m_languageMenu->addAction(QIcon(":/gfx/de.png"), "Deutsch");
	german->setData("de");
	connect(english, &QAction::triggered, this, &ButtonBar::onLanguageActionTriggered);
	connect(german, &QAction::triggered, this, &ButtonBar::onLanguageActionTriggered);
	connect(toolButtonSwitchLanguage, &QToolButton::clicked, this, &ButtonBar::onToolButtonSwitchLanguageClicked);
}


void ButtonBar::setButtonsEnabled(bool enabled) {
	for (QToolButton * btn : {toolButtonNew, toolButtonLoad, toolButtonSave, toolButtonUpdate,
							  toolButtonExport, toolButtonReport})
		btn->setEnabled(enabled);
}


void ButtonBar::onToolButtonSwitchLanguageClicked() {
	m_languageMenu->popup(toolButtonSwitchLanguage->mapToGlobal(QPoint(0, 0)));
}


void ButtonBar::onLanguageActionTriggered() {
	QAction * action = qobject_cast<QAction *>(sender());
	if (action == nullptr)
		return;
	const QString langId = action->data().toString();
	QtExt::LanguageHandler::setLangId(langId);

	// the message appears in the newly chosen language
	QString title;
	QString text;
	QTranslator translator;
	if (translator.load("Caldoryne_" + langId, QtExt::Directories::translationsDir())) {
		title = translator.translate("ButtonBar", "Language Changed");
		text = translator.translate("ButtonBar", "Please restart the program to activate the selected language!");
	}
	if (title.isEmpty() || text.isEmpty()) {
		if (langId == "en") {
			title = "Language Changed";
			text = "Please restart the program to activate the selected language!";
		}
		else {
			title = tr("Language Changed");
			text = tr("Please restart the program to activate the selected language!");
		}
	}
	QMessageBox::information(nullptr, title, text, QMessageBox::Ok);
}
