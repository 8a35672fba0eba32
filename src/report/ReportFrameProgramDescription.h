#ifndef ReportFrameProgramDescriptionH
#define ReportFrameProgramDescriptionH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: what the calculation engine is and which standard it meets. */
class ReportFrameProgramDescription : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameProgramDescription)
public:
	ReportFrameProgramDescription(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	QtExt::TextFrame *	m_title;
	QtExt::TextFrame *	m_text;
};

#endif // ReportFrameProgramDescriptionH
