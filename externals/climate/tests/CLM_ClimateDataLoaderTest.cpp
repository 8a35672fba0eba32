#include <cmath>
#include <functional>
#include <limits>
#include <sstream>

#include <CLM_ClimateDataLoader.h>

#include "CLM_TestHelpers.h"

namespace {

const double YEAR = 31536000;

std::string num(double v) {
	std::ostringstream s;
	s.precision(12);
	s << v;
	return s.str();
}

// *** EPW ***

const char * const LOCATION = "LOCATION,Warnem\xfcnde,MV,DEU,BBSR,101700,54.18300,12.08300,1.0,4.0";

/*! An EPW file with the given LOCATION line and dataLines data lines of 'fields' fields.
	Data line j: temperature (j % 7000)/100 (below 70 C), RH 50, pressure 100000+j, IR 300+j%7, DNI j%100,
	DHI j%50, wind direction 180, wind speed 3.5. */
std::string makeEpw(const std::string & location, unsigned int dataLines = 8760, unsigned int fields = 35,
					const std::string & eol = "\n")
{
	std::ostringstream s;
	s << location << eol
	  << "DESIGN CONDITIONS,0" << eol << "TYPICAL/EXTREME PERIODS,0" << eol << "GROUND TEMPERATURES,0" << eol
	  << "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0" << eol
	  << "COMMENTS 1,\"first, comment\"" << eol
	  << "COMMENTS 2, second comment " << eol
	  << "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31" << eol;
	for (unsigned int j = 0; j < dataLines; ++j) {
		double v[35] = { 2005, 1, 1, 1, 60, 0, (j % 7000) / 100.0, 5, 50, 100000.0 + j, 0, 0, 300.0 + j % 7, 0,
						 double(j % 100), double(j % 50), 0, 0, 0, 0, 180, 3.5 };
		for (unsigned int f = 0; f < fields; ++f)
			s << (f == 0 ? "" : ",") << (f == 5 ? std::string("?9?9") : num(v[f]));
		s << eol;
	}
	return s.str();
}

} // namespace


class EpwReader : public ClimateTempDir {};

TEST_F(EpwReader, ReadsHeaderAndMapsFieldsToQuantities) {
	// the shipped weather files come with LF and CRLF line ends, 35 or 32 fields per line
	struct Case { unsigned int m_fields; const char * m_eol; } cases[] = { { 35, "\n" }, { 32, "\r\n" } };
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_fields);
		ClimateDataLoader loader;
		loader.readClimateData(writeFile("a.epw", makeEpw(LOCATION, 8760, c.m_fields, c.m_eol)));
		EXPECT_EQ(loader.m_city, "Warnem\xc3\xbcnde"); // Latin-1 header text arrives as UTF-8
		EXPECT_EQ(loader.m_country, "DEU");
		EXPECT_EQ(loader.m_source, "BBSR");
		EXPECT_EQ(loader.m_wmoCode, "101700");
		EXPECT_DOUBLE_EQ(loader.m_latitude, 54.183);
		EXPECT_DOUBLE_EQ(loader.m_longitude, 12.083);
		EXPECT_EQ(loader.m_timeZone, 1);
		EXPECT_DOUBLE_EQ(loader.m_elevation, 4.0);
		EXPECT_EQ(loader.m_comment, "\"first, comment\"\nsecond comment");

		EXPECT_TRUE(loader.m_dataTimePoints.empty());
		for (const auto & v : loader.m_data)
			ASSERT_EQ(v.size(), 8760u);
		const unsigned int j = 4321;
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::Temperature][j], 43.21);
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::RelativeHumidity][j], 50);
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::DirectRadiationNormal][j], 21);
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::DiffuseRadiationHorizontal][j], 21);
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::WindDirection][j], 180);
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::WindVelocity][j], 3.5);
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::LongWaveCounterRadiation][j], 300 + j % 7);
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::AirPressure][j], 100000 + j);
		EXPECT_DOUBLE_EQ(loader.m_data[ClimateDataLoader::Rain][j], 0);
	}
}

TEST_F(EpwReader, HeaderOnlyKeepsTheData) {
	ClimateDataLoader loader;
	loader.readClimateData(writeFile("a.epw", makeEpw(LOCATION)));
	loader.readClimateData(writeFile("b.epw", makeEpw("LOCATION,Other,,FRA,src,1,1,2,3,4", 0)), true);
	EXPECT_EQ(loader.m_city, "Other");
	EXPECT_EQ(loader.m_timeZone, 3);
	EXPECT_EQ(loader.m_data[0].size(), 8760u);
}

TEST_F(EpwReader, RejectsMalformedFilesWithMessages) {
	std::string nineFields = "LOCATION,a,b,c,d,e,1,2,3";
	std::string eightLines = makeEpw(LOCATION, 0);
	std::string badNumber = makeEpw(LOCATION);
	badNumber.replace(badNumber.find(",43.21,"), 7, ",abc,");
	std::string nanValue = makeEpw(LOCATION);
	nanValue.replace(nanValue.find(",0.02,"), 6, ",1.#QNAN,");
	struct Case { const char * m_name; std::string m_content; const char * m_message; } cases[] = {
		{ "empty file", "", "Error reading line 1." },
		{ "nine location fields", makeEpw(nineFields, 0), "Error reading line 1, bad format." },
		{ "bad latitude", makeEpw("LOCATION,a,b,c,d,e,north,2,3,4", 0), "Invalid value 'north' in field 7 of line 1, must be a number." },
		{ "header ends early", eightLines.substr(0, eightLines.find("COMMENTS 1")), "Error reading line 6." },
		{ "too few data lines", makeEpw(LOCATION, 8759), "Error reading data line #8760" },
		{ "too few fields", makeEpw(LOCATION, 8760, 21), "expected at least 22 fields, got 21" },
		{ "bad number", badNumber, "Invalid value 'abc' in field 7 of data line #4322 (line #4330), must be a number." },
		{ "time zone beyond int", makeEpw("LOCATION,a,b,c,d,e,1,2,1e10,4", 0), "Invalid time zone '1e10'" },
		{ "time zone of 99 h", makeEpw("LOCATION,a,b,c,d,e,1,2,99,4", 0), "Invalid time zone '99'" },
		// "1.#QNAN" is the one text the number conversion turns into NaN
		{ "time zone nan", makeEpw("LOCATION,a,b,c,d,e,1,2,1.#QNAN,4", 0), "Invalid time zone '1.#QNAN'" },
		{ "time zone west of -12 h", makeEpw("LOCATION,a,b,c,d,e,1,2,-13,4", 0), "Invalid time zone '-13'" },
		{ "data value nan", nanValue, "Invalid value in field 7 of data line #3 (line #11), must be a finite number." },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		std::string fname = writeFile("bad.epw", c.m_content);
		ClimateDataLoader loader;
		std::string msgs = thrownMessages([&]() { loader.readClimateData(fname); });
		EXPECT_NE(msgs.find(c.m_message), std::string::npos) << msgs;
		EXPECT_NE(msgs.find("Error reading file '" + fname + "'."), std::string::npos) << msgs;
	}
}

TEST_F(EpwReader, DispatchesByCaseSensitiveExtension) {
	ClimateDataLoader loader;
	std::string upper = writeFile("a.EPW", makeEpw(LOCATION));
	EXPECT_THROW_MSG(loader.readClimateData(upper), "Unknown/unsupported climate data file format.");
	EXPECT_THROW_MSG(loader.readClimateData(path("a.txt")), "Unknown/unsupported climate data file format.");
	for (const char * ext : { "epw", "c6b", "wac" }) {
		std::string missing = path(std::string("missing.") + ext);
		EXPECT_THROW_MSG(loader.readClimateData(missing),
						 "Climate data file '" + missing + "' does not exist or is not accessible.");
	}
}


// *** c6b ***

class C6bReader : public ClimateTempDir {
protected:
	std::string write(const C6bBuilder & b) { return writeFile("test.c6b", b.bytes()); }
};

TEST_F(C6bReader, ReadsHeaderStringsAndVectors) {
	C6bBuilder b;
	b.withData(8760);
	b.m_version[1] = b.m_version[2] = b.m_version[3] = 9; // only the first version byte counts
	b.m_header = { "CITY=Berlin", " COUNTRY = DEU\t", "WMO=103850", "SOURCE=", "TIMEZONE=1.9",
				   "LATITUDE=52.38", "LONGITUDE=-13.5", "ELEVATION=34.7", "STARTYEAR=2011",
				   "COMMENT=first", "UNKNOWN=ignored", "COMMENT=second" };
	ClimateDataLoader loader;
	loader.m_source = "before";
	loader.readClimateData(write(b));
	EXPECT_EQ(loader.m_city, "Berlin");
	EXPECT_EQ(loader.m_country, "DEU");
	EXPECT_EQ(loader.m_wmoCode, "103850");
	EXPECT_EQ(loader.m_source, "");
	EXPECT_EQ(loader.m_timeZone, 1);
	EXPECT_DOUBLE_EQ(loader.m_latitude, 52.38);
	EXPECT_DOUBLE_EQ(loader.m_longitude, -13.5);
	EXPECT_DOUBLE_EQ(loader.m_elevation, 34);
	EXPECT_EQ(loader.m_startYear, 2011);
	EXPECT_EQ(loader.m_comment, "second");
	for (unsigned int q = 0; q < 9; ++q)
		EXPECT_EQ(loader.m_data[q], b.m_vectors[q]);
	EXPECT_TRUE(loader.m_dataTimePoints.empty());
}

TEST_F(C6bReader, LoneCommentKeyEmptiesTheComment) {
	C6bBuilder b;
	b.withData(8760);
	b.m_header = { "CITY=X", "COMMENT=abc", "COMMENT" };
	ClimateDataLoader loader;
	loader.readClimateData(write(b), true);
	EXPECT_EQ(loader.m_comment, "");
}

TEST_F(C6bReader, MissingCityWarnsAndUsesPlaceholder) {
	C6bBuilder b;
	b.withData(8760);
	b.m_header = { "COUNTRY=DEU" };
	RecordingHandler handler;
	ClimateDataLoader loader;
	loader.readClimateData(write(b));
	EXPECT_EQ(loader.m_city, "---");
	ASSERT_EQ(handler.m_warnings.size(), 1u);
	EXPECT_NE(handler.m_warnings[0].find("Missing CITY name."), std::string::npos);
}

TEST_F(C6bReader, ReadsTimeStampedData) {
	C6bBuilder b;
	b.withData(3);
	b.m_timePoints = { 0, 3600, 90000 };
	ClimateDataLoader loader;
	loader.readClimateData(write(b));
	EXPECT_EQ(loader.m_dataTimePoints, b.m_timePoints);
	EXPECT_EQ(loader.m_data[8], b.m_vectors[8]);
}

TEST_F(C6bReader, RejectsMalformedFilesWithMessages) {
	struct Case {
		const char *						m_name;
		std::function<void(C6bBuilder &)>	m_change;
		const char *						m_message;
	} cases[] = {
		{ "first magic", [](C6bBuilder & b) { b.m_magic1 = "CLDX"; }, "Wrong first magic number!" },
		{ "second magic", [](C6bBuilder & b) { b.m_magic2 = "RLZ?"; }, "Wrong second magic number!" },
		{ "version", [](C6bBuilder & b) { b.m_version[0] = 2; }, "Unsupported file version." },
		{ "two equals signs", [](C6bBuilder & b) { b.m_header.push_back("CITY=a=b"); }, "Invalid key-value format." },
		{ "lone key", [](C6bBuilder & b) { b.m_header.push_back("CITY"); }, "Invalid key-value format." },
		{ "empty header string", [](C6bBuilder & b) { b.m_header.push_back(""); }, "Invalid key-value format." },
		{ "long header string", [](C6bBuilder & b) { b.m_header.push_back("COMMENT=" + std::string(1993, 'x')); },
		  "String length exceeds given maximum!" },
		{ "bad number", [](C6bBuilder & b) { b.m_header.push_back("LATITUDE=north"); },
		  "Invalid value 'north' in header entry LATITUDE, must be a number." },
		{ "time zone beyond int", [](C6bBuilder & b) { b.m_header.push_back("TIMEZONE=1e10"); }, "Invalid time zone '1e10'" },
		{ "time zone of 99 h", [](C6bBuilder & b) { b.m_header.push_back("TIMEZONE=99"); }, "Invalid time zone '99'" },
		{ "time zone nan", [](C6bBuilder & b) { b.m_header.push_back("TIMEZONE=1.#QNAN"); }, "Invalid time zone '1.#QNAN'" },
		{ "data value nan", [](C6bBuilder & b) { b.m_vectors[4][17] = std::numeric_limits<double>::quiet_NaN(); },
		  "Invalid value in data vector #4 at index 17" },
		{ "data value inf", [](C6bBuilder & b) { b.m_vectors[0][0] = std::numeric_limits<double>::infinity(); },
		  "Invalid value in data vector #0 at index 0" },
		{ "vector too long", [](C6bBuilder & b) { b.m_vectors[0].resize(87601); }, "Vector length exceeds given maximum!" },
		{ "third vector short", [](C6bBuilder & b) { b.m_vectors[2].pop_back(); },
		  "Error reading data file, data vector #2 has length 8759, but should have length 8760 as all previous vectors." },
		{ "annual data not 8760 values", [](C6bBuilder & b) { b.withData(100); }, "Annual climate data must have 8760 hourly values" },
		{ "no data", [](C6bBuilder & b) { b.withData(0); }, "Annual climate data must have 8760 hourly values" },
		{ "time point count", [](C6bBuilder & b) { b.withData(3); b.m_timePoints = { 0, 1 }; },
		  "Time point vector has length 2, but data vectors have length 3." },
		{ "time points repeat", [](C6bBuilder & b) { b.withData(3); b.m_timePoints = { 0, 10, 10 }; },
		  "Time points must be strictly increasing" },
		{ "time points decrease", [](C6bBuilder & b) { b.withData(3); b.m_timePoints = { 10, 0, 20 }; },
		  "Time points must be strictly increasing" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		C6bBuilder b;
		b.withData(8760);
		c.m_change(b);
		std::string fname = write(b);
		ClimateDataLoader loader;
		EXPECT_THROW_MSG(loader.readClimateData(fname), c.m_message);
	}
}

TEST_F(C6bReader, RejectsTruncatedFiles) {
	C6bBuilder b;
	b.withData(8760);
	b.m_header = { "CITY=Berlin", "COUNTRY=DEU" };
	std::string full = b.bytes();
	std::size_t headerEnd = 20 + 4 + 11 + 4 + 11;
	std::size_t vectorBytes = 4 + 8760 * 8;
	// cut inside the magic numbers, the version, the string count, a string, a count,
	// the values of the first and the last vector and the time-point count
	std::size_t cuts[] = { 0, 6, 10, 18, 22, 30, headerEnd + 2, headerEnd + 100, headerEnd + 8 * vectorBytes + 7,
						   headerEnd + 9 * vectorBytes - 1, headerEnd + 9 * vectorBytes + 2 };
	for (std::size_t cut : cuts) {
		SCOPED_TRACE(cut);
		ASSERT_LT(cut, full.size());
		std::string fname = writeFile("cut.c6b", full.substr(0, cut));
		ClimateDataLoader loader;
		std::string msgs = thrownMessages([&]() { loader.readClimateData(fname); });
		EXPECT_FALSE(msgs.empty());
		EXPECT_TRUE(loader.m_data[0].empty()); // no partial data vectors
	}
	// the complete file loads
	ClimateDataLoader loader;
	loader.readClimateData(writeFile("ok.c6b", full));
	EXPECT_EQ(loader.m_data[8].size(), 8760u);
}


// *** interpolation ***

namespace {

/*! Annual data with value q*1000 + j at index j. */
ClimateDataLoader annualLoader() {
	ClimateDataLoader loader;
	loader.m_city = "X";
	for (unsigned int q = 0; q < 9; ++q)
		for (unsigned int j = 0; j < 8760; ++j)
			loader.m_data[q].push_back(q * 1000.0 + j);
	return loader;
}

} // namespace

TEST(ClimateDataLoaderSetTime, AnnualDataJoinsHourlyValuesAcrossTheTurnOfTheYear) {
	ClimateDataLoader loader = annualLoader();
	// value j belongs to (j+1)*3600 s; 0 and the end of the year are the same instant
	struct Case { double m_t; double m_expected; } cases[] = {
		{ 0, 8759 }, { 1800, 4379.5 }, { 3600, 0 }, { 5400, 0.5 }, { 7200, 1 },
		{ YEAR - 3600, 8758 }, { YEAR, 8759 }, { 2 * YEAR + 3600, 0 }, { 2 * YEAR + 1800, 4379.5 },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_t);
		loader.setTime(2000, c.m_t);
		EXPECT_DOUBLE_EQ(loader.m_currentData[ClimateDataLoader::Temperature], c.m_expected);
		EXPECT_DOUBLE_EQ(loader.currentValue(ClimateDataLoader::Rain), 8000 + c.m_expected);
	}
}

TEST(ClimateDataLoaderSetTime, TimeStampedDataInterpolatesInsideItsRange) {
	ClimateDataLoader loader;
	loader.m_city = "X";
	loader.m_startYear = 2010;
	loader.m_dataTimePoints = { 3600, 7200, 10800 };
	for (unsigned int q = 0; q < 9; ++q)
		loader.m_data[q] = { 10.0 + q, 20.0 + q, 40.0 + q };

	struct Case { int m_year; double m_t; double m_expected; } cases[] = {
		{ 2010, 3600, 10 }, { 2010, 5400, 15 }, { 2010, 9000, 30 }, { 2010, 10800, 40 },
		{ 2009, YEAR + 7200, 20 }, // the same instant seen from an earlier simulation year
	};
	for (const Case & c : cases) {
		loader.setTime(c.m_year, c.m_t);
		EXPECT_DOUBLE_EQ(loader.m_currentData[0], c.m_expected) << c.m_t;
		EXPECT_DOUBLE_EQ(loader.m_currentData[7], c.m_expected + 7) << c.m_t;
	}
	EXPECT_THROW_MSG(loader.setTime(2010, 10801), "Time point out of range of time points vector (2010;");
	EXPECT_THROW_MSG(loader.setTime(2010, 3599), "start year of simulation 2010, start year of climate data 2010.");
	EXPECT_THROW_MSG(loader.setTime(2011, 3600), "Time point out of range");
}

TEST(ClimateDataLoaderSetTime, RejectsUnusableStateAndTimes) {
	ClimateDataLoader empty;
	EXPECT_THROW_MSG(empty.setTime(2000, 0), "Climata data loader not properly initialized, at least City property is missing.");

	ClimateDataLoader loader = annualLoader();
	for (double t : { -1.0, -1e-9, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity() })
		EXPECT_THROW_MSG(loader.setTime(2000, t), "Invalid simulation time");

	// header read only: no data to interpolate
	ClimateDataLoader headerOnly;
	headerOnly.m_city = "X";
	EXPECT_THROW_MSG(headerOnly.setTime(2000, 0), "Annual climate data must have 8760 hourly values");

	ClimateDataLoader stamped;
	stamped.m_city = "X";
	stamped.m_dataTimePoints = { 0, 1 };
	for (auto & v : stamped.m_data)
		v = { 1, 2 };
	stamped.m_data[5].pop_back();
	EXPECT_THROW_MSG(stamped.setTime(2000, 0), "Mismatching sizes of time points vector and data vectors (non-cyclic data).");
}

TEST(ClimateDataLoaderSetTime, SplineReplacesTheSeriesOfItsQuantity) {
	ClimateDataLoader loader = annualLoader();
	loader.m_splines[ClimateDataLoader::WindVelocity].setValues({ 0, YEAR }, { 0, 100 });
	loader.setTime(2000, YEAR + YEAR / 2); // evaluated at the time of year
	EXPECT_DOUBLE_EQ(loader.m_currentData[ClimateDataLoader::WindVelocity], 50);
	EXPECT_DOUBLE_EQ(loader.m_currentData[ClimateDataLoader::WindDirection], 4000 + 4379);
}
