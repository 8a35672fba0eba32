#include "RM_Room.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_PlatformFiles.h>

#include <QtExt_WholeFileWriter.h>

#include "RM_Database.h"
#include "RM_EmbeddedDatabase.h"
#include "RM_Physics.h"
#include "RM_XMLHelpers.h"

namespace RM {

const double Room::MaxSimulationEndTime = 2*SECONDS_PER_YEAR;

namespace {

/*! The largest project file read; the program writes some MB at most, the reader holds it whole. */
const unsigned long long MAX_PROJECT_FILE_BYTES = 256ull*1024*1024;

const char * const PROJECT_VERSION = "3.2.2";
const char * const SIMPARA_FUNC_ID = "[Room::readSimulationParametersSection]";

RoomConstruction defaultSurface(unsigned int constructionId, unsigned int windowId, unsigned int shadingId,
								int kind, double AW, double AF)
{
	RoomConstruction rc;
	rc.m_constructionId = constructionId;
	rc.m_windowId = windowId;
	rc.m_shadingTypeId = shadingId;
	rc.m_type = kind;
	rc.m_orientation = 270;
	rc.m_inclination = 90;
	rc.m_AW = AW;
	rc.m_AF = AF;
	rc.m_R_ue = 0.04;
	rc.m_R_ui = 0.13;
	return rc;
}

void checkEndTime(double endTime, const char * functionID) {
	if (endTime <= 0)
		throw BVX::Exception("Invalid value for 'SimulationEndTime' parameter. End time must be > than 0 seconds.",
							 functionID);
	// the output bookkeeping covers at most two years
	if (endTime > Room::MaxSimulationEndTime)
		throw BVX::Exception(BVX::FormatText("Invalid value for 'SimulationEndTime' parameter. End time must not "
											 "exceed two years (%1 seconds).").arg(Room::MaxSimulationEndTime, 0, 'f', 0),
							 functionID);
}

void checkOutputTimeStep(double dt, const char * functionID) {
	if (dt < 1)
		throw BVX::Exception("Invalid value for 'OutputTimeSteps' parameter. Output time step must be at least 1 second.",
							 functionID);
}

} // namespace


Room::Room() :
	m_interfaceDefinition(0),
	m_area(0),
	m_height(0),
	m_additionalMassHeatCapacity(0),
	m_additionalMass(0),
	m_gammaHC(1),
	m_gammaRad(1),
	m_TInitial(20),
	m_RHInitial(0.5),
	m_outputTimeSteps(3600),
	m_cyclicTwoYearSimulation(false),
	m_simulationEndTime(SECONDS_PER_YEAR),
	m_moistureBalanceEnabled(false),
	m_albedo(0.2)
{
	setDefaults();
}


void Room::setDefaults() {
	m_albedo = 0.2;
	m_climateDataPath = "Europe/Germany/TRY2011/DE-04-TRY-2010__Potsdam__Jahr_00000K0_00081m.c6b";
	m_height = 3.0;
	m_area = 15.0;
	m_constructions.clear();
	m_constructions.push_back(defaultSurface(7, 5, 2, RoomConstruction::Outside, 6.5, 2.5));
	m_constructions.push_back(defaultSurface(11, 0, 0, RoomConstruction::Inside, m_area, 0));
	m_constructions.push_back(defaultSurface(9, 0, 0, RoomConstruction::Inside, 30.0, 0));
	m_constructions.push_back(defaultSurface(9, 0, 0, RoomConstruction::Inside, 9.0, 0));
	m_additionalMassHeatCapacity = 780.0;
	m_additionalMass = 0.0;
	m_heatingModel.m_modelType = HeatingModel::SIMPLE;
	m_heatingModel.m_setPoints.m_type = Schedule::CONSTANT;
	m_heatingModel.m_maxPower = 2500.0;
	m_userLoads.m_occupancy.m_constantValue = 0.0;
	m_gammaHC = 1.0;
	m_gammaRad = 1.0;
	m_TInitial = 20.0;
	m_RHInitial = 0.5;
	m_moistureBalanceEnabled = false;
	m_outputTimeSteps = 3600.0;
	m_cyclicTwoYearSimulation = false;
	m_simulationEndTime = SECONDS_PER_YEAR;
	m_interfaceDefinition = 0;
}


void Room::readXML(QXmlStreamReader & reader, Database & db, const QString & sourceName, QStringList * copies) {
	const char * const FUNC_ID = "[Room::readXML]";
	m_constructions.clear();

	while (!reader.atEnd() && !reader.isStartElement())
		reader.readNext();
	if (reader.hasError())
		return;
	if (reader.name() != "RoomModelProject") {
		reader.raiseError("Expected RoomModelProject-XML.");
		return;
	}
	// the version is accepted as it is
	const QString version = reader.attributes().value("Version").toString();
	Q_UNUSED(version)

	EmbeddedDatabase embedded;
	while (!reader.atEnd() && !reader.hasError()) {
		reader.readNext();
		if (!reader.isStartElement())
			continue;
		// known sections are found also inside unknown wrapper elements
		const QString tag = reader.name().toString();
		if (tag == "Room")
			readRoomSection(reader);
		else if (tag == "EmbeddedDataBase")
			embedded.readXML(reader);
		else if (tag == "DIN4108_2Assessment_section") {
			try {
				readChildElements(reader, [&](const QString &) {
					m_din4108_2Assessment.readXML(reader);
				});
			}
			catch (BVX::Exception & ex) {
				throw BVX::Exception(ex, "Error reading DIN 4108-3 section section.", FUNC_ID);
			}
		}
	}

	// a file that failed to load must not leave traces in the user database
	if (reader.hasError())
		return;
	const QStringList added = embedded.merge(db, m_constructions, sourceName);
	if (copies != nullptr)
		*copies = added;
}


void Room::readRoomSection(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	readChildElements(reader, [&](const QString & tag) {
		if (tag == "ProjectInformation")
			m_projectInformation.readXML(reader);
		else if (tag == "Geometry")
			readGeometrySection(reader);
		else if (tag == "ClimateLocation")
			m_climateDataPath = readElementText(reader);
		else if (tag == "HeatingModel")
			m_heatingModel.readXML(reader);
		else if (tag == "CoolingModel")
			m_coolingModel.readXML(reader);
		else if (tag == "MechanicalVentilationModel")
			m_mechanicalVentilationModel.readXML(reader);
		else if (tag == "NaturalVentilationModel")
			m_naturalVentilationModel.readXML(reader);
		else if (tag == "MoistureLoads")
			m_moistureLoads.readXML(reader);
		else if (tag == "UserLoads")
			m_userLoads.readXML(reader);
		else if (tag == "ShadingControlModel")
			m_shadingControlModel.readXML(reader);
		else if (tag == "SimulationParameters")
			readSimulationParametersSection(reader);
		else
			skipUnknownElement(reader, "Room", tag, "[Room::readRoomSection]");
	});
}


void Room::readGeometrySection(QXmlStreamReader & reader) {
	const char * const FUNC_ID = "[Room::readGeometrySection]";
	Q_ASSERT(reader.isStartElement());
	readChildElements(reader, [&](const QString & tag) {
		if (tag == "Height")
			m_height = readDoubleElement(reader);
		else if (tag == "Area")
			m_area = readDoubleElement(reader);
		else if (tag == "Constructions") {
			// A surface element that lacks a value takes it from the surface before it;
			// the zone temperature file is the exception: it belongs to one surface only.
			RoomConstruction rc;
			readChildElements(reader, [&](const QString & surfaceTag) {
				if (surfaceTag != "RoomConstruction") {
					skipUnknownElement(reader, "Geometry", surfaceTag, FUNC_ID);
					return;
				}
				rc.m_zoneTCCD = BVX::Path();
				rc.readXML(reader);
				if (!reader.hasError())
					m_constructions.push_back(rc);
			});
		}
		else
			skipUnknownElement(reader, "Geometry", tag, FUNC_ID);
	});
}


void Room::readSimulationParametersSection(QXmlStreamReader & reader) {
	Q_ASSERT(reader.isStartElement());
	struct DoubleChild {
		const char *	m_tag;
		double *		m_value;
	};
	const DoubleChild doubles[] = {
		{ "TInitial", &m_TInitial },
		{ "Albedo", &m_albedo },
		{ "GammaHC", &m_gammaHC },
		{ "GammaRad", &m_gammaRad },
		{ "AdditionalMassHeatCapacity", &m_additionalMassHeatCapacity },
		{ "AdditionalMass", &m_additionalMass }
	};

	readChildElements(reader, [&](const QString & tag) {
		bool known = false;
		for (const DoubleChild & c : doubles) {
			if (tag == c.m_tag) {
				*c.m_value = readDoubleElement(reader);
				known = true;
			}
		}
		if (known)
			return;
		if (tag == "MoistureBalanceEnabled")
			m_moistureBalanceEnabled = readElementText(reader) == "true";
		else if (tag == "CyclicTwoYearSimulation")
			m_cyclicTwoYearSimulation = readElementText(reader) == "true";
		else if (tag == "OutputTimeSteps") {
			m_outputTimeSteps = readDoubleElement(reader);
			checkOutputTimeStep(m_outputTimeSteps, SIMPARA_FUNC_ID);
		}
		else if (tag == "SimulationEndTime") {
			m_simulationEndTime = readDoubleElement(reader);
			checkEndTime(m_simulationEndTime, SIMPARA_FUNC_ID);
		}
		else if (tag == "RHInitial")
			m_RHInitial = readDoubleElement(reader)/100;
		else if (tag == "InterfaceDefinition")
			m_interfaceDefinition = readIntElement(reader);
		else
			skipUnknownElement(reader, "SimulationParameters", tag, SIMPARA_FUNC_ID);
	});

	if (m_cyclicTwoYearSimulation) {
		if (m_outputTimeSteps != 3600)
			throw BVX::Exception("Invalid value for 'OutputTimeSteps' parameter. Output time step must exactly 3600 "
								 "seconds for two-year-simulation (or not defined in project file).", SIMPARA_FUNC_ID);
		if (m_simulationEndTime != SECONDS_PER_YEAR)
			throw BVX::Exception("Invalid value for 'SimulationEndTime' parameter. SimulationEndTime must be exactly "
								 "365*24*3600 = 31536000 seconds for two-year-simulation (or not defined in project file).",
								 SIMPARA_FUNC_ID);
	}
}


void Room::writeXML(QXmlStreamWriter & writer, const Database * db) const {
	Q_ASSERT_X(db != nullptr, "Room::writeXML", "db != NULL");
	// declaration and document type in one piece; automatic indentation would put a line break before it
	writer.writeDTD("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE RoomModelProject>\n");
	writer.setAutoFormatting(true);
	writer.writeStartElement("RoomModelProject");
	writer.writeAttribute("Version", PROJECT_VERSION);

	writer.writeStartElement("Room");
	m_projectInformation.writeXML(writer);
	writer.writeStartElement("Geometry");
	writer.writeTextElement("Height", QString("%1").arg(m_height));
	writer.writeTextElement("Area", QString("%1").arg(m_area));
	writer.writeStartElement("Constructions");
	for (const RoomConstruction & rc : m_constructions)
		if (rc.m_constructionId != 0)
			rc.writeXML(writer);
	writer.writeEndElement(); // Constructions
	writer.writeEndElement(); // Geometry
	writer.writeTextElement("ClimateLocation", m_climateDataPath);
	m_heatingModel.writeXML(writer);
	m_coolingModel.writeXML(writer);
	m_naturalVentilationModel.writeXML(writer);
	m_mechanicalVentilationModel.writeXML(writer);
	m_moistureLoads.writeXML(writer);
	m_userLoads.writeXML(writer);
	m_shadingControlModel.writeXML(writer);

	writer.writeStartElement("SimulationParameters");
	if (m_moistureBalanceEnabled) {
		writer.writeTextElement("MoistureBalanceEnabled", "true");
		writer.writeTextElement("RHInitial", QString("%1").arg(m_RHInitial*100));
	}
	if (m_simulationEndTime != SECONDS_PER_YEAR)
		writer.writeTextElement("SimulationEndTime", QString("%1").arg(m_simulationEndTime, 25, 'g', 20));
	writer.writeTextElement("TInitial", QString("%1").arg(m_TInitial));
	writer.writeTextElement("Albedo", QString("%1").arg(m_albedo));
	writer.writeTextElement("GammaHC", QString("%1").arg(m_gammaHC));
	writer.writeTextElement("GammaRad", QString("%1").arg(m_gammaRad));
	writer.writeTextElement("AdditionalMassHeatCapacity", QString("%1").arg(m_additionalMassHeatCapacity));
	writer.writeTextElement("AdditionalMass", QString("%1").arg(m_additionalMass));
	if (m_interfaceDefinition != 0)
		writer.writeTextElement("InterfaceDefinition", QString::number(m_interfaceDefinition));
	writer.writeEndElement(); // SimulationParameters
	writer.writeEndElement(); // Room

	EmbeddedDatabase::writeXML(writer, *db, m_constructions);

	writer.writeStartElement("DIN4108_2Assessment_section");
	m_din4108_2Assessment.writeXML(writer);
	writer.writeEndElement();

	writer.writeEndElement(); // RoomModelProject
	writer.writeEndDocument();
}


void Room::readProjectFile(const QString & fileName, Database & db, QStringList * copies) {
	const char * const FUNC_ID = "[Room::readProjectFile]";
	// before the open: a named pipe would wait there for a writer
	const std::string problem = BVX::input_file_problem(fileName.toStdString(), MAX_PROJECT_FILE_BYTES);
	if (!problem.empty())
		throw BVX::Exception(BVX::FormatText("Cannot read project file: %1.").arg(problem), FUNC_ID);
	QFile file(fileName);
	if (!file.open(QIODevice::ReadOnly))
		throw BVX::Exception(BVX::FormatText("Cannot open project file '%1'.").arg(fileName.toStdString()), FUNC_ID);
	const QByteArray bytes = file.readAll();
	long long badLine = 0;
	long long badColumn = 0;
	if (declaresUtf8(bytes) && findInvalidUtf8(bytes, badLine, badColumn))
		throw BVX::Exception(BVX::FormatText("Error reading project file '%1' (line %2, column %3): %4")
							 .arg(fileName.toStdString()).arg(badLine).arg(badColumn)
							 .arg("Encountered incorrectly encoded content."), FUNC_ID);
	QXmlStreamReader reader(bytes);
	try {
		readXML(reader, db, QFileInfo(fileName).fileName(), copies);
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Error reading project file '%1'.").arg(fileName.toStdString()), FUNC_ID);
	}
	if (reader.hasError())
		throw BVX::Exception(BVX::FormatText("Error reading project file '%1' (line %2, column %3): %4")
							 .arg(fileName.toStdString()).arg(static_cast<long long>(reader.lineNumber()))
							 .arg(static_cast<long long>(reader.columnNumber()))
							 .arg(reader.errorString().toStdString()), FUNC_ID);
	m_projectFilePath = fileName;
}


bool Room::writeProjectFile(const QString & fileName, const Database & db, QString * reason) const {
	QString why;
	if (QtExt::WholeFileWriter::writeFile(fileName, projectFileContent(db), &why))
		return true;
	BVX::BVX_Message(BVX::FormatText("Error writing project file '%1': %2.").arg(fileName.toStdString()).arg(why.toStdString()),
					 BVX::MSG_ERROR, "[Room::writeProjectFile]", 1);
	if (reason != nullptr)
		*reason = why;
	return false;
}


QByteArray Room::projectFileContent(const Database & db) const {
	QByteArray bytes;
	QBuffer buffer(&bytes);
	buffer.open(QIODevice::WriteOnly);
	QXmlStreamWriter writer(&buffer);
	writeXML(writer, &db);
	return bytes;
}


void Room::checkSimulationParameters() const {
	const char * const FUNC_ID = "[Room::checkSimulationParameters]";
	checkOutputTimeStep(m_outputTimeSteps, FUNC_ID);
	checkEndTime(m_simulationEndTime, FUNC_ID);
	if (m_din4108_2Assessment.m_active)
		m_din4108_2Assessment.checkVentilationLimits();
}

} // namespace RM
