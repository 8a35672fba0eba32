#include "RM_RoomConstruction.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "RM_Database.h"
#include "RM_Physics.h"
#include "RM_XMLHelpers.h"

namespace RM {

namespace {

QString tr(const char * text) {
	return QCoreApplication::translate("RoomConstruction", text);
}

} // namespace


RoomConstruction::RoomConstruction() :
	m_constructionId(0),
	m_windowId(0),
	m_shadingTypeId(0),
	m_type(Outside),
	m_orientation(270),
	m_inclination(90),
	m_R_ue(0.04),
	m_R_ui(0.13),
	m_beta_i(3e-8),
	m_beta_e(2e-7),
	m_ad(0.7),
	m_zoneT(285.15),
	m_zoneRH(0.5),
	m_AW(10),
	m_AF(0),
	m_solarSurfaceId(0),
	m_constructionType(nullptr),
	m_windowType(nullptr),
	m_shadingType(nullptr)
{
}


bool RoomConstruction::checkValidity(const Database & db, QString & message) const {
	const ConstructionType * ct = db.constructionType(m_constructionId);
	if (ct == nullptr) {
		message = tr("Missing or invalid construction type Id. Please select a valid construction type!");
		return false;
	}
	if (!ct->isValid(db)) {
		message = tr("Error in construction type definition. Open the database and check the construction input data!");
		return false;
	}
	if (m_windowId != 0) {
		const WindowType * wt = db.windowType(m_windowId);
		if (wt == nullptr) {
			message = tr("Unknown or undefined window type. Please select a different window for this construction!");
			return false;
		}
		if (!wt->isValid()) {
			message = tr("Error in definition of the window used in this construction. Open the database and "
						 "check the input data for this window type!");
			return false;
		}
	}
	if (m_shadingTypeId != 0) {
		const ShadingType * st = db.shadingType(m_shadingTypeId);
		if (st == nullptr) {
			message = tr("Unknown or undefined shading type. Please select a different shading type for this construction!");
			return false;
		}
		if (!st->isValid()) {
			message = tr("Error in definition of the shading type used in this construction. Open the database "
						 "and check the input data for this shading type!");
			return false;
		}
	}
	if (m_AW < 0) {
		message = tr("The total wall area cannot be negative.");
		return false;
	}
	if (m_AF < 0) {
		message = tr("The window area cannot be negative.");
		return false;
	}
	return true;
}


QString RoomConstruction::kindKeyword(int kind) {
	switch (kind) {
		case Outside			: return "Outside";
		case Inside				: return "Inside";
		case FixedTemperature	: return "FixedTemperature";
		default					: return QString();
	}
}


void RoomConstruction::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	struct DoubleChild {
		const char *	m_tag;
		double *		m_value;
	};
	const DoubleChild doubles[] = {
		{ "orientation", &m_orientation },
		{ "inclination", &m_inclination },
		{ "R_ue", &m_R_ue },
		{ "R_ui", &m_R_ui },
		{ "beta_e", &m_beta_e },
		{ "beta_i", &m_beta_i },
		{ "ad", &m_ad },
		{ "AW", &m_AW },
		{ "AF", &m_AF }
	};
	struct IdChild {
		const char *	m_tag;
		unsigned int *	m_value;
	};
	const IdChild ids[] = {
		{ "constructionId", &m_constructionId },
		{ "windowId", &m_windowId },
		{ "shadingTypeId", &m_shadingTypeId }
	};

	readChildElements(reader, [&](const QString & tag) {
		bool known = false;
		for (const DoubleChild & c : doubles) {
			if (tag == c.m_tag) {
				*c.m_value = readDoubleElement(reader);
				known = true;
			}
		}
		for (const IdChild & c : ids) {
			if (tag == c.m_tag) {
				*c.m_value = readUIntElement(reader);
				known = true;
			}
		}
		if (known)
			return;
		if (tag == "zoneT")
			m_zoneT = readDoubleElement(reader) + T_KELVIN;
		else if (tag == "zoneRH")
			m_zoneRH = readDoubleElement(reader)/100;
		else if (tag == "zoneTCCD")
			m_zoneTCCD = BVX::Path(readElementText(reader).toStdString());
		else if (tag == "type") {
			const QString kind = readElementText(reader);
			if (kind == "Inside")
				m_type = Inside;
			else if (kind == "FixedTemperature")
				m_type = FixedTemperature;
			else
				m_type = Outside;
		}
		else
			skipUnknownElement(reader, "RoomConstruction", tag, "RoomConstruction::readXML()");
	});
}


void RoomConstruction::writeXML(QXmlStreamWriter & writer) const {
	const QString modelType = kindKeyword(m_type);
	Q_ASSERT(!modelType.isEmpty());
	writer.writeStartElement("RoomConstruction");
	writer.writeTextElement("orientation", QString("%1").arg(m_orientation));
	writer.writeTextElement("inclination", QString("%1").arg(m_inclination));
	writer.writeTextElement("R_ue", QString("%1").arg(m_R_ue));
	writer.writeTextElement("R_ui", QString("%1").arg(m_R_ui));
	writer.writeTextElement("beta_e", QString("%1").arg(m_beta_e));
	writer.writeTextElement("beta_i", QString("%1").arg(m_beta_i));
	writer.writeTextElement("ad", QString("%1").arg(m_ad));
	writer.writeTextElement("zoneT", QString("%1").arg(m_zoneT - T_KELVIN));
	if (m_zoneTCCD.isValid())
		writer.writeTextElement("zoneTCCD", QString::fromStdString(m_zoneTCCD.str()));
	writer.writeTextElement("zoneRH", QString("%1").arg(m_zoneRH*100));
	writer.writeTextElement("AW", QString("%1").arg(m_AW));
	writer.writeTextElement("AF", QString("%1").arg(m_AF));
	writer.writeTextElement("constructionId", QString::number(m_constructionId));
	writer.writeTextElement("windowId", QString::number(m_windowId));
	writer.writeTextElement("shadingTypeId", QString::number(m_shadingTypeId));
	writer.writeTextElement("type", modelType);
	writer.writeEndElement();
}

} // namespace RM
