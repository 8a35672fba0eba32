#ifndef TemperaturePlotH
#define TemperaturePlotH

#include <qwt_plot.h>

class QwtLegend;
class QwtLegendLabel;
class QwtPlotPanner;

class PlotCurveWithFramedLegendIcon;
class PlotZoomer;
class TimePlotPicker;

namespace RM {
	class CaldoryneModel;
	class Climate;
	class OutputManager;
}

/*! Outside temperature and humidity of the climate data over the year, and after a run the
	room air and operative temperatures and (with moisture balance) the room air humidity.
	Temperatures on the left axis in C, humidities on the right axis in %, x in days. */
class TemperaturePlot : public QwtPlot {
	Q_OBJECT
public:
	explicit TemperaturePlot(QWidget * parent);

	/*! Year on the x axis, -20..60 C on the left axis; also the zoom base. */
	void setDefaultAxes();
	/*! Hourly outside temperature and humidity of the loaded climate; null does nothing. */
	void updateLoads(const RM::Climate * climate);
	/*! Room temperatures (and humidity) of a run; without outputs the result curves hide. */
	void updateResults(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);

	QwtLegend *							m_legend;
	PlotCurveWithFramedLegendIcon *		m_ambientTemperatureCurve;
	PlotCurveWithFramedLegendIcon *		m_operativeTemperatureCurve;
	PlotCurveWithFramedLegendIcon *		m_roomAirTemperatureCurve;
	PlotCurveWithFramedLegendIcon *		m_ambientRelativeHumidityCurve;
	PlotCurveWithFramedLegendIcon *		m_roomAirHumidityCurve;
	QwtLegendLabel *					m_roomAirHumidityLegendLabel;
	PlotZoomer *						m_zoomer;
	QwtPlotPanner *						m_panner;
	TimePlotPicker *					m_picker;

private:
	PlotCurveWithFramedLegendIcon * addCurve(const QString & title, const QPen & pen, int yAxis, double z, bool visible);
	/*! Left axis over all visible temperature curves, widened beyond -20..60 C, plus 10 %. */
	void fitTemperatureAxis();
};

#endif // TemperaturePlotH
