#include "ReportFrameExteriorComponents.h"

ReportFrameExteriorComponents::ReportFrameExteriorComponents(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameExteriorComponents::heading() const {
	return tr("Exterior components");
}
