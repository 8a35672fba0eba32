#ifndef Sci_PlotPickerTextH
#define Sci_PlotPickerTextH

#include <QPoint>

#include <qwt_text.h>

#include "Sci_TrackerUnits.h"

class QwtPlot;

namespace SCI {

class ChartAxis;

/*! Tracker text of pickers and zoomers: the values under the mouse with their axis units. */
class PlotPickerText {
public:
	explicit PlotPickerText(ChartAxis * xAxis) : m_xAxis(xAxis) {}

	/*! Text for the pixel position pos; which values it shows depends on the rubber band. */
	QwtText trackerText(const QwtPlot * plot, int rubberBand, const QPoint & pos) const;

	/*! True for a set unit text ("undefined" counts as none). */
	static bool isUnitSet(const QString & unit);

	TrackerUnits	m_units;
	/*! False: empty tracker text. */
	bool			m_enabled = true;

private:
	/*! "value unit", or the axis' date label on a time x axis. */
	QString valueText(double value, const QString & unit, bool xValue) const;
	/*! Value of the chart's colour grid at x, y; NaN without one. */
	static double colorGridValue(const QwtPlot * plot, double x, double y);

	ChartAxis *		m_xAxis;
};

} // namespace SCI

#endif // Sci_PlotPickerTextH
