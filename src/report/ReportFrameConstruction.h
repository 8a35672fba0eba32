#ifndef ReportFrameConstructionH
#define ReportFrameConstructionH

#include <QCoreApplication>

#include "ReportFrameComponentsBase.h"

/*! Report section "Constructions": the layers of one construction type, outside first;
	the first of these frames carries the section heading and the symbols.
*/
class ReportFrameConstruction : public ReportFrameComponentsBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameConstruction)
public:
	ReportFrameConstruction(Report * report, QTextDocument * textDocument, bool first, unsigned int constructionId);

	bool isFirst() const { return m_first; }
	unsigned int constructionId() const { return m_constructionId; }

protected:
	void layoutBlocks() override;

private:
	bool				m_first;
	unsigned int		m_constructionId;
	QtExt::TextFrame *	m_heading;
	QtExt::TextFrame *	m_symbols;
};

#endif // ReportFrameConstructionH
