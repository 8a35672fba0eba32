// Zone temperature series: the first byte chooses CCD or tab-separated (TSV), the rest is the file.
#include <cmath>
#include <string>
#include <vector>

#include <CLM_ClimateDataLoader.h>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	static const bool quiet = (FuzzSupport::silenceMessages(), true);
	(void)quiet;
	if (size == 0)
		return 0;
	const bool ccd = (data[0] % 2) == 0;
	const std::string path = FuzzSupport::writeInput(data + 1, size - 1, ccd ? "series.ccd" : "series.tsv");
	std::vector<double> timePoints, values;
	std::string comment, quantity, errorLine;
	int unitId = 0;
	const int res = ccd ? ClimateDataLoader::readCCDFile(path, timePoints, values, comment, quantity, unitId, errorLine)
						: ClimateDataLoader::readCSVTimeSeries(path, timePoints, values, quantity, unitId, errorLine);
	if (res != 0)
		return 0;
	FuzzSupport::require(timePoints.size() == values.size(), "one value per time point");
	for (std::size_t i = 0; i < values.size(); ++i)
		FuzzSupport::require(std::isfinite(timePoints[i]) && std::isfinite(values[i]), "series values are finite");
	return 0;
}
