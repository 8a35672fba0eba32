#include "RM_ValueChecks.h"

#include <cmath>
#include <vector>

#include <QCoreApplication>

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

/*! Context of the checks' texts: they reach the user in the program's language (English
	without an installed translation). */
class ValueChecks {
public:
	static std::string tr(const char * text) {
		return QCoreApplication::translate("RM::ValueChecks", text).toStdString();
	}
};

const double MAX_MAGNITUDE = 1e9;

/*! Relative humidity in %. */
const ValueRange HUMIDITY_PERCENT = { 0, 100, false };

std::string rangeText(const ValueRange & r) {
	if (r.m_max == MAX_MAGNITUDE && r.m_min == 0)
		return BVX::FormatText(ValueChecks::tr("%1 0 and <= %2")).arg(r.m_minExcluded ? ">" : ">=").arg(MAX_MAGNITUDE).str();
	return BVX::FormatText(ValueChecks::tr("between %1 and %2")).arg(r.m_min).arg(r.m_max).str();
}

std::string modelOwner(const std::string & kind, const QString & name) {
	return BVX::FormatText("%1 '%2'").arg(kind).arg(name.toStdString()).str();
}

std::string itemOwner(const std::string & kind, const AbstractDatabaseItem & item) {
	return BVX::FormatText(ValueChecks::tr("%1 '%2' (Id %3)")).arg(kind).arg(item.name().toStdString()).arg(item.m_id).str();
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
// no room, neighbouring zone, supply air or set point of a building lies outside; the
// constant air and material properties of the model hold only there
const ValueRange TEMPERATURE	= { -100, 200, false };
const ValueRange FINITE			= { -MAX_MAGNITUDE, MAX_MAGNITUDE, false };
// beyond 180 degrees the angle names a surface again that 0..180 already holds, and the
// radiation on it would be computed for a surface turned inside out
const ValueRange INCLINATION	= { 0, 180, false };
// the densest server rooms dissipate some kW per m2 of floor; far beyond that the room air
// heats by thousands of kelvin per hour and the solver fails instead of telling the value
const ValueRange EQUIPMENT_LOAD	= { 0, 10000, false };


bool inRange(double value, const ValueRange & range) {
	// written so that NaN fails every comparison
	const bool aboveMin = range.m_minExcluded ? value > range.m_min : value >= range.m_min;
	return aboveMin && value <= range.m_max;
}


void checkValue(double value, const ValueRange & range, const std::string & field, const std::string & owner) {
	if (inRange(value, range))
		return;
	throw BVX::Exception(BVX::FormatText(ValueChecks::tr("%1 of %2 is %3 but must be %4!")).arg(field).arg(owner).arg(value)
						 .arg(rangeText(range)), FUNC_ID);
}


void checkSchedule(const Schedule & schedule, const ValueRange & range, const std::string & field,
				   const std::string & owner)
{
	const std::string name = BVX::FormatText(ValueChecks::tr("%1 schedule")).arg(field).str();
	checkValue(schedule.m_constantValue, range, name, owner);
	checkValues(schedule.m_summerSchedule, range, name, owner);
	checkValues(schedule.m_winterSchedule, range, name, owner);
	checkValues(schedule.m_weekDaySchedule, range, name, owner);
	checkValues(schedule.m_weekEndSchedule, range, name, owner);
	checkValues(schedule.m_annualValues, range, name, owner);
}


void checkRoomValues(const Room & room) {
	const std::string owner = ValueChecks::tr("the room");
	checkValue(room.m_area, POSITIVE, ValueChecks::tr("Floor area 'Area'"), owner);
	checkValue(room.m_height, POSITIVE, ValueChecks::tr("Height 'Height'"), owner);
	checkValue(room.m_TInitial, TEMPERATURE, ValueChecks::tr("Initial temperature 'TInitial'"), owner);
	checkValue(room.m_RHInitial, FRACTION, ValueChecks::tr("Initial relative humidity 'RHInitial'"), owner);
	checkValue(room.m_albedo, FRACTION, ValueChecks::tr("Ground reflectance 'Albedo'"), owner);
	checkValue(room.m_gammaHC, FRACTION, ValueChecks::tr("Convective fraction of heating/cooling 'GammaHC'"), owner);
	checkValue(room.m_gammaRad, FRACTION, ValueChecks::tr("Convective fraction of solar gains 'GammaRad'"), owner);
	checkValue(room.m_additionalMass, NON_NEGATIVE, ValueChecks::tr("Additional mass 'AdditionalMass'"), owner);
	checkValue(room.m_additionalMassHeatCapacity, NON_NEGATIVE,
			   ValueChecks::tr("Heat capacity of additional mass 'AdditionalMassHeatCapacity'"), owner);

	const HeatingModel & heating = room.m_heatingModel;
	if (heating.m_modelType != HeatingModel::NONE) {
		const std::string o = modelOwner(ValueChecks::tr("heating model"), heating.m_name);
		checkValue(heating.m_maxPower, NON_NEGATIVE, ValueChecks::tr("Maximum power 'MaxPower'"), o);
		checkSchedule(heating.m_setPoints, TEMPERATURE, ValueChecks::tr("Set point"), o);
	}
	const CoolingModel & cooling = room.m_coolingModel;
	if (cooling.m_modelType != CoolingModel::NONE) {
		const std::string o = modelOwner(ValueChecks::tr("cooling model"), cooling.m_name);
		checkValue(cooling.m_maxPower, NON_NEGATIVE, ValueChecks::tr("Maximum power 'MaxPower'"), o);
		checkValues(cooling.m_maxPowerCurve.y(), NON_NEGATIVE, ValueChecks::tr("Maximum power curve"), o);
		checkSchedule(cooling.m_setPoints, TEMPERATURE, ValueChecks::tr("Set point"), o);
		checkSchedule(cooling.m_humiditySetPoints, HUMIDITY_PERCENT, ValueChecks::tr("Humidity set point"), o);
	}
	const MechanicalVentilationModel & mech = room.m_mechanicalVentilationModel;
	if (mech.m_modelType != MechanicalVentilationModel::NONE) {
		const std::string o = modelOwner(ValueChecks::tr("mechanical ventilation model"), mech.m_name);
		checkValue(mech.m_supplyTemperature, TEMPERATURE, ValueChecks::tr("Supply temperature 'SupplyTemperature'"), o);
		checkValue(mech.m_maxSupplyFlowRate, NON_NEGATIVE, ValueChecks::tr("Maximum supply flow rate 'MaxSupplyFlowRate'"), o);
		checkValue(mech.m_heatRecoveryEfficiency, FRACTION, ValueChecks::tr("Heat recovery efficiency 'HeatRecoveryEfficiency'"), o);
		checkValue(mech.m_heatRecoverySetpoint, TEMPERATURE, ValueChecks::tr("Heat recovery set point 'HeatRecoverySetpoint'"), o);
		checkSchedule(mech.m_setPoints, TEMPERATURE, ValueChecks::tr("Set point"), o);
		checkSchedule(mech.m_humiditySetPoints, HUMIDITY_PERCENT, ValueChecks::tr("Humidity set point"), o);
		checkSchedule(mech.m_ventilationRates, NON_NEGATIVE, ValueChecks::tr("Ventilation rate"), o);
	}
	const NaturalVentilationModel & nat = room.m_naturalVentilationModel;
	if (nat.m_modelType != NaturalVentilationModel::NONE) {
		const std::string o = modelOwner(ValueChecks::tr("natural ventilation model"), nat.m_name);
		checkSchedule(nat.m_airChangeRates, NON_NEGATIVE, ValueChecks::tr("Air change rate"), o);
		checkValue(nat.m_baseAirChangeRate, NON_NEGATIVE, ValueChecks::tr("Base air change rate 'BaseAirChangeRate'"), o);
		checkValue(nat.m_baseAirChangeRateNight, NON_NEGATIVE, ValueChecks::tr("Night air change rate 'BaseAirChangeRateNight'"), o);
		checkValue(nat.m_minTRoom, TEMPERATURE, ValueChecks::tr("Minimum room temperature 'MinTRoom'"), o);
		checkValue(nat.m_setTRoom, TEMPERATURE, ValueChecks::tr("Room set point 'SetTRoom'"), o);
		checkValue(nat.m_TRoomDifference, FINITE, ValueChecks::tr("Temperature difference 'TRoomDifference'"), o);
		checkValue(nat.m_TRoomDifferenceNight, FINITE, ValueChecks::tr("Night temperature difference 'TRoomDifferenceNight'"), o);
	}
	const std::string loads = modelOwner(ValueChecks::tr("user loads"), room.m_userLoads.m_name);
	checkValue(room.m_userLoads.m_personLoad, NON_NEGATIVE, ValueChecks::tr("Load per person 'PersonLoad'"), loads);
	checkSchedule(room.m_userLoads.m_occupancy, NON_NEGATIVE, ValueChecks::tr("Occupancy"), loads);
	// gains, not sinks: a negative load would run as cooling or drying nobody installed
	checkSchedule(room.m_userLoads.m_equipmentLoad, EQUIPMENT_LOAD, ValueChecks::tr("Equipment load"), loads);
	checkSchedule(room.m_moistureLoads.m_moistureLoad, NON_NEGATIVE, ValueChecks::tr("Moisture load"),
				  modelOwner(ValueChecks::tr("moisture loads"), room.m_moistureLoads.m_name));

	// the radiation limits are only compared with: any finite limit is sound
	const ShadingControlModel & shading = room.m_shadingControlModel;
	const std::string so = modelOwner(ValueChecks::tr("shading control model"), shading.m_name);
	checkSchedule(shading.m_shadingDegree, FRACTION, ValueChecks::tr("Shading degree"), so);

	const DIN4108_2Assessment & din = room.m_din4108_2Assessment;
	if (din.m_active) {
		const std::string o = ValueChecks::tr("the DIN 4108-2 settings");
		checkValue(din.m_maximumHeatingPower, NON_NEGATIVE, ValueChecks::tr("Maximum heating power"), o);
		checkValue(din.m_enhancedDayVentilationValue, NON_NEGATIVE, ValueChecks::tr("Enhanced day ventilation"), o);
		checkValue(din.m_enhancedNightVentilationValue, NON_NEGATIVE, ValueChecks::tr("Enhanced night ventilation"), o);
	}
}


void checkSurfaceValues(const RoomConstruction & rc, unsigned int k) {
	const std::string owner = BVX::FormatText(ValueChecks::tr("wall #%1")).arg(k).str();
	checkValue(rc.m_orientation, FINITE, ValueChecks::tr("Orientation 'orientation'"), owner);
	checkValue(rc.m_inclination, INCLINATION, ValueChecks::tr("Inclination 'inclination'"), owner);
	checkValue(rc.m_AW, NON_NEGATIVE, ValueChecks::tr("Wall area 'AW'"), owner);
	checkValue(rc.m_AF, NON_NEGATIVE, ValueChecks::tr("Window area 'AF'"), owner);
	checkValue(rc.m_ad, FRACTION, ValueChecks::tr("Adsorption coefficient 'ad'"), owner);
	checkValue(rc.m_R_ue, POSITIVE, ValueChecks::tr("Outside surface resistance 'R_ue'"), owner);
	checkValue(rc.m_R_ui, POSITIVE, ValueChecks::tr("Inside surface resistance 'R_ui'"), owner);
	checkValue(rc.m_beta_e, NON_NEGATIVE, ValueChecks::tr("Outside vapour transfer coefficient 'beta_e'"), owner);
	checkValue(rc.m_beta_i, NON_NEGATIVE, ValueChecks::tr("Inside vapour transfer coefficient 'beta_i'"), owner);
	// the zone values are used by surfaces towards a zone of fixed temperature only
	if (rc.m_type != RoomConstruction::FixedTemperature)
		return;
	checkValue(rc.m_zoneT - T_KELVIN, TEMPERATURE, ValueChecks::tr("Zone temperature 'zoneT'"), owner);
	checkValue(rc.m_zoneRH, FRACTION, ValueChecks::tr("Zone relative humidity 'zoneRH'"), owner);
}


void checkConstructionTypeValues(const ConstructionType & ct) {
	checkValues(ct.m_d, POSITIVE, ValueChecks::tr("Layer thickness 'd'"), itemOwner(ValueChecks::tr("construction type"), ct));
}


void checkMaterialValues(const Material & m) {
	const std::string owner = itemOwner(ValueChecks::tr("material"), m);
	checkValue(m.m_lambda, POSITIVE, ValueChecks::tr("Thermal conductivity 'lambda'"), owner);
	checkValue(m.m_rho, POSITIVE, ValueChecks::tr("Density 'rho'"), owner);
	checkValue(m.m_cT, POSITIVE, ValueChecks::tr("Heat capacity 'cT'"), owner);
	checkValue(m.m_mu, NON_NEGATIVE, ValueChecks::tr("Vapour diffusion resistance 'mu'"), owner);
	checkValue(m.m_HPCM, NON_NEGATIVE, ValueChecks::tr("Phase change enthalpy 'HPCM'"), owner);
	checkValue(m.m_TPCMLow, TEMPERATURE, ValueChecks::tr("Phase change temperature 'TPCMLow'"), owner);
	checkValues(m.m_sorptionIsotherm.y(), NON_NEGATIVE, ValueChecks::tr("Sorption isotherm"), owner);
}


void checkWindowTypeValues(const WindowType & w) {
	const std::string owner = itemOwner(ValueChecks::tr("window type"), w);
	checkValue(w.m_U, POSITIVE, ValueChecks::tr("Thermal transmittance 'U'"), owner);
	checkValue(w.m_g, FRACTION, ValueChecks::tr("Solar heat gain coefficient 'g'"), owner);
	checkValue(w.m_f, FRACTION, ValueChecks::tr("Glass fraction 'f'"), owner);
	checkValues(w.m_relativeSHGC.y(), NON_NEGATIVE, ValueChecks::tr("Relative solar heat gain coefficient"), owner);
}


void checkShadingTypeValues(const ShadingType & s) {
	checkValue(s.m_z, FRACTION, ValueChecks::tr("Shading factor 'z'"), itemOwner(ValueChecks::tr("shading type"), s));
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
