#include "RM_Climate.h"

#include <exception>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <BVX_Exception.h>
#include <BVX_LinearSpline.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>

#include <CLM_ClimateDataLoader.h>

#include "RM_Physics.h"

namespace RM {

namespace {

using BVX::HOURS_PER_YEAR;

/*! Weight of the previous day in the running mean outdoor temperature. */
const double RUNNING_MEAN_WEIGHT = 0.8;

/*! Hourly air temperatures (C) of the first year of the loaded data, value h belonging to
	the end of hour h+1; empty when the data cannot give them. */
std::vector<double> hourlyAirTemperatures(const ClimateDataLoader & loader) {
	const std::vector<double> & temps = loader.m_data[ClimateDataLoader::Temperature];
	if (loader.m_dataTimePoints.empty()) {
		if (temps.size() < HOURS_PER_YEAR)
			return std::vector<double>();
		return std::vector<double>(temps.begin(), temps.begin() + HOURS_PER_YEAR);
	}
	// time-stamped data: interpolate linearly at the end of every hour
	if (temps.size() != loader.m_dataTimePoints.size() || temps.size() < 2)
		return std::vector<double>();
	BVX::LinearSpline spl;
	spl.m_extrapolationMethod = BVX::LinearSpline::EM_Constant;
	try {
		spl.setValues(loader.m_dataTimePoints, temps);
	}
	catch (std::exception &) {
		return std::vector<double>();
	}
	if (!spl.valid())
		return std::vector<double>();
	std::vector<double> hourly(HOURS_PER_YEAR);
	for (unsigned int h = 0; h < HOURS_PER_YEAR; ++h)
		hourly[h] = spl.value((h + 1) * 3600.0);
	return hourly;
}

} // namespace


Climate::Climate() :
	m_moistureBalanceEnabled(false),
	m_t(0)
{
}


void Climate::parseClimateDataDir(const QString & baseDir, const QString & userDir) {
	const char * const FUNC_ID = "[Climate::parseClimateDataDir]";
	BVX::BVX_Message(BVX::FormatText("Parsing climate base directory '%1'.\n").arg(baseDir.toStdString()),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	m_baseClimateDir = baseDir;
	m_userClimateDir = userDir;
	m_descriptions.clear();
	addDirectory(baseDir);

	if (userDir.isEmpty())
		return;
	if (!QDir(userDir).exists() && !QDir().mkpath(userDir))
		BVX::BVX_Message(BVX::FormatText("Cannot create user climate data directory '%1'.").arg(userDir.toStdString()),
						 BVX::MSG_WARNING, FUNC_ID, 1);
	BVX::BVX_Message(BVX::FormatText("Parsing user climate data directory '%1'.\n").arg(userDir.toStdString()),
					 BVX::MSG_PROGRESS, FUNC_ID, 1);
	addDirectory(userDir);
}


void Climate::addDirectory(const QString & dir) {
	QMap<QString, ClimateLocationData> found;
	ClimateLocationData::gatherClimateLocationInfo(dir, dir, found);
	const QDir root(dir);
	for (QMap<QString, ClimateLocationData>::const_iterator it = found.constBegin(); it != found.constEnd(); ++it)
		m_descriptions[root.relativeFilePath(it.key())] = it.value();
}


QString Climate::resolvePath(const QString & climateDataFile) const {
	return resolveClimateFile(m_baseClimateDir, m_userClimateDir, climateDataFile);
}


QString Climate::resolveClimateFile(const QString & baseDir, const QString & userDir, const QString & climateDataFile) {
	// an empty directory name would resolve against the working directory
	if (!userDir.isEmpty()) {
		const QString userPath = QDir(userDir).absoluteFilePath(climateDataFile);
		if (QFileInfo::exists(userPath))
			return userPath;
	}
	if (baseDir.isEmpty())
		return climateDataFile;
	return QDir(baseDir).absoluteFilePath(climateDataFile);
}


QString Climate::unreadableReason(const QString & climateDataFile) const {
	// a relative name below the climate directories, or an absolute one
	const QString path = QFileInfo(climateDataFile).isAbsolute() ? climateDataFile : resolvePath(climateDataFile);
	const QFileInfo info(path);
	if (!info.exists())
		return QString();
	if (info.isFile()) {
		QFile f(path);
		if (!f.open(QIODevice::ReadOnly))
			return f.errorString();
	}
	try {
		ClimateDataLoader loader;
		loader.readClimateData(path.toStdString(), true);
	}
	catch (BVX::Exception & ex) {
		return QString::fromStdString(ex.msgStack());
	}
	return QString();
}


bool Climate::loadClimateData(const QString & climateDataFile, QString * reason) {
	const char * const FUNC_ID = "[Climate::loadClimateData]";
	if (!m_descriptions.contains(climateDataFile))
		BVX::BVX_Message(BVX::FormatText("Expected climate data path '%1' in list of climate data files.")
						 .arg(climateDataFile.toStdString()), BVX::MSG_ERROR, FUNC_ID, -1);

	m_runningMeanTemperature.assign(HOURS_PER_YEAR, T_KELVIN);
	const QString path = resolvePath(climateDataFile);
	BVX::BVX_Message(BVX::FormatText("Reading climate data [%2] from file '%1'\n")
					 .arg(path.toStdString()).arg(climateDataFile.toStdString()), BVX::MSG_PROGRESS, FUNC_ID, 1);
	try {
		m_solarRadiationModel.m_climateDataLoader.readClimateData(path.toStdString(), false);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		if (reason != nullptr) {
			QStringList lines;
			for (const auto & m : ex.messages())
				lines << QString::fromStdString(m.m_what).trimmed();
			*reason = lines.join('\n');
		}
		m_currentClimateDataFile.clear();
		return false;
	}
	catch (std::exception & ex) {
		BVX::BVX_Message(ex.what(), BVX::MSG_ERROR, FUNC_ID, -1);
		if (reason != nullptr)
			*reason = QString::fromLocal8Bit(ex.what());
		m_currentClimateDataFile.clear();
		return false;
	}
	m_currentClimateDataFile = climateDataFile;
	computeRunningMean();
	return true;
}


void Climate::computeRunningMean() {
	const std::vector<double> temps = hourlyAirTemperatures(m_solarRadiationModel.m_climateDataLoader);
	if (temps.empty())
		return;
	double dayValue = 0;
	for (unsigned int d = 0; d < 365; ++d) {
		double sum = 0;
		for (unsigned int h = 0; h < 24; ++h)
			sum += temps[24 * d + h];
		const double mean = sum / 24 + T_KELVIN;
		if (d == 0)
			dayValue = mean;
		else
			dayValue = RUNNING_MEAN_WEIGHT * dayValue + (1 - RUNNING_MEAN_WEIGHT) * mean;
		for (unsigned int h = 0; h < 24; ++h)
			m_runningMeanTemperature[24 * d + h] = dayValue;
	}
}


QStringList Climate::climateDataFiles() const {
	return m_descriptions.keys();
}


QString Climate::climateDescription(const QString & climateDataFile, const QString & langId) const {
	Q_ASSERT(m_descriptions.contains(climateDataFile));
	QMap<QString, ClimateLocationData>::const_iterator it = m_descriptions.constFind(climateDataFile);
	if (it == m_descriptions.constEnd() || it->m_descriptions.empty())
		return QString();
	const std::vector<std::pair<QString, QString> > & labels = it->m_descriptions;
	QString english;
	bool haveEnglish = false;
	for (const std::pair<QString, QString> & l : labels) {
		if (l.first == langId)
			return l.second;
		if (l.first == "en") {
			english = l.second;
			haveEnglish = true;
		}
	}
	return haveEnglish ? english : labels.front().second;
}


const ClimateLocationData * Climate::locationData(const QString & climateDataFile) const {
	QMap<QString, ClimateLocationData>::const_iterator it = m_descriptions.constFind(climateDataFile);
	if (it == m_descriptions.constEnd())
		return nullptr;
	return &it.value();
}


void Climate::setTime(double t) {
	m_t = t;
	m_solarRadiationModel.setTime(m_solarRadiationModel.m_climateDataLoader.m_startYear, t);
}

} // namespace RM
