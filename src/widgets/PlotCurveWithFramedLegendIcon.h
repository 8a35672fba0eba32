#ifndef PlotCurveWithFramedLegendIconH
#define PlotCurveWithFramedLegendIconH

#include <qwt_plot_curve.h>

/*! Curve of the hourly result plots; its legend icon is a box in the curve's colour framed in black. */
class PlotCurveWithFramedLegendIcon : public QwtPlotCurve {
public:
	explicit PlotCurveWithFramedLegendIcon(const QString & title);

	QwtGraphic legendIcon(int index, const QSizeF & size) const override;
};

#endif // PlotCurveWithFramedLegendIconH
