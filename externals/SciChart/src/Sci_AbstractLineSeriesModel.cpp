#include "Sci_AbstractLineSeriesModel.h"

#include <algorithm>
#include <vector>

#include <tinyxml.h>

#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_TinyXMLHelpers.h>

#include "Sci_PropertyIO.h"

namespace SCI {

namespace {

SeriesProperties readSeries(const TiXmlElement * series) {
	SeriesProperties p;
	readAttribute(series, "leftAxis", p.m_leftAxis);
	readAttribute(series, "inverted", p.m_inverted);
	readAttribute(series, "fitted", p.m_fitted);
	readAttribute(series, "inLegend", p.m_inLegend);
	std::string text;
	if (readChild(series, "TitleText", text))
		p.m_titleText = fromUtf8(text);
	readChild(series, "LineStyle", p.m_lineStyle);
	readChild(series, "MarkerStyle", p.m_markerStyle);
	double width;
	if (readChild(series, "PenWidth", width))
		p.m_pen.setWidthF(width);
	int style;
	if (readChild(series, "PenStyle", style))
		p.m_pen.setStyle(static_cast<Qt::PenStyle>(style));
	if (readChild(series, "PenColor", text))
		p.m_pen.setColor(colorFromXml(text));
	return p;
}

} // namespace


AbstractLineSeriesModel::AbstractLineSeriesModel(QObject * parent) :
	AbstractCartesianChartModel(parent)
{
}


int AbstractLineSeriesModel::seriesCount() const {
	return m_seriesProperties.size();
}


QVariant AbstractLineSeriesModel::seriesData(int seriesIndex, int role) const {
	Q_ASSERT_X(seriesIndex >= 0 && seriesIndex < static_cast<int>(seriesCount()), "AbstractLineSeriesModel::seriesData",
			   "seriesIndex >= 0 && seriesIndex < static_cast<int>(seriesCount())");
	const SeriesProperties & p = m_seriesProperties[seriesIndex];
	switch (role) {
		case TitleText:
		case Title:			return p.m_titleText;
		case Pen:			return p.m_pen;
		case PenWidth:		return p.m_pen.width();
		case PenColor:		return p.m_pen.color();
		case LeftAxis:		return p.m_leftAxis;
		case LineStyle:		return p.m_lineStyle;
		case MarkerStyle:	return p.m_markerStyle;
		case Inverted:		return p.m_inverted;
		case Fitted:		return p.m_fitted;
		case InLegend:		return p.m_inLegend;
		default:			return QVariant();
	}
}


bool AbstractLineSeriesModel::setSeriesData(const QVariant & value, int seriesIndex, int role) {
	Q_ASSERT_X(seriesIndex >= 0 && seriesIndex < static_cast<int>(seriesCount()), "AbstractLineSeriesModel::setSeriesData",
			   "seriesIndex >= 0 && seriesIndex < static_cast<int>(seriesCount())");
	SeriesProperties & p = m_seriesProperties[seriesIndex];
	bool changed = false;
	switch (role) {
		case TitleText:
			// always announced: a chart may rebuild its legend on a title signal
			p.m_titleText = value.toString();
			changed = true;
			break;
		case Pen:
			if (!value.canConvert<QPen>())
				return false;
			changed = assignChanged(p.m_pen, value.value<QPen>());
			break;
		case PenWidth: {
			bool ok;
			int w = value.toInt(&ok);
			if (!ok)
				return false;
			if (p.m_pen.width() != w) {
				p.m_pen.setWidth(w);
				changed = true;
			}
		} break;
		case PenColor: {
			if (!value.canConvert<QColor>())
				return false;
			QColor c = value.value<QColor>();
			if (p.m_pen.color() != c) {
				p.m_pen.setColor(c);
				changed = true;
			}
		} break;
		case LineStyle:		changed = assignChanged(p.m_lineStyle, value.toInt()); break;
		case MarkerStyle:	changed = assignChanged(p.m_markerStyle, value.toInt()); break;
		case Inverted:		changed = assignChanged(p.m_inverted, value.toBool()); break;
		case Fitted:		changed = assignChanged(p.m_fitted, value.toBool()); break;
		case InLegend:		changed = assignChanged(p.m_inLegend, value.toBool()); break;
		case LeftAxis: {
			bool left = value.toBool();
			if (p.m_leftAxis == left)
				return true;
			p.m_leftAxis = left;
			changed = true;
			// through the virtual setter, so a subclass's unit handling runs
			const int from = left ? RightYAxis : LeftYAxis;
			const int to = left ? LeftYAxis : RightYAxis;
			if (left) {
				bool anyRight = false;
				for (const SeriesProperties & s : m_seriesProperties)
					anyRight = anyRight || !s.m_leftAxis;
				if (!anyRight)
					setAxisData(false, RightYAxis, Enabled);
			}
			else {
				setAxisData(true, RightYAxis, Enabled);
			}
			if (axisData(to, AxisUnit).toUInt() == 0)
				setAxisData(axisData(from, AxisUnit), to, AxisUnit);
		} break;
		default:
			return false;	// ValueCount, the read-only Title and unknown roles
	}
	if (changed)
		emit seriesViewChanged(seriesIndex, seriesIndex, role);
	return true;
}


void AbstractLineSeriesModel::applySeriesProperties(int seriesIndex, const SeriesProperties & props) {
	setSeriesData(props.m_titleText, seriesIndex, TitleText);
	setSeriesData(props.m_pen, seriesIndex, Pen);
	setSeriesData(props.m_leftAxis, seriesIndex, LeftAxis);
	setSeriesData(props.m_lineStyle, seriesIndex, LineStyle);
	setSeriesData(props.m_markerStyle, seriesIndex, MarkerStyle);
	setSeriesData(props.m_inverted, seriesIndex, Inverted);
	setSeriesData(props.m_fitted, seriesIndex, Fitted);
	setSeriesData(props.m_inLegend, seriesIndex, InLegend);
}


void AbstractLineSeriesModel::readXML(const TiXmlElement * element) {
	const TiXmlElement * seriesProps = element->FirstChildElement("SeriesProperties");
	if (seriesProps != nullptr) {
		// all records are read before any is applied: a malformed document changes no series
		std::vector<SeriesProperties> records;
		try {
			for (const TiXmlElement * c = seriesProps->FirstChildElement("Series"); c != nullptr; c = c->NextSiblingElement("Series"))
				records.push_back(readSeries(c));
		}
		catch (BVX::Exception & ex) {
			throw BVX::Exception(ex, "Error reading chart series.", "[AbstractLineSeriesModel::readXML]");
		}
		const int n = std::min(static_cast<int>(records.size()), seriesCount());
		for (int i = 0; i < n; ++i)
			applySeriesProperties(i, records[static_cast<unsigned int>(i)]);
		if (static_cast<int>(records.size()) > n)
			BVX_Message(BVX::FormatText("%1 series records read for %2 series, surplus records ignored.")
						.arg(static_cast<int>(records.size())).arg(seriesCount()),
						BVX::MSG_WARNING, "[AbstractLineSeriesModel::readXML]", 1);
	}
	AbstractCartesianChartModel::readXML(element);
}


void AbstractLineSeriesModel::writeXML(TiXmlElement * parent) const {
	TiXmlElement * seriesProps = new TiXmlElement("SeriesProperties");
	parent->LinkEndChild(seriesProps);
	const SeriesProperties def;
	const bool all = m_writeAllProperties;
	for (const SeriesProperties & p : m_seriesProperties) {
		TiXmlElement * e = new TiXmlElement("Series");
		seriesProps->LinkEndChild(e);
		if (all || p.m_leftAxis != def.m_leftAxis)
			e->SetAttribute("leftAxis", xmlBool(p.m_leftAxis));
		if (all || p.m_inverted != def.m_inverted)
			e->SetAttribute("inverted", xmlBool(p.m_inverted));
		if (all || p.m_fitted != def.m_fitted)
			e->SetAttribute("fitted", xmlBool(p.m_fitted));
		if (all || p.m_inLegend != def.m_inLegend)
			e->SetAttribute("inLegend", xmlBool(p.m_inLegend));
		if (all || !p.m_titleText.isEmpty())
			appendElement(e, "TitleText", toUtf8(p.m_titleText));
		if (all || p.m_lineStyle != def.m_lineStyle)
			appendElement(e, "LineStyle", BVX::val2string(p.m_lineStyle));
		if (all || p.m_markerStyle != def.m_markerStyle)
			appendElement(e, "MarkerStyle", BVX::val2string(p.m_markerStyle));
		if (all || p.m_pen.widthF() != def.m_pen.widthF())
			appendElement(e, "PenWidth", xmlNumber(p.m_pen.widthF()));
		if (all || p.m_pen.style() != def.m_pen.style())
			appendElement(e, "PenStyle", BVX::val2string(static_cast<int>(p.m_pen.style())));
		if (all || p.m_pen.color() != def.m_pen.color())
			appendElement(e, "PenColor", xmlColor(p.m_pen.color()));
	}
	AbstractCartesianChartModel::writeXML(parent);
}


void AbstractLineSeriesModel::beginInsertSeries(int first, int last) {
	AbstractCartesianChartModel::beginInsertSeries(first, last);
	for (int i = first; i <= last; ++i)
		m_seriesProperties.insert(i, SeriesProperties());
}


void AbstractLineSeriesModel::beginRemoveSeries(int first, int last) {
	AbstractCartesianChartModel::beginRemoveSeries(first, last);
	for (int i = first; i <= last && first < m_seriesProperties.size(); ++i)
		m_seriesProperties.removeAt(first);
}


void AbstractLineSeriesModel::clearCachedData() {
	m_seriesProperties.clear();
	AbstractCartesianChartModel::clearCachedData();
}


void AbstractLineSeriesModel::setSeriesProperties(int seriesIndex, const SeriesProperties & props) {
	Q_ASSERT_X(seriesIndex >= 0 && seriesIndex < static_cast<int>(seriesCount()), "AbstractLineSeriesModel::setSeriesProperties",
			   "seriesIndex >= 0 && seriesIndex < static_cast<int>(seriesCount())");
	// one replot for the whole record; the axis side goes through its setter (axis units, values)
	beginChangeModel();
	const bool leftAxis = m_seriesProperties[seriesIndex].m_leftAxis;
	m_seriesProperties[seriesIndex] = props;
	m_seriesProperties[seriesIndex].m_leftAxis = leftAxis;
	setSeriesData(props.m_leftAxis, seriesIndex, LeftAxis);
	for (int role = TitleText; role <= InLegend; ++role)
		if (role != LeftAxis)
			emit seriesViewChanged(seriesIndex, seriesIndex, role);
	emit seriesChanged(seriesIndex, seriesIndex);
	endChangeModel();
}


const void * AbstractLineSeriesModel::extraData(unsigned int /*seriesIndex*/) const {
	return nullptr;
}


QColor AbstractLineSeriesModel::seriesColor(unsigned int seriesNumber) {
	// entry 13 repeats entry 2
	static const char * const PALETTE[14] = {
		"#000000", "#ff420e", "#004586", "#aecf00", "#ffd320", "#579d1c", "#7e0021",
		"#83caff", "#314004", "#4b1f6f", "#ff950e", "#c5000b", "#0084d1", "#004586"
	};
	return QColor(PALETTE[seriesNumber % 14]);
}

} // namespace SCI
