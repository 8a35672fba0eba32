#include <memory>

#include <cmath>

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include <QtExt_Table.h>
#include <Sci_AbstractCartesianChartModel.h>
#include <Sci_Chart.h>
#include <Sci_LineSeriesContentModel.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>

#include "GuiTestHarness.h"
#include "Report.h"
#include "ReportFrameClimate.h"
#include "ReportFrameConstruction.h"
#include "ReportFrameExteriorComponents.h"
#include "ReportFrameFixedTemperatureComponents.h"
#include "ReportFrameInnerLoadsHeating.h"
#include "ReportFrameInteriorComponents.h"
#include "ReportFrameProjectInfo.h"
#include "ReportFrameResultsOverTemperature.h"
#include "ReportFrameRoomData.h"
#include "ReportFrameShading.h"
#include "ReportFrameTemperaturePlot.h"
#include "ReportFrameVentilation.h"
#include "ReportFrameWindows.h"
#include "ReportPreview.h"
#include "ReportSettings.h"
#include "ReportTestFixture.h"

namespace {

typedef RM::RoomConstruction RC;
typedef RM::OutputManager OM;

QString plain(const QString & html) {
	return QTextDocumentFragment::fromHtml(html).toPlainText().trimmed();
}

/*! Plain texts of a table, row by row. */
std::vector<QStringList> rowsOf(QtExt::Table * t) {
	std::vector<QStringList> rows;
	for (int r = 0; r < t->rowCount(); ++r) {
		QStringList row;
		for (int c = 0; c < t->columnCount(); ++c)
			row << plain(t->cell(c, r).text());
		rows.push_back(row);
	}
	return rows;
}

RC surface(int type, unsigned int constructionId, double AW, double AF = 0, unsigned int windowId = 0) {
	RC rc;
	rc.m_type = type;
	rc.m_constructionId = constructionId;
	rc.m_AW = AW;
	rc.m_AF = AF;
	rc.m_windowId = windowId;
	return rc;
}

/*! A report over a model built in memory; frames are laid out on an A4 image at 96 dpi. */
class ReportFramesTest : public ::testing::Test {
protected:
	void SetUp() override {
		ReportSettings::instance().setDefaults();
		m_model.reset(new RM::CaldoryneModelInterface);
		m_model->m_room.m_constructions.clear();
		m_model->m_room.m_projectInformation = RM::ProjectInformation();
	}
	void TearDown() override { ReportSettings::instance().setDefaults(); }

	RM::Room & room() { return m_model->m_room; }
	RM::DIN4108_2Assessment & din() { return m_model->m_room.m_din4108_2Assessment; }
	OM & outputs() { return m_model->m_outputManager; }

	/*! Report data set, the frame of a section laid out at a width of 600 pixels. */
	template <typename T>
	T * frame(int sectionId, size_t index = 0) {
		m_report.setData(m_model.get(), &m_db);
		T * f = dynamic_cast<T *>(m_report.frames(sectionId).at(index));
		EXPECT_NE(f, nullptr);
		if (f != nullptr)
			f->update(&m_page, 600);
		return f;
	}

	template <typename T>
	std::vector<QStringList> table(int sectionId, size_t tableIndex = 0, size_t frameIndex = 0) {
		T * f = frame<T>(sectionId, frameIndex);
		if (f == nullptr || f->tables().size() <= tableIndex)
			return {};
		return rowsOf(f->tables()[tableIndex]);
	}

	/*! Hourly results over hours 0..n-1 at a constant operative temperature; the hours the
		DIN 4108-2 evaluation of such a run takes: n - 1, a year at most. */
	void setResults(size_t n, double operative) {
		outputs().m_roomStateSeries[OM::RS_Time].clear();
		outputs().m_roomStateSeries[OM::RS_OperativeTemperature].assign(n, operative);
		for (size_t i = 0; i < n; ++i)
			outputs().m_roomStateSeries[OM::RS_Time].push_back(i / 24.0);
		outputs().m_din4108_2AssessedHours = n < 2 ? 0 : std::min(double(n - 1), 8760.0);
		outputs().m_resultsPresent = true;
	}

	/*! Climate temperatures of a year (or n hours) between -15 and 35 C, operative
		temperatures of a year between 18 and 35 C. */
	void setYear(size_t climateHours = 8760) {
		std::vector<double> & ambient =
				m_model->m_climate.m_solarRadiationModel.m_climateDataLoader.m_data[ClimateDataLoader::Temperature];
		ambient.resize(climateHours);
		for (size_t i = 0; i < climateHours; ++i)
			ambient[i] = 10 - 25 * std::cos(2 * M_PI * double(i) / 8760);
		setResults(8761, 18);
		std::vector<double> & operative = outputs().m_roomStateSeries[OM::RS_OperativeTemperature];
		for (size_t i = 0; i < operative.size(); ++i)
			operative[i] = 26.5 - 8.5 * std::cos(2 * M_PI * double(i) / 8760);
	}

	QImage											m_page = QImage(794, 1123, QImage::Format_ARGB32);
	RM::Database									m_db;
	std::unique_ptr<RM::CaldoryneModelInterface>	m_model;
	Report											m_report;
};

} // namespace


// *** Over-temperature verdict ***

TEST_F(ReportFramesTest, OverTemperatureRowsAndBoxForEachCombination) {
	setResults(8761, 20);
	outputs().m_overTemperatureHours = 350;
	outputs().m_overTemperatureHoursP2 = 120.4;
	outputs().m_overTemperatureHoursP4 = 10;
	outputs().m_din4108_2VerificationPassed = true;
	din().m_residential = false;
	for (int combination = 0; combination < 8; ++combination) {
		const bool active = combination & 1;
		const bool p2 = combination & 2;
		const bool p4 = combination & 4;
		SCOPED_TRACE(QString("active %1 P2 %2 P4 %3").arg(active).arg(p2).arg(p4).toStdString());
		din().m_active = active;
		ReportSettings::instance().m_overTemperatureHoursP2 = p2;
		ReportSettings::instance().m_overTemperatureHoursP4 = p4;
		ReportFrameResultsOverTemperature * f = frame<ReportFrameResultsOverTemperature>(9);
		ASSERT_EQ(f->tables().size(), 1u);
		QtExt::Table * t = f->tables()[0];
		const int rows = 3 + active + p2 + p4;
		const int boxed = 1 + p2 + p4;
		ASSERT_EQ(t->rowCount(), rows);
		ASSERT_EQ(t->columnCount(), 3);
		// the box around the last rows, a line below its first row when it holds more
		for (int r = 0; r < rows; ++r) {
			const bool inBox = r >= rows - boxed;
			EXPECT_EQ(t->cell(0, r).borderWidth(QtExt::TableCell::LeftBorder), inBox ? 1 : 0) << r;
			EXPECT_EQ(t->cell(2, r).borderWidth(QtExt::TableCell::RightBorder), inBox ? 1 : 0) << r;
		}
		EXPECT_EQ(t->cell(1, rows - boxed).borderWidth(QtExt::TableCell::TopBorder), 1);
		EXPECT_EQ(t->cell(1, rows - boxed).borderWidth(QtExt::TableCell::BottomBorder), 1);
		if (rows - boxed > 0) {
			EXPECT_EQ(t->cell(1, rows - boxed - 1).borderWidth(QtExt::TableCell::BottomBorder), 0);
		}

		const std::vector<QStringList> text = rowsOf(t);
		if (active) {
			EXPECT_EQ(text[0], (QStringList{ "Related to using hours", "3,000 h", "" }));
			EXPECT_EQ(text[3], (QStringList{ "Verification fullfilled.", QString::fromUtf8("350 ≤ 500 Kh/a"), "" }));
			int row = 4;
			if (p2) {
				EXPECT_EQ(text[size_t(row++)], (QStringList{ "Related to operative room temperature + 2K", "120 Kh/a", "" }));
			}
			if (p4) {
				EXPECT_EQ(text[size_t(row)], (QStringList{ "Related to operative room temperature + 4K", "10 Kh/a", "" }));
			}
		}
		else {
			// the climate region's reference temperature (region B), no verdict
			EXPECT_EQ(text[1], (QStringList{ "Related to operative room temperature", QString::fromUtf8("26 °C"), "(Region B)" }));
			EXPECT_EQ(text[2], (QStringList{ "Overtemperature hours", "0 Kh/a", "" }));
			int row = 3;
			if (p2) {
				EXPECT_EQ(text[size_t(row++)], (QStringList{ "Related to operative room temperature + 2K", "0 Kh/a", "" }));
			}
			if (p4) {
				EXPECT_EQ(text[size_t(row)], (QStringList{ "Related to operative room temperature + 4K", "0 Kh/a", "" }));
			}
			EXPECT_EQ(f->texts()[1], "<h3>Over-temperature hours</h3>");
		}
	}
}


TEST_F(ReportFramesTest, OverTemperatureRegionsAndVerdictTexts) {
	setResults(8761, 20);
	din().m_active = true;
	din().m_residential = true;
	struct Case {
		int			m_region;
		double		m_hours;
		bool		m_passed;
		const char *	m_referenceText;
		const char *	m_regionText;
		const char *	m_verdict;
		const char *	m_hoursText;
	};
	const Case cases[] = {
		{ 0, 850, true, "25 °C", "(Region A)", "Verification fullfilled.", "850 ≤ 1,200 Kh/a" },
		{ 1, 1250.7, false, "26 °C", "(Region B)", "Verification failed!", "1,251 > 1,200 Kh/a" },
		{ 2, 0, true, "27 °C", "(Region C)", "Verification fullfilled.", "0 ≤ 1,200 Kh/a" },
		// whole numbers would read "1,200 > 1,200" and "1,200 ≤ 1,200"
		{ 1, 1200.4, false, "26 °C", "(Region B)", "Verification failed!", "1,200.4 > 1,200 Kh/a" },
		{ 1, 1199.6, true, "26 °C", "(Region B)", "Verification fullfilled.", "1,199.6 ≤ 1,200 Kh/a" },
		{ 1, 1200, true, "26 °C", "(Region B)", "Verification fullfilled.", "1,200 ≤ 1,200 Kh/a" },
		// a region without letter
		{ 7, 10, true, "25 °C", "", "Verification fullfilled.", "10 ≤ 1,200 Kh/a" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_hoursText);
		din().m_climateRegion = c.m_region;
		outputs().m_overTemperatureHours = c.m_hours;
		outputs().m_din4108_2VerificationPassed = c.m_passed;
		const std::vector<QStringList> text = table<ReportFrameResultsOverTemperature>(9);
		ASSERT_EQ(text.size(), 4u);
		EXPECT_EQ(text[0][1], "8,760 h");
		EXPECT_EQ(text[1], (QStringList{ "Related to operative room temperature", QString::fromUtf8(c.m_referenceText),
										  c.m_regionText }));
		EXPECT_EQ(text[3][0], c.m_verdict);
		EXPECT_EQ(text[3][1], QString::fromUtf8(c.m_hoursText));
	}
	EXPECT_TRUE(frame<ReportFrameResultsOverTemperature>(9)->texts()[1].contains("residential building"));
}


/*! The limit of the assessment holds for a year: a run of three days (in winter: no degree
	hours) gives no verdict, only its degree hours; only a run of the whole year is judged. */
TEST_F(ReportFramesTest, OverTemperatureVerdictOnlyForAWholeYear) {
	din().m_active = true;
	din().m_residential = false;
	ReportSettings::instance().m_overTemperatureHoursP2 = true;
	outputs().m_overTemperatureHours = 0;
	outputs().m_overTemperatureHoursP2 = 0;
	outputs().m_din4108_2VerificationPassed = true;
	// without a verdict the using hours of the assessment are left out
	const QStringList usingHours{ "Related to using hours", "3,000 h", "" };
	const QStringList none{ "", "", "" };
	const struct { size_t m_outputs; const char * m_verdict; const char * m_hours; const char * m_p2; QStringList m_first; } cases[] = {
		{ 73, "No verification: the run covers 72 h, the assessment needs the 8,760 h of a year.", "0 Kh", "0 Kh", none },
		// the last hour missing
		{ 8760, "No verification: the run covers 8,759 h, the assessment needs the 8,760 h of a year.", "0 Kh", "0 Kh", none },
		{ 8761, "Verification fullfilled.", "0 ≤ 500 Kh/a", "0 Kh/a", usingHours },
		// two years: judged on the last year, which the verdict names
		{ 17521, "Verification fullfilled.\nLast year of the run of 17,520 h", "0 ≤ 500 Kh/a", "0 Kh/a", usingHours },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_outputs);
		setResults(c.m_outputs, 20);
		const std::vector<QStringList> text = table<ReportFrameResultsOverTemperature>(9);
		ASSERT_EQ(text.size(), 5u);
		EXPECT_EQ(text[0], c.m_first);
		EXPECT_EQ(text[3][0], c.m_verdict);
		EXPECT_EQ(text[3][1], QString::fromUtf8(c.m_hours));
		EXPECT_EQ(text[4][1], c.m_p2);
	}
	ReportSettings::instance().setDefaults();
}


// Without the assessment the table and the chart use one reference temperature, the climate
// region's: region A 25 C, B 26 C, C 27 C. Ten hourly steps at 28 C: 10 h x (28 - reference).
TEST_F(ReportFramesTest, InactiveAssessmentIntegratesDegreeHoursAboveTheRegionsReference) {
	typedef SCI::AbstractLineSeriesModel LM;
	din().m_active = false;
	setYear();
	setResults(11, 28);
	// ten hours are no year: degree hours of the run, not per year
	const struct { int region; const char * reference; const char * hours; const char * line; } cases[] = {
		{ 0, "25 °C", "30 Kh", "25C reference temperature" },
		{ 1, "26 °C", "20 Kh", "26C reference temperature" },
		{ 2, "27 °C", "10 Kh", "27C reference temperature" },
	};
	for (const auto & c : cases) {
		din().m_climateRegion = c.region;
		const std::vector<QStringList> text = table<ReportFrameResultsOverTemperature>(9);
		ASSERT_EQ(text.size(), 3u);
		EXPECT_EQ(text[1][1], QString::fromUtf8(c.reference)) << c.region;
		EXPECT_EQ(text[2][1], c.hours) << c.region;
		ReportFrameTemperaturePlot * chart = frame<ReportFrameTemperaturePlot>(10);
		EXPECT_EQ(chart->chartModel()->seriesData(0, LM::TitleText).toString(), c.line);
		EXPECT_DOUBLE_EQ(chart->chartModel()->yValues(0)[0], 25.0 + c.region);
	}
	// a ramp 25 -> 29 C over two steps of half an hour: means 25.5 (none) and 28 (2 K x 0.5 h)
	EXPECT_DOUBLE_EQ(ReportFrameResultsOverTemperature::degreeHoursAbove({ 0, 0.5/24, 1.0/24 }, { 25, 26, 30 }, 26), 1.0);
	EXPECT_DOUBLE_EQ(ReportFrameResultsOverTemperature::degreeHoursAbove({ 0 }, { 40 }, 26), 0.0);
}


/*! Without the assessment: a run of a year gives degree hours per year, any other run those
	of its hours, with the hours it covers (1 K above 26 C: 1 Kh per hour). */
TEST_F(ReportFramesTest, InactiveAssessmentGivesDegreeHoursPerYearOnlyForAYear) {
	din().m_active = false;
	din().m_climateRegion = 1;
	ReportSettings::instance().m_overTemperatureHoursP2 = true;
	const struct { size_t m_outputs; const char * m_first; const char * m_hours; const char * m_p2; } cases[] = {
		{ 73, "The run covers 72 h, not the 8,760 h of a year.", "72 Kh", "0 Kh" },
		{ 200*24 + 1, "The run covers 4,800 h, not the 8,760 h of a year.", "4,800 Kh", "0 Kh" },
		{ 8761, "", "8,760 Kh/a", "0 Kh/a" },
		{ 2*8760 + 1, "The run covers 17,520 h, not the 8,760 h of a year.", "17,520 Kh", "0 Kh" },
	};
	for (const auto & c : cases) {
		SCOPED_TRACE(c.m_outputs);
		setResults(c.m_outputs, 27);
		const std::vector<QStringList> text = table<ReportFrameResultsOverTemperature>(9);
		ASSERT_EQ(text.size(), 4u);
		EXPECT_EQ(text[0][0], c.m_first);
		EXPECT_EQ(text[2][1], c.m_hours);
		EXPECT_EQ(text[3][1], c.m_p2);
	}
	ReportSettings::instance().setDefaults();
}


TEST_F(ReportFramesTest, WithoutResultsVerdictAndChartSayNoResults) {
	din().m_active = true;
	outputs().m_overTemperatureHours = 0;
	outputs().m_din4108_2VerificationPassed = true;
	outputs().m_resultsPresent = false;
	ReportFrameResultsOverTemperature * verdict = frame<ReportFrameResultsOverTemperature>(9);
	EXPECT_TRUE(verdict->tables().empty());
	EXPECT_EQ(verdict->texts(), (QStringList{ "<h2>Results</h2>", "<normal>No simulation results available.</normal>" }));
	ReportFrameSectionBase * chart = frame<ReportFrameSectionBase>(10);
	EXPECT_EQ(chart->texts(), (QStringList{ "<h2>Temperatures</h2>", "<normal>No simulation results available.</normal>" }));
	EXPECT_GT(chart->frameRect().height(), 0);
}


// *** Project, room and climate ***

TEST_F(ReportFramesTest, ProjectInfoRowsForTheGivenTexts) {
	RM::ProjectInformation & info = room().m_projectInformation;
	EXPECT_EQ(table<ReportFrameProjectInfo>(2).size(), 2u);
	info.m_projectName = "<b>&";
	info.m_company = "Bau & Co";
	std::vector<QStringList> rows = table<ReportFrameProjectInfo>(2);
	ASSERT_EQ(rows.size(), 4u);
	EXPECT_EQ(rows[2], (QStringList{ "Project:", "<b>&" }));
	EXPECT_EQ(rows[3], (QStringList{ "Company:", "Bau & Co" }));
	info.m_constructionID = "V2";
	info.m_userName = "Ann";
	din().m_active = true;
	rows = table<ReportFrameProjectInfo>(2);
	ASSERT_EQ(rows.size(), 6u);
	EXPECT_EQ(rows[0][0], "Thermal simulation for heat protection in summertime according DIN 4108-2 8.4");
	EXPECT_EQ(rows[3], (QStringList{ "Variant:", "V2" }));
	EXPECT_EQ(rows[4], (QStringList{ "User:", "Ann" }));
}


TEST_F(ReportFramesTest, RoomDataRowsAndFieldWidth) {
	room().m_area = 1234.5;
	room().m_height = 3;
	room().m_additionalMass = 0;
	din().m_residential = false;
	EXPECT_EQ(ReportFrameRoomData::numberFieldWidth(room()), 7);
	ReportFrameRoomData * f = frame<ReportFrameRoomData>(3);
	QtExt::Table * t = f->tables().at(0);
	ASSERT_EQ(t->rowCount(), 4);
	// numbers right-aligned in a field of 7
	EXPECT_EQ(t->cell(1, 0).text(), "1,234.50 ");
	EXPECT_EQ(t->cell(1, 1).text(), "   3.00 ");
	EXPECT_EQ(t->cell(1, 2).text(), "3,703.50 ");
	EXPECT_EQ(plain(t->cell(1, 3).text()), "Non-residential building");

	room().m_area = 20;
	room().m_additionalMass = 500;
	room().m_additionalMassHeatCapacity = 1000;
	din().m_residential = true;
	const std::vector<QStringList> rows = table<ReportFrameRoomData>(3);
	ASSERT_EQ(rows.size(), 6u);
	EXPECT_EQ(rows[3][1], "500.00 kg");
	EXPECT_EQ(rows[4][1], "1,000.00 J/kgK");
	EXPECT_EQ(rows[5][1], "Residential building");
}


TEST_F(ReportFramesTest, ClimateRowsByRegionWithEscapedTexts) {
	room().m_projectInformation.m_location = "Potsdam <Telegrafenberg>";
	room().m_climateDataPath = "user/a&b.epw";
	room().m_albedo = 0.2;
	const char * const regions[] = { "A (TRY 2011 Zone 2)", "B (TRY 2011 Zone 4)", "C (TRY 2011 Zone 12)", "Other region" };
	for (int region = 0; region < 4; ++region) {
		din().m_climateRegion = region;
		const std::vector<QStringList> rows = table<ReportFrameClimate>(4);
		ASSERT_EQ(rows.size(), region == 3 ? 4u : 3u);
		EXPECT_EQ(rows[0][1], "Potsdam <Telegrafenberg>");
		EXPECT_EQ(rows[1][1], regions[region]);
		if (region == 3) {
			EXPECT_EQ(rows[2], (QStringList{ "Climate Data:", "user/a&b.epw" }));
		}
		EXPECT_EQ(rows.back(), (QStringList{ "Albedo:", "0.20" }));
	}
}


// *** Components and constructions ***

class ReportComponentFramesTest : public ReportFramesTest {
protected:
	void SetUp() override {
		ReportFramesTest::SetUp();
		addMaterial(1, "Plaster", 0.7, 1400, 1000);
		addMaterial(2, "Brick <old>", 0.175, 1200.5, 850);
		RM::ConstructionType wall;
		wall.setName("en", "Outer wall & more");
		wall.m_materialIds = { 2, 1 };
		wall.m_d = { 0.175, 0.015 };
		m_db.addConstructionType(wall, 5);
		RM::ConstructionType slab;
		slab.setName("en", "Slab");
		slab.m_materialIds = { 1 };
		slab.m_d = { 0.2 };
		m_db.addConstructionType(slab, 6);
		RM::WindowType window;
		window.setName("en", "Double glazing");
		window.m_g = 0.6;
		window.m_f = 0.7;
		window.m_U = 1.3;
		m_db.addWindowType(window, 3);
		RM::ShadingType blind("en:Blind", 0.25);
		m_db.addShadingType(blind, 4);

		std::vector<RC> & s = room().m_constructions;
		s.push_back(surface(RC::Inside, 6, 12));				// 0
		s.push_back(surface(RC::Outside, 5, 10, 2.5, 3));		// 1: window with shading
		s.back().m_orientation = 180;
		s.back().m_inclination = 90;
		s.back().m_shadingTypeId = 4;
		s.back().m_ad = 0.6;
		s.back().m_R_ui = 0.13;
		s.back().m_R_ue = 0.04;
		s.push_back(surface(RC::Outside, 6, 20));				// 2: flat roof
		s.back().m_orientation = 90;
		s.back().m_inclination = 0;
		s.push_back(surface(RC::FixedTemperature, 6, 8, 1));	// 3
		s.back().m_zoneT = 291.15;
		s.back().m_R_ui = 0.13;
		s.push_back(surface(RC::Outside, 5, 6, 1, 3));			// 4: window without shading
		s.back().m_inclination = 90;
		s.back().m_orientation = 270;
		// the model's wall list holds other surfaces than the room: IDs come from the room
		m_model->m_constructions.push_back(s[2]);
	}

	void addMaterial(unsigned int id, const QString & name, double lambda, double rho, double cT) {
		RM::Material m;
		m.setName("en", name);
		m.m_lambda = lambda;
		m.m_rho = rho;
		m.m_cT = cT;
		m_db.addMaterial(m, id);
	}
};


TEST_F(ReportComponentFramesTest, OuterComponentsListOutsideSurfacesByRoomIndex) {
	const std::vector<QStringList> rows = table<ReportFrameExteriorComponents>(5, 0, 0);
	ASSERT_EQ(rows.size(), 5u);
	EXPECT_EQ(rows[0][0], "ID");
	EXPECT_EQ(rows[1][2], QString::fromUtf8("m2"));
	// total area with the window; a flat roof has no orientation
	EXPECT_EQ(rows[2], (QStringList{ "1", "Outer wall & more [ID 5]", "12.50", "180", "90", "0.60", "0.130", "0.040" }));
	EXPECT_EQ(rows[3].mid(0, 5), (QStringList{ "2", "Slab [ID 6]", "20.00", "-", "0" }));
	EXPECT_EQ(rows[4].mid(0, 4), (QStringList{ "4", "Outer wall & more [ID 5]", "7.00", "270" }));
}


TEST_F(ReportComponentFramesTest, FixedTemperatureInnerAndWindowTables) {
	std::vector<QStringList> rows = table<ReportFrameFixedTemperatureComponents>(5, 0, 1);
	ASSERT_EQ(rows.size(), 3u);
	// U = 1/(0.13 + 0.2/0.7 + 0.13)
	EXPECT_EQ(rows[2], (QStringList{ "3", "Slab [ID 6]", "9.00", "18.0", "0.130",
									  QString::number(1/(0.26 + 0.2/0.7), 'f', 3) }));
	rows = table<ReportFrameInteriorComponents>(5, 0, 2);
	ASSERT_EQ(rows.size(), 3u);
	EXPECT_EQ(rows[2].mid(0, 3), (QStringList{ "0", "Slab [ID 6]", "12.00" }));

	rows = table<ReportFrameWindows>(5, 0, 3);
	ASSERT_EQ(rows.size(), 4u);
	EXPECT_EQ(rows[2], (QStringList{ "3", "Double glazing", "1", "2.50", "0.60", "0.70", "0.25", "1.300" }));
	EXPECT_EQ(rows[3], (QStringList{ "3", "Double glazing", "4", "1.00", "0.60", "0.70", "No", "1.300" }));
	const QString legend = frame<ReportFrameWindows>(5, 3)->texts().back();
	EXPECT_TRUE(legend.contains("A - window area<br>"));
	EXPECT_FALSE(legend.contains("A - total wall area"));
}


TEST_F(ReportComponentFramesTest, NoneRowsWithoutSurfaces) {
	room().m_constructions.clear();
	const struct {
		size_t		m_frame;
		const char *	m_text;
	} cases[] = { { 0, "No outer walls" }, { 1, "No components" }, { 2, "No inner components" }, { 3, "No windows" } };
	for (const auto & c : cases) {
		m_report.setData(m_model.get(), &m_db);
		ReportFrameSectionBase * f = dynamic_cast<ReportFrameSectionBase *>(m_report.frames(5).at(c.m_frame));
		f->update(&m_page, 600);
		const std::vector<QStringList> rows = rowsOf(f->tables().at(0));
		ASSERT_EQ(rows.size(), 3u);
		EXPECT_EQ(rows[2][0], c.m_text);
		EXPECT_EQ(f->tables()[0]->spanIndex(f->tables()[0]->columnCount() - 1, 2), f->tables()[0]->spanIndex(0, 2));
	}
}


TEST_F(ReportComponentFramesTest, ConstructionLayersInMillimetres) {
	m_model->m_constructions = { room().m_constructions[1], room().m_constructions[2] };
	const std::vector<QStringList> rows = table<ReportFrameConstruction>(6, 0, 0);
	ASSERT_EQ(rows.size(), 4u);
	EXPECT_EQ(rows[2], (QStringList{ "2", "Brick <old>", "175.00", "0.175", "1,200.5", "850" }));
	EXPECT_EQ(rows[3], (QStringList{ "1", "Plaster", "15.00", "0.700", "1,400.0", "1,000" }));
	ReportFrameConstruction * first = frame<ReportFrameConstruction>(6, 0);
	EXPECT_EQ(first->texts().size(), 3u);
	EXPECT_EQ(plain(first->texts().back()), "Outer wall & more [5]");
	// the heading and the symbols only once
	EXPECT_EQ(frame<ReportFrameConstruction>(6, 1)->texts(), (QStringList{ "<h3>Slab [6]</h3>" }));
}


TEST_F(ReportComponentFramesTest, ItemsRemovedAfterTheRunPrintDashesAndBareIds) {
	m_model->m_constructions = { room().m_constructions[1], room().m_constructions[2] };
	{
		// pointers resolved into a database that is gone: never followed
		RM::Database gone;
		ReportTest::addConstructionTypes(gone, { 5 });
		for (RC & rc : room().m_constructions)
			rc.m_constructionType = gone.constructionType(5);
	}
	// removed from the database after the run
	m_db.m_materials.erase(2);
	m_db.m_constructions.erase(6);
	m_db.m_windows.erase(3);
	m_db.m_shadingTypes.erase(4);

	std::vector<QStringList> rows = table<ReportFrameExteriorComponents>(5, 0, 0);
	EXPECT_EQ(rows[3][1], "6");
	rows = table<ReportFrameFixedTemperatureComponents>(5, 0, 1);
	EXPECT_EQ(rows[2][1], "6");
	EXPECT_EQ(rows[2][5], "-");
	rows = table<ReportFrameInteriorComponents>(5, 0, 2);
	EXPECT_EQ(rows[2][5], "-");
	rows = table<ReportFrameWindows>(5, 0, 3);
	EXPECT_EQ(rows[2], (QStringList{ "3", "3", "1", "2.50", "-", "-", "-", "-" }));
	// a missing material: its id as name, no values
	rows = table<ReportFrameConstruction>(6, 0, 0);
	EXPECT_EQ(rows[2], (QStringList{ "2", "2", "175.00", "-", "-", "-" }));
	// a missing construction type: no layers
	rows = table<ReportFrameConstruction>(6, 0, 1);
	EXPECT_EQ(rows[2][0], "No layers");
	EXPECT_EQ(plain(frame<ReportFrameConstruction>(6, 1)->texts().back()), "6 [6]");
}


// *** DIN 4108-2 boundary conditions ***

TEST_F(ReportFramesTest, VentilationTables) {
	din().m_active = true;
	room().m_height = 2.5;
	din().m_residential = true;
	din().m_enhancedDayVentilation = false;
	din().m_enhancedNightVentilation = false;
	std::vector<QStringList> rows = table<ReportFrameVentilation>(7, 0);
	ASSERT_EQ(rows.size(), 1u);
	EXPECT_EQ(rows[0][0], "Whole time");
	EXPECT_EQ(frame<ReportFrameVentilation>(7)->tables()[0]->cell(1, 0).text(), " 0.50 h<sup>-1</sup>");

	din().m_residential = false;
	rows = table<ReportFrameVentilation>(7, 0);
	ASSERT_EQ(rows.size(), 2u);
	// 4 m/h over 2.5 m
	EXPECT_EQ(rows[0], (QStringList{ "Usage time (07:00 - 18:00)", "1.60 h-1" }));
	EXPECT_EQ(rows[1], (QStringList{ "Outside usage time", "0.24 h-1" }));
	EXPECT_EQ(table<ReportFrameVentilation>(7, 1), (std::vector<QStringList>{ { "No enhanced day ventilation set", "" } }));
	EXPECT_EQ(table<ReportFrameVentilation>(7, 2), (std::vector<QStringList>{ { "No enhanced night ventilation set", "" } }));
	room().m_height = 0;
	EXPECT_EQ(table<ReportFrameVentilation>(7, 0)[0][1], "-");

	din().m_enhancedDayVentilation = true;
	din().setEnhancedDayVentilationValue(3.0/3600);
	din().m_enhancedDayVentilationExplanation = "Windows <open> & tilted";
	rows = table<ReportFrameVentilation>(7, 1);
	ASSERT_EQ(rows.size(), 2u);
	EXPECT_EQ(rows[0], (QStringList{ "During time of residence (07:00 - 18:00)", "3.00 h-1" }));
	EXPECT_EQ(rows[1][0], "Windows <open> & tilted");

	din().m_enhancedNightVentilation = true;
	const char * const kinds[] = { "Only window ventilation", "Ventilation across floors", "Mechanical ventilation system", "" };
	for (int kind = 0; kind < 4; ++kind) {
		din().m_ventilationType = kind;
		din().m_enhancedNightVentilationValue = 2.0/3600;
		rows = table<ReportFrameVentilation>(7, 2);
		ASSERT_EQ(rows.size(), 2u);
		EXPECT_EQ(rows[0][0], kinds[kind]);
		EXPECT_EQ(rows[1], (QStringList{ "Outside time of residence (18:00 - 07:00)", "2.00 h-1" }));
	}
}


TEST_F(ReportFramesTest, InnerLoadsHeatingAndShading) {
	din().m_active = true;
	for (bool residential : { true, false }) {
		din().m_residential = residential;
		const std::vector<QStringList> loads = table<ReportFrameInnerLoadsHeating>(8, 0);
		EXPECT_EQ(loads[0][1], residential ? "100 Wh/(m2d)" : "144 Wh/(m2d)");
		EXPECT_EQ(frame<ReportFrameInnerLoadsHeating>(8)->tables()[0]->cell(1, 1).text(),
				  residential ? "daily 0:00 - 24:00 h" : "Mo. - Fr.  7:00 - 18:00 h");
		EXPECT_EQ(table<ReportFrameInnerLoadsHeating>(8, 1)[0][1], QString::fromUtf8(residential ? "20.0 °C" : "21.0 °C"));
	}

	din().m_shadingControlExplanation = "Blinds <outside>";
	struct Case {
		int				m_type;
		bool			m_residential;
		std::vector<QStringList>	m_rows;
	};
	const Case cases[] = {
		{ 0, true, { { "Full shading:", "always" }, { "Blinds <outside>", "" } } },
		{ 0, false, { { "Full shading:", "weekdays (Mo. - Fr.)" }, { "Blinds <outside>", "" } } },
		{ 1, true, { { "No shading system", "" }, { "Blinds <outside>", "" } } },
		{ 2, true, { { "Automated shading system", "" }, { "Global radiation > 200 W/m2", "For orientation N. NO and NW" },
					 { "Global radiation > 300 W/m2", "For all other orientations" }, { "Blinds <outside>", "" } } },
		{ 2, false, { { "Automated shading system", "" }, { "Global radiation > 150 W/m2", "For orientation N. NO and NW" },
					  { "Global radiation > 200 W/m2", "For all other orientations" }, { "Blinds <outside>", "" } } },
		{ 3, true, { { "User defined shading system", "" }, { "Blinds <outside>", "" } } },
	};
	for (const Case & c : cases) {
		din().m_shadingControlType = c.m_type;
		din().m_residential = c.m_residential;
		EXPECT_EQ(table<ReportFrameShading>(12), c.m_rows) << c.m_type;
	}
}


// Without the assessment the run used the project's own models: the sections describe them
// (kind and main values, a schedule by its range) and print none of the standard's values.
TEST_F(ReportFramesTest, InactiveAssessmentDescribesTheProjectsOwnModels) {
	din().m_active = false;
	din().m_residential = false;
	RM::Room & r = room();
	r.m_naturalVentilationModel.m_modelType = RM::NaturalVentilationModel::NONE;
	r.m_mechanicalVentilationModel.m_modelType = RM::MechanicalVentilationModel::NONE;
	r.m_userLoads.m_equipmentLoad.m_type = RM::Schedule::CONSTANT;
	r.m_userLoads.m_equipmentLoad.m_constantValue = 0;
	r.m_userLoads.m_occupancy.m_type = RM::Schedule::CONSTANT;
	r.m_userLoads.m_occupancy.m_constantValue = 0;
	r.m_heatingModel.m_modelType = RM::HeatingModel::NONE;
	r.m_shadingControlModel.m_modelType = RM::ShadingControlModel::CONSTANT;
	EXPECT_EQ(table<ReportFrameVentilation>(7), (std::vector<QStringList>{ { "Natural ventilation:", "none" },
																		 { "Mechanical ventilation:", "none" } }));
	EXPECT_EQ(frame<ReportFrameVentilation>(7)->tables().size(), 1u);
	EXPECT_EQ(table<ReportFrameInnerLoadsHeating>(8, 0), (std::vector<QStringList>{ { "Equipment:", "0.0 W/m2" },
		{ "Occupancy:", "0.0 persons" }, { "Heat gain per person:", "80 W" } }));
	EXPECT_EQ(table<ReportFrameInnerLoadsHeating>(8, 1), (std::vector<QStringList>{ { "Heating:", "none" } }));
	EXPECT_EQ(table<ReportFrameShading>(12), (std::vector<QStringList>{ { "Shading:", "always closed (shading value z of each window)" } }));

	// schedules by their range over the year: a working-day profile of 0.5 and 1.2 per hour
	r.m_naturalVentilationModel.m_modelType = RM::NaturalVentilationModel::SIMPLE;
	r.m_naturalVentilationModel.m_airChangeRates.m_type = RM::Schedule::DAILY_WEEK;
	r.m_mechanicalVentilationModel.m_modelType = RM::MechanicalVentilationModel::MECHANICAL_VENTILATION;
	r.m_mechanicalVentilationModel.m_ventilationRates.m_constantValue = 60;
	r.m_mechanicalVentilationModel.m_heatRecoveryEfficiency = 0.75;
	EXPECT_EQ(table<ReportFrameVentilation>(7), (std::vector<QStringList>{
		{ "Natural ventilation:", "Air change rate by schedule" }, { "Air change rate:", "schedule, 0.50 to 1.20 h-1" },
		{ "Mechanical ventilation:", "Supply and exhaust air with heat recovery" }, { "Air flow:", "60.0 m3/h" },
		{ "Heat recovery efficiency:", "75 %" } }));
	// the default heating set points: 8 C in summer, 16 and 20 C
	r.m_heatingModel.m_modelType = RM::HeatingModel::SIMPLE;
	r.m_heatingModel.m_setPoints.m_type = RM::Schedule::DAILY_SEASONAL;
	r.m_heatingModel.m_maxPower = 1500;
	EXPECT_EQ(table<ReportFrameInnerLoadsHeating>(8, 1), (std::vector<QStringList>{
		{ "Heating:", "Ideal heating up to a maximum power" },
		{ "Room temperature setpoint for heating:", QString::fromUtf8("schedule, 8.0 to 20.0 °C") },
		{ "Maximum heating power:", "1,500 W" } }));
	r.m_shadingControlModel.m_modelType = RM::ShadingControlModel::INTENSITY_CONTROLLED;
	r.m_shadingControlModel.m_maxRadiationIntensitySouth = 180;
	const std::vector<QStringList> shading = table<ReportFrameShading>(12);
	ASSERT_EQ(shading.size(), 6u);
	EXPECT_EQ(shading[4], (QStringList{ "South:", "180 W/m2" }));

	// none of the standard's boundary conditions
	for (int section : { 7, 8, 12 }) {
		QString all;
		for (const QStringList & row : section == 8 ? table<ReportFrameInnerLoadsHeating>(8, 0) :
			 section == 7 ? table<ReportFrameVentilation>(7) : table<ReportFrameShading>(12))
			all += row.join(' ');
		for (const char * standard : { "144 Wh", "100 Wh", "0.24 h-1", "Usage time", "Automated shading system" })
			EXPECT_FALSE(all.contains(standard)) << section << " " << standard;
	}
}


// A cooling model that ran capped the temperatures the results show: the report describes it
// beside the heating. The assessment's rules never cool; there the heating's maximum power is
// the user's.
TEST_F(ReportFramesTest, CoolingThatRanIsDescribedAndTheAssessmentsHeatingPowerPrinted) {
	din().m_active = false;
	RM::Room & r = room();
	r.m_heatingModel.m_modelType = RM::HeatingModel::NONE;
	RM::CoolingModel & cooling = r.m_coolingModel;
	cooling.m_modelType = RM::CoolingModel::NONE;
	ReportFrameInnerLoadsHeating * f = frame<ReportFrameInnerLoadsHeating>(8);
	EXPECT_EQ(f->tables().size(), 2u);
	EXPECT_FALSE(f->texts().join(' ').contains("Cooling"));

	// a split unit at 26 C on weekdays (30 C else), 1500 W
	cooling.m_modelType = RM::CoolingModel::SIMPLE;
	cooling.m_maxPower = 1500;
	cooling.m_maxPowerCurve = BVX::LinearSpline();
	cooling.m_setPoints.m_type = RM::Schedule::DAILY_WEEK;
	std::fill(cooling.m_setPoints.m_weekDaySchedule.begin(), cooling.m_setPoints.m_weekDaySchedule.end(), 26.0);
	std::fill(cooling.m_setPoints.m_weekEndSchedule.begin(), cooling.m_setPoints.m_weekEndSchedule.end(), 30.0);
	cooling.m_humiditySetPoints.m_type = RM::Schedule::CONSTANT;
	cooling.m_humiditySetPoints.m_constantValue = 60;
	for (bool moisture : { false, true }) {
		SCOPED_TRACE(moisture);
		r.m_moistureBalanceEnabled = moisture;
		f = frame<ReportFrameInnerLoadsHeating>(8);
		ASSERT_EQ(f->tables().size(), 3u);
		EXPECT_TRUE(f->texts().join(' ').contains("Cooling"));
		std::vector<QStringList> rows = { { "Cooling:", "Ideal cooling up to a maximum power" },
			{ "Room temperature setpoint for cooling:", QString::fromUtf8("schedule, 26.0 to 30.0 °C") },
			{ "Maximum cooling power:", "1,500 W" } };
		if (moisture)
			rows.push_back({ "Relative humidity setpoint for dehumidification:", "60 %" });
		EXPECT_EQ(table<ReportFrameInnerLoadsHeating>(8, 2), rows);
	}

	// under the assessment: no cooling, the heating up to the user's power
	din().m_active = true;
	din().m_residential = false;
	din().m_maximumHeatingPower = 2500;
	f = frame<ReportFrameInnerLoadsHeating>(8);
	EXPECT_EQ(f->tables().size(), 2u);
	EXPECT_EQ(table<ReportFrameInnerLoadsHeating>(8, 1), (std::vector<QStringList>{
		{ "Room temperature setpoint for heating:", QString::fromUtf8("21.0 °C") },
		{ "Maximum heating power:", "2,500 W" } }));
}


// *** Temperature chart ***

TEST_F(ReportFramesTest, TemperatureChartSeriesRangeAndSize) {
	typedef SCI::AbstractCartesianChartModel AM;
	setYear();
	ReportFrameTemperaturePlot * f = frame<ReportFrameTemperaturePlot>(10);
	SCI::LineSeriesContentModel * m = f->chartModel();
	ASSERT_EQ(m->seriesCount(), 3);
	EXPECT_EQ(m->seriesData(0, SCI::AbstractLineSeriesModel::TitleText).toString(), "26C reference temperature");
	EXPECT_EQ(m->seriesData(1, SCI::AbstractLineSeriesModel::ValueCount).toInt(), 8761);
	EXPECT_EQ(m->seriesData(2, SCI::AbstractLineSeriesModel::ValueCount).toInt(), 8760);
	// all values within -20..60: the axis spans -22..66
	EXPECT_DOUBLE_EQ(m->axisData(AM::LeftYAxis, AM::Minimum).toDouble(), -22);
	EXPECT_DOUBLE_EQ(m->axisData(AM::LeftYAxis, AM::Maximum).toDouble(), 66);
	EXPECT_EQ(f->chart()->size(), QSize(600, 300));
	EXPECT_EQ(f->chartRect(), QRectF(0, 0, 600, 300));
	EXPECT_GT(f->frameRect().height(), 300);
	// hour 1416 ends on 1 March 00:00 in a year without 29 February
	const QDateTime march = QDateTime::fromMSecsSinceEpoch(qint64(m->xValues(2)[1415]));
	EXPECT_EQ(march.date(), QDate(2001, 3, 1));
	EXPECT_EQ(march.time(), QTime(0, 0));
	// the operative curve at the run's days
	EXPECT_EQ(qint64(m->xValues(1)[24] - m->xValues(1)[0]), 86400000);
	EXPECT_DOUBLE_EQ(m->yValues(1)[100], outputs().m_roomStateSeries[OM::RS_OperativeTemperature][100]);

	// a colder climate widens the range by a tenth
	m_model->m_climate.m_solarRadiationModel.m_climateDataLoader.m_data[ClimateDataLoader::Temperature][5] = -30;
	f = frame<ReportFrameTemperaturePlot>(10);
	EXPECT_DOUBLE_EQ(m->axisData(AM::LeftYAxis, AM::Minimum).toDouble(), -33);
}


TEST_F(ReportFramesTest, TemperatureChartWithoutYearOfClimateKeepsItsSize) {
	setYear(8759);
	ReportTest::MessageRecorder warnings(BVX::MSG_WARNING);
	// before any successful layout the frame takes no room
	ReportFrameTemperaturePlot * f = frame<ReportFrameTemperaturePlot>(10);
	EXPECT_EQ(f->frameRect().height(), 0);
	ASSERT_EQ(warnings.m_messages.size(), 1u);
	EXPECT_EQ(warnings.m_messages[0].m_text, "Missing temperature climate data.\n");
	EXPECT_EQ(warnings.m_messages[0].m_functionID, "[ReportFrameTemperaturePlot::update]");

	setYear(8760);
	f = frame<ReportFrameTemperaturePlot>(10);
	const QRectF laidOut = f->frameRect();
	ASSERT_GT(laidOut.height(), 300);
	setYear(8759);
	f->update(&m_page, 400);
	EXPECT_EQ(f->frameRect(), laidOut);
	EXPECT_EQ(f->chart()->size(), QSize(600, 300));
}


TEST_F(ReportFramesTest, PdfShowsReferenceLineInRedAndTextsAsTyped) {
	setYear();
	din().m_active = true;
	room().m_projectInformation.m_projectName = "<b>&";
	din().m_residential = true;
	// passed: no red verdict text on the pages
	outputs().m_overTemperatureHours = 1199.6;
	outputs().m_din4108_2VerificationPassed = true;
	QTemporaryDir dir;
	const QString pdf = dir.filePath("report.pdf");
	{
		ReportPreview preview(m_model.get(), &m_db);
		ASSERT_TRUE(preview.writePdf(pdf));
	}
	const QString text = ReportTest::pdfText(pdf);
	EXPECT_TRUE(text.contains(QRegularExpression("Project:\\s+<b>&")));
	EXPECT_TRUE(text.contains(QString::fromUtf8("1,199.6 ≤ 1,200 Kh/a")));
	EXPECT_TRUE(text.contains("Verification fullfilled."));
	EXPECT_TRUE(text.contains("Operative indoor temperature"));

	// pages rendered without smoothing: the 25 C line keeps its pure red
	ReportTest::runTool(PDFTOPPM_EXECUTABLE, { "-r", "100", "-aa", "no", "-aaVector", "no", "-png", pdf, dir.filePath("page") });
	int red = 0;
	for (const QFileInfo & info : QDir(dir.path()).entryInfoList({ "page*.png" }, QDir::Files)) {
		const QImage img(info.filePath());
		for (int y = 0; y < img.height(); ++y)
			for (int x = 0; x < img.width(); ++x)
				red += img.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
	}
	EXPECT_GT(red, 100);
}
