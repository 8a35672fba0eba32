#include "ReportFrameInteriorComponents.h"

#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>

ReportFrameInteriorComponents::ReportFrameInteriorComponents(Report * report, QTextDocument * textDocument) :
	ReportFrameComponentsBase(report, textDocument)
{
}


void ReportFrameInteriorComponents::layoutBlocks() {
	std::vector<Row> rows;
	for (const auto & s : surfaces(RM::RoomConstruction::Inside)) {
		const RM::RoomConstruction & rc = *s.second;
		rows.push_back(Row{ centred(QString::number(s.first)), text(constructionName(rc.m_constructionId)),
							number(rc.m_AW + rc.m_AF, 2), text(QString()), number(rc.m_R_ui, 3), uValue(rc) });
	}
	placeComponents(frameSpacing(), tr("Inner Components"),
		{ tr("ID"), tr("Construction"), tr("A"), " ", "R<sub>si</sub>", tr("U-Value") },
		{ QString(), QString(), "m<sup>2</sup>", " ", "m<sup>2</sup>K/W", "W/m<sup>2</sup>K" },
		rows, tr("No inner components"), 6, {
		tr("A - total wall area<br>"),
		tr("R<sub>si</sub> - surface resistance inside<br>"),
		tr("U-value - U-value of the wall with given surface resistance on both sides") });
	if (!rows.empty()) {
		// "A" and the empty column beside it read as one title
		m_table->cell(2, 0).setBorderWidth(QtExt::TableCell::RightBorder, 0);
		m_table->cell(3, 0).setBorderWidth(QtExt::TableCell::LeftBorder, 0);
	}
}
