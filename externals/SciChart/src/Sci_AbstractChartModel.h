#ifndef Sci_AbstractChartModelH
#define Sci_AbstractChartModelH

#include <QObject>
#include <QStack>
#include <QVariant>

#include "Sci_ChartProperties.h"

class TiXmlElement;

namespace BVX {
	class GridData;
}

namespace SCI {

/*! Abstract data source of a chart. Properties are read and written by role as QVariant;
	structural changes of the series are bracketed by begin/end operations and every
	change is announced by a signal, so that a bound chart can follow.

	Setters return false for an unknown role or an unconvertible value, true without a
	signal for an unchanged value, and true after storing and signalling a changed value.
*/
class AbstractChartModel : public QObject {
	Q_OBJECT
public:
	enum ChartDataRole {
		TitleText,
		TitleFont,
		Title,
		LegendVisible,
		LegendPosition,
		LegendAlignment,
		LegendHasFrame,
		LegendIconStyle,
		LegendIconWidth,
		LegendBackgroundColor,
		LegendBackgroundTransparency,
		LegendOffset,
		LegendMaxColumns,
		LegendSpacing,
		LegendFont,
		Proportional,
		AxisY2TitleInverted,
		AxisScalesInside,
		ConstructionLinesVisible,
		ConstructionLinesPen,
		NUM_CDR
	};

	enum LegendPositionType {
		Left,
		Right,
		Bottom,
		Top,
		Inside,
		NUM_LP
	};

	explicit AbstractChartModel(QObject * parent = nullptr);

	virtual int seriesCount() const = 0;
	/*! 1 line, 4 colour grid, 5 bar. */
	virtual int seriesType() const = 0;

	virtual QVariant chartData(int role) const;
	virtual bool setChartData(const QVariant & value, int role);

	virtual QVariant seriesData(int seriesIndex, int role) const = 0;
	virtual bool setSeriesData(const QVariant & value, int seriesIndex, int role) = 0;

	virtual QVariant axisData(int axisPosition, int role) const = 0;
	virtual bool setAxisData(const QVariant & value, int axisPosition, int role) = 0;

	/*! Reads the properties from the children of element; properties not mentioned keep
		their values. Throws BVX::Exception on malformed content. */
	virtual void readXML(const TiXmlElement * element);
	/*! Appends the property elements to parent. */
	virtual void writeXML(TiXmlElement * parent) const;

	virtual void beginResetModel();
	virtual void endResetModel();

	/*! Construction lines drawn while ConstructionLinesVisible is set; none here. */
	virtual const BVX::GridData * constructionLineData() const { return nullptr; }

	virtual void beginInsertSeries(int first, int last);
	virtual void endInsertSeries();
	virtual void beginRemoveSeries(int first, int last);
	virtual void endRemoveSeries();
	virtual void beginChangeSeries(int first, int last);
	virtual void endChangeSeries();
	virtual void beginChangeModel();
	virtual void endChangeModel();

	/*! Resets the properties to their defaults. */
	virtual void clearCachedData();

	/*! When set, writeXML writes every property, else only those that differ from the defaults. */
	bool				m_writeAllProperties = false;

signals:
	void chartChanged(int chartDataRole);
	void axisChanged(int axisPosition, int role);
	void seriesViewChanged(int start, int end, int role);
	void seriesAboutToBeInserted(int start, int end);
	void seriesInserted(int start, int end);
	void seriesAboutToBeRemoved(int start, int end);
	void seriesRemoved(int start, int end);
	void seriesAboutToBeChanged(int start, int end);
	void seriesChanged(int start, int end);
	void modelAboutToBeReset();
	void modelReset();
	void modelAboutToBeChanged();
	void modelChanged();

protected:
	/*! Range of an open series bracket. */
	struct ChangeRecord {
		int first;
		int last;
	};

	ChartProperties		m_chartProperties;
	/*! One record per open series bracket, innermost on top. */
	QStack<ChangeRecord>	m_changes;

private:
	/*! chartChanged() for every chart role: after properties were set silently. */
	void announceChart();
	void readChartProperties(const TiXmlElement * chartProps);
	void readLegend(const TiXmlElement * legend);
	void readConstructionLines(const TiXmlElement * chartProps);
	/*! Pushes the bracket record after checking its range. */
	void pushChange(int first, int last);
	/*! Pops the innermost bracket record. */
	ChangeRecord popChange();
};

} // namespace SCI

#endif // Sci_AbstractChartModelH
