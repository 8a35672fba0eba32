#ifndef PlotStyleH
#define PlotStyleH

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

#include <cstddef>
#include <vector>

#include <qwt_text.h>

class QwtLegend;
class QwtLegendLabel;
class QwtPlot;
class QwtPlotItem;
class QwtColumnSymbol;
class QwtScaleDraw;
class QPainter;
class QPalette;

/*! Look shared by the hourly result plots: fonts, legend, grid and the time axis in days. */
namespace PlotStyle {

/*! Text with the given point size (and rich-text format when asked). */
QwtText text(const QString & s, int pointSize, bool richText = false);

/*! Axis title with the given point size: rich text, centred, broken into lines where the
	axis is too short for it in one. */
QwtText axisTitle(const QString & s, int pointSize);

/*! Replaces the text of an axis title, keeping its font, colour and line breaking. */
void setAxisTitleText(QwtPlot * plot, int axisId, const QString & s);

/*! Sets the point size of an axis font. */
void setAxisFontSize(QwtPlot * plot, int axisId, int pointSize);

/*! Time axis in days 0..365 on the bottom axis, with month/week/day scale draw and engine. */
void setTimeAxis(QwtPlot * plot);

/*! Framed light-grey legend at the right side of the plot (Text black when blackText). */
QwtLegend * insertFramedLegend(QwtPlot * plot, bool blackText);

/*! Dotted grid with vertical minor lines (no vertical lines at all when verticalLines is false). */
void attachGrid(QwtPlot * plot, const QColor & majorColor, const QColor & minorColor, bool verticalLines = true);

/*! The legend entry widget of an attached item, null when it has none. */
QwtLegendLabel * legendLabel(const QwtPlot * plot, const QwtLegend * legend, const QwtPlotItem * item);

/*! Draws label j centred between the scale positions j - 0.5 and j + 0.5 (j = 0..count-1),
	its top raised by lift pixels; bar axes whose scale draw paints no labels of its own. */
void drawSlotLabels(const QwtScaleDraw * scaleDraw, QPainter * painter, const QPalette & palette,
					const QString * labels, int count, int lift);

/*! Filled box of the given colour with a black frame of 1 pixel (bar charts); an invalid
	colour gives an invalid fill. */
QwtColumnSymbol * columnSymbol(const QColor & fill);

/*! Smallest and largest value of a plot's data (both start at 0) with the sample and the
	data set where each was found; logged as the plot's axis extremes. */
struct Extremes {
	void add(double v, std::size_t sample, unsigned int dataset);
	/*! Two progress lines (verbosity 4): minText and maxText with value, sample and data set. */
	void log(const char * functionId, const char * minText, const char * maxText) const;

	double			m_min = 0;
	double			m_max = 0;
	std::size_t		m_minSample = 0;
	std::size_t		m_maxSample = 0;
	unsigned int	m_minDataset = 0;
	unsigned int	m_maxDataset = 0;
};

/*! Hourly values in a climate year. */
const unsigned int HOURS_PER_YEAR = 8760;

/*! Hourly values of a year as samples in days: the value of hour i lies at the end of the hour. */
QVector<QPointF> hourlySamples(const std::vector<double> & values);

} // namespace PlotStyle

#endif // PlotStyleH
