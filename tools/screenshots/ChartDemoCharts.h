#ifndef ChartDemoChartsH
#define ChartDemoChartsH

#include <QSize>
#include <QStringList>

/*! The demo charts drawn by the chart widget, as PNG files. */
namespace ChartDemoCharts {

/*! Writes into folder: "chart-demo-line.png" (the year on a time axis as on screen),
	"chart-demo-line-print.png" (the same rendered for print: thin pens, fitted curves),
	"chart-demo-line-inside.png" (axis scales and legend inside the canvas),
	"chart-demo-wall.png" and "chart-demo-wall-print.png" (the wall over metres with a
	logarithmic right axis, markers and construction lines at the layer boundaries),
	"chart-demo-bars.png" (monthly energies as grouped bars above, stacked bars below) and
	"chart-demo-colorgrid.png" (temperatures in a wall corner with contour lines, construction
	lines and the colour bar).
	Returns the written paths; throws BVX::Exception when a file cannot be written. */
QStringList renderDemoCharts(const QString & folder, const QSize & size = QSize(800, 450));

} // namespace ChartDemoCharts

#endif // ChartDemoChartsH
