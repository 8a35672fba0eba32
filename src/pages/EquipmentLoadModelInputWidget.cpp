#include "EquipmentLoadModelInputWidget.h"
#include "ui_EquipmentLoadModelInputWidget.h"

#include <RM_UserLoads.h>

EquipmentLoadModelInputWidget::EquipmentLoadModelInputWidget(QWidget * parent, RM::UserLoads * loads) :
	QWidget(parent),
	m_ui(new Ui::EquipmentLoadModelInputWidget),
	m_loads(loads)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->groupBoxModelParameters->hide();
	m_ui->scheduleWidget->setup(tr("Equipment load"), tr("W/m2"),
		tr("Equipment load must be a positive value W/m2 (power per floor area)."), 0, 10000, &m_loads->m_equipmentLoad);
	m_ui->scheduleWidget->setScheduleEditable(true);
}


EquipmentLoadModelInputWidget::~EquipmentLoadModelInputWidget() {
	delete m_ui;
}


void EquipmentLoadModelInputWidget::updateInput() {
	m_ui->scheduleWidget->updateInput();
}
