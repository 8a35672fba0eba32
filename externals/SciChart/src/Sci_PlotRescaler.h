#ifndef Sci_PlotRescalerH
#define Sci_PlotRescalerH

#include <qwt_plot_rescaler.h>

namespace SCI {

class Chart;

/*! Keeps the left y axis in proportion to the x axis on a metre-based chart, using the
	factor between the two axis units; created disabled. */
class PlotRescaler : public QwtPlotRescaler {
	Q_OBJECT
public:
	explicit PlotRescaler(Chart * chart);

	/*! Runs the Qwt rescaling with the current canvas size. */
	void rescale() const { QwtPlotRescaler::rescale(); }

protected:
	void rescale(const QSize & oldSize, const QSize & newSize) const override;

private:
	/*! Factor converting a value in the left y unit into the x unit; 1 when the units are
		not related by a plain factor. */
	double unitRatio() const;

	Chart *	m_chart;
};

} // namespace SCI

#endif // Sci_PlotRescalerH
