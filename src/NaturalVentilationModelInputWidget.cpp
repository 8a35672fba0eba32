#include "NaturalVentilationModelInputWidget.h"

#include <RM_Room.h>

NaturalVentilationModelInputWidget::NaturalVentilationModelInputWidget(QWidget * parent,
		RM::NaturalVentilationModel * model, RM::Room * room) :
	QWidget(parent),
	m_model(model),
	m_room(room)
{
}


void NaturalVentilationModelInputWidget::updateInput() {
}
