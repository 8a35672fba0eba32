#ifndef Sci_PlotLayoutH
#define Sci_PlotLayoutH

#include <qwt_plot_layout.h>

namespace SCI {

/*! Plot layout that ignores frames. */
class PlotLayout : public QwtPlotLayout {
public:
	void activate(const QwtPlot * plot, const QRectF & rect, Options options = Options()) override {
		QwtPlotLayout::activate(plot, rect, options | QwtPlotLayout::IgnoreFrames);
	}
};

} // namespace SCI

#endif // Sci_PlotLayoutH
