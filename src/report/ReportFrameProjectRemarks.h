#ifndef ReportFrameProjectRemarksH
#define ReportFrameProjectRemarksH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: the project's description (html, printed as stored). */
class ReportFrameProjectRemarks : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameProjectRemarks)
public:
	ReportFrameProjectRemarks(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	QtExt::TextFrame *	m_title;
	QtExt::TextFrame *	m_text;
};

#endif // ReportFrameProjectRemarksH
