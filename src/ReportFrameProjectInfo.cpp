#include "ReportFrameProjectInfo.h"

ReportFrameProjectInfo::ReportFrameProjectInfo(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameProjectInfo::heading() const {
	return tr("Project information");
}
