#include <BVX_Unit.h>

#include <CLM_ClimateDataLoader.h>

#include "CLM_TestHelpers.h"

namespace {

const double YEAR = 31536000;

struct SeriesResult {
	int							m_code = -1;
	std::vector<double>			m_timePoints;
	std::vector<double>			m_values;
	std::string					m_comment;
	std::string					m_quantity;
	int							m_unitId = -1;
	std::string					m_errorLine;
};

} // namespace


class CcdReader : public ClimateTempDir {
protected:
	SeriesResult read(const std::string & content) {
		SeriesResult r;
		r.m_code = ClimateDataLoader::readCCDFile(writeFile("series.ccd", content), r.m_timePoints, r.m_values,
												   r.m_comment, r.m_quantity, r.m_unitId, r.m_errorLine);
		return r;
	}
};

TEST_F(CcdReader, ReadsCommentHeaderAndData) {
	SeriesResult r = read("# Station A\n#   \n\n \t\r\nTemperature C extra words\n"
						  "# data follow\n"
						  "1 00:00:00 4.0\n"
						  "0 25:00:00 1\n"          // no range check on the hour: 90,000 s
						  "\n"
						  "2 1 0 0 5.3 # remark\n"   // ':' and blanks are the same
						  "3 00:00:01 -2e1\r\n");
	EXPECT_EQ(r.m_code, 0);
	EXPECT_EQ(r.m_comment, "Station A\n");
	EXPECT_EQ(r.m_quantity, "Temperature");
	EXPECT_EQ(r.m_unitId, static_cast<int>(BVX::Unit("C").id()));
	EXPECT_EQ(r.m_timePoints, (std::vector<double>{ 86400, 90000, 176400, 259201 }));
	EXPECT_EQ(r.m_values, (std::vector<double>{ 4, 1, 5.3, -20 }));
}

TEST_F(CcdReader, FileWithoutHeaderIsEmpty) {
	SeriesResult r = read("# only a comment\n\n");
	EXPECT_EQ(r.m_code, 0);
	EXPECT_TRUE(r.m_timePoints.empty());
	EXPECT_EQ(r.m_quantity, "");
}

TEST_F(CcdReader, ReportsErrorsWithLineNumberAndText) {
	struct Case { const char * m_content; int m_code; const char * m_errorLine; } cases[] = {
		{ "Temperature\n0 01:00:00 1\n", 2, "#  1: Temperature" },
		{ "#c\nTemperature Celsius\n", 2, "#  2: Temperature Celsius" },
		{ "T C\n0 01:00:00 1\n0 01:00:00 2\n", 3, "#  3: 0 01:00:00 2" },
		{ "T C\n0 02:00:00 1\n0 01:00:00 2\n", 3, "#  3: 0 01:00:00 2" },
		{ "T C\n0 01:00:00 1 7\n", 4, "#  2: 0 01:00:00 1 7" },
		{ "T C\n0 01:00 1\n", 4, "#  2: 0 01:00 1" },
		{ "T C\n1.5 01:00:00 1\n", 4, "#  2: 1.5 01:00:00 1" },
		{ "T C\n0 01:00:00 x\n", 4, "#  2: 0 01:00:00 x" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_content);
		SeriesResult r = read(c.m_content);
		EXPECT_EQ(r.m_code, c.m_code);
		EXPECT_EQ(r.m_errorLine, c.m_errorLine);
	}
	std::vector<double> tp, v;
	std::string comment, quantity, errorLine;
	int unitId = 0;
	EXPECT_EQ(ClimateDataLoader::readCCDFile(path("missing.ccd"), tp, v, comment, quantity, unitId, errorLine), 1);
}


class CsvSeriesReader : public ClimateTempDir {
protected:
	SeriesResult read(const std::string & content) {
		SeriesResult r;
		r.m_errorLine = "untouched";
		r.m_code = ClimateDataLoader::readCSVTimeSeries(writeFile("series.csv", content), r.m_timePoints, r.m_values,
														 r.m_quantity, r.m_unitId, r.m_errorLine);
		return r;
	}
};

TEST_F(CsvSeriesReader, ConvertsTimeToSecondsAndKeepsValueUnit) {
	SeriesResult r = read("Time [h]\tAir temperature [C]\n1\t20\n2.5\t-3\n");
	EXPECT_EQ(r.m_code, 0);
	EXPECT_EQ(r.m_timePoints, (std::vector<double>{ 3600, 9000 }));
	EXPECT_EQ(r.m_values, (std::vector<double>{ 20, -3 }));
	EXPECT_EQ(r.m_quantity, "Air temperature");
	EXPECT_EQ(r.m_unitId, static_cast<int>(BVX::Unit("C").id()));
}

TEST_F(CsvSeriesReader, ReportsBadCaptionsAndFiles) {
	RecordingHandler handler; // keeps the reader's error messages off the console
	struct Case { const char * m_content; int m_code; const char * m_errorLine; } cases[] = {
		{ "Time [h]\tA [C]\tB [C]\n1\t2\t3\n", 2, "" },
		{ "Time\tA [C]\n1\t2\n", 2, "" },
		{ "Time ]h[\tA [C]\n1\t2\n", 2, "" },
		{ "Time [hours]\tA [C]\n1\t2\n", 2, "Time [hours]" },
		{ "Length [m]\tA [C]\n1\t2\n", 2, "Length [m]" },		// not a time unit
		{ "Time [h]\tA\n1\t2\n", 2, "" },
		{ "Time [h]\tA [deg C]\n1\t2\n", 2, "A [deg C]" },
		{ "Time [h]\tA [C]\n1\tx\n", 4, "untouched" },
		{ "Time [h]\tA [C]\n1\t2\n3\n", 4, "untouched" },
		// the table reader's NaN marker and values that overflow once converted to seconds
		{ "Time [h]\tA [C]\n1\t2\n2\t1.#QNAN\n", 4, "#3: value is not a finite number" },
		{ "Time [h]\tA [C]\n1e308\t2\n", 4, "#2: value is not a finite number" },
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_content);
		SeriesResult r = read(c.m_content);
		EXPECT_EQ(r.m_code, c.m_code);
		EXPECT_EQ(r.m_errorLine, c.m_errorLine);
	}
	std::vector<double> tp, v;
	std::string quantity, errorLine;
	int unitId = 0;
	EXPECT_EQ(ClimateDataLoader::readCSVTimeSeries(path("missing.csv"), tp, v, quantity, unitId, errorLine), 1);
}


TEST(CcdErrorMessage, GivesTheTextOfEachCode) {
	EXPECT_EQ(ClimateDataLoader::ccdErrorMessage(1, "a.ccd", "x"), "Cannot open file 'a.ccd'.");
	EXPECT_EQ(ClimateDataLoader::ccdErrorMessage(2, "a.ccd", "#  1: T"), "Bad header format in line #  1: T");
	EXPECT_EQ(ClimateDataLoader::ccdErrorMessage(3, "a.ccd", "#  4: l"),
			  "Invalid time point (non monotonic increasing or duplicate time point in line #  4: l");
	EXPECT_EQ(ClimateDataLoader::ccdErrorMessage(4, "a.ccd", "#  5: l"), "Invalid format of line #  5: l");
	EXPECT_EQ(ClimateDataLoader::ccdErrorMessage(7, "a.ccd", "#  6: l"),
			  "Unknown error in line #  6: l\n(VEZ developers should add error text here!)");
}


TEST(CyclicData, ChecksTimePointsForYearlyRepetition) {
	struct Case { std::vector<double> m_tp; const char * m_message; } cases[] = {
		{ {}, "Missing data, at least two time points are required." },
		{ { 5 }, "Missing data, at least two time points are required." },
		{ { 0, YEAR }, "Must not have time point 0 d and 365 d for cyclic use." },
		{ { 0, YEAR + 1 }, "Time points must not exceed 365 d for cyclic use." },
		{ { -3600, 3600 }, "Time points must not be negative for cyclic use." },
		{ { 0, 3600, 3600 }, "Time points must be strictly increasing" },
		{ { 0, 100 }, nullptr },
		{ { 100, YEAR }, nullptr },
	};
	for (const Case & c : cases) {
		std::string msgs = thrownMessages([&]() { ClimateDataLoader::checkForValidCyclicData(c.m_tp); });
		if (c.m_message == nullptr)
			EXPECT_EQ(msgs, "");
		else
			EXPECT_NE(msgs.find(c.m_message), std::string::npos) << msgs;
	}
}

TEST(CyclicData, JoinsTheEndOfTheYearToItsStart) {
	BVX::LinearSpline spl;
	spl.setValues({ 3600, YEAR - 3600 }, { 10, 20 });
	// the gap runs from (YEAR - 3600, 20) to (YEAR + 3600, 10), i.e. from (-3600, 20) to (3600, 10)
	struct Case { double m_t; double m_expected; } cases[] = {
		{ 0, 15 }, { 1800, 12.5 }, { 3600, 10 }, { YEAR / 2, 15 }, { YEAR - 1800, 17.5 }, { YEAR, 15 },
	};
	for (const Case & c : cases)
		EXPECT_DOUBLE_EQ(ClimateDataLoader::cyclicValue(spl, c.m_t), c.m_expected) << c.m_t;

	BVX::LinearSpline single;
	single.setValues({ 100 }, { 7 });
	EXPECT_DOUBLE_EQ(ClimateDataLoader::cyclicValue(single, 0), 7);
	EXPECT_DOUBLE_EQ(ClimateDataLoader::cyclicValue(single, YEAR), 7);

	EXPECT_FALSE(thrownMessages([]() { ClimateDataLoader::cyclicValue(BVX::LinearSpline(), 0); }).empty());
}
