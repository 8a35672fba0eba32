#include "ReportFrameExteriorComponents.h"

#include <QLocale>

#include <RM_CaldoryneModelInterface.h>

ReportFrameExteriorComponents::ReportFrameExteriorComponents(Report * report, QTextDocument * textDocument) :
	ReportFrameComponentsBase(report, textDocument),
	m_title(newText())
{
}


void ReportFrameExteriorComponents::layoutBlocks() {
	const QString phi = QString::fromUtf8("ϕ");
	std::vector<Row> rows;
	for (const auto & s : surfaces(RM::RoomConstruction::Outside)) {
		const RM::RoomConstruction & rc = *s.second;
		const Cell orientation = rc.m_inclination != 0
				? Cell{ QLocale().toString(rc.m_orientation, 'g', QLocale::FloatingPointShortest), Qt::AlignRight }
				: missing();
		rows.push_back(Row{ centred(QString::number(s.first)), text(constructionName(rc.m_constructionId)),
							number(rc.m_AW + rc.m_AF, 2), orientation,
							Cell{ QLocale().toString(rc.m_inclination, 'g', QLocale::FloatingPointShortest), Qt::AlignRight },
							number(rc.m_ad, 2), number(rc.m_R_ui, 3), number(rc.m_R_ue, 3) });
	}
	placeText(m_title, heading(tr("Components")), frameTopSpacing());
	placeComponents(headingSpacing(), tr("Outer Components"),
		{ tr("ID"), tr("Construction name"), tr("A"), phi, "&beta;", "a", "R<sub>si</sub>", "R<sub>se</sub>" },
		{ QString(), QString(), "m<sup>2</sup>", tr("Deg"), tr("Deg"), "-", "m<sup>2</sup>K/W", "m<sup>2</sup>K/W" },
		rows, tr("No outer walls"), 8, {
		tr("A - total wall area (including windows)<br>"),
		tr("%1 - orientation of the component (0 - North, 90 - East)<br>").arg(phi),
		tr("&beta; - inclination of the component (90 - wall, 0 - flat roof)<br>"),
		tr("a - absorption coefficient of the outer surface<br>"),
		tr("R<sub>si</sub> - surface resistance inside<br>"),
		tr("R<sub>se</sub> - surface resistance outside") });
}
