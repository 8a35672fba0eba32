#ifndef AdvancedSettingsInputWidgetH
#define AdvancedSettingsInputWidgetH

#include <QWidget>

namespace RM {
	class Room;
}

/*! Input page of the simulation settings (placeholder: only the moisture balance switch
	reaches the main window). */
class AdvancedSettingsInputWidget : public QWidget {
	Q_OBJECT
public:
	AdvancedSettingsInputWidget(QWidget * parent, RM::Room * room);

	/*! Refreshes the page from the room; emits enableMoistureBalanceInputs with its flag. */
	void updateInput();

	/*! In DIN 4108-2 mode the moisture balance is switched off and cannot be switched on. */
	void setMoistureBalanceDisabled(bool disabled);

signals:
	/*! Either output option was toggled. */
	void outputUpdateNeeded();
	/*! The moisture balance was switched or refreshed. */
	void enableMoistureBalanceInputs(bool enabled);

private:
	RM::Room * m_room;
};

#endif // AdvancedSettingsInputWidgetH
