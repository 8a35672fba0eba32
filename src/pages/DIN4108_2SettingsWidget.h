#ifndef DIN4108_2SettingsWidgetH
#define DIN4108_2SettingsWidgetH

#include <QGroupBox>

namespace Ui {
	class DIN4108_2SettingsWidget;
}

namespace RM {
	class DIN4108_2Assessment;
}

/*! The settings of a DIN 4108-2 summer heat protection verification: use of the building,
	ventilation type, enhanced day and night ventilation (shown in 1/h, stored in 1/s), the
	shading control and the maximum heating power; the climate region (it follows the
	location) and the verification's reference values are shown for information.
	Accepted edits go straight into the assessment; a refresh stores nothing.
*/
class DIN4108_2SettingsWidget : public QGroupBox {
	Q_OBJECT
public:
	explicit DIN4108_2SettingsWidget(QWidget * parent = nullptr);
	~DIN4108_2SettingsWidget() override;

	/*! The settings edited (not owned); set before the first updateInput(). */
	void setAssessment(RM::DIN4108_2Assessment * assessment);

	/*! Shows the assessment's settings. */
	void updateInput();
	/*! Shows the climate region and the reference values of the region and the use. */
	void updateClimateRegion();

signals:
	/*! The shading control type or the use of the building changed: the shading control
		page shows other limits or decides no more. */
	void shadingControlChanged(int shadingControlType);

private slots:
	void on_comboBoxBuildingUse_activated(int index);
	void on_comboBoxVentilationType_activated(int index);
	void on_comboBoxShadingControl_activated(int index);
	void on_checkBoxEnhancedDayVentilation_clicked(bool checked);
	void on_checkBoxEnhancedNightVentilation_clicked(bool checked);
	void on_lineEditEnhancedDayVentilation_editingFinished();
	void on_lineEditEnhancedNightVentilation_editingFinished();
	void on_lineEditMaxHeatingPower_editingFinished();

private:
	/*! Range and message of the night value follow the ventilation type; the shown text
		is checked again. */
	void setupNightVentilationRange();
	void enableVentilationValues();

	Ui::DIN4108_2SettingsWidget *	m_ui;
	RM::DIN4108_2Assessment *		m_assessment;
};

#endif // DIN4108_2SettingsWidgetH
