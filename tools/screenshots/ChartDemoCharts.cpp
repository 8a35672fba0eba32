#include "ChartDemoCharts.h"

#include <memory>

#include <QDir>
#include <QImage>
#include <QPainter>

#include <qwt_plot_renderer.h>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>

#include <Sci_AbstractBarSeriesModel.h>
#include <Sci_AbstractColorGridSeriesModel.h>
#include <Sci_Chart.h>
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
		}
		else {
			addLayerLines(chart, *demo.m_model);
			save(screenImage(chart), dir.filePath("chart-demo-" + demo.m_name + ".png"), files);
			save(printImage(chart), dir.filePath("chart-demo-" + demo.m_name + "-print.png"), files);
		}
		chart.setModel(nullptr);
	}
	save(barImage(size), dir.filePath("chart-demo-bars.png"), files);
	save(colorGridImage(size), dir.filePath("chart-demo-colorgrid.png"), files);
	return files;
}

} // namespace ChartDemoCharts
