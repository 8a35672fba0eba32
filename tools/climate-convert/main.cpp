// climate-convert: EnergyPlus weather file (.epw) -> binary climate record file (.c6b).
//
// The EPW file is read with the climate library's own reader, which repairs every hour whose
// direct normal radiation exceeds what any sky lets through, and negative radiation; the
// repaired hours are listed as table rows. Header fields can be overridden on the command line. The written
// file is read back and compared with the source data, so a converted file is known to load
// and to need no repair.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_Math.h>
#include <BVX_StringUtils.h>

#include <CLM_ClimateDataLoader.h>
#include <CLM_SolarRadiationModel.h>

#include <QtExt_WholeFileWriter.h>
#include <BVX_ProgramStart.h>

namespace {

const char * const USAGE =
	"Usage: climate-convert INPUT.epw OUTPUT.c6b [--city NAME] [--country NAME] [--source TEXT]\n"
	"                       [--wmo CODE] [--comment TEXT]\n"
	"Converts an EnergyPlus weather file into a c6b climate data file and verifies the result.\n"
	"A comment given on the command line replaces the EPW comments; \"\\n\" in it starts a new line.\n";

struct Options {
	std::string m_input;
	std::string m_output;
	// overrides; empty means "take from the EPW file"
	std::string m_city;
	std::string m_country;
	std::string m_source;
	std::string m_wmo;
	std::string m_comment;
	bool		m_hasComment = false;
};

bool parseArgs(int argc, char * argv[], Options & opts) {
	std::vector<std::string> positional;
	for (int i = 1; i < argc; ++i) {
		std::string a = argv[i];
		std::string * target = nullptr;
		if (a == "--city")			target = &opts.m_city;
		else if (a == "--country")	target = &opts.m_country;
		else if (a == "--source")	target = &opts.m_source;
		else if (a == "--wmo")		target = &opts.m_wmo;
		else if (a == "--comment")	{ target = &opts.m_comment; opts.m_hasComment = true; }
		else if (a.size() > 1 && a[0] == '-') {
			std::cerr << "Unknown option '" << a << "'.\n";
			return false;
		}
		else {
			positional.push_back(a);
			continue;
		}
		if (i + 1 >= argc) {
			std::cerr << "Missing value of option '" << a << "'.\n";
			return false;
		}
		*target = argv[++i];
	}
	if (positional.size() != 2)
		return false;
	opts.m_input = positional[0];
	opts.m_output = positional[1];
	opts.m_comment = BVX::replace_string(opts.m_comment, "\\n", "\n", BVX::REPLACE_ALL);
	return true;
}

/*! Header strings are split at '=', so a value must not contain one. */
std::string headerValue(const std::string & key, std::string value) {
	if (value.find('=') != std::string::npos) {
		std::cerr << "Warning: '=' in the value of " << key << " replaced by ':'.\n";
		value = BVX::replace_string(value, "=", ":", BVX::REPLACE_ALL);
	}
	return value;
}

std::string numberText(double v, int precision) {
	std::ostringstream strm;
	strm.precision(precision);
	strm << v;
	return strm.str();
}

void writeUInt32(std::ostream & out, std::uint32_t v) {
	out.write(reinterpret_cast<const char *>(&v), sizeof(v));
}

void writeString(std::ostream & out, const std::string & s) {
	writeUInt32(out, static_cast<std::uint32_t>(s.size()));
	out.write(s.data(), static_cast<std::streamsize>(s.size()));
}

void writeVector(std::ostream & out, const std::vector<double> & v) {
	writeUInt32(out, static_cast<std::uint32_t>(v.size()));
	out.write(reinterpret_cast<const char *>(v.data()), static_cast<std::streamsize>(v.size() * sizeof(double)));
}

std::vector<std::string> headerStrings(const ClimateDataLoader & c) {
	std::vector<std::string> h;
	h.push_back("CITY=" + headerValue("CITY", c.m_city));
	h.push_back("COUNTRY=" + headerValue("COUNTRY", c.m_country));
	h.push_back("WMO=" + headerValue("WMO", c.m_wmoCode));
	h.push_back("SOURCE=" + headerValue("SOURCE", c.m_source));
	h.push_back("TIMEZONE=" + std::to_string(c.m_timeZone));
	h.push_back("LATITUDE=" + numberText(c.m_latitude, 10));
	h.push_back("LONGITUDE=" + numberText(c.m_longitude, 10));
	h.push_back("ELEVATION=" + std::to_string(static_cast<long>(std::lround(c.m_elevation))));
	h.push_back("STARTYEAR=" + std::to_string(c.m_startYear));
	h.push_back("COMMENT=" + headerValue("COMMENT", c.m_comment));
	return h;
}

void writeC6b(const std::string & fname, const ClimateDataLoader & c) {
	// composed in memory and written whole: a full disk leaves no cut file that reads as climate data
	std::ostringstream out(std::ios::binary);
	out.write("CLDF", 4);
	out.write("RLZ!", 4);
	const char version[4] = { 1, 0, 0, 0 };
	out.write(version, 4);
	writeUInt32(out, 0);
	std::vector<std::string> header = headerStrings(c);
	writeUInt32(out, static_cast<std::uint32_t>(header.size()));
	for (const std::string & s : header) {
		if (s.size() > 2000)
			throw BVX::Exception("Header string longer than 2000 bytes: " + s.substr(0, 40) + "...", "[climate-convert]");
		writeString(out, s);
	}
	for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q)
		writeVector(out, c.m_data[q]);
	writeVector(out, c.m_dataTimePoints);
	const std::string bytes = out.str();
	QString reason;
	if (!QtExt::WholeFileWriter::writeFile(QString::fromStdString(fname),
										   QByteArray(bytes.data(), static_cast<int>(bytes.size())), &reason))
		throw BVX::Exception("Error writing output file '" + fname + "': " + reason.toStdString() + ".", "[climate-convert]");
}

/*! Reads the written file back and compares every field with the source. */
bool verify(const std::string & fname, const ClimateDataLoader & src) {
	ClimateDataLoader back;
	back.readClimateData(fname, false);
	bool ok = back.m_city == src.m_city && back.m_country == src.m_country && back.m_wmoCode == src.m_wmoCode &&
			  back.m_source == src.m_source && back.m_timeZone == src.m_timeZone &&
			  std::fabs(back.m_latitude - src.m_latitude) < 1e-9 && std::fabs(back.m_longitude - src.m_longitude) < 1e-9 &&
			  std::fabs(back.m_elevation - std::lround(src.m_elevation)) < 1e-9 &&
			  back.m_comment == BVX::replace_string(src.m_comment, "=", ":", BVX::REPLACE_ALL) &&
			  back.m_dataTimePoints == src.m_dataTimePoints;
	if (!ok)
		std::cerr << "Header read back differs from the source.\n";
	if (!back.m_repairedHours.empty()) {
		std::cerr << "The written file still holds radiation outside what the sun delivers.\n";
		ok = false;
	}
	for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q) {
		if (back.m_data[q] != src.m_data[q]) {
			std::cerr << "Data vector #" << q << " read back differs from the source.\n";
			ok = false;
		}
	}
	return ok;
}

/*! The repaired hours as rows of a Markdown table: hour, EPW data line, quantity, value of
	the file, the most any sky lets through in the hour (direct normal only), value written. */
void printRepairedHours(const ClimateDataLoader & c) {
	std::cout << "Repaired hours (direct normal radiation above what any sky lets through, negative radiation): "
			  << c.m_repairedHours.size() << "\n";
	if (c.m_repairedHours.empty())
		return;
	SolarRadiationModel sun;
	sun.m_climateDataLoader.m_timeZone = c.m_timeZone;
	sun.m_latitude = c.m_latitude * BVX::DEG_TO_RAD;
	sun.m_longitude = c.m_longitude * BVX::DEG_TO_RAD;
	std::cout << "| Hour | Data line | Quantity | In the file [W/m2] | Limit of the hour [W/m2] | Written [W/m2] |\n"
			  << "| --- | --- | --- | --- | --- | --- |\n";
	for (const ClimateDataLoader::RepairedHour & r : c.m_repairedHours) {
		const bool beam = r.m_quantity == ClimateDataLoader::DirectRadiationNormal && r.m_fileValue > 0;
		std::cout << "| " << ClimateDataLoader::hourText(r.m_time) << " | " << r.m_index + 1 << " | "
				  << ClimateDataLoader::quantityText(r.m_quantity) << " | " << numberText(r.m_fileValue, 6) << " | "
				  << (beam ? std::to_string(std::lround(sun.beamLimitOfHour(r.m_time))) : std::string("0")) << " | "
				  << BVX::FormatText("%1").arg(r.m_value, 0, 'f', 1).str() << " |\n";
	}
}

} // namespace


int main(int argc, char * argv[]) {
	BVX::ProgramStart::prepareProcess();
	Options opts;
	if (!parseArgs(argc, argv, opts)) {
		std::cerr << USAGE;
		return 2;
	}
	try {
		ClimateDataLoader c;
		c.readClimateDataEPW(opts.m_input, false);
		if (!opts.m_city.empty())		c.m_city = opts.m_city;
		if (!opts.m_country.empty())	c.m_country = opts.m_country;
		if (!opts.m_source.empty())		c.m_source = opts.m_source;
		if (!opts.m_wmo.empty())		c.m_wmoCode = opts.m_wmo;
		if (opts.m_hasComment)			c.m_comment = opts.m_comment;

		writeC6b(opts.m_output, c);
		if (!verify(opts.m_output, c)) {
			std::cerr << "Verification of '" << opts.m_output << "' failed.\n";
			return 1;
		}
		printRepairedHours(c);
		std::cout << "Wrote '" << opts.m_output << "' (" << c.m_city << ", " << c.m_country << "), "
				  << c.m_data[0].size() << " hourly values per quantity, verified.\n";
	}
	catch (BVX::Exception & ex) {
		std::cerr << ex.msgStack() << "\n";
		return 1;
	}
	return 0;
}
