#include "RM_ShadingControlModel.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "RM_ShadingType.h"
#include "RM_XMLHelpers.h"

namespace RM {

namespace {

struct ThresholdTag {
	const char *							m_tag;
	double ShadingControlModel::*			m_member;
};

// writing order
const ThresholdTag THRESHOLDS[] = {
	{ "MaxRadiationIntensityHorizontal", &ShadingControlModel::m_maxRadiationIntensityHorizontal },
	{ "MaxRadiationIntensityWest", &ShadingControlModel::m_maxRadiationIntensityWest },
	{ "MaxRadiationIntensitySouth", &ShadingControlModel::m_maxRadiationIntensitySouth },
	{ "MaxRadiationIntensityNorth", &ShadingControlModel::m_maxRadiationIntensityNorth },
	{ "MaxRadiationIntensityEast", &ShadingControlModel::m_maxRadiationIntensityEast }
};

} // namespace


ShadingControlModel::ShadingControlModel() :
	m_modelType(CONSTANT),
	m_maxRadiationIntensityHorizontal(250),
	m_maxRadiationIntensityWest(250),
	m_maxRadiationIntensityNorth(250),
	m_maxRadiationIntensitySouth(250),
	m_maxRadiationIntensityEast(250)
{
	m_shadingDegree.m_name = "ScheduleShadingDegree";
	m_shadingDegree.m_type = Schedule::CONSTANT;
	m_shadingDegree.m_constantValue = 1;
	for (unsigned int k = 0; k < 24; ++k) {
		const double closed = (k >= 8 && k <= 18) ? 1 : 0;
		m_shadingDegree.m_summerSchedule[k] = closed;
		m_shadingDegree.m_weekDaySchedule[k] = closed;
	}
}


double ShadingControlModel::radiationThreshold(double orientation, double inclination) const {
	if (inclination < 45)
		return m_maxRadiationIntensityHorizontal;
	double o = orientation;
	if (o < 45)
		o += 360;
	if (o < 135)
		return m_maxRadiationIntensityEast;
	if (o < 225)
		return m_maxRadiationIntensitySouth;
	if (o < 315)
		return m_maxRadiationIntensityWest;
	return m_maxRadiationIntensityNorth;
}


double ShadingControlModel::shadingFactor(const ShadingType & shadingType, unsigned int h, double t,
										  double radiation, double orientation, double inclination) const
{
	const double z = shadingType.m_z;
	switch (m_modelType) {
		case CONSTANT :
			return z;
		case SCHEDULED :
			return 1 - m_shadingDegree.value(h, t)*(1 - z);
		case INTENSITY_CONTROLLED :
			return radiation > radiationThreshold(orientation, inclination) ? z : 1;
		default :
			return 1;
	}
}


QString ShadingControlModel::modelTypeKeyword(int type) {
	switch (type) {
		case CONSTANT				: return "CONSTANT";
		case SCHEDULED				: return "SCHEDULED";
		case INTENSITY_CONTROLLED	: return "INTENSITY_CONTROLLED";
		default						: return QString();
	}
}


void ShadingControlModel::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	m_name = reader.attributes().value("name").toString();
	readModelTypeAttribute(reader, NUM_MT, &modelTypeKeyword, m_modelType);

	readChildElements(reader, [&](const QString & tag) {
		if (tag == "ScheduleShadingDegree") {
			m_shadingDegree.readXML(reader);
			return;
		}
		bool known = false;
		for (const ThresholdTag & th : THRESHOLDS) {
			if (tag == th.m_tag) {
				this->*th.m_member = readDoubleElement(reader);
				known = true;
			}
		}
		if (!known)
			skipUnknownElement(reader, "ShadingControlModel", tag, "ShadingControlModel::readXML()");
	}, "ShadingControlModel");
}


void ShadingControlModel::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("ShadingControlModel");
	writer.writeAttribute("name", m_name);
	const QString modelType = modelTypeKeyword(m_modelType);
	Q_ASSERT(!modelType.isEmpty());
	writer.writeAttribute("modelType", modelType);
	for (const ThresholdTag & th : THRESHOLDS)
		writer.writeTextElement(th.m_tag, QString("%1").arg(this->*th.m_member));
	m_shadingDegree.writeXML(writer);
	writer.writeEndElement();
}

} // namespace RM
