#include "RM_UserLoads.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "RM_XMLHelpers.h"

namespace RM {

UserLoads::UserLoads() :
	m_name(QCoreApplication::translate("UserLoads", "Office")),
	m_personLoad(80)
{
	m_equipmentLoad.m_name = "ScheduleEquipmentLoad";
	m_equipmentLoad.m_type = Schedule::CONSTANT;
	m_equipmentLoad.m_constantValue = 0;
	m_equipmentLoad.m_weekDaySchedule = Schedule::workingHoursProfile(10, 0);

	m_occupancy.m_name = "ScheduleOccupancy";
	m_occupancy.m_type = Schedule::CONSTANT;
	m_occupancy.m_constantValue = 4;
	m_occupancy.m_weekDaySchedule = Schedule::workingHoursProfile(4, 0);
}


double UserLoads::userLoads(unsigned int h, double t, double floorArea, double & occupancy,
							double & personGains, double & equipmentGains) const
{
	occupancy = m_occupancy.value(h, t);
	personGains = occupancy*m_personLoad;
	equipmentGains = m_equipmentLoad.value(h, t)*floorArea;
	return equipmentGains;
}


void UserLoads::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	m_name = reader.attributes().value("name").toString();
	readChildElements(reader, [&](const QString & tag) {
		if (tag == "PersonLoad")
			m_personLoad = readDoubleElement(reader);
		else if (tag == "ScheduleOccupancy")
			m_occupancy.readXML(reader);
		else if (tag == "ScheduleEquipmentLoad")
			m_equipmentLoad.readXML(reader);
		else
			skipElement(reader);
	});
}


void UserLoads::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("UserLoads");
	writer.writeAttribute("name", m_name);
	writer.writeTextElement("PersonLoad", QString("%1").arg(m_personLoad));
	m_occupancy.writeXML(writer);
	m_equipmentLoad.writeXML(writer);
	writer.writeEndElement();
}

} // namespace RM
