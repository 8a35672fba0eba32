#include "ReportFrameWindows.h"

ReportFrameWindows::ReportFrameWindows(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameWindows::heading() const {
	return tr("Windows");
}
