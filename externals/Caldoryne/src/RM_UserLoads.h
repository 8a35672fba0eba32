#ifndef RM_UserLoadsH
#define RM_UserLoadsH

#include <QString>

#include "RM_Schedule.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! Internal heat gains of the room from equipment (per floor area) and from occupants. */
class UserLoads {
public:
	UserLoads();

	/*! At hour of year h and time t (s): occupancy (persons), person gains (W) and
		equipment gains (W) of a room with floorArea (m2); returns the equipment gains. */
	double userLoads(unsigned int h, double t, double floorArea, double & occupancy,
					 double & personGains, double & equipmentGains) const;

	/*! Reads the "UserLoads" element; unknown children are skipped silently. */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	QString		m_name;
	/*! Equipment heat gain in W/m2 floor area. */
	Schedule	m_equipmentLoad;
	/*! Number of persons present. */
	Schedule	m_occupancy;
	/*! Heat gain per person in W. */
	double		m_personLoad;
};

} // namespace RM

#endif // RM_UserLoadsH
