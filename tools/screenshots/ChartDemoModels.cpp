#include "ChartDemoModels.h"

#include <cmath>

#include <QCoreApplication>
#include <QDir>

#include <tinyxml.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_UnitVector.h>

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

} // namespace


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
