#include "RM_MoistureLoads.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "RM_XMLHelpers.h"

namespace RM {

MoistureLoads::MoistureLoads() :
	m_name(QCoreApplication::translate("MoistureLoads", "Office"))
{
	m_moistureLoad.m_name = "ScheduleMoistureLoad";
	m_moistureLoad.m_type = Schedule::CONSTANT;
	m_moistureLoad.m_constantValue = 20;
}


void MoistureLoads::moistureLoad(unsigned int h, double t, double & load) const {
	// g/h -> kg/s
	load = m_moistureLoad.value(h, t)/3600000;
}


void MoistureLoads::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	m_name = reader.attributes().value("name").toString();
	readChildElements(reader, [&](const QString & tag) {
		if (tag == "ScheduleMoistureLoad")
			m_moistureLoad.readXML(reader);
		else
			skipElement(reader);
	});
}


void MoistureLoads::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("MoistureLoads");
	writer.writeAttribute("name", m_name);
	m_moistureLoad.writeXML(writer);
	writer.writeEndElement();
}

} // namespace RM
