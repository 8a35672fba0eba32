#ifndef Sci_ChartH
#define Sci_ChartH

#include <QPalette>
#include <QPen>
#include <QVector>

#include <qwt_plot.h>

#include "Sci_ChartAxis.h"

class QwtPlotGrid;
class QwtPlotMarker;
class QwtPlotPanner;
class QwtScaleWidget;

namespace SCI {

class AbstractChartModel;
class ChartSeries;
class Legend;
class LegendItem;
class LegendItemMover;
class PlotPicker;
class PlotRescaler;
class PlotScaleItem;
class PlotZoomer;

/*! Chart widget showing what a chart model describes and following its changes. */
class Chart : public QwtPlot {
	Q_OBJECT
public:
	explicit Chart(QWidget * parent = nullptr);
	~Chart() override;

	/*! Binds a model (not owned; null unbinds) and rebuilds the view. */
	void setModel(AbstractChartModel * model);
	AbstractChartModel * model() const { return m_model; }

	/*! Rebuilds the series and applies every property again. */
	void resetView();

	bool insertLineSeriesFromModel(int index);
	/*! The one series of a bar model. */
	bool insertBarSeriesFromModel();
	/*! The one series of a colour-grid model, with the colour bar on the right axis. */
	bool insertColorGridSeriesFromModel();

	/*! The series at index, null outside. */
	ChartSeries * seriesAt(int index) const;
	int seriesCount() const { return m_series.size(); }

	/*! Thin pens, white background and optionally fitted curves for rendering. */
	void preparePrinting(bool showLegendItem, bool fitted);
	/*! Restores the state before preparePrinting. */
	void finishPrinting();

	void addConstructionLine(double x, const QPen & pen);
	void clearConstructionLines();
	const QVector<QwtPlotMarker *> & constructionLines() const { return m_constructionLines; }

	void updateStyle();
	void updateAxisScalesInside();

	Legend * legendWidget() const { return m_legend; }
	LegendItem * legendItem() const { return m_legendItem; }
	PlotZoomer * zoomer() const { return m_zoomer; }
	PlotPicker * picker() const { return m_picker; }
	PlotRescaler * rescaler() const { return m_rescaler; }
	QwtPlotGrid * grid() const { return m_grid; }
	/*! Scale item of a Qwt axis id. */
	PlotScaleItem * scaleItem(int axisId) const { return m_scaleItems[axisId]; }
	/*! Axis of a model axis position (0 x, 1 left y, 2 right y). */
	ChartAxis & axis(int position);

public slots:
	void replot() override;
	void prohibitUpdate();
	void allowUpdate();
	void allowUpdateAndReplot();

	void onChartChanged(int role);
	void onAxisChanged(int position, int role);
	void onSeriesViewChanged(int first, int last, int role);
	void onSeriesAboutToBeInserted(int first, int last);
	void onSeriesInserted(int first, int last);
	void onSeriesAboutToBeRemoved(int first, int last);
	void onSeriesRemoved(int first, int last);
	void onSeriesAboutToBeChanged(int first, int last);
	void onSeriesChanged(int first, int last);
	void onModelAboutToBeDeleted();
	void onModelAboutToBeReset();
	void onSeriesModelReset();

private:
	void connectModel(bool doConnect);
	void deleteAllSeries();
	/*! The series of the model's kind; the error text when one cannot be made, else null. */
	const char * createSeries(int type);
	/*! Role 4: legend widget or item at the model's position, then roles 5..14. */
	/*! False when the role does not apply now (no replot then). */
	bool applyChartRole(int role);
	void applyAxisRole(int position, int role);
	void applyLegendPosition();
	void applyLegendRole(int role);
	void applyConstructionLines();
	void applyProportional();
	void applyLineSeriesRole(int index, int role);
	void applyBarSeriesRole(int role);
	/*! Bar palettes and titles of the model. */
	void applyBarSymbols();
	void applyColorGridRole(int role);
	/*! Colour maps of colour bar and grid, z range, interpolation and contour distance. */
	void applyColorScale();
	/*! Hands the grid of the model to the colour-grid series; errors are logged. */
	void setColorGridData();
	/*! Unit text kind of every tracker text (picker and zoomer). */
	void setUnitText(int kind, const QString & text);
	bool isLineChart() const;
	/*! Pen width in painter units for the ticks of yLeft, yRight, xBottom and the scale
		items; 0 draws with the whole-number width 1. */
	void setScalePenWidth(double width);
	void setCurvesFitted(bool fitted);
	QVariant axisValue(int position, int role) const;
	QVariant chartValue(int role) const;

	AbstractChartModel *		m_model = nullptr;
	int							m_noUpdateCounter = 0;
	QVector<ChartSeries *>		m_series;
	ChartAxis					m_axisYLeft;
	ChartAxis					m_axisYRight;
	ChartAxis					m_axisXTop;
	ChartAxis					m_axisXBottom;
	/*! By Qwt axis id; attached, deleted by the plot. */
	PlotScaleItem *				m_scaleItems[QwtPlot::axisCnt] = {};
	/*! Attached, deleted by the plot. */
	QwtPlotGrid *				m_grid = nullptr;
	/*! Owned by the plot, reset when it is replaced or removed. */
	Legend *					m_legend = nullptr;
	/*! Attached, deleted here when the position changes, else by the plot. */
	LegendItem *				m_legendItem = nullptr;
	QwtScaleWidget *			m_colorBar = nullptr;
	PlotZoomer *				m_zoomer = nullptr;
	QwtPlotPanner *				m_panner = nullptr;
	PlotPicker *				m_picker = nullptr;
	LegendItemMover *			m_legendItemMover = nullptr;
	PlotRescaler *				m_rescaler = nullptr;
	QVector<QwtPlotMarker *>	m_constructionLines;
	/*! Palette before preparePrinting. */
	QPalette					m_paletteBeforePrinting;
};

} // namespace SCI

#endif // Sci_ChartH
