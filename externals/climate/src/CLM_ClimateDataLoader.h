#ifndef CLM_ClimateDataLoaderH
#define CLM_ClimateDataLoaderH

#include <string>
#include <vector>

#include <BVX_LinearSpline.h>
#include <BVX_Time.h>

/*! Climate data of one location: the location header and nine hourly or time-stamped
	quantities, read from ".c6b", ".epw" or ".wac" files and interpolated at a simulation time.

	Annual data (no time points) holds 8760 hourly values per quantity; value j belongs to
	the end of hour j+1, i.e. to (j+1)*3600 s; the last one (31,536,000 s) is the same
	instant as 0. A year has 365 days, there are no leap years.

	Also offers the readers of single-quantity series (CCD and tab-separated CSV files)
	and the helpers for yearly repeated data, all static.

	Plain value class: copy and assign freely. The data members are public for reading;
	callers must not change the data vectors' lengths.
*/
class ClimateDataLoader {
public:
	/*! Quantity index of the data vectors, the splines and the current values. */
	enum ClimateComponents {
		Temperature,				///< air temperature in C
		RelativeHumidity,			///< relative humidity in %
		DirectRadiationNormal,		///< direct radiation at normal incidence in W/m2
		DiffuseRadiationHorizontal,	///< diffuse radiation on the horizontal in W/m2
		WindDirection,				///< wind direction in Deg
		WindVelocity,				///< wind speed in m/s
		LongWaveCounterRadiation,	///< long-wave counter radiation in W/m2
		AirPressure,				///< air pressure in Pa
		Rain,						///< rain in l/m2h
		NumClimateComponents
	};

	/*! Seconds of the 365-day year. */
	static constexpr double SECONDS_PER_YEAR = BVX::SECONDS_PER_YEAR;
	/*! Number of hourly values of annual data. */
	static constexpr unsigned int HOURS_PER_YEAR = BVX::HOURS_PER_YEAR;
	/*! Largest vector accepted from a c6b file (ten years of hourly values). */
	static const unsigned int MAX_VECTOR_LENGTH = 87600;

	/*! An hour whose radiation in the file lay outside what the sun delivers and was
		repaired on reading: a direct normal value above what any sky lets through in its hour, or
		a negative direct normal or diffuse value. */
	struct RepairedHour {
		unsigned int	m_index;		///< index of the value in the data vectors
		double			m_time;			///< s, the time the value belongs to
		double			m_fileValue;	///< W/m2, as in the file
		double			m_value;		///< W/m2, as read
		/*! DirectRadiationNormal or DiffuseRadiationHorizontal. */
		unsigned int	m_quantity = DirectRadiationNormal;
	};

	ClimateDataLoader();

	/*! Reads a climate data file, choosing the reader by the extension ("epw", "c6b",
		"wac", case-sensitive). With headerOnly only the location header is read and the
		data stay as they were. Throws BVX::Exception.
	*/
	void readClimateData(const std::string & fname, bool headerOnly = false);

	/*! EnergyPlus weather file (8 header lines, 8760 data lines). */
	void readClimateDataEPW(const std::string & fname, bool headerOnly = false);
	/*! Binary record file (magic "CLDF" "RLZ!", key=value header strings, nine data vectors, time points). */
	void readClimateDataBVX(const std::string & fname, bool headerOnly = false);
	/*! Tab-separated table with a keyword header. */
	void readClimateDataWAC(const std::string & fname, bool headerOnly = false);

	/*! Interpolates all nine quantities at t (seconds since the start of the simulation
		year, t >= 0) into m_currentData. Throws BVX::Exception.
	*/
	void setTime(int simulationYear, double t);

	/*! The hour of the year that ends at t (s, value convention of the data), e.g.
		"16 Feb 07:00-08:00" for t = 4,003,200 s. */
	static std::string hourText(double t);
	/*! "direct normal" or "diffuse horizontal" for the quantity of a repaired hour. */
	static const char * quantityText(unsigned int quantity);

	/*! Current value of a quantity (index of ClimateComponents) at the last setTime. */
	double currentValue(unsigned int quantity) const { return m_currentData[quantity]; }


	// *** Single-quantity series and cyclic data ***

	/*! Reads a CCD file. Returns 0 on success, 1 when the file cannot be opened, 2 for a bad
		header, 3 for non-increasing time points, 4 for a malformed data line; errorLine then
		holds "#<line number>: <line>". Time points in s, values in the file's unit,
		unitId the unit's index in the unit table. Never throws.
	*/
	static int readCCDFile(const std::string & fname, std::vector<double> & timePoints,
						   std::vector<double> & values, std::string & comment,
						   std::string & quantity, int & unitId, std::string & errorLine);

	/*! Reads a two-column tab-separated series whose captions carry units in brackets,
		e.g. "Time [h]" and "Temperature [C]". Returns 0, 1 (no such file), 2 (bad captions)
		or 4 (unreadable file). Time points in s, values unconverted. Never throws.
	*/
	static int readCSVTimeSeries(const std::string & fname, std::vector<double> & timePoints,
								 std::vector<double> & values, std::string & quantity,
								 int & unitId, std::string & errorLine);

	/*! Text for a result code of readCCDFile() / readCSVTimeSeries(). */
	static std::string ccdErrorMessage(int code, const std::string & fname, const std::string & errorLine);

	/*! Throws BVX::Exception when the time points cannot be repeated every year. */
	static void checkForValidCyclicData(const std::vector<double> & timePoints);

	/*! Value of a yearly repeated series at t; between the last point (shifted back one year)
		and the first point the series is joined linearly. */
	static double cyclicValue(const BVX::LinearSpline & spline, double t);


	// *** Location header ***

	/*! Degrees, east positive. */
	double					m_longitude;
	/*! Degrees, north positive. */
	double					m_latitude;
	/*! Metres above sea level. */
	double					m_elevation;
	/*! Hours relative to UTC. */
	int						m_timeZone;
	std::string				m_city;
	std::string				m_country;
	std::string				m_wmoCode;
	std::string				m_source;
	/*! Free text, lines joined by "\n". */
	std::string				m_comment;

	// *** Data ***

	/*! One vector per quantity (ClimateComponents). */
	std::vector<double>		m_data[NumClimateComponents];
	/*! Seconds since 1 January 0:00 of the start year; empty for annual hourly data. */
	std::vector<double>		m_dataTimePoints;
	/*! Year of the first time point. */
	int						m_startYear;
	/*! Optional replacement series per quantity; used when not empty. */
	BVX::LinearSpline		m_splines[NumClimateComponents];
	/*! Quantities at the last setTime(). */
	double					m_currentData[NumClimateComponents];
	/*! Hours of the last complete read whose direct normal radiation was repaired. */
	std::vector<RepairedHour>	m_repairedHours;

private:
	/*! Turns direct radiation on the horizontal (index 2) into direct normal radiation. */
	void convertWACDirectRadiation();
	/*! Replaces every direct normal value above what any sky lets through in its hour (the
		clean-sky beam of SolarRadiationModel, the largest of the hour's start, middle and
		end; below the extraterrestrial irradiance): from the hour's
		horizontal beam (global minus diffuse) with the clear-sky limited conversion, or by
		the clear-sky beam where globalHorizontal holds no finite value for the hour (c6b
		files hold no global radiation: pass an empty vector). Negative direct normal and
		diffuse values become 0. Logs one warning listing every such hour. */
	void repairDirectNormalRadiation(const std::string & fname, const std::vector<double> & globalHorizontal,
									 const char * functionID);
};

#endif // CLM_ClimateDataLoaderH
