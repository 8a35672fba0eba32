#include "ResultsWidget.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include <RM_CaldoryneModel.h>

#include "EN15251Plot.h"
#include "EnergyRequirementAnnualPlot.h"
#include "MoistureLoadsHourlyPlot.h"
#include "RadiationPlot.h"
#include "TemperaturePlot.h"
#include "ThermalLoadsAnnualPlot.h"
#include "ThermalLoadsHourlyPlot.h"
#include "ThermalLoadsMonthlyPlot.h"

ResultsWidget::ResultsWidget(QWidget * parent) :
	QWidget(parent)
{
	m_tabWidget = new QTabWidget(this);
	m_tabWidget->setTabPosition(QTabWidget::South);
	// plots and tab bar shrink (the tab bar scrolls): the results must not widen the window
	m_tabWidget->setMinimumWidth(400);
	QVBoxLayout * layout = new QVBoxLayout(this);
	layout->setContentsMargins(0, 0, 0, 0);
	layout->addWidget(m_tabWidget);

	m_temperaturePlot = new TemperaturePlot(this);
	m_tabWidget->addTab(m_temperaturePlot, tr("Temperatures"));
	m_en15251Plot = new EN15251Plot(this);
	m_tabWidget->addTab(m_en15251Plot, tr("EN 15251"));
	m_radiationPlot = new RadiationPlot(this);
	m_tabWidget->addTab(m_radiationPlot, tr("Radiation Loads"));
	m_thermalLoadsHourlyPlot = new ThermalLoadsHourlyPlot(this);
	m_tabWidget->addTab(m_thermalLoadsHourlyPlot, tr("Hourly Thermal Loads"));
	m_moistureLoadsHourlyPlot = new MoistureLoadsHourlyPlot(this);
	m_moistureTabIndex = m_tabWidget->addTab(m_moistureLoadsHourlyPlot, tr("Hourly Moisture Loads"));
	m_thermalLoadsMonthlyPlot = new ThermalLoadsMonthlyPlot(this);
	m_tabWidget->addTab(m_thermalLoadsMonthlyPlot, tr("Monthly Thermal Load"));

	QWidget * annual = new QWidget(this);
	QHBoxLayout * annualLayout = new QHBoxLayout(annual);
	annualLayout->setContentsMargins(0, 0, 0, 0);
	m_thermalLoadsAnnualPlot = new ThermalLoadsAnnualPlot(this);
	m_energyRequirementAnnualPlot = new EnergyRequirementAnnualPlot(this);
	annualLayout->addWidget(m_thermalLoadsAnnualPlot);
	annualLayout->addWidget(m_energyRequirementAnnualPlot);
	m_tabWidget->addTab(annual, tr("Annual Results"));
	m_tabWidget->setCurrentIndex(0);

	m_temperaturePlot->setDefaultAxes();
	m_radiationPlot->setDefaultAxes();
	m_thermalLoadsHourlyPlot->setDefaultAxes();
	m_moistureLoadsHourlyPlot->setDefaultAxes();
}


void ResultsWidget::updateLoads(const RM::Climate * climate) {
	if (climate == nullptr)
		return;
	m_temperaturePlot->updateLoads(climate);
	m_radiationPlot->updateLoads(climate);
}


void ResultsWidget::updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	m_temperaturePlot->updateResults(model, outputs);
	m_thermalLoadsHourlyPlot->updateResults(model, outputs);
	// without a model the moisture tab keeps its state
	if (model != nullptr) {
		const bool moisture = model->m_room.m_moistureBalanceEnabled;
		showMoistureTab(moisture);
		if (moisture)
			m_moistureLoadsHourlyPlot->updateResults(model, outputs);
	}
	m_thermalLoadsMonthlyPlot->updateResults(model, outputs);
	m_thermalLoadsAnnualPlot->updateResults(model, outputs);
	m_energyRequirementAnnualPlot->updateResults(model, outputs);
	m_en15251Plot->updateResults(model, outputs);
}


void ResultsWidget::setRadiationPlotValue(double albedo) {
	m_radiationPlot->setAlbedo(albedo);
}


void ResultsWidget::showMoistureTab(bool show) {
	const bool shown = m_tabWidget->indexOf(m_moistureLoadsHourlyPlot) != -1;
	if (show && !shown)
		m_tabWidget->insertTab(m_moistureTabIndex, m_moistureLoadsHourlyPlot, tr("Hourly Moisture Loads"));
	else if (!show && shown)
		m_tabWidget->removeTab(m_moistureTabIndex);
}
