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

	/*! A new base forgets the axis settings kept from before the first zoom. */
	void setZoomBase(bool doReplot = true) override;
	void setZoomBase(const QRectF & base) override;

protected:
	QwtText trackerText(const QPoint & pos) const override {
		return PlotPickerText::trackerText(plot(), rubberBand(), pos);
	}
	void rescale() override;

private:
	/*! Range settings of one model axis. */
	struct AxisRange {
		bool	m_autoscale = true;
		double	m_minimum = 0;
		double	m_maximum = 0;
	};

	/*! Settings of the axes before the first zoom step, restored at the base. */
	AxisRange	m_beforeZoom[3];
	bool		m_haveBeforeZoom = false;
};

} // namespace SCI

#endif // Sci_PlotZoomerH
