#ifndef Sci_ChartAxisH
#define Sci_ChartAxisH

#include <QFont>
#include <QObject>
#include <QStringList>

#include <qwt_text.h>

class QwtScaleDraw;
class QwtScaleEngine;

namespace SCI {

class Chart;

/*! The chart's handle on one Qwt axis. */
class ChartAxis : public QObject {
	Q_OBJECT
public:
	ChartAxis(Chart * chart, int axisId);

	void setEnabled(bool enabled);
	/*! Off freezes the range shown now. */
	void setAutoScale(bool on);
	/*! Fixed range; NaN or equal bounds are widened to a valid range. */
	void setScale(double minimum, double maximum);
	void setLinear();
	void setLogarithmic();
	void setDateTime(bool on);
	/*! Offset from UTC in s at which dates are shown (the offset of the axis' zero). */
	void setTimeOffset(int seconds);
	int timeOffset() const { return m_timeOffset; }
	void setDateTimeFormats(const QStringList & formats);
	void setTitle(const QString & title);
	void setTitleFont(const QFont & font);
	QFont titleFont() const;
	void setLabelFont(const QFont & font);
	/*! horizontal 0 left, 1 right, 2 centred; vertical 0 top, 1 bottom, 2 centred. */
	void setLabelAlignment(int horizontal, int vertical);
	void setLabelRotation(double rotation);
	void setMaxMajor(int maxMajor);
	void setMaxMinor(int maxMinor);
	/*! Makes the axis widget extent pixels wide (high for xBottom), title included. */
	void setTitleSpacing(int extent);
	void setLabelSpacing(int spacing);
	void setTitleInverted(bool inverted);

	double minimum() const;
	double maximum() const;
	bool isDateTime() const { return m_dateTime; }
	/*! The text the axis shows for value. */
	QwtText label(double value) const;

	int axisId() const { return m_axisId; }

private:
	/*! Plain scale draw and linear engine, date-time mode off. */
	void leaveDateTime();
	/*! Replaces the scale draw; spacing, rotation, alignment, pen and tick settings carry over. */
	void installScaleDraw(QwtScaleDraw * scaleDraw);
	/*! Replaces the scale engine; attributes, reference and margins carry over. */
	void installScaleEngine(QwtScaleEngine * engine);

	Chart *	m_chart;
	int		m_axisId;
	bool	m_verticalAxis;
	int		m_maxMinor = 0;
	int		m_maxMajor = 0;
	bool	m_dateTime = false;
	int		m_timeOffset = 0;
};

} // namespace SCI

#endif // Sci_ChartAxisH
