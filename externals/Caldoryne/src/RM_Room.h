#ifndef RM_RoomH
#define RM_RoomH

#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "RM_CoolingModel.h"
#include "RM_DIN4108_2Assessment.h"
#include "RM_HeatingModel.h"
#include "RM_MechanicalVentilationModel.h"
#include "RM_MoistureLoads.h"
#include "RM_NaturalVentilationModel.h"
#include "RM_ProjectInformation.h"
#include "RM_RoomConstruction.h"
#include "RM_ShadingControlModel.h"
#include "RM_UserLoads.h"

class QXmlStreamReader;
class QXmlStreamWriter;

namespace RM {

class Database;

/*! The simulation project: one room with its geometry, surfaces, climate file, simulation
	parameters, load and control models, DIN 4108-2 settings and project information.

	Copyable value class. The project file (".rmxml") also carries copies of the database
	items the surfaces use; reading merges them into the user database.
	Values are held in the units noted at each member (mostly SI; temperatures of the
	settings in C).
*/
class Room {
public:
	/*! End time limit in s: one year, or two for the cyclic two-year simulation. */
	static const double MaxSimulationEndTime;

	/*! Members in their default state, then setDefaults(). */
	Room();

	/*! The default project: geometry, four surfaces, heating and simulation parameters.
		The load models (except heating and occupancy), the DIN 4108-2 settings and the
		project information keep their values. */
	void setDefaults();

	/*! Room air volume in m3. */
	double volume() const { return m_area*m_height; }

	/*! Reads a whole project file and merges its embedded database into db, but only when
		the whole file was read without error. Throws BVX::Exception for invalid values;
		a wrong root element or malformed XML is left in the reader's error state.
		Items added as copies are named with sourceName and listed in *copies
		(see EmbeddedDatabase::merge()). */
	void readXML(QXmlStreamReader & reader, Database & db, const QString & sourceName = QString(),
				 QStringList * copies = nullptr);
	/*! Writes the whole project file; db supplies the embedded items. */
	void writeXML(QXmlStreamWriter & writer, const Database * db) const;

	void readRoomSection(QXmlStreamReader & reader);
	void readGeometrySection(QXmlStreamReader & reader);
	void readSimulationParametersSection(QXmlStreamReader & reader);

	/*! Reads the project file; on success stores the path in m_projectFilePath.
		Throws BVX::Exception with the reader's error (line and column) or the content error.
		The names of items added as copies, named with the file's name, go to *copies. */
	void readProjectFile(const QString & fileName, Database & db, QStringList * copies = nullptr);
	/*! Writes the project file (replaced only when written completely); false on failure,
		with the system's reason in *reason. */
	bool writeProjectFile(const QString & fileName, const Database & db, QString * reason = nullptr) const;
	/*! The content writeProjectFile() writes. */
	QByteArray projectFileContent(const Database & db) const;

	/*! Checks what a run relies on: end time and output step in range, DIN 4108-2 ventilation
		within its limits. Throws BVX::Exception. */
	void checkSimulationParameters() const;

	/*! File the project was read from or written to; relative zone temperature files are
		resolved against its directory. Empty for a project never saved or loaded. */
	QString						m_projectFilePath;
	/*! Bit set: 16 hygrothermal FMU interface, 32 liquid source import interface. */
	int							m_interfaceDefinition;
	/*! Floor area in m2. */
	double						m_area;
	/*! Room height in m. */
	double						m_height;
	/*! Specific heat capacity of the additional thermal mass in J/kgK. */
	double						m_additionalMassHeatCapacity;
	/*! Additional thermal mass in kg. */
	double						m_additionalMass;
	/*! Convective fraction of the heating load 0..1 (the rest is radiant, spread over the
		inside surfaces by area); internal loads are convective in full. */
	double						m_gammaHC;
	/*! Convective fraction of solar loads 0..1. */
	double						m_gammaRad;
	/*! Initial temperature of room and constructions in C. */
	double						m_TInitial;
	/*! Initial relative humidity 0..1 (the file holds percent). */
	double						m_RHInitial;
	/*! Output time step in s. */
	double						m_outputTimeSteps;
	bool						m_cyclicTwoYearSimulation;
	/*! Simulation end time in s. */
	double						m_simulationEndTime;
	bool						m_moistureBalanceEnabled;
	HeatingModel				m_heatingModel;
	CoolingModel				m_coolingModel;
	MechanicalVentilationModel	m_mechanicalVentilationModel;
	NaturalVentilationModel		m_naturalVentilationModel;
	MoistureLoads				m_moistureLoads;
	UserLoads					m_userLoads;
	ShadingControlModel			m_shadingControlModel;
	/*! Surfaces in file order. */
	std::vector<RoomConstruction>	m_constructions;
	DIN4108_2Assessment			m_din4108_2Assessment;
	/*! Albedo of the ground 0..1. */
	double						m_albedo;
	/*! Climate data file, relative to the climate data directory. */
	QString						m_climateDataPath;
	ProjectInformation			m_projectInformation;
};

} // namespace RM

#endif // RM_RoomH
