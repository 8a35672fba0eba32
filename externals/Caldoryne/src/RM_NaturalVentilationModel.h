#ifndef RM_NaturalVentilationModelH
#define RM_NaturalVentilationModelH

#include <QString>
#include <QTime>

#include "RM_Schedule.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! Natural (window) ventilation: a scheduled air change, optionally raised from a base
	rate towards the schedule only while the room is warm and the outside air cooler,
	with separate rules for the occupancy period and the night (model DIN).
*/
class NaturalVentilationModel {
public:
	enum ModelType {
		NONE,
		SIMPLE,
		MANAGED,
		DIN,
		NUM_MT
	};

	NaturalVentilationModel();

	/*! Sets the current air change rate (1/h) for hour of year h, time t (s), room and
		outside temperature Ti, Te (K) and writes the vapour flow (kg/s) and the heat flow (W)
		into a room of volume V (m3). */
	void naturalVentilationLoads(bool moisture, unsigned int h, double t, double Ti, double Te,
								 double rhov_i, double rhov_e, double V, double & vapourFlow, double & heatFlow);

	/*! Air change rate in 1/h following the model's rule; sets nothing. */
	double airChangeRate(unsigned int h, double t, double Ti, double Te) const;

	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	static QString modelTypeKeyword(int type);

	QString		m_name;
	/*! One of ModelType. */
	int			m_modelType;
	/*! Air change rate in 1/h. */
	Schedule	m_airChangeRates;
	/*! Base air change rate in 1/h. */
	double		m_baseAirChangeRate;
	/*! Base air change rate at night in 1/h. */
	double		m_baseAirChangeRateNight;
	/*! Room temperature in C above which the ventilation is raised. */
	double		m_minTRoom;
	/*! Required excess of the room over the outside temperature in K. */
	double		m_TRoomDifference;
	/*! Night room temperature in C above which the ventilation is raised. */
	double		m_setTRoom;
	/*! Required excess of the room over the outside temperature at night in K. */
	double		m_TRoomDifferenceNight;
	/*! Start (inclusive) of the occupancy period of model DIN. */
	QTime		m_occupancyStartTime;
	/*! End (exclusive) of the occupancy period of model DIN. */
	QTime		m_occupancyEndTime;
	/*! Result of the last load computation in 1/h; not stored. */
	double		m_airChangeRate;

private:
	/*! Base rate, raised smoothly towards the schedule value over 0.2 K of min(d1, d2). */
	double raisedRate(unsigned int h, double t, double d1, double d2, double base) const;
	bool isOccupancyPeriod(double t) const;
};

} // namespace RM

#endif // RM_NaturalVentilationModelH
