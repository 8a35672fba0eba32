#include "ChartDemoModels.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QDir>

#include <tinyxml.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_UnitVector.h>

#include <BVXMK_GridData.h>

#include <Sci_AbstractBarSeriesModel.h>
#include <Sci_AbstractColorGridSeriesModel.h>
#include <Sci_LineSeriesContentModel.h>

namespace ChartDemoModels {

namespace {

const double PI = 3.14159265358979323846;

/*! Hourly air temperature with a seasonal and a daily swing, and the heating load of a
	room with 80 W/K losses heated to 20 C. */
std::unique_ptr<SCI::LineSeriesContentModel> createYear() {
	using A = SCI::AbstractCartesianChartModel;
	auto model = std::make_unique<SCI::LineSeriesContentModel>();
	model->setChartData(QCoreApplication::translate("ChartDemoModels", "Synthetic year"), SCI::AbstractChartModel::TitleText);
	model->setAxisData(true, A::XAxis, A::DateTimeEnabled);
	model->setAxisData(QDateTime(QDate(2021, 1, 1), QTime(0, 0), Qt::UTC), A::XAxis, A::DateTimeZero);

	const unsigned int n = 8760;
	std::vector<double> hours(n), temperature(n), load(n);
	for (unsigned int i = 0; i < n; ++i) {
		const double t = i + 1;
		hours[i] = t;
		temperature[i] = 9.0 - 10.0 * std::cos(2 * PI * (t - 480) / 8760) - 4.0 * std::cos(2 * PI * (t - 3) / 24);
		load[i] = std::max(0.0, 80.0 * (20.0 - temperature[i]));
	}
	BVX::UnitVector x("time", BVX::Unit("h"), hours);
	model->addDataSet(x, BVX::UnitVector("air", BVX::Unit("C"), temperature), QCoreApplication::translate("ChartDemoModels", "Outside air"));
	model->addDataSet(x, BVX::UnitVector("load", BVX::Unit("W"), load), QCoreApplication::translate("ChartDemoModels", "Heating load"));
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Temperature [$unit]"), A::LeftYAxis, A::TitleText);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Heating load [$unit]"), A::RightYAxis, A::TitleText);
	return model;
}

/*! Steady temperatures through a three-layer wall from 20 C inside to -5 C outside. */
std::unique_ptr<SCI::LineSeriesContentModel> createWall() {
	using A = SCI::AbstractCartesianChartModel;
	auto model = std::make_unique<SCI::LineSeriesContentModel>();
	model->setChartData(QCoreApplication::translate("ChartDemoModels", "Temperature profile"), SCI::AbstractChartModel::TitleText);
	// layer thicknesses [m] and conductivities [W/mK]; surface resistances 0.13 and 0.04 m2K/W
	const double d[] = { 0.015, 0.175, 0.12 };
	const double lambda[] = { 0.7, 0.99, 0.035 };
	double r = 0.13 + 0.04;
	for (int i = 0; i < 3; ++i)
		r += d[i] / lambda[i];
	const double q = (20.0 - (-5.0)) / r;
	std::vector<double> x = { 0.0 };
	std::vector<double> theta = { 20.0 - q * 0.13 };
	// thermal resistance from the room air to each boundary, on a logarithmic right axis
	std::vector<double> resistance = { 0.13 };
	for (int i = 0; i < 3; ++i) {
		x.push_back(x.back() + d[i]);
		theta.push_back(theta.back() - q * d[i] / lambda[i]);
		resistance.push_back(resistance.back() + d[i] / lambda[i]);
	}
	model->addDataSet(BVX::UnitVector("x", BVX::Unit("m"), x), BVX::UnitVector("theta", BVX::Unit("C"), theta),
					  QCoreApplication::translate("ChartDemoModels", "Layer boundaries"));
	model->addDataSet(BVX::UnitVector("x", BVX::Unit("m"), x), BVX::UnitVector("R", BVX::Unit("m2K/W"), resistance),
					  QCoreApplication::translate("ChartDemoModels", "Thermal resistance from inside"));
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Resistance [$unit]"), A::RightYAxis, A::TitleText);
	model->setAxisData(true, A::RightYAxis, A::Logarithmic);
	model->setSeriesData(0, 1, SCI::AbstractLineSeriesModel::LineStyle);
	model->setSeriesData(0, 1, SCI::AbstractLineSeriesModel::MarkerStyle);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Position [$unit]"), A::XAxis, A::TitleText);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Temperature [$unit]"), A::LeftYAxis, A::TitleText);
	model->setSeriesData(0, 0, SCI::AbstractLineSeriesModel::LineStyle);	// QwtPlotCurve::Lines
	model->setSeriesData(2, 0, SCI::AbstractLineSeriesModel::MarkerStyle);
	return model;
}

/*! Bars of monthly energies, kept in vectors. */
class DemoBarModel : public SCI::AbstractBarSeriesModel {
public:
	int sampleCount() const override { return static_cast<int>(m_months.size()); }
	unsigned int valuesPerSample() const override { return 2; }
	const double * samplePositions() const override { return m_months.data(); }
	const double * sampleValues(unsigned int i) const override { return m_energies[i].data(); }

	std::vector<double>					m_months;
	std::vector<std::vector<double>>	m_energies;
};


/*! Colour grid kept in vectors, with construction lines. */
class DemoColorGridModel : public SCI::AbstractColorGridSeriesModel {
public:
	DemoColorGridModel() : m_lines(BVX::Unit("m")) {}
	unsigned int xGridSize() const override { return static_cast<unsigned int>(m_x.size()); }
	const double * xGrid() const override { return m_x.data(); }
	unsigned int yGridSize() const override { return static_cast<unsigned int>(m_y.size()); }
	const double * yGrid() const override { return m_y.data(); }
	unsigned int xValueCount() const override { return static_cast<unsigned int>(m_x.size() - 1); }
	unsigned int yValueCount() const override { return static_cast<unsigned int>(m_y.size() - 1); }
	const double * values() const override { return m_values.data(); }
	const SCI::ColorGridCell * cells() const override { return m_cells.data(); }
	const BVX::GridData * constructionLineData() const override { return &m_lines; }

	std::vector<double>				m_x;
	std::vector<double>				m_y;
	std::vector<double>				m_values;
	std::vector<SCI::ColorGridCell>	m_cells;
	BVX::GridData					m_lines;
};

} // namespace


std::unique_ptr<SCI::AbstractBarSeriesModel> createBarDemo() {
	using A = SCI::AbstractCartesianChartModel;
	using B = SCI::AbstractBarSeriesModel;
	auto model = std::make_unique<DemoBarModel>();
	// monthly mean outside air of the synthetic year; 80 W/K losses, 730 h a month:
	// heating below 18 C, cooling of the solar gains above 12 C
	for (int month = 1; month <= 12; ++month) {
		const double t = 9.0 - 10.0 * std::cos(2 * PI * ((month - 0.5) * 730 - 480) / 8760);
		model->m_months.push_back(month);
		model->m_energies.push_back({ std::max(0.0, 0.08 * (18 - t) * 730), std::max(0.0, 0.08 * (t - 12) * 730) });
	}
	model->setChartData(QCoreApplication::translate("ChartDemoModels", "Monthly energy"), SCI::AbstractChartModel::TitleText);
	model->setSeriesData(QCoreApplication::translate("ChartDemoModels", "Energy"), 0, B::TitleText);
	model->setBarSymbolInformations({
		{ QPalette(QColor("#c5000b")), QCoreApplication::translate("ChartDemoModels", "Heating") },
		{ QPalette(QColor("#0084d1")), QCoreApplication::translate("ChartDemoModels", "Cooling") } });
	model->setAxisData(BVX::Unit("kWh").id(), A::LeftYAxis, A::AxisUnit);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Energy [$unit]"), A::LeftYAxis, A::TitleText);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Month"), A::XAxis, A::TitleText);
	model->setAxisData(false, A::XAxis, A::Autoscale);
	model->setAxisData(0.5, A::XAxis, A::Minimum);
	model->setAxisData(12.5, A::XAxis, A::Maximum);
	model->setAxisData(12, A::XAxis, A::MaxMajorScale);
	model->setAxisData(0, A::XAxis, A::MaxMinorScale);
	model->setAxisData(false, A::XAxis, A::GridVisible);
	return model;
}


std::unique_ptr<SCI::AbstractColorGridSeriesModel> createColorGridDemo() {
	using A = SCI::AbstractCartesianChartModel;
	using G = SCI::AbstractColorGridSeriesModel;
	auto model = std::make_unique<DemoColorGridModel>();
	// finer cells near the corner at x = 0, y = 0
	model->m_x = { 0, 0.04, 0.08, 0.13, 0.2, 0.28, 0.38, 0.5, 0.65, 0.82, 1.0 };
	model->m_y = { 0, 0.05, 0.1, 0.17, 0.25, 0.35, 0.47, 0.6, 0.8 };
	const unsigned int nx = model->xValueCount();
	const unsigned int ny = model->yValueCount();
	// the cold corner draws the inside surface down from 20 C towards -5 C
	for (unsigned int j = 0; j < ny; ++j) {
		for (unsigned int i = 0; i < nx; ++i) {
			const double x = 0.5 * (model->m_x[i] + model->m_x[i + 1]);
			const double y = 0.5 * (model->m_y[j] + model->m_y[j + 1]);
			model->m_values.push_back(20.0 - 25.0 * std::exp(-x / 0.25) * std::exp(-y / 0.2) - 6.0 * std::exp(-y / 0.12));
			SCI::ColorGridCell cell;
			cell.m_column = i;
			cell.m_row = j;
			cell.m_valueIndex = j * nx + i;
			model->m_cells.push_back(cell);
		}
	}
	model->m_cells[3 * nx + 6].m_valueIndex = SCI::ColorGridCell::NO_VALUE;	// a steel fixing: no value
	model->m_values[6 * nx + 2] = std::numeric_limits<double>::quiet_NaN();		// a failed sensor
	// layer boundaries of the wall (vertical) and of the ceiling slab (horizontal)
	model->m_lines.m_verticalLines.push_back(BVX::GridLine{ 0.2, 0, 0.8 });
	model->m_lines.m_verticalMajorLines.push_back(BVX::GridLine{ 0.5, 0, 0.8 });
	model->m_lines.m_horizontalLines.push_back(BVX::GridLine{ 0.35, 0, 1.0 });

	model->setChartData(QCoreApplication::translate("ChartDemoModels", "Temperatures in a wall corner"),
						SCI::AbstractChartModel::TitleText);
	model->setChartData(false, SCI::AbstractChartModel::LegendVisible);
	model->setChartData(true, SCI::AbstractChartModel::ConstructionLinesVisible);
	model->setChartData(QPen(QColor(60, 60, 60), 1, Qt::DashLine), SCI::AbstractChartModel::ConstructionLinesPen);
	model->setAxisData(BVX::Unit("m").id(), A::XAxis, A::AxisUnit);
	model->setAxisData(BVX::Unit("m").id(), A::LeftYAxis, A::AxisUnit);
	model->setAxisData(BVX::Unit("C").id(), A::RightYAxis, A::AxisUnit);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Distance from the corner [$unit]"), A::XAxis, A::TitleText);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Height [$unit]"), A::LeftYAxis, A::TitleText);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Temperature [$unit]"), A::RightYAxis, A::TitleText);
	for (int pos : { 0, 1 }) {
		model->setAxisData(false, pos, A::GridVisible);
		model->setAxisData(false, pos, A::MinorGridVisible);
	}
	model->setSeriesData(QVariant::fromValue(SCI::Range(-5, 20)), 0, G::ZRange);
	model->setSeriesData(QColor(Qt::blue), 0, G::ColorMapMinColor);
	model->setSeriesData(QColor(Qt::red), 0, G::ColorMapMaxColor);
	model->setSeriesData(2, 0, G::Interpolation);
	model->setSeriesData(3, 0, G::DisplayType);
	model->setSeriesData(2.0, 0, G::ContourLineDistance);
	model->setSeriesData(false, 0, G::ContourLinesColoredByLevel);
	model->setSeriesData(QPen(QColor(40, 40, 40), 1), 0, G::ContourPen);
	return model;
}


std::vector<Demo> createDemos() {
	std::vector<Demo> demos;
	demos.push_back(Demo{"year", createYear()});
	demos.push_back(Demo{"wall", createWall()});
	return demos;
}


QStringList writeDemoProperties(const QString & folder) {
	QStringList files;
	for (const Demo & demo : createDemos()) {
		TiXmlDocument doc;
		doc.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
		TiXmlElement * root = new TiXmlElement("ChartDemo");
		root->SetAttribute("name", demo.m_name.toStdString());
		doc.LinkEndChild(root);
		demo.m_model->writeXML(root);
		const QString path = QDir(folder).filePath("chart-demo-" + demo.m_name + ".xml");
		if (!doc.SaveFile(path.toStdString()))
			throw BVX::Exception(BVX::FormatText("Cannot write '%1'.").arg(path.toStdString()),
								 "[ChartDemoModels::writeDemoProperties]");
		files << path;
	}
	return files;
}

} // namespace ChartDemoModels
