#ifndef RM_DIN4108_2AssessmentH
#define RM_DIN4108_2AssessmentH

#include <QString>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

class Room;
class ShadingType;

/*! Settings of a summer heat protection verification after DIN 4108-2 (2013, 8.4) and the
	standard's boundary conditions as rule functions. While active, the simulation takes
	internal loads, heating, ventilation and (shading control types 0..2) shading from
	these rules instead of the project's load models.

	Time arguments are the hour of the year h (0..8759); day = h/24, a day is a weekday
	when day mod 7 < 5, the hour of day is h mod 24.

	The enhanced ventilation values are held in 1/s, their limits are given in 1/h.
*/
class DIN4108_2Assessment {
public:
	/*! Limit of the enhanced day ventilation in 1/h. */
	static const double MaxEnhancedDayVentilation;

	DIN4108_2Assessment();

	/*! Limit of the operative temperature in C by climate region (A 25, B 26, C 27). */
	double referenceTemperature() const;
	/*! Over-temperature degree hours limit in Kh/a. */
	unsigned int overTemperatureLimit() const;
	/*! Hours of use per year. */
	unsigned int occupancyHours() const;
	/*! Heating set point in C. */
	double heatingSetpointTemperature() const;
	/*! Radiation in W/m2 above which an automated shading closes, by orientation (Deg). */
	double maxRadiationIntensity(double orientation) const;

	/*! Limit of the enhanced night ventilation in 1/h for a ventilation type. */
	static double maxEnhancedNightVentilation(int ventilationType);
	/*! Limit of the enhanced night ventilation in 1/h for the stored ventilation type. */
	double maxEnhancedNightVentilation() const { return maxEnhancedNightVentilation(m_ventilationType); }

	/*! Basic air change in 1/s (uses none of the members). */
	static double airChangeRate(bool residential, bool duringUsage, const Room & room);
	/*! Basic air change in 1/s of hour h. */
	double basicAirChangeRate(unsigned int h, const Room & room) const;
	/*! Internal gains per floor area in W/m2 of hour h: residential 100 Wh/(m2d) all day,
		non-residential 144 Wh/(m2d) on weekdays from 7:00 to 18:00. */
	double internalLoadsPerArea(unsigned int h) const;
	/*! Weekday at hour of day 7..18. */
	static bool isUsageHour(unsigned int h);

	/*! The day value (1/s) while enhanced day ventilation applies, else 0. Temperatures in C. */
	double enhancedDayVentilationRate(double roomTemperature, double outdoorTemperature, unsigned int h) const;
	/*! True while enhanced night ventilation applies. Temperatures in C. */
	bool isEnhancedNightVentilationActive(double roomTemperature, double outdoorTemperature, unsigned int h) const;
	/*! Sets m_currentAirChangeRate (1/s) from the rules. Temperatures in C. */
	void updateAirChangeRate(double roomTemperature, double outdoorTemperature, unsigned int h, const Room & room);

	/*! Ideal heating power in W at room temperature T (K). */
	double idealHeatingLoad(double T) const;
	/*! Stiffens the heating slope by 20 % (up to 500000 W/K) while the heating runs at part
		load and the room is more than 0.2 K below the set point. T in K, P in W. */
	void adjustSlope(double T, double P);

	/*! Factor of transmitted radiation for a window with this shading type at hour h,
		radiation on the surface (W/m2), orientation and inclination (Deg). */
	double shadingFactor(const ShadingType & shadingType, unsigned int h, double radiation,
						 double orientation, double inclination) const;

	double enhancedDayVentilationValue() const { return m_enhancedDayVentilationValue; }
	double enhancedNightVentilationValue() const { return m_enhancedNightVentilationValue; }
	int ventilationType() const { return m_ventilationType; }
	/*! Air change in 1/s; must not exceed MaxEnhancedDayVentilation (1/h). */
	void setEnhancedDayVentilationValue(double airchange);
	/*! Air change in 1/s; must not exceed maxEnhancedNightVentilation() (1/h). */
	void setEnhancedNightVentilationValue(double airchange);

	/*! Throws BVX::Exception when an enhanced ventilation value exceeds its limit
		(compared in 1/h). Called before a run; reading accepts any non-negative value. */
	void checkVentilationLimits() const;

	/*! Reads the "DIN4108_2Assessment" element; throws BVX::Exception for invalid values. */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	bool		m_active;
	bool		m_residential;
	/*! 0 region A, 1 region B, 2 region C. */
	int			m_climateRegion;
	bool		m_enhancedDayVentilation;
	bool		m_enhancedNightVentilation;
	/*! 0 full shading, 1 none, 2 automated, 3 the project's shading control model. */
	int			m_shadingControlType;
	QString		m_enhancedDayVentilationExplanation;
	QString		m_enhancedNightVentilationExplanation;
	/*! Maximum heating power in W. */
	double		m_maximumHeatingPower;
	QString		m_shadingControlExplanation;
	/*! Current air change rate in 1/s; -1 before the first evaluation. Run state. */
	double		m_currentAirChangeRate;
	/*! Time of the last air-change evaluation in s; -1 = never. Run state. */
	double		m_lastAirChangeEvaluation;
	/*! 0 window ventilation, 1 ventilation across floors, 2 mechanical ventilation. */
	int			m_ventilationType;
	/*! Enhanced day ventilation in 1/s. */
	double		m_enhancedDayVentilationValue;
	/*! Enhanced night ventilation in 1/s. */
	double		m_enhancedNightVentilationValue;
	/*! Heating slope in W/K; adapted during a run, not stored. */
	double		m_slopeIdealHeating;

private:
	bool isDayWindow(unsigned int hourOfDay) const;
};

} // namespace RM

#endif // RM_DIN4108_2AssessmentH
