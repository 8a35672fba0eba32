#include "MechanicalVentilationInputWidget.h"
#include "ui_MechanicalVentilationInputWidget.h"

#include <QSignalBlocker>

#include <RM_MechanicalVentilationModel.h>

#include "TypedNumber.h"

MechanicalVentilationInputWidget::MechanicalVentilationInputWidget(QWidget * parent,
																   RM::MechanicalVentilationModel * model) :
	QWidget(parent),
	m_ui(new Ui::MechanicalVentilationInputWidget),
	m_model(model)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->scheduleWidgetSetPoints->setup(tr("Set point"), tr("C"), tr("A temperature between -80 and 100 degree C."),
										 -80, 100, &m_model->m_setPoints);
	m_ui->scheduleWidgetFlowRates->setup(tr("Air flow rate"), tr("m3/h"),
		tr("The volumetric flow rate must be a postive value."), 0, 10000000, &m_model->m_ventilationRates);
	m_ui->comboBoxType->addItem(QIcon(), tr("No mechanical ventilation"), QVariant());
	m_ui->comboBoxType->addItem(QIcon(), tr("Mechanical ventilation (heat recovery possible)"), QVariant());
	m_ui->comboBoxType->addItem(QIcon(), tr("Flow rate controlled ventilation (no moisture)"), QVariant());
	for (int i = 1; i < m_ui->stackedWidget->count(); ++i)
		m_ui->stackedWidget->widget(i)->layout()->setContentsMargins(0, 0, 0, 0);

	m_ui->lineEditSupplyTemperature->setup(-80, 100,
		tr("Supply temperature must be a temperature in the range of -80 to 100 degree C."), true, true);
	// 10000000 m3/h itself is refused
	m_ui->lineEditSupplyFlowRate->setup(0, 10000000, tr("Supply flow rate must be a positive value."), true, false);
	m_ui->lineEditHeatRecoveryEfficiency->setup(0, 100,
		tr("Efficiency of heat recovery system must be a percentage (0 to 100 %)."), true, true);
	m_ui->lineEditHeatRecoverySetpoint->setup(-80, 100,
		tr("Setpoint for heat recovery system, if room temperature is above this setpoint, heat recovery is disabled (-80 to 100 degree C)."),
		true, true);
}


MechanicalVentilationInputWidget::~MechanicalVentilationInputWidget() {
	delete m_ui;
}


void MechanicalVentilationInputWidget::updateInput() {
	TypedNumber::show(m_ui->lineEditSupplyFlowRate, m_model->m_maxSupplyFlowRate);
	TypedNumber::show(m_ui->lineEditSupplyTemperature, m_model->m_supplyTemperature);
	TypedNumber::show(m_ui->lineEditHeatRecoveryEfficiency, m_model->m_heatRecoveryEfficiency, 100);
	TypedNumber::show(m_ui->lineEditHeatRecoverySetpoint, m_model->m_heatRecoverySetpoint);
	m_ui->scheduleWidgetSetPoints->updateInput();
	m_ui->scheduleWidgetFlowRates->updateInput();
	{
		const QSignalBlocker block(m_ui->comboBoxType);
		const int type = m_model->m_modelType;
		if (type >= 0 && type < RM::MechanicalVentilationModel::NUM_MT)
			m_ui->comboBoxType->setCurrentIndex(type);
	}
	on_comboBoxType_currentIndexChanged(m_ui->comboBoxType->currentIndex());
}


void MechanicalVentilationInputWidget::on_lineEditSupplyTemperature_editingFinished() {
	TypedNumber::take(m_ui->lineEditSupplyTemperature, m_model->m_supplyTemperature);
}


void MechanicalVentilationInputWidget::on_lineEditSupplyFlowRate_editingFinished() {
	TypedNumber::take(m_ui->lineEditSupplyFlowRate, m_model->m_maxSupplyFlowRate);
}


void MechanicalVentilationInputWidget::on_lineEditHeatRecoveryEfficiency_editingFinished() {
	TypedNumber::take(m_ui->lineEditHeatRecoveryEfficiency, m_model->m_heatRecoveryEfficiency, 100);
}


void MechanicalVentilationInputWidget::on_lineEditHeatRecoverySetpoint_editingFinished() {
	TypedNumber::take(m_ui->lineEditHeatRecoverySetpoint, m_model->m_heatRecoverySetpoint);
}


void MechanicalVentilationInputWidget::on_comboBoxType_currentIndexChanged(int index) {
	m_ui->stackedWidget->setCurrentIndex(index);
	switch (index) {
		case RM::MechanicalVentilationModel::MECHANICAL_VENTILATION :
			// hidden, but locked as for every other type without set points: what the editor
			// shows must not depend on the type shown before
			m_ui->scheduleWidgetSetPoints->hide();
			m_ui->scheduleWidgetSetPoints->setScheduleEditable(false);
			m_ui->scheduleWidgetFlowRates->show();
			m_ui->groupBoxSchedules->setTitle(tr("Schedule for air flow rates"));
			break;
		case RM::MechanicalVentilationModel::MECHANICAL_VENTILATION_COOLING :
			m_ui->scheduleWidgetSetPoints->show();
			m_ui->scheduleWidgetSetPoints->setScheduleEditable(true);
			m_ui->scheduleWidgetFlowRates->hide();
			m_ui->groupBoxSchedules->setTitle(tr("Schedule for set points"));
			break;
		default :
			// the title stays as it was
			m_ui->scheduleWidgetSetPoints->show();
			m_ui->scheduleWidgetSetPoints->setScheduleEditable(false);
			m_ui->scheduleWidgetFlowRates->hide();
	}
	m_model->m_modelType = index;
}
