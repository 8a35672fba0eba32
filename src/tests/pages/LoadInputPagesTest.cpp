// Load and control input pages: every numeric field typed and finished with Return (bounds,
// conversions, refused entries red with their tool tip and the record kept), the model types
// with their stacked pages and schedule editors, the natural ventilation partners, occupancy
// time and defaults, and the shading page under a DIN 4108-2 assessment.
#include <cmath>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimeEdit>

#include <QtExt_ValidatingLineEdit.h>
#include <QtExt_UserNumber.h>
#include <RM_Room.h>

#include "CoolingModelInputWidget.h"
#include "EquipmentLoadModelInputWidget.h"
#include "GuiTestHarness.h"
#include "HeatingModelInputWidget.h"
#include "MechanicalVentilationInputWidget.h"
#include "MoistureLoadInputWidget.h"
#include "NaturalVentilationModelInputWidget.h"
#include "OccupancyLoadModelInputWidget.h"
#include "ScheduleInputWidget.h"
#include "ShadingControlModelInputWidget.h"

namespace {

using Edit = QtExt::ValidatingLineEdit;

const QColor INVALID(Edit::INVALID_COLOR);

using GuiTest::typeAndReturn;

/*! A schedule editor accepts edits while its type box is enabled. */
bool editable(ScheduleInputWidget * s) {
	return s->findChild<QComboBox *>("comboBoxType")->isEnabled();
}

QColor baseColor(const QWidget * w) {
	return w->palette().color(QPalette::Active, QPalette::Base);
}

class LoadInputPagesTest : public ::testing::Test {
protected:
	void SetUp() override {
		QLocale::setDefault(QLocale::c());
		m_heating.reset(new HeatingModelInputWidget(nullptr, &m_room.m_heatingModel));
		m_cooling.reset(new CoolingModelInputWidget(nullptr, &m_room.m_coolingModel));
		m_mechanical.reset(new MechanicalVentilationInputWidget(nullptr, &m_room.m_mechanicalVentilationModel));
		m_natural.reset(new NaturalVentilationModelInputWidget(nullptr, &m_room.m_naturalVentilationModel, &m_room));
		m_equipment.reset(new EquipmentLoadModelInputWidget(nullptr, &m_room.m_userLoads));
		m_occupancy.reset(new OccupancyLoadModelInputWidget(nullptr, &m_room.m_userLoads));
		m_moisture.reset(new MoistureLoadInputWidget(nullptr, &m_room.m_moistureLoads));
		m_shading.reset(new ShadingControlModelInputWidget(nullptr, &m_room.m_shadingControlModel,
														   &m_room.m_din4108_2Assessment));
		refreshAll();
	}

	void refreshAll() {
		m_heating->updateInput();
		m_cooling->updateInput();
		m_mechanical->updateInput();
		m_natural->updateInput();
		m_equipment->updateInput();
		m_occupancy->updateInput();
		m_moisture->updateInput();
		m_shading->updateInput();
	}

	template <typename T>
	static T * child(QWidget * page, const char * name) {
		T * w = page->findChild<T *>(name);
		EXPECT_NE(w, nullptr) << name;
		return w;
	}

	RM::Room											m_room;
	std::unique_ptr<HeatingModelInputWidget>			m_heating;
	std::unique_ptr<CoolingModelInputWidget>			m_cooling;
	std::unique_ptr<MechanicalVentilationInputWidget>	m_mechanical;
	std::unique_ptr<NaturalVentilationModelInputWidget>	m_natural;
	std::unique_ptr<EquipmentLoadModelInputWidget>		m_equipment;
	std::unique_ptr<OccupancyLoadModelInputWidget>		m_occupancy;
	std::unique_ptr<MoistureLoadInputWidget>			m_moisture;
	std::unique_ptr<ShadingControlModelInputWidget>		m_shading;
};

/*! A field of a page, the record member it writes, the factor from shown to stored value
	and the tool tip of a refused entry. */
struct Field {
	QWidget *		m_page;
	const char *	m_edit;
	double *		m_member;
	double			m_factor;
	const char *	m_toolTip;
	/*! Accepted entries (the bounds among them) and refused numbers. */
	std::vector<const char *>	m_accepted;
	std::vector<const char *>	m_refused;
};

TEST_F(LoadInputPagesTest, FieldsStoreAcceptedValuesAndRefuseTheRest) {
	RM::Room & r = m_room;
	const char * const rateTip = "Ventilation rate (air changes per hour) must be a positive value.";
	const char * const tTip = "Temperature must be in range -20 and 80 degree C.";
	const char * const dTip = "Temperature difference must be in range 0 and 40 degree K.";
	const std::vector<Field> fields = {
		{ m_heating.get(), "lineEditMaxLoad", &r.m_heatingModel.m_maxPower, 1,
		  "Maximum power of heating in [W], must be a value between 0 and 1000000 [kW].",
		  { "0", "1e9", "2500.5" }, { "-1", "1000000001" } },
		{ m_cooling.get(), "lineEditMaxLoad", &r.m_coolingModel.m_maxPower, 1,
		  "Maximum cooling power must be a value between 0 and 1000 MW.", { "0", "1e9" }, { "-0.1", "1.1e9" } },
		{ m_mechanical.get(), "lineEditSupplyTemperature", &r.m_mechanicalVentilationModel.m_supplyTemperature, 1,
		  "Supply temperature must be a temperature in the range of -80 to 100 degree C.", { "-80", "100" }, { "-80.5", "101" } },
		{ m_mechanical.get(), "lineEditSupplyFlowRate", &r.m_mechanicalVentilationModel.m_maxSupplyFlowRate, 1,
		  "Supply flow rate must be a positive value.", { "0", "9999999" }, { "10000000", "-1" } },
		{ m_mechanical.get(), "lineEditHeatRecoveryEfficiency", &r.m_mechanicalVentilationModel.m_heatRecoveryEfficiency,
		  0.01, "Efficiency of heat recovery system must be a percentage (0 to 100 %).", { "85", "0", "100" }, { "100.5", "-5" } },
		{ m_mechanical.get(), "lineEditHeatRecoverySetpoint", &r.m_mechanicalVentilationModel.m_heatRecoverySetpoint, 1,
		  "Setpoint for heat recovery system, if room temperature is above this setpoint, heat recovery is disabled (-80 to 100 degree C).",
		  { "-80", "100" }, { "-81", "100.1" } },
		{ m_natural.get(), "lineEditBaseVentilationRate", &r.m_naturalVentilationModel.m_baseAirChangeRate, 1, rateTip,
		  { "0", "5000" }, { "5000.1", "-1" } },
		{ m_natural.get(), "lineEditBaseVentilationRateDIN", &r.m_naturalVentilationModel.m_baseAirChangeRate, 1, rateTip,
		  { "0.7", "5000" }, { "5001" } },
		{ m_natural.get(), "lineEditBaseVentilationRateDINNight", &r.m_naturalVentilationModel.m_baseAirChangeRateNight, 1,
		  rateTip, { "0", "5000" }, { "-0.01" } },
		{ m_natural.get(), "lineEditMinRoomTemperature", &r.m_naturalVentilationModel.m_minTRoom, 1, tTip,
		  { "-20", "80" }, { "-20.5", "81" } },
		{ m_natural.get(), "lineEditMinRoomTemperatureDay", &r.m_naturalVentilationModel.m_minTRoom, 1, tTip,
		  { "24" }, { "80.01" } },
		{ m_natural.get(), "lineEditMinRoomTemperatureNight", &r.m_naturalVentilationModel.m_setTRoom, 1, tTip,
		  { "-20", "80" }, { "-21" } },
		{ m_natural.get(), "lineEditTemperatureDifferenceDay", &r.m_naturalVentilationModel.m_TRoomDifference, 1, dTip,
		  { "0", "40" }, { "40.5", "-1" } },
		{ m_natural.get(), "lineEditTemperatureDifferenceNight", &r.m_naturalVentilationModel.m_TRoomDifferenceNight, 1,
		  dTip, { "0", "40" }, { "41" } },
		{ m_occupancy.get(), "lineEditPersonLoad", &r.m_userLoads.m_personLoad, 1,
		  "Rate of heat emission per person in [W/Person], must be a value between 0 and 3500 [W/Person].",
		  { "3500", "0", "80" }, { "3500.1", "-1" } },
		{ m_shading.get(), "lineEditMaxRadIntensityHor", &r.m_shadingControlModel.m_maxRadiationIntensityHorizontal, 1,
		  "Maximum radiation intensity on horizontal surface should be a value between 0..10000 [W/m2].",
		  { "0", "10000" }, { "10001", "-1" } },
		{ m_shading.get(), "lineEditMaxRadIntensityWest", &r.m_shadingControlModel.m_maxRadiationIntensityWest, 1,
		  "Maximum radiation intensity on west surface should be a value between 0..10000 [W/m2].",
		  { "0", "10000" }, { "10001" } },
		{ m_shading.get(), "lineEditMaxRadIntensitySouth", &r.m_shadingControlModel.m_maxRadiationIntensitySouth, 1,
		  "Maximum radiation intensity on south surface should be a value between 0..10000 [W/m2].",
		  { "0", "10000" }, { "10001" } },
		{ m_shading.get(), "lineEditMaxRadIntensityNorth", &r.m_shadingControlModel.m_maxRadiationIntensityNorth, 1,
		  "Maximum radiation intensity on north surface should be a value between 0..10000 [W/m2].",
		  { "0", "10000" }, { "10001" } },
		{ m_shading.get(), "lineEditMaxRadIntensityEast", &r.m_shadingControlModel.m_maxRadiationIntensityEast, 1,
		  "Maximum radiation intensity on east surface should be a value between 0..10000 [W/m2].",
		  { "0", "10000" }, { "10001" } },
	};
	for (const Field & f : fields) {
		Edit * e = child<Edit>(f.m_page, f.m_edit);
		ASSERT_NE(e, nullptr);
		for (const char * typed : f.m_accepted) {
			SCOPED_TRACE(std::string(f.m_edit) + " accepts " + typed);
			typeAndReturn(e, typed);
			EXPECT_DOUBLE_EQ(*f.m_member, QString(typed).toDouble()*f.m_factor);
			EXPECT_NE(baseColor(e), INVALID);
		}
		// every field refuses non-finite numbers and text as well as its out-of-range numbers
		std::vector<const char *> refused = f.m_refused;
		refused.insert(refused.end(), { "nan", "inf", "-inf", "abc", "1e400" });
		for (const char * typed : refused) {
			SCOPED_TRACE(std::string(f.m_edit) + " refuses " + typed);
			const double before = *f.m_member;
			typeAndReturn(e, typed);
			EXPECT_EQ(*f.m_member, before);
			EXPECT_EQ(baseColor(e), INVALID);
			// a text that is no number: the number reader's reason, else the field's range
			const QString reason = QtExt::refusedNumberMessage(typed);
			EXPECT_EQ(e->toolTip(), reason.isEmpty() ? QString(f.m_toolTip) : reason);
		}
	}
	// shown again in percent by a refresh
	typeAndReturn(child<Edit>(m_mechanical.get(), "lineEditHeatRecoveryEfficiency"), "85");
	m_mechanical->updateInput();
	EXPECT_EQ(child<Edit>(m_mechanical.get(), "lineEditHeatRecoveryEfficiency")->text(), "85");
	EXPECT_DOUBLE_EQ(r.m_mechanicalVentilationModel.m_heatRecoveryEfficiency, 0.85);
}


TEST_F(LoadInputPagesTest, NewPagesSetTypeZeroAndRefreshShowsTheRecord) {
	// building a page runs its type slot with the first entry
	RM::Room room;
	room.m_heatingModel.m_modelType = 1;
	room.m_coolingModel.m_modelType = 1;
	HeatingModelInputWidget heating(nullptr, &room.m_heatingModel);
	CoolingModelInputWidget cooling(nullptr, &room.m_coolingModel);
	EXPECT_EQ(room.m_heatingModel.m_modelType, 0);
	EXPECT_EQ(room.m_coolingModel.m_modelType, 0);

	room.m_heatingModel.m_modelType = 1;
	heating.updateInput();
	EXPECT_EQ(child<QComboBox>(&heating, "comboBoxHeatingType")->currentText(), "Heating with thermostat");
	EXPECT_EQ(child<QStackedWidget>(&heating, "stackedWidget")->currentIndex(), 1);
	EXPECT_EQ(room.m_heatingModel.m_modelType, 1);

	// an unknown cooling type becomes "No cooling"
	for (int t : { 2, 7, -1 }) {
		room.m_coolingModel.m_modelType = t;
		cooling.updateInput();
		EXPECT_EQ(child<QComboBox>(&cooling, "comboBoxType")->currentText(), "No cooling") << t;
		EXPECT_EQ(room.m_coolingModel.m_modelType, 0) << t;
		EXPECT_EQ(child<QStackedWidget>(&cooling, "stackedWidget")->currentIndex(), 0);
	}
}


TEST_F(LoadInputPagesTest, HeatingAndCoolingTypes) {
	QComboBox * heatingType = child<QComboBox>(m_heating.get(), "comboBoxHeatingType");
	ScheduleInputWidget * setPoints = child<ScheduleInputWidget>(m_heating.get(), "scheduleWidget");
	EXPECT_EQ(child<QGroupBox>(m_heating.get(), "groupBox_2")->title(), "Schedule for Heating Setpoints");
	typeAndReturn(child<Edit>(m_heating.get(), "lineEditMaxLoad"), "1234");
	for (int t : { 0, 1, 0 }) {
		heatingType->setCurrentIndex(t);
		EXPECT_EQ(m_room.m_heatingModel.m_modelType, t);
		EXPECT_EQ(child<QStackedWidget>(m_heating.get(), "stackedWidget")->currentIndex(), t);
		EXPECT_EQ(editable(setPoints), t != 0);
		EXPECT_EQ(m_room.m_heatingModel.m_maxPower, 1234);	// the other type's value stays
	}
	m_heating->updateInput();
	EXPECT_EQ(child<Edit>(m_heating.get(), "lineEditMaxLoad")->text(), "1234");

	QComboBox * coolingType = child<QComboBox>(m_cooling.get(), "comboBoxType");
	EXPECT_EQ(child<QGroupBox>(m_cooling.get(), "groupBoxSchedules")->title(), "Schedules for Set Points");
	QTabWidget * tabs = child<QTabWidget>(m_cooling.get(), "tabWidget");
	EXPECT_EQ(tabs->currentIndex(), 0);
	EXPECT_EQ(tabs->tabText(0), "Temperature");
	EXPECT_EQ(tabs->tabText(1), "Relative Humidity");
	for (int t : { 1, 0, 1 }) {
		coolingType->setCurrentIndex(t);
		EXPECT_EQ(m_room.m_coolingModel.m_modelType, t);
		EXPECT_EQ(child<QStackedWidget>(m_cooling.get(), "stackedWidget")->currentIndex(), t);
		EXPECT_EQ(editable(child<ScheduleInputWidget>(m_cooling.get(), "scheduleWidgetSetPoints")), t == 1);
		EXPECT_EQ(editable(child<ScheduleInputWidget>(m_cooling.get(), "scheduleWidgetRHSetPoints")), t == 1);
	}
}


TEST_F(LoadInputPagesTest, MechanicalVentilationTypesShowTheirEditorsAndSchedules) {
	struct Case {
		int				m_type;
		bool			m_setPointsShown;
		bool			m_setPointsEditable;
		bool			m_flowRatesShown;
		const char *	m_title;
	};
	// type 0 keeps the title of the type before it
	const Case cases[] = {
		{ 1, false, false, true, "Schedule for air flow rates" },
		{ 0, true, false, false, "Schedule for air flow rates" },
		{ 2, true, true, false, "Schedule for set points" },
		{ 0, true, false, false, "Schedule for set points" },
		// after the editable set points of type 2: locked again, as in a page that never showed them
		{ 2, true, true, false, "Schedule for set points" },
		{ 1, false, false, true, "Schedule for air flow rates" },
	};
	typeAndReturn(child<Edit>(m_mechanical.get(), "lineEditSupplyFlowRate"), "120");
	typeAndReturn(child<Edit>(m_mechanical.get(), "lineEditHeatRecoveryEfficiency"), "70");
	QComboBox * combo = child<QComboBox>(m_mechanical.get(), "comboBoxType");
	ScheduleInputWidget * setPoints = child<ScheduleInputWidget>(m_mechanical.get(), "scheduleWidgetSetPoints");
	ScheduleInputWidget * flowRates = child<ScheduleInputWidget>(m_mechanical.get(), "scheduleWidgetFlowRates");
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_type);
		combo->setCurrentIndex(c.m_type);
		EXPECT_EQ(m_room.m_mechanicalVentilationModel.m_modelType, c.m_type);
		EXPECT_EQ(child<QStackedWidget>(m_mechanical.get(), "stackedWidget")->currentIndex(), c.m_type);
		EXPECT_EQ(!setPoints->isHidden(), c.m_setPointsShown);
		EXPECT_EQ(editable(setPoints), c.m_setPointsEditable);
		EXPECT_EQ(!flowRates->isHidden(), c.m_flowRatesShown);
		EXPECT_TRUE(editable(flowRates));
		EXPECT_EQ(child<QGroupBox>(m_mechanical.get(), "groupBoxSchedules")->title(), c.m_title);
		EXPECT_EQ(m_room.m_mechanicalVentilationModel.m_maxSupplyFlowRate, 120);
		EXPECT_DOUBLE_EQ(m_room.m_mechanicalVentilationModel.m_heatRecoveryEfficiency, 0.7);
	}
	m_room.m_mechanicalVentilationModel.m_modelType = 1;
	m_mechanical->updateInput();
	EXPECT_EQ(combo->currentIndex(), 1);
	EXPECT_TRUE(setPoints->isHidden());
}


TEST_F(LoadInputPagesTest, NaturalVentilationTypes) {
	QComboBox * combo = child<QComboBox>(m_natural.get(), "comboBoxType");
	ScheduleInputWidget * schedule = child<ScheduleInputWidget>(m_natural.get(), "scheduleWidget");
	typeAndReturn(child<Edit>(m_natural.get(), "lineEditBaseVentilationRateDINNight"), "0.3");
	for (int t : { 3, 2, 1, 0, 3 }) {
		combo->setCurrentIndex(t);
		EXPECT_EQ(m_room.m_naturalVentilationModel.m_modelType, t);
		EXPECT_EQ(child<QStackedWidget>(m_natural.get(), "stackedWidget")->currentIndex(), t);
		EXPECT_EQ(editable(schedule), t != 0) << t;
		EXPECT_EQ(child<QGroupBox>(m_natural.get(), "groupBox_2")->title(), "Schedule for air change rates");
	}
	EXPECT_EQ(m_room.m_naturalVentilationModel.m_baseAirChangeRateNight, 0.3);
}


TEST_F(LoadInputPagesTest, NaturalVentilationPartnersShowEachOthersValue) {
	const struct { const char * m_typed; const char * m_partner; double RM::NaturalVentilationModel::* m_member; } pairs[] = {
		{ "lineEditBaseVentilationRate", "lineEditBaseVentilationRateDIN", &RM::NaturalVentilationModel::m_baseAirChangeRate },
		{ "lineEditBaseVentilationRateDIN", "lineEditBaseVentilationRate", &RM::NaturalVentilationModel::m_baseAirChangeRate },
		{ "lineEditMinRoomTemperature", "lineEditMinRoomTemperatureDay", &RM::NaturalVentilationModel::m_minTRoom },
		{ "lineEditMinRoomTemperatureDay", "lineEditMinRoomTemperature", &RM::NaturalVentilationModel::m_minTRoom },
	};
	double value = 12.25;
	for (const auto & p : pairs) {
		value += 1;
		typeAndReturn(child<Edit>(m_natural.get(), p.m_typed), QString::number(value));
		EXPECT_EQ(m_room.m_naturalVentilationModel.*p.m_member, value) << p.m_typed;
		EXPECT_EQ(child<Edit>(m_natural.get(), p.m_partner)->text(), QString::number(value)) << p.m_typed;
		// a refused entry does not reach the partner
		typeAndReturn(child<Edit>(m_natural.get(), p.m_typed), "nan");
		EXPECT_EQ(child<Edit>(m_natural.get(), p.m_partner)->text(), QString::number(value)) << p.m_typed;
	}
}


TEST_F(LoadInputPagesTest, OccupancyTimeMustStartBeforeItEnds) {
	QTimeEdit * start = child<QTimeEdit>(m_natural.get(), "timeEditStart");
	QTimeEdit * end = child<QTimeEdit>(m_natural.get(), "timeEditEnd");
	// both times set, then the editing of one of them finishes
	const auto finish = [&](const QTime & s, const QTime & e, QTimeEdit * finished) {
		start->setTime(s);
		end->setTime(e);
		emit finished->editingFinished();
	};
	finish(QTime(7, 0), QTime(19, 30), end);
	EXPECT_EQ(m_room.m_naturalVentilationModel.m_occupancyStartTime, QTime(7, 0));
	EXPECT_EQ(m_room.m_naturalVentilationModel.m_occupancyEndTime, QTime(19, 30));

	const struct { QTime m_start, m_end; QTimeEdit * m_finished; } refused[] = {
		{ QTime(8, 0), QTime(8, 0), start }, { QTime(20, 0), QTime(8, 0), end }
	};
	for (const auto & c : refused) {
		finish(c.m_start, c.m_end, c.m_finished);
		EXPECT_EQ(baseColor(start), QColor("#ff7777"));
		EXPECT_EQ(baseColor(end), QColor("#ff7777"));
		EXPECT_EQ(m_natural->toolTip(), "Start time must not be later than end time.");
		EXPECT_EQ(m_room.m_naturalVentilationModel.m_occupancyStartTime, QTime(7, 0));
		EXPECT_EQ(m_room.m_naturalVentilationModel.m_occupancyEndTime, QTime(19, 30));
	}
	finish(QTime(9, 0), QTime(17, 0), start);
	EXPECT_EQ(baseColor(start), QColor("#f9f6c8"));
	EXPECT_EQ(baseColor(end), QColor("#f9f6c8"));
	EXPECT_TRUE(m_natural->toolTip().isEmpty());
	EXPECT_EQ(m_room.m_naturalVentilationModel.m_occupancyStartTime, QTime(9, 0));
	EXPECT_EQ(m_room.m_naturalVentilationModel.m_occupancyEndTime, QTime(17, 0));
}


TEST_F(LoadInputPagesTest, DefaultButtonsWriteValuesAndWeekScheduleKeepingTheType) {
	struct Case {
		const char *	m_button;
		double			m_height;
		double			m_base;
		double			m_baseNight;
		QTime			m_start, m_end;
		int				m_firstDayHour, m_lastDayHour;
	};
	const Case cases[] = {
		{ "pushButtonResidentialDefaults", 2.5, 0.5, 0.5, QTime(6, 0), QTime(23, 0), 6, 22 },
		{ "pushButtonCommercialDefaults", 2.5, 1.6, 0.24, QTime(7, 0), QTime(18, 0), 7, 17 },
		// 4/3 at the six digits the project file keeps
		{ "pushButtonCommercialDefaults", 3.0, 1.33333, 0.24, QTime(7, 0), QTime(18, 0), 7, 17 },
	};
	RM::NaturalVentilationModel & m = m_room.m_naturalVentilationModel;
	for (int modelType : { 1, 3 }) {
		for (const Case & c : cases) {
			SCOPED_TRACE(std::string(c.m_button) + " type " + std::to_string(modelType));
			m.m_modelType = modelType;
			m.m_airChangeRates.m_type = RM::Schedule::CONSTANT;
			m.m_airChangeRates.m_constantValue = 0.7;
			m.m_airChangeRates.m_summerSchedule.assign(24, 1.5);
			m.m_TRoomDifference = 5;
			m_room.m_height = c.m_height;
			m_natural->updateInput();
			child<QPushButton>(m_natural.get(), c.m_button)->click();
			EXPECT_EQ(m.m_modelType, modelType);
			EXPECT_DOUBLE_EQ(m.m_baseAirChangeRate, c.m_base);
			EXPECT_DOUBLE_EQ(m.m_baseAirChangeRateNight, c.m_baseNight);
			EXPECT_EQ(m.m_minTRoom, 23);
			EXPECT_EQ(m.m_setTRoom, 23);
			EXPECT_EQ(m.m_TRoomDifference, 0);
			EXPECT_EQ(m.m_TRoomDifferenceNight, 0);
			EXPECT_EQ(m.m_occupancyStartTime, c.m_start);
			EXPECT_EQ(m.m_occupancyEndTime, c.m_end);
			EXPECT_EQ(m.m_airChangeRates.m_type, int(RM::Schedule::DAILY_WEEK));
			for (int h = 0; h < 24; ++h) {
				const double expected = h >= c.m_firstDayHour && h <= c.m_lastDayHour ? 3.0 : 5.0;
				EXPECT_EQ(m.m_airChangeRates.m_weekDaySchedule.at(size_t(h)), expected) << h;
				EXPECT_EQ(m.m_airChangeRates.m_weekEndSchedule.at(size_t(h)), expected) << h;
			}
			// the rest of the schedule stays
			EXPECT_EQ(m.m_airChangeRates.m_constantValue, 0.7);
			EXPECT_EQ(m.m_airChangeRates.m_summerSchedule, std::vector<double>(24, 1.5));
			// and the page shows the new values
			EXPECT_EQ(child<Edit>(m_natural.get(), "lineEditBaseVentilationRateDIN")->text(),
					  QString("%1").arg(c.m_base));
			EXPECT_EQ(child<QTimeEdit>(m_natural.get(), "timeEditEnd")->time(), c.m_end);
		}
	}
}


TEST_F(LoadInputPagesTest, GainsPagesShareOneRecord) {
	EXPECT_TRUE(child<QWidget>(m_occupancy.get(), "comboBoxOccupancyLoadType")->isHidden());
	EXPECT_TRUE(child<QWidget>(m_occupancy.get(), "labelType")->isHidden());
	EXPECT_TRUE(child<QWidget>(m_equipment.get(), "groupBoxModelParameters")->isHidden());
	EXPECT_TRUE(editable(child<ScheduleInputWidget>(m_equipment.get(), "scheduleWidget")));
	EXPECT_TRUE(editable(child<ScheduleInputWidget>(m_occupancy.get(), "scheduleWidget")));
	EXPECT_TRUE(editable(child<ScheduleInputWidget>(m_moisture.get(), "scheduleWidget")));

	m_room.m_userLoads.m_personLoad = 95.5;
	m_occupancy->updateInput();
	EXPECT_EQ(child<Edit>(m_occupancy.get(), "lineEditPersonLoad")->text(), "95.5");
	// a constant typed into the occupancy editor lands in the shared record only
	Edit * constant = child<Edit>(child<ScheduleInputWidget>(m_occupancy.get(), "scheduleWidget"), "lineEditConstantEdit");
	const double equipmentBefore = m_room.m_userLoads.m_equipmentLoad.m_constantValue;
	typeAndReturn(constant, "3");
	EXPECT_EQ(m_room.m_userLoads.m_occupancy.m_constantValue, 3);
	EXPECT_EQ(m_room.m_userLoads.m_equipmentLoad.m_constantValue, equipmentBefore);
}


TEST_F(LoadInputPagesTest, ShadingTypesWithoutAssessment) {
	struct Case {
		int		m_type;
		int		m_page;
		bool	m_editable;
	};
	const Case cases[] = { { 0, 0, false }, { 1, 0, true }, { 2, 1, false }, { 0, 0, false } };
	QComboBox * combo = child<QComboBox>(m_shading.get(), "comboBoxType");
	ScheduleInputWidget * schedule = child<ScheduleInputWidget>(m_shading.get(), "scheduleWidget");
	QStackedWidget * stack = child<QStackedWidget>(m_shading.get(), "stackedWidget");
	m_room.m_din4108_2Assessment.m_active = false;
	typeAndReturn(child<Edit>(m_shading.get(), "lineEditMaxRadIntensitySouth"), "321");
	for (const Case & c : cases) {
		combo->setCurrentIndex(c.m_type);
		EXPECT_EQ(m_room.m_shadingControlModel.m_modelType, c.m_type);
		EXPECT_EQ(stack->currentIndex(), c.m_page);
		EXPECT_EQ(editable(schedule), c.m_editable);
		// the same through a refresh
		combo->setCurrentIndex(c.m_type == 2 ? 0 : 2);
		m_room.m_shadingControlModel.m_modelType = c.m_type;
		m_shading->updateInput();
		EXPECT_EQ(combo->currentIndex(), c.m_type);
		EXPECT_EQ(stack->currentIndex(), c.m_page);
		EXPECT_EQ(editable(schedule), c.m_editable);
		EXPECT_EQ(m_room.m_shadingControlModel.m_maxRadiationIntensitySouth, 321);
	}
}


TEST_F(LoadInputPagesTest, ShadingUnderAnActiveAssessment) {
	RM::ShadingControlModel & s = m_room.m_shadingControlModel;
	RM::DIN4108_2Assessment & din = m_room.m_din4108_2Assessment;
	s.m_modelType = RM::ShadingControlModel::SCHEDULED;
	s.m_maxRadiationIntensityHorizontal = 11;
	s.m_maxRadiationIntensityWest = 12;
	s.m_maxRadiationIntensitySouth = 13;
	s.m_maxRadiationIntensityEast = 14;
	s.m_maxRadiationIntensityNorth = 15;
	const char * const edits[] = { "lineEditMaxRadIntensityHor", "lineEditMaxRadIntensityWest",
		"lineEditMaxRadIntensitySouth", "lineEditMaxRadIntensityEast", "lineEditMaxRadIntensityNorth" };
	const auto shown = [&]() {
		QStringList texts;
		for (const char * e : edits)
			texts << child<Edit>(m_shading.get(), e)->text();
		return texts.join(' ');
	};
	const auto recordUnchanged = [&]() {
		return s.m_maxRadiationIntensityHorizontal == 11 && s.m_maxRadiationIntensityWest == 12
				&& s.m_maxRadiationIntensitySouth == 13 && s.m_maxRadiationIntensityEast == 14
				&& s.m_maxRadiationIntensityNorth == 15;
	};
	const struct { bool m_residential; const char * m_limits; } cases[] = {
		{ true, "300 300 300 300 200" }, { false, "200 200 200 200 150" }
	};
	din.m_active = true;
	din.m_shadingControlType = 2;
	for (const auto & c : cases) {
		din.m_residential = c.m_residential;
		m_shading->updateInput();
		EXPECT_EQ(shown(), c.m_limits);
		EXPECT_EQ(child<QComboBox>(m_shading.get(), "comboBoxType")->currentText(), "Intensity-Controlled");
		EXPECT_EQ(child<QStackedWidget>(m_shading.get(), "stackedWidget")->currentIndex(), 1);
		EXPECT_FALSE(editable(child<ScheduleInputWidget>(m_shading.get(), "scheduleWidget")));
		// the record keeps its type for a return to the user-defined mode
		EXPECT_EQ(s.m_modelType, int(RM::ShadingControlModel::SCHEDULED));
		EXPECT_TRUE(recordUnchanged());
	}

	// the model decides (type 3): the page shows the record
	s.m_modelType = RM::ShadingControlModel::SCHEDULED;
	din.m_shadingControlType = 3;
	m_shading->updateInput();
	EXPECT_EQ(shown(), "11 12 13 14 15");
	EXPECT_EQ(child<QComboBox>(m_shading.get(), "comboBoxType")->currentText(), "Scheduled");
	EXPECT_TRUE(editable(child<ScheduleInputWidget>(m_shading.get(), "scheduleWidget")));
	EXPECT_EQ(s.m_modelType, int(RM::ShadingControlModel::SCHEDULED));

	// a refresh request without automatic shading changes nothing
	din.m_shadingControlType = 2;
	m_shading->updateShadingControl(false);
	EXPECT_EQ(shown(), "11 12 13 14 15");
	EXPECT_EQ(s.m_modelType, int(RM::ShadingControlModel::SCHEDULED));
	m_shading->updateShadingControl(true);
	EXPECT_EQ(shown(), "200 200 200 200 150");	// the last case is non-residential
}

} // namespace
