#include "ReportFrameProjectRemarks.h"

#include <RM_CaldoryneModelInterface.h>

ReportFrameProjectRemarks::ReportFrameProjectRemarks(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument),
	m_title(newText()),
	m_text(newText())
{
}


void ReportFrameProjectRemarks::layoutBlocks() {
	placeText(m_title, heading(tr("Project remarks")), frameSpacing());
	// the description is html written by the rich-text editor: printed as it is
	placeText(m_text, room().m_projectInformation.m_description, headingSpacing());
}
