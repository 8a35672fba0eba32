#ifndef RM_OutputManagerH
#define RM_OutputManagerH

#include <array>
#include <vector>

#include <QString>

class QTextStream;

namespace RM {

class CaldoryneModel;
class DIN4108_2Assessment;

/*! Result series of a room simulation: room states, room fluxes and their time integrals,
	and per construction ("wall") states, fluxes and flux integrals, each addressed by a fixed
	index. Also the aggregates of a run (extremes, EN 15251 comfort counts, the DIN 4108-2
	over-temperature degree hours) and the result files.

	The model interface drives it: integrateFluxes() after every completed integrator step,
	appendOutputs() at every output time. Both first read the model (updateCurrentOutputs())
	and then work on the current values only, so everything but the reading step also works
	without a model (current values filled by the caller).

	Series layout: m_roomStateSeries[state][output], m_wallStateSeries[state][wall][output].
	Flux integrals are cumulative from the start of the run, in the integral unit of the flux
	(J for W, J/m2 for W/m2, kg for kg/s ...).
*/
class OutputManager {
public:
	enum RoomState {
		RS_Time,							///< d
		RS_AmbientTemperature,				///< C
		RS_GlidingAverageAmbientTemperature,///< C, running mean of the outdoor temperature
		RS_LocalMeanTime,					///< d
		RS_ApparentSolarTime,				///< d
		RS_SunElevation,					///< Deg
		RS_SunAzimuth,						///< Deg
		RS_Declination,						///< Deg
		RS_GlobalRadiationHorizontal,		///< W/m2
		RS_DiffuseRadiationHorizontal,		///< W/m2
		RS_DirectRadiationHorizontal,		///< W/m2
		RS_DirectRadiationNormal,			///< W/m2
		RS_RoomAirTemperature,				///< C
		RS_RadiantTemperature,				///< C
		RS_OperativeTemperature,			///< C
		RS_Occupancy,						///< 1 populated, 0 empty
		RS_RelativeHumidity,				///< %
		RS_AbsoluteHumidity,				///< kg/m3
		RS_VaporPressure,					///< Pa
		RS_AmbientRelativeHumidity,			///< %
		RS_AmbientAbsoluteHumidity,			///< kg/m3
		RS_AmbientVaporPressure,			///< Pa
		RS_WaterContent,					///< kg/kg
		NUM_RS
	};

	enum RoomFlux {
		RF_NaturalVentilation,				///< W
		RF_Heating,							///< W
		RF_Cooling,							///< W
		RF_MechanicalVentilation,			///< W
		RF_Equipment,						///< W
		RF_Persons,							///< W
		RF_ACSupplyFlow,					///< m3/s
		RF_WallTransmission,				///< W
		RF_WindowConvection,				///< W
		RF_WindowRadiation,					///< W
		RF_WindowRadiationToRoom,			///< W
		RF_ACEnergy,						///< W
		RF_AirChangeRate,					///< current value in 1/s (series in 1/h)
		RF_WallVaporFlow,					///< kg/s
		RF_MoistureSource,					///< kg/s
		RF_MoistureSourceEnthalpy,			///< W
		RF_Dehumidification,				///< kg/s
		RF_DehumidificationEnthalpy,		///< W
		RF_DehumidificationEnergy,			///< W
		RF_MechanicalVentilationMoisture,	///< kg/s
		RF_NaturalVentilationMoisture,		///< kg/s
		NUM_RF
	};

	enum WallState {
		WS_InsideSurfaceTemperature,		///< C
		WS_WindowInsideSurfaceTemperature,	///< C
		WS_OutsideSurfaceTemperature,		///< C
		WS_IncidenceAngle,					///< Deg
		WS_SolarHeatGainCoefficient,		///< ---
		WS_InsideSurfaceRelativeHumidity,	///< %
		NUM_WS
	};

	enum WallFlux {
		WF_InsideConvection,				///< W/m2, positive from room to wall
		WF_OutsideConvection,				///< W/m2, positive from ambient to wall
		WF_DirectRadiation,					///< W/m2
		WF_DiffuseRadiation,				///< W/m2
		WF_GlobalRadiation,					///< W/m2
		WF_AbsorbedRadiation,				///< W/m2
		WF_InsideWindowRadiation,			///< W/m2
		WF_WindowRadiation,					///< W/m2
		WF_WindowConvection,				///< W/m2
		NUM_WF
	};

	/*! Number of room states/fluxes written to the result files without moisture balance. */
	static const unsigned int NUM_RS_DRY = RS_RelativeHumidity;
	static const unsigned int NUM_RF_DRY = RF_WallVaporFlow;
	static const unsigned int NUM_WS_DRY = WS_InsideSurfaceRelativeHumidity;

	/*! Values per series reserved for an hourly year (hours 0..8760). */
	static const unsigned int RESERVED_OUTPUTS = 8761;

	OutputManager();

	/*! Binds the manager to the model whose state it reads (not owned). */
	void setModel(const CaldoryneModel * model) { m_model = model; }
	const CaldoryneModel * model() const { return m_model; }

	/*! Prepares a run of the bound model. */
	void initOutputs();
	/*! Prepares a run for the given number of constructions; the flags decide whether the
		moisture outputs are refreshed and written, and how times of a second year are mapped. */
	void initOutputs(unsigned int wallCount, bool moistureBalance, bool twoYearRun);

	/*! Refreshes the current values from the bound model; does nothing without a model. */
	void updateCurrentOutputs();

	/*! Adds every current flux times the step length up to t (s) to its integral. */
	void integrateFluxes(double t);

	/*! Records the bound model's current values as the next output. */
	void appendOutputs();
	/*! Records the current values as the output at model time t (s). */
	void appendCurrentOutputs(double t);

	/*! Occupied hours, comfort counts and the logged extremes; DIN 4108-2 evaluation when
		the assessment of the model's room is active. */
	void updateAggregatedOutputs();

	/*! DIN 4108-2 evaluation with the settings of the model's room; nothing without model. */
	void computeDIN4108_2Results();
	/*! DIN 4108-2 evaluation of the operative temperature series with the given settings. */
	void computeDIN4108_2Results(const DIN4108_2Assessment & settings);

	/*! Index of the first of count outputs (times in d) a DIN 4108-2 evaluation takes: 0
		for a run of up to a year, the output a year before the last for a longer one. */
	static std::size_t firstOutputOfLastYear(const std::vector<double> & timeDays, std::size_t count);

	/*! Writes the result files into outputDir (created when missing). Every file that cannot
		be written is reported as an error; returns false when any file is missing. */
	bool writeOutputs(const QString & outputDir) const;

	/*! Running mean outdoor temperature at an hour of the year: the value of the climate's
		hourly running mean when it holds one for that hour, otherwise the fallback. */
	static double runningMeanTemperature(const std::vector<double> & runningMean, double hourOfYear,
										 double fallback);

	/*! Comfort temperature (C) after EN 15251 at a running mean outdoor temperature (C). */
	static double comfortTemperature(double runningMean);

	/*! Number of outputs stored (length of the time series). */
	unsigned int outputCount() const { return static_cast<unsigned int>(m_roomStateSeries[RS_Time].size()); }
	unsigned int wallCount() const { return m_wallCount; }
	bool moistureBalance() const { return m_moistureBalance; }

	// Current values

	std::array<double, NUM_RS>						m_currentStates;
	/*! Flux RF_AirChangeRate is held in 1/s so that its integral counts air changes. */
	std::array<double, NUM_RF>						m_currentFluxes;
	/*! [state][wall] */
	std::array<std::vector<double>, NUM_WS>			m_currentWallStates;
	/*! [flux][wall] */
	std::array<std::vector<double>, NUM_WF>			m_currentWallFluxes;

	/*! Time of the last completed step in s; 0 means none yet. */
	double											m_tStepCompleted;
	std::array<double, NUM_RF>						m_fluxIntegrals;
	std::array<double, NUM_RF>						m_lastFluxes;
	/*! [flux][wall] */
	std::array<std::vector<double>, NUM_WF>			m_wallFluxIntegrals;
	std::array<std::vector<double>, NUM_WF>			m_lastWallFluxes;

	// Series, one value per output

	std::array<std::vector<double>, NUM_RS>			m_roomStateSeries;
	/*! Series of RF_AirChangeRate in 1/h. */
	std::array<std::vector<double>, NUM_RF>			m_roomFluxSeries;
	std::array<std::vector<double>, NUM_RF>			m_roomFluxIntegralSeries;
	/*! [state][wall][output] */
	std::array<std::vector<std::vector<double> >, NUM_WS>	m_wallStateSeries;
	std::array<std::vector<std::vector<double> >, NUM_WF>	m_wallFluxSeries;
	std::array<std::vector<std::vector<double> >, NUM_WF>	m_wallFluxIntegralSeries;

	std::array<QString, NUM_RS>						m_roomStateNames;
	std::array<QString, NUM_RF>						m_roomFluxNames;
	std::array<QString, NUM_WS>						m_wallStateNames;
	std::array<QString, NUM_WF>						m_wallFluxNames;

	// Aggregates

	/*! Extremes in C and 1/h, maintained by the model interface after each completed step. */
	double											m_minRoomAirTemperature;
	double											m_maxRoomAirTemperature;
	double											m_minAirChangeRate;
	double											m_maxAirChangeRate;
	/*! Sum of the occupancy series after its start value (the outputs the comfort counts
		cover); 0 when nobody is ever present. */
	int												m_occupiedHours;
	/*! Outputs whose operative temperature deviates from the comfort temperature by more
		than 2, 3 and 4 K (index 0, 1, 2), over all outputs and over occupied outputs. */
	std::array<int, 3>								m_comfortExceedanceHours;
	std::array<int, 3>								m_comfortExceedanceOccupiedHours;

	// DIN 4108-2 results (Kh/a, rounded down to one decimal)

	double											m_overTemperatureHours;
	double											m_overTemperatureHoursP2;
	double											m_overTemperatureHoursP4;
	/*! The degree hours within the limit; a verdict only for a run over a whole year. */
	bool											m_din4108_2VerificationPassed;
	/*! Hours the evaluation spans (the last year of a longer run); below a year the log,
		the summary and the report give no verdict. */
	double											m_din4108_2AssessedHours;

	/*! True only while the manager holds the results of a completed run: the caller sets it
		after a successful run; initOutputs() clears it. */
	bool											m_resultsPresent;

private:
	/*! DIN 4108-2 settings of the model's room; null without model. */
	const DIN4108_2Assessment * din4108_2Settings() const;
	void setNames();
	/*! Backs the reserved series with large pages where the system offers them. */
	void adviseSeriesMemory();
	void updateRoomStates();
	void updateRoomFluxes();
	void updateWallValues();
	void cutSeriesToLastValue();

	bool writeStates(const QString & fileName) const;
	bool writeCCD(const QString & fileName, const char * title, const char * type,
				  const char * keywordLine, unsigned int state) const;
	bool writeRoomFluxes(const QString & fileName, bool integrals) const;
	bool writeWallValues(const QString & fileName, unsigned int count, const std::vector<QString> & names,
						 const std::vector<std::vector<double> > * series, double scale) const;

	const CaldoryneModel *							m_model;
	unsigned int									m_wallCount;
	bool											m_moistureBalance;
	bool											m_twoYearRun;
};

} // namespace RM

#endif // RM_OutputManagerH
