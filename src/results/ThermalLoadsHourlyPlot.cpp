#include "ThermalLoadsHourlyPlot.h"

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
typedef ThermalLoadSeries::Source Source;

struct CurveDef {
	const char *	m_title;
	QColor			m_color;
	Source			m_source;
};

/*! By curve index. */
const CurveDef CURVES[ThermalLoadsHourlyPlot::NUM_CURVES] = {
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Total heat flux - room-side wall surface"), QColor(255, 0, 0), {Source::RoomSideWalls, 0} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Total heat flux - outer wall surface"), QColor(150, 0, 0), {Source::OuterWalls, 0} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Heat conduction flux through windows"), QColor(255, 140, 0), {Source::RoomFlux, OM::RF_WindowConvection} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Solar gains through windows"), QColor(241, 210, 30), {Source::RoomFlux, OM::RF_WindowRadiation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Mechanical ventilation"), QColor(11, 241, 203), {Source::RoomFlux, OM::RF_MechanicalVentilation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Natural ventilation"), QColor(10, 160, 241), {Source::RoomFlux, OM::RF_NaturalVentilation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Heating"), QColor(166, 15, 241), {Source::RoomFlux, OM::RF_Heating} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Cooling"), QColor(21, 51, 241), {Source::RoomFlux, OM::RF_Cooling} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Energy used to cool supply air"), QColor("#a4e14e"), {Source::RoomFlux, OM::RF_ACEnergy} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Internal gains (occupancy)"), QColor("#a86341"), {Source::RoomFlux, OM::RF_Persons} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Internal gains (equipment)"), QColor("#6f442e"), {Source::RoomFlux, OM::RF_Equipment} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsHourlyPlot", "Energy used for dehumidification in cooling"), QColor("#66ac03"), {Source::RoomFluxTaken, OM::RF_DehumidificationEnergy} },
};

/*! Legend order: the supply air cooling curve follows the internal gains. */
const unsigned int LEGEND_ORDER[ThermalLoadsHourlyPlot::NUM_CURVES] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 8, 11};

} // namespace


ThermalLoadsHourlyPlot::ThermalLoadsHourlyPlot(QWidget * parent) :
	HourlyLoadsPlot(parent, tr("Thermal Loads <small>(hourly samples, gains are positive, losses are negative)</small>"))
{
	setAxisTitle(yLeft, PlotStyle::axisTitle(tr("Heat flow [W]"), 10));
	for (unsigned int c : LEGEND_ORDER)
		addCurve(c, QCoreApplication::translate("ThermalLoadsHourlyPlot", CURVES[c].m_title), CURVES[c].m_color);
	// the outer surfaces repeat what the room side shows with the wall's storage: off by default
	for (unsigned int c = 0; c < NUM_CURVES; ++c)
		connectLegendEntry(m_curves[c], c != OuterWallSurfaces);
	updateUnits();
}


void ThermalLoadsHourlyPlot::updateUnits() {
	if (OutputOptions::heatLoadsPerFloorArea())
		setUnits(tr("Heat flow [W/m2]"), tr("[W/m2]"), "[W/m2]");
	else
		setUnits(tr("Heat flow [W]"), tr("[W]"), "[W]");
}


void ThermalLoadsHourlyPlot::updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	updateUnits();
	PlotCurveWithFramedLegendIcon * dehumidification = m_curves[Dehumidification];
	if (model != nullptr) {
		const bool moisture = model->m_room.m_moistureBalanceEnabled;
		if (moisture && dehumidification->plot() == nullptr) {
			dehumidification->attach(this);
			// the new legend entry: checked and connected, as the curve it stands for
			connectLegendEntry(dehumidification, true);
			replot();
		}
		else if (!moisture && dehumidification->plot() != nullptr) {
			dehumidification->detach();
			replot();
		}
	}
	if (holdsNoOutputs(model, outputs)) {
		hideCurves();
		return;
	}
	applyLegendChecks();

	const std::vector<double> & time = outputs->m_roomStateSeries[OM::RS_Time];
	const ThermalLoadSeries series(*model, *outputs, false);
	const double factor = ThermalLoadSeries::floorAreaFactor(*model);
	m_roomSideFlux = series.values(CURVES[RoomSideWallSurfaces].m_source, time.size());
	m_outerSurfaceFlux = series.values(CURVES[OuterWallSurfaces].m_source, time.size());
	for (unsigned int c = 0; c < NUM_CURVES; ++c) {
		const Source & source = CURVES[c].m_source;
		if (c == RoomSideWallSurfaces || c == OuterWallSurfaces)
			m_curves[c]->setSamples(scaledSamples(time, c == OuterWallSurfaces ? m_outerSurfaceFlux : m_roomSideFlux, factor));
		else if (source.m_kind == Source::RoomFluxTaken)
			m_curves[c]->setSamples(scaledSamples(time, series.values(source, series.length(source)), factor));
		else
			m_curves[c]->setSamples(scaledSamples(time, outputs->m_roomFluxSeries[std::size_t(source.m_flux)], factor));
	}
	fitAxes(30, "ThermalLoadsHourlyPlot::updateResults()",
			"PlotAxis: Min Heat Load = %1 at tidx = %2 of dataset %3.\n",
			"PlotAxis: Max Heat Load = %1 at tidx = %2 of dataset %3.\n");
}
