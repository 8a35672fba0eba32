#include <algorithm>
#include <cmath>
#include <sstream>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <qwt_plot_curve.h>
#include <qwt_plot_multi_barchart.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>

#include "EnergyRequirementAnnualPlot.h"
#include "GuiTestHarness.h"
#include "OutputOptions.h"
#include "PlotCurveWithFramedLegendIcon.h"
#include "ProjectRun.h"
#include "ReportFrameResultsOverTemperature.h"
#include "ReportPreview.h"
#include "ReportSettings.h"
#include "ReportTestFixture.h"
#include "ResultsWidget.h"
#include "TemperaturePlot.h"
#include "ThermalLoadsAnnualPlot.h"
#include "ThermalLoadsMonthlyPlot.h"

namespace {

/*! A tab-separated result file: captions and columns of numbers. */
struct ResultTable {
	QStringList							m_captions;
	std::vector<std::vector<double>>	m_columns;

	explicit ResultTable(const QString & fileName) {
		QFile f(fileName);
		EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << fileName.toStdString();
		QTextStream in(&f);
		m_captions = in.readLine().split('\t', Qt::SkipEmptyParts);
		m_columns.resize(size_t(m_captions.size()));
		while (!in.atEnd()) {
			const QStringList fields = in.readLine().split('\t', Qt::SkipEmptyParts);
			for (int i = 0; i < fields.size() && i < m_captions.size(); ++i)
				m_columns[size_t(i)].push_back(fields[i].toDouble());
		}
	}

	/*! The column whose caption starts with the text; empty when there is none. */
	std::vector<double> column(const QString & captionStart) const {
		for (int i = 0; i < m_captions.size(); ++i)
			if (m_captions[i].startsWith(captionStart))
				return m_columns[size_t(i)];
		ADD_FAILURE() << "no column " << captionStart.toStdString();
		return {};
	}
};

double summaryValue(const QString & summary, const QString & pattern, int group = 1) {
	const QRegularExpressionMatch m = QRegularExpression(pattern).match(summary);
	EXPECT_TRUE(m.hasMatch()) << pattern.toStdString() << " in\n" << summary.toStdString();
	return m.captured(group).toDouble();
}

/*! The default room with cooling, optionally with the DIN 4108-2 assessment switched on
	(which takes over the loads: no cooling then), else with supply air cooling. */
QString writeFixtureProject(const QString & dir, bool assessment) {
	QFile source(GuiTest::sourceDir() + "/resources/examples/DefaultRoom.rmxml");
	EXPECT_TRUE(source.open(QIODevice::ReadOnly));
	QString xml = QString::fromUtf8(source.readAll());
	xml.replace("<CoolingModel name=\"\" modelType=\"NONE\">", "<CoolingModel name=\"\" modelType=\"SIMPLE\">");
	if (assessment)
		xml.replace("<DIN4108_2Assessment>\n", "<DIN4108_2Assessment>\n            <Active>true</Active>\n");
	else {
		// supply air cooling above 26 C room temperature on weekdays
		xml.replace("<MechanicalVentilationModel name=\"\" modelType=\"NONE\">",
					"<MechanicalVentilationModel name=\"\" modelType=\"MECHANICAL_VENTILATION_COOLING\">");
	}
	const QString fileName = dir + "/CrossCheck.rmxml";
	QFile target(fileName);
	EXPECT_TRUE(target.open(QIODevice::WriteOnly));
	target.write(xml.toUtf8());
	return fileName;
}

/*! Values of a bar chart: [sample][category]. */
std::vector<std::vector<double>> bars(const QwtPlotMultiBarChart * chart) {
	std::vector<std::vector<double>> v;
	for (size_t i = 0; i < chart->dataSize(); ++i) {
		const QwtSetSample s = chart->sample(int(i));
		v.emplace_back(s.set.begin(), s.set.end());
	}
	return v;
}

/*! Growth of a column of flux_integrals.tsv (MJ) in kWh. */
double growthKWh(const ResultTable & integrals, const QString & caption) {
	const std::vector<double> c = integrals.column(caption);
	return c.empty() ? 0 : (c.back() - c.front())/3.6;
}

/*! Tolerance of a value of the result files, written with six significant digits. */
double filePrecision(double value) {
	return 1e-5*std::fabs(value) + 1e-3;
}

/*! The energy plots of the results page against the run's integrals: the demand bars, the
	months summing to the year, the annual balance per category and as a whole. */
void checkEnergyPlots(const ResultsWidget & results, const ResultTable & integrals, double heating, double cooling,
					  bool supplyAirCooling) {
	typedef ThermalLoadsMonthlyPlot M;
	typedef ThermalLoadsAnnualPlot A;
	const double heatingFile = growthKWh(integrals, "Heating loads");
	const double coolingFile = -growthKWh(integrals, "Active cooling loads");
	// the cooling power of the supply air is negative
	const double supplyAirFile = -growthKWh(integrals, "Energy consumption of A/C");

	// demand bars: heating, cooling, supply air cooling
	const std::vector<std::vector<double>> demand = bars(results.m_energyRequirementAnnualPlot->m_barChart);
	ASSERT_EQ(demand.size(), 1u);
	ASSERT_EQ(demand[0].size(), 3u);
	EXPECT_NEAR(demand[0][0], heating, 0.05 + 1e-9);
	EXPECT_NEAR(demand[0][1], cooling, 0.05 + 1e-9);
	EXPECT_NEAR(demand[0][0], heatingFile, filePrecision(heatingFile));
	EXPECT_NEAR(demand[0][1], coolingFile, filePrecision(coolingFile));
	EXPECT_NEAR(demand[0][2], supplyAirFile, filePrecision(supplyAirFile));
	EXPECT_EQ(supplyAirFile > 0, supplyAirCooling) << supplyAirFile;

	// annual balance: gains minus losses per category is the growth of its integral
	const std::vector<std::vector<double>> year = bars(results.m_thermalLoadsAnnualPlot->m_chart);
	ASSERT_EQ(year.size(), 2u);
	auto net = [&year](int k) { return year[0][size_t(k)] - year[1][size_t(k)]; };
	EXPECT_NEAR(year[0][A::Heating], heating, 0.05 + 1e-9);
	EXPECT_NEAR(year[1][A::Cooling], cooling, 0.05 + 1e-9);
	const std::pair<int, const char *> roomFluxes[] = {
		{A::Heating, "Heating loads"}, {A::Cooling, "Active cooling loads"},
		{A::WindowConduction, "Total convective heat transmission loads through all windows"},
		{A::WindowSolarGains, "Total radiation loads through all windows"},
		{A::MechanicalVentilation, "Mechanical ventilation loads"},
		{A::NaturalVentilation, "Natural ventilation heat loss/gain"},
		{A::Occupancy, "Usage (Person) loads"}, {A::Equipment, "Equipment loads"}
	};
	for (const auto & k : roomFluxes) {
		const double file = growthKWh(integrals, k.second);
		EXPECT_NEAR(net(k.first), file, filePrecision(file)) << k.second;
	}
	// the room air stores next to nothing over a year: gains and losses balance to the
	// solver's tolerance
	double sum = 0;
	double gains = 0;
	for (size_t k = 0; k < year[0].size(); ++k) {
		sum += net(int(k));
		gains += year[0][k];
	}
	EXPECT_GT(gains, heating);
	EXPECT_NEAR(sum, 0, 1e-3*gains);

	// each category's months sum to its annual value
	const std::vector<std::vector<double>> months = bars(results.m_thermalLoadsMonthlyPlot->m_chart);
	ASSERT_EQ(months.size(), 12u);
	auto yearOfMonths = [&months](int k) {
		double s = 0;
		for (const std::vector<double> & m : months)
			s += m[size_t(k)];
		return s;
	};
	const std::pair<int, int> sameCategory[] = {
		{M::RoomSideWallSurfaces, A::RoomSideWallSurfaces}, {M::WindowConduction, A::WindowConduction},
		{M::WindowSolarGains, A::WindowSolarGains}, {M::MechanicalVentilation, A::MechanicalVentilation},
		{M::NaturalVentilation, A::NaturalVentilation}, {M::Heating, A::Heating}, {M::Cooling, A::Cooling},
		{M::Occupancy, A::Occupancy}, {M::Equipment, A::Equipment}
	};
	for (const auto & k : sameCategory)
		EXPECT_NEAR(yearOfMonths(k.first), net(k.second), 1e-6) << "category " << k.first;
	// removed energies are losses in the months, positive demands in the annual bars
	EXPECT_NEAR(-yearOfMonths(M::SupplyAirCooling), demand[0][2], 1e-6);
	EXPECT_NEAR(yearOfMonths(M::Heating), heating, 0.05 + 1e-9);
	EXPECT_NEAR(-yearOfMonths(M::Cooling), cooling, 0.05 + 1e-9);
}

} // namespace


/*! A year of the fixture run through the command line's run code in this process: what the
	results page and the report show equals the run's own summary and result files. Once with
	the DIN 4108-2 assessment (verdict), once without (cooling, supply air cooling, degree hours
	above 26 C). */
TEST(ReportCrossCheckTest, ShownNumbersEqualTheRunsOwn) {
	for (bool assessment : { true, false }) {
		SCOPED_TRACE(assessment ? "with assessment" : "without assessment");
		ReportSettings::instance().setDefaults();
		QTemporaryDir dir;
		RM::Database db;
		db.setDirectories(GuiTest::sourceDir() + "/resources", dir.filePath("userdb"));
		db.readDatabase();

		std::ostringstream summaryStream;
		ProjectRun::Settings settings;
		settings.m_projectFile = writeFixtureProject(dir.path(), assessment);
		settings.m_runDirectory = dir.filePath("run");
		settings.m_summary = &summaryStream;
		ProjectRun run(settings, db);
		ASSERT_EQ(run.execute(), ProjectRun::Success);
		const QString summary = QString::fromStdString(summaryStream.str());
		const RM::CaldoryneModelInterface & model = *run.model();

		// demands of the summary: the growth of the flux integrals in the result file (MJ)
		const double heating = summaryValue(summary, "Heating demand\\s+([-0-9.]+) kWh");
		const double cooling = summaryValue(summary, "Cooling demand\\s+([-0-9.]+) kWh");
		EXPECT_GT(heating, 0);
		if (!assessment) {
			EXPECT_GT(cooling, 0);
		}
		const ResultTable integrals(dir.filePath("run/results/flux_integrals.tsv"));
		const std::vector<double> heatingIntegral = integrals.column("Heating loads");
		const std::vector<double> coolingIntegral = integrals.column("Active cooling loads");
		ASSERT_FALSE(heatingIntegral.empty());
		ASSERT_FALSE(coolingIntegral.empty());
		EXPECT_NEAR((heatingIntegral.back() - heatingIntegral.front()) / 3.6, heating, 0.1);
		EXPECT_NEAR(std::fabs(coolingIntegral.back() - coolingIntegral.front()) / 3.6, cooling, 0.1);

		// the results page's operative curve is the column of the states file, its extremes the summary's range
		OutputOptions::setHeatLoadsPerFloorArea(false);
		ResultsWidget results(nullptr);
		results.updateResults(&model, &model.m_outputManager);
		checkEnergyPlots(results, integrals, heating, cooling, !assessment);
		const QwtPlotCurve * curve = results.m_temperaturePlot->m_operativeTemperatureCurve;
		const ResultTable states(dir.filePath("run/results/states.tsv"));
		const std::vector<double> time = states.column("Time");
		const std::vector<double> operative = states.column("Operative temperature");
		ASSERT_EQ(curve->dataSize(), operative.size());
		double lo = 1e30;
		double hi = -1e30;
		for (size_t i = 0; i < operative.size(); ++i) {
			const double y = curve->sample(i).y();
			EXPECT_NEAR(y, operative[i], 1e-4 * std::max(1.0, std::fabs(y))) << i;
			lo = std::min(lo, y);
			hi = std::max(hi, y);
		}
		const QString range = "Operative temperature\\s+([-0-9.]+) \\.\\. ([-0-9.]+) C";
		EXPECT_NEAR(lo, summaryValue(summary, range, 1), 0.005);
		EXPECT_NEAR(hi, summaryValue(summary, range, 2), 0.005);

		ReportPreview preview(&model, &db);
		ASSERT_TRUE(preview.writePdf(dir.filePath("report.pdf")));
		const QString pdf = ReportTest::pdfText(dir.filePath("report.pdf")).simplified();
		if (assessment) {
			// the verdict is the summary's DIN line, with the degree hours as the report rounds them
			const QRegularExpressionMatch din = QRegularExpression(
				"DIN 4108-2 over-temperature degree hours ([0-9.]+) Kh/a above [0-9.]+ C \\(limit ([0-9]+) Kh/a\\): "
				"verification (passed|failed)").match(summary);
			ASSERT_TRUE(din.hasMatch()) << summary.toStdString();
			const double hours = din.captured(1).toDouble();
			EXPECT_GT(hours, 0);
			const bool passed = din.captured(3) == "passed";
			const QString verdict = QString("%1 %2 %3 Kh/a")
					.arg(ReportFrameResultsOverTemperature::degreeHoursText(hours, din.captured(2).toUInt()).trimmed())
					.arg(QString::fromUtf8(passed ? "≤" : ">")).arg(QString("%L1").arg(din.captured(2).toUInt()));
			EXPECT_TRUE(pdf.contains(verdict)) << verdict.toStdString();
			EXPECT_TRUE(pdf.contains(passed ? "Verification fullfilled." : "Verification failed!"));
		}
		else {
			// degree hours above 26 C of the states file: trapezoids of the hourly operative temperatures
			double hours = 0;
			for (size_t i = 1; i < operative.size(); ++i)
				hours += std::max(0.0, 0.5 * (operative[i - 1] + operative[i]) - 26) * (time[i] - time[i - 1]) * 24;
			EXPECT_GT(hours, 0);
			const QString line = QString("Overtemperature hours %L1 Kh/a").arg(hours, 0, 'f', 0);
			EXPECT_TRUE(pdf.contains(line)) << line.toStdString();
		}
	}
}
