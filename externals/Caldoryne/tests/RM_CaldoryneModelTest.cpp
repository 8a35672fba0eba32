#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <BVX_MessageHandler.h>

#include <RM_CaldoryneModel.h>
#include <RM_Database.h>
#include <RM_Physics.h>
#include <RM_WindowType.h>

#include "RM_ModelTestHelpers.h"
#include "RM_TestSupport.h"

using namespace RMModelTest;

namespace {

const double RHO_C = 1006*1.205;

/*! Database with a two-layer outside wall (id 1), a one-layer floor (id 2), a construction
	type without layers (id 5), a thin 3-element panel (id 6), a window type (id 1). */
class CaldoryneModelTest : public ::testing::Test {
protected:
	void SetUp() override {
		RM::Material brick = material(0.8, 1600, 900);
		brick.init(std::vector<double>{ 0, 0.5, 0.8, 1 }, std::vector<double>{ 0, 3, 6, 200 });
		RM::Material insulation = material(0.04, 30, 1400, 2);
		insulation.init(std::vector<double>{ 0, 0.5, 0.8, 1 }, std::vector<double>{ 0, 0.2, 0.4, 10 });
		addMaterial(m_db, brick, 1);
		addMaterial(m_db, insulation, 2);
		addConstructionType(m_db, 1, { 0.08, 0.175 }, { 2, 1 });
		addConstructionType(m_db, 2, { 0.15 }, { 1 });
		addConstructionType(m_db, 5, {}, {});
		addConstructionType(m_db, 6, { 0.005 }, { 1 });
		RM::WindowType window;
		window.m_f = 0.9;
		window.m_g = 0.6;
		window.m_U = 1.3;
		m_db.addWindowType(window, 1);

		setQuietRoom(m_model.m_room);
		setConstantClimate(m_model.m_climate, -10, 80);
	}

	/*! Outside wall of 10 m2 facing south with a 2 m2 window, and a 15 m2 inside floor. */
	void addWallWithWindowAndFloor() {
		RM::RoomConstruction wall = surface(RM::RoomConstruction::Outside, 1, 10);
		wall.m_orientation = 180;
		wall.m_windowId = 1;
		wall.m_AF = 2;
		m_model.m_room.m_constructions.push_back(wall);
		m_model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 2, 15));
	}

	/*! Element index of the innermost element of construction k. */
	unsigned int lastElement(unsigned int k) const { return m_model.m_offsets[k] + m_model.m_solvers[k].m_n - 1; }

	RM::Database		m_db;
	RM::CaldoryneModel	m_model;
};

} // namespace


TEST_F(CaldoryneModelTest, InitRefusesUnusableRooms) {
	struct Case {
		const char *						m_expected;
		std::function<void(RM::Room &)>		m_setup;
	};
	const Case cases[] = {
		{ "Room volume must not be negative or zero.", [](RM::Room & r) { r.m_height = 0; } },
		{ "Room floor area", [](RM::Room & r) { r.m_area = -15; r.m_height = -3; } },
		{ "No constructions defined.", [](RM::Room & r) { for (auto & c : r.m_constructions) c.m_constructionId = 0; } },
		{ "R_ue of wall #1 is negative or zero", [](RM::Room & r) { r.m_constructions[1].m_R_ue = 0; } },
		{ "R_ui of wall #1 is negative or zero", [](RM::Room & r) { r.m_constructions[1].m_R_ui = -0.1; } },
		{ "Adsorption coefficient of wall #0", [](RM::Room & r) { r.m_constructions[0].m_ad = -0.1; } },
		{ "Window area of wall #0", [](RM::Room & r) { r.m_constructions[0].m_AF = -1; } },
		{ "Construction type with Id '77' not defined.", [](RM::Room & r) { r.m_constructions[1].m_constructionId = 77; } },
		{ "Window type with Id '9' not defined.", [](RM::Room & r) { r.m_constructions[0].m_windowId = 9; } },
		{ "Shading type with Id '4' not defined.", [](RM::Room & r) { r.m_constructions[0].m_shadingTypeId = 4; } },
		{ "Error initializing construction with Id '5'.", [](RM::Room & r) { r.m_constructions[1].m_constructionId = 5; } },
		{ "has no layers.", [](RM::Room & r) { r.m_constructions[1].m_constructionId = 5; } },
		{ "Material 'TestMaterial' not parametrized", [this](RM::Room & r) {
			r.m_moistureBalanceEnabled = true;
			RM::Material dry = material(1, 1000, 1000);
			addMaterial(m_db, dry, 3);
			addConstructionType(m_db, 7, { 0.1 }, { 3 });
			r.m_constructions[1].m_constructionId = 7; } },
	};
	for (const Case & c : cases) {
		RMTest::MessageCapture capture;
		RM::CaldoryneModel model;
		setQuietRoom(model.m_room);
		setConstantClimate(model.m_climate, -10, 80);
		model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Outside, 1, 10));
		model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 2, 15));
		model.m_room.m_constructions[0].m_windowId = 1;
		model.m_room.m_constructions[0].m_AF = 2;
		c.m_setup(model.m_room);
		const std::string msgs = thrownMessages([&]() { model.init(m_db); });
		EXPECT_NE(msgs.find(c.m_expected), std::string::npos) << c.m_expected << " in: " << msgs;
	}
}


TEST_F(CaldoryneModelTest, SkipsUnusedAndMovesInsideWindowsToWall) {
	m_model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Outside, 0, 99)); // not used
	RM::RoomConstruction inside = surface(RM::RoomConstruction::Inside, 2, 10);
	inside.m_windowId = 1;
	inside.m_AF = 2;
	m_model.m_room.m_constructions.push_back(inside);

	RMTest::MessageCapture capture;
	m_model.init(m_db);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Window specified for inside/floor construction #1."), 1u);
	ASSERT_EQ(m_model.m_constructionCount, 1u);
	EXPECT_DOUBLE_EQ(m_model.m_constructions[0].m_AW, 12);
	EXPECT_EQ(m_model.m_constructions[0].m_AF, 0);
	EXPECT_EQ(m_model.m_constructions[0].m_windowType, nullptr);
	EXPECT_DOUBLE_EQ(m_model.m_totalConstructionArea, 12);

	// the data guard of the load calculation
	m_model.m_constructions[0].m_windowType = m_db.windowType(1);
	m_model.m_t = 0;
	m_model.updateBoundaryConditions();
	m_model.updateStates();
	EXPECT_NE(thrownMessages([&]() { m_model.updateLoads(); }).find("Cannot have window in inside construction!"),
			  std::string::npos);
}


TEST_F(CaldoryneModelTest, InitialStateOfRoomAirAndLayout) {
	addWallWithWindowAndFloor();
	m_model.init(m_db);
	// 0.08 m insulation: 22 elements; 0.175 m brick: 46; 0.15 m floor: 39
	const unsigned int wallElements = m_model.m_solvers[0].m_n;
	const unsigned int floorElements = m_model.m_solvers[1].m_n;
	EXPECT_EQ(m_model.m_offsets, (std::vector<unsigned int>{ 0, wallElements }));
	EXPECT_EQ(m_model.m_n, wallElements + floorElements + 1);
	EXPECT_EQ(m_model.m_unknownsPerNode, 1u);
	EXPECT_NEAR(m_model.m_y[m_model.m_n - 1], RHO_C*45*293.15, 1e-6);
	EXPECT_NEAR(m_model.m_y[0], 30*1400*293.15, 1e-6);
	EXPECT_NEAR(m_model.m_y[wallElements - 1], 1600*900*293.15, 1e-6);
	// radiant shares by area, default convective fractions 1 give none
	EXPECT_EQ(m_model.m_heatingRadiantFractions, (std::vector<double>{ 0, 0 }));

	RM::CaldoryneModel moist;
	setQuietRoom(moist.m_room);
	setConstantClimate(moist.m_climate, -10, 80);
	moist.m_room.m_constructions = m_model.m_room.m_constructions;
	moist.m_room.m_moistureBalanceEnabled = true;
	moist.m_room.m_additionalMass = 100;
	moist.init(m_db);
	EXPECT_EQ(moist.m_n, 2*(wallElements + floorElements + 1));
	const double rhov = RM::saturationVapourPressure(293.15)*0.5/(293.15*461.89);
	EXPECT_NEAR(moist.m_y[moist.m_n - 1], 45*rhov, 1e-12);
	moist.updateStates();
	EXPECT_NEAR(moist.m_Ti, 293.15, 1e-9);
	EXPECT_NEAR(moist.m_phii, 0.5, 1e-9);
	EXPECT_NEAR(moist.m_rhovi, rhov, 1e-15);
	// interleaved: energy and moisture content of the first insulation element
	EXPECT_NEAR(moist.m_y[0], 30*1400*293.15, 1e-6);
	EXPECT_NEAR(moist.m_y[1], 0.2, 1e-12);

	// a negative vapour mass counts as dry air
	moist.m_y[moist.m_n - 1] = -1e-3;
	moist.updateStates();
	EXPECT_EQ(moist.m_rhovi, 0);
	EXPECT_EQ(moist.m_phii, 0);
}


TEST_F(CaldoryneModelTest, JacobianSparsityPattern) {
	// one outside construction of 3 elements: nodes 0..2 the elements, node 3 the room air
	m_model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Outside, 6, 10));
	m_model.init(m_db);
	ASSERT_EQ(m_model.m_n, 4u);
	std::vector<unsigned int> ia, ja;
	m_model.jacobianSparsityPattern(ia, ja);
	EXPECT_EQ(ia, (std::vector<unsigned int>{ 0, 2, 6, 9, 12 }));
	EXPECT_EQ(ja, (std::vector<unsigned int>{ 0, 1,  0, 1, 2, 3,  1, 2, 3,  1, 2, 3 }));

	// inside construction couples its outer element with the room air; moisture gives 2x2 blocks
	RM::CaldoryneModel model;
	setQuietRoom(model.m_room);
	setConstantClimate(model.m_climate, -10, 80);
	model.m_room.m_moistureBalanceEnabled = true;
	model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 6, 10));
	model.init(m_db);
	ASSERT_EQ(model.m_n, 8u);
	model.jacobianSparsityPattern(ia, ja);
	// node rows: {0,1,3}, {0,1,2,3}, {1,2,3}, {0,1,2,3}
	EXPECT_EQ(ia, (std::vector<unsigned int>{ 0, 6, 12, 20, 28, 34, 40, 48, 56 }));
	const std::vector<unsigned int> row0 = { 0, 1, 2, 3, 6, 7 };
	EXPECT_EQ(std::vector<unsigned int>(ja.begin(), ja.begin() + 6), row0);
	EXPECT_EQ(std::vector<unsigned int>(ja.begin() + 6, ja.begin() + 12), row0);
	const std::vector<unsigned int> room = { 0, 1, 2, 3, 4, 5, 6, 7 };
	EXPECT_EQ(std::vector<unsigned int>(ja.begin() + 48, ja.end()), room);
}


TEST_F(CaldoryneModelTest, AdiabaticRoomKeepsItsTemperature) {
	for (bool moisture : { false, true }) {
		RM::CaldoryneModel model;
		setQuietRoom(model.m_room);
		setConstantClimate(model.m_climate, -10, 80, 600, 150); // a harsh outside does not matter
		model.m_room.m_moistureBalanceEnabled = moisture;
		model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 1, 20));
		model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 2, 15));
		model.m_room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 2, 15));
		model.init(m_db);
		for (double t : { 0.0, 12*3600.0, 4000*3600.0 + 1800 }) {
			evaluate(model, t);
			EXPECT_NEAR(model.m_Ti, 293.15, 1e-9);
			EXPECT_NEAR(model.m_operativeTemperature, 293.15, 1e-9);
			EXPECT_EQ(model.m_totalSolarGain, 0);
			for (double a : model.m_incidenceAngle)
				EXPECT_EQ(a, -180);
			// energy densities are ~4e8 J/m3, so 1e-6 J/m3s is far below any physical change
			for (unsigned int i = 0; i < model.m_n; ++i)
				EXPECT_NEAR(model.m_ydot[i], 0, 1e-6) << "unknown " << i << " moisture " << moisture;
		}
	}
}


TEST_F(CaldoryneModelTest, WarmRoomColdNightOutside) {
	addWallWithWindowAndFloor();
	RM::Room & room = m_model.m_room;
	room.m_naturalVentilationModel.m_modelType = RM::NaturalVentilationModel::SIMPLE;
	room.m_naturalVentilationModel.m_airChangeRates.m_type = RM::Schedule::CONSTANT;
	room.m_naturalVentilationModel.m_airChangeRates.m_constantValue = 0.5;
	m_model.init(m_db);
	evaluate(m_model, 0); // midnight, no radiation

	const double Te = 263.15, Ti = 293.15;
	EXPECT_NEAR(m_model.m_Te, Te, 1e-9);
	const double window = 1.3*2*(Te - Ti);							// -78 W
	const double ventilation = 45*0.5/3600*RHO_C*(Te - Ti);			// -227.29 W
	EXPECT_NEAR(m_model.m_totalWindowTransmission, window, 1e-9);
	EXPECT_NEAR(m_model.m_naturalVentilationHeatFlow, ventilation, 1e-9);
	EXPECT_NEAR(m_model.m_ydot[m_model.m_n - 1], window + ventilation, 1e-6);
	EXPECT_LT(m_model.m_ydot[m_model.m_n - 1], 0);

	// the outermost element loses 30 K / R_se, nothing else moves yet
	const double d0 = m_model.m_solvers[0].m_elements[0].m_width;
	EXPECT_NEAR(m_model.m_ydot[0], (Te - Ti)/0.04/d0, 1e-6*750/d0);
	for (unsigned int i = 1; i + 1 < m_model.m_n; ++i)
		EXPECT_NEAR(m_model.m_ydot[i], 0, 1e-6) << i;

	// window surface by its U-value, operative temperature from the area-weighted surfaces
	const double Tw = 1.3*0.13*(Te - Ti) + Ti;
	EXPECT_NEAR(m_model.m_windowInsideSurfaceTemperature[0], Tw, 1e-9);
	const double Tmean = (2*Tw + 25*Ti)/27;
	EXPECT_NEAR(m_model.m_meanSurfaceTemperature, Tmean, 1e-9);
	EXPECT_NEAR(m_model.m_operativeTemperature, (Tmean + Ti)/2, 1e-9);
	EXPECT_EQ(m_model.m_effectiveSHGC[0], 0);
	EXPECT_EQ(m_model.m_effectiveSHGC[1], -1);
	EXPECT_EQ(m_model.m_incidenceAngle[1], -180);

	// a second later the wall has cooled from outside, the room air by window and ventilation
	std::vector<double> y = m_model.m_y;
	for (unsigned int i = 0; i < m_model.m_n; ++i)
		m_model.m_y[i] = y[i] + m_model.m_ydot[i];
	evaluate(m_model, 1);
	EXPECT_LT(m_model.m_Ti, Ti);
	EXPECT_NEAR(m_model.m_Ti, Ti + (window + ventilation)/(RHO_C*45), 1e-9);
	EXPECT_LT(m_model.m_solvers[0].outsideSurfaceTemperature(), Ti);
	// the warmer walls now heat the cooled room air
	EXPECT_GT(m_model.m_insideSurfaceHeatFlow, 0);
}


TEST_F(CaldoryneModelTest, HeatingSplitsIntoConvectiveAndRadiantParts) {
	addWallWithWindowAndFloor();
	RM::Room & room = m_model.m_room;
	room.m_gammaHC = 0.4;
	room.m_heatingModel.m_modelType = RM::HeatingModel::SIMPLE;
	room.m_heatingModel.m_setPoints.m_type = RM::Schedule::CONSTANT;
	room.m_heatingModel.m_setPoints.m_constantValue = 22;
	m_model.init(m_db);
	evaluate(m_model, 0);

	const double H = m_model.m_heatingLoad;
	ASSERT_GT(H, 0);
	const double window = 1.3*2*(263.15 - 293.15);
	EXPECT_NEAR(m_model.m_ydot[m_model.m_n - 1], 0.4*H + window, 1e-6);
	// 60 % onto the 10 m2 wall and the 15 m2 floor by area
	EXPECT_NEAR(m_model.m_insideRadiantHeatFlow[0], 0.6*H*10/25, 1e-9);
	EXPECT_NEAR(m_model.m_insideRadiantHeatFlow[1], 0.6*H*15/25, 1e-9);
	for (unsigned int k = 0; k < 2; ++k) {
		const double d = m_model.m_solvers[k].m_elements.back().m_width;
		EXPECT_NEAR(m_model.m_ydot[lastElement(k)], 0.6*H/25/d, 1e-6) << k;
	}
}


TEST_F(CaldoryneModelTest, EnergyIsConserved) {
	for (bool moisture : { false, true }) {
		RM::CaldoryneModel model;
		setQuietRoom(model.m_room);
		setConstantClimate(model.m_climate, -5, 70, 700, 120);
		RM::Room & room = model.m_room;
		room.m_moistureBalanceEnabled = moisture;
		room.m_gammaHC = 0.3;
		room.m_gammaRad = 0.5;
		room.m_heatingModel.m_modelType = RM::HeatingModel::SIMPLE;
		room.m_heatingModel.m_setPoints.m_type = RM::Schedule::CONSTANT;
		room.m_heatingModel.m_setPoints.m_constantValue = 21;
		RM::RoomConstruction wall = surface(RM::RoomConstruction::Outside, 1, 10);
		wall.m_orientation = 180;
		wall.m_windowId = 1;
		wall.m_AF = 3;
		room.m_constructions.push_back(wall);
		room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 2, 15));
		RM::RoomConstruction zone = surface(RM::RoomConstruction::FixedTemperature, 1, 12);
		zone.m_zoneT = 281.15;
		room.m_constructions.push_back(zone);
		model.init(m_db);

		// disturb the walls: a warm spot in every construction
		const unsigned int b = model.m_unknownsPerNode;
		for (unsigned int k = 0; k < model.m_constructionCount; ++k) {
			const unsigned int mid = model.m_offsets[k] + model.m_solvers[k].m_n/2;
			model.m_y[b*mid] *= 1.02;
			model.m_y[b*(mid + 1)] *= 1.01;
		}
		const double noon = (172*24 + 12)*3600.0;
		evaluate(model, noon);
		ASSERT_GT(model.m_totalSolarGain, 0);
		ASSERT_GT(model.m_heatingLoad, 0);

		// stored energy rate of walls and air against what crosses the system boundary
		double stored = model.m_ydot[model.m_n - b];
		double boundary = model.m_heatingLoad + model.m_totalSolarGain + model.m_totalWindowTransmission;
		for (unsigned int k = 0; k < model.m_constructionCount; ++k) {
			const RM::ConstructionSolver & s = model.m_solvers[k];
			const double A = model.m_constructions[k].m_AW;
			for (unsigned int i = 0; i < s.m_n; ++i)
				stored += A*s.m_elements[i].m_width*model.m_ydot[b*(model.m_offsets[k] + i)];
			boundary += A*s.m_q[0];
		}
		// vapour enthalpy entering the walls leaves the air but is not booked in the walls
		if (moisture)
			boundary += model.m_insideSurfaceEnthalpyFlow;
		EXPECT_NEAR(stored, boundary, 1e-7*std::fabs(boundary)) << "moisture " << moisture;
	}
}


TEST_F(CaldoryneModelTest, SolarGainsSplitByConvectiveFraction) {
	setConstantClimate(m_model.m_climate, 25, 50, 600, 100);
	addWallWithWindowAndFloor();
	m_model.m_room.m_gammaRad = 0.4;
	m_model.init(m_db);
	evaluate(m_model, (172*24 + 12)*3600.0); // summer noon on a south facade

	const double direct = m_model.m_directRadiation[0];
	const double diffuse = m_model.m_diffuseRadiation[0];
	ASSERT_GT(direct, 0);
	// no angle curve: the SHGC applies to direct and diffuse alike
	const double gain = 2*0.9*0.6*(direct + diffuse);
	EXPECT_NEAR(m_model.m_windowSolarGain[0], gain, 1e-9*gain);
	EXPECT_NEAR(m_model.m_effectiveSHGC[0], 0.6, 1e-12);
	EXPECT_NEAR(m_model.m_absorbedRadiation[0], 0.7*(direct + diffuse), 1e-9);
	EXPECT_EQ(m_model.m_globalRadiation[1], 0);
	EXPECT_NEAR(m_model.m_ydot[m_model.m_n - 1] - m_model.m_totalWindowTransmission, 0.4*gain, 1e-6*gain);
	EXPECT_NEAR(m_model.m_insideRadiantHeatFlow[0], 0.6*gain*10/25, 1e-9*gain);
	EXPECT_NEAR(m_model.m_insideRadiantHeatFlow[1], 0.6*gain*15/25, 1e-9*gain);
	// the sun heats the outside surface of the wall
	EXPECT_GT(m_model.m_ydot[0], 0);
}


TEST_F(CaldoryneModelTest, DIN4108ModeTakesLoadsFromAssessment) {
	addWallWithWindowAndFloor();
	RM::Room & room = m_model.m_room;
	// models that would act, but must not be asked in the assessment mode
	room.m_coolingModel.m_modelType = RM::CoolingModel::SIMPLE;
	room.m_coolingModel.m_setPoints.m_type = RM::Schedule::CONSTANT;
	room.m_coolingModel.m_setPoints.m_constantValue = 10;
	room.m_userLoads.m_occupancy.m_constantValue = 3;
	room.m_mechanicalVentilationModel.m_modelType = RM::MechanicalVentilationModel::MECHANICAL_VENTILATION;
	room.m_din4108_2Assessment.m_active = true;
	room.m_din4108_2Assessment.m_currentAirChangeRate = 2.0/3600;
	m_model.init(m_db);
	evaluate(m_model, 10*3600.0);

	const double Te = 263.15, Ti = 293.15;
	const RM::DIN4108_2Assessment & din = m_model.m_room.m_din4108_2Assessment;
	EXPECT_EQ(m_model.m_personLoads, 0);
	EXPECT_EQ(m_model.m_coolingLoad, 0);
	EXPECT_EQ(m_model.m_mechanicalVentilationHeatFlow, 0);
	EXPECT_NEAR(m_model.m_equipmentLoads, din.internalLoadsPerArea(10)*15, 1e-12);
	EXPECT_NEAR(m_model.m_heatingLoad, din.idealHeatingLoad(Ti), 1e-12);
	EXPECT_NEAR(m_model.m_airChangeRate, 2, 1e-12);
	EXPECT_NEAR(m_model.m_naturalVentilationHeatFlow, 45*2.0/3600*(Te - Ti)*RHO_C, 1e-9);
	EXPECT_NEAR(m_model.m_ydot[m_model.m_n - 1],
				m_model.m_heatingLoad + m_model.m_equipmentLoads + m_model.m_naturalVentilationHeatFlow
				+ 1.3*2*(Te - Ti), 1e-6);
}


TEST_F(CaldoryneModelTest, ZoneTemperatureSeriesIsClosedOverTheYear) {
	QTemporaryDir dir;
	ASSERT_TRUE(dir.isValid());
	const std::pair<const char *, const char *> files[] = {
		{ "zone.ccd", "# neighbour zone\nTEMPER C\n0 01:00:00 10\n182 12:00:00 20\n364 23:00:00 12\n" },
		{ "zone.txt", "1\n" },
		{ "huge.ccd", "TEMPER C\n0 01:00:00 10\n182 12:00:00 1e308\n" },
		{ "nan.tsv", "Time [h]\tT [C]\n1\t10\n2\t1.#QNAN\n" },
	};
	for (const auto & file : files) {
		QFile f(dir.filePath(file.first));
		ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Text));
		f.write(file.second);
	}
	m_model.m_room.m_projectFilePath = dir.filePath("project.rmxml");
	RM::RoomConstruction zone = surface(RM::RoomConstruction::FixedTemperature, 1, 10);
	zone.m_zoneTCCD = BVX::Path("zone.ccd"); // relative to the project file
	m_model.m_room.m_constructions.push_back(zone);
	m_model.init(m_db);

	const BVX::LinearSpline & spline = m_model.m_constructions[0].m_zoneTemperatureSpline;
	ASSERT_EQ(spline.size(), 5u);
	EXPECT_EQ(spline.x().front(), 0);
	EXPECT_EQ(spline.x().back(), 31536000);
	// between 12 C an hour before the year's end and 10 C an hour after its start
	EXPECT_NEAR(spline.y().front(), 284.15, 1e-9);
	EXPECT_NEAR(spline.y().back(), 284.15, 1e-9);

	evaluate(m_model, 182*86400 + 12*3600.0);
	EXPECT_NEAR(m_model.m_constructions[0].m_zoneT, 293.15, 1e-9);
	evaluate(m_model, 31536000 + 3600.0); // second year of a two-year run
	EXPECT_NEAR(m_model.m_constructions[0].m_zoneT, 283.15, 1e-9);

	struct Case {
		const char * m_file;
		const char * m_expected;
	};
	const Case cases[] = {
		{ "missing.ccd", "Referenced climate data file 'missing.ccd' does not exists." },
		{ "zone.txt", "Unsupported format of climate data file 'zone.txt'." },
		{ "huge.ccd", "Zone temperature at time point #2 of file 'huge.ccd' is 1e+308 but must be between -100 and 200!" },
		{ "nan.tsv", "Invalid format of line #3: value is not a finite number" },
	};
	for (const Case & c : cases) {
		RM::CaldoryneModel model;
		setQuietRoom(model.m_room);
		setConstantClimate(model.m_climate, -10, 80);
		model.m_room.m_projectFilePath = dir.filePath("project.rmxml");
		RM::RoomConstruction con = zone;
		con.m_zoneTCCD = BVX::Path(c.m_file);
		model.m_room.m_constructions.push_back(con);
		const std::string msgs = thrownMessages([&]() { model.init(m_db); });
		EXPECT_NE(msgs.find(c.m_expected), std::string::npos) << msgs;
		EXPECT_NE(msgs.find(std::string("Error reading temperature spline from CCD file '") + c.m_file
							+ "' and for construction with ID 1."), std::string::npos) << msgs;
	}
}


TEST_F(CaldoryneModelTest, BoundaryConditionsAreReusedAtTheSameTimeOnly) {
	addWallWithWindowAndFloor();
	m_model.init(m_db);
	ClimateDataLoader & loader = m_model.m_climate.m_solarRadiationModel.m_climateDataLoader;
	evaluate(m_model, 7200);
	EXPECT_NEAR(m_model.m_Te, 263.15, 1e-9);

	// new data: the same time keeps the values of the last evaluation ...
	loader.m_data[ClimateDataLoader::Temperature].assign(ClimateDataLoader::HOURS_PER_YEAR, 5.0);
	evaluate(m_model, 7200);
	EXPECT_NEAR(m_model.m_Te, 263.15, 1e-9);
	// ... another time reads them again
	evaluate(m_model, 7201);
	EXPECT_NEAR(m_model.m_Te, 278.15, 1e-9);
	evaluate(m_model, 7200);
	EXPECT_NEAR(m_model.m_Te, 278.15, 1e-9);

	// an explicit invalidation, and a new init, recompute at the same time
	loader.m_data[ClimateDataLoader::Temperature].assign(ClimateDataLoader::HOURS_PER_YEAR, -2.0);
	m_model.invalidateBoundaryConditions();
	evaluate(m_model, 7200);
	EXPECT_NEAR(m_model.m_Te, 271.15, 1e-9);
	loader.m_data[ClimateDataLoader::Temperature].assign(ClimateDataLoader::HOURS_PER_YEAR, 1.0);
	RM::CaldoryneModel fresh;
	fresh.m_room = m_model.m_room;
	fresh.m_climate = m_model.m_climate;
	fresh.init(m_db);
	evaluate(fresh, 0);
	EXPECT_NEAR(fresh.m_Te, 274.15, 1e-9);
}
