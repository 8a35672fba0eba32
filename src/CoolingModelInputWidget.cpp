#include "CoolingModelInputWidget.h"

#include <RM_CoolingModel.h>

CoolingModelInputWidget::CoolingModelInputWidget(QWidget * parent, RM::CoolingModel * model) :
	QWidget(parent),
	m_model(model)
{
}


void CoolingModelInputWidget::updateInput() {
}
