#include "ReportFrameShading.h"

ReportFrameShading::ReportFrameShading(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameShading::heading() const {
	return tr("Shading");
}
