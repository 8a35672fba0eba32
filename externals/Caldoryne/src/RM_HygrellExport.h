#ifndef RM_HygrellExportH
#define RM_HygrellExportH

#include <string>

#include <QMap>
#include <QString>

#include <BVX_Path.h>

namespace RM {

class ClimateLocationData;
class Database;
class Room;

/*! Exports database entries to the file formats of the hygrothermal program Hygrell
	(construction type -> project file ".h6p", material -> material file ".m6") and a whole
	room to a project of the zone model Zonavex. Reads the database only.
*/
class HygrellExport {
public:
	/*! db must outlive the exporter. */
	explicit HygrellExport(const Database * db);

	/*! "<name>_<id>.h6p"; throws BVX::Exception for an unknown construction type. */
	BVX::Path constructionFileName(unsigned int id) const;
	/*! "<name>_<id>.m6"; throws BVX::Exception for an unknown material. */
	BVX::Path materialFileName(unsigned int id) const;

	/*! Writes the project file of a construction type into targetDir and returns its path.
		An empty fileName selects constructionFileName(); a non-empty materialsDir is written
		as placeholder "materials". The material files are not written here.
		Throws BVX::Exception for an unknown construction type or material (before anything
		is written) and when the file cannot be written. */
	BVX::Path exportConstruction(unsigned int id, const BVX::Path & targetDir, const BVX::Path & fileName,
								 const BVX::Path & materialsDir) const;

	/*! Writes the material file into targetDir and returns its path. Throws BVX::Exception for
		an unknown material and when the file cannot be written. */
	BVX::Path exportMaterial(unsigned int id, const BVX::Path & targetDir) const;

	/*! Writes the zone-model project file directory/fileName with the used construction types
		in "constructions", their materials in "materials" and a copy of the climate data file in
		"climate" (the three sub-directories must exist). location gives latitude and longitude.
		Throws BVX::Exception at the first failure; files written before stay. */
	void exportZonavexModel(const Room & room, const BVX::Path & directory, const BVX::Path & fileName,
							const ClimateLocationData * location) const;

	/*! Text of a material file. */
	static std::string materialFileText(const std::string & encodedName, double rho, double cT, double lambda);
	/*! The name with / \ : * ? " < > | and control characters replaced by '_'. */
	static std::string safeFileName(const std::string & name);

private:
	/*! "<name>_<id><suffix>" with the "en" name, else the "de" name, else fallback. */
	static BVX::Path exportFileName(const QMap<QString, QString> & names, const char * fallback,
									unsigned int id, const char * suffix);
	/*! Copies the room's climate data file (user directory first, then the built-in one)
		into climateDir, replacing an existing copy. */
	void copyClimateFile(const QString & climateDataPath, const BVX::Path & climateDir) const;

	const Database *	m_db;
};

} // namespace RM

#endif // RM_HygrellExportH
