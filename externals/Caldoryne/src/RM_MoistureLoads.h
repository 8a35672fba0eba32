#ifndef RM_MoistureLoadsH
#define RM_MoistureLoadsH

#include <QString>

#include "RM_Schedule.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

/*! Water vapour released into the room (used only with the moisture balance). */
class MoistureLoads {
public:
	MoistureLoads();

	/*! Vapour production in kg/s at hour of year h and time t (s). */
	void moistureLoad(unsigned int h, double t, double & load) const;

	/*! Reads the "MoistureLoads" element; unknown children are skipped silently. */
	void readXML(QXmlStreamReader & reader);
	void writeXML(QXmlStreamWriter & writer) const;

	QString		m_name;
	/*! Vapour production in g/h. */
	Schedule	m_moistureLoad;
};

} // namespace RM

#endif // RM_MoistureLoadsH
