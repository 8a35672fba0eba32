#include "RM_CaldoryneModel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QFileInfo>

#include <BVX_Exception.h>
#include <BVX_Math.h>
#include <BVX_MessageHandler.h>
#include <BVX_StringUtils.h>
#include <BVX_Unit.h>
#include <BVX_UnitVector.h>

#include <CLM_ClimateDataLoader.h>

#include "RM_Database.h"
#include "RM_Physics.h"
#include "RM_ValueChecks.h"

namespace RM {

namespace {

/*! Smallest construction area in m2; keeps per-area fluxes finite. */
const double MIN_CONSTRUCTION_AREA = 1e-8;
/*! Volumetric heat capacity of the room air in J/m3K. */
const double RHO_C_AIR = C_AIR*RHO_AIR;

} // namespace


CaldoryneModel::CaldoryneModel() :
	m_constructionCount(0),
	m_totalConstructionArea(0),
	m_n(0),
	m_unknownsPerNode(1),
	m_t(0),
	m_hourOfYear(0),
	m_boundaryConditionsTime(std::numeric_limits<double>::quiet_NaN()),
	m_Te(278.15),
	m_phie(0.5),
	m_pve(0),
	m_rhove(0),
	m_Ti(293.15),
	m_operativeTemperature(293.15),
	m_meanSurfaceTemperature(293.15),
	m_phii(0),
	m_pvi(0),
	m_rhovi(0),
	m_rhoDryAir(0),
	m_heatingLoad(0),
	m_coolingLoad(0),
	m_dehumidificationVapourFlow(0),
	m_dehumidificationEnthalpyFlow(0),
	m_latentCoolingLoad(0),
	m_mechanicalVentilationHeatFlow(0),
	m_mechanicalVentilationVapourFlow(0),
	m_mechanicalVentilationSupplyAirFlow(0),
	m_mechanicalVentilationCoolingPower(0),
	m_personLoads(0),
	m_equipmentLoads(0),
	m_naturalVentilationHeatFlow(0),
	m_naturalVentilationVapourFlow(0),
	m_moistureLoad(0),
	m_moistureLoadEnthalpyFlow(0),
	m_airChangeRate(0),
	m_occupancy(0),
	m_totalSolarGain(0),
	m_totalWindowTransmission(0),
	m_insideSurfaceHeatFlow(0),
	m_insideSurfaceVapourFlow(0),
	m_insideSurfaceEnthalpyFlow(0)
{
}


CaldoryneModel::~CaldoryneModel() {
}


// *** Initialisation ***

void CaldoryneModel::init(const Database & db) {
	const char * const FUNC_ID = "[CaldoryneModel::init]";

	if (!(m_room.volume() > 0))
		throw BVX::Exception("Room volume must not be negative or zero.", FUNC_ID);
	// two negative values give a positive volume
	if (!(m_room.m_area > 0))
		throw BVX::Exception(BVX::FormatText("Room floor area is %1 m2 but must be > 0!").arg(m_room.m_area, 0, 'g'), FUNC_ID);
	if (!(m_room.m_height > 0))
		throw BVX::Exception(BVX::FormatText("Room height is %1 m but must be > 0!").arg(m_room.m_height, 0, 'g'), FUNC_ID);
	checkRoomValues(m_room);

	SolarRadiationModel & solar = m_climate.m_solarRadiationModel;
	solar.m_albedo = m_room.m_albedo;
	solar.addSurface(0, 0); // the horizontal, surface 0

	m_totalConstructionArea = 0;
	m_constructions.clear();
	m_solvers.clear();
	m_offsets.clear();

	// all copies first: the solvers point into m_constructions, which must not move afterwards
	for (unsigned int k = 0; k < m_room.m_constructions.size(); ++k) {
		if (m_room.m_constructions[k].m_constructionId != 0)
			addConstruction(k, m_room.m_constructions[k]);
	}
	m_constructionCount = static_cast<unsigned int>(m_constructions.size());
	BVX::BVX_Message(BVX::FormatText("%1 constructions defined.\n").arg(m_constructionCount), BVX::MSG_PROGRESS, FUNC_ID, 1);
	// the room air alone has no surface temperature and no pattern to couple to
	if (m_constructionCount == 0)
		throw BVX::Exception("No constructions defined.", FUNC_ID);

	m_solvers.reserve(m_constructionCount);
	m_offsets.reserve(m_constructionCount);
	for (unsigned int i = 0; i < m_constructionCount; ++i)
		initConstruction(i, db);

	const unsigned int elementCount = m_offsets.back() + m_solvers.back().m_n;
	const unsigned int nodes = elementCount + 1; // the room air node
	BVX::BVX_Message("Setting constructions finished.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	if (m_room.m_moistureBalanceEnabled) {
		BVX::BVX_Message("Moisture balance enabled.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		m_unknownsPerNode = 2;
	}
	else {
		m_unknownsPerNode = 1;
	}
	m_n = nodes*m_unknownsPerNode;

	resizeConstructionVectors();
	for (unsigned int i = 0; i < m_constructionCount; ++i) {
		const double share = m_constructions[i].m_AW/m_totalConstructionArea;
		m_heatingRadiantFractions[i] = (1 - m_room.m_gammaHC)*share;
		m_solarRadiantFractions[i] = (1 - m_room.m_gammaRad)*share;
	}

	m_y.assign(m_n, 0);
	m_ydot.assign(m_n, 0);
	m_Ti = m_room.m_TInitial + T_KELVIN;
	m_t = 0;
	invalidateBoundaryConditions();
	setInitialStates();
	BVX::BVX_Message("Initial conditions calculated.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
}


RoomConstruction CaldoryneModel::modelWall(const RoomConstruction & rc) {
	RoomConstruction con = rc;
	if (con.m_type != RoomConstruction::Outside) {
		// a window only makes sense towards the outside: count it as wall
		con.m_windowId = 0;
		con.m_AW += con.m_AF;
		con.m_AF = 0;
	}
	return con;
}


void CaldoryneModel::describe(const Room & room) {
	m_room = room;
	m_constructions.clear();
	for (const RoomConstruction & rc : m_room.m_constructions)
		if (rc.m_constructionId != 0)
			m_constructions.push_back(modelWall(rc));
}


void CaldoryneModel::addConstruction(unsigned int k, const RoomConstruction & rc) {
	const char * const FUNC_ID = "[CaldoryneModel::init]";
	if (rc.m_type != RoomConstruction::Outside && rc.m_windowId != 0)
		BVX::BVX_Message(BVX::FormatText("Warning: Window specified for inside/floor construction #%1. "
										 "Window type and area set to zero!").arg(k), BVX::MSG_WARNING, FUNC_ID, 1);
	RoomConstruction con = modelWall(rc);
	if (con.m_type == RoomConstruction::Outside) {
		con.m_solarSurfaceId = m_climate.m_solarRadiationModel.addSurface(con.m_orientation*BVX::DEG_TO_RAD,
																		  con.m_inclination*BVX::DEG_TO_RAD);
	}
	if (con.m_AW < MIN_CONSTRUCTION_AREA)
		con.m_AW = MIN_CONSTRUCTION_AREA;

	if (con.m_ad < 0)
		throw BVX::Exception(BVX::FormatText("Adsorption coefficient of wall #%1 is negative but must be >= 0!").arg(k), FUNC_ID);
	if (!(con.m_R_ue > 0))
		throw BVX::Exception(BVX::FormatText("Convective heat transfer coefficient R_ue of wall #%1 is negative or zero but must be > 0!").arg(k), FUNC_ID);
	if (!(con.m_R_ui > 0))
		throw BVX::Exception(BVX::FormatText("Convective heat transfer coefficient R_ui of wall #%1 is negative or zero but must be > 0!").arg(k), FUNC_ID);
	// a negative window area would turn solar gains and transmission around
	if (con.m_AF < 0)
		throw BVX::Exception(BVX::FormatText("Window area of wall #%1 is negative but must be >= 0!").arg(k), FUNC_ID);
	checkSurfaceValues(con, k);
	m_constructions.push_back(con);
}


void CaldoryneModel::initConstruction(unsigned int i, const Database & db) {
	const char * const FUNC_ID = "[CaldoryneModel::init]";
	RoomConstruction & con = m_constructions[i];

	con.m_constructionType = db.constructionType(con.m_constructionId);
	if (con.m_constructionType == nullptr)
		throw BVX::Exception(BVX::FormatText("Construction type with Id '%1' not defined.").arg(con.m_constructionId), FUNC_ID);
	BVX::BVX_Message(BVX::FormatText("Initializing construction #%1.\n").arg(i), BVX::MSG_PROGRESS, FUNC_ID, 1);

	con.m_windowType = nullptr;
	if (con.m_windowId != 0) {
		con.m_windowType = db.windowType(con.m_windowId);
		if (con.m_windowType == nullptr)
			throw BVX::Exception(BVX::FormatText("Window type with Id '%1' not defined.").arg(con.m_windowId), FUNC_ID);
	}
	con.m_shadingType = nullptr;
	if (con.m_shadingTypeId != 0) {
		if (con.m_windowType != nullptr) {
			con.m_shadingType = db.shadingType(con.m_shadingTypeId);
			if (con.m_shadingType == nullptr)
				throw BVX::Exception(BVX::FormatText("Shading type with Id '%1' not defined.").arg(con.m_shadingTypeId), FUNC_ID);
		}
		else {
			BVX::BVX_Message(BVX::FormatText("Shading type (Id '%1') defined for construction #%2, but this construction "
											 "has no window. Ignoring shading type.").arg(con.m_shadingTypeId).arg(i),
							 BVX::MSG_WARNING, FUNC_ID, -1);
		}
	}

	checkItemValues(con, db);

	if (con.m_type == RoomConstruction::FixedTemperature && con.m_zoneTCCD.isValid()) {
		try {
			readZoneTemperatures(con);
		}
		catch (BVX::Exception & ex) {
			throw BVX::Exception(ex, BVX::FormatText("Error reading temperature spline from CCD file '%1' and for construction with ID %2.")
								 .arg(con.m_zoneTCCD.str()).arg(con.m_constructionId), FUNC_ID);
		}
	}
	else {
		con.m_zoneTemperatureSpline.clear();
	}

	ConstructionSolver solver;
	try {
		solver.init(m_room.m_moistureBalanceEnabled, &con, db.m_materials);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Error initializing construction with Id '%1'.").arg(con.m_constructionId), FUNC_ID);
	}
	const unsigned int elementsBefore = m_solvers.empty() ? 0 : m_offsets.back() + m_solvers.back().m_n;
	m_offsets.push_back(elementsBefore);
	m_solvers.push_back(solver);
	m_totalConstructionArea += con.m_AW;
}


void CaldoryneModel::readZoneTemperatures(RoomConstruction & con) const {
	const char * const FUNC_ID = "[CaldoryneModel::init]";
	const std::string written = con.m_zoneTCCD.str();
	BVX::Path path = con.m_zoneTCCD;
	if (!path.exists() && !m_room.m_projectFilePath.isEmpty()) {
		const std::string projectDir = QFileInfo(m_room.m_projectFilePath).absolutePath().toStdString();
		path = BVX::Path(projectDir) / con.m_zoneTCCD;
	}
	if (!path.exists())
		throw BVX::Exception(BVX::FormatText("Referenced climate data file '%1' does not exists.").arg(written), FUNC_ID);

	std::vector<double> timePoints, values;
	std::string header, quantity, errorLine;
	int unitId = 0;
	int res = 0;
	const std::string ext = path.extension();
	if (BVX::string_nocase_compare(ext, "ccd"))
		res = ClimateDataLoader::readCCDFile(path.str(), timePoints, values, header, quantity, unitId, errorLine);
	else if (BVX::string_nocase_compare(ext, "tsv"))
		res = ClimateDataLoader::readCSVTimeSeries(path.str(), timePoints, values, quantity, unitId, errorLine);
	else
		throw BVX::Exception(BVX::FormatText("Unsupported format of climate data file '%1'.").arg(written), FUNC_ID);
	if (res != 0)
		throw BVX::Exception(ClimateDataLoader::ccdErrorMessage(res, path.str(), errorLine), FUNC_ID);

	if (header.empty())
		BVX::BVX_Message(BVX::FormatText("Read climate data from file '%1'\n").arg(written), BVX::MSG_PROGRESS, FUNC_ID, 1);
	else
		BVX::BVX_Message(BVX::FormatText("Read climate data from file '%1'\n-----\n%2-----\n").arg(written).arg(header),
						 BVX::MSG_PROGRESS, FUNC_ID, 1);

	ClimateDataLoader::checkForValidCyclicData(timePoints);
	BVX::UnitVector temperatures("zoneT", BVX::Unit(static_cast<unsigned int>(unitId)), values);
	temperatures.convert(BVX::Unit("K"));
	values = temperatures.m_values;
	for (std::size_t j = 0; j < values.size(); ++j) {
		if (!inRange(values[j] - T_KELVIN, TEMPERATURE))
			checkValue(values[j] - T_KELVIN, TEMPERATURE,
					   BVX::FormatText(QCoreApplication::translate("RM::ValueChecks", "Zone temperature at time point #%1").toStdString())
						   .arg(j + 1).str(),
					   BVX::FormatText(QCoreApplication::translate("RM::ValueChecks", "file '%1'").toStdString()).arg(written).str());
	}

	BVX::LinearSpline & spline = con.m_zoneTemperatureSpline;
	spline.setValues(timePoints, values);
	std::string errorText;
	if (!spline.makeSpline(errorText))
		throw BVX::Exception(errorText, FUNC_ID);
	// close the series over the year so that it repeats without a gap
	const double v0 = ClimateDataLoader::cyclicValue(spline, 0);
	if (timePoints.front() != 0) {
		timePoints.insert(timePoints.begin(), 0);
		values.insert(values.begin(), v0);
	}
	if (timePoints.back() != SECONDS_PER_YEAR) {
		timePoints.push_back(SECONDS_PER_YEAR);
		values.push_back(v0);
	}
	spline.setValues(timePoints, values);
	if (!spline.makeSpline(errorText))
		throw BVX::Exception(errorText, FUNC_ID);
}


void CaldoryneModel::resizeConstructionVectors() {
	const unsigned int n = m_constructionCount;
	m_heatingRadiantFractions.assign(n, 0);
	m_solarRadiantFractions.assign(n, 0);
	m_windowSolarGain.assign(n, 0);
	m_incidenceAngle.assign(n, -180);
	m_effectiveSHGC.assign(n, -1);
	m_windowTransmission.assign(n, 0);
	m_insideRadiantHeatFlow.assign(n, 0);
	m_insideConvectiveHeatFlow.assign(n, 0);
	m_insideVapourFlow.assign(n, 0);
	m_insideVapourEnthalpyFlow.assign(n, 0);
	m_windowInsideSurfaceTemperature.assign(n, 0);
	m_directRadiation.assign(n, 0);
	m_diffuseRadiation.assign(n, 0);
	m_globalRadiation.assign(n, 0);
	m_absorbedRadiation.assign(n, 0);
}


double CaldoryneModel::additionalHeatCapacity() const {
	return m_room.m_additionalMass*m_room.m_additionalMassHeatCapacity;
}


void CaldoryneModel::setInitialStates() {
	const double V = m_room.volume();
	const double Cadd = additionalHeatCapacity();
	if (m_room.m_moistureBalanceEnabled) {
		const double rhov = saturationVapourPressure(m_Ti)*m_room.m_RHInitial/(m_Ti*R_VAPOUR);
		m_y[m_n - 2] = Cadd*m_Ti + V*((rhov*C_VAPOUR + RHO_C_AIR)*m_Ti + rhov*H_VAPOUR);
		m_y[m_n - 1] = V*rhov;
	}
	else {
		m_y[m_n - 1] = (Cadd + RHO_C_AIR*V)*m_Ti;
	}
	for (unsigned int k = 0; k < m_constructionCount; ++k)
		m_solvers[k].setInitialStates(m_Ti, m_room.m_RHInitial, &m_y[m_offsets[k]*m_unknownsPerNode]);
}


// *** Evaluation ***

void CaldoryneModel::invalidateBoundaryConditions() {
	m_boundaryConditionsTime = std::numeric_limits<double>::quiet_NaN();
}


void CaldoryneModel::updateBoundaryConditions() {
	// sun position, climate interpolation and zone temperatures depend on t alone
	if (m_t == m_boundaryConditionsTime)
		return;
	m_climate.setTime(m_t);
	const ClimateDataLoader & loader = m_climate.m_solarRadiationModel.m_climateDataLoader;
	m_Te = loader.currentValue(ClimateDataLoader::Temperature) + T_KELVIN;
	m_phie = loader.currentValue(ClimateDataLoader::RelativeHumidity)/100;
	if (m_room.m_moistureBalanceEnabled) {
		m_pve = saturationVapourPressure(m_Te)*m_phie;
		m_rhove = m_pve/(m_Te*R_VAPOUR);
	}
	else {
		m_pve = 0;
		m_rhove = 0;
	}

	const double t = BVX::timeOfYearEndInclusive(m_t);
	for (RoomConstruction & con : m_constructions) {
		if (con.m_type == RoomConstruction::FixedTemperature && !con.m_zoneTemperatureSpline.empty())
			con.m_zoneT = con.m_zoneTemperatureSpline.value(t);
	}
	m_boundaryConditionsTime = m_t;
}


void CaldoryneModel::updateStates() {
	const double V = m_room.volume();
	const double Cadd = additionalHeatCapacity();
	if (m_room.m_moistureBalanceEnabled) {
		m_rhovi = std::max(0.0, m_y[m_n - 1]/V);
		m_Ti = (m_y[m_n - 2] - H_VAPOUR*m_rhovi*V)/((RHO_C_AIR + C_VAPOUR*m_rhovi)*V + Cadd);
		m_pvi = m_rhovi*R_VAPOUR*m_Ti;
		m_phii = m_pvi/saturationVapourPressure(m_Ti);
		m_rhoDryAir = P_ATM/(R_AIR*m_Ti) - R_VAPOUR*m_rhovi/R_AIR;
	}
	else {
		m_Ti = m_y[m_n - 1]/(Cadd + RHO_C_AIR*V);
		m_pvi = 0;
		m_phii = 0;
		m_rhoDryAir = 0;
	}
	// the solvers point into m_constructions: it must not have been reallocated since init()
	Q_ASSERT_X(m_constructions.size() == m_constructionCount && m_solvers.size() == m_constructionCount,
			   "CaldoryneModel::updateStates", "constructions changed after init()");
	for (unsigned int k = 0; k < m_constructionCount; ++k) {
		Q_ASSERT_X(m_solvers[k].m_construction == &m_constructions[k], "CaldoryneModel::updateStates",
				   "m_constructions reallocated after init()");
		m_solvers[k].updateStates(&m_y[m_offsets[k]*m_unknownsPerNode]);
	}
}


double CaldoryneModel::updateLoads() {
	const bool din = m_room.m_din4108_2Assessment.m_active;
	const unsigned int h = static_cast<unsigned int>(m_hourOfYear);
	updateRoomLoads(din, h);
	updateSolarLoads(din, h);
	updateSurfaceExchange();
	updateOperativeTemperature();
	return m_operativeTemperature;
}


void CaldoryneModel::updateRoomLoads(bool din, unsigned int h) {
	const bool moisture = m_room.m_moistureBalanceEnabled;
	const double V = m_room.volume();
	DIN4108_2Assessment & assessment = m_room.m_din4108_2Assessment;

	// internal gains
	if (din) {
		m_personLoads = 0;
		m_equipmentLoads = assessment.internalLoadsPerArea(h)*m_room.m_area;
	}
	else {
		m_room.m_userLoads.userLoads(h, m_t, m_room.m_area, m_occupancy, m_personLoads, m_equipmentLoads);
	}

	// heating
	if (din)
		m_heatingLoad = assessment.idealHeatingLoad(m_Ti);
	else
		m_room.m_heatingModel.heatingLoad(h, m_t, m_Ti, m_heatingLoad);

	// cooling
	m_coolingLoad = 0;
	m_dehumidificationVapourFlow = 0;
	m_dehumidificationEnthalpyFlow = 0;
	m_latentCoolingLoad = 0;
	if (!din)
		m_room.m_coolingModel.coolingLoads(moisture, h, m_t, m_Ti, m_rhovi, m_coolingLoad,
										   m_dehumidificationVapourFlow, m_dehumidificationEnthalpyFlow, m_latentCoolingLoad);

	// mechanical ventilation
	m_mechanicalVentilationVapourFlow = 0;
	m_mechanicalVentilationSupplyAirFlow = 0;
	m_mechanicalVentilationHeatFlow = 0;
	m_mechanicalVentilationCoolingPower = 0;
	if (!din)
		m_room.m_mechanicalVentilationModel.mechanicalVentilationLoads(moisture, h, m_t, m_Ti, m_Te, m_rhovi, m_rhove, V,
			m_mechanicalVentilationVapourFlow, m_mechanicalVentilationSupplyAirFlow,
			m_mechanicalVentilationHeatFlow, m_mechanicalVentilationCoolingPower);

	// natural ventilation and moisture sources
	m_moistureLoad = 0;
	m_moistureLoadEnthalpyFlow = 0;
	if (din) {
		const double n = assessment.m_currentAirChangeRate; // 1/s
		m_naturalVentilationVapourFlow = 0;
		m_naturalVentilationHeatFlow = V*n*(m_Te - m_Ti)*C_AIR*RHO_AIR;
		m_airChangeRate = n*3600;
	}
	else {
		NaturalVentilationModel & natVent = m_room.m_naturalVentilationModel;
		natVent.naturalVentilationLoads(moisture, h, m_t, m_Ti, m_Te, m_rhovi, m_rhove, V,
										m_naturalVentilationVapourFlow, m_naturalVentilationHeatFlow);
		m_airChangeRate = natVent.m_airChangeRate;
		if (moisture) {
			m_room.m_moistureLoads.moistureLoad(h, m_t, m_moistureLoad);
			m_moistureLoadEnthalpyFlow = vapourEnthalpy(m_Ti)*m_moistureLoad;
		}
	}
}


void CaldoryneModel::updateSolarLoads(bool din, unsigned int h) {
	const SolarRadiationModel & solar = m_climate.m_solarRadiationModel;
	const DIN4108_2Assessment & assessment = m_room.m_din4108_2Assessment;
	m_totalSolarGain = 0;
	for (unsigned int i = 0; i < m_constructionCount; ++i) {
		const RoomConstruction & con = m_constructions[i];
		m_windowSolarGain[i] = 0;
		m_directRadiation[i] = 0;
		m_diffuseRadiation[i] = 0;
		m_globalRadiation[i] = 0;
		m_absorbedRadiation[i] = 0;
		if (con.m_type != RoomConstruction::Outside) {
			m_incidenceAngle[i] = -180;
			m_effectiveSHGC[i] = -1;
			continue;
		}

		double direct = 0, diffuse = 0, angle = 0;
		solar.radiationLoad(con.m_solarSurfaceId, direct, diffuse, angle);
		m_incidenceAngle[i] = angle/BVX::DEG_TO_RAD;
		if (direct + diffuse < 1e-20) {
			m_effectiveSHGC[i] = 0;
			continue;
		}
		const double total = direct + diffuse;
		m_directRadiation[i] = direct;
		m_diffuseRadiation[i] = diffuse;
		m_globalRadiation[i] = total;
		m_absorbedRadiation[i] = total*con.m_ad;

		const WindowType * window = con.m_windowType;
		if (window == nullptr) {
			m_effectiveSHGC[i] = -1;
			continue;
		}
		double f = 1;
		if (con.m_shadingType != nullptr) {
			if (din && assessment.m_shadingControlType != 3)
				f = assessment.shadingFactor(*con.m_shadingType, h, total, con.m_orientation, con.m_inclination);
			else
				f = m_room.m_shadingControlModel.shadingFactor(*con.m_shadingType, h, m_t, total,
															   con.m_orientation, con.m_inclination);
		}
		double gDirect = window->m_g;
		if (window->m_relativeSHGC.valid())
			gDirect *= window->m_relativeSHGC.value(m_incidenceAngle[i]);
		m_effectiveSHGC[i] = gDirect;
		const double glazing = con.m_AF*window->m_f*f;
		m_windowSolarGain[i] = glazing*gDirect*direct + glazing*window->m_g*diffuse;
		m_totalSolarGain += m_windowSolarGain[i];
	}
}


void CaldoryneModel::updateSurfaceExchange() {
	const bool moisture = m_room.m_moistureBalanceEnabled;
	m_totalWindowTransmission = 0;
	m_insideSurfaceHeatFlow = 0;
	m_insideSurfaceVapourFlow = 0;
	m_insideSurfaceEnthalpyFlow = 0;
	for (unsigned int i = 0; i < m_constructionCount; ++i) {
		const RoomConstruction & con = m_constructions[i];
		const ConstructionSolver & solver = m_solvers[i];
		const bool outside = con.m_type == RoomConstruction::Outside;
		if (!outside && con.m_windowType != nullptr)
			throw BVX::Exception("Cannot have window in inside construction!", "[CaldoryneModel::updateLoads]");

		m_windowTransmission[i] = 0;
		if (outside && con.m_windowType != nullptr)
			m_windowTransmission[i] = con.m_windowType->m_U*con.m_AF*(m_Te - m_Ti);
		m_totalWindowTransmission += m_windowTransmission[i];

		const double Tsi = solver.insideSurfaceTemperature();
		m_insideConvectiveHeatFlow[i] = (m_Ti - Tsi)/con.m_R_ui*con.m_AW;
		m_insideSurfaceHeatFlow -= m_insideConvectiveHeatFlow[i];

		m_insideVapourFlow[i] = 0;
		m_insideVapourEnthalpyFlow[i] = 0;
		if (moisture) {
			const double g = (m_pvi - solver.insideVapourPressure())*con.m_beta_i*con.m_AW;
			// vapour leaves the room at air temperature and returns at surface temperature
			m_insideVapourFlow[i] = g;
			m_insideVapourEnthalpyFlow[i] = g*vapourEnthalpy(g > 0 ? m_Ti : Tsi);
			m_insideSurfaceVapourFlow -= g;
			m_insideSurfaceEnthalpyFlow -= m_insideVapourEnthalpyFlow[i];
		}

		// cooling has no radiant part
		m_insideRadiantHeatFlow[i] = m_solarRadiantFractions[i]*m_totalSolarGain
									 + m_heatingRadiantFractions[i]*m_heatingLoad;
	}
}


void CaldoryneModel::updateOperativeTemperature() {
	double weightedSum = 0;
	double areaSum = 0;
	for (unsigned int i = 0; i < m_constructionCount; ++i) {
		const RoomConstruction & con = m_constructions[i];
		m_windowInsideSurfaceTemperature[i] = 0;
		double windowArea = 0;
		if (con.m_type == RoomConstruction::Outside && con.m_windowType != nullptr) {
			m_windowInsideSurfaceTemperature[i] = con.m_windowType->m_U*con.m_R_ui*(m_Te - m_Ti) + m_Ti;
			windowArea = con.m_AF;
		}
		weightedSum += windowArea*m_windowInsideSurfaceTemperature[i] + con.m_AW*m_solvers[i].insideSurfaceTemperature();
		areaSum += windowArea + con.m_AW;
	}
	m_meanSurfaceTemperature = weightedSum/areaSum;
	m_operativeTemperature = (m_meanSurfaceTemperature + m_Ti)/2;
}


void CaldoryneModel::updateDivergences() {
	const bool moisture = m_room.m_moistureBalanceEnabled;
	double energy = m_heatingLoad*m_room.m_gammaHC
					+ m_coolingLoad
					+ m_totalSolarGain*m_room.m_gammaRad
					+ m_mechanicalVentilationHeatFlow
					+ m_personLoads
					+ m_equipmentLoads
					+ m_naturalVentilationHeatFlow
					+ m_totalWindowTransmission
					+ m_insideSurfaceHeatFlow;
	if (moisture) {
		energy += m_dehumidificationEnthalpyFlow + m_moistureLoadEnthalpyFlow + m_insideSurfaceEnthalpyFlow;
		m_ydot[m_n - 2] = energy;
		m_ydot[m_n - 1] = m_naturalVentilationVapourFlow
						  + m_mechanicalVentilationVapourFlow
						  + m_dehumidificationVapourFlow
						  + m_moistureLoad
						  + m_insideSurfaceVapourFlow;
	}
	else {
		m_ydot[m_n - 1] = energy;
	}

	for (unsigned int k = 0; k < m_constructionCount; ++k) {
		const double A = m_constructions[k].m_AW;
		m_solvers[k].computeDivergences(m_insideConvectiveHeatFlow[k]/A, m_insideRadiantHeatFlow[k]/A,
										m_insideVapourFlow[k]/A, m_absorbedRadiation[k],
										m_Te, m_Ti, m_pve, m_pvi, &m_ydot[m_offsets[k]*m_unknownsPerNode]);
	}
}


void CaldoryneModel::updateSurfaceFluxes() {
	for (unsigned int k = 0; k < m_constructionCount; ++k) {
		const double A = m_constructions[k].m_AW;
		m_solvers[k].computeSurfaceFluxes(m_insideConvectiveHeatFlow[k]/A, m_insideRadiantHeatFlow[k]/A,
										  m_insideVapourFlow[k]/A, m_absorbedRadiation[k],
										  m_Te, m_Ti, m_pve, m_pvi);
	}
}


// *** Jacobian pattern ***

namespace {

/*! Inserts column j into row r of a CSR pattern, keeping the columns sorted and unique. */
void insertEntry(std::vector<unsigned int> & ia, std::vector<unsigned int> & ja, unsigned int r, unsigned int j) {
	std::vector<unsigned int>::iterator first = ja.begin() + ia[r];
	std::vector<unsigned int>::iterator last = ja.begin() + ia[r + 1];
	std::vector<unsigned int>::iterator pos = std::lower_bound(first, last, j);
	if (pos != last && *pos == j)
		return;
	ja.insert(pos, j);
	for (unsigned int k = r + 1; k < ia.size(); ++k)
		++ia[k];
}

/*! Inserts the block of nodes (i, j) with block size b. */
void insertBlock(std::vector<unsigned int> & ia, std::vector<unsigned int> & ja, unsigned int b,
				 unsigned int i, unsigned int j)
{
	for (unsigned int a = 0; a < b; ++a)
		for (unsigned int c = 0; c < b; ++c)
			insertEntry(ia, ja, b*i + a, b*j + c);
}

} // namespace


void CaldoryneModel::jacobianSparsityPattern(std::vector<unsigned int> & ia, std::vector<unsigned int> & ja) const {
	const unsigned int b = m_unknownsPerNode;
	const unsigned int nodes = m_n/b;
	const unsigned int R = nodes - 1; // room air
	ia.assign(m_n + 1, 0);
	ja.clear();
	for (unsigned int i = 0; i < nodes; ++i)
		insertBlock(ia, ja, b, i, i);

	for (unsigned int c = 0; c < m_constructionCount; ++c) {
		const unsigned int f = m_offsets[c];
		const unsigned int m = m_solvers[c].m_n;
		for (unsigned int i = f; i < f + m; ++i) {
			if (i != f)
				insertBlock(ia, ja, b, i, i - 1);
			if (i != f + m - 1)
				insertBlock(ia, ja, b, i, i + 1);
		}
		if (m_constructions[c].m_type == RoomConstruction::Inside) {
			insertBlock(ia, ja, b, f, R);
			insertBlock(ia, ja, b, R, f);
		}
	}
	// the inside surface temperature is extrapolated from the two innermost elements
	for (unsigned int c = 0; c < m_constructionCount; ++c) {
		const unsigned int L = m_offsets[c] + m_solvers[c].m_n - 1;
		const unsigned int L2 = L - 1;
		insertBlock(ia, ja, b, R, L);
		insertBlock(ia, ja, b, R, L2);
		insertBlock(ia, ja, b, L, R);
		insertBlock(ia, ja, b, L2, R);
	}
}

} // namespace RM
