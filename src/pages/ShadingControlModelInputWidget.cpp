#include "ShadingControlModelInputWidget.h"
#include "ui_ShadingControlModelInputWidget.h"

#include <RM_DIN4108_2Assessment.h>
#include <RM_ShadingControlModel.h>

#include "TypedNumber.h"

namespace {

/*! The assessment's shading control type whose shading the shading control model decides. */
const int SHADING_BY_MODEL = 3;

} // namespace


ShadingControlModelInputWidget::ShadingControlModelInputWidget(QWidget * parent, RM::ShadingControlModel * model,
															   RM::DIN4108_2Assessment * assessment) :
	QWidget(parent),
	m_ui(new Ui::ShadingControlModelInputWidget),
	m_model(model),
	m_assessment(assessment)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->scheduleWidget->setup(tr("Shading Control"), tr("-"), tr("A shading percentage, off = 0, on = 1."),
								0, 1, &m_model->m_shadingDegree);
	m_ui->comboBoxType->addItem(QIcon(), tr("Constant"), QVariant());
	m_ui->comboBoxType->addItem(QIcon(), tr("Scheduled"), QVariant());
	m_ui->comboBoxType->addItem(QIcon(), tr("Intensity-Controlled"), QVariant());

	m_ui->lineEditMaxRadIntensityHor->setup(0, 10000,
		tr("Maximum radiation intensity on horizontal surface should be a value between 0..10000 [W/m2]."), true, true);
	// the line edit's own tool tip is its validation message: the hint goes on its label
	m_ui->lineEditMaxRadIntensityHor->setToolTip(
		tr("Surfaces with inclination angle < 45 degree are considered as horizontal surfaces."));
	m_ui->label_2->setToolTip(
		tr("Surfaces with inclination angle < 45 degree are considered as horizontal surfaces."));
	m_ui->lineEditMaxRadIntensityWest->setup(0, 10000,
		tr("Maximum radiation intensity on west surface should be a value between 0..10000 [W/m2]."), true, true);
	m_ui->lineEditMaxRadIntensitySouth->setup(0, 10000,
		tr("Maximum radiation intensity on south surface should be a value between 0..10000 [W/m2]."), true, true);
	m_ui->lineEditMaxRadIntensityNorth->setup(0, 10000,
		tr("Maximum radiation intensity on north surface should be a value between 0..10000 [W/m2]."), true, true);
	m_ui->lineEditMaxRadIntensityEast->setup(0, 10000,
		tr("Maximum radiation intensity on east surface should be a value between 0..10000 [W/m2]."), true, true);
	m_ui->scheduleWidget->setScheduleEditable(true);
}


ShadingControlModelInputWidget::~ShadingControlModelInputWidget() {
	delete m_ui;
}


void ShadingControlModelInputWidget::updateInput() {
	// with rule-based shading the run closes the shading above the rule limits: show those;
	// the record (type and limits) stays as it is, for the user-defined mode
	if (m_assessment->m_active && m_assessment->m_shadingControlType != SHADING_BY_MODEL) {
		m_ui->stackedWidget->setCurrentIndex(1);
		m_ui->scheduleWidget->setScheduleEditable(false);
		const QSignalBlocker block(m_ui->comboBoxType);
		m_ui->comboBoxType->setCurrentIndex(RM::ShadingControlModel::INTENSITY_CONTROLLED);
		TypedNumber::show(m_ui->lineEditMaxRadIntensityHor, m_assessment->maxRadiationIntensity(270));
		TypedNumber::show(m_ui->lineEditMaxRadIntensityWest, m_assessment->maxRadiationIntensity(270));
		TypedNumber::show(m_ui->lineEditMaxRadIntensitySouth, m_assessment->maxRadiationIntensity(180));
		TypedNumber::show(m_ui->lineEditMaxRadIntensityNorth, m_assessment->maxRadiationIntensity(0));
		TypedNumber::show(m_ui->lineEditMaxRadIntensityEast, m_assessment->maxRadiationIntensity(90));
	}
	else {
		const int type = m_model->m_modelType;
		showType(type);
		{
			// the slot would store the entry's index, before the type is known to exist
			const QSignalBlocker block(m_ui->comboBoxType);
			if (type >= 0 && type < m_ui->comboBoxType->count())
				m_ui->comboBoxType->setCurrentIndex(type);
		}
		TypedNumber::show(m_ui->lineEditMaxRadIntensityHor, m_model->m_maxRadiationIntensityHorizontal);
		TypedNumber::show(m_ui->lineEditMaxRadIntensityWest, m_model->m_maxRadiationIntensityWest);
		TypedNumber::show(m_ui->lineEditMaxRadIntensitySouth, m_model->m_maxRadiationIntensitySouth);
		TypedNumber::show(m_ui->lineEditMaxRadIntensityNorth, m_model->m_maxRadiationIntensityNorth);
		TypedNumber::show(m_ui->lineEditMaxRadIntensityEast, m_model->m_maxRadiationIntensityEast);
	}
	m_ui->scheduleWidget->updateInput();
}


void ShadingControlModelInputWidget::updateShadingControl(bool automaticShading) {
	if (automaticShading)
		updateInput();
}


void ShadingControlModelInputWidget::showType(int type) {
	switch (type) {
		case RM::ShadingControlModel::CONSTANT :
		case RM::ShadingControlModel::SCHEDULED :
			m_ui->stackedWidget->setCurrentIndex(0);
			m_ui->scheduleWidget->setScheduleEditable(type == RM::ShadingControlModel::SCHEDULED);
			break;
		case RM::ShadingControlModel::INTENSITY_CONTROLLED :
			m_ui->stackedWidget->setCurrentIndex(1);
			m_ui->scheduleWidget->setScheduleEditable(false);
			break;
		default :
			break;
	}
}


void ShadingControlModelInputWidget::on_comboBoxType_currentIndexChanged(int index) {
	m_model->m_modelType = index;
	showType(index);
}


void ShadingControlModelInputWidget::on_lineEditMaxRadIntensityHor_editingFinished() {
	TypedNumber::take(m_ui->lineEditMaxRadIntensityHor, m_model->m_maxRadiationIntensityHorizontal);
}


void ShadingControlModelInputWidget::on_lineEditMaxRadIntensityWest_editingFinished() {
	TypedNumber::take(m_ui->lineEditMaxRadIntensityWest, m_model->m_maxRadiationIntensityWest);
}


void ShadingControlModelInputWidget::on_lineEditMaxRadIntensitySouth_editingFinished() {
	TypedNumber::take(m_ui->lineEditMaxRadIntensitySouth, m_model->m_maxRadiationIntensitySouth);
}


void ShadingControlModelInputWidget::on_lineEditMaxRadIntensityEast_editingFinished() {
	TypedNumber::take(m_ui->lineEditMaxRadIntensityEast, m_model->m_maxRadiationIntensityEast);
}


void ShadingControlModelInputWidget::on_lineEditMaxRadIntensityNorth_editingFinished() {
	TypedNumber::take(m_ui->lineEditMaxRadIntensityNorth, m_model->m_maxRadiationIntensityNorth);
}
