#include "Sci_ColorMapCreator.h"

#include <qwt_color_map.h>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include "Sci_ColorMap.h"

namespace SCI {

QwtColorMap * ColorMapCreator::createColorMap(const ColorMap & colorMap, bool fixedColors) {
	const char * const FUNC_ID = "[ColorMapCreator::createColorMap]";
	if (colorMap.m_type == ColorMap::Alpha)
		return new QwtAlphaColorMap(colorMap.m_alphaColor);
	if (colorMap.m_type != ColorMap::Linear)
		return nullptr;
	QwtLinearColorMap * map = new QwtLinearColorMap(QwtColorMap::RGB);
	map->setMode(fixedColors ? QwtLinearColorMap::FixedColors : QwtLinearColorMap::ScaledColors);
	const std::vector<ColorMap::ColorStop> & stops = colorMap.m_colorStops;
	if (stops.size() < 2) {
		BVX::BVX_Message("Not enough color stops in color map.", BVX::MSG_ERROR, FUNC_ID, -1);
		return map;
	}
	if (stops.front().m_pos != 0.0 || stops.back().m_pos != 1.0) {
		BVX::BVX_Message(BVX::FormatText("Invalid color map, first position must be 0 (got %1), last position must be 1 (got %2).")
						 .arg(stops.front().m_pos).arg(stops.back().m_pos), BVX::MSG_ERROR, FUNC_ID, -1);
		return map;
	}
	map->setColorInterval(stops.front().m_color, stops.back().m_color);
	for (std::size_t i = 1; i + 1 < stops.size(); ++i)
		map->addColorStop(stops[i].m_pos, stops[i].m_color);
	return map;
}

} // namespace SCI
