#include "ReportFrameTemperaturePlot.h"

ReportFrameTemperaturePlot::ReportFrameTemperaturePlot(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameTemperaturePlot::heading() const {
	return tr("Room air temperature");
}
