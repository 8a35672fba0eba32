#include "MoistureLoadInputWidget.h"

#include <RM_MoistureLoads.h>

MoistureLoadInputWidget::MoistureLoadInputWidget(QWidget * parent, RM::MoistureLoads * model) :
	QWidget(parent),
	m_model(model)
{
}


void MoistureLoadInputWidget::updateInput() {
}
