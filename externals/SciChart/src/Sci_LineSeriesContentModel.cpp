#include "Sci_LineSeriesContentModel.h"

#include <QSignalBlocker>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_UnitList.h>

namespace SCI {

namespace {

bool sameBase(const BVX::Unit & a, const BVX::Unit & b) {
	return a.base_id() == b.base_id();
}

void checkSizes(const BVX::UnitVector & x, const BVX::UnitVector & y, const char * functionID) {
	if (x.m_values.size() != y.m_values.size())
		throw BVX::Exception(BVX::FormatText("Size mismatch: %1 x values and %2 y values.")
							 .arg(x.m_values.size()).arg(y.m_values.size()), functionID);
}

} // namespace


LineSeriesContentModel::LineSeriesContentModel(QObject * parent) :
	AbstractLineSeriesModel(parent)
{
}


LineSeriesContentModel::~LineSeriesContentModel() = default;


BVX::Unit LineSeriesContentModel::axisUnit(int axisPosition) const {
	return m_axisProperties[axisPosition].m_unit;
}


BVX::Unit LineSeriesContentModel::xTargetUnit() const {
	if (m_axisProperties[XAxis].m_dateTimeEnabled)
		return BVX::Unit("ms");
	return axisUnit(XAxis);
}


void LineSeriesContentModel::addDataSet(const BVX::UnitVector & x, const BVX::UnitVector & y, const QString & name) {
	const char * const FUNC_ID = "[LineSeriesContentModel::addDataSet]";
	if (x.m_unit.id() == 0)
		throw BVX::Exception("Undefined x-unit in xvalues vector.", FUNC_ID);
	if (y.m_unit.id() == 0)
		throw BVX::Exception("Undefined y-unit in yvalues vector.", FUNC_ID);
	checkSizes(x, y, FUNC_ID);

	const bool timeAxis = m_axisProperties[XAxis].m_dateTimeEnabled;
	BVX::Unit xTarget = xTargetUnit();
	BVX::Unit left = axisUnit(LeftYAxis);
	BVX::Unit right = axisUnit(RightYAxis);

	if (xTarget.id() != 0 && !sameBase(xTarget, x.m_unit))
		throw BVX::Exception(BVX::FormatText("Incompatible x units: x-value unit = %1, x-axis unit = %2")
							 .arg(x.m_unit.name()).arg(xTarget.name()), FUNC_ID);
	if (xTarget.id() == 0)
		xTarget = x.m_unit;

	bool leftAxis;
	if (left.id() == 0) {
		left = y.m_unit;
		leftAxis = true;
	}
	else if (sameBase(left, y.m_unit))
		leftAxis = true;
	else if (right.id() == 0) {
		right = y.m_unit;
		leftAxis = false;
	}
	else if (sameBase(right, y.m_unit))
		leftAxis = false;
	else
		throw BVX::Exception(BVX::FormatText("Incompatible y unit: y-value unit = %1 cannot be converted to either "
											 "of the left y axis (unit = %2) or right y axis (unit = %3)")
							 .arg(y.m_unit.name()).arg(left.name()).arg(right.name()), FUNC_ID);

	// the cartesian setter: no data conversion is due, the new data are converted below
	if (!timeAxis)
		AbstractCartesianChartModel::setAxisData(xTarget.id(), XAxis, AxisUnit);
	AbstractCartesianChartModel::setAxisData(left.id(), LeftYAxis, AxisUnit);
	AbstractCartesianChartModel::setAxisData(right.id(), RightYAxis, AxisUnit);

	const unsigned int n = static_cast<unsigned int>(m_xValues.size());
	beginInsertSeries(static_cast<int>(n), static_cast<int>(n));

	m_xValues.push_back(std::make_unique<BVX::UnitVector>(x));
	m_xValuesConverted.push_back(std::make_unique<BVX::UnitVector>(x));
	if (timeAxis)
		convertXValues(n);
	else if (xTarget != x.m_unit)
		m_xValuesConverted.back()->convert(xTarget);

	m_yValues.push_back(std::make_unique<BVX::UnitVector>(y));
	const BVX::Unit & yTarget = leftAxis ? left : right;
	if (yTarget != y.m_unit)
		m_yValues.back()->convert(yTarget);

	{
		// the chart learns of the new series by the insert bracket alone
		QSignalBlocker blocker(this);
		const int i = static_cast<int>(n);
		setSeriesData(name, i, TitleText);
		setSeriesData(leftAxis, i, LeftAxis);
		setSeriesData(seriesColor(n), i, PenColor);
		setSeriesData(0, i, LineStyle);
	}

	endInsertSeries();
}


void LineSeriesContentModel::setValues(unsigned int seriesIndex, const BVX::UnitVector & x, const BVX::UnitVector & y) {
	Q_ASSERT_X(seriesIndex < m_yValues.size(), "LineSeriesContentModel::setValues", "index<m_yValues.size()");
	checkSizes(x, y, "[LineSeriesContentModel::setValues]");
	const int i = static_cast<int>(seriesIndex);
	beginChangeSeries(i, i);
	m_xValues[seriesIndex]->m_values = x.m_values;
	m_xValuesConverted[seriesIndex]->m_values = x.m_values;
	convertXValues(seriesIndex);
	m_yValues[seriesIndex]->m_values = y.m_values;
	endChangeSeries();
}


int LineSeriesContentModel::seriesCount() const {
	return static_cast<int>(m_xValues.size());
}


QVariant LineSeriesContentModel::seriesData(int seriesIndex, int role) const {
	Q_ASSERT_X(seriesIndex >= 0 && seriesIndex < static_cast<int>(m_xValues.size()), "LineSeriesContentModel::seriesData",
			   "seriesIndex >= 0 && seriesIndex < static_cast<int>(m_xValues.size())");
	if (role == ValueCount)
		return static_cast<int>(m_xValues[static_cast<unsigned int>(seriesIndex)]->m_values.size());
	return AbstractLineSeriesModel::seriesData(seriesIndex, role);
}


bool LineSeriesContentModel::setSeriesData(const QVariant & value, int seriesIndex, int role) {
	Q_ASSERT_X(seriesIndex >= 0 && seriesIndex <= static_cast<int>(m_xValues.size()), "LineSeriesContentModel::setSeriesData",
			   "seriesIndex >= 0 && seriesIndex <= static_cast<int>(m_xValues.size())");
	if (role == ValueCount)
		return false;
	if (role == LeftAxis)
		return moveSeriesToAxis(seriesIndex, value.toBool());
	return AbstractLineSeriesModel::setSeriesData(value, seriesIndex, role);
}


bool LineSeriesContentModel::moveSeriesToAxis(int seriesIndex, bool leftAxis) {
	const unsigned int index = static_cast<unsigned int>(seriesIndex);
	if (m_seriesProperties[seriesIndex].m_leftAxis == leftAxis)
		return true;
	const int to = leftAxis ? LeftYAxis : RightYAxis;
	const BVX::Unit own = m_yValues[index]->m_unit;
	const BVX::Unit target = axisUnit(to);
	bool othersThere = false;
	for (int i = 0; i < seriesCount(); ++i)
		othersThere = othersThere || (i != seriesIndex && m_seriesProperties[i].m_leftAxis == leftAxis);
	if (target.id() != 0 && !sameBase(target, own) && othersThere) {
		BVX_Message(BVX::FormatText("Series %1 with values in '%2' cannot move to the %3 y axis, whose values are in '%4'.")
					.arg(index).arg(own.name()).arg(leftAxis ? "left" : "right").arg(target.name()),
					BVX::MSG_ERROR, "[LineSeriesContentModel::setSeriesData]", -1);
		return false;
	}
	// values and axis change together: a bound chart replots once, with converted values
	beginChangeModel();
	if (target.id() != 0 && !sameBase(target, own))
		AbstractCartesianChartModel::setAxisData(own.id(), to, AxisUnit);	// an axis without series takes the unit
	const bool moved = AbstractLineSeriesModel::setSeriesData(leftAxis, seriesIndex, LeftAxis);
	if (moved && axisUnit(to).id() != 0)
		m_yValues[index]->convert(axisUnit(to));
	endChangeModel();
	return moved;
}


bool LineSeriesContentModel::unitAcceptable(int axisPosition, unsigned int unitIndex) const {
	const char * const FUNC_ID = "[LineSeriesContentModel::setAxisData]";
	BVX::Unit unit;
	try {
		unit = BVX::Unit(unitIndex);
	}
	catch (BVX::Exception & ex) {
		BVX_Message(ex.what(), BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	for (std::size_t i = 0; i < m_xValues.size(); ++i) {
		const BVX::UnitVector * data = nullptr;
		if (axisPosition == XAxis) {
			// on a time axis the x data go to milliseconds whatever the axis unit
			if (!m_axisProperties[XAxis].m_dateTimeEnabled)
				data = m_xValues[i].get();
		}
		else if (m_seriesProperties[static_cast<int>(i)].m_leftAxis == (axisPosition == LeftYAxis))
			data = m_yValues[i].get();
		if (data != nullptr && (unit.id() == 0 || !sameBase(unit, data->m_unit))) {
			BVX_Message(BVX::FormatText("Axis unit '%1' refused: series %2 holds values in '%3'.")
						.arg(unit.name()).arg(static_cast<unsigned int>(i)).arg(data->m_unit.name()),
						BVX::MSG_ERROR, FUNC_ID, -1);
			return false;
		}
	}
	return true;
}


bool LineSeriesContentModel::setAxisData(const QVariant & value, int axisPosition, int role) {
	if (role == AxisUnit && !m_xValues.empty() && axisPosition >= 0 && axisPosition < NUM_AXES) {
		bool ok;
		unsigned int index = value.toUInt(&ok);
		if (ok && index != axisUnit(axisPosition).id() && !unitAcceptable(axisPosition, index))
			return false;
	}
	BVX::Unit previousUnits[NUM_AXES];
	for (int i = 0; i < NUM_AXES; ++i)
		previousUnits[i] = m_axisProperties[i].m_unit;
	const bool wasTimeAxis = m_axisProperties[XAxis].m_dateTimeEnabled;
	const QDateTime previousZero = m_axisProperties[XAxis].m_dateTimeZero;
	bool accepted;
	{
		QSignalBlocker blocker(this);
		accepted = AbstractCartesianChartModel::setAxisData(value, axisPosition, role);
	}
	if (!accepted || m_xValues.empty())
		return false;
	if (role == AxisUnit || role == DateTimeEnabled || role == DateTimeZero) {
		convertAllData();
		convertLimits(previousUnits);
		if (axisPosition == XAxis)
			convertTimeLimits(wasTimeAxis, previousZero);
	}
	emit axisChanged(axisPosition, role);
	return true;
}


void LineSeriesContentModel::convertAllData() {
	for (unsigned int i = 0; i < m_xValues.size(); ++i) {
		convertXValues(i);
		// an axis without unit (after clearCachedData) leaves the values as they are
		if (seriesAxisUnit(i).id() != 0)
			m_yValues[i]->convert(seriesAxisUnit(i));
	}
}


BVX::Unit LineSeriesContentModel::seriesAxisUnit(unsigned int index) const {
	return axisUnit(m_seriesProperties[static_cast<int>(index)].m_leftAxis ? LeftYAxis : RightYAxis);
}


void LineSeriesContentModel::convertLimits(const BVX::Unit previousUnits[]) {
	for (int a = 0; a < NUM_AXES; ++a) {
		const AxisProperties & p = m_axisProperties[a];
		if (previousUnits[a].id() == 0 || previousUnits[a] == p.m_unit || p.m_autoscale)
			continue;
		if (a == XAxis && p.m_dateTimeEnabled)
			continue;
		// limits are in the previous axis unit
		try {
			double minimum = p.m_minimum;
			double maximum = p.m_maximum;
			BVX::UnitList::instance().convert(previousUnits[a], p.m_unit, minimum);
			BVX::UnitList::instance().convert(previousUnits[a], p.m_unit, maximum);
			setAxisData(minimum, a, Minimum);
			setAxisData(maximum, a, Maximum);
		}
		catch (BVX::Exception &) {
			// limits that cannot follow stay as they are; the other axes still follow
		}
	}
}


void LineSeriesContentModel::convertTimeLimits(bool wasTimeAxis, const QDateTime & previousZero) {
	const AxisProperties & p = m_axisProperties[XAxis];
	if (p.m_autoscale || (wasTimeAxis == p.m_dateTimeEnabled && (!wasTimeAxis || previousZero == p.m_dateTimeZero)))
		return;
	// durations are in the axis unit, else in the unit of the given x values
	BVX::Unit unit = axisUnit(XAxis);
	if (unit.id() == 0)
		unit = m_xValues.front()->m_unit;
	const BVX::Unit ms("ms");
	double limits[2] = { p.m_minimum, p.m_maximum };
	try {
		for (double & v : limits) {
			if (wasTimeAxis) {
				v -= static_cast<double>(previousZero.toMSecsSinceEpoch());
				BVX::UnitList::instance().convert(ms, unit, v);
			}
			if (p.m_dateTimeEnabled) {
				BVX::UnitList::instance().convert(unit, ms, v);
				v += static_cast<double>(p.m_dateTimeZero.toMSecsSinceEpoch());
			}
		}
	}
	catch (BVX::Exception &) {
		return;	// x data in no time unit: the limits stay
	}
	setAxisData(limits[0], XAxis, Minimum);
	setAxisData(limits[1], XAxis, Maximum);
}


void LineSeriesContentModel::convertXValues(unsigned int index) {
	Q_ASSERT_X(index < m_xValues.size(), "LineSeriesContentModel::convertXValues", "index < m_xValues.size()");
	const BVX::UnitVector & given = *m_xValues[index];
	if (given.m_values.empty())
		return;
	const AxisProperties & x = m_axisProperties[XAxis];
	BVX::Unit target = xTargetUnit();
	double offset = x.m_dateTimeEnabled ? static_cast<double>(x.m_dateTimeZero.toMSecsSinceEpoch()) : 0.0;
	// an x axis without unit (after clearCachedData) has nothing to convert into
	if (target.id() == 0)
		return;
	BVX::UnitVector & converted = *m_xValuesConverted[index];
	try {
		converted.m_values = given.m_values;
		converted.m_unit = given.m_unit;
		converted.convert(target);
		if (offset != 0.0)
			for (double & v : converted.m_values)
				v += offset;
	}
	catch (BVX::Exception &) {
		// x data in a unit that is no time (or no axis unit) stay as given
	}
}


void LineSeriesContentModel::readXML(const TiXmlElement * element) {
	AbstractLineSeriesModel::readXML(element);
	if (m_xValues.empty())
		return;
	// units and time settings were read silently: bring the data into them
	beginChangeSeries(0, static_cast<int>(m_xValues.size()) - 1);
	for (unsigned int i = 0; i < m_xValues.size(); ++i) {
		convertXValues(i);
		try {
			m_yValues[i]->convert(seriesAxisUnit(i));
		}
		catch (BVX::Exception &) {
			BVX_Message(BVX::FormatText("Values of series %1 in '%2' do not fit the axis unit '%3'.")
						.arg(i).arg(m_yValues[i]->m_unit.name()).arg(seriesAxisUnit(i).name()),
						BVX::MSG_WARNING, "[LineSeriesContentModel::readXML]", 1);
		}
	}
	endChangeSeries();
}


void LineSeriesContentModel::clearCachedData() {
	AbstractLineSeriesModel::clearCachedData();
	// the data stay, so each series keeps a record
	for (std::size_t i = 0; i < m_xValues.size(); ++i)
		m_seriesProperties.append(SeriesProperties());
}


const double * LineSeriesContentModel::xValues(unsigned int seriesIndex) const {
	Q_ASSERT_X(seriesIndex < m_xValuesConverted.size(), "LineSeriesContentModel::xValues", "index<m_xValuesConverted.size()");
	return m_xValuesConverted[seriesIndex]->m_values.data();
}


const double * LineSeriesContentModel::yValues(unsigned int seriesIndex) const {
	Q_ASSERT_X(seriesIndex < m_yValues.size(), "LineSeriesContentModel::yValues", "index<m_yValues.size()");
	return m_yValues[seriesIndex]->m_values.data();
}

} // namespace SCI
