/*	Cost of one right-hand-side evaluation of the room balance (boundary conditions, states,
	loads, divergences) for a room with an outside wall with window and three inside
	constructions, with and without the moisture balance.

	Usage: bench_room_rhs [evaluations]
*/

#include <cstdlib>
#include <iostream>
#include <vector>

#include <BVX_StopWatch.h>

#include <RM_CaldoryneModel.h>
#include <RM_ConstructionType.h>
#include <RM_Database.h>
#include <RM_Material.h>
#include <RM_WindowType.h>

namespace {

void setupDatabase(RM::Database & db) {
	RM::Material brick;
	brick.m_lambda = 0.8;
	brick.m_rho = 1600;
	brick.m_cT = 900;
	brick.init(std::vector<double>{ 0, 0.5, 0.8, 1 }, std::vector<double>{ 0, 3, 6, 200 });
	RM::Material insulation = brick;
	insulation.m_lambda = 0.04;
	insulation.m_rho = 30;
	insulation.m_cT = 1400;
	db.addMaterial(brick, 1);
	db.addMaterial(insulation, 2);
	RM::ConstructionType wall;
	wall.m_d = { 0.12, 0.175, 0.015 };
	wall.m_materialIds = { 2, 1, 1 };
	db.addConstructionType(wall, 1);
	RM::ConstructionType inner;
	inner.m_d = { 0.015, 0.115, 0.015 };
	inner.m_materialIds = { 1, 1, 1 };
	db.addConstructionType(inner, 2);
	RM::WindowType window;
	db.addWindowType(window, 1);
}

void setupModel(RM::CaldoryneModel & model, bool moisture) {
	ClimateDataLoader & loader = model.m_climate.m_solarRadiationModel.m_climateDataLoader;
	loader.m_city = "Benchcity";
	for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q) {
		loader.m_data[q].resize(ClimateDataLoader::HOURS_PER_YEAR);
		for (unsigned int h = 0; h < ClimateDataLoader::HOURS_PER_YEAR; ++h)
			loader.m_data[q][h] = q == ClimateDataLoader::RelativeHumidity ? 70 : 5.0 + (h % 24)*20;
	}
	model.m_climate.m_solarRadiationModel.m_latitude = 0.9;
	model.m_climate.m_solarRadiationModel.m_longitude = 0.23;

	RM::Room & room = model.m_room;
	room.m_moistureBalanceEnabled = moisture;
	room.m_constructions.clear();
	RM::RoomConstruction outside;
	outside.m_constructionId = 1;
	outside.m_windowId = 1;
	outside.m_orientation = 180;
	outside.m_AW = 8;
	outside.m_AF = 3;
	room.m_constructions.push_back(outside);
	for (double area : { 15.0, 15.0, 30.0 }) {
		RM::RoomConstruction inside;
		inside.m_constructionId = 2;
		inside.m_type = RM::RoomConstruction::Inside;
		inside.m_AW = area;
		room.m_constructions.push_back(inside);
	}
}

} // namespace


int main(int argc, char * argv[]) {
	const unsigned int n = argc > 1 ? static_cast<unsigned int>(std::atoi(argv[1])) : 200000u;
	RM::Database db;
	setupDatabase(db);
	for (bool moisture : { false, true }) {
		RM::CaldoryneModel model;
		setupModel(model, moisture);
		model.init(db);
		BVX::StopWatch w;
		double checksum = 0;
		for (unsigned int i = 0; i < n; ++i) {
			model.m_t = (i % 8760)*3600.0 + 1800;
			model.m_hourOfYear = i % 8760;
			model.updateBoundaryConditions();
			model.updateStates();
			model.updateLoads();
			model.updateDivergences();
			checksum += model.m_ydot[model.m_n - 1];
		}
		const double ms = w.stop();
		std::cout << (moisture ? "moisture" : "thermal ") << ": n = " << model.m_n << ", "
				  << 1000*ms/n << " us per evaluation (checksum " << checksum << ")\n";
	}
	return 0;
}
