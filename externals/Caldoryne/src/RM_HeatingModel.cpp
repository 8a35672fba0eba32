#include "RM_HeatingModel.h"
#include "RM_ControllerSlope.h"

#include <algorithm>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>


#include "RM_Physics.h"
#include "RM_XMLHelpers.h"

namespace RM {

HeatingModel::HeatingModel() :
	m_modelType(NONE),
	m_maxPower(800),
	m_slope(5000)
{
	m_setPoints.m_name = "ScheduleSetPoints";
	m_setPoints.m_type = Schedule::DAILY_WEEK;
	m_setPoints.m_constantValue = 20;
	for (unsigned int k = 0; k < 24; ++k) {
		const double day = (k >= 6 && k <= 21) ? 20 : 16;
		m_setPoints.m_summerSchedule[k] = 8;
		m_setPoints.m_winterSchedule[k] = day;
		m_setPoints.m_weekDaySchedule[k] = day;
		m_setPoints.m_weekEndSchedule[k] = 20;
	}
}


void HeatingModel::heatingLoad(unsigned int h, double t, double Ti, double & load) const {
	load = 0;
	if (m_modelType != SIMPLE)
		return;
	const double Tset = m_setPoints.value(h, t) + T_KELVIN;
	load = std::min(m_maxPower, std::max(0.0, (Tset - Ti)*m_slope));
}


void HeatingModel::adjustSlope(unsigned int h, double t, double Ti, double currentLoad) {
	// off or saturated: the slope says nothing about the control quality
	if (currentLoad == 0 || currentLoad == m_maxPower)
		return;
	if (!raiseControllerSlope(m_slope, m_setPoints.value(h, t) + T_KELVIN - Ti))
		return;
	reportControllerSlope("SlopeIdealHeating", m_slope, "[HeatingModel::adjustSlope]");
}


QString HeatingModel::modelTypeKeyword(int type) {
	switch (type) {
		case NONE	: return "NONE";
		case SIMPLE	: return "SIMPLE";
		default		: return QString();
	}
}


void HeatingModel::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	m_name = reader.attributes().value("name").toString();
	readModelTypeAttribute(reader, NUM_MT, &modelTypeKeyword, m_modelType);

	readChildElements(reader, [&](const QString & tag) {
		if (tag == "MaxPower")
			m_maxPower = readDoubleElement(reader);
		else if (tag == "ScheduleSetPoints")
			m_setPoints.readXML(reader);
		else
			skipUnknownElement(reader, "HeatingModel", tag, "HeatingModel::readXML()");
	}, "HeatingModel");
}


void HeatingModel::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("HeatingModel");
	writer.writeAttribute("name", m_name);
	const QString modelType = modelTypeKeyword(m_modelType);
	Q_ASSERT(!modelType.isEmpty());
	writer.writeAttribute("modelType", modelType);
	writer.writeTextElement("MaxPower", QString("%1").arg(m_maxPower));
	m_setPoints.writeXML(writer);
	writer.writeEndElement();
}

} // namespace RM
