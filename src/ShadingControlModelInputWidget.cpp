#include "ShadingControlModelInputWidget.h"

#include <RM_DIN4108_2Assessment.h>
#include <RM_ShadingControlModel.h>

ShadingControlModelInputWidget::ShadingControlModelInputWidget(QWidget * parent, RM::ShadingControlModel * model,
															   RM::DIN4108_2Assessment * assessment) :
	QWidget(parent),
	m_model(model),
	m_assessment(assessment)
{
}


void ShadingControlModelInputWidget::updateInput() {
}
