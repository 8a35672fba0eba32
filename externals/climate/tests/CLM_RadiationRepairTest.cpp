// Direct normal radiation above what any sky lets through, as some weather files hold it near
// sunrise and sunset, and negative radiation are repaired on reading; every other value is read
// as it stands.

#include <cmath>
#include <map>
#include <sstream>

#include <CLM_ClimateDataLoader.h>
#include <CLM_SolarRadiationModel.h>

#include "CLM_TestHelpers.h"

namespace {

const double DEG = 0.01745329252;
const double YEAR = 31536000;

/*! 16 Feb, the hour 07:00-08:00 CET (EPW data line 1112), half an hour after sunrise in
	Potsdam. Its value belongs to 08:00 = 1112 h. By hand: the solar time lags by
	240 s * (15 - 13.066) = 7.7 min, the equation of time adds -14.6 min, so the apparent
	solar time is day 46.318 (07:37.7); declination -13.19 deg, altitude 3.73 deg, sin h = 0.06509.
	E0 = 1366.1 (1 + 0.033 cos(2 pi 46.318 / 365)) = 1397.6 W/m2; optical depth 0.142 + 0.002
	(46.318 - 21) / 31 = 0.14363; clear-sky beam 1397.6 exp(-0.14363 / 0.06509) = 153.85 W/m2.
	Through a clean, dry atmosphere: air mass m = 1 / 0.06509 = 15.363, Rayleigh optical
	thickness 1 / (6.6296 + 1.7513 m - 0.1202 m^2 + 0.0065 m^3 - 0.00013 m^4) = 0.046528,
	beam 1397.6 exp(-0.8662 m 0.046528) = 752.4 W/m2: no sky lets more through. */
const unsigned int SUNRISE_HOUR = 1111;
const double SUNRISE_T = 1112 * 3600.0;
const double SUNRISE_SIN_H = 0.06509;
const double SUNRISE_E0 = 1397.6;
const double SUNRISE_CLEAR_SKY = 153.85;
const double SUNRISE_CLEAN_SKY = 752.4;

/*! Global, direct normal and diffuse radiation of one EPW hour, as written in the file. */
struct EpwRadiation { std::string m_global; double m_direct; double m_diffuse; };

/*! An EPW file at Potsdam (52.383 N, 13.066 E, UTC+1) without radiation except the given hours. */
std::string potsdamEpw(const std::map<unsigned int, EpwRadiation> & hours) {
	std::ostringstream s;
	s << "LOCATION,Potsdam,BB,DEU,BBSR,103790,52.38300,13.06600,1.0,81.0\n"
	  << "DESIGN CONDITIONS,0\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\n"
	  << "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\nCOMMENTS 1,test\nCOMMENTS 2,\nDATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n";
	for (unsigned int j = 0; j < 8760; ++j) {
		EpwRadiation r{ "0", 0, 0 };
		auto it = hours.find(j);
		if (it != hours.end())
			r = it->second;
		s << "2005,1,1,1,60,?9?9,5,2,80,100000,0,0,300," << r.m_global << "," << r.m_direct << "," << r.m_diffuse
		  << ",0,0,0,0,180,3.5,5,5,9999,0,9,999999999,0,0.2,0,88,0,0,0\n";
	}
	return s.str();
}

/*! A c6b file at Potsdam without radiation; data are annual unless time points are given. */
C6bBuilder potsdamC6b(unsigned int n) {
	C6bBuilder b;
	b.m_header = { "CITY=Potsdam", "TIMEZONE=1", "LATITUDE=52.383", "LONGITUDE=13.066" };
	b.m_vectors.assign(9, std::vector<double>(n, 0.0));
	return b;
}

double directNormal(const ClimateDataLoader & c, unsigned int j) {
	return c.m_data[ClimateDataLoader::DirectRadiationNormal][j];
}

} // namespace


TEST(ExtraterrestrialRadiation, FollowsTheSunsDistanceOverTheYear) {
	SolarRadiationModel m;
	m.m_longitude = 13.066 * DEG;
	m.m_climateDataLoader.m_timeZone = 1;
	EXPECT_NEAR(m.extraterrestrialRadiation(SUNRISE_T), SUNRISE_E0, 0.05);
	EXPECT_NEAR(m.extraterrestrialRadiation(SUNRISE_T + 2 * YEAR), SUNRISE_E0, 0.05); // time of year only
	// nearest the sun at the turn of the year, farthest half a year later
	for (double t = 0; t < YEAR; t += 3600) {
		const double e0 = m.extraterrestrialRadiation(t);
		ASSERT_GE(e0, 1366.1 * 0.967 - 1e-9) << t;
		ASSERT_LE(e0, 1366.1 * 1.033 + 1e-9) << t;
	}
	EXPECT_NEAR(m.extraterrestrialRadiation(182.5 * 86400), 1366.1 * 0.967, 0.1);
}


class RadiationRepair : public ClimateTempDir {};

TEST_F(RadiationRepair, EpwHourAboveE0IsRepairedFromItsHorizontalBeam) {
	struct Case {
		const char *	m_name;
		EpwRadiation	m_hour;
		double			m_expected;
	} cases[] = {
		// 22 W/m2 horizontal beam / 0.06509 = 338 W/m2 lies above the clear sky: cut to it
		{ "beam above the clear sky", { "44", 11606, 22 }, SUNRISE_CLEAR_SKY },
		// 3 W/m2 horizontal beam: 3 / 0.06509 = 46.1 W/m2, the horizontal beam is kept
		{ "weak beam projected", { "25", 5000, 22 }, 3 / SUNRISE_SIN_H },
		{ "global below diffuse", { "20", 5000, 22 }, 0 },
		// no usable global radiation: the clear-sky beam, as for a c6b file
		{ "global missing", { "n/a", 5000, 22 }, SUNRISE_CLEAR_SKY },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		const std::string fname = writeFile("potsdam.epw", potsdamEpw({ { SUNRISE_HOUR, c.m_hour } }));
		RecordingHandler handler;
		ClimateDataLoader loader;
		loader.readClimateData(fname);
		EXPECT_NEAR(directNormal(loader, SUNRISE_HOUR), c.m_expected, 0.05);
		EXPECT_LE(directNormal(loader, SUNRISE_HOUR), SUNRISE_E0);
		EXPECT_EQ(loader.m_data[ClimateDataLoader::DiffuseRadiationHorizontal][SUNRISE_HOUR], 22);

		ASSERT_EQ(loader.m_repairedHours.size(), 1u);
		const ClimateDataLoader::RepairedHour & r = loader.m_repairedHours[0];
		EXPECT_EQ(r.m_index, SUNRISE_HOUR);
		EXPECT_EQ(r.m_time, SUNRISE_T);
		EXPECT_EQ(r.m_fileValue, c.m_hour.m_direct);
		EXPECT_EQ(r.m_value, directNormal(loader, SUNRISE_HOUR));

		ASSERT_EQ(handler.m_warnings.size(), 1u);
		const std::string & w = handler.m_warnings[0];
		EXPECT_NE(w.find(fname), std::string::npos) << w;
		const std::size_t hour = w.find("16 Feb 07:00-08:00");
		ASSERT_NE(hour, std::string::npos) << w;
		EXPECT_EQ(w.find("16 Feb", hour + 1), std::string::npos) << "hour named twice: " << w;
	}
}

TEST_F(RadiationRepair, SunPositionOfTheRepairIsTheEndOfTheHour) {
	// the same horizontal beam one hour later, the sun at 11.36 deg: the projection
	// 22 / sin h = 111.7 W/m2 lies below the clear-sky beam of 674 W/m2
	const std::string fname = writeFile("later.epw", potsdamEpw({ { SUNRISE_HOUR + 1, { "44", 11606, 22 } } }));
	RecordingHandler handler;
	ClimateDataLoader loader;
	loader.readClimateData(fname);
	SolarRadiationModel sun;
	sun.m_latitude = 52.383 * DEG;
	sun.m_longitude = 13.066 * DEG;
	sun.m_climateDataLoader.m_timeZone = 1;
	sun.computeSunPosition(sun.equationOfTime(sun.localToSolarTime(SUNRISE_T + 3600)));
	EXPECT_NEAR(sun.m_sunAltitude / DEG, 11.36, 0.01);
	EXPECT_NEAR(directNormal(loader, SUNRISE_HOUR + 1), 111.7, 0.05);
	EXPECT_NEAR(directNormal(loader, SUNRISE_HOUR + 1), 22 / std::sin(sun.m_sunAltitude), 1e-9);
	// the horizontal beam of the file is kept: global = diffuse + direct normal * sin h
	EXPECT_NEAR(22 + directNormal(loader, SUNRISE_HOUR + 1) * std::sin(sun.m_sunAltitude), 44, 1e-9);
}

TEST_F(RadiationRepair, C6bHourAboveE0GetsTheClearSkyBeam) {
	struct Case {
		const char *		m_name;
		std::vector<double>	m_timePoints;	///< empty: annual data
		unsigned int		m_index;
	} cases[] = {
		{ "annual data", {}, SUNRISE_HOUR },
		{ "time-stamped data", { SUNRISE_T - 1800, SUNRISE_T, SUNRISE_T + 1800 }, 1 },
		{ "time-stamped, a later year", { YEAR + SUNRISE_T - 1800, YEAR + SUNRISE_T, YEAR + SUNRISE_T + 1800 }, 1 },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		C6bBuilder b = potsdamC6b(c.m_timePoints.empty() ? 8760 : 3);
		b.m_timePoints = c.m_timePoints;
		b.m_vectors[ClimateDataLoader::DirectRadiationNormal][c.m_index] = 11606;
		const std::string fname = writeFile("potsdam.c6b", b.bytes());
		RecordingHandler handler;
		ClimateDataLoader loader;
		loader.readClimateData(fname);
		EXPECT_NEAR(directNormal(loader, c.m_index), SUNRISE_CLEAR_SKY, 0.05);
		ASSERT_EQ(loader.m_repairedHours.size(), 1u);
		EXPECT_EQ(loader.m_repairedHours[0].m_index, c.m_index);
		EXPECT_EQ(loader.m_repairedHours[0].m_fileValue, 11606);
		ASSERT_EQ(handler.m_warnings.size(), 1u);
		EXPECT_NE(handler.m_warnings[0].find(fname), std::string::npos);
		EXPECT_NE(handler.m_warnings[0].find("16 Feb 07:00-08:00"), std::string::npos) << handler.m_warnings[0];
		// nothing else of the file is touched
		for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q) {
			if (q != ClimateDataLoader::DirectRadiationNormal) {
				EXPECT_EQ(loader.m_data[q], b.m_vectors[q]) << q;
			}
		}
	}
}

TEST_F(RadiationRepair, FilesWithoutSuchHoursAreReadAsTheyStand) {
	// possible values stay exactly as written, also a beam just below the clean-sky limit after
	// sunrise and a strong beam at noon in June; a twilight value of an hour with the sun below
	// the horizon throughout is left alone (the model takes no beam from it)
	const unsigned int JUNE_NOON = 171 * 24 + 11;
	const std::map<unsigned int, EpwRadiation> hours = {
		{ SUNRISE_HOUR, { "88", SUNRISE_CLEAN_SKY - 0.5, 22 } }, { JUNE_NOON, { "1400", 1000.25, 250 } },
		{ 5, { "0", 900, 0 } },
	};
	const std::string epw = writeFile("good.epw", potsdamEpw(hours));
	C6bBuilder b = potsdamC6b(8760);
	for (const auto & h : hours)
		b.m_vectors[ClimateDataLoader::DirectRadiationNormal][h.first] = h.second.m_direct;
	const std::string c6b = writeFile("good.c6b", b.bytes());

	for (const std::string & fname : { epw, c6b }) {
		SCOPED_TRACE(fname);
		RecordingHandler handler;
		ClimateDataLoader loader;
		loader.readClimateData(fname);
		EXPECT_TRUE(handler.m_warnings.empty());
		EXPECT_TRUE(loader.m_repairedHours.empty());
		EXPECT_EQ(loader.m_data[ClimateDataLoader::DirectRadiationNormal], b.m_vectors[ClimateDataLoader::DirectRadiationNormal]);
	}
}

TEST_F(RadiationRepair, RepairedHoursBelongToTheLastCompleteRead) {
	ClimateDataLoader loader;
	loader.readClimateData(writeFile("bad.epw", potsdamEpw({ { SUNRISE_HOUR, { "44", 11606, 22 } } })));
	ASSERT_EQ(loader.m_repairedHours.size(), 1u);
	// a header read keeps the data, and so the list
	loader.readClimateData(writeFile("good.epw", potsdamEpw({})), true);
	EXPECT_EQ(loader.m_repairedHours.size(), 1u);
	loader.readClimateData(writeFile("good.epw", potsdamEpw({})));
	EXPECT_TRUE(loader.m_repairedHours.empty());
}

TEST(ClimateHourText, NamesTheHourAValueBelongsTo) {
	struct Case { double m_t; const char * m_text; } cases[] = {
		{ 3600, "1 Jan 00:00-01:00" }, { 1800, "1 Jan 00:00-01:00" }, { 7200, "1 Jan 01:00-02:00" },
		{ SUNRISE_T, "16 Feb 07:00-08:00" }, { 59 * 86400 + 3600, "1 Mar 00:00-01:00" },
		{ 59 * 86400, "28 Feb 23:00-24:00" }, { YEAR, "31 Dec 23:00-24:00" },
		{ 0, "31 Dec 23:00-24:00" }, // the turn of the year closes the previous one
		{ 2 * YEAR + SUNRISE_T, "16 Feb 07:00-08:00" },
	};
	for (const Case & c : cases)
		EXPECT_EQ(ClimateDataLoader::hourText(c.m_t), c.m_text) << c.m_t;
}


TEST(CleanSkyRadiation, ByHandAfterSunriseAndNoneBelowTheHorizon) {
	SolarRadiationModel m;
	m.m_latitude = 52.383 * DEG;
	m.m_longitude = 13.066 * DEG;
	m.m_climateDataLoader.m_timeZone = 1;
	EXPECT_NEAR(m.cleanSkyNormalRadiation(SUNRISE_T), SUNRISE_CLEAN_SKY, 1.0);
	EXPECT_LT(m.clearSkyNormalRadiation(SUNRISE_T), m.cleanSkyNormalRadiation(SUNRISE_T));
	// a morning hour: the sun stands highest at its end
	EXPECT_DOUBLE_EQ(m.beamLimitOfHour(SUNRISE_T), m.cleanSkyNormalRadiation(SUNRISE_T));
	// 1 Jan 05:00-06:00: the sun below the horizon all hour
	EXPECT_EQ(m.beamLimitOfHour(6 * 3600.0), 0.0);
	// never more than E0, and in daylight more than the clear sky of the conversion
	for (double t = 1800; t < YEAR; t += 3600) {
		const double clean = m.cleanSkyNormalRadiation(t);
		ASSERT_LE(clean, m.extraterrestrialRadiation(t)) << t;
		ASSERT_GE(clean + 1e-9, m.clearSkyNormalRadiation(t)) << t;
	}
}


/*! Hours below E0 but above what any sky lets through, and negative values: repaired as the
	hours above E0, listed in the one warning, every other value as written. */
TEST_F(RadiationRepair, BeamAboveTheCleanSkyAndNegativeRadiationAreRepaired) {
	const unsigned int NOON = 40 * 24 + 11;
	struct Case {
		const char *	m_name;
		unsigned int	m_hour;
		EpwRadiation	m_radiation;
		double			m_direct;		///< read
		double			m_diffuse;		///< read
		const char *	m_listed;		///< quantity in the warning, empty: not repaired
		bool			m_replaced;		///< the warning says that a beam was replaced
	} cases[] = {
		// between the clean-sky beam (752.4) and E0 (1397.6): from the horizontal beam, cut to the clear sky
		{ "beam above the clean sky", SUNRISE_HOUR, { "44", 800, 22 }, SUNRISE_CLEAR_SKY, 22, "direct normal 800 -> 153.8", true },
		{ "beam just below it", SUNRISE_HOUR, { "44", 750, 22 }, 750, 22, "", false },
		{ "negative beam", NOON, { "300", -40, 250 }, 0, 250, "direct normal -40 -> 0.0", false },
		{ "negative diffuse", NOON, { "300", 100, -5 }, 100, 0, "diffuse horizontal -5 -> 0.0", false },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		const std::string fname = writeFile("potsdam.epw", potsdamEpw({ { c.m_hour, c.m_radiation } }));
		RecordingHandler handler;
		ClimateDataLoader loader;
		loader.readClimateData(fname);
		EXPECT_NEAR(directNormal(loader, c.m_hour), c.m_direct, 0.05);
		EXPECT_EQ(loader.m_data[ClimateDataLoader::DiffuseRadiationHorizontal][c.m_hour], c.m_diffuse);
		const bool repaired = *c.m_listed != 0;
		ASSERT_EQ(loader.m_repairedHours.size(), repaired ? 1u : 0u);
		ASSERT_EQ(handler.m_warnings.size(), repaired ? 1u : 0u);
		if (repaired) {
			EXPECT_EQ(loader.m_repairedHours[0].m_index, c.m_hour);
			EXPECT_NE(handler.m_warnings[0].find(c.m_listed), std::string::npos) << handler.m_warnings[0];
			// the warning says what was done, and only that
			EXPECT_EQ(handler.m_warnings[0].find("replaced by") != std::string::npos, c.m_replaced) << handler.m_warnings[0];
			EXPECT_EQ(handler.m_warnings[0].find("negative radiation set to 0") != std::string::npos, !c.m_replaced)
					<< handler.m_warnings[0];
		}
		// the other hours as written: no radiation
		for (unsigned int j = 0; j < 8760; ++j) {
			if (j != c.m_hour) {
				ASSERT_EQ(directNormal(loader, j), 0.0) << j;
				ASSERT_EQ(loader.m_data[ClimateDataLoader::DiffuseRadiationHorizontal][j], 0.0) << j;
			}
		}
	}
}
