#include <cmath>

#include <CLM_SolarRadiationModel.h>

#include "CLM_TestHelpers.h"

namespace {

const double PI = 3.14159265358979323846;
const double DEG = 0.01745329252;
const double YEAR = 31536000;
const double DAY = 86400;

/*! Declination of the model's formula for a fractional day of the year. */
double declination(double n) {
	return 0.409279709594 * std::sin((n + 284) * 2 * PI / 365);
}

/*! A model at Potsdam (52.383 N, 13.066 E, UTC+1) with constant climate data:
	direct normal radiation dni, diffuse horizontal radiation dhi. */
SolarRadiationModel potsdam(double dni, double dhi) {
	SolarRadiationModel m;
	m.m_latitude = 52.383 * DEG;
	m.m_longitude = 13.066 * DEG;
	ClimateDataLoader & c = m.m_climateDataLoader;
	c.m_city = "Potsdam";
	c.m_timeZone = 1;
	for (auto & v : c.m_data)
		v.assign(8760, 0.0);
	c.m_data[ClimateDataLoader::DirectRadiationNormal].assign(8760, dni);
	c.m_data[ClimateDataLoader::DiffuseRadiationHorizontal].assign(8760, dhi);
	return m;
}

struct Load { double m_direct = -1; double m_diffuse = -1; double m_angle = -1; };

Load load(const SolarRadiationModel & m, unsigned int id) {
	Load l;
	m.radiationLoad(id, l.m_direct, l.m_diffuse, l.m_angle);
	return l;
}

} // namespace


TEST(SolarRadiationModel, SurfacesWithinToleranceShareTheirId) {
	SolarRadiationModel m;
	unsigned int south = m.addSurface(PI, PI / 2);
	EXPECT_EQ(south, 0u);
	EXPECT_EQ(m.addSurface(PI + 5e-6, PI / 2 - 5e-6), south);
	EXPECT_EQ(m.addSurface(PI + 2e-5, PI / 2), 1u);
	EXPECT_EQ(m.addSurface(PI, 0), 2u);
	EXPECT_EQ(m.surfaceCount(), 3u);

	Load l = load(m, 2); // registered, no setTime yet
	EXPECT_EQ(l.m_direct, 0);
	EXPECT_EQ(l.m_diffuse, 0);
	EXPECT_EQ(l.m_angle, 0);
	EXPECT_THROW_MSG(load(m, 3), "Invalid surface ID 3.");
}

TEST(SolarRadiationModel, SunPositionAtNoonAndMidnight) {
	SolarRadiationModel m; // latitude 0.891863247772
	const double phi = 0.891863247772;
	struct Case { double m_day; } cases[] = { { 172.5 }, { 80.5 }, { 355.5 } };
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_day);
		double delta = declination(c.m_day);
		// apparent solar noon: the sun stands due south at 90 deg - (phi - delta)
		double azimuth = m.computeSunPosition(c.m_day * DAY);
		EXPECT_NEAR(azimuth, PI, 1e-12);
		EXPECT_NEAR(m.m_sunAzimuth, PI, 1e-12);
		EXPECT_NEAR(m.m_sunAltitude, PI / 2 - (phi - delta), 1e-12);
		EXPECT_NEAR(m.m_declination, delta, 1e-15);
		// midnight: the sun is below the northern horizon by 90 deg - (phi + delta)
		m.computeSunPosition((c.m_day + 0.5) * DAY);
		EXPECT_NEAR(m.m_sunAltitude, phi + declination(c.m_day + 0.5) - PI / 2, 1e-12);
	}
	EXPECT_NEAR(declination(172.5), 23.45 * DEG, 1e-4);
}

TEST(SolarRadiationModel, MorningAndAfternoonMirrorAtNoon) {
	SolarRadiationModel m;
	const double noon = 200.5 * DAY;
	for (double dt : { 1800.0, 3 * 3600.0, 5 * 3600.0 }) {
		m.computeSunPosition(noon - dt);
		double altMorning = m.m_sunAltitude;
		double azMorning = m.m_sunAzimuth;
		m.computeSunPosition(noon + dt);
		// the declination changes a little within the day
		EXPECT_NEAR(m.m_sunAltitude, altMorning, 2e-3) << dt;
		EXPECT_NEAR(m.m_sunAzimuth + azMorning, 2 * PI, 2e-3) << dt;
		EXPECT_LT(azMorning, PI);	// east of south in the morning
	}
}

TEST(SolarRadiationModel, LocalToSolarTimeFollowsLongitudeAndTimeZone) {
	SolarRadiationModel m;
	m.m_climateDataLoader.m_timeZone = 1;
	m.m_longitude = 13.06 * DEG;
	// 15 deg - 13.06 deg = 1.94 deg at 240 s per degree
	EXPECT_NEAR(m.localToSolarTime(1e6), 1e6 - 465.6, 1e-6);
	EXPECT_NEAR(m.localToSolarTime(100), 31535634.4, 1e-6);
	// across the date line: UTC+12 at 170 deg W is 10 deg east of the 180 deg meridian
	m.m_climateDataLoader.m_timeZone = 12;
	m.m_longitude = -170 * DEG;
	EXPECT_NEAR(m.localToSolarTime(1e6), 1e6 + 2400, 1e-6);
}

TEST(SolarRadiationModel, EquationOfTime) {
	SolarRadiationModel m;
	// day 81: B = 0, E = -7.53 min
	EXPECT_NEAR(m.equationOfTime(81 * DAY), 81 * DAY - 7.53 * 60, 1e-6);
	// early February the sun runs about 14 minutes late
	EXPECT_NEAR(m.equationOfTime(42 * DAY) - 42 * DAY, -14 * 60, 60);
	// early November about 16 minutes early
	EXPECT_NEAR(m.equationOfTime(306 * DAY) - 306 * DAY, 16 * 60, 60);
	// a result before the start of the year wraps to its end
	double s = m.equationOfTime(100);
	EXPECT_GT(s, YEAR - 300);
	EXPECT_LE(s, YEAR);
}

TEST(SolarRadiationModel, NightGivesDiffuseLightOnly) {
	SolarRadiationModel m = potsdam(100, 20);
	unsigned int horizontal = m.addSurface(0, 0);
	unsigned int vertical = m.addSurface(PI, PI / 2);
	m.setTime(2000, 0); // midnight, 1 January
	ASSERT_LT(m.m_sunAltitude, 0);
	// albedo 0.2: vertical = 0.5 * 20 + 0.5 * 0.2 * 20
	Load h = load(m, horizontal);
	Load v = load(m, vertical);
	EXPECT_DOUBLE_EQ(h.m_diffuse, 20);
	EXPECT_NEAR(v.m_diffuse, 12, 1e-12);
	EXPECT_EQ(h.m_direct, 0);
	EXPECT_EQ(v.m_direct, 0);
	EXPECT_DOUBLE_EQ(v.m_angle, PI / 2);

	SolarRadiationModel dark = potsdam(100, 0);
	dark.addSurface(PI, PI / 2);
	dark.setTime(2000, 0);
	EXPECT_EQ(load(dark, 0).m_diffuse, 0);
}

TEST(SolarRadiationModel, NoonRadiationOnFacadesAndRoof) {
	const double dni = 600, dhi = 100, albedo = 0.3;
	SolarRadiationModel m = potsdam(dni, dhi);
	m.m_albedo = albedo;
	unsigned int roof = m.addSurface(0, 0);
	unsigned int south = m.addSurface(PI, PI / 2);
	unsigned int north = m.addSurface(0, PI / 2);
	unsigned int tilted = m.addSurface(PI, 30 * DEG);
	m.setTime(2000, 172 * DAY + 12 * 3600); // 12:00 local standard time, 22 June

	// hand calculation: altitude about 90 - 52.383 + 23.45 = 61.07 deg, sun near south
	double h = m.m_sunAltitude;
	EXPECT_NEAR(h, 61.07 * DEG, 0.2 * DEG);
	EXPECT_NEAR(m.m_sunAzimuth, PI, 6 * DEG);
	double globalHorizontal = dhi + std::sin(h) * dni;

	Load r = load(m, roof);
	EXPECT_NEAR(r.m_direct, std::sin(h) * dni, 1e-9);
	EXPECT_DOUBLE_EQ(r.m_diffuse, dhi);
	EXPECT_NEAR(r.m_angle, PI / 2 - h, 1e-8);

	double facadeDiffuse = 0.5 * dhi + 0.5 * albedo * globalHorizontal;
	Load s = load(m, south);
	EXPECT_NEAR(s.m_direct, dni * std::cos(s.m_angle), 1e-9);
	EXPECT_NEAR(s.m_direct, dni * std::cos(h), 0.01 * dni);
	EXPECT_NEAR(s.m_diffuse, facadeDiffuse, 1e-9);

	Load n = load(m, north); // facing away from the sun
	EXPECT_EQ(n.m_direct, 0);
	EXPECT_DOUBLE_EQ(n.m_angle, 1.570796327);
	EXPECT_NEAR(n.m_diffuse, facadeDiffuse, 1e-9);

	// 30 deg towards south: the beam falls at about h + 30 deg - 90 deg = 1 deg
	Load t = load(m, tilted);
	EXPECT_NEAR(t.m_angle, std::fabs(h + 30 * DEG - PI / 2), 5 * DEG);
	double c = std::cos(15 * DEG), sn = std::sin(15 * DEG);
	EXPECT_NEAR(t.m_diffuse, c * c * dhi + sn * sn * albedo * globalHorizontal, 1e-9);
	EXPECT_GT(t.m_direct, s.m_direct);
	EXPECT_LE(t.m_direct, dni);
}

TEST(SolarRadiationModel, HorizontalToNormalConversion) {
	SolarRadiationModel m = potsdam(0, 0);
	const double noon = 172 * DAY + 12 * 3600;
	double in = -1;
	m.convertHorizontalToNormalRadiation(noon, 0, in);
	EXPECT_EQ(in, 0);
	m.convertHorizontalToNormalRadiation(0, 50, in); // night
	EXPECT_EQ(in, 0);

	// a weak beam is only projected: 10 / sin h with h about 61.07 deg
	m.convertHorizontalToNormalRadiation(noon, 10, in);
	EXPECT_NEAR(in, 10 / std::sin(m.m_sunAltitude), 1e-9);
	EXPECT_NEAR(in, 10 / 0.8747, 0.02);

	// a beam beyond the clear sky is cut: E0 = 1366.1 (1 + 0.033 cos(2 pi 172.5 / 365)) = 1321.5,
	// June optical depth 0.205
	m.convertHorizontalToNormalRadiation(noon, 2000, in);
	EXPECT_NEAR(in, 1321.5 * std::exp(-0.205 / 0.8747), 3);
	double firstYear = in;
	m.convertHorizontalToNormalRadiation(noon + 3 * YEAR, 2000, in);
	EXPECT_NEAR(in, firstYear, 1e-6);

	// with the extraterrestrial limit only, the cut is E0
	m.m_extraterrestrialLimitOnly = true;
	m.convertHorizontalToNormalRadiation(noon, 2000, in);
	EXPECT_NEAR(in, 1321.5, 0.5);
}

TEST(SolarRadiationModel, LoaderErrorsPassThroughSetTime) {
	SolarRadiationModel m;
	EXPECT_THROW_MSG(m.setTime(2000, 0), "Climata data loader not properly initialized, at least City property is missing.");
	SolarRadiationModel p = potsdam(0, 0);
	EXPECT_THROW_MSG(p.setTime(2000, -10), "Invalid simulation time");
}
