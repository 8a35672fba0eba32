#include "ReportFrameTemperaturePlot.h"

#include <algorithm>
#include <cmath>

#include <QDateTime>
#include <QPainter>

#include <qwt_plot_renderer.h>

#include <BVX_MessageHandler.h>
#include <BVX_Time.h>
#include <BVX_UnitVector.h>

#include <Sci_AbstractCartesianChartModel.h>
#include <Sci_Chart.h>
#include <Sci_LineSeriesContentModel.h>

#include <RM_CaldoryneModelInterface.h>

#include "Report.h"

namespace {

typedef SCI::AbstractChartModel CM;
typedef SCI::AbstractCartesianChartModel AM;
typedef SCI::AbstractLineSeriesModel LM;

const double MS_PER_YEAR = BVX::SECONDS_PER_YEAR * 1000;
const double MS_PER_DAY = 86400000.0;
const unsigned int HOURS_PER_YEAR = 8760;

BVX::UnitVector msVector(const std::vector<double> & values) {
	return BVX::UnitVector("time", BVX::Unit("ms"), values);
}

BVX::UnitVector celsiusVector(const std::vector<double> & values) {
	return BVX::UnitVector("temperature", BVX::Unit("C"), values);
}

} // namespace


ReportFrameTemperaturePlot::ReportFrameTemperaturePlot(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_noResults(newText()),
	m_chartModel(new SCI::LineSeriesContentModel),
	m_chart(new SCI::Chart)
{
	m_chart->setAutoReplot(false);
	m_chart->setContentsMargins(5, 5, 5, 5);
	SCI::LineSeriesContentModel & m = *m_chartModel;
	m.setChartData(QString(), CM::TitleText);
	m.setAxisData(tr("time"), AM::XAxis, AM::TitleText);
	m.setAxisData(tr("temperature [C]"), AM::LeftYAxis, AM::TitleText);
	m.setAxisData(false, AM::RightYAxis, AM::Enabled);
	m_chart->setCanvasBackground(QColor(255, 255, 255));
	QFont legendFont = m_chart->font();
	legendFont.setPointSize(8);
	m.setChartData(legendFont, CM::LegendFont);
	m.setChartData(true, CM::LegendVisible);
	m.setChartData(CM::Inside, CM::LegendPosition);
	m.setChartData(6, CM::LegendAlignment);

	// 2001 is no leap year: month labels fall on the first of each month of the simulated year
	const QDateTime zero(QDate(2001, 1, 1), QTime(0, 0), Qt::LocalTime);
	m.setAxisData(true, AM::XAxis, AM::DateTimeEnabled);
	m.setAxisData(zero, AM::XAxis, AM::DateTimeZero);
	QStringList formats = m.axisData(AM::XAxis, AM::DateTimeFormats).toStringList();
	formats[6] = "MMM";
	formats[7] = "MMM";
	m.setAxisData(formats, AM::XAxis, AM::DateTimeFormats);
	m.setAxisData(false, AM::XAxis, AM::Autoscale);
	const double z = double(zero.toMSecsSinceEpoch());
	m.setAxisData(z - MS_PER_DAY, AM::XAxis, AM::Minimum);
	m.setAxisData(z + MS_PER_YEAR + MS_PER_DAY, AM::XAxis, AM::Maximum);
	m.setAxisData(BVX::Unit("ms").id(), AM::XAxis, AM::AxisUnit);
	m.setAxisData(false, AM::LeftYAxis, AM::Autoscale);
	m.setAxisData(BVX::Unit("C").id(), AM::LeftYAxis, AM::AxisUnit);
	for (int axis : { AM::XAxis, AM::LeftYAxis }) {
		m.setAxisData(QPen(Qt::gray, 0, Qt::DotLine), axis, AM::GridPen);
		m.setAxisData(QPen(Qt::lightGray, 0, Qt::DotLine), axis, AM::MinorGridPen);
	}
	m_chart->setModel(&m);

	const double reference = project() != nullptr ? room().m_din4108_2Assessment.referenceTemperature() : 25;
	const bool assessed = project() != nullptr && room().m_din4108_2Assessment.m_active;
	const std::vector<double> yearEnds = { 0, MS_PER_YEAR };
	// without the assessment the same temperature is the results table's reference
	m.addDataSet(msVector(yearEnds), celsiusVector({ reference, reference }),
				 (assessed ? tr("%1C assessment value") : tr("%1C reference temperature")).arg(int(reference)));
	m.addDataSet(msVector(yearEnds), celsiusVector({ 20, 20 }), tr("Operative indoor temperature"));
	m.addDataSet(msVector(yearEnds), celsiusVector({ 20, 20 }), tr("Ambient temperature"));
	m.setSeriesData(QPen(QColor(255, 0, 0), 2), 0, LM::Pen);
	m.setSeriesData(QPen(QColor(51, 153, 51), 1), 1, LM::Pen);
	m.setSeriesData(QPen(QColor(51, 153, 255), 1), 2, LM::Pen);
}


ReportFrameTemperaturePlot::~ReportFrameTemperaturePlot() {
	m_chart->setModel(nullptr);
}


void ReportFrameTemperaturePlot::layoutBlocks() {
	placeText(m_title, heading(tr("Temperatures")), frameSpacing());
	if (!m_withChart)
		placeText(m_noResults, paragraph(tr("No simulation results available.")), headingSpacing());
}


bool ReportFrameTemperaturePlot::updateSeries() {
	typedef RM::OutputManager OM;
	const RM::CaldoryneModelInterface & model = *project();
	const std::vector<double> & ambient =
			model.m_climate.m_solarRadiationModel.m_climateDataLoader.m_data[ClimateDataLoader::Temperature];
	if (ambient.size() != HOURS_PER_YEAR) {
		BVX::BVX_Message(tr("Missing temperature climate data.").toStdString() + "\n", BVX::MSG_WARNING,
						 "[ReportFrameTemperaturePlot::update]", 1);
		return false;
	}
	std::vector<double> x(HOURS_PER_YEAR);
	for (unsigned int i = 0; i < HOURS_PER_YEAR; ++i)
		x[i] = (i + 1) * 3600.0 * 1000;
	m_chartModel->setValues(2, msVector(x), celsiusVector(ambient));

	const OM & om = model.m_outputManager;
	const std::vector<double> & operative = om.m_roomStateSeries[OM::RS_OperativeTemperature];
	std::vector<double> t(om.m_roomStateSeries[OM::RS_Time]);
	t.resize(operative.size(), 0);
	for (double & v : t)
		v *= MS_PER_DAY;
	m_chartModel->setValues(1, msVector(t), celsiusVector(operative));

	// the reference of the project as it is now (region and assessment may have changed)
	const RM::DIN4108_2Assessment & din = model.m_room.m_din4108_2Assessment;
	const double reference = din.referenceTemperature();
	m_chartModel->setValues(0, msVector({ 0, MS_PER_YEAR }), celsiusVector({ reference, reference }));
	m_chartModel->setSeriesData((din.m_active ? tr("%1C assessment value") : tr("%1C reference temperature"))
								.arg(int(reference)), 0, SCI::AbstractLineSeriesModel::TitleText);

	double lo = -20;
	double hi = 60;
	for (const std::vector<double> * series : { &ambient, &operative }) {
		for (double v : *series) {
			lo = std::min(lo, v);
			hi = std::max(hi, v);
		}
	}
	m_chartModel->setAxisData(lo - std::fabs(lo) * 0.1, AM::LeftYAxis, AM::Minimum);
	m_chartModel->setAxisData(hi + std::fabs(hi) * 0.1, AM::LeftYAxis, AM::Maximum);
	return true;
}


void ReportFrameTemperaturePlot::update(QPaintDevice * device, double width) {
	if (project() == nullptr) {
		m_withChart = false;
		m_chartRect = QRectF();
		ReportFrameSectionBase::update(device, width);
		return;
	}
	if (!project()->m_outputManager.m_resultsPresent) {
		m_withChart = false;
		m_chartRect = QRectF();
		ReportFrameSectionBase::update(device, width);
		return;
	}
	// without the climate's temperatures the frame keeps its former content and size
	if (!updateSeries())
		return;
	m_withChart = true;
	m_chart->replot();
	ReportFrameSectionBase::update(device, width);
	// the chart with its title on one page: lower where the page is short
	const double above = m_frameRect.height() + headingSpacing();
	const double body = report()->pageSize().height() - report()->headerRect().height() - report()->footerRect().height();
	// (no page laid out yet: no limit)
	const double height = body > 0 ? std::max(width * 0.25, std::min(width * 0.5, body - above - 1)) : width * 0.5;
	m_chart->setGeometry(0, 0, int(width), int(height));
	m_chartRect = QRectF(0, 0, width, height);
	m_frameRect.setHeight(above + height);
}


void ReportFrameTemperaturePlot::drawChart(QPainter * painter, const QPointF & topLeft) {
	m_chart->preparePrinting(true, true);
	QwtPlotRenderer renderer;
	renderer.setDiscardFlags(QwtPlotRenderer::DiscardBackground | QwtPlotRenderer::DiscardCanvasBackground);
	renderer.setLayoutFlag(QwtPlotRenderer::FrameWithScales);
	renderer.render(m_chart.get(), painter, QRectF(topLeft + m_chartRect.topLeft(), m_chartRect.size()));
	m_chart->finishPrinting();
}


void ReportFrameTemperaturePlot::draw(QPainter * painter, const QRectF & frame) {
	ReportFrameSectionBase::draw(painter, frame);
	if (m_withChart)
		drawChart(painter, QPointF(frame.left(), frame.top() + chartTop()));
}


std::vector<double> ReportFrameTemperaturePlot::breakPositions() const {
	std::vector<double> breaks = ReportFrameSectionBase::breakPositions();
	if (m_withChart)
		breaks.push_back(chartTop() - headingSpacing());
	return breaks;
}


double ReportFrameTemperaturePlot::contentBottom() const {
	return m_withChart ? m_frameRect.height() : ReportFrameSectionBase::contentBottom();
}


void ReportFrameTemperaturePlot::drawPart(QPainter * painter, const QRectF & rect, double from, double to) {
	const double eps = 0.5;
	const double top = m_withChart ? chartTop() : m_frameRect.height();
	if (from < top - eps)
		ReportFrameSectionBase::drawPart(painter, rect, from, std::min(to, top));
	if (m_withChart && top >= from - eps && top < to - eps)
		drawChart(painter, QPointF(rect.left(), rect.top() + top - from));
}
