#ifndef ReportFrameTemperaturePlotH
#define ReportFrameTemperaturePlotH

#include <memory>

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

namespace SCI {
	class Chart;
	class LineSeriesContentModel;
}

/*! Report section "Temperatures": a chart over the year of the operative temperature of
	the last run, the outside air temperature of the climate data and the reference
	temperature of the DIN 4108-2 assessment. The chart is never shown; it is rendered into
	the page. Without results of a run: one line saying so.
*/
class ReportFrameTemperaturePlot : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameTemperaturePlot)
public:
	ReportFrameTemperaturePlot(Report * report, QTextDocument * textDocument);
	~ReportFrameTemperaturePlot() override;

	void update(QPaintDevice * device, double width) override;
	void draw(QPainter * painter, const QRectF & frame) override;
	/*! The chart is never broken: it is at most as tall as a page less its title, and only a
		title too tall for that is broken from it (and between its lines). */
	std::vector<double> breakPositions() const override;
	/*! The chart's bottom with a chart. */
	double contentBottom() const override;
	/*! The title's lines of the part, and the chart when the part holds its top. */
	void drawPart(QPainter * painter, const QRectF & rect, double from, double to) override;

	SCI::Chart * chart() const { return m_chart.get(); }
	SCI::LineSeriesContentModel * chartModel() const { return m_chartModel.get(); }
	/*! Where the chart goes inside the frame; null while no chart is laid out. */
	const QRectF & chartRect() const { return m_chartRect; }

protected:
	void layoutBlocks() override;

private:
	/*! Sets the series and the y range from the run; false when the climate data lack
		the hourly temperatures of a year. */
	bool updateSeries();
	/*! Top of the chart in frame coordinates. */
	double chartTop() const { return m_frameRect.height() - m_chartRect.height(); }
	void drawChart(QPainter * painter, const QPointF & topLeft);

	QtExt::TextFrame *								m_title;
	QtExt::TextFrame *								m_noResults;
	QRectF											m_chartRect;
	/*! The model first: the chart unbinds from it when it is destroyed. */
	std::unique_ptr<SCI::LineSeriesContentModel>	m_chartModel;
	std::unique_ptr<SCI::Chart>						m_chart;
	bool											m_withChart = false;
};

#endif // ReportFrameTemperaturePlotH
