#include "OccupancyLoadModelInputWidget.h"

#include <RM_UserLoads.h>

OccupancyLoadModelInputWidget::OccupancyLoadModelInputWidget(QWidget * parent, RM::UserLoads * model) :
	QWidget(parent),
	m_model(model)
{
}


void OccupancyLoadModelInputWidget::updateInput() {
}
