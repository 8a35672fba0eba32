#include "ReportFrameFixedTemperatureComponents.h"

ReportFrameFixedTemperatureComponents::ReportFrameFixedTemperatureComponents(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameFixedTemperatureComponents::heading() const {
	return tr("Fixed-temperature components");
}
