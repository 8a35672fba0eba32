#ifndef SchedulePlotH
#define SchedulePlotH

#include <vector>

#include <qwt_plot.h>

class QwtPlotCurve;
class QwtPlotPanner;
class PlotZoomer;
class TimePlotPicker;

/*! The hourly values of an annual schedule over the days of the year, with rectangle
	zoom, panning and a date/value picker. */
class SchedulePlot : public QwtPlot {
	Q_OBJECT
public:
	explicit SchedulePlot(QWidget * parent = nullptr);

	/*! Value-axis title from caption and unit, value range minValue..maxValue. */
	void setup(const QString & caption, const QString & unit, double minValue, double maxValue);
	/*! Curve from x (days) and y; both equally long. Empty vectors clear the curve. */
	void setValues(const std::vector<double> & x, const std::vector<double> & y);
	/*! Moves the upper end of the value axis, keeping its lower end. */
	void setMaximumValue(double maxValue);

	QwtPlotCurve * curve() const { return m_curve; }
	PlotZoomer * zoomer() const { return m_zoomer; }
	TimePlotPicker * picker() const { return m_picker; }

private:
	void setValueRange(double minValue, double maxValue);

	QwtPlotCurve *		m_curve = nullptr;
	PlotZoomer *		m_zoomer = nullptr;
	QwtPlotPanner *		m_panner = nullptr;
	TimePlotPicker *	m_picker = nullptr;
};

#endif // SchedulePlotH
