#ifndef ReportFrameWindowsH
#define ReportFrameWindowsH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: the windows of the outside surfaces. */
class ReportFrameWindows : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameWindows)
public:
	ReportFrameWindows(Report * report, QTextDocument * textDocument);

	QString heading() const override;
};

#endif // ReportFrameWindowsH
