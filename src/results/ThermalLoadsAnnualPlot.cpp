#include "ThermalLoadsAnnualPlot.h"

#include <algorithm>

#include <qwt_plot_multi_barchart.h>

#include <RM_CaldoryneModel.h>
#include <RM_OutputManager.h>

#include "GainLossAxisScaleDraw.h"
#include "GainLossScaleEngine.h"
#include "OutputOptions.h"

namespace {

typedef RM::OutputManager OM;
typedef ThermalLoadSeries::Source Source;

const EnergyBalancePlot::Category CATEGORIES[ThermalLoadsAnnualPlot::NUM_CATEGORIES] = {
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Total heat flux - room-side wall surface"), QColor(255, 0, 0), {Source::RoomSideWalls, 0} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Heat conduction flux through windows"), QColor(255, 140, 0), {Source::RoomFlux, OM::RF_WindowConvection} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Solar gains through windows"), QColor(241, 210, 30), {Source::RoomFlux, OM::RF_WindowRadiation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Mechanical ventilation"), QColor(11, 241, 203), {Source::RoomFlux, OM::RF_MechanicalVentilation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Natural ventilation"), QColor(10, 160, 241), {Source::RoomFlux, OM::RF_NaturalVentilation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Heating"), QColor(166, 15, 241), {Source::RoomFlux, OM::RF_Heating} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Cooling"), QColor(21, 51, 241), {Source::RoomFlux, OM::RF_Cooling} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Internal gains (occupancy)"), QColor(134, 153, 112), {Source::RoomFlux, OM::RF_Persons} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Internal gains (equipment)"), QColor(141, 105, 74), {Source::RoomFlux, OM::RF_Equipment} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Enthalpy (moisture loads)"), QColor("#567c03"), {Source::RoomFlux, OM::RF_MoistureSourceEnthalpy} },
	// the typo is the program's own text, kept on purpose
	{ QT_TRANSLATE_NOOP("ThermalLoadsAnnualPlot", "Enthalpy (dehumidication)"), QColor("#66ac03"), {Source::RoomFlux, OM::RF_DehumidificationEnthalpy} },
};

/*! Last sample evaluated: the end of the first year. */
const std::size_t LAST_HOUR = 8760;

} // namespace


ThermalLoadsAnnualPlot::ThermalLoadsAnnualPlot(QWidget * parent) :
	EnergyBalancePlot(parent, "ThermalLoadsAnnualPlot", CATEGORIES, NUM_CATEGORIES - 2, NUM_CATEGORIES)
{
	setAxisScale(xBottom, 0, 1);
	setAxisScaleDraw(xBottom, new GainLossAxisScaleDraw);
	setupPlot(tr("Annual Energy Balance"), 9, false, false);
	setAxisScaleEngine(xBottom, new GainLossScaleEngine);
	m_chart->setStyle(QwtPlotMultiBarChart::Stacked);
	updateUnits();
}


void ThermalLoadsAnnualPlot::updateUnits() {
	if (OutputOptions::heatLoadsPerFloorArea())
		setUnits(tr("Energy gains/losses [kWh/m<sup>2</sup>]"), "[kWh/m2]");
	else
		setUnits(tr("Energy gains/losses [kWh]"), "[kWh]");
}


void ThermalLoadsAnnualPlot::updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	updateUnits();
	if (!prepareUpdate(model, outputs))
		return;
	const int c = categoryCount();
	const std::size_t end = std::min<std::size_t>(outputs->outputCount() - 1, LAST_HOUR);
	const ThermalLoadSeries series(*model, *outputs, true);
	const double factor = ThermalLoadSeries::energyFactor(*model);
	QVector<double> gains(c, 0.0);
	QVector<double> losses(c, 0.0);
	double gainsTotal = 0;
	double lossesTotal = 0;
	for (int k = 0; k < c; ++k) {
		const double v = series.change(CATEGORIES[k].m_source, 0, end)*factor;
		// losses stack upwards in their own bar
		if (v < 0) {
			losses[k] = -v;
			lossesTotal -= v;
		}
		else {
			gains[k] = v;
			gainsTotal += v;
		}
	}
	m_chart->setSamples(QVector<QwtSetSample>() << QwtSetSample(0, gains) << QwtSetSample(1, losses));
	setAxisScale(yLeft, 0, std::max(gainsTotal, lossesTotal) + 10);
	replot();
}
