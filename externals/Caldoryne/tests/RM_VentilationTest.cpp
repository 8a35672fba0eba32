#include <gtest/gtest.h>

#include <BVX_MessageHandler.h>

#include <RM_MechanicalVentilationModel.h>
#include <RM_NaturalVentilationModel.h>

#include "RM_RoundTrip.h"
#include "RM_TestSupport.h"

namespace {

const double T0 = 273.15;
const double RHOC = 1006*1.205;

RM::MechanicalVentilationModel ventilation(double rate, double eta) {
	RM::MechanicalVentilationModel m;
	m.m_modelType = RM::MechanicalVentilationModel::MECHANICAL_VENTILATION;
	m.m_ventilationRates.m_type = RM::Schedule::CONSTANT;
	m.m_ventilationRates.m_constantValue = rate;
	m.m_heatRecoveryEfficiency = eta;
	return m;
}

RM::NaturalVentilationModel natural(int type, double scheduled) {
	RM::NaturalVentilationModel n;
	n.m_modelType = type;
	n.m_airChangeRates.m_type = RM::Schedule::CONSTANT;
	n.m_airChangeRates.m_constantValue = scheduled;
	return n;
}

} // namespace


TEST(MechanicalVentilation, heatRecoveryFadesOutAroundBypassSetPoint) {
	RM::MechanicalVentilationModel m = ventilation(90, 0.8);
	EXPECT_DOUBLE_EQ(m.effectiveHeatRecovery(21 + T0), 0.8);
	EXPECT_NEAR(m.effectiveHeatRecovery(22 + T0), 0.4, 1e-9);
	EXPECT_NEAR(m.effectiveHeatRecovery(22.3 + T0), 0, 1e-12);
	EXPECT_EQ(m.effectiveHeatRecovery(25 + T0), 0);
}


TEST(MechanicalVentilation, sensibleFlowsWithAndWithoutRecovery) {
	struct Case { double eta; double TiC; double expectedHeat; } cases[] = {
		{ 0.0, 20, -20*RHOC*0.025 },		// ~ -606 W
		{ 0.8, 20, -4*RHOC*0.025 },			// supply air warmed to 16 C
		{ 0.8, 25, -25*RHOC*0.025 }			// bypassed above 22.3 C
	};
	for (const Case & c : cases) {
		RM::MechanicalVentilationModel m = ventilation(90, c.eta);
		for (double V : { 10.0, 500.0 }) {	// rates are volume flows: the volume plays no part
			double g, q, Q, P;
			m.mechanicalVentilationLoads(false, 0, 0, c.TiC + T0, T0, 0, 0, V, g, q, Q, P);
			EXPECT_NEAR(q, 0.025, 1e-15);
			EXPECT_NEAR(Q, c.expectedHeat, 1e-9) << c.eta << " " << c.TiC;
			EXPECT_EQ(g, 0);
			EXPECT_EQ(P, 0);
		}
	}
}


TEST(MechanicalVentilation, moistAirExchangeOfEqualAirIsNeutral) {
	RM::MechanicalVentilationModel m = ventilation(90, 0);
	double g, q, Q, P;
	m.mechanicalVentilationLoads(true, 0, 0, 20 + T0, 20 + T0, 0.008, 0.008, 45, g, q, Q, P);
	EXPECT_NEAR(g, 0, 1e-15);
	EXPECT_NEAR(Q, 0, 1e-9);
	// dry outside air removes vapour from a humid room
	m.mechanicalVentilationLoads(true, 0, 0, 20 + T0, 20 + T0, 0.008, 0.002, 45, g, q, Q, P);
	EXPECT_LT(g, 0);
	// about q*(rhov_e - rhov_i), the densities of both airs being nearly equal
	EXPECT_NEAR(g, 0.025*(0.002 - 0.008), 2e-6);
}


TEST(MechanicalVentilation, coolingVentilation) {
	RM::MechanicalVentilationModel m;
	m.m_modelType = RM::MechanicalVentilationModel::MECHANICAL_VENTILATION_COOLING;
	m.m_setPoints.m_type = RM::Schedule::CONSTANT;
	m.m_setPoints.m_constantValue = 26;
	double g, q, Q, P;

	m.mechanicalVentilationLoads(false, 0, 0, 27 + T0, 30 + T0, 0, 0, 45, g, q, Q, P);
	EXPECT_NEAR(q, 40/3600.0, 1e-15);
	EXPECT_NEAR(Q, -RHOC*q*(27 - 16), 1e-9);	// supply cooled to 16 C
	EXPECT_NEAR(P, -RHOC*q*(30 - 16), 1e-9);
	EXPECT_EQ(g, 0);

	// cool outside air is used as it is, no coil power
	m.mechanicalVentilationLoads(false, 0, 0, 27 + T0, 10 + T0, 0, 0, 45, g, q, Q, P);
	EXPECT_NEAR(Q, -RHOC*q*17, 1e-9);
	EXPECT_EQ(P, 0);

	// proportional flow just above the set point
	m.mechanicalVentilationLoads(false, 0, 0, 26.002 + T0, 30 + T0, 0, 0, 45, g, q, Q, P);
	EXPECT_NEAR(q, 20/3600.0, 1e-9);

	// never while the room is not warmer than the supply temperature
	m.m_setPoints.m_constantValue = 10;
	m.mechanicalVentilationLoads(false, 0, 0, 15 + T0, 30 + T0, 0, 0, 45, g, q, Q, P);
	EXPECT_EQ(q, 0);
	EXPECT_EQ(Q, 0);
	EXPECT_EQ(P, 0);
}


TEST(MechanicalVentilation, readingCorrectsOutOfRangeValuesAndRoundTrips) {
	struct Case { const char * tag; const char * text; double RM::MechanicalVentilationModel::* member; double expected; }
	cases[] = {
		{ "HeatRecoveryEfficiency", "1.5", &RM::MechanicalVentilationModel::m_heatRecoveryEfficiency, 1 },
		{ "HeatRecoveryEfficiency", "-0.2", &RM::MechanicalVentilationModel::m_heatRecoveryEfficiency, 0 },
		{ "MaxSupplyFlowRate", "-3", &RM::MechanicalVentilationModel::m_maxSupplyFlowRate, 0.1 },
		{ "SupplyTemperature", "-300", &RM::MechanicalVentilationModel::m_supplyTemperature, -100 },
		{ "HeatRecoverySetpoint", "-300", &RM::MechanicalVentilationModel::m_heatRecoverySetpoint, -300 }
	};
	for (const Case & c : cases) {
		RM::MechanicalVentilationModel m;
		RMTest::readInto(m, QString("<MechanicalVentilationModel><%1>%2</%1></MechanicalVentilationModel>")
						 .arg(c.tag).arg(c.text));
		EXPECT_EQ(m.*c.member, c.expected) << c.tag << " " << c.text;
	}

	RM::MechanicalVentilationModel m = ventilation(120, 0.75);
	m.m_name = "AHU";
	m.m_supplyTemperature = 18;
	m.m_maxSupplyFlowRate = 55;
	m.m_heatRecoverySetpoint = 23.5;
	RM::MechanicalVentilationModel r = RMTest::roundTrip(m);
	EXPECT_EQ(r.m_name, QString("AHU"));
	EXPECT_EQ(r.m_modelType, int(RM::MechanicalVentilationModel::MECHANICAL_VENTILATION));
	EXPECT_EQ(r.m_supplyTemperature, 18);
	EXPECT_EQ(r.m_maxSupplyFlowRate, 55);
	EXPECT_EQ(r.m_heatRecoveryEfficiency, 0.75);
	EXPECT_EQ(r.m_heatRecoverySetpoint, 23.5);
	EXPECT_EQ(r.m_ventilationRates.m_constantValue, 120);
	EXPECT_EQ(r.m_setPoints.m_weekDaySchedule, m.m_setPoints.m_weekDaySchedule);

	RMTest::MessageCapture capture;
	RMTest::readInto(r, "<MechanicalVentilationModel modelType='MECHANICAL_VENTILATION_COOLING'><X/>"
						"</MechanicalVentilationModel>");
	EXPECT_EQ(r.m_modelType, int(RM::MechanicalVentilationModel::MECHANICAL_VENTILATION_COOLING));
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in MechanicalVentilationModel tag: 'X'."), 1u);
}


TEST(NaturalVentilation, ratesOfTheModelTypes) {
	const double Te = 0 + T0;
	struct Case { int type; double TiC; double expected; } cases[] = {
		{ RM::NaturalVentilationModel::NONE, 30, 0 },
		{ RM::NaturalVentilationModel::SIMPLE, 10, 2.0 },
		{ RM::NaturalVentilationModel::MANAGED, 22.0, 0.5 },		// below Tmin: base rate
		{ RM::NaturalVentilationModel::MANAGED, 23.1, 1.25 },	// half way: 0.5 + 0.5*(2 - 0.5)
		{ RM::NaturalVentilationModel::MANAGED, 23.3, 2.0 }
	};
	for (const Case & c : cases) {
		RM::NaturalVentilationModel n = natural(c.type, 2.0);
		EXPECT_NEAR(n.airChangeRate(0, 0, c.TiC + T0, Te), c.expected, 1e-9) << c.type << " " << c.TiC;
	}
	// the room must also be warmer than outside
	RM::NaturalVentilationModel n = natural(RM::NaturalVentilationModel::MANAGED, 2.0);
	EXPECT_EQ(n.airChangeRate(0, 0, 25 + T0, 30 + T0), 0.5);
}


TEST(NaturalVentilation, dinModelSwitchesBetweenDayAndNightRules) {
	RM::NaturalVentilationModel n = natural(RM::NaturalVentilationModel::DIN, 2.0);
	// 21 C: below the day minimum of 23 C, above the night set point of 20 C
	const double Ti = 21 + T0, Te = 10 + T0;
	const double day = 86400*3;
	struct Case { double seconds; double expected; } cases[] = {
		{ 5*3600 + 59*60, 2.0 },	// 05:59 night rule
		{ 6*3600, 0.5 },			// 06:00 day rule, base rate
		{ 22*3600 + 59*60, 0.5 },
		{ 23*3600, 2.0 }			// 23:00 night again
	};
	for (const Case & c : cases)
		EXPECT_NEAR(n.airChangeRate(72, day + c.seconds, Ti, Te), c.expected, 1e-9) << c.seconds;

	// night without reason to ventilate: night base rate
	EXPECT_EQ(n.airChangeRate(72, day + 3600, 19 + T0, Te), 0.24);
}


TEST(NaturalVentilation, flowsScaleWithVolumeAndConserveEqualAir) {
	RM::NaturalVentilationModel n = natural(RM::NaturalVentilationModel::SIMPLE, 0.5);
	double g, Q;
	n.naturalVentilationLoads(false, 0, 0, 20 + T0, T0, 0, 0, 45, g, Q);
	EXPECT_EQ(n.m_airChangeRate, 0.5);
	EXPECT_NEAR(Q, -20*0.5/3600*RHOC*45, 1e-9);
	EXPECT_EQ(g, 0);

	n.naturalVentilationLoads(true, 0, 0, 20 + T0, 20 + T0, 0.008, 0.008, 45, g, Q);
	EXPECT_NEAR(g, 0, 1e-15);
	EXPECT_NEAR(Q, 0, 1e-9);
	n.naturalVentilationLoads(true, 0, 0, 20 + T0, 20 + T0, 0.008, 0.004, 45, g, Q);
	EXPECT_NEAR(g, 45*0.5/3600*(0.004 - 0.008), 5e-7);
}


TEST(NaturalVentilation, xmlRoundTripKeepsDinAndTimes) {
	RM::NaturalVentilationModel n = natural(RM::NaturalVentilationModel::DIN, 1.5);
	n.m_name = "Windows";
	n.m_minTRoom = 24;
	n.m_TRoomDifference = 1;
	n.m_setTRoom = 19;
	n.m_TRoomDifferenceNight = 2;
	n.m_baseAirChangeRate = 0.4;
	n.m_baseAirChangeRateNight = 0.3;
	n.m_occupancyStartTime = QTime(7, 30, 0);
	n.m_occupancyEndTime = QTime(22, 15, 0);
	const QString xml = RMTest::xmlOf(n);
	EXPECT_TRUE(xml.contains("modelType=\"DIN\""));
	EXPECT_TRUE(xml.contains("<OccupancyStartTime>07:30:00</OccupancyStartTime>"));
	RM::NaturalVentilationModel r = RMTest::roundTrip(n);
	EXPECT_EQ(r.m_name, QString("Windows"));
	EXPECT_EQ(r.m_modelType, int(RM::NaturalVentilationModel::DIN));
	EXPECT_EQ(r.m_minTRoom, 24);
	EXPECT_EQ(r.m_TRoomDifference, 1);
	EXPECT_EQ(r.m_setTRoom, 19);
	EXPECT_EQ(r.m_TRoomDifferenceNight, 2);
	EXPECT_EQ(r.m_baseAirChangeRate, 0.4);
	EXPECT_EQ(r.m_baseAirChangeRateNight, 0.3);
	EXPECT_EQ(r.m_occupancyStartTime, QTime(7, 30, 0));
	EXPECT_EQ(r.m_occupancyEndTime, QTime(22, 15, 0));
	EXPECT_EQ(r.m_airChangeRates.m_constantValue, 1.5);

	// an unparsable time gives an invalid time, whose period bound lies before midnight
	RM::NaturalVentilationModel bad = natural(RM::NaturalVentilationModel::DIN, 2.0);
	RMTest::readInto(bad, "<NaturalVentilationModel><OccupancyStartTime>7 o'clock</OccupancyStartTime>"
						  "</NaturalVentilationModel>");
	EXPECT_FALSE(bad.m_occupancyStartTime.isValid());
	EXPECT_EQ(bad.airChangeRate(0, 3600, 22 + T0, 10 + T0), 0.5);	// 01:00 counts as day now
}
