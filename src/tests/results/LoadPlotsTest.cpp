// Load, energy and comfort plots of the results page: values shown against hand calculations
// from synthetic outputs whose integrals grow at known rates, legends and the comfort verdict.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QTest>

#include <qwt_column_symbol.h>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_multi_barchart.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_div.h>

#include <RM_CaldoryneModel.h>
#include <RM_OutputManager.h>
#include <RM_RoomConstruction.h>

#include "EN15251Plot.h"
#include "EnergyRequirementAnnualPlot.h"
#include "GuiTestHarness.h"
#include "MoistureLoadsHourlyPlot.h"
#include "OutputOptions.h"
#include "PlotCurveWithFramedLegendIcon.h"
#include "PlotStyle.h"
#include "ResultsWidget.h"
#include "ThermalLoadsAnnualPlot.h"
#include "ThermalLoadsHourlyPlot.h"
#include "ThermalLoadsMonthlyPlot.h"

namespace {

typedef RM::OutputManager OM;

const double KWH = 3.6e6;	// J
const unsigned int MONTH_HOURS[12] = {744, 672, 744, 720, 744, 720, 744, 744, 720, 744, 720, 744};

/*! A run held in memory: a model with its wall list and outputs of n hours in which every
	flux is constant, so that its integral grows linearly from an offset. Fluxes not set are 0. */
struct SyntheticRun {
	SyntheticRun(unsigned int n, bool moisture, double floorArea = 25) : m_n(n) {
		m_model.m_room.m_moistureBalanceEnabled = moisture;
		m_model.m_room.m_area = floorArea;
		m_outputs.initOutputs(0, moisture, false);
		for (unsigned int i = 0; i < n; ++i)
			m_outputs.m_roomStateSeries[OM::RS_Time].push_back(i/24.0);
		for (std::vector<double> & s : m_outputs.m_roomFluxSeries)
			s.assign(n, 0);
		for (std::vector<double> & s : m_outputs.m_roomFluxIntegralSeries)
			s.assign(n, 0);
		m_outputs.m_resultsPresent = true;
	}

	/*! Room flux of constant power (W); its integral starts at offset (J). */
	void setRoomFlux(OM::RoomFlux f, double power, double offset = 0) {
		for (unsigned int i = 0; i < m_n; ++i) {
			m_outputs.m_roomFluxSeries[f][i] = power;
			m_outputs.m_roomFluxIntegralSeries[f][i] = offset + power*3600*i;
		}
	}

	/*! Adds a wall of the model's list with constant wall fluxes (W/m2) by flux index. */
	void addWall(int type, double area, const std::map<OM::WallFlux, double> & fluxes, double offset = 0) {
		RM::RoomConstruction con;
		con.m_type = type;
		con.m_AW = area;
		m_model.m_constructions.push_back(con);
		const unsigned int walls = static_cast<unsigned int>(m_model.m_constructions.size());
		// grow the per-wall series while keeping those of the walls added before
		OM saved = m_outputs;
		m_outputs.initOutputs(walls, m_outputs.moistureBalance(), false);
		m_outputs.m_roomStateSeries = saved.m_roomStateSeries;
		m_outputs.m_roomFluxSeries = saved.m_roomFluxSeries;
		m_outputs.m_roomFluxIntegralSeries = saved.m_roomFluxIntegralSeries;
		for (unsigned int f = 0; f < OM::NUM_WF; ++f) {
			for (unsigned int k = 0; k + 1 < walls; ++k) {
				m_outputs.m_wallFluxSeries[f][k] = saved.m_wallFluxSeries[f][k];
				m_outputs.m_wallFluxIntegralSeries[f][k] = saved.m_wallFluxIntegralSeries[f][k];
			}
			const auto it = fluxes.find(OM::WallFlux(f));
			const double q = it == fluxes.end() ? 0 : it->second;
			// the integral series start with the value of output 0
			m_outputs.m_wallFluxIntegralSeries[f][walls - 1].clear();
			for (unsigned int i = 0; i < m_n; ++i) {
				m_outputs.m_wallFluxSeries[f][walls - 1].push_back(q);
				m_outputs.m_wallFluxIntegralSeries[f][walls - 1].push_back(offset + q*3600*i);
			}
		}
		m_outputs.m_resultsPresent = true;
	}

	unsigned int		m_n;
	RM::CaldoryneModel	m_model;
	OM					m_outputs;
};

/*! Two walls: an outside wall of 10 m2 and an inside wall of 5 m2. Room side: the outside
	wall takes 2 + 1 W/m2 from the room (-30 W), the inside wall gives 4 W/m2 (+20 W): -10 W.
	Outer surfaces: only the outside wall, 3 + 4 W/m2 on 10 m2: +70 W. */
void addTwoWalls(SyntheticRun & r, double offset = 0) {
	r.addWall(RM::RoomConstruction::Outside, 10, {{OM::WF_InsideConvection, 2}, {OM::WF_InsideWindowRadiation, 1},
				{OM::WF_OutsideConvection, 3}, {OM::WF_AbsorbedRadiation, 4}}, offset);
	r.addWall(RM::RoomConstruction::Inside, 5, {{OM::WF_InsideConvection, -4}, {OM::WF_OutsideConvection, 100},
				{OM::WF_AbsorbedRadiation, 100}}, offset);
}

const double ROOM_SIDE_W = -10;
const double OUTER_SURFACE_W = 70;

/*! Heating rising by 3.6e9 J over 8760 h (1000 kWh), cooling falling by 0.72e9 J (200 kWh),
	supply air cooling 0.18e9 J (50 kWh). */
const double HEATING_W = 3.6e9/(8760*3600.);
const double COOLING_W = -0.72e9/(8760*3600.);
const double AC_W = 0.18e9/(8760*3600.);

QwtInterval leftAxis(const QwtPlot & plot) {
	return plot.axisScaleDiv(QwtPlot::yLeft).interval();
}

/*! Values of the bar chart: [sample][category]. */
std::vector<std::vector<double> > bars(const QwtPlotMultiBarChart * chart) {
	std::vector<std::vector<double> > v;
	for (size_t i = 0; i < chart->dataSize(); ++i) {
		const QwtSetSample s = chart->sample(int(i));
		v.push_back(std::vector<double>(s.set.begin(), s.set.end()));
	}
	return v;
}

/*! Largest (or smallest) bar value, 0 included. */
double extremeOf(const std::vector<std::vector<double> > & values, bool largest) {
	double e = 0;
	for (const std::vector<double> & row : values)
		for (double v : row)
			e = largest ? std::max(e, v) : std::min(e, v);
	return e;
}

QwtLegendLabel * barLegendEntry(const EnergyBalancePlot & plot, int index) {
	const QList<QWidget *> entries = plot.m_legend->legendWidgets(plot.itemToInfo(plot.m_chart));
	return index < entries.size() ? qobject_cast<QwtLegendLabel *>(entries[index]) : nullptr;
}

const QwtColumnSymbol * barSymbol(const EnergyBalancePlot & plot, int index) {
	return static_cast<const QwtPlotMultiBarChart *>(plot.m_chart)->symbol(index);
}

QString legendText(const QwtPlot & plot, const QwtLegend * legend, const QwtPlotItem * item) {
	const QwtLegendLabel * label = PlotStyle::legendLabel(&plot, legend, item);
	return label == nullptr ? QString("<no entry>") : label->data().title().text();
}

} // namespace


TEST(LoadPlotsTest, IntegralsToShownEnergies) {
	struct Case {
		const char *	m_name;
		unsigned int	m_n;
		double			m_offset;		// integral at sample 0 (J), a cut two-year run
		bool			m_perArea;
		unsigned int	m_endIndex;		// hand: last sample of the annual values
		int				m_monthsFilled;	// hand: months whose end hour is among the samples
	};
	const Case cases[] = {
		{"full year", 8761, 0, false, 8760, 12},
		{"full year per m2", 8761, 0, true, 8760, 12},
		{"January only", 745, 0, false, 744, 1},
		{"one hour short", 8760, 0, false, 8759, 11},
		{"second year of a two-year run", 8761, 7.3e12, false, 8760, 12},
		{"two years kept", 2*8760 + 1, 0, false, 8760, 12},
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		GuiTest::clearSettings();
		OutputOptions::setHeatLoadsPerFloorArea(c.m_perArea);
		SyntheticRun r(c.m_n, false, 25);
		r.setRoomFlux(OM::RF_Heating, HEATING_W, c.m_offset);
		r.setRoomFlux(OM::RF_Cooling, COOLING_W, c.m_offset);
		r.setRoomFlux(OM::RF_ACEnergy, AC_W, c.m_offset);
		addTwoWalls(r, c.m_offset);
		const double perArea = c.m_perArea ? 25 : 1;

		EnergyRequirementAnnualPlot energy(nullptr);
		energy.updateResults(&r.m_model, &r.m_outputs);
		const std::vector<std::vector<double> > demand = bars(energy.m_barChart);
		ASSERT_EQ(demand.size(), 1u);
		const double hours = c.m_endIndex;
		EXPECT_NEAR(demand[0][0], 1000*hours/8760/perArea, 1e-6);
		EXPECT_NEAR(demand[0][1], 200*hours/8760/perArea, 1e-6);	// falling integral, positive bar
		EXPECT_NEAR(demand[0][2], 50*hours/8760/perArea, 1e-6);
		// stacked bar: the axis reaches the top of the stack (1250 kWh a year) plus 30
		EXPECT_NEAR(leftAxis(energy).maxValue(), demand[0][0] + demand[0][1] + demand[0][2] + 30, 1e-6);
		EXPECT_EQ(leftAxis(energy).minValue(), 0);

		ThermalLoadsMonthlyPlot monthly(nullptr);
		monthly.updateResults(&r.m_model, &r.m_outputs);
		const std::vector<std::vector<double> > months = bars(monthly.m_chart);
		ASSERT_EQ(months.size(), 12u);
		ThermalLoadsAnnualPlot annual(nullptr);
		annual.updateResults(&r.m_model, &r.m_outputs);
		const std::vector<std::vector<double> > year = bars(annual.m_chart);
		ASSERT_EQ(year.size(), 2u);

		typedef ThermalLoadsMonthlyPlot M;
		typedef ThermalLoadsAnnualPlot A;
		const std::pair<int, double> monthlyHand[] = {
			{M::Heating, HEATING_W}, {M::Cooling, COOLING_W}, {M::SupplyAirCooling, AC_W},
			{M::RoomSideWallSurfaces, ROOM_SIDE_W}, {M::OuterWallSurfaces, OUTER_SURFACE_W}, {M::Occupancy, 0}
		};
		for (int m = 0; m < 12; ++m) {
			ASSERT_EQ(months[size_t(m)].size(), size_t(M::NUM_CATEGORIES - 1));
			for (const auto & k : monthlyHand) {
				const double hand = m < c.m_monthsFilled ? k.second*MONTH_HOURS[m]*3600/KWH/perArea : 0;
				EXPECT_NEAR(months[size_t(m)][size_t(k.first)], hand, 1e-6) << "month " << m << " category " << k.first;
			}
		}
		// the months of a full year sum to the annual balance of the same category
		const std::pair<int, int> sameCategory[] = {
			{M::Heating, A::Heating}, {M::Cooling, A::Cooling}, {M::RoomSideWallSurfaces, A::RoomSideWallSurfaces}
		};
		for (const auto & k : sameCategory) {
			double sum = 0;
			for (int m = 0; m < 12; ++m)
				sum += months[size_t(m)][size_t(k.first)];
			const double annualValue = year[0][size_t(k.second)] - year[1][size_t(k.second)];
			if (c.m_monthsFilled == 12) {
				EXPECT_NEAR(sum, annualValue, 1e-6) << "category " << k.first;
			}
		}
		// annual: heating a gain, cooling and the room-side walls losses with the sign reversed
		EXPECT_NEAR(year[0][A::Heating], 1000*hours/8760/perArea, 1e-6);
		EXPECT_EQ(year[1][A::Heating], 0);
		EXPECT_NEAR(year[1][A::Cooling], 200*hours/8760/perArea, 1e-6);
		EXPECT_EQ(year[0][A::Cooling], 0);
		EXPECT_NEAR(year[1][A::RoomSideWallSurfaces], 10*hours/1000/perArea, 1e-6);
		EXPECT_EQ(year[0][A::Occupancy], 0);
		const double lossesTotal = (200*hours/8760 + 10*hours/1000)/perArea;
		EXPECT_NEAR(leftAxis(annual).maxValue(), std::max(1000*hours/8760/perArea, lossesTotal) + 10, 1e-6);
		EXPECT_EQ(leftAxis(annual).minValue(), 0);

		// January widens the axis but is left out of the logged extremes
		if (c.m_monthsFilled == 1) {
			EXPECT_EQ(monthly.m_minValue, 0);
			EXPECT_EQ(monthly.m_maxValue, 0);
		}
		// monthly axis: 2 % beyond the extremes, at least -0.5 .. 0.5
		const double largest = extremeOf(months, true);
		const double smallest = extremeOf(months, false);
		EXPECT_NEAR(leftAxis(monthly).maxValue(), std::max(1.02*largest, 0.5), 1e-9);
		EXPECT_NEAR(leftAxis(monthly).minValue(), std::min(1.02*smallest, -0.5), 1e-9);
	}
}


TEST(LoadPlotsTest, MoistureBalanceSwitchesCategoriesAndCurve) {
	GuiTest::clearSettings();
	ThermalLoadsHourlyPlot hourly(nullptr);
	ThermalLoadsMonthlyPlot monthly(nullptr);
	ThermalLoadsAnnualPlot annual(nullptr);
	PlotCurveWithFramedLegendIcon * dehumidification = hourly.m_curves[ThermalLoadsHourlyPlot::Dehumidification];
	const bool runs[] = {false, true, true, false, true};
	for (bool moisture : runs) {
		SCOPED_TRACE(moisture ? "moisture balance on" : "moisture balance off");
		SyntheticRun r(200, moisture);
		r.setRoomFlux(OM::RF_DehumidificationEnergy, 7.2e3/3600);		// 2 Wh per hour
		r.setRoomFlux(OM::RF_MoistureSourceEnthalpy, 3.6e3/3600);
		r.setRoomFlux(OM::RF_DehumidificationEnthalpy, -1.8e3/3600);
		hourly.updateResults(&r.m_model, &r.m_outputs);
		monthly.updateResults(&r.m_model, &r.m_outputs);
		annual.updateResults(&r.m_model, &r.m_outputs);
		EXPECT_EQ(monthly.categoryCount(), moisture ? 12 : 11);
		EXPECT_EQ(annual.categoryCount(), moisture ? 11 : 9);
		EXPECT_EQ(dehumidification->plot() == &hourly, moisture);
		ASSERT_EQ(bars(annual.m_chart)[0].size(), moisture ? 11u : 9u);
		if (!moisture)
			continue;
		// the re-attached curve and the new bar category show at once, their entries checked
		const QwtLegendLabel * curveEntry = hourly.legendLabel(dehumidification);
		ASSERT_NE(curveEntry, nullptr);
		EXPECT_TRUE(curveEntry->isChecked());
		EXPECT_TRUE(dehumidification->isVisible());
		EXPECT_EQ(dehumidification->dataSize(), 200u);
		EXPECT_EQ(dehumidification->sample(10).y(), -2);
		const QwtLegendLabel * barEntry = barLegendEntry(monthly, ThermalLoadsMonthlyPlot::Dehumidification);
		ASSERT_NE(barEntry, nullptr);
		EXPECT_TRUE(barEntry->isChecked());
		EXPECT_EQ(barSymbol(monthly, ThermalLoadsMonthlyPlot::Dehumidification)->style(), QwtColumnSymbol::Box);
		// enthalpies: 199 h x 1 Wh gained, 199 h x 0.5 Wh lost
		const std::vector<std::vector<double> > year = bars(annual.m_chart);
		EXPECT_NEAR(year[0][ThermalLoadsAnnualPlot::MoistureSourceEnthalpy], 0.199, 1e-12);
		EXPECT_NEAR(year[1][ThermalLoadsAnnualPlot::DehumidificationEnthalpy], 0.0995, 1e-12);
	}
	// the curve's entry is connected: a click hides it
	QwtLegendLabel * entry = hourly.legendLabel(dehumidification);
	ASSERT_NE(entry, nullptr);
	QTest::mouseClick(entry, Qt::LeftButton);
	EXPECT_FALSE(entry->isChecked());
	EXPECT_FALSE(dehumidification->isVisible());
}


// Latent cooling is stored as the power the cooler spends (positive); it takes that energy
// from the room like sensible cooling, so both plots draw it below zero with the cooling.
TEST(LoadPlotsTest, DehumidificationIsDrawnAsALossLikeCooling) {
	GuiTest::clearSettings();
	SyntheticRun r(MONTH_HOURS[0] + 1, true);
	r.setRoomFlux(OM::RF_Cooling, -500);
	r.setRoomFlux(OM::RF_DehumidificationEnergy, 250);
	ThermalLoadsHourlyPlot hourly(nullptr);
	ThermalLoadsMonthlyPlot monthly(nullptr);
	hourly.updateResults(&r.m_model, &r.m_outputs);
	monthly.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_EQ(hourly.m_curves[ThermalLoadsHourlyPlot::Cooling]->sample(5).y(), -500);
	EXPECT_EQ(hourly.m_curves[ThermalLoadsHourlyPlot::Dehumidification]->sample(5).y(), -250);
	// January: 744 h x 0.5 kW and 744 h x 0.25 kW taken from the room
	const std::vector<std::vector<double> > months = bars(monthly.m_chart);
	EXPECT_NEAR(months[0][ThermalLoadsMonthlyPlot::Cooling], -372, 1e-9);
	EXPECT_NEAR(months[0][ThermalLoadsMonthlyPlot::Dehumidification], -186, 1e-9);
}


TEST(LoadPlotsTest, AllZeroAndNoOutputs) {
	GuiTest::clearSettings();
	SyntheticRun r(8761, true);
	ThermalLoadsAnnualPlot annual(nullptr);
	annual.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_EQ(leftAxis(annual).minValue(), 0);
	EXPECT_EQ(leftAxis(annual).maxValue(), 10);
	ThermalLoadsMonthlyPlot monthly(nullptr);
	monthly.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_EQ(leftAxis(monthly).minValue(), -0.5);
	EXPECT_EQ(leftAxis(monthly).maxValue(), 0.5);
	EnergyRequirementAnnualPlot energy(nullptr);
	energy.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_EQ(leftAxis(energy).maxValue(), 30);

	// a failed run hides the bars; one output is no result either
	for (bool failed : {true, false}) {
		SyntheticRun bad(failed ? 8761 : 1, false);
		bad.m_outputs.m_resultsPresent = !failed;
		monthly.updateResults(&bad.m_model, &bad.m_outputs);
		annual.updateResults(&bad.m_model, &bad.m_outputs);
		energy.updateResults(&bad.m_model, &bad.m_outputs);
		EXPECT_FALSE(monthly.m_chart->isVisible());
		EXPECT_FALSE(annual.m_chart->isVisible());
		EXPECT_FALSE(energy.m_barChart->isVisible());
	}
	monthly.updateResults(nullptr, nullptr);
	annual.updateResults(nullptr, nullptr);
	energy.updateResults(nullptr, nullptr);
	monthly.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_TRUE(monthly.m_chart->isVisible());
}


TEST(LoadPlotsTest, HourlyThermalCurvesAndAxes) {
	GuiTest::clearSettings();
	SyntheticRun r(100, false, 20);
	addTwoWalls(r);
	r.setRoomFlux(OM::RF_Heating, 100);
	// sample 0 carries a spike, sample 2 the lowest value after it
	r.m_outputs.m_roomFluxSeries[OM::RF_Heating][0] = 400;
	r.m_outputs.m_roomFluxSeries[OM::RF_Heating][2] = -50;
	ThermalLoadsHourlyPlot plot(nullptr);
	plot.setDefaultAxes();
	plot.updateResults(&r.m_model, &r.m_outputs);

	typedef ThermalLoadsHourlyPlot T;
	// the inside wall counts on the room side only
	EXPECT_DOUBLE_EQ(plot.m_curves[T::RoomSideWallSurfaces]->sample(5).y(), ROOM_SIDE_W);
	EXPECT_DOUBLE_EQ(plot.m_curves[T::OuterWallSurfaces]->sample(5).y(), OUTER_SURFACE_W);
	EXPECT_EQ(plot.m_curves[T::Heating]->sample(5), QPointF(5/24.0, 100));
	// the outer surfaces start unchecked and hidden, the others shown
	EXPECT_FALSE(plot.m_curves[T::OuterWallSurfaces]->isVisible());
	EXPECT_TRUE(plot.m_curves[T::Heating]->isVisible());
	EXPECT_EQ(plot.m_curves[T::Dehumidification]->plot(), nullptr);

	// y axis: visible extremes (sample 0 included) +- 30; the zoom base leaves sample 0 out
	EXPECT_DOUBLE_EQ(leftAxis(plot).minValue(), -80);
	EXPECT_DOUBLE_EQ(leftAxis(plot).maxValue(), 430);
	EXPECT_DOUBLE_EQ(plot.m_minValue, -50);
	EXPECT_DOUBLE_EQ(plot.m_maxValue, 100);	// the hidden outer surfaces (70 W) count as well

	// unchecking "Heating" hides it and keeps the axis; the next update keeps it hidden
	QwtLegendLabel * heating = plot.legendLabel(plot.m_curves[T::Heating]);
	ASSERT_NE(heating, nullptr);
	QTest::mouseClick(heating, Qt::LeftButton);
	EXPECT_FALSE(plot.m_curves[T::Heating]->isVisible());
	EXPECT_DOUBLE_EQ(leftAxis(plot).maxValue(), 430);
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_FALSE(plot.m_curves[T::Heating]->isVisible());
	EXPECT_FALSE(heating->isChecked());
	// now the room-side walls (-10 W) and 0 are the visible extremes
	EXPECT_DOUBLE_EQ(leftAxis(plot).minValue(), -40);
	EXPECT_DOUBLE_EQ(leftAxis(plot).maxValue(), 30);

	// per floor area: W/m2, the heating curve divided by 20 m2
	OutputOptions::setHeatLoadsPerFloorArea(true);
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_DOUBLE_EQ(plot.m_curves[T::Heating]->sample(5).y(), 5);
	EXPECT_EQ(plot.axisTitle(QwtPlot::yLeft).text(), "Heat flow [W/m2]");
	// a floor area of 0 keeps W under the per-area title
	r.m_model.m_room.m_area = 0;
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_DOUBLE_EQ(plot.m_curves[T::Heating]->sample(5).y(), 100);

	// no results: every curve hides, the axis stays
	const QwtInterval axis = leftAxis(plot);
	r.m_outputs.m_resultsPresent = false;
	plot.updateResults(&r.m_model, &r.m_outputs);
	for (const PlotCurveWithFramedLegendIcon * curve : plot.m_curves)
		EXPECT_FALSE(curve->isVisible());
	EXPECT_EQ(leftAxis(plot), axis);
}


TEST(LoadPlotsTest, HourlyMoistureUnitsAndLegend) {
	GuiTest::clearSettings();
	SyntheticRun r(50, true, 20);
	r.setRoomFlux(OM::RF_MoistureSource, 2.5e-5);
	r.setRoomFlux(OM::RF_NaturalVentilationMoisture, -1e-5);
	r.m_outputs.m_roomFluxSeries[OM::RF_NaturalVentilationMoisture][0] = -1e-4;	// -360 g/h at hour 0
	MoistureLoadsHourlyPlot plot(nullptr);
	plot.setDefaultAxes();
	plot.updateResults(&r.m_model, &r.m_outputs);
	typedef MoistureLoadsHourlyPlot P;
	EXPECT_NEAR(plot.m_curves[P::Occupancy]->sample(3).y(), 90, 1e-9);
	EXPECT_NEAR(leftAxis(plot).minValue(), -361, 1e-9);
	EXPECT_NEAR(leftAxis(plot).maxValue(), 91, 1e-9);
	EXPECT_NEAR(plot.m_minValue, -36, 1e-9);
	EXPECT_NEAR(plot.m_maxValue, 90, 1e-9);

	// an unchecked curve leaves the visible range but still counts for the zoom base
	QwtLegendLabel * natural = plot.legendLabel(plot.m_curves[P::NaturalVentilation]);
	ASSERT_NE(natural, nullptr);
	QTest::mouseClick(natural, Qt::LeftButton);
	EXPECT_FALSE(plot.m_curves[P::NaturalVentilation]->isVisible());
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_FALSE(plot.m_curves[P::NaturalVentilation]->isVisible());
	EXPECT_NEAR(leftAxis(plot).minValue(), -1, 1e-9);
	EXPECT_NEAR(plot.m_minValue, -36, 1e-9);

	OutputOptions::setHeatLoadsPerFloorArea(true);
	plot.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_NEAR(plot.m_curves[P::Occupancy]->sample(3).y(), 4.5, 1e-9);
	EXPECT_EQ(plot.axisTitle(QwtPlot::yLeft).text(), "Moisture load [g/m2h]");
}


TEST(LoadPlotsTest, MonthlyLegendHidesAndShowsBars) {
	GuiTest::clearSettings();
	ThermalLoadsMonthlyPlot plot(nullptr);
	typedef ThermalLoadsMonthlyPlot M;
	// after construction every entry is checked except the outer surfaces
	for (int k = 0; k < M::NUM_CATEGORIES - 1; ++k) {
		SCOPED_TRACE(k);
		ASSERT_NE(barLegendEntry(plot, k), nullptr);
		EXPECT_EQ(barLegendEntry(plot, k)->isChecked(), k != M::OuterWallSurfaces);
		EXPECT_EQ(barSymbol(plot, k)->style(), k != M::OuterWallSurfaces ? QwtColumnSymbol::Box : QwtColumnSymbol::NoStyle);
	}
	QwtLegendLabel * heating = barLegendEntry(plot, M::Heating);
	QTest::mouseClick(heating, Qt::LeftButton);
	EXPECT_EQ(barSymbol(plot, M::Heating)->style(), QwtColumnSymbol::NoStyle);
	// a moisture run re-creates the symbols: the unchecked categories stay hidden
	SyntheticRun wet(100, true);
	plot.updateResults(&wet.m_model, &wet.m_outputs);
	EXPECT_FALSE(heating->isChecked());
	EXPECT_EQ(barSymbol(plot, M::Heating)->style(), QwtColumnSymbol::NoStyle);
	EXPECT_EQ(barSymbol(plot, M::OuterWallSurfaces)->style(), QwtColumnSymbol::NoStyle);

	QTest::mouseClick(heating, Qt::LeftButton);
	const QwtColumnSymbol * s = barSymbol(plot, M::Heating);
	EXPECT_EQ(s->style(), QwtColumnSymbol::Box);
	EXPECT_EQ(s->frameStyle(), QwtColumnSymbol::Plain);
	EXPECT_EQ(s->lineWidth(), 1);
	EXPECT_EQ(s->palette().color(QPalette::Window), QColor(166, 15, 241));
	EXPECT_EQ(s->palette().color(QPalette::Dark), QColor(Qt::black));
	const std::unique_ptr<QwtColumnSymbol> outside(plot.makeColumnSymbol(12));
	EXPECT_FALSE(outside->palette().color(QPalette::Window).isValid());
}


namespace {

/*! Outputs of n hours for the comfort plot: running mean 5 + i/1000, operative 20 + i/1000,
	occupied every occupiedEvery-th hour (never when 0), and the output manager's counts set
	directly. */
struct ComfortRun {
	ComfortRun(unsigned int n, unsigned int occupiedEvery) : m_run(n, false) {
		OM & om = m_run.m_outputs;
		for (unsigned int i = 0; i < n; ++i) {
			om.m_roomStateSeries[OM::RS_GlidingAverageAmbientTemperature].push_back(5 + i/1000.);
			om.m_roomStateSeries[OM::RS_OperativeTemperature].push_back(20 + i/1000.);
			om.m_roomStateSeries[OM::RS_Occupancy].push_back(occupiedEvery != 0 && i % occupiedEvery == 0 ? 1 : 0);
		}
	}
	void setCounts(int occupied, std::array<int, 3> all, std::array<int, 3> duringOccupancy) {
		m_run.m_outputs.m_occupiedHours = occupied;
		m_run.m_outputs.m_comfortExceedanceHours = all;
		m_run.m_outputs.m_comfortExceedanceOccupiedHours = duringOccupancy;
	}
	SyntheticRun m_run;
};

QStringList bandTexts(const EN15251Plot & plot) {
	QStringList texts;
	for (size_t p = 0; p < 3; ++p)
		texts << legendText(plot, plot.m_legend, plot.m_bandCurves[2*p]);
	return texts;
}

const char * const TITLE_ALL = "Operative temperature and comfort classification (DIN EN 15251)";
const char * const TITLE_OCCUPIED = "Operative temperature and comfort classification during occupancy (DIN EN 15251)";

} // namespace


TEST(EN15251PlotTest, Verdicts) {
	struct Case {
		const char *		m_name;
		bool				m_withoutOccupancy;	// the user's option
		unsigned int		m_occupiedEvery;
		int					m_occupied;
		std::array<int, 3>	m_all;
		std::array<int, 3>	m_occupiedFailed;
		QStringList			m_bands;
		const char *		m_verdict;
		const char *		m_title;
		int					m_points;
	};
	const Case cases[] = {
		{"class 2", false, 4, 2190, {{0, 0, 0}}, {{262, 105, 22}},
		 {"12.0% failed Category 1", "4.8% failed Category 2", "1.0% failed Category 3"},
		 "Class 2 satisfied\n(with 25% of occupancy time)", TITLE_OCCUPIED, 2190},
		{"exactly 5 % passes", false, 4, 2000, {{0, 0, 0}}, {{100, 20, 0}},
		 {"5.0% failed Category 1", "1.0% failed Category 2", "0.0% failed Category 3"},
		 "Class 1 satisfied\n(with 23% of occupancy time)", TITLE_OCCUPIED, 2190},
		{"no class", false, 4, 1000, {{0, 0, 0}}, {{300, 200, 51}},
		 {"30.0% failed Category 1", "20.0% failed Category 2", "5.1% failed Category 3"},
		 "No comfort class satisfied\n(with 11% of occupancy time)", TITLE_OCCUPIED, 2190},
		{"nobody present: all hours", false, 0, 0, {{876, 438, 87}}, {{1, 1, 1}},
		 {"10.0% failed Category 1", "5.0% failed Category 2", "1.0% failed Category 3"},
		 "Class 2 satisfied", TITLE_ALL, 8760},
		{"option: all hours", true, 4, 2190, {{8760, 8760, 8760}}, {{0, 0, 0}},
		 {"100.0% failed Category 1", "100.0% failed Category 2", "100.0% failed Category 3"},
		 "No comfort class satisfied", TITLE_ALL, 8760},
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		GuiTest::clearSettings();
		OutputOptions::setENPlotWithoutOccupancy(c.m_withoutOccupancy);
		ComfortRun r(8760, c.m_occupiedEvery);
		r.setCounts(c.m_occupied, c.m_all, c.m_occupiedFailed);
		EN15251Plot plot(nullptr);
		plot.updateResults(&r.m_run.m_model, &r.m_run.m_outputs);
		EXPECT_EQ(bandTexts(plot), c.m_bands);
		EXPECT_EQ(legendText(plot, plot.m_legend, plot.m_samplesCurve), c.m_verdict);
		EXPECT_EQ(plot.title().text(), c.m_title);
		ASSERT_EQ(plot.m_samplesCurve->dataSize(), size_t(c.m_points));
		// with occupancy only the occupied hours (every 4th) are drawn
		const size_t last = size_t(c.m_points - 1);
		const double hour = c.m_points == 2190 ? 4.0*last : double(last);
		EXPECT_EQ(plot.m_samplesCurve->sample(last), QPointF(5 + hour/1000, 20 + hour/1000));
	}
}


/*! A run of ten days (241 hourly outputs, 240 hours between them) judges its own hours: every
	hour outside band I is 100 %, not 240 of the year's 8760 hours (2.7 %, class I passed). */
TEST(EN15251PlotTest, RunOfTenDaysSharesOfItsOwnHours) {
	struct Case {
		const char *		m_name;
		unsigned int		m_occupiedEvery;
		int					m_occupied;
		std::array<int, 3>	m_all;
		std::array<int, 3>	m_occupiedFailed;
		QStringList			m_bands;
		const char *		m_verdict;
	};
	const Case cases[] = {
		{"all hours", 0, 0, {{240, 120, 0}}, {{0, 0, 0}},
		 {"100.0% failed Category 1", "50.0% failed Category 2", "0.0% failed Category 3"}, "Class 3 satisfied"},
		{"occupied hours", 4, 60, {{240, 240, 240}}, {{60, 3, 0}},
		 {"100.0% failed Category 1", "5.0% failed Category 2", "0.0% failed Category 3"},
		 "Class 2 satisfied\n(with 25% of occupancy time)"},
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		GuiTest::clearSettings();
		ComfortRun r(241, c.m_occupiedEvery);
		r.setCounts(c.m_occupied, c.m_all, c.m_occupiedFailed);
		EN15251Plot plot(nullptr);
		plot.updateResults(&r.m_run.m_model, &r.m_run.m_outputs);
		EXPECT_EQ(bandTexts(plot), c.m_bands);
		EXPECT_EQ(legendText(plot, plot.m_legend, plot.m_samplesCurve), c.m_verdict);
	}
}


/*! Every hour after the start outside every band, for runs of four days, one and two years:
	the shares refer to the hours the counts cover (n - 1 for n hourly outputs), so they read
	100 %, and the occupied quarter of the hours reads 25 %, for any run length. */
TEST(EN15251PlotTest, SharesReferToTheHoursTheCountsCover) {
	const unsigned int outputs[] = { 4*24 + 1, 8760 + 1, 2*8760 + 1 };
	for (unsigned int n : outputs) {
		SCOPED_TRACE(n);
		for (bool occupiedOnly : { false, true }) {
			GuiTest::clearSettings();
			ComfortRun r(n, occupiedOnly ? 4 : 0);
			const int hours = int(n) - 1;
			// outputs 0, 4, 8 ... are occupied; the counts start after output 0
			const int occupied = occupiedOnly ? int(n - 1)/4 : 0;
			const int occupiedFailed = occupied;
			r.setCounts(occupied, {{hours, hours, hours}}, {{occupiedFailed, occupiedFailed, occupiedFailed}});
			EN15251Plot plot(nullptr);
			plot.updateResults(&r.m_run.m_model, &r.m_run.m_outputs);
			const QString failed = "100.0%";
			EXPECT_EQ(bandTexts(plot), QStringList() << failed + " failed Category 1" << failed + " failed Category 2"
					  << failed + " failed Category 3");
			EXPECT_EQ(legendText(plot, plot.m_legend, plot.m_samplesCurve), QString(occupiedOnly
					  ? "No comfort class satisfied\n(with 25% of occupancy time)" : "No comfort class satisfied"));
		}
	}
}


TEST(EN15251PlotTest, ShortOrFailedRunResetsTheVerdict) {
	GuiTest::clearSettings();
	EN15251Plot plot(nullptr);
	const QStringList notComputed = QStringList() << "Category I" << "Category II" << "Category III";
	EXPECT_EQ(bandTexts(plot), notComputed);
	EXPECT_EQ(legendText(plot, plot.m_legend, plot.m_samplesCurve), "Category not computed, yet.");
	// the lower band lines have no legend entries
	EXPECT_EQ(legendText(plot, plot.m_legend, plot.m_bandCurves[1]), "<no entry>");

	struct Case {
		const char *	m_name;
		unsigned int	m_n;
		bool			m_resultsPresent;
		bool			m_computed;
	};
	const Case cases[] = {
		{"73 outputs", 73, true, true},
		{"72 outputs", 72, true, false},
		{"year", 8760, true, true},
		{"failed run", 8760, false, false},
		{"73 outputs again", 73, true, true},
	};
	for (const Case & c : cases) {
		SCOPED_TRACE(c.m_name);
		ComfortRun r(c.m_n, 0);
		r.setCounts(0, {{0, 0, 0}}, {{0, 0, 0}});
		r.m_run.m_outputs.m_resultsPresent = c.m_resultsPresent;
		plot.updateResults(&r.m_run.m_model, &r.m_run.m_outputs);
		if (c.m_computed) {
			EXPECT_EQ(legendText(plot, plot.m_legend, plot.m_samplesCurve), "Class 1 satisfied");
			EXPECT_EQ(plot.m_samplesCurve->dataSize(), c.m_n);
			EXPECT_EQ(bandTexts(plot)[0], "0.0% failed Category 1");
		}
		else {
			EXPECT_EQ(legendText(plot, plot.m_legend, plot.m_samplesCurve), "Category not computed, yet.");
			EXPECT_EQ(plot.m_samplesCurve->dataSize(), 0u);
			EXPECT_EQ(bandTexts(plot), notComputed);
		}
	}
	plot.updateResults(nullptr, nullptr);
	EXPECT_EQ(plot.m_samplesCurve->dataSize(), 0u);
}


TEST(LoadPlotsTest, SeriesAndWallsReadWithinBounds) {
	GuiTest::clearSettings();
	SyntheticRun r(8761, false);
	r.setRoomFlux(OM::RF_Heating, HEATING_W);
	addTwoWalls(r);
	// the wall list is shorter than the outputs' wall count: only the outside wall counts
	r.m_model.m_constructions.pop_back();
	// a heating series that ends after 100 outputs
	r.m_outputs.m_roomFluxSeries[OM::RF_Heating].resize(100);
	r.m_outputs.m_roomFluxIntegralSeries[OM::RF_Heating].resize(100);

	ThermalLoadsHourlyPlot hourly(nullptr);
	hourly.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_EQ(hourly.m_curves[ThermalLoadsHourlyPlot::Heating]->dataSize(), 100u);
	EXPECT_DOUBLE_EQ(hourly.m_curves[ThermalLoadsHourlyPlot::RoomSideWallSurfaces]->sample(5).y(), -30);

	ThermalLoadsMonthlyPlot monthly(nullptr);
	monthly.updateResults(&r.m_model, &r.m_outputs);
	const std::vector<std::vector<double> > months = bars(monthly.m_chart);
	EXPECT_EQ(months[0][ThermalLoadsMonthlyPlot::Heating], 0);
	EXPECT_NEAR(months[0][ThermalLoadsMonthlyPlot::RoomSideWallSurfaces], -30*744/1000., 1e-9);

	EnergyRequirementAnnualPlot energy(nullptr);
	energy.updateResults(&r.m_model, &r.m_outputs);
	EXPECT_EQ(bars(energy.m_barChart)[0][0], 0);
}
