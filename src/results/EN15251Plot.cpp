#include "EN15251Plot.h"

#include <cstddef>

#include <qwt_legend.h>
#include <qwt_picker_machine.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_zoomer.h>
#include <qwt_symbol.h>

#include <RM_OutputManager.h>

#include "OutputOptions.h"
#include "PlotStyle.h"
#include "ResultsAvailability.h"

namespace {

typedef RM::OutputManager OM;

/*! Fewer outputs give no meaningful comfort verdict. */
const unsigned int MIN_OUTPUTS = 73;

/*! A category is satisfied when at most this share (%) of the hours lies outside its band. */
const double MAX_FAILED_SHARE = 5;

const double HOURS_PER_YEAR = 8760;

/*! Hours the shares of a run refer to: the hours its counts cover, every output after the
	start value (8760 for a year of 8761 hourly outputs, 17520 for two years); a year held
	in 8760 outputs counts as the year. Shares of a fixed year would let a run of a few days
	pass any category and give a longer run more than 100 %. */
double hoursOfRun(std::size_t outputs) {
	if (outputs == std::size_t(HOURS_PER_YEAR))
		return HOURS_PER_YEAR;
	return double(outputs) - 1;
}

QwtPlotCurve * bandCurve(const QVector<QPointF> & points, const QColor & color, int width) {
	QwtPlotCurve * curve = new QwtPlotCurve;
	curve->setSamples(points);
	curve->setPen(QPen(color, width, Qt::SolidLine));
	curve->setZ(2);
	curve->setStyle(QwtPlotCurve::Lines);
	return curve;
}

void addMarker(QwtPlot * plot, double x, double y, const QString & label, Qt::Alignment alignment) {
	QwtPlotMarker * marker = new QwtPlotMarker;
	marker->setValue(x, y);
	marker->setLabel(QwtText(label));
	marker->setLabelAlignment(alignment);
	marker->setLineStyle(QwtPlotMarker::NoLine);
	marker->setZ(3);
	marker->attach(plot);
}

} // namespace


EN15251Plot::EN15251Plot(QWidget * parent) :
	QwtPlot(parent)
{
	setAutoReplot(false);
	setContentsMargins(5, 5, 5, 5);
	setAxisScale(yLeft, 15, 37);
	setAxisScale(xBottom, 0, 30);

	QwtText title = PlotStyle::text(QString(), 10);
	title.setColor(Qt::black);
	setTitle(title);
	QwtText xTitle = PlotStyle::axisTitle(tr("Running mean ambient temperature [C]"), 10);
	xTitle.setColor(Qt::black);
	setAxisTitle(xBottom, xTitle);
	QwtText yTitle = PlotStyle::axisTitle(tr("Operative temperature [C]"), 10);
	yTitle.setColor(Qt::black);
	setAxisTitle(yLeft, yTitle);
	for (int axis : {int(xBottom), int(yLeft)})
		PlotStyle::setAxisFontSize(this, axis, 8);
	setCanvasBackground(QColor(240, 240, 240));

	m_legend = PlotStyle::insertFramedLegend(this, true);
	PlotStyle::attachGrid(this, Qt::gray, Qt::lightGray);

	QwtPlotZoomer * zoomer = new QwtPlotZoomer(xBottom, yLeft, canvas(), true);
	zoomer->setStateMachine(new QwtPickerDragRectMachine);
	zoomer->setMousePattern(QwtEventPattern::MouseSelect2, Qt::RightButton, Qt::ShiftModifier);
	zoomer->setMousePattern(QwtEventPattern::MouseSelect3, Qt::RightButton);
	zoomer->setRubberBand(QwtPicker::RectRubberBand);
	zoomer->setRubberBandPen(QPen(Qt::darkGray));
	zoomer->setTrackerMode(QwtPicker::ActiveOnly);
	zoomer->setTrackerPen(QPen(Qt::black));

	m_samplesCurve = new QwtPlotCurve;
	m_samplesCurve->setZ(1);
	m_samplesCurve->setStyle(QwtPlotCurve::NoCurve);
	QColor pointColor(0, 0, 128);
	pointColor.setAlpha(64);
	QColor frameColor(Qt::black);
	frameColor.setAlpha(0);
	m_samplesCurve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(pointColor), QPen(frameColor), QSize(4, 4)));
	m_samplesCurve->attach(this);

	const char * const labels[3] = { "I", "II", "III" };
	for (int p = 0; p < 3; ++p) {
		// comfort temperature 0.33 x + 18.8 plus 2, 3, 4 K from 10 C on
		QwtPlotCurve * upper = bandCurve(QVector<QPointF>() << QPointF(10, 24.1 + p) << QPointF(30, 30.7 + p),
										 QColor::fromHsv(48 - 10*p, 255, 255), p + 1);
		upper->attach(this);
		addMarker(this, 29, 31.7 + 1.4*p, labels[p], Qt::AlignRight | Qt::AlignBottom);
		// minus 2, 3, 4 K from 13 C on, constant below
		QwtPlotCurve * lower = bandCurve(QVector<QPointF>() << QPointF(0, 21 - p) << QPointF(12.999999, 21 - p)
										 << QPointF(13, 21.09 - p) << QPointF(30, 26.7 - p),
										 QColor::fromHsv(200 + 20*p, 200, 255), p + 1);
		// one legend entry per category: the lower line has none
		lower->setItemAttribute(QwtPlotItem::Legend, false);
		lower->attach(this);
		addMarker(this, 29, 25.7 - 1.4*p, labels[p], Qt::AlignRight | Qt::AlignTop);
		m_bandCurves.push_back(upper);
		m_bandCurves.push_back(lower);
	}
	resetVerdict();
	setMinimumHeight(200);
}


void EN15251Plot::resetVerdict() {
	m_samplesCurve->setSamples(QVector<QPointF>());
	m_samplesCurve->setTitle(tr("Category not computed, yet."));
	m_bandCurves[0]->setTitle(tr("Category I"));
	m_bandCurves[2]->setTitle(tr("Category II"));
	m_bandCurves[4]->setTitle(tr("Category III"));
	setTitleText(tr("Operative temperature and comfort classification during occupancy (DIN EN 15251)"));
}


void EN15251Plot::setTitleText(const QString & text) {
	QwtText t = title();
	t.setText(text);
	setTitle(t);
}


void EN15251Plot::updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	// a failed or short run must not leave the former run's points and verdict behind
	if (holdsNoOutputs(model, outputs) || outputs->outputCount() < MIN_OUTPUTS) {
		resetVerdict();
		replot();
		return;
	}
	const bool allHours = OutputOptions::enPlotWithoutOccupancy() || outputs->m_occupiedHours == 0;
	const std::vector<double> & runningMean = outputs->m_roomStateSeries[OM::RS_GlidingAverageAmbientTemperature];
	const std::vector<double> & operative = outputs->m_roomStateSeries[OM::RS_OperativeTemperature];
	const std::vector<double> & occupancy = outputs->m_roomStateSeries[OM::RS_Occupancy];
	const std::size_t n = std::min<std::size_t>({outputs->outputCount(), runningMean.size(), operative.size()});
	QVector<QPointF> points;
	for (std::size_t i = 0; i < n; ++i) {
		if (allHours || (i < occupancy.size() && occupancy[i] > 0))
			points << QPointF(runningMean[i], operative[i]);
	}

	const double hours = hoursOfRun(n);
	int comfortClass = 0;
	for (int k = 3; k >= 1; --k) {
		const std::size_t c = std::size_t(k - 1);
		const double share = allHours ? outputs->m_comfortExceedanceHours[c]*100/hours
									  : outputs->m_comfortExceedanceOccupiedHours[c]*100.0/outputs->m_occupiedHours;
		m_bandCurves[2*c]->setTitle(tr("%L2% failed Category %1").arg(double(k), 1, 'f', 0).arg(share, 1, 'f', 1));
		if (share <= MAX_FAILED_SHARE)
			comfortClass = k;
	}

	QString verdict;
	if (allHours) {
		verdict = comfortClass > 0 ? tr("Class %1 satisfied").arg(comfortClass) : tr("No comfort class satisfied");
		setTitleText(tr("Operative temperature and comfort classification (DIN EN 15251)"));
	}
	else {
		const double occupiedShare = outputs->m_occupiedHours*100/hours;
		if (comfortClass > 0)
			verdict = tr("Class %1 satisfied\n(with %L2% of occupancy time)").arg(comfortClass).arg(occupiedShare, 1, 'f', 0);
		else
			verdict = tr("No comfort class satisfied\n(with %L1% of occupancy time)").arg(occupiedShare, 1, 'f', 0);
		setTitleText(tr("Operative temperature and comfort classification during occupancy (DIN EN 15251)"));
	}
	m_samplesCurve->setTitle(verdict);
	// the points of this run only, even when none was selected
	m_samplesCurve->setSamples(points);
	replot();
}
