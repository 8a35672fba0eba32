#ifndef ReportFrameConstructionH
#define ReportFrameConstructionH

#include <QCoreApplication>

#include "ReportFrameSectionBase.h"

/*! Report section of one construction type; the first of them carries the section heading. */
class ReportFrameConstruction : public ReportFrameSectionBase {
	Q_DECLARE_TR_FUNCTIONS(ReportFrameConstruction)
public:
	ReportFrameConstruction(Report * report, QTextDocument * textDocument, bool first, unsigned int constructionId);

	QString heading() const override;
	QStringList bodyLines() const override;

	bool isFirst() const { return m_first; }
	unsigned int constructionId() const { return m_constructionId; }

private:
	bool			m_first;
	unsigned int	m_constructionId;
};

#endif // ReportFrameConstructionH
