#include "ReportFrameClimate.h"

ReportFrameClimate::ReportFrameClimate(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameClimate::heading() const {
	return tr("Climate");
}
