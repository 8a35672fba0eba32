#include <gtest/gtest.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include <RM_CoolingModel.h>
#include <RM_HeatingModel.h>
#include <RM_Physics.h>

#include "RM_RoundTrip.h"
#include "RM_TestSupport.h"

namespace {

const double T0 = 273.15;

RM::HeatingModel simpleHeating() {
	RM::HeatingModel h;
	h.m_modelType = RM::HeatingModel::SIMPLE;
	h.m_setPoints.m_type = RM::Schedule::CONSTANT;
	h.m_setPoints.m_constantValue = 20;
	return h;
}

RM::CoolingModel simpleCooling() {
	RM::CoolingModel c;
	c.m_modelType = RM::CoolingModel::SIMPLE;
	c.m_setPoints.m_type = RM::Schedule::CONSTANT;
	c.m_setPoints.m_constantValue = 26;
	c.m_humiditySetPoints.m_type = RM::Schedule::CONSTANT;
	c.m_humiditySetPoints.m_constantValue = 50;
	return c;
}

} // namespace


TEST(HeatingModel, proportionalLoadIsCappedAtMaxPower) {
	RM::HeatingModel h = simpleHeating();
	struct Case { double TiC; double expected; } cases[] = {
		{ 19.9, 500 },	// 0.1 K * 5000 W/K
		{ 19.5, 800 },	// 2500 W limited to the default 800 W
		{ 20.0, 0 },
		{ 21.0, 0 }		// never negative
	};
	for (const Case & c : cases) {
		double load = -1;
		h.heatingLoad(100, 360000, c.TiC + T0, load);
		EXPECT_NEAR(load, c.expected, 1e-6) << c.TiC;
	}
	h.m_modelType = RM::HeatingModel::NONE;
	double load = -1;
	h.heatingLoad(100, 360000, 10 + T0, load);
	EXPECT_EQ(load, 0);
}


TEST(HeatingModel, slopeGrowsOnlyWhenUnsaturatedAndFarFromSetPoint) {
	RM::HeatingModel h = simpleHeating();
	h.adjustSlope(0, 0, 19.0 + T0, 800);	// saturated
	EXPECT_EQ(h.m_slope, 5000);
	h.adjustSlope(0, 0, 19.9 + T0, 500);	// only 0.1 K below
	EXPECT_EQ(h.m_slope, 5000);
	h.adjustSlope(0, 0, 19.7 + T0, 500);	// 0.3 K below, part load
	EXPECT_DOUBLE_EQ(h.m_slope, 6000);

	// from 5000 W/K the limit is reached with the 26th adaptation
	RM::HeatingModel g = simpleHeating();
	g.m_maxPower = 1e9;
	unsigned int steps = 0;
	double previous = 0;
	while (g.m_slope != previous && steps < 100) {
		previous = g.m_slope;
		g.adjustSlope(0, 0, 19.0 + T0, 1000);
		if (g.m_slope != previous)
			++steps;
	}
	EXPECT_EQ(steps, 26u);
	EXPECT_EQ(g.m_slope, 500000);
}


TEST(HeatingModel, xmlRoundTripAndUnknownChild) {
	RM::HeatingModel h = simpleHeating();
	h.m_name = "Radiators";
	h.m_maxPower = 1234.5;
	h.m_setPoints.m_constantValue = 21.5;
	RM::HeatingModel r = RMTest::roundTrip(h);
	EXPECT_EQ(r.m_name, QString("Radiators"));
	EXPECT_EQ(r.m_modelType, int(RM::HeatingModel::SIMPLE));
	EXPECT_EQ(r.m_maxPower, 1234.5);
	EXPECT_EQ(r.m_setPoints.m_type, int(RM::Schedule::CONSTANT));
	EXPECT_EQ(r.m_setPoints.m_constantValue, 21.5);
	EXPECT_EQ(r.m_slope, 5000);		// not stored

	RMTest::MessageCapture capture;
	RM::HeatingModel u;
	EXPECT_TRUE(RMTest::readInto(u, "<HeatingModel modelType='BOGUS'><Foo><MaxPower>1</MaxPower></Foo>"
									"<MaxPower>950</MaxPower></HeatingModel>").isEmpty());
	EXPECT_EQ(u.m_modelType, int(RM::HeatingModel::NONE));	// unknown keyword keeps the type
	EXPECT_EQ(u.m_maxPower, 950);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in HeatingModel tag: 'Foo'."), 1u);
}


TEST(CoolingModel, dehumidificationTakesThePowerFirst) {
	RM::CoolingModel c = simpleCooling();
	const double Ti = 30 + T0;
	double S, g, H, L;

	// very humid room: the latent load takes the whole power, none is left for sensible cooling
	c.coolingLoads(true, 0, 0, Ti, 0.025, S, g, H, L);
	EXPECT_DOUBLE_EQ(L, 1200);
	EXPECT_DOUBLE_EQ(g, -1200/3080000.0);
	EXPECT_EQ(S, 0);
	EXPECT_DOUBLE_EQ(H, (2050*Ti + 3080000)*g);

	// without the moisture balance the same room gets the full sensible power
	c.coolingLoads(false, 0, 0, Ti, 0.025, S, g, H, L);
	EXPECT_DOUBLE_EQ(S, -1200);
	EXPECT_EQ(g, 0);
	EXPECT_EQ(L, 0);

	// slightly humid room: latent load from the vapour density above the set point, rest sensible
	const double rhovSet = RM::saturationVapourPressure(Ti)*0.5/(461.89*Ti);
	const double rhov = rhovSet + 1e-5;
	c.coolingLoads(true, 0, 0, Ti, rhov, S, g, H, L);
	EXPECT_NEAR(g, -1e-4, 1e-12);
	EXPECT_NEAR(L, 308, 1e-6);
	EXPECT_NEAR(S, -(1200 - 308), 1e-6);

	// drier than the set point: no humidification
	c.coolingLoads(true, 0, 0, Ti, rhovSet*0.5, S, g, H, L);
	EXPECT_EQ(g, 0);
	EXPECT_EQ(L, 0);
}


TEST(CoolingModel, maxPowerCurveIsEvaluatedAtTheSetPoint) {
	RM::CoolingModel c = simpleCooling();
	c.m_maxPowerCurve.setValues({ 290, 310 }, { 1000, 3000 });
	const double expected = -(1000 + (26 + T0 - 290)/20*2000);
	for (double TiC : { 30.0, 40.0 }) {
		double S, g, H, L;
		c.coolingLoads(false, 0, 0, TiC + T0, 0, S, g, H, L);
		EXPECT_NEAR(S, expected, 1e-9) << TiC;
	}
}


TEST(CoolingModel, slopeAdaptationMirrorsHeating) {
	RM::CoolingModel c = simpleCooling();
	c.adjustSlope(0, 0, 30 + T0, -1200);		// saturated
	EXPECT_EQ(c.m_slope, 5000);
	c.adjustSlope(0, 0, 26.1 + T0, -500);	// within 0.2 K
	EXPECT_EQ(c.m_slope, 5000);
	c.adjustSlope(0, 0, 26.5 + T0, -500);
	EXPECT_DOUBLE_EQ(c.m_slope, 6000);
}


TEST(CoolingModel, maxPowerCurveXmlInCelsiusAndKilowatt) {
	RM::CoolingModel c;
	ASSERT_TRUE(RMTest::readInto(c,
		"<CoolingModel name='Split' modelType='SIMPLE'><MaxPower>900</MaxPower>"
		"<LinearSpline name='MaxPowerCurve'><X unit='C'>20 30</X><Y unit='kW'>1 2</Y></LinearSpline>"
		"</CoolingModel>").isEmpty());
	ASSERT_TRUE(c.m_maxPowerCurve.valid());
	EXPECT_NEAR(c.m_maxPowerCurve.x()[0], 293.15, 1e-9);
	EXPECT_NEAR(c.m_maxPowerCurve.x()[1], 303.15, 1e-9);
	EXPECT_DOUBLE_EQ(c.m_maxPowerCurve.y()[1], 2000);

	const QString xml = RMTest::xmlOf(c);
	EXPECT_TRUE(xml.contains("<X unit=\"C\">20 30</X>")) << xml.toStdString();
	EXPECT_TRUE(xml.contains("<Y unit=\"kW\">1 2</Y>")) << xml.toStdString();
	RM::CoolingModel r = RMTest::roundTrip(c);
	EXPECT_EQ(r.m_name, QString("Split"));
	EXPECT_EQ(r.m_modelType, int(RM::CoolingModel::SIMPLE));
	EXPECT_EQ(r.m_maxPower, 900);
	EXPECT_EQ(r.m_maxPowerCurve.y(), c.m_maxPowerCurve.y());
	EXPECT_EQ(r.m_humiditySetPoints.m_name, QString("ScheduleHumiditySetPoints"));
	EXPECT_EQ(r.m_setPoints.m_weekDaySchedule, c.m_setPoints.m_weekDaySchedule);
}


TEST(CoolingModel, badSplinesAreDroppedOrRejected) {
	{
		RMTest::MessageCapture capture;
		RM::CoolingModel c;
		RMTest::readInto(c, "<CoolingModel><LinearSpline name='DatLinear'><X unit='C'>1 2</X><Y unit='kW'>1 2</Y>"
							"</LinearSpline><MaxPower>700</MaxPower></CoolingModel>");
		EXPECT_TRUE(c.m_maxPowerCurve.empty());
		EXPECT_EQ(c.m_maxPower, 700);
		EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown linear spline data 'DatLinear' in CoolingModel tag."), 1u);
	}
	struct Case { const char * spline; const char * inner; } cases[] = {
		{ "<X unit='m'>1 2</X><Y unit='kW'>1 2</Y>", "Invalid x unit in linear spline 'MaxPowerCurve'" },
		{ "<X unit='C'>1 2</X><Y unit='kg'>1 2</Y>", "Invalid y unit in linear spline 'MaxPowerCurve'" },
		{ "<X unit='C'>2 1</X><Y unit='W'>1 2</Y>", "Invalid data in linear spline 'MaxPowerCurve'" }
	};
	for (const Case & c : cases) {
		RMTest::MessageCapture capture;
		RM::CoolingModel m;
		try {
			RMTest::readInto(m, QString("<CoolingModel><LinearSpline name='MaxPowerCurve'>%1</LinearSpline></CoolingModel>")
							 .arg(c.spline));
			ADD_FAILURE() << "no exception for " << c.spline;
		}
		catch (BVX::Exception & ex) {
			EXPECT_STREQ(ex.what(), "Error reading cooling model data.");
			ASSERT_EQ(ex.messages().size(), 2u);
			EXPECT_NE(ex.messages().front().m_what.find(c.inner), std::string::npos) << ex.msgStack();
		}
	}
}


TEST(SaturationVapourPressure, waterIceAndClampedBranches) {
	EXPECT_NEAR(RM::saturationVapourPressure(293.15), 2337, 1.5);
	EXPECT_NEAR(RM::saturationVapourPressure(273.15), 610.78, 0.01);
	// just below the triple point the ice polynomial applies (the water fit would give ~604.2 Pa)
	EXPECT_NEAR(RM::saturationVapourPressure(273.0), 603.4, 0.1);
	EXPECT_EQ(RM::saturationVapourPressure(100), 1.35e-15);
	EXPECT_EQ(RM::saturationVapourPressure(400), 109347);
	// monotonic over the range of room conditions
	for (double T = 250; T < 320; T += 1)
		EXPECT_LT(RM::saturationVapourPressure(T), RM::saturationVapourPressure(T + 1)) << T;
}


TEST(ControllerSlope, raisedSlopesAreReportedOnlyAtConsoleLevelTwo) {
	for (int level : { 1, 2 }) {
		RMTest::MessageCapture messages;
		messages.setConsoleVerbosityLevel(level);
		RM::HeatingModel h = simpleHeating();
		h.adjustSlope(0, 0, 19.7 + T0, 500);
		RM::CoolingModel c = simpleCooling();
		c.adjustSlope(0, 0, 26.5 + T0, -500);
		const unsigned int expected = level >= 2 ? 1 : 0;
		EXPECT_EQ(messages.count(BVX::MSG_PROGRESS, "SlopeIdealHeating = 6000 W/K\n"), expected) << level;
		EXPECT_EQ(messages.count(BVX::MSG_PROGRESS, "SlopeIdealCooling = 6000 W/K\n"), expected) << level;
		if (level == 2) {
			ASSERT_EQ(messages.m_messages.size(), 2u);
			EXPECT_EQ(messages.m_messages[0].m_functionID, "[HeatingModel::adjustSlope]");
			EXPECT_EQ(messages.m_messages[1].m_functionID, "[CoolingModel::adjustSlope]");
		}
	}
}
