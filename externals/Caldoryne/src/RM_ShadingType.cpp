#include "RM_ShadingType.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "RM_XMLHelpers.h"

namespace RM {

ShadingType::ShadingType() :
	m_z(1.0)
{
	setEncodedName("en:<New Shading Type>|de:<Neuer Verschattungstyp>");
}


ShadingType::ShadingType(const QString & encodedName, double z) :
	m_z(z)
{
	setEncodedName(encodedName);
}


bool ShadingType::isValid() const {
	return m_z >= 0 && m_z <= 1;
}


bool ShadingType::operator==(const ShadingType & other) const {
	return encodedName() == other.encodedName() && sameAsStored(m_z, other.m_z);
}


void ShadingType::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	readCommonAttributes(reader);
	readDoubleAttribute(reader, "z", m_z, false);
	readUntilEndElement(reader);
}


void ShadingType::writeXML(QXmlStreamWriter & writer) const {
	writer.writeEmptyElement("ShadingType");
	writer.writeAttribute("id", QString::number(m_id));
	writer.writeAttribute("name", encodedName());
	writer.writeAttribute("z", doubleToString(m_z));
}

} // namespace RM
