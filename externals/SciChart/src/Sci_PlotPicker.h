#ifndef Sci_PlotPickerH
#define Sci_PlotPickerH

#include <qwt_plot_picker.h>

#include "Sci_TrackerUnits.h"

namespace SCI {

/*! Picker of a chart; its tracker text shows the position with the axis units. */
class PlotPicker : public QwtPlotPicker {
	Q_OBJECT
public:
	PlotPicker(int xAxis, int yAxis, QWidget * canvas) : QwtPlotPicker(xAxis, yAxis, canvas) {}

	TrackerUnits	m_units;

protected:
	QwtText trackerTextF(const QPointF & pos) const override { return QwtText(m_units.text(pos)); }
};

} // namespace SCI

#endif // Sci_PlotPickerH
