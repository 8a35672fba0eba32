#include "ReportFrameMiscellaneous.h"

ReportFrameMiscellaneous::ReportFrameMiscellaneous(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameMiscellaneous::heading() const {
	return tr("Miscellaneous");
}
