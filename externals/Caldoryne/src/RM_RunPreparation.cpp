#include "RM_RunPreparation.h"

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_Math.h>

#include "RM_CaldoryneModelInterface.h"
#include "RM_Climate.h"
#include "RM_DIN4108_2Assessment.h"
#include "RM_Room.h"

namespace RM {

namespace {

/*! Output step of a run in s: hourly values, as the result files and the evaluations expect. */
const double OUTPUT_STEP = 3600;

} // namespace


std::unique_ptr<CaldoryneModelInterface> prepareRun(const Room & room, const Climate & climateDirectory,
													const Database & db)
{
	std::unique_ptr<CaldoryneModelInterface> model(new CaldoryneModelInterface);
	prepareRun(*model, room, climateDirectory, db);
	return model;
}


void prepareRun(CaldoryneModelInterface & model, const Room & room, const Climate & climateDirectory,
				const Database & db)
{
	const char * const FUNC_ID = "[RM::prepareRun]";
	// a value above its limit would be applied by the rules and pass the proof
	if (room.m_din4108_2Assessment.m_active)
		room.m_din4108_2Assessment.checkVentilationLimits();
	model.m_room = room;
	model.m_climate = climateDirectory;
	Climate & climate = model.m_climate;
	climate.m_moistureBalanceEnabled = room.m_moistureBalanceEnabled;

	const QString & climateFile = room.m_climateDataPath;
	if (!climateDirectory.climateDataFiles().contains(climateFile))
		throw BVX::Exception(BVX::FormatText("Missing climate data for location '%1'.").arg(climateFile.toStdString()), FUNC_ID);
	// "Climata" is the message as it has always read, kept on purpose
	if (!climate.loadClimateData(climateFile))
		throw BVX::Exception("Climata data initialization failed.", FUNC_ID);

	SolarRadiationModel & solar = climate.m_solarRadiationModel;
	solar.m_latitude = solar.m_climateDataLoader.m_latitude*BVX::DEG_TO_RAD;
	solar.m_longitude = solar.m_climateDataLoader.m_longitude*BVX::DEG_TO_RAD;

	model.init(db);
	model.m_outputManager.m_resultsPresent = false;
	model.m_room.m_outputTimeSteps = OUTPUT_STEP;
}

} // namespace RM
