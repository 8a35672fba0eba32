#include "ReportFrameFixedTemperatureComponents.h"

#include <RM_CaldoryneModelInterface.h>

ReportFrameFixedTemperatureComponents::ReportFrameFixedTemperatureComponents(Report * report, QTextDocument * textDocument) :
	ReportFrameComponentsBase(report, textDocument)
{
}


void ReportFrameFixedTemperatureComponents::layoutBlocks() {
	std::vector<Row> rows;
	for (const auto & s : surfaces(RM::RoomConstruction::FixedTemperature)) {
		const RM::RoomConstruction & rc = *s.second;
		// a window area on such a surface is simulated as wall
		rows.push_back(Row{ centred(QString::number(s.first)), text(constructionName(rc.m_constructionId)),
							number(rc.m_AW + rc.m_AF, 2), number(rc.m_zoneT - 273.15, 1), number(rc.m_R_ui, 3),
							uValue(rc) });
	}
	placeComponents(frameSpacing(), tr("Components to areas with fixed temperature"),
		{ tr("ID"), tr("Construction"), tr("A"), "T<sub>other</sub>", "R<sub>si</sub>", tr("U-Value") },
		{ QString(), QString(), "m<sup>2</sup>", QString("%1C").arg(QString::fromUtf8("°")), "m<sup>2</sup>K/W", "W/m<sup>2</sup>K" },
		rows, tr("No components"), 6, {
		tr("A - total wall area<br>"),
		tr("T<sub>other</sub> - temperature of the other side of the wall if given<br>"),
		tr("R<sub>si</sub> - surface resistance inside<br>"),
		tr("U-value - U-value of the wall with given surface resistance on both sides") });
}
