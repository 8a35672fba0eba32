#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <RM_CaldoryneModel.h>
#include <RM_OutputManager.h>
#include <RM_WindowType.h>

#include "QtExt_FileSizeLimit.h"
#include "RM_TestSupport.h"

using RM::OutputManager;

namespace {

const double YEAR = 31536000.0;

QStringList readLines(const QString & fileName) {
	QFile f(fileName);
	if (!f.open(QIODevice::ReadOnly))
		return QStringList();
	QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
	// the last line end leaves an empty entry
	if (!lines.isEmpty() && lines.back().isEmpty())
		lines.removeLast();
	return lines;
}

/*! Fields of a tab-separated line, whose every field ends with a tab. */
QStringList fields(const QString & line) {
	QStringList f = line.split('\t');
	EXPECT_TRUE(f.back().isEmpty()) << "line does not end with a tab: " << line.toStdString();
	f.removeLast();
	return f;
}

/*! Runs an hourly year (outputs at 0, 3600, ..., 31,536,000 s) with one completed step per
	hour. Room air temperature 20 C + hour/1000, heating 100 W, wall 0 inside flux 5 W/m2. */
void runHourlyYear(OutputManager & om, unsigned int wallCount, bool moisture) {
	om.initOutputs(wallCount, moisture, false);
	for (unsigned int h = 0; h <= 8760; ++h) {
		const double t = h*3600.0;
		om.m_currentStates[OutputManager::RS_RoomAirTemperature] = 20 + h/1000.0;
		om.m_currentStates[OutputManager::RS_RelativeHumidity] = 50;
		om.m_currentFluxes[OutputManager::RF_Heating] = 100;
		for (unsigned int j = 0; j < wallCount; ++j)
			om.m_currentWallFluxes[OutputManager::WF_InsideConvection][j] = 5;
		om.integrateFluxes(t);
		om.appendCurrentOutputs(t);
	}
}

} // namespace


TEST(OutputManagerTest, InitOutputsPreparesNamesAndSeries) {
	OutputManager om;
	om.m_comfortExceedanceHours[1] = 7;
	om.initOutputs(3, false, false);

	EXPECT_EQ(om.wallCount(), 3u);
	EXPECT_EQ(om.m_roomStateNames[OutputManager::RS_Time], QString("Time [d]"));
	EXPECT_EQ(om.m_roomStateNames[OutputManager::RS_WaterContent],
			  QString("Room air water content (mass vapor/mass dry air) [kg/kg]"));
	EXPECT_EQ(om.m_roomFluxNames[OutputManager::RF_AirChangeRate], QString("Ventilation rate (infiltration) [1/h]"));
	EXPECT_EQ(om.m_wallStateNames[OutputManager::WS_InsideSurfaceRelativeHumidity],
			  QString("Wall inside surface relative humidity [%]"));
	// the trailing blank is part of the name
	EXPECT_TRUE(om.m_wallFluxNames[OutputManager::WF_OutsideConvection].endsWith("[W/m2] "));
	EXPECT_TRUE(om.m_wallFluxNames[OutputManager::WF_InsideConvection].endsWith("[W/m2]"));

	for (const std::vector<double> & s : om.m_roomStateSeries) {
		EXPECT_TRUE(s.empty());
		EXPECT_GE(s.capacity(), 8761u);
	}
	for (const std::vector<double> & s : om.m_roomFluxIntegralSeries)
		EXPECT_EQ(s, std::vector<double>(1, 0.0));
	for (const auto & g : om.m_wallFluxIntegralSeries) {
		ASSERT_EQ(g.size(), 3u);
		EXPECT_EQ(g[2], std::vector<double>(1, 0.0));
	}
	for (const auto & v : om.m_currentWallStates)
		EXPECT_EQ(v.size(), 3u);
	EXPECT_EQ(om.m_comfortExceedanceHours[1], 0);
	EXPECT_FALSE(om.m_resultsPresent);
}


TEST(OutputManagerTest, EverySeriesKeepsItsValuesOverAYearAndARerun) {
	// the series share one large-page backed range: a value of every series and hour must
	// land in its own series, also after a second run on the same manager
	auto value = [](unsigned int series, unsigned int hour) { return series*1e5 + hour; };
	OutputManager om;
	for (unsigned int walls : {8u, 3u}) {
		om.initOutputs(walls, true, false);
		for (unsigned int h = 0; h <= 8760; ++h) {
			for (unsigned int k = 1; k < OutputManager::NUM_RS; ++k)
				om.m_currentStates[k] = value(k, h);
			for (unsigned int k = 0; k < OutputManager::NUM_RF; ++k)
				om.m_currentFluxes[k] = value(100 + k, h);
			for (unsigned int k = 0; k < OutputManager::NUM_WS; ++k)
				for (unsigned int i = 0; i < walls; ++i)
					om.m_currentWallStates[k][i] = value(200 + 10*k + i, h);
			for (unsigned int k = 0; k < OutputManager::NUM_WF; ++k)
				for (unsigned int i = 0; i < walls; ++i)
					om.m_currentWallFluxes[k][i] = value(300 + 10*k + i, h);
			om.appendCurrentOutputs(h*3600.0);
		}
		ASSERT_EQ(om.outputCount(), 8761u);
		unsigned int wrong = 0;
		for (unsigned int h = 0; h <= 8760; ++h) {
			wrong += om.m_roomStateSeries[OutputManager::RS_Time][h] != h/24.0;
			for (unsigned int k = 1; k < OutputManager::NUM_RS; ++k)
				wrong += om.m_roomStateSeries[k][h] != value(k, h);
			for (unsigned int k = 0; k < OutputManager::NUM_RF; ++k) {
				const double scale = k == OutputManager::RF_AirChangeRate ? 3600 : 1;
				wrong += om.m_roomFluxSeries[k][h] != value(100 + k, h)*scale;
			}
			for (unsigned int k = 0; k < OutputManager::NUM_WS; ++k)
				for (unsigned int i = 0; i < walls; ++i)
					wrong += om.m_wallStateSeries[k][i][h] != value(200 + 10*k + i, h);
			for (unsigned int k = 0; k < OutputManager::NUM_WF; ++k)
				for (unsigned int i = 0; i < walls; ++i)
					wrong += om.m_wallFluxSeries[k][i][h] != value(300 + 10*k + i, h);
		}
		EXPECT_EQ(wrong, 0u) << walls << " walls";
	}
}


TEST(OutputManagerTest, ConstantFluxIntegratesOverSteps) {
	// 100 W over one hour in steps of 600 s: 360,000 J; 5 W/m2 on the wall: 18,000 J/m2;
	// an air change rate of 2/h counts 2 air changes in the hour
	OutputManager om;
	om.initOutputs(1, false, false);
	om.m_currentFluxes[OutputManager::RF_Heating] = 100;
	om.m_currentFluxes[OutputManager::RF_AirChangeRate] = 2.0/3600;
	om.m_currentWallFluxes[OutputManager::WF_InsideConvection][0] = 5;

	om.integrateFluxes(0);
	om.appendCurrentOutputs(0);
	for (int k = 1; k <= 6; ++k)
		om.integrateFluxes(600.0*k);
	om.appendCurrentOutputs(3600);

	ASSERT_EQ(om.outputCount(), 2u);
	EXPECT_DOUBLE_EQ(om.m_roomFluxIntegralSeries[OutputManager::RF_Heating][0], 0);
	EXPECT_DOUBLE_EQ(om.m_roomFluxIntegralSeries[OutputManager::RF_Heating][1], 360000);
	EXPECT_DOUBLE_EQ(om.m_roomFluxIntegralSeries[OutputManager::RF_AirChangeRate][1], 2);
	EXPECT_DOUBLE_EQ(om.m_roomFluxSeries[OutputManager::RF_AirChangeRate][1], 2); // written in 1/h
	EXPECT_DOUBLE_EQ(om.m_wallFluxIntegralSeries[OutputManager::WF_InsideConvection][0][1], 18000);
	EXPECT_DOUBLE_EQ(om.m_roomStateSeries[OutputManager::RS_Time][1], 3600.0/86400);
}


TEST(OutputManagerTest, IntegralIsTakenBackToOutputTime) {
	// steps end at 1000 s (flux 10) and 2400 s (flux 40); output at 1800 s:
	// 10*1000 + 40*1400 - 40*600 = 42,000
	OutputManager om;
	om.initOutputs(0, false, false);
	om.integrateFluxes(0);
	om.appendCurrentOutputs(0);
	om.m_currentFluxes[OutputManager::RF_Equipment] = 10;
	om.integrateFluxes(1000);
	om.m_currentFluxes[OutputManager::RF_Equipment] = 40;
	om.integrateFluxes(2400);
	om.appendCurrentOutputs(1800);

	EXPECT_DOUBLE_EQ(om.m_fluxIntegrals[OutputManager::RF_Equipment], 66000);
	EXPECT_DOUBLE_EQ(om.m_roomFluxIntegralSeries[OutputManager::RF_Equipment].back(), 42000);
}


TEST(OutputManagerTest, ResultFilesOfHourlyYearWithoutMoisture) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	OutputManager om;
	runHourlyYear(om, 2, false);
	ASSERT_EQ(om.outputCount(), 8761u);

	// directory is created (one level)
	const QString dir = tmp.path() + "/results";
	ASSERT_TRUE(om.writeOutputs(dir));

	QStringList states = readLines(dir + "/states.tsv");
	ASSERT_EQ(states.size(), 8762);
	QStringList header = fields(states[0]);
	ASSERT_EQ(header.size(), 16);
	EXPECT_EQ(header[0], QString("Time [d]"));
	EXPECT_EQ(header[15], QString("Occupancy schedule based on presence of occupants (1 room populated, 0 - empty) [---]"));
	QStringList last = fields(states.back());
	ASSERT_EQ(last.size(), 16);
	EXPECT_EQ(last[0], QString("365"));
	EXPECT_EQ(last[12], QString("28.76"));
	// time column with 10 significant digits
	EXPECT_EQ(fields(states[3])[0], QString("0.08333333333"));
	EXPECT_EQ(fields(states[2])[1], QString("0"));

	QStringList fluxes = readLines(dir + "/fluxes.tsv");
	ASSERT_EQ(fluxes.size(), 8762);
	header = fields(fluxes[0]);
	ASSERT_EQ(header.size(), 14);
	EXPECT_EQ(header[2], QString("Heating loads [W]"));
	EXPECT_EQ(fields(fluxes[5])[2], QString("100"));

	QStringList integrals = readLines(dir + "/flux_integrals.tsv");
	ASSERT_EQ(integrals.size(), 8762);
	header = fields(integrals[0]);
	ASSERT_EQ(header.size(), 14);
	EXPECT_EQ(header[2], QString("Heating loads [J] * 1e-6"));
	EXPECT_EQ(header[7], QString("Supply flow rate for AC cooling system [m3] * 1e-6"));
	EXPECT_EQ(fields(integrals[2])[2], QString("0.36"));
	EXPECT_EQ(fields(integrals.back())[2], QString("3153.6")); // 100 W over a year, MJ

	// wall files: state-major, wall-minor columns
	QStringList wallStates = readLines(dir + "/wall_states.tsv");
	ASSERT_EQ(wallStates.size(), 8762);
	header = fields(wallStates[0]);
	ASSERT_EQ(header.size(), 1 + 5*2);
	EXPECT_EQ(header[1], QString("Wall 0.Wall inside surface temperatures [C]"));
	EXPECT_EQ(header[2], QString("Wall 1.Wall inside surface temperatures [C]"));
	EXPECT_EQ(header[3], QString("Wall 0.Window inside surface temperatures calculated based on given U-Value [C]"));
	EXPECT_EQ(header[10], QString("Wall 1.Solar heat gain coefficient [---]"));

	QStringList wallFluxIntegrals = readLines(dir + "/wall_flux_integrals.tsv");
	header = fields(wallFluxIntegrals[0]);
	ASSERT_EQ(header.size(), 1 + 9*2);
	EXPECT_EQ(header[1], QString("Wall 0.Convective heat transfer flux through inside of wall (wrt to wall area), "
								 "positive from room to wall [J/m2] * 1e-6"));
	EXPECT_EQ(header[3], QString("Wall 0.Convective heat transfer flux through outside of wall (wrt to wall area), "
								 "positive from ambient to wall [J/m2]  * 1e-6"));
	EXPECT_EQ(fields(wallFluxIntegrals[2])[1], QString("0.018"));
	EXPECT_EQ(readLines(dir + "/wall_fluxes.tsv").size(), 8762);

	QStringList ccd = readLines(dir + "/RoomTemperature.ccd");
	ASSERT_EQ(ccd.size(), 4 + 8760);
	EXPECT_EQ(ccd[0], QString("# Room temperature"));
	EXPECT_EQ(ccd[1], QString("# Type: Temperature"));
	EXPECT_EQ(ccd[2], QString("TEMPER\tC"));
	EXPECT_EQ(ccd[3], QString(""));
	EXPECT_EQ(ccd[4], QString("  0\t01:00:00\t    20.001         "));
	EXPECT_EQ(ccd.back(), QString("365\t00:00:00\t     28.76         "));
	EXPECT_FALSE(QFile::exists(dir + "/RoomRelativeHumidity.ccd"));
}


TEST(OutputManagerTest, ResultFilesWithMoistureBalance) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	OutputManager om;
	runHourlyYear(om, 1, true);
	ASSERT_TRUE(om.writeOutputs(tmp.path()));

	QStringList states = readLines(tmp.path() + "/states.tsv");
	EXPECT_EQ(fields(states[0]).size(), 23);
	EXPECT_EQ(fields(states[1]).size(), 23);
	EXPECT_EQ(fields(readLines(tmp.path() + "/fluxes.tsv")[0]).size(), 22);
	QStringList integrals = fields(readLines(tmp.path() + "/flux_integrals.tsv")[0]);
	ASSERT_EQ(integrals.size(), 22);
	EXPECT_EQ(integrals[14], QString("Total vapor loads through inside of all walls (water vapor diffusion) [kg] * 1e-6"));
	EXPECT_EQ(fields(readLines(tmp.path() + "/wall_states.tsv")[0]).size(), 1 + 6);

	QStringList ccd = readLines(tmp.path() + "/RoomRelativeHumidity.ccd");
	ASSERT_EQ(ccd.size(), 4 + 8760);
	EXPECT_EQ(ccd[0], QString("# Room relative humidity"));
	EXPECT_EQ(ccd[1], QString("# Type: Relative humidity"));
	EXPECT_EQ(ccd[2], QString("RELHUM\t%"));
	EXPECT_EQ(ccd[4], QString("  0\t01:00:00\t        50         "));
}


TEST(OutputManagerTest, CCDTimeAndShortSeries) {
	// outputs at 0, 1.5 h and 26 h 59 min 59 s; the temperature series lacks its last value
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	OutputManager om;
	om.initOutputs(0, false, false);
	om.m_currentStates[OutputManager::RS_RoomAirTemperature] = 21.5;
	om.appendCurrentOutputs(0);
	om.appendCurrentOutputs(5400);
	om.appendCurrentOutputs(26*3600 + 59*60 + 59);
	om.m_roomStateSeries[OutputManager::RS_RoomAirTemperature].pop_back();
	ASSERT_TRUE(om.writeOutputs(tmp.path()));

	QStringList ccd = readLines(tmp.path() + "/RoomTemperature.ccd");
	ASSERT_EQ(ccd.size(), 6);
	EXPECT_EQ(ccd[4], QString("  0\t01:30:00\t      21.5         "));
	EXPECT_EQ(ccd[5], QString("  1\t02:59:59\t       NaN         "));
	QStringList states = readLines(tmp.path() + "/states.tsv");
	EXPECT_EQ(fields(states[3])[12], QString("NaN"));
}


TEST(OutputManagerTest, TwoYearRunStartsSecondYearAtEndOfFirst) {
	RMTest::MessageCapture capture;
	OutputManager om;
	om.initOutputs(1, false, true);
	om.m_currentFluxes[OutputManager::RF_Heating] = 10;
	om.m_currentWallFluxes[OutputManager::WF_InsideConvection][0] = 1;
	for (unsigned int h = 0; h <= 2*8760; ++h) {
		const double t = h*3600.0;
		om.m_currentStates[OutputManager::RS_OperativeTemperature] = h;
		om.integrateFluxes(t);
		om.appendCurrentOutputs(t);
		if (h == 8760) {
			// only the output at the end of the first year remains, as time 0
			EXPECT_EQ(om.outputCount(), 1u);
			EXPECT_EQ(om.m_roomStateSeries[OutputManager::RS_Time][0], 0);
			EXPECT_EQ(om.m_roomStateSeries[OutputManager::RS_OperativeTemperature][0], 8760);
			ASSERT_EQ(om.m_wallFluxIntegralSeries[OutputManager::WF_InsideConvection][0].size(), 1u);
		}
	}
	EXPECT_EQ(capture.count(BVX::MSG_PROGRESS, "Starting second year of calculation."), 1u);
	ASSERT_EQ(om.outputCount(), 8761u);
	EXPECT_DOUBLE_EQ(om.m_roomStateSeries[OutputManager::RS_Time].back(), 365);
	EXPECT_DOUBLE_EQ(om.m_roomStateSeries[OutputManager::RS_Time][1], 1.0/24);
	// integrals continue from the totals of the first year
	const std::vector<double> & heating = om.m_roomFluxIntegralSeries[OutputManager::RF_Heating];
	ASSERT_EQ(heating.size(), 8761u);
	EXPECT_DOUBLE_EQ(heating.front(), 10*YEAR);
	EXPECT_DOUBLE_EQ(heating.back(), 20*YEAR);
	EXPECT_DOUBLE_EQ(om.m_wallFluxIntegralSeries[OutputManager::WF_InsideConvection][0].back(), 2*YEAR);
}


TEST(OutputManagerTest, ComfortCountsAndOccupiedHours) {
	struct Case {
		double runningMean;	// C
		double operative;	// C
		double occupied;
	};
	// comfort temperature: 0.33*20 + 18.8 = 25.4 inside (13, 30), else 23
	const Case cases[] = {
		{ 20, 99,  1 },		// first output is not counted, neither as occupied
		{ 20, 27.5,  1 },	// 2.1 K: > 2
		{ 20, 22.0,  0 },	// 3.4 K: > 2, > 3
		{ 10, 27.5,  1 },	// 4.5 K: > 2, > 3, > 4
		{ 30, 24.5,  0 },	// 1.5 K
		{ 13, 18.5,  1 },	// 4.5 K: all three
	};
	OutputManager om;
	om.initOutputs(0, false, false);
	for (const Case & c : cases) {
		om.m_roomStateSeries[OutputManager::RS_GlidingAverageAmbientTemperature].push_back(c.runningMean);
		om.m_roomStateSeries[OutputManager::RS_OperativeTemperature].push_back(c.operative);
		om.m_roomStateSeries[OutputManager::RS_Occupancy].push_back(c.occupied);
	}
	// a second call must give the same counts
	for (int call = 0; call < 2; ++call) {
		om.updateAggregatedOutputs();
		EXPECT_EQ(om.m_occupiedHours, 3);
		EXPECT_EQ(om.m_comfortExceedanceHours, (std::array<int, 3>{ { 4, 3, 2 } }));
		EXPECT_EQ(om.m_comfortExceedanceOccupiedHours, (std::array<int, 3>{ { 3, 2, 2 } }));
	}

	// nobody ever present: every output counts as occupied
	for (double & v : om.m_roomStateSeries[OutputManager::RS_Occupancy])
		v = 0;
	om.updateAggregatedOutputs();
	EXPECT_EQ(om.m_occupiedHours, 0);
	EXPECT_EQ(om.m_comfortExceedanceOccupiedHours, om.m_comfortExceedanceHours);
}


TEST(OutputManagerTest, AggregateMessages) {
	RMTest::MessageCapture capture;
	OutputManager om;
	om.initOutputs(0, false, false);
	om.m_minRoomAirTemperature = 18.25;
	om.m_maxRoomAirTemperature = 31.5;
	om.m_minAirChangeRate = 0.5;
	om.m_maxAirChangeRate = 3;
	om.updateAggregatedOutputs();
	std::vector<std::string> texts;
	for (const RMTest::MessageCapture::Message & m : capture.m_messages) {
		EXPECT_EQ(m.m_functionID, "[OutputManager::updateAggregatedOutputs]");
		texts.push_back(m.m_text);
	}
	const std::vector<std::string> expected = {
		"Max. room air temperature: 31.5 C\n",
		"Min. room air temperature: 18.25 C\n",
		"Max. air change rate: 3 1/h\n",
		"Min. air change rate: 0.5 1/h\n",
		"Note: Min/Max values may be reached between hourly outputs.\n"
	};
	EXPECT_EQ(texts, expected);
}


TEST(OutputManagerTest, RunningMeanNeedsHourlyAnnualValues) {
	std::vector<double> annual(8760, 280.0);
	annual[8759] = 290;
	EXPECT_EQ(OutputManager::runningMeanTemperature(annual, 8759, 1), 290);
	EXPECT_EQ(OutputManager::runningMeanTemperature(annual, 0, 1), 280);
	// time-stamped data: fewer values, none at all, or an hour beyond the data
	EXPECT_EQ(OutputManager::runningMeanTemperature(std::vector<double>(100, 280.0), 50, 1), 1);
	EXPECT_EQ(OutputManager::runningMeanTemperature(std::vector<double>(), 0, 1), 1);
	EXPECT_EQ(OutputManager::runningMeanTemperature(annual, 8760, 1), 1);
	EXPECT_EQ(OutputManager::runningMeanTemperature(annual, -1, 1), 1);
}


TEST(OutputManagerTest, UnwritableResultDirectoryFails) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	OutputManager om;
	runHourlyYear(om, 1, false);

	// a regular file where the directory should be
	{
		QFile blocker(tmp.path() + "/blocker");
		ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
	}
	RMTest::MessageCapture capture;
	EXPECT_FALSE(om.writeOutputs(tmp.path() + "/blocker/results"));
	EXPECT_EQ(capture.count(BVX::MSG_ERROR, "blocker/results"), 1u);

	EXPECT_FALSE(om.writeOutputs(QString()));
	EXPECT_EQ(capture.count(BVX::MSG_ERROR, "Missing result directory"), 1u);
}


TEST(OutputManagerTest, UnwritableResultFileFailsButOthersAreWritten) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	OutputManager om;
	runHourlyYear(om, 1, false);
	// a directory in place of one result file cannot be opened for writing
	ASSERT_TRUE(QDir(tmp.path()).mkdir("fluxes.tsv"));

	RMTest::MessageCapture capture;
	EXPECT_FALSE(om.writeOutputs(tmp.path()));
	EXPECT_EQ(capture.count(BVX::MSG_ERROR, "fluxes.tsv"), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_ERROR, "states.tsv"), 0u);
	EXPECT_EQ(readLines(tmp.path() + "/states.tsv").size(), 8762);
	EXPECT_EQ(readLines(tmp.path() + "/flux_integrals.tsv").size(), 8762);
}


TEST(OutputManagerTest, ReadsModelState) {
	// a hand-made model state: one outside wall with window, two elements
	RM::CaldoryneModel m;
	m.m_room.m_moistureBalanceEnabled = true;
	m.m_room.m_cyclicTwoYearSimulation = false;
	m.m_room.m_gammaRad = 0.4;
	m.m_room.m_userLoads.m_occupancy.m_type = RM::Schedule::CONSTANT;
	m.m_room.m_userLoads.m_occupancy.m_constantValue = 0.3;
	m.m_constructionCount = 1;
	RM::WindowType window;
	window.m_U = 1.5;
	RM::RoomConstruction con;
	con.m_AW = 10;
	con.m_AF = 2;
	con.m_windowType = &window;
	m.m_constructions.push_back(con);
	RM::ConstructionSolver solver;
	solver.m_n = 2;
	solver.m_T = { 280.15, 290.15 };
	solver.m_phi = { 0.5, 0.6 };
	solver.m_outsideFactor = 0.5;
	solver.m_insideFactor = 0.25;
	solver.m_insideConvectiveFlux = 3;
	solver.m_outsideHeatFlux = -4;
	m.m_solvers.push_back(solver);
	m.m_windowInsideSurfaceTemperature = { 291.15 };
	m.m_incidenceAngle = { 30 };
	m.m_effectiveSHGC = { 0.55 };
	m.m_directRadiation = { 100 };
	m.m_diffuseRadiation = { 50 };
	m.m_globalRadiation = { 150 };
	m.m_absorbedRadiation = { 105 };
	m.m_windowSolarGain = { 200 };
	m.m_solarRadiantFractions = { 0.6 };

	m.m_t = 7200;
	m.m_hourOfYear = 2;
	m.m_Te = 273.15;
	m.m_Ti = 293.15;
	m.m_meanSurfaceTemperature = 291.15;
	m.m_operativeTemperature = 292.15;
	m.m_phii = 0.45;
	m.m_rhovi = 0.008;
	m.m_rhoDryAir = 1.2;
	m.m_climate.m_solarRadiationModel.m_sunAltitude = M_PI/2;
	m.m_climate.m_runningMeanTemperature.assign(8760, 283.15);
	m.m_climate.m_runningMeanTemperature[2] = 285.15;
	m.m_heatingLoad = 500;
	m.m_totalSolarGain = 200;
	m.m_airChangeRate = 0.5;

	OutputManager om;
	om.setModel(&m);
	om.initOutputs();
	ASSERT_EQ(om.wallCount(), 1u);
	EXPECT_TRUE(om.moistureBalance());
	om.integrateFluxes(0);
	om.appendOutputs();

	const auto & s = om.m_roomStateSeries;
	EXPECT_DOUBLE_EQ(s[OutputManager::RS_Time][0], 7200.0/86400);
	EXPECT_NEAR(s[OutputManager::RS_AmbientTemperature][0], 0, 1e-12);
	EXPECT_NEAR(s[OutputManager::RS_GlidingAverageAmbientTemperature][0], 12, 1e-12);
	EXPECT_NEAR(s[OutputManager::RS_SunElevation][0], 90.0007, 5e-5);
	EXPECT_NEAR(s[OutputManager::RS_RoomAirTemperature][0], 20, 1e-12);
	EXPECT_NEAR(s[OutputManager::RS_RadiantTemperature][0], 18, 1e-12);
	EXPECT_NEAR(s[OutputManager::RS_OperativeTemperature][0], 19, 1e-12);
	EXPECT_EQ(s[OutputManager::RS_Occupancy][0], 1);
	EXPECT_DOUBLE_EQ(s[OutputManager::RS_RelativeHumidity][0], 45);
	EXPECT_DOUBLE_EQ(s[OutputManager::RS_WaterContent][0], 0.008/1.2);

	const auto & f = om.m_roomFluxSeries;
	EXPECT_EQ(f[OutputManager::RF_Heating][0], 500);
	EXPECT_DOUBLE_EQ(f[OutputManager::RF_WindowRadiationToRoom][0], 80);
	EXPECT_DOUBLE_EQ(f[OutputManager::RF_AirChangeRate][0], 0.5);
	EXPECT_DOUBLE_EQ(om.m_currentFluxes[OutputManager::RF_AirChangeRate], 0.5/3600);

	// surfaces extrapolated from the two elements: 280.15 - 10*0.5, 290.15 + 10*0.25
	const auto & ws = om.m_wallStateSeries;
	EXPECT_NEAR(ws[OutputManager::WS_OutsideSurfaceTemperature][0][0], 2, 1e-12);
	EXPECT_NEAR(ws[OutputManager::WS_InsideSurfaceTemperature][0][0], 19.5, 1e-12);
	EXPECT_NEAR(ws[OutputManager::WS_WindowInsideSurfaceTemperature][0][0], 18, 1e-12);
	EXPECT_DOUBLE_EQ(ws[OutputManager::WS_InsideSurfaceRelativeHumidity][0][0], 60);
	const auto & wf = om.m_wallFluxSeries;
	EXPECT_EQ(wf[OutputManager::WF_InsideConvection][0][0], 3);
	EXPECT_EQ(wf[OutputManager::WF_OutsideConvection][0][0], -4);
	EXPECT_DOUBLE_EQ(wf[OutputManager::WF_InsideWindowRadiation][0][0], 0.6*200/10);
	EXPECT_DOUBLE_EQ(wf[OutputManager::WF_WindowRadiation][0][0], 20);
	// window transmission U*AF*(Te - Ti) = 1.5*2*(-20) = -60 W, spread over the 10 m2 of wall
	EXPECT_DOUBLE_EQ(wf[OutputManager::WF_WindowConvection][0][0], -60.0/10);

	// without a running mean for the hour (time-stamped climate data) the outdoor
	// temperature stands in
	m.m_climate.m_runningMeanTemperature.resize(100);
	m.m_hourOfYear = 500;
	om.updateCurrentOutputs();
	EXPECT_NEAR(om.m_currentStates[OutputManager::RS_GlidingAverageAmbientTemperature], 0, 1e-12);
}


TEST(OutputManagerTest, ResultFilesOnAFullDiskAreCompleteOrRemoved) {
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());
	OutputManager om;
	runHourlyYear(om, 1, false);
	const QString complete = tmp.path() + "/complete";
	ASSERT_TRUE(om.writeOutputs(complete));
	const QStringList files = QDir(complete).entryList(QDir::Files);
	ASSERT_EQ(files.size(), 7);

	// the disk holds 300 kB per file: the small files fit, the others fail in the middle;
	// then no file fits (first byte). Files of an earlier run must not stay beside new ones.
	for (rlim_t limit : { rlim_t(300000), rlim_t(0) }) {
		const QString dir = tmp.path() + "/full" + QString::number(limit);
		QDir().mkpath(dir);
		for (const QString & f : files)
			QFile::copy(complete + "/" + f, dir + "/" + f + ".earlier");
		for (const QString & f : files)
			QFile::rename(dir + "/" + f + ".earlier", dir + "/" + f);
		bool ok = true;
		RMTest::MessageCapture capture;
		{
			QtExt::FileSizeLimit full(limit);
			ok = om.writeOutputs(dir);
		}
		EXPECT_FALSE(ok);
		unsigned int written = 0;
		for (const QString & f : files) {
			const QString file = dir + "/" + f;
			if (!QFile::exists(file)) {
				EXPECT_EQ(capture.count(BVX::MSG_ERROR, "Error writing result file '" + file.toStdString() + "' (File too large)"), 1u)
					<< f.toStdString();
				continue;
			}
			++written;
			EXPECT_LE(QFileInfo(file).size(), qint64(limit)) << f.toStdString();
			QFile a(file), b(complete + "/" + f);
			ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
			EXPECT_TRUE(a.readAll() == b.readAll()) << f.toStdString();
		}
		if (limit == 0)
			EXPECT_EQ(written, 0u);
		else
			EXPECT_GT(written, 0u);
		EXPECT_LT(written, 7u);
	}
}
