#ifndef ButtonBarH
#define ButtonBarH

#include <QWidget>

class QMenu;
class QToolButton;

/*! The vertical column of tool buttons at the side of the main window. The main window
	connects the buttons; the bar itself handles only the language switch, which stores
	the chosen language for the next start.
*/
class ButtonBar : public QWidget {
	Q_OBJECT
public:
	explicit ButtonBar(QWidget * parent);

	/*! Enables or disables New, Load, Save, Update, Export and Report together. */
	void setButtonsEnabled(bool enabled);

	QToolButton * toolButtonAbout;
	QToolButton * toolButtonNew;
	QToolButton * toolButtonSave;
	QToolButton * toolButtonLoad;
	QToolButton * toolButtonExport;
	QToolButton * toolButtonReport;
	QToolButton * toolButtonUpdate;
	QToolButton * toolButtonSwitchLanguage;
	QToolButton * toolButtonQuit;
	QToolButton * toolButtonEditRoom;
	QToolButton * toolButtonEditMaterials;
	QToolButton * toolButtonEditConstructions;
	QToolButton * toolButtonEditWindows;
	QToolButton * toolButtonEditShadingTypes;

	QMenu * m_languageMenu;

private slots:
	void onToolButtonSwitchLanguageClicked();
	void onLanguageActionTriggered();
};

#endif // ButtonBarH
