#include "TemperaturePlot.h"

#include <algorithm>
#include <cmath>

#include <QPen>

#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_picker_machine.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_panner.h>
#include <qwt_scale_widget.h>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <CLM_ClimateDataLoader.h>
#include <RM_CaldoryneModel.h>
#include <RM_Climate.h>
#include <RM_OutputManager.h>

#include "PlotCurveWithFramedLegendIcon.h"
#include "PlotStyle.h"
#include "PlotZoomer.h"
#include "ResultsAvailability.h"
#include "TimePlotPicker.h"

namespace {

using PlotStyle::HOURS_PER_YEAR;
using PlotStyle::hourlySamples;

const double DEFAULT_MIN_TEMPERATURE = -20;
const double DEFAULT_MAX_TEMPERATURE = 60;

/*! Samples (x[i], y[i]) for i below the length of both series. */
QVector<QPointF> samples(const std::vector<double> & x, const std::vector<double> & y) {
	const size_t n = std::min(x.size(), y.size());
	QVector<QPointF> points(static_cast<int>(n));
	for (size_t i = 0; i < n; ++i)
		points[int(i)] = QPointF(x[i], y[i]);
	return points;
}

} // namespace


TemperaturePlot::TemperaturePlot(QWidget * parent) :
	QwtPlot(parent)
{
	setAutoReplot(false);
	setContentsMargins(5, 5, 5, 5);
	setAxisScale(xBottom, 0, 365);

	setTitle(PlotStyle::text(tr("Climate Data"), 10));
	setAxisTitle(xBottom, PlotStyle::axisTitle(QString(), 10));
	setAxisTitle(yLeft, PlotStyle::axisTitle(tr("Temperature [C]"), 10));
	setAxisTitle(yRight, PlotStyle::axisTitle(tr("Relative humidity [%]"), 10));
	axisWidget(yRight)->setLayoutFlag(QwtScaleWidget::TitleInverted, false);

	for (int axis : {int(xBottom), int(yLeft), int(yRight)})
		PlotStyle::setAxisFontSize(this, axis, 8);
	PlotStyle::setTimeAxis(this);
	setCanvasBackground(QColor(240, 240, 240));

	m_legend = PlotStyle::insertFramedLegend(this, true);
	PlotStyle::attachGrid(this, Qt::gray, Qt::lightGray);

	m_zoomer = new PlotZoomer(xBottom, yLeft, canvas());
	m_zoomer->setUnit(tr("C"));
	m_panner = new QwtPlotPanner(canvas());
	m_panner->setMouseButton(Qt::MiddleButton, Qt::NoModifier);
	m_picker = new TimePlotPicker(xBottom, yLeft, canvas());
	m_picker->setUnit("C");
	m_picker->setTrackerPen(QColor(0, 0, 64));
	m_picker->setTrackerMode(QwtPicker::AlwaysOn);
	m_picker->setStateMachine(new QwtPickerDragRectMachine);

	m_ambientTemperatureCurve = addCurve(tr("Ambient Temperature"), QPen(QColor(192, 0, 0)), yLeft, 3, true);
	m_operativeTemperatureCurve = addCurve(tr("Operative Temperature"), QPen(Qt::black), yLeft, 5, true);
	m_roomAirTemperatureCurve = addCurve(tr("Room Air Temperature"), QPen(QColor(128, 128, 64), 1, Qt::DashLine), yLeft, 4, false);
	m_ambientRelativeHumidityCurve = addCurve(tr("Ambient Relative Humidity"), QPen(QColor(128, 128, 255)), yRight, 0, true);
	m_roomAirHumidityCurve = addCurve(tr("Room Air Humidity"), QPen(QColor(64, 64, 192), 1, Qt::DashLine), yRight, 1, false);

	m_roomAirHumidityLegendLabel = PlotStyle::legendLabel(this, m_legend, m_roomAirHumidityCurve);
	if (m_roomAirHumidityLegendLabel != nullptr)
		m_roomAirHumidityLegendLabel->setVisible(false);

	setMinimumHeight(200);
}


void TemperaturePlot::setDefaultAxes() {
	setAxisScale(xBottom, 0, 365);
	setAxisScale(yLeft, DEFAULT_MIN_TEMPERATURE, DEFAULT_MAX_TEMPERATURE);
	replot();
	m_zoomer->setZoomBase(QRectF(0, DEFAULT_MIN_TEMPERATURE, 365, DEFAULT_MAX_TEMPERATURE - DEFAULT_MIN_TEMPERATURE));
}


void TemperaturePlot::updateLoads(const RM::Climate * climate) {
	const char * const FUNC_ID = "[TemperaturePlot::updateLoads]";
	if (climate == nullptr)
		return;
	const std::vector<double> * series = climate->m_solarRadiationModel.m_climateDataLoader.m_data;
	const std::vector<double> & temperature = series[ClimateDataLoader::Temperature];
	if (temperature.size() != HOURS_PER_YEAR) {
		BVX::BVX_Message(tr("Missing temperature climate data.").toStdString() + "\n", BVX::MSG_WARNING, FUNC_ID, 1);
		return;
	}
	m_ambientTemperatureCurve->setSamples(hourlySamples(temperature));
	const auto range = std::minmax_element(temperature.begin(), temperature.end());
	setAxisScale(yLeft, std::min(DEFAULT_MIN_TEMPERATURE, *range.first), std::max(DEFAULT_MAX_TEMPERATURE, *range.second));

	const std::vector<double> & humidity = series[ClimateDataLoader::RelativeHumidity];
	const bool humidityComplete = humidity.size() == HOURS_PER_YEAR;
	if (humidityComplete) {
		m_ambientRelativeHumidityCurve->setSamples(hourlySamples(humidity));
		setAxisScale(yRight, 0, 100);
	}
	m_ambientRelativeHumidityCurve->setVisible(humidityComplete);
	// the room humidity entry follows the climate's humidity here, even while its curve is hidden
	if (m_roomAirHumidityLegendLabel != nullptr)
		m_roomAirHumidityLegendLabel->setVisible(humidityComplete);
	enableAxis(yRight, humidityComplete);
	replot();
}


void TemperaturePlot::updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	if (holdsNoOutputs(model, outputs)) {
		m_operativeTemperatureCurve->setVisible(false);
		m_roomAirTemperatureCurve->setVisible(false);
		m_roomAirHumidityCurve->setVisible(false);
		if (m_roomAirHumidityLegendLabel != nullptr)
			m_roomAirHumidityLegendLabel->setVisible(false);
		// without a replot the canvas would keep showing the former run's curves
		replot();
		return;
	}
	typedef RM::OutputManager OM;
	const std::vector<double> & time = outputs->m_roomStateSeries[OM::RS_Time];
	m_operativeTemperatureCurve->setVisible(true);
	m_roomAirTemperatureCurve->setVisible(true);
	m_roomAirTemperatureCurve->setSamples(samples(time, outputs->m_roomStateSeries[OM::RS_RoomAirTemperature]));
	m_operativeTemperatureCurve->setSamples(samples(time, outputs->m_roomStateSeries[OM::RS_OperativeTemperature]));
	const bool moisture = model->m_room.m_moistureBalanceEnabled;
	if (moisture)
		m_roomAirHumidityCurve->setSamples(samples(time, outputs->m_roomStateSeries[OM::RS_RelativeHumidity]));
	m_roomAirHumidityCurve->setVisible(moisture);
	if (m_roomAirHumidityLegendLabel != nullptr)
		m_roomAirHumidityLegendLabel->setVisible(moisture);
	replot();
	fitTemperatureAxis();
}


PlotCurveWithFramedLegendIcon * TemperaturePlot::addCurve(const QString & title, const QPen & pen, int yAxis,
														  double z, bool visible)
{
	PlotCurveWithFramedLegendIcon * curve = new PlotCurveWithFramedLegendIcon(title);
	curve->setPen(pen);
	curve->setAxes(xBottom, yAxis);
	curve->setZ(z);
	curve->setVisible(visible);
	curve->attach(this);
	return curve;
}


void TemperaturePlot::fitTemperatureAxis() {
	const char * const FUNC_ID = "[TemperaturePlot::updateResults]";
	double minValue = DEFAULT_MIN_TEMPERATURE;
	double maxValue = DEFAULT_MAX_TEMPERATURE;
	for (const QwtPlotCurve * curve : {m_roomAirTemperatureCurve, m_operativeTemperatureCurve, m_ambientTemperatureCurve}) {
		if (!curve->isVisible())
			continue;
		const size_t n = std::min<size_t>(curve->dataSize(), HOURS_PER_YEAR);
		for (size_t i = 0; i < n; ++i) {
			const double y = curve->sample(i).y();
			minValue = std::min(minValue, y);
			maxValue = std::max(maxValue, y);
		}
	}
	BVX::BVX_Message(BVX::FormatText("PlotAxis: Min temperature = %1 deg C.\n").arg(minValue, 0, 'g', -1, ' '),
					 BVX::MSG_PROGRESS, FUNC_ID, 4);
	BVX::BVX_Message(BVX::FormatText("PlotAxis: Max temperature = %1 deg C.\n").arg(maxValue, 0, 'g', -1, ' '),
					 BVX::MSG_PROGRESS, FUNC_ID, 4);
	minValue -= std::fabs(minValue)*0.1;
	maxValue += std::fabs(maxValue)*0.1;
	setAxisScale(yLeft, minValue, maxValue);
	replot();
	m_zoomer->setZoomBase(QRectF(0, minValue, 365, maxValue - minValue));
}
