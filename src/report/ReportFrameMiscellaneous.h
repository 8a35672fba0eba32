#ifndef ReportFrameMiscellaneousH
#define ReportFrameMiscellaneousH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section: the fixed statements on external shading and passive cooling. */
class ReportFrameMiscellaneous : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameMiscellaneous)
public:
	ReportFrameMiscellaneous(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	QtExt::TextFrame *	m_title;
	QtExt::TextFrame *	m_shading;
	QtExt::TextFrame *	m_cooling;
};

#endif // ReportFrameMiscellaneousH
