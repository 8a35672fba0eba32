#include "RM_ProjectInformation.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "RM_XMLHelpers.h"

namespace RM {

void ProjectInformation::readXML(QXmlStreamReader & reader) {
	readChildElements(reader, [&](const QString & tag) {
		if (tag == "ProjectName")			m_projectName = readElementText(reader);
		else if (tag == "ConstructionID")	m_constructionID = readElementText(reader);
		else if (tag == "UserName")			m_userName = readElementText(reader);
		else if (tag == "Company")			m_company = readElementText(reader);
		else if (tag == "Location")			m_location = readElementText(reader);
		else if (tag == "Description")		m_description = readElementText(reader);
		else if (tag == "DisclaimerText")	m_disclaimerText = readElementText(reader);
		else
			skipElement(reader);
	});
}


void ProjectInformation::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("ProjectInformation");
	writer.writeTextElement("ProjectName", m_projectName);
	writer.writeTextElement("ConstructionID", m_constructionID);
	writer.writeTextElement("UserName", m_userName);
	writer.writeTextElement("Company", m_company);
	writer.writeTextElement("Location", m_location);
	writer.writeTextElement("Description", m_description);
	writer.writeTextElement("DisclaimerText", m_disclaimerText);
	writer.writeEndElement();
}

} // namespace RM
