#include "CLM_ClimateDataLoader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <locale>
#include <sstream>

#include <BVX_BinaryIO.h>
#include <BVX_BinaryVectorIO.h>
#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_Math.h>
#include <BVX_MessageHandler.h>
#include <BVX_Path.h>
#include <BVX_PlatformFiles.h>
#include <BVX_StringUtils.h>
#include <BVX_Time.h>
#include <BVX_CSVReader.h>
#include <BVX_Unit.h>
#include <BVX_UnitData.h>
#include <BVX_UnitList.h>
#include <BVX_UnitVector.h>

#include "CLM_SolarRadiationModel.h"


namespace {

const char * const TRIM_CHARS = " \t\r";
/*! Maximum length of a c6b header string. */
const unsigned int MAX_HEADER_STRING_LENGTH = 2000;
/*! Number of fields an EPW data line needs (up to the wind speed). */
const unsigned int EPW_MIN_DATA_FIELDS = 22;

/*! True when the text is well-formed UTF-8. */
bool isValidUtf8(const std::string & s) {
	std::size_t i = 0;
	while (i < s.size()) {
		unsigned char c = static_cast<unsigned char>(s[i]);
		unsigned int len = 0;
		if (c < 0x80)			len = 1;
		else if (c >= 0xC2 && c <= 0xDF)	len = 2;
		else if (c >= 0xE0 && c <= 0xEF)	len = 3;
		else if (c >= 0xF0 && c <= 0xF4)	len = 4;
		else
			return false;
		if (i + len > s.size())
			return false;
		for (unsigned int k = 1; k < len; ++k) {
			if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
				return false;
		}
		i += len;
	}
	return true;
}

/*! Header texts of weather files are often Latin-1; the loader holds UTF-8.
	Text that is not valid UTF-8 is taken as Latin-1 and converted. */
std::string toUtf8(const std::string & s) {
	if (isValidUtf8(s))
		return s;
	std::string res;
	res.reserve(s.size() + 8);
	for (char ch : s) {
		unsigned char c = static_cast<unsigned char>(ch);
		if (c < 0x80)
			res += ch;
		else {
			res += static_cast<char>(0xC0 | (c >> 6));
			res += static_cast<char>(0x80 | (c & 0x3F));
		}
	}
	return res;
}

/*! Reads one line; false at the end of the stream or on a stream error. */
bool readLine(std::istream & in, std::string & line) {
	return static_cast<bool>(std::getline(in, line));
}

std::string trimmed(const std::string & s) {
	return BVX::trim_copy(s, TRIM_CHARS);
}

/*! Splits an EPW line at commas outside quotes, after trimming it. */
void splitEPWLine(std::string line, std::vector<std::string> & fields) {
	BVX::trim(line, TRIM_CHARS);
	BVX::explode_quoted(line, fields);
}


/*! The number a whole field holds, in C notation. Text that is no number, or a number
	followed by more text ("12.5abc"), is refused naming the field: where() gives its place
	in the file, composed only then. The text "1.#QNAN" reads as NaN for the caller's check. */
template <typename Where>
double fieldNumber(const std::string & text, const Where & where, const char * functionID) {
	if (text == BVX::NAN_TEXT)
		return std::nan("");
	std::istringstream strm(text);
	strm.imbue(std::locale::classic());
	double v = 0;
	if (strm >> v) {
		strm >> std::ws;
		if (strm.eof())
			return v;
	}
	throw BVX::Exception(BVX::FormatText("Invalid value '%1' in %2, must be a number.").arg(text).arg(where()), functionID);
}


/*! Range of values of a quantity that air near the ground can have. A value outside is no
	measurement but a unit mix-up, a missing-value marker or damage, and is refused with its
	place: unlike a beam divided by a low sun there is no known cause to undo, and a guessed
	value would simulate another climate. */
struct PhysicalRange {
	double			m_low;
	double			m_high;
	const char *	m_name;
	const char *	m_unit;
};

/*! The range of a quantity; nullptr for quantities without one: the radiation's limit
	depends on the hour (see repairDirectNormalRadiation()), wind direction and rain are not
	used by the room model. */
const PhysicalRange * physicalRange(unsigned int quantity) {
	// the coldest and hottest air measured on earth are -89.2 C and 56.7 C
	static const PhysicalRange TEMPERATURE = { -100, 70, "air temperature", "C" };
	// fog is saturated air; more vapour than saturation does not stay in the air
	static const PhysicalRange HUMIDITY = { 0, 100, "relative humidity", "%" };
	static const PhysicalRange WIND_SPEED = { 0, HUGE_VAL, "wind speed", "m/s" };
	// 0 stands for a pressure not given (a WAC file without its column)
	static const PhysicalRange PRESSURE = { 0, HUGE_VAL, "air pressure", "Pa" };
	switch (quantity) {
		case ClimateDataLoader::Temperature:		return &TEMPERATURE;
		case ClimateDataLoader::RelativeHumidity:	return &HUMIDITY;
		case ClimateDataLoader::WindVelocity:		return &WIND_SPEED;
		case ClimateDataLoader::AirPressure:		return &PRESSURE;
		default: return nullptr;
	}
}

/*! True when the value of the quantity is one the air can have. */
bool withinPhysicalRange(unsigned int quantity, double value) {
	const PhysicalRange * r = physicalRange(quantity);
	return r == nullptr || (value >= r->m_low && value <= r->m_high);
}

/*! Error for a value outside its quantity's physical range; where names its place, hint
	is appended when not empty. */
[[noreturn]] void throwOutOfRange(unsigned int quantity, double value, const std::string & where,
								  const char * hint, const char * functionID)
{
	const PhysicalRange & r = *physicalRange(quantity);
	BVX::FormatText text = r.m_high == HUGE_VAL
			? BVX::FormatText("Invalid %1 %2 %3 in %4, must not be below %5 %3.").arg(r.m_name).arg(value)
			  .arg(r.m_unit).arg(where).arg(r.m_low)
			: BVX::FormatText("Invalid %1 %2 %3 in %4, must lie between %5 and %6 %3.").arg(r.m_name).arg(value)
			  .arg(r.m_unit).arg(where).arg(r.m_low).arg(r.m_high);
	std::string msg = text.str();
	if (hint != nullptr && *hint != 0)
		msg += std::string(" ") + hint;
	throw BVX::Exception(msg, functionID);
}


/*! Latitude and longitude of the header, refused outside -90..90 and -180..360 degrees (east
	longitudes are written as 0..360 as well): the sun's position would be that of no place on
	earth. where names the fields' places, latitude first. */
void checkLocation(const ClimateDataLoader & loader, const std::string & latitudeWhere,
				   const std::string & longitudeWhere, const char * functionID)
{
	if (!(loader.m_latitude >= -90 && loader.m_latitude <= 90))
		throw BVX::Exception(BVX::FormatText("Invalid latitude %1 Deg in %2, must lie between -90 and 90 Deg.")
							 .arg(loader.m_latitude).arg(latitudeWhere), functionID);
	if (!(loader.m_longitude >= -180 && loader.m_longitude <= 360))
		throw BVX::Exception(BVX::FormatText("Invalid longitude %1 Deg in %2, must lie between -180 and 360 Deg.")
							 .arg(loader.m_longitude).arg(longitudeWhere), functionID);
}


/*! Time zone in whole hours from a header field. A zone that is not a finite number of
	hours within [low, high] is refused before the conversion to int. */
template <typename Where>
int timeZoneHours(const std::string & text, double low, double high, const Where & where, const char * functionID) {
	double hours = fieldNumber(text, where, functionID);
	if (!std::isfinite(hours) || hours < low || hours > high)
		throw BVX::Exception(BVX::FormatText("Invalid time zone '%1', must be a number of hours between %2 and %3.")
							 .arg(text).arg(low).arg(high), functionID);
	return static_cast<int>(hours);
}

/*! Error for a data value that is not a finite number; where names its place in the file.
	Callers test the value first: composing the text for every value would slow the readers down. */
/*! Climate files of minute values reach some 100 MB; what is larger is no climate file. */
const unsigned long long MAX_CLIMATE_FILE_BYTES = 512ull*1024*1024;

/*! Refuses what is no climate file before it is opened: a pipe would wait for a writer, a device never end. */
void checkInputFile(const std::string & fname, const char * functionID) {
	const std::string problem = BVX::input_file_problem(fname, MAX_CLIMATE_FILE_BYTES);
	if (!problem.empty())
		throw BVX::Exception(BVX::FormatText("Cannot read climate data file: %1.").arg(problem), functionID);
}


[[noreturn]] void throwNonFiniteValue(const BVX::FormatText & where, const char * functionID) {
	throw BVX::Exception(BVX::FormatText("Invalid value in %1, must be a finite number.").arg(where.str()), functionID);
}


/*! A field read only when needed: NaN when it is not a finite number, never throws. */
double optionalNumber(const std::string & text) {
	try {
		const double v = BVX::string2val<double>(text);
		return std::isfinite(v) ? v : std::nan("");
	}
	catch (BVX::Exception &) {
		return std::nan("");
	}
}

/*! A solar radiation model at the loader's location. */
void placeSun(SolarRadiationModel & sun, const ClimateDataLoader & loader) {
	sun.m_latitude = loader.m_latitude * BVX::DEG_TO_RAD;
	sun.m_longitude = loader.m_longitude * BVX::DEG_TO_RAD;
	sun.m_climateDataLoader.m_timeZone = loader.m_timeZone;
}


// *** c6b ***

template <typename T>
void readBinary(std::istream & in, T & value, const char * what) {
	in.read(reinterpret_cast<char *>(&value), sizeof(T));
	if (!in)
		throw BVX::Exception(BVX::FormatText("Error reading %1, file is truncated or not readable.").arg(what),
							 "[ClimateDataLoader::readClimateDataBVX]");
}

void checkC6bPreamble(std::istream & in) {
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataBVX]";
	char magic[4];
	readBinary(in, magic, "first magic number");
	if (std::memcmp(magic, "CLDF", 4) != 0)
		throw BVX::Exception("Wrong first magic number!", FUNC_ID);
	readBinary(in, magic, "second magic number");
	if (std::memcmp(magic, "RLZ!", 4) != 0)
		throw BVX::Exception("Wrong second magic number!", FUNC_ID);
	unsigned char version[4];
	readBinary(in, version, "file version");
	if (version[0] != 1)
		throw BVX::Exception("Unsupported file version.", FUNC_ID);
	unsigned char reserved[4];
	readBinary(in, reserved, "file header");
}

void applyC6bHeaderString(ClimateDataLoader & loader, const std::string & str) {
	std::vector<std::string> parts;
	BVX::explode(str, parts, "=", BVX::EXPLODE_TRIM | BVX::EXPLODE_KEEP_EMPTY);
	if (parts.size() == 1 && parts[0] == "COMMENT") {
		loader.m_comment.clear();
		return;
	}
	if (parts.size() != 2)
		throw BVX::Exception("Invalid key-value format.", "[ClimateDataLoader::readClimateDataBVX]");
	const std::string & key = parts[0];
	const std::string & value = parts[1];
	if (key == "COUNTRY")			loader.m_country = value;
	else if (key == "CITY")			loader.m_city = value;
	else if (key == "WMO")			loader.m_wmoCode = value;
	else if (key == "SOURCE")		loader.m_source = value;
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataBVX]";
	auto where = [&key]() { return BVX::FormatText("header entry %1").arg(key).str(); };
	// the header's whole numbers are read as they always were: "81.5" as 81
	auto wholeNumber = [&]() {
		try {
			return BVX::string2val<int>(value);
		}
		catch (BVX::Exception & ex) {
			throw BVX::Exception(ex, BVX::FormatText("Invalid value '%1' in %2, must be a whole number.").arg(value).arg(where()),
								 FUNC_ID);
		}
	};
	if (key == "COUNTRY")			loader.m_country = value;
	else if (key == "CITY")			loader.m_city = value;
	else if (key == "WMO")			loader.m_wmoCode = value;
	else if (key == "SOURCE")		loader.m_source = value;
	else if (key == "TIMEZONE")		loader.m_timeZone = timeZoneHours(value, -12, 14, where, FUNC_ID);
	else if (key == "LATITUDE")		loader.m_latitude = fieldNumber(value, where, FUNC_ID);
	else if (key == "LONGITUDE")	loader.m_longitude = fieldNumber(value, where, FUNC_ID);
	else if (key == "STARTYEAR")	loader.m_startYear = wholeNumber();
	else if (key == "ELEVATION")	loader.m_elevation = wholeNumber();
	else if (key == "COMMENT")		loader.m_comment = value;
}

/*! Length rules the interpolation relies on: annual data holds 8760 hourly values,
	time-stamped data one value per strictly increasing time point. */
void checkC6bDataLayout(const std::vector<double> & firstVector, const std::vector<double> & timePoints) {
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataBVX]";
	if (timePoints.empty()) {
		if (firstVector.size() != ClimateDataLoader::HOURS_PER_YEAR)
			throw BVX::Exception(BVX::FormatText("Annual climate data must have %1 hourly values, but data vectors have length %2.")
								 .arg(ClimateDataLoader::HOURS_PER_YEAR).arg(firstVector.size()), FUNC_ID);
		return;
	}
	if (timePoints.size() != firstVector.size())
		throw BVX::Exception(BVX::FormatText("Time point vector has length %1, but data vectors have length %2.")
							 .arg(timePoints.size()).arg(firstVector.size()), FUNC_ID);
	for (std::size_t i = 0; i < timePoints.size(); ++i) {
		if (!std::isfinite(timePoints[i]) || (i > 0 && !(timePoints[i] > timePoints[i - 1])))
			throw BVX::Exception(BVX::FormatText("Time points must be strictly increasing (error at time point #%1).")
								 .arg(i), FUNC_ID);
	}
}


// *** WAC ***

/*! Column kinds of a WAC table, selected by caption. */
enum WACColumn {
	WAC_TA, WAC_HREL, WAC_ISDH, WAC_ISD, WAC_WD, WAC_WS, WAC_ILAH, WAC_PSTA, WAC_RN, WAC_ISGH, WAC_TIME,
	NUM_WAC_COLUMNS
};

struct WACLayout {
	unsigned int	m_headerLineCount = 0;	// n of line 2
	double			m_timeStep = 0;
	unsigned int	m_numLines = 0;
	unsigned int	m_numColumns = 0;
	int				m_col[NUM_WAC_COLUMNS];
	bool			m_annual = false;
	std::string		m_captionLine;

	WACLayout() { std::fill(m_col, m_col + NUM_WAC_COLUMNS, -1); }
	bool has(WACColumn c) const { return m_col[c] != -1; }
	/*! Line number in the file of data line j (zero-based): WAC line, count line,
		n-1 header lines, caption line, then the data. */
	unsigned int totalLine(unsigned int j) const { return m_headerLineCount + 3 + j; }
};

int wacColumnKind(const std::string & caption) {
	static const char * const NAMES[] = { "TA", "HREL", "ISDH", "ISD", "WD", "WS", "ILAH", "PSTA", "RN", "ISGH", "TIME" };
	for (int i = 0; i < NUM_WAC_COLUMNS; ++i)
		if (caption == NAMES[i])
			return i;
	if (caption == "WV")
		return WAC_WS;
	return -1;
}

unsigned int readWACHeaderLineCount(std::istream & in) {
	const char * const MSG = "Error reading number of header lines from line 2.";
	std::string line;
	if (!readLine(in, line))
		throw BVX::Exception(MSG, "[ClimateDataLoader::readClimateDataWAC]");
	std::istringstream strm(line);
	long long n = 0;
	if (!(strm >> n) || n < 0 || n > 0xFFFFFFFFll)
		throw BVX::Exception(MSG, "[ClimateDataLoader::readClimateDataWAC]");
	return static_cast<unsigned int>(n);
}

/*! Reads lines 1 to n+2 of a WAC file: location into the loader, table layout into the result. */
WACLayout readWACHeader(std::istream & in, ClimateDataLoader & loader) {
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataWAC]";
	std::string line;
	if (!readLine(in, line))
		throw BVX::Exception("Error reading line 1.", FUNC_ID);
	if (line.find("WAC") == std::string::npos)
		throw BVX::Exception("Invalid file format, expected WAC in line 1.", FUNC_ID);

	WACLayout layout;
	unsigned int n = readWACHeaderLineCount(in);
	// check the count before reading: the header block holds n-1 lines of which 9 are used
	if (n < 9)
		throw BVX::Exception("Missing header lines, expected at least 9 lines.", FUNC_ID);
	if (n < 10)
		throw BVX::Exception(BVX::FormatText("Missing header lines, %1 header lines leave only %2 lines for the 9 header entries.")
							 .arg(n).arg(n - 1), FUNC_ID);
	layout.m_headerLineCount = n;

	std::vector<std::string> block;
	for (unsigned int i = 0; i + 1 < n; ++i) {
		if (!readLine(in, line))
			throw BVX::Exception(BVX::FormatText("Expected header lines (offset) %1, but got an error reading line #%2.")
								 .arg(n).arg(i + 3), FUNC_ID);
		if (i < 9)
			block.push_back(line);
	}
	loader.m_city = trimmed(block[0]);
	loader.m_comment = block[1];
	// header block line i is line i+3 of the file; a header line holds one value
	auto headerLine = [](unsigned int i) {
		return [i]() { return BVX::FormatText("line %1").arg(i + 3).str(); };
	};
	auto headerCount = [&](unsigned int i) {
		try {
			return BVX::string2val<unsigned int>(block[i]);
		}
		catch (BVX::Exception & ex) {
			throw BVX::Exception(ex, BVX::FormatText("Invalid value '%1' in %2, must be a whole number.")
								 .arg(trimmed(block[i])).arg(headerLine(i)()), FUNC_ID);
		}
	};
	loader.m_longitude = fieldNumber(trimmed(block[2]), headerLine(2), FUNC_ID);
	loader.m_latitude = fieldNumber(trimmed(block[3]), headerLine(3), FUNC_ID);
	checkLocation(loader, headerLine(3)(), headerLine(2)(), FUNC_ID);
	loader.m_elevation = fieldNumber(trimmed(block[4]), headerLine(4), FUNC_ID);
	// zones east of +12 h may be written as 13..24 h
	int tz = timeZoneHours(trimmed(block[5]), -12, 24, headerLine(5), FUNC_ID);
	if (tz > 12)
		tz -= 24;
	loader.m_timeZone = tz;
	layout.m_timeStep = fieldNumber(trimmed(block[6]), headerLine(6), FUNC_ID);
	layout.m_numLines = headerCount(7);
	layout.m_numColumns = headerCount(8);
	layout.m_annual = (layout.m_numLines == ClimateDataLoader::HOURS_PER_YEAR && layout.m_timeStep == 1.0);

	if (!readLine(in, line))
		throw BVX::Exception("Error reading last header line with table captions.", FUNC_ID);
	layout.m_captionLine = line;
	std::vector<std::string> captions;
	BVX::explode(line, captions, "\t", BVX::EXPLODE_TRIM);
	// every column of the data lines must have its caption, or column indices run off the line
	if (captions.size() != layout.m_numColumns)
		throw BVX::Exception(BVX::FormatText("Number of table captions (%1) does not match the number of columns given in the header (%2).")
							 .arg(captions.size()).arg(layout.m_numColumns), FUNC_ID);
	for (unsigned int i = 0; i < captions.size(); ++i) {
		int kind = wacColumnKind(captions[i]);
		if (kind != -1)
			layout.m_col[kind] = static_cast<int>(i);
	}
	return layout;
}

void checkWACColumns(const WACLayout & layout) {
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataWAC]";
	if (!layout.has(WAC_TIME) && !layout.m_annual)
		throw BVX::Exception("WAC files without time column must be annual climate data files with 8760 values spaced at 1 h time difference.", FUNC_ID);
	if (layout.has(WAC_ISGH)) {
		if (!layout.has(WAC_ISD))
			throw BVX::Exception("Diffuse radiation is required to split global radiation into direct radiation component!", FUNC_ID);
	}
	else if (!layout.has(WAC_ISDH))
		throw BVX::Exception("Missing direct radiation or global radiation, either must be present!", FUNC_ID);
	static const WACColumn REQUIRED[] = { WAC_TA, WAC_HREL, WAC_ISD };
	static const char * const REQUIRED_NAMES[] = { "TA", "HREL", "ISD" };
	for (unsigned int i = 0; i < 3; ++i) {
		if (!layout.has(REQUIRED[i]))
			throw BVX::Exception(BVX::FormatText("Missing required column '%1'.").arg(REQUIRED_NAMES[i]), FUNC_ID);
	}
}

/*! Parses a WAC TIME field such as "2011-01-01 01:00" into its year and the seconds
	since the start of that year of the end of the given hour. */
double parseWACTime(const std::string & field, unsigned int j, const WACLayout & layout, int & year) {
	std::string s = field;
	std::replace(s.begin(), s.end(), ':', ' ');
	std::replace(s.begin(), s.end(), '-', ' ');
	std::istringstream strm(s);
	int month = 0, day = 0, hour = 0, minute = 0;
	if (!(strm >> year >> month >> day >> hour >> minute) || month < 1 || month > 12 || day < 1 || day > 31 ||
		hour < 0 || hour > 24 || minute < 0 || minute > 59)
	{
		throw BVX::Exception(BVX::FormatText("Error parsing date/time entry in line #%1 (total line #%2)")
							 .arg(j + 1).arg(layout.totalLine(j)), "[ClimateDataLoader::readClimateDataWAC]");
	}
	// hours run from 1 to 24, a value belongs to the end of its hour
	BVX::Time instant(year, static_cast<unsigned int>(month - 1), static_cast<unsigned int>(day - 1), (hour - 1) * 3600.0 + minute * 60);
	return instant.secondsOfYear() + 3600;
}

/*! The quantity a WAC column holds; NumClimateComponents for global radiation and time. */
unsigned int wacQuantity(WACColumn c) {
	static const unsigned int QUANTITY[NUM_WAC_COLUMNS] = {
		ClimateDataLoader::Temperature, ClimateDataLoader::RelativeHumidity, ClimateDataLoader::DirectRadiationNormal,
		ClimateDataLoader::DiffuseRadiationHorizontal, ClimateDataLoader::WindDirection, ClimateDataLoader::WindVelocity,
		ClimateDataLoader::LongWaveCounterRadiation, ClimateDataLoader::AirPressure, ClimateDataLoader::Rain,
		ClimateDataLoader::NumClimateComponents, ClimateDataLoader::NumClimateComponents
	};
	return QUANTITY[c];
}

/*! Value of column c in data line j, times factor (the file's unit into the loader's). */
double wacValue(const std::vector<std::string> & fields, const WACLayout & layout, unsigned int j, WACColumn c,
				double factor = 1)
{
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataWAC]";
	if (!layout.has(c))
		return 0;
	auto where = [&]() {
		return BVX::FormatText("column %1 of data line #%2 (total line #%3)").arg(layout.m_col[c] + 1)
				.arg(j + 1).arg(layout.totalLine(j)).str();
	};
	const double v = fieldNumber(fields[static_cast<unsigned int>(layout.m_col[c])], where, FUNC_ID) * factor;
	if (!std::isfinite(v))
		throwNonFiniteValue(BVX::FormatText(where()), FUNC_ID);
	const unsigned int q = wacQuantity(c);
	if (q < ClimateDataLoader::NumClimateComponents && !withinPhysicalRange(q, v))
		throwOutOfRange(q, v, where(), c == WAC_HREL ? "The column HREL holds the relative humidity as a fraction (0..1)." : nullptr,
						FUNC_ID);
	return v;
}

/*! Reads the data lines; index 2 receives direct (or global minus diffuse) radiation on the horizontal. */
void readWACData(std::istream & in, const WACLayout & layout, std::vector<double> (&data)[ClimateDataLoader::NumClimateComponents],
				 std::vector<double> & timePoints, int & startYear)
{
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataWAC]";
	// the line count comes from the file: reserve at most ten years of hourly values
	std::size_t reserveSize = std::min<std::size_t>(layout.m_numLines, ClimateDataLoader::MAX_VECTOR_LENGTH);
	for (auto & v : data) {
		v.clear();
		v.reserve(reserveSize);
	}
	timePoints.clear();
	if (!layout.has(WAC_TIME))
		startYear = 2007;

	std::string line = layout.m_captionLine;
	std::string lastLine;
	std::vector<std::string> fields;
	for (unsigned int j = 0; j < layout.m_numLines; ++j) {
		lastLine.swap(line);
		if (!readLine(in, line))
			throw BVX::Exception(BVX::FormatText("Error reading data line #%1 (total line #%2), last successfully read line was '%3'.")
								 .arg(j + 1).arg(layout.totalLine(j)).arg(lastLine), FUNC_ID);
		BVX::explode(line, fields, "\t", BVX::EXPLODE_TRIM);
		if (fields.size() != layout.m_numColumns)
			throw BVX::Exception(BVX::FormatText("Error reading data line #%1 (total line #%2); not enough columns (expected %3 columns, got %4 columns)!")
								 .arg(j + 1).arg(layout.totalLine(j)).arg(layout.m_numColumns).arg(fields.size()), FUNC_ID);

		if (layout.has(WAC_TIME) && (j == 0 || !layout.m_annual)) {
			int year = 0;
			double secondsOfYear = parseWACTime(fields[static_cast<unsigned int>(layout.m_col[WAC_TIME])], j, layout, year);
			if (j == 0)
				startYear = year;
			if (!layout.m_annual) {
				double tp = (year - startYear) * ClimateDataLoader::SECONDS_PER_YEAR + secondsOfYear;
				if (!timePoints.empty() && !(tp > timePoints.back()))
					throw BVX::Exception(BVX::FormatText("Time point in line #%1 (total line #%2) is not after the time point of the previous line.")
										 .arg(j + 1).arg(layout.totalLine(j)), FUNC_ID);
				timePoints.push_back(tp);
			}
		}

		data[ClimateDataLoader::Temperature].push_back(wacValue(fields, layout, j, WAC_TA));
		data[ClimateDataLoader::RelativeHumidity].push_back(wacValue(fields, layout, j, WAC_HREL, 100));
		double diffuse = wacValue(fields, layout, j, WAC_ISD);
		double direct = 0;
		if (layout.has(WAC_ISGH)) {
			direct = wacValue(fields, layout, j, WAC_ISGH) - diffuse;
			if (direct < 0)
				throw BVX::Exception(BVX::FormatText("Error in line #%1 (total line #%2): global radiation intensity must not be smaller than diffuse radiation intensity!")
									 .arg(j + 1).arg(layout.totalLine(j)), FUNC_ID);
		}
		else
			direct = wacValue(fields, layout, j, WAC_ISDH);
		data[ClimateDataLoader::DirectRadiationNormal].push_back(direct);
		data[ClimateDataLoader::DiffuseRadiationHorizontal].push_back(diffuse);
		data[ClimateDataLoader::Rain].push_back(wacValue(fields, layout, j, WAC_RN));
		data[ClimateDataLoader::WindDirection].push_back(wacValue(fields, layout, j, WAC_WD));
		data[ClimateDataLoader::WindVelocity].push_back(wacValue(fields, layout, j, WAC_WS));
		data[ClimateDataLoader::LongWaveCounterRadiation].push_back(wacValue(fields, layout, j, WAC_ILAH));
		data[ClimateDataLoader::AirPressure].push_back(wacValue(fields, layout, j, WAC_PSTA, 100));
	}
}



// *** single-quantity series ***

std::string ccdErrorLine(unsigned int lineNr, const std::string & line) {
	return BVX::FormatText("#%1: %2").arg(lineNr, 3).arg(line).str();
}

/*! Text of a CCD comment line: from the first non-blank after the '#' on. */
std::string ccdCommentText(const std::string & line) {
	std::size_t pos = line.find_first_not_of(TRIM_CHARS, 1);
	return pos == std::string::npos ? std::string() : line.substr(pos);
}

/*! Reads one CCD data line; false when it is malformed. */
bool parseCCDDataLine(const std::string & line, long long & t, double & value) {
	std::string s = line.substr(0, line.find('#'));
	BVX::trim(s, TRIM_CHARS);
	std::replace(s.begin(), s.end(), ':', ' ');
	std::istringstream strm(s);
	int day = 0, hour = 0, minute = 0, second = 0;
	if (!(strm >> day >> hour >> minute >> second >> value))
		return false;
	strm >> std::ws;
	if (!strm.eof())
		return false;
	t = day * 86400LL + hour * 3600LL + minute * 60LL + second;
	return true;
}

/*! Splits a caption "name [unit]" into the trimmed name and the unit.
	Returns 0 on success, 1 when the brackets are missing, 2 for an unknown unit. */
int parseCaption(const std::string & caption, std::string & name, const BVX::UnitData *& unit) {
	std::size_t open = caption.find('[');
	std::size_t close = caption.rfind(']');
	if (open == std::string::npos || close == std::string::npos || close < open)
		return 1;
	name = trimmed(caption.substr(0, open));
	unit = BVX::UnitList::instance().retrieve(trimmed(caption.substr(open + 1, close - open - 1)));
	return unit == nullptr ? 2 : 0;
}

/*! Line through (x1, y1) and (x2, y2) at x; y1 for a degenerate interval. */
double lineValue(double x1, double y1, double x2, double y2, double x) {
	if (x2 == x1)
		return y1;
	double u = (x - x1) / (x2 - x1);
	return (1 - u) * y1 + u * y2;
}

} // namespace


ClimateDataLoader::ClimateDataLoader() :
	m_longitude(0),
	m_latitude(0),
	m_elevation(0),
	m_timeZone(0),
	m_startYear(2000)
{
	std::fill(m_currentData, m_currentData + NumClimateComponents, 0.0);
	m_currentData[Temperature] = 5.0;
	m_currentData[RelativeHumidity] = 10.0;
}


void ClimateDataLoader::readClimateData(const std::string & fname, bool headerOnly) {
	std::string ext = BVX::Path(fname).extension();
	if (ext == "epw")
		readClimateDataEPW(fname, headerOnly);
	else if (ext == "c6b")
		readClimateDataBVX(fname, headerOnly);
	else if (ext == "wac")
		readClimateDataWAC(fname, headerOnly);
	else
		throw BVX::Exception("Unknown/unsupported climate data file format.", "[ClimateDataLoader::readClimateData]");
}


void ClimateDataLoader::readClimateDataEPW(const std::string & fname, bool headerOnly) {
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataEPW]";
	checkInputFile(fname, FUNC_ID);
	std::ifstream in(fname);
	if (!in)
		throw BVX::Exception(BVX::FormatText("Climate data file '%1' does not exist or is not accessible.").arg(fname), FUNC_ID);
	try {
		std::string line;
		std::vector<std::string> fields;
		if (!readLine(in, line))
			throw BVX::Exception("Error reading line 1.", FUNC_ID);
		splitEPWLine(line, fields);
		if (fields.size() < 10)
			throw BVX::Exception("Error reading line 1, bad format.", FUNC_ID);
		m_city = toUtf8(fields[1]);
		m_country = toUtf8(fields[3]);
		m_source = toUtf8(fields[4]);
		m_wmoCode = toUtf8(fields[5]);
		// fields are counted from 1 in the messages, as the data fields are
		auto headerField = [](unsigned int i) {
			return [i]() { return BVX::FormatText("field %1 of line 1").arg(i + 1).str(); };
		};
		m_latitude = fieldNumber(fields[6], headerField(6), FUNC_ID);
		m_longitude = fieldNumber(fields[7], headerField(7), FUNC_ID);
		m_timeZone = timeZoneHours(fields[8], -12, 14, headerField(8), FUNC_ID);
		m_elevation = fieldNumber(fields[9], headerField(9), FUNC_ID);
		checkLocation(*this, headerField(6)(), headerField(7)(), FUNC_ID);

		for (unsigned int i = 2; i <= 5; ++i) {
			if (!readLine(in, line))
				throw BVX::Exception(BVX::FormatText("Error reading line %1.").arg(i), FUNC_ID);
		}
		if (!readLine(in, line))
			throw BVX::Exception("Error reading line 6.", FUNC_ID);
		splitEPWLine(line, fields);
		if (fields.size() == 2)
			m_comment = toUtf8(trimmed(fields[1]));
		if (!readLine(in, line))
			throw BVX::Exception("Error reading line 7.", FUNC_ID);
		splitEPWLine(line, fields);
		if (fields.size() == 2 && !trimmed(fields[1]).empty())
			m_comment += "\n" + toUtf8(trimmed(fields[1]));
		if (!readLine(in, line))
			throw BVX::Exception("Error reading line 8.", FUNC_ID);
		if (headerOnly)
			return;

		// EPW field of each quantity; rain is not read (zeros)
		static const unsigned int FIELD_OF[NumClimateComponents - 1] = { 6, 8, 14, 15, 20, 21, 12, 9 };
		std::vector<double> data[NumClimateComponents];
		for (auto & v : data)
			v.reserve(HOURS_PER_YEAR);
		// global horizontal radiation, only to repair impossible direct normal values
		const unsigned int GLOBAL_FIELD = 13;
		std::vector<double> global;
		global.reserve(HOURS_PER_YEAR);
		for (unsigned int j = 0; j < HOURS_PER_YEAR; ++j) {
			if (!readLine(in, line))
				throw BVX::Exception(BVX::FormatText("Error reading data line #%1 (line #%2), expected %3 data lines.")
									 .arg(j + 1).arg(j + 9).arg(HOURS_PER_YEAR), FUNC_ID);
			splitEPWLine(line, fields);
			if (fields.size() < EPW_MIN_DATA_FIELDS)
				throw BVX::Exception(BVX::FormatText("Error reading data line #%1 (line #%2), expected at least %3 fields, got %4.")
									 .arg(j + 1).arg(j + 9).arg(EPW_MIN_DATA_FIELDS).arg(fields.size()), FUNC_ID);
			for (unsigned int q = 0; q < NumClimateComponents - 1; ++q) {
				auto where = [&]() {
					return BVX::FormatText("field %1 of data line #%2 (line #%3)").arg(FIELD_OF[q] + 1)
							.arg(j + 1).arg(j + 9).str();
				};
				const double v = fieldNumber(fields[FIELD_OF[q]], where, FUNC_ID);
				if (!std::isfinite(v))
					throwNonFiniteValue(BVX::FormatText(where()), FUNC_ID);
				if (!withinPhysicalRange(q, v))
					throwOutOfRange(q, v, where(), nullptr, FUNC_ID);
				data[q].push_back(v);
			}
			global.push_back(optionalNumber(fields[GLOBAL_FIELD]));
		}
		data[Rain].assign(HOURS_PER_YEAR, 0.0);
		for (unsigned int q = 0; q < NumClimateComponents; ++q)
			m_data[q].swap(data[q]);
		m_dataTimePoints.clear();
		repairDirectNormalRadiation(fname, global, FUNC_ID);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Error reading file '%1'.").arg(fname), FUNC_ID);
	}
}


void ClimateDataLoader::readClimateDataBVX(const std::string & fname, bool headerOnly) {
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataBVX]";
	checkInputFile(fname, FUNC_ID);
	std::ifstream in(fname, std::ios::binary);
	if (!in)
		throw BVX::Exception(BVX::FormatText("Climate data file '%1' does not exist or is not accessible.").arg(fname), FUNC_ID);

	checkC6bPreamble(in);
	std::uint32_t numStrings = 0;
	readBinary(in, numStrings, "number of header strings");
	std::string str;
	for (std::uint32_t i = 0; i < numStrings; ++i) {
		BVX::read_string_binary(in, str, MAX_HEADER_STRING_LENGTH);
		try {
			applyC6bHeaderString(*this, str);
		}
		catch (BVX::Exception & ex) {
			throw BVX::Exception(ex, BVX::FormatText("Error reading header of climate data file '%1'.").arg(fname), FUNC_ID);
		}
	}
	if (m_city.empty()) {
		BVX::BVX_Message("Missing CITY name.", BVX::MSG_WARNING, FUNC_ID, -1);
		m_city = "---";
	}
	try {
		checkLocation(*this, "header entry LATITUDE", "header entry LONGITUDE", FUNC_ID);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Error reading header of climate data file '%1'.").arg(fname), FUNC_ID);
	}
	if (headerOnly)
		return;

	std::vector<double> data[NumClimateComponents];
	for (unsigned int q = 0; q < NumClimateComponents; ++q) {
		BVX::read_vector_binary(in, data[q], MAX_VECTOR_LENGTH);
		if (q > 0 && data[q].size() != data[0].size())
			throw BVX::Exception(BVX::FormatText("Error reading data file, data vector #%1 has length %2, but should have length %3 as all previous vectors.")
								 .arg(q).arg(data[q].size()).arg(data[0].size()), FUNC_ID);
		for (std::size_t j = 0; j < data[q].size(); ++j) {
			const double v = data[q][j];
			if (std::isfinite(v) && withinPhysicalRange(q, v))
				continue;
			const std::string where = BVX::FormatText("data vector #%1 at index %2 of file '%3'").arg(q).arg(j).arg(fname).str();
			if (!std::isfinite(v))
				throwNonFiniteValue(BVX::FormatText(where), FUNC_ID);
			throwOutOfRange(q, v, where, nullptr, FUNC_ID);
		}
	}
	std::vector<double> timePoints;
	BVX::read_vector_binary(in, timePoints, MAX_VECTOR_LENGTH);
	checkC6bDataLayout(data[0], timePoints);

	for (unsigned int q = 0; q < NumClimateComponents; ++q)
		m_data[q].swap(data[q]);
	m_dataTimePoints.swap(timePoints);
	repairDirectNormalRadiation(fname, std::vector<double>(), FUNC_ID);
}


void ClimateDataLoader::readClimateDataWAC(const std::string & fname, bool headerOnly) {
	const char * const FUNC_ID = "[ClimateDataLoader::readClimateDataWAC]";
	checkInputFile(fname, FUNC_ID);
	std::ifstream in(fname);
	if (!in)
		throw BVX::Exception(BVX::FormatText("Climate data file '%1' does not exist or is not accessible.").arg(fname), FUNC_ID);
	try {
		WACLayout layout = readWACHeader(in, *this);
		checkWACColumns(layout);
		if (headerOnly)
			return;

		std::vector<double> data[NumClimateComponents];
		std::vector<double> timePoints;
		int startYear = m_startYear;
		readWACData(in, layout, data, timePoints, startYear);
		for (unsigned int q = 0; q < NumClimateComponents; ++q)
			m_data[q].swap(data[q]);
		m_dataTimePoints.swap(timePoints);
		m_startYear = startYear;
		convertWACDirectRadiation();
		// the conversion keeps every beam within the clear-sky limit; negative values remain
		repairDirectNormalRadiation(fname, std::vector<double>(), FUNC_ID);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Error reading file '%1'.").arg(fname), FUNC_ID);
	}
}


void ClimateDataLoader::convertWACDirectRadiation() {
	SolarRadiationModel sun;
	placeSun(sun, *this);
	std::vector<double> & direct = m_data[DirectRadiationNormal];
	for (std::size_t j = 0; j < direct.size(); ++j) {
		double t = m_dataTimePoints.empty() ? (j + 1) * 3600.0 : m_dataTimePoints[j];
		double normal = 0;
		sun.convertHorizontalToNormalRadiation(t, direct[j], normal);
		direct[j] = normal;
	}
}


namespace {

/*! Values above a limit by less than this (W/m2) are kept: a value written as the limit
	and read back may differ from it in the last bits. */
const double LIMIT_TOLERANCE = 1e-6;

} // namespace


void ClimateDataLoader::repairDirectNormalRadiation(const std::string & fname, const std::vector<double> & globalHorizontal,
													const char * functionID)
{
	m_repairedHours.clear();
	SolarRadiationModel sun;
	placeSun(sun, *this);
	std::vector<double> & direct = m_data[DirectRadiationNormal];
	std::vector<double> & diffuse = m_data[DiffuseRadiationHorizontal];
	bool fromGlobal = false;
	for (std::size_t j = 0; j < direct.size(); ++j) {
		// the time the reader gives the value, as for the conversion of WAC files
		const double t = m_dataTimePoints.empty() ? (j + 1) * 3600.0 : m_dataTimePoints[j];
		const unsigned int index = static_cast<unsigned int>(j);
		// no radiation is negative: the balance would take heat out of every sunlit surface
		if (j < diffuse.size() && diffuse[j] < 0) {
			m_repairedHours.push_back(RepairedHour{ index, t, diffuse[j], 0, DiffuseRadiationHorizontal });
			diffuse[j] = 0;
		}
		if (direct[j] < 0) {
			m_repairedHours.push_back(RepairedHour{ index, t, direct[j], 0, DirectRadiationNormal });
			direct[j] = 0;
			continue;
		}
		// a beam above what any sky lets through in the hour comes from dividing a small
		// horizontal beam by the sine of an altitude near zero. An hour with the sun below the
		// horizon throughout is left alone: files place the sun a few minutes apart, and the
		// model takes no beam from a sun below the horizon.
		const double limit = sun.beamLimitOfHour(t);
		const bool aboveLimit = limit > 0 && direct[j] > limit + LIMIT_TOLERANCE;
		if (!aboveLimit && !(direct[j] > sun.extraterrestrialRadiation(t)))
			continue;
		double value = 0;
		if (j < globalHorizontal.size() && std::isfinite(globalHorizontal[j])) {
			sun.convertHorizontalToNormalRadiation(t, std::max(0.0, globalHorizontal[j] - diffuse[j]), value);
			fromGlobal = true;
		}
		else
			value = sun.clearSkyNormalRadiation(t);
		m_repairedHours.push_back(RepairedHour{ index, t, direct[j], value, DirectRadiationNormal });
		direct[j] = value;
	}
	if (m_repairedHours.empty())
		return;

	// say what was done: a beam replaced, negative values set to 0, or both
	bool replaced = false;
	bool negative = false;
	for (const RepairedHour & r : m_repairedHours) {
		negative = negative || r.m_fileValue < 0;
		replaced = replaced || r.m_fileValue >= 0;
	}
	std::string done;
	if (replaced)
		done = BVX::FormatText("direct normal radiation above what any sky lets through in its hour replaced by %1")
				.arg(fromGlobal ? "the direct normal radiation of the horizontal beam (global minus diffuse) within the clear-sky limit"
								: "the clear-sky direct normal radiation").str();
	if (negative)
		done += std::string(replaced ? ", " : "") + "negative radiation set to 0";
	std::string text = BVX::FormatText("Climate data file '%1': radiation outside what the sun delivers in %2 hour(s); %3:")
			.arg(fname).arg(m_repairedHours.size()).arg(done).str();
	for (const RepairedHour & r : m_repairedHours)
		text += BVX::FormatText("\n  %1 (value #%2): %3 %4 -> %5 W/m2").arg(hourText(r.m_time)).arg(r.m_index + 1)
				.arg(quantityText(r.m_quantity)).arg(r.m_fileValue, 0, 'g', 6).arg(r.m_value, 0, 'f', 1).str();
	BVX::BVX_Message(text + "\n", BVX::MSG_WARNING, functionID, -1);
}


const char * ClimateDataLoader::quantityText(unsigned int quantity) {
	return quantity == DiffuseRadiationHorizontal ? "diffuse horizontal" : "direct normal";
}


std::string ClimateDataLoader::hourText(double t) {
	static const char * const MONTHS[12] = { "Jan", "Feb", "Mar", "Apr", "May", "Jun",
											 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
	static const unsigned int DAYS_IN_MONTH[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
	// the time 0 closes the previous year, as the last hourly value does
	const double s = BVX::timeOfYear(t);
	const double hours = std::ceil(s / 3600);
	const unsigned int hourOfYear = hours < 1 ? HOURS_PER_YEAR - 1 : static_cast<unsigned int>(hours) - 1;
	unsigned int day = hourOfYear / 24;
	const unsigned int hour = hourOfYear % 24;
	unsigned int month = 0;
	while (day >= DAYS_IN_MONTH[month]) {
		day -= DAYS_IN_MONTH[month];
		++month;
	}
	char buf[32];
	std::snprintf(buf, sizeof(buf), "%u %s %02u:00-%02u:00", day + 1, MONTHS[month], hour, hour + 1);
	return buf;
}


void ClimateDataLoader::setTime(int simulationYear, double t) {
	const char * const FUNC_ID = "[ClimateDataLoader::setTime]";
	// "Climata" is the message as it has always read, kept on purpose
	if (m_city.empty())
		throw BVX::Exception("Climata data loader not properly initialized, at least City property is missing.", FUNC_ID);
	// a negative time would index before the data
	if (!(t >= 0) || !std::isfinite(t))
		throw BVX::Exception(BVX::FormatText("Invalid simulation time %1 s, must be a finite value not below 0.").arg(t), FUNC_ID);

	std::size_t lower = 0;
	std::size_t upper = 0;
	double c = 0; // weight of the lower value
	double splineTime = t;

	if (m_dataTimePoints.empty()) {
		for (unsigned int q = 0; q < NumClimateComponents; ++q) {
			if (m_data[q].size() != HOURS_PER_YEAR)
				throw BVX::Exception(BVX::FormatText("Annual climate data must have %1 hourly values, but data vector #%2 has %3 values.")
									 .arg(HOURS_PER_YEAR).arg(q).arg(m_data[q].size()), FUNC_ID);
		}
		t = BVX::timeOfYear(t);
		splineTime = t;
		if (t < 3600) {
			// the first hour joins the last value of the year to the first one
			lower = HOURS_PER_YEAR - 1;
			upper = 0;
			c = 1 - t / 3600;
		}
		else {
			std::size_t k = static_cast<std::size_t>(std::floor(t / 3600));
			lower = k - 1;
			upper = k;
			c = 1 - (t - 3600.0 * k) / 3600;
		}
	}
	else {
		for (unsigned int q = 0; q < NumClimateComponents; ++q) {
			if (m_data[q].size() != m_dataTimePoints.size())
				throw BVX::Exception("Mismatching sizes of time points vector and data vectors (non-cyclic data).", FUNC_ID);
		}
		double d = (simulationYear - m_startYear) * SECONDS_PER_YEAR + t;
		splineTime = d;
		if (d < m_dataTimePoints.front() || d > m_dataTimePoints.back())
			throw BVX::Exception(BVX::FormatText("Time point out of range of time points vector (%1;%2), data available for interval %3 - %4, start year of simulation %5, start year of climate data %6.")
								 .arg(simulationYear).arg(BVX::Time::format_duration(t))
								 .arg(BVX::Time::format_duration(m_dataTimePoints.front()))
								 .arg(BVX::Time::format_duration(m_dataTimePoints.back()))
								 .arg(simulationYear).arg(m_startYear), FUNC_ID);
		std::size_t k = static_cast<std::size_t>(std::lower_bound(m_dataTimePoints.begin(), m_dataTimePoints.end(), d) - m_dataTimePoints.begin());
		if (k == 0) {
			lower = upper = 0;
			c = 0;
		}
		else {
			lower = k - 1;
			upper = k;
			c = 1 - (d - m_dataTimePoints[k - 1]) / (m_dataTimePoints[k] - m_dataTimePoints[k - 1]);
		}
	}

	for (unsigned int q = 0; q < NumClimateComponents; ++q) {
		if (!m_splines[q].empty())
			m_currentData[q] = m_splines[q].value(splineTime);
		else
			m_currentData[q] = (1 - c) * m_data[q][upper] + c * m_data[q][lower];
	}
}


// *** single-quantity series and cyclic data ***

int ClimateDataLoader::readCCDFile(const std::string & fname, std::vector<double> & timePoints,
								   std::vector<double> & values, std::string & comment,
								   std::string & quantity, int & unitId, std::string & errorLine)
{
	std::ifstream in(fname);
	if (!in)
		return 1;
	BVX::BVX_Message(fname + "\n", BVX::MSG_PROGRESS, "[ClimateDataLoader::readCCDFile]", 2);
	comment.clear();

	std::string line;
	unsigned int lineNr = 0;
	bool haveHeader = false;
	while (!haveHeader && readLine(in, line)) {
		++lineNr;
		if (trimmed(line).empty())
			continue;
		if (line[0] == '#') {
			std::string text = ccdCommentText(line);
			BVX::trim(text, "\r");
			if (!text.empty())
				comment += text + "\n";
			continue;
		}
		std::istringstream strm(line);
		std::string unitName;
		const BVX::UnitData * unit = nullptr;
		if (strm >> quantity >> unitName)
			unit = BVX::UnitList::instance().retrieve(unitName);
		if (unit == nullptr) {
			errorLine = ccdErrorLine(lineNr, line);
			return 2;
		}
		unitId = static_cast<int>(unit->m_index);
		haveHeader = true;
	}
	timePoints.clear();
	values.clear();
	if (!haveHeader) {
		quantity.clear();
		return 0;
	}

	while (readLine(in, line)) {
		++lineNr;
		if (trimmed(line).empty() || line[0] == '#')
			continue;
		long long t = 0;
		double value = 0;
		if (!parseCCDDataLine(line, t, value)) {
			errorLine = ccdErrorLine(lineNr, line);
			return 4;
		}
		if (!timePoints.empty() && static_cast<double>(t) <= timePoints.back()) {
			errorLine = ccdErrorLine(lineNr, line);
			return 3;
		}
		timePoints.push_back(static_cast<double>(t));
		values.push_back(value);
	}
	return 0;
}


int ClimateDataLoader::readCSVTimeSeries(const std::string & fname, std::vector<double> & timePoints,
										 std::vector<double> & values, std::string & quantity,
										 int & unitId, std::string & errorLine)
{
	try {
		if (fname.empty() || !BVX::Path(fname).exists())
			return 1;
		BVX::CSVReader reader;
		reader.m_separationCharacter = '\t';
		try {
			reader.read(BVX::Path(fname));
		}
		catch (BVX::Exception & ex) {
			ex.writeMsgStackToError();
			return 4;
		}
		errorLine.clear();
		if (reader.m_nColumns != 2)
			return 2;

		std::string timeName;
		const BVX::UnitData * timeUnit = nullptr;
		int res = parseCaption(reader.m_captions[0], timeName, timeUnit);
		// the time column must be convertible to seconds
		if (res == 2 || (res == 0 && timeUnit->m_baseIndex != BVX::Unit("s").id()))
			errorLine = reader.m_captions[0];
		if (res != 0 || !errorLine.empty())
			return 2;

		std::string name;
		const BVX::UnitData * valueUnit = nullptr;
		res = parseCaption(reader.m_captions[1], name, valueUnit);
		if (res == 2)
			errorLine = reader.m_captions[1];
		if (res != 0)
			return 2;

		BVX::UnitVector times("time", BVX::Unit(timeUnit->m_index));
		values.clear();
		for (const std::vector<double> & row : reader.m_values) {
			times.m_values.push_back(row[0]);
			values.push_back(row[1]);
		}
		times.convert(BVX::Unit("s"));
		// the table reader keeps "1.#QNAN" as NaN, and a huge time may overflow in seconds
		for (std::size_t i = 0; i < values.size(); ++i) {
			if (!std::isfinite(times.m_values[i]) || !std::isfinite(values[i])) {
				// counted from the caption line, blank lines not counted
				errorLine = BVX::FormatText("#%1: value is not a finite number").arg(i + 2).str();
				return 4;
			}
		}
		timePoints = times.m_values;
		quantity = name;
		unitId = static_cast<int>(valueUnit->m_index);
		return 0;
	}
	catch (BVX::Exception & ex) {
		// never throws: anything unexpected counts as an unreadable file
		ex.writeMsgStackToError();
		return 4;
	}
}


std::string ClimateDataLoader::ccdErrorMessage(int code, const std::string & fname, const std::string & errorLine) {
	switch (code) {
		case 1: return BVX::FormatText("Cannot open file '%1'.").arg(fname).str();
		case 2: return BVX::FormatText("Bad header format in line %1").arg(errorLine).str();
		case 3: return BVX::FormatText("Invalid time point (non monotonic increasing or duplicate time point in line %1").arg(errorLine).str();
		case 4: return BVX::FormatText("Invalid format of line %1").arg(errorLine).str();
		default: return BVX::FormatText("Unknown error in line %1\n(VEZ developers should add error text here!)").arg(errorLine).str();
	}
}


void ClimateDataLoader::checkForValidCyclicData(const std::vector<double> & timePoints) {
	const char * const FUNC_ID = "[ClimateDataLoader::checkForValidCyclicData]";
	if (timePoints.size() < 2)
		throw BVX::Exception("Missing data, at least two time points are required.", FUNC_ID);
	if (timePoints.front() < 0)
		throw BVX::Exception("Time points must not be negative for cyclic use.", FUNC_ID);
	for (std::size_t i = 1; i < timePoints.size(); ++i) {
		if (!(timePoints[i] > timePoints[i - 1]))
			throw BVX::Exception(BVX::FormatText("Time points must be strictly increasing (error at time point #%1).").arg(i), FUNC_ID);
	}
	if (timePoints.back() > SECONDS_PER_YEAR)
		throw BVX::Exception("Time points must not exceed 365 d for cyclic use.", FUNC_ID);
	if (timePoints.front() == 0 && timePoints.back() == SECONDS_PER_YEAR)
		throw BVX::Exception("Must not have time point 0 d and 365 d for cyclic use.", FUNC_ID);
}


double ClimateDataLoader::cyclicValue(const BVX::LinearSpline & spline, double t) {
	if (spline.empty())
		throw BVX::Exception("Cannot evaluate an empty series.", "[ClimateDataLoader::cyclicValue]");
	double x0 = spline.x().front();
	double y0 = spline.y().front();
	double xn = spline.x().back();
	double yn = spline.y().back();
	if (t >= x0 && t <= xn)
		return spline.value(t);
	// outside the data: the gap between the last point and the first one of the next year
	if (t < x0)
		return lineValue(xn - SECONDS_PER_YEAR, yn, x0, y0, t);
	return lineValue(xn, yn, x0 + SECONDS_PER_YEAR, y0, t);
}
