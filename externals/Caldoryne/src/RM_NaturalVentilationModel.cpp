#include "RM_NaturalVentilationModel.h"

#include <algorithm>
#include <cmath>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_FormatText.h>
#include <BVX_Math.h>
#include <BVX_MessageHandler.h>

#include "RM_Physics.h"
#include "RM_XMLHelpers.h"

namespace RM {

namespace {

/*! Temperature excess in K over which the rate rises from the base to the scheduled value. */
const double TRANSITION = 0.2;

double hourOfDayFraction(const QTime & time) {
	// an invalid time gives -1 h -1 min, so the period bound lies before midnight
	return time.hour() + time.minute()/60.0;
}

} // namespace


NaturalVentilationModel::NaturalVentilationModel() :
	m_modelType(NONE),
	m_baseAirChangeRate(0.5),
	m_baseAirChangeRateNight(0.24),
	m_minTRoom(23),
	m_TRoomDifference(0),
	m_setTRoom(20),
	m_TRoomDifferenceNight(0),
	m_occupancyStartTime(6, 0, 0),
	m_occupancyEndTime(23, 0, 0),
	m_airChangeRate(0)
{
	m_airChangeRates.m_name = "ScheduleAirChangeRates";
	m_airChangeRates.m_type = Schedule::CONSTANT;
	m_airChangeRates.m_constantValue = 0.5;
	m_airChangeRates.m_summerSchedule.assign(24, 0.75);
	m_airChangeRates.m_winterSchedule.assign(24, 0.25);
	m_airChangeRates.m_weekDaySchedule.assign(24, 0.5);
	m_airChangeRates.m_weekDaySchedule[7] = 1.2;
	m_airChangeRates.m_weekDaySchedule[20] = 1.2;
	m_airChangeRates.m_weekEndSchedule.assign(24, 0.5);
}


double NaturalVentilationModel::raisedRate(unsigned int h, double t, double d1, double d2, double base) const {
	if (d1 > 0 && d2 > 0)
		return BVX::scale(std::min(d1, d2), TRANSITION)*(m_airChangeRates.value(h, t) - base) + base;
	return base;
}


bool NaturalVentilationModel::isOccupancyPeriod(double t) const {
	const double days = t/86400;
	const double tau = (days - std::floor(days))*24;
	return tau >= hourOfDayFraction(m_occupancyStartTime) && tau < hourOfDayFraction(m_occupancyEndTime);
}


double NaturalVentilationModel::airChangeRate(unsigned int h, double t, double Ti, double Te) const {
	switch (m_modelType) {
		case SIMPLE :
			return m_airChangeRates.value(h, t);
		case MANAGED :
			return raisedRate(h, t, Ti - (m_minTRoom + T_KELVIN), Ti - Te, m_baseAirChangeRate);
		case DIN :
			if (isOccupancyPeriod(t))
				return raisedRate(h, t, Ti - (m_minTRoom + T_KELVIN), Ti - (Te + m_TRoomDifference), m_baseAirChangeRate);
			return raisedRate(h, t, Ti - (m_setTRoom + T_KELVIN), Ti - (Te + m_TRoomDifferenceNight),
							  m_baseAirChangeRateNight);
		default :
			return 0;
	}
}


void NaturalVentilationModel::naturalVentilationLoads(bool moisture, unsigned int h, double t, double Ti,
	double Te, double rhov_i, double rhov_e, double V, double & vapourFlow, double & heatFlow)
{
	m_airChangeRate = airChangeRate(h, t, Ti, Te);
	if (!moisture) {
		vapourFlow = 0;
		heatFlow = (Te - Ti)*(m_airChangeRate/3600)*C_AIR*RHO_AIR*V;
		return;
	}
	const MoistAir outside(Te, rhov_e);
	const MoistAir room(Ti, rhov_i);
	const double m = V*m_airChangeRate/3600*outside.m_rho;
	vapourFlow = (outside.m_xVapour - room.m_xVapour)*m;
	heatFlow = (outside.m_xVapour*vapourEnthalpy(Te) - room.m_xVapour*vapourEnthalpy(Ti)
				+ outside.m_xDry*C_AIR*Te - room.m_xDry*C_AIR*Ti)*m;
}


QString NaturalVentilationModel::modelTypeKeyword(int type) {
	switch (type) {
		case NONE		: return "NONE";
		case SIMPLE		: return "SIMPLE";
		case MANAGED	: return "MANAGED";
		case DIN		: return "DIN";
		default			: return QString();
	}
}


void NaturalVentilationModel::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	m_name = reader.attributes().value("name").toString();
	readModelTypeAttribute(reader, NUM_MT, &modelTypeKeyword, m_modelType);

	struct DoubleChild {
		const char *	m_tag;
		double *		m_value;
	};
	const DoubleChild doubles[] = {
		{ "MinTRoom", &m_minTRoom },
		{ "SetTRoom", &m_setTRoom },
		{ "TRoomDifference", &m_TRoomDifference },
		{ "TRoomDifferenceNight", &m_TRoomDifferenceNight },
		{ "BaseAirChangeRate", &m_baseAirChangeRate },
		{ "BaseAirChangeRateNight", &m_baseAirChangeRateNight }
	};

	readChildElements(reader, [&](const QString & tag) {
		bool done = false;
		for (const DoubleChild & c : doubles) {
			if (tag == c.m_tag) {
				*c.m_value = readDoubleElement(reader);
				done = true;
			}
		}
		if (done)
			return;
		if (tag == "ScheduleAirChangeRates")
			m_airChangeRates.readXML(reader);
		else if (tag == "OccupancyStartTime")
			m_occupancyStartTime = QTime::fromString(readElementText(reader), Qt::TextDate);
		else if (tag == "OccupancyEndTime")
			m_occupancyEndTime = QTime::fromString(readElementText(reader), Qt::TextDate);
		else
			skipUnknownElement(reader, "NaturalVentilationModel", tag, "[NaturalVentilationModel::readXML]");
	}, "NaturalVentilationModel");
}


void NaturalVentilationModel::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("NaturalVentilationModel");
	writer.writeAttribute("name", m_name);
	const QString modelType = modelTypeKeyword(m_modelType);
	Q_ASSERT(!modelType.isEmpty());
	writer.writeAttribute("modelType", modelType);
	m_airChangeRates.writeXML(writer);
	writer.writeTextElement("MinTRoom", QString("%1").arg(m_minTRoom));
	writer.writeTextElement("TRoomDifference", QString("%1").arg(m_TRoomDifference));
	writer.writeTextElement("SetTRoom", QString("%1").arg(m_setTRoom));
	writer.writeTextElement("TRoomDifferenceNight", QString("%1").arg(m_TRoomDifferenceNight));
	writer.writeTextElement("BaseAirChangeRate", QString("%1").arg(m_baseAirChangeRate));
	writer.writeTextElement("BaseAirChangeRateNight", QString("%1").arg(m_baseAirChangeRateNight));
	writer.writeTextElement("OccupancyStartTime", m_occupancyStartTime.toString(Qt::TextDate));
	writer.writeTextElement("OccupancyEndTime", m_occupancyEndTime.toString(Qt::TextDate));
	writer.writeEndElement();
}

} // namespace RM
