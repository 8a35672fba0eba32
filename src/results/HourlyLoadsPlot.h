#ifndef HourlyLoadsPlotH
#define HourlyLoadsPlotH

#include <vector>

#include <QPointF>
#include <QVector>

#include <qwt_plot.h>

class QwtLegend;
class QwtLegendLabel;
class QwtPlotPanner;

class PlotCurveWithFramedLegendIcon;
class PlotZoomer;
class TimePlotPicker;

/*! Common part of the hourly load plots (thermal and moisture): curves over the year whose
	visibility follows the check marks of the legend, a zoomer, a panner and a picker. The y
	axis is fitted to the visible curves, the zoom base to all curves without the first sample.
*/
class HourlyLoadsPlot : public QwtPlot {
	Q_OBJECT
public:
	/*! Deletes the detached curves; the plot deletes the attached ones. */
	~HourlyLoadsPlot() override;

	/*! Year on the x axis, -300..300 on the y axis; also the zoom base. */
	void setDefaultAxes();

	/*! The legend entry of a curve, null while the curve is detached. */
	QwtLegendLabel * legendLabel(const PlotCurveWithFramedLegendIcon * curve) const;

	/*! Curves by index; detached curves keep their place. */
	std::vector<PlotCurveWithFramedLegendIcon *>	m_curves;
	QwtLegend *										m_legend;
	PlotZoomer *									m_zoomer;
	QwtPlotPanner *									m_panner;
	TimePlotPicker *								m_picker;
	/*! Extremes of all attached curves from sample 1 on (0 before the first run). */
	double											m_minValue;
	double											m_maxValue;

public slots:
	/*! Shows or hides the curve whose legend entry sent the signal; the axes stay. */
	void setQwtCurveVisible(bool on);

protected:
	HourlyLoadsPlot(QWidget * parent, const QString & title);

	/*! A hidden curve of the given colour on the left axis, attached, stored at index. */
	PlotCurveWithFramedLegendIcon * addCurve(unsigned int index, const QString & title, const QColor & color);
	/*! Checks the curve's legend entry and connects it; the curve shows when checked. */
	void connectLegendEntry(PlotCurveWithFramedLegendIcon * curve, bool checked);
	/*! Axis title and the units of zoomer and picker. */
	void setUnits(const QString & axisTitle, const QString & zoomerUnit, const QString & pickerUnit);
	/*! Every curve shows exactly when its legend entry is checked. */
	void applyLegendChecks();
	/*! Points (time[i], y[i] x factor) for i below the length of both series. */
	static QVector<QPointF> scaledSamples(const std::vector<double> & time, const std::vector<double> & y, double factor);
	/*! Hides every curve (no results). */
	void hideCurves();
	/*! Sets the extremes, logs them and fits the y axis (visible extremes +- margin) and the
		zoom base (all extremes without sample 0, +- margin); replots. */
	void fitAxes(double margin, const char * functionId, const char * minText, const char * maxText);
};

#endif // HourlyLoadsPlotH
