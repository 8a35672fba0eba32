#ifndef ReportFrameProjectInfoH
#define ReportFrameProjectInfoH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: project name, author and dates. */
class ReportFrameProjectInfo : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameProjectInfo)
public:
	ReportFrameProjectInfo(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameProjectInfoH
