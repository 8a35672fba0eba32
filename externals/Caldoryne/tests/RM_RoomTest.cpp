#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <RM_Database.h>
#include <RM_Room.h>

#include "RM_TestSupport.h"

namespace {

/*! The built-in database of the source tree with an empty user directory. */
class RoomFile : public ::testing::Test {
protected:
	void SetUp() override {
		ASSERT_TRUE(m_userDir.isValid());
		m_db.setDirectories(CALDORYNE_SOURCE_DIR "/resources", m_userDir.path());
		m_db.readDatabase();
		ASSERT_FALSE(m_db.m_constructions.empty());
		m_db.setModified(false);
	}

	QString write(const RM::Room & room) {
		QString xml;
		QXmlStreamWriter writer(&xml);
		room.writeXML(writer, &m_db);
		return xml;
	}

	/*! Reads the text into a new room; returns the reader's error text (empty on success). */
	QString read(const QString & xml, RM::Room & room) {
		QXmlStreamReader reader(xml);
		room.readXML(reader, m_db);
		return reader.hasError() ? reader.errorString() : QString();
	}

	/*! A minimal project around the given "SimulationParameters" children. */
	static QString withParameters(const QString & children) {
		return "<RoomModelProject Version='3.2.2'><Room><SimulationParameters>" + children
			+ "</SimulationParameters></Room></RoomModelProject>";
	}

	QTemporaryDir	m_userDir;
	RM::Database	m_db;
};

} // namespace


TEST_F(RoomFile, defaultRoomRoundTrip) {
	const RM::Room room;
	EXPECT_DOUBLE_EQ(room.volume(), 45);
	ASSERT_EQ(room.m_constructions.size(), 4u);
	EXPECT_EQ(room.m_constructions[1].m_AW, 15);

	const QString xml = write(room);
	EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE RoomModelProject>"));
	for (const char * absent : { "SimulationEndTime", "MoistureBalanceEnabled", "RHInitial", "InterfaceDefinition",
								 "OutputTimeSteps", "CyclicTwoYearSimulation", "<Active>" })
		EXPECT_FALSE(xml.contains(absent)) << absent;

	RM::Room r;
	r.m_constructions.clear();
	r.m_area = 1;
	ASSERT_TRUE(read(xml, r).isEmpty());
	EXPECT_FALSE(m_db.isModified());		// everything embedded is known here
	EXPECT_EQ(r.m_area, 15);
	EXPECT_EQ(r.m_height, 3);
	EXPECT_EQ(r.m_climateDataPath, room.m_climateDataPath);
	EXPECT_EQ(r.m_albedo, 0.2);
	EXPECT_EQ(r.m_additionalMassHeatCapacity, 780);
	EXPECT_EQ(r.m_simulationEndTime, 31536000);
	EXPECT_EQ(r.m_outputTimeSteps, 3600);
	EXPECT_EQ(r.m_heatingModel.m_modelType, int(RM::HeatingModel::SIMPLE));
	EXPECT_EQ(r.m_heatingModel.m_maxPower, 2500);
	EXPECT_EQ(r.m_userLoads.m_occupancy.m_constantValue, 0);
	ASSERT_EQ(r.m_constructions.size(), 4u);
	for (std::size_t i = 0; i < 4; ++i) {
		const RM::RoomConstruction & a = room.m_constructions[i];
		const RM::RoomConstruction & b = r.m_constructions[i];
		EXPECT_EQ(a.m_constructionId, b.m_constructionId) << i;
		EXPECT_EQ(a.m_windowId, b.m_windowId) << i;
		EXPECT_EQ(a.m_shadingTypeId, b.m_shadingTypeId) << i;
		EXPECT_EQ(a.m_type, b.m_type) << i;
		EXPECT_EQ(a.m_AW, b.m_AW) << i;
		EXPECT_EQ(a.m_AF, b.m_AF) << i;
	}
	EXPECT_FALSE(r.m_din4108_2Assessment.m_active);
}


TEST_F(RoomFile, optionalSimulationParameters) {
	RM::Room room;
	room.m_RHInitial = 0.7;				// not written without the moisture balance
	room.m_simulationEndTime = 2*31536000.0;
	room.m_interfaceDefinition = 48;
	const QString xml = write(room);
	EXPECT_TRUE(xml.contains("<SimulationEndTime>                 63072000</SimulationEndTime>")) << xml.toStdString();
	RM::Room r;
	ASSERT_TRUE(read(xml, r).isEmpty());
	EXPECT_EQ(r.m_RHInitial, 0.5);
	EXPECT_EQ(r.m_simulationEndTime, 63072000);
	EXPECT_EQ(r.m_interfaceDefinition, 48);

	room.m_moistureBalanceEnabled = true;
	RM::Room m;
	ASSERT_TRUE(read(write(room), m).isEmpty());
	EXPECT_TRUE(m.m_moistureBalanceEnabled);
	EXPECT_DOUBLE_EQ(m.m_RHInitial, 0.7);
}


TEST_F(RoomFile, simulationParameterChecks) {
	struct Case { const char * children; const char * error; } cases[] = {
		{ "<OutputTimeSteps>0.5</OutputTimeSteps>", "Output time step must be at least 1 second." },
		{ "<OutputTimeSteps>1</OutputTimeSteps>", nullptr },
		{ "<SimulationEndTime>0</SimulationEndTime>", "End time must be > than 0 seconds." },
		{ "<SimulationEndTime>63072000</SimulationEndTime>", nullptr },
		{ "<SimulationEndTime>63072001</SimulationEndTime>", "End time must not exceed two years (63072000 seconds)." },
		{ "<CyclicTwoYearSimulation>true</CyclicTwoYearSimulation>", nullptr },
		{ "<CyclicTwoYearSimulation>true</CyclicTwoYearSimulation><OutputTimeSteps>900</OutputTimeSteps>",
		  "Output time step must exactly 3600 seconds for two-year-simulation" },
		{ "<SimulationEndTime>63072000</SimulationEndTime><CyclicTwoYearSimulation>true</CyclicTwoYearSimulation>",
		  "SimulationEndTime must be exactly 365*24*3600 = 31536000 seconds" }
	};
	for (const Case & c : cases) {
		RM::Room room;
		try {
			EXPECT_TRUE(read(withParameters(c.children), room).isEmpty());
			EXPECT_EQ(c.error, nullptr) << c.children << " accepted";
		}
		catch (BVX::Exception & ex) {
			ASSERT_NE(c.error, nullptr) << ex.what();
			EXPECT_NE(std::string(ex.what()).find(c.error), std::string::npos) << ex.what();
		}
	}
	RM::Room cyclic;
	read(withParameters("<CyclicTwoYearSimulation>true</CyclicTwoYearSimulation>"), cyclic);
	EXPECT_TRUE(cyclic.m_cyclicTwoYearSimulation);
	EXPECT_EQ(cyclic.m_outputTimeSteps, 3600);
}


TEST_F(RoomFile, runStartChecks) {
	RM::Room room;
	EXPECT_NO_THROW(room.checkSimulationParameters());
	room.m_simulationEndTime = 3*31536000.0;
	EXPECT_THROW(room.checkSimulationParameters(), BVX::Exception);
	room.m_simulationEndTime = 31536000;
	room.m_din4108_2Assessment.m_enhancedNightVentilation = true;
	room.m_din4108_2Assessment.m_enhancedNightVentilationValue = 4.0/3600;	// window ventilation allows 2 1/h
	EXPECT_NO_THROW(room.checkSimulationParameters());						// assessment not active
	room.m_din4108_2Assessment.m_active = true;
	EXPECT_THROW(room.checkSimulationParameters(), BVX::Exception);
}


TEST_F(RoomFile, rootAndWrapperElements) {
	RM::Room room;
	EXPECT_EQ(read("<Project><Room/></Project>", room), QString("Expected RoomModelProject-XML."));

	RM::Room wrapped;
	ASSERT_TRUE(read("<RoomModelProject Version='1.0'><Foo><Room><Geometry><Height>2.5</Height></Geometry></Room></Foo>"
					 "<Bar><DIN4108_2Assessment_section><DIN4108_2Assessment><Active>true</Active>"
					 "</DIN4108_2Assessment></DIN4108_2Assessment_section></Bar></RoomModelProject>", wrapped).isEmpty());
	EXPECT_EQ(wrapped.m_height, 2.5);
	EXPECT_TRUE(wrapped.m_din4108_2Assessment.m_active);
	EXPECT_TRUE(wrapped.m_constructions.empty());		// the list is cleared, nothing else reset
	EXPECT_EQ(wrapped.m_area, 15);

	RMTest::MessageCapture capture;
	RM::Room unknown;
	read("<RoomModelProject><Room><Lighting/><Geometry><Depth>4</Depth><Constructions><Door/></Constructions>"
		 "</Geometry><SimulationParameters><Solver/></SimulationParameters></Room></RoomModelProject>", unknown);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in Room tag: 'Lighting'."), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in Geometry tag: 'Depth'."), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in Geometry tag: 'Door'."), 1u);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, "Found unknown element in SimulationParameters tag: 'Solver'."), 1u);
}


TEST_F(RoomFile, surfacesInheritMissingValuesButNotTheZoneFile) {
	RM::Room room;
	room.m_constructions.resize(2);
	room.m_constructions[0].m_type = RM::RoomConstruction::FixedTemperature;
	room.m_constructions[0].m_zoneTCCD = BVX::Path("neighbour.ccd");
	room.m_constructions[1].m_type = RM::RoomConstruction::FixedTemperature;
	RM::Room r;
	ASSERT_TRUE(read(write(room), r).isEmpty());
	ASSERT_EQ(r.m_constructions.size(), 2u);
	EXPECT_EQ(r.m_constructions[0].m_zoneTCCD.str(), "neighbour.ccd");
	EXPECT_FALSE(r.m_constructions[1].m_zoneTCCD.isValid());

	// other values a surface element lacks come from the surface before it
	RM::Room inherit;
	read("<RoomModelProject><Room><Geometry><Constructions>"
		 "<RoomConstruction><AW>7</AW><constructionId>9</constructionId><type>Inside</type></RoomConstruction>"
		 "<RoomConstruction><AF>1</AF></RoomConstruction>"
		 "</Constructions></Geometry></Room></RoomModelProject>", inherit);
	ASSERT_EQ(inherit.m_constructions.size(), 2u);
	EXPECT_EQ(inherit.m_constructions[1].m_AW, 7);
	EXPECT_EQ(inherit.m_constructions[1].m_constructionId, 9u);
	EXPECT_EQ(inherit.m_constructions[1].m_type, int(RM::RoomConstruction::Inside));
	EXPECT_EQ(inherit.m_constructions[0].m_AF, 0);
}


TEST_F(RoomFile, surfaceWithoutConstructionTypeIsLeftOutWithTheTypesOnlyItUses) {
	// the default room with its windowed outside wall set to "No Construction"
	RM::Room room;
	ASSERT_EQ(room.m_constructions[0].m_windowId, 5u);
	ASSERT_EQ(room.m_constructions[0].m_shadingTypeId, 2u);
	room.m_constructions[0].m_constructionId = 0;
	const QString xml = write(room);
	EXPECT_EQ(xml.count("<RoomConstruction>"), 3);
	// no surface of the file uses them: a second write would not carry them
	EXPECT_FALSE(xml.contains("<WindowType ")) << xml.toStdString();
	EXPECT_FALSE(xml.contains("<ShadingType "));
	RM::Room r;
	ASSERT_TRUE(read(xml, r).isEmpty());
	EXPECT_EQ(r.m_constructions.size(), 3u);
	EXPECT_EQ(write(r), xml);
}


TEST_F(RoomFile, projectWithoutEmbeddedDatabaseKeepsIds) {
	RM::Room r;
	ASSERT_TRUE(read("<RoomModelProject><Room><Geometry><Constructions><RoomConstruction>"
					 "<constructionId>777</constructionId><windowId>55</windowId></RoomConstruction>"
					 "</Constructions></Geometry></Room></RoomModelProject>", r).isEmpty());
	ASSERT_EQ(r.m_constructions.size(), 1u);
	EXPECT_EQ(r.m_constructions[0].m_constructionId, 777u);
	EXPECT_EQ(r.m_constructions[0].m_windowId, 55u);
	EXPECT_FALSE(m_db.isModified());
}


TEST_F(RoomFile, failedProjectLeavesDatabaseUntouched) {
	const QString embedded =
		"<EmbeddedDataBase><Materials><Material id='10001' category='6' name='en:New foam' lambda='0.03' rho='30'"
		" cT='1500' mu='50'/></Materials></EmbeddedDataBase>";
	const std::size_t materials = m_db.m_materials.size();

	// malformed XML after the embedded section
	RM::Room broken;
	EXPECT_FALSE(read("<RoomModelProject>" + embedded + "<Room><Geometry></Room></RoomModelProject>", broken).isEmpty());
	EXPECT_EQ(m_db.m_materials.size(), materials);

	// a file cut off after the embedded section
	RM::Room truncated;
	EXPECT_FALSE(read("<RoomModelProject>" + embedded + "<Room>", truncated).isEmpty());
	EXPECT_EQ(m_db.m_materials.size(), materials);

	// a content error
	RM::Room invalid;
	try {
		read("<RoomModelProject>" + embedded + "<DIN4108_2Assessment_section><DIN4108_2Assessment><ClimateRegion>3"
			 "</ClimateRegion></DIN4108_2Assessment></DIN4108_2Assessment_section></RoomModelProject>", invalid);
		ADD_FAILURE() << "no exception";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Error reading DIN 4108-3 section section.");
		EXPECT_EQ(ex.messages().front().m_what, "Invalid value for 'ClimateRegion'. Value must be 0, 1 or 2.");
	}
	EXPECT_EQ(m_db.m_materials.size(), materials);
	EXPECT_FALSE(m_db.isModified());

	// the same project without faults brings its material along
	RM::Room good;
	ASSERT_TRUE(read("<RoomModelProject>" + embedded + "</RoomModelProject>", good).isEmpty());
	ASSERT_NE(m_db.material(10001), nullptr);
	EXPECT_EQ(m_db.material(10001)->name(), QString("New foam"));
}


TEST_F(RoomFile, brokenDatabaseItemNamesItsSectionAndPosition) {
	RM::Room room;
	try {
		read("<RoomModelProject><EmbeddedDataBase><ShadingTypes><ShadingType id='10001' name='en:A' z='0.5'/>"
			 "<ShadingType id='10002' name='en:B' z='half'/></ShadingTypes></EmbeddedDataBase></RoomModelProject>", room);
		ADD_FAILURE() << "no exception";
	}
	catch (BVX::Exception & ex) {
		EXPECT_STREQ(ex.what(), "Error reading 'ShadingTypes' database section.");
		const std::string inner = ex.messages().front().m_what;
		// the column is the end of the item's start tag
		EXPECT_NE(inner.find("Invalid value for attribute 'z'. (line 1, column 141)\nError reading XML tag #2."), std::string::npos)
				<< inner;
	}
	EXPECT_EQ(m_db.shadingType(10001), nullptr);
}


TEST_F(RoomFile, projectFileOnDisk) {
	QTemporaryDir dir;
	const QString fname = dir.path() + "/office.rmxml";
	RM::Room room;
	room.m_area = 22;
	ASSERT_TRUE(room.writeProjectFile(fname, m_db));
	RM::Room r;
	r.readProjectFile(fname, m_db);
	EXPECT_EQ(r.m_area, 22);
	EXPECT_EQ(r.m_projectFilePath, fname);

	RM::Room missing;
	EXPECT_THROW(missing.readProjectFile(dir.path() + "/none.rmxml", m_db), BVX::Exception);
	EXPECT_TRUE(missing.m_projectFilePath.isEmpty());
}


TEST_F(RoomFile, bundledExamplesReadWithoutChangingTheDatabase) {
	RMTest::MessageCapture capture;
	RM::Room office;
	office.readProjectFile(CALDORYNE_SOURCE_DIR "/resources/examples/Office_SouthFacade.rmxml", m_db);
	EXPECT_EQ(capture.count(BVX::MSG_WARNING, ""), 0u);
	EXPECT_FALSE(m_db.isModified());
	EXPECT_EQ(office.m_area, 20);
	ASSERT_EQ(office.m_constructions.size(), 6u);
	EXPECT_EQ(office.m_constructions[0].m_shadingTypeId, 3u);
	EXPECT_EQ(office.m_constructions[2].m_inclination, 0);
	EXPECT_EQ(office.m_heatingModel.m_modelType, int(RM::HeatingModel::SIMPLE));
	EXPECT_EQ(office.m_coolingModel.m_modelType, int(RM::CoolingModel::SIMPLE));
	EXPECT_EQ(office.m_mechanicalVentilationModel.m_heatRecoveryEfficiency, 0.8);
	EXPECT_EQ(office.m_userLoads.m_occupancy.m_type, int(RM::Schedule::DAILY_WEEK));
	EXPECT_TRUE(office.m_din4108_2Assessment.m_active);
	EXPECT_NO_THROW(office.checkSimulationParameters());
	for (const RM::RoomConstruction & rc : office.m_constructions) {
		QString msg;
		EXPECT_TRUE(rc.checkValidity(m_db, msg)) << msg.toStdString();
	}

	RM::Room defaults;
	defaults.readProjectFile(CALDORYNE_SOURCE_DIR "/resources/examples/DefaultRoom.rmxml", m_db);
	EXPECT_EQ(defaults.m_constructions.size(), 4u);
	EXPECT_FALSE(m_db.isModified());
}


TEST_F(RoomFile, badByteIsNamedWhereItIs) {
	QFile example(QString(CALDORYNE_SOURCE_DIR) + "/resources/examples/DefaultRoom.rmxml");
	ASSERT_TRUE(example.open(QIODevice::ReadOnly));
	const QList<QByteArray> lines = example.readAll().split('\n');
	QTemporaryDir dir;
	for (int line : { 6, 11, 16, 122 }) {
		QList<QByteArray> bad = lines;
		// after the indentation of the line
		const int indent = bad[line - 1].indexOf('<');
		bad[line - 1].insert(indent, '\xff');
		const QString fname = dir.path() + "/bad.rmxml";
		QFile f(fname);
		ASSERT_TRUE(f.open(QIODevice::WriteOnly));
		f.write(bad.join('\n'));
		f.close();
		RM::Room room;
		try {
			room.readProjectFile(fname, m_db);
			ADD_FAILURE() << "no exception for line " << line;
		}
		catch (BVX::Exception & ex) {
			EXPECT_EQ(std::string(ex.what()), BVX::FormatText("Error reading project file '%1' (line %2, column %3): "
					  "Encountered incorrectly encoded content.").arg(fname.toStdString()).arg(line).arg(indent + 1).str());
		}
	}
}
