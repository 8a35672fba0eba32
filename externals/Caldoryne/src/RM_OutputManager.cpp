#include "RM_OutputManager.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_Math.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>
#include <BVX_UnitList.h>

#include <QtExt_WholeFileWriter.h>

#include "RM_CaldoryneModel.h"
#include "RM_DIN4108_2Assessment.h"
#include "RM_ResultFileBuffer.h"
#include "RM_WindowType.h"

namespace RM {

namespace {

/*! Seconds of one (non-leap) year. */

const char * const ROOM_STATE_NAMES[OutputManager::NUM_RS] = {
	"Time [d]",
	"Ambient temperature [C]",
	"Gliding (2-day) average of outside temperature [C]",
	"Local mean time [d]",
	"Apparent solar time [d]",
	"Sun elevation angle [Deg]",
	"Sun azimuth angle [Deg]",
	"Declination angle [Deg]",
	"Global Radiation on horizontal surface (wrt to horizontal unit surface) [W/m2]",
	"Diffuse Radiation on horizontal surface (wrt to horizontal unit surface) [W/m2]",
	"Direct Radiation on horizontal surface (wrt to horizontal unit surface) [W/m2]",
	"Direct Radiation in sun's normal direction (wrt to unit surface) [W/m2]",
	"Room air temperature [C]",
	"Room radiant temperature [C]",
	"Operative temperature [C]",
	"Occupancy schedule based on presence of occupants (1 room populated, 0 - empty) [---]",
	"Relative humidity [%]",
	"Absolute humidity (mass vapor/volume gas) [kg/m3]",
	"Vapor pressure [Pa]",
	"Ambient relative humidity [%]",
	"Ambient absolute humidity (mass vapor/volume gas) [kg/m3]",
	"Ambient vapor pressure [Pa]",
	"Room air water content (mass vapor/mass dry air) [kg/kg]"
};

const char * const ROOM_FLUX_NAMES[OutputManager::NUM_RF] = {
	"Natural ventilation heat loss/gain [W]",
	"Heating loads [W]",
	"Active cooling loads [W]",
	"Mechanical ventilation loads [W]",
	"Equipment loads [W]",
	"Usage (Person) loads [W]",
	"Supply flow rate for AC cooling system [m3/s]",
	"Total transmission loads through inside of all walls (convection/conduction only) [W]",
	"Total convective heat transmission loads through all windows [W]",
	"Total radiation loads through all windows [W]",
	"Radiation loads through all windows (fraction that is applied to room balance) [W]",
	"Energy consumption of A/C (not applied to room balance) [W]",
	"Ventilation rate (infiltration) [1/h]",
	"Total vapor loads through inside of all walls (water vapor diffusion) [kg/s]",
	"Moisture source/production rate [kg/s]",
	"Enthalpy of moisture source/production rate in [W]",
	"Moisture removal rate from in ideal cooling/dehumidification in [kg/s]",
	"Enthalpy of moisture removal rate from in ideal cooling/dehumidification in [W]",
	"Energy used for dehumidification in ideal cooling in [W]",
	"Mechanical ventilation moisture loss/gain [kg/s]",
	"Natural ventilation moisture loss/gain [kg/s]"
};

const char * const WALL_STATE_NAMES[OutputManager::NUM_WS] = {
	"Wall inside surface temperatures [C]",
	"Window inside surface temperatures calculated based on given U-Value [C]",
	"Wall outside surface temperatures [C]",
	"Solar incidence angle on wall/window surface [Deg]",
	"Solar heat gain coefficient [---]",
	"Wall inside surface relative humidity [%]"
};

// Several names end in a blank, which is part of the name.
const char * const WALL_FLUX_NAMES[OutputManager::NUM_WF] = {
	"Convective heat transfer flux through inside of wall (wrt to wall area), positive from room to wall [W/m2]",
	"Convective heat transfer flux through outside of wall (wrt to wall area), positive from ambient to wall [W/m2] ",
	"Direct radiation flux on outside of walls (wrt to wall area), gross value, not yet multiplied with adsorption coefficient [W/m2]",
	"Diffuse radiation flux on outside of walls (wrt to wall area), gross value, not yet multiplied with adsorption coefficient [W/m2] ",
	"Global radiation flux on outside of walls (wrt to wall area), gross value, not yet multiplied with adsorption coefficient [W/m2] ",
	"Global radiation flux on outside of walls (wrt to wall area), already multiplied with adsorption coefficient [W/m2] ",
	"Global radiation flux on inside of walls (wrt to wall area), wall-fraction of radiation gains through windows into room [W/m2] ",
	"Radiation flux through window in wall (wrt to wall area) [W/m2] ",
	"Convective heat transfer flux through window in wall (wrt to wall area) [W/m2] "
};


/*! Caption of the time integral of a flux, scaled to millions. */
QString integralName(const QString & fluxName) {
	try {
		return QString::fromStdString(
			BVX::UnitList::instance().replaceUnitWithIntegralUnit(fluxName.toStdString())) + " * 1e-6";
	}
	catch (BVX::Exception &) {
		// all built-in captions carry a known unit; keep the flux caption rather than fail
		return fluxName + " * 1e-6";
	}
}


/*! Significant digits of the values and of the time column in the result files. */
const int VALUE_DIGITS = 6;
const int TIME_DIGITS = 10;

/*! Writes the value of the series at index row, or "NaN" for a series that is too short. */
void writeField(ResultFileBuffer & out, const std::vector<double> & series, unsigned int row, double scale) {
	if (row < series.size())
		out.appendNumber(series[row]*scale, VALUE_DIGITS);
	else
		out.append("NaN");
	out.append('\t');
}


void writeTimeField(ResultFileBuffer & out, const std::vector<double> & time, unsigned int row) {
	out.appendNumber(time[row], TIME_DIGITS);
	out.append('\t');
}


/*! Opens a result file for writing; an earlier file of the name is replaced only by a complete one.
	The writers do not wait for the disk: a run makes them again, and a year's 6 MB would cost
	about 0.1 s. */
bool openResultFile(QtExt::WholeFileWriter & file) {
	// the buffer writes large blocks: no second buffer in the file
	if (file.open(QIODevice::Unbuffered))
		return true;
	BVX::BVX_Message(BVX::FormatText("Cannot open result file '%1' for writing (%2).")
					 .arg(file.fileName().toStdString()).arg(file.errorString().toStdString()),
					 BVX::MSG_ERROR, "[OutputManager::writeOutputs]", -1);
	// a file of an earlier run must not pass for this run's
	QFile::remove(file.fileName());
	return false;
}


/*! Writes the rest and commits the file; reports a write failure (disk full, ...). */
bool finishResultFile(ResultFileBuffer & out, QtExt::WholeFileWriter & file) {
	if (out.finish() && file.commit())
		return true;
	BVX::BVX_Message(BVX::FormatText("Error writing result file '%1' (%2).")
					 .arg(file.fileName().toStdString()).arg(file.errorString().toStdString()),
					 BVX::MSG_ERROR, "[OutputManager::writeOutputs]", -1);
	// no cut file, and no file of an earlier run beside this run's complete ones
	QFile::remove(file.fileName());
	return false;
}


/*! Removes a result file this run does not write; a link of the name goes, not its target. */
void removeStaleResultFile(const QString & fileName) {
	const QFileInfo info(fileName);
	if (!info.exists() && !info.isSymLink())
		return;
	if (!QFile::remove(fileName))
		BVX::BVX_Message(BVX::FormatText("Cannot remove result file '%1' of an earlier run.").arg(fileName.toStdString()),
						 BVX::MSG_WARNING, "[OutputManager::writeOutputs]", -1);
	else
		BVX::BVX_Message(BVX::FormatText("Removed result file '%1' of an earlier run.").arg(fileName.toStdString()),
						 BVX::MSG_PROGRESS, "[OutputManager::writeOutputs]", 1);
}


/*! Rounds down to one decimal. The interval lengths come from times in days and carry
	round-off (24*(18/24 - 17/24) is slightly below 1), so a tiny relative tolerance keeps
	5 Kh from becoming 4.9 Kh. */
double roundDownToTenths(double x) {
	const double tenths = 10*x;
	return std::floor(tenths + 1e-9*std::max(1.0, std::fabs(tenths)))/10;
}




/*! Asks the kernel to back the address range of the reserved series with 2 MB pages.
	An hourly year of a room with a few walls fills about 17 MB that is first written during the
	run, one value per series and hour; with 4 KB pages every series touches a new page each
	512 hours, and on virtual machines that fill guest page tables lazily such a first touch
	costs tens of microseconds (about 4,400 pages a year). Only a hint: contents stay as they
	are, and failures (older kernels, ranges across mappings) leave the small pages. */
void backWithHugePages(std::uintptr_t begin, std::uintptr_t end) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
	const std::uintptr_t HUGE_PAGE = std::uintptr_t(1) << 21;
	// collapse existing small pages (malloc wrote its chunk headers) into huge pages; page by
	// page, since the pages at both ends may reach beyond the mapping and are refused
	const int MADVISE_COLLAPSE = 25;
	for (std::uintptr_t a = begin & ~(HUGE_PAGE - 1); a < end; a += HUGE_PAGE) {
		void * const p = reinterpret_cast<void *>(a);
		if (::madvise(p, HUGE_PAGE, MADV_HUGEPAGE) == 0)
			::madvise(p, HUGE_PAGE, MADVISE_COLLAPSE);
	}
#else
	(void)begin;
	(void)end;
#endif
}

} // namespace


OutputManager::OutputManager() :
	m_tStepCompleted(0),
	m_minRoomAirTemperature(0),
	m_maxRoomAirTemperature(0),
	m_minAirChangeRate(0),
	m_maxAirChangeRate(0),
	m_occupiedHours(0),
	m_overTemperatureHours(0),
	m_overTemperatureHoursP2(0),
	m_overTemperatureHoursP4(0),
	m_din4108_2VerificationPassed(false),
	m_din4108_2AssessedHours(0),
	m_resultsPresent(false),
	m_model(nullptr),
	m_wallCount(0),
	m_moistureBalance(false),
	m_twoYearRun(false)
{
	m_currentStates.fill(0);
	m_currentFluxes.fill(0);
	m_fluxIntegrals.fill(0);
	m_lastFluxes.fill(0);
	m_comfortExceedanceHours.fill(0);
	m_comfortExceedanceOccupiedHours.fill(0);
}


void OutputManager::initOutputs(unsigned int wallCount, bool moistureBalance, bool twoYearRun) {
	m_wallCount = wallCount;
	m_moistureBalance = moistureBalance;
	m_twoYearRun = twoYearRun;
	m_resultsPresent = false;

	for (std::vector<double> & v : m_currentWallStates)
		v.assign(wallCount, 0);
	for (std::vector<double> & v : m_currentWallFluxes)
		v.assign(wallCount, 0);
	for (std::vector<double> & v : m_wallFluxIntegrals)
		v.assign(wallCount, 0);
	for (std::vector<double> & v : m_lastWallFluxes)
		v.assign(wallCount, 0);

	// series: emptied and reserved for an hourly year, so a run appends without reallocation
	auto resetSeries = [](std::vector<double> & s) {
		s.clear();
		s.reserve(RESERVED_OUTPUTS);
	};
	for (std::vector<double> & s : m_roomStateSeries)
		resetSeries(s);
	for (std::vector<double> & s : m_roomFluxSeries)
		resetSeries(s);
	for (std::vector<double> & s : m_roomFluxIntegralSeries)
		resetSeries(s);
	for (std::vector<std::vector<double> > & g : m_wallStateSeries) {
		g.assign(wallCount, std::vector<double>());
		std::for_each(g.begin(), g.end(), resetSeries);
	}
	for (std::vector<std::vector<double> > & g : m_wallFluxSeries) {
		g.assign(wallCount, std::vector<double>());
		std::for_each(g.begin(), g.end(), resetSeries);
	}
	for (std::vector<std::vector<double> > & g : m_wallFluxIntegralSeries) {
		g.assign(wallCount, std::vector<double>());
		std::for_each(g.begin(), g.end(), resetSeries);
	}
	adviseSeriesMemory();

	setNames();

	m_currentStates.fill(0);
	m_currentFluxes.fill(0);
	m_fluxIntegrals.fill(0);
	m_lastFluxes.fill(0);
	m_tStepCompleted = 0;

	// the integrals start at 0 at the start time
	for (std::vector<double> & s : m_roomFluxIntegralSeries)
		s.push_back(0);
	for (std::vector<std::vector<double> > & g : m_wallFluxIntegralSeries)
		for (std::vector<double> & s : g)
			s.push_back(0);

	m_occupiedHours = 0;
	m_comfortExceedanceHours.fill(0);
	m_comfortExceedanceOccupiedHours.fill(0);
}


void OutputManager::adviseSeriesMemory() {
	std::uintptr_t begin = UINTPTR_MAX;
	std::uintptr_t end = 0;
	auto extend = [&begin, &end](const std::vector<double> & s) {
		const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(s.data());
		begin = std::min(begin, a);
		end = std::max(end, a + s.capacity()*sizeof(double));
	};
	std::for_each(m_roomStateSeries.begin(), m_roomStateSeries.end(), extend);
	std::for_each(m_roomFluxSeries.begin(), m_roomFluxSeries.end(), extend);
	std::for_each(m_roomFluxIntegralSeries.begin(), m_roomFluxIntegralSeries.end(), extend);
	auto extendGroup = [&extend](const std::vector<std::vector<double> > & g) {
		std::for_each(g.begin(), g.end(), extend);
	};
	std::for_each(m_wallStateSeries.begin(), m_wallStateSeries.end(), extendGroup);
	std::for_each(m_wallFluxSeries.begin(), m_wallFluxSeries.end(), extendGroup);
	std::for_each(m_wallFluxIntegralSeries.begin(), m_wallFluxIntegralSeries.end(), extendGroup);
	if (end > begin)
		backWithHugePages(begin, end);
}


void OutputManager::setNames() {
	for (unsigned int i = 0; i < NUM_RS; ++i)
		m_roomStateNames[i] = ROOM_STATE_NAMES[i];
	for (unsigned int i = 0; i < NUM_RF; ++i)
		m_roomFluxNames[i] = ROOM_FLUX_NAMES[i];
	for (unsigned int i = 0; i < NUM_WS; ++i)
		m_wallStateNames[i] = WALL_STATE_NAMES[i];
	for (unsigned int i = 0; i < NUM_WF; ++i)
		m_wallFluxNames[i] = WALL_FLUX_NAMES[i];
}


void OutputManager::integrateFluxes(double t) {
	updateCurrentOutputs();
	const double dt = t - m_tStepCompleted;
	for (unsigned int k = 0; k < NUM_RF; ++k) {
		m_lastFluxes[k] = m_currentFluxes[k];
		m_fluxIntegrals[k] += m_currentFluxes[k]*dt;
	}
	for (unsigned int k = 0; k < NUM_WF; ++k) {
		for (unsigned int i = 0; i < m_wallCount; ++i) {
			m_lastWallFluxes[k][i] = m_currentWallFluxes[k][i];
			m_wallFluxIntegrals[k][i] += m_currentWallFluxes[k][i]*dt;
		}
	}
	m_tStepCompleted = t;
}


void OutputManager::appendOutputs() {
	updateCurrentOutputs();
	appendCurrentOutputs(m_model != nullptr ? m_model->m_t : m_currentStates[RS_Time]*86400);
}


void OutputManager::appendCurrentOutputs(double t) {
	const char * const FUNC_ID = "[OutputManager::appendOutputs]";

	// time of the second year of a cyclic run counts from its start
	m_currentStates[RS_Time] = (m_twoYearRun ? BVX::timeOfYearEndInclusive(t) : t)/86400;

	for (unsigned int k = 0; k < NUM_RS; ++k)
		m_roomStateSeries[k].push_back(m_currentStates[k]);
	for (unsigned int k = 0; k < NUM_RF; ++k)
		m_roomFluxSeries[k].push_back(m_currentFluxes[k]);
	m_roomFluxSeries[RF_AirChangeRate].back() *= 3600; // back to 1/h
	for (unsigned int k = 0; k < NUM_WS; ++k)
		for (unsigned int i = 0; i < m_wallCount; ++i)
			m_wallStateSeries[k][i].push_back(m_currentWallStates[k][i]);
	for (unsigned int k = 0; k < NUM_WF; ++k)
		for (unsigned int i = 0; i < m_wallCount; ++i)
			m_wallFluxSeries[k][i].push_back(m_currentWallFluxes[k][i]);

	if (m_tStepCompleted != 0) {
		// take the integral back from the end of the last step to the output time
		Q_ASSERT(t <= m_tStepCompleted);
		const double delta = m_tStepCompleted - t;
		for (unsigned int k = 0; k < NUM_RF; ++k)
			m_roomFluxIntegralSeries[k].push_back(m_fluxIntegrals[k] - delta*m_lastFluxes[k]);
		for (unsigned int k = 0; k < NUM_WF; ++k)
			for (unsigned int i = 0; i < m_wallCount; ++i)
				m_wallFluxIntegralSeries[k][i].push_back(m_wallFluxIntegrals[k][i] - delta*m_lastWallFluxes[k][i]);
	}
	else {
		for (std::vector<double> & s : m_roomFluxIntegralSeries)
			s.front() = 0;
		for (std::vector<std::vector<double> > & g : m_wallFluxIntegralSeries)
			for (std::vector<double> & s : g)
				s.front() = 0;
	}

	const double tYear = BVX::timeOfYearEndInclusive(t);
	const unsigned int index = static_cast<unsigned int>(std::floor(tYear/3600));
	Q_ASSERT(index <= BVX::HOURS_PER_YEAR);

	if (m_twoYearRun && index == BVX::HOURS_PER_YEAR && t < 2*BVX::SECONDS_PER_YEAR) {
		BVX::BVX_Message("Starting second year of calculation.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		cutSeriesToLastValue();
	}
}


void OutputManager::cutSeriesToLastValue() {
	// The output at the end of the first year becomes the first output of the second year.
	// The last value is the one at hour 8760 for hourly outputs.
	auto cut = [](std::vector<double> & s) {
		if (s.size() > 1)
			s.erase(s.begin(), s.end() - 1);
	};
	std::for_each(m_roomStateSeries.begin(), m_roomStateSeries.end(), cut);
	std::for_each(m_roomFluxSeries.begin(), m_roomFluxSeries.end(), cut);
	std::for_each(m_roomFluxIntegralSeries.begin(), m_roomFluxIntegralSeries.end(), cut);
	for (std::vector<std::vector<double> > & g : m_wallStateSeries)
		std::for_each(g.begin(), g.end(), cut);
	for (std::vector<std::vector<double> > & g : m_wallFluxSeries)
		std::for_each(g.begin(), g.end(), cut);
	for (std::vector<std::vector<double> > & g : m_wallFluxIntegralSeries)
		std::for_each(g.begin(), g.end(), cut);
	m_roomStateSeries[RS_Time].front() = 0;
}


double OutputManager::comfortTemperature(double runningMean) {
	if (runningMean > 13 && runningMean < 30)
		return 0.33*runningMean + 18.8;
	return 23;
}


double OutputManager::runningMeanTemperature(const std::vector<double> & runningMean, double hourOfYear,
											 double fallback)
{
	// The climate derives its running mean from 8760 hourly values; time-stamped climate data
	// may give fewer (or none), then the current outdoor temperature stands in.
	if (!(hourOfYear >= 0))
		return fallback;
	const std::size_t h = static_cast<std::size_t>(hourOfYear);
	if (runningMean.size() != 8760 || h >= runningMean.size())
		return fallback;
	return runningMean[h];
}


void OutputManager::updateAggregatedOutputs() {
	const char * const FUNC_ID = "[OutputManager::updateAggregatedOutputs]";

	// counters describe this run only
	m_comfortExceedanceHours.fill(0);
	m_comfortExceedanceOccupiedHours.fill(0);

	const std::vector<double> & occupancy = m_roomStateSeries[RS_Occupancy];
	const std::vector<double> & runningMean = m_roomStateSeries[RS_GlidingAverageAmbientTemperature];
	const std::vector<double> & operative = m_roomStateSeries[RS_OperativeTemperature];

	// the occupied hours cover the outputs the comfort counts cover, every one after the start
	// value, so that a share of them never exceeds the whole
	double occupied = 0;
	for (std::size_t i = 1; i < occupancy.size(); ++i)
		occupied += occupancy[i];
	m_occupiedHours = static_cast<int>(occupied);
	const bool allOccupied = (m_occupiedHours == 0);

	const std::size_t count = std::min(runningMean.size(), operative.size());
	for (std::size_t i = 1; i < count; ++i) {
		const double deviation = std::fabs(comfortTemperature(runningMean[i]) - operative[i]);
		const bool occupiedHour = allOccupied || (i < occupancy.size() && occupancy[i] != 0);
		for (unsigned int c = 0; c < 3; ++c) {
			if (deviation > 2 + c) {
				++m_comfortExceedanceHours[c];
				if (occupiedHour)
					++m_comfortExceedanceOccupiedHours[c];
			}
		}
	}

	BVX::BVX_Message(BVX::FormatText("Max. room air temperature: %1 C\n").arg(m_maxRoomAirTemperature),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Min. room air temperature: %1 C\n").arg(m_minRoomAirTemperature),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Max. air change rate: %1 1/h\n").arg(m_maxAirChangeRate),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Min. air change rate: %1 1/h\n").arg(m_minAirChangeRate),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message("Note: Min/Max values may be reached between hourly outputs.\n",
					 BVX::MSG_PROGRESS, FUNC_ID, 1);

	if (din4108_2Settings() != nullptr && din4108_2Settings()->m_active)
		computeDIN4108_2Results();
}


std::size_t OutputManager::firstOutputOfLastYear(const std::vector<double> & timeDays, std::size_t count) {
	if (count < 2 || 24*(timeDays[count - 1] - timeDays[0]) <= BVX::HOURS_PER_YEAR + 0.5)
		return 0;
	// the limit holds for a year: a longer run is judged on its last year, as a cyclic
	// two-year run on its second; the small offset keeps the output at the year's start
	const double start = timeDays[count - 1] - BVX::HOURS_PER_YEAR/24.0 - 1e-6;
	return static_cast<std::size_t>(std::lower_bound(timeDays.begin(), timeDays.begin() + count, start) - timeDays.begin());
}


void OutputManager::computeDIN4108_2Results() {
	const DIN4108_2Assessment * settings = din4108_2Settings();
	if (settings != nullptr)
		computeDIN4108_2Results(*settings);
}


void OutputManager::computeDIN4108_2Results(const DIN4108_2Assessment & settings) {
	const char * const FUNC_ID = "[OutputManager::computeDIN4108_2Results]";

	const unsigned int occupancyHours = settings.occupancyHours();
	const double thetaRef = settings.referenceTemperature();
	const unsigned int limit = settings.overTemperatureLimit();

	double sum = 0;
	double sumP2 = 0;
	double sumP4 = 0;

	const std::vector<double> & time = m_roomStateSeries[RS_Time];
	const std::vector<double> & operative = m_roomStateSeries[RS_OperativeTemperature];
	const std::size_t count = std::min(time.size(), operative.size());
	const std::size_t first = firstOutputOfLastYear(time, count);
	for (std::size_t i = first; i + 1 < count; ++i) {
		if (!settings.m_residential) {
			// the interval counts when it ends in a usage hour; the small offset keeps an
			// output on the full hour from dropping into the hour before by round-off.
			// The model's rules repeat the year's weekdays every year, so the hour wraps too.
			const double h = std::floor(24*time[i+1] + 1e-6);
			if (h < 0 || !DIN4108_2Assessment::isUsageHour(static_cast<unsigned int>(h) % BVX::HOURS_PER_YEAR))
				continue;
		}
		const double theta = 0.5*(operative[i] + operative[i+1]);
		const double dh = 24*(time[i+1] - time[i]);
		const double excess = theta - thetaRef;
		if (excess > 0)
			sum += excess*dh;
		if (excess - 2 > 0)
			sumP2 += (excess - 2)*dh;
		if (excess - 4 > 0)
			sumP4 += (excess - 4)*dh;
	}

	m_overTemperatureHours = roundDownToTenths(sum);
	m_overTemperatureHoursP2 = roundDownToTenths(sumP2);
	m_overTemperatureHoursP4 = roundDownToTenths(sumP4);
	m_din4108_2AssessedHours = count < 2 ? 0 : 24*(time[count - 1] - time[first]);
	const bool wholeYear = m_din4108_2AssessedHours >= BVX::HOURS_PER_YEAR - 0.5;
	m_din4108_2VerificationPassed = (limit >= m_overTemperatureHours);

	const char * region = "";
	switch (settings.m_climateRegion) {
		case 0 : region = "A"; break;
		case 1 : region = "B"; break;
		case 2 : region = "C"; break;
		default: break;
	}

	BVX::BVX_Message("DIN 4108-2 Assessment\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message("---------------------\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Occupancy hours                      : %1 h\n")
					 .arg(static_cast<double>(occupancyHours)), BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Reference operative room temperature : %1 \xC2\xB0" "C\n").arg(thetaRef),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Region                               : %1\n\n").arg(region),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	if (first > 0)
		BVX::BVX_Message(BVX::FormatText("Assessed period                      : last year of the run, "
										 "%1 h to %2 h\n").arg(24*time[first]).arg(24*time[count - 1]),
						 BVX::MSG_PROGRESS, FUNC_ID, 1);
	if (!wholeYear)
		BVX::BVX_Message(BVX::FormatText("No verification: the run covers %1 h, the assessment needs the %2 h of a year.\n")
						 .arg(m_din4108_2AssessedHours).arg(static_cast<double>(BVX::HOURS_PER_YEAR)),
						 BVX::MSG_PROGRESS, FUNC_ID, 1);
	else if (m_din4108_2VerificationPassed)
		BVX::BVX_Message("*** Verification fullfilled ***\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	else
		BVX::BVX_Message("!!! Verification failed !!!\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Over-temperature hours               : %1 %2 %3 Kh/a\n")
					 .arg(m_overTemperatureHours).arg(m_din4108_2VerificationPassed ? "<" : ">=")
					 .arg(static_cast<double>(limit)), BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Over-temperature hours (+ 2K op. T.) : %1 Kh/a\n").arg(m_overTemperatureHoursP2),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Over-temperature hours (+ 4K op. T.) : %1 Kh/a\n").arg(m_overTemperatureHoursP4),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
}


bool OutputManager::writeOutputs(const QString & outputDir) const {
	const char * const FUNC_ID = "[OutputManager::writeOutputs]";
	if (outputDir.isEmpty()) {
		BVX::BVX_Message("Missing result directory, no result files written.", BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	QDir dir(outputDir);
	if (!dir.exists() && !QDir().mkdir(outputDir)) {
		BVX::BVX_Message(BVX::FormatText("Cannot create result directory '%1'.").arg(outputDir.toStdString()),
						 BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}

	const unsigned int wallStateCount = m_moistureBalance ? static_cast<unsigned int>(NUM_WS) : NUM_WS_DRY;
	std::vector<QString> wallStateNames(m_wallStateNames.begin(), m_wallStateNames.begin() + wallStateCount);
	std::vector<QString> wallFluxNames(m_wallFluxNames.begin(), m_wallFluxNames.end());
	std::vector<QString> wallFluxIntegralNames;
	for (const QString & n : m_wallFluxNames)
		wallFluxIntegralNames.push_back(integralName(n));

	// every file is attempted, so one failure does not hide the others
	bool ok = true;
	ok = writeStates(outputDir + "/states.tsv") && ok;
	ok = writeCCD(outputDir + "/RoomTemperature.ccd", "# Room temperature\n", "# Type: Temperature\n",
				  "TEMPER\tC\n", RS_RoomAirTemperature) && ok;
	if (m_moistureBalance)
		ok = writeCCD(outputDir + "/RoomRelativeHumidity.ccd", "# Room relative humidity\n",
					  "# Type: Relative humidity\n", "RELHUM\t%\n", RS_RelativeHumidity) && ok;
	ok = writeRoomFluxes(outputDir + "/fluxes.tsv", false) && ok;
	ok = writeRoomFluxes(outputDir + "/flux_integrals.tsv", true) && ok;
	ok = writeWallValues(outputDir + "/wall_states.tsv", wallStateCount, wallStateNames,
						 m_wallStateSeries.data(), 1) && ok;
	ok = writeWallValues(outputDir + "/wall_fluxes.tsv", NUM_WF, wallFluxNames,
						 m_wallFluxSeries.data(), 1) && ok;
	ok = writeWallValues(outputDir + "/wall_flux_integrals.tsv", NUM_WF, wallFluxIntegralNames,
						 m_wallFluxIntegralSeries.data(), 1e-6) && ok;
	// a result file of an earlier run (of another project) must not pass for this run's
	if (!m_moistureBalance)
		removeStaleResultFile(outputDir + "/RoomRelativeHumidity.ccd");
	return ok;
}


bool OutputManager::writeStates(const QString & fileName) const {
	QtExt::WholeFileWriter file(fileName, QtExt::WholeFileWriter::NoSync, QtExt::WholeFileWriter::ReplaceEntry);
	if (!openResultFile(file))
		return false;
	ResultFileBuffer out(file);

	const unsigned int stateCount = m_moistureBalance ? static_cast<unsigned int>(NUM_RS) : NUM_RS_DRY;
	for (unsigned int k = 0; k < stateCount; ++k) {
		out.append(m_roomStateNames[k]);
		out.append('\t');
	}
	out.append('\n');
	const std::vector<double> & time = m_roomStateSeries[RS_Time];
	for (unsigned int row = 0; row < time.size(); ++row) {
		writeTimeField(out, time, row);
		for (unsigned int k = 1; k < stateCount; ++k)
			writeField(out, m_roomStateSeries[k], row, 1);
		out.append('\n');
		out.lineDone();
	}
	return finishResultFile(out, file);
}


bool OutputManager::writeCCD(const QString & fileName, const char * title, const char * type,
							 const char * keywordLine, unsigned int state) const
{
	QtExt::WholeFileWriter file(fileName, QtExt::WholeFileWriter::NoSync, QtExt::WholeFileWriter::ReplaceEntry);
	if (!openResultFile(file))
		return false;
	ResultFileBuffer out(file);

	out.append(title);
	out.append(type);
	out.append(keywordLine);
	out.append('\n');
	const std::vector<double> & time = m_roomStateSeries[RS_Time];
	const std::vector<double> & values = m_roomStateSeries[state];
	// the first output lies at the start time and is not part of the data
	for (unsigned int row = 1; row < time.size(); ++row) {
		// all parts from the time rounded to full seconds, so that round-off in the day
		// value cannot move an hour or minute boundary (02:59:59 stays 02:59:59)
		const long seconds = static_cast<long>(std::floor(86400*time[row] + 0.5));
		const long day = seconds / 86400;
		const long hour = (seconds / 3600) % 24;
		const long minute = (seconds / 60) % 60;
		const long second = seconds % 60;
		out.appendInteger(day, 3, ' ');
		out.append('\t');
		out.appendInteger(hour, 2, '0');
		out.append(':');
		out.appendInteger(minute, 2, '0');
		out.append(':');
		out.appendInteger(second, 2, '0');
		out.append('\t');
		if (row < values.size())
			out.appendNumber(values[row], VALUE_DIGITS, 10);
		else
			out.appendPadded("NaN", 10);
		// the line end is padded to the field width as well (kept: stored files have it)
		out.appendPadded("\n", 10);
		out.lineDone();
	}
	return finishResultFile(out, file);
}


bool OutputManager::writeRoomFluxes(const QString & fileName, bool integrals) const {
	QtExt::WholeFileWriter file(fileName, QtExt::WholeFileWriter::NoSync, QtExt::WholeFileWriter::ReplaceEntry);
	if (!openResultFile(file))
		return false;
	ResultFileBuffer out(file);

	const unsigned int fluxCount = m_moistureBalance ? static_cast<unsigned int>(NUM_RF) : NUM_RF_DRY;
	out.append(m_roomStateNames[RS_Time]);
	out.append('\t');
	for (unsigned int k = 0; k < fluxCount; ++k) {
		out.append(integrals ? integralName(m_roomFluxNames[k]) : m_roomFluxNames[k]);
		out.append('\t');
	}
	out.append('\n');

	const std::array<std::vector<double>, NUM_RF> & series = integrals ? m_roomFluxIntegralSeries : m_roomFluxSeries;
	const double scale = integrals ? 1e-6 : 1;
	const std::vector<double> & time = m_roomStateSeries[RS_Time];
	for (unsigned int row = 0; row < time.size(); ++row) {
		writeTimeField(out, time, row);
		for (unsigned int k = 0; k < fluxCount; ++k)
			writeField(out, series[k], row, scale);
		out.append('\n');
		out.lineDone();
	}
	return finishResultFile(out, file);
}


bool OutputManager::writeWallValues(const QString & fileName, unsigned int count, const std::vector<QString> & names,
									const std::vector<std::vector<double> > * series, double scale) const
{
	QtExt::WholeFileWriter file(fileName, QtExt::WholeFileWriter::NoSync, QtExt::WholeFileWriter::ReplaceEntry);
	if (!openResultFile(file))
		return false;
	ResultFileBuffer out(file);

	out.append(m_roomStateNames[RS_Time]);
	out.append('\t');
	for (unsigned int k = 0; k < count; ++k)
		for (unsigned int j = 0; j < m_wallCount; ++j) {
			out.append("Wall ");
			out.appendInteger(j, 0, ' ');
			out.append('.');
			out.append(names[k]);
			out.append('\t');
		}
	out.append('\n');

	const std::vector<double> & time = m_roomStateSeries[RS_Time];
	for (unsigned int row = 0; row < time.size(); ++row) {
		writeTimeField(out, time, row);
		for (unsigned int k = 0; k < count; ++k)
			for (unsigned int j = 0; j < m_wallCount; ++j)
				writeField(out, series[k][j], row, scale);
		out.append('\n');
		out.lineDone();
	}
	return finishResultFile(out, file);
}


// Reading the model

void OutputManager::initOutputs() {
	Q_ASSERT(m_model != nullptr);
	initOutputs(m_model->m_constructionCount, m_model->m_room.m_moistureBalanceEnabled,
				m_model->m_room.m_cyclicTwoYearSimulation);
}


void OutputManager::updateCurrentOutputs() {
	if (m_model == nullptr)
		return;
	updateRoomStates();
	updateRoomFluxes();
	updateWallValues();
}


void OutputManager::updateRoomStates() {
	const CaldoryneModel & m = *m_model;
	const SolarRadiationModel & solar = m.m_climate.m_solarRadiationModel;
	const double DEG = BVX::RAD_TO_DEG_SUN;

	std::array<double, NUM_RS> & s = m_currentStates;
	s[RS_Time] = m.m_t/86400;
	s[RS_AmbientTemperature] = m.m_Te - 273.15;
	s[RS_GlidingAverageAmbientTemperature] =
		runningMeanTemperature(m.m_climate.m_runningMeanTemperature, m.m_hourOfYear, m.m_Te) - 273.15;
	s[RS_LocalMeanTime] = solar.m_solarTime/86400;
	s[RS_ApparentSolarTime] = solar.m_apparentSolarTime/86400;
	s[RS_SunElevation] = solar.m_sunAltitude*DEG;
	s[RS_SunAzimuth] = solar.m_sunAzimuth*DEG;
	s[RS_Declination] = solar.m_declination*DEG;
	double direct = 0;
	double diffuse = 0;
	double angle = 0;
	if (solar.surfaceCount() > 0) // surface 0 is the horizontal one the model registers first
		solar.radiationLoad(0, direct, diffuse, angle);
	s[RS_GlobalRadiationHorizontal] = direct + diffuse;
	s[RS_DiffuseRadiationHorizontal] = diffuse;
	s[RS_DirectRadiationHorizontal] = direct;
	s[RS_DirectRadiationNormal] = solar.m_climateDataLoader.currentValue(ClimateDataLoader::DirectRadiationNormal);
	s[RS_RoomAirTemperature] = m.m_Ti - 273.15;
	s[RS_RadiantTemperature] = m.m_meanSurfaceTemperature - 273.15;
	s[RS_OperativeTemperature] = m.m_operativeTemperature - 273.15;
	const unsigned int h = static_cast<unsigned int>(m.m_hourOfYear);
	s[RS_Occupancy] = m.m_room.m_userLoads.m_occupancy.value(h, m.m_t) != 0 ? 1 : 0;

	if (!m_moistureBalance)
		return;
	s[RS_RelativeHumidity] = m.m_phii*100;
	s[RS_AbsoluteHumidity] = m.m_rhovi;
	s[RS_VaporPressure] = m.m_pvi;
	s[RS_AmbientRelativeHumidity] = m.m_phie*100;
	s[RS_AmbientAbsoluteHumidity] = m.m_rhove;
	s[RS_AmbientVaporPressure] = m.m_pve;
	s[RS_WaterContent] = m.m_rhoDryAir > 0 ? m.m_rhovi/m.m_rhoDryAir : 0;
}


void OutputManager::updateRoomFluxes() {
	const CaldoryneModel & m = *m_model;
	std::array<double, NUM_RF> & f = m_currentFluxes;
	f[RF_NaturalVentilation] = m.m_naturalVentilationHeatFlow;
	f[RF_Heating] = m.m_heatingLoad;
	f[RF_Cooling] = m.m_coolingLoad;
	f[RF_MechanicalVentilation] = m.m_mechanicalVentilationHeatFlow;
	f[RF_Equipment] = m.m_equipmentLoads;
	f[RF_Persons] = m.m_personLoads;
	f[RF_ACSupplyFlow] = m.m_mechanicalVentilationSupplyAirFlow;
	f[RF_WallTransmission] = m.m_insideSurfaceHeatFlow;
	f[RF_WindowConvection] = m.m_totalWindowTransmission;
	f[RF_WindowRadiation] = m.m_totalSolarGain;
	// the convective share of the solar gain enters the air node, the rest the walls
	f[RF_WindowRadiationToRoom] = m.m_totalSolarGain*m.m_room.m_gammaRad;
	f[RF_ACEnergy] = m.m_mechanicalVentilationCoolingPower;
	// held in 1/s so that the integral counts air changes
	f[RF_AirChangeRate] = m.m_airChangeRate/3600;
	f[RF_WallVaporFlow] = m.m_insideSurfaceVapourFlow;
	f[RF_MoistureSource] = m.m_moistureLoad;
	f[RF_MoistureSourceEnthalpy] = m.m_moistureLoadEnthalpyFlow;
	f[RF_Dehumidification] = m.m_dehumidificationVapourFlow;
	f[RF_DehumidificationEnthalpy] = m.m_dehumidificationEnthalpyFlow;
	f[RF_DehumidificationEnergy] = m.m_latentCoolingLoad;
	f[RF_MechanicalVentilationMoisture] = m.m_mechanicalVentilationVapourFlow;
	f[RF_NaturalVentilationMoisture] = m.m_naturalVentilationVapourFlow;
}


void OutputManager::updateWallValues() {
	const CaldoryneModel & m = *m_model;
	const unsigned int count = std::min<unsigned int>(m_wallCount, static_cast<unsigned int>(m.m_solvers.size()));
	for (unsigned int i = 0; i < count; ++i) {
		const ConstructionSolver & solver = m.m_solvers[i];
		const RoomConstruction & con = m.m_constructions[i];
		const WindowType * window = con.m_windowType;

		m_currentWallStates[WS_InsideSurfaceTemperature][i] = solver.insideSurfaceTemperature() - 273.15;
		m_currentWallStates[WS_WindowInsideSurfaceTemperature][i] = m.m_windowInsideSurfaceTemperature[i] - 273.15;
		m_currentWallStates[WS_OutsideSurfaceTemperature][i] = solver.outsideSurfaceTemperature() - 273.15;
		m_currentWallStates[WS_IncidenceAngle][i] = m.m_incidenceAngle[i];
		m_currentWallStates[WS_SolarHeatGainCoefficient][i] = m.m_effectiveSHGC[i];
		if (m_moistureBalance)
			m_currentWallStates[WS_InsideSurfaceRelativeHumidity][i] = solver.insideRelativeHumidity()*100;

		const double area = con.m_AW;
		m_currentWallFluxes[WF_InsideConvection][i] = solver.m_insideConvectiveFlux;
		m_currentWallFluxes[WF_OutsideConvection][i] = solver.m_outsideHeatFlux;
		m_currentWallFluxes[WF_DirectRadiation][i] = m.m_directRadiation[i];
		m_currentWallFluxes[WF_DiffuseRadiation][i] = m.m_diffuseRadiation[i];
		m_currentWallFluxes[WF_GlobalRadiation][i] = m.m_globalRadiation[i];
		m_currentWallFluxes[WF_AbsorbedRadiation][i] = m.m_absorbedRadiation[i];
		m_currentWallFluxes[WF_InsideWindowRadiation][i] = m.m_solarRadiantFractions[i]*m.m_totalSolarGain/area;
		m_currentWallFluxes[WF_WindowRadiation][i] = window != nullptr ? m.m_windowSolarGain[i]/area : 0;
		// per m2 of wall, like the window radiation: U*AF*(Te - Ti)/AW
		m_currentWallFluxes[WF_WindowConvection][i] = window != nullptr ? (m.m_Te - m.m_Ti)*window->m_U*con.m_AF/area : 0;
	}
}


const DIN4108_2Assessment * OutputManager::din4108_2Settings() const {
	return m_model != nullptr ? &m_model->m_room.m_din4108_2Assessment : nullptr;
}

} // namespace RM
