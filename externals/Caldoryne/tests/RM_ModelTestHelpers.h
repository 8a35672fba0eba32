#ifndef RM_ModelTestHelpersH
#define RM_ModelTestHelpersH

#include <cmath>
#include <string>
#include <vector>

#include <BVX_Exception.h>

#include <RM_CaldoryneModel.h>
#include <RM_ConstructionType.h>
#include <RM_Database.h>
#include <RM_Material.h>

/*! Building blocks for the wall and room balance tests: materials, construction types,
	a climate with constant values and a room without loads. */
namespace RMModelTest {

/*! A material without phase change and without sorption data. */
inline RM::Material material(double lambda, double rho, double cT, double mu = 10) {
	RM::Material m;
	m.setName("en", "TestMaterial");
	m.m_lambda = lambda;
	m.m_rho = rho;
	m.m_cT = cT;
	m.m_mu = mu;
	m.m_HPCM = 0;
	return m;
}

/*! Adds a material to db under id and returns the id. */
inline unsigned int addMaterial(RM::Database & db, RM::Material m, unsigned int id) {
	return db.addMaterial(m, id);
}

/*! Adds a construction type of the given layers (outside first) under id. */
inline unsigned int addConstructionType(RM::Database & db, unsigned int id, const std::vector<double> & d,
										const std::vector<unsigned int> & materialIds)
{
	RM::ConstructionType ct;
	ct.m_d = d;
	ct.m_materialIds = materialIds;
	return db.addConstructionType(ct, id);
}

/*! A surface of the given kind, construction type and area, without window. */
inline RM::RoomConstruction surface(int kind, unsigned int constructionId, double area) {
	RM::RoomConstruction rc;
	rc.m_type = kind;
	rc.m_constructionId = constructionId;
	rc.m_AW = area;
	rc.m_AF = 0;
	return rc;
}

/*! Annual climate data with constant temperature (C), relative humidity (%) and radiation
	(direct normal and diffuse horizontal, W/m2), entered directly into the loader. */
inline void setConstantClimate(RM::Climate & climate, double T, double RH, double directNormal = 0, double diffuse = 0) {
	ClimateDataLoader & loader = climate.m_solarRadiationModel.m_climateDataLoader;
	loader.m_city = "Testcity";
	loader.m_dataTimePoints.clear();
	for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q)
		loader.m_data[q].assign(ClimateDataLoader::HOURS_PER_YEAR, 0.0);
	loader.m_data[ClimateDataLoader::Temperature].assign(ClimateDataLoader::HOURS_PER_YEAR, T);
	loader.m_data[ClimateDataLoader::RelativeHumidity].assign(ClimateDataLoader::HOURS_PER_YEAR, RH);
	loader.m_data[ClimateDataLoader::DirectRadiationNormal].assign(ClimateDataLoader::HOURS_PER_YEAR, directNormal);
	loader.m_data[ClimateDataLoader::DiffuseRadiationHorizontal].assign(ClimateDataLoader::HOURS_PER_YEAR, diffuse);
	loader.m_data[ClimateDataLoader::AirPressure].assign(ClimateDataLoader::HOURS_PER_YEAR, 101325.0);
	climate.m_solarRadiationModel.m_latitude = 52.0*0.01745329252;
	climate.m_solarRadiationModel.m_longitude = 13.0*0.01745329252;
}

/*! A room of 5 m x 3 m x 3 m at 20 C, all load and control models switched off, no surfaces. */
inline void setQuietRoom(RM::Room & room) {
	room.m_area = 15;
	room.m_height = 3;
	room.m_TInitial = 20;
	room.m_RHInitial = 0.5;
	room.m_additionalMass = 0;
	room.m_gammaHC = 1;
	room.m_gammaRad = 1;
	room.m_moistureBalanceEnabled = false;
	room.m_constructions.clear();
	room.m_heatingModel.m_modelType = RM::HeatingModel::NONE;
	room.m_coolingModel.m_modelType = RM::CoolingModel::NONE;
	room.m_mechanicalVentilationModel.m_modelType = RM::MechanicalVentilationModel::NONE;
	room.m_naturalVentilationModel.m_modelType = RM::NaturalVentilationModel::NONE;
	room.m_userLoads.m_occupancy.m_type = RM::Schedule::CONSTANT;
	room.m_userLoads.m_occupancy.m_constantValue = 0;
	room.m_userLoads.m_equipmentLoad.m_type = RM::Schedule::CONSTANT;
	room.m_userLoads.m_equipmentLoad.m_constantValue = 0;
	room.m_moistureLoads.m_moistureLoad.m_type = RM::Schedule::CONSTANT;
	room.m_moistureLoads.m_moistureLoad.m_constantValue = 0;
	room.m_din4108_2Assessment.m_active = false;
}

/*! One evaluation of the model at time t, as the model interface drives it. */
inline void evaluate(RM::CaldoryneModel & model, double t) {
	model.m_t = t;
	double tr = t;
	while (tr >= 31536000)
		tr -= 31536000;
	model.m_hourOfYear = static_cast<unsigned int>(tr/3600);
	model.updateBoundaryConditions();
	model.updateStates();
	model.updateLoads();
	model.updateDivergences();
}

/*! Message stack of the BVX::Exception thrown by f, or "" when nothing was thrown. */
template <typename F>
std::string thrownMessages(F f) {
	try {
		f();
	}
	catch (BVX::Exception & ex) {
		return ex.msgStack();
	}
	return std::string("<nothing thrown>");
}

/*! True when none of the n values is NaN or infinite. */
inline bool allFinite(const double * v, unsigned int n) {
	for (unsigned int i = 0; i < n; ++i)
		if (!std::isfinite(v[i]))
			return false;
	return true;
}

} // namespace RMModelTest

#endif // RM_ModelTestHelpersH
