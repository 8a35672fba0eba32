#ifndef RM_ClimateLocationDataH
#define RM_ClimateLocationDataH

#include <utility>
#include <vector>

#include <QMap>
#include <QString>

namespace RM {

/*! Catalogue record of one climate data file: where the location lies and how it is
	labelled in the user interface. Plain value class.
*/
class ClimateLocationData {
public:
	/*! Empty labels and names; a location in Dresden (51.05 N, 13.73 E, UTC+1). */
	ClimateLocationData();

	/*! Scans 'dir' and, recursively, its subdirectories for "*.c6b", "*.epw" and "*.wac"
		files, reads the header of each and stores one record per readable file in
		'locations', keyed by the file's absolute path. Labels name the file by its path
		relative to 'rootDir'. Unreadable files are logged and skipped; directory links
		are not followed (they may form loops). A missing directory gives no entries.
	*/
	static void gatherClimateLocationInfo(const QString & rootDir, const QString & dir,
										  QMap<QString, ClimateLocationData> & locations);

	/*! Pairs of (language ID, label), e.g. ("en", "[Germany/Berlin.epw] Berlin, DEU"). */
	std::vector<std::pair<QString, QString> >	m_descriptions;
	/*! Country as in the file header (possibly multi-language encoded). */
	QString										m_country;
	/*! City as in the file header (possibly multi-language encoded). */
	QString										m_city;
	/*! Origin of the data as in the file header, e.g. "TRY2035". */
	QString										m_source;
	/*! Degrees, north positive. */
	double										m_latitude;
	/*! Degrees, east positive. */
	double										m_longitude;
	/*! Hours relative to UTC. */
	int											m_timeZone;

private:
	/*! Reads the header of one file into 'rec'; throws BVX::Exception. */
	static void readLocation(const QString & rootDir, const QString & absPath, ClimateLocationData & rec);
};

} // namespace RM

#endif // RM_ClimateLocationDataH
