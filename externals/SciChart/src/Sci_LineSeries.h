#ifndef Sci_LineSeriesH
#define Sci_LineSeriesH

#include <QColor>
#include <QPen>
#include <QSize>

#include "Sci_ChartSeries.h"

class QwtSymbol;

namespace SCI {

class PlotCurve;

/*! A line series: a PlotCurve showing the model's x and y arrays in place. */
class LineSeries : public ChartSeries {
	Q_OBJECT
public:
	LineSeries(Chart * chart, int count, const double * x, const double * y, const QString & title,
			   bool splitAtNaN, const QColor & color);

	int type() const override { return 1; }
	void lock() override;
	void unlock() override;

	/*! Stores the arrays (not owned) and hands them to the curve; count 0 shows one point at (0, 0). */
	void setData(int count, const double * x, const double * y);

	void setPen(const QPen & pen);
	void setColor(const QColor & color);
	void setPenWidth(int width);
	/*! QwtSymbol::Style numbering; -1 removes the marker. */
	void setMarkerStyle(int style);
	/*! QwtPlotCurve::CurveStyle numbering. */
	void setLineStyle(int style);
	void setInverted(bool inverted);
	void setInLegend(bool inLegend);
	void setLegendIconStyle(int style);
	/*! Takes width and height of size where each is above 0. */
	void setLegendIconSize(const QSize & size);

	PlotCurve * curve() const;

public slots:
	/*! Hands the stored arrays to the curve again unless it is locked. */
	void updateData();

private:
	void replotChart();
	/*! Curve symbol (null: none), keeping the legend icon size. */
	void replaceSymbol(QwtSymbol * symbol);

	int				m_count = 0;
	const double *	m_x = nullptr;
	const double *	m_y = nullptr;
};

} // namespace SCI

#endif // Sci_LineSeriesH
