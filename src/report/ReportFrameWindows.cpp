#include "ReportFrameWindows.h"

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>

ReportFrameWindows::ReportFrameWindows(Report * report, QTextDocument * textDocument) :
	ReportFrameComponentsBase(report, textDocument)
{
}


void ReportFrameWindows::layoutBlocks() {
	std::vector<Row> rows;
	for (const auto & s : surfaces(RM::RoomConstruction::Outside)) {
		const RM::RoomConstruction & rc = *s.second;
		if (rc.m_windowId == 0)
			continue;
		const RM::WindowType * wt = database() != nullptr ? database()->windowType(rc.m_windowId) : nullptr;
		Cell shading = text(tr("No"));
		if (rc.m_shadingTypeId != 0) {
			const RM::ShadingType * st = database() != nullptr ? database()->shadingType(rc.m_shadingTypeId) : nullptr;
			shading = st != nullptr ? number(st->m_z, 2) : missing();
		}
		rows.push_back(Row{ centred(QString::number(rc.m_windowId)),
							text(wt != nullptr ? wt->name().toHtmlEscaped() : QString::number(rc.m_windowId)),
							centred(QString::number(s.first)), number(rc.m_AF, 2),
							wt != nullptr ? number(wt->m_g, 2) : missing(), wt != nullptr ? number(wt->m_f, 2) : missing(),
							shading, wt != nullptr ? number(wt->m_U, 3) : missing() });
	}
	// the window area, not the wall area, stands under "A"; the typo of the first line is kept on purpose
	placeComponents(frameSpacing(), tr("Windows"),
		{ tr("ID"), tr("Name"), tr("Wall ID"), tr("A"), "g", "f<sub>R</sub>", "z", tr("U-Value") },
		{ QString(), QString(), QString(), "m<sup>2</sup>", "-", "-", "-", "W/m<sup>2</sup>K" },
		rows, tr("No windows"), 8, {
		tr("Wall-ID - ID of ther outer wall there the window is located<br>"),
		tr("A - window area<br>"),
		tr("g - solar transmission for glazing (percentage of transmitted radiation)<br>"),
		tr("f<sub>R</sub> - frame factor (percentage of glazing)<br>"),
		tr("z - shading value (percentage of transmitted radiation)<br>"),
		tr("U-value - U-value of the complete window (glazing and frame)") });
}
