#ifndef Sci_LineSeriesContentModelH
#define Sci_LineSeriesContentModelH

#include <memory>
#include <vector>

#include <BVX_UnitVector.h>

#include "Sci_AbstractLineSeriesModel.h"

namespace SCI {

/*! Line chart model holding the values of each series as unit vectors. The values handed
	to the chart are in the axis units; on a time axis x is in milliseconds since the epoch
	(x data are then durations since the axis's DateTimeZero).

	Each vector lives on the heap: the chart reads the arrays in place, so adding a series
	must not move the arrays of the others.
*/
class LineSeriesContentModel : public AbstractLineSeriesModel {
	Q_OBJECT
public:
	explicit LineSeriesContentModel(QObject * parent = nullptr);
	~LineSeriesContentModel() override;

	/*! Appends a series. The y values go to the left axis when their unit converts to the
		left axis unit (or that is undefined), else to the right axis likewise. Throws
		BVX::Exception for undefined or incompatible units and for x and y of different
		lengths; the model is then unchanged. */
	void addDataSet(const BVX::UnitVector & x, const BVX::UnitVector & y, const QString & name);
	/*! Replaces the values of a series: x in the series' own x unit, y in the unit of its
		axis. Throws BVX::Exception for x and y of different lengths, model unchanged. */
	void setValues(unsigned int seriesIndex, const BVX::UnitVector & x, const BVX::UnitVector & y);

	int seriesCount() const override;
	QVariant seriesData(int seriesIndex, int role) const override;
	bool setSeriesData(const QVariant & value, int seriesIndex, int role) override;
	/*! Unit and time changes convert the data and fixed limits. A unit that a series on
		that axis cannot take is refused (false, error message, nothing changed). */
	bool setAxisData(const QVariant & value, int axisPosition, int role) override;
	/*! Reads the properties, then brings the data into the axis units read. */
	void readXML(const TiXmlElement * element) override;
	/*! Resets the properties; the data stay, each series with a default record. */
	void clearCachedData() override;

	const double * xValues(unsigned int seriesIndex) const override;
	const double * yValues(unsigned int seriesIndex) const override;

private:
	/*! Unit the chart receives x values in: "ms" on a time axis, else the x axis unit. */
	BVX::Unit xTargetUnit() const;
	BVX::Unit axisUnit(int axisPosition) const;
	/*! Unit of the y axis the series belongs to. */
	BVX::Unit seriesAxisUnit(unsigned int index) const;
	/*! Copies the given x values of a series into its converted vector in the x target unit
		(plus the time axis's zero offset); conversion failures are swallowed. */
	void convertXValues(unsigned int index);
	/*! False (with an error message) when some series on the axis cannot take the unit. */
	bool unitAcceptable(int axisPosition, unsigned int unitIndex) const;
	/*! Converts all x and y data into the current axis units. */
	void convertAllData();
	/*! Converts the fixed limits of each axis whose unit differs from the previous one. */
	void convertLimits(const BVX::Unit previousUnits[]);
	/*! Fixed x limits follow a time axis switched on or off or a new zero: durations in
		the axis unit become milliseconds since the epoch and back. */
	void convertTimeLimits(bool wasTimeAxis, const QDateTime & previousZero);
	/*! Moves a series to the other y axis with its values converted into that axis' unit;
		false with a message where the units do not convert. */
	bool moveSeriesToAxis(int seriesIndex, bool leftAxis);

	std::vector<std::unique_ptr<BVX::UnitVector>>	m_xValues;
	std::vector<std::unique_ptr<BVX::UnitVector>>	m_xValuesConverted;
	std::vector<std::unique_ptr<BVX::UnitVector>>	m_yValues;
};

} // namespace SCI

#endif // Sci_LineSeriesContentModelH
