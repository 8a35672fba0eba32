#include "OccupancyLoadModelInputWidget.h"
#include "ui_OccupancyLoadModelInputWidget.h"

#include <RM_UserLoads.h>

#include "TypedNumber.h"

OccupancyLoadModelInputWidget::OccupancyLoadModelInputWidget(QWidget * parent, RM::UserLoads * loads) :
	QWidget(parent),
	m_ui(new Ui::OccupancyLoadModelInputWidget),
	m_loads(loads)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	// one load model only: no type to choose
	m_ui->labelType->hide();
	m_ui->comboBoxOccupancyLoadType->hide();
	m_ui->scheduleWidget->setup(tr("Occupancy"), tr("Number of occupants"), tr("Number of persons in room must be >= 0."),
								0, 10, &m_loads->m_occupancy);
	m_ui->stackedWidget->widget(1)->layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->lineEditPersonLoad->setup(0, 3500,
		tr("Rate of heat emission per person in [W/Person], must be a value between 0 and 3500 [W/Person]."), true, true);
}


OccupancyLoadModelInputWidget::~OccupancyLoadModelInputWidget() {
	delete m_ui;
}


void OccupancyLoadModelInputWidget::updateInput() {
	TypedNumber::show(m_ui->lineEditPersonLoad, m_loads->m_personLoad);
	m_ui->scheduleWidget->updateInput();
}


void OccupancyLoadModelInputWidget::on_lineEditPersonLoad_editingFinished() {
	TypedNumber::take(m_ui->lineEditPersonLoad, m_loads->m_personLoad);
}
