#ifndef RM_ScheduleH
#define RM_ScheduleH

#include <array>
#include <vector>

#include <QString>

#include <BVX_LinearSpline.h>

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! A value for every hour of the year: constant, daily profiles by season or by
	week day, one value per hour, or linear interpolation of time-value data.

	Plain value class; copied with the model that owns it.
*/
class Schedule {
public:
	enum ScheduleType {
		CONSTANT,
		DAILY_SEASONAL,
		DAILY_WEEK,
		ANNUAL,
		DATLINEAR,
		NUM_ST
	};

	Schedule();

	/*! Value at hour of year h (0..8759) and simulation time t in s (not reduced to one year). */
	double value(unsigned int h, double t) const;

	/*! Reads the schedule from the current start element. Throws BVX::Exception only for
		a broken "DatLinear" spline; other irregularities are warnings. */
	void readXML(QXmlStreamReader & reader);

	/*! Writes the schedule: with asScheduleElement the element is "Schedule" with the
		attribute "name", otherwise the element's tag is the schedule's name. */
	void writeXML(QXmlStreamWriter & writer, bool asScheduleElement = false) const;

	/*! Keyword of a type ("CONSTANT", ...); empty for an unknown type. */
	static QString typeKeyword(int type);
	/*! Type of a keyword; -1 for an unknown keyword. */
	static int typeFromKeyword(const QString & keyword);

	/*! Daily profile of 24 hourly values: workValue from 8 to 16 o'clock, offValue otherwise. */
	static std::vector<double> workingHoursProfile(double workValue, double offValue);

	/*! Daily-by-week-day schedule with workValue during the working hours of summer and week
		days and offValue otherwise, on winter days and on week-end days; its constant value is
		workValue. The default set points of the air-conditioning models. */
	static Schedule workingHoursSchedule(const QString & name, double workValue, double offValue);

	/*! Index of the week day of a day of the year, 0 = Monday; January 1st is a Monday. */
	static unsigned int weekDay(unsigned int dayOfYear) { return dayOfYear % 7; }

	QString					m_name;
	/*! One of ScheduleType, stored as int. */
	int						m_type;
	/*! Used by CONSTANT and as fallback of ANNUAL and DATLINEAR. */
	double					m_constantValue;
	std::vector<double>		m_summerSchedule;
	std::vector<double>		m_winterSchedule;
	std::vector<double>		m_weekDaySchedule;
	std::vector<double>		m_weekEndSchedule;
	/*! Week-end flags, Monday first. */
	std::array<bool, 7>		m_weekEndDays;
	/*! First day of summer, counted from 0 = January 1st. */
	unsigned int			m_summerStartDay;
	/*! First day of winter, counted from 0 = January 1st. */
	unsigned int			m_winterStartDay;
	/*! One value per hour of the year; used only with exactly 8760 values. */
	std::vector<double>		m_annualValues;
	/*! x in s from the start of the simulation, y the schedule values. */
	BVX::LinearSpline		m_datLinearSpline;
	/*! Unit id in which the spline's x values were given; 0 = none. */
	unsigned int			m_xUnitId;
	/*! Path of an external time series for ANNUAL (stored only, never loaded). */
	QString					m_annualDataFile;

private:
	void readChild(QXmlStreamReader & reader, const QString & typeText);
	void readDatLinearSpline(QXmlStreamReader & reader);
};

} // namespace RM

#endif // RM_ScheduleH
