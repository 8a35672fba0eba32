#include "Sci_PlotPickerText.h"

#include <qwt_picker.h>
#include <qwt_plot.h>

#include <cmath>
#include <limits>

#include "Sci_Chart.h"
#include "Sci_ChartAxis.h"
#include "Sci_ColorGridSeries.h"
#include "Sci_PlotSpectrogram.h"

namespace SCI {

bool PlotPickerText::isUnitSet(const QString & unit) {
	return !unit.isEmpty() && unit != "undefined";
}


QString PlotPickerText::valueText(double value, const QString & unit, bool xValue) const {
	if (xValue && m_xAxis != nullptr && m_xAxis->isDateTime())
		return m_xAxis->label(value).text();
	return QString("%L1 %2").arg(value, 0, 'g', -1, QLatin1Char(' ')).arg(unit);
}


double PlotPickerText::colorGridValue(const QwtPlot * plot, double x, double y) {
	const Chart * chart = dynamic_cast<const Chart *>(plot);
	const ColorGridSeries * series = chart != nullptr ? qobject_cast<const ColorGridSeries *>(chart->seriesAt(0)) : nullptr;
	if (series == nullptr)
		return std::numeric_limits<double>::quiet_NaN();
	return series->spectrogram()->value(x, y);
}


QwtText PlotPickerText::trackerText(const QwtPlot * plot, int rubberBand, const QPoint & pos) const {
	if (!m_enabled)
		return QwtText(QString());
	const double x = plot->canvasMap(QwtPlot::xBottom).invTransform(pos.x());
	const double y = plot->canvasMap(QwtPlot::yLeft).invTransform(pos.y());
	const double y2 = plot->canvasMap(QwtPlot::yRight).invTransform(pos.y());
	const QString xText = valueText(x, m_units.m_texts[TrackerUnits::XUnit], true);
	const QString yText = valueText(y, m_units.m_texts[TrackerUnits::LeftYUnit], false);
	const bool y2Set = isUnitSet(m_units.m_texts[TrackerUnits::RightYUnit]);
	const QString y2Text = y2Set ? valueText(y2, m_units.m_texts[TrackerUnits::RightYUnit], false) : QString();
	QString text;
	switch (rubberBand) {
		case QwtPicker::HLineRubberBand:
			text = xText;
			break;
		case QwtPicker::VLineRubberBand:
			text = y2Set ? QString("%1, %2").arg(yText, y2Text) : yText;
			break;
		default:
			text = y2Set ? QString("%1, %2, %3").arg(xText, yText, y2Text) : QString("%1, %2").arg(xText, yText);
			break;
	}
	// a colour grid: its value under the mouse
	if (isUnitSet(m_units.m_texts[TrackerUnits::ValueUnit])) {
		const double z = colorGridValue(plot, x, y);
		if (std::isnan(z))
			text = QString("%1, %2").arg(xText, yText);
		else
			text = QString("%1, %2, %3").arg(xText, yText, valueText(z, m_units.m_texts[TrackerUnits::ValueUnit], false));
	}
	return QwtText(text, QwtText::RichText);
}

} // namespace SCI
