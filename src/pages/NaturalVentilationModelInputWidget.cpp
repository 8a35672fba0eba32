#include "NaturalVentilationModelInputWidget.h"
#include "ui_NaturalVentilationModelInputWidget.h"

#include <QPalette>

#include <RM_NaturalVentilationModel.h>
#include <RM_Room.h>

#include "TypedNumber.h"

namespace {

void setBaseColor(QWidget * w, const char * color) {
	QPalette pal = w->palette();
	pal.setBrush(QPalette::All, QPalette::Base, QBrush(QColor(color), Qt::SolidPattern));
	w->setPalette(pal);
}

} // namespace


NaturalVentilationModelInputWidget::NaturalVentilationModelInputWidget(QWidget * parent,
		RM::NaturalVentilationModel * model, RM::Room * room) :
	QWidget(parent),
	m_ui(new Ui::NaturalVentilationModelInputWidget),
	m_model(model),
	m_room(room)
{
	m_ui->setupUi(this);
	layout()->setContentsMargins(0, 0, 0, 0);
	m_ui->scheduleWidget->setup(tr("Air change rate"), tr("1/h"),
		tr("An air change rate (air changes per hour) must be a positive value."), 0, 5, &m_model->m_airChangeRates);
	m_ui->scheduleWidget->setScheduleEditable(true);
	m_ui->comboBoxType->addItem(QIcon(), tr("No natural ventilation"), QVariant());
	m_ui->comboBoxType->addItem(QIcon(), tr("Predefined"), QVariant());
	m_ui->comboBoxType->addItem(QIcon(), tr("User-controlled"), QVariant());
	m_ui->comboBoxType->addItem(QIcon(), tr("Usage time depending"), QVariant());
	for (int i = 2; i < m_ui->stackedWidget->count(); ++i)
		m_ui->stackedWidget->widget(i)->layout()->setContentsMargins(0, 0, 0, 0);

	const QString rateTip = tr("Ventilation rate (air changes per hour) must be a positive value.");
	for (QtExt::ValidatingLineEdit * e : { m_ui->lineEditBaseVentilationRate, m_ui->lineEditBaseVentilationRateDIN,
										   m_ui->lineEditBaseVentilationRateDINNight })
		e->setup(0, 5000, rateTip, true, true);
	const QString temperatureTip = tr("Temperature must be in range -20 and 80 degree C.");
	for (QtExt::ValidatingLineEdit * e : { m_ui->lineEditMinRoomTemperature, m_ui->lineEditMinRoomTemperatureDay,
										   m_ui->lineEditMinRoomTemperatureNight })
		e->setup(-20, 80, temperatureTip, true, true);
	const QString differenceTip = tr("Temperature difference must be in range 0 and 40 degree K.");
	for (QtExt::ValidatingLineEdit * e : { m_ui->lineEditTemperatureDifferenceDay, m_ui->lineEditTemperatureDifferenceNight })
		e->setup(0, 40, differenceTip, true, true);
}


NaturalVentilationModelInputWidget::~NaturalVentilationModelInputWidget() {
	delete m_ui;
}


void NaturalVentilationModelInputWidget::updateInput() {
	// a type the combo box does not know would leave it without an entry
	const int type = m_model->m_modelType;
	m_ui->comboBoxType->setCurrentIndex(type >= 0 && type < m_ui->comboBoxType->count() ? type : 0);
	on_comboBoxType_currentIndexChanged(m_ui->comboBoxType->currentIndex());

	TypedNumber::show(m_ui->lineEditBaseVentilationRate, m_model->m_baseAirChangeRate);
	TypedNumber::show(m_ui->lineEditBaseVentilationRateDIN, m_model->m_baseAirChangeRate);
	TypedNumber::show(m_ui->lineEditBaseVentilationRateDINNight, m_model->m_baseAirChangeRateNight);
	TypedNumber::show(m_ui->lineEditMinRoomTemperature, m_model->m_minTRoom);
	TypedNumber::show(m_ui->lineEditMinRoomTemperatureDay, m_model->m_minTRoom);
	TypedNumber::show(m_ui->lineEditMinRoomTemperatureNight, m_model->m_setTRoom);
	TypedNumber::show(m_ui->lineEditTemperatureDifferenceDay, m_model->m_TRoomDifference);
	TypedNumber::show(m_ui->lineEditTemperatureDifferenceNight, m_model->m_TRoomDifferenceNight);

	m_ui->timeEditStart->setTime(m_model->m_occupancyStartTime);
	m_ui->timeEditEnd->setTime(m_model->m_occupancyEndTime);
	checkOccupancyTime();

	m_ui->scheduleWidget->updateInput();
}


void NaturalVentilationModelInputWidget::on_comboBoxType_currentIndexChanged(int index) {
	m_ui->stackedWidget->setCurrentIndex(index);
	m_model->m_modelType = index;
	m_ui->scheduleWidget->setScheduleEditable(index != RM::NaturalVentilationModel::NONE);
}


void NaturalVentilationModelInputWidget::storeValue(QtExt::ValidatingLineEdit * edit, double & member,
													QtExt::ValidatingLineEdit * partner)
{
	if (TypedNumber::take(edit, member) && partner != nullptr)
		TypedNumber::show(partner, member);
}


void NaturalVentilationModelInputWidget::on_lineEditBaseVentilationRate_editingFinished() {
	storeValue(m_ui->lineEditBaseVentilationRate, m_model->m_baseAirChangeRate, m_ui->lineEditBaseVentilationRateDIN);
}


void NaturalVentilationModelInputWidget::on_lineEditBaseVentilationRateDIN_editingFinished() {
	storeValue(m_ui->lineEditBaseVentilationRateDIN, m_model->m_baseAirChangeRate, m_ui->lineEditBaseVentilationRate);
}


void NaturalVentilationModelInputWidget::on_lineEditBaseVentilationRateDINNight_editingFinished() {
	storeValue(m_ui->lineEditBaseVentilationRateDINNight, m_model->m_baseAirChangeRateNight, nullptr);
}


void NaturalVentilationModelInputWidget::on_lineEditMinRoomTemperature_editingFinished() {
	storeValue(m_ui->lineEditMinRoomTemperature, m_model->m_minTRoom, m_ui->lineEditMinRoomTemperatureDay);
}


void NaturalVentilationModelInputWidget::on_lineEditMinRoomTemperatureDay_editingFinished() {
	storeValue(m_ui->lineEditMinRoomTemperatureDay, m_model->m_minTRoom, m_ui->lineEditMinRoomTemperature);
}


void NaturalVentilationModelInputWidget::on_lineEditMinRoomTemperatureNight_editingFinished() {
	storeValue(m_ui->lineEditMinRoomTemperatureNight, m_model->m_setTRoom, nullptr);
}


void NaturalVentilationModelInputWidget::on_lineEditTemperatureDifferenceDay_editingFinished() {
	storeValue(m_ui->lineEditTemperatureDifferenceDay, m_model->m_TRoomDifference, nullptr);
}


void NaturalVentilationModelInputWidget::on_lineEditTemperatureDifferenceNight_editingFinished() {
	storeValue(m_ui->lineEditTemperatureDifferenceNight, m_model->m_TRoomDifferenceNight, nullptr);
}


void NaturalVentilationModelInputWidget::on_timeEditStart_editingFinished() {
	checkOccupancyTime();
}


void NaturalVentilationModelInputWidget::on_timeEditEnd_editingFinished() {
	checkOccupancyTime();
}


void NaturalVentilationModelInputWidget::checkOccupancyTime() {
	const QTime start = m_ui->timeEditStart->time();
	const QTime end = m_ui->timeEditEnd->time();
	const bool valid = start < end;
	for (QWidget * w : { static_cast<QWidget *>(m_ui->timeEditStart), static_cast<QWidget *>(m_ui->timeEditEnd) })
		setBaseColor(w, valid ? "#f9f6c8" : "#ff7777");
	if (!valid) {
		setToolTip(tr("Start time must not be later than end time."));
		return;
	}
	setToolTip(QString());
	m_model->m_occupancyStartTime = start;
	m_model->m_occupancyEndTime = end;
}


void NaturalVentilationModelInputWidget::applyDefaults(double baseRate, double baseRateNight,
													   int firstDayHour, int lastDayHour)
{
	m_model->m_baseAirChangeRate = baseRate;
	m_model->m_baseAirChangeRateNight = baseRateNight;
	m_model->m_minTRoom = 23;
	m_model->m_TRoomDifference = 0;
	m_model->m_setTRoom = 23;
	m_model->m_TRoomDifferenceNight = 0;
	m_model->m_occupancyStartTime = QTime(firstDayHour, 0);
	m_model->m_occupancyEndTime = QTime(lastDayHour + 1, 0);

	std::vector<double> profile(24, 5.0);
	for (int h = firstDayHour; h <= lastDayHour; ++h)
		profile[size_t(h)] = 3.0;
	RM::Schedule & s = m_model->m_airChangeRates;
	s.m_type = RM::Schedule::DAILY_WEEK;
	s.m_weekDaySchedule = profile;
	s.m_weekEndSchedule = profile;
	updateInput();
}


void NaturalVentilationModelInputWidget::on_pushButtonResidentialDefaults_clicked() {
	applyDefaults(0.5, 0.5, 6, 22);
}


void NaturalVentilationModelInputWidget::on_pushButtonCommercialDefaults_clicked() {
	// four air changes of a 1 m high room: the rate falls with the room's height; stored
	// with the six significant digits the project file writes, so that Save and Load do
	// not change the rate a run uses
	const double rate = QString("%1").arg(4.0/m_room->m_height).toDouble();
	applyDefaults(rate, 0.24, 7, 17);
}
