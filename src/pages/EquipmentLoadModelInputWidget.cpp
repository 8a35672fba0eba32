#include "EquipmentLoadModelInputWidget.h"
#include "ui_EquipmentLoadModelInputWidget.h"

#include <RM_UserLoads.h>
#include <RM_ValueChecks.h>

EquipmentLoadModelInputWidget::EquipmentLoadModelInputWidget(QWidget * parent, RM::UserLoads * loads) :
	QWidget(parent),
	m_ui(new Ui::EquipmentLoadModelInputWidget),
	m_loads(loads)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->groupBoxModelParameters->hide();
	// the range the run accepts
	const RM::ValueRange & range = RM::EQUIPMENT_LOAD;
	m_ui->scheduleWidget->setup(tr("Equipment load"), tr("W/m2"),
		tr("Equipment load must be a value from %L1 to %L2 W/m2 (power per floor area).").arg(range.m_min).arg(range.m_max),
		range.m_min, range.m_max, &m_loads->m_equipmentLoad);
	m_ui->scheduleWidget->setUpperLimit(range.m_max);
	m_ui->scheduleWidget->setScheduleEditable(true);
}


EquipmentLoadModelInputWidget::~EquipmentLoadModelInputWidget() {
	delete m_ui;
}


void EquipmentLoadModelInputWidget::updateInput() {
	m_ui->scheduleWidget->updateInput();
}
