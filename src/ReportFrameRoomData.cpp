#include "ReportFrameRoomData.h"

ReportFrameRoomData::ReportFrameRoomData(Report * report, QTextDocument * textDocument) :
	ReportFrameSectionBase(report, textDocument)
{
}


QString ReportFrameRoomData::heading() const {
	return tr("Room data");
}
