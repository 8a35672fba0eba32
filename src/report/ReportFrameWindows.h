#ifndef ReportFrameWindowsH
#define ReportFrameWindowsH

#include <QCoreApplication>

#include "ReportFrameComponentsBase.h"

/*! Report section "Components": the windows of the outside surfaces with their wall's ID. */
class ReportFrameWindows : public ReportFrameComponentsBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameWindows)
public:
	ReportFrameWindows(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;
};

#endif // ReportFrameWindowsH
