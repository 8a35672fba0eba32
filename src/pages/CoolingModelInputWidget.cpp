#include "CoolingModelInputWidget.h"
#include "ui_CoolingModelInputWidget.h"

#include <RM_CoolingModel.h>

#include "TypedNumber.h"

CoolingModelInputWidget::CoolingModelInputWidget(QWidget * parent, RM::CoolingModel * model) :
	QWidget(parent),
	m_ui(new Ui::CoolingModelInputWidget),
	m_model(model)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->groupBoxSchedules->setTitle(tr("Schedules for Set Points"));
	// the tab widget's frame takes the place of the group box margins: the page stays as low as the others
	m_ui->groupBoxSchedules->layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->tabWidget->setDocumentMode(true);
	m_ui->tabT->layout()->setContentsMargins(0, 4, 0, 0);
	m_ui->tabRH->layout()->setContentsMargins(0, 4, 0, 0);
	m_ui->scheduleWidgetSetPoints->setup(tr("Set point temperature"), tr("C"),
		tr("A temperature between -80 and 100 degree C."), -80, 100, &m_model->m_setPoints);
	m_ui->scheduleWidgetRHSetPoints->setup(tr("Set point relative humidity"), tr("%"),
		tr("A relative humidity between 0 and 100 %."), 0, 100, &m_model->m_humiditySetPoints);
	m_ui->comboBoxType->addItem(QIcon(), tr("No cooling"), QVariant());
	m_ui->comboBoxType->addItem(QIcon(), tr("Simple A/C model"), QVariant());
	m_ui->stackedWidget->widget(1)->layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->lineEditMaxLoad->setup(0, 1e9, tr("Maximum cooling power must be a value between 0 and 1000 MW."), true, true);
}


CoolingModelInputWidget::~CoolingModelInputWidget() {
	delete m_ui;
}


void CoolingModelInputWidget::updateInput() {
	TypedNumber::show(m_ui->lineEditMaxLoad, m_model->m_maxPower);
	m_ui->scheduleWidgetSetPoints->updateInput();
	m_ui->scheduleWidgetRHSetPoints->updateInput();
	m_ui->comboBoxType->setCurrentIndex(m_model->m_modelType == RM::CoolingModel::SIMPLE ? 1 : 0);
	on_comboBoxType_currentIndexChanged(m_ui->comboBoxType->currentIndex());
}


void CoolingModelInputWidget::on_lineEditMaxLoad_editingFinished() {
	TypedNumber::take(m_ui->lineEditMaxLoad, m_model->m_maxPower);
}


void CoolingModelInputWidget::on_comboBoxType_currentIndexChanged(int index) {
	m_ui->stackedWidget->setCurrentIndex(index);
	if (index == 0 || index == 1) {
		m_ui->scheduleWidgetSetPoints->setScheduleEditable(index == 1);
		m_ui->scheduleWidgetRHSetPoints->setScheduleEditable(index == 1);
	}
	m_model->m_modelType = index;
}
