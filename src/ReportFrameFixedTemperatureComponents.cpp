#include "ReportFrameFixedTemperatureComponents.h"

ReportFrameFixedTemperatureComponents::ReportFrameFixedTemperatureComponents(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameFixedTemperatureComponents::heading() const {
	return tr("Components adjacent to zones of fixed temperature");
}
