#ifndef CLM_SolarRadiationModelH
#define CLM_SolarRadiationModelH

#include <utility>
#include <vector>

#include <BVX_LinearSpline.h>

#include "CLM_ClimateDataLoader.h"

/*! Sun position and short-wave radiation on inclined surfaces.

	Owns the climate data of a run. Angles are radians: azimuth and orientation from north
	through east (0 north, pi/2 east, pi south), inclination 0 for a horizontal surface
	facing up, pi/2 for a vertical one. Times are seconds of the year in local standard time;
	the time zone is the one of the climate data.

	The owner sets m_latitude, m_longitude (radians) after loading climate data and m_albedo
	before registering surfaces.
*/
class SolarRadiationModel {
public:
	SolarRadiationModel();

	/*! Registers a surface and returns its ID; a surface whose angles both lie within 1e-5
		of a registered one gets that one's ID. */
	unsigned int addSurface(double orientation, double inclination);

	/*! Sun position, climate values and all surface results at t (seconds since the start of
		the simulation year, local standard time). */
	void setTime(int simulationYear, double t);

	/*! Results of the last setTime() for one surface. Throws for an unknown ID. */
	void radiationLoad(unsigned int surfaceID, double & direct, double & diffuse, double & incidenceAngle) const;

	/*! Direct radiation on the horizontal -> direct radiation at normal incidence at local
		time t, limited by the ASHRAE clear-sky beam (or only by the extraterrestrial
		radiation when m_extraterrestrialLimitOnly is set). Overwrites the sun position. */
	void convertHorizontalToNormalRadiation(double t, double horizontalDirect, double & normalDirect);

	/*! Extraterrestrial irradiance at normal incidence at local time t (W/m2): the solar
		constant corrected for the sun's distance; no direct normal radiation can exceed it. */
	double extraterrestrialRadiation(double t) const;
	/*! ASHRAE clear-sky direct normal radiation at local time t (W/m2); 0 while the sun is
		below 0.001 rad. Overwrites the sun position. */
	double clearSkyNormalRadiation(double t);

	/*! Direct normal radiation through a clean, dry atmosphere at local time t (W/m2):
		Rayleigh scattering only (Linke turbidity 1, Kasten's Rayleigh optical thickness,
		air mass 1/sin h), more than any sky lets through; 0 with the sun below the
		horizon. Overwrites the sun position. */
	double cleanSkyNormalRadiation(double t);
	/*! The most direct normal radiation any sky lets through in the hour that ends at t
		(W/m2): the largest clean-sky beam of its start, middle and end, so that an hour with
		the sun rising, setting or culminating inside it keeps the sun it had. 0 while the sun
		stays below the horizon all hour. Overwrites the sun position. */
	double beamLimitOfHour(double t);

	/*! Local standard time -> mean solar time (seconds of the year). */
	double localToSolarTime(double t) const;
	/*! Mean solar time -> apparent solar time (seconds of the year). */
	double equationOfTime(double solarTime) const;
	/*! Sets altitude, azimuth and declination for the apparent solar time; returns the azimuth. */
	double computeSunPosition(double apparentSolarTime);

	/*! Number of registered surfaces. */
	unsigned int surfaceCount() const { return static_cast<unsigned int>(m_surfaces.size()); }
	/*! (orientation, inclination) of every surface, by ID. */
	const std::vector<std::pair<double, double> > & surfaces() const { return m_surfaces; }

	/*! Radians, north positive. */
	double					m_latitude;
	/*! Radians, east positive. */
	double					m_longitude;
	/*! Radians from north through east, 0..2pi. */
	double					m_sunAzimuth;
	/*! Radians above the horizon. */
	double					m_sunAltitude;
	/*! Radians. */
	double					m_declination;
	/*! Climate data; its time zone is the model's time zone. */
	ClimateDataLoader		m_climateDataLoader;
	/*! Ground reflectance. */
	double					m_albedo;
	/*! Limit the converted beam only by the extraterrestrial radiation. */
	bool					m_extraterrestrialLimitOnly;
	/*! Seconds of the year, from the last setTime(). */
	double					m_solarTime;
	/*! Seconds of the year, from the last setTime(). */
	double					m_apparentSolarTime;

private:
	void setNightRadiation(double diffuseHorizontal);
	void setDayRadiation(double directNormal, double diffuseHorizontal);
	void buildOpticalDepthSpline();
	/*! Apparent solar time of local time t, whole years removed. */
	double apparentSolarTimeOfYear(double t) const;
	/*! Clear-sky beam at the current sun position; a is its apparent solar time. */
	double clearSkyBeam(double a);

	/*! ASHRAE clear-sky optical depth over the year; built on first use. */
	BVX::LinearSpline		m_opticalDepth;
	std::vector<std::pair<double, double> >	m_surfaces;
	std::vector<double>		m_directRadiation;
	std::vector<double>		m_diffuseRadiation;
	std::vector<double>		m_incidenceAngle;
};

#endif // CLM_SolarRadiationModelH
