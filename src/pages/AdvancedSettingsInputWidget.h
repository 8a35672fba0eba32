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

	/*! Shows the room's moisture balance switch, locked when disabled (the DIN 4108-2 mode,
		which switched the balance off); emits enableMoistureBalanceInputs when the shown
		state changes. Changes nothing in the room. */
	void setMoistureBalanceDisabled(bool disabled);

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
