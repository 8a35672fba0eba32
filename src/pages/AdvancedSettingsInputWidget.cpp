#include "AdvancedSettingsInputWidget.h"
#include "ui_AdvancedSettingsInputWidget.h"

#include <RM_Room.h>

#include "OutputOptions.h"
#include "TypedNumber.h"

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
	m_ui->lineEditInitialT->setFormat('f', 2);
	m_ui->lineEditInitialRH->setFormat('f', 1);

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
	TypedNumber::show(m_ui->lineEditInitialT, m_room->m_TInitial);
	TypedNumber::show(m_ui->lineEditInitialRH, m_room->m_RHInitial, 100);
	TypedNumber::show(m_ui->lineEditGammaHC, m_room->m_gammaHC, 100);
	TypedNumber::show(m_ui->lineEditGammaRad, m_room->m_gammaRad, 100);
	const bool moisture = m_room->m_moistureBalanceEnabled;
	m_ui->checkBoxEnableMoistureBalance->setChecked(moisture);
	enableHumidityInput(moisture);
	emit enableMoistureBalanceInputs(moisture);
}


void AdvancedSettingsInputWidget::setMoistureBalanceDisabled(bool disabled) {
	QCheckBox * box = m_ui->checkBoxEnableMoistureBalance;
	box->setEnabled(!disabled);
	const bool moisture = m_room->m_moistureBalanceEnabled;
	if (box->isChecked() == moisture)
		return;
	{
		const QSignalBlocker block(box);
		box->setChecked(moisture);
	}
	enableHumidityInput(moisture);
	emit enableMoistureBalanceInputs(moisture);
}


void AdvancedSettingsInputWidget::on_lineEditInitialT_editingFinished() {
	TypedNumber::take(m_ui->lineEditInitialT, m_room->m_TInitial);
}


void AdvancedSettingsInputWidget::on_lineEditGammaHC_editingFinished() {
	TypedNumber::take(m_ui->lineEditGammaHC, m_room->m_gammaHC, 100);
}


void AdvancedSettingsInputWidget::on_lineEditGammaRad_editingFinished() {
	TypedNumber::take(m_ui->lineEditGammaRad, m_room->m_gammaRad, 100);
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
	TypedNumber::take(m_ui->lineEditInitialRH, m_room->m_RHInitial, 100);
}


void AdvancedSettingsInputWidget::on_checkBoxEnableMoistureBalance_toggled(bool checked) {
	m_room->m_moistureBalanceEnabled = checked;
	enableHumidityInput(checked);
	emit enableMoistureBalanceInputs(checked);
}


void AdvancedSettingsInputWidget::enableHumidityInput(bool enabled) {
	m_ui->lineEditInitialRH->setEnabled(enabled);
	m_ui->labelInitialRH->setEnabled(enabled);
}
