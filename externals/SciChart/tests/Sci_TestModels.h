#ifndef Sci_TestModelsH
#define Sci_TestModelsH

#include <cmath>
#include <set>
#include <vector>

#include <BVX_Unit.h>

#include <Sci_AbstractBarSeriesModel.h>
#include <Sci_AbstractColorGridSeriesModel.h>

namespace SCI_Test {

/*! Bar model holding its samples in vectors; a sample with an empty value vector has no values. */
class BarModel : public SCI::AbstractBarSeriesModel {
public:
	/*! Samples at positions, each with the values of one row. */
	BarModel(const std::vector<double> & positions, const std::vector<std::vector<double>> & values) {
		setSamples(positions, values);
		setAxisData(BVX::Unit("kWh").id(), 1, SCI::AbstractCartesianChartModel::AxisUnit);
	}
	void setSamples(const std::vector<double> & positions, const std::vector<std::vector<double>> & values) {
		m_positions = positions;
		m_values = values;
		m_count = static_cast<int>(positions.size());
		m_perSample = values.empty() ? 0 : static_cast<unsigned int>(values[0].size());
	}
	/*! The samples replaced inside a change bracket, as a model announces new data. */
	void changeSamples(const std::vector<double> & positions, const std::vector<std::vector<double>> & values) {
		beginChangeSeries(0, 0);
		setSamples(positions, values);
		endChangeSeries();
	}
	int sampleCount() const override { return m_count; }
	unsigned int valuesPerSample() const override { return m_perSample; }
	const double * samplePositions() const override { return m_positions.empty() ? nullptr : m_positions.data(); }
	const double * sampleValues(unsigned int i) const override {
		return i < m_values.size() && !m_values[i].empty() ? m_values[i].data() : nullptr;
	}

	std::vector<double>					m_positions;
	std::vector<std::vector<double>>	m_values;
	int									m_count = 0;
	unsigned int						m_perSample = 0;
};


/*! Colour-grid model holding its grid in vectors; value index = cell index, cells listed
	in noValue have none. Grid in m, values in C. */
class GridModel : public SCI::AbstractColorGridSeriesModel {
public:
	GridModel(const std::vector<double> & x, const std::vector<double> & y, unsigned int xValueCount,
			  const std::vector<double> & values, const std::set<unsigned int> & noValue = {}) {
		setGrid(x, y, xValueCount, values, noValue);
		setAxisData(BVX::Unit("m").id(), 0, SCI::AbstractCartesianChartModel::AxisUnit);
		setAxisData(BVX::Unit("m").id(), 1, SCI::AbstractCartesianChartModel::AxisUnit);
		setAxisData(BVX::Unit("C").id(), 2, SCI::AbstractCartesianChartModel::AxisUnit);
	}
	void setGrid(const std::vector<double> & x, const std::vector<double> & y, unsigned int xValueCount,
				 const std::vector<double> & values, const std::set<unsigned int> & noValue = {}) {
		m_x = x;
		m_y = y;
		m_xValueCount = xValueCount;
		m_yValueCount = xValueCount == 0 ? 0 : static_cast<unsigned int>(values.size()) / xValueCount;
		m_values = values;
		m_cells.assign(values.size(), SCI::ColorGridCell());
		for (unsigned int k = 0; k < m_cells.size(); ++k) {
			m_cells[k].m_column = k % xValueCount;
			m_cells[k].m_row = k / xValueCount;
			if (noValue.count(k) == 0)
				m_cells[k].m_valueIndex = k;
		}
	}
	unsigned int xGridSize() const override { return static_cast<unsigned int>(m_x.size()); }
	const double * xGrid() const override { return m_x.data(); }
	unsigned int yGridSize() const override { return static_cast<unsigned int>(m_y.size()); }
	const double * yGrid() const override { return m_y.data(); }
	unsigned int xValueCount() const override { return m_xValueCount; }
	unsigned int yValueCount() const override { return m_yValueCount; }
	const double * values() const override { return m_values.data(); }
	const SCI::ColorGridCell * cells() const override { return m_cells.data(); }

	std::vector<double>				m_x;
	std::vector<double>				m_y;
	unsigned int					m_xValueCount = 0;
	unsigned int					m_yValueCount = 0;
	std::vector<double>				m_values;
	std::vector<SCI::ColorGridCell>	m_cells;
};

} // namespace SCI_Test

#endif // Sci_TestModelsH
