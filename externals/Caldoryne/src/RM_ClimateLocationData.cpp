#include "RM_ClimateLocationData.h"

#include <exception>

#include <QDir>
#include <QFileInfo>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>
#include <BVX_MultiLanguageString.h>

#include <CLM_ClimateDataLoader.h>

namespace RM {

ClimateLocationData::ClimateLocationData() :
	m_latitude(51.05),
	m_longitude(13.73),
	m_timeZone(1)
{
}


void ClimateLocationData::gatherClimateLocationInfo(const QString & rootDir, const QString & dir,
													QMap<QString, ClimateLocationData> & locations)
{
	const char * const FUNC_ID = "[ClimateLocationData::gatherClimateLocationInfo]";
	QDir d(dir);
	if (!d.exists())
		return;

	// the loader picks the format by the exact extension, so filter case-sensitively
	const QStringList filters = QStringList() << "*.c6b" << "*.epw" << "*.wac";
	const QStringList files = d.entryList(filters, QDir::Files | QDir::CaseSensitive, QDir::Name);
	for (const QString & fname : files) {
		const QString absPath = QFileInfo(d, fname).absoluteFilePath();
		ClimateLocationData rec;
		try {
			readLocation(rootDir, absPath, rec);
		}
		catch (BVX::Exception & ex) {
			ex.writeMsgStackToError();
			BVX::BVX_Message(BVX::FormatText("Error reading climate data file '%1'.").arg(absPath.toStdString()),
							 BVX::MSG_WARNING, FUNC_ID, 2);
			continue;
		}
		catch (std::exception & ex) {
			BVX::BVX_Message(ex.what(), BVX::MSG_ERROR, FUNC_ID, 1);
			BVX::BVX_Message(BVX::FormatText("Error reading climate data file '%1'.").arg(absPath.toStdString()),
							 BVX::MSG_WARNING, FUNC_ID, 2);
			continue;
		}
		locations[absPath] = rec;
	}

	// directory links are not followed: a link to a parent directory would never end
	const QStringList subDirs = d.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks,
											QDir::Name);
	for (const QString & sub : subDirs)
		gatherClimateLocationInfo(rootDir, d.absoluteFilePath(sub), locations);
}


void ClimateLocationData::readLocation(const QString & rootDir, const QString & absPath, ClimateLocationData & rec) {
	ClimateDataLoader loader;
	loader.readClimateData(absPath.toStdString(), true);

	rec.m_city = QString::fromStdString(loader.m_city);
	rec.m_country = QString::fromStdString(loader.m_country);
	rec.m_source = QString::fromStdString(loader.m_source);
	rec.m_latitude = loader.m_latitude;
	rec.m_longitude = loader.m_longitude;
	rec.m_timeZone = loader.m_timeZone;

	const QString relPath = QDir(rootDir).relativeFilePath(absPath);
	const BVX::MultiLanguageString city(loader.m_city);
	const BVX::MultiLanguageString country(loader.m_country);
	const std::vector<std::string> langs = city.languages();
	rec.m_descriptions.clear();
	if (langs.empty()) {
		rec.m_descriptions.push_back(std::make_pair(QString("en"),
			QString("[%3] %1, %2").arg(rec.m_city, rec.m_country, relPath)));
	}
	else {
		for (const std::string & lang : langs) {
			const QString label = QString("[%3] %1, %2").arg(QString::fromStdString(city.string(lang)),
				QString::fromStdString(country.string(lang)), relPath);
			rec.m_descriptions.push_back(std::make_pair(QString::fromStdString(lang), label));
		}
	}
}

} // namespace RM
