#include "CLM_SolarRadiationModel.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_Math.h>
#include <BVX_Time.h>

namespace {

const double PI = 3.14159265358979323846;
const double SECONDS_PER_DAY = 86400;
using BVX::SECONDS_PER_YEAR;
using BVX::DEG_TO_RAD;
/*! Surfaces with an inclination below this count as horizontal. */
const double HORIZONTAL_EPS = 1e-5;
/*! Right angle as used for "no direct beam". */
const double NO_BEAM_ANGLE = 1.570796327;


/*! Solar constant corrected for the sun's distance over the year; a is the apparent solar time. */
double extraterrestrialOfApparentTime(double a) {
	return 1366.1 * (1 + 0.033 * std::cos(2 * PI * (a / SECONDS_PER_DAY) / 365));
}


bool isHorizontal(double inclination) {
	return inclination > -HORIZONTAL_EPS && inclination < HORIZONTAL_EPS;
}

/*! Isotropic sky diffuse plus ground-reflected global radiation on a tilted surface. */
double tiltedDiffuse(double inclination, double diffuseHorizontal, double globalHorizontal, double albedo) {
	double c = std::cos(inclination / 2);
	double s = std::sin(inclination / 2);
	return c * c * diffuseHorizontal + s * s * albedo * globalHorizontal;
}

} // namespace


SolarRadiationModel::SolarRadiationModel() :
	m_latitude(0.891863247772),
	m_longitude(0.239110107524),
	m_sunAzimuth(0),
	m_sunAltitude(0),
	m_declination(0),
	m_albedo(0.2),
	m_extraterrestrialLimitOnly(false),
	m_solarTime(0),
	m_apparentSolarTime(0)
{
	computeSunPosition(0);
}


unsigned int SolarRadiationModel::addSurface(double orientation, double inclination) {
	for (unsigned int i = 0; i < m_surfaces.size(); ++i) {
		if (std::fabs(m_surfaces[i].first - orientation) < HORIZONTAL_EPS &&
			std::fabs(m_surfaces[i].second - inclination) < HORIZONTAL_EPS)
		{
			return i;
		}
	}
	m_surfaces.emplace_back(orientation, inclination);
	m_incidenceAngle.push_back(0);
	m_directRadiation.push_back(0);
	m_diffuseRadiation.push_back(0);
	return static_cast<unsigned int>(m_surfaces.size() - 1);
}


void SolarRadiationModel::setTime(int simulationYear, double t) {
	m_solarTime = localToSolarTime(t);
	m_apparentSolarTime = equationOfTime(m_solarTime);
	computeSunPosition(m_apparentSolarTime);

	m_climateDataLoader.setTime(simulationYear, t);
	double directNormal = m_climateDataLoader.m_currentData[ClimateDataLoader::DirectRadiationNormal];
	double diffuseHorizontal = m_climateDataLoader.m_currentData[ClimateDataLoader::DiffuseRadiationHorizontal];

	if (m_sunAltitude <= 0)
		setNightRadiation(diffuseHorizontal);
	else
		setDayRadiation(directNormal, diffuseHorizontal);
}


void SolarRadiationModel::setNightRadiation(double diffuseHorizontal) {
	std::fill(m_directRadiation.begin(), m_directRadiation.end(), 0.0);
	std::fill(m_diffuseRadiation.begin(), m_diffuseRadiation.end(), 0.0);
	std::fill(m_incidenceAngle.begin(), m_incidenceAngle.end(), 1.5707963267948966);
	if (diffuseHorizontal == 0)
		return;
	// twilight diffuse light only, the ground reflects the diffuse part
	for (unsigned int i = 0; i < m_surfaces.size(); ++i) {
		double inclination = m_surfaces[i].second;
		if (isHorizontal(inclination))
			m_diffuseRadiation[i] = diffuseHorizontal;
		else
			m_diffuseRadiation[i] = tiltedDiffuse(inclination, diffuseHorizontal, diffuseHorizontal, m_albedo);
	}
}


void SolarRadiationModel::setDayRadiation(double directNormal, double diffuseHorizontal) {
	double sinH = std::sin(m_sunAltitude);
	double cosH = std::cos(m_sunAltitude);
	// the beam fades in over the first 1e-4 rad of altitude, avoiding a jump at sunrise
	double beam = BVX::scale(m_sunAltitude, 1e-4) * directNormal;
	double globalHorizontal = diffuseHorizontal + sinH * beam;

	for (unsigned int i = 0; i < m_surfaces.size(); ++i) {
		double orientation = m_surfaces[i].first;
		double inclination = m_surfaces[i].second;
		if (isHorizontal(inclination)) {
			m_directRadiation[i] = sinH * beam;
			m_diffuseRadiation[i] = diffuseHorizontal;
			m_incidenceAngle[i] = NO_BEAM_ANGLE - m_sunAltitude;
			continue;
		}
		double cosTheta = std::cos(m_sunAzimuth - orientation) * std::sin(inclination) * cosH
						+ std::cos(inclination) * sinH;
		double theta = std::acos(std::max(-1.0, std::min(1.0, cosTheta)));
		if (theta < NO_BEAM_ANGLE) {
			m_directRadiation[i] = beam * std::cos(theta);
			m_incidenceAngle[i] = theta;
		}
		else {
			m_directRadiation[i] = 0;
			m_incidenceAngle[i] = NO_BEAM_ANGLE;
		}
		m_diffuseRadiation[i] = tiltedDiffuse(inclination, diffuseHorizontal, globalHorizontal, m_albedo);
	}
}


void SolarRadiationModel::radiationLoad(unsigned int surfaceID, double & direct, double & diffuse,
										double & incidenceAngle) const
{
	if (surfaceID >= m_surfaces.size())
		throw BVX::Exception(BVX::FormatText("Invalid surface ID %1.").arg(surfaceID),
							 "[SolarRadiationModel::radiationLoad]");
	direct = m_directRadiation[surfaceID];
	diffuse = m_diffuseRadiation[surfaceID];
	incidenceAngle = m_incidenceAngle[surfaceID];
}


void SolarRadiationModel::buildOpticalDepthSpline() {
	// ASHRAE clear-sky beam optical depth on the 21st of each month, closed over the year
	static const double DAYS[12] = { 21, 52, 80, 111, 141, 172, 202, 233, 264, 294, 325, 355 };
	static const double TAU[12] = { 0.142, 0.144, 0.156, 0.180, 0.196, 0.205,
									0.207, 0.201, 0.177, 0.160, 0.149, 0.142 };
	std::vector<double> x(1, 0.0);
	std::vector<double> y(1, 0.142);
	for (unsigned int m = 0; m < 12; ++m) {
		x.push_back(DAYS[m] * SECONDS_PER_DAY);
		y.push_back(TAU[m]);
	}
	x.push_back(SECONDS_PER_YEAR);
	y.push_back(0.142);

	std::string errMsg;
	try {
		m_opticalDepth.setValues(x, y);
		m_opticalDepth.makeSpline(errMsg);
	}
	catch (BVX::Exception & ex) {
		errMsg = ex.what();
	}
	// "constructimng" is the message as it has always read, kept on purpose
	if (!m_opticalDepth.valid())
		throw BVX::Exception(BVX::FormatText("Error constructimng linear spline for ASHRAE optical depth values: %1")
							 .arg(errMsg), "[SolarRadiationModel::convertHorizontalToNormalRadiation]");
}


void SolarRadiationModel::convertHorizontalToNormalRadiation(double t, double horizontalDirect, double & normalDirect) {
	if (!m_extraterrestrialLimitOnly && m_opticalDepth.empty())
		buildOpticalDepthSpline();

	double a = apparentSolarTimeOfYear(t);
	computeSunPosition(a);
	double h = m_sunAltitude;
	if (h <= 0 || horizontalDirect == 0) {
		normalDirect = 0;
		return;
	}

	double sinH = std::sin(h);
	if (m_extraterrestrialLimitOnly) {
		normalDirect = std::min(extraterrestrialOfApparentTime(a), horizontalDirect / sinH);
		return;
	}
	normalDirect = std::min(clearSkyBeam(a), horizontalDirect / sinH);
}


double SolarRadiationModel::extraterrestrialRadiation(double t) const {
	return extraterrestrialOfApparentTime(apparentSolarTimeOfYear(t));
}


double SolarRadiationModel::clearSkyNormalRadiation(double t) {
	if (m_opticalDepth.empty())
		buildOpticalDepthSpline();
	double a = apparentSolarTimeOfYear(t);
	computeSunPosition(a);
	return clearSkyBeam(a);
}


double SolarRadiationModel::cleanSkyNormalRadiation(double t) {
	const double a = apparentSolarTimeOfYear(t);
	computeSunPosition(a);
	const double h = m_sunAltitude;
	if (!(h > 0))
		return 0.0;
	const double m = 1 / std::sin(h);
	// Rayleigh optical thickness per air mass (Kasten 1996), its long-path form beyond m = 20
	const double deltaR = m <= 20 ? 1 / (6.6296 + m * (1.7513 + m * (-0.1202 + m * (0.0065 - m * 0.00013))))
								  : 1 / (10.4 + 0.718 * m);
	return extraterrestrialOfApparentTime(a) * std::exp(-0.8662 * m * deltaR);
}


double SolarRadiationModel::beamLimitOfHour(double t) {
	return std::max({ cleanSkyNormalRadiation(t - 3600), cleanSkyNormalRadiation(t - 1800),
					  cleanSkyNormalRadiation(t) });
}


double SolarRadiationModel::apparentSolarTimeOfYear(double t) const {
	// time stamps of multi-year data: only the time of year matters for the sun
	return equationOfTime(localToSolarTime(BVX::timeOfYear(t)));
}


double SolarRadiationModel::clearSkyBeam(double a) {
	double h = m_sunAltitude;
	if (!(h > 0.001))
		return 0.0;
	double tau = m_opticalDepth.value(a);
	return extraterrestrialOfApparentTime(a) * std::exp(-tau / std::sin(h));
}


double SolarRadiationModel::localToSolarTime(double t) const {
	double b = 15.0 * m_climateDataLoader.m_timeZone - m_longitude / DEG_TO_RAD;
	// time zones across the date line
	if (m_climateDataLoader.m_timeZone == 12 || m_climateDataLoader.m_timeZone == -12) {
		if (b >= 345)
			b -= 360;
		else if (b <= -345)
			b += 360;
	}
	return BVX::timeOfYearEndInclusive(t - 240 * b); // 4 minutes per degree
}


double SolarRadiationModel::equationOfTime(double solarTime) const {
	double B = (solarTime / SECONDS_PER_DAY - 81) * 2 * PI / 365;
	double minutes = 9.87 * std::sin(2 * B) - 7.53 * std::cos(B) - 1.5 * std::sin(B);
	return BVX::timeOfYearEndInclusive(solarTime + 60 * minutes);
}


double SolarRadiationModel::computeSunPosition(double apparentSolarTime) {
	double n = apparentSolarTime / SECONDS_PER_DAY;
	double f = n - std::floor(n);
	m_declination = 0.409279709594 * std::sin((n + 284) * 2 * PI / 365);

	double sinDecl = std::sin(m_declination);
	double cosDecl = std::cos(m_declination);
	double sinLat = std::sin(m_latitude);
	double cosLat = std::cos(m_latitude);

	double sinAlt = std::cos((f - 0.5) * 2 * PI) * cosDecl * cosLat + sinDecl * sinLat;
	m_sunAltitude = std::asin(std::max(-1.0, std::min(1.0, sinAlt)));

	m_sunAzimuth = std::atan2(std::sin(2 * PI * f) * cosDecl,
							  std::cos(2 * PI * f) * sinLat * cosDecl + sinDecl * cosLat);
	if (m_sunAzimuth < 0)
		m_sunAzimuth += 2 * PI;
	return m_sunAzimuth;
}
