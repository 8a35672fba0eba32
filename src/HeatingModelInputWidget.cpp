#include "HeatingModelInputWidget.h"

#include <RM_HeatingModel.h>

HeatingModelInputWidget::HeatingModelInputWidget(QWidget * parent, RM::HeatingModel * model) :
	QWidget(parent),
	m_model(model)
{
}


void HeatingModelInputWidget::updateInput() {
}
