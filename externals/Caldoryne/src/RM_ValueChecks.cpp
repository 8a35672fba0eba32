#include "RM_ValueChecks.h"

#include <cmath>
#include <vector>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>

#include "RM_ConstructionType.h"
#include "RM_Database.h"
#include "RM_Material.h"
#include "RM_Physics.h"
#include "RM_Room.h"
#include "RM_ShadingType.h"
#include "RM_WindowType.h"

namespace RM {

namespace {

const char * const FUNC_ID = "[CaldoryneModel::init]";
const double MAX_MAGNITUDE = 1e9;

/*! Relative humidity in %. */
const ValueRange HUMIDITY_PERCENT = { 0, 100, false };

std::string rangeText(const ValueRange & r) {
	if (r.m_max == MAX_MAGNITUDE && r.m_min == 0)
		return BVX::FormatText("%1 0 and <= %2").arg(r.m_minExcluded ? ">" : ">=").arg(MAX_MAGNITUDE).str();
	return BVX::FormatText("between %1 and %2").arg(r.m_min).arg(r.m_max).str();
}

std::string modelOwner(const char * kind, const QString & name) {
	return BVX::FormatText("%1 '%2'").arg(kind).arg(name.toStdString()).str();
}

std::string itemOwner(const char * kind, const AbstractDatabaseItem & item) {
	return BVX::FormatText("%1 '%2' (Id %3)").arg(kind).arg(item.name().toStdString()).arg(item.m_id).str();
}

void checkValues(const std::vector<double> & values, const ValueRange & range, const std::string & field,
				 const std::string & owner)
{
	for (double v : values)
		checkValue(v, range, field, owner);
}

} // namespace


const ValueRange POSITIVE		= { 0, MAX_MAGNITUDE, true };
const ValueRange NON_NEGATIVE	= { 0, MAX_MAGNITUDE, false };
const ValueRange FRACTION		= { 0, 1, false };
const ValueRange TEMPERATURE	= { -100, 200, false };
const ValueRange FINITE			= { -MAX_MAGNITUDE, MAX_MAGNITUDE, false };


bool inRange(double value, const ValueRange & range) {
	// written so that NaN fails every comparison
	const bool aboveMin = range.m_minExcluded ? value > range.m_min : value >= range.m_min;
	return aboveMin && value <= range.m_max;
}


void checkValue(double value, const ValueRange & range, const std::string & field, const std::string & owner) {
	if (inRange(value, range))
		return;
	throw BVX::Exception(BVX::FormatText("%1 of %2 is %3 but must be %4!").arg(field).arg(owner).arg(value)
						 .arg(rangeText(range)), FUNC_ID);
}


void checkSchedule(const Schedule & schedule, const ValueRange & range, const std::string & field,
				   const std::string & owner)
{
	const std::string name = field + " schedule";
	checkValue(schedule.m_constantValue, range, name, owner);
	checkValues(schedule.m_summerSchedule, range, name, owner);
	checkValues(schedule.m_winterSchedule, range, name, owner);
	checkValues(schedule.m_weekDaySchedule, range, name, owner);
	checkValues(schedule.m_weekEndSchedule, range, name, owner);
	checkValues(schedule.m_annualValues, range, name, owner);
}


void checkRoomValues(const Room & room) {
	const std::string owner = "the room";
	checkValue(room.m_area, POSITIVE, "Floor area 'Area'", owner);
	checkValue(room.m_height, POSITIVE, "Height 'Height'", owner);
	checkValue(room.m_TInitial, TEMPERATURE, "Initial temperature 'TInitial'", owner);
	checkValue(room.m_RHInitial, FRACTION, "Initial relative humidity 'RHInitial'", owner);
	checkValue(room.m_albedo, FRACTION, "Ground reflectance 'Albedo'", owner);
	checkValue(room.m_gammaHC, FRACTION, "Convective fraction of heating/cooling 'GammaHC'", owner);
	checkValue(room.m_gammaRad, FRACTION, "Convective fraction of solar gains 'GammaRad'", owner);
	checkValue(room.m_additionalMass, NON_NEGATIVE, "Additional mass 'AdditionalMass'", owner);
	checkValue(room.m_additionalMassHeatCapacity, NON_NEGATIVE,
			   "Heat capacity of additional mass 'AdditionalMassHeatCapacity'", owner);

	const HeatingModel & heating = room.m_heatingModel;
	if (heating.m_modelType != HeatingModel::NONE) {
		const std::string o = modelOwner("heating model", heating.m_name);
		checkValue(heating.m_maxPower, NON_NEGATIVE, "Maximum power 'MaxPower'", o);
		checkSchedule(heating.m_setPoints, TEMPERATURE, "Set point", o);
	}
	const CoolingModel & cooling = room.m_coolingModel;
	if (cooling.m_modelType != CoolingModel::NONE) {
		const std::string o = modelOwner("cooling model", cooling.m_name);
		checkValue(cooling.m_maxPower, NON_NEGATIVE, "Maximum power 'MaxPower'", o);
		checkValues(cooling.m_maxPowerCurve.y(), NON_NEGATIVE, "Maximum power curve", o);
		checkSchedule(cooling.m_setPoints, TEMPERATURE, "Set point", o);
		checkSchedule(cooling.m_humiditySetPoints, HUMIDITY_PERCENT, "Humidity set point", o);
	}
	const MechanicalVentilationModel & mech = room.m_mechanicalVentilationModel;
	if (mech.m_modelType != MechanicalVentilationModel::NONE) {
		const std::string o = modelOwner("mechanical ventilation model", mech.m_name);
		checkValue(mech.m_supplyTemperature, TEMPERATURE, "Supply temperature 'SupplyTemperature'", o);
		checkValue(mech.m_maxSupplyFlowRate, NON_NEGATIVE, "Maximum supply flow rate 'MaxSupplyFlowRate'", o);
		checkValue(mech.m_heatRecoveryEfficiency, FRACTION, "Heat recovery efficiency 'HeatRecoveryEfficiency'", o);
		checkValue(mech.m_heatRecoverySetpoint, TEMPERATURE, "Heat recovery set point 'HeatRecoverySetpoint'", o);
		checkSchedule(mech.m_setPoints, TEMPERATURE, "Set point", o);
		checkSchedule(mech.m_humiditySetPoints, HUMIDITY_PERCENT, "Humidity set point", o);
		checkSchedule(mech.m_ventilationRates, NON_NEGATIVE, "Ventilation rate", o);
	}
	const NaturalVentilationModel & nat = room.m_naturalVentilationModel;
	if (nat.m_modelType != NaturalVentilationModel::NONE) {
		const std::string o = modelOwner("natural ventilation model", nat.m_name);
		checkSchedule(nat.m_airChangeRates, NON_NEGATIVE, "Air change rate", o);
		checkValue(nat.m_baseAirChangeRate, NON_NEGATIVE, "Base air change rate 'BaseAirChangeRate'", o);
		checkValue(nat.m_baseAirChangeRateNight, NON_NEGATIVE, "Night air change rate 'BaseAirChangeRateNight'", o);
		checkValue(nat.m_minTRoom, TEMPERATURE, "Minimum room temperature 'MinTRoom'", o);
		checkValue(nat.m_setTRoom, TEMPERATURE, "Room set point 'SetTRoom'", o);
		checkValue(nat.m_TRoomDifference, FINITE, "Temperature difference 'TRoomDifference'", o);
		checkValue(nat.m_TRoomDifferenceNight, FINITE, "Night temperature difference 'TRoomDifferenceNight'", o);
	}
	const std::string loads = modelOwner("user loads", room.m_userLoads.m_name);
	checkValue(room.m_userLoads.m_personLoad, NON_NEGATIVE, "Load per person 'PersonLoad'", loads);
	checkSchedule(room.m_userLoads.m_occupancy, NON_NEGATIVE, "Occupancy", loads);
	// gains, not sinks: a negative load would run as cooling or drying nobody installed
	checkSchedule(room.m_userLoads.m_equipmentLoad, NON_NEGATIVE, "Equipment load", loads);
	checkSchedule(room.m_moistureLoads.m_moistureLoad, NON_NEGATIVE, "Moisture load",
				  modelOwner("moisture loads", room.m_moistureLoads.m_name));

	// the radiation limits are only compared with: any finite limit is sound
	const ShadingControlModel & shading = room.m_shadingControlModel;
	const std::string so = modelOwner("shading control model", shading.m_name);
	checkSchedule(shading.m_shadingDegree, FRACTION, "Shading degree", so);

	const DIN4108_2Assessment & din = room.m_din4108_2Assessment;
	if (din.m_active) {
		const std::string o = "the DIN 4108-2 settings";
		checkValue(din.m_maximumHeatingPower, NON_NEGATIVE, "Maximum heating power", o);
		checkValue(din.m_enhancedDayVentilationValue, NON_NEGATIVE, "Enhanced day ventilation", o);
		checkValue(din.m_enhancedNightVentilationValue, NON_NEGATIVE, "Enhanced night ventilation", o);
	}
}


void checkSurfaceValues(const RoomConstruction & rc, unsigned int k) {
	const std::string owner = BVX::FormatText("wall #%1").arg(k).str();
	checkValue(rc.m_orientation, FINITE, "Orientation 'orientation'", owner);
	checkValue(rc.m_inclination, FINITE, "Inclination 'inclination'", owner);
	checkValue(rc.m_AW, NON_NEGATIVE, "Wall area 'AW'", owner);
	checkValue(rc.m_AF, NON_NEGATIVE, "Window area 'AF'", owner);
	checkValue(rc.m_ad, FRACTION, "Adsorption coefficient 'ad'", owner);
	checkValue(rc.m_R_ue, POSITIVE, "Outside surface resistance 'R_ue'", owner);
	checkValue(rc.m_R_ui, POSITIVE, "Inside surface resistance 'R_ui'", owner);
	checkValue(rc.m_beta_e, NON_NEGATIVE, "Outside vapour transfer coefficient 'beta_e'", owner);
	checkValue(rc.m_beta_i, NON_NEGATIVE, "Inside vapour transfer coefficient 'beta_i'", owner);
	// the zone values are used by surfaces towards a zone of fixed temperature only
	if (rc.m_type != RoomConstruction::FixedTemperature)
		return;
	checkValue(rc.m_zoneT - T_KELVIN, TEMPERATURE, "Zone temperature 'zoneT'", owner);
	checkValue(rc.m_zoneRH, FRACTION, "Zone relative humidity 'zoneRH'", owner);
}


void checkConstructionTypeValues(const ConstructionType & ct) {
	checkValues(ct.m_d, POSITIVE, "Layer thickness 'd'", itemOwner("construction type", ct));
}


void checkMaterialValues(const Material & m) {
	const std::string owner = itemOwner("material", m);
	checkValue(m.m_lambda, POSITIVE, "Thermal conductivity 'lambda'", owner);
	checkValue(m.m_rho, POSITIVE, "Density 'rho'", owner);
	checkValue(m.m_cT, POSITIVE, "Heat capacity 'cT'", owner);
	checkValue(m.m_mu, NON_NEGATIVE, "Vapour diffusion resistance 'mu'", owner);
	checkValue(m.m_HPCM, NON_NEGATIVE, "Phase change enthalpy 'HPCM'", owner);
	checkValue(m.m_TPCMLow, TEMPERATURE, "Phase change temperature 'TPCMLow'", owner);
	checkValues(m.m_sorptionIsotherm.y(), NON_NEGATIVE, "Sorption isotherm", owner);
}


void checkWindowTypeValues(const WindowType & w) {
	const std::string owner = itemOwner("window type", w);
	checkValue(w.m_U, POSITIVE, "Thermal transmittance 'U'", owner);
	checkValue(w.m_g, FRACTION, "Solar heat gain coefficient 'g'", owner);
	checkValue(w.m_f, FRACTION, "Glass fraction 'f'", owner);
	checkValues(w.m_relativeSHGC.y(), NON_NEGATIVE, "Relative solar heat gain coefficient", owner);
}


void checkShadingTypeValues(const ShadingType & s) {
	checkValue(s.m_z, FRACTION, "Shading factor 'z'", itemOwner("shading type", s));
}


void checkItemValues(const RoomConstruction & rc, const Database & db) {
	const ConstructionType * ct = db.constructionType(rc.m_constructionId);
	if (ct != nullptr) {
		checkConstructionTypeValues(*ct);
		for (unsigned int id : ct->m_materialIds) {
			const Material * m = db.material(id);
			if (m != nullptr)
				checkMaterialValues(*m);
		}
	}
	const WindowType * w = rc.m_windowId == 0 ? nullptr : db.windowType(rc.m_windowId);
	if (w == nullptr)
		return;
	checkWindowTypeValues(*w);
	const ShadingType * s = rc.m_shadingTypeId == 0 ? nullptr : db.shadingType(rc.m_shadingTypeId);
	if (s != nullptr)
		checkShadingTypeValues(*s);
}


void checkProjectValues(const Room & room, const Database & db) {
	checkRoomValues(room);
	for (unsigned int k = 0; k < room.m_constructions.size(); ++k) {
		checkSurfaceValues(room.m_constructions[k], k);
		checkItemValues(room.m_constructions[k], db);
	}
}

} // namespace RM
