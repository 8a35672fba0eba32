#include "PlotStyle.h"

#include <QFrame>
#include <QPalette>

#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot.h>
#include <qwt_plot_grid.h>

#include "QwtDateTimeScaleDraw.h"
#include "QwtDateTimeScaleEngine.h"

namespace PlotStyle {

QwtText text(const QString & s, int pointSize, bool richText) {
	QwtText t(s, richText ? QwtText::RichText : QwtText::AutoText);
	QFont f = t.font();
	f.setPointSize(pointSize);
	t.setFont(f);
	return t;
}


void setAxisFontSize(QwtPlot * plot, int axisId, int pointSize) {
	QFont f = plot->axisFont(axisId);
	f.setPointSize(pointSize);
	plot->setAxisFont(axisId, f);
}


void setTimeAxis(QwtPlot * plot) {
	plot->setAxisScaleDraw(QwtPlot::xBottom, new QwtDateTimeScaleDraw);
	plot->setAxisScaleEngine(QwtPlot::xBottom, new QwtDateTimeScaleEngine);
}


QwtLegend * insertFramedLegend(QwtPlot * plot, bool blackText) {
	QwtLegend * legend = new QwtLegend;
	legend->setFrameStyle(QFrame::Box | QFrame::Sunken);
	QPalette pal = legend->palette();
	pal.setColor(QPalette::Window, QColor(240, 240, 240));
	if (blackText)
		pal.setColor(QPalette::Text, Qt::black);
	legend->setPalette(pal);
	legend->setAutoFillBackground(true);
	QFont f = legend->font();
	f.setPointSize(8);
	legend->setFont(f);
	plot->insertLegend(legend, QwtPlot::RightLegend);
	return legend;
}


void attachGrid(QwtPlot * plot, const QColor & majorColor, const QColor & minorColor) {
	QwtPlotGrid * grid = new QwtPlotGrid;
	grid->enableXMin(true);
	grid->setMajorPen(QPen(majorColor, 0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
	grid->setMinorPen(QPen(minorColor, 0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
	grid->attach(plot);
}


QwtLegendLabel * legendLabel(const QwtPlot * plot, const QwtLegend * legend, const QwtPlotItem * item) {
	return qobject_cast<QwtLegendLabel *>(legend->legendWidget(plot->itemToInfo(const_cast<QwtPlotItem *>(item))));
}


QVector<QPointF> hourlySamples(const std::vector<double> & values) {
	QVector<QPointF> points(int(values.size()));
	for (unsigned int i = 0; i < values.size(); ++i)
		points[int(i)] = QPointF((i + 1)/24.0, values[i]);
	return points;
}

} // namespace PlotStyle
