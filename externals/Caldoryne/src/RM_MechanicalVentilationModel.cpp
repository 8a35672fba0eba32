#include "RM_MechanicalVentilationModel.h"

#include <algorithm>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_FormatText.h>
#include <BVX_Math.h>
#include <BVX_MessageHandler.h>

#include "RM_Physics.h"
#include "RM_XMLHelpers.h"

namespace RM {

namespace {

/*! Half width of the bypass transition in K. */
const double BYPASS_HALF_WIDTH = 0.3;
/*! Slope of the cooling ventilation's flow controller in (m3/h)/K. */
const double COOLING_FLOW_SLOPE = 10000;

} // namespace


MechanicalVentilationModel::MechanicalVentilationModel() :
	m_modelType(NONE),
	m_supplyTemperature(16),
	m_maxSupplyFlowRate(40),
	m_heatRecoveryEfficiency(0),
	m_heatRecoverySetpoint(22)
{
	m_setPoints = Schedule::workingHoursSchedule("ScheduleSetPoints", 26, 40);
	m_humiditySetPoints = Schedule::workingHoursSchedule("ScheduleHumiditySetPoints", 50, 100);

	m_ventilationRates.m_name = "ScheduleVentilationRates";
	m_ventilationRates.m_type = Schedule::CONSTANT;
	m_ventilationRates.m_constantValue = 0;
}


double MechanicalVentilationModel::effectiveHeatRecovery(double Ti) const {
	const double Tb = m_heatRecoverySetpoint + T_KELVIN;
	if (Ti <= Tb - BYPASS_HALF_WIDTH)
		return m_heatRecoveryEfficiency;
	const double x = (std::min(Ti, Tb + BYPASS_HALF_WIDTH) - (Tb - BYPASS_HALF_WIDTH))/(2*BYPASS_HALF_WIDTH);
	return m_heatRecoveryEfficiency*(1 - BVX::scale(x, 1.0));
}


void MechanicalVentilationModel::mechanicalVentilationLoads(bool moisture, unsigned int h, double t,
	double Ti, double Te, double rhov_i, double rhov_e, double /*V*/, double & vapourFlow,
	double & airFlow, double & heatFlow, double & coolingPower) const
{
	vapourFlow = airFlow = heatFlow = coolingPower = 0;
	switch (m_modelType) {
		case MECHANICAL_VENTILATION :
			ventilationWithRecovery(moisture, h, t, Ti, Te, rhov_i, rhov_e, vapourFlow, airFlow, heatFlow);
			break;
		case MECHANICAL_VENTILATION_COOLING :
			coolingVentilation(h, t, Ti, Te, airFlow, heatFlow, coolingPower);
			break;
		default : ;
	}
}


void MechanicalVentilationModel::ventilationWithRecovery(bool moisture, unsigned int h, double t,
	double Ti, double Te, double rhov_i, double rhov_e, double & vapourFlow, double & airFlow,
	double & heatFlow) const
{
	airFlow = m_ventilationRates.value(h, t)/3600;
	const double eta = effectiveHeatRecovery(Ti);
	const double Tsup = Ti - (Ti - Te)*(1 - eta);
	if (!moisture) {
		heatFlow = (Tsup - Ti)*C_AIR*RHO_AIR*airFlow;
		return;
	}
	const MoistAir outside(Te, rhov_e);
	const MoistAir room(Ti, rhov_i);
	double m = outside.m_rho*airFlow;
	double xs = outside.m_xVapour;
	if (eta > 0) {
		// the recovered heat cannot warm air beyond saturation at the supply temperature: condensate stays in the unit
		const double xsat = saturationVapourPressure(Tsup)/R_VAPOUR/Tsup/outside.m_rho;
		if (outside.m_xVapour > xsat) {
			m -= (outside.m_xVapour - xsat)*m;
			xs = xsat;
		}
	}
	vapourFlow = (xs - room.m_xVapour)*m;
	heatFlow = (vapourEnthalpy(Tsup)*xs - vapourEnthalpy(Ti)*room.m_xVapour
				+ C_AIR*outside.m_xDry*Tsup - C_AIR*room.m_xDry*Ti)*m;
}


void MechanicalVentilationModel::coolingVentilation(unsigned int h, double t, double Ti, double Te,
	double & airFlow, double & heatFlow, double & coolingPower) const
{
	const double Tc = m_setPoints.value(h, t) + T_KELVIN;
	const double Ts = m_supplyTemperature + T_KELVIN;
	if (Ti <= Tc || Ti <= Ts)
		return;
	airFlow = std::min(m_maxSupplyFlowRate, COOLING_FLOW_SLOPE*(Ti - Tc))/3600;
	const double Tsup = std::min(Te, Ts);
	heatFlow = -C_AIR*RHO_AIR*airFlow*std::max(Ti - Tsup, 0.0);
	coolingPower = -C_AIR*RHO_AIR*airFlow*std::max(Te - Ts, 0.0);
}


QString MechanicalVentilationModel::modelTypeKeyword(int type) {
	switch (type) {
		case NONE							: return "NONE";
		case MECHANICAL_VENTILATION			: return "MECHANICAL_VENTILATION";
		case MECHANICAL_VENTILATION_COOLING	: return "MECHANICAL_VENTILATION_COOLING";
		default								: return QString();
	}
}


void MechanicalVentilationModel::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	m_name = reader.attributes().value("name").toString();
	readModelTypeAttribute(reader, NUM_MT, &modelTypeKeyword, m_modelType);

	readChildElements(reader, [&](const QString & tag) {
		if (tag == "ScheduleSetPoints")
			m_setPoints.readXML(reader);
		else if (tag == "ScheduleHumiditySetPoints")
			m_humiditySetPoints.readXML(reader);
		else if (tag == "ScheduleVentilationRates")
			m_ventilationRates.readXML(reader);
		else if (tag == "SupplyTemperature") {
			m_supplyTemperature = readDoubleElement(reader);
			if (m_supplyTemperature < -T_KELVIN)
				m_supplyTemperature = -100;
		}
		else if (tag == "MaxSupplyFlowRate") {
			m_maxSupplyFlowRate = readDoubleElement(reader);
			if (m_maxSupplyFlowRate < 0)
				m_maxSupplyFlowRate = 0.1;
		}
		else if (tag == "HeatRecoveryEfficiency")
			m_heatRecoveryEfficiency = std::min(1.0, std::max(0.0, readDoubleElement(reader)));
		else if (tag == "HeatRecoverySetpoint")
			m_heatRecoverySetpoint = readDoubleElement(reader);
		else
			skipUnknownElement(reader, "MechanicalVentilationModel", tag, "[MechanicalVentilationModel::readXML]");
	}, "MechanicalVentilationModel");
}


void MechanicalVentilationModel::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("MechanicalVentilationModel");
	writer.writeAttribute("name", m_name);
	const QString modelType = modelTypeKeyword(m_modelType);
	Q_ASSERT(!modelType.isEmpty());
	writer.writeAttribute("modelType", modelType);
	writer.writeTextElement("SupplyTemperature", QString("%1").arg(m_supplyTemperature));
	writer.writeTextElement("MaxSupplyFlowRate", QString("%1").arg(m_maxSupplyFlowRate));
	writer.writeTextElement("HeatRecoveryEfficiency", QString("%1").arg(m_heatRecoveryEfficiency));
	writer.writeTextElement("HeatRecoverySetpoint", QString("%1").arg(m_heatRecoverySetpoint));
	m_setPoints.writeXML(writer);
	m_humiditySetPoints.writeXML(writer);
	m_ventilationRates.writeXML(writer);
	writer.writeEndElement();
}

} // namespace RM
