#include "AdvancedSettingsInputWidget.h"
#include "ui_AdvancedSettingsInputWidget.h"

#include <RM_Room.h>

#include "LoadPageHelpers.h"
#include "OutputOptions.h"

AdvancedSettingsInputWidget::AdvancedSettingsInputWidget(QWidget * parent, RM::Room * room) :
	QWidget(parent),
	m_ui(new Ui::AdvancedSettingsInputWidget),
	m_room(room)
{
	m_ui->setupUi(this);
	const QString percentTip = tr("Please enter a percentage (0 .. 100 %%)!");
	m_ui->lineEditGammaHC->setup(0, 100, percentTip, true, true);
	m_ui->lineEditGammaRad->setup(0, 100, percentTip, true, true);
	m_ui->lineEditInitialT->setup(-100, 100, tr("Please enter an initial temperature in [C] (-100 .. 100)!"), true, true);
	m_ui->lineEditInitialRH->setup(0, 100, tr("Please enter a relative humidity as percentage (0 .. 100 %%)!"), true, true);

	// set before the connections by name see them: no slot runs here
	m_ui->checkBoxEnableMoistureBalance->blockSignals(true);
	m_ui->checkBoxEnableMoistureBalance->setChecked(m_room->m_moistureBalanceEnabled);
	m_ui->checkBoxEnableMoistureBalance->blockSignals(false);
	m_ui->checkBoxHeatLoadsPerFloorArea->blockSignals(true);
	m_ui->checkBoxHeatLoadsPerFloorArea->setChecked(OutputOptions::heatLoadsPerFloorArea());
	m_ui->checkBoxHeatLoadsPerFloorArea->blockSignals(false);
	m_ui->checkBoxENPlotWithoutOccupancy->blockSignals(true);
	m_ui->checkBoxENPlotWithoutOccupancy->setChecked(OutputOptions::enPlotWithoutOccupancy());
	m_ui->checkBoxENPlotWithoutOccupancy->blockSignals(false);
}


AdvancedSettingsInputWidget::~AdvancedSettingsInputWidget() {
	delete m_ui;
}


void AdvancedSettingsInputWidget::updateInput() {
	m_ui->lineEditInitialT->setText(QString("%L1").arg(m_room->m_TInitial, 0, 'f', 2));
	m_ui->lineEditInitialRH->setText(QString("%L1").arg(m_room->m_RHInitial*100, 0, 'f', 1));
	m_ui->lineEditGammaHC->setText(QString("%L1").arg(m_room->m_gammaHC*100));
	m_ui->lineEditGammaRad->setText(QString("%L1").arg(m_room->m_gammaRad*100));
	const bool moisture = m_room->m_moistureBalanceEnabled;
	m_ui->checkBoxEnableMoistureBalance->setChecked(moisture);
	enableHumidityInput(moisture);
	emit enableMoistureBalanceInputs(moisture);
}


void AdvancedSettingsInputWidget::setMoistureBalanceDisabled(bool disabled, bool on) {
	m_ui->checkBoxEnableMoistureBalance->setEnabled(!disabled);
	if (disabled && m_ui->checkBoxEnableMoistureBalance->isChecked())
		m_ui->checkBoxEnableMoistureBalance->setChecked(false);
	else if (!disabled && on)
		m_ui->checkBoxEnableMoistureBalance->setChecked(true);
}


void AdvancedSettingsInputWidget::on_lineEditInitialT_editingFinished() {
	QtExt::ValidatingLineEdit * edit = m_ui->lineEditInitialT;
	const bool accepted = typedAndAccepted(edit);
	if (LoadPageHelpers::takeEditedValue(edit, m_room->m_TInitial))
		emit projectModified();
	if (accepted)
		edit->setText(QString("%L1").arg(m_room->m_TInitial, 0, 'f', 2));
}


void AdvancedSettingsInputWidget::on_lineEditGammaHC_editingFinished() {
	storePercentage(m_ui->lineEditGammaHC, m_room->m_gammaHC);
}


void AdvancedSettingsInputWidget::on_lineEditGammaRad_editingFinished() {
	storePercentage(m_ui->lineEditGammaRad, m_room->m_gammaRad);
}


void AdvancedSettingsInputWidget::on_checkBoxENPlotWithoutOccupancy_toggled(bool checked) {
	OutputOptions::setENPlotWithoutOccupancy(checked);
	emit outputUpdateNeeded();
}


void AdvancedSettingsInputWidget::on_checkBoxHeatLoadsPerFloorArea_toggled(bool checked) {
	OutputOptions::setHeatLoadsPerFloorArea(checked);
	emit outputUpdateNeeded();
}


void AdvancedSettingsInputWidget::on_lineEditInitialRH_editingFinished() {
	QtExt::ValidatingLineEdit * edit = m_ui->lineEditInitialRH;
	const bool accepted = typedAndAccepted(edit);
	storePercentage(edit, m_room->m_RHInitial);
	if (accepted)
		edit->setText(QString("%L1").arg(m_room->m_RHInitial*100, 0, 'f', 1));
}


bool AdvancedSettingsInputWidget::typedAndAccepted(QtExt::ValidatingLineEdit * edit) {
	// a typed value is shown in the field's format once stored; a refused text stays as typed
	double val;
	return edit->isModified() && LoadPageHelpers::acceptedValue(edit, val);
}


bool AdvancedSettingsInputWidget::storePercentage(QtExt::ValidatingLineEdit * edit, double & fraction) {
	if (!LoadPageHelpers::takeEditedValue(edit, fraction, 100))
		return false;
	emit projectModified();
	return true;
}


void AdvancedSettingsInputWidget::on_checkBoxEnableMoistureBalance_toggled(bool checked) {
	const bool changed = checked != m_room->m_moistureBalanceEnabled;
	m_room->m_moistureBalanceEnabled = checked;
	enableHumidityInput(checked);
	emit enableMoistureBalanceInputs(checked);
	if (changed)
		emit projectModified();
}


void AdvancedSettingsInputWidget::enableHumidityInput(bool enabled) {
	m_ui->lineEditInitialRH->setEnabled(enabled);
	m_ui->labelInitialRH->setEnabled(enabled);
}
