#include "ReportModelTexts.h"

#include <algorithm>

#include <RM_CoolingModel.h>
#include <RM_HeatingModel.h>
#include <RM_MechanicalVentilationModel.h>
#include <RM_NaturalVentilationModel.h>
#include <RM_Schedule.h>
#include <RM_ShadingControlModel.h>
#include <RM_UserLoads.h>

namespace {

const char * const PER_HOUR = "h<sup>-1</sup>";
const char * const CELSIUS = "&deg;C";
const unsigned int HOURS_PER_YEAR = 8760;

} // namespace


QString ReportModelTexts::valueText(double value, const QString & unit, int decimals) {
	return QString("%L1 %2").arg(value, 0, 'f', decimals).arg(unit).trimmed();
}


QString ReportModelTexts::scheduleText(const RM::Schedule & schedule, const QString & unit, int decimals) {
	if (schedule.m_type == RM::Schedule::CONSTANT)
		return valueText(schedule.m_constantValue, unit, decimals);
	double lo = schedule.value(0, 0);
	double hi = lo;
	for (unsigned int h = 1; h < HOURS_PER_YEAR; ++h) {
		const double v = schedule.value(h, h*3600.0);
		lo = std::min(lo, v);
		hi = std::max(hi, v);
	}
	return tr("schedule, %L1 to %2").arg(lo, 0, 'f', decimals).arg(valueText(hi, unit, decimals));
}


ReportModelTexts::Rows ReportModelTexts::naturalVentilation(const RM::NaturalVentilationModel & model) {
	typedef RM::NaturalVentilationModel M;
	switch (model.m_modelType) {
		case M::SIMPLE :
			return { { tr("Natural ventilation:"), tr("Air change rate by schedule") },
					 { tr("Air change rate:"), scheduleText(model.m_airChangeRates, PER_HOUR, 2) } };
		case M::MANAGED :
			return { { tr("Natural ventilation:"), tr("Window ventilation managed by room temperature") },
					 { tr("Base air change rate:"), valueText(model.m_baseAirChangeRate, PER_HOUR, 2) },
					 { tr("Raised air change rate:"), scheduleText(model.m_airChangeRates, PER_HOUR, 2) },
					 { tr("Raised above room temperature:"), valueText(model.m_minTRoom, CELSIUS, 1) } };
		case M::DIN :
			return { { tr("Natural ventilation:"), tr("Window ventilation by time of occupancy") },
					 { tr("Base air change rate:"), valueText(model.m_baseAirChangeRate, PER_HOUR, 2) },
					 { tr("Base air change rate outside occupancy:"), valueText(model.m_baseAirChangeRateNight, PER_HOUR, 2) },
					 { tr("Raised air change rate:"), scheduleText(model.m_airChangeRates, PER_HOUR, 2) } };
		default :
			return { { tr("Natural ventilation:"), tr("none") } };
	}
}


ReportModelTexts::Rows ReportModelTexts::mechanicalVentilation(const RM::MechanicalVentilationModel & model) {
	typedef RM::MechanicalVentilationModel M;
	const QString flow = scheduleText(model.m_ventilationRates, "m<sup>3</sup>/h", 1);
	switch (model.m_modelType) {
		case M::MECHANICAL_VENTILATION :
			return { { tr("Mechanical ventilation:"), tr("Supply and exhaust air with heat recovery") },
					 { tr("Air flow:"), flow },
					 { tr("Heat recovery efficiency:"), valueText(model.m_heatRecoveryEfficiency*100, "%", 0) } };
		case M::MECHANICAL_VENTILATION_COOLING :
			return { { tr("Mechanical ventilation:"), tr("Supply air cooling") },
					 { tr("Air flow:"), flow },
					 { tr("Supply air temperature:"), valueText(model.m_supplyTemperature, CELSIUS, 1) } };
		default :
			return { { tr("Mechanical ventilation:"), tr("none") } };
	}
}


ReportModelTexts::Rows ReportModelTexts::internalLoads(const RM::UserLoads & loads) {
	return { { tr("Equipment:"), scheduleText(loads.m_equipmentLoad, "W/m<sup>2</sup>", 1) },
			 { tr("Occupancy:"), scheduleText(loads.m_occupancy, tr("persons"), 1) },
			 { tr("Heat gain per person:"), valueText(loads.m_personLoad, "W", 0) } };
}


ReportModelTexts::Rows ReportModelTexts::heating(const RM::HeatingModel & model) {
	if (model.m_modelType != RM::HeatingModel::SIMPLE)
		return { { tr("Heating:"), tr("none") } };
	return { { tr("Heating:"), tr("Ideal heating up to a maximum power") },
			 { tr("Room temperature setpoint for heating:"), scheduleText(model.m_setPoints, CELSIUS, 1) },
			 { tr("Maximum heating power:"), valueText(model.m_maxPower, "W", 0) } };
}


ReportModelTexts::Rows ReportModelTexts::cooling(const RM::CoolingModel & model, bool moistureBalance) {
	if (model.m_modelType != RM::CoolingModel::SIMPLE)
		return { { tr("Cooling:"), tr("none") } };
	Rows rows = { { tr("Cooling:"), tr("Ideal cooling up to a maximum power") },
				  { tr("Room temperature setpoint for cooling:"), scheduleText(model.m_setPoints, CELSIUS, 1) } };
	const BVX::LinearSpline & curve = model.m_maxPowerCurve;
	if (curve.valid() && !curve.y().empty()) {
		// the power available follows the set point
		const auto range = std::minmax_element(curve.y().begin(), curve.y().end());
		rows.push_back({ tr("Maximum cooling power:"), tr("%L1 to %2 by the setpoint")
						 .arg(*range.first, 0, 'f', 0).arg(valueText(*range.second, "W", 0)) });
	}
	else
		rows.push_back({ tr("Maximum cooling power:"), valueText(model.m_maxPower, "W", 0) });
	if (moistureBalance)
		rows.push_back({ tr("Relative humidity setpoint for dehumidification:"),
						 scheduleText(model.m_humiditySetPoints, "%", 0) });
	return rows;
}


ReportModelTexts::Rows ReportModelTexts::shading(const RM::ShadingControlModel & model) {
	typedef RM::ShadingControlModel M;
	switch (model.m_modelType) {
		case M::CONSTANT :
			return { { tr("Shading:"), tr("always closed (shading value z of each window)") } };
		case M::SCHEDULED :
			return { { tr("Shading:"), tr("by schedule") },
					 { tr("Shading degree:"), scheduleText(model.m_shadingDegree, QString(), 2) } };
		case M::INTENSITY_CONTROLLED : {
			const QString unit = "W/m<sup>2</sup>";
			return { { tr("Shading:"), tr("closed above a radiation on the window") },
					 { tr("Horizontal:"), valueText(model.m_maxRadiationIntensityHorizontal, unit, 0) },
					 { tr("North:"), valueText(model.m_maxRadiationIntensityNorth, unit, 0) },
					 { tr("East:"), valueText(model.m_maxRadiationIntensityEast, unit, 0) },
					 { tr("South:"), valueText(model.m_maxRadiationIntensitySouth, unit, 0) },
					 { tr("West:"), valueText(model.m_maxRadiationIntensityWest, unit, 0) } };
		}
		default :
			return { { tr("Shading:"), tr("none") } };
	}
}
