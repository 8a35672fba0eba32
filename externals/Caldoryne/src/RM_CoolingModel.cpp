#include "RM_CoolingModel.h"
#include "RM_ControllerSlope.h"

#include <algorithm>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_Unit.h>
#include <BVX_UnitList.h>

#include "RM_Physics.h"
#include "RM_XMLHelpers.h"

namespace RM {

namespace {

/*! Rate factor of the dehumidification in 1/s. */
const double DEHUMIDIFICATION_RATE = 10;
const char * const READ_FUNC_ID = "[CoolingModel::readXML]";

std::vector<double> converted(std::vector<double> v, const BVX::Unit & from, const BVX::Unit & to) {
	for (double & x : v)
		BVX::UnitList::instance().convert(from, to, x);
	return v;
}

} // namespace


CoolingModel::CoolingModel() :
	m_modelType(NONE),
	m_maxPower(1200),
	m_slope(5000)
{
	m_setPoints = Schedule::workingHoursSchedule("ScheduleSetPoints", 26, 40);
	m_humiditySetPoints = Schedule::workingHoursSchedule("ScheduleHumiditySetPoints", 50, 100);
}


void CoolingModel::coolingLoads(bool moisture, unsigned int h, double t, double Ti, double rhov_i,
								double & sensible, double & vapourFlow, double & enthalpyFlow, double & latent) const
{
	sensible = vapourFlow = enthalpyFlow = latent = 0;
	if (m_modelType != SIMPLE)
		return;

	if (moisture) {
		const double phiSet = m_humiditySetPoints.value(h, t)/100;
		const double rhovSet = saturationVapourPressure(Ti)*phiSet/(R_VAPOUR*Ti);
		vapourFlow = std::min(0.0, DEHUMIDIFICATION_RATE*(rhovSet - rhov_i));
		latent = -H_VAPOUR*vapourFlow;
		if (latent > m_maxPower) {
			latent = m_maxPower;
			vapourFlow = -m_maxPower/H_VAPOUR;
		}
	}

	const double Tset = m_setPoints.value(h, t) + T_KELVIN;
	sensible = std::min(0.0, (Tset - Ti)*m_slope);
	const double available = m_maxPowerCurve.valid() ? m_maxPowerCurve.value(Tset) : m_maxPower;
	// dehumidification has the first claim on the power
	sensible = std::max(sensible, std::min(0.0, -(available - latent)));
	enthalpyFlow = vapourEnthalpy(Ti)*vapourFlow;
}


void CoolingModel::adjustSlope(unsigned int h, double t, double Ti, double currentLoad) {
	if (currentLoad == 0 || currentLoad == -m_maxPower)
		return;
	if (!raiseControllerSlope(m_slope, Ti - (m_setPoints.value(h, t) + T_KELVIN)))
		return;
	reportControllerSlope("SlopeIdealCooling", m_slope, "[CoolingModel::adjustSlope]");
}


QString CoolingModel::modelTypeKeyword(int type) {
	switch (type) {
		case NONE	: return "NONE";
		case SIMPLE	: return "SIMPLE";
		default		: return QString();
	}
}


void CoolingModel::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	m_name = reader.attributes().value("name").toString();
	readModelTypeAttribute(reader, NUM_MT, &modelTypeKeyword, m_modelType);

	readChildElements(reader, [&](const QString & tag) {
		if (tag == "MaxPower")
			m_maxPower = readDoubleElement(reader);
		else if (tag == "ScheduleSetPoints")
			m_setPoints.readXML(reader);
		else if (tag == "ScheduleHumiditySetPoints")
			m_humiditySetPoints.readXML(reader);
		else if (tag == "LinearSpline")
			readMaxPowerCurve(reader);
		else
			skipUnknownElement(reader, "CoolingModel", tag, READ_FUNC_ID);
	}, "CoolingModel");
}


void CoolingModel::readMaxPowerCurve(QXmlStreamReader & reader) {
	QString name, xUnit, yUnit;
	BVX::LinearSpline spl;
	readNamedBVXSplineData(reader, name, xUnit, yUnit, spl);
	if (name != "MaxPowerCurve") {
		BVX::BVX_Message(BVX::FormatText("Found unknown linear spline data '%1' in CoolingModel tag.").arg(name.toStdString()),
						 BVX::MSG_WARNING, READ_FUNC_ID, 1);
		return;
	}
	try {
		const BVX::Unit kelvin("K");
		const BVX::Unit watt("J/s");
		BVX::Unit xu, yu;
		// an unknown unit name throws, as does a unit of the wrong kind
		try { xu = BVX::Unit(xUnit.toStdString()); } catch (BVX::Exception &) {}
		if (xu.id() == 0 || xu.base_id() != kelvin.id())
			throw BVX::Exception(BVX::FormatText("Invalid x unit in linear spline '%1', expected temperature in [K] "
												 "or convertible unit.").arg(name.toStdString()), READ_FUNC_ID);
		try { yu = BVX::Unit(yUnit.toStdString()); } catch (BVX::Exception &) {}
		if (yu.id() == 0 || yu.base_id() != watt.id())
			throw BVX::Exception(BVX::FormatText("Invalid y unit in linear spline '%1', expected power in [W] "
												 "or convertible unit.").arg(name.toStdString()), READ_FUNC_ID);
		BVX::LinearSpline curve;
		if (!spl.empty())
			curve.setValues(converted(spl.x(), xu, kelvin), converted(spl.y(), yu, watt));
		if (!curve.valid())
			throw BVX::Exception(BVX::FormatText("Invalid data in linear spline '%1', cannot create monotonically "
												 "increasing spline.").arg(name.toStdString()), READ_FUNC_ID);
		m_maxPowerCurve = curve;
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, "Error reading cooling model data.", READ_FUNC_ID);
	}
}


void CoolingModel::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("CoolingModel");
	writer.writeAttribute("name", m_name);
	const QString modelType = modelTypeKeyword(m_modelType);
	Q_ASSERT(!modelType.isEmpty());
	writer.writeAttribute("modelType", modelType);
	writer.writeTextElement("MaxPower", QString("%1").arg(m_maxPower));
	if (!m_maxPowerCurve.x().empty() && m_maxPowerCurve.valid()) {
		BVX::LinearSpline out;
		out.setValues(converted(m_maxPowerCurve.x(), BVX::Unit("K"), BVX::Unit("C")),
					  converted(m_maxPowerCurve.y(), BVX::Unit("J/s"), BVX::Unit("kW")));
		writeLinearSpline(writer, "MaxPowerCurve", "C", "kW", out);
	}
	m_setPoints.writeXML(writer);
	m_humiditySetPoints.writeXML(writer);
	writer.writeEndElement();
}

} // namespace RM
