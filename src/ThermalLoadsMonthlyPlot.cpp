#include "ThermalLoadsMonthlyPlot.h"

#include <algorithm>

#include <qwt_legend.h>
#include <qwt_plot_multi_barchart.h>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <RM_CaldoryneModel.h>
#include <RM_OutputManager.h>

#include "MonthAxisScaleDraw.h"
#include "MonthOfDay.h"
#include "MonthScaleEngine.h"
#include "OutputOptions.h"

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
	{ QT_TRANSLATE_NOOP("ThermalLoadsMonthlyPlot", "Energy used for dehumidification in cooling"), QColor("#66ac03"), {Source::RoomFlux, OM::RF_DehumidificationEnergy} },
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

	m_minValue = 0;
	m_maxValue = 0;
	int minMonth = 0, minCategory = 0, maxMonth = 0, maxCategory = 0;
	double minimum = 0;
	double maximum = 0;
	for (int m = 0; m < 12; ++m) {
		for (int k = 0; k < c; ++k) {
			const double v = months[m].set[k];
			// January does not enter the logged extremes, only the axis
			if (m > 0 && v < m_minValue) {
				m_minValue = v;
				minMonth = m;
				minCategory = k;
			}
			if (m > 0 && v > m_maxValue) {
				m_maxValue = v;
				maxMonth = m;
				maxCategory = k;
			}
			minimum = std::min(minimum, v);
			maximum = std::max(maximum, v);
		}
	}
	const char * const FUNC_ID = "ThermalLoadsMonthlyPlot::updateResults()";
	BVX::BVX_Message(BVX::FormatText("PlotAxis: Min Heat Load = %1 at tidx = %2 of dataset %3.\n")
					 .arg(m_minValue, 0, 'g', -1, ' ').arg(minMonth).arg(minCategory), BVX::MSG_PROGRESS, FUNC_ID, 4);
	BVX::BVX_Message(BVX::FormatText("PlotAxis: Max Heat Load = %1 at tidx = %2 of dataset %3.\n")
					 .arg(m_maxValue, 0, 'g', -1, ' ').arg(maxMonth).arg(maxCategory), BVX::MSG_PROGRESS, FUNC_ID, 4);
	setAxisScale(yLeft, std::min(1.02*minimum, -0.5), std::max(1.02*maximum, 0.5));
	replot();
}
