#ifndef Sci_PlotZoomerH
#define Sci_PlotZoomerH

#include <qwt_plot_zoomer.h>

#include "Sci_TrackerUnits.h"

namespace SCI {

/*! Zoomer of a chart; its tracker text shows the position with the axis units. */
class PlotZoomer : public QwtPlotZoomer {
	Q_OBJECT
public:
	PlotZoomer(int xAxis, int yAxis, QWidget * canvas) : QwtPlotZoomer(xAxis, yAxis, canvas, false) {}

	TrackerUnits	m_units;

protected:
	QwtText trackerTextF(const QPointF & pos) const override { return QwtText(m_units.text(pos)); }
};

} // namespace SCI

#endif // Sci_PlotZoomerH
