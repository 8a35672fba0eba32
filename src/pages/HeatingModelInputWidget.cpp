#include "HeatingModelInputWidget.h"
#include "ui_HeatingModelInputWidget.h"

#include <RM_HeatingModel.h>

#include "TypedNumber.h"

HeatingModelInputWidget::HeatingModelInputWidget(QWidget * parent, RM::HeatingModel * model) :
	QWidget(parent),
	m_ui(new Ui::HeatingModelInputWidget),
	m_model(model)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->scheduleWidget->setup(tr("Set point"), tr("C"), tr("A temperature between 0 and 30 degree C."),
								0, 30, &m_model->m_setPoints);
	// the first entry runs the type slot: a new page starts with "No heating" in its record
	m_ui->comboBoxHeatingType->addItem(QIcon(), tr("No heating"), QVariant());
	m_ui->comboBoxHeatingType->addItem(QIcon(), tr("Heating with thermostat"), QVariant());
	m_ui->stackedWidget->widget(1)->layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->lineEditMaxLoad->setup(0, 1e9,
		tr("Maximum power of heating in [W], must be a value between 0 and 1000000 [kW]."), true, true);
}


HeatingModelInputWidget::~HeatingModelInputWidget() {
	delete m_ui;
}


void HeatingModelInputWidget::updateInput() {
	TypedNumber::show(m_ui->lineEditMaxLoad, m_model->m_maxPower);
	m_ui->scheduleWidget->updateInput();
	QComboBox * combo = m_ui->comboBoxHeatingType;
	const int type = m_model->m_modelType;
	combo->setCurrentIndex(type >= 0 && type < combo->count() ? type : 0);
	// the slot does not run when the entry stays: apply it in any case
	on_comboBoxHeatingType_currentIndexChanged(combo->currentIndex());
}


void HeatingModelInputWidget::on_lineEditMaxLoad_editingFinished() {
	TypedNumber::take(m_ui->lineEditMaxLoad, m_model->m_maxPower);
}


void HeatingModelInputWidget::on_comboBoxHeatingType_currentIndexChanged(int index) {
	m_ui->stackedWidget->setCurrentIndex(index);
	m_ui->scheduleWidget->setScheduleEditable(index != RM::HeatingModel::NONE);
	m_model->m_modelType = index;
}
