#include "EnergyBalancePlot.h"

#include <QCoreApplication>
#include <QLayout>

#include <qwt_column_symbol.h>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_multi_barchart.h>

#include <RM_CaldoryneModel.h>

#include "PlotStyle.h"
#include "ResultsAvailability.h"
#include "TimePlotPicker.h"

EnergyBalancePlot::EnergyBalancePlot(QWidget * parent, const char * context, const Category * categories,
									 int dryCount, int allCount) :
	QwtPlot(parent),
	m_chart(nullptr),
	m_picker(nullptr),
	m_legend(nullptr),
	m_context(context),
	m_categories(categories),
	m_dryCount(dryCount),
	m_allCount(allCount)
{
}


void EnergyBalancePlot::setupPlot(const QString & title, int axisTitleSize, bool checkableLegend, bool verticalGrid) {
	setAutoReplot(false);
	setContentsMargins(5, 5, 5, 5);
	setTitle(PlotStyle::text(title, 10, true));
	setAxisTitle(xBottom, PlotStyle::axisTitle(QString(), axisTitleSize));
	setAxisTitle(yLeft, PlotStyle::axisTitle(QString(), axisTitleSize));
	for (int axis : {int(xBottom), int(yLeft)})
		PlotStyle::setAxisFontSize(this, axis, 8);
	setCanvasBackground(QColor(240, 240, 240));

	m_legend = PlotStyle::insertFramedLegend(this, true);
	if (checkableLegend)
		m_legend->setDefaultItemMode(QwtLegendData::Checkable);
	if (m_legend->contentsWidget()->layout() != nullptr)
		m_legend->contentsWidget()->layout()->setSpacing(1);
	PlotStyle::attachGrid(this, Qt::gray, Qt::lightGray, verticalGrid);

	m_picker = new TimePlotPicker(xBottom, yLeft, canvas());
	m_picker->setRubberBand(QwtPicker::VLineRubberBand);
	m_picker->setTrackerPen(QColor(0, 0, 64));
	m_picker->setTrackerMode(QwtPicker::AlwaysOn);

	m_chart = new QwtPlotMultiBarChart(tr("Test"));
	setCategories(false);
	m_chart->attach(this);
	for (int k = 0; k < m_dryCount; ++k)
		setLegendChecked(k, true);
	plotLayout()->setAlignCanvasToScales(true);
	setMinimumHeight(200);
}


void EnergyBalancePlot::setCategories(bool withMoisture) {
	const std::vector<bool> checked = legendChecks();
	const int count = withMoisture ? m_allCount : m_dryCount;
	QList<QwtText> titles;
	for (int k = 0; k < count; ++k)
		titles << QwtText(QCoreApplication::translate(m_context, m_categories[k].m_title));
	m_chart->resetSymbolMap();
	m_chart->setBarTitles(titles);
	// entries that stay keep their check mark and their bars follow it; new entries show checked
	for (int k = 0; k < count; ++k) {
		const bool on = std::size_t(k) < checked.size() ? checked[std::size_t(k)] : true;
		setLegendChecked(k, on);
		m_chart->setSymbol(k, makeColumnSymbol(k));
		setCategoryVisible(k, on);
	}
}


QwtColumnSymbol * EnergyBalancePlot::makeColumnSymbol(int index) const {
	return PlotStyle::columnSymbol(index >= 0 && index < m_allCount ? m_categories[index].m_color : QColor());
}


int EnergyBalancePlot::categoryCount() const {
	return m_chart->barTitles().size();
}


void EnergyBalancePlot::setUnits(const QString & axisTitle, const char * pickerUnit) {
	PlotStyle::setAxisTitleText(this, yLeft, axisTitle);
	m_picker->setUnit(pickerUnit);
}


bool EnergyBalancePlot::prepareUpdate(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	if (model != nullptr) {
		const bool moisture = model->m_room.m_moistureBalanceEnabled;
		if (moisture && categoryCount() <= m_dryCount)
			setCategories(true);
		else if (!moisture && categoryCount() == m_allCount)
			setCategories(false);
	}
	const bool results = !holdsNoOutputs(model, outputs);
	m_chart->setVisible(results);
	if (!results)
		replot();
	return results;
}


std::vector<bool> EnergyBalancePlot::legendChecks() const {
	std::vector<bool> checks;
	if (m_legend == nullptr || m_chart->plot() != this)
		return checks;
	for (QWidget * w : m_legend->legendWidgets(itemToInfo(m_chart))) {
		const QwtLegendLabel * label = qobject_cast<const QwtLegendLabel *>(w);
		checks.push_back(label == nullptr || label->itemMode() != QwtLegendData::Checkable || label->isChecked());
	}
	return checks;
}


void EnergyBalancePlot::setLegendChecked(int index, bool on) {
	if (m_legend == nullptr || m_chart->plot() != this)
		return;
	const QList<QWidget *> entries = m_legend->legendWidgets(itemToInfo(m_chart));
	if (index < entries.size())
		if (QwtLegendLabel * label = qobject_cast<QwtLegendLabel *>(entries[index]))
			label->setChecked(on);
}


void EnergyBalancePlot::setCategoryVisible(int index, bool on) {
	const QwtColumnSymbol * old = static_cast<const QwtPlotMultiBarChart *>(m_chart)->symbol(index);
	QwtColumnSymbol * symbol = old != nullptr ? new QwtColumnSymbol : makeColumnSymbol(index);
	if (old != nullptr) {
		symbol->setFrameStyle(old->frameStyle());
		symbol->setLineWidth(old->lineWidth());
		symbol->setPalette(old->palette());
	}
	symbol->setStyle(on ? QwtColumnSymbol::Box : QwtColumnSymbol::NoStyle);
	m_chart->setSymbol(index, symbol);
}
