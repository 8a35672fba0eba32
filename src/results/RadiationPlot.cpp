#include "RadiationPlot.h"

#include <QPen>

#include <qwt_picker_machine.h>
#include <qwt_plot_panner.h>

#include <BVX_MessageHandler.h>

#include <CLM_ClimateDataLoader.h>
#include <RM_Climate.h>

#include "PlotCurveWithFramedLegendIcon.h"
#include "PlotStyle.h"
#include "PlotZoomer.h"
#include "TimePlotPicker.h"

RadiationPlot::RadiationPlot(QWidget * parent) :
	QwtPlot(parent),
	m_climate(nullptr),
	m_albedo(0)
{
	setAutoReplot(false);
	setContentsMargins(5, 5, 5, 5);
	setAxisScale(xBottom, 0, 365);

	setTitle(PlotStyle::text(tr("Short Wave Radiation Loads"), 10));
	setAxisTitle(xBottom, PlotStyle::axisTitle(QString(), 10));
	setAxisTitle(yLeft, PlotStyle::axisTitle(tr("Solar radiation [W/m<sup>2</sup>]"), 10));
	PlotStyle::setAxisFontSize(this, xBottom, 8);
	PlotStyle::setAxisFontSize(this, yLeft, 8);
	PlotStyle::setTimeAxis(this);
	setCanvasBackground(QColor(240, 240, 240));

	PlotStyle::insertFramedLegend(this, false);
	PlotStyle::attachGrid(this, Qt::darkGray, Qt::gray);

	m_zoomer = new PlotZoomer(xBottom, yLeft, canvas());
	m_zoomer->setRubberBand(QwtPicker::RectRubberBand);
	m_zoomer->setRubberBandPen(QColor(Qt::lightGray));
	m_zoomer->setTrackerMode(QwtPicker::ActiveOnly);
	m_zoomer->setTrackerPen(QColor(Qt::gray));
	m_zoomer->setUnit(tr("W/m<sup>2</sup>"));
	m_panner = new QwtPlotPanner(canvas());
	m_panner->setMouseButton(Qt::MiddleButton, Qt::NoModifier);
	m_picker = new TimePlotPicker(xBottom, yLeft, canvas());
	m_picker->setUnit(tr("W/m<sup>2</sup>"));
	m_picker->setTrackerPen(QColor(0, 0, 64));
	m_picker->setTrackerMode(QwtPicker::AlwaysOn);
	m_picker->setStateMachine(new QwtPickerDragRectMachine);

	m_directNormalCurve = new PlotCurveWithFramedLegendIcon(tr("Direct Normal Irradiance"));
	m_directNormalCurve->setPen(QPen(QColor("#cba90c"), 1));
	m_directNormalCurve->attach(this);
	m_diffuseHorizontalCurve = new PlotCurveWithFramedLegendIcon(tr("Diffuse Horizontal Irradiance"));
	m_diffuseHorizontalCurve->setPen(QPen(QColor("#a05000"), 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
	m_diffuseHorizontalCurve->attach(this);

	setMinimumHeight(200);
}


void RadiationPlot::setDefaultAxes() {
	setAxisScale(xBottom, 0, 365);
	setAxisScale(yLeft, 0, 1000);
	replot();
	m_zoomer->setZoomBase(QRectF(0, 0, 365, 1000));
}


void RadiationPlot::updateLoads(const RM::Climate * climate) {
	const char * const FUNC_ID = "[RadiationPlot::updateLoads]";
	m_climate = climate;
	if (climate == nullptr)
		return;
	const std::vector<double> * series = climate->m_solarRadiationModel.m_climateDataLoader.m_data;
	const std::vector<double> & direct = series[ClimateDataLoader::DirectRadiationNormal];
	const std::vector<double> & diffuse = series[ClimateDataLoader::DiffuseRadiationHorizontal];
	if (direct.size() != PlotStyle::HOURS_PER_YEAR || diffuse.size() != PlotStyle::HOURS_PER_YEAR) {
		BVX::BVX_Message(tr("Missing solar radiation climate data.").toStdString() + "\n", BVX::MSG_WARNING, FUNC_ID, 1);
		return;
	}
	m_directNormalCurve->setSamples(PlotStyle::hourlySamples(direct));
	m_diffuseHorizontalCurve->setSamples(PlotStyle::hourlySamples(diffuse));
	replot();
}
