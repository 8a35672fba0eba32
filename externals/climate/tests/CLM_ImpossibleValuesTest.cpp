// Values no air and no place on earth can have, and texts that are no number, in each
// field of each climate file format: refused naming the file, the line and the field.
// The limits themselves are values of real files and read unchanged.
#include <fstream>
#include <functional>
#include <sstream>

#include <BVX_StringUtils.h>

#include <CLM_ClimateDataLoader.h>

#include "CLM_TestHelpers.h"

namespace {

const std::string POTSDAM_EPW = std::string(CALDORYNE_SOURCE_DIR) + "/resources/DB_climate/Europe/Germany/TRY2035/04_BB_Potsdam_TRY2035.epw";

std::vector<std::string> fileLines(const std::string & fname) {
	std::ifstream in(fname);
	std::vector<std::string> lines;
	std::string line;
	while (std::getline(in, line))
		lines.push_back(line);
	return lines;
}

/*! The lines with field (from 0) of line lineNr (from 1) replaced by text. */
std::string withField(std::vector<std::string> lines, unsigned int lineNr, unsigned int field, const std::string & text,
					  const char * separator)
{
	std::vector<std::string> fields;
	BVX::explode(lines.at(lineNr - 1), fields, separator, BVX::EXPLODE_KEEP_EMPTY);
	fields.at(field) = text;
	std::string line;
	for (std::size_t i = 0; i < fields.size(); ++i)
		line += (i == 0 ? "" : separator) + fields[i];
	lines[lineNr - 1] = line;
	std::string s;
	for (const std::string & l : lines)
		s += l + "\n";
	return s;
}

/*! An annual WAC table of Potsdam: 10 header lines, so data line #j is line 12 + j;
	columns TA, HREL (fraction), ISDH, ISD, PSTA (hPa), WS. Header line i holds one value. */
std::vector<std::string> wacLines() {
	std::vector<std::string> lines = { "WAC Version 1", "10", "Potsdam", "comment", "13.066", "52.383", "81", "1", "1",
									   "8760", "6", "TA\tHREL\tISDH\tISD\tPSTA\tWS" };
	for (unsigned int j = 0; j < 8760; ++j)
		lines.push_back("12.5\t0.55\t0\t0\t1013\t2");
	return lines;
}

struct Case {
	const char *	m_name;
	unsigned int	m_line;		///< from 1
	unsigned int	m_field;	///< from 0
	const char *	m_text;
	/*! Expected in the message stack; empty: the file reads and the value is the text's. */
	const char *	m_message;
};

} // namespace


class ImpossibleClimateValues : public ClimateTempDir {
protected:
	/*! Reads the file, checks that a refusal names the file and the expected text; returns the loader. */
	ClimateDataLoader check(const Case & c, const std::string & content, const std::string & fname) {
		SCOPED_TRACE(std::string(c.m_name) + " = '" + c.m_text + "'");
		const std::string path = writeFile(fname, content);
		ClimateDataLoader loader;
		RecordingHandler quiet; // the radiation repair of a moved location warns
		const std::string msgs = thrownMessages([&]() { loader.readClimateData(path); });
		if (*c.m_message == 0) {
			EXPECT_EQ(msgs, "");
			return loader;
		}
		EXPECT_NE(msgs.find(c.m_message), std::string::npos) << msgs;
		EXPECT_NE(msgs.find(path), std::string::npos) << msgs;
		return loader;
	}
};


TEST_F(ImpossibleClimateValues, EpwFieldsAreRefusedWithLineAndField) {
	const std::vector<std::string> lines = fileLines(POTSDAM_EPW);
	ASSERT_EQ(lines.size(), 8768u);
	// line 4008 is data line #4000; fields are counted from 1 in the messages
	const Case cases[] = {
		{ "latitude", 1, 6, "200", "Invalid latitude 200 Deg in field 7 of line 1, must lie between -90 and 90 Deg." },
		{ "latitude", 1, 6, "-90.5", "Invalid latitude -90.5 Deg in field 7 of line 1" },
		{ "longitude", 1, 7, "1e308", "Invalid longitude 1e+308 Deg in field 8 of line 1, must lie between -180 and 360 Deg." },
		{ "longitude", 1, 7, "-180.5", "Invalid longitude -180.5 Deg in field 8 of line 1" },
		{ "longitude", 1, 7, "360.5", "Invalid longitude 360.5 Deg in field 8 of line 1" },
		{ "latitude", 1, 6, "north", "Invalid value 'north' in field 7 of line 1, must be a number." },
		{ "elevation", 1, 9, "81m", "Invalid value '81m' in field 10 of line 1, must be a number." },
		{ "time zone", 1, 8, "", "Invalid value '' in field 9 of line 1, must be a number." },
		{ "temperature", 4008, 6, "-300",
		  "Invalid air temperature -300 C in field 7 of data line #4000 (line #4008), must lie between -100 and 70 C." },
		{ "temperature", 4008, 6, "70.1", "Invalid air temperature 70.1 C in field 7 of data line #4000 (line #4008)" },
		{ "relative humidity", 4008, 8, "250",
		  "Invalid relative humidity 250 % in field 9 of data line #4000 (line #4008), must lie between 0 and 100 %." },
		{ "relative humidity", 4008, 8, "-20", "Invalid relative humidity -20 % in field 9 of data line #4000 (line #4008)" },
		{ "pressure", 4008, 9, "-1", "Invalid air pressure -1 Pa in field 10 of data line #4000 (line #4008), must not be below 0 Pa." },
		{ "wind speed", 4008, 21, "-10",
		  "Invalid wind speed -10 m/s in field 22 of data line #4000 (line #4008), must not be below 0 m/s." },
		{ "temperature", 4008, 6, "abc", "Invalid value 'abc' in field 7 of data line #4000 (line #4008), must be a number." },
		{ "relative humidity", 4008, 8, "55abc", "Invalid value '55abc' in field 9 of data line #4000 (line #4008)" },
		{ "pressure", 4008, 9, "0x10", "Invalid value '0x10' in field 10 of data line #4000 (line #4008)" },
		{ "wind speed", 4008, 21, "", "Invalid value '' in field 22 of data line #4000 (line #4008)" },
		{ "long-wave radiation", 4008, 12, "3OO", "Invalid value '3OO' in field 13 of data line #4000 (line #4008)" },
	};
	for (const Case & c : cases)
		check(c, withField(lines, c.m_line, c.m_field, c.m_text, ","), "potsdam.epw");

	// the limits are values air and places can have
	struct Accepted { Case m_case; unsigned int m_quantity; } accepted[] = {
		{ { "latitude", 1, 6, "90", "" }, 100 }, { { "latitude", 1, 6, "-90", "" }, 100 },
		{ { "longitude", 1, 7, "-180", "" }, 101 }, { { "longitude", 1, 7, "360", "" }, 101 },
		{ { "temperature", 4008, 6, "-100", "" }, ClimateDataLoader::Temperature },
		{ { "temperature", 4008, 6, "70", "" }, ClimateDataLoader::Temperature },
		{ { "relative humidity", 4008, 8, "0", "" }, ClimateDataLoader::RelativeHumidity },
		{ { "relative humidity", 4008, 8, "100", "" }, ClimateDataLoader::RelativeHumidity },
		{ { "pressure", 4008, 9, "0", "" }, ClimateDataLoader::AirPressure },
		{ { "wind speed", 4008, 21, "0", "" }, ClimateDataLoader::WindVelocity },
	};
	for (const Accepted & a : accepted) {
		const ClimateDataLoader loader = check(a.m_case, withField(lines, a.m_case.m_line, a.m_case.m_field, a.m_case.m_text, ","),
											   "potsdam.epw");
		const double expected = std::stod(a.m_case.m_text);
		if (a.m_quantity == 100)
			EXPECT_EQ(loader.m_latitude, expected);
		else if (a.m_quantity == 101)
			EXPECT_EQ(loader.m_longitude, expected);
		else
			EXPECT_EQ(loader.m_data[a.m_quantity].at(3999), expected) << a.m_case.m_name;
	}
}


TEST_F(ImpossibleClimateValues, WacFieldsAreRefusedWithLineAndColumn) {
	const std::vector<std::string> lines = wacLines();
	// line 4012 is data line #4000; columns are counted from 1
	const Case cases[] = {
		{ "longitude", 5, 0, "1e308", "Invalid longitude 1e+308 Deg in line 5, must lie between -180 and 360 Deg." },
		{ "latitude", 6, 0, "-95", "Invalid latitude -95 Deg in line 6, must lie between -90 and 90 Deg." },
		{ "latitude", 6, 0, "52,383", "Invalid value '52,383' in line 6, must be a number." },
		{ "line count", 10, 0, "many", "Invalid value 'many' in line 10, must be a whole number." },
		{ "temperature", 4012, 0, "-300",
		  "Invalid air temperature -300 C in column 1 of data line #4000 (total line #4012), must lie between -100 and 70 C." },
		// the humidity written in percent instead of as a fraction
		{ "relative humidity", 4012, 1, "55",
		  "Invalid relative humidity 5500 % in column 2 of data line #4000 (total line #4012), must lie between 0 and 100 %. "
		  "The column HREL holds the relative humidity as a fraction (0..1)." },
		{ "relative humidity", 4012, 1, "-0.2", "Invalid relative humidity -20 % in column 2 of data line #4000 (total line #4012)" },
		{ "pressure", 4012, 4, "-1", "Invalid air pressure -100 Pa in column 5 of data line #4000 (total line #4012)" },
		{ "wind speed", 4012, 5, "-10", "Invalid wind speed -10 m/s in column 6 of data line #4000 (total line #4012)" },
		{ "temperature", 4012, 0, "warm", "Invalid value 'warm' in column 1 of data line #4000 (total line #4012), must be a number." },
		{ "diffuse radiation", 4012, 3, "20W", "Invalid value '20W' in column 4 of data line #4000 (total line #4012)" },
	};
	for (const Case & c : cases)
		check(c, withField(lines, c.m_line, c.m_field, c.m_text, "\t"), "potsdam.wac");

	const Case accepted[] = {
		{ "relative humidity", 4012, 1, "1", "" }, { "temperature", 4012, 0, "-100", "" }, { "pressure", 4012, 4, "0", "" },
	};
	for (const Case & c : accepted)
		check(c, withField(lines, c.m_line, c.m_field, c.m_text, "\t"), "potsdam.wac");
}


TEST_F(ImpossibleClimateValues, C6bValuesAreRefusedWithEntryAndIndex) {
	struct C6bCase {
		const char *						m_name;
		std::function<void(C6bBuilder &)>	m_change;
		const char *						m_message;
	} cases[] = {
		{ "latitude", [](C6bBuilder & b) { b.m_header.push_back("LATITUDE=200"); },
		  "Invalid latitude 200 Deg in header entry LATITUDE, must lie between -90 and 90 Deg." },
		{ "longitude", [](C6bBuilder & b) { b.m_header.push_back("LONGITUDE=-200"); },
		  "Invalid longitude -200 Deg in header entry LONGITUDE, must lie between -180 and 360 Deg." },
		{ "latitude text", [](C6bBuilder & b) { b.m_header.push_back("LATITUDE=52.4N"); },
		  "Invalid value '52.4N' in header entry LATITUDE, must be a number." },
		{ "elevation text", [](C6bBuilder & b) { b.m_header.push_back("ELEVATION=high"); },
		  "Invalid value 'high' in header entry ELEVATION, must be a whole number." },
		{ "temperature", [](C6bBuilder & b) { b.m_vectors[ClimateDataLoader::Temperature][5] = -300; },
		  "Invalid air temperature -300 C in data vector #0 at index 5 of file" },
		{ "relative humidity", [](C6bBuilder & b) { b.m_vectors[ClimateDataLoader::RelativeHumidity][7] = 100.5; },
		  "Invalid relative humidity 100.5 % in data vector #1 at index 7 of file" },
		{ "wind speed", [](C6bBuilder & b) { b.m_vectors[ClimateDataLoader::WindVelocity][8759] = -1; },
		  "Invalid wind speed -1 m/s in data vector #5 at index 8759 of file" },
		{ "pressure", [](C6bBuilder & b) { b.m_vectors[ClimateDataLoader::AirPressure][0] = -1e5; },
		  "Invalid air pressure -100000 Pa in data vector #7 at index 0 of file" },
	};
	for (const C6bCase & c : cases) {
		C6bBuilder b;
		b.withData(8760);
		c.m_change(b);
		check(Case{ c.m_name, 0, 0, "", c.m_message }, b.bytes(), "potsdam.c6b");
	}
	C6bBuilder limits;
	limits.withData(8760);
	limits.m_header.insert(limits.m_header.end(), { "LATITUDE=-90", "LONGITUDE=360" });
	limits.m_vectors[ClimateDataLoader::Temperature][3] = 70;
	limits.m_vectors[ClimateDataLoader::AirPressure][3] = 0;
	const ClimateDataLoader loader = check(Case{ "limits", 0, 0, "", "" }, limits.bytes(), "potsdam.c6b");
	EXPECT_EQ(loader.m_data[ClimateDataLoader::Temperature][3], 70);
	EXPECT_EQ(loader.m_longitude, 360);
}
