#include "Sci_AbstractCartesianChartModel.h"

#include <tinyxml.h>

#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_TinyXMLHelpers.h>

#include "Sci_PropertyIO.h"

namespace SCI {

namespace {

/*! Same instant and same kind of time (UTC, local, offset): QDateTime's == compares instants only. */
bool sameDateTime(const QDateTime & a, const QDateTime & b) {
	return a == b && a.timeSpec() == b.timeSpec();
}

bool validPosition(int axisPosition) {
	return static_cast<unsigned int>(axisPosition) < AbstractCartesianChartModel::NUM_AXES;
}

/*! Reads width, style and colour of a grid pen from <prefix>Width/Style/Color. */
void readPen(const TiXmlElement * axis, const std::string & prefix, QPen & pen) {
	double width;
	if (readChild(axis, (prefix + "Width").c_str(), width))
		pen.setWidthF(width);
	int style;
	if (readChild(axis, (prefix + "Style").c_str(), style))
		pen.setStyle(static_cast<Qt::PenStyle>(style));
	std::string color;
	if (readChild(axis, (prefix + "Color").c_str(), color))
		pen.setColor(colorFromXml(color));
}

void writePen(TiXmlElement * axis, const std::string & prefix, const QPen & pen, const QPen & def, bool all) {
	if (all || pen.widthF() != def.widthF())
		appendElement(axis, (prefix + "Width").c_str(), xmlNumber(pen.widthF()));
	if (all || pen.style() != def.style())
		appendElement(axis, (prefix + "Style").c_str(), BVX::val2string(static_cast<int>(pen.style())));
	if (all || pen.color() != def.color())
		appendElement(axis, (prefix + "Color").c_str(), xmlColor(pen.color()));
}

} // namespace


AbstractCartesianChartModel::AbstractCartesianChartModel(QObject * parent) :
	AbstractChartModel(parent)
{
	resetAxes();
}


AxisProperties AbstractCartesianChartModel::defaultAxisProperties(int axisPosition) {
	// label alignments: horizontal, vertical
	static const int ALIGNMENTS[NUM_AXES][2] = { {2, 1}, {0, 2}, {1, 2} };
	AxisProperties p;
	p.m_labelHAlignment = ALIGNMENTS[axisPosition][0];
	p.m_labelVAlignment = ALIGNMENTS[axisPosition][1];
	p.m_enabled = axisPosition != RightYAxis;
	return p;
}


void AbstractCartesianChartModel::resetAxes() {
	for (int i = 0; i < NUM_AXES; ++i)
		m_axisProperties[i] = defaultAxisProperties(i);
}


QVariant AbstractCartesianChartModel::axisData(int axisPosition, int role) const {
	if (!validPosition(axisPosition))
		return QVariant();
	const AxisProperties & p = m_axisProperties[axisPosition];
	const AxisProperties & x = m_axisProperties[XAxis];
	switch (role) {
		case Enabled:			return p.m_enabled;
		case Title: {
			QString title = p.m_titleText;
			title.replace("$unit", QString::fromStdString(p.m_unit.name()));
			return title;
		}
		case TitleText:			return p.m_titleText;
		case Maximum:			return p.m_maximum;
		case Minimum:			return p.m_minimum;
		case Logarithmic:		return p.m_logarithmic;
		case Autoscale:			return p.m_autoscale;
		case TitleFont:			return p.m_titleFont;
		case LabelFont:			return p.m_labelFont;
		case LabelHAlignment:	return p.m_labelHAlignment;
		case LabelVAlignment:	return p.m_labelVAlignment;
		case LabelRotation:		return p.m_labelRotation;
		case MaxMinorScale:		return p.m_maxMinorScale;
		case MaxMajorScale:		return p.m_maxMajorScale;
		case AxisUnit:			return p.m_unit.id();
		case GridVisible:		return p.m_gridVisible;
		case GridPen:			return x.m_gridPen;
		case GridPenWidth:		return x.m_gridPen.widthF() * 2;
		case GridPenColor:		return x.m_gridPen.color();
		case MinorGridVisible:	return p.m_minorGridVisible;
		case MinorGridPen:		return x.m_minorGridPen;
		case MinorGridPenWidth:	return x.m_minorGridPen.widthF() * 2;
		case MinorGridPenColor:	return x.m_minorGridPen.color();
		case TitleSpacing:		return p.m_titleSpacing;
		case LabelSpacing:		return p.m_labelSpacing;
		case DateTimeEnabled:	return p.m_dateTimeEnabled;
		case DateTimeZero:		return p.m_dateTimeZero;
		case DateTimeSpec:		return p.m_dateTimeSpec;
		case DateTimeFormats:	return p.m_dateTimeFormats;
		default:				return QVariant();
	}
}


bool AbstractCartesianChartModel::setAxisData(const QVariant & value, int axisPosition, int role) {
	if (!validPosition(axisPosition))
		return false;
	AxisProperties & p = m_axisProperties[axisPosition];
	bool changed = false;
	switch (role) {
		case Enabled:			changed = assignChanged(p.m_enabled, value.toBool()); break;
		case Logarithmic:		changed = assignChanged(p.m_logarithmic, value.toBool()); break;
		case Autoscale:			changed = assignChanged(p.m_autoscale, value.toBool()); break;
		case GridVisible:		changed = assignChanged(p.m_gridVisible, value.toBool()); break;
		case MinorGridVisible:	changed = assignChanged(p.m_minorGridVisible, value.toBool()); break;
		case DateTimeEnabled:	changed = assignChanged(p.m_dateTimeEnabled, value.toBool()); break;
		case TitleText:			changed = assignChanged(p.m_titleText, value.toString()); break;
		case Maximum:
		case Minimum:
		case LabelRotation: {
			bool ok;
			double v = value.toDouble(&ok);
			if (!ok)
				return false;
			double & target = role == Maximum ? p.m_maximum : (role == Minimum ? p.m_minimum : p.m_labelRotation);
			changed = assignChanged(target, v);
			// limits of an autoscaled axis are stored for later but change nothing on screen
			if (role != LabelRotation && p.m_autoscale)
				return true;
		} break;
		case TitleFont:
		case LabelFont:
			if (!value.canConvert<QFont>())
				return false;
			changed = assignChanged(role == TitleFont ? p.m_titleFont : p.m_labelFont, value.value<QFont>());
			break;
		case LabelHAlignment:
		case LabelVAlignment:
		case MaxMinorScale:
		case MaxMajorScale:
		case TitleSpacing:
		case LabelSpacing:
		case DateTimeSpec: {
			bool ok;
			int v = value.toInt(&ok);
			if (!ok)
				return false;
			int * target;
			switch (role) {
				case LabelHAlignment:	target = &p.m_labelHAlignment; break;
				case LabelVAlignment:	target = &p.m_labelVAlignment; break;
				case MaxMinorScale:		target = &p.m_maxMinorScale; break;
				case MaxMajorScale:		target = &p.m_maxMajorScale; break;
				case TitleSpacing:		target = &p.m_titleSpacing; break;
				case LabelSpacing:		target = &p.m_labelSpacing; break;
				default:				target = &p.m_dateTimeSpec; break;
			}
			changed = assignChanged(*target, v);
		} break;
		case AxisUnit: {
			bool ok;
			unsigned int index = value.toUInt(&ok);
			if (!ok)
				return false;
			if (index != p.m_unit.id()) {
				p.m_unit.set(index);	// throws for an index outside the unit table
				changed = true;
			}
		} break;
		case GridPen:
		case MinorGridPen:
			if (!value.canConvert<QPen>())
				return false;
			changed = assignChanged(role == GridPen ? m_axisProperties[XAxis].m_gridPen
													: m_axisProperties[XAxis].m_minorGridPen, value.value<QPen>());
			break;
		case GridPenWidth:
		case MinorGridPenWidth: {
			bool ok;
			double v = value.toDouble(&ok);
			if (!ok)
				return false;
			QPen & pen = role == GridPenWidth ? m_axisProperties[XAxis].m_gridPen : m_axisProperties[XAxis].m_minorGridPen;
			// the role carries twice the pen width
			if (pen.widthF() * 2 != v) {
				pen.setWidthF(v * 0.5);
				changed = true;
			}
		} break;
		case GridPenColor:
		case MinorGridPenColor: {
			if (!value.canConvert<QColor>())
				return false;
			QPen & pen = role == GridPenColor ? m_axisProperties[XAxis].m_gridPen : m_axisProperties[XAxis].m_minorGridPen;
			QColor c = value.value<QColor>();
			if (pen.color() != c) {
				pen.setColor(c);
				changed = true;
			}
		} break;
		case DateTimeZero: {
			QDateTime dt = value.toDateTime();
			if (!sameDateTime(dt, p.m_dateTimeZero)) {
				p.m_dateTimeZero = dt;
				changed = true;
			}
		} break;
		case DateTimeFormats: {
			QStringList formats = value.toStringList();
			// the date scale takes exactly one format per interval type
			if (formats.size() != p.m_dateTimeFormats.size())
				return false;
			changed = assignChanged(p.m_dateTimeFormats, formats);
		} break;
		default:
			return false;	// unknown roles and the read-only Title
	}
	if (changed)
		emit axisChanged(axisPosition, role);
	return true;
}


AxisProperties AbstractCartesianChartModel::axisProperties(int axisPosition) const {
	if (!validPosition(axisPosition))
		return AxisProperties();
	return m_axisProperties[axisPosition];
}


bool AbstractCartesianChartModel::setAxisProperties(int axisPosition, const AxisProperties & props) {
	if (!validPosition(axisPosition))
		return false;
	m_axisProperties[axisPosition] = props;
	return true;
}


void AbstractCartesianChartModel::clearCachedData() {
	AbstractChartModel::clearCachedData();
	resetAxes();
}


void AbstractCartesianChartModel::readXML(const TiXmlElement * element) {
	// the axes are read silently: a bound chart learns of them at the end, with one replot
	beginChangeModel();
	const TiXmlElement * axisProps = element->FirstChildElement("AxisProperties");
	if (axisProps != nullptr) {
		try {
			for (const TiXmlElement * c = axisProps->FirstChildElement("Axis"); c != nullptr; c = c->NextSiblingElement("Axis"))
				readAxis(c);
		}
		catch (BVX::Exception & ex) {
			announceAxes();
			endChangeModel();
			throw BVX::Exception(ex, "Error reading chart series.", "[AbstractCartesianChartModel::readXML]");
		}
	}
	try {
		AbstractChartModel::readXML(element);
	}
	catch (...) {
		announceAxes();
		endChangeModel();
		throw;
	}
	announceAxes();
	endChangeModel();
}


void AbstractCartesianChartModel::announceAxes() {
	for (int position = 0; position < NUM_AXES; ++position)
		for (int role = 0; role < NUM_ADR; ++role)
			emit axisChanged(position, role);
}


void AbstractCartesianChartModel::readAxis(const TiXmlElement * axis) {
	const char * const FUNC_ID = "[AbstractCartesianChartModel::readXML]";
	int index;
	// kept on purpose: the message names a Series although it concerns the Axis element
	if (!readAttribute(axis, "index", index))
		throw BVX::Exception("Expected 'index' attribute in Series.", FUNC_ID);
	if (!validPosition(index))
		throw BVX::Exception(BVX::FormatText("Axis index %1 out of range 0..2.").arg(index), FUNC_ID);

	// read into a copy so that a malformed element leaves the axis as it was
	AxisProperties p = m_axisProperties[index];
	QPen gridPen = m_axisProperties[XAxis].m_gridPen;
	QPen minorGridPen = m_axisProperties[XAxis].m_minorGridPen;

	readAttribute(axis, "enabled", p.m_enabled);
	readAttribute(axis, "logarithmic", p.m_logarithmic);
	readAttribute(axis, "autoscale", p.m_autoscale);
	std::string text;
	if (readChild(axis, "TitleText", text))
		p.m_titleText = fromUtf8(text);
	if (readChild(axis, "TitleFont", text))
		p.m_titleFont = fontFromXml(text);
	if (readChild(axis, "LabelFont", text))
		p.m_labelFont = fontFromXml(text);
	readChild(axis, "LabelHAlignment", p.m_labelHAlignment);
	readChild(axis, "LabelVAlignment", p.m_labelVAlignment);
	readChild(axis, "LabelRotation", p.m_labelRotation);
	if (readChild(axis, "BVX:Unit", text))
		p.m_unit = BVX::Unit(text);	// throws for an unknown unit name
	readChild(axis, "MaxMinorScale", p.m_maxMinorScale);
	readChild(axis, "MaxMajorScale", p.m_maxMajorScale);
	readChild(axis, "GridVisible", p.m_gridVisible);
	readPen(axis, "GridPen", gridPen);
	readChild(axis, "MinorGridVisible", p.m_minorGridVisible);
	readPen(axis, "MinorGridPen", minorGridPen);
	readChild(axis, "TitleSpacing", p.m_titleSpacing);
	readChild(axis, "LabelSpacing", p.m_labelSpacing);
	readChild(axis, "DateTimeEnabled", p.m_dateTimeEnabled);
	if (readChild(axis, "DateTimeZero", text)) {
		QDateTime dt = dateTimeFromXml(text);
		if (!dt.isValid())
			throw BVX::Exception(BVX::FormatText("Invalid date and time '%1'.").arg(text), FUNC_ID);
		p.m_dateTimeZero = dt;
	}
	readChild(axis, "DateTimeSpec", p.m_dateTimeSpec);
	if (readChild(axis, "DateTimeFormats", text)) {
		QStringList formats = fromUtf8(text).split('\n');
		if (formats.size() != p.m_dateTimeFormats.size())
			throw BVX::Exception(BVX::FormatText("Expected %1 date formats in 'DateTimeFormats', got %2.")
								 .arg(p.m_dateTimeFormats.size()).arg(formats.size()), FUNC_ID);
		p.m_dateTimeFormats = formats;
	}
	// limits are always assigned: an element without them means 0
	p.m_maximum = 0;
	p.m_minimum = 0;
	readChild(axis, "Maximum", p.m_maximum);
	readChild(axis, "Minimum", p.m_minimum);

	m_axisProperties[index] = p;
	m_axisProperties[XAxis].m_gridPen = gridPen;
	m_axisProperties[XAxis].m_minorGridPen = minorGridPen;
}


void AbstractCartesianChartModel::writeXML(TiXmlElement * parent) const {
	TiXmlElement * axisProps = new TiXmlElement("AxisProperties");
	parent->LinkEndChild(axisProps);
	for (int i = 0; i < NUM_AXES; ++i)
		writeAxis(axisProps, i);
	AbstractChartModel::writeXML(parent);
}


void AbstractCartesianChartModel::writeAxis(TiXmlElement * parent, int axisPosition) const {
	const AxisProperties & p = m_axisProperties[axisPosition];
	AxisProperties def = defaultAxisProperties(axisPosition);
	def.m_enabled = true;	// a disabled axis says so, also the right one
	const bool all = m_writeAllProperties;

	TiXmlElement * e = new TiXmlElement("Axis");
	parent->LinkEndChild(e);
	e->SetAttribute("index", axisPosition);
	if (all || p.m_enabled != def.m_enabled)
		e->SetAttribute("enabled", xmlBool(p.m_enabled));
	if (all || p.m_logarithmic != def.m_logarithmic)
		e->SetAttribute("logarithmic", xmlBool(p.m_logarithmic));
	if (all || p.m_autoscale != def.m_autoscale)
		e->SetAttribute("autoscale", xmlBool(p.m_autoscale));
	if (all || !p.m_titleText.isEmpty())
		appendElement(e, "TitleText", toUtf8(p.m_titleText));
	if (all || p.m_titleFont != QFont())
		appendElement(e, "TitleFont", xmlFont(p.m_titleFont));
	if (all || p.m_labelFont != QFont())
		appendElement(e, "LabelFont", xmlFont(p.m_labelFont));
	if (all || p.m_labelHAlignment != def.m_labelHAlignment)
		appendElement(e, "LabelHAlignment", BVX::val2string(p.m_labelHAlignment));
	if (all || p.m_labelVAlignment != def.m_labelVAlignment)
		appendElement(e, "LabelVAlignment", BVX::val2string(p.m_labelVAlignment));
	if (all || p.m_labelRotation != def.m_labelRotation)
		appendElement(e, "LabelRotation", xmlNumber(p.m_labelRotation));
	if (p.m_unit.id() != 0)
		BVX::appendSingleAttributeElement(e, "BVX:Unit", "name", "AxisUnit", p.m_unit.name());
	if (all || p.m_maximum != def.m_maximum)
		appendElement(e, "Maximum", xmlNumber(p.m_maximum));
	if (all || p.m_minimum != def.m_minimum)
		appendElement(e, "Minimum", xmlNumber(p.m_minimum));
	if (all || p.m_maxMinorScale != def.m_maxMinorScale)
		appendElement(e, "MaxMinorScale", BVX::val2string(p.m_maxMinorScale));
	if (all || p.m_maxMajorScale != def.m_maxMajorScale)
		appendElement(e, "MaxMajorScale", BVX::val2string(p.m_maxMajorScale));
	if (all || p.m_gridVisible != def.m_gridVisible)
		appendElement(e, "GridVisible", xmlBool(p.m_gridVisible));
	// the grid is chart-wide: its pens live with the x axis only
	if (axisPosition == XAxis)
		writePen(e, "GridPen", p.m_gridPen, def.m_gridPen, all);
	if (all || p.m_minorGridVisible != def.m_minorGridVisible)
		appendElement(e, "MinorGridVisible", xmlBool(p.m_minorGridVisible));
	if (axisPosition == XAxis)
		writePen(e, "MinorGridPen", p.m_minorGridPen, def.m_minorGridPen, all);
	if (all || p.m_labelSpacing != def.m_labelSpacing)
		appendElement(e, "LabelSpacing", BVX::val2string(p.m_labelSpacing));
	if (all || p.m_titleSpacing != def.m_titleSpacing)
		appendElement(e, "TitleSpacing", BVX::val2string(p.m_titleSpacing));
	if (all || p.m_dateTimeEnabled != def.m_dateTimeEnabled)
		appendElement(e, "DateTimeEnabled", xmlBool(p.m_dateTimeEnabled));
	if (all || !sameDateTime(p.m_dateTimeZero, def.m_dateTimeZero))
		appendElement(e, "DateTimeZero", xmlDateTime(p.m_dateTimeZero));
	if (all || p.m_dateTimeSpec != def.m_dateTimeSpec)
		appendElement(e, "DateTimeSpec", BVX::val2string(p.m_dateTimeSpec));
	if (all || p.m_dateTimeFormats != def.m_dateTimeFormats)
		appendElement(e, "DateTimeFormats", toUtf8(p.m_dateTimeFormats.join('\n')));
}

} // namespace SCI
