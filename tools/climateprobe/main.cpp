// climateprobe: loads a climate data file and prints its header, the hours whose radiation
// was repaired on reading, the climate values at a time, the sun position
// and the radiation on given surfaces.

#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include <BVX_Exception.h>
#include <BVX_Math.h>

#include <CLM_ClimateDataLoader.h>
#include <CLM_SolarRadiationModel.h>
#include <BVX_ProgramStart.h>

namespace {

const char * const USAGE =
	"Usage: climateprobe FILE [--header-only] [--t SECONDS] [--surface ORIENTATION INCLINATION]...\n"
	"  FILE         climate data file (.c6b, .epw, .wac)\n"
	"  --header-only  read and print only the location header\n"
	"  --t SECONDS  time since the start of the year, local standard time (default 0)\n"
	"  --surface    orientation (deg, 0 north, 90 east, 180 south) and inclination\n"
	"               (deg, 0 horizontal, 90 vertical); may be repeated\n";


struct Options {
	std::string	m_file;
	bool		m_headerOnly = false;
	double		m_t = 0;
	std::vector<std::pair<double, double> > m_surfaces; // degrees
};

bool toDouble(const char * text, double & value) {
	char * end = nullptr;
	value = std::strtod(text, &end);
	return end != text && *end == '\0';
}

bool parseArgs(int argc, char * argv[], Options & opts) {
	for (int i = 1; i < argc; ++i) {
		std::string a = argv[i];
		if (a == "--header-only")
			opts.m_headerOnly = true;
		else if (a == "--t") {
			if (i + 1 >= argc || !toDouble(argv[++i], opts.m_t))
				return false;
		}
		else if (a == "--surface") {
			double orientation = 0, inclination = 0;
			if (i + 2 >= argc || !toDouble(argv[i + 1], orientation) || !toDouble(argv[i + 2], inclination))
				return false;
			opts.m_surfaces.emplace_back(orientation, inclination);
			i += 2;
		}
		else if (a.size() > 1 && a[0] == '-')
			return false;
		else if (opts.m_file.empty())
			opts.m_file = a;
		else
			return false;
	}
	return !opts.m_file.empty();
}

void printHeader(const ClimateDataLoader & c) {
	std::cout << "City:       " << c.m_city << "\n"
			  << "Country:    " << c.m_country << "\n"
			  << "WMO:        " << c.m_wmoCode << "\n"
			  << "Source:     " << c.m_source << "\n"
			  << "Latitude:   " << c.m_latitude << " deg\n"
			  << "Longitude:  " << c.m_longitude << " deg\n"
			  << "Elevation:  " << c.m_elevation << " m\n"
			  << "Time zone:  " << c.m_timeZone << " h\n"
			  << "Start year: " << c.m_startYear << "\n"
			  << "Comment:    " << c.m_comment << "\n";
}

void printRepairedHours(const ClimateDataLoader & c) {
	std::cout << "Repaired hours (direct normal radiation above what any sky lets through, negative radiation): "
			  << c.m_repairedHours.size() << "\n";
	for (const ClimateDataLoader::RepairedHour & r : c.m_repairedHours)
		std::cout << "  " << ClimateDataLoader::hourText(r.m_time) << " (value #" << r.m_index + 1 << "): "
				  << ClimateDataLoader::quantityText(r.m_quantity) << " "
				  << r.m_fileValue << " -> " << std::fixed << std::setprecision(1) << r.m_value
				  << std::defaultfloat << std::setprecision(6) << " W/m2\n";
}

void printClimate(const ClimateDataLoader & c) {
	static const char * const NAMES[ClimateDataLoader::NumClimateComponents] = {
		"Air temperature [C]", "Relative humidity [%]", "Direct normal radiation [W/m2]",
		"Diffuse horizontal radiation [W/m2]", "Wind direction [Deg]", "Wind speed [m/s]",
		"Long-wave counter radiation [W/m2]", "Air pressure [Pa]", "Rain [l/m2h]"
	};
	std::cout << "Data: " << c.m_data[0].size() << " values per quantity, "
			  << (c.m_dataTimePoints.empty() ? "annual hourly data" : "time-stamped data") << "\n";
	for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q)
		std::cout << "  " << std::left << std::setw(38) << NAMES[q] << std::right << std::setw(12) << c.m_currentData[q] << "\n";
}

void printSun(const SolarRadiationModel & sun) {
	std::cout << "Solar time:          " << sun.m_solarTime << " s (day " << sun.m_solarTime / 86400 << ")\n"
			  << "Apparent solar time: " << sun.m_apparentSolarTime << " s (day " << sun.m_apparentSolarTime / 86400 << ")\n"
			  << "Sun altitude:        " << sun.m_sunAltitude * BVX::RAD_TO_DEG_SUN << " deg\n"
			  << "Sun azimuth:         " << sun.m_sunAzimuth * BVX::RAD_TO_DEG_SUN << " deg\n"
			  << "Declination:         " << sun.m_declination * BVX::RAD_TO_DEG_SUN << " deg\n";
}

int run(const Options & opts) {
	SolarRadiationModel sun;
	ClimateDataLoader & c = sun.m_climateDataLoader;
	c.readClimateData(opts.m_file, opts.m_headerOnly);
	printHeader(c);
	if (opts.m_headerOnly)
		return 0;

	printRepairedHours(c);
	sun.m_latitude = c.m_latitude * BVX::DEG_TO_RAD;
	sun.m_longitude = c.m_longitude * BVX::DEG_TO_RAD;
	std::vector<unsigned int> ids;
	for (const auto & s : opts.m_surfaces)
		ids.push_back(sun.addSurface(s.first * BVX::DEG_TO_RAD, s.second * BVX::DEG_TO_RAD));

	sun.setTime(c.m_startYear, opts.m_t);
	std::cout << "\nTime: " << opts.m_t << " s (day " << opts.m_t / 86400 << ")\n";
	printClimate(c);
	printSun(sun);
	for (unsigned int i = 0; i < ids.size(); ++i) {
		double direct = 0, diffuse = 0, angle = 0;
		sun.radiationLoad(ids[i], direct, diffuse, angle);
		std::cout << "Surface " << opts.m_surfaces[i].first << "/" << opts.m_surfaces[i].second << " deg: "
				  << "direct " << direct << " W/m2, diffuse " << diffuse << " W/m2, incidence angle "
				  << angle * BVX::RAD_TO_DEG_SUN << " deg\n";
	}
	return 0;
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
		return run(opts);
	}
	catch (BVX::Exception & ex) {
		std::cerr << ex.msgStack() << "\n";
		return 1;
	}
}
