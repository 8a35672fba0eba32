// EPW files of a full year. The reader needs all 8760 data lines, far more than a fuzzer
// makes up, so the input is not the file but a list of edits to a plausible full-year
// skeleton: location fields, single fields of any hour (numbers, large beams, empty fields,
// missing-value markers, text), cut and missing lines. After each read that succeeds:
// every value is finite, the location lies on earth, temperature, humidity, wind speed and
// pressure are values air can have, every direct normal value lies within the extraterrestrial irradiance,
// only negative values and beams above what any sky lets through in their hour are replaced,
// and the data interpolate at any time.
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <BVX_Math.h>
#include <BVX_Exception.h>

#include <CLM_ClimateDataLoader.h>
#include <CLM_SolarRadiationModel.h>

#include "FuzzSupport.h"

namespace {

const unsigned int HOURS = ClimateDataLoader::HOURS_PER_YEAR;
const unsigned int FIELDS = 35;
const unsigned int DIRECT_NORMAL_FIELD = 14;

typedef std::array<std::string, FIELDS> Line;

const int DAYS_IN_MONTH[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };

/*! The data line of an hour of the year (0-based): a clear day with sun from 7 to 17 h. */
Line skeletonLine(unsigned int h) {
	int day = static_cast<int>(h / 24);
	int month = 0;
	while (day >= DAYS_IN_MONTH[month])
		day -= DAYS_IN_MONTH[month++];
	const int hour = static_cast<int>(h % 24) + 1;
	const bool sun = hour >= 8 && hour <= 17;
	const double temperature = 10 + 8*std::sin(2*M_PI*(h/8760.0 - 0.3)) + (sun ? 4 : 0);
	Line l;
	const std::string values[FIELDS] = {
		"2035", std::to_string(month + 1), std::to_string(day + 1), std::to_string(hour), "60", "A7A7A7A7*0?0?0?0?0?0?0A7A7A7A7A7A7A7*0*0*0",
		std::to_string(temperature), std::to_string(temperature - 5), "70", "101325",
		sun ? "900" : "0", sun ? "1360" : "0", "300",
		sun ? "450" : "0", sun ? "500" : "0", sun ? "120" : "0",
		"0", "0", "0", "0", "180", "3.5", "5", "3", "20", "77777", "9", "999999999", "0", "0.1", "0", "88", "0", "0", "0"
	};
	for (unsigned int i = 0; i < FIELDS; ++i)
		l[i] = values[i];
	return l;
}

std::string join(const Line & l, unsigned int count) {
	std::string s;
	for (unsigned int i = 0; i < count && i < FIELDS; ++i) {
		if (i > 0)
			s += ',';
		s += l[i];
	}
	return s;
}

const std::vector<std::string> & skeleton() {
	static const std::vector<std::string> lines = [] {
		std::vector<std::string> v;
		for (unsigned int h = 0; h < HOURS; ++h)
			v.push_back(join(skeletonLine(h), FIELDS));
		return v;
	}();
	return lines;
}

/*! The edits an input stands for, applied to the skeleton. */
struct Year {
	std::array<std::string, 10>			m_location{ { "LOCATION", "Potsdam", "BB", "DEU", "TRY2035", "103790",
													  "52.38", "13.06", "1.0", "81.0" } };
	std::map<unsigned int, Line>		m_lines;		///< edited hours
	std::map<unsigned int, unsigned int> m_cut;			///< hour -> number of fields kept
	std::map<unsigned int, bool>		m_dropped;

	Line & line(unsigned int h) {
		auto it = m_lines.find(h);
		if (it == m_lines.end())
			it = m_lines.emplace(h, skeletonLine(h)).first;
		return it->second;
	}
};

std::string number(double v) {
	char buf[32];
	std::snprintf(buf, sizeof(buf), "%g", v);
	return buf;
}

/*! Each edit: hour (2 bytes), field, kind, value (2 bytes, signed). */
void applyEdits(const std::uint8_t * data, std::size_t size, Year & year) {
	static const char * const MARKERS[] = { "9999", "99999", "999999", "9999.", "999900" };
	static const char * const TEXTS[] = { "x", "nan", "inf", "1e400", "-0", " 12 ", "1,5", "", "+", "0x10" };
	for (std::size_t p = 0; p + 6 <= size; p += 6) {
		const unsigned int hour = (data[p] | (data[p + 1] << 8)) % HOURS;
		const unsigned int field = data[p + 2] % FIELDS;
		const unsigned int kind = data[p + 3] % 8;
		const int value = static_cast<std::int16_t>(data[p + 4] | (data[p + 5] << 8));
		switch (kind) {
			case 0: year.line(hour)[field] = number(value/10.0); break;
			// a beam: the direct normal field, often far above the extraterrestrial irradiance
			case 1: year.line(hour)[DIRECT_NORMAL_FIELD] = number(value < 0 ? -value*0.5 : value*0.1); break;
			case 2: year.line(hour)[field] = ""; break;
			case 3: year.line(hour)[field] = MARKERS[static_cast<unsigned int>(value & 0x7fff) % 5]; break;
			case 4: year.line(hour)[field] = TEXTS[static_cast<unsigned int>(value & 0x7fff) % 10]; break;
			case 5: year.m_cut[hour] = static_cast<unsigned int>(value & 0x7fff) % FIELDS; break;
			case 6: year.m_dropped[hour] = true; break;
			case 7: year.m_location[6 + field % 4] = number(value/100.0); break;
		}
	}
}

std::string writeYear(const Year & year) {
	const std::string path = FuzzSupport::workDir() + "/year.epw";
	std::ofstream out(path, std::ios::binary | std::ios::trunc);
	for (unsigned int i = 0; i < 10; ++i)
		out << (i > 0 ? "," : "") << year.m_location[i];
	out << "\nDESIGN CONDITIONS,0\nTYPICAL/EXTREME PERIODS,0\nGROUND TEMPERATURES,0\n"
		   "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\nCOMMENTS 1,skeleton\nCOMMENTS 2,\nDATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n";
	const std::vector<std::string> & lines = skeleton();
	for (unsigned int h = 0; h < HOURS; ++h) {
		if (year.m_dropped.count(h) != 0)
			continue;
		const auto edited = year.m_lines.find(h);
		const auto cut = year.m_cut.find(h);
		if (cut != year.m_cut.end())
			out << join(edited != year.m_lines.end() ? edited->second : skeletonLine(h), cut->second) << '\n';
		else if (edited != year.m_lines.end())
			out << join(edited->second, FIELDS) << '\n';
		else
			out << lines[h] << '\n';
	}
	return path;
}

void checkRead(ClimateDataLoader & loader) {
	for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q) {
		FuzzSupport::require(loader.m_data[q].size() == HOURS, "a full year of values");
		for (double v : loader.m_data[q])
			FuzzSupport::require(std::isfinite(v), "values are finite");
	}
	FuzzSupport::require(loader.m_latitude >= -90 && loader.m_latitude <= 90 && loader.m_longitude >= -180
						 && loader.m_longitude <= 360, "a location on earth");
	for (unsigned int j = 0; j < HOURS; ++j) {
		const double t = loader.m_data[ClimateDataLoader::Temperature][j];
		const double rh = loader.m_data[ClimateDataLoader::RelativeHumidity][j];
		FuzzSupport::require(t >= -100 && t <= 70 && rh >= 0 && rh <= 100 && loader.m_data[ClimateDataLoader::WindVelocity][j] >= 0
							 && loader.m_data[ClimateDataLoader::AirPressure][j] >= 0, "values air can have");
	}
	SolarRadiationModel sun;
	sun.m_latitude = loader.m_latitude * BVX::DEG_TO_RAD;
	sun.m_longitude = loader.m_longitude * BVX::DEG_TO_RAD;
	sun.m_climateDataLoader.m_timeZone = loader.m_timeZone;
	const std::vector<double> & direct = loader.m_data[ClimateDataLoader::DirectRadiationNormal];
	for (unsigned int j = 0; j < HOURS; ++j)
		FuzzSupport::require(!(direct[j] > sun.extraterrestrialRadiation((j + 1)*3600.0)),
							 "direct normal radiation within the extraterrestrial irradiance");
	const std::vector<double> & diffuse = loader.m_data[ClimateDataLoader::DiffuseRadiationHorizontal];
	for (const ClimateDataLoader::RepairedHour & r : loader.m_repairedHours) {
		FuzzSupport::require(r.m_index < HOURS, "a replaced hour of the year");
		const bool isDirect = r.m_quantity == ClimateDataLoader::DirectRadiationNormal;
		if (r.m_fileValue < 0)
			FuzzSupport::require(r.m_value == 0, "negative radiation reads as 0");
		else
			FuzzSupport::require(isDirect && (r.m_fileValue > sun.extraterrestrialRadiation(r.m_time)
											  || r.m_fileValue > sun.beamLimitOfHour(r.m_time)),
								 "only beams above what any sky lets through are replaced");
		FuzzSupport::require(r.m_value >= 0 && r.m_value == (isDirect ? direct : diffuse)[r.m_index],
							 "a replaced value is the one read");
	}
	try {
		const int y = loader.m_startYear;
		for (double t : { 0.0, 1800.0, 3600.0, 4e6, 31535000.0 }) {
			loader.setTime(y, t);
			for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q)
				FuzzSupport::require(std::isfinite(loader.currentValue(q)), "interpolated values are finite");
		}
	}
	catch (BVX::Exception &) {
	}
}

} // namespace


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	static const bool quiet = (FuzzSupport::silenceMessages(), true);
	(void)quiet;
	Year year;
	applyEdits(data, size, year);
	const std::string path = writeYear(year);
	ClimateDataLoader loader;
	try {
		loader.readClimateData(path);
	}
	catch (BVX::Exception &) {
		return 0;
	}
	checkRead(loader);
	return 0;
}
