#include "OutputOptions.h"
#include <RM_ProgramIdentity.h>

#include <QSettings>

namespace {

const char * const HEAT_LOADS_PER_FLOOR_AREA = "OutputHeatLoadsPerFloorArea";
const char * const EN_PLOT_WITHOUT_OCCUPANCY = "OutputENPlotWithoutOccupancy";

bool readFlag(const char * key) {
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	return settings.value(key, false).toBool();
}

void writeFlag(const char * key, bool on) {
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	settings.setValue(key, on);
}

} // namespace


bool OutputOptions::heatLoadsPerFloorArea() {
	return readFlag(HEAT_LOADS_PER_FLOOR_AREA);
}


void OutputOptions::setHeatLoadsPerFloorArea(bool on) {
	writeFlag(HEAT_LOADS_PER_FLOOR_AREA, on);
}


bool OutputOptions::enPlotWithoutOccupancy() {
	return readFlag(EN_PLOT_WITHOUT_OCCUPANCY);
}


void OutputOptions::setENPlotWithoutOccupancy(bool on) {
	writeFlag(EN_PLOT_WITHOUT_OCCUPANCY, on);
}
