#ifndef Sci_PlotScaleItemH
#define Sci_PlotScaleItemH

#include <qwt_plot_scaleitem.h>

namespace SCI {

/*! Tick marks along the inner side of the canvas border opposite to the alignment. */
class PlotScaleItem : public QwtPlotScaleItem {
public:
	explicit PlotScaleItem(QwtScaleDraw::Alignment alignment);

	void draw(QPainter * painter, const QwtScaleMap & xMap, const QwtScaleMap & yMap,
			  const QRectF & canvasRect) const override;
};

} // namespace SCI

#endif // Sci_PlotScaleItemH
