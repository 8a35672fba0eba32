#ifndef PlotStyleH
#define PlotStyleH

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

#include <vector>

#include <qwt_text.h>

class QwtLegend;
class QwtLegendLabel;
class QwtPlot;
class QwtPlotItem;

/*! Look shared by the hourly result plots: fonts, legend, grid and the time axis in days. */
namespace PlotStyle {

/*! Text with the given point size (and rich-text format when asked). */
QwtText text(const QString & s, int pointSize, bool richText = false);

/*! Sets the point size of an axis font. */
void setAxisFontSize(QwtPlot * plot, int axisId, int pointSize);

/*! Time axis in days 0..365 on the bottom axis, with month/week/day scale draw and engine. */
void setTimeAxis(QwtPlot * plot);

/*! Framed light-grey legend at the right side of the plot (Text black when blackText). */
QwtLegend * insertFramedLegend(QwtPlot * plot, bool blackText);

/*! Dotted grid with vertical minor lines. */
void attachGrid(QwtPlot * plot, const QColor & majorColor, const QColor & minorColor);

/*! The legend entry widget of an attached item, null when it has none. */
QwtLegendLabel * legendLabel(const QwtPlot * plot, const QwtLegend * legend, const QwtPlotItem * item);

/*! Hourly values in a climate year. */
const unsigned int HOURS_PER_YEAR = 8760;

/*! Hourly values of a year as samples in days: the value of hour i lies at the end of the hour. */
QVector<QPointF> hourlySamples(const std::vector<double> & values);

} // namespace PlotStyle

#endif // PlotStyleH
