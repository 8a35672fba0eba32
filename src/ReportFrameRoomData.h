#ifndef ReportFrameRoomDataH
#define ReportFrameRoomDataH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: room geometry and air volume. */
class ReportFrameRoomData : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameRoomData)
public:
	ReportFrameRoomData(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameRoomDataH
