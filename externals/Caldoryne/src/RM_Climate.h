#ifndef RM_ClimateH
#define RM_ClimateH

#include <vector>

#include <QMap>
#include <QString>
#include <QStringList>

#include <CLM_SolarRadiationModel.h>

#include "RM_ClimateLocationData.h"

namespace RM {

/*! The room model's view of the available climate data: the catalogue of climate files
	found in a built-in and a per-user directory, the loaded climate (held by the solar
	radiation model's loader) and a running mean of the outdoor temperature.

	Catalogue keys are file paths relative to the directory the file was found in
	("Europe/Germany/TRY2011/x.c6b"); a user file shadows a built-in one with the same key.
	Plain value class, single-threaded.
*/
class Climate {
public:
	Climate();

	/*! Rebuilds the catalogue from both directories; creates userDir when missing
		(an empty userDir is skipped). Problems are logged. */
	void parseClimateDataDir(const QString & baseDir, const QString & userDir);

	/*! Reads a catalogued file completely (user directory first, then the built-in one),
		makes it the current climate file and computes the running mean temperature.
		False on failure, with the error logged and the current file cleared; reason, when given,
		then receives the reader's messages, the cause first, one a line. */
	bool loadClimateData(const QString & climateDataFile, QString * reason = nullptr);

	/*! Absolute path of a climate file: below userDir when it exists there, else below baseDir
		(an empty directory is skipped; with both empty the path is returned unchanged). */
	static QString resolveClimateFile(const QString & baseDir, const QString & userDir, const QString & climateDataFile);

	/*! Why a climate file that is there is not in the catalogue: the reader's or the system's
		reason ("Permission denied"). Empty when no such file exists (or it reads). */
	QString unreadableReason(const QString & climateDataFile) const;

	/*! Catalogue keys in map order. */
	QStringList climateDataFiles() const;

	/*! Label for langId, else the English one, else the first, else empty.
		climateDataFile must be catalogued. */
	QString climateDescription(const QString & climateDataFile, const QString & langId) const;

	/*! Location record of a catalogued file, null for an unknown key. */
	const ClimateLocationData * locationData(const QString & climateDataFile) const;

	/*! Moves climate values and sun position to t (s since the start of the year). */
	void setTime(double t);

	/*! True when the run balances moisture; set by the run before loading. */
	bool								m_moistureBalanceEnabled;
	/*! Time of the last setTime() in s. */
	double								m_t;
	/*! Sun position and surface radiation; owns the climate data loader. */
	SolarRadiationModel					m_solarRadiationModel;
	/*! Running mean outdoor temperature in K, 8760 hourly values once a file was loaded. */
	std::vector<double>					m_runningMeanTemperature;
	/*! Catalogue key of the loaded file; empty when none is loaded or the last load failed. */
	QString								m_currentClimateDataFile;
	QString								m_baseClimateDir;
	QString								m_userClimateDir;
	/*! Catalogue: relative file path -> location record. */
	QMap<QString, ClimateLocationData>	m_descriptions;

private:
	/*! Enters every climate file below dir under its path relative to dir. */
	void addDirectory(const QString & dir);
	/*! Absolute path of a catalogue key: user directory first, then the built-in one. */
	QString resolvePath(const QString & climateDataFile) const;
	/*! Fills m_runningMeanTemperature from the loaded air temperatures. */
	void computeRunningMean();
};

} // namespace RM

#endif // RM_ClimateH
