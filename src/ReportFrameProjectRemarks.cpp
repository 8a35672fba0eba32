#include "ReportFrameProjectRemarks.h"

ReportFrameProjectRemarks::ReportFrameProjectRemarks(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameProjectRemarks::heading() const {
	return tr("Project remarks");
}
