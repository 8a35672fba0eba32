#ifndef Sci_AbstractLineSeriesModelH
#define Sci_AbstractLineSeriesModelH

#include <QList>

#include "Sci_AbstractCartesianChartModel.h"
#include "Sci_SeriesProperties.h"

namespace SCI {

/*! Chart model of line series: one properties record per series, kept in step with the
	insert and remove brackets. The values themselves come from subclasses. */
class AbstractLineSeriesModel : public AbstractCartesianChartModel {
	Q_OBJECT
public:
	enum SeriesDataRole {
		ValueCount,		///< number of values, answered by subclasses holding data
		TitleText,
		Title,			///< read only
		Pen,
		PenWidth,
		PenColor,
		LeftAxis,		///< true: left y axis, false: right y axis
		LineStyle,
		MarkerStyle,
		Inverted,
		Fitted,
		InLegend,
		NUM_SDR
	};

	explicit AbstractLineSeriesModel(QObject * parent = nullptr);

	int seriesCount() const override;
	int seriesType() const override { return 1; }

	QVariant seriesData(int seriesIndex, int role) const override;
	bool setSeriesData(const QVariant & value, int seriesIndex, int role) override;

	/*! Reads the series records and applies them in order to the existing series;
		surplus records are ignored with a warning. Then axes and chart properties. */
	void readXML(const TiXmlElement * element) override;
	void writeXML(TiXmlElement * parent) const override;

	void beginInsertSeries(int first, int last) override;
	void beginRemoveSeries(int first, int last) override;

	void clearCachedData() override;

	/*! Replaces the record and emits seriesChanged for the series. */
	virtual void setSeriesProperties(int seriesIndex, const SeriesProperties & props);

	/*! First of seriesData(index, ValueCount) x values in axis units. */
	virtual const double * xValues(unsigned int seriesIndex) const = 0;
	/*! First of seriesData(index, ValueCount) y values in axis units. */
	virtual const double * yValues(unsigned int seriesIndex) const = 0;
	/*! Reserved; no data here. */
	virtual const void * extraData(unsigned int seriesIndex) const;

	/*! Default colour of series n (a palette of 14, repeating). */
	static QColor seriesColor(unsigned int seriesNumber);

protected:
	QList<SeriesProperties>		m_seriesProperties;

private:
	/*! Sets every property of the record through the role setters, so that a bound chart follows. */
	void applySeriesProperties(int seriesIndex, const SeriesProperties & props);
};

} // namespace SCI

#endif // Sci_AbstractLineSeriesModelH
