#include "ChartDemoCharts.h"

#include <cmath>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <qwt_plot_renderer.h>
#include <qwt_scale_div.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>

#include <BVX_UnitVector.h>

#include <Sci_AbstractBarSeriesModel.h>
#include <Sci_AbstractColorGridSeriesModel.h>
#include <Sci_Chart.h>
#include <Sci_LegendItem.h>
#include <Sci_PlotZoomer.h>
#include <Sci_LineSeriesContentModel.h>

#include "ChartDemoModels.h"

namespace ChartDemoCharts {

namespace {

using C = SCI::AbstractChartModel;

void save(const QImage & img, const QString & path, QStringList & files) {
	if (!img.save(path, "PNG"))
		throw BVX::Exception(BVX::FormatText("Cannot write '%1'.").arg(path.toStdString()),
							 "[ChartDemoCharts::renderDemoCharts]");
	files << path;
}

/*! The chart as the widget paints it. */
QImage screenImage(SCI::Chart & chart) {
	chart.replot();
	return chart.grab().toImage();
}

/*! The chart rendered inside the printing bracket at twice the widget's resolution. */
QImage printImage(SCI::Chart & chart) {
	QImage img(chart.size() * 2, QImage::Format_ARGB32);
	img.fill(Qt::white);
	chart.preparePrinting(true, true);
	{
		QPainter p(&img);
		QwtPlotRenderer renderer;
		renderer.render(&chart, &p, QRectF(QPointF(0, 0), QSizeF(img.size())));
	}
	chart.finishPrinting();
	return img;
}

/*! Thin lines at the inner layer boundaries, wider ones at the two surfaces. */
void addLayerLines(SCI::Chart & chart, const SCI::LineSeriesContentModel & wall) {
	const int n = wall.seriesData(0, SCI::AbstractLineSeriesModel::ValueCount).toInt();
	const double * x = wall.xValues(0);
	const QPen pen(QColor(120, 120, 120), 1, Qt::DashLine);
	QPen major = pen;
	major.setWidth(pen.width() + 2);
	for (int i = 0; i < n; ++i)
		chart.addConstructionLine(x[i], (i == 0 || i == n - 1) ? major : pen);
	chart.replot();
}

void sendMouse(QWidget * w, QEvent::Type type, const QPoint & pos, Qt::MouseButton button, Qt::MouseButtons held) {
	QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, Qt::NoModifier);
	QApplication::sendEvent(w, &e);
}

/*! The year zoomed into its second half through the model, then with the inside legend
	dragged with the mouse into the top-left corner. */
void interactionShots(SCI::Chart & chart, const QDir & dir, QStringList & files) {
	chart.show();
	QApplication::processEvents();
	const QwtScaleDiv x = chart.axisScaleDiv(QwtPlot::xBottom);
	const QwtScaleDiv y = chart.axisScaleDiv(QwtPlot::yLeft);
	const double x0 = x.lowerBound() + 0.5 * x.range();
	const double x1 = x.lowerBound() + 0.75 * x.range();
	chart.zoomer()->zoom(QRectF(QPointF(x0, y.lowerBound()), QPointF(x1, y.upperBound())));
	save(screenImage(chart), dir.filePath("chart-demo-zoomed.png"), files);

	QWidget * canvas = chart.canvas();
	const QPoint grab = chart.legendItem()->geometry(canvas->contentsRect()).topLeft() + QPoint(5, 5);
	const QPoint drop(25, 25);
	sendMouse(canvas, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
	sendMouse(canvas, QEvent::MouseMove, drop, Qt::NoButton, Qt::LeftButton);
	sendMouse(canvas, QEvent::MouseButtonRelease, drop, Qt::LeftButton, Qt::NoButton);
	save(screenImage(chart), dir.filePath("chart-demo-legend-moved.png"), files);
	chart.hide();
}

/*! Floor plan of a room with a round column, both axes in metres, kept in proportion. */
QImage proportionalImage(const QSize & size) {
	auto model = std::make_unique<SCI::LineSeriesContentModel>();
	// wider than high, so that the whole plan fits the proportional height of the canvas
	const std::vector<double> wallX = { 0.5, 7.5, 7.5, 3.5, 3.5, 0.5, 0.5 };
	const std::vector<double> wallY = { 0.5, 0.5, 3.0, 3.0, 2.0, 2.0, 0.5 };
	std::vector<double> columnX, columnY;
	for (int i = 0; i <= 36; ++i) {
		const double a = i * 10 * 3.14159265358979 / 180;
		columnX.push_back(5.5 + 0.4 * std::cos(a));
		columnY.push_back(1.6 + 0.4 * std::sin(a));
	}
	model->addDataSet(BVX::UnitVector("x", BVX::Unit("m"), wallX), BVX::UnitVector("y", BVX::Unit("m"), wallY),
					  QCoreApplication::translate("ChartDemoModels", "Walls"));
	model->addDataSet(BVX::UnitVector("x", BVX::Unit("m"), columnX), BVX::UnitVector("y", BVX::Unit("m"), columnY),
					  QCoreApplication::translate("ChartDemoModels", "Column"));
	using A = SCI::AbstractCartesianChartModel;
	model->setChartData(QCoreApplication::translate("ChartDemoModels", "Floor plan"), C::TitleText);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Position [$unit]"), A::XAxis, A::TitleText);
	model->setAxisData(QCoreApplication::translate("ChartDemoModels", "Position [$unit]"), A::LeftYAxis, A::TitleText);
	SCI::Chart chart;
	chart.resize(size);
	chart.setModel(model.get());
	model->setChartData(true, C::Proportional);
	const QImage img = screenImage(chart);
	chart.setModel(nullptr);
	return img;
}


/*! The bar demo grouped above and stacked below. */
QImage barImage(const QSize & size) {
	std::unique_ptr<SCI::AbstractBarSeriesModel> model = ChartDemoModels::createBarDemo();
	SCI::Chart chart;
	chart.resize(size);
	chart.setModel(model.get());
	QImage img(size.width(), 2 * size.height(), QImage::Format_ARGB32);
	img.fill(Qt::white);
	QPainter p(&img);
	p.drawImage(0, 0, screenImage(chart));
	model->setSeriesData(1, 0, SCI::AbstractBarSeriesModel::Style);
	p.drawImage(0, size.height(), screenImage(chart));
	chart.setModel(nullptr);
	return img;
}


QImage colorGridImage(const QSize & size) {
	std::unique_ptr<SCI::AbstractColorGridSeriesModel> model = ChartDemoModels::createColorGridDemo();
	SCI::Chart chart;
	chart.resize(size);
	chart.setModel(model.get());
	const QImage img = screenImage(chart);
	chart.setModel(nullptr);
	return img;
}

} // namespace


QStringList renderDemoCharts(const QString & folder, const QSize & size) {
	QStringList files;
	const QDir dir(folder);
	for (const ChartDemoModels::Demo & demo : ChartDemoModels::createDemos()) {
		SCI::Chart chart;
		chart.resize(size);
		chart.setModel(demo.m_model.get());
		if (demo.m_name == "year") {
			save(screenImage(chart), dir.filePath("chart-demo-line.png"), files);
			save(printImage(chart), dir.filePath("chart-demo-line-print.png"), files);
			demo.m_model->beginChangeModel();
			demo.m_model->setChartData(true, C::AxisScalesInside);
			demo.m_model->setChartData(C::Inside, C::LegendPosition);
			demo.m_model->setChartData(3, C::LegendAlignment);
			demo.m_model->setChartData(0.8, C::LegendBackgroundTransparency);
			demo.m_model->endChangeModel();
			save(screenImage(chart), dir.filePath("chart-demo-line-inside.png"), files);
			interactionShots(chart, dir, files);
		}
		else {
			addLayerLines(chart, *demo.m_model);
			save(screenImage(chart), dir.filePath("chart-demo-" + demo.m_name + ".png"), files);
			save(printImage(chart), dir.filePath("chart-demo-" + demo.m_name + "-print.png"), files);
		}
		chart.setModel(nullptr);
	}
	save(proportionalImage(size), dir.filePath("chart-demo-proportional.png"), files);
	save(barImage(size), dir.filePath("chart-demo-bars.png"), files);
	save(colorGridImage(size), dir.filePath("chart-demo-colorgrid.png"), files);
	return files;
}

} // namespace ChartDemoCharts
