#include "EnergyRequirementAnnualPlot.h"

#include <algorithm>
#include <numeric>
#include <cmath>

#include <qwt_legend.h>
#include <qwt_plot_multi_barchart.h>
#include <qwt_scale_draw.h>

#include <RM_CaldoryneModel.h>
#include <RM_OutputManager.h>

#include "OutputOptions.h"
#include "PlotStyle.h"
#include "ResultsAvailability.h"
#include "ThermalLoadSeries.h"
#include "TimePlotPicker.h"

namespace {

typedef RM::OutputManager OM;

/*! The demands, by bar: heating, cooling (counted negative), supply air cooling. */
const OM::RoomFlux BAR_FLUXES[3] = { OM::RF_Heating, OM::RF_Cooling, OM::RF_ACEnergy };
const QColor BAR_COLORS[3] = { QColor(166, 15, 241), QColor(21, 51, 241), QColor(0, 0, 0) };

/*! Last sample evaluated: the end of the first year. */
const std::size_t LAST_HOUR = 8760;

} // namespace


EnergyRequirementAnnualPlot::EnergyRequirementAnnualPlot(QWidget * parent) :
	QwtPlot(parent)
{
	setContentsMargins(5, 5, 5, 5);
	setAxisScale(xBottom, -0.5, 0.5);
	setTitle(PlotStyle::text(tr("Annual Energy Consumption"), 10));
	setAxisTitle(xBottom, PlotStyle::axisTitle(tr("Equipment"), 9));
	setAxisTitle(yLeft, PlotStyle::axisTitle(tr("Net energy demand [kWh/m2]"), 9));
	for (int axis : {int(xBottom), int(yLeft)})
		PlotStyle::setAxisFontSize(this, axis, 8);
	axisScaleDraw(xBottom)->enableComponent(QwtAbstractScaleDraw::Ticks, false);
	axisScaleDraw(xBottom)->enableComponent(QwtAbstractScaleDraw::Labels, false);
	setCanvasBackground(QColor(240, 240, 240));

	m_legend = PlotStyle::insertFramedLegend(this, true);
	m_legend->contentsWidget()->setPalette(m_legend->palette());
	m_legend->contentsWidget()->setAutoFillBackground(true);
	PlotStyle::attachGrid(this, Qt::gray, Qt::lightGray, false);

	m_picker = new TimePlotPicker(xBottom, yLeft, canvas());
	m_picker->setUnit("kWh/m2");
	m_picker->setRubberBand(QwtPicker::VLineRubberBand);
	m_picker->setTrackerPen(QColor(0, 0, 64));
	m_picker->setTrackerMode(QwtPicker::AlwaysOn);

	m_barChart = new QwtPlotMultiBarChart(tr("Test"));
	m_barChart->setStyle(QwtPlotMultiBarChart::Stacked);
	m_barChart->setBarTitles(QList<QwtText>() << QwtText(tr("Heating load")) << QwtText(tr("Cooling load"))
							 << QwtText(tr("Supply air cooling")));
	for (int j = 0; j < 3; ++j)
		m_barChart->setSymbol(j, PlotStyle::columnSymbol(BAR_COLORS[j]));
	m_barChart->attach(this);

	updateUnitLabels();
	setMinimumHeight(200);
}


void EnergyRequirementAnnualPlot::updateUnitLabels() {
	const bool perArea = OutputOptions::heatLoadsPerFloorArea();
	PlotStyle::setAxisTitleText(this, yLeft, perArea ? tr("Net energy demand [kWh/m2]") : tr("Net energy demand [kWh]"));
	m_picker->setUnit(perArea ? "[kWh/m2]" : "[kWh]");
}


void EnergyRequirementAnnualPlot::updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	updateUnitLabels();
	if (holdsNoOutputs(model, outputs)) {
		m_barChart->setVisible(false);
		replot();
		return;
	}
	m_barChart->setVisible(true);
	const std::size_t end = std::min<std::size_t>(outputs->outputCount() - 1, LAST_HOUR);
	const ThermalLoadSeries series(*model, *outputs, true);
	const double factor = ThermalLoadSeries::energyFactor(*model);
	QVector<double> values;
	for (OM::RoomFlux flux : BAR_FLUXES)
		values << std::fabs(series.change({ThermalLoadSeries::Source::RoomFlux, flux}, 0, end)*factor);
	m_barChart->setSamples(QVector<QwtSetSample>() << QwtSetSample(0, values));
	// the three demands are stacked (all positive): the axis must reach the top of the stack,
	// not only the largest single demand
	const double stackTop = std::accumulate(values.begin(), values.end(), 0.0);
	setAxisScale(yLeft, 0, stackTop + 30);
	replot();
}
