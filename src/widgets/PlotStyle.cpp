#include "PlotStyle.h"

#include <QFrame>
#include <QPainter>
#include <QPalette>

#include <qwt_column_symbol.h>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_draw.h>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "AxisTitleTextEngine.h"
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


QwtText axisTitle(const QString & s, int pointSize) {
	AxisTitleTextEngine::registerEngine();
	QwtText t(s, AxisTitleTextEngine::FORMAT);
	t.setRenderFlags(Qt::AlignCenter | Qt::TextWordWrap);
	QFont f = t.font();
	f.setPointSize(pointSize);
	t.setFont(f);
	return t;
}


void setAxisTitleText(QwtPlot * plot, int axisId, const QString & s) {
	AxisTitleTextEngine::registerEngine();
	QwtText t = plot->axisTitle(axisId);
	t.setText(s, AxisTitleTextEngine::FORMAT);
	t.setRenderFlags(Qt::AlignCenter | Qt::TextWordWrap);
	plot->setAxisTitle(axisId, t);
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


void attachGrid(QwtPlot * plot, const QColor & majorColor, const QColor & minorColor, bool verticalLines) {
	QwtPlotGrid * grid = new QwtPlotGrid;
	grid->enableX(verticalLines);
	grid->enableXMin(verticalLines);
	grid->setMajorPen(QPen(majorColor, 0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
	grid->setMinorPen(QPen(minorColor, 0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
	grid->attach(plot);
}


QwtLegendLabel * legendLabel(const QwtPlot * plot, const QwtLegend * legend, const QwtPlotItem * item) {
	return qobject_cast<QwtLegendLabel *>(legend->legendWidget(plot->itemToInfo(const_cast<QwtPlotItem *>(item))));
}


void drawSlotLabels(const QwtScaleDraw * scaleDraw, QPainter * painter, const QPalette & palette,
					const QString * labels, int count, int lift)
{
	painter->save();
	painter->setPen(palette.color(QPalette::Text));
	for (int j = 0; j < count; ++j) {
		const QPointF p = scaleDraw->labelPosition(j - 0.5);
		const QPointF q = scaleDraw->labelPosition(j + 0.5);
		painter->drawText(QRect(int(p.x()), int(p.y()) - lift, int(q.x() - p.x()), 20), Qt::AlignHCenter | Qt::AlignTop, labels[j]);
	}
	painter->restore();
}


QwtColumnSymbol * columnSymbol(const QColor & fill) {
	QwtColumnSymbol * symbol = new QwtColumnSymbol(QwtColumnSymbol::Box);
	symbol->setFrameStyle(QwtColumnSymbol::Plain);
	symbol->setLineWidth(1);
	QPalette pal;
	pal.setBrush(QPalette::Window, fill);
	pal.setBrush(QPalette::Dark, Qt::black);
	symbol->setPalette(pal);
	return symbol;
}


void Extremes::add(double v, std::size_t sample, unsigned int dataset) {
	if (v < m_min) {
		m_min = v;
		m_minSample = sample;
		m_minDataset = dataset;
	}
	if (v > m_max) {
		m_max = v;
		m_maxSample = sample;
		m_maxDataset = dataset;
	}
}


void Extremes::log(const char * functionId, const char * minText, const char * maxText) const {
	BVX::BVX_Message(BVX::FormatText(minText).arg(m_min, 0, 'g', -1, ' ').arg(m_minSample).arg(m_minDataset),
					 BVX::MSG_PROGRESS, functionId, 4);
	BVX::BVX_Message(BVX::FormatText(maxText).arg(m_max, 0, 'g', -1, ' ').arg(m_maxSample).arg(m_maxDataset),
					 BVX::MSG_PROGRESS, functionId, 4);
}


QVector<QPointF> hourlySamples(const std::vector<double> & values) {
	QVector<QPointF> points(int(values.size()));
	for (unsigned int i = 0; i < values.size(); ++i)
		points[int(i)] = QPointF((i + 1)/24.0, values[i]);
	return points;
}

} // namespace PlotStyle
