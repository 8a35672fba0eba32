#include "PlotCurveWithFramedLegendIcon.h"

#include <QPainter>

#include <qwt_graphic.h>

PlotCurveWithFramedLegendIcon::PlotCurveWithFramedLegendIcon(const QString & title) :
	QwtPlotCurve(title)
{
}


QwtGraphic PlotCurveWithFramedLegendIcon::legendIcon(int /*index*/, const QSizeF & size) const {
	if (size.isEmpty())
		return QwtGraphic();
	QwtGraphic graphic;
	graphic.setDefaultSize(size);
	graphic.setRenderHint(QwtGraphic::RenderPensUnscaled, true);
	QPainter painter(&graphic);
	painter.setRenderHint(QPainter::Antialiasing, testRenderHint(QwtPlotItem::RenderAntialiased));
	painter.setPen(Qt::black);
	painter.setBrush(QBrush(pen().color(), Qt::SolidPattern));
	painter.drawRect(QRectF(0, 0, size.width(), size.height()));
	return graphic;
}
