#include "Sci_PlotRescaler.h"

#include <BVX_Unit.h>
#include <BVX_UnitData.h>

#include "Sci_AbstractCartesianChartModel.h"
#include "Sci_Chart.h"

namespace SCI {

PlotRescaler::PlotRescaler(Chart * chart) :
	QwtPlotRescaler(chart->canvas(), QwtPlot::xBottom, QwtPlotRescaler::Fitting),
	m_chart(chart)
{
	setAspectRatio(0.0);
	setAspectRatio(QwtPlot::yLeft, 1.0);
	setEnabled(false);
}


double PlotRescaler::unitRatio() const {
	typedef AbstractCartesianChartModel AM;
	const AbstractChartModel * model = m_chart->model();
	if (model == nullptr)
		return 1.0;
	try {
		const BVX::Unit xUnit(model->axisData(0, AM::AxisUnit).toUInt());
		const BVX::Unit yUnit(model->axisData(1, AM::AxisUnit).toUInt());
		double factor = 1.0;
		unsigned int operation = 0;
		yUnit.relate_to(xUnit, factor, operation);
		return operation == BVX::UnitData::OP_MUL ? factor : 1.0;
	}
	catch (...) {
		// unrelated units (different base units) are shown 1:1
		return 1.0;
	}
}


void PlotRescaler::rescale(const QSize & oldSize, const QSize & newSize) const {
	// Qwt's rescale is const, its aspect ratio setter is not
	const_cast<PlotRescaler *>(this)->setAspectRatio(QwtPlot::yLeft, unitRatio());
	QwtPlotRescaler::rescale(oldSize, newSize);
}

} // namespace SCI
