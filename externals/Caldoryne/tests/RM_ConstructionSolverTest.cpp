#include <cmath>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include <RM_ConstructionSolver.h>
#include <RM_ConstructionType.h>
#include <RM_Material.h>
#include <RM_Physics.h>
#include <RM_RoomConstruction.h>

#include "RM_ModelTestHelpers.h"
#include "RM_TestSupport.h"

using namespace RMModelTest;

namespace {

/*! A construction with its type and materials, kept alive for a solver. */
struct Wall {
	Wall(const std::vector<double> & d, const std::vector<RM::Material> & layerMaterials, int kind = RM::RoomConstruction::Outside) {
		for (unsigned int k = 0; k < d.size(); ++k) {
			m_materials[k + 1] = layerMaterials[k];
			m_type.m_materialIds.push_back(k + 1);
		}
		m_type.m_d = d;
		m_type.m_id = 42;
		m_construction.m_type = kind;
		m_construction.m_constructionType = &m_type;
	}
	RM::ConstructionType				m_type;
	std::map<unsigned int, RM::Material>	m_materials;
	RM::RoomConstruction				m_construction;
};

/*! Material with a linear-ish sorption isotherm. */
RM::Material sorptiveMaterial(double lambda, double rho, double cT, double mu, double w80) {
	RM::Material m = material(lambda, rho, cT, mu);
	m.init(std::vector<double>{0, 0.5, 0.8, 1.0}, std::vector<double>{0, 0.5*w80, w80, 20*w80});
	return m;
}

} // namespace


TEST(ConstructionSolver, PhaseChangeForwardInverseRoundTrip) {
	RM::Material pcm = material(0.5, 800, 1000);
	pcm.m_TPCMLow = 20;
	pcm.m_HPCM = 180000;
	// hand values: sensible heat from 0 K plus the latent share
	EXPECT_NEAR(RM::ConstructionSolver::energyDensity(pcm, 294.65), 800*1000*294.65 + 800*180000/3.0*1.5, 1e-3);
	EXPECT_NEAR(RM::ConstructionSolver::energyDensity(pcm, 298.15), 800*1000*298.15 + 800*180000, 1e-3);
	EXPECT_NEAR(RM::ConstructionSolver::energyDensity(pcm, 290.15), 800*1000*290.15, 1e-3);

	RM::Material plain = material(0.5, 800, 1000);
	plain.m_TPCMLow = 20;
	const double temperatures[] = { 250.0, 290.15, 293.15, 293.16, 294.65, 296.14, 296.15, 296.2, 310.0 };
	for (double T : temperatures) {
		EXPECT_NEAR(RM::ConstructionSolver::temperature(pcm, RM::ConstructionSolver::energyDensity(pcm, T)), T, 1e-9) << T;
		EXPECT_NEAR(RM::ConstructionSolver::energyDensity(plain, T), 800*1000*T, 1e-6) << T;
		EXPECT_NEAR(RM::ConstructionSolver::temperature(plain, 800*1000*T), T, 1e-9) << T;
	}
}


TEST(ConstructionSolver, SteadyStateMultiLayerWallHasUniformFluxAndNoStorage) {
	// render, insulation, concrete, plaster (outside first)
	const std::vector<double> d = { 0.02, 0.1, 0.2, 0.015 };
	const std::vector<RM::Material> mats = {
		material(0.87, 1800, 1000), material(0.035, 30, 1500), material(2.1, 2400, 1000), material(0.7, 1400, 1000) };
	Wall wall(d, mats);
	const double Rse = 0.04, Rsi = 0.13;
	wall.m_construction.m_R_ue = Rse;
	wall.m_construction.m_R_ui = Rsi;

	RM::ConstructionSolver solver;
	solver.init(false, &wall.m_construction, wall.m_materials);
	const double Te = 263.15, Ti = 293.15;
	double Rtot = Rse + Rsi;
	for (unsigned int k = 0; k < d.size(); ++k)
		Rtot += d[k]/mats[k].m_lambda;
	const double q = (Te - Ti)/Rtot; // W/m2, negative: heat leaves towards outside

	// exact steady profile at the element centres
	std::vector<double> y(solver.m_n);
	for (unsigned int i = 0; i < solver.m_n; ++i) {
		const double x = solver.m_elements[i].m_centre;
		double R = Rse, layerStart = 0;
		unsigned int k = 0;
		while (x > layerStart + d[k]) {
			R += d[k]/mats[k].m_lambda;
			layerStart += d[k];
			++k;
		}
		R += (x - layerStart)/mats[k].m_lambda;
		const double T = Te - q*R;
		y[i] = mats[k].m_rho*mats[k].m_cT*T;
	}
	solver.updateStates(y.data());
	EXPECT_NEAR(solver.outsideSurfaceTemperature(), Te - q*Rse, 1e-9);
	EXPECT_NEAR(solver.insideSurfaceTemperature(), Ti + q*Rsi, 1e-9);

	const double convective = (Ti - solver.insideSurfaceTemperature())/Rsi;
	std::vector<double> ydot(solver.m_n, 1e30);
	solver.computeDivergences(convective, 0, 0, 0, Te, Ti, 0, 0, ydot.data());
	ASSERT_EQ(solver.m_q.size(), solver.m_n + 1);
	for (unsigned int i = 0; i <= solver.m_n; ++i)
		EXPECT_NEAR(solver.m_q[i], q, 1e-8*std::fabs(q)) << "face " << i;
	for (unsigned int i = 0; i < solver.m_n; ++i)
		EXPECT_NEAR(ydot[i]*solver.m_elements[i].m_width, 0, 1e-8*std::fabs(q)) << "element " << i;
}


TEST(ConstructionSolver, OutsideBoundaryFollowsConstructionKind) {
	struct Case {
		int		m_kind;
		double	m_expectedConductive;
		double	m_expectedSolar;
	};
	const double Twall = 293.15, Te = 273.15, Troom = 298.15, Tzone = 283.15;
	const Case cases[] = {
		{ RM::RoomConstruction::Outside,			(Te - Twall)/0.04,		100 },
		// neighbour room in the state of this room, with the inside resistance
		{ RM::RoomConstruction::Inside,				(Troom - Twall)/0.13,	0 },
		// zone temperature, never solar even when handed in
		{ RM::RoomConstruction::FixedTemperature,	(Tzone - Twall)/0.04,	0 },
	};
	for (const Case & c : cases) {
		Wall wall({ 0.005 }, { material(1.0, 1000, 1000) }, c.m_kind);
		wall.m_construction.m_R_ue = 0.04;
		wall.m_construction.m_R_ui = 0.13;
		wall.m_construction.m_zoneT = Tzone;
		RM::ConstructionSolver solver;
		solver.init(false, &wall.m_construction, wall.m_materials);
		ASSERT_EQ(solver.m_n, 3u);
		std::vector<double> y(3), ydot(3);
		solver.setInitialStates(Twall, 0.5, y.data());
		EXPECT_NEAR(y[0], 1000*1000*Twall, 1e-6);
		solver.updateStates(y.data());
		solver.computeDivergences(5, 3, 0, 100, Te, Troom, 0, 0, ydot.data());

		EXPECT_NEAR(solver.m_outsideHeatFlux, c.m_expectedConductive, 1e-9) << c.m_kind;
		EXPECT_NEAR(solver.m_outsideSolarFlux, c.m_expectedSolar, 1e-12) << c.m_kind;
		const double q0 = c.m_expectedConductive + c.m_expectedSolar;
		EXPECT_NEAR(ydot[0], q0/solver.m_elements[0].m_width, 1e-6) << c.m_kind;
		EXPECT_NEAR(ydot[1], 0, 1e-9) << c.m_kind;
		// room air gives 5 W/m2 by convection and 3 W/m2 by radiation to the inside surface
		EXPECT_NEAR(ydot[2], 8/solver.m_elements[2].m_width, 1e-6) << c.m_kind;
		EXPECT_NEAR(solver.m_q[3], -8, 1e-12) << c.m_kind;
	}

	Wall wall({ 0.005 }, { material(1.0, 1000, 1000) }, 7);
	RM::ConstructionSolver solver;
	solver.init(false, &wall.m_construction, wall.m_materials);
	std::vector<double> y(3), ydot(3);
	solver.setInitialStates(Twall, 0.5, y.data());
	solver.updateStates(y.data());
	EXPECT_NE(thrownMessages([&]() { solver.computeDivergences(0, 0, 0, 0, Te, Troom, 0, 0, ydot.data()); })
			  .find("Invalid Construction Type!"), std::string::npos);
}


TEST(ConstructionSolver, InnerFaceFluxBetweenEqualElements) {
	// two equal layers: the last element of the first and the first of the second are equally wide
	const RM::Material m = material(0.8, 1000, 1000);
	Wall wall({ 0.005, 0.005 }, { m, m });
	RM::ConstructionSolver solver;
	solver.init(false, &wall.m_construction, wall.m_materials);
	ASSERT_EQ(solver.m_n, 6u);
	const double d = solver.m_elements[2].m_width;
	ASSERT_NEAR(solver.m_elements[3].m_width, d, 1e-15);
	std::vector<double> y(6), ydot(6);
	solver.setInitialStates(290, 0.5, y.data());
	y[2] = 1000*1000*300.0;
	solver.updateStates(y.data());
	solver.computeDivergences(0, 0, 0, 0, 290, 290, 0, 0, ydot.data());
	EXPECT_NEAR(solver.m_q[3], 0.8*10/d, 1e-9);
	// the element loses heat through both faces
	EXPECT_NEAR(ydot[2], (solver.m_q[2] - solver.m_q[3])/d, 1e-6);
	EXPECT_LT(solver.m_q[2], 0);
}


TEST(ConstructionSolver, MoistureNeedsSorptionIsotherms) {
	RM::Material dry = material(1.0, 1000, 1000);
	dry.setName("en", "Dry brick");
	Wall wall({ 0.01, 0.005 }, { sorptiveMaterial(1.0, 1000, 1000, 10, 5), dry });
	RM::ConstructionSolver solver;
	const std::string userMessage = thrownMessages([&]() { solver.init(true, &wall.m_construction, wall.m_materials); });
	EXPECT_NE(userMessage.find("Material 'Dry brick' not parametrized for moisture calculation."), std::string::npos);
	EXPECT_NE(userMessage.find("User materials carry no moisture data"), std::string::npos) << userMessage;
	// a built-in material without isotherm is named without the hint on user materials
	for (auto & m : wall.m_materials)
		m.second.m_builtin = true;
	const std::string builtinMessage = thrownMessages([&]() { solver.init(true, &wall.m_construction, wall.m_materials); });
	EXPECT_NE(builtinMessage.find("Material 'Dry brick' not parametrized"), std::string::npos);
	EXPECT_EQ(builtinMessage.find("User materials"), std::string::npos) << builtinMessage;
	// without the moisture balance the isotherm is not needed
	RM::ConstructionSolver thermal;
	EXPECT_NO_THROW(thermal.init(false, &wall.m_construction, wall.m_materials));
}


TEST(ConstructionSolver, RefusesMaterialsThatDivideByZero) {
	const RM::Material bad[] = { material(0, 1000, 1000), material(1, 0, 1000), material(1, 1000, 0) };
	for (const RM::Material & m : bad) {
		Wall wall({ 0.005 }, { m });
		RM::ConstructionSolver solver;
		EXPECT_NE(thrownMessages([&]() { solver.init(false, &wall.m_construction, wall.m_materials); })
				  .find("TestMaterial"), std::string::npos);
	}
}


TEST(ConstructionSolver, MoistureStatesAreInterleaved) {
	const RM::Material a = sorptiveMaterial(1.0, 1000, 800, 10, 4);
	const RM::Material b = sorptiveMaterial(0.5, 600, 1200, 20, 8);
	Wall wall({ 0.005, 0.005 }, { a, b });
	wall.m_construction.m_beta_e = 2e-7;
	RM::ConstructionSolver solver;
	solver.init(true, &wall.m_construction, wall.m_materials);
	ASSERT_EQ(solver.m_n, 6u);
	ASSERT_EQ(solver.unknowns(), 12u);

	const double T = 293.15;
	std::vector<double> y(12, -1), ydot(12, 1e30);
	solver.setInitialStates(T, 0.5, y.data());
	for (unsigned int i = 0; i < 6; ++i) {
		const RM::Material & m = i < 3 ? a : b;
		EXPECT_NEAR(y[2*i], m.m_rho*m.m_cT*T, 1e-6) << i;
		EXPECT_NEAR(y[2*i + 1], i < 3 ? 2.0 : 4.0, 1e-12) << i; // w(50 %) = w80/2
	}
	solver.updateStates(y.data());
	const double pv = RM::saturationVapourPressure(T)*0.5;
	for (unsigned int i = 0; i < 6; ++i) {
		EXPECT_NEAR(solver.m_phi[i], 0.5, 1e-12);
		EXPECT_NEAR(solver.m_pv[i], pv, 1e-9);
	}
	EXPECT_NEAR(solver.insideVapourPressure(), pv, 1e-9);

	// drier outside air, 1e-6 kg/m2s of vapour entering from the room
	const double pvOut = pv - 500;
	solver.computeDivergences(0, 0, 1e-6, 0, T, T, pvOut, pv, ydot.data());
	const double g0 = -500*2e-7;
	EXPECT_NEAR(solver.m_outsideVapourFlux, g0, 1e-15);
	EXPECT_NEAR(solver.m_insideVapourFlux, -1e-6, 1e-15);
	EXPECT_NEAR(ydot[0], 0, 1e-9);										// energy of element 0
	EXPECT_NEAR(ydot[1], g0/solver.m_elements[0].m_width, 1e-12);		// moisture of element 0
	EXPECT_NEAR(ydot[10], 0, 1e-9);										// energy of element 5
	EXPECT_NEAR(ydot[11], 1e-6/solver.m_elements[5].m_width, 1e-12);	// moisture of element 5
	for (unsigned int i = 2; i < 10; ++i)
		EXPECT_NEAR(ydot[i], 0, 1e-9) << i;
}


TEST(ConstructionSolver, RelativeHumidityFollowsTheReversedIsothermInAnyOrderOfContents) {
	// 4 points: w = 0, 2, 4, 80 kg/m3 at 0, 50, 80, 100 %
	const RM::Material a = sorptiveMaterial(1.0, 1000, 800, 10, 4);
	Wall wall({ 0.001 }, { a });
	RM::ConstructionSolver solver;
	solver.init(true, &wall.m_construction, wall.m_materials);
	std::vector<double> y(solver.unknowns());
	solver.setInitialStates(293.15, 0.5, y.data());
	// up through every interval, exactly onto the points, beyond both ends and back down in jumps
	const double contents[] = { 1, 2, 2.0000001, 3.9, 4, 50, 80, 95, 60, 0.5, 3, -1, 0, 1e-9, 79.99, 2 };
	for (double w : contents) {
		for (unsigned int i = 0; i < solver.m_n; ++i)
			y[2*i + 1] = w;
		solver.updateStates(y.data());
		const double expected = a.m_reversedSorptionIsotherm.value(w);
		for (unsigned int i = 0; i < solver.m_n; ++i)
			EXPECT_NEAR(solver.m_phi[i], expected, 1e-14) << w;
	}
	// hand values: the middle of the 50..80 % interval and the upper end of the table
	y[1] = 3;
	y[3] = 80;
	solver.updateStates(y.data());
	EXPECT_NEAR(solver.m_phi[0], 0.65, 1e-14);
	EXPECT_NEAR(solver.m_phi[1], 1.0, 1e-14);
}


TEST(ConstructionSolver, VapourDiffusionAcrossMaterialInterface) {
	const RM::Material a = sorptiveMaterial(1.0, 1000, 800, 10, 4);
	const RM::Material b = sorptiveMaterial(0.5, 600, 1200, 30, 8);
	Wall wall({ 0.005, 0.005 }, { a, b });
	RM::ConstructionSolver solver;
	solver.init(true, &wall.m_construction, wall.m_materials);
	std::vector<double> y(12), ydot(12);
	solver.setInitialStates(293.15, 0.5, y.data());
	y[2*2 + 1] = 4.0; // last element of layer a at 80 %
	solver.updateStates(y.data());
	solver.computeDivergences(0, 0, 0, 0, 293.15, 293.15, solver.m_pv[0], solver.m_pv[5], ydot.data());
	// face 3 joins element 2 (material a) and element 3 (material b)
	const double d2 = solver.m_elements[2].m_width, d3 = solver.m_elements[3].m_width;
	const double muMean = (d2*10 + d3*30)/(d2 + d3);
	const double dp = RM::saturationVapourPressure(293.15)*(0.8 - 0.5);
	const double expected = 2.662e-5/(muMean*461.89*296.15)*dp/((d2 + d3)*0.5);
	EXPECT_NEAR(solver.m_g[3], expected, 1e-9*expected);
	EXPECT_GT(solver.m_g[3], 0); // from the moister element towards the inside
}


TEST(ConstructionSolver, ElementTemperaturesMatchTheMaterialInverseWithAndWithoutPhaseChange) {
	RM::Material plain = sorptiveMaterial(1.0, 1000, 800, 10, 4);
	RM::Material pcm = sorptiveMaterial(0.2, 800, 1000, 10, 4);
	pcm.m_HPCM = 180000;
	pcm.m_TPCMLow = 21;
	const double energies[] = { 800*1000*290.15, 800*1000*295.0 + 800*180000/3.0*1.7, 800*1000*300.0 + 800*180000 };
	for (bool moisture : { false, true }) {
		for (bool withPCM : { false, true }) {
			Wall wall({ 0.01, 0.01 }, { plain, withPCM ? pcm : plain });
			RM::ConstructionSolver solver;
			solver.init(moisture, &wall.m_construction, wall.m_materials);
			const unsigned int b = moisture ? 2 : 1;
			std::vector<double> y(solver.unknowns(), 2.0);
			for (unsigned int i = 0; i < solver.m_n; ++i)
				y[b*i] = energies[i % 3];
			solver.updateStates(y.data());
			for (unsigned int i = 0; i < solver.m_n; ++i) {
				const RM::Material & m = *solver.m_elements[i].m_material;
				// bit-identical to the per-material inverse, also in the latent range
				EXPECT_EQ(solver.m_T[i], RM::ConstructionSolver::temperature(m, y[b*i])) << moisture << withPCM << i;
			}
		}
	}
}


// The vapour pressures come from a loop with processor-specific clones (AVX-512 has fused
// multiply-add): each element must round exactly like the plain formula, over the ranges of
// the ice and water fits and their clamps.
TEST(ConstructionSolver, VapourPressuresRoundLikeThePlainFormula) {
	const RM::Material a = sorptiveMaterial(1.0, 1000, 800, 10, 4);
	const RM::Material b = sorptiveMaterial(0.5, 600, 1200, 20, 8);
	Wall wall({ 0.05, 0.04 }, { a, b });
	RM::ConstructionSolver solver;
	solver.init(true, &wall.m_construction, wall.m_materials);
	ASSERT_GT(solver.m_n, 16u);
	std::vector<double> y(solver.unknowns());
	solver.setInitialStates(293.15, 0.5, y.data());
	for (unsigned int i = 0; i < solver.m_n; ++i) {
		const RM::Material & m = *solver.m_elements[i].m_material;
		const double T = 100 + 290.0*i/(solver.m_n - 1); // 100 ... 390 K
		y[2*i] = m.m_rho*m.m_cT*T;
		y[2*i + 1] = 0.3 + 0.2*std::sin(1.3*i);
	}
	solver.updateStates(y.data());
	for (unsigned int i = 0; i < solver.m_n; ++i)
		EXPECT_EQ(solver.m_pv[i], RM::saturationVapourPressure(solver.m_T[i])*solver.m_phi[i]) << "element " << i;
}
