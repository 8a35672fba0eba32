#include "MechanicalVentilationInputWidget.h"

#include <RM_MechanicalVentilationModel.h>

MechanicalVentilationInputWidget::MechanicalVentilationInputWidget(QWidget * parent, RM::MechanicalVentilationModel * model) :
	QWidget(parent),
	m_model(model)
{
}


void MechanicalVentilationInputWidget::updateInput() {
}
