#include "RM_DIN4108_2Assessment.h"
#include "RM_ControllerSlope.h"

#include <algorithm>
#include <limits>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "RM_Physics.h"
#include "RM_Room.h"
#include "RM_ShadingType.h"
#include "RM_XMLHelpers.h"

namespace RM {

const double DIN4108_2Assessment::MaxEnhancedDayVentilation = 3;

namespace {

const char * const READ_FUNC_ID = "[DIN4108_2Assessment::readXML]";
/*! Relative tolerance for limits given in 1/h and values stored in 1/s: the file keeps
	six significant digits, so a value entered right at the limit may read back slightly above. */
const double LIMIT_TOLERANCE = 1e-5;

bool exceedsLimit(double valuePerSecond, double limitPerHour) {
	return valuePerSecond*3600 > limitPerHour*(1 + LIMIT_TOLERANCE);
}

bool isWeekday(unsigned int h) {
	return (h/24) % 7 < 5;
}

/*! Integer read from an element; throws the message when outside 0..maxValue. */
int readBoundedInt(QXmlStreamReader & reader, unsigned int maxValue, const char * message) {
	const int value = readIntElement(reader);
	// the unsigned comparison rejects negative numbers too
	if (static_cast<unsigned int>(value) > maxValue)
		throw BVX::Exception(message, READ_FUNC_ID);
	return value;
}

double readNonNegative(QXmlStreamReader & reader, double & value, const char * message) {
	value = readDoubleElement(reader);
	if (value < 0)
		throw BVX::Exception(message, READ_FUNC_ID);
	return value;
}

QString boolText(bool b) {
	return b ? "true" : "false";
}

} // namespace


DIN4108_2Assessment::DIN4108_2Assessment() :
	m_active(false),
	m_residential(true),
	m_climateRegion(1),
	m_enhancedDayVentilation(false),
	m_enhancedNightVentilation(false),
	m_shadingControlType(2),
	m_maximumHeatingPower(10000),
	m_currentAirChangeRate(-1),
	m_lastAirChangeEvaluation(-1),
	m_ventilationType(0),
	m_enhancedDayVentilationValue(0),
	m_enhancedNightVentilationValue(0),
	m_slopeIdealHeating(5000)
{
}


double DIN4108_2Assessment::referenceTemperature() const {
	switch (m_climateRegion) {
		case 1	: return 26;
		case 2	: return 27;
		default	: return 25;
	}
}


unsigned int DIN4108_2Assessment::overTemperatureLimit() const {
	return m_residential ? 1200 : 500;
}


unsigned int DIN4108_2Assessment::occupancyHours() const {
	return m_residential ? 8760 : 3000;
}


double DIN4108_2Assessment::heatingSetpointTemperature() const {
	return m_residential ? 20 : 21;
}


double DIN4108_2Assessment::maxRadiationIntensity(double orientation) const {
	const bool northern = orientation <= 45 || orientation >= 315;
	if (northern)
		return m_residential ? 200 : 150;
	return m_residential ? 300 : 200;
}


double DIN4108_2Assessment::maxEnhancedNightVentilation(int ventilationType) {
	switch (ventilationType) {
		case 0	: return 2;
		case 1	: return 5;
		case 2	: return std::numeric_limits<double>::max();
		default	: return 0;
	}
}


double DIN4108_2Assessment::airChangeRate(bool residential, bool duringUsage, const Room & room) {
	if (residential)
		return 0.5/3600;
	if (duringUsage)
		return 4/room.m_height/3600;
	return 0.24/3600;
}


double DIN4108_2Assessment::basicAirChangeRate(unsigned int h, const Room & room) const {
	return airChangeRate(m_residential, isUsageHour(h), room);
}


double DIN4108_2Assessment::internalLoadsPerArea(unsigned int h) const {
	if (m_residential)
		return 100.0/24;
	// 144 Wh/(m2d) from 7:00 to 18:00: the eleven hours of day 7 to 17; a load held for
	// the hour beginning at h, so hour 18 (18:00 - 19:00) gets none
	const unsigned int hourOfDay = h % 24;
	return isWeekday(h) && hourOfDay >= 7 && hourOfDay <= 17 ? 144.0/11 : 0;
}


bool DIN4108_2Assessment::isUsageHour(unsigned int h) {
	const unsigned int hourOfDay = h % 24;
	return isWeekday(h) && hourOfDay >= 7 && hourOfDay <= 18;
}


bool DIN4108_2Assessment::isDayWindow(unsigned int hourOfDay) const {
	if (m_residential)
		return hourOfDay >= 6;
	return hourOfDay >= 7 && hourOfDay <= 18;
}


double DIN4108_2Assessment::enhancedDayVentilationRate(double roomTemperature, double outdoorTemperature,
													   unsigned int h) const
{
	if (m_enhancedDayVentilation && isDayWindow(h % 24) && roomTemperature > 23
		&& roomTemperature > outdoorTemperature && m_enhancedDayVentilationValue > 0)
	{
		return m_enhancedDayVentilationValue;
	}
	return 0;
}


bool DIN4108_2Assessment::isEnhancedNightVentilationActive(double roomTemperature, double outdoorTemperature,
														   unsigned int h) const
{
	return m_enhancedNightVentilation && !isDayWindow(h % 24)
		&& roomTemperature > heatingSetpointTemperature() && roomTemperature > outdoorTemperature
		&& m_enhancedNightVentilationValue > 0;
}


void DIN4108_2Assessment::updateAirChangeRate(double roomTemperature, double outdoorTemperature, unsigned int h,
											  const Room & room)
{
	// the values were checked against their limits at run start (checkVentilationLimits())
	const double day = enhancedDayVentilationRate(roomTemperature, outdoorTemperature, h);
	if (day > 0)
		m_currentAirChangeRate = day;
	else if (isEnhancedNightVentilationActive(roomTemperature, outdoorTemperature, h))
		m_currentAirChangeRate = m_enhancedNightVentilationValue;
	else
		m_currentAirChangeRate = basicAirChangeRate(h, room);
}


double DIN4108_2Assessment::idealHeatingLoad(double T) const {
	if (m_maximumHeatingPower <= 0)
		return 0;
	const double dT = heatingSetpointTemperature() + T_KELVIN - T;
	if (dT <= 0)
		return 0;
	return std::min(m_maximumHeatingPower, m_slopeIdealHeating*dT);
}


void DIN4108_2Assessment::adjustSlope(double T, double P) {
	if (P == 0 || P == m_maximumHeatingPower)
		return;
	if (!raiseControllerSlope(m_slopeIdealHeating, heatingSetpointTemperature() + T_KELVIN - T))
		return;
	BVX::BVX_Message(BVX::FormatText("SlopeIdealHeating = %1 W/K\n").arg(m_slopeIdealHeating),
					 BVX::MSG_PROGRESS, "[HeatingModel::adjustSlope]", 2);
}


double DIN4108_2Assessment::shadingFactor(const ShadingType & shadingType, unsigned int h, double radiation,
										  double orientation, double inclination) const
{
	const double z = shadingType.m_z;
	switch (m_shadingControlType) {
		case 0 :
			return (m_residential || isWeekday(h)) ? z : 1;
		case 2 :
			// surfaces flatter than 45 Deg are never shaded by this rule
			if (inclination < 45)
				return 1;
			return radiation > maxRadiationIntensity(orientation) ? z : 1;
		default :
			return 1;
	}
}


void DIN4108_2Assessment::setEnhancedDayVentilationValue(double airchange) {
	Q_ASSERT_X(!exceedsLimit(airchange, MaxEnhancedDayVentilation), "setEnhancedDayVentilationValue",
			   "airchange <= MaxEnhancedDayVentilation");
	m_enhancedDayVentilationValue = airchange;
}


void DIN4108_2Assessment::setEnhancedNightVentilationValue(double airchange) {
	Q_ASSERT_X(!exceedsLimit(airchange, maxEnhancedNightVentilation()), "setEnhancedNightVentilationValue",
			   "airchange <= maxEnhancedNightVentilation()");
	m_enhancedNightVentilationValue = airchange;
}


void DIN4108_2Assessment::checkVentilationLimits() const {
	const char * const FUNC_ID = "[DIN4108_2Assessment::checkVentilationLimits]";
	// only a switched-on ventilation uses its value
	if (m_enhancedDayVentilation && exceedsLimit(m_enhancedDayVentilationValue, MaxEnhancedDayVentilation))
		throw BVX::Exception(BVX::FormatText("Enhanced day ventilation of %1 1/h exceeds the limit of %2 1/h "
											 "of DIN 4108-2.").arg(m_enhancedDayVentilationValue*3600)
							 .arg(MaxEnhancedDayVentilation), FUNC_ID);
	if (m_enhancedNightVentilation && exceedsLimit(m_enhancedNightVentilationValue, maxEnhancedNightVentilation()))
		throw BVX::Exception(BVX::FormatText("Enhanced night ventilation of %1 1/h exceeds the limit of %2 1/h "
											 "of DIN 4108-2 for ventilation type %3.")
							 .arg(m_enhancedNightVentilationValue*3600).arg(maxEnhancedNightVentilation())
							 .arg(m_ventilationType), FUNC_ID);
}


void DIN4108_2Assessment::readXML(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	readChildElements(reader, [&](const QString & tag) {
		if (tag == "Active")
			m_active = readElementText(reader) == "true";
		else if (tag == "Residential")
			m_residential = readElementText(reader) == "true";
		else if (tag == "EnhancedDayVentilation")
			m_enhancedDayVentilation = readElementText(reader) == "true";
		else if (tag == "EnhancedNightVentilation")
			m_enhancedNightVentilation = readElementText(reader) == "true";
		else if (tag == "ClimateRegion")
			m_climateRegion = readBoundedInt(reader, 2, "Invalid value for 'ClimateRegion'. Value must be 0, 1 or 2.");
		else if (tag == "ShadingControlType")
			m_shadingControlType = readBoundedInt(reader, 3,
				"Invalid value for 'ShadingControlType'. Value must be 0, 1, 2 or 3.");
		else if (tag == "VentilationType")
			m_ventilationType = readBoundedInt(reader, 2, "Invalid value for 'VentilationType'. Value must be 0, 1 or 2.");
		else if (tag == "EnhancedDayVentilationValue")
			readNonNegative(reader, m_enhancedDayVentilationValue,
							"Invalid value for 'EnhancedDayVentilationValue'. Value must be > than 0.");
		else if (tag == "EnhancedNightVentilationValue")
			readNonNegative(reader, m_enhancedNightVentilationValue,
							"Invalid value for 'EnhancedNightVentilationValue'. Value must be > than 0.");
		else if (tag == "MaximumHeatingPower")
			readNonNegative(reader, m_maximumHeatingPower,
							"Invalid value for 'MaximumHeatingPower'. Value must be > than 0.");
		else if (tag == "EnhancedDayVentilationExplanation")
			m_enhancedDayVentilationExplanation = readElementText(reader);
		else if (tag == "EnhancedNightVentilationExplanation")
			m_enhancedNightVentilationExplanation = readElementText(reader);
		else if (tag == "ShadingControlExplanation")
			m_shadingControlExplanation = readElementText(reader);
		else
			skipUnknownElement(reader, "DIN4108_2Assessment", tag, READ_FUNC_ID);
	});
}


void DIN4108_2Assessment::writeXML(QXmlStreamWriter & writer) const {
	writer.writeStartElement("DIN4108_2Assessment");
	if (m_active)
		writer.writeTextElement("Active", "true");
	writer.writeTextElement("Residential", boolText(m_residential));
	writer.writeTextElement("ClimateRegion", QString::number(m_climateRegion));
	if (m_enhancedDayVentilation)
		writer.writeTextElement("EnhancedDayVentilation", "true");
	if (m_enhancedNightVentilation)
		writer.writeTextElement("EnhancedNightVentilation", "true");
	writer.writeTextElement("ShadingControlType", QString::number(m_shadingControlType));
	writer.writeTextElement("VentilationType", QString::number(m_ventilationType));
	writer.writeTextElement("EnhancedDayVentilationValue", QString("%1").arg(m_enhancedDayVentilationValue));
	writer.writeTextElement("EnhancedNightVentilationValue", QString("%1").arg(m_enhancedNightVentilationValue));
	writer.writeTextElement("EnhancedDayVentilationExplanation", m_enhancedDayVentilationExplanation);
	writer.writeTextElement("EnhancedNightVentilationExplanation", m_enhancedNightVentilationExplanation);
	writer.writeTextElement("ShadingControlExplanation", m_shadingControlExplanation);
	writer.writeTextElement("MaximumHeatingPower", QString("%1").arg(m_maximumHeatingPower));
	writer.writeEndElement();
}

} // namespace RM
