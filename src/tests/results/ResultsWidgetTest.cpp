// Results page: tab order and the moisture tab, the temperature and radiation plots, and the
// temperature plot after a short run in the main window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTabWidget>
#include <QTextDocument>

#include <qwt_legend_label.h>
#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>
#include <qwt_text.h>
#include <qwt_text_engine.h>

#include <BVX_MessageHandler.h>
#include <CLM_ClimateDataLoader.h>
#include <RM_CaldoryneModel.h>
#include <RM_CaldoryneModelInterface.h>
#include <RM_Climate.h>
#include <RM_OutputManager.h>

#include <QtExt_LanguageHandler.h>

#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "MoistureLoadsHourlyPlot.h"
#include "PlotCurveWithFramedLegendIcon.h"
#include "RadiationPlot.h"
#include "ResultsAvailability.h"
#include "ResultsWidget.h"
#include "RoomModelDialog.h"
#include "TemperaturePlot.h"

namespace {

typedef RM::OutputManager OM;

/*! Collects the warnings sent to the message handler while it is alive. */
class WarningRecorder : public BVX::MessageHandler {
public:
	WarningRecorder() : m_previous(BVX::MessageHandlerRegistry::instance().msgHandler()) {
		BVX::MessageHandlerRegistry::instance().setMessageHandler(this);
	}
	~WarningRecorder() override { BVX::MessageHandlerRegistry::instance().setMessageHandler(m_previous); }
	void msg(const std::string & text, int t, const char * functionID, int) override {
		if (t == BVX::MSG_WARNING)
			m_warnings.push_back(std::string(functionID) + " " + text);
	}
	BVX::MessageHandler *		m_previous;
	std::vector<std::string>	m_warnings;
};

/*! A model whose room has the moisture balance on or off, and outputs of n hours filled in
	memory: room air temperature 20 + sin, operative 21 + sin, humidity 50. */
struct Results {
	Results(bool moisture, unsigned int n) {
		m_model.m_room.m_moistureBalanceEnabled = moisture;
		m_outputs.initOutputs(0, moisture, false);
		for (unsigned int i = 0; i < n; ++i) {
			const double t = i/24.0;
			m_outputs.m_roomStateSeries[OM::RS_Time].push_back(t);
			m_outputs.m_roomStateSeries[OM::RS_RoomAirTemperature].push_back(20 + std::sin(t));
			m_outputs.m_roomStateSeries[OM::RS_OperativeTemperature].push_back(21 + std::sin(t));
			m_outputs.m_roomStateSeries[OM::RS_RelativeHumidity].push_back(50);
		}
		m_outputs.m_resultsPresent = true;
	}
	RM::CaldoryneModel	m_model;
	RM::OutputManager	m_outputs;
};

/*! Climate with 8760 hourly values of every series, as given by the functions of the hour. */
RM::Climate climate(const std::function<double(unsigned int)> & temperature, unsigned int hours = 8760) {
	RM::Climate c;
	std::vector<double> * data = c.m_solarRadiationModel.m_climateDataLoader.m_data;
	for (unsigned int h = 0; h < hours; ++h) {
		data[ClimateDataLoader::Temperature].push_back(temperature(h));
		data[ClimateDataLoader::RelativeHumidity].push_back(60 + 20*std::sin(h*0.01));
		data[ClimateDataLoader::DirectRadiationNormal].push_back(h % 24 > 6 && h % 24 < 18 ? 500 : 0);
		data[ClimateDataLoader::DiffuseRadiationHorizontal].push_back(h % 24 > 6 && h % 24 < 18 ? 100 : 0);
	}
	return c;
}

double mildDay(unsigned int h) {
	return 11.5 + 23.5*std::sin(h*2*M_PI/8760 - M_PI/2);	// -12 .. 35 C
}

QStringList tabTitles(const QTabWidget * tabs) {
	QStringList titles;
	for (int i = 0; i < tabs->count(); ++i)
		titles << tabs->tabText(i);
	return titles;
}

std::pair<double, double> leftAxis(const QwtPlot * plot) {
	const QwtInterval iv = plot->axisScaleDiv(QwtPlot::yLeft).interval();
	return std::make_pair(iv.minValue(), iv.maxValue());
}

bool legendEntryShown(const TemperaturePlot & plot) {
	return plot.m_roomAirHumidityLegendLabel != nullptr && !plot.m_roomAirHumidityLegendLabel->isHidden();
}

const QStringList ALL_TABS = QStringList() << "Temperatures" << "EN 15251" << "Radiation Loads"
	<< "Hourly Thermal Loads" << "Hourly Moisture Loads" << "Monthly Thermal Load" << "Annual Results";

} // namespace


TEST(ResultsWidgetTest, MoistureTabFollowsEachRun) {
	ResultsWidget w(nullptr);
	EXPECT_EQ(tabTitles(w.m_tabWidget), ALL_TABS);
	EXPECT_EQ(w.m_tabWidget->tabPosition(), QTabWidget::South);
	EXPECT_EQ(w.m_tabWidget->currentIndex(), 0);

	QPointer<MoistureLoadsHourlyPlot> moisturePlot(w.m_moistureLoadsHourlyPlot);
	QStringList withoutMoisture = ALL_TABS;
	withoutMoisture.removeAt(4);
	const bool runs[] = {true, false, true, true, false, false, true};
	for (bool moisture : runs) {
		SCOPED_TRACE(moisture ? "moisture balance on" : "moisture balance off");
		Results r(moisture, 48);
		w.updateResults(&r.m_model, &r.m_outputs);
		EXPECT_EQ(tabTitles(w.m_tabWidget), moisture ? ALL_TABS : withoutMoisture);
		EXPECT_EQ(w.m_tabWidget->indexOf(moisturePlot), moisture ? 4 : -1);
		ASSERT_FALSE(moisturePlot.isNull());
	}
	// a failed run without model leaves the tabs as they are
	w.updateResults(nullptr, nullptr);
	EXPECT_EQ(tabTitles(w.m_tabWidget), ALL_TABS);
}


TEST(ResultsWidgetTest, LoadsReachOnlyTemperatureAndRadiationPlots) {
	ResultsWidget w(nullptr);
	Results r(false, 48);
	w.updateResults(&r.m_model, &r.m_outputs);
	const QStringList tabsBefore = tabTitles(w.m_tabWidget);

	const RM::Climate c = climate(mildDay);
	w.updateLoads(&c);
	EXPECT_EQ(tabTitles(w.m_tabWidget), tabsBefore);
	EXPECT_EQ(w.m_temperaturePlot->m_ambientTemperatureCurve->dataSize(), 8760u);
	EXPECT_EQ(w.m_radiationPlot->m_directNormalCurve->dataSize(), 8760u);
	// the result curves keep the run's samples
	EXPECT_EQ(w.m_temperaturePlot->m_operativeTemperatureCurve->dataSize(), 48u);

	w.updateLoads(nullptr);
	w.setRadiationPlotValue(0.3);
	EXPECT_EQ(w.m_radiationPlot->m_albedo, 0.3);
	EXPECT_EQ(w.m_temperaturePlot->m_ambientTemperatureCurve->dataSize(), 8760u);
}


TEST(ResultsWidgetTest, NoOutputsRule) {
	Results r(false, 2);
	EXPECT_FALSE(holdsNoOutputs(&r.m_model, &r.m_outputs));
	EXPECT_TRUE(holdsNoOutputs(nullptr, &r.m_outputs));
	EXPECT_TRUE(holdsNoOutputs(&r.m_model, nullptr));
	r.m_outputs.m_resultsPresent = false;
	EXPECT_TRUE(holdsNoOutputs(&r.m_model, &r.m_outputs));
	Results one(false, 1);
	EXPECT_TRUE(holdsNoOutputs(&one.m_model, &one.m_outputs));
}


TEST(TemperaturePlotTest, LeftAxisFromClimateAndResults) {
	struct Case {
		const char *	m_name;
		double			m_climateMax;	// NaN: keep the -12..35 climate
		bool			m_results;
		double			m_min;
		double			m_max;
	};
	const Case cases[] = {
		{"climate -12..35", NAN, false, -20, 60},
		{"climate maximum 64", 64, false, -20, 64},
		{"results within -20..60", NAN, true, -22, 66},
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		TemperaturePlot plot(nullptr);
		plot.setDefaultAxes();
		const double top = c.m_climateMax;
		const RM::Climate cl = climate([top](unsigned int h) { return (!std::isnan(top) && h == 4000) ? top : mildDay(h); });
		plot.updateLoads(&cl);
		if (c.m_results) {
			Results r(true, 8760);
			plot.updateResults(&r.m_model, &r.m_outputs);
		}
		const std::pair<double, double> axis = leftAxis(&plot);
		EXPECT_DOUBLE_EQ(axis.first, c.m_min);
		EXPECT_DOUBLE_EQ(axis.second, c.m_max);
	}
}


TEST(TemperaturePlotTest, RunWithoutResultsHidesResultCurvesAndKeepsAxis) {
	TemperaturePlot plot(nullptr);
	plot.setDefaultAxes();
	Results r(true, 200);
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_TRUE(plot.m_roomAirHumidityCurve->isVisible());
	EXPECT_TRUE(legendEntryShown(plot));
	const std::pair<double, double> axis = leftAxis(&plot);

	// a failed run: the flag is cleared and the series are half filled
	r.m_outputs.m_resultsPresent = false;
	r.m_outputs.m_roomStateSeries[OM::RS_OperativeTemperature].push_back(200);
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_FALSE(plot.m_operativeTemperatureCurve->isVisible());
	EXPECT_FALSE(plot.m_roomAirTemperatureCurve->isVisible());
	EXPECT_FALSE(plot.m_roomAirHumidityCurve->isVisible());
	EXPECT_FALSE(legendEntryShown(plot));
	EXPECT_EQ(leftAxis(&plot), axis);

	// null model or outputs: the same, without a crash
	plot.updateResults(nullptr, &r.m_outputs);
	plot.updateResults(&r.m_model, nullptr);
	EXPECT_FALSE(plot.m_operativeTemperatureCurve->isVisible());
	plot.updateLoads(nullptr);
}


TEST(TemperaturePlotTest, SeriesAreReadOnlyToTheirOwnLength) {
	TemperaturePlot plot(nullptr);
	Results r(true, 100);
	r.m_outputs.m_roomStateSeries[OM::RS_RoomAirTemperature].resize(40);
	r.m_outputs.m_roomStateSeries[OM::RS_RelativeHumidity].clear();
	r.m_outputs.m_roomStateSeries[OM::RS_OperativeTemperature].resize(150, 99);
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_EQ(plot.m_roomAirTemperatureCurve->dataSize(), 40u);
	EXPECT_EQ(plot.m_operativeTemperatureCurve->dataSize(), 100u);
	EXPECT_EQ(plot.m_roomAirHumidityCurve->dataSize(), 0u);
	// values beyond the time series are not plotted and do not widen the axis
	EXPECT_DOUBLE_EQ(leftAxis(&plot).second, 66);
	for (size_t i = 0; i < plot.m_operativeTemperatureCurve->dataSize(); ++i)
		ASSERT_EQ(plot.m_operativeTemperatureCurve->sample(i),
				  QPointF(r.m_outputs.m_roomStateSeries[OM::RS_Time][i], r.m_outputs.m_roomStateSeries[OM::RS_OperativeTemperature][i]));
}


TEST(TemperaturePlotTest, IncompleteClimateData) {
	TemperaturePlot plot(nullptr);
	plot.setDefaultAxes();
	const RM::Climate complete = climate(mildDay);
	plot.updateLoads(&complete);
	const QPointF last = plot.m_ambientTemperatureCurve->sample(8759);
	EXPECT_DOUBLE_EQ(last.x(), 365);
	EXPECT_DOUBLE_EQ(last.y(), mildDay(8759));
	EXPECT_DOUBLE_EQ(plot.m_ambientRelativeHumidityCurve->sample(8759).x(), 365);

	{
		// one temperature missing: warning, nothing changes
		RM::Climate shortTemperature = climate([](unsigned int) { return 70.0; });
		shortTemperature.m_solarRadiationModel.m_climateDataLoader.m_data[ClimateDataLoader::Temperature].pop_back();
		WarningRecorder rec;
		plot.updateLoads(&shortTemperature);
		ASSERT_EQ(rec.m_warnings.size(), 1u);
		EXPECT_NE(rec.m_warnings[0].find("[TemperaturePlot::updateLoads]"), std::string::npos);
		EXPECT_NE(rec.m_warnings[0].find("Missing temperature climate data."), std::string::npos);
		EXPECT_EQ(plot.m_ambientTemperatureCurve->sample(8759), last);
		EXPECT_DOUBLE_EQ(leftAxis(&plot).second, 60);
		EXPECT_TRUE(plot.m_ambientRelativeHumidityCurve->isVisible());
	}
	{
		// one humidity missing: only the humidity display goes
		RM::Climate shortHumidity = climate([](unsigned int) { return 5.0; });
		shortHumidity.m_solarRadiationModel.m_climateDataLoader.m_data[ClimateDataLoader::RelativeHumidity].pop_back();
		WarningRecorder rec;
		plot.updateLoads(&shortHumidity);
		EXPECT_TRUE(rec.m_warnings.empty());
		EXPECT_DOUBLE_EQ(plot.m_ambientTemperatureCurve->sample(0).y(), 5);
		EXPECT_FALSE(plot.m_ambientRelativeHumidityCurve->isVisible());
		EXPECT_FALSE(plot.axisEnabled(QwtPlot::yRight));
		EXPECT_FALSE(legendEntryShown(plot));
	}
	plot.updateLoads(&complete);
	EXPECT_TRUE(plot.m_ambientRelativeHumidityCurve->isVisible());
	EXPECT_TRUE(plot.axisEnabled(QwtPlot::yRight));
}


TEST(TemperaturePlotTest, RoomAirHumidityLegendRule) {
	TemperaturePlot plot(nullptr);
	EXPECT_FALSE(legendEntryShown(plot));
	Results r(false, 48);
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_FALSE(plot.m_roomAirHumidityCurve->isVisible());
	EXPECT_FALSE(legendEntryShown(plot));
	EXPECT_TRUE(plot.m_operativeTemperatureCurve->isVisible());

	// climate data with humidity bring the entry back, the curve stays hidden
	const RM::Climate c = climate(mildDay);
	plot.updateLoads(&c);
	EXPECT_TRUE(legendEntryShown(plot));
	EXPECT_FALSE(plot.m_roomAirHumidityCurve->isVisible());
}


TEST(RadiationPlotTest, CompleteAndIncompleteRadiationData) {
	RadiationPlot plot(nullptr);
	plot.setDefaultAxes();
	EXPECT_EQ(leftAxis(&plot), std::make_pair(0.0, 1000.0));
	plot.updateLoads(nullptr);
	EXPECT_EQ(plot.m_directNormalCurve->dataSize(), 0u);

	const RM::Climate complete = climate(mildDay);
	plot.updateLoads(&complete);
	ASSERT_EQ(plot.m_directNormalCurve->dataSize(), 8760u);
	ASSERT_EQ(plot.m_diffuseHorizontalCurve->dataSize(), 8760u);
	EXPECT_DOUBLE_EQ(plot.m_directNormalCurve->sample(8759).x(), 365);
	EXPECT_EQ(plot.m_directNormalCurve->sample(12), QPointF(13/24.0, 500));
	EXPECT_EQ(plot.m_diffuseHorizontalCurve->sample(12), QPointF(13/24.0, 100));

	// the direct series is complete, the diffuse one is not: both curves stay
	RM::Climate shortDiffuse = climate(mildDay);
	std::vector<double> * data = shortDiffuse.m_solarRadiationModel.m_climateDataLoader.m_data;
	std::fill(data[ClimateDataLoader::DirectRadiationNormal].begin(), data[ClimateDataLoader::DirectRadiationNormal].end(), 900);
	data[ClimateDataLoader::DiffuseRadiationHorizontal].pop_back();
	WarningRecorder rec;
	plot.updateLoads(&shortDiffuse);
	ASSERT_EQ(rec.m_warnings.size(), 1u);
	EXPECT_NE(rec.m_warnings[0].find("[RadiationPlot::updateLoads] Missing solar radiation climate data."), std::string::npos);
	EXPECT_EQ(plot.m_directNormalCurve->sample(12), QPointF(13/24.0, 500));
	EXPECT_EQ(plot.m_diffuseHorizontalCurve->dataSize(), 8760u);
}


using ResultsWindowTest = GuiTest::MainWindowTest;

TEST_F(ResultsWindowTest, MainWindowRunReachesTheTemperaturePlot) {
	const QString project = m_dir + "/office.rmxml";
	ASSERT_TRUE(QFile::copy(GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml", project));

	GuiTest::ModalDialogDriver driver;
	std::unique_ptr<RoomModelDialog> & window = m_window;
	ASSERT_TRUE(window->loadProject(project, true));
	ASSERT_TRUE(window->runSimulation());
	EXPECT_TRUE(driver.m_seen.empty());

	const OM & om = window->model()->m_outputManager;
	const std::vector<double> & time = om.m_roomStateSeries[OM::RS_Time];
	const std::vector<double> & top = om.m_roomStateSeries[OM::RS_OperativeTemperature];
	ASSERT_GE(time.size(), 72u);
	EXPECT_NEAR(time.back(), 3, 1e-9);

	const TemperaturePlot * plot = window->resultsWidget()->m_temperaturePlot;
	const QwtPlotCurve * curve = plot->m_operativeTemperatureCurve;
	EXPECT_TRUE(curve->isVisible());
	ASSERT_EQ(curve->dataSize(), time.size());
	for (size_t i = 0; i < time.size(); ++i)
		ASSERT_EQ(curve->sample(i), QPointF(time[i], top[i])) << "output " << i;
	// the climate of the project is on the plot as well
	EXPECT_EQ(plot->m_ambientTemperatureCurve->dataSize(), 8760u);

	// the window asks to save on close
	driver.add(GuiTest::ModalDialogDriver::press(QDialogButtonBox::Discard));
	window.reset();
}


namespace {

/*! Widest line of an axis title drawn along an axis of the given length, wrapped only when
	the title asks for it (as Qwt's text engines do). */
double titleLineWidth(const QwtText & title, double length) {
	QTextDocument doc;
	doc.setDocumentMargin(0);
	doc.setDefaultFont(title.font());
	QTextOption option = doc.defaultTextOption();
	option.setWrapMode((title.renderFlags() & Qt::TextWordWrap) ? QTextOption::WordWrap : QTextOption::NoWrap);
	doc.setDefaultTextOption(option);
	doc.setHtml(title.text());
	doc.setTextWidth(length);
	return doc.idealWidth();
}

/*! Height of an axis title drawn along an axis of the given length (its lines as painted). */
double titleDrawnHeight(const QwtText & title, double length) {
	const QwtTextEngine * engine = QwtText::textEngine(QwtText::RichText);
	return engine->heightForWidth(title.font(), title.renderFlags(), title.text(), length);
}

/*! Room a scale widget leaves its title across the axis: its width (height for a horizontal
	axis) less margin, scale and spacing. */
double titleRoom(const QwtScaleWidget * scale, bool vertical) {
	const int dim = vertical ? scale->width() : scale->height();
	return dim - scale->margin() - std::ceil(scale->scaleDraw()->extent(scale->font())) - 1 - scale->spacing();
}

} // namespace


/*! The results pane at its smallest height, in both languages and both unit settings: every
	axis title of every tab fits the length of its axis (it may break into lines), and all of
	its lines fit across the axis. */
/*! Language and the per-floor-area unit setting; one test each, so that the sanitizer build
	stays within a test's time. */
class AxisTitleFitTest : public ::testing::TestWithParam<std::tuple<const char *, bool> > {};

TEST_P(AxisTitleFitTest, AxisTitlesFitAtTheSmallestHeight) {
	const char * lang = std::get<0>(GetParam());
	const bool perArea = std::get<1>(GetParam());
	{
		{
			SCOPED_TRACE(std::string(lang) + (perArea ? " per floor area" : " absolute"));
			QtExt::LanguageHandler::instance().installTranslator(lang);
			QSettings("BVX", "Caldoryne 3.2").setValue("OutputHeatLoadsPerFloorArea", perArea);
			ResultsWidget w(nullptr);
			Results r(true, 48);
			r.m_model.m_room.m_area = 20;
			w.updateResults(&r.m_model, &r.m_outputs);
			w.show();
			for (QwtPlot * plot : w.findChildren<QwtPlot *>()) {
				const int tab = w.m_tabWidget->indexOf(plot);
				w.m_tabWidget->setCurrentIndex(tab >= 0 ? tab : w.m_tabWidget->indexOf(plot->parentWidget()));
				// a title breaks into lines at some heights only: every height up to 80 pixels more
				for (int extra = 0; extra <= 80; ++extra) {
				w.resize(1200, w.minimumSizeHint().height() + extra);
				QApplication::processEvents();
				plot->updateLayout();
				for (int axis = 0; axis < QwtPlot::axisCnt; ++axis) {
					const QwtScaleWidget * scale = plot->axisWidget(axis);
					if (!plot->axisEnabled(axis) || scale->title().isEmpty())
						continue;
					const QRect rect = scale->contentsRect();
					const bool vertical = axis == QwtPlot::yLeft || axis == QwtPlot::yRight;
					const double length = (vertical ? rect.height() : rect.width())
							- scale->startBorderDist() - scale->endBorderDist();
					const std::string where = std::string(plot->metaObject()->className()) + " axis "
							+ std::to_string(axis) + ": " + scale->title().text().toStdString();
					EXPECT_LE(titleLineWidth(scale->title(), length), length) << where << " at height " << w.height();
					EXPECT_LE(titleDrawnHeight(scale->title(), length), titleRoom(scale, vertical))
						<< where << " at height " << w.height();
				}
				}
			}
		}
	}
	QtExt::LanguageHandler::instance().installTranslator("en");
	QSettings("BVX", "Caldoryne 3.2").remove("OutputHeatLoadsPerFloorArea");
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndUnits, AxisTitleFitTest,
						 ::testing::Combine(::testing::Values("en", "de"), ::testing::Bool()));
