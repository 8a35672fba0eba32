#include "RunDialog.h"
#include "ui_RunDialog.h"
#include <RM_ProgramIdentity.h>

#include <QPushButton>
#include <QSettings>


RunDialog::RunDialog(QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::RunDialog)
{
	m_ui->setupUi(this);
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	m_ui->checkBox->setChecked(settings.value("OutputAutomaticSave", false).toBool());
	m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Run simulation"));
}


RunDialog::~RunDialog() {
	delete m_ui;
}


bool RunDialog::twoYearSimulation() const {
	return m_ui->radioButton2Year->isChecked();
}


bool RunDialog::automaticSave() const {
	return m_ui->checkBox->isChecked();
}


void RunDialog::accept() {
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	settings.setValue("OutputAutomaticSave", m_ui->checkBox->isChecked());
	QDialog::accept();
}
