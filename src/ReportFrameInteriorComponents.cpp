#include "ReportFrameInteriorComponents.h"

ReportFrameInteriorComponents::ReportFrameInteriorComponents(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameInteriorComponents::heading() const {
	return tr("Interior components");
}
