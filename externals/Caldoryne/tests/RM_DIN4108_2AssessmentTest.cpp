#include <gtest/gtest.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>

#include <RM_DIN4108_2Assessment.h>
#include <RM_Room.h>
#include <RM_ShadingType.h>

#include "RM_RoundTrip.h"
#include "RM_TestSupport.h"

namespace {

const double T0 = 273.15;

RM::DIN4108_2Assessment assessment(bool residential) {
	RM::DIN4108_2Assessment a;
	a.m_residential = residential;
	return a;
}

} // namespace


TEST(DIN4108_2, limitsByUsageAndClimateRegion) {
	RM::DIN4108_2Assessment a = assessment(true);
	EXPECT_EQ(a.referenceTemperature(), 26);
	EXPECT_EQ(a.overTemperatureLimit(), 1200u);
	EXPECT_EQ(a.occupancyHours(), 8760u);
	EXPECT_EQ(a.heatingSetpointTemperature(), 20);
	a = assessment(false);
	EXPECT_EQ(a.overTemperatureLimit(), 500u);
	EXPECT_EQ(a.occupancyHours(), 3000u);
	EXPECT_EQ(a.heatingSetpointTemperature(), 21);
	a.m_climateRegion = 0;
	EXPECT_EQ(a.referenceTemperature(), 25);
	a.m_climateRegion = 2;
	EXPECT_EQ(a.referenceTemperature(), 27);

	EXPECT_EQ(RM::DIN4108_2Assessment::maxEnhancedNightVentilation(0), 2);
	EXPECT_EQ(RM::DIN4108_2Assessment::maxEnhancedNightVentilation(1), 5);
	EXPECT_GT(RM::DIN4108_2Assessment::maxEnhancedNightVentilation(2), 1e300);
	EXPECT_EQ(RM::DIN4108_2Assessment::maxEnhancedNightVentilation(7), 0);
}


TEST(DIN4108_2, usageHoursInternalGainsAndBasicAirChange) {
	RM::Room room;
	room.m_height = 3;
	const RM::DIN4108_2Assessment office = assessment(false);
	const RM::DIN4108_2Assessment home = assessment(true);
	struct Case { unsigned int h; bool usage; double gains; double airChange; } cases[] = {
		{ 0*24 + 6, false, 0, 0.24/3600 },
		{ 0*24 + 7, true, 144.0/11, 4.0/3/3600 },
		{ 17, true, 144.0/11, 4.0/3/3600 },
		{ 18, true, 0, 4.0/3/3600 },					// gains end at 18:00, the usage hour not
		{ 19, false, 0, 0.24/3600 },
		{ 4*24 + 12, true, 144.0/11, 4.0/3/3600 },		// Friday
		{ 5*24 + 10, false, 0, 0.24/3600 },				// Saturday
		{ 6*24 + 10, false, 0, 0.24/3600 },				// Sunday
		{ 7*24 + 10, true, 144.0/11, 4.0/3/3600 }		// Monday again
	};
	for (const Case & c : cases) {
		EXPECT_EQ(RM::DIN4108_2Assessment::isUsageHour(c.h), c.usage) << c.h;
		EXPECT_DOUBLE_EQ(office.internalLoadsPerArea(c.h), c.gains) << c.h;
		EXPECT_DOUBLE_EQ(office.basicAirChangeRate(c.h, room), c.airChange) << c.h;
		EXPECT_DOUBLE_EQ(home.internalLoadsPerArea(c.h), 100.0/24) << c.h;
		EXPECT_DOUBLE_EQ(home.basicAirChangeRate(c.h, room), 0.5/3600) << c.h;
	}
	// gains over a week: residential 7 x 100 Wh/m2, non-residential 5 x 144 Wh/m2
	double sumHome = 0;
	double sumOffice = 0;
	for (unsigned int h = 0; h < 7*24; ++h) {
		sumHome += home.internalLoadsPerArea(h);
		sumOffice += office.internalLoadsPerArea(h);
	}
	EXPECT_NEAR(sumHome, 7*100, 1e-9);
	EXPECT_NEAR(sumOffice, 5*144, 1e-9);
}


TEST(DIN4108_2, dayAndNightVentilationWindows) {
	RM::Room room;
	RM::DIN4108_2Assessment a = assessment(true);
	a.m_enhancedDayVentilation = true;
	a.m_enhancedNightVentilation = true;
	a.m_enhancedDayVentilationValue = 0.0005;
	a.m_enhancedNightVentilationValue = 0.001;
	struct Case { bool residential; unsigned int h; double Troom; double Tout; double expected; } cases[] = {
		{ true, 23, 26, 20, 0.0005 },		// residential day window ends at 23:59
		{ true, 5, 26, 20, 0.001 },			// night
		{ true, 6, 26, 20, 0.0005 },
		{ true, 12, 23, 20, 0.5/3600 },		// day rule needs more than 23 C
		{ true, 12, 26, 27, 0.5/3600 },		// and a cooler outside
		{ true, 3, 20, 15, 0.5/3600 },		// night rule needs more than the heating set point
		{ false, 23, 26, 20, 0.001 },		// non-residential night starts at 19:00
		{ false, 18, 26, 20, 0.0005 },
		{ false, 19, 22, 20, 0.001 },		// above 21 C
		{ false, 19, 21, 20, 0.24/3600 }
	};
	for (const Case & c : cases) {
		a.m_residential = c.residential;
		a.updateAirChangeRate(c.Troom, c.Tout, c.h, room);
		EXPECT_DOUBLE_EQ(a.m_currentAirChangeRate, c.expected) << c.residential << " h=" << c.h;
	}
	a.m_enhancedDayVentilation = false;
	a.m_residential = true;
	EXPECT_EQ(a.enhancedDayVentilationRate(26, 20, 12), 0);
	EXPECT_FALSE(a.isEnhancedNightVentilationActive(26, 27, 2));
}


TEST(DIN4108_2, shadingFactorGroups) {
	const RM::ShadingType shade("en:Blind", 0.25);
	RM::DIN4108_2Assessment a = assessment(true);
	a.m_shadingControlType = 2;
	struct Case { bool residential; double orientation; double inclination; double radiation; double expected; }
	cases[] = {
		{ true, 0, 90, 210, 0.25 },
		{ true, 0, 90, 200, 1 },		// not above the threshold
		{ true, 0, 30, 900, 1 },		// flat surfaces are never shaded by this rule
		{ true, 45, 90, 250, 0.25 },	// 45 belongs to the north group (200)
		{ true, 46, 90, 250, 1 },		// 46 does not (300)
		{ true, 315, 90, 250, 0.25 },
		{ true, 180, 90, 301, 0.25 },
		{ false, 0, 90, 151, 0.25 },
		{ false, 180, 90, 199, 1 },
		{ false, 180, 90, 201, 0.25 }
	};
	for (const Case & c : cases) {
		a.m_residential = c.residential;
		EXPECT_EQ(a.shadingFactor(shade, 12, c.radiation, c.orientation, c.inclination), c.expected)
			<< c.residential << " " << c.orientation << " " << c.radiation;
	}
	a.m_shadingControlType = 0;
	a.m_residential = false;
	EXPECT_EQ(a.shadingFactor(shade, 12, 0, 0, 90), 0.25);			// weekday
	EXPECT_EQ(a.shadingFactor(shade, 5*24 + 12, 0, 0, 90), 1);		// Saturday
	a.m_residential = true;
	EXPECT_EQ(a.shadingFactor(shade, 5*24 + 12, 0, 0, 90), 0.25);
	for (int type : { 1, 3 }) {
		a.m_shadingControlType = type;
		EXPECT_EQ(a.shadingFactor(shade, 12, 1000, 180, 90), 1) << type;
	}
}


TEST(DIN4108_2, idealHeatingAndSlopeCap) {
	RM::DIN4108_2Assessment a = assessment(true);
	EXPECT_NEAR(a.idealHeatingLoad(19.9 + T0), 500, 1e-6);
	EXPECT_EQ(a.idealHeatingLoad(20 + T0), 0);
	EXPECT_EQ(a.idealHeatingLoad(0 + T0), 10000);
	a.m_maximumHeatingPower = 0;
	EXPECT_EQ(a.idealHeatingLoad(0 + T0), 0);

	a.m_maximumHeatingPower = 10000;
	a.m_slopeIdealHeating = 450000;
	a.adjustSlope(19 + T0, 5000);
	EXPECT_EQ(a.m_slopeIdealHeating, 500000);
	a.adjustSlope(19 + T0, 5000);
	EXPECT_EQ(a.m_slopeIdealHeating, 500000);

	a.m_slopeIdealHeating = 5000;
	a.adjustSlope(19 + T0, 10000);		// at full power
	a.adjustSlope(19.9 + T0, 500);		// within 0.2 K
	EXPECT_EQ(a.m_slopeIdealHeating, 5000);
	a.adjustSlope(19.5 + T0, 2500);
	EXPECT_DOUBLE_EQ(a.m_slopeIdealHeating, 6000);
}


TEST(DIN4108_2, readingChecksAndDefaultXml) {
	struct Case { const char * element; const char * text; const char * error; } rejected[] = {
		{ "ClimateRegion", "3", "Invalid value for 'ClimateRegion'. Value must be 0, 1 or 2." },
		{ "ClimateRegion", "-1", "Invalid value for 'ClimateRegion'. Value must be 0, 1 or 2." },
		{ "VentilationType", "3", "Invalid value for 'VentilationType'." },
		{ "ShadingControlType", "4", "Invalid value for 'ShadingControlType'. Value must be 0, 1, 2 or 3." },
		{ "EnhancedDayVentilationValue", "-0.1", "Invalid value for 'EnhancedDayVentilationValue'. Value must be > than 0." },
		{ "EnhancedNightVentilationValue", "-1", "Invalid value for 'EnhancedNightVentilationValue'. Value must be > than 0." },
		{ "MaximumHeatingPower", "-5", "Invalid value for 'MaximumHeatingPower'. Value must be > than 0." }
	};
	for (const Case & c : rejected) {
		RM::DIN4108_2Assessment a;
		try {
			RMTest::readInto(a, QString("<DIN4108_2Assessment><%1>%2</%1></DIN4108_2Assessment>").arg(c.element).arg(c.text));
			ADD_FAILURE() << c.element << " " << c.text << " accepted";
		}
		catch (BVX::Exception & ex) {
			EXPECT_NE(std::string(ex.what()).find(c.error), std::string::npos) << ex.what();
		}
	}

	RM::DIN4108_2Assessment a;
	RMTest::readInto(a, "<DIN4108_2Assessment><ShadingControlType>3</ShadingControlType>"
						"<MaximumHeatingPower>0</MaximumHeatingPower><Residential>yes</Residential></DIN4108_2Assessment>");
	EXPECT_EQ(a.m_shadingControlType, 3);
	EXPECT_EQ(a.m_maximumHeatingPower, 0);
	EXPECT_FALSE(a.m_residential);		// only "true" is true

	const QString xml = RMTest::xmlOf(RM::DIN4108_2Assessment());
	EXPECT_FALSE(xml.contains("<Active>"));
	EXPECT_FALSE(xml.contains("<EnhancedDayVentilation>"));
	EXPECT_FALSE(xml.contains("<EnhancedNightVentilation>"));
	EXPECT_TRUE(xml.contains("<Residential>true</Residential>"));
}


TEST(DIN4108_2, xmlRoundTrip) {
	RM::DIN4108_2Assessment a;
	a.m_active = true;
	a.m_residential = false;
	a.m_climateRegion = 2;
	a.m_enhancedDayVentilation = true;
	a.m_enhancedNightVentilation = true;
	a.m_shadingControlType = 0;
	a.m_ventilationType = 1;
	a.m_enhancedDayVentilationValue = 2.0/3600;
	a.m_enhancedNightVentilationValue = 4.0/3600;
	a.m_enhancedDayVentilationExplanation = "tilted windows";
	a.m_enhancedNightVentilationExplanation = "stairwell";
	a.m_shadingControlExplanation = "manual";
	a.m_maximumHeatingPower = 3000;
	RMTest::MessageCapture capture;
	RM::DIN4108_2Assessment r;
	RMTest::readInto(r, RMTest::xmlOf(a).replace("</DIN4108_2Assessment>", "<Extra>1</Extra></DIN4108_2Assessment>"));
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in DIN4108_2Assessment tag: 'Extra'."), 1u);
	EXPECT_TRUE(r.m_active);
	EXPECT_FALSE(r.m_residential);
	EXPECT_EQ(r.m_climateRegion, 2);
	EXPECT_TRUE(r.m_enhancedDayVentilation);
	EXPECT_TRUE(r.m_enhancedNightVentilation);
	EXPECT_EQ(r.m_shadingControlType, 0);
	EXPECT_EQ(r.m_ventilationType, 1);
	EXPECT_NEAR(r.m_enhancedDayVentilationValue*3600, 2, 1e-5);
	EXPECT_NEAR(r.m_enhancedNightVentilationValue*3600, 4, 1e-5);
	EXPECT_EQ(r.m_enhancedDayVentilationExplanation, QString("tilted windows"));
	EXPECT_EQ(r.m_enhancedNightVentilationExplanation, QString("stairwell"));
	EXPECT_EQ(r.m_shadingControlExplanation, QString("manual"));
	EXPECT_EQ(r.m_maximumHeatingPower, 3000);
	EXPECT_EQ(r.m_currentAirChangeRate, -1);		// run state is not stored
	EXPECT_EQ(r.m_slopeIdealHeating, 5000);
}


TEST(DIN4108_2, ventilationLimitsAreCheckedInPerHourAtRunStart) {
	struct Case { bool day; double dayPerHour; bool night; int ventilationType; double nightPerHour; bool ok; } cases[] = {
		{ true, 3.0, false, 0, 0, true },		// right at the limit, after a trip through the file
		{ true, 3.1, false, 0, 0, false },
		{ false, 50, false, 0, 0, true },		// switched off: the value is not used
		{ false, 0, true, 0, 2.0, true },
		{ false, 0, true, 0, 2.5, false },
		{ false, 0, true, 1, 5.0, true },
		{ false, 0, true, 1, 6.0, false },
		{ false, 0, true, 2, 100.0, true }		// mechanical ventilation: unlimited
	};
	for (const Case & c : cases) {
		RM::DIN4108_2Assessment a;
		a.m_enhancedDayVentilation = c.day;
		a.m_enhancedNightVentilation = c.night;
		a.m_ventilationType = c.ventilationType;
		a.m_enhancedDayVentilationValue = c.dayPerHour/3600;
		a.m_enhancedNightVentilationValue = c.nightPerHour/3600;
		RM::DIN4108_2Assessment r = RMTest::roundTrip(a);
		if (c.ok)
			EXPECT_NO_THROW(r.checkVentilationLimits()) << c.dayPerHour << " " << c.nightPerHour;
		else
			EXPECT_THROW(r.checkVentilationLimits(), BVX::Exception) << c.dayPerHour << " " << c.nightPerHour;
	}

	// reading stays tolerant: a day value of 5 1/s (18000 1/h) is read, and the rule uses it without assertion
	RM::DIN4108_2Assessment big;
	RMTest::readInto(big, "<DIN4108_2Assessment><EnhancedDayVentilation>true</EnhancedDayVentilation>"
						  "<EnhancedDayVentilationValue>5</EnhancedDayVentilationValue></DIN4108_2Assessment>");
	EXPECT_EQ(big.m_enhancedDayVentilationValue, 5);
	RM::Room room;
	big.updateAirChangeRate(26, 20, 12, room);
	EXPECT_EQ(big.m_currentAirChangeRate, 5);
	try {
		big.checkVentilationLimits();
		ADD_FAILURE() << "no exception";
	}
	catch (BVX::Exception & ex) {
		EXPECT_NE(std::string(ex.what()).find("18000 1/h exceeds the limit of 3 1/h"), std::string::npos) << ex.what();
	}
}
