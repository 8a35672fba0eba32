#include "ReportFrameVentilation.h"

ReportFrameVentilation::ReportFrameVentilation(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameVentilation::heading() const {
	return tr("Ventilation");
}
