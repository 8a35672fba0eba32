#ifndef Sci_PlotRescalerH
#define Sci_PlotRescalerH

#include <qwt_plot_rescaler.h>

namespace SCI {

/*! Keeps x and y proportional on a metre-based chart; created disabled. */
class PlotRescaler : public QwtPlotRescaler {
	Q_OBJECT
public:
	explicit PlotRescaler(QWidget * canvas) : QwtPlotRescaler(canvas) { setEnabled(false); }
};

} // namespace SCI

#endif // Sci_PlotRescalerH
