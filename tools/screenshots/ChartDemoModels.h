#ifndef ChartDemoModelsH
#define ChartDemoModelsH

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

namespace SCI {
	class AbstractBarSeriesModel;
	class AbstractColorGridSeriesModel;
	class LineSeriesContentModel;
}

/*! Chart models shown in the screenshots and documentation. */
namespace ChartDemoModels {

struct Demo {
	/*! Short name, part of the file names ("year", "wall"). */
	QString										m_name;
	std::unique_ptr<SCI::LineSeriesContentModel>	m_model;
};

/*! A synthetic year on a time axis (hourly air temperature in C on the left, heating
	load in W on the right) and a temperature profile through a wall over metres. */
std::vector<Demo> createDemos();

/*! Monthly heating and cooling energy of a room as bars (grouped), in kWh. */
std::unique_ptr<SCI::AbstractBarSeriesModel> createBarDemo();

/*! Temperatures in the corner of an outer wall on a non-equidistant grid in metres, with
	a cell without value (a fixing), a NaN cell, contour lines every 2 K and the layer
	boundaries as construction lines. */
std::unique_ptr<SCI::AbstractColorGridSeriesModel> createColorGridDemo();

/*! Writes the chart properties of each demo as "chart-demo-<name>.xml" into the folder;
	returns the written paths. Throws BVX::Exception when a file cannot be written. */
QStringList writeDemoProperties(const QString & folder);

} // namespace ChartDemoModels

#endif // ChartDemoModelsH
