#ifndef Sci_PlotZoomerH
#define Sci_PlotZoomerH

#include <qwt_plot_zoomer.h>

#include "Sci_PlotPickerText.h"

namespace SCI {

class AbstractCartesianChartModel;

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

	/*! While zoomed in: writes the axis ranges kept from before the first zoom step back
		into the model (autoscaled or fixed, as designed) and forgets them; an axis the
		model's owner has set anew since the zoom keeps its new setting; a chart rebuilt
		or unbound while zoomed calls it first, since its new zoom base would else be the
		zoomed ranges for good. Returns false when there was nothing to restore. */
	bool restoreDesign(AbstractCartesianChartModel * model);

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
		bool operator==(const AxisRange & other) const {
			return m_autoscale == other.m_autoscale && m_minimum == other.m_minimum && m_maximum == other.m_maximum;
		}
	};
	/*! The model's range settings of an axis. */
	static AxisRange axisRange(const AbstractCartesianChartModel * model, int pos);

	/*! Settings of the axes before the first zoom step, restored at the base. */
	AxisRange	m_beforeZoom[3];
	/*! Settings the last zoom step wrote: an axis set otherwise since keeps its setting. */
	AxisRange	m_zoomed[3];
	bool		m_haveBeforeZoom = false;
};

} // namespace SCI

#endif // Sci_PlotZoomerH
