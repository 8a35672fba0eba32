#include "Sci_PlotPickerText.h"

#include <qwt_picker.h>
#include <qwt_plot.h>

#include "Sci_ChartAxis.h"

namespace SCI {

bool PlotPickerText::isUnitSet(const QString & unit) {
	return !unit.isEmpty() && unit != "undefined";
}


QString PlotPickerText::valueText(double value, const QString & unit, bool xValue) const {
	if (xValue && m_xAxis != nullptr && m_xAxis->isDateTime())
		return m_xAxis->label(value).text();
	return QString("%L1 %2").arg(value, 0, 'g', -1, QLatin1Char(' ')).arg(unit);
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
	// the value of a colour grid under the mouse is looked up once colour-grid series are drawn
	return QwtText(text, QwtText::RichText);
}

} // namespace SCI
