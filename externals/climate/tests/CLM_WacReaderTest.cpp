#include <cmath>
#include <functional>
#include <sstream>

#include <CLM_ClimateDataLoader.h>

#include "CLM_TestHelpers.h"

namespace {

/*! Parts of a WAC file; the defaults give an annual hourly table of 8760 lines at
	Potsdam (52.383 N, 13.066 E, UTC+1). */
struct WacFile {
	std::string					m_firstLine = "WAC Version 1";
	std::string					m_headerCount = "10";
	std::string					m_timeZone = "1";
	std::string					m_timeStep = "1";
	std::string					m_lineCount = "8760";
	std::string					m_columnCount = "6";
	std::string					m_captions = "TA\tHREL\tISDH\tISD\tPSTA\tWV";
	std::vector<std::string>	m_data;
	/*! Number of header-block lines written; by default as many as the count announces. */
	int							m_headerLinesWritten = -1;

	/*! 8760 lines: TA (j % 700)/10 (below 70 C), HREL 0.55, ISDH 10, ISD 20, PSTA 1013, WV 2. */
	WacFile & annual() {
		m_data.clear();
		for (unsigned int j = 0; j < 8760; ++j) {
			std::ostringstream s;
			s << (j % 700) / 10.0 << "\t0.55\t10\t20\t1013\t2";
			m_data.push_back(s.str());
		}
		return *this;
	}

	std::string text() const {
		std::ostringstream s;
		s << m_firstLine << "\n" << m_headerCount << "\n";
		std::vector<std::string> block = { " Potsdam \r", "a comment", "13.066", "52.383", "81",
										   m_timeZone, m_timeStep, m_lineCount, m_columnCount };
		int n = m_headerLinesWritten;
		if (n < 0)
			n = std::atoi(m_headerCount.c_str()) - 1;
		for (int i = 0; i < n; ++i)
			s << (i < 9 ? block[static_cast<unsigned int>(i)] : std::string("further header line")) << "\n";
		if (m_headerLinesWritten < 0) {
			s << m_captions << "\n";
			for (const std::string & d : m_data)
				s << d << "\n";
		}
		return s.str();
	}
};

const double YEAR = 31536000;

/*! Hand calculation for Potsdam at 12:00 on 22 June: the sun stands about
	90 - 52.383 + 23.45 = 61.07 deg high, sin h = 0.8747. */
const double SIN_NOON_ALTITUDE = 0.8747;

} // namespace


class WacReader : public ClimateTempDir {
protected:
	ClimateDataLoader read(const WacFile & f, bool headerOnly = false) {
		ClimateDataLoader loader;
		loader.readClimateData(writeFile("test.wac", f.text()), headerOnly);
		return loader;
	}
};

TEST_F(WacReader, ReadsAnnualTableWithUnitScaling) {
	WacFile f;
	f.annual();
	ClimateDataLoader loader = read(f);
	EXPECT_EQ(loader.m_city, "Potsdam");
	EXPECT_EQ(loader.m_comment, "a comment");
	EXPECT_DOUBLE_EQ(loader.m_latitude, 52.383);
	EXPECT_DOUBLE_EQ(loader.m_longitude, 13.066);
	EXPECT_DOUBLE_EQ(loader.m_elevation, 81);
	EXPECT_EQ(loader.m_timeZone, 1);
	EXPECT_EQ(loader.m_startYear, 2007);
	EXPECT_TRUE(loader.m_dataTimePoints.empty());
	for (const auto & v : loader.m_data)
		ASSERT_EQ(v.size(), 8760u);

	const unsigned int j = 4139; // hour ending 12:00 on 22 June
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::Temperature][j], 63.9);
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::RelativeHumidity][j], 55);	// fraction -> %
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::AirPressure][j], 101300);		// hPa -> Pa
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::WindVelocity][j], 2);			// "WV" is wind speed
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::DiffuseRadiationHorizontal][j], 20);
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::WindDirection][j], 0);
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::LongWaveCounterRadiation][j], 0);
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::Rain][j], 0);

	// direct radiation on the horizontal becomes direct normal radiation: 10 W/m2 / sin h at noon,
	// nothing at night (hour ending 1:00)
	EXPECT_NEAR(loader.m_data[ClimateDataLoader::DirectRadiationNormal][j], 10 / SIN_NOON_ALTITUDE, 0.05);
	EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::DirectRadiationNormal][0], 0);
}

TEST_F(WacReader, TimeZoneAbove12CountsBackwards) {
	WacFile f;
	f.m_timeZone = "13";
	EXPECT_EQ(read(f, true).m_timeZone, -11);
	f.m_timeZone = "-5.7";
	EXPECT_EQ(read(f, true).m_timeZone, -5);
}

TEST_F(WacReader, ReadsTimeStampedTableWithGlobalRadiation) {
	WacFile f;
	f.m_lineCount = "3";
	f.m_columnCount = "5";
	f.m_captions = "TIME\tTA\tHREL\tISGH\tISD";
	f.m_data = { "2011-01-01 00:30\t1\t0.5\t100\t40", "2011-01-01 02:00\t2\t0.5\t100\t40", "2011-01-02 00:30\t3\t0.5\t0\t0" };
	ClimateDataLoader loader = read(f);
	EXPECT_EQ(loader.m_startYear, 2011);
	EXPECT_EQ(loader.m_dataTimePoints, (std::vector<double>{ 1800, 7200, 88200 }));
	EXPECT_EQ(loader.m_data[ClimateDataLoader::Temperature], (std::vector<double>{ 1, 2, 3 }));
	EXPECT_EQ(loader.m_data[ClimateDataLoader::DiffuseRadiationHorizontal], (std::vector<double>{ 40, 40, 0 }));
	// global minus diffuse at night gives no beam
	EXPECT_EQ(loader.m_data[ClimateDataLoader::DirectRadiationNormal], (std::vector<double>{ 0, 0, 0 }));
}

TEST_F(WacReader, MultiYearTimeStampsUseTheTimeOfYearForTheSun) {
	// 2000 W/m2 on the horizontal is cut to the clear-sky beam, whose optical depth
	// depends on the season: June 22 in the third year must match June 22 in the first
	WacFile f;
	f.m_lineCount = "2";
	f.m_columnCount = "5";
	f.m_captions = "TIME\tTA\tHREL\tISDH\tISD";
	f.m_data = { "2011-06-22 12:00\t20\t0.5\t2000\t0", "2013-06-22 12:00\t20\t0.5\t2000\t0" };
	ClimateDataLoader loader = read(f);
	const std::vector<double> & tp = loader.m_dataTimePoints;
	ASSERT_EQ(tp.size(), 2u);
	EXPECT_DOUBLE_EQ(tp[1] - tp[0], 2 * YEAR);
	// E0 = 1366.1 (1 + 0.033 cos(2 pi 172.5/365)) = 1321.5 W/m2, tau = 0.205: E0 exp(-tau / sin h)
	double clearSky = 1321.5 * std::exp(-0.205 / SIN_NOON_ALTITUDE);
	const std::vector<double> & direct = loader.m_data[ClimateDataLoader::DirectRadiationNormal];
	EXPECT_NEAR(direct[0], clearSky, 3);
	EXPECT_NEAR(direct[1], direct[0], 1e-6);
}

TEST_F(WacReader, HeaderOnlyAppliesTheColumnRules) {
	WacFile f;
	f.m_captions = "TA\tHREL\tISGH\tPSTA\tWV\tRN";
	EXPECT_THROW_MSG(read(f, true), "Diffuse radiation is required to split global radiation into direct radiation component!");
}

TEST_F(WacReader, RejectsMalformedFilesWithMessages) {
	struct Case { const char * m_name; std::function<void(WacFile &)> m_change; std::string m_message; } cases[] = {
		{ "blank first lines", [](WacFile & f) { f.m_firstLine.clear(); f.m_headerCount.clear(); f.m_headerLinesWritten = 0; },
		  "Invalid file format, expected WAC in line 1." },
		{ "no WAC", [](WacFile & f) { f.m_firstLine = "CSV"; }, "Invalid file format, expected WAC in line 1." },
		{ "bad header count", [](WacFile & f) { f.m_headerCount = "ten"; }, "Error reading number of header lines from line 2." },
		{ "header count 0", [](WacFile & f) { f.m_headerCount = "0"; f.m_headerLinesWritten = 0; },
		  "Missing header lines, expected at least 9 lines." },
		{ "header count 5", [](WacFile & f) { f.m_headerCount = "5"; }, "Missing header lines, expected at least 9 lines." },
		{ "header count 9", [](WacFile & f) { f.m_headerCount = "9"; }, "Missing header lines, 9 header lines" },
		{ "header ends early", [](WacFile & f) { f.m_headerCount = "20"; f.m_headerLinesWritten = 12; },
		  "Expected header lines (offset) 20, but got an error reading line #15." },
		{ "no captions", [](WacFile & f) { f.m_headerLinesWritten = 9; }, "Error reading last header line with table captions." },
		{ "fewer captions than columns", [](WacFile & f) { f.m_columnCount = "7"; },
		  "Number of table captions (6) does not match the number of columns given in the header (7)." },
		{ "more captions than columns", [](WacFile & f) { f.m_columnCount = "2"; }, "Number of table captions (6)" },
		{ "global without diffuse", [](WacFile & f) { f.m_captions = "TA\tHREL\tISGH\tPSTA\tWV\tRN"; },
		  "Diffuse radiation is required to split global radiation into direct radiation component!" },
		{ "no direct radiation", [](WacFile & f) { f.m_captions = "TA\tHREL\tISD\tPSTA\tWV\tRN"; },
		  "Missing direct radiation or global radiation, either must be present!" },
		{ "no temperature", [](WacFile & f) { f.m_captions = "X\tHREL\tISDH\tISD\tPSTA\tWV"; }, "Missing required column 'TA'." },
		{ "no humidity", [](WacFile & f) { f.m_captions = "TA\tX\tISDH\tISD\tPSTA\tWV"; }, "Missing required column 'HREL'." },
		{ "no diffuse", [](WacFile & f) { f.m_captions = "TA\tHREL\tISDH\tX\tPSTA\tWV"; }, "Missing required column 'ISD'." },
		{ "not annual without time", [](WacFile & f) { f.m_lineCount = "100"; },
		  "WAC files without time column must be annual climate data files with 8760 values spaced at 1 h time difference." },
		{ "not hourly without time", [](WacFile & f) { f.m_timeStep = "0.5"; }, "WAC files without time column" },
		{ "data ends early", [](WacFile & f) { f.m_data.resize(3); },
		  "Error reading data line #4 (total line #16), last successfully read line was '0.2\t0.55\t10\t20\t1013\t2'." },
		{ "no data", [](WacFile & f) { f.m_data.clear(); },
		  "Error reading data line #1 (total line #13), last successfully read line was 'TA\tHREL\tISDH\tISD\tPSTA\tWV'." },
		{ "short data line", [](WacFile & f) { f.m_data[5] = "1\t0.5\t10\t20\t1013"; },
		  "Error reading data line #6 (total line #18); not enough columns (expected 6 columns, got 5 columns)!" },
		{ "bad value", [](WacFile & f) { f.m_data[2] = "1\tdry\t10\t20\t1013\t2"; }, 
		  "Invalid value 'dry' in column 2 of data line #3 (total line #15), must be a number." },
		{ "time zone beyond int", [](WacFile & f) { f.m_timeZone = "1e10"; }, "Invalid time zone '1e10'" },
		{ "time zone of 25 h", [](WacFile & f) { f.m_timeZone = "25"; }, "Invalid time zone '25'" },
		{ "time zone west of -12 h", [](WacFile & f) { f.m_timeZone = "-13"; }, "Invalid time zone '-13'" },
		{ "time zone nan", [](WacFile & f) { f.m_timeZone = "1.#QNAN"; }, "Invalid time zone '1.#QNAN'" },
		{ "humidity nan", [](WacFile & f) { f.m_data[2] = "1\t1.#QNAN\t10\t20\t1013\t2"; },
		  "Invalid value in column 2 of data line #3 (total line #15), must be a finite number." },
		// hPa to Pa overflows
		{ "pressure overflows", [](WacFile & f) { f.m_data[0] = "1\t0.5\t10\t20\t1e308\t2"; },
		  "Invalid value in column 5 of data line #1 (total line #13), must be a finite number." },
		{ "global below diffuse", [](WacFile & f) { f.m_captions = "TA\tHREL\tISGH\tISD\tPSTA\tWV";
				for (auto & d : f.m_data)
					d = "1\t0.5\t30\t20\t1013\t2";
				f.m_data[1] = "1\t0.5\t500\t600\t1013\t2"; },
		  "Error in line #2 (total line #14): global radiation intensity must not be smaller than diffuse radiation intensity!" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		WacFile f;
		f.annual();
		c.m_change(f);
		std::string fname = writeFile("bad.wac", f.text());
		ClimateDataLoader loader;
		std::string msgs = thrownMessages([&]() { loader.readClimateData(fname); });
		EXPECT_NE(msgs.find(c.m_message), std::string::npos) << msgs;
		EXPECT_NE(msgs.find("Error reading file '" + fname + "'."), std::string::npos) << msgs;
	}
}

TEST_F(WacReader, RejectsMalformedTimeStamps) {
	struct Case { const char * m_name; std::string m_lineCount; std::vector<std::string> m_times; std::string m_message; } cases[] = {
		{ "month 13", "2", { "2011-13-01 01:00", "2011-01-01 02:00" }, "Error parsing date/time entry in line #1 (total line #13)" },
		{ "no minutes", "2", { "2011-01-01 01:00", "2011-01-01 02" }, "Error parsing date/time entry in line #2 (total line #14)" },
		{ "not increasing", "2", { "2011-01-01 02:00", "2011-01-01 01:00" }, "is not after the time point of the previous line" },
		{ "duplicate", "2", { "2011-01-01 02:00", "2011-01-01 02:00" }, "is not after the time point of the previous line" },
		// an absurd line count must neither reserve memory for it nor be read past the end
		{ "huge line count", "4000000000", { "2011-01-01 01:00", "2011-01-01 02:00" }, "Error reading data line #3 (total line #15)" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		WacFile f;
		f.m_lineCount = c.m_lineCount;
		f.m_columnCount = "5";
		f.m_captions = "TIME\tTA\tHREL\tISDH\tISD";
		for (const std::string & t : c.m_times)
			f.m_data.push_back(t + "\t1\t0.5\t0\t0");
		EXPECT_THROW_MSG(read(f), c.m_message);
	}
}
