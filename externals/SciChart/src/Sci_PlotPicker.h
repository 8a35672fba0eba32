#ifndef Sci_PlotPickerH
#define Sci_PlotPickerH

#include <qwt_plot_picker.h>

#include "Sci_PlotPickerText.h"

namespace SCI {

/*! Picker of a chart; its tracker text shows the position with the axis units and is
	hidden while a selection is being made. */
class PlotPicker : public QwtPlotPicker, public PlotPickerText {
	Q_OBJECT
public:
	PlotPicker(int xAxis, int yAxis, QWidget * canvas, ChartAxis * xChartAxis = nullptr) :
		QwtPlotPicker(xAxis, yAxis, canvas), PlotPickerText(xChartAxis) {}

protected:
	QwtText trackerText(const QPoint & pos) const override {
		return PlotPickerText::trackerText(plot(), rubberBand(), pos);
	}
	void begin() override {
		setTrackerMode(QwtPicker::AlwaysOff);
		QwtPlotPicker::begin();
	}
	bool end(bool ok = true) override {
		setTrackerMode(QwtPicker::AlwaysOn);
		return QwtPlotPicker::end(ok);
	}
};

} // namespace SCI

#endif // Sci_PlotPickerH
