#include "ThermalLoadsMonthlyPlot.h"

#include <algorithm>

#include <qwt_legend.h>
#include <qwt_plot_multi_barchart.h>

#include <RM_CaldoryneModel.h>
#include <RM_OutputManager.h>

#include "MonthAxisScaleDraw.h"
#include "MonthOfDay.h"
#include "MonthScaleEngine.h"
#include "OutputOptions.h"
#include "PlotStyle.h"

namespace {

typedef RM::OutputManager OM;
typedef ThermalLoadSeries::Source Source;

const EnergyBalancePlot::Category CATEGORIES[ThermalLoadsMonthlyPlot::NUM_CATEGORIES] = {
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Total heat flux - room-side wall surface"), QColor(255, 0, 0), {Source::RoomSideWalls, 0} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Total heat flux - outer wall surface"), QColor(150, 0, 0), {Source::OuterWalls, 0} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Heat conduction flux through windows"), QColor(255, 140, 0), {Source::RoomFlux, OM::RF_WindowConvection} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Solar gains through windows"), QColor(241, 210, 30), {Source::RoomFlux, OM::RF_WindowRadiation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Mechanical ventilation"), QColor(11, 241, 203), {Source::RoomFlux, OM::RF_MechanicalVentilation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Natural ventilation"), QColor(10, 160, 241), {Source::RoomFlux, OM::RF_NaturalVentilation} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Heating"), QColor(166, 15, 241), {Source::RoomFlux, OM::RF_Heating} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Cooling"), QColor(21, 51, 241), {Source::RoomFlux, OM::RF_Cooling} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Internal gains (occupancy)"), QColor("#a86341"), {Source::RoomFlux, OM::RF_Persons} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Internal gains (equipment)"), QColor("#6f442e"), {Source::RoomFlux, OM::RF_Equipment} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Energy used to cool supply air"), QColor("#a4e14e"), {Source::RoomFlux, OM::RF_ACEnergy} },
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Energy used for dehumidification in cooling"), QColor("#66ac03"), {Source::RoomFluxTaken, OM::RF_DehumidificationEnergy} },
};

} // namespace


ThermalLoadsMonthlyPlot::ThermalLoadsMonthlyPlot(QWidget * parent) :
	EnergyBalancePlot(parent, "ThermalLoadsMonthlyPlot", CATEGORIES, NUM_CATEGORIES - 1, NUM_CATEGORIES),
	m_minValue(0),
	m_maxValue(0)
{
	setAxisScaleDraw(xBottom, new MonthAxisScaleDraw);
	setAxisScale(xBottom, -0.51, 11.51);
	setupPlot(tr("Monthly Energy Balance <small>(gains are positive, losses are negative)</small>"), 10, true, true);
	setAxisScaleEngine(xBottom, new MonthScaleEngine);
	connect(m_legend, &QwtLegend::checked, this, &ThermalLoadsMonthlyPlot::onLegendChecked);
	// the outer surfaces repeat what the room side shows with the wall's storage: off by default
	setLegendChecked(OuterWallSurfaces, false);
	setCategoryVisible(OuterWallSurfaces, false);
	updateUnits();
}


void ThermalLoadsMonthlyPlot::updateUnits() {
	if (OutputOptions::heatLoadsPerFloorArea())
		setUnits(tr("Energy gains/losses [kWh/m<sup>2</sup>]"), "[kWh/m2]");
	else
		setUnits(tr("Energy gains/losses [kWh]"), "[kWh]");
}


void ThermalLoadsMonthlyPlot::onLegendChecked(const QVariant & /*itemInfo*/, bool on, int index) {
	setCategoryVisible(index, on);
	replot();
}


void ThermalLoadsMonthlyPlot::updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	updateUnits();
	if (!prepareUpdate(model, outputs))
		return;
	const int c = categoryCount();
	const std::size_t n = outputs->outputCount();
	const ThermalLoadSeries series(*model, *outputs, true);
	const double factor = ThermalLoadSeries::energyFactor(*model);
	QVector<QwtSetSample> months;
	std::size_t monthStart = 0;
	for (int m = 0; m < 12; ++m) {
		QVector<double> row(c, 0.0);
		const std::size_t monthEnd = 24*std::size_t(MONTH_END_DAYS[m]);
		// months whose last hour is not among the outputs stay 0
		if (n >= monthEnd + 1) {
			for (int k = 0; k < c; ++k)
				row[k] = series.change(CATEGORIES[k].m_source, monthStart, monthEnd)*factor;
		}
		monthStart = monthEnd;
		months << QwtSetSample(m, row);
	}
	m_chart->setSamples(months);

	PlotStyle::Extremes logged;		// January left out
	PlotStyle::Extremes all;
	for (int m = 0; m < 12; ++m) {
		for (int k = 0; k < c; ++k) {
			const double v = months[m].set[k];
			if (m > 0)
				logged.add(v, std::size_t(m), unsigned(k));
			all.add(v, std::size_t(m), unsigned(k));
		}
	}
	m_minValue = logged.m_min;
	m_maxValue = logged.m_max;
	logged.log("ThermalLoadsMonthlyPlot::updateResults()", "PlotAxis: Min Heat Load = %1 at tidx = %2 of dataset %3.\n",
			   "PlotAxis: Max Heat Load = %1 at tidx = %2 of dataset %3.\n");
	setAxisScale(yLeft, std::min(1.02*all.m_min, -0.5), std::max(1.02*all.m_max, 0.5));
	replot();
}
