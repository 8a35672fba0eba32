#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QFileInfo>
#include <QTemporaryDir>

#include <RM_Climate.h>

#include "RM_ClimateTestFiles.h"
#include "RM_TestSupport.h"

using RMTest::MessageCapture;

namespace {

/*! Two directories: base with a.epw, Europe/b.wac and shared.wac (header fine, data cut short),
	user (not yet existing) with shared.wac complete. */
class RM_ClimateDirs : public ::testing::Test {
protected:
	void SetUp() override {
		ASSERT_TRUE(m_tmp.isValid());
		m_base = m_tmp.path() + "/base";
		m_user = m_tmp.path() + "/user/deeper";
		ASSERT_TRUE(RMTest::makeDir(m_base + "/Europe"));
		RMTest::writeEpwHeader(m_base + "/a.epw", "en:Alpha|de:Alfa", "en:Aland|de:Aland-DE");
		RMTest::writeAnnualWac(m_base + "/Europe/b.wac", "Beta", [](unsigned int) { return 10.0; });
		RMTest::writeAnnualWac(m_base + "/shared.wac", "SharedBase", [](unsigned int) { return 0.0; }, 10);
	}

	void addUserFiles() {
		ASSERT_TRUE(RMTest::makeDir(m_user));
		RMTest::writeAnnualWac(m_user + "/shared.wac", "SharedUser", [](unsigned int) { return 1.0; });
	}

	QTemporaryDir	m_tmp;
	QString			m_base;
	QString			m_user;
};

} // namespace


TEST_F(RM_ClimateDirs, CatalogueKeysAreRelativeAndUserFilesShadowBuiltIns) {
	RM::Climate cl;
	MessageCapture capture;
	cl.parseClimateDataDir(m_base, m_user);
	EXPECT_TRUE(QFileInfo(m_user).isDir()); // created with its parents
	EXPECT_EQ(1u, capture.count(BVX::MSG_PROGRESS, "Parsing climate base directory '" + m_base.toStdString() + "'."));
	EXPECT_EQ(1u, capture.count(BVX::MSG_PROGRESS, "Parsing user climate data directory '" + m_user.toStdString() + "'."));
	EXPECT_EQ(QStringList() << "Europe/b.wac" << "a.epw" << "shared.wac", cl.climateDataFiles());
	EXPECT_EQ(QString("SharedBase"), cl.locationData("shared.wac")->m_city);

	addUserFiles();
	cl.parseClimateDataDir(m_base, m_user);
	EXPECT_EQ(QStringList() << "Europe/b.wac" << "a.epw" << "shared.wac", cl.climateDataFiles());
	ASSERT_NE(nullptr, cl.locationData("shared.wac"));
	EXPECT_EQ(QString("SharedUser"), cl.locationData("shared.wac")->m_city);
	EXPECT_EQ(nullptr, cl.locationData("nothere.epw"));
	EXPECT_EQ(nullptr, cl.locationData(QDir(m_base).absoluteFilePath("a.epw")));

	// the user copy is complete, the built-in one is not: loading succeeds only from the user directory
	EXPECT_TRUE(cl.loadClimateData("shared.wac"));
	EXPECT_EQ(QString("shared.wac"), cl.m_currentClimateDataFile);
	EXPECT_DOUBLE_EQ(1.0, cl.m_solarRadiationModel.m_climateDataLoader.m_data[0][100]);

	// without user directory only the built-in files count
	cl.parseClimateDataDir(m_base, QString());
	EXPECT_EQ(3, cl.climateDataFiles().size());
	EXPECT_EQ(QString("SharedBase"), cl.locationData("shared.wac")->m_city);
}

TEST_F(RM_ClimateDirs, DescriptionFallsBackToEnglishThenFirst) {
	RM::Climate cl;
	cl.parseClimateDataDir(m_base, QString());
	EXPECT_EQ(QString("[a.epw] Alfa, Aland-DE"), cl.climateDescription("a.epw", "de"));
	EXPECT_EQ(QString("[a.epw] Alpha, Aland"), cl.climateDescription("a.epw", "en"));
	EXPECT_EQ(QString("[a.epw] Alpha, Aland"), cl.climateDescription("a.epw", "fr"));
	EXPECT_EQ(QString("[Europe/b.wac] Beta, "), cl.climateDescription("Europe/b.wac", "de"));

	RM::ClimateLocationData & rec = cl.m_descriptions["a.epw"];
	rec.m_descriptions = { { "fr", "français" }, { "it", "italiano" } };
	EXPECT_EQ(QString("français"), cl.climateDescription("a.epw", "de"));
	rec.m_descriptions = { { "en", "first" }, { "de", "deutsch" }, { "en", "last" } };
	EXPECT_EQ(QString("last"), cl.climateDescription("a.epw", "fr"));
	rec.m_descriptions.clear();
	EXPECT_EQ(QString(), cl.climateDescription("a.epw", "en"));
}

TEST_F(RM_ClimateDirs, RunningMeanFollowsDailyMeansWithWeight08) {
	// day 1 at 10 C, day 2 and 3 at 20 C, day 4 alternating 0 and 40 C (mean 20 C), rest -5 C
	RMTest::writeAnnualWac(m_base + "/steps.wac", "Steps", [](unsigned int h) {
		const unsigned int d = h / 24;
		if (d == 0) return 10.0;
		if (d < 3) return 20.0;
		if (d == 3) return h % 2 == 0 ? 0.0 : 40.0;
		return -5.0;
	});
	RM::Climate cl;
	cl.parseClimateDataDir(m_base, QString());
	ASSERT_TRUE(cl.loadClimateData("steps.wac"));
	const std::vector<double> & rm = cl.m_runningMeanTemperature;
	ASSERT_EQ(8760u, rm.size());
	const double day[4] = { 283.15, 0.8 * 283.15 + 0.2 * 293.15, 0.8 * 285.15 + 0.2 * 293.15, 0.8 * 286.75 + 0.2 * 293.15 };
	for (unsigned int d = 0; d < 4; ++d)
		for (unsigned int h = 0; h < 24; ++h)
			EXPECT_NEAR(day[d], rm[24 * d + h], 1e-9) << "day " << d << " hour " << h;
	EXPECT_NEAR(0.8 * day[3] + 0.2 * 268.15, rm[24 * 4], 1e-9);
	// after many cold days the mean approaches -5 C from above
	EXPECT_NEAR(268.15, rm.back(), 1e-6);
	EXPECT_GT(rm.back(), 268.15);
}

TEST_F(RM_ClimateDirs, RunningMeanOfTimeStampedData) {
	// three days of hourly values with time stamps: 10 C, 20 C, 20 C; later hours keep the last value
	QFile f(m_base + "/stamped.wac");
	ASSERT_TRUE(f.open(QIODevice::WriteOnly));
	QTextStream s(&f);
	s << "WAC\n10\nStamped\ncomment\n13.4\n52.5\n40\n1\n1\n72\n5\nTIME\tTA\tHREL\tISDH\tISD\n";
	for (unsigned int h = 0; h < 72; ++h)
		s << QString("2011-01-%1 %2:00").arg(h / 24 + 1, 2, 10, QChar('0')).arg(h % 24 + 1, 2, 10, QChar('0'))
		  << "\t" << (h < 24 ? 10 : 20) << "\t0.5\t0\t0\n";
	f.close();

	RM::Climate cl;
	cl.parseClimateDataDir(m_base, QString());
	ASSERT_TRUE(cl.loadClimateData("stamped.wac"));
	ASSERT_EQ(72u, cl.m_solarRadiationModel.m_climateDataLoader.m_dataTimePoints.size());
	const std::vector<double> & rm = cl.m_runningMeanTemperature;
	ASSERT_EQ(8760u, rm.size());
	EXPECT_NEAR(283.15, rm[0], 1e-9);
	EXPECT_NEAR(283.15, rm[23], 1e-9);
	EXPECT_NEAR(285.15, rm[24], 1e-9);
	EXPECT_NEAR(293.15, rm.back(), 1e-6);
}

TEST_F(RM_ClimateDirs, FailedLoadClearsCurrentFile) {
	RM::Climate cl;
	cl.parseClimateDataDir(m_base, QString());
	ASSERT_TRUE(cl.loadClimateData("Europe/b.wac"));
	EXPECT_EQ(QString("Europe/b.wac"), cl.m_currentClimateDataFile);
	EXPECT_NEAR(283.15, cl.m_runningMeanTemperature[5000], 1e-9);

	MessageCapture capture;
	EXPECT_FALSE(cl.loadClimateData("shared.wac")); // data cut short
	EXPECT_TRUE(cl.m_currentClimateDataFile.isEmpty());
	EXPECT_GE(capture.count(BVX::MSG_ERROR, ""), 1u);
	EXPECT_EQ(8760u, cl.m_runningMeanTemperature.size());
	EXPECT_DOUBLE_EQ(273.15, cl.m_runningMeanTemperature[5000]);

	// a key outside the catalogue is reported and still tried
	MessageCapture capture2;
	EXPECT_FALSE(cl.loadClimateData("missing.epw"));
	EXPECT_EQ(1u, capture2.count(BVX::MSG_ERROR, "Expected climate data path 'missing.epw' in list of climate data files."));
	EXPECT_TRUE(cl.m_currentClimateDataFile.isEmpty());
}

TEST(RM_Climate, DefaultsAndCopy) {
	RM::Climate cl;
	EXPECT_FALSE(cl.m_moistureBalanceEnabled);
	EXPECT_TRUE(cl.climateDataFiles().isEmpty());
	EXPECT_TRUE(cl.m_currentClimateDataFile.isEmpty());
	EXPECT_TRUE(cl.m_runningMeanTemperature.empty());
	cl.m_moistureBalanceEnabled = true;
	RM::Climate copy;
	copy = cl;
	EXPECT_TRUE(copy.m_moistureBalanceEnabled);
}

TEST(RM_Climate, LoadsEveryShippedClimateFile) {
	const QString base = QString(CALDORYNE_SOURCE_DIR) + "/resources/DB_climate";
	ASSERT_TRUE(QFileInfo(base).isDir());
	QTemporaryDir tmp;
	ASSERT_TRUE(tmp.isValid());

	RM::Climate cl;
	MessageCapture capture;
	cl.parseClimateDataDir(base, tmp.path() + "/user");
	EXPECT_EQ(0u, capture.count(BVX::MSG_WARNING, "Error reading climate data file"));
	const QStringList files = cl.climateDataFiles();
	EXPECT_EQ(11, files.size());
	EXPECT_TRUE(files.contains("Europe/Germany/DIN4108_2/DIN4108_2_Region_A.c6b"));
	EXPECT_TRUE(files.contains("North_America/USA/TMY/725650TYCST.epw"));

	const RM::ClimateLocationData * berlin =
		cl.locationData("Europe/Germany/TMYx/DEU_BE_Berlin-Schonefeld.AP.103850_TMYx.2004-2018.epw");
	ASSERT_NE(nullptr, berlin);
	EXPECT_NEAR(52.3808, berlin->m_latitude, 1e-9);
	EXPECT_NEAR(13.5306, berlin->m_longitude, 1e-9);
	EXPECT_EQ(1, berlin->m_timeZone);
	EXPECT_EQ(QString("[Europe/Germany/TMYx/DEU_BE_Berlin-Schonefeld.AP.103850_TMYx.2004-2018.epw] Berlin Schonefeld AP, DEU"),
			  cl.climateDescription("Europe/Germany/TMYx/DEU_BE_Berlin-Schonefeld.AP.103850_TMYx.2004-2018.epw", "en"));

	for (const QString & f : files) {
		ASSERT_TRUE(cl.loadClimateData(f)) << f.toStdString();
		EXPECT_EQ(f, cl.m_currentClimateDataFile);
		const std::vector<double> & temps = cl.m_solarRadiationModel.m_climateDataLoader.m_data[0];
		ASSERT_GE(temps.size(), 8760u) << f.toStdString();
		// the running mean is a weighted mean of daily means: bounded by the year's extremes
		const double tMin = *std::min_element(temps.begin(), temps.begin() + 8760) + 273.15;
		const double tMax = *std::max_element(temps.begin(), temps.begin() + 8760) + 273.15;
		for (double v : cl.m_runningMeanTemperature) {
			ASSERT_GE(v, tMin) << f.toStdString();
			ASSERT_LE(v, tMax) << f.toStdString();
		}
		double firstDay = 0;
		for (unsigned int h = 0; h < 24; ++h)
			firstDay += temps[h] / 24;
		EXPECT_NEAR(firstDay + 273.15, cl.m_runningMeanTemperature[0], 1e-9) << f.toStdString();
	}

	// setTime moves the loader: at the end of hour 1 the first hourly value applies
	ASSERT_TRUE(cl.loadClimateData("Europe/Germany/TMYx/DEU_BE_Berlin-Schonefeld.AP.103850_TMYx.2004-2018.epw"));
	cl.setTime(3600);
	EXPECT_DOUBLE_EQ(3600, cl.m_t);
	const ClimateDataLoader & loader = cl.m_solarRadiationModel.m_climateDataLoader;
	EXPECT_NEAR(loader.m_data[0][0], loader.currentValue(ClimateDataLoader::Temperature), 1e-9);
}
