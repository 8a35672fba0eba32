#ifndef Sci_LegendItemH
#define Sci_LegendItemH

#include <qwt_plot_legenditem.h>

namespace SCI {

/*! Legend drawn inside the canvas, aligned to a side or corner and shifted from the
	aligned sides towards the canvas centre by pixel offsets. */
class LegendItem : public QwtPlotLegendItem {
public:
	LegendItem();

	void setHorizontalOffset(int offset) { m_hOffset = offset; }
	void setVerticalOffset(int offset) { m_vOffset = offset; }
	int horizontalOffset() const { return m_hOffset; }
	int verticalOffset() const { return m_vOffset; }

	/*! The aligned geometry shifted by the offsets; no shift in a centred direction. */
	QRect geometry(const QRectF & canvasRect) const override;

private:
	int m_hOffset = 0;
	int m_vOffset = 0;
};

} // namespace SCI

#endif // Sci_LegendItemH
