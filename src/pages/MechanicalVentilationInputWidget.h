#ifndef MechanicalVentilationInputWidgetH
#define MechanicalVentilationInputWidgetH

#include <QWidget>

namespace Ui {
	class MechanicalVentilationInputWidget;
}

namespace RM {
	class MechanicalVentilationModel;
}

/*! Input page of the mechanical ventilation model: heat recovery or supply air conditions,
	the set-point and air flow rate schedules. Accepted edits go straight into the record. */
class MechanicalVentilationInputWidget : public QWidget {
	Q_OBJECT
public:
	MechanicalVentilationInputWidget(QWidget * parent, RM::MechanicalVentilationModel * model);
	~MechanicalVentilationInputWidget() override;

	/*! Refreshes the page from its record. */
	void updateInput();

private slots:
	void on_lineEditSupplyTemperature_editingFinished();
	void on_lineEditSupplyFlowRate_editingFinished();
	void on_lineEditHeatRecoveryEfficiency_editingFinished();
	void on_lineEditHeatRecoverySetpoint_editingFinished();
	void on_comboBoxType_currentIndexChanged(int index);

private:
	Ui::MechanicalVentilationInputWidget *	m_ui;
	RM::MechanicalVentilationModel *		m_model;
};

#endif // MechanicalVentilationInputWidgetH
