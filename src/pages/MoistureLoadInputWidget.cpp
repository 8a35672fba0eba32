#include "MoistureLoadInputWidget.h"
#include "ui_MoistureLoadInputWidget.h"

#include <RM_MoistureLoads.h>

MoistureLoadInputWidget::MoistureLoadInputWidget(QWidget * parent, RM::MoistureLoads * loads) :
	QWidget(parent),
	m_ui(new Ui::MoistureLoadInputWidget),
	m_loads(loads)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->scheduleWidget->setup(tr("Moisture load"), tr("g/h"), tr("Moisture load must be a positive value."),
								0, 100000, &m_loads->m_moistureLoad);
}


MoistureLoadInputWidget::~MoistureLoadInputWidget() {
	delete m_ui;
}


void MoistureLoadInputWidget::updateInput() {
	m_ui->scheduleWidget->updateInput();
}
