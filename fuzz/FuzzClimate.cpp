// Climate data files; CLIMATE_EXTENSION ("c6b", "epw" or "wac") chooses the reader.
// A file that reads without error lies on earth, holds only values air can have and must
// interpolate at any time of the year.
#include <cmath>

#include <BVX_Exception.h>

#include <CLM_ClimateDataLoader.h>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	static const bool quiet = (FuzzSupport::silenceMessages(), true);
	(void)quiet;
	const std::string path = FuzzSupport::writeInput(data, size, "climate." CLIMATE_EXTENSION);
	ClimateDataLoader header;
	try {
		header.readClimateData(path, true);
		FuzzSupport::require(header.m_timeZone >= -12 && header.m_timeZone <= 14, "time zone within -12..14 h");
		FuzzSupport::require(header.m_latitude >= -90 && header.m_latitude <= 90, "latitude within -90..90 Deg");
		FuzzSupport::require(header.m_longitude >= -180 && header.m_longitude <= 360, "longitude within -180..360 Deg");
	}
	catch (BVX::Exception &) {
	}
	ClimateDataLoader loader;
	try {
		loader.readClimateData(path);
		for (double v : loader.m_data[ClimateDataLoader::Temperature])
			FuzzSupport::require(v >= -100 && v <= 70, "temperature within -100..70 C");
		for (double v : loader.m_data[ClimateDataLoader::RelativeHumidity])
			FuzzSupport::require(v >= 0 && v <= 100, "relative humidity within 0..100 %");
		for (unsigned int q : { ClimateDataLoader::WindVelocity, ClimateDataLoader::AirPressure })
			for (double v : loader.m_data[q])
				FuzzSupport::require(v >= 0, "wind speed and pressure not below 0");
		const int year = loader.m_startYear;
		for (double t : { 0.0, 1800.0, 3600.0, 4e6, 31535000.0 }) {
			loader.setTime(year, t);
			for (unsigned int q = 0; q < ClimateDataLoader::NumClimateComponents; ++q)
				FuzzSupport::require(std::isfinite(loader.currentValue(q)), "climate values are finite");
		}
	}
	catch (BVX::Exception &) {
	}
	return 0;
}
