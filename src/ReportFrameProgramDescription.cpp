#include "ReportFrameProgramDescription.h"

ReportFrameProgramDescription::ReportFrameProgramDescription(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameProgramDescription::heading() const {
	return tr("Program description");
}
