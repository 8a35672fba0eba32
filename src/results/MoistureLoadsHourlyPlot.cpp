#include "MoistureLoadsHourlyPlot.h"

#include <algorithm>

#include <QCoreApplication>

#include <RM_CaldoryneModel.h>
#include <RM_OutputManager.h>

#include "OutputOptions.h"
#include "PlotCurveWithFramedLegendIcon.h"
#include "PlotStyle.h"
#include "ResultsAvailability.h"
#include "ThermalLoadSeries.h"

namespace {

typedef RM::OutputManager OM;

struct CurveDef {
	const char *	m_title;
	QColor			m_color;
	OM::RoomFlux	m_flux;
};

/*! By curve index; all fluxes in kg/s. */
const CurveDef CURVES[MoistureLoadsHourlyPlot::NUM_CURVES] = {
	{ QT_TRANSLATE_NOOP("MoistureLoadsHourlyPlot", "Total vapor flux - surface"), QColor("#020269"), OM::RF_WallVaporFlow },
	{ QT_TRANSLATE_NOOP("MoistureLoadsHourlyPlot", "Moisture loads - mechanical ventilation"), QColor(11, 241, 203), OM::RF_MechanicalVentilationMoisture },
	{ QT_TRANSLATE_NOOP("MoistureLoadsHourlyPlot", "Moisture loads - natural ventilation"), QColor(10, 160, 241), OM::RF_NaturalVentilationMoisture },
	{ QT_TRANSLATE_NOOP("MoistureLoadsHourlyPlot", "Moisture loads - inner loads (occupancy)"), QColor("#a86341"), OM::RF_MoistureSource },
	{ QT_TRANSLATE_NOOP("MoistureLoadsHourlyPlot", "Dehumidification load due to cooling"), QColor("#66ac03"), OM::RF_Dehumidification },
};

/*! kg/s to g/h. */
const double GRAMS_PER_HOUR = 3600000;

} // namespace


MoistureLoadsHourlyPlot::MoistureLoadsHourlyPlot(QWidget * parent) :
	HourlyLoadsPlot(parent, tr("Moisture loads <small>(hourly samples, sources to room are positive, losses to ambient are negative)</small>"))
{
	setAxisTitle(yLeft, PlotStyle::axisTitle(tr("Moisture load [g/h]"), 10));
	for (unsigned int c = 0; c < NUM_CURVES; ++c)
		addCurve(c, QCoreApplication::translate("MoistureLoadsHourlyPlot", CURVES[c].m_title), CURVES[c].m_color);
	for (unsigned int c = 0; c < NUM_CURVES; ++c)
		connectLegendEntry(m_curves[c], true);
	updateUnits();
}


void MoistureLoadsHourlyPlot::updateUnits() {
	if (OutputOptions::heatLoadsPerFloorArea())
		setUnits(tr("Moisture load [g/m2h]"), tr("[g/m2h]"), "[g/m2h]");
	else
		setUnits(tr("Moisture load [g/h]"), tr("[g/h]"), "[g/h]");
}


void MoistureLoadsHourlyPlot::updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	updateUnits();
	if (holdsNoOutputs(model, outputs)) {
		hideCurves();
		return;
	}
	applyLegendChecks();
	const std::vector<double> & time = outputs->m_roomStateSeries[OM::RS_Time];
	const double factor = ThermalLoadSeries::floorAreaFactor(*model)*GRAMS_PER_HOUR;
	for (unsigned int c = 0; c < NUM_CURVES; ++c) {
		const std::vector<double> & y = outputs->m_roomFluxSeries[CURVES[c].m_flux];
		m_curves[c]->setSamples(scaledSamples(time, y, factor));
	}
	fitAxes(1, "[MoistureLoadsHourlyPlot::updateResults]",
			"PlotAxis: Min moisture load = %1 at tidx = %2 of dataset %3.\n",
			"PlotAxis: Max moisture load = %1 at tidx = %2 of dataset %3.\n");
}
