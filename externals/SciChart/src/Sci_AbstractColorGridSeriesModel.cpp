#include "Sci_AbstractColorGridSeriesModel.h"

#include <cmath>
#include <limits>

#include <BVX_Exception.h>

#include "Sci_PropertyIO.h"

namespace SCI {

namespace {

const int RANGE_TYPE_ID = qRegisterMetaType<Range>("SCI::Range");

} // namespace


AbstractColorGridSeriesModel::ColorGridProperties::ColorGridProperties() :
	m_contourLineDistance(std::numeric_limits<double>::quiet_NaN())
{
	(void)RANGE_TYPE_ID;
}


AbstractColorGridSeriesModel::AbstractColorGridSeriesModel(QObject * parent) :
	AbstractCartesianChartModel(parent)
{
}


QVariant AbstractColorGridSeriesModel::seriesData(int seriesIndex, int role) const {
	Q_ASSERT_X(seriesIndex == 0, "AbstractColorGridSeriesModel::seriesData", "seriesIndex == 0");
	(void)seriesIndex;
	const ColorGridProperties & p = m_colorGridProperties;
	switch (role) {
		case XGridSize:			return xGridSize();
		case XGrid:				return QVariant::fromValue(xGrid());
		case YGridSize:			return yGridSize();
		case YGrid:				return QVariant::fromValue(yGrid());
		case XValueCount:		return xValueCount();
		case YValueCount:		return yValueCount();
		case Values:			return QVariant::fromValue(values());
		case Cells:				return QVariant::fromValue(cells());
		case ColorMapDefinition:	return QVariant::fromValue(p.m_colorMap);
		case TitleText:
		case Title:				return p.m_titleText;
		case ColorMapMinColor:	return p.m_minColor;
		case ColorMapMaxColor:	return p.m_maxColor;
		case ColorMapSteps:		return p.m_steps;
		case ZRange:			return QVariant::fromValue(p.m_zRange);
		case Interpolation:		return p.m_interpolation;
		case DisplayType:		return p.m_displayType;
		case RightAxis:			return p.m_rightAxis;
		case ContourLinesColoredByLevel:	return p.m_contourLinesColoredByLevel;
		case ContourLineDistance:	return p.m_contourLineDistance;
		case ContourPen:		return p.m_contourPen;
		default:				return QVariant();
	}
}


bool AbstractColorGridSeriesModel::setSeriesData(const QVariant & value, int seriesIndex, int role) {
	Q_ASSERT_X(seriesIndex == 0, "AbstractColorGridSeriesModel::setSeriesData", "seriesIndex == 0");
	ColorGridProperties & p = m_colorGridProperties;
	bool ok = true;
	bool changed = false;
	switch (role) {
		case ColorMapDefinition:
			if (!value.canConvert<ColorMap>())
				return false;
			changed = assignChanged(p.m_colorMap, value.value<ColorMap>());
			break;
		case TitleText:			changed = assignChanged(p.m_titleText, value.toString()); break;
		case ColorMapMinColor:
		case ColorMapMaxColor:
		case ColorMapSteps:
			ok = setRampRole(value, role, changed);
			break;
		case ZRange:
			if (!value.canConvert<Range>())
				return false;
			changed = assignChanged(p.m_zRange, value.value<Range>());
			break;
		case Interpolation:		ok = assignConverted(p.m_interpolation, value, changed); break;
		case DisplayType:		ok = assignConverted(p.m_displayType, value, changed); break;
		case RightAxis:			changed = assignChanged(p.m_rightAxis, value.toBool()); break;
		case ContourLinesColoredByLevel:	changed = assignChanged(p.m_contourLinesColoredByLevel, value.toBool()); break;
		case ContourLineDistance: {
			double d;
			if (!convertVariant(value, d))
				return false;
			// NaN (no contour levels) counts as equal to NaN
			changed = !(d == p.m_contourLineDistance || (std::isnan(d) && std::isnan(p.m_contourLineDistance)));
			p.m_contourLineDistance = d;
		} break;
		case ContourPen:
			if (value.userType() != QMetaType::QPen)
				return false;
			changed = assignChanged(p.m_contourPen, value.value<QPen>());
			break;
		default:
			return false;	// the grid, Title and unknown roles
	}
	if (!ok)
		return false;
	if (changed)
		emit seriesViewChanged(seriesIndex, seriesIndex, role);
	return true;
}


bool AbstractColorGridSeriesModel::setRampRole(const QVariant & value, int role, bool & changed) {
	ColorGridProperties & p = m_colorGridProperties;
	QColor minColor = p.m_minColor;
	QColor maxColor = p.m_maxColor;
	int steps = p.m_steps;
	if (role == ColorMapSteps) {
		if (!convertVariant(value, steps) || steps < 2)
			return false;
	}
	else {
		if (!value.canConvert<QColor>())
			return false;
		(role == ColorMapMinColor ? minColor : maxColor) = value.value<QColor>();
		if (!(role == ColorMapMinColor ? minColor : maxColor).isValid())
			return false;
	}
	if (minColor == p.m_minColor && maxColor == p.m_maxColor && steps == p.m_steps)
		return true;
	p.m_colorMap.setLinearMap(minColor, maxColor, static_cast<unsigned int>(steps));
	p.m_minColor = minColor;
	p.m_maxColor = maxColor;
	p.m_steps = steps;
	changed = true;
	return true;
}


void AbstractColorGridSeriesModel::clearCachedData() {
	AbstractCartesianChartModel::clearCachedData();
	m_colorGridProperties = ColorGridProperties();
}

} // namespace SCI
