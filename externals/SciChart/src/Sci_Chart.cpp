#include "Sci_Chart.h"

#include <QDebug>

#include <qwt_picker_machine.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_panner.h>
#include <qwt_scale_widget.h>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>
#include <BVX_Unit.h>
#include <BVXMK_GridData.h>

#include "Sci_AbstractBarSeriesModel.h"
#include "Sci_AbstractColorGridSeriesModel.h"
#include "Sci_AbstractLineSeriesModel.h"
#include "Sci_BarSeries.h"
#include "Sci_ColorGridSeries.h"
#include "Sci_ColorMapCreator.h"
#include "Sci_Legend.h"
#include "Sci_LegendItem.h"
#include "Sci_LegendItemMover.h"
#include "Sci_LineSeries.h"
#include "Sci_PlotCurve.h"
#include "Sci_PlotLayout.h"
#include "Sci_PlotPicker.h"
#include "Sci_PlotRescaler.h"
#include "Sci_PlotScaleItem.h"
#include "Sci_PlotSpectrogram.h"
#include "Sci_PlotZoomer.h"
#include "Sci_ScaleDraw.h"

namespace SCI {

namespace {

typedef AbstractChartModel CM;
typedef AbstractCartesianChartModel AM;
typedef AbstractLineSeriesModel LM;
typedef AbstractBarSeriesModel BM;
typedef AbstractColorGridSeriesModel GM;

/*! Series kinds of AbstractChartModel::seriesType(). */
const int LINE_CHART = 1;
const int COLOR_GRID_CHART = 4;
const int BAR_CHART = 5;

/*! Qwt axis ids of the model axis positions 0 x, 1 left y, 2 right y. */
const int AXIS_OF_POSITION[3] = { QwtPlot::xBottom, QwtPlot::yLeft, QwtPlot::yRight };

/*! The three axes whose scale draws show ticks and take the printing pen. */
const int SCALE_AXES[3] = { QwtPlot::yLeft, QwtPlot::yRight, QwtPlot::xBottom };

bool sameBaseUnit(unsigned int unitIndex, const char * other) {
	return BVX::Unit(unitIndex).base_id() == BVX::Unit(other).base_id();
}

QColor toColor(const QVariant & v) {
	return v.canConvert<QColor>() ? v.value<QColor>() : QColor();
}

Qt::Alignment legendAlignment(int a) {
	switch (a) {
		case 0: return Qt::AlignLeft | Qt::AlignVCenter;
		case 1: return Qt::AlignLeft | Qt::AlignTop;
		case 2: return Qt::AlignHCenter | Qt::AlignTop;
		case 3: return Qt::AlignRight | Qt::AlignTop;
		case 4: return Qt::AlignRight | Qt::AlignVCenter;
		case 5: return Qt::AlignRight | Qt::AlignBottom;
		case 6: return Qt::AlignHCenter | Qt::AlignBottom;
		case 7: return Qt::AlignLeft | Qt::AlignBottom;
		default: return Qt::Alignment();
	}
}

} // namespace


Chart::Chart(QWidget * parent) :
	QwtPlot(parent),
	m_axisYLeft(this, QwtPlot::yLeft),
	m_axisYRight(this, QwtPlot::yRight),
	m_axisXTop(this, QwtPlot::xTop),
	m_axisXBottom(this, QwtPlot::xBottom)
{
	m_grid = new QwtPlotGrid;
	setFrameStyle(QFrame::NoFrame);
	setContentsMargins(0, 0, 0, 0);
	setAutoFillBackground(true);
	setCanvasBackground(Qt::white);
	setPlotLayout(new PlotLayout);
	// scale draws whose ticks can print thinner than one whole pen unit
	for (int id = 0; id < QwtPlot::axisCnt; ++id)
		setAxisScaleDraw(id, new ScaleDraw);
	updateStyle();
	m_grid->setMajorPen(QPen(Qt::gray, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
	m_grid->setMinorPen(QPen(Qt::lightGray, 1, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
	m_grid->setZ(0);
	m_grid->attach(this);
	setScalePenWidth(0);
	m_colorBar = axisWidget(QwtPlot::yRight);
	m_colorBar->setMargin(2);
	m_colorBar->setColorBarEnabled(false);
	m_colorBar->hide();

	m_zoomer = new PlotZoomer(QwtPlot::xBottom, QwtPlot::yLeft, canvas(), &m_axisXBottom);
	m_zoomer->setRubberBand(QwtPicker::RectRubberBand);
	m_zoomer->setRubberBandPen(QColor(181, 207, 255));
	m_zoomer->setTrackerMode(QwtPicker::ActiveOnly);
	m_zoomer->setTrackerPen(QPen(Qt::black));

	m_panner = new QwtPlotPanner(canvas());
	m_panner->setMouseButton(Qt::MiddleButton);

	m_picker = new PlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, canvas(), &m_axisXBottom);
	m_picker->setTrackerPen(QPen(Qt::black));
	m_picker->setTrackerMode(QwtPicker::AlwaysOn);
	m_picker->setStateMachine(new QwtPickerDragRectMachine);

	m_legendItemMover = new LegendItemMover(this, m_picker);
	m_rescaler = new PlotRescaler(this);

	// built in the order yRight, yLeft, xTop, xBottom; each ticks into the canvas from the
	// border of its own axis: the left axis' ticks point right from the left border
	const QwtScaleDraw::Alignment alignments[QwtPlot::axisCnt] = {
		QwtScaleDraw::RightScale, QwtScaleDraw::LeftScale, QwtScaleDraw::TopScale, QwtScaleDraw::BottomScale };
	const int order[QwtPlot::axisCnt] = { QwtPlot::yRight, QwtPlot::yLeft, QwtPlot::xTop, QwtPlot::xBottom };
	for (int id : order) {
		m_scaleItems[id] = new PlotScaleItem(alignments[id]);
		m_scaleItems[id]->attach(this);
		m_scaleItems[id]->hide();
	}
	m_scaleItems[QwtPlot::yRight]->setAxes(QwtPlot::xBottom, QwtPlot::yRight);
	m_scaleItems[QwtPlot::xTop]->setAxes(QwtPlot::xTop, QwtPlot::yLeft);
}


Chart::~Chart() {
	if (m_model != nullptr)
		connectModel(false);
	deleteAllSeries();
	clearConstructionLines();
	delete m_legendItem;		// detaches itself
	m_legendItem = nullptr;
	if (m_legend != nullptr)	// the plot deletes it; nothing to reset then
		disconnect(m_legend, nullptr, this, nullptr);
}


ChartAxis & Chart::axis(int position) {
	switch (position) {
		case 1: return m_axisYLeft;
		case 2: return m_axisYRight;
		default: return m_axisXBottom;
	}
}


void Chart::replot() {
	if (m_noUpdateCounter == 0)
		QwtPlot::replot();
}


void Chart::prohibitUpdate() {
	++m_noUpdateCounter;
}


void Chart::allowUpdate() {
	Q_ASSERT_X(m_noUpdateCounter > 0, "Chart::allowUpdate", "m_noUpdateCounter > 0");
	if (m_noUpdateCounter > 0)
		--m_noUpdateCounter;
}


void Chart::allowUpdateAndReplot() {
	allowUpdate();
	replot();
}


void Chart::connectModel(bool doConnect) {
	struct Link { const char * signal; const char * slot; };
	const Link links[] = {
		{ SIGNAL(chartChanged(int)), SLOT(onChartChanged(int)) },
		{ SIGNAL(axisChanged(int,int)), SLOT(onAxisChanged(int,int)) },
		{ SIGNAL(seriesViewChanged(int,int,int)), SLOT(onSeriesViewChanged(int,int,int)) },
		{ SIGNAL(seriesChanged(int,int)), SLOT(onSeriesChanged(int,int)) },
		{ SIGNAL(seriesAboutToBeInserted(int,int)), SLOT(onSeriesAboutToBeInserted(int,int)) },
		{ SIGNAL(seriesAboutToBeRemoved(int,int)), SLOT(onSeriesAboutToBeRemoved(int,int)) },
		{ SIGNAL(seriesInserted(int,int)), SLOT(onSeriesInserted(int,int)) },
		{ SIGNAL(seriesRemoved(int,int)), SLOT(onSeriesRemoved(int,int)) },
		{ SIGNAL(modelAboutToBeReset()), SLOT(onModelAboutToBeReset()) },
		{ SIGNAL(modelReset()), SLOT(onSeriesModelReset()) },
		{ SIGNAL(modelAboutToBeChanged()), SLOT(prohibitUpdate()) },
		{ SIGNAL(modelChanged()), SLOT(allowUpdateAndReplot()) },
		{ SIGNAL(destroyed()), SLOT(onModelAboutToBeDeleted()) }
	};
	for (const Link & l : links) {
		if (doConnect)
			connect(m_model, l.signal, this, l.slot);
		else
			disconnect(m_model, l.signal, this, l.slot);
	}
}


void Chart::deleteAllSeries() {
	qDeleteAll(m_series);
	m_series.clear();
}


void Chart::setModel(AbstractChartModel * model) {
	if (m_model != nullptr) {
		connectModel(false);
		// the model leaves with its designed ranges, not with this chart's zoom
		m_zoomer->restoreDesign(dynamic_cast<AbstractCartesianChartModel *>(m_model));
	}
	deleteAllSeries();
	m_model = model;
	m_picker->m_units.clear();
	m_zoomer->m_units.clear();
	m_rescaler->setEnabled(false);
	if (m_model == nullptr) {
		replot();
		return;
	}
	connectModel(true);
	resetView();
}


bool Chart::isLineChart() const {
	return m_model != nullptr && m_model->seriesType() == 1;
}


QVariant Chart::axisValue(int position, int role) const {
	return m_model->axisData(position, role);
}


QVariant Chart::chartValue(int role) const {
	return m_model->chartData(role);
}


void Chart::resetView() {
	prohibitUpdate();
	BVX::BVX_Message("Chart view reset.\n", BVX::MSG_PROGRESS, "[Chart::resetView]", 4);
	m_colorBar->setColorBarEnabled(false);
	// a rebuild of a bound chart starts from no series (the model's indexes hold again)
	deleteAllSeries();
	// rebuilt while zoomed: from the designed ranges, the zoom base below is set anew
	m_zoomer->restoreDesign(dynamic_cast<AbstractCartesianChartModel *>(m_model));
	if (m_model == nullptr) {
		allowUpdateAndReplot();
		return;
	}
	const int type = m_model->seriesType();
	if (const char * error = createSeries(type)) {
		BVX::BVX_Message(error, BVX::MSG_ERROR, "[Chart::resetView]", -1);
		allowUpdate();
		return;
	}

	for (int role = 0; role < CM::NUM_CDR; ++role)
		onChartChanged(role);
	for (int pos = 0; pos < 3; ++pos)
		for (int role = 0; role < AM::NUM_ADR; ++role)
			onAxisChanged(pos, role);
	if (!m_series.isEmpty() && type == LINE_CHART) {
		for (int role = LM::Title; role <= LM::InLegend; ++role)
			onSeriesViewChanged(0, m_series.size() - 1, role);
	}
	else if (!m_series.isEmpty() && type == COLOR_GRID_CHART) {
		for (int role = 0; role < GM::NUM_SDR; ++role)
			onSeriesViewChanged(0, 0, role);
	}
	else if (!m_series.isEmpty() && type == BAR_CHART) {
		for (int role = BM::Title; role < BM::NUM_SDR; ++role)
			onSeriesViewChanged(0, 0, role);
	}
	updateStyle();
	updateAxisScalesInside();
	allowUpdate();
	replot();
	m_zoomer->setZoomBase(QRectF(QPointF(m_axisXBottom.minimum(), m_axisYLeft.minimum()),
								 QPointF(m_axisXBottom.maximum(), m_axisYLeft.maximum())).normalized());
}


const char * Chart::createSeries(int type) {
	if (type == LINE_CHART) {
		for (int i = 0; i < m_model->seriesCount(); ++i)
			if (!insertLineSeriesFromModel(i))
				return "Error creating line series from model, probably incomplete model implementation.";
	}
	else if (type == COLOR_GRID_CHART) {
		if (m_model->seriesCount() != 0 && !insertColorGridSeriesFromModel())
			return "Failed to add ColorGridSeries to chart, probably due to missing/inconsistent data in ColorGridSeriesModel.";
	}
	else if (type == BAR_CHART) {
		if (m_model->seriesCount() != 0 && !insertBarSeriesFromModel())
			return "Error creating bar series from model, probably incomplete model implementation.";
	}
	return nullptr;
}


bool Chart::insertLineSeriesFromModel(int index) {
	Q_ASSERT_X(index >= 0 && index <= m_series.count(), "Chart::insertLineSeriesFromModel",
			   "index >= 0 && index <= m_series.count()");
	LM * model = dynamic_cast<LM *>(m_model);
	if (model == nullptr)
		return false;
	try {
		const bool leftAxis = model->seriesData(index, LM::LeftAxis).toBool();
		const QString title = model->seriesData(index, LM::Title).toString();
		const QPen pen = model->seriesData(index, LM::Pen).value<QPen>();
		BVX::Unit xUnit(model->axisData(0, AM::AxisUnit).toUInt());
		// a time axis may leave its unit open: its values are milliseconds
		if (xUnit.id() == 0 && model->axisData(0, AM::DateTimeEnabled).toBool())
			xUnit = BVX::Unit("ms");
		const BVX::Unit yUnit(model->axisData(leftAxis ? 1 : 2, AM::AxisUnit).toUInt());
		if (xUnit.id() == 0 || yUnit.id() == 0) {
			qDebug() << "Invalid xunit or yunit returned from LineSeriesModel.";
			return false;
		}
		const bool splitAtNaN = xUnit.base_id() == BVX::Unit("m").base_id();
		const unsigned int ui = static_cast<unsigned int>(index);
		const int count = model->seriesData(index, LM::ValueCount).toInt();
		LineSeries * series = new LineSeries(this, count, model->xValues(ui), model->yValues(ui), title,
											 splitAtNaN, pen.color());
		series->setPen(pen);
		const int iconStyle = model->chartData(CM::LegendIconStyle).toInt();
		series->setLegendIconStyle(iconStyle);
		if (iconStyle == 1)
			series->setLegendIconSize(QSize(model->chartData(CM::LegendIconWidth).toInt(), 0));
		else
			series->setLegendIconSize(QSize(9, 9));
		series->setInLegend(model->seriesData(index, LM::InLegend).toBool());
		if (leftAxis)
			series->setLeftAxis();
		else
			series->setRightAxis();
		const QString xName = QString::fromStdString(xUnit.name());
		const QString yName = QString::fromStdString(yUnit.name());
		setUnitText(TrackerUnits::XUnit, xName);
		setUnitText(leftAxis ? TrackerUnits::LeftYUnit : TrackerUnits::RightYUnit, yName);
		m_series.insert(index, series);
		return true;
	}
	catch (...) {
		qDebug() << "Exception caught while creating new line series.";
		return false;
	}
}


bool Chart::insertBarSeriesFromModel() {
	const char * const FUNC_ID = "[Chart::insertBarSeriesFromModel]";
	Q_ASSERT_X(m_series.empty(), "Chart::insertBarSeriesFromModel", "m_series.empty()");
	BM * barModel = dynamic_cast<BM *>(m_model);
	Q_ASSERT_X(barModel != nullptr, "Chart::insertBarSeriesFromModel", "barModel != nullptr");
	if (barModel == nullptr || !m_series.empty())
		return false;
	const QString title = barModel->seriesData(0, BM::Title).toString();
	const BVX::Unit xUnit(barModel->axisData(0, AM::AxisUnit).toUInt());
	const BVX::Unit yUnit(barModel->axisData(1, AM::AxisUnit).toUInt());
	if (yUnit.id() == 0) {
		BVX::BVX_Message("Invalid y-unit returned from BarSeriesModel.", BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	if (barModel->seriesCount() != 1)
		return false;
	BarSeries * series = new BarSeries(this, title);
	try {
		series->setData(barModel);
	}
	catch (std::exception & ex) {
		BVX::BVX_Message(ex.what(), BVX::MSG_ERROR, FUNC_ID, -1);
	}
	m_series.append(series);
	for (int role = BM::Style; role <= BM::Spacing; ++role)
		applyBarSeriesRole(role);
	applyBarSymbols();
	// bars have no right axis and no colour bar
	m_model->setAxisData(false, 2, AM::Enabled);
	m_axisYRight.setEnabled(false);
	m_colorBar->setColorBarEnabled(false);
	plotLayout()->setAlignCanvasToScales(true);
	if (xUnit.id() != 0)
		setUnitText(TrackerUnits::XUnit, QString::fromStdString(xUnit.name()));
	setUnitText(TrackerUnits::LeftYUnit, QString::fromStdString(yUnit.name()));
	return true;
}


bool Chart::insertColorGridSeriesFromModel() {
	const char * const FUNC_ID = "[Chart::insertColorGridSeriesFromModel]";
	Q_ASSERT_X(m_series.empty(), "Chart::insertColorGridSeriesFromModel", "m_series.empty()");
	GM * colorModel = dynamic_cast<GM *>(m_model);
	Q_ASSERT_X(colorModel != nullptr, "Chart::insertColorGridSeriesFromModel", "colorModel != nullptr");
	if (colorModel == nullptr || !m_series.empty())
		return false;
	const BVX::Unit xUnit(colorModel->axisData(0, AM::AxisUnit).toUInt());
	const BVX::Unit yUnit(colorModel->axisData(1, AM::AxisUnit).toUInt());
	const BVX::Unit valueUnit(colorModel->axisData(2, AM::AxisUnit).toUInt());
	if (xUnit.id() == 0 || yUnit.id() == 0) {
		BVX::BVX_Message("Invalid x-unit or y-unit returned from ColorGridSeriesModel.", BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	if (valueUnit.id() == 0) {
		BVX::BVX_Message("Invalid value unit returned from ColorGridSeriesModel.", BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	if (colorModel->seriesCount() != 1)
		return false;
	m_series.append(new ColorGridSeries(this, QString()));
	setColorGridData();
	// the right axis carries the colour bar
	colorModel->setAxisData(true, 2, AM::Enabled);
	m_colorBar->setColorBarEnabled(true);
	setUnitText(TrackerUnits::XUnit, QString::fromStdString(xUnit.name()));
	setUnitText(TrackerUnits::LeftYUnit, QString::fromStdString(yUnit.name()));
	setUnitText(TrackerUnits::ValueUnit, QString::fromStdString(valueUnit.name()));
	return true;
}


void Chart::setColorGridData() {
	ColorGridSeries * series = qobject_cast<ColorGridSeries *>(seriesAt(0));
	if (series == nullptr)
		return;
	auto count = [this](int role) { return m_model->seriesData(0, role).toUInt(); };
	auto array = [this](int role) { return m_model->seriesData(0, role).value<const double *>(); };
	try {
		series->setData(count(GM::XGridSize), array(GM::XGrid), count(GM::YGridSize), array(GM::YGrid),
						count(GM::XValueCount), count(GM::YValueCount), array(GM::Values),
						m_model->seriesData(0, GM::Cells).value<const ColorGridCell *>());
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		BVX::BVX_Message(ex.what(), BVX::MSG_ERROR, "[Chart::insertColorGridSeriesFromModel]", -1);
	}
	catch (std::exception & ex) {
		BVX::BVX_Message(ex.what(), BVX::MSG_ERROR, "[Chart::insertColorGridSeriesFromModel]", -1);
	}
}


ChartSeries * Chart::seriesAt(int index) const {
	if (index < 0 || index >= m_series.size())
		return nullptr;
	return m_series[index];
}


void Chart::setUnitText(int kind, const QString & text) {
	m_picker->m_units.m_texts[kind] = text;
	m_zoomer->m_units.m_texts[kind] = text;
}


// *** model signals ***

void Chart::onSeriesAboutToBeInserted(int, int) {
}


void Chart::onSeriesInserted(int first, int last) {
	if (!isLineChart())
		return;
	for (int i = first; i <= last; ++i) {
		const bool ok = insertLineSeriesFromModel(i);
		Q_ASSERT_X(ok, "Chart::onSeriesInserted", "Error in SeriesModel. Series cannot be inserted");
		(void)ok;
	}
	replot();
}


void Chart::onSeriesAboutToBeRemoved(int first, int last) {
	if (!isLineChart())
		return;
	for (int i = last; i >= first; --i) {
		Q_ASSERT_X(static_cast<int>(i) < m_series.size(), "Chart::onSeriesAboutToBeRemoved",
				   "static_cast<int>(index) < m_series.size()");
		if (seriesAt(i) == nullptr)
			continue;
		delete m_series.takeAt(i);
	}
	replot();
}


void Chart::onSeriesRemoved(int, int) {
}


void Chart::onSeriesAboutToBeChanged(int first, int last) {
	for (int i = first; i <= last; ++i)
		if (ChartSeries * s = seriesAt(i))
			s->lock();
}


void Chart::onSeriesChanged(int first, int last) {
	LM * model = dynamic_cast<LM *>(m_model);
	for (int i = first; i <= last; ++i) {
		ChartSeries * s = seriesAt(i);
		if (s == nullptr)
			continue;
		s->unlock();
		LineSeries * ls = qobject_cast<LineSeries *>(s);
		if (ls != nullptr && model != nullptr) {
			const unsigned int ui = static_cast<unsigned int>(i);
			ls->setData(model->seriesData(i, LM::ValueCount).toInt(), model->xValues(ui), model->yValues(ui));
		}
		else if (m_model != nullptr && m_model->seriesType() == BAR_CHART) {
			BarSeries * barSeries = qobject_cast<BarSeries *>(s);
			Q_ASSERT_X(barSeries != nullptr, "Chart::onSeriesChanged", "barSeries != nullptr");
			if (barSeries != nullptr) {
				barSeries->setData(dynamic_cast<BM *>(m_model));
				applyBarSymbols();
			}
		}
		else if (m_model != nullptr && m_model->seriesType() == COLOR_GRID_CHART) {
			prohibitUpdate();
			setColorGridData();
			applyColorScale();
			allowUpdate();
		}
	}
	replot();
}


void Chart::onModelAboutToBeDeleted() {
	BVX::BVX_Message("Chart model about to be deleted, setting m_model pointer to nullptr.\n",
					 BVX::MSG_PROGRESS, "[Chart::onModelAboutToBeDeleted]", 4);
	// the curves point into the arrays of the dying model: drop them with it
	deleteAllSeries();
	m_model = nullptr;
	replot();
}


void Chart::onModelAboutToBeReset() {
	for (ChartSeries * s : m_series)
		s->lock();
}


void Chart::onSeriesModelReset() {
	deleteAllSeries();
	resetView();
}


// *** chart properties ***

void Chart::onChartChanged(int role) {
	if (m_model == nullptr)
		return;
	// the setters below replot on their own: one replot for the whole change
	prohibitUpdate();
	const bool applied = applyChartRole(role);
	allowUpdate();
	if (applied)
		replot();
}


bool Chart::applyChartRole(int role) {
	switch (role) {
		case CM::TitleText:
			setTitle(chartValue(role).toString());
			break;
		case CM::TitleFont: {
			QwtText t = title();
			t.setFont(chartValue(role).value<QFont>());
			setTitle(t);
		} break;
		case CM::Title:
			break;
		case CM::LegendVisible:
			if (chartValue(role).toBool()) {
				applyLegendPosition();
			}
			else {
				insertLegend(nullptr);
				delete m_legendItem;
				m_legendItem = nullptr;
			}
			break;
		case CM::LegendPosition:
			if (!chartValue(CM::LegendVisible).toBool())
				return false;
			applyLegendPosition();
			break;
		case CM::LegendAlignment:
			if (!chartValue(CM::LegendVisible).toBool() || chartValue(CM::LegendPosition).toInt() != CM::Inside)
				return false;
			Q_ASSERT_X(m_legendItem != nullptr, "Chart::onChartChanged", "m_legendItem != nullptr");
			applyLegendRole(role);
			break;
		case CM::Proportional:
			applyProportional();
			break;
		case CM::AxisY2TitleInverted:
			m_axisYRight.setTitleInverted(chartValue(role).toBool());
			break;
		case CM::AxisScalesInside:
			updateAxisScalesInside();
			break;
		case CM::ConstructionLinesVisible:
		case CM::ConstructionLinesPen:
			applyConstructionLines();
			break;
		default:
			if (role > CM::LegendAlignment && role <= CM::LegendFont)
				applyLegendRole(role);
			break;
	}
	return true;
}


void Chart::applyLegendPosition() {
	const int position = chartValue(CM::LegendPosition).toInt();
	const int current = m_legendItem != nullptr ? int(CM::Inside) : int(plotLayout()->legendPosition());
	prohibitUpdate();
	if (position != current || (m_legend == nullptr && m_legendItem == nullptr)) {
		if (position == CM::Inside) {
			insertLegend(nullptr);
			delete m_legendItem;
			m_legendItem = new LegendItem;
			m_legendItem->attach(this);
			updateLegend();
		}
		else {
			delete m_legendItem;
			m_legendItem = nullptr;
			m_legend = new Legend(this, position);	// replaces (deletes) a previous widget
			connect(m_legend, &QObject::destroyed, this, [this](QObject * o) {
				if (o == m_legend)
					m_legend = nullptr;
			});
			updateLegend();
		}
	}
	for (int role = CM::LegendAlignment; role <= CM::LegendFont; ++role)
		applyLegendRole(role);
	allowUpdate();
}


void Chart::applyLegendRole(int role) {
	const QVariant v = chartValue(role);
	switch (role) {
		case CM::LegendAlignment:
			if (m_legendItem != nullptr)
				m_legendItem->setAlignment(legendAlignment(v.toInt()));
			break;
		case CM::LegendHasFrame:
			if (m_legendItem != nullptr)
				m_legendItem->setBorderPen(v.toBool() ? QPen(Qt::black) : QPen(Qt::NoPen));
			break;
		case CM::LegendIconStyle:
		case CM::LegendIconWidth: {
			if (!isLineChart())
				break;
			const int style = chartValue(CM::LegendIconStyle).toInt();
			if (role == CM::LegendIconWidth && style != 1)
				break;
			const QSize size = style == 1 ? QSize(chartValue(CM::LegendIconWidth).toInt(), 0) : QSize(9, 9);
			for (ChartSeries * s : m_series) {
				LineSeries * ls = qobject_cast<LineSeries *>(s);
				if (ls == nullptr)
					continue;
				if (role == CM::LegendIconStyle)
					ls->setLegendIconStyle(style);
				ls->setLegendIconSize(size);
			}
		} break;
		case CM::LegendBackgroundColor:
		case CM::LegendBackgroundTransparency:
			if (m_legendItem != nullptr) {
				// the "transparency" is an opacity: 1 is opaque
				QColor c = toColor(chartValue(CM::LegendBackgroundColor));
				c.setAlpha(int(chartValue(CM::LegendBackgroundTransparency).toDouble() * 255));
				m_legendItem->setBackgroundBrush(c);
			}
			break;
		case CM::LegendOffset:
			if (m_legendItem != nullptr) {
				const QSize off = v.toSize();
				m_legendItem->setHorizontalOffset(off.width());
				m_legendItem->setVerticalOffset(off.height());
			}
			break;
		case CM::LegendMaxColumns:
			if (m_legend != nullptr)
				m_legend->setMaxColumns(v.toInt());
			if (m_legendItem != nullptr)
				m_legendItem->setMaxColumns(static_cast<uint>(v.toInt()));
			break;
		case CM::LegendSpacing:
			if (m_legend != nullptr)
				m_legend->setSpacing(v.toInt());
			if (m_legendItem != nullptr)
				m_legendItem->setBorderRadius(v.toInt());
			break;
		case CM::LegendFont:
			if (m_legend != nullptr)
				m_legend->setFont(v.value<QFont>());
			if (m_legendItem != nullptr)
				m_legendItem->setFont(v.value<QFont>());
			break;
		default:
			break;
	}
}


void Chart::applyProportional() {
	if (chartValue(CM::Proportional).toBool()) {
		if (sameBaseUnit(axisValue(0, AM::AxisUnit).toUInt(), "m")) {
			m_rescaler->setEnabled(true);
			m_rescaler->rescale();
		}
		else {
			m_rescaler->setEnabled(false);
			updateAxes();
		}
	}
	else if (m_rescaler->isEnabled()) {
		m_rescaler->setEnabled(false);
		applyAxisRole(1, AM::Autoscale);
	}
}


void Chart::applyConstructionLines() {
	clearConstructionLines();
	if (m_series.isEmpty())
		return;
	const BVX::GridData * lines = m_model->constructionLineData();
	const bool visible = chartValue(CM::ConstructionLinesVisible).toBool() && lines != nullptr;
	if (m_model->seriesType() == COLOR_GRID_CHART) {
		// drawn by the spectrogram, horizontal lines included
		ColorGridSeries * s = qobject_cast<ColorGridSeries *>(seriesAt(0));
		Q_ASSERT_X(s != nullptr, "Chart::onChartChanged", "colorGridSeries");
		if (s == nullptr)
			return;
		const bool shown = visible && !lines->empty();
		s->spectrogram()->setConstructionLines(shown ? *lines : BVX::GridData(BVX::Unit(1)));
		s->spectrogram()->setConstructionLinePen(shown ? chartValue(CM::ConstructionLinesPen).value<QPen>() : QPen(Qt::NoPen));
		return;
	}
	if (!visible || lines->hasNoPoints())
		return;
	const QVariant value = chartValue(CM::ConstructionLinesPen);
	Q_ASSERT_X(value.canConvert<QPen>(), "Chart::applyConstructionLines", "value.canConvert<QPen>()");
	QPen pen = value.value<QPen>();
	for (const BVX::GridLine & l : lines->m_verticalLines)
		addConstructionLine(l.m_position, pen);
	pen.setWidth(pen.width() + 2);
	for (const BVX::GridLine & l : lines->m_verticalMajorLines)
		addConstructionLine(l.m_position, pen);
}


void Chart::addConstructionLine(double x, const QPen & pen) {
	QwtPlotMarker * m = new QwtPlotMarker;
	m->setLabel(QwtText());
	m->setLineStyle(QwtPlotMarker::VLine);
	m->setZ(5);
	m->setXValue(x);
	m->setItemAttribute(QwtPlotItem::AutoScale, true);
	m->setLinePen(pen);
	m_constructionLines.append(m);
	m->attach(this);
}


void Chart::clearConstructionLines() {
	for (QwtPlotMarker * m : m_constructionLines) {
		m->detach();
		delete m;
	}
	m_constructionLines.clear();
}


void Chart::updateAxisScalesInside() {
	const bool inside = m_model != nullptr && chartValue(CM::AxisScalesInside).toBool();
	// an axis that is not shown has no scale inside either (xTop is never driven)
	for (int id = 0; id < QwtPlot::axisCnt; ++id)
		m_scaleItems[id]->setVisible(inside && axisEnabled(id));
	for (int id : SCALE_AXES)
		axisScaleDraw(id)->enableComponent(QwtAbstractScaleDraw::Ticks, !inside);
	const bool rightEnabled = isLineChart() && axisValue(2, AM::Enabled).toBool();
	m_scaleItems[QwtPlot::xBottom]->setAxes(QwtPlot::xBottom, rightEnabled ? QwtPlot::yRight : QwtPlot::yLeft);
	updateLayout();
}


// *** axis properties ***

void Chart::onAxisChanged(int position, int role) {
	prohibitUpdate();
	if (m_model != nullptr && position >= 0 && position <= 2)
		applyAxisRole(position, role);
	allowUpdate();
	replot();
}


void Chart::applyAxisRole(int position, int role) {
	ChartAxis & a = axis(position);
	const QVariant v = axisValue(position, role);
	switch (role) {
		case AM::Enabled:
			a.setEnabled(v.toBool());
			if (chartValue(CM::AxisScalesInside).toBool())
				updateAxisScalesInside();
			break;
		case AM::Title:
		case AM::TitleText:
			a.setTitle(axisValue(position, AM::Title).toString());
			a.setTitleSpacing(axisValue(position, AM::TitleSpacing).toInt());
			break;
		case AM::Maximum:
		case AM::Minimum:
		case AM::Autoscale:
			// the right axis of a colour grid shows the z range of the colour bar
			if (position == 2 && m_model->seriesType() == COLOR_GRID_CHART && !m_series.isEmpty()) {
				applyColorScale();
				break;
			}
			if (axisValue(position, AM::Autoscale).toBool())
				a.setAutoScale(true);
			else
				a.setScale(axisValue(position, AM::Minimum).toDouble(), axisValue(position, AM::Maximum).toDouble());
			updateAxes();
			if (m_rescaler->isEnabled())
				m_rescaler->rescale();
			break;
		case AM::Logarithmic:
			if (axisValue(position, AM::DateTimeEnabled).toBool())
				break;
			if (isLineChart()) {
				if (v.toBool())
					a.setLogarithmic();
				else
					a.setLinear();
			}
			else if (v.toBool()) {
				BVX::BVX_Message("Cannot set logarithmic axis for colormap plot.", BVX::MSG_ERROR,
								 "[Chart::onAxisChanged]", 0);
			}
			break;
		case AM::TitleFont:
			a.setTitleFont(v.value<QFont>());
			a.setTitleSpacing(axisValue(position, AM::TitleSpacing).toInt());
			break;
		case AM::LabelFont:
			a.setLabelFont(v.value<QFont>());
			break;
		case AM::LabelHAlignment:
		case AM::LabelVAlignment:
			a.setLabelAlignment(axisValue(position, AM::LabelHAlignment).toInt(),
								axisValue(position, AM::LabelVAlignment).toInt());
			break;
		case AM::LabelRotation:
			a.setLabelRotation(v.toDouble());
			break;
		case AM::MaxMinorScale:
			a.setMaxMinor(v.toInt());
			break;
		case AM::MaxMajorScale:
			a.setMaxMajor(v.toInt());
			break;
		case AM::AxisUnit: {
			const QString name = QString::fromStdString(BVX::Unit(v.toUInt()).name());
			if (position == 0)
				setUnitText(TrackerUnits::XUnit, name);
			else if (position == 1)
				setUnitText(TrackerUnits::LeftYUnit, name);
			else {
				const bool shown = isLineChart() && axisValue(2, AM::Enabled).toBool();
				setUnitText(TrackerUnits::RightYUnit, shown ? name : QString());
				// the right axis of a colour grid carries the unit of its values
				if (m_model->seriesType() == COLOR_GRID_CHART && !m_series.isEmpty())
					setUnitText(TrackerUnits::ValueUnit, name);
				if (m_rescaler->isEnabled()) {
					updateAxes();
					m_rescaler->rescale();
				}
			}
			a.setTitle(axisValue(position, AM::Title).toString());
			a.setTitleSpacing(axisValue(position, AM::TitleSpacing).toInt());
		} break;
		case AM::GridVisible:
		case AM::MinorGridVisible: {
			const bool minor = role == AM::MinorGridVisible;
			if (position == 0) {
				if (minor)
					m_grid->enableXMin(v.toBool());
				else
					m_grid->enableX(v.toBool());
			}
			else if (position == 1) {
				if (minor)
					m_grid->enableYMin(v.toBool());
				else
					m_grid->enableY(v.toBool());
			}
		} break;
		case AM::GridPen:
		case AM::GridPenWidth:
		case AM::GridPenColor:
			m_grid->setMajorPen(axisValue(0, AM::GridPen).value<QPen>());
			break;
		case AM::MinorGridPen:
		case AM::MinorGridPenWidth:
		case AM::MinorGridPenColor:
			m_grid->setMinorPen(axisValue(0, AM::MinorGridPen).value<QPen>());
			break;
		case AM::TitleSpacing:
			a.setTitleSpacing(v.toInt());
			break;
		case AM::LabelSpacing:
			a.setLabelSpacing(v.toInt());
			break;
		case AM::DateTimeEnabled:
			if (position == 0) {
				a.setTimeOffset(axisValue(0, AM::DateTimeZero).toDateTime().offsetFromUtc());
				a.setDateTime(v.toBool());
				// a new date scale starts from the default formats: give it the model's
				if (v.toBool())
					a.setDateTimeFormats(axisValue(0, AM::DateTimeFormats).toStringList());
			}
			break;
		case AM::DateTimeZero:
			if (position == 0)
				a.setTimeOffset(v.toDateTime().offsetFromUtc());
			break;
		case AM::DateTimeFormats:
			if (position == 0 && axisValue(0, AM::DateTimeEnabled).toBool())
				a.setDateTimeFormats(v.toStringList());
			break;
		default:
			break;
	}
}


// *** series properties ***

void Chart::onSeriesViewChanged(int first, int last, int role) {
	if (m_model != nullptr && (m_model->seriesType() == COLOR_GRID_CHART || m_model->seriesType() == BAR_CHART)) {
		Q_ASSERT_X(first == 0 && last == 0, "Chart::onSeriesViewChanged", "start == 0 && end == 0");
		(void)first;
		(void)last;
		prohibitUpdate();
		// no series: a model whose grid or bars could not be shown
		if (!m_series.isEmpty()) {
			if (m_model->seriesType() == BAR_CHART) {
				applyBarSeriesRole(role);
				applyBarSymbols();
			}
			else
				applyColorGridRole(role);
		}
		allowUpdate();
		replot();
		return;
	}
	if (!isLineChart())
		return;
	if (role < LM::TitleText || role > LM::InLegend)
		return;
	prohibitUpdate();
	for (int i = first; i <= last; ++i)
		applyLineSeriesRole(i, role);
	allowUpdate();
	replot();
}


void Chart::applyLineSeriesRole(int index, int role) {
	LineSeries * s = qobject_cast<LineSeries *>(seriesAt(index));
	if (s == nullptr)
		return;
	const QVariant v = m_model->seriesData(index, role);
	switch (role) {
		case LM::TitleText:
		case LM::Title:		s->setTitle(m_model->seriesData(index, LM::Title).toString()); break;
		case LM::Pen:		s->setPen(v.value<QPen>()); break;
		case LM::PenWidth:	s->setPenWidth(v.toInt()); break;
		case LM::PenColor:	s->setColor(toColor(v)); break;
		case LM::LeftAxis:
			if (v.toBool())
				s->setLeftAxis();
			else
				s->setRightAxis();
			break;
		case LM::LineStyle:		s->setLineStyle(v.toInt()); break;
		case LM::MarkerStyle:	s->setMarkerStyle(v.toInt()); break;
		case LM::Inverted:		s->setInverted(v.toBool()); break;
		case LM::Fitted:		break;	// switched by the printing bracket
		case LM::InLegend:		s->setInLegend(v.toBool()); break;
		default: break;
	}
}


void Chart::applyBarSeriesRole(int role) {
	BarSeries * s = qobject_cast<BarSeries *>(seriesAt(0));
	Q_ASSERT_X(s != nullptr, "Chart::onSeriesViewChanged", "barSeries");
	Q_ASSERT_X(dynamic_cast<BM *>(m_model) != nullptr, "Chart::onSeriesViewChanged", "barSeriesModel");
	if (s == nullptr)
		return;
	const QVariant v = m_model->seriesData(0, role);
	switch (role) {
		case BM::TitleText:
		case BM::Title:			s->setTitle(m_model->seriesData(0, BM::Title).toString()); break;
		case BM::Style:			s->setStyle(v.toInt()); break;
		case BM::Baseline:		s->setBaseline(v.toDouble()); break;
		case BM::LayoutPolicy:	s->setLayoutPolicy(v.toInt()); break;
		case BM::Margin:		s->setMargin(v.toInt()); break;
		case BM::LayoutHint:	s->setLayoutHint(v.toDouble()); break;
		case BM::Spacing:		s->setSpacing(v.toInt()); break;
		default: break;
	}
}


void Chart::applyBarSymbols() {
	BarSeries * s = qobject_cast<BarSeries *>(seriesAt(0));
	const BM * model = dynamic_cast<const BM *>(m_model);
	if (s == nullptr || model == nullptr)
		return;
	QStringList titles;
	for (unsigned int i = 0; i < model->barCount(); ++i) {
		s->setBarSymbol(static_cast<int>(i), model->barSymbolPalette(i));
		titles << model->barTitle(i);
	}
	s->setBarTitles(titles);
}


void Chart::applyColorGridRole(int role) {
	ColorGridSeries * s = qobject_cast<ColorGridSeries *>(seriesAt(0));
	Q_ASSERT_X(s != nullptr, "Chart::onSeriesViewChanged", "colorGridSeries");
	if (s == nullptr)
		return;
	const QVariant v = m_model->seriesData(0, role);
	switch (role) {
		case GM::ColorMapDefinition:
		case GM::ColorMapMinColor:
		case GM::ColorMapMaxColor:
		case GM::ColorMapSteps:
		case GM::ZRange:
		case GM::Interpolation:
			applyColorScale();
			break;
		case GM::DisplayType:
			s->setDisplayType(v.toInt());
			applyAxisRole(1, AM::GridVisible);
			applyAxisRole(2, AM::GridVisible);
			break;
		case GM::RightAxis:
			m_axisYRight.setEnabled(v.toBool());
			break;
		case GM::ContourLinesColoredByLevel:
			s->setContourLinesColoredByLevel(v.toBool());
			break;
		case GM::ContourLineDistance:
			s->setContourLineDistance(v.toDouble());
			break;
		case GM::ContourPen:
			if (v.userType() == QMetaType::QPen)
				s->setContourPen(v.value<QPen>());
			break;
		default:
			break;
	}
}


void Chart::applyColorScale() {
	ColorGridSeries * s = qobject_cast<ColorGridSeries *>(seriesAt(0));
	if (s == nullptr)
		return;
	const QVariant mapValue = m_model->seriesData(0, GM::ColorMapDefinition);
	Q_ASSERT_X(mapValue.canConvert<ColorMap>(), "Chart::onSeriesViewChanged", "value.canConvert<SCI::ColorMap>()");
	const ColorMap colorMap = mapValue.value<ColorMap>();
	const QVariant rangeValue = m_model->seriesData(0, GM::ZRange);
	Q_ASSERT_X(rangeValue.canConvert<Range>(), "Chart::onSeriesViewChanged", "value.canConvert<Range>()");
	const Range range = rangeValue.canConvert<Range>() ? rangeValue.value<Range>() : Range(0, 0);
	const int interpolation = m_model->seriesData(0, GM::Interpolation).toInt();
	const bool fixedColors = interpolation == 1;
	const QwtInterval interval(range.m_min, range.m_max);
	m_axisYRight.setScale(range.m_min, range.m_max);
	// colour bar and grid each own their map
	if (QwtColorMap * barMap = ColorMapCreator::createColorMap(colorMap, fixedColors))
		m_colorBar->setColorMap(interval, barMap);
	if (QwtColorMap * gridMap = ColorMapCreator::createColorMap(colorMap, fixedColors))
		s->setColorMap(gridMap);
	s->setZRange(interval);
	s->setInterpolationMode(interpolation);
	s->setContourLineDistance(m_model->seriesData(0, GM::ContourLineDistance).toDouble());
	int start, end;
	m_colorBar->getBorderDistHint(start, end);
	m_colorBar->setBorderDist(start, end);
}


// *** style and printing ***

void Chart::updateStyle() {
	if (QwtPlotCanvas * c = qobject_cast<QwtPlotCanvas *>(canvas())) {
		c->setLineWidth(1);
		c->setFrameStyle(QFrame::Box | QFrame::Plain);
	}
	QPalette pal = palette();
	pal.setColor(QPalette::WindowText, Qt::black);
	pal.setColor(QPalette::Dark, Qt::black);
	setPalette(pal);
	plotLayout()->setAlignCanvasToScales(true);
	for (int id = 0; id < QwtPlot::axisCnt; ++id)
		plotLayout()->setCanvasMargin(0, id);
	for (int id : SCALE_AXES) {
		QwtScaleWidget * w = axisWidget(id);
		const bool colorBar = w->isColorBarEnabled();
		axisScaleDraw(id)->enableComponent(QwtAbstractScaleDraw::Backbone, colorBar);
		w->setMargin(colorBar ? 4 : 0);
		axisScaleDraw(id)->setTickLength(QwtScaleDiv::MinorTick, 2);
		axisScaleDraw(id)->setTickLength(QwtScaleDiv::MediumTick, 4);
		axisScaleDraw(id)->setTickLength(QwtScaleDiv::MajorTick, 6);
	}
}


void Chart::setScalePenWidth(double width) {
	// Qwt keeps whole-number widths: 1 for the layout, the fraction replaces it while drawing
	auto apply = [width](QwtScaleDraw * sd) {
		sd->setPenWidth(1);
		if (ScalePen * pen = dynamic_cast<ScalePen *>(sd))
			pen->setPenWidthF(width);
	};
	for (int id : SCALE_AXES)
		apply(axisScaleDraw(id));
	for (PlotScaleItem * item : m_scaleItems)
		if (item != nullptr)
			apply(item->scaleDraw());
}


void Chart::setCurvesFitted(bool fitted) {
	if (dynamic_cast<LM *>(m_model) == nullptr)
		return;
	for (ChartSeries * s : m_series)
		if (LineSeries * ls = qobject_cast<LineSeries *>(s))
			ls->curve()->setCurveAttribute(QwtPlotCurve::Fitted, fitted);
}


void Chart::preparePrinting(bool showLegendItem, bool fitted) {
	QPen major = m_grid->majorPen();
	major.setWidthF(0.5);
	m_grid->setMajorPen(major);
	QPen minor = m_grid->minorPen();
	minor.setWidthF(0.5);
	m_grid->setMinorPen(minor);
	if (m_legendItem != nullptr) {
		m_legendItem->setVisible(m_model != nullptr && chartValue(CM::LegendVisible).toBool() && showLegendItem);
		if (m_legendItem->borderPen().style() != Qt::NoPen) {
			QPen p;
			p.setWidthF(0.5);
			m_legendItem->setBorderPen(p);
		}
	}
	// half a pixel, scaled with the device like the grid
	setScalePenWidth(0.5);
	setCurvesFitted(fitted);
	m_paletteBeforePrinting = palette();
	QPalette pal = palette();
	pal.setColor(QPalette::Window, Qt::white);
	setPalette(pal);
}


void Chart::finishPrinting() {
	if (m_model != nullptr) {
		m_grid->setMajorPen(axisValue(0, AM::GridPen).value<QPen>());
		m_grid->setMinorPen(axisValue(0, AM::MinorGridPen).value<QPen>());
	}
	if (m_legendItem != nullptr) {
		m_legendItem->setVisible(m_model != nullptr && chartValue(CM::LegendVisible).toBool());
		if (m_model != nullptr)
			applyLegendRole(CM::LegendHasFrame);
	}
	setScalePenWidth(0);
	setCurvesFitted(false);
	setPalette(m_paletteBeforePrinting);
}

} // namespace SCI
