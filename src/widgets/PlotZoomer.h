#ifndef PlotZoomerH
#define PlotZoomerH

#include <qwt_plot_zoomer.h>

/*! Rectangle zoom over a time axis in days; its tracker shows date, time and the value
	with its unit. Right button: one step back; Shift + right button: back to the base. */
class PlotZoomer : public QwtPlotZoomer {
	Q_OBJECT
public:
	PlotZoomer(int xAxis, int yAxis, QWidget * canvas);

	void setUnit(const QString & unit) { m_unit = unit; }

protected:
	QwtText trackerTextF(const QPointF & pos) const override;

private:
	QString m_unit;
};

#endif // PlotZoomerH
