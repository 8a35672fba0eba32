#include "EquipmentLoadModelInputWidget.h"

#include <RM_UserLoads.h>

EquipmentLoadModelInputWidget::EquipmentLoadModelInputWidget(QWidget * parent, RM::UserLoads * model) :
	QWidget(parent),
	m_model(model)
{
}


void EquipmentLoadModelInputWidget::updateInput() {
}
