#include "RM_ConstructionType.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "RM_Database.h"
#include "RM_Material.h"
#include "RM_XMLHelpers.h"

namespace RM {

ConstructionType::ConstructionType() {
	setEncodedName(QString());
}


bool ConstructionType::UValue(double & U, const Database & db, double R1, double R2) const {
	Q_ASSERT(m_d.size() == m_materialIds.size());
	double R = R1 + R2;
	for (std::size_t i = 0; i < m_d.size(); ++i) {
		const Material * mat = db.material(m_materialIds[i]);
		if (mat == nullptr || mat->m_lambda <= 0 || m_d[i] <= 0)
			return false;
		R += m_d[i] / mat->m_lambda;
	}
	U = 1 / R;
	return true;
}


bool ConstructionType::arealMassAndHeatCapacity(double & arealMass, double & arealHeatCapacity, const Database & db) const {
	Q_ASSERT(m_d.size() == m_materialIds.size());
	double mass = 0;
	double capacity = 0;
	for (std::size_t i = 0; i < m_d.size(); ++i) {
		const Material * mat = db.material(m_materialIds[i]);
		if (mat == nullptr || m_d[i] <= 0 || mat->m_rho <= 0 || mat->m_cT <= 0)
			return false;
		mass += mat->m_rho * m_d[i];
		capacity += mat->m_rho * mat->m_cT * m_d[i];
	}
	arealMass = mass;
	arealHeatCapacity = capacity;
	return true;
}


bool ConstructionType::isValid(const Database & db) const {
	Q_ASSERT(m_d.size() == m_materialIds.size());
	for (std::size_t i = 0; i < m_d.size(); ++i) {
		const Material * mat = db.material(m_materialIds[i]);
		if (mat == nullptr || !mat->isValid() || !(m_d[i] > 0))
			return false;
	}
	return true;
}


bool ConstructionType::operator==(const ConstructionType & other) const {
	return encodedName() == other.encodedName()
		&& sameAsStored(m_d, other.m_d)
		&& m_materialIds == other.m_materialIds;
}


void ConstructionType::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	readCommonAttributes(reader);
	m_d.clear();
	m_materialIds.clear();
	readChildElements(reader, [&](const QString & tag) {
		if (tag == "Layers")
			readLayers(reader);
		else
			skipElement(reader);
	});
}


void ConstructionType::readLayers(QXmlStreamReader & reader) {
	// every child of "Layers" is one layer, whatever its tag
	readChildElements(reader, [&](const QString &) {
		// a missing id stays 0; text that is no id (nan, 2.5, -1, "abc") is refused
		const unsigned int matId = readUIntAttribute(reader, "materialId");
		double d = 0;
		readDoubleAttribute(reader, "d", d, false);
		if (!reader.hasError()) {
			m_materialIds.push_back(matId);
			m_d.push_back(d);
		}
		readUntilEndElement(reader);
	});
}


void ConstructionType::writeXML(QXmlStreamWriter & writer) const {
	Q_ASSERT(m_d.size() == m_materialIds.size());
	writer.writeStartElement("ConstructionType");
	writer.writeAttribute("name", encodedName());
	writer.writeAttribute("id", QString::number(m_id));
	writer.writeStartElement("Layers");
	for (std::size_t i = 0; i < m_d.size(); ++i) {
		writer.writeEmptyElement("Layer");
		writer.writeAttribute("materialId", QString::number(m_materialIds[i]));
		writer.writeAttribute("d", doubleToString(m_d[i]));
	}
	writer.writeEndElement();
	writer.writeEndElement();
}

} // namespace RM
