#ifndef Sci_AxisPropertiesH
#define Sci_AxisPropertiesH

#include <QDateTime>
#include <QFont>
#include <QPen>
#include <QString>
#include <QStringList>

#include <BVX_Unit.h>

namespace SCI {

/*! Properties of one axis. Only the grid pens of the x axis are used (one chart-wide grid). */
struct AxisProperties {
	AxisProperties();

	bool			m_enabled = true;
	double			m_maximum = 0;
	double			m_minimum = 0;
	bool			m_logarithmic = false;
	bool			m_autoscale = true;
	QFont			m_titleFont;
	QString			m_titleText;
	QFont			m_labelFont;
	int				m_labelHAlignment = 1;
	int				m_labelVAlignment = 2;
	double			m_labelRotation = 0;
	int				m_maxMinorScale = 5;
	int				m_maxMajorScale = 8;
	BVX::Unit		m_unit;
	bool			m_gridVisible = true;
	QPen			m_gridPen;
	bool			m_minorGridVisible = true;
	QPen			m_minorGridPen;
	int				m_titleSpacing = 35;
	int				m_labelSpacing = 5;
	bool			m_dateTimeEnabled = false;
	/*! Time of x = 0 on a time axis; local midnight of 1 January 2000 by default. */
	QDateTime		m_dateTimeZero;
	/*! Qt::TimeSpec number. */
	int				m_dateTimeSpec = 1;
	/*! Label formats by QwtDate::IntervalType, always 8 entries. */
	QStringList		m_dateTimeFormats;
};

} // namespace SCI

#endif // Sci_AxisPropertiesH
