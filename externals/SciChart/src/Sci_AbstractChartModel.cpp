#include "Sci_AbstractChartModel.h"

#include <tinyxml.h>

#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>
#include <BVX_TinyXMLHelpers.h>

#include "Sci_PropertyIO.h"

namespace SCI {

namespace {

const char * const LEGEND_POSITION_KEYWORDS[AbstractChartModel::NUM_LP] = {
	"Left", "Right", "Bottom", "Top", "Inside"
};

} // namespace


AbstractChartModel::AbstractChartModel(QObject * parent) :
	QObject(parent)
{
}


QVariant AbstractChartModel::chartData(int role) const {
	const ChartProperties & p = m_chartProperties;
	switch (role) {
		case TitleText:
		case Title:							return p.m_titleText;
		case TitleFont:						return p.m_titleFont;
		case LegendVisible:					return p.m_legendVisible;
		case LegendPosition:				return p.m_legendPosition;
		case LegendAlignment:				return p.m_legendAlignment;
		case LegendHasFrame:				return p.m_legendHasFrame;
		case LegendIconStyle:				return p.m_legendIconStyle;
		case LegendIconWidth:				return p.m_legendIconWidth;
		case LegendBackgroundColor:			return p.m_legendBackgroundColor;
		case LegendBackgroundTransparency:	return p.m_legendBackgroundTransparency;
		case LegendOffset:					return p.m_legendOffset;
		case LegendMaxColumns:				return p.m_legendMaxColumns;
		case LegendSpacing:					return p.m_legendSpacing;
		case LegendFont:					return p.m_legendFont;
		case Proportional:					return p.m_proportional;
		case AxisY2TitleInverted:			return p.m_axisY2TitleInverted;
		case AxisScalesInside:				return p.m_axisScalesInside;
		case ConstructionLinesVisible:		return p.m_constructionLinesVisible;
		case ConstructionLinesPen:			return p.m_constructionLinesPen;
		default:							return QVariant();
	}
}


bool AbstractChartModel::setChartData(const QVariant & value, int role) {
	ChartProperties & p = m_chartProperties;
	bool changed = false;
	switch (role) {
		case TitleText:
			changed = assignChanged(p.m_titleText, value.toString());
			break;
		case TitleFont:
		case LegendFont:
			if (!value.canConvert<QFont>())
				return false;
			changed = assignChanged(role == TitleFont ? p.m_titleFont : p.m_legendFont, value.value<QFont>());
			break;
		case LegendVisible:				changed = assignChanged(p.m_legendVisible, value.toBool()); break;
		case LegendHasFrame:			changed = assignChanged(p.m_legendHasFrame, value.toBool()); break;
		case Proportional:				changed = assignChanged(p.m_proportional, value.toBool()); break;
		case AxisY2TitleInverted:		changed = assignChanged(p.m_axisY2TitleInverted, value.toBool()); break;
		case AxisScalesInside:			changed = assignChanged(p.m_axisScalesInside, value.toBool()); break;
		case ConstructionLinesVisible:	changed = assignChanged(p.m_constructionLinesVisible, value.toBool()); break;
		case LegendPosition:
		case LegendAlignment:
		case LegendIconStyle:
		case LegendIconWidth:
		case LegendMaxColumns:
		case LegendSpacing: {
			bool ok;
			int v = value.toInt(&ok);
			if (!ok)
				return false;
			int * target = nullptr;
			switch (role) {
				case LegendPosition:
					// the chart cannot place a legend elsewhere, the writer has no keyword for it
					if (v < 0 || v >= NUM_LP)
						return false;
					target = &p.m_legendPosition;
					break;
				case LegendAlignment:	target = &p.m_legendAlignment; break;
				case LegendIconStyle:	target = &p.m_legendIconStyle; break;
				case LegendIconWidth:	target = &p.m_legendIconWidth; break;
				case LegendMaxColumns:	target = &p.m_legendMaxColumns; break;
				default:				target = &p.m_legendSpacing; break;
			}
			changed = assignChanged(*target, v);
		} break;
		case LegendBackgroundColor: {
			if (!value.canConvert<QColor>())
				return false;
			changed = assignChanged(p.m_legendBackgroundColor, value.value<QColor>());
		} break;
		case LegendBackgroundTransparency: {
			bool ok;
			double v = value.toDouble(&ok);
			if (!ok)
				return false;
			changed = assignChanged(p.m_legendBackgroundTransparency, v);
		} break;
		case LegendOffset:
			changed = assignChanged(p.m_legendOffset, value.toSize());
			break;
		case ConstructionLinesPen:
			if (!value.canConvert<QPen>())
				return false;
			changed = assignChanged(p.m_constructionLinesPen, value.value<QPen>());
			break;
		default:
			return false;	// unknown roles and the read-only Title
	}
	if (changed)
		emit chartChanged(role);
	return true;
}


void AbstractChartModel::readXML(const TiXmlElement * element) {
	beginChangeModel();
	try {
		const TiXmlElement * chartProps = element->FirstChildElement("ChartProperties");
		if (chartProps != nullptr)
			readChartProperties(chartProps);
	}
	catch (BVX::Exception & ex) {
		// close the bracket, else a bound chart never replots again
		announceChart();
		endChangeModel();
		throw BVX::Exception(ex, "Error reading chart settings.", "[AbstractChartModel::readXML]");
	}
	// read silently: a bound chart learns of every property now
	announceChart();
	endChangeModel();
}


void AbstractChartModel::announceChart() {
	for (int role = 0; role < NUM_CDR; ++role)
		emit chartChanged(role);
}


void AbstractChartModel::readChartProperties(const TiXmlElement * chartProps) {
	ChartProperties & p = m_chartProperties;
	for (const TiXmlElement * c = chartProps->FirstChildElement(); c != nullptr; c = c->NextSiblingElement()) {
		const std::string & name = c->ValueStr();
		if (name == "TitleText")
			p.m_titleText = fromUtf8(elementText(c));
		else if (name == "TitleFont")
			p.m_titleFont = fontFromXml(elementText(c));
		else if (name == "Proportional")
			p.m_proportional = BVX::string2val<bool>(elementText(c));
		else if (name == "AxisY2TitleInverted")
			p.m_axisY2TitleInverted = BVX::string2val<bool>(elementText(c));
		else if (name == "AxisScalesInside")
			p.m_axisScalesInside = BVX::string2val<bool>(elementText(c));
		else if (name == "Legend") {
			readLegend(c);
			readConstructionLines(chartProps);
		}
	}
}


void AbstractChartModel::readLegend(const TiXmlElement * legend) {
	ChartProperties & p = m_chartProperties;
	readAttribute(legend, "visible", p.m_legendVisible);
	readAttribute(legend, "hasFrame", p.m_legendHasFrame);
	const TiXmlElement * pos = legend->FirstChildElement("Position");
	if (pos != nullptr) {
		std::string keyword = elementText(pos);
		int index = 0;
		while (index < NUM_LP && keyword != LEGEND_POSITION_KEYWORDS[index])
			++index;
		if (index == NUM_LP) {
			index = Bottom;
			BVX_Message(BVX::FormatText("Unknown keyword for legend position in 'Position' tag: %1. "
				"Bottom position will be used instead.").arg(keyword), BVX::MSG_WARNING,
				"[AbstractChartModel::readXML]", -1);
		}
		p.m_legendPosition = index;
	}
	int offset;
	if (readChild(legend, "OffsetX", offset))
		p.m_legendOffset.setWidth(offset);
	if (readChild(legend, "OffsetY", offset))
		p.m_legendOffset.setHeight(offset);
	readChild(legend, "Alignment", p.m_legendAlignment);
	readChild(legend, "BackgroundTransparency", p.m_legendBackgroundTransparency);
	std::string text;
	if (readChild(legend, "BackgroundColor", text))
		p.m_legendBackgroundColor = colorFromXml(text);
	readChild(legend, "IconStyle", p.m_legendIconStyle);
	readChild(legend, "IconWidth", p.m_legendIconWidth);
	readChild(legend, "MaxColumns", p.m_legendMaxColumns);
	readChild(legend, "Spacing", p.m_legendSpacing);
	if (readChild(legend, "Font", text))
		p.m_legendFont = fontFromXml(text);
}


void AbstractChartModel::readConstructionLines(const TiXmlElement * chartProps) {
	ChartProperties & p = m_chartProperties;
	readChild(chartProps, "ConstructionLinesVisible", p.m_constructionLinesVisible);
	double width;
	if (readChild(chartProps, "ConstructionLinesPenWidth", width))
		p.m_constructionLinesPen.setWidthF(width);
	int style;
	if (readChild(chartProps, "ConstructionLinesPenStyle", style))
		p.m_constructionLinesPen.setStyle(static_cast<Qt::PenStyle>(style));
	std::string text;
	if (readChild(chartProps, "ConstructionLinesPenColor", text))
		p.m_constructionLinesPen.setColor(colorFromXml(text));
}


void AbstractChartModel::writeXML(TiXmlElement * parent) const {
	TiXmlElement * e = new TiXmlElement("ChartProperties");
	parent->LinkEndChild(e);

	const ChartProperties & p = m_chartProperties;
	const ChartProperties def;
	const bool all = m_writeAllProperties;

	if (all || p.m_titleText != def.m_titleText)
		appendElement(e, "TitleText", toUtf8(p.m_titleText));
	if (all || p.m_titleFont != QFont())
		appendElement(e, "TitleFont", xmlFont(p.m_titleFont));
	if (all || p.m_proportional != def.m_proportional)
		appendElement(e, "Proportional", xmlBool(p.m_proportional));
	if (all || p.m_axisY2TitleInverted != def.m_axisY2TitleInverted)
		appendElement(e, "AxisY2TitleInverted", xmlBool(p.m_axisY2TitleInverted));
	if (all || p.m_axisScalesInside != def.m_axisScalesInside)
		appendElement(e, "AxisScalesInside", xmlBool(p.m_axisScalesInside));

	TiXmlElement * legend = new TiXmlElement("Legend");
	e->LinkEndChild(legend);
	if (all || p.m_legendVisible != def.m_legendVisible)
		legend->SetAttribute("visible", xmlBool(p.m_legendVisible));
	if (all || p.m_legendHasFrame != def.m_legendHasFrame)
		legend->SetAttribute("hasFrame", xmlBool(p.m_legendHasFrame));
	if ((all || p.m_legendPosition != def.m_legendPosition) && p.m_legendPosition >= 0 && p.m_legendPosition < NUM_LP)
		appendElement(legend, "Position", LEGEND_POSITION_KEYWORDS[p.m_legendPosition]);
	if (all || p.m_legendAlignment != def.m_legendAlignment)
		appendElement(legend, "Alignment", BVX::val2string(p.m_legendAlignment));
	if (all || p.m_legendOffset.width() != def.m_legendOffset.width())
		appendElement(legend, "OffsetX", BVX::val2string(p.m_legendOffset.width()));
	if (all || p.m_legendOffset.height() != def.m_legendOffset.height())
		appendElement(legend, "OffsetY", BVX::val2string(p.m_legendOffset.height()));
	if (all || p.m_legendBackgroundTransparency != def.m_legendBackgroundTransparency)
		appendElement(legend, "BackgroundTransparency", xmlNumber(p.m_legendBackgroundTransparency));
	if (all || p.m_legendBackgroundColor != def.m_legendBackgroundColor)
		appendElement(legend, "BackgroundColor", xmlColor(p.m_legendBackgroundColor));
	if (all || p.m_legendIconStyle != def.m_legendIconStyle)
		appendElement(legend, "IconStyle", BVX::val2string(p.m_legendIconStyle));
	if (all || p.m_legendIconWidth != def.m_legendIconWidth)
		appendElement(legend, "IconWidth", BVX::val2string(p.m_legendIconWidth));
	if (all || p.m_legendMaxColumns != def.m_legendMaxColumns)
		appendElement(legend, "MaxColumns", BVX::val2string(p.m_legendMaxColumns));
	if (all || p.m_legendSpacing != def.m_legendSpacing)
		appendElement(legend, "Spacing", BVX::val2string(p.m_legendSpacing));
	if (all || p.m_legendFont != QFont())
		appendElement(legend, "Font", xmlFont(p.m_legendFont));

	const QPen & pen = p.m_constructionLinesPen;
	const QPen defPen;
	if (all || p.m_constructionLinesVisible != def.m_constructionLinesVisible)
		appendElement(e, "ConstructionLinesVisible", xmlBool(p.m_constructionLinesVisible));
	if (all || pen.widthF() != defPen.widthF())
		appendElement(e, "ConstructionLinesPenWidth", xmlNumber(pen.widthF()));
	if (all || pen.style() != defPen.style())
		appendElement(e, "ConstructionLinesPenStyle", BVX::val2string(static_cast<int>(pen.style())));
	if (all || pen.color() != defPen.color())
		appendElement(e, "ConstructionLinesPenColor", xmlColor(pen.color()));
}


void AbstractChartModel::beginResetModel() {
	emit modelAboutToBeReset();
}


void AbstractChartModel::endResetModel() {
	emit modelReset();
}


void AbstractChartModel::pushChange(int first, int last) {
	Q_ASSERT_X(first >= 0, "AbstractChartModel", "first >= 0");
	Q_ASSERT_X(last >= first, "AbstractChartModel", "last >= first");
	m_changes.push(ChangeRecord{first, last});
}


AbstractChartModel::ChangeRecord AbstractChartModel::popChange() {
	Q_ASSERT_X(!m_changes.isEmpty(), "AbstractChartModel", "!m_changes.isEmpty()");
	return m_changes.pop();
}


void AbstractChartModel::beginInsertSeries(int first, int last) {
	pushChange(first, last);
	emit seriesAboutToBeInserted(first, last);
}


void AbstractChartModel::endInsertSeries() {
	ChangeRecord c = popChange();
	emit seriesInserted(c.first, c.last);
}


void AbstractChartModel::beginRemoveSeries(int first, int last) {
	pushChange(first, last);
	emit seriesAboutToBeRemoved(first, last);
}


void AbstractChartModel::endRemoveSeries() {
	ChangeRecord c = popChange();
	emit seriesRemoved(c.first, c.last);
}


void AbstractChartModel::beginChangeSeries(int first, int last) {
	pushChange(first, last);
	emit seriesAboutToBeChanged(first, last);
}


void AbstractChartModel::endChangeSeries() {
	ChangeRecord c = popChange();
	emit seriesChanged(c.first, c.last);
}


void AbstractChartModel::beginChangeModel() {
	emit modelAboutToBeChanged();
}


void AbstractChartModel::endChangeModel() {
	emit modelChanged();
}


void AbstractChartModel::clearCachedData() {
	m_chartProperties = ChartProperties();
	if (!m_changes.isEmpty()) {
		BVX_Message("Unbalanced changes record.", BVX::MSG_WARNING, "[AbstractChartModel::clearCachedData]", 2);
		m_changes.clear();
	}
}

} // namespace SCI
