#include "ReportFrameMiscellaneous.h"

ReportFrameMiscellaneous::ReportFrameMiscellaneous(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_shading(newText()),
	m_cooling(newText())
{
}


void ReportFrameMiscellaneous::layoutBlocks() {
	placeText(m_title, heading(tr("Miscellaneous")), frameSpacing());
	placeText(m_shading, paragraph(tr("External shading is not considered")), headingSpacing());
	placeText(m_cooling, paragraph(tr("No passive cooling systems")), 0);
	setBottomSpace(frameSpacing());
}
