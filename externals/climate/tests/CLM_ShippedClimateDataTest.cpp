#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>
#include <sstream>

#include <BVX_StringUtils.h>

#include <CLM_SolarRadiationModel.h>

#include "CLM_TestHelpers.h"

namespace {

const std::string DB = std::string(CALDORYNE_SOURCE_DIR) + "/resources/DB_climate/";
const std::string DEFAULT_CLIMATE = "Europe/Germany/TRY2011/DE-04-TRY-2010__Potsdam__Jahr_00000K0_00081m.c6b";
const std::string POTSDAM_EPW = "Europe/Germany/TRY2035/04_BB_Potsdam_TRY2035.epw";
const double DEG = 0.01745329252;

/*! One field of every data line of an EPW file, read independently of the loader. */
std::vector<double> epwColumn(const std::string & fname, unsigned int field) {
	std::ifstream in(fname);
	std::string line;
	std::vector<double> values;
	for (unsigned int i = 0; std::getline(in, line); ++i) {
		if (i < 8)
			continue;
		std::vector<std::string> fields;
		BVX::explode_quoted(line, fields);
		values.push_back(std::stod(fields.at(field)));
	}
	return values;
}

} // namespace


TEST(ShippedClimateData, ConvertedFilesEqualTheirEpwSources) {
	struct Case { std::string m_c6b; std::string m_epw; std::string m_city; } cases[] = {
		{ "Europe/Germany/DIN4108_2/DIN4108_2_Region_A.c6b", "Europe/Germany/TRY2035/02_MV_Rostock-Warnemunde_TRY2035.epw", "Region A" },
		{ "Europe/Germany/DIN4108_2/DIN4108_2_Region_B.c6b", POTSDAM_EPW, "Region B" },
		{ "Europe/Germany/DIN4108_2/DIN4108_2_Region_C.c6b", "Europe/Germany/TRY2035/12_BW_Mannheim_TRY2035.epw", "Region C" },
		{ DEFAULT_CLIMATE, POTSDAM_EPW, "Potsdam" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_c6b);
		ClimateDataLoader c6b, epw;
		c6b.readClimateData(DB + c.m_c6b);
		epw.readClimateData(DB + c.m_epw);
		EXPECT_EQ(c6b.m_city, c.m_city);
		EXPECT_NE(c6b.m_comment.find("Data basis: Deutscher Wetterdienst"), std::string::npos);
		EXPECT_DOUBLE_EQ(c6b.m_latitude, epw.m_latitude);
		EXPECT_DOUBLE_EQ(c6b.m_longitude, epw.m_longitude);
		EXPECT_EQ(c6b.m_timeZone, epw.m_timeZone);
		EXPECT_EQ(c6b.m_wmoCode, epw.m_wmoCode);
		EXPECT_TRUE(c6b.m_dataTimePoints.empty());
		for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q)
			EXPECT_EQ(c6b.m_data[q], epw.m_data[q]) << "quantity " << q;
	}
}

TEST(ShippedClimateData, EveryFileOfTheDirectoryLoads) {
	unsigned int count = 0;
	for (const auto & entry : std::filesystem::recursive_directory_iterator(DB)) {
		std::string ext = entry.path().extension().string();
		if (ext != ".c6b" && ext != ".epw")
			continue;
		SCOPED_TRACE(entry.path().string());
		++count;
		ClimateDataLoader header;
		header.readClimateData(entry.path().string(), true);
		EXPECT_FALSE(header.m_city.empty());
		EXPECT_GE(header.m_latitude, -90);
		EXPECT_LE(header.m_latitude, 90);

		SolarRadiationModel m;
		m.m_climateDataLoader.readClimateData(entry.path().string());
		m.m_latitude = m.m_climateDataLoader.m_latitude * DEG;
		m.m_longitude = m.m_climateDataLoader.m_longitude * DEG;
		m.addSurface(0, 0);
		for (double t : { 0.0, 1800.0, 15e6, 31536000.0 })
			EXPECT_NO_THROW(m.setTime(m.m_climateDataLoader.m_startYear, t));
	}
	EXPECT_EQ(count, 11u);
}

// The TRY2035 weather files hold hours whose direct normal radiation exceeds what any sky lets
// through, the extraterrestrial irradiance E0 included (a small horizontal beam divided by the
// sine of an altitude near zero): 8 + 5, 2 + 3 and 19 + 24 hours; the reader repairs them, and the
// c6b files converted from these files hold the repaired values.
TEST(ShippedClimateData, NoHourReachesARunAboveWhatAnySkyLetsThrough) {
	const std::map<std::string, std::size_t> repairedInFile = {
		{ "02_MV_Rostock-Warnemunde_TRY2035.epw", 13 }, { "04_BB_Potsdam_TRY2035.epw", 5 },
		{ "12_BW_Mannheim_TRY2035.epw", 43 },
	};
	for (const auto & entry : std::filesystem::recursive_directory_iterator(DB)) {
		const std::string ext = entry.path().extension().string();
		if (ext != ".c6b" && ext != ".epw")
			continue;
		const std::string name = entry.path().filename().string();
		SCOPED_TRACE(name);
		RecordingHandler quiet;
		SolarRadiationModel m;
		ClimateDataLoader & c = m.m_climateDataLoader;
		c.readClimateData(entry.path().string());
		const auto expected = repairedInFile.find(name);
		EXPECT_EQ(c.m_repairedHours.size(), expected == repairedInFile.end() ? 0u : expected->second);
		EXPECT_EQ(quiet.m_warnings.size(), c.m_repairedHours.empty() ? 0u : 1u);

		m.m_latitude = c.m_latitude * DEG;
		m.m_longitude = c.m_longitude * DEG;
		const unsigned int roof = m.addSurface(0, 0);
		const unsigned int east = m.addSurface(90 * DEG, 90 * DEG);
		const unsigned int south = m.addSurface(180 * DEG, 90 * DEG);
		const unsigned int west = m.addSurface(270 * DEG, 90 * DEG);
		const std::vector<double> & dni = c.m_data[ClimateDataLoader::DirectRadiationNormal];
		for (unsigned int j = 0; j < dni.size(); ++j) {
			const double t = (j + 1) * 3600.0;
			const double e0 = m.extraterrestrialRadiation(t);
			ASSERT_LE(dni[j], e0) << ClimateDataLoader::hourText(t);
			const double limit = m.beamLimitOfHour(t);
			if (limit > 0) {
				ASSERT_LE(dni[j], limit + 1e-6) << ClimateDataLoader::hourText(t);
			}
			// between two hours too: on the half hour no surface receives more than E0
			m.setTime(c.m_startYear, t - 1800);
			for (unsigned int id : { roof, east, south, west }) {
				double direct, diffuse, angle;
				m.radiationLoad(id, direct, diffuse, angle);
				ASSERT_LE(direct, m.extraterrestrialRadiation(t - 1800)) << ClimateDataLoader::hourText(t) << ", surface " << id;
			}
		}
	}
}

TEST(ShippedClimateData, PotsdamSummerRadiationMatchesItsSource) {
	SolarRadiationModel m;
	ClimateDataLoader & c = m.m_climateDataLoader;
	c.readClimateData(DB + DEFAULT_CLIMATE);
	m.m_latitude = c.m_latitude * DEG;
	m.m_longitude = c.m_longitude * DEG;
	unsigned int roof = m.addSurface(0, 0);
	unsigned int south = m.addSurface(180 * DEG, 90 * DEG);
	// global horizontal radiation (EPW field 13) is not read by the loader: it checks the
	// sun position against the split into direct normal and diffuse radiation
	std::vector<double> ghi = epwColumn(DB + POTSDAM_EPW, 13);
	ASSERT_EQ(ghi.size(), 8760u);

	double sumModel = 0, sumEpw = 0, sumSouth = 0;
	for (unsigned int j = 151 * 24; j < 243 * 24; ++j) { // June to August
		// values belong to the end of the hour; take the middle of the hour for the sun
		m.setTime(c.m_startYear, j * 3600 + 1800);
		double direct, diffuse, angle;
		m.radiationLoad(roof, direct, diffuse, angle);
		sumModel += direct + diffuse;
		m.radiationLoad(south, direct, diffuse, angle);
		sumSouth += direct + diffuse;
		EXPECT_LE(direct, c.m_currentData[ClimateDataLoader::DirectRadiationNormal] + 1e-9);
		sumEpw += 0.5 * (ghi[j] + ghi[j == 0 ? 8759 : j - 1]);
	}
	EXPECT_NEAR(sumModel / sumEpw, 1.0, 0.05);
	// a south facade at 52 deg N receives roughly half of the summer global radiation
	EXPECT_GT(sumSouth / sumModel, 0.4);
	EXPECT_LT(sumSouth / sumModel, 0.8);

	// noon on 21 June: the EPW hour ending 12:00 holds DNI 112, DHI 383
	m.setTime(c.m_startYear, (171 * 24 + 12) * 3600);
	EXPECT_DOUBLE_EQ(c.m_currentData[ClimateDataLoader::DirectRadiationNormal], 112);
	EXPECT_DOUBLE_EQ(c.m_currentData[ClimateDataLoader::DiffuseRadiationHorizontal], 383);
	double direct, diffuse, angle;
	m.radiationLoad(south, direct, diffuse, angle);
	EXPECT_NEAR(angle, 61 * DEG, 3 * DEG);
	EXPECT_NEAR(direct, 112 * std::cos(angle), 1e-9);
	EXPECT_GT(diffuse, 0.5 * 383);
	EXPECT_LT(diffuse, 0.5 * 383 + 0.5 * 0.2 * 600);
}


// Every value the reader does not repair reads as the file holds it (direct normal radiation
// field 15, diffuse field 16), in the shipped EPW files and in the file with every direct
// normal value negated, which reads without any beam and names each such hour.
TEST(ShippedClimateData, OnlyRepairedHoursDifferFromTheFile) {
	for (const auto & entry : std::filesystem::recursive_directory_iterator(DB)) {
		if (entry.path().extension().string() != ".epw")
			continue;
		SCOPED_TRACE(entry.path().filename().string());
		RecordingHandler quiet;
		ClimateDataLoader c;
		c.readClimateData(entry.path().string());
		std::vector<double> dni = epwColumn(entry.path().string(), 14);
		const std::vector<double> dhi = epwColumn(entry.path().string(), 15);
		for (const ClimateDataLoader::RepairedHour & r : c.m_repairedHours) {
			ASSERT_EQ(r.m_quantity, unsigned(ClimateDataLoader::DirectRadiationNormal));
			EXPECT_EQ(dni[r.m_index], r.m_fileValue);
			dni[r.m_index] = r.m_value;
		}
		EXPECT_EQ(c.m_data[ClimateDataLoader::DirectRadiationNormal], dni);
		EXPECT_EQ(c.m_data[ClimateDataLoader::DiffuseRadiationHorizontal], dhi);
	}

	// Potsdam with every direct normal value negated
	const std::string source = DB + POTSDAM_EPW;
	std::ifstream in(source);
	std::ostringstream out;
	std::size_t nonZero = 0;
	std::string line;
	for (unsigned int i = 0; std::getline(in, line); ++i) {
		if (i >= 8) {
			std::vector<std::string> fields;
			BVX::explode_quoted(line, fields);
			if (std::stod(fields[14]) != 0)
				++nonZero;
			fields[14] = "-" + fields[14];
			line = fields[0];
			for (std::size_t f = 1; f < fields.size(); ++f)
				line += "," + fields[f];
		}
		out << line << "\n";
	}
	const std::string negated = (std::filesystem::temp_directory_path() / ("clm_negated_" + std::to_string(::getpid()) + ".epw")).string();
	std::ofstream(negated) << out.str();
	RecordingHandler handler;
	ClimateDataLoader c, original;
	c.readClimateData(negated);
	std::filesystem::remove(negated);
	ASSERT_GT(nonZero, 1000u);
	EXPECT_EQ(c.m_repairedHours.size(), nonZero);
	EXPECT_EQ(handler.m_warnings.size(), 1u);
	original.readClimateData(source);
	EXPECT_EQ(c.m_data[ClimateDataLoader::DirectRadiationNormal], std::vector<double>(8760, 0.0));
	for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q) {
		if (q != ClimateDataLoader::DirectRadiationNormal) {
			EXPECT_EQ(c.m_data[q], original.m_data[q]) << q;
		}
	}
}
