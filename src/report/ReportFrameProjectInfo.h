#ifndef ReportFrameProjectInfoH
#define ReportFrameProjectInfoH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: title of the report with project, variant, user and company (empty ones left out). */
class ReportFrameProjectInfo : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameProjectInfo)
public:
	ReportFrameProjectInfo(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	QtExt::Table *	m_table;
};

#endif // ReportFrameProjectInfoH
