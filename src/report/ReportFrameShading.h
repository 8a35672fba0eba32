#ifndef ReportFrameShadingH
#define ReportFrameShadingH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section "Shading control" of the DIN 4108-2 assessment. */
class ReportFrameShading : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameShading)
public:
	ReportFrameShading(Report * report, QTextDocument * textDocument);

protected:
	void layoutBlocks() override;

private:
	QtExt::TextFrame *	m_title;
	QtExt::Table *		m_table;
};

#endif // ReportFrameShadingH
