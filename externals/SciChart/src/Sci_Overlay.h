#ifndef Sci_OverlayH
#define Sci_OverlayH

#include <qwt_widget_overlay.h>

namespace SCI {

class LegendItemMover;

/*! Draws the legend being dragged over the canvas, so that the plot is not redrawn on
	every mouse move. */
class Overlay : public QwtWidgetOverlay {
public:
	Overlay(QWidget * canvas, LegendItemMover * mover);

protected:
	void drawOverlay(QPainter * painter) const override;
	QRegion maskHint() const override;

private:
	LegendItemMover *	m_mover;
};

} // namespace SCI

#endif // Sci_OverlayH
