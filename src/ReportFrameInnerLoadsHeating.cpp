#include "ReportFrameInnerLoadsHeating.h"

ReportFrameInnerLoadsHeating::ReportFrameInnerLoadsHeating(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameInnerLoadsHeating::heading() const {
	return tr("Inner loads and heating");
}
