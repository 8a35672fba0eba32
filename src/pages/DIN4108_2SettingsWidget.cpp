#include "DIN4108_2SettingsWidget.h"
#include "ui_DIN4108_2SettingsWidget.h"

#include <limits>

#include <RM_DIN4108_2Assessment.h>

#include "TypedNumber.h"

namespace {

/*! The ventilation values are shown in 1/h and stored in 1/s. */
const double PER_HOUR = 3600;

enum BuildingUse {
	Residential,
	NonResidential
};

/*! value to six significant digits: what a field shows ("%L1") and what the project file
	keeps, so that a run before saving and one after loading see the same number. */
double sixDigits(double value) {
	return QString::number(value, 'g', 6).toDouble();
}

QString shownText(double value) {
	return QString("%L1").arg(value);
}

} // namespace


DIN4108_2SettingsWidget::DIN4108_2SettingsWidget(QWidget * parent) :
	QGroupBox(parent),
	m_ui(new Ui::DIN4108_2SettingsWidget),
	m_assessment(nullptr)
{
	m_ui->setupUi(this);
	m_ui->comboBoxBuildingUse->addItem(tr("Residential building"));
	m_ui->comboBoxBuildingUse->addItem(tr("Non-residential building"));
	m_ui->comboBoxVentilationType->addItem(tr("Window ventilation only"));
	m_ui->comboBoxVentilationType->addItem(tr("Ventilation across floors"));
	m_ui->comboBoxVentilationType->addItem(tr("Mechanical ventilation system"));
	m_ui->comboBoxShadingControl->addItem(tr("Full shading"));
	m_ui->comboBoxShadingControl->addItem(tr("No shading system"));
	m_ui->comboBoxShadingControl->addItem(tr("Automated shading system"));
	m_ui->comboBoxShadingControl->addItem(tr("User-defined shading system"));

	const double dayLimit = RM::DIN4108_2Assessment::MaxEnhancedDayVentilation;
	m_ui->lineEditEnhancedDayVentilation->setup(0, dayLimit,
		tr("Air change rate must be >= 0 and <= %1 h<sup>-1</sup>").arg(shownText(dayLimit)), true, true);
	m_ui->lineEditMaxHeatingPower->setup(0, std::numeric_limits<double>::max(),
		tr("Maximum heating power must be a value >= 0 W."), true, true);
	m_ui->lineEditClimateRegion->setReadOnly(true);
}


DIN4108_2SettingsWidget::~DIN4108_2SettingsWidget() {
	delete m_ui;
}


void DIN4108_2SettingsWidget::setAssessment(RM::DIN4108_2Assessment * assessment) {
	m_assessment = assessment;
}


void DIN4108_2SettingsWidget::updateInput() {
	const RM::DIN4108_2Assessment & din = *m_assessment;
	// combo boxes and check boxes report user choices only (activated, clicked)
	m_ui->comboBoxBuildingUse->setCurrentIndex(din.m_residential ? Residential : NonResidential);
	m_ui->comboBoxVentilationType->setCurrentIndex(din.m_ventilationType);
	m_ui->comboBoxShadingControl->setCurrentIndex(din.m_shadingControlType);
	m_ui->checkBoxEnhancedDayVentilation->setChecked(din.m_enhancedDayVentilation);
	m_ui->checkBoxEnhancedNightVentilation->setChecked(din.m_enhancedNightVentilation);
	TypedNumber::show(m_ui->lineEditEnhancedDayVentilation, din.enhancedDayVentilationValue(), PER_HOUR);
	TypedNumber::show(m_ui->lineEditEnhancedNightVentilation, din.enhancedNightVentilationValue(), PER_HOUR);
	TypedNumber::show(m_ui->lineEditMaxHeatingPower, din.m_maximumHeatingPower);
	setupNightVentilationRange();
	enableVentilationValues();
	updateClimateRegion();
}


void DIN4108_2SettingsWidget::updateClimateRegion() {
	const RM::DIN4108_2Assessment & din = *m_assessment;
	const char * const letters[] = { "A", "B", "C" };
	const bool known = din.m_climateRegion >= 0 && din.m_climateRegion <= 2;
	m_ui->lineEditClimateRegion->setText(known ? tr("Region %1").arg(letters[din.m_climateRegion]) : QString());
	m_ui->labelReferenceValues->setText(tr("Limit: %1 Kh/a above %2 °C operative temperature")
		.arg(shownText(din.overTemperatureLimit()), shownText(din.referenceTemperature())));
}


void DIN4108_2SettingsWidget::on_comboBoxBuildingUse_activated(int index) {
	const bool residential = index == Residential;
	if (residential == m_assessment->m_residential)
		return;
	m_assessment->m_residential = residential;
	updateClimateRegion();
	emit shadingControlChanged(m_assessment->m_shadingControlType);
}


void DIN4108_2SettingsWidget::on_comboBoxVentilationType_activated(int index) {
	if (index == m_assessment->m_ventilationType)
		return;
	m_assessment->m_ventilationType = index;
	setupNightVentilationRange();
}


void DIN4108_2SettingsWidget::on_comboBoxShadingControl_activated(int index) {
	if (index == m_assessment->m_shadingControlType)
		return;
	m_assessment->m_shadingControlType = index;
	emit shadingControlChanged(index);
}


void DIN4108_2SettingsWidget::on_checkBoxEnhancedDayVentilation_clicked(bool checked) {
	m_assessment->m_enhancedDayVentilation = checked;
	enableVentilationValues();
}


void DIN4108_2SettingsWidget::on_checkBoxEnhancedNightVentilation_clicked(bool checked) {
	m_assessment->m_enhancedNightVentilation = checked;
	enableVentilationValues();
}


void DIN4108_2SettingsWidget::on_lineEditEnhancedDayVentilation_editingFinished() {
	double perSecond = m_assessment->enhancedDayVentilationValue();
	if (!TypedNumber::take(m_ui->lineEditEnhancedDayVentilation, perSecond, PER_HOUR))
		return;
	m_assessment->setEnhancedDayVentilationValue(sixDigits(perSecond));
	TypedNumber::show(m_ui->lineEditEnhancedDayVentilation, m_assessment->enhancedDayVentilationValue(), PER_HOUR);
}


void DIN4108_2SettingsWidget::on_lineEditEnhancedNightVentilation_editingFinished() {
	double perSecond = m_assessment->enhancedNightVentilationValue();
	if (!TypedNumber::take(m_ui->lineEditEnhancedNightVentilation, perSecond, PER_HOUR))
		return;
	m_assessment->setEnhancedNightVentilationValue(sixDigits(perSecond));
	TypedNumber::show(m_ui->lineEditEnhancedNightVentilation, m_assessment->enhancedNightVentilationValue(), PER_HOUR);
}


void DIN4108_2SettingsWidget::on_lineEditMaxHeatingPower_editingFinished() {
	double power = m_assessment->m_maximumHeatingPower;
	if (!TypedNumber::take(m_ui->lineEditMaxHeatingPower, power))
		return;
	m_assessment->m_maximumHeatingPower = sixDigits(power);
	TypedNumber::show(m_ui->lineEditMaxHeatingPower, m_assessment->m_maximumHeatingPower);
}


void DIN4108_2SettingsWidget::setupNightVentilationRange() {
	const double limit = m_assessment->maxEnhancedNightVentilation();
	// a mechanical system has no limit: its bound is the largest number
	const QString message = limit == std::numeric_limits<double>::max()
			? tr("Air change rate must be >= 0 h<sup>-1</sup>")
			: tr("Air change rate must be >= 0 and <= %1 h<sup>-1</sup>").arg(shownText(limit));
	QtExt::ValidatingLineEdit * edit = m_ui->lineEditEnhancedNightVentilation;
	edit->setup(0, limit, message, true, true);
	// a text the user typed stays one
	const bool typed = edit->isModified();
	edit->setText(edit->text());
	edit->setModified(typed);
}


void DIN4108_2SettingsWidget::enableVentilationValues() {
	m_ui->lineEditEnhancedDayVentilation->setEnabled(m_assessment->m_enhancedDayVentilation);
	m_ui->lineEditEnhancedNightVentilation->setEnabled(m_assessment->m_enhancedNightVentilation);
}
