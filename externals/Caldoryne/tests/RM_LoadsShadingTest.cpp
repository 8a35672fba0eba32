#include <gtest/gtest.h>

#include <BVX_MessageHandler.h>

#include <RM_MoistureLoads.h>
#include <RM_ShadingControlModel.h>
#include <RM_ShadingType.h>
#include <RM_UserLoads.h>

#include "RM_RoundTrip.h"
#include "RM_TestSupport.h"

TEST(UserLoads, constantAndWeeklyProfiles) {
	RM::UserLoads u;
	EXPECT_EQ(u.m_name, QString("Office"));
	double occ, persons, equipment;
	for (unsigned int h : { 0u, 10u, 5000u, 8759u }) {
		EXPECT_EQ(u.userLoads(h, h*3600.0, 15, occ, persons, equipment), 0);
		EXPECT_EQ(occ, 4);
		EXPECT_EQ(persons, 320);
		EXPECT_EQ(equipment, 0);
	}

	u.m_occupancy.m_type = RM::Schedule::DAILY_WEEK;
	u.m_equipmentLoad.m_type = RM::Schedule::DAILY_WEEK;
	struct Case { unsigned int h; double persons; double equipment; } cases[] = {
		{ 10, 4, 150 },			// Monday 10:00, 10 W/m2 on 15 m2
		{ 20, 0, 0 },			// Monday 20:00
		{ 5*24 + 10, 0, 0 }		// Saturday 10:00
	};
	for (const Case & c : cases) {
		EXPECT_EQ(u.userLoads(c.h, c.h*3600.0, 15, occ, persons, equipment), c.equipment) << c.h;
		EXPECT_EQ(occ, c.persons) << c.h;
		EXPECT_EQ(persons, c.persons*80) << c.h;
	}
}


TEST(UserLoads, xmlRoundTripAndSilentUnknownChild) {
	RM::UserLoads u;
	u.m_name = "Lab";
	u.m_personLoad = 120;
	u.m_equipmentLoad.m_constantValue = 7.5;
	u.m_occupancy.m_type = RM::Schedule::DAILY_WEEK;
	RM::UserLoads r = RMTest::roundTrip(u);
	EXPECT_EQ(r.m_name, QString("Lab"));
	EXPECT_EQ(r.m_personLoad, 120);
	EXPECT_EQ(r.m_equipmentLoad.m_constantValue, 7.5);
	EXPECT_EQ(r.m_occupancy.m_type, int(RM::Schedule::DAILY_WEEK));
	EXPECT_EQ(r.m_occupancy.m_weekDaySchedule, u.m_occupancy.m_weekDaySchedule);

	RMTest::MessageCapture capture;
	RM::UserLoads c;
	RMTest::readInto(c, "<UserLoads name='x'><Comment>hello <b>there</b></Comment><PersonLoad>90</PersonLoad></UserLoads>");
	EXPECT_EQ(c.m_personLoad, 90);
	EXPECT_TRUE(capture.m_messages.empty());
}


TEST(MoistureLoads, gramsPerHourToKilogramsPerSecond) {
	RM::MoistureLoads m;
	EXPECT_EQ(m.m_name, QString("Office"));
	m.m_moistureLoad.m_constantValue = 360;
	double load;
	m.moistureLoad(0, 0, load);
	EXPECT_DOUBLE_EQ(load, 1e-4);

	RMTest::MessageCapture capture;
	RM::MoistureLoads r;
	RMTest::readInto(r, RMTest::xmlOf(m).replace("</MoistureLoads>", "<Note/></MoistureLoads>"));
	EXPECT_EQ(r.m_moistureLoad.m_constantValue, 360);
	EXPECT_TRUE(capture.m_messages.empty());
}


TEST(ShadingControl, intensityThresholdsByOrientation) {
	RM::ShadingControlModel s;
	s.m_modelType = RM::ShadingControlModel::INTENSITY_CONTROLLED;
	s.m_maxRadiationIntensityHorizontal = 100;
	s.m_maxRadiationIntensityNorth = 200;
	s.m_maxRadiationIntensityEast = 300;
	s.m_maxRadiationIntensitySouth = 400;
	s.m_maxRadiationIntensityWest = 500;
	struct Case { double orientation; double inclination; double threshold; } cases[] = {
		{ 10, 90, 200 }, { 44.9, 90, 200 }, { 45, 90, 300 }, { 134.9, 90, 300 }, { 135, 90, 400 },
		{ 225, 90, 500 }, { 314.9, 90, 500 }, { 315, 90, 200 }, { 359, 90, 200 },
		{ 180, 30, 100 }, { 0, 44.9, 100 }, { 0, 45, 200 }
	};
	for (const Case & c : cases)
		EXPECT_EQ(s.radiationThreshold(c.orientation, c.inclination), c.threshold) << c.orientation << "/" << c.inclination;

	const RM::ShadingType shade("en:Blind", 0.3);
	RM::ShadingControlModel d;
	d.m_modelType = RM::ShadingControlModel::INTENSITY_CONTROLLED;
	EXPECT_EQ(d.shadingFactor(shade, 0, 0, 250, 180, 90), 1);	// not above the threshold
	EXPECT_EQ(d.shadingFactor(shade, 0, 0, 251, 180, 90), 0.3);
}


TEST(ShadingControl, constantAndScheduledFactors) {
	const RM::ShadingType shade("en:Blind", 0.3);
	RM::ShadingControlModel s;
	for (unsigned int h : { 0u, 4000u, 8759u })
		EXPECT_EQ(s.shadingFactor(shade, h, h*3600.0, 0, 180, 90), 0.3);

	s.m_modelType = RM::ShadingControlModel::SCHEDULED;
	s.m_shadingDegree.m_constantValue = 0.5;
	EXPECT_DOUBLE_EQ(s.shadingFactor(shade, 0, 0, 0, 180, 90), 0.65);
	s.m_shadingDegree.m_constantValue = 0;
	EXPECT_EQ(s.shadingFactor(shade, 0, 0, 0, 180, 90), 1);
}


TEST(ShadingControl, thresholdsWrittenInFixedOrderReadInAnyOrder) {
	RM::ShadingControlModel s;
	s.m_name = "Facade";
	s.m_modelType = RM::ShadingControlModel::INTENSITY_CONTROLLED;
	s.m_maxRadiationIntensityHorizontal = 1;
	s.m_maxRadiationIntensityWest = 2;
	s.m_maxRadiationIntensitySouth = 3;
	s.m_maxRadiationIntensityNorth = 4;
	s.m_maxRadiationIntensityEast = 5;
	const QString xml = RMTest::xmlOf(s);
	const char * order[] = { "Horizontal", "West", "South", "North", "East" };
	int last = -1;
	for (const char * o : order) {
		const int pos = xml.indexOf(QString("MaxRadiationIntensity%1").arg(o));
		EXPECT_GT(pos, last) << o;
		last = pos;
	}
	RM::ShadingControlModel r = RMTest::roundTrip(s);
	EXPECT_EQ(r.m_name, QString("Facade"));
	EXPECT_EQ(r.m_modelType, int(RM::ShadingControlModel::INTENSITY_CONTROLLED));
	EXPECT_EQ(r.m_maxRadiationIntensityHorizontal, 1);
	EXPECT_EQ(r.m_maxRadiationIntensityWest, 2);
	EXPECT_EQ(r.m_maxRadiationIntensitySouth, 3);
	EXPECT_EQ(r.m_maxRadiationIntensityNorth, 4);
	EXPECT_EQ(r.m_maxRadiationIntensityEast, 5);
	EXPECT_EQ(r.m_shadingDegree.m_summerSchedule, s.m_shadingDegree.m_summerSchedule);

	RMTest::MessageCapture capture;
	RM::ShadingControlModel u;
	RMTest::readInto(u, "<ShadingControlModel><MaxRadiationIntensityEast>77</MaxRadiationIntensityEast>"
						"<Motor/><MaxRadiationIntensityHorizontal>66</MaxRadiationIntensityHorizontal></ShadingControlModel>");
	EXPECT_EQ(u.m_maxRadiationIntensityEast, 77);
	EXPECT_EQ(u.m_maxRadiationIntensityHorizontal, 66);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in ShadingControlModel tag: 'Motor'."), 1u);
}
