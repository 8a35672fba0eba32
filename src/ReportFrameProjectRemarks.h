#ifndef ReportFrameProjectRemarksH
#define ReportFrameProjectRemarksH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: the project's remarks. */
class ReportFrameProjectRemarks : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameProjectRemarks)
public:
	ReportFrameProjectRemarks(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameProjectRemarksH
