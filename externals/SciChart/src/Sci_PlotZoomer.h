#ifndef Sci_PlotZoomerH
#define Sci_PlotZoomerH

#include <qwt_plot_zoomer.h>

#include "Sci_PlotPickerText.h"

namespace SCI {

/*! Zoomer of a chart: shows the tracker text with the axis units and writes zoomed ranges
	into the chart model instead of setting the scales itself. Right click steps back one
	zoom level, Ctrl + left click returns to the zoom base. */
class PlotZoomer : public QwtPlotZoomer, public PlotPickerText {
	Q_OBJECT
public:
	PlotZoomer(int xAxis, int yAxis, QWidget * canvas, ChartAxis * xChartAxis = nullptr);

protected:
	QwtText trackerText(const QPoint & pos) const override {
		return PlotPickerText::trackerText(plot(), rubberBand(), pos);
	}
	void rescale() override;
};

} // namespace SCI

#endif // Sci_PlotZoomerH
