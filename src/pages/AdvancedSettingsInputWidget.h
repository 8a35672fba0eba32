#ifndef AdvancedSettingsInputWidgetH
#define AdvancedSettingsInputWidgetH

#include <QWidget>

namespace Ui {
	class AdvancedSettingsInputWidget;
}

namespace RM {
	class Room;
}

/*! Input page of the simulation settings: initial conditions, convective fractions,
	the moisture balance switch, and the two user output options (not in the project). */
class AdvancedSettingsInputWidget : public QWidget {
	Q_OBJECT
public:
	AdvancedSettingsInputWidget(QWidget * parent, RM::Room * room);
	~AdvancedSettingsInputWidget() override;

	/*! Refreshes the page from the room; emits enableMoistureBalanceInputs with its flag. */
	void updateInput();

	/*! In DIN 4108-2 mode the moisture balance is switched off and cannot be switched on;
		enabled again with on, it is switched on (the user's choice before the mode). */
	void setMoistureBalanceDisabled(bool disabled, bool on = false);

signals:
	/*! Either output option was toggled. */
	void outputUpdateNeeded();
	/*! The moisture balance was switched or refreshed. */
	void enableMoistureBalanceInputs(bool enabled);

private slots:
	void on_lineEditInitialT_editingFinished();
	void on_lineEditGammaHC_editingFinished();
	void on_lineEditGammaRad_editingFinished();
	void on_checkBoxENPlotWithoutOccupancy_toggled(bool checked);
	void on_checkBoxHeatLoadsPerFloorArea_toggled(bool checked);
	void on_lineEditInitialRH_editingFinished();
	void on_checkBoxEnableMoistureBalance_toggled(bool checked);

private:
	void enableHumidityInput(bool enabled);

	Ui::AdvancedSettingsInputWidget *	m_ui;
	RM::Room *							m_room;
};

#endif // AdvancedSettingsInputWidgetH
