#include "ProjectSimulation.h"

#include <cmath>

#include <BVX_Exception.h>
#include <CLM_SolarRadiationModel.h>
#include <RM_CaldoryneModelInterface.h>
#include <RM_Climate.h>
#include <RM_Database.h>
#include <RM_Room.h>
#include <VUREDO_SolverControlFramework.h>

std::unique_ptr<RM::CaldoryneModelInterface> simulateProject(const RM::Room & room, const RM::Climate & catalogue,
															 const RM::Database & db, double endTime)
{
	const char * const FUNC_ID = "[simulateProject]";
	std::unique_ptr<RM::CaldoryneModelInterface> model(new RM::CaldoryneModelInterface);
	model->m_room = room;
	if (endTime > 0) {
		model->m_room.m_cyclicTwoYearSimulation = false;
		model->m_room.m_simulationEndTime = endTime;
	}
	model->m_climate = catalogue;
	model->m_climate.m_moistureBalanceEnabled = room.m_moistureBalanceEnabled;
	if (!model->m_climate.loadClimateData(room.m_climateDataPath))
		throw BVX::Exception("Climate data could not be loaded.", FUNC_ID);
	SolarRadiationModel & solar = model->m_climate.m_solarRadiationModel;
	solar.m_latitude = solar.m_climateDataLoader.m_latitude*M_PI/180;
	solar.m_longitude = solar.m_climateDataLoader.m_longitude*M_PI/180;
	model->init(db);
	model->m_room.m_outputTimeSteps = 3600;

	VUREDO::SolverControlFramework framework;
	framework.setModel(model.get());
	framework.setOutputScheduler(model.get());
	framework.restart(0);
	model->m_outputManager.m_resultsPresent = true;
	return model;
}
