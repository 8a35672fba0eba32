#ifndef RadiationPlotH
#define RadiationPlotH

#include <qwt_plot.h>

class QwtPlotPanner;

class PlotCurveWithFramedLegendIcon;
class PlotZoomer;
class TimePlotPicker;

namespace RM {
	class Climate;
}

/*! Hourly direct normal and diffuse horizontal solar irradiance of the climate data over
	the year (x in days, y in W/m2). */
class RadiationPlot : public QwtPlot {
	Q_OBJECT
public:
	explicit RadiationPlot(QWidget * parent);

	/*! Year on the x axis, 0..1000 W/m2 on the left axis; also the zoom base. */
	void setDefaultAxes();
	/*! Radiation series of the loaded climate; null does nothing. */
	void updateLoads(const RM::Climate * climate);
	/*! Keeps the room's albedo (not drawn). */
	void setAlbedo(double albedo) { m_albedo = albedo; }

	PlotCurveWithFramedLegendIcon *		m_directNormalCurve;
	PlotCurveWithFramedLegendIcon *		m_diffuseHorizontalCurve;
	PlotZoomer *						m_zoomer;
	QwtPlotPanner *						m_panner;
	TimePlotPicker *					m_picker;
	/*! Climate last handed to updateLoads(); never read afterwards (the next run may delete it). */
	const RM::Climate *					m_climate;
	double								m_albedo;
};

#endif // RadiationPlotH
