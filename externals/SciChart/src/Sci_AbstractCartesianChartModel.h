#ifndef Sci_AbstractCartesianChartModelH
#define Sci_AbstractCartesianChartModelH

#include "Sci_AbstractChartModel.h"
#include "Sci_AxisProperties.h"

namespace SCI {

/*! Chart model with three axes: 0 the x axis (bottom), 1 the left and 2 the right y axis. */
class AbstractCartesianChartModel : public AbstractChartModel {
	Q_OBJECT
public:
	enum AxisDataRole {
		Enabled,
		Title,				///< read only: title text with "$unit" replaced by the unit name
		TitleText,
		Maximum,
		Minimum,
		Logarithmic,
		Autoscale,
		TitleFont,
		LabelFont,
		LabelHAlignment,
		LabelVAlignment,
		LabelRotation,
		MaxMinorScale,
		MaxMajorScale,
		AxisUnit,			///< unit index (unsigned int)
		GridVisible,
		GridPen,			///< always the x axis's pen
		GridPenWidth,		///< twice the grid pen width
		GridPenColor,
		MinorGridVisible,
		MinorGridPen,		///< always the x axis's pen
		MinorGridPenWidth,	///< twice the minor grid pen width
		MinorGridPenColor,
		TitleSpacing,
		LabelSpacing,
		DateTimeEnabled,
		DateTimeZero,
		DateTimeSpec,
		DateTimeFormats,
		NUM_ADR
	};

	enum AxisPosition {
		XAxis,
		LeftYAxis,
		RightYAxis,
		NUM_AXES
	};

	explicit AbstractCartesianChartModel(QObject * parent = nullptr);

	QVariant axisData(int axisPosition, int role) const override;
	bool setAxisData(const QVariant & value, int axisPosition, int role) override;

	void readXML(const TiXmlElement * element) override;
	void writeXML(TiXmlElement * parent) const override;

	void clearCachedData() override;

	/*! A copy of the axis record; a default record for a position outside 0..2. */
	virtual AxisProperties axisProperties(int axisPosition) const;
	/*! Replaces the record silently; false for a position outside 0..2. */
	virtual bool setAxisProperties(int axisPosition, const AxisProperties & props);

protected:
	/*! The record of an axis after clearCachedData (alignments and enabled flag per position). */
	static AxisProperties defaultAxisProperties(int axisPosition);

	AxisProperties		m_axisProperties[NUM_AXES];

private:
	/*! axisChanged() for every role of every axis: after the records were set silently. */
	void announceAxes();
	void resetAxes();
	void readAxis(const TiXmlElement * axis);
	void writeAxis(TiXmlElement * parent, int axisPosition) const;
};

} // namespace SCI

#endif // Sci_AbstractCartesianChartModelH
