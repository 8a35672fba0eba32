#ifndef TimePlotPickerH
#define TimePlotPickerH

#include <qwt_plot_picker.h>

/*! Plot picker over a time axis in days since 1 January; its tracker shows date, time and
	the value with its unit, and hides while a rectangle is dragged. */
class TimePlotPicker : public QwtPlotPicker {
	Q_OBJECT
public:
	TimePlotPicker(int xAxis, int yAxis, QWidget * canvas);

	void setUnit(const QString & unit) { m_unit = unit; }

	/*! Date and time of day x (1 January 2001, a Monday, 00:00 UTC is day 0) and the value
		y with its unit; the rubber band selects what is shown (horizontal line: date only,
		vertical line: value only, else both). */
	static QString trackerText(const QPointF & pos, const QString & unit, QwtPicker::RubberBand band);

protected:
	void begin() override;
	bool end(bool ok = true) override;
	QwtText trackerTextF(const QPointF & pos) const override;

private:
	QString m_unit;
};

#endif // TimePlotPickerH
