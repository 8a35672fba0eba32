#include "ReportFrameResultsOverTemperature.h"

ReportFrameResultsOverTemperature::ReportFrameResultsOverTemperature(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameResultsOverTemperature::heading() const {
	return tr("Results: hours of over-temperature");
}
